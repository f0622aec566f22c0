#include "QFocusWidget.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "DeviceSdkWrapper.h"
#include "ImagePageSupport.h"
#include "QLongPressBtn.h"

namespace {

using F = QFocusWidget;

constexpr int kAutoFocusWidth = 126;
constexpr int kRowHeight = 32;
constexpr int kLensButtonSize = 16;

QLongPressBtn* makeLensButton(QWidget* parent, bool bDecrease, const char* name)
{
    auto* button = new QLongPressBtn(parent, bDecrease);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(kLensButtonSize, kLensButtonSize);
    return button;
}

// A lens row: the decrease button, the title, the increase button.
QHBoxLayout* makeLensRow(QLongPressBtn* decrease, QLabel* label, QLongPressBtn* increase)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(label);
    row->insertWidget(0, decrease);
    row->addWidget(increase);
    row->addStretch(1);
    return row;
}

}  // namespace

QFocusWidget::QFocusWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QFocusWidget"));
    setWindowFlags(Qt::FramelessWindowHint);
    resize(588, 463);
    initUI();
    initConnect();
}

void QFocusWidget::initUI()
{
    focusModeLabel_ = ImagePageSupport::makeLabel(this);
    focusModeComboBox_ = new QComboBox(this);
    focusModeComboBox_->setObjectName(QStringLiteral("focusModeComboBox"));
    focusModeComboBox_->setView(new QListView(focusModeComboBox_));
    focusModeComboBox_->addItem(QString(), int(ManualFocus));
    focusModeComboBox_->addItem(QString(), int(AutoFocus));
    focusModeComboBox_->setFixedHeight(kRowHeight);
    autoFocusBtn_ = new QPushButton(this);
    autoFocusBtn_->setObjectName(QStringLiteral("IconTextHBtn"));
    autoFocusBtn_->setFixedHeight(kRowHeight);

    zoomLabel_ = ImagePageSupport::makeLabel(this);
    zoomAntiClockwiseBtn_ = makeLensButton(this, true, "zoomAntiClockwiseBtn");
    zoomClockwiseBtn_ = makeLensButton(this, false, "zoomClockwiseBtn");
    focusLabel_ = ImagePageSupport::makeLabel(this);
    focusAntiClockwiseBtn_ = makeLensButton(this, true, "focusAntiClockwiseBtn");
    focusClockwiseBtn_ = makeLensButton(this, false, "focusClockwiseBtn");

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 16);
    page->setSpacing(16);
    page->setAlignment(Qt::AlignTop);
    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(6);
    modeRow->addWidget(focusModeLabel_);
    modeRow->addWidget(focusModeComboBox_, 1);
    page->addLayout(modeRow);
    // In the 254-pixel settings column the automatic focus button gets a
    // line of its own below the mode.
    autoFocusBtn_->setFixedWidth(kAutoFocusWidth);
    page->addWidget(autoFocusBtn_, 0, Qt::AlignLeft);
    page->addLayout(makeLensRow(zoomAntiClockwiseBtn_, zoomLabel_, zoomClockwiseBtn_));
    page->addLayout(makeLensRow(focusAntiClockwiseBtn_, focusLabel_, focusClockwiseBtn_));
    retranslateTexts();
}

void QFocusWidget::initConnect()
{
    connect(focusModeComboBox_, QOverload<int>::of(&QComboBox::activated), this, &F::onFocusModeComboxSelectSlot);
    connect(autoFocusBtn_, &QPushButton::clicked, this, &F::setAutoFocusBtnSlot);

    struct Wiring {
        QLongPressBtn* button;
        void (F::*clicked)();
        void (F::*pressed)();
        void (F::*released)();
    };
    const Wiring wirings[] = {
        {zoomClockwiseBtn_, &F::setZoomClockwiseClickedSlot, &F::setZoomClockwisePressedSlot, &F::setZoomReleaseSlot},
        {zoomAntiClockwiseBtn_, &F::setZoomAntiClockwiseClickedSlot, &F::setZoomAntiClockwisePressedSlot,
         &F::setZoomReleaseSlot},
        {focusClockwiseBtn_, &F::setFocusClockwiseClickedSlot, &F::setFocusClockwisePressedSlot,
         &F::setFocusReleaseSlot},
        {focusAntiClockwiseBtn_, &F::setFocusAntiClockwiseClickedSlot, &F::setFocusAntiClockwisePressedSlot,
         &F::setFocusReleaseSlot},
    };
    for (const Wiring& w : wirings) {
        connect(w.button, &QLongPressBtn::sendBtnClickedSignal, this, w.clicked);
        connect(w.button, &QLongPressBtn::sendBtnLongPressedSignal, this, w.pressed);
        connect(w.button, &QLongPressBtn::sendBtnReleaseSignal, this, w.released);
    }
}

void QFocusWidget::retranslateTexts()
{
    focusModeLabel_->setText(tr("Focus Mode"));
    focusModeComboBox_->setItemText(ManualFocus, tr("Manual"));
    focusModeComboBox_->setItemText(AutoFocus, tr("Auto"));
    autoFocusBtn_->setText(tr("Auto Focus"));
    zoomLabel_->setText(tr("Zoom"));
    focusLabel_->setText(tr("Focus"));
}

void QFocusWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QFocusWidget::requestFocusMode()
{
    if (DeviceSdkWrapper::getInstance().Connect()) emit sendGetFocusModeSignal();
}

bool QFocusWidget::checkConnected()
{
    if (DeviceSdkWrapper::getInstance().Connect()) return true;
    ImagePageSupport::notice(this, tr("Device is not connect."));
    return false;
}

void QFocusWidget::sendStep(LensSignal signal, Direction direction)
{
    if (checkConnected()) emit(this->*signal)(direction);
}

void QFocusWidget::startMove(LensSignal signal, Direction direction, bool& moving)
{
    if (!checkConnected()) return;
    moving = true;
    emit(this->*signal)(direction);
}

void QFocusWidget::stopMove(LensSignal signal, bool& moving)
{
    if (!moving) return;
    moving = false;
    emit(this->*signal)(Stop);
}

void QFocusWidget::setGetFocusModeRetSlot(bool bRet, int nMode)
{
    if (bRet && (nMode == ManualFocus || nMode == AutoFocus)) {
        focusModeComboBox_->setCurrentIndex(nMode);
        return;
    }
    ImagePageSupport::notice(this, tr("Failed to get focus mode."));
}

void QFocusWidget::onFocusModeComboxSelectSlot(int nMode)
{
    // The mode goes out even without a camera; the worker reports the refusal.
    emit sendSetFocusModeSignal(nMode);
}

void QFocusWidget::setAutoFocusBtnSlot()
{
    if (checkConnected()) emit sendSetAutoFocusSignal();
}

void QFocusWidget::setZoomClockwiseClickedSlot()
{
    sendStep(&F::sendZoomBtnClickedSignal, Clockwise);
}

void QFocusWidget::setZoomAntiClockwiseClickedSlot()
{
    sendStep(&F::sendZoomBtnClickedSignal, AntiClockwise);
}

void QFocusWidget::setZoomClockwisePressedSlot()
{
    startMove(&F::sendZoomBtnPressedSignal, Clockwise, zoomMoving_);
}

void QFocusWidget::setZoomAntiClockwisePressedSlot()
{
    startMove(&F::sendZoomBtnPressedSignal, AntiClockwise, zoomMoving_);
}

void QFocusWidget::setZoomReleaseSlot()
{
    stopMove(&F::sendZoomBtnPressedSignal, zoomMoving_);
}

void QFocusWidget::setFocusClockwiseClickedSlot()
{
    sendStep(&F::sendFocusBtnClickedSignal, Clockwise);
}

void QFocusWidget::setFocusAntiClockwiseClickedSlot()
{
    sendStep(&F::sendFocusBtnClickedSignal, AntiClockwise);
}

void QFocusWidget::setFocusClockwisePressedSlot()
{
    startMove(&F::sendFocusBtnPressedSignal, Clockwise, focusMoving_);
}

void QFocusWidget::setFocusAntiClockwisePressedSlot()
{
    startMove(&F::sendFocusBtnPressedSignal, AntiClockwise, focusMoving_);
}

void QFocusWidget::setFocusReleaseSlot()
{
    stopMove(&F::sendFocusBtnPressedSignal, focusMoving_);
}

void QFocusWidget::setFocusFuncRetSlot(bool bRet)
{
    if (!bRet) ImagePageSupport::toast(tr("Operate failed"), false);
}
