#include "QIsothermParams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppHelpers.h"
#include "IsothermForm.h"
#include "QCustomLineEdit.h"
#include "TextMap.h"

namespace {

// The panel column is 254 px wide: captions and controls share it, with
// the controls right-aligned to one edge. Captions are wide enough for
// their keys in the page's 12 px font.
constexpr int kMargin = 6;
constexpr int kRowSpacing = 4;
constexpr int kRowHeight = 32;
constexpr int kCaptionWidth = 96;
constexpr int kControlWidth = 142;
constexpr int kUnitWidth = 16;
constexpr int kUnitSpacing = 2;
constexpr int kFieldWidth = kControlWidth - kUnitSpacing - kUnitWidth;
constexpr int kSaveWidth = 120;
// The colour box shows the palette strip; its list shows strip and name.
constexpr int kColourIconWidth = 100;
constexpr int kColourIconHeight = 18;
constexpr int kColourListWidth = 196;

const char* const kFieldStyle =
    "QLineEdit{color:white;background-color: #292929;border-radius:2px;border:1px solid #5F615A;}";

// Messages.
const char* const kGetFailedKey = "Failed to Get Isotherm";
const char* const kSetFailedKey = "Failed to Set Isotherm";
const char* const kColorizationLockedKey = "Isotherm is enabling, Colorization change is unable";
const char* const kLowerNotBelowUpperKey = "The lower limit value needs to be less than the upper limit value";
const char* const kLimitOutOfRangeKey = "The limit value needs to be between %1 and %2";

QString limitBound(float value)
{
    return QString::number(double(value), 'f', IsothermForm::kLimitDecimals);
}

QString refusalText(IsothermForm::Refusal refusal)
{
    QString reason;
    switch (refusal) {
        case IsothermForm::Refusal::None:
            return QString();
        case IsothermForm::Refusal::LimitOutOfRange:
            reason = textOf(kLimitOutOfRangeKey)
                         .arg(limitBound(IsothermForm::kLimitMin), limitBound(IsothermForm::kLimitMax));
            break;
        case IsothermForm::Refusal::LowerNotBelowUpper:
            reason = textOf(kLowerNotBelowUpperKey);
            break;
    }
    return textOf(kSetFailedKey) + QStringLiteral("\r\n") + reason;
}

QLabel* newCaption(QWidget* parent, const char* key, const char* formName, bool styled)
{
    auto* label = new QLabel(textOf(key), parent);
    // Styled captions go by the style sheet's name instead of their own.
    label->setObjectName(styled ? QStringLiteral("Label_FF_85") : QLatin1String(formName));
    label->setFixedSize(kCaptionWidth, kRowHeight);
    return label;
}

QComboBox* newComboBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedSize(kControlWidth, kRowHeight);
    box->setView(new QListView(box));
    return box;
}

// caption | stretch | control(s)
QHBoxLayout* addRow(QVBoxLayout* page, QLabel* caption)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(caption);
    row->addStretch(1);
    page->addLayout(row);
    return row;
}

}  // namespace

QIsothermParams::QIsothermParams(QWidget* parent) : QWidget(parent)
{
    buildForm();
    onIsoModeComboxSelectSlots(IsothermForm::MaxLimitMode);
    connect(saveBtn_, &QPushButton::clicked, this, &QIsothermParams::setIsothermParamsSlot);
    connect(modeComboBox_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QIsothermParams::onIsoModeComboxSelectSlots);
}

QIsothermParams::~QIsothermParams() = default;

void QIsothermParams::buildForm()
{
    setObjectName(QStringLiteral("QIsothermParams"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kRowSpacing);

    QHBoxLayout* row = addRow(page, newCaption(this, "IsothermEnable", "IsothermEnableLabel", false));
    enableCheckBox_ = new QCheckBox(textOf("Enable"), this);
    enableCheckBox_->setObjectName(QStringLiteral("IsothermEnableCheckBox"));
    enableCheckBox_->setFixedSize(kControlWidth, kRowHeight);
    row->addWidget(enableCheckBox_);

    row = addRow(page, newCaption(this, "IsothermMode", "IsothermModeLabel", true));
    modeComboBox_ = newComboBox(this, "IsothermModeComboBox");
    for (int mode = 0; mode < IsothermForm::ModeCount; ++mode)
        modeComboBox_->addItem(textOf(IsothermForm::modeKey(mode)), mode);
    row->addWidget(modeComboBox_);

    row = addRow(page, newCaption(this, "Colorization", "ColorizationLabel", true));
    colourComboBox_ = newComboBox(this, "ColorizationComboBox");
    colourComboBox_->setIconSize(QSize(kColourIconWidth, kColourIconHeight));
    colourComboBox_->view()->setMinimumWidth(kColourListWidth);
    for (int colour = 0; colour < IsothermForm::kColourCount; ++colour) {
        const QString name = textOf(IsothermForm::colourKey(colour));
        colourComboBox_->addItem(QIcon(QLatin1String(IsothermForm::colourIcon(colour))), name, colour);
        colourComboBox_->setItemData(colour, name, Qt::ToolTipRole);
    }
    row->addWidget(colourComboBox_);

    buildLimitRow(page, UpperLimit, "MaxLimit", "IsothermMaxLimitLabel", "IsothermMaxLimitLineEdit",
                  "MaxLimitUnitLabel");
    buildLimitRow(page, LowerLimit, "MinLimit", "IsothermMinLimitLabel", "IsothermMinLimitLineEdit",
                  "MinLimitUnitLabel");

    saveBtn_ = new QPushButton(textOf("Save"), this);
    saveBtn_->setObjectName(QStringLiteral("BtnStyle1"));  // the style sheet's primary button
    saveBtn_->setFixedSize(kSaveWidth, kRowHeight);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(saveBtn_);
    page->addLayout(saveRow);
    page->addStretch(1);
}

void QIsothermParams::buildLimitRow(QVBoxLayout* page, Limit limit, const char* key, const char* labelName,
                                    const char* fieldName, const char* unitName)
{
    LimitRow& r = limits_[limit];
    r.label = newCaption(this, key, labelName, true);
    QHBoxLayout* row = addRow(page, r.label);

    r.field = new QCustomLineEdit(this);
    r.field->setObjectName(QLatin1String(fieldName));
    r.field->setFixedSize(kFieldWidth, kRowHeight);
    r.field->setAlignment(Qt::AlignCenter);
    r.field->setFloatRange(IsothermForm::kLimitMin, IsothermForm::kLimitMax, IsothermForm::kLimitDecimals);
    r.field->setToolTip(limitBound(IsothermForm::kLimitMin) + QStringLiteral(" - ") +
                        limitBound(IsothermForm::kLimitMax));
    r.field->setStyleSheet(QLatin1String(kFieldStyle));
    row->addWidget(r.field);
    row->addSpacing(kUnitSpacing);

    // The isotherm is always in degrees Celsius.
    r.unit = new QLabel(TemperUnitSymbol(0), this);
    r.unit->setObjectName(QLatin1String(unitName));
    r.unit->setFixedSize(kUnitWidth, kRowHeight);
    r.unit->setAlignment(Qt::AlignCenter);
    row->addWidget(r.unit);
}

void QIsothermParams::onIsoModeComboxSelectSlots(int nIndex)
{
    showLimitRow(UpperLimit, IsothermForm::usesUpperLimit(nIndex));
    showLimitRow(LowerLimit, IsothermForm::usesLowerLimit(nIndex));
}

void QIsothermParams::showLimitRow(Limit limit, bool shown)
{
    const LimitRow& r = limits_[limit];
    r.label->setVisible(shown);
    r.field->setVisible(shown);
    r.unit->setVisible(shown);
}

void QIsothermParams::requestStatus()
{
    emit sendGetIsothermStatusSignal();
}

void QIsothermParams::getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor)
{
    if (!bRet) {
        ShowMessageBox(this, textOf(kGetFailedKey), true);
        return;
    }
    enableCheckBox_->setChecked(stIsotherm.on != 0);
    limits_[LowerLimit].field->setText(IsothermForm::limitText(stIsotherm.lowerLimit));
    limits_[UpperLimit].field->setText(IsothermForm::limitText(stIsotherm.upperLimit));
    // The rows follow through the mode box's change signal. A mode outside
    // the box leaves it as it was.
    if (stIsotherm.mode >= 0 && stIsotherm.mode < IsothermForm::ModeCount)
        modeComboBox_->setCurrentIndex(stIsotherm.mode);

    emit sendColorizationChangeSignal(enableCheckBox_->isChecked(), nColor);

    // A palette that is no isotherm colour leaves the colour as it was; a
    // later Save sends whichever colour is then selected.
    const int colour = IsothermForm::colourOfPalette(nColor);
    if (colour >= 0) colourComboBox_->setCurrentIndex(colour);

    if (enableCheckBox_->isChecked()) noticeColorizationLocked();
}

void QIsothermParams::setIsothermParamsSlot()
{
    const IsothermForm::Request request =
        IsothermForm::build(enableCheckBox_->isChecked(), modeComboBox_->currentIndex(),
                            limits_[LowerLimit].field->text(), limits_[UpperLimit].field->text());
    if (request.refusal != IsothermForm::Refusal::None) {
        ShowMessageBox(this, refusalText(request.refusal), true);
        return;
    }
    // With no colour selected the last palette stays.
    const int palette = IsothermForm::paletteOfColour(colourComboBox_->currentIndex());
    if (palette >= 0) sentPalette_ = palette;
    sentOn_ = request.record.on != 0;
    emit sendSetIsothermFuncSignal(sentPalette_, request.record);
}

void QIsothermParams::setIsothermStatusRetSlot(bool bRet)
{
    if (!bRet) {
        ShowMessageBox(this, textOf(kSetFailedKey), true);
        return;
    }
    // What the camera now has is what was sent, whatever the box shows
    // since.
    emit sendColorizationChangeSignal(sentOn_, sentPalette_);
    if (sentOn_) noticeColorizationLocked();
}

void QIsothermParams::noticeColorizationLocked()
{
    ShowMessageBox(this, textOf(kColorizationLockedKey), true);
}
