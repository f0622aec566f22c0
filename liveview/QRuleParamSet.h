// The "Rule Property" page of the live side panel: the radiometric
// parameters with which the camera turns grey values into temperatures.
// Environment temperature and humidity always belong to the live global
// parameter block; emissivity, distance and reflected temperature belong to
// the selected live rule or, with no rule selected, to the global block. For
// a selected rule the page also switches the rule's own parameters on or off.
//
// The page keeps nothing beyond the values on screen: it reads them from the
// live set of ThermalImageData and, on "Set", writes them back and emits one
// signal that the side panel relays to the live page, which brings the
// change to the camera. Values are held in degrees C and metres and shown in
// the units configured in Config.ini. GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

#include "camsdk.h"

class QLabel;
class QPushButton;
class QUnitLineEdit;
class SwitchButton;

class QRuleParamSet : public QWidget {
    Q_OBJECT
public:
    // The captioned rows below the title, top to bottom.
    enum Row {
        EnvironmentTemperRow = 0,
        HumidityRow,
        EnableRow,
        EmissivityRow,
        DistanceRow,
        ReflexTemperRow,
        RowCount
    };

    // Input limits, degrees C and metres; emissivity 0 would make the
    // temperature conversion divide by zero.
    static constexpr float kEnvironmentTemperMin = -20.0f;
    static constexpr float kEnvironmentTemperMax = 50.0f;
    static constexpr float kReflexTemperMin = -30.0f;
    static constexpr float kReflexTemperMax = 550.0f;
    static constexpr float kDistanceMin = 0.0f;
    static constexpr float kDistanceMax = 50.0f;
    static constexpr float kEmissivityMin = 0.01f;
    static constexpr float kEmissivityMax = 1.0f;
    static constexpr int kHumidityMax = 100;
    // What "RestoreDefault" writes, degrees C for the temperatures.
    static constexpr float kDefaultTemper = 25.0f;
    static constexpr int kToastMs = 1000;

    explicit QRuleParamSet(QWidget* parent = nullptr);
    ~QRuleParamSet() override;

    // Selects the live rule with this item id (0: the global block) and
    // reloads the fields.
    void setSelectedItem(quint32 id);
    quint32 selectedItem() const { return m_selectedKey; }
    // Reloads the fields from the live set; does nothing without a camera
    // or a valid global block, and keeps the fields when the selected rule
    // is gone.
    void refreshRuleParam();
    // Stores the camera's common parameters as the live global block; the
    // fields are not reloaded.
    void setGlobalTemperParam(const USBSDK_GlobalTemperParam& param);
    // Sets the ranges and tool tips of the temperature and distance fields
    // in the configured units.
    void updateValueRanges();

    // The controls.
    QLabel* groupLabel() const { return m_groupLabel; }
    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* rowLabel(Row row) const { return m_rowLabels.at(row); }
    // The line edit of a row; null for EnableRow.
    QUnitLineEdit* field(Row row) const { return m_fields.at(row); }
    SwitchButton* ruleEnableSwitch() const { return m_enableSwitch; }
    QPushButton* restoreDefaultButton() const { return m_defaultBtn; }
    QPushButton* setButton() const { return m_setBtn; }

signals:
    // The selected rule's parameters were written into its live record.
    void sendUpdateRuleInfoSignals();
    // The live global block was written and the camera should get it.
    void sendUpdateGlobalInfoSignales();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void setRuleEnableSwitchSlots(bool bFlags);
    void setDefaultSlot();
    void setApplyValueSlot();
    void setEnvironmentTemperChangeSlots();
    void setHumidityChangeSlots();
    void setDistanceChangeSlots();
    void setEmissivityChangedSlots();
    void setReflexTemperChangeSlots();

private:
    // The parameters as shown, degrees C and metres. The alarm mode and
    // threshold have no control here; "Set" leaves them as the live record
    // holds them.
    struct Values {
        char ruleName[32];  // local 8-bit text
        float environmentTemper;
        int32_t humidity;
        float emissivity;
        float distance;
        float reflexTemper;
        int32_t ruleEnable;  // own-parameter switch
    };

    void buildForm();
    void retranslate();
    void zeroValues();
    // Shows the values and the rows of the current mode.
    void showValues(bool ruleMode);
    // The "Enable" and "ReflexTemper" rows.
    void setRuleRowsVisible(bool visible);
    // The field's text as a number, after an empty or unreadable text has
    // become "0" and a float field below its minimum has been raised to it.
    float readField(Row row);

    quint32 m_selectedKey = 0;
    QString m_titleText;
    Values m_values{};

    QLabel* m_groupLabel = nullptr;                   // child
    QLabel* m_titleLabel = nullptr;                   // child
    std::array<QLabel*, RowCount> m_rowLabels{};      // children
    std::array<QUnitLineEdit*, RowCount> m_fields{};  // children; EnableRow stays null
    SwitchButton* m_enableSwitch = nullptr;           // child
    QPushButton* m_defaultBtn = nullptr;              // child
    QPushButton* m_setBtn = nullptr;                  // child
};
