// The picture analysis window of module 4: one radiometric picture opened
// from disk with the rule layer over it, the rule temperatures in a table and
// an overlay, a colour bar and a palette range slider, the picture's
// radiometric parameters, the grid cursor, and the buttons that save, export
// a report or ask the live camera for a heat map.
//
// The window builds its widget tree once in its constructor and owns every
// child through Qt; it frees nothing by hand. Rule temperatures come from
// ThermalImageData in degrees Celsius and are shown in the analysis unit
// (ConfigManager's unit cache). GUI thread only.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>

#include "ItemInfo.h"
#include "PictureGrabber.h"
#include "RuleTemperResult.h"
#include "TemperRangeOwner.h"

struct PicRuleConfig;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCustomLineEdit;
class QFrame;
class QHBoxLayout;
class QHotImageParamSet;
class QIconTextHBtn;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSceneViewCtrl;
class QTemperRangeAdjust;
class QTemperResult;
class QTemperScaleWidget;
class QTemperShow;
class QUnitLabel;
class QUnitLineEdit;
class QVBoxLayout;

class QHotImageCtrl : public QWidget, public TemperRangeOwner, public PictureGrabber {
    Q_OBJECT
public:
    // The tool bar's small buttons, left to right.
    enum ToolButton {
        PointTool = 0,
        LineTool,
        RectTool,
        EllipseTool,
        CircularTool,
        PolygonTool,
        GridTool,
        RuleClearTool,
        MaterialSaveAsTool,
        MaterialSaveTool,
        ToolButtonCount
    };
    // Draw kinds: 1..6 the rule kinds (the draw button group's ids), 9 grid.
    static constexpr int kGridKind = 9;
    // Rules a picture holds at most while new ones may be drawn.
    static constexpr int kMaxRules = 32;

    explicit QHotImageCtrl(QWidget* parent = nullptr);
    ~QHotImageCtrl() override;

    // Opens a picture; true when everything up to the display succeeded.
    // No message: the callers tell the user.
    bool loadHotImage(const QString& path);
    // Fits the rendered picture, shown with the picture's flip, into the
    // picture label and lays the scene view and the overlay over it.
    void resizeImageView();
    // Redraws the colour scale in the current palette.
    void updateColorBar();
    // PictureGrabber: the window over the scene view's area.
    bool grabPictureView(const QString& path) override;

    // TemperRangeOwner: temperatures in degrees Celsius; x is a handle's
    // left edge in the slider's coordinates.
    void setColorBarRange(float low, float high) override;
    void updateHotImage(float low, float high) override;
    void moveLowMarker(int x) override;
    void moveHighMarker(int x) override;
    void setLowMarkerVisible(bool visible) override;
    void setHighMarkerVisible(bool visible) override;
    // The colour scale and its two end labels together.
    void setColorBarVisible(bool visible);

    // All seven draw buttons plain, then the one of the kind (1..6, 9)
    // highlighted.
    void setDrawBtnCheckedStyle(int kind);
    // The first row whose Qt::UserRole data is value; 0 when none is.
    static int comboIndexByData(const QComboBox* combo, int value);
    // Fixes the combo's width to its widest item text plus 30 pixels.
    static void fitComboWidth(QComboBox* combo);

    // The picture's size in pixels: the grid edits take 0..size - 1.
    void setPictureSize(const QSize& size);
    // The tool bar, the grid edits and the grid point button, which work on
    // a loaded picture only.
    void setPictureControlsEnabled(bool enabled);

    // The three check boxes as show flags of the result views.
    RuleShowFlags showFlags() const;
    bool isGridMode() const { return gridMode_; }
    float gridTemper() const { return gridTemper_; }
    float rangeLow() const { return rangeLow_; }
    float rangeHigh() const { return rangeHigh_; }
    // The rendered picture (Tmp.bmp); empty while no picture is shown.
    QString renderedPath() const { return renderedPath_; }

    // Children, for the module and for tests.
    QSceneViewCtrl* sceneView() const { return sceneView_; }
    QTemperResult* resultTable() const { return resultTable_; }
    QTemperShow* temperOverlay() const { return temperShow_; }
    QHotImageParamSet* paramPanel() const { return paramSet_; }
    QTemperRangeAdjust* rangeSlider() const { return rangeAdjust_; }
    QLabel* pictureLabel() const { return pictureLabel_; }
    QWidget* centerWidget() const { return centerWidget_; }
    QFrame* toolBar() const { return ctrlFrame_; }
    QIconTextHBtn* importButton() const { return importBtn_; }
    QIconTextHBtn* heatMapExportButton() const { return exportBtn_; }
    QButtonGroup* drawButtonGroup() const { return drawGroup_; }
    QPushButton* toolButton(ToolButton which) const { return toolBtns_[which]; }
    QPushButton* exportReportButton() const { return exportReportBtn_; }
    QComboBox* showComboBox() const { return showComboBox_; }
    QComboBox* temperShowComboBox() const { return temperShowComboBox_; }
    QListWidget* temperShowList() const { return temperShowList_; }
    QLineEdit* temperShowLineEdit() const { return temperShowLineEdit_; }
    QCheckBox* maxCheckBox() const { return maxChkBox_; }
    QCheckBox* minCheckBox() const { return minChkBox_; }
    QCheckBox* avgCheckBox() const { return avgChkBox_; }
    QComboBox* falseColorComboBox() const { return falseColorComboBox_; }
    QComboBox* imageTypeComboBox() const { return imageTypeComboBox_; }
    QComboBox* temperUnitComboBox() const { return temperUnitComboBox_; }
    QTemperScaleWidget* colorScale() const { return colorScale_; }
    QUnitLabel* colorBarHighLabel() const { return colorBarHighLabel_; }
    QUnitLabel* colorBarLowLabel() const { return colorBarLowLabel_; }
    QUnitLabel* lowMarker() const { return lowMarker_; }
    QUnitLabel* highMarker() const { return highMarker_; }
    QCustomLineEdit* gridXEdit() const { return gridXEdit_; }
    QCustomLineEdit* gridYEdit() const { return gridYEdit_; }
    QUnitLineEdit* gridTemperEdit() const { return gridTemperEdit_; }
    QPushButton* drawPointButton() const { return drawPointBtn_; }
    QPushButton* temperResultButton() const { return temperResultBtn_; }
    QPushButton* paramSetButton() const { return paramSetBtn_; }
    QPushButton* imageInfoButton() const { return imageInfoBtn_; }

signals:
    void sendHeatMapExportSignal();
    void sendGridPosChangedSignal(QPointF pos);
    void sendDrawGridPointSignal();
    void sendMouseTransparentSignals(bool bFlag);

public slots:
    void setTempRuleDrawBtnClickedSlots(int iDrawType);
    void setRuleClearBtnSlots();
    void setMaterialSaveSlots();
    void setAddItemSlots(quint32 key);
    void setItemChangeSlots(ItemInfo info);
    void setTemperShowMethodIndexChangedSlots();
    void setMaxTemperChkBoxSlots();
    void setMinTemperChkBoxSlots();
    void setAveTemperChkBoxSlots();
    void setTemperShowTextChangedSlots(const QString& qStrText);
    void setFalseColCurIndexChangedSlots();
    void setImageTypeCurIndexChangedSlots();
    void setReportExportSlots();
    void setTemperResultDlgShowSlots();
    void setParamSetDlgShowSlots();
    void setImageInfoDlgShowSlots();
    void setMemoryFreeSlots();
    void setUpdateTemperSlots();
    void setRuleDrawCompleteSlots(bool bOk);
    void setHotImageFileImportSlots();
    void setHotImageFileExportSlots();
    void setHeatMapExportRetSlot(QString strHeapMapDir);
    void onTemperUnitComboxSelectSlot(int nUnitVal);
    void setGridBtnSlot();
    void setCalGridTemperSlot(QPointF pos);
    void setGridXPosChangedSlot();
    void setGridYPosChangedSlot();
    void setQuitGridModeSlot();
    void setDrawGridPointSlot();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The rendering scaled to size (into shownImage_ for 24-bit pictures).
    QImage scaledToShow(const QImage& picture, const QSize& size);
    // The widget tree, in the order it stands on screen.
    void buildForm();
    void buildToolBar(QVBoxLayout* page);
    void buildTemperShowComboBox();
    void buildPictureArea(QHBoxLayout* body);
    void buildModuleColumn(QHBoxLayout* body);
    void initConnect();
    void retranslate();

    // The show flags of the check boxes to the table, then to the overlay.
    void applyShowFlags();
    // One rule's temperatures, in the check boxes' flags (a point rule
    // shows its average only); false when the library refuses the query.
    bool ruleResult(const PicRuleConfig& rule, const QString& title, RuleTemperResult* out) const;
    // Grid mode on or off: the scene's draw kind, the buttons' look.
    void setGridMode(bool on);
    // The typed grid position, clamped into the picture, to the cursor.
    void applyGridPosition();
    // Places a marker at a slider x, 18 pixels above the slider.
    void moveMarker(QUnitLabel* marker, int x);
    // The picture's size fitted into the picture label, centred on it, in
    // the centre widget's coordinates; empty when nothing fits.
    QRect fittedPictureRect(const QSize& picture) const;
    // The range slider and colour bar from the picture and its saved range.
    void applySavedRange();
    // A heat map or an imported file: loads it; a failure is told.
    bool openPictureFile(const QString& path);

    // The form.
    QFrame* ctrlFrame_ = nullptr;                           // child
    QHBoxLayout* ctrlLayout_ = nullptr;                     // owned by the window's layout
    std::array<QPushButton*, ToolButtonCount> toolBtns_{};  // children of the tool bar
    QComboBox* temperUnitComboBox_ = nullptr;               // child
    QComboBox* showComboBox_ = nullptr;                     // child
    QComboBox* temperShowComboBox_ = nullptr;               // child
    QComboBox* falseColorComboBox_ = nullptr;               // child
    QComboBox* imageTypeComboBox_ = nullptr;                // child
    QPushButton* exportReportBtn_ = nullptr;                // child
    QWidget* centerWidget_ = nullptr;                       // child
    QWidget* temperScaleWidget_ = nullptr;                  // child: the colour column
    QWidget* moduleWidget_ = nullptr;                       // child
    QLabel* gridInfoLabel_ = nullptr;                       // child
    QLabel* gridXPosLabel_ = nullptr;                       // child
    QLabel* gridYPosLabel_ = nullptr;                       // child
    QLabel* gridTemperLabel_ = nullptr;                     // child
    QPushButton* drawPointBtn_ = nullptr;                   // child
    QPushButton* temperResultBtn_ = nullptr;                // child
    QPushButton* paramSetBtn_ = nullptr;                    // child
    QPushButton* imageInfoBtn_ = nullptr;                   // child

    // The children the builder adds.
    QIconTextHBtn* importBtn_ = nullptr;         // child
    QIconTextHBtn* exportBtn_ = nullptr;         // child
    QButtonGroup* drawGroup_ = nullptr;          // child
    QCheckBox* maxChkBox_ = nullptr;             // child of the check box list
    QCheckBox* minChkBox_ = nullptr;             // child of the check box list
    QCheckBox* avgChkBox_ = nullptr;             // child of the check box list
    QListWidget* temperShowList_ = nullptr;      // owned by its combo (model and view)
    QLineEdit* temperShowLineEdit_ = nullptr;    // owned by its combo
    QLabel* pictureLabel_ = nullptr;             // child
    QSceneViewCtrl* sceneView_ = nullptr;        // child
    QTemperScaleWidget* colorScale_ = nullptr;   // child
    QUnitLabel* colorBarHighLabel_ = nullptr;    // child
    QUnitLabel* colorBarLowLabel_ = nullptr;     // child
    QTemperRangeAdjust* rangeAdjust_ = nullptr;  // child
    QUnitLabel* lowMarker_ = nullptr;            // child
    QUnitLabel* highMarker_ = nullptr;           // child
    QTemperResult* resultTable_ = nullptr;       // child
    QHotImageParamSet* paramSet_ = nullptr;      // child
    QTemperShow* temperShow_ = nullptr;          // child
    QUnitLineEdit* gridTemperEdit_ = nullptr;    // child
    QCustomLineEdit* gridXEdit_ = nullptr;       // child
    QCustomLineEdit* gridYEdit_ = nullptr;       // child

    // The picture.
    float rangeLow_ = 0.0f;  // shown colour range, C
    float rangeHigh_ = 0.0f;
    QString renderedPath_;  // the rendered picture; empty before a render
    QImage shownImage_;     // the rendering scaled to the shown size, kept between renderings
    bool gridMode_ = false;
    float gridTemper_ = 0.0f;  // grid point temperature, C
    int picWidth_ = 0;
    int picHeight_ = 0;
    int flip_ = 0;  // the open picture's flip direction
};
