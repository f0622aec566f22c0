#include "MainWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTranslator>
#include <QVBoxLayout>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "QAdvancedSetting.h"
#include "QCtrlModuleWidget.h"
#include "QHotImageModule.h"
#include "QTimerMessageboxWidget.h"
#include "QTitleWidget.h"
#include "QVideoPreviewModuleWidget.h"

namespace {

constexpr int kWidth = 1080;
constexpr int kHeight = 720;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName("MainWindow");
    resize(400, 300);
    setWindowTitle(tr("Calidra"));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(":/Resource/Skin/neutral.png"))));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setDisplayChangeSlot();
    QTimerMessageboxWidget::setMainWindow(this);
    initUI();
    initConnect();
    USBSDK_Init();  // the result shows up later as failing camera calls
}

QSize MainWindow::windowSizeFor(const QSize& screen)
{
    if (screen.width() >= kWidth) return QSize(kWidth, kHeight);
    return QSize(screen.width(), std::min(kHeight, screen.height()));
}

void MainWindow::setDisplayChangeSlot()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    setFixedSize(windowSizeFor(screen ? screen->geometry().size() : QSize(kWidth, kHeight)));
}

void MainWindow::loadTranslation(int language)
{
    translator_->load(language != 0 ? ":/Translation/Translation/vxt_en.qm" : ":/Translation/Translation/vxt_zh.qm");
}

void MainWindow::initUI()
{
    translator_ = new QTranslator(this);
    loadTranslation(ConfigManager::getInstance().getLanguage());
    QApplication::installTranslator(translator_);
    setWindowTitle(tr("Calidra"));

    ctrlModule_ = new QCtrlModuleWidget(this);
    titleWidget_ = new QTitleWidget(this);
    videoPreview_ = new QVideoPreviewModuleWidget(this);
    videoPreview_->show();
    advancedSetting_ = new QAdvancedSetting(this);
    advancedSetting_->hide();
    hotImageModule_ = new QHotImageModule(this);
    hotImageModule_->hide();

    auto* row = new QHBoxLayout();
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ctrlModule_);
    row->addWidget(videoPreview_);
    row->addWidget(hotImageModule_);
    row->addWidget(advancedSetting_);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(titleWidget_);
    column->addLayout(row);
}

void MainWindow::initConnect()
{
    connect(titleWidget_, &QTitleWidget::sendMainWndMoveSignals, videoPreview_,
            &QVideoPreviewModuleWidget::setMainWndMoveSlots);
    connect(ctrlModule_, &QCtrlModuleWidget::sendUSBUpdateShowSignals, videoPreview_,
            &QVideoPreviewModuleWidget::setUSBUpdateShowSlots);
    connect(hotImageModule_, &QHotImageModule::sendHeatMapExportSignal, videoPreview_,
            &QVideoPreviewModuleWidget::setHeatMapExportSlot);
    connect(videoPreview_, &QVideoPreviewModuleWidget::sendHeatMapExportRetSignal, hotImageModule_,
            &QHotImageModule::setHeatMapExportRetSlot);
    connect(videoPreview_, &QVideoPreviewModuleWidget::sendLanguageChangedSignal, this,
            &MainWindow::changeTranslatorSlot);
    connect(titleWidget_, &QTitleWidget::sendLanguageChangedSignal, this, &MainWindow::changeTranslatorSlot);
    connect(advancedSetting_, &QAdvancedSetting::sendShowHistogramSignal, videoPreview_,
            &QVideoPreviewModuleWidget::setShowHistogramSlot);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::geometryChanged, this, &MainWindow::setDisplayChangeSlot);
    connect(advancedSetting_, &QAdvancedSetting::sendProDebugSetColorSignal, videoPreview_,
            &QVideoPreviewModuleWidget::setColorrizationRetSlot);
    connect(advancedSetting_, &QAdvancedSetting::sendProDebugRebootSignal, videoPreview_,
            &QVideoPreviewModuleWidget::setStatusChangeSlots);
    connect(videoPreview_, &QVideoPreviewModuleWidget::sendConnectDeviceStatusSignals, ctrlModule_,
            &QCtrlModuleWidget::setConnectStatusChangedSlots);
}

void MainWindow::setModuleShow(int module)
{
    videoPreview_->setMainWindowMode(module);
    if (module == 5) {
        videoPreview_->hide();
        hotImageModule_->hide();
        advancedSetting_->show();
        advancedSetting_->refreshCurModule();
    } else if (module == 4) {
        advancedSetting_->hide();
        videoPreview_->hide();
        hotImageModule_->show();
    } else {
        advancedSetting_->hide();
        hotImageModule_->hide();
        videoPreview_->show();
    }
}

bool MainWindow::getVideoPreviewFlag() const
{
    return videoPreview_ && videoPreview_->isRecording();
}

void MainWindow::closeAdvancedPage()
{
    if (ctrlModule_) ctrlModule_->hideAdvancedEntry();
}

void MainWindow::changeTranslatorSlot(int nLangType)
{
    QApplication::removeTranslator(translator_);
    loadTranslation(nLangType);
    QApplication::installTranslator(translator_);
    // Qt posts the language change to the windows; deliver it now, so every
    // widget shows the new language when the caller goes on.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    setWindowTitle(tr("Calidra"));
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_U) {
        ctrlModule_->toggleAdvancedEntry();
        return;
    }
    QWidget::keyPressEvent(event);
}
