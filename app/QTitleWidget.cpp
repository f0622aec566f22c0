#include "QTitleWidget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include "DialogParts.h"
#include "ConfigManager.h"
#include "QAboutDlg.h"
#include "StyledWidgetPaint.h"

namespace {

// A 20 x 20 button whose icon the style sheet gives by object name.
QPushButton* iconButton(QWidget* parent, const char* styleName)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(styleName);
    b->setFixedSize(20, 20);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

QString QTitleWidget::programName()
{
    return QStringLiteral("Calidra V" CALIDRA_VERSION);
}

QTitleWidget::QTitleWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("QTitleWidget");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedHeight(34);

    auto* verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName("verticalLayout");
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->setSpacing(0);

    auto* moduleWidget = new QWidget(this);
    moduleWidget->setObjectName("moduleWidget");
    moduleWidget->setFixedHeight(32);
    auto* horizontalLayout = new QHBoxLayout(moduleWidget);
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setContentsMargins(12, 0, 12, 0);
    horizontalLayout->setSpacing(8);

    logoLabel_ = new QLabel(moduleWidget);
    logoLabel_->setObjectName("neutral");
    logoLabel_->setFixedSize(22, 22);
    textLabel_ = new QLabel(programName(), moduleWidget);
    textLabel_->setObjectName("textLabel");
    textLabel_->setFixedSize(169, 22);
    horizontalLayout->addWidget(logoLabel_);
    horizontalLayout->addWidget(textLabel_);
    horizontalLayout->addStretch(1);

    auto* buttons = new QHBoxLayout();
    buttons->setObjectName("horizontalLayout_2");
    buttons->setSpacing(14);
    const int language = ConfigManager::getInstance().getLanguage();
    checkLangBtn_ = iconButton(moduleWidget, "checkLangBtn");
    if (language == 1) checkLangBtn_->setObjectName("checkLangEnBtn");
    if (language == 0) checkLangBtn_->setObjectName("checkLangChBtn");
    infoBtn_ = iconButton(moduleWidget, "InfoBtn");
    minBtn_ = iconButton(moduleWidget, "MinBtn");
    maxBtn_ = iconButton(moduleWidget, "ResizeBtn");
    maxBtn_->setProperty("max", false);
    closeBtn_ = iconButton(moduleWidget, "CloseBtn");
    for (QPushButton* b : {checkLangBtn_, infoBtn_, minBtn_, maxBtn_, closeBtn_}) buttons->addWidget(b);
    horizontalLayout->addLayout(buttons);
    verticalLayout->addWidget(moduleWidget);

    auto* dividerBox = new QHBoxLayout();
    dividerBox->setObjectName("horizontalLayout_3");
    dividerBox->setContentsMargins(0, 0, 0, 0);
    divideLine_ = makeDividerLabel(this, ":/Resource/Skin/window_Dividinglines_1360.png");
    divideLine_->setObjectName("divideLine");
    divideLine_->setAlignment(Qt::AlignBottom);
    dividerBox->addWidget(divideLine_);
    verticalLayout->addLayout(dividerBox);

    connect(minBtn_, &QPushButton::clicked, this, &QTitleWidget::setWndMinSlots);
    connect(maxBtn_, &QPushButton::clicked, this, &QTitleWidget::setWndMaxSlots);
    connect(closeBtn_, &QPushButton::clicked, this, &QTitleWidget::setWndCloseSlots);
    connect(infoBtn_, &QPushButton::clicked, this, &QTitleWidget::setInfoSlots);
    connect(checkLangBtn_, &QPushButton::clicked, this, &QTitleWidget::checkLanguageSlots);
    updateUI();
    setObjectName("TitleWidget");
}

QWidget* QTitleWidget::hostWindow() const
{
    return parentWidget() ? parentWidget()->window() : nullptr;
}

void QTitleWidget::repolish(QWidget* w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

void QTitleWidget::checkLanguageSlots()
{
    ConfigManager& config = ConfigManager::getInstance();
    const int language = config.getLanguage();
    if (language == 0 || language == 1) {
        const int next = language == 0 ? 1 : 0;
        checkLangBtn_->setObjectName(next == 1 ? "checkLangEnBtn" : "checkLangChBtn");
        emit sendLanguageChangedSignal(next);
        config.setLanguage(next);
    }
    repolish(checkLangBtn_);
}

void QTitleWidget::setWndMinSlots()
{
    if (QWidget* w = hostWindow()) w->showMinimized();
}

void QTitleWidget::setWndMaxSlots()
{
    QWidget* w = hostWindow();
    if (!w) return;
    if (w->isMaximized()) {
        maxBtn_->setToolTip(tr("Max"));
        w->showNormal();
    } else {
        maxBtn_->setToolTip(tr("Resize"));
        w->showMaximized();
    }
    maxBtn_->setProperty("max", w->isMaximized());
    repolish(maxBtn_);
}

void QTitleWidget::setWndCloseSlots()
{
    if (QWidget* w = hostWindow()) w->close();
}

void QTitleWidget::setInfoSlots()
{
    QAboutDlg dialog(this);
    dialog.exec();
}

void QTitleWidget::updateUI()
{
    minBtn_->setToolTip(tr("Min"));
    maxBtn_->setToolTip(maxBtn_->property("max").toBool() ? tr("Resize") : tr("Max"));
    closeBtn_->setToolTip(tr("Close"));
    infoBtn_->setToolTip(tr("About"));
    checkLangBtn_->setToolTip(tr("checkLanguage"));
}

void QTitleWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        pressX_ = pos().x() + event->pos().x();
        pressY_ = pos().y() + event->pos().y();
        // Where windows may not place themselves (Wayland) the compositor
        // moves the window.
        QWidget* w = hostWindow();
        if (w && !w->isMaximized() && QGuiApplication::platformName() == "wayland" && w->windowHandle() &&
            w->windowHandle()->startSystemMove()) {
            dragging_ = false;
            emit sendMainWndMoveSignals();
        }
    }
    QWidget::mousePressEvent(event);
}

void QTitleWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* w = hostWindow();
    if (w && dragging_ && !w->isMaximized()) {
        parentWidget()->move(event->globalPos() - QPoint(pressX_, pressY_));
        emit sendMainWndMoveSignals();
    }
    QWidget::mouseMoveEvent(event);
}

void QTitleWidget::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void QTitleWidget::mouseDoubleClickEvent(QMouseEvent*) {}

void QTitleWidget::paintEvent(QPaintEvent*)
{
    paintStyledWidget(this);
}

void QTitleWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) updateUI();
    QWidget::changeEvent(event);
}
