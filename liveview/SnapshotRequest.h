// What a snapshot needs besides the frame, copied on the GUI thread when the
// snapshot is asked for and handed to the frame worker by value: the writer
// then works on these copies and never reaches into the live store, the
// configuration or the camera facade's cached state from its own thread.
#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

#include <optional>

#include "camsdk.h"
#include "thermcore.h"

struct SnapshotRequest {
    // The configured snapshot folder (the root of the day folders).
    QString root;
    // The camera's serial number as a folder name; empty: not readable.
    QString serial;
    // The live global parameter block; none while it was never written.
    std::optional<USBSDK_GlobalTemperParam> global;
    // The live rules in their order (ruleIds 1..n).
    QVector<PicRuleConfig> rules;
    // The SaveRules setting: store the rules in the picture.
    bool saveRules = false;
    // The palette recorded in the picture (the live page's colour-bar index).
    int colorType = 0;
    // The camera's flip mode: 0 none, 1 upside down, 2 mirrored, 3 both.
    int flip = 0;
};

Q_DECLARE_METATYPE(SnapshotRequest)
