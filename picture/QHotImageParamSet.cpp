#include "QHotImageParamSet.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "QUnitLineEdit.h"
#include "SwitchButton.h"
#include "ThermalImageData.h"

namespace {

using P = QHotImageParamSet;

const RuleParamPanel::Texts kTexts = {
    "QHotImageParamSet",
    QT_TRANSLATE_NOOP("QHotImageParamSet", "BasicTemperParam"),
    QT_TRANSLATE_NOOP("QHotImageParamSet", "Rule Property"),
    {
        QT_TRANSLATE_NOOP("QHotImageParamSet", "EnvironmentTemper"),
        QT_TRANSLATE_NOOP("QHotImageParamSet", "Humidity"),
        QT_TRANSLATE_NOOP("QHotImageParamSet", "Enable"),
        QT_TRANSLATE_NOOP("QHotImageParamSet", "Emissivity"),
        QT_TRANSLATE_NOOP("QHotImageParamSet", "Distance"),
        QT_TRANSLATE_NOOP("QHotImageParamSet", "ReflexTemper"),
    },
    QT_TRANSLATE_NOOP("QHotImageParamSet", "RestoreDefault"),
    QT_TRANSLATE_NOOP("QHotImageParamSet", "Set"),
};

// Object names of the row captions; the distance and enable captions keep
// the size the form gives them.
struct RowForm {
    const char* labelName;
    bool fixedLabel;  // 80 x 40
};
const RowForm kRowForms[P::RowCount] = {
    {"environmentTemperLabel", true}, {"humidityLabel", true},  {"enableLabel", false},
    {"emissivityLabel", true},        {"distanceLabel", false}, {"reflexTemperLabel", true},
};
const QSize kLabelSize(80, 40);
const QSize kFieldSize(100, 32);
const QSize kButtonSize(100, 32);

QFormLayout* formLayout(const char* objectName)
{
    auto* form = new QFormLayout;
    form->setObjectName(QLatin1String(objectName));
    form->setSpacing(6);
    form->setHorizontalSpacing(15);
    form->setVerticalSpacing(12);
    return form;
}

QVBoxLayout* sectionLayout(const char* objectName, QLabel* title, QFormLayout* form)
{
    auto* box = new QVBoxLayout;
    box->setObjectName(QLatin1String(objectName));
    box->setSpacing(8);
    title->setObjectName(QStringLiteral("Label_FF_85_14"));
    box->addWidget(title);
    box->addLayout(form);
    return box;
}

}  // namespace

QHotImageParamSet::QHotImageParamSet(QWidget* parent) : RuleParamPanel(kTexts, kPictureUnits, kDistanceMax, parent)
{
    buildForm();
}

QHotImageParamSet::~QHotImageParamSet() = default;

void QHotImageParamSet::buildForm()
{
    setObjectName(QStringLiteral("QHotImageParamSet"));
    resize(400, 586);

    for (int r = 0; r < RowCount; ++r) {
        const Row row = Row(r);
        rowLabel(row)->setObjectName(QLatin1String(kRowForms[r].labelName));
        if (kRowForms[r].fixedLabel) rowLabel(row)->setFixedSize(kLabelSize);
        if (field(row)) field(row)->setFixedSize(kFieldSize);
    }

    field(HumidityRow)->setToolTip(QStringLiteral("0-100"));

    auto* basicForm = formLayout("basicFLayout");
    basicForm->addRow(rowLabel(EnvironmentTemperRow), field(EnvironmentTemperRow));
    basicForm->addRow(rowLabel(HumidityRow), field(HumidityRow));
    auto* ruleForm = formLayout("ruleFLayout");
    ruleForm->addRow(rowLabel(EnableRow), ruleEnableSwitch());
    ruleForm->addRow(rowLabel(EmissivityRow), field(EmissivityRow));
    ruleForm->addRow(rowLabel(DistanceRow), field(DistanceRow));
    ruleForm->addRow(rowLabel(ReflexTemperRow), field(ReflexTemperRow));

    restoreDefaultButton()->setObjectName(QStringLiteral("IconTextHBtn"));
    restoreDefaultButton()->setFixedSize(kButtonSize);
    setButton()->setObjectName(QStringLiteral("BtnStyle1"));
    setButton()->setFixedSize(kButtonSize);
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    buttons->setSpacing(6);
    buttons->addWidget(restoreDefaultButton());
    buttons->addWidget(setButton());

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setObjectName(QStringLiteral("mainLayout"));
    mainLayout->setSpacing(24);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->addLayout(sectionLayout("verticalLayout", groupLabel(), basicForm));
    mainLayout->addLayout(sectionLayout("verticalLayout_2", titleLabel(), ruleForm));
    mainLayout->addLayout(buttons);
    mainLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    mainLayout->setAlignment(Qt::AlignTop);
}

void QHotImageParamSet::refreshFromPicture()
{
    refreshValues();
}

void QHotImageParamSet::clearParams()
{
    for (Row row : {EnvironmentTemperRow, HumidityRow, DistanceRow, ReflexTemperRow, EmissivityRow}) {
        // Unblocked, the humidity field would put "0" into its empty text.
        const QSignalBlocker blocker(field(row));
        field(row)->clear();
    }
    setSelectedKey(0);
    zeroValues();
}

void QHotImageParamSet::onUnitChanged()
{
    updateValueRanges();
    refreshFromPicture();
}

void QHotImageParamSet::setItemSelectSlots(quint32 key)
{
    setSelectedKey(key);
    refreshFromPicture();
}

void QHotImageParamSet::setItemDeleteSlots()
{
    setSelectedKey(0);
    refreshFromPicture();
}

bool QHotImageParamSet::readGlobalBlock(USBSDK_GlobalTemperParam* out) const
{
    const USBSDK_GlobalTemperParam* global = ThermalImageData::getInstance().getPicGlobalRuleConfig();
    if (global) *out = *global;
    return global != nullptr;
}

bool QHotImageParamSet::readRule(quint32 key, PicRuleConfig* out) const
{
    const PicRuleConfig* rule = ThermalImageData::getInstance().findPicRuleById(key);
    if (rule) *out = *rule;
    return rule != nullptr;
}

void QHotImageParamSet::storeValues()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    if (USBSDK_GlobalTemperParam* global = store.getPicGlobalRuleConfig()) {
        writeEnvironment(global);
        if (selectedItem() == 0) {
            writeTarget(global, Alarm::Carry);
        } else if (PicRuleConfig* rule = store.findPicRuleById(selectedItem())) {
            // The global emissivity, distance and reflected temperature stay.
            writeTarget(rule, Alarm::Carry);
        }
    }
    // Without a picture both refuse; the window recomputes all the same.
    store.setPicGlobalRuleConfig();
    store.setPicRuleConfigInfo();
    emit sendUpdateTemperSignals();
}
