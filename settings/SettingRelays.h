// The requests and answers that module 1 carries between its pages and the
// live page's device-command worker. Every level (page, panel, module)
// offers the signals under the same names, so each level connects to the
// one below by these lists. The four notices (title status change,
// reconnect, restore, USB update rows) pass through slots of their own and
// are not listed.
#pragma once

// Requests of the general settings page (the flip notice goes to the live
// rule overlay, the rest to the worker).
#define CALIDRA_SETTINGS_PAGE_REQUESTS(X) \
    X(sendShowCrossCursorSignal)          \
    X(sendGetCrossCursorSignal)           \
    X(sendSetImageFlipModeSignal)         \
    X(sendGetImageFlipModeSignal)         \
    X(sendFlipChangedStateSignal)         \
    X(sendRebootDeviceSignal)             \
    X(sendOutputModeSwitchSignal)         \
    X(sendGetOutputModeSignal)            \
    X(sendSetSuperResolutionModeSignal)   \
    X(sendGetSuperResolutionModeSignal)   \
    X(sendSetThermalRawTypeSignal)        \
    X(sendGetThermalRawTypeSignal)

// Requests of the lens page.
#define CALIDRA_FOCUS_PAGE_REQUESTS(X) \
    X(sendGetFocusModeSignal)          \
    X(sendSetFocusModeSignal)          \
    X(sendSetAutoFocusSignal)          \
    X(sendZoomBtnClickedSignal)        \
    X(sendZoomBtnPressedSignal)        \
    X(sendFocusBtnClickedSignal)       \
    X(sendFocusBtnPressedSignal)

// The worker's answers to the general settings page: signal, page slot.
#define CALIDRA_SETTINGS_PAGE_ANSWERS(X)                                          \
    X(sendRestoreDeviceRetSignal, setRestoreDeviceRetSlot)                        \
    X(sendGetCrossCursorRetSignal, getCrossCursorRetSlot)                         \
    X(sendSetImageFlipModeRetSignal, setImageFlipModeRetSlot)                     \
    X(sendGetImageFlipModeRetSignal, getImageFlipModeRetSlot)                     \
    X(sendRebootDeviceRetSignal, setRebootDeviceRetSlot)                          \
    X(sendOutputModeSwitchRetSignal, setOutputModeSwitchRetSlot)                  \
    X(sendGetOutputModeRetSignal, setGetOutputModeRetSlot)                        \
    X(sendSetSuperResolutionModeRetSignal, setSuperResolutionModeRetSlot)         \
    X(sendGetSuperResolutionModeRetSignal, setGetSuperResolutionModeRetSlot)      \
    X(sendSetThermalRawTypeRetSignal, setThermalRawTypeRetSlot)                   \
    X(sendGetThermalRawTypeRetSignal, getThermalRawTypeRetSlot)

// The worker's answers to the lens page: signal, page slot.
#define CALIDRA_FOCUS_PAGE_ANSWERS(X)                     \
    X(sendGetFocusModeRetSignal, setGetFocusModeRetSlot) \
    X(sendSetFocusFuncRetSignal, setFocusFuncRetSlot)
