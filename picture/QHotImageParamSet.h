// The radiometric parameter panel of the picture analysis window: the
// parameters with which the loaded picture's raw values become
// temperatures. Environment temperature and humidity always belong to the
// picture's global block; emissivity, distance and reflected temperature
// belong to the rule selected in the scene view or, with none selected, to
// the global block. "Set" writes them into the picture store, which hands
// them to the radiometry library, and emits sendUpdateTemperSignals() so
// that the window recomputes the rule temperatures; the file is written
// only when the picture is saved.
//
// Temperatures are shown in the unit of the analysis window, distances in
// the unit of Config.ini. No message box or toast. GUI thread only.
#pragma once

#include "RuleParamPanel.h"

class QHotImageParamSet : public RuleParamPanel {
    Q_OBJECT
public:
    static constexpr float kDistanceMax = 99.0f;  // metres

    explicit QHotImageParamSet(QWidget* parent = nullptr);
    ~QHotImageParamSet() override;

    // Reloads the fields from the picture store; keeps them when no picture
    // is loaded or the selected rule is gone.
    void refreshFromPicture();
    // The picture was freed: empties the fields and deselects.
    void clearParams();
    // Ranges, tool tips and units again, then a refresh.
    void onUnitChanged();

signals:
    // The parameters were applied; the rule temperatures are out of date.
    void sendUpdateTemperSignals();

public slots:
    // The rule item with this key was selected (0: none).
    void setItemSelectSlots(quint32 key);
    // A rule was deleted, whichever it was: back to the global block.
    void setItemDeleteSlots();

protected:
    bool readGlobalBlock(USBSDK_GlobalTemperParam* out) const override;
    bool readRule(quint32 key, PicRuleConfig* out) const override;
    void storeValues() override;

private:
    void buildForm();
};
