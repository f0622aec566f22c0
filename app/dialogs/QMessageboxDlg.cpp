#include "QMessageboxDlg.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"

namespace {
// The translucent margin around the frame leaves room for its shadow.
constexpr int kShadowMargin = 10;
const QColor kFrameColor(0x5f, 0x61, 0x5a);
}  // namespace

QMessageboxDlg::QMessageboxDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(500, 252);

    auto* frame = new QWidget(this);
    frame->setAutoFillBackground(true);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, kFrameColor);
    frame->setPalette(framePalette);
    auto* shadow = new QGraphicsDropShadowEffect(frame);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::black);
    shadow->setBlurRadius(kShadowMargin);
    frame->setGraphicsEffect(shadow);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    outer->addWidget(frame);

    QHBoxLayout* titleRow = makeTitleRow(frame, &m_titleLabel, &m_closeBtn);

    QLabel* divider = makeDividerLabel(frame, ":/Resource/Skin/window_Dividinglines_480.png");

    m_iconLabel = new QLabel(frame);
    m_iconLabel->setObjectName("InfoIconLabel");
    m_iconLabel->setPixmap(QPixmap(":/Resource/Skin/common_info.png"));
    m_messageLabel = new QLabel(frame);
    m_messageLabel->setWordWrap(true);
    auto* messageRow = new QHBoxLayout;
    messageRow->setContentsMargins(20, 0, 20, 0);
    messageRow->setSpacing(10);
    messageRow->addWidget(m_iconLabel);
    messageRow->addWidget(m_messageLabel, 1);

    QHBoxLayout* buttonRow = makeOkCancelRow(frame, &m_okBtn, &m_cancelBtn);

    auto* content = new QVBoxLayout(frame);
    content->setContentsMargins(10, 5, 10, 15);
    content->addLayout(titleRow);
    content->addWidget(divider);
    content->addLayout(messageRow, 1);
    content->addLayout(buttonRow);

    connect(m_closeBtn, &QPushButton::clicked, this, &QMessageboxDlg::setWndCloseSlots);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QMessageboxDlg::setWndCloseSlots);
    connect(m_okBtn, &QPushButton::clicked, this, &QMessageboxDlg::setOkBtnSlots);

    retranslateUi();
}

void QMessageboxDlg::setTitleText(const QString& text)
{
    m_titleLabel->setText(text);
}

void QMessageboxDlg::setMessageText(const QString& text)
{
    m_messageLabel->setText(text);
}

void QMessageboxDlg::setIconShow(bool show)
{
    m_iconLabel->setVisible(show);
}

void QMessageboxDlg::setIconAndCancelHide(bool hide)
{
    m_iconLabel->setVisible(!hide);
    m_cancelBtn->setVisible(!hide);
}

void QMessageboxDlg::setWndCloseSlots()
{
    reject();
}

void QMessageboxDlg::setOkBtnSlots()
{
    accept();
}

void QMessageboxDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect().adjusted(kShadowMargin, kShadowMargin, -kShadowMargin, -kShadowMargin), kFrameColor);
}

void QMessageboxDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void QMessageboxDlg::retranslateUi()
{
    m_okBtn->setText(tr("OK"));
    m_cancelBtn->setText(tr("Cancel"));
}
