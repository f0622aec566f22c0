// The "GlobalThermalSet" page of the side panel: four settings that apply to
// every live measurement. The temperature unit and whether snapshots carry
// the live rules are written to Config.ini at once; the refresh interval of
// the rule temperatures and the full-screen temperature display leave the
// page as requests, which the panel relays (to QTempRule and to the live
// page). The page keeps no state beyond its controls. GUI thread only.
#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class SwitchButton;

class QGlobalThermalSetting : public QWidget {
    Q_OBJECT
public:
    // Refresh choices: the index is what sendSetThermRefreshTimeSignal
    // carries.
    enum RefreshTime { Refresh1000Ms = 0, Refresh500Ms = 1 };

    explicit QGlobalThermalSetting(QWidget* parent = nullptr);
    ~QGlobalThermalSetting() override;

    // Puts the refresh choice back to "1000ms"; the panel calls it once the
    // camera has been closed. Nothing is sent then, as no camera is
    // connected.
    void resetRefreshTime();
    // Sends the refresh choice as it stands, connected or not. A choice
    // made while no camera was connected is not sent by the combo box, so
    // the live page calls this (through the panel) once the thermal function
    // of a camera has opened, and the interval shown is the one that runs.
    void applyRefreshTime();

    QComboBox* temperUnitComboBox() const { return unitCombo_; }
    QComboBox* refreshTimeComboBox() const { return refreshCombo_; }
    SwitchButton* fullScreenThermSwitch() const { return fullScreenSwitch_; }
    SwitchButton* saveRulesSwitch() const { return saveRulesSwitch_; }

signals:
    // 0 = 1000 ms, 1 = 500 ms.
    void sendSetThermRefreshTimeSignal(int nTime);
    void sendFullScreenThermEnableSwitchSignal(bool bEnable);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void onTemperUnitComboxSelectSlot(int index);
    void onTemperRefreshTimeComboxSelectSlot(int index);
    void onFullScreenThermEnableSwitchSlot(bool bChecked);
    void onSaveHeatMapRulesSwitchSlot(bool bChecked);

private:
    enum Row { UnitRow, RefreshRow, FullScreenRow, SaveRulesRow, RowCount };

    void buildForm();
    // The unit and the save-rules flag as Config.ini holds them.
    void loadValues();
    void connectControls();
    void retranslate();

    std::array<QLabel*, RowCount> labels_{};    // children
    QComboBox* unitCombo_ = nullptr;            // child
    QComboBox* refreshCombo_ = nullptr;         // child
    SwitchButton* fullScreenSwitch_ = nullptr;  // child
    SwitchButton* saveRulesSwitch_ = nullptr;   // child
};
