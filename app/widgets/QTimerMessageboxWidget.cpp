#include "QTimerMessageboxWidget.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include <algorithm>

#include "HideTimer.h"
#include "StyledWidgetPaint.h"

namespace {

// The toast is placed as if it still had its initial size, even once grown.
constexpr int kToastWidth = 450;
constexpr int kToastHeight = 40;

const char kSuccessIcon[] = ":/Resource/Skin/common_sucess.png";
const char kFailIcon[] = ":/Resource/Skin/common_fail.png";
const char kInfoIcon[] = ":/Resource/Skin/common_info.png";

// Weak: the main window owns the toast, and either may go first in tests.
QPointer<QWidget> g_mainWindow;
QPointer<QTimerMessageboxWidget> g_instance;

}  // namespace

void QTimerMessageboxWidget::setMainWindow(QWidget* mainWindow)
{
    g_mainWindow = mainWindow;
    if (g_instance) g_instance->setParent(mainWindow, g_instance->windowFlags());
}

QTimerMessageboxWidget* QTimerMessageboxWidget::getInstance()
{
    if (!g_instance) g_instance = new QTimerMessageboxWidget(g_mainWindow);
    return g_instance;
}

QTimerMessageboxWidget::QTimerMessageboxWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("TimerMessageboxWidget");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(kToastWidth, kToastHeight);

    m_iconLabel = new QLabel(this);
    setIcon(kSuccessIcon);
    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName("Label_FF_85");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(15, 0, 15, 0);
    layout->setSpacing(10);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(m_iconLabel);
    layout->addWidget(m_textLabel);
}

void QTimerMessageboxWidget::showMessage(const QString& text, int type, int msec)
{
    switch (type) {
        case 0:
            setIcon(kSuccessIcon);
            break;
        case 1:
            setIcon(kFailIcon);
            break;
        case 3:
            setIcon(kInfoIcon);
            break;
        default:
            break;
    }
    m_textLabel->setText(text);

    // Grows for long texts and never shrinks back, so notices don't jitter.
    const int textWidth = m_textLabel->fontMetrics().horizontalAdvance(text);
    setFixedWidth(std::max(static_cast<int>(1.2 * textWidth), width()));

    if (g_mainWindow) {
        move(g_mainWindow->x() + (g_mainWindow->width() - kToastWidth) / 2,
             g_mainWindow->y() + (g_mainWindow->height() - kToastHeight) / 2);
    }
    raise();
    show();
    startHideTimer(this, msec);
}

void QTimerMessageboxWidget::setHideWndTimer()
{
    hide();
}

void QTimerMessageboxWidget::paintEvent(QPaintEvent*)
{
    paintStyledWidget(this);
}

void QTimerMessageboxWidget::setIcon(const QString& path)
{
    m_iconPath = path;
    m_iconLabel->setPixmap(QPixmap(path));
}
