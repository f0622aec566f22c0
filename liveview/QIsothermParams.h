// The isotherm page of the live side panel: whether the camera marks a
// temperature band in the live image (above a limit, below a limit, inside
// an interval or outside it) and which of four palettes colours it. The page
// reads the camera's isotherm when the panel opens it, sends the edited one
// with Save, and tells the live page whether the isotherm is on and which
// palette applies, so that the live page can switch to it and lock its own
// palette choice meanwhile.
//
// Requests leave through signals that the panel relays to the
// device-command worker; the answers come back through the two result
// slots. Limits are always degrees Celsius, whatever unit Config.ini
// selects. Every text is looked up by its key in the text table (TextMap.h)
// and shown as the key when the table has no entry; the page does not
// re-translate. GUI thread only.
#pragma once

#include <QWidget>

#include <array>

#include "MetaTypes.h"

class QCheckBox;
class QComboBox;
class QCustomLineEdit;
class QLabel;
class QPushButton;
class QVBoxLayout;

class QIsothermParams : public QWidget {
    Q_OBJECT
public:
    explicit QIsothermParams(QWidget* parent = nullptr);
    ~QIsothermParams() override;

signals:
    // Asks for the camera's isotherm (worker getIsothermStatusSlot()).
    void sendGetIsothermStatusSignal();
    // The isotherm colour's palette number and the record (worker
    // setIsothermFuncSlot(int, USBSDK_IsothermParams)).
    void sendSetIsothermFuncSignal(int nColor, const USBSDK_IsothermParams& stIsotherm);
    // Whether the isotherm is on, and the palette that now applies (the
    // live page's setColorizationChangeSlot(bool, int)).
    void sendColorizationChangeSignal(bool bOn, int nColor);

public slots:
    // Emits sendGetIsothermStatusSignal(); the panel calls it each time it
    // opens the page.
    void requestStatus();
    // The camera's isotherm (worker sendGetIsothermStatusRetSignal) with the
    // live page's current palette number: fills the page, reports the state
    // to the live page and selects the colour of nColor. A failed read only
    // tells the user.
    void getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor);
    // The outcome of a Save (worker sendSetIsothermStatusRetSignal).
    void setIsothermStatusRetSlot(bool bRet);

private slots:
    // Save: builds the isotherm from the controls and sends it, or refuses.
    void setIsothermParamsSlot();
    // Shows the limit rows the mode uses.
    void onIsoModeComboxSelectSlots(int nIndex);

private:
    enum Limit { UpperLimit = 0, LowerLimit, LimitCount };

    // One limit row: caption, field and unit.
    struct LimitRow {
        QLabel* label = nullptr;           // child
        QCustomLineEdit* field = nullptr;  // child
        QLabel* unit = nullptr;            // child
    };

    void buildForm();
    void buildLimitRow(QVBoxLayout* page, Limit limit, const char* key, const char* labelName, const char* fieldName,
                       const char* unitName);
    void showLimitRow(Limit limit, bool shown);
    // Tells the user that the live palette is locked while the isotherm is
    // on.
    void noticeColorizationLocked();

    QCheckBox* enableCheckBox_ = nullptr;  // child
    QComboBox* modeComboBox_ = nullptr;    // child
    QComboBox* colourComboBox_ = nullptr;  // child
    std::array<LimitRow, LimitCount> limits_{};
    QPushButton* saveBtn_ = nullptr;  // child

    // What the last Save sent, for its result: the isotherm colour's palette
    // number (0 before the first Save) and whether the isotherm was on.
    int sentPalette_ = 0;
    bool sentOn_ = false;
};
