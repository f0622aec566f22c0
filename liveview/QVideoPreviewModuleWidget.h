// The live page as the main window sees it: the module switch, the recording
// flag and the signals the window relays. Until the live view lands it is a
// plain page with the program's logo; its members keep the names and
// signatures the real page has.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

class QVideoPreviewModuleWidget : public QWidget {
    Q_OBJECT
public:
    explicit QVideoPreviewModuleWidget(QWidget* parent = nullptr);

    // The module the main window switched to (0..7); the page shows its own
    // module pages for 0, 1, 2, 3, 6 and 7.
    void setMainWindowMode(int module);
    int mainWindowMode() const { return module_; }
    // True while a recording runs.
    bool isRecording() const { return recording_; }
    void setRecording(bool recording) { recording_ = recording; }

signals:
    void sendHeatMapExportRetSignal(QString strHeapMapDir);
    void sendLanguageChangedSignal(int nLangType);
    void sendConnectDeviceStatusSignals();

public slots:
    void setMainWndMoveSlots() {}
    void setUSBUpdateShowSlots(bool) {}
    void setHeatMapExportSlot() {}
    void setShowHistogramSlot() {}
    void setColorrizationRetSlot(bool, int) {}
    void setStatusChangeSlots() {}

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* idle_ = nullptr;  // the idle picture, child
    int module_ = 0;
    bool recording_ = false;
};
