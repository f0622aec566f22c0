// What the two radiometric parameter panels share: the live page's "Rule
// Property" page and the picture analysis window's parameter panel. Both edit
// one global parameter block (environment temperature and humidity always;
// emissivity, distance and reflected temperature with no rule selected) and
// the own parameters of one selected rule, shown in the same six rows with
// the same ranges, defaults and field readers.
//
// The panel owns the controls; each subclass lays them out, says where its
// global block and rules live and writes them back on "Set". Values are held
// in degrees C and metres and shown in the units of the subclass's policy.
// GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

#include "camsdk.h"
#include "thermcore.h"

class QLabel;
class QPushButton;
class QUnitLineEdit;
class SwitchButton;

class RuleParamPanel : public QWidget {
    Q_OBJECT
public:
    // The captioned rows, top to bottom.
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
    // temperature conversion divide by zero. The distance limit is the
    // subclass's.
    static constexpr float kEnvironmentTemperMin = -20.0f;
    static constexpr float kEnvironmentTemperMax = 50.0f;
    static constexpr float kReflexTemperMin = -30.0f;
    static constexpr float kReflexTemperMax = 550.0f;
    static constexpr float kDistanceMin = 0.0f;
    static constexpr float kEmissivityMin = 0.01f;
    static constexpr float kEmissivityMax = 1.0f;
    static constexpr int kHumidityMax = 100;
    // What "RestoreDefault" writes, degrees C for the temperatures.
    static constexpr float kDefaultTemper = 25.0f;

    // The translation sources of a panel, in its own context (the strings
    // are marked where each subclass defines them).
    struct Texts {
        const char* context;
        const char* group;  // title of the global section
        const char* ruleTitle;
        const char* captions[RowCount];
        const char* restoreDefault;
        const char* set;
    };

    // How temperatures are shown: the picture analysis window's unit or the
    // unit of Config.ini. Distances follow Config.ini on both.
    struct TemperUnits {
        float (*toShown)(float celsius);
        float (*toCelsius)(float shown);
        QString (*symbol)();
    };
    static const TemperUnits kPictureUnits;
    static const TemperUnits kConfigUnits;

    ~RuleParamPanel() override;

    // The key of the selected rule item; 0: the global block.
    quint32 selectedItem() const { return m_selectedKey; }
    // Sets the ranges, tool tips and unit texts of the temperature and
    // distance fields in the current units.
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

public slots:
    // Keeps the switch state for the next "Set".
    void setRuleEnableSwitchSlots(bool bFlags);
    // Writes the default texts into the fields; nothing is stored.
    virtual void setDefaultSlot();
    // Reads every field, then stores the values.
    void setApplyValueSlot();
    // The field readers, each one field into the working values.
    void setEnvironmentTemperChangeSlots();
    void setHumidityChangeSlots();
    void setDistanceChangeSlots();
    void setEmissivityChangedSlots();
    void setReflexTemperChangeSlots();

protected:
    // The parameters as shown, degrees C and metres.
    struct Values {
        char ruleName[32];  // local 8-bit text
        float environmentTemper;
        int32_t humidity;
        float emissivity;
        float distance;
        float reflexTemper;
        int32_t alarmMode;  // no control: carried from the last refresh
        float alarmThreshold;
        int32_t ruleEnable;  // own-parameter switch
    };

    // texts: static, the subclass's; distanceMax in metres.
    RuleParamPanel(const Texts& texts, const TemperUnits& units, float distanceMax, QWidget* parent);

    void changeEvent(QEvent* event) override;

    // The stored global block and rule; false when there is none.
    virtual bool readGlobalBlock(USBSDK_GlobalTemperParam* out) const = 0;
    virtual bool readRule(quint32 key, PicRuleConfig* out) const = 0;
    // Stores the values read by "Set".
    virtual void storeValues() = 0;

    void setSelectedKey(quint32 key) { m_selectedKey = key; }
    // Reloads the values of the selected rule or the global block and shows
    // them; stops, keeping the fields, without a global block or when the
    // selected rule is gone.
    void refreshValues();
    void zeroValues();
    const Values& values() const { return m_values; }

    // Environment temperature and humidity into a global block.
    void writeEnvironment(USBSDK_GlobalTemperParam* block) const;
    // Whether "Set" writes back the alarm mode and threshold of the last
    // refresh (Carry) or leaves the stored ones (Keep).
    enum class Alarm { Keep, Carry };
    // Emissivity, distance and reflected temperature of the global block.
    void writeTarget(USBSDK_GlobalTemperParam* block, Alarm alarm) const;
    // The own parameters of a rule, its enable flag included.
    void writeTarget(PicRuleConfig* rule, Alarm alarm) const;

private:
    void createControls();
    void retranslate();
    // Shows the values and the rows of the current mode.
    void showValues(bool ruleMode);
    // The "Enable" and "ReflexTemper" rows.
    void setRuleRowsVisible(bool visible);
    // The field's text as a number, after an empty or unreadable text has
    // become "0" and a float field below its minimum has been raised to it.
    float readField(Row row);
    QString translate(const char* source) const;

    const Texts& m_texts;
    const TemperUnits& m_units;
    const float m_distanceMax;
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
