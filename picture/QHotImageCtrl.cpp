#include "QHotImageCtrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

#include <opencv2/imgproc.hpp>

#include "AppHelpers.h"
#include "AppPaths.h"
#include "ConfigManager.h"
#include "ImageOrientation.h"
#include "QCustomLineEdit.h"
#include "QHotImageParamSet.h"
#include "QIconTextHBtn.h"
#include "QReportExportDlg.h"
#include "QSceneViewCtrl.h"
#include "QTemperRangeAdjust.h"
#include "QTemperResult.h"
#include "QTemperScaleWidget.h"
#include "QTemperShow.h"
#include "QUnitLabel.h"
#include "QUnitLineEdit.h"
#include "ReportGridInfo.h"
#include "RuleFlip.h"
#include "RuleRecordBuilder.h"
#include "TemperValueText.h"
#include "UiPrompts.h"
#include "ThermalImageData.h"
#include "camsdk.h"

namespace {

constexpr int kFormWidth = 1097;
constexpr int kFormHeight = 470;
constexpr int kToolBarHeight = 40;
constexpr int kToolButtonSide = 20;
constexpr int kIconTextBtnHeight = 30;
constexpr int kTemperShowComboWidth = 120;
constexpr int kComboTextMargin = 30;     // arrow and frame beside the widest text
constexpr int kLineEditTextMargin = 10;  // the field's frame and text margins
constexpr int kExportReportWidth = 100;
constexpr int kExportReportHeight = 32;
constexpr int kColourColumnWidth = 50;
constexpr int kColourScaleWidth = 16;
constexpr int kModuleColumnWidth = 232;
constexpr int kGridRowHeight = 25;
constexpr int kGridTemperWidth = 80;
constexpr int kGridPosMinWidth = 26;
constexpr int kSwitchBtnWidth = 109;
constexpr int kSwitchBtnHeight = 24;
constexpr int kSwitchRowHeight = 56;
constexpr int kMarkerHeight = 18;  // a marker stands this far above the slider
constexpr int kOverlayInset = 10;  // the overlay's gap to the picture's edges

constexpr int kToastSucceed = 0;  // toast icons
constexpr int kToastFail = 1;
constexpr int kToastMs = 1000;

const char* const kContext = "QHotImageCtrl";

// The first twelve bytes of the picture's isotherm block, which holds the
// palette range slider: its switch and its two ends in thousandths of a
// degree Celsius.
struct IsoThermBounds {
    int32_t enable = 0;  // non-zero: the range is on
    int32_t high = 0;
    int32_t low = 0;

    static IsoThermBounds read(const uint8_t* block)
    {
        IsoThermBounds b;
        std::memcpy(&b.enable, block, 4);
        std::memcpy(&b.high, block + 4, 4);
        std::memcpy(&b.low, block + 8, 4);
        return b;
    }
    void write(uint8_t* block) const
    {
        std::memcpy(block, &enable, 4);
        std::memcpy(block + 4, &high, 4);
        std::memcpy(block + 8, &low, 4);
    }
};

// One combo item: its text (translated in the window's context) and the
// value the rest of the program reads.
struct ComboItem {
    const char* text;
    int data;
};

const ComboItem kShowItems[] = {
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "NotShow"), 0},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "LeftTop"), 1},
};
const ComboItem kPaletteItems[] = {
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "White Hot"), 0},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Black Hot"), 1},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Rainbow"), 3},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Golden-fall"), 4},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Iron Red"), 6},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Amber"), 7},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Ice fire"), 10},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Oil-Paint"), 11},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Thermal Detection"), 20},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Aurora"), 21},
};
const ComboItem kImageTypeItems[] = {
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "ThermalImage"), 0},
};
const ComboItem kUnitItems[] = {
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Centigrade"), 0},
    {QT_TRANSLATE_NOOP("QHotImageCtrl", "Fahrenheit"), 1},
};

// The tool bar's small buttons: object name and draw kind (0: not a draw
// button of the group; the grid button works through its own slot).
struct ToolButtonSpec {
    const char* objectName;
    int drawKind;
};
const ToolButtonSpec kToolButtons[QHotImageCtrl::ToolButtonCount] = {
    {"PointBtn", 1},   {"LineBtn", 2}, {"RectBtn", 3},      {"EllipseBtn", 4},        {"CircularBtn", 5},
    {"PolygonBtn", 6}, {"GridBtn", 0}, {"RuleClearBtn", 0}, {"MaterialSaveAsBtn", 0}, {"MaterialSaveBtn", 0},
};
// The buttons that show the chosen drawing tool: the six rule kinds and grid.
constexpr int kDrawButtonCount = QHotImageCtrl::GridTool + 1;

// Written as rgb: Qt's style sheet parser warns at every use of "rgba" with
// three values.
const char* const kSelectedColour = "rgb(55, 60, 28)";
const char* const kFieldStyle = "QLineEdit{color:white}";

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

template <size_t N>
void fillCombo(QComboBox* combo, const ComboItem (&items)[N])
{
    for (const ComboItem& item : items) combo->addItem(translated(item.text), item.data);
}

// Texts by row: the rows and their data stay as they are.
template <size_t N>
void retranslateCombo(QComboBox* combo, const ComboItem (&items)[N])
{
    for (int row = 0; row < int(N) && row < combo->count(); ++row) combo->setItemText(row, translated(items[row].text));
}

QComboBox* newListComboBox(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ComboBoxStyle1"));
    combo->setView(new QListView(combo));
    return combo;
}

QLabel* newLine(QWidget* parent, Qt::Orientation orientation)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("Line1Label"));
    if (orientation == Qt::Horizontal)
        line->setFixedHeight(1);
    else
        line->setFixedWidth(1);
    return line;
}

QLabel* newGridLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label_FF_85_14"));
    label->setFixedHeight(kGridRowHeight);
    return label;
}

QCustomLineEdit* newGridPosEdit(QWidget* parent)
{
    auto* edit = new QCustomLineEdit(parent);
    edit->setFixedHeight(kGridRowHeight);
    // Room for three digits; the captions beside it keep their text.
    edit->setMinimumWidth(kGridPosMinWidth);
    edit->setAlignment(Qt::AlignCenter);
    edit->setEnabled(false);
    edit->setStyleSheet(QLatin1String(kFieldStyle));
    return edit;
}

void setupIconTextButton(QIconTextHBtn* button, const char* image)
{
    button->setFixedHeight(kIconTextBtnHeight);
    button->setObjectName(QStringLiteral("IconTextHBtn"));
    const QString icon = QStringLiteral("url(:/Resource/Skin/%1);").arg(QLatin1String(image));
    button->setIconList({icon, icon, icon, icon});
    button->setBtnState(QIconTextHBtn::NormalState);
}

QString showTemperNumber(float celsius)
{
    return TemperValueNumber(celsius, ConfigManager::getInstance().getTemperUnitCache());
}

// A point of the rule layer's screen seen through the picture's flip. The
// mirror is its own inverse: the same call maps screen to picture and back.
QPointF mirroredForFlip(QPointF p, const QSize& area, int flip)
{
    if (flip == RuleFlip::kVertical || flip == RuleFlip::kBoth) p.setY(area.height() - p.y());
    if (flip == RuleFlip::kHorizontal || flip == RuleFlip::kBoth) p.setX(area.width() - p.x());
    return p;
}

}  // namespace

QHotImageCtrl::QHotImageCtrl(QWidget* parent) : QWidget(parent)
{
    buildForm();
    setObjectName(QStringLiteral("HotImageCtrl"));
    retranslate();
    initConnect();
}

QHotImageCtrl::~QHotImageCtrl() = default;

// ---- The form ---------------------------------------------------------------

void QHotImageCtrl::buildForm()
{
    setObjectName(QStringLiteral("QHotImageCtrl"));
    resize(kFormWidth, kFormHeight);

    auto* page = new QVBoxLayout(this);
    page->setSpacing(0);
    page->setContentsMargins(0, 0, 0, 0);
    buildToolBar(page);
    page->addWidget(newLine(this, Qt::Horizontal));

    auto* body = new QHBoxLayout;
    body->setObjectName(QStringLiteral("HBoxLayout_1"));
    body->setSpacing(0);
    body->setContentsMargins(0, 0, 0, 0);
    buildPictureArea(body);
    body->addWidget(newLine(this, Qt::Vertical));
    buildModuleColumn(body);
    page->addLayout(body, 1);

    // The markers float over everything, above the slider's handles.
    lowMarker_ = new QUnitLabel(this);
    highMarker_ = new QUnitLabel(this);
    for (QUnitLabel* marker : {lowMarker_, highMarker_}) {
        marker->setObjectName(QStringLiteral("RangeMarkerLabel"));
        marker->setAttribute(Qt::WA_StyledBackground);
        marker->setFixedHeight(kMarkerHeight);
        marker->setValueAndUnit(QStringLiteral("0.0"), GetTemperUnitSymbol());
        marker->hide();
    }
}

void QHotImageCtrl::buildToolBar(QVBoxLayout* page)
{
    ctrlLayout_ = new QHBoxLayout;
    ctrlLayout_->setObjectName(QStringLiteral("ctrlHorizontalLayout"));
    ctrlLayout_->setSpacing(6);
    ctrlLayout_->setContentsMargins(6, 0, 6, 0);
    page->addLayout(ctrlLayout_);

    ctrlFrame_ = new QFrame(this);
    ctrlFrame_->setObjectName(QStringLiteral("ctrlFrame"));
    ctrlFrame_->setFrameShape(QFrame::StyledPanel);
    ctrlFrame_->setFrameShadow(QFrame::Raised);
    ctrlFrame_->setFixedHeight(kToolBarHeight);
    ctrlFrame_->setEnabled(false);
    ctrlLayout_->addWidget(ctrlFrame_);

    importBtn_ = new QIconTextHBtn(this);
    setupIconTextButton(importBtn_, "TEMPIcon_Import.png");
    exportBtn_ = new QIconTextHBtn(this);
    setupIconTextButton(exportBtn_, "TEMPIcon_Export.png");
    exportBtn_->hide();
    ctrlLayout_->insertWidget(0, importBtn_);
    ctrlLayout_->insertWidget(1, exportBtn_);

    auto* bar = new QHBoxLayout(ctrlFrame_);
    bar->setObjectName(QStringLiteral("horizontalLayout_3"));
    bar->setSpacing(6);
    bar->setContentsMargins(6, 0, 6, 0);
    drawGroup_ = new QButtonGroup(this);
    for (int i = 0; i < ToolButtonCount; ++i) {
        auto* button = new QPushButton(ctrlFrame_);
        button->setObjectName(QLatin1String(kToolButtons[i].objectName));
        button->setFixedSize(kToolButtonSide, kToolButtonSide);
        bar->addWidget(button);
        toolBtns_[i] = button;
        if (kToolButtons[i].drawKind != 0) drawGroup_->addButton(button, kToolButtons[i].drawKind);
    }
    toolBtns_[MaterialSaveAsTool]->hide();
    bar->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    temperUnitComboBox_ = newListComboBox(ctrlFrame_);
    fillCombo(temperUnitComboBox_, kUnitItems);
    temperUnitComboBox_->setCurrentIndex(
        comboIndexByData(temperUnitComboBox_, ConfigManager::getInstance().getTemperUnitCache()));
    bar->addWidget(temperUnitComboBox_);

    showComboBox_ = newListComboBox(ctrlFrame_);
    fillCombo(showComboBox_, kShowItems);
    showComboBox_->setCurrentIndex(1);
    bar->addWidget(showComboBox_);

    buildTemperShowComboBox();
    bar->addWidget(temperShowComboBox_);

    falseColorComboBox_ = newListComboBox(ctrlFrame_);
    fillCombo(falseColorComboBox_, kPaletteItems);
    bar->addWidget(falseColorComboBox_);

    imageTypeComboBox_ = newListComboBox(ctrlFrame_);
    fillCombo(imageTypeComboBox_, kImageTypeItems);
    imageTypeComboBox_->hide();
    bar->addWidget(imageTypeComboBox_);

    exportReportBtn_ = new QPushButton(ctrlFrame_);
    exportReportBtn_->setObjectName(QStringLiteral("BtnStyle1"));
    exportReportBtn_->setFixedSize(kExportReportWidth, kExportReportHeight);
    bar->addWidget(exportReportBtn_);
}

// A list of three check boxes as the combo's model and view; the combo's
// field is a read-only line edit that always reads "TemperShow" and opens
// the list when pressed.
void QHotImageCtrl::buildTemperShowComboBox()
{
    temperShowComboBox_ = new QComboBox(ctrlFrame_);
    temperShowComboBox_->setObjectName(QStringLiteral("ComboBoxStyle1"));
    temperShowComboBox_->setFixedWidth(kTemperShowComboWidth);
    temperShowList_ = new QListWidget(temperShowComboBox_);
    maxChkBox_ = new QCheckBox(temperShowList_);
    minChkBox_ = new QCheckBox(temperShowList_);
    avgChkBox_ = new QCheckBox(temperShowList_);
    for (QCheckBox* box : {maxChkBox_, minChkBox_, avgChkBox_}) {
        box->setObjectName(QStringLiteral("ChkComboBox"));
        box->setChecked(true);
        auto* item = new QListWidgetItem(temperShowList_);
        temperShowList_->setItemWidget(item, box);
    }
    temperShowComboBox_->setModel(temperShowList_->model());
    temperShowComboBox_->setView(temperShowList_);

    temperShowLineEdit_ = new QLineEdit(temperShowComboBox_);
    temperShowLineEdit_->setObjectName(QStringLiteral("TemperShowLineEdit"));
    temperShowLineEdit_->setReadOnly(true);
    temperShowComboBox_->setLineEdit(temperShowLineEdit_);
    temperShowLineEdit_->setText(tr("TemperShow"));
    temperShowLineEdit_->installEventFilter(this);
}

void QHotImageCtrl::buildPictureArea(QHBoxLayout* body)
{
    auto* column = new QVBoxLayout;
    column->setObjectName(QStringLiteral("VBoxLayout_1"));
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    body->addLayout(column, 1);

    centerWidget_ = new QWidget(this);
    centerWidget_->setObjectName(QStringLiteral("CenterWidget"));
    centerWidget_->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(centerWidget_);
    row->setObjectName(QStringLiteral("HBoxLayout_2"));
    row->setSpacing(6);
    row->setContentsMargins(14, 14, 10, 14);
    pictureLabel_ = new QLabel(centerWidget_);
    pictureLabel_->setObjectName(QStringLiteral("PictureLabel"));
    pictureLabel_->setMinimumSize(1, 1);
    pictureLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // Centred as the rule layer over it is.
    pictureLabel_->setAlignment(Qt::AlignCenter);
    row->addWidget(pictureLabel_, 1);

    temperScaleWidget_ = new QWidget(centerWidget_);
    temperScaleWidget_->setObjectName(QStringLiteral("temperScaleWidget"));
    temperScaleWidget_->setFixedWidth(kColourColumnWidth);
    auto* scale = new QVBoxLayout(temperScaleWidget_);
    scale->setObjectName(QStringLiteral("VBoxLayout_2"));
    scale->setContentsMargins(0, 0, 0, 0);
    colorBarHighLabel_ = new QUnitLabel(temperScaleWidget_);
    colorScale_ = new QTemperScaleWidget(temperScaleWidget_);
    colorScale_->setFixedWidth(kColourScaleWidth);
    colorBarLowLabel_ = new QUnitLabel(temperScaleWidget_);
    scale->addWidget(colorBarHighLabel_, 0, Qt::AlignHCenter);
    scale->addWidget(colorScale_, 1, Qt::AlignHCenter);
    scale->addWidget(colorBarLowLabel_, 0, Qt::AlignHCenter);
    for (QUnitLabel* end : {colorBarHighLabel_, colorBarLowLabel_}) {
        end->setObjectName(QStringLiteral("ColorBarLabel"));
        end->setFontPx(12);
    }
    setColorBarVisible(false);
    row->addWidget(temperScaleWidget_);

    // Laid over the picture label by resizeImageView, not by the layout.
    sceneView_ = new QSceneViewCtrl(centerWidget_);
    sceneView_->hide();
    temperShow_ = new QTemperShow(centerWidget_);
    temperShow_->setRuleLookup(sceneView_);
    temperShow_->hide();
    column->addWidget(centerWidget_, 1);

    rangeAdjust_ = new QTemperRangeAdjust(this);
    rangeAdjust_->setOwner(this);
    rangeAdjust_->hide();
    column->addWidget(rangeAdjust_);
}

void QHotImageCtrl::buildModuleColumn(QHBoxLayout* body)
{
    moduleWidget_ = new QWidget(this);
    moduleWidget_->setObjectName(QStringLiteral("moduleWidget"));
    moduleWidget_->setFixedWidth(kModuleColumnWidth);
    body->addWidget(moduleWidget_);
    auto* column = new QVBoxLayout(moduleWidget_);
    column->setObjectName(QStringLiteral("verticalLayout_2"));
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);

    auto* grid = new QVBoxLayout;
    grid->setObjectName(QStringLiteral("verticalLayout_4"));
    grid->setSpacing(6);
    grid->setContentsMargins(6, 6, 6, 0);
    column->addLayout(grid);
    gridInfoLabel_ = newGridLabel(moduleWidget_);
    grid->addWidget(gridInfoLabel_);

    auto* position = new QHBoxLayout;
    position->setObjectName(QStringLiteral("horizontalLayout_4"));
    position->setContentsMargins(6, 6, 6, 6);
    gridXPosLabel_ = newGridLabel(moduleWidget_);
    gridXEdit_ = newGridPosEdit(moduleWidget_);
    gridYPosLabel_ = newGridLabel(moduleWidget_);
    // The captions keep their text; the edits take what is left.
    for (QLabel* caption : {gridXPosLabel_, gridYPosLabel_})
        caption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    gridYEdit_ = newGridPosEdit(moduleWidget_);
    drawPointBtn_ = new QPushButton(moduleWidget_);
    drawPointBtn_->setObjectName(QStringLiteral("DrawPointBtn"));
    drawPointBtn_->setFixedSize(kToolButtonSide, kToolButtonSide);
    drawPointBtn_->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(gridXPosLabel_), static_cast<QWidget*>(gridXEdit_),
                       static_cast<QWidget*>(gridYPosLabel_), static_cast<QWidget*>(gridYEdit_),
                       static_cast<QWidget*>(drawPointBtn_)})
        position->addWidget(w);
    grid->addLayout(position);

    auto* temper = new QHBoxLayout;
    temper->setObjectName(QStringLiteral("horizontalLayout_2"));
    temper->setContentsMargins(6, 6, 6, 6);
    gridTemperLabel_ = newGridLabel(moduleWidget_);
    gridTemperEdit_ = new QUnitLineEdit(moduleWidget_);
    gridTemperEdit_->setFixedSize(kGridTemperWidth, kGridRowHeight);
    gridTemperEdit_->setUnitText(GetTemperUnitSymbol());
    gridTemperEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^-?\\d+(\\.\\d{1})?$")), gridTemperEdit_));
    gridTemperEdit_->setEnabled(false);
    gridTemperEdit_->setStyleSheet(QLatin1String(kFieldStyle));
    temper->addWidget(gridTemperLabel_);
    temper->addWidget(gridTemperEdit_);
    temper->addStretch(1);
    grid->addLayout(temper);

    column->addWidget(newLine(moduleWidget_, Qt::Horizontal));

    auto* switchRow = new QWidget(moduleWidget_);
    switchRow->setObjectName(QStringLiteral("moduleSwitchBtnWidget"));
    switchRow->setFixedHeight(kSwitchRowHeight);
    auto* switches = new QHBoxLayout(switchRow);
    temperResultBtn_ = new QPushButton(switchRow);
    temperResultBtn_->setObjectName(QStringLiteral("TemperResultBtn"));
    temperResultBtn_->setFixedSize(kSwitchBtnWidth, kSwitchBtnHeight);
    temperResultBtn_->setEnabled(false);
    paramSetBtn_ = new QPushButton(switchRow);
    paramSetBtn_->setObjectName(QStringLiteral("ParamSetBtn"));
    paramSetBtn_->setFixedSize(kSwitchBtnWidth, kSwitchBtnHeight);
    imageInfoBtn_ = new QPushButton(switchRow);
    imageInfoBtn_->setObjectName(QStringLiteral("ImageInfoBtn"));
    imageInfoBtn_->setFixedHeight(kSwitchBtnHeight);
    imageInfoBtn_->hide();
    switches->addWidget(temperResultBtn_);
    switches->addWidget(paramSetBtn_);
    switches->addWidget(imageInfoBtn_);
    column->addWidget(switchRow);

    resultTable_ = new QTemperResult(moduleWidget_);
    resultTable_->setRuleLookup(sceneView_);
    paramSet_ = new QHotImageParamSet(moduleWidget_);
    paramSet_->hide();
    column->addWidget(resultTable_, 1);
    column->addWidget(paramSet_, 1);
}

void QHotImageCtrl::initConnect()
{
    connect(drawGroup_, &QButtonGroup::idClicked, this, &QHotImageCtrl::setTempRuleDrawBtnClickedSlots);
    connect(toolBtns_[RuleClearTool], &QPushButton::clicked, this, &QHotImageCtrl::setRuleClearBtnSlots);
    connect(toolBtns_[MaterialSaveTool], &QPushButton::clicked, this, &QHotImageCtrl::setMaterialSaveSlots);
    connect(falseColorComboBox_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QHotImageCtrl::setFalseColCurIndexChangedSlots);
    connect(imageTypeComboBox_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QHotImageCtrl::setImageTypeCurIndexChangedSlots);
    connect(sceneView_, &QSceneViewCtrl::sendAddItemSignals, this, &QHotImageCtrl::setAddItemSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemChangeSignals, this, &QHotImageCtrl::setItemChangeSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemDeleteSignals, resultTable_, &QTemperResult::setItemDeleteSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemDeleteSignals, temperShow_, &QTemperShow::setItemDeleteSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemDeleteSignals, paramSet_, &QHotImageParamSet::setItemDeleteSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemSelectSignals, resultTable_, &QTemperResult::setItemSelectSlots);
    connect(sceneView_, &QSceneViewCtrl::sendItemSelectSignals, paramSet_, &QHotImageParamSet::setItemSelectSlots);
    connect(sceneView_, &QSceneViewCtrl::sendMouseTransparentSignals, temperShow_,
            &QTemperShow::setMouseTransparentSlots);
    connect(sceneView_, &QSceneViewCtrl::sendRuleDrawCompleteSignals, this, &QHotImageCtrl::setRuleDrawCompleteSlots);
    connect(showComboBox_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QHotImageCtrl::setTemperShowMethodIndexChangedSlots);
    connect(maxChkBox_, &QCheckBox::stateChanged, this, &QHotImageCtrl::setMaxTemperChkBoxSlots);
    connect(minChkBox_, &QCheckBox::stateChanged, this, &QHotImageCtrl::setMinTemperChkBoxSlots);
    connect(avgChkBox_, &QCheckBox::stateChanged, this, &QHotImageCtrl::setAveTemperChkBoxSlots);
    connect(temperShowLineEdit_, &QLineEdit::textChanged, this, &QHotImageCtrl::setTemperShowTextChangedSlots);
    connect(exportReportBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setReportExportSlots);
    connect(paramSet_, &QHotImageParamSet::sendUpdateTemperSignals, this, &QHotImageCtrl::setUpdateTemperSlots);
    connect(temperResultBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setTemperResultDlgShowSlots);
    connect(paramSetBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setParamSetDlgShowSlots);
    connect(imageInfoBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setImageInfoDlgShowSlots);
    connect(importBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setHotImageFileImportSlots);
    connect(exportBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setHotImageFileExportSlots);
    connect(temperUnitComboBox_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QHotImageCtrl::onTemperUnitComboxSelectSlot);
    connect(toolBtns_[GridTool], &QPushButton::clicked, this, &QHotImageCtrl::setGridBtnSlot);
    connect(sceneView_, &QSceneViewCtrl::sendCalGridTemperSignal, this, &QHotImageCtrl::setCalGridTemperSlot);
    connect(gridXEdit_, &QLineEdit::textEdited, this, &QHotImageCtrl::setGridXPosChangedSlot);
    connect(gridYEdit_, &QLineEdit::textEdited, this, &QHotImageCtrl::setGridYPosChangedSlot);
    connect(this, &QHotImageCtrl::sendGridPosChangedSignal, sceneView_, &QSceneViewCtrl::setGridPosChangedSlot);
    connect(sceneView_, &QSceneViewCtrl::sendQuitGridModeSignal, this, &QHotImageCtrl::setQuitGridModeSlot);
    connect(drawPointBtn_, &QPushButton::clicked, this, &QHotImageCtrl::setDrawGridPointSlot);
    connect(this, &QHotImageCtrl::sendDrawGridPointSignal, sceneView_, &QSceneViewCtrl::setGridDrawPointActSlot);
    connect(this, &QHotImageCtrl::sendMouseTransparentSignals, temperShow_, &QTemperShow::setMouseTransparentSlots);
    connect(resultTable_, &QTemperResult::sendSelectedItemSignal, sceneView_, &QSceneViewCtrl::setSelectedItemSlot);
}

void QHotImageCtrl::retranslate()
{
    setWindowTitle(tr("QHotImageCtrl"));
    importBtn_->setText(tr("MapImport"));
    exportBtn_->setText(tr("MapExport"));
    retranslateCombo(showComboBox_, kShowItems);
    maxChkBox_->setText(tr("Max Temp"));
    minChkBox_->setText(tr("Min Temp"));
    avgChkBox_->setText(tr("AVG Temp"));
    const QString temperShow = tr("TemperShow");
    temperShowLineEdit_->setText(temperShow);
    temperShowLineEdit_->setFixedWidth(QFontMetrics(temperShowLineEdit_->font()).horizontalAdvance(temperShow) +
                                       kLineEditTextMargin);
    retranslateCombo(falseColorComboBox_, kPaletteItems);
    retranslateCombo(imageTypeComboBox_, kImageTypeItems);
    exportReportBtn_->setText(tr("ExportReport"));
    gridInfoLabel_->setText(tr("Grid thermal info"));
    gridXPosLabel_->setText(tr("X position"));
    gridYPosLabel_->setText(tr("Y position"));
    gridTemperLabel_->setText(tr("Temperature"));
    drawPointBtn_->setToolTip(tr("Set the positioning point as a point rule"));
    retranslateCombo(temperUnitComboBox_, kUnitItems);
    fitComboWidth(showComboBox_);
    fitComboWidth(falseColorComboBox_);
}

// ---- Small helpers ------------------------------------------------------------

int QHotImageCtrl::comboIndexByData(const QComboBox* combo, int value)
{
    if (!combo) return 0;
    for (int row = 0; row < combo->count(); ++row)
        if (combo->itemData(row).toInt() == value) return row;
    return 0;
}

void QHotImageCtrl::fitComboWidth(QComboBox* combo)
{
    // Measured in the font the style sheet gives the combo.
    combo->ensurePolished();
    const QFontMetrics metrics(combo->font());
    int widest = 0;
    for (int row = 0; row < combo->count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(row)));
    combo->setFixedWidth(widest + kComboTextMargin);
}

void QHotImageCtrl::setDrawBtnCheckedStyle(int kind)
{
    const QString plain = QStringLiteral("QPushButton{background-color:") + QStringLiteral("transparent") +
                          QStringLiteral(";}") + QStringLiteral("QPushButton:hover{background-color:") +
                          QLatin1String(kSelectedColour) + QStringLiteral(";}");
    for (int i = 0; i < kDrawButtonCount; ++i) toolBtns_[i]->setStyleSheet(plain);
    QAbstractButton* chosen = nullptr;
    if (kind >= 1 && kind <= 6)
        chosen = drawGroup_->button(kind);
    else if (kind == kGridKind)
        chosen = toolBtns_[GridTool];
    if (chosen)
        chosen->setStyleSheet(QStringLiteral("QPushButton{background-color:") + QLatin1String(kSelectedColour) +
                              QStringLiteral(";}"));
}

void QHotImageCtrl::setPictureSize(const QSize& size)
{
    picWidth_ = size.width();
    picHeight_ = size.height();
    gridXEdit_->setIntRange(std::max(0, picWidth_ - 1));
    gridYEdit_->setIntRange(std::max(0, picHeight_ - 1));
    gridXEdit_->setToolTip(QStringLiteral("0 -") + QString::number(picWidth_ - 1));
    gridYEdit_->setToolTip(QStringLiteral("0 -") + QString::number(picHeight_ - 1));
}

void QHotImageCtrl::setPictureControlsEnabled(bool enabled)
{
    ctrlFrame_->setEnabled(enabled);
    gridXEdit_->setEnabled(enabled);
    gridYEdit_->setEnabled(enabled);
    drawPointBtn_->setEnabled(enabled);
}

RuleShowFlags QHotImageCtrl::showFlags() const
{
    RuleShowFlags flags;
    flags.showMax = maxChkBox_->isChecked();
    flags.showMin = minChkBox_->isChecked();
    flags.showAvg = avgChkBox_->isChecked();
    return flags;
}

void QHotImageCtrl::applyShowFlags()
{
    const RuleShowFlags flags = showFlags();
    resultTable_->setShowFlags(flags);
    temperShow_->setShowFlags(flags);
}

// ---- Colour bar and range markers ------------------------------------------------

void QHotImageCtrl::setColorBarRange(float low, float high)
{
    rangeLow_ = low;
    rangeHigh_ = high;
    const QString unit = GetTemperUnitSymbol();
    const QString lowText = showTemperNumber(low);
    const QString highText = showTemperNumber(high);
    for (QUnitLabel* label : {lowMarker_, colorBarLowLabel_}) label->setValueAndUnit(lowText, unit);
    for (QUnitLabel* label : {highMarker_, colorBarHighLabel_}) label->setValueAndUnit(highText, unit);
    for (QUnitLabel* label : {lowMarker_, highMarker_}) label->adjustSize();
}

void QHotImageCtrl::setColorBarVisible(bool visible)
{
    colorScale_->setVisible(visible);
    colorBarHighLabel_->setVisible(visible);
    colorBarLowLabel_->setVisible(visible);
}

void QHotImageCtrl::moveMarker(QUnitLabel* marker, int x)
{
    const QPoint at = rangeAdjust_->mapTo(this, QPoint(x, 0));
    marker->move(at.x(), at.y() - kMarkerHeight);
    marker->raise();
}

void QHotImageCtrl::moveLowMarker(int x)
{
    moveMarker(lowMarker_, x);
}

void QHotImageCtrl::moveHighMarker(int x)
{
    moveMarker(highMarker_, x);
}

void QHotImageCtrl::setLowMarkerVisible(bool visible)
{
    lowMarker_->setVisible(visible);
    if (visible) lowMarker_->raise();
}

void QHotImageCtrl::setHighMarkerVisible(bool visible)
{
    highMarker_->setVisible(visible);
    if (visible) highMarker_->raise();
}

// ---- The picture: opened, rendered, fitted and saved ------------------------------

bool QHotImageCtrl::loadHotImage(const QString& path)
{
    setMemoryFreeSlots();
    ThermalImageData& store = ThermalImageData::getInstance();
    if (store.readPicFile(path) != 0) return false;
    // The picture's parts, in the order each needs the ones before it.
    using Step = int (ThermalImageData::*)();
    static constexpr Step kSteps[] = {
        &ThermalImageData::getPicHeaderInfo,     &ThermalImageData::getThermalGraph,
        &ThermalImageData::getPixelsTemperature, &ThermalImageData::updateHotColdTemper,
        &ThermalImageData::calcPaletteRange,     &ThermalImageData::readPicGlobalRuleConfig,
        &ThermalImageData::readPicRuleConfigInfo, &ThermalImageData::readIsoThermParam,
    };
    for (const Step step : kSteps)
        if ((store.*step)() != 0) return false;

    QSize size;
    store.getPicSize(size);
    setPictureSize(size);
    setPictureControlsEnabled(true);
    applySavedRange();

    // The picture's palette and image type; nothing renders until the end.
    const QSignalBlocker paletteBlocker(falseColorComboBox_);
    const QSignalBlocker typeBlocker(imageTypeComboBox_);
    int32_t value = -1;
    store.getColorType(&value);
    falseColorComboBox_->setCurrentIndex(comboIndexByData(falseColorComboBox_, value));
    value = -1;
    store.getChannel(&value);
    imageTypeComboBox_->setCurrentIndex(comboIndexByData(imageTypeComboBox_, value));
    setColorBarVisible(true);
    updateColorBar();

    // The whole picture's row and block first, then one per stored rule.
    const RuleShowFlags flags = showFlags();
    temperShow_->setShowFlags(flags);
    resultTable_->setShowFlags(flags);
    resultTable_->addPictureResult(flags);
    temperShow_->addPictureResult(flags);

    // The rule items are laid out at the size the picture will be shown.
    flip_ = store.getFlipDirection();
    sceneView_->setFlipDirection(flip_);
    const QRect shown = fittedPictureRect(size);
    if (!shown.isEmpty()) sceneView_->setGeometry(shown);
    sceneView_->loadRuleItems();
    paramSet_->refreshFromPicture();
    setImageTypeCurIndexChangedSlots();
    return true;
}

void QHotImageCtrl::applySavedRange()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    const float lowest = store.getMinTemper();
    const float highest = store.getMaxTemper();
    int32_t edited = 0;
    store.getSetParamsState(&edited, 0);
    bool on = true;
    float low = lowest;
    float high = highest;
    if (edited != 0) {
        const IsoThermBounds saved = IsoThermBounds::read(store.getIsoThermParam());
        on = saved.enable != 0;
        // A file may hold any bounds: they are kept inside the picture's
        // range and in order.
        low = std::clamp(RoundToOneDecimal(float(saved.low) / 1000.0f), lowest, highest);
        high = std::clamp(RoundToOneDecimal(float(saved.high) / 1000.0f), lowest, highest);
        if (low > high) std::swap(low, high);
    }
    if (on)
        setColorBarRange(low, high);
    else
        setColorBarRange(lowest, highest);
    rangeAdjust_->show();
    rangeAdjust_->setHandlesShown(on);
    rangeAdjust_->setSwitchOn(on);
    rangeAdjust_->setLimits(lowest, highest);
    rangeAdjust_->setValues(low, high);
}

void QHotImageCtrl::setMemoryFreeSlots()
{
    ThermalImageData::getInstance().freePic();
    setPictureControlsEnabled(false);
    gridMode_ = false;
    setDrawBtnCheckedStyle(0);
    sceneView_->clearAllItems();
    sceneView_->setDrawType(0);
    sceneView_->hide();
    pictureLabel_->clear();
    rangeAdjust_->hide();
    rangeAdjust_->reset();
    setLowMarkerVisible(false);
    setHighMarkerVisible(false);
    setColorBarVisible(false);
    temperShow_->hide();
    temperShow_->clearResults();
    paramSet_->clearParams();
    resultTable_->clearResults();
    renderedPath_.clear();
    flip_ = 0;
}

void QHotImageCtrl::updateHotImage(float low, float high)
{
    ThermalImageData& store = ThermalImageData::getInstance();
    const QString path = AppPaths::get().tmpBmp();
    renderedPath_ = path;
    const int lowIndex = store.temperToPaletteIndex(low);
    int highIndex = store.temperToPaletteIndex(high);
    // A range inside one palette step still spreads over the palette.
    if (highIndex == lowIndex) ++highIndex;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (store.saveImageBmp(path, falseColorComboBox_->currentData().toInt(), imageTypeComboBox_->currentData().toInt(),
                           lowIndex, highIndex) == 0)
        resizeImageView();
}

QRect QHotImageCtrl::fittedPictureRect(const QSize& picture) const
{
    const int labelW = pictureLabel_->width();
    const int labelH = pictureLabel_->height();
    int w = 0;
    int h = 0;
    FitSizeKeepRatio(picture.width(), picture.height(), labelW, labelH, w, h);
    if (w <= 0 || h <= 0) return QRect();
    const QPoint topLeft = pictureLabel_->mapToParent(QPoint(0, 0)) + QPoint((labelW - w) / 2, (labelH - h) / 2);
    return QRect(topLeft, QSize(w, h));
}

void QHotImageCtrl::resizeImageView()
{
    if (renderedPath_.isEmpty()) return;
    // The rendering the store keeps of the picture written to the file; the
    // file itself only when there is none. A slider drag renders at every
    // move, and decoding the bitmap again cost more than rendering it.
    QImage picture = ThermalImageData::getInstance().renderedImage();
    if (picture.isNull()) picture = QImage(renderedPath_);
    if (picture.isNull()) return;
    const QRect shown = fittedPictureRect(picture.size());
    if (shown.isEmpty()) return;
    sceneView_->setGeometry(shown);
    temperShow_->move(shown.topLeft() + QPoint(kOverlayInset, kOverlayInset));
    temperShow_->setFixedHeight(shown.height() - 2 * kOverlayInset);
    // Raw frames are in the sensor's orientation; the picture is shown with
    // the flip the rule layer shows its rules with.
    pictureLabel_->setPixmap(QPixmap::fromImage(ImageOrientation::apply(scaledToShow(picture, shown.size()), flip_)));
}

QImage QHotImageCtrl::scaledToShow(const QImage& picture, const QSize& size)
{
    if (picture.format() != QImage::Format_BGR888 && picture.format() != QImage::Format_RGB888)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Scaled into a buffer kept between renderings, averaging the pixels
    // each shown pixel covers when shrinking.
    if (shownImage_.size() != size || shownImage_.format() != picture.format())
        shownImage_ = QImage(size, picture.format());
    const cv::Mat from(picture.height(), picture.width(), CV_8UC3, const_cast<uchar*>(picture.constBits()),
                       size_t(picture.bytesPerLine()));
    cv::Mat to(size.height(), size.width(), CV_8UC3, shownImage_.bits(), size_t(shownImage_.bytesPerLine()));
    const bool shrinking = size.width() <= picture.width() && size.height() <= picture.height();
    cv::resize(from, to, to.size(), 0, 0, shrinking ? cv::INTER_AREA : cv::INTER_LINEAR);
    return shownImage_;
}

void QHotImageCtrl::updateColorBar()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    const int low = store.getPaletteIndexLow();
    const int high = store.getPaletteIndexHigh();
    const uint8_t* strip = nullptr;
    int length = 0;
    if (store.getPaletteBmp(falseColorComboBox_->currentData().toInt(), low, high, low, high, 0, &strip, &length) ==
            0 &&
        length > 0)
        colorScale_->setPicFromData(strip, length);
}

bool QHotImageCtrl::grabPictureView(const QString& path)
{
    if (renderedPath_.isEmpty() || sceneView_->isHidden() || sceneView_->width() < 1 || sceneView_->height() < 1)
        return false;
    const QPixmap picture = grab(QRect(sceneView_->mapTo(this, QPoint(0, 0)), sceneView_->size()));
    return !picture.isNull() && picture.save(path);
}

void QHotImageCtrl::setFalseColCurIndexChangedSlots()
{
    updateHotImage(rangeLow_, rangeHigh_);
    updateColorBar();
}

void QHotImageCtrl::setImageTypeCurIndexChangedSlots()
{
    sceneView_->hide();
    temperShow_->hide();
    setColorBarVisible(false);
    rangeAdjust_->hide();
    if (imageTypeComboBox_->currentData().toInt() == 0) {
        sceneView_->show();
        setTemperShowMethodIndexChangedSlots();
        setColorBarVisible(true);
        rangeAdjust_->show();
    }
    updateHotImage(rangeLow_, rangeHigh_);
}

void QHotImageCtrl::setMaterialSaveSlots()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    UiPrompts& prompts = UiPrompts::instance();
    int32_t edited = 1;
    // Parameters, rules and the edited mark go to the library first; the
    // file's information block is then written in place and its picture
    // replaced.
    const bool handed = store.setColorType(falseColorComboBox_->currentData().toInt()) == 0 &&
                        store.setChannel(imageTypeComboBox_->currentData().toInt()) == 0 &&
                        store.setPicRuleConfigInfo() == 0 && store.setPicGlobalRuleConfig() == 0 &&
                        store.getSetParamsState(&edited, 1) == 0;
    if (!handed) {
        prompts.toast(tr("Save failed"), kToastFail, kToastMs);
        return;
    }
    float low = 0.0f;
    float high = 0.0f;
    rangeAdjust_->getValues(&low, &high);
    IsoThermBounds bounds;
    bounds.enable = rangeAdjust_->isSwitchOn() ? 1 : 0;
    bounds.low = int32_t(low * 1000.0f);
    bounds.high = int32_t(high * 1000.0f);
    bounds.write(store.getIsoThermParam());
    if (store.setIsoThermParam() != 0 || store.savePicViewInfo() != 0 || store.savePicAsImage() != 0) {
        prompts.toast(tr("Save failed"), kToastFail, kToastMs);
        return;
    }
    prompts.toast(tr("Save succeed"), kToastSucceed, kToastMs);
}

void QHotImageCtrl::setReportExportSlots()
{
    QVector<RuleTemperResult> rows;
    resultTable_->getResults(rows);
    const ReportGridInfo grid{gridMode_, gridTemper_, gridXEdit_->text().toInt(nullptr, 10),
                              gridYEdit_->text().toInt(nullptr, 10)};
    QReportExportDlg dlg(this);
    dlg.setResults(rows);
    dlg.setGridInfo(grid);
    dlg.exec();
}

bool QHotImageCtrl::openPictureFile(const QString& path)
{
    if (loadHotImage(path)) return true;
    UiPrompts::instance().notice(this, tr("Import heat map failed"));
    setLowMarkerVisible(false);
    setHighMarkerVisible(false);
    return false;
}

void QHotImageCtrl::setHotImageFileImportSlots()
{
    const QString file =
        UiPrompts::instance().pickOpenFile(this, QString(), AppPaths::get().appDir(), tr("File(*.jpg *.png *.bmp)"));
    if (file.isEmpty()) return;
    openPictureFile(file);
}

void QHotImageCtrl::setHotImageFileExportSlots()
{
    if (USBSDK_Connect() == 0) {
        UiPrompts::instance().notice(this, tr("Device is not connect."));
        return;
    }
    if (USBSDK_GetShutterStatus() != 0) {
        UiPrompts::instance().notice(this, tr("Shutter is acting."));
        return;
    }
    emit sendHeatMapExportSignal();
}

void QHotImageCtrl::setHeatMapExportRetSlot(QString strHeapMapDir)
{
    if (strHeapMapDir.isEmpty()) return;
    if (openPictureFile(strHeapMapDir)) UiPrompts::instance().notice(this, tr("Export heat map success"));
}

void QHotImageCtrl::onTemperUnitComboxSelectSlot(int nUnitVal)
{
    ConfigManager::getInstance().setTemperUnitCache(nUnitVal);
    paramSet_->onUnitChanged();
    applyShowFlags();
    setColorBarRange(rangeLow_, rangeHigh_);
    const ThermalImageData& store = ThermalImageData::getInstance();
    rangeAdjust_->setLimits(store.getMinTemper(), store.getMaxTemper());
    gridTemperEdit_->setText(showTemperNumber(gridTemper_));
    gridTemperEdit_->setUnitText(GetTemperUnitSymbol());
}

// ---- Panels and show flags ------------------------------------------------------------

void QHotImageCtrl::setTemperResultDlgShowSlots()
{
    if (!resultTable_ || !paramSet_) return;
    temperResultBtn_->setEnabled(false);
    paramSetBtn_->setEnabled(true);
    imageInfoBtn_->setEnabled(true);
    resultTable_->show();
    paramSet_->hide();
}

void QHotImageCtrl::setParamSetDlgShowSlots()
{
    if (!resultTable_ || !paramSet_) return;
    temperResultBtn_->setEnabled(true);
    paramSetBtn_->setEnabled(false);
    imageInfoBtn_->setEnabled(true);
    resultTable_->hide();
    paramSet_->show();
}

void QHotImageCtrl::setImageInfoDlgShowSlots() {}

void QHotImageCtrl::setTemperShowMethodIndexChangedSlots()
{
    const int where = showComboBox_->currentData().toInt();
    if (where == 0)
        temperShow_->hide();
    else if (where == 1 && imageTypeComboBox_->currentData().toInt() == 0)
        temperShow_->show();
}

void QHotImageCtrl::setMaxTemperChkBoxSlots()
{
    applyShowFlags();
}

void QHotImageCtrl::setMinTemperChkBoxSlots()
{
    applyShowFlags();
}

void QHotImageCtrl::setAveTemperChkBoxSlots()
{
    applyShowFlags();
}

void QHotImageCtrl::setTemperShowTextChangedSlots(const QString& qStrText)
{
    Q_UNUSED(qStrText);
    // The popup's rows have no text of their own; choosing one would empty
    // the field.
    temperShowLineEdit_->setText(tr("TemperShow"));
}

// ---- Rule tools and rule temperatures -------------------------------------------------

bool QHotImageCtrl::ruleResult(const PicRuleConfig& rule, const QString& title, RuleTemperResult* out) const
{
    RuleRegionParam query{};
    query.ruleID = rule.ruleId;
    query.pointNum = std::clamp(rule.pointNum, 0, RuleRecordBuilder::kMaxPoints);
    query.meterType = rule.meterType;
    query.param = rule.param;
    query.bLocalEnable = rule.bLocalEnable;
    std::copy_n(rule.points, query.pointNum, query.points);
    query.radiance = rule.emissivity;
    query.thermoDistance = rule.distance;
    query.refectTemp = rule.reflectedTemp;
    HM_RuleTemper result{};
    if (ThermalImageData::getInstance().getRuleRegionTemper(&query, &result) != 0) return false;

    const RuleShowFlags flags = showFlags();
    // A point rule has one value, shown as its average.
    const bool area = rule.meterType != PicRuleRecord::kTypePoint;
    out->title = title;
    out->avg = result.average;
    out->max = result.maximum;
    out->min = result.minimum;
    out->showAvg = flags.showAvg;
    out->showMax = area && flags.showMax;
    out->showMin = area && flags.showMin;
    return true;
}

void QHotImageCtrl::setTempRuleDrawBtnClickedSlots(int iDrawType)
{
    const PicRuleList* rules = ThermalImageData::getInstance().getPicRuleList();
    if (rules && rules->size() >= kMaxRules) {
        UiPrompts::instance().notice(this, tr("Can not add more rules"));
        return;
    }
    sceneView_->setDrawType(iDrawType);
    setDrawBtnCheckedStyle(iDrawType);
    gridMode_ = false;
}

void QHotImageCtrl::setRuleDrawCompleteSlots(bool bOk)
{
    setDrawBtnCheckedStyle(0);
    if (!bOk) UiPrompts::instance().notice(this, tr("The drawing area is too small"));
}

void QHotImageCtrl::setRuleClearBtnSlots()
{
    sceneView_->clearAllItems();
}

void QHotImageCtrl::setAddItemSlots(quint32 key)
{
    if (key == 0) return;
    const PicRuleConfig* rule = ThermalImageData::getInstance().findPicRuleById(key);
    if (!rule) return;
    RuleTemperResult result;
    if (!ruleResult(*rule, sceneView_->getItemTitle(key), &result)) return;
    result.key = key;
    resultTable_->addResult(result);
    temperShow_->addResult(result);
}

void QHotImageCtrl::setItemChangeSlots(ItemInfo info)
{
    if (info.key == 0) return;
    PicRuleConfig* rule = ThermalImageData::getInstance().findPicRuleById(info.key);
    if (!rule) return;
    // The stored rule follows the edit, in the rule space.
    const QSize view = sceneView_->size();
    if (view.width() < 1 || view.height() < 1) return;
    const int count = std::min(info.points.size(), RuleRecordBuilder::kMaxPoints);
    for (int i = 0; i < count; ++i) {
        const QPoint p = RuleRecordBuilder::toRuleSpace(info.points.at(i), view);
        rule->points[i] = {p.x(), p.y()};
    }
    RuleTemperResult result;
    if (!ruleResult(*rule, QString(), &result)) return;
    result.key = info.key;
    resultTable_->changeResult(result);
    temperShow_->changeResult(result);
}

void QHotImageCtrl::setUpdateTemperSlots()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    if (store.getPixelsTemperature() != 0 || store.updateHotColdTemper() != 0) return;
    if (PicRuleList* rules = store.getPicRuleList()) {
        for (int i = 0; i < rules->size(); ++i) {
            const PicRuleRecord& record = rules->records[i];
            RuleTemperResult result;
            if (!ruleResult(record.rule, QString(), &result)) continue;
            result.key = record.key;
            resultTable_->changeResult(result);
            temperShow_->changeResult(result);
        }
    }
    HM_RuleTemper whole{};
    if (store.getHotColdTemper(&whole) == 0) {
        const RuleShowFlags flags = showFlags();
        RuleTemperResult result;
        result.avg = whole.average;
        result.max = whole.maximum;
        result.min = whole.minimum;
        result.key = 0;
        result.showMin = flags.showMin;
        result.showAvg = flags.showAvg;
        result.showMax = flags.showMax;
        resultTable_->changeResult(result);
        temperShow_->changeResult(result);
    }
    rangeAdjust_->setLimits(store.getMinTemper(), store.getMaxTemper());
    rangeAdjust_->recomputeValues();
}

// ---- Grid mode ----------------------------------------------------------------------------

void QHotImageCtrl::setGridMode(bool on)
{
    sceneView_->setDrawType(on ? kGridKind : 0);
    setDrawBtnCheckedStyle(on ? kGridKind : 0);
    gridMode_ = on;
}

void QHotImageCtrl::setGridBtnSlot()
{
    setGridMode(!gridMode_);
    emit sendMouseTransparentSignals(gridMode_);
}

void QHotImageCtrl::setGridXPosChangedSlot()
{
    applyGridPosition();
}

void QHotImageCtrl::setGridYPosChangedSlot()
{
    applyGridPosition();
}

void QHotImageCtrl::applyGridPosition()
{
    if (picWidth_ < 1 || picHeight_ < 1) return;
    if (!gridMode_) setGridMode(true);
    const int typedX = gridXEdit_->text().toInt(nullptr, 10);
    const int typedY = gridYEdit_->text().toInt(nullptr, 10);
    const int x = typedX < picWidth_ ? typedX : picWidth_ - 1;
    const int y = typedY < picHeight_ ? typedY : picHeight_ - 1;
    const QSize view = sceneView_->size();
    QPointF pos(x, y);
    ScalePoint(pos, picWidth_, picHeight_, view.width(), view.height());
    // The cursor is drawn on the screen, where the picture shows flipped.
    pos = mirroredForFlip(pos, view, ThermalImageData::getInstance().getFlipDirection());
    setCalGridTemperSlot(pos);
    emit sendGridPosChangedSignal(pos);
}

void QHotImageCtrl::setCalGridTemperSlot(QPointF pos)
{
    ThermalImageData& store = ThermalImageData::getInstance();
    const USBSDK_GlobalTemperParam* global = store.getPicGlobalRuleConfig();
    if (!global) return;
    const QSize view = sceneView_->size();
    if (view.width() < 1 || view.height() < 1) return;
    // Grid points are unflipped like rule points.
    const QPointF inPicture = mirroredForFlip(pos, view, store.getFlipDirection());
    QPointF inRules = inPicture;
    ScalePoint(inRules, view.width(), view.height(), RuleRecordBuilder::kRuleSpace, RuleRecordBuilder::kRuleSpace);

    RuleRegionParam query{};
    query.pointNum = 1;
    query.meterType = PicRuleRecord::kTypePoint;
    query.points[0] = {int32_t(inRules.x()), int32_t(inRules.y())};
    query.radiance = global->emissivity;
    query.thermoDistance = global->distance;
    query.refectTemp = global->reflectedTemp;
    HM_RuleTemper result{};
    if (store.getRuleRegionTemper(&query, &result) != 0) return;

    gridTemper_ = result.maximum;
    gridTemperEdit_->setText(showTemperNumber(gridTemper_));
    QPointF pixel = inPicture;
    ScalePoint(pixel, view.width(), view.height(), picWidth_, picHeight_);
    gridXEdit_->setText(QString::number(int(pixel.x())));
    gridYEdit_->setText(QString::number(int(pixel.y())));
}

void QHotImageCtrl::setDrawGridPointSlot()
{
    if (gridMode_)
        emit sendDrawGridPointSignal();
    else
        UiPrompts::instance().notice(this, tr("Please open grid first"));
}

void QHotImageCtrl::setQuitGridModeSlot()
{
    setGridMode(false);
}

// ---- Qt events ---------------------------------------------------------------------------

void QHotImageCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

bool QHotImageCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == temperShowLineEdit_ && event->type() == QEvent::MouseButtonPress && temperShowComboBox_->isEnabled())
        temperShowComboBox_->showPopup();
    return QWidget::eventFilter(watched, event);
}

void QHotImageCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resizeImageView();
}

void QHotImageCtrl::showEvent(QShowEvent* event)
{
    // Only a connected camera can take a heat map.
    exportBtn_->setVisible(USBSDK_GetDeviceType() != 0);
    resizeImageView();
    QWidget::showEvent(event);
}
