// The frameless top-level window: navigation bar on the left, title bar on
// top, the main area switched between the live page (modules 0, 1, 2, 3, 6,
// 7), the picture analysis (4) and the advanced page (5). Installs the
// user-interface translation and initialises the camera layer. GUI thread.
#pragma once

#include <QSize>
#include <QWidget>

class QAdvancedSetting;
class QCtrlModuleWidget;
class QHotImageModule;
class QTitleWidget;
class QTranslator;
class QVideoPreviewModuleWidget;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Switches the main area; called by the navigation bar.
    void setModuleShow(int module);
    // The live page's recording flag; the navigation bar refuses module 5
    // while it is set.
    bool getVideoPreviewFlag() const;
    // Hides the Advanced Settings entry (camera disconnected).
    void closeAdvancedPage();

    // The fixed window size on a primary screen of the given size.
    static QSize windowSizeFor(const QSize& screen);

    QCtrlModuleWidget* ctrlModule() const { return ctrlModule_; }
    QTitleWidget* titleWidget() const { return titleWidget_; }
    QVideoPreviewModuleWidget* videoPreview() const { return videoPreview_; }
    QAdvancedSetting* advancedSetting() const { return advancedSetting_; }
    QHotImageModule* hotImageModule() const { return hotImageModule_; }

public slots:
    void changeTranslatorSlot(int nLangType);
    void setDisplayChangeSlot();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void initUI();
    void initConnect();
    void loadTranslation(int language);

    // Children of the window.
    QCtrlModuleWidget* ctrlModule_ = nullptr;
    QTitleWidget* titleWidget_ = nullptr;
    QVideoPreviewModuleWidget* videoPreview_ = nullptr;
    QAdvancedSetting* advancedSetting_ = nullptr;
    QHotImageModule* hotImageModule_ = nullptr;
    QTranslator* translator_ = nullptr;
};
