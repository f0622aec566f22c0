// The navigation column on the left of the main window: one entry per
// module, the current module, and the Advanced Settings entry that stays
// hidden until Ctrl+U and the access password open it. Refuses the advanced
// page while the camera records or sleeps; shows Temperature Calibration
// only for a connected camera that reports a device type.
#pragma once

#include <QWidget>
#include <array>

class QIconTextCtrlBtn;
class QLabel;
class QPushButton;
class MainWindow;

class QCtrlModuleWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kModules = 8;

    explicit QCtrlModuleWidget(QWidget* parent = nullptr);

    int currentModule() const { return current_; }
    QIconTextCtrlBtn* entry(int module) const { return entries_[size_t(module)]; }

    // Ctrl+U: hides the Advanced Settings entry, or asks for the password
    // and shows it.
    void toggleAdvancedEntry();
    // Hides the Advanced Settings entry; leaves module 5 for the live view.
    void hideAdvancedEntry();
    // The selected entry is disabled (its selected look), the others enabled.
    void updateModuleBtnState(int module);

signals:
    void sendUSBUpdateShowSignals(bool bShow);

public slots:
    void setVideoPreviewModuleShowSlots();
    void setSettingsModuleShowSlots();
    void setDeviceInformationModuleShowSlots();
    void setImageInformationModuleShowSlots();
    void setHotImageAnalyseModuleShowSlots();
    void setAdvancedSettingsModuleShowSlots();
    void setImageCorrectModuleShowSlots();
    void setTempCaliModuleShowSlots();
    void setConnectStatusChangedSlots();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void switchTo(int module);
    void retranslate();
    MainWindow* mainWindow() const;

    // Entries by module number; children of the widget.
    std::array<QIconTextCtrlBtn*, kModules> entries_{};
    QPushButton* helpBtn_ = nullptr;
    QLabel* pixfraLabel_ = nullptr;
    QLabel* divideLine_ = nullptr;
    int current_ = 0;
};
