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

#include "RuleParamPanel.h"

class QRuleParamSet : public RuleParamPanel {
    Q_OBJECT
public:
    static constexpr float kDistanceMax = 50.0f;  // metres
    static constexpr int kToastMs = 1000;

    explicit QRuleParamSet(QWidget* parent = nullptr);
    ~QRuleParamSet() override;

    // Selects the live rule with this item id (0: the global block) and
    // reloads the fields.
    void setSelectedItem(quint32 id);
    // Reloads the fields from the live set; does nothing without a camera
    // or a valid global block, and keeps the fields when the selected rule
    // is gone.
    void refreshRuleParam();
    // Stores the camera's common parameters as the live global block; the
    // fields are not reloaded.
    void setGlobalTemperParam(const USBSDK_GlobalTemperParam& param);

signals:
    // The selected rule's parameters were written into its live record.
    void sendUpdateRuleInfoSignals();
    // The live global block was written and the camera should get it.
    void sendUpdateGlobalInfoSignales();

public slots:
    void setDefaultSlot() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool readGlobalBlock(USBSDK_GlobalTemperParam* out) const override;
    bool readRule(quint32 key, PicRuleConfig* out) const override;
    // The alarm mode and threshold have no control here; the live records
    // keep their own.
    void storeValues() override;

private:
    void buildForm();
};
