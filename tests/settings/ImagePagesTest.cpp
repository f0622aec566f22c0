// The pages of the image parameter panel on their own, over the simulated
// camera: what each control sends when the user changes it, read-backs that
// send nothing, the failure texts, enabling by connection and lock, the
// defaults, the FFC period check, the pseudo isotherm's whole degrees and
// the palette names after a language change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <functional>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "QBasicSetting.h"
#include "QCustomLineEdit.h"
#include "QFFCSetting.h"
#include "QGainSetting.h"
#include "QImageModeWidget.h"
#include "QWideDynamicWidget.h"
#include "SimCamera.h"
#include "SwitchButton.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using B = QBasicSetting;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// The five pages with a journal of every request they send.
class ImagePagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        journal();
    }

    void TearDown() override
    {
        if (sdk().isSleeping()) sdk().SetSleepMode(4);
        sdk().Close();
    }

    void open() { ASSERT_TRUE(simcamera::openFirst()); }

    void journal()
    {
        auto note = [this](const char* name) { return [this, name](int v) { requests_ << QString("%1(%2)").arg(name).arg(v); }; };
        QObject::connect(&basic_, &B::setBrightnessSignal, note("brightness"));
        QObject::connect(&basic_, &B::setContrastSignal, note("contrast"));
        QObject::connect(&basic_, &B::setSharpnessSignal, note("sharpness"));
        QObject::connect(&basic_, &B::setLCESignal, note("lce"));
        QObject::connect(&basic_, &B::sendFalseColIndexSignals, note("palette"));
        QObject::connect(&basic_, &B::setNoise2DSignal, note("noise2D"));
        QObject::connect(&basic_, &B::setNoise3DSignal, note("noise3D"));
        QObject::connect(&basic_, &B::sendSetIspModeSignal, note("isp"));
        QObject::connect(&ffc_, &QFFCSetting::setFFCModeSignal, note("ffcMode"));
        QObject::connect(&ffc_, &QFFCSetting::setFFCTimeSignal, note("ffcTime"));
        QObject::connect(&ffc_, &QFFCSetting::sendShutterCorrectSignal, [this] { requests_ << "shutter"; });
        QObject::connect(&ffc_, &QFFCSetting::sendBackgroundFFCSignal, [this] { requests_ << "background"; });
        QObject::connect(&gain_, &QGainSetting::setGainAutoSignal, note("gainAuto"));
        QObject::connect(&gain_, &QGainSetting::setGainModeSignal, note("gainMode"));
        QObject::connect(&wide_, &QWideDynamicWidget::setWideDynamicSignal,
                         [this](int on, bool restore) { requests_ << QString("wideDynamic(%1,%2)").arg(on).arg(restore); });
        QObject::connect(&wide_, &QWideDynamicWidget::setLocalContrastSignal, note("local"));
        QObject::connect(&wide_, &QWideDynamicWidget::setGlobalContrastSignal, note("global"));
        QObject::connect(&mode_, &QImageModeWidget::sendPseudoIsothermSignal, [this](bool on, short lo, short hi) {
            requests_ << QString("pseudo(%1,%2,%3)").arg(on).arg(lo).arg(hi);
        });
    }

    // Fills the pseudo isotherm form and presses "Set".
    void setPseudo(bool on, const QString& minText, const QString& maxText)
    {
        mode_.enableSwitch()->setChecked(on);
        mode_.minLimitEdit()->setText(minText);
        mode_.maxLimitEdit()->setText(maxText);
        mode_.setButton()->click();
    }

    void refreshAll()
    {
        basic_.refreshDeviceSupport();
        ffc_.refreshDeviceSupport();
        gain_.refreshDeviceSupport();
        wide_.refreshDeviceSupport();
    }

    // The camera's last error becomes code, as after a failed read.
    static void setLastError(int code)
    {
        SIMCAM_FailNext("GetContrast", 1, code);
        int v = 0;
        USBSDK_GetContrast(&v);
    }

    FakeUiPrompts prompts_;
    QBasicSetting basic_;
    QFFCSetting ffc_;
    QGainSetting gain_;
    QWideDynamicWidget wide_;
    QImageModeWidget mode_;
    QStringList requests_;
};

// ---- Requests ----------------------------------------------------------------------

TEST_F(ImagePagesTest, EveryUserValueLeavesAsItsRequest)
{
    open();
    basic_.updateFalseColorList();
    struct Row {
        const char* name;
        std::function<void()> act;
        QStringList sent;
    };
    const Row rows[] = {
        {"brightness dragged", [&] { drag(basic_.valueControl(B::BrightnessValue), 33); }, {"brightness(33)"}},
        {"contrast plus", [&] { plus(basic_.valueControl(B::ContrastValue)); }, {"contrast(1)"}},
        {"sharpness to its end", [&] { drag(basic_.valueControl(B::SharpnessValue), 120); }, {"sharpness(120)"}},
        {"spatial noise", [&] { drag(basic_.valueControl(B::Noise2DValue), 10); }, {"noise2D(10)"}},
        {"temporal noise", [&] { drag(basic_.valueControl(B::Noise3DValue), 11); }, {"noise3D(11)"}},
        // The ninth of the newer palettes is number 18, not its index.
        {"palette chosen",
         [&] {
             basic_.paletteCombo()->setCurrentIndex(8);
             emit basic_.paletteCombo()->activated(8);
         },
         {"palette(18)"}},
        {"image style chosen", [&] { emit basic_.styleCombo()->activated(1); }, {"isp(1)"}},
        {"FFC manual", [&] { ffc_.manualButton()->click(); }, {"ffcMode(0)"}},
        {"FFC auto", [&] { ffc_.autoButton()->click(); }, {"ffcMode(1)"}},
        {"FFC auto again", [&] { ffc_.autoButton()->click(); }, {"ffcMode(1)"}},
        {"FFC period", [&] { drag(ffc_.periodControl(), 600); }, {"ffcTime(600)"}},
        {"shutter", [&] { ffc_.shutButton()->click(); }, {"shutter"}},
        {"auto gain", [&] { drag(gain_.autoGainControl(), 200); }, {"gainAuto(200)"}},
        {"wide dynamic off", [&] { wide_.closeButton()->click(); }, {"wideDynamic(0,0)"}},
        {"wide dynamic on", [&] { wide_.openButton()->click(); }, {"wideDynamic(1,0)"}},
        {"wide dynamic on again", [&] { wide_.openButton()->click(); }, {"wideDynamic(1,0)"}},
        {"local contrast", [&] { drag(wide_.localControl(), 70); }, {"local(70)"}},
        {"global contrast", [&] { drag(wide_.globalControl(), 80); }, {"global(80)"}},
        {"pseudo isotherm on", [&] { setPseudo(true, "20", "21"); }, {"pseudo(1,20,21)"}},
        {"pseudo isotherm negative", [&] { setPseudo(true, "-20", "-5"); }, {"pseudo(1,-20,-5)"}},
        {"pseudo isotherm off, empty", [&] { setPseudo(false, "", ""); }, {"pseudo(0,0,0)"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        requests_.clear();
        r.act();
        EXPECT_EQ(requests_, r.sent);
    }
    EXPECT_EQ(prompts_.calls.size(), 0);
}

TEST_F(ImagePagesTest, ValuesWrittenByTheProgramSendNothing)
{
    open();
    basic_.updateFalseColorList();
    basic_.setBasicBrightnessSlot(true, 31);
    basic_.setBasicContrastSlot(true, 32);
    basic_.setBasicSharpnessSlot(true, 33);
    basic_.setEnhanceNoise2DSlot(true, 34);
    basic_.setEnhanceNoise3DSlot(true, 35);
    basic_.getIspModeRetSlot(true, 1);
    basic_.setFalseColCurIndex(19);
    ffc_.setFFCModeSlot(true, 0);
    ffc_.setFFCTimeSlot(true, 500);
    gain_.setGainAutoSlot(true, 77);
    gain_.setGainModeSlot(true, 1);
    wide_.setBasicWideDynamicSlot(true, 1);
    wide_.setBasicLocalContrastSlot(true, 41);
    wide_.setBasicGlobalContrastSlot(true, 42);

    EXPECT_EQ(requests_, QStringList{});
    EXPECT_EQ(prompts_.calls.size(), 0);
    const int expected[] = {31, 32, 33, 34, 35};
    for (int v = 0; v < B::ValueCount; ++v) EXPECT_EQ(basic_.valueControl(B::Value(v))->text().toInt(), expected[v]) << v;
    EXPECT_EQ(basic_.styleCombo()->currentIndex(), 1);
    EXPECT_EQ(basic_.paletteCombo()->currentData().toInt(), 19);
    EXPECT_TRUE(ffc_.manualButton()->isChecked());
    EXPECT_EQ(ffc_.periodControl()->text(), "500");
    EXPECT_EQ(gain_.autoGainControl()->text(), "77");
    EXPECT_TRUE(gain_.highButton()->isChecked());
    EXPECT_EQ(wide_.localControl()->text(), "41");
    EXPECT_EQ(wide_.globalControl()->text(), "42");
}

// ---- Read-backs ------------------------------------------------------------------------

TEST_F(ImagePagesTest, FailedReadsTellTheFailureAndTheCameraError)
{
    struct Row {
        std::function<void()> fail;
        QString text;
    };
    const Row rows[] = {
        {[&] { basic_.setBasicBrightnessSlot(false, 0); }, "Failed to get brightness,Error Code:7"},
        {[&] { basic_.setBasicContrastSlot(false, 0); }, "Failed to get contrast,Error Code:7"},
        {[&] { basic_.setBasicSharpnessSlot(false, 0); }, "Failed to get sharpness,Error Code:7"},
        {[&] { basic_.setEnhanceNoise2DSlot(false, 0); }, "Failed to get Noise2D,Error Code:7"},
        {[&] { basic_.setEnhanceNoise3DSlot(false, 0); }, "Failed to get Noise3D,Error Code:7"},
        {[&] { basic_.getIspModeRetSlot(false, 0); }, "Failed to get Isp Mode"},
        {[&] { basic_.setIspModeRetSlot(false); }, "Failed to set Isp Mode"},
        {[&] { ffc_.setFFCModeSlot(false, 1); }, "Failed to get FFCModel,Error Code:7"},
        {[&] { ffc_.setFFCTimeSlot(false, 1); }, "Failed to get FFC period,Error Code:7"},
        {[&] { ffc_.setShutterCorrectRetSlot(false); }, "Failed to FFC,Error Code:7"},
        {[&] { ffc_.setBackgroundFFCRetSlot(false); }, "Failed to Background FFC,Error Code:7"},
        {[&] { gain_.setGainAutoSlot(false, 0); }, "Failed to get autogain,Error Code:7"},
        {[&] { gain_.setGainModeSlot(false, 0); }, "Failed to get gainmodel,Error Code:7"},
        {[&] { wide_.setBasicWideDynamicSlot(false, 0); }, "Failed to get wide-dynamic,Error Code:7"},
        {[&] { wide_.setBasicLocalContrastSlot(false, 0); }, "Failed to get local contrast,Error Code:7"},
        {[&] { wide_.setBasicGlobalContrastSlot(false, 0); }, "Failed to get global contrast,Error Code:7"},
    };
    basic_.setBasicContrastSlot(true, 45);
    setLastError(7);
    for (const Row& r : rows) {
        prompts_.clear();
        r.fail();
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{r.text});
    }
    EXPECT_EQ(basic_.valueControl(B::ContrastValue)->text(), "45") << "a failed read keeps the value";
    EXPECT_EQ(requests_, QStringList{});
}

TEST_F(ImagePagesTest, ActionsThatSucceedShowTheToast)
{
    ffc_.setShutterCorrectRetSlot(true);
    ffc_.setBackgroundFFCRetSlot(true);
    basic_.setIspModeRetSlot(true);
    mode_.setPseudoIsothermModeRetSlot(true);
    mode_.setPseudoIsothermModeRetSlot(false);
    ASSERT_EQ(prompts_.count(Kind::Toast), 5);
    EXPECT_EQ(prompts_.texts(Kind::Toast),
              (QStringList{"Operate succeed", "Operate succeed", "Operate succeed", "Operate succeed", "Operate failed"}));
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
    EXPECT_EQ(prompts_.calls.first().type, 0);
    EXPECT_EQ(prompts_.calls.first().msec, 1000);
}

TEST_F(ImagePagesTest, ModeReadBacksShowTheirRowsAndIgnoreUnknownValues)
{
    ffc_.manualButton()->click();
    EXPECT_TRUE(ffc_.periodControl()->isHidden());
    ffc_.setFFCModeSlot(true, 2);
    EXPECT_TRUE(ffc_.manualButton()->isChecked());
    EXPECT_FALSE(ffc_.autoButton()->isChecked());
    ffc_.setFFCModeSlot(true, 1);
    EXPECT_TRUE(ffc_.autoButton()->isChecked());
    EXPECT_FALSE(ffc_.manualButton()->isChecked());
    EXPECT_FALSE(ffc_.periodControl()->isHidden());
    EXPECT_FALSE(ffc_.unitLabel()->isHidden());

    // A read-back beyond the range is shown as read; the slider stops at its end.
    ffc_.setFFCTimeSlot(true, 5);
    EXPECT_EQ(ffc_.periodControl()->text(), "5");
    EXPECT_EQ(ffc_.periodControl()->findChild<QSlider*>()->value(), 10);

    gain_.setGainModeSlot(true, 0);
    gain_.setGainModeSlot(true, 2);
    EXPECT_TRUE(gain_.lowButton()->isChecked());
    EXPECT_FALSE(gain_.highButton()->isChecked());
    EXPECT_TRUE(gain_.lowButton()->isHidden()) << "the gain mode row is never shown";

    struct Row {
        int value;
        bool open;
    };
    for (const Row& r : {Row{1, true}, Row{0, false}, Row{2, false}, Row{1, true}}) {
        wide_.setBasicWideDynamicSlot(true, r.value);
        EXPECT_EQ(wide_.openButton()->isChecked(), r.open) << r.value;
        EXPECT_EQ(wide_.closeButton()->isChecked(), !r.open) << r.value;
        EXPECT_EQ(wide_.areContrastsShown(), r.open) << r.value;
    }
    EXPECT_EQ(requests_, QStringList{"ffcMode(0)"});
}

// ---- Enabling ----------------------------------------------------------------------------

TEST_F(ImagePagesTest, ControlsFollowTheConnectionAndThePaletteLock)
{
    auto valuesEnabled = [&] {
        for (int v = 0; v < B::ValueCount; ++v)
            if (!basic_.valueControl(B::Value(v))->isEnabled()) return false;
        return basic_.styleCombo()->isEnabled();
    };
    basic_.refreshDeviceSupport();
    EXPECT_FALSE(valuesEnabled());
    EXPECT_FALSE(basic_.paletteCombo()->isEnabled());
    EXPECT_TRUE(basic_.styleLabel()->isHidden()) << "no camera, no image styles";

    open();
    basic_.setFalseColEnabled(false);
    basic_.refreshDeviceSupport();
    EXPECT_TRUE(valuesEnabled());
    EXPECT_FALSE(basic_.paletteCombo()->isEnabled()) << "locked by the live view's isotherm";
    EXPECT_FALSE(basic_.styleLabel()->isHidden());
    EXPECT_FALSE(basic_.styleCombo()->isHidden());
    basic_.setFalseColEnabled(true);
    basic_.refreshDeviceSupport();
    EXPECT_TRUE(basic_.paletteCombo()->isEnabled());

    ASSERT_TRUE(sdk().SetSleepMode(5));
    refreshAll();
    EXPECT_FALSE(valuesEnabled());
    EXPECT_FALSE(basic_.paletteCombo()->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{ffc_.autoButton(), ffc_.manualButton(), ffc_.periodControl(),
                                                      ffc_.shutButton(), ffc_.backgroundButton(),
                                                      gain_.autoGainControl(), wide_.openButton(), wide_.closeButton(),
                                                      wide_.localControl(), wide_.globalControl()})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    // Unlocking enables the palette choice even on a sleeping camera.
    basic_.setFalseColEnabled(true);
    EXPECT_TRUE(basic_.paletteCombo()->isEnabled());

    ASSERT_TRUE(sdk().SetSleepMode(4));
    refreshAll();
    for (QWidget* w : std::initializer_list<QWidget*>{ffc_.autoButton(), ffc_.shutButton(), gain_.autoGainControl(),
                                                      wide_.openButton(), wide_.globalControl()})
        EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
    EXPECT_TRUE(ffc_.backgroundButton()->isHidden());
}

// ---- Defaults ------------------------------------------------------------------------------

TEST_F(ImagePagesTest, DefaultsAreShownAndSent)
{
    struct Row {
        const char* name;
        void (*profile)(SIMCAM_DeviceProfile&);
        QStringList sent;
    };
    const Row rows[] = {
        {"camera with image styles, N6 series, not cooled",
         [](SIMCAM_DeviceProfile& p) { std::strcpy(p.softwareVersion, "ABCDEFGHN6-1.0"); },
         {"palette(0)", "isp(0)", "brightness(50)", "contrast(50)", "sharpness(60)", "noise2D(50)", "noise3D(50)",
          "gainAuto(100)", "ffcMode(1)", "ffcTime(360)", "wideDynamic(1,1)", "local(50)", "global(50)"}},
        {"no image styles, another series, cooled",
         [](SIMCAM_DeviceProfile& p) {
             p.supportIsp = 0;
             p.refrigerated = 1;
         },
         {"palette(0)", "brightness(50)", "contrast(50)", "sharpness(60)", "noise2D(50)", "noise3D(50)", "gainAuto(1)",
          "ffcMode(1)", "ffcTime(60)", "wideDynamic(1,1)", "local(50)", "global(50)"}},
        {"version too short for a series",
         [](SIMCAM_DeviceProfile& p) { std::strcpy(p.softwareVersion, "ABCDEF"); },
         {"palette(0)", "isp(0)", "brightness(50)", "contrast(50)", "sharpness(60)", "noise2D(50)", "noise3D(50)",
          "gainAuto(1)", "ffcMode(1)", "ffcTime(360)", "wideDynamic(1,1)", "local(50)", "global(50)"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        sdk().Close();
        SIMCAM_Reset();
        setProfile(r.profile);
        open();
        wide_.closeButton()->click();
        ffc_.manualButton()->click();
        basic_.getIspModeRetSlot(true, 1);
        requests_.clear();

        basic_.restoreDefault();
        gain_.restoreDefault();
        ffc_.restoreDefault();
        wide_.restoreDefault();
        EXPECT_EQ(requests_, r.sent);
        EXPECT_EQ(basic_.valueControl(B::SharpnessValue)->text(), "60");
        EXPECT_EQ(gain_.autoGainControl()->text(), r.sent.contains("gainAuto(100)") ? "100" : "1");
        EXPECT_TRUE(ffc_.autoButton()->isChecked());
        EXPECT_FALSE(ffc_.periodControl()->isHidden());
        EXPECT_TRUE(wide_.openButton()->isChecked());
        EXPECT_TRUE(wide_.areContrastsShown());
        EXPECT_EQ(wide_.localControl()->text(), "50");
        if (r.sent.contains("isp(0)")) {
            EXPECT_EQ(basic_.styleCombo()->currentIndex(), 0);
        }
    }
}

TEST_F(ImagePagesTest, PeriodUnitFollowsTheCameraKind)
{
    open();
    ffc_.refreshDeviceSupport();
    EXPECT_EQ(ffc_.unitLabel()->text(), "Second");
    sdk().Close();
    setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
    open();
    ffc_.refreshDeviceSupport();
    EXPECT_EQ(ffc_.unitLabel()->text(), "Minute");
}

// ---- FFC period --------------------------------------------------------------------------

TEST_F(ImagePagesTest, PeriodCheckReadsTheFieldText)
{
    struct Row {
        const char* text;
        bool valid;
    };
    auto* field = ffc_.periodControl()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    for (const Row& r : {Row{"5", false}, Row{"9", false}, Row{"", false}, Row{"x", false}, Row{"10", true},
                         Row{"11", true}, Row{"1200", true}}) {
        field->setText(r.text);
        EXPECT_EQ(ffc_.isFFCTimeValid(), r.valid) << r.text;
    }
    // The field, not the slider, which stops at 10.
    ffc_.setFFCTimeSlot(true, 9);
    EXPECT_FALSE(ffc_.isFFCTimeValid());
}

// ---- Pseudo isotherm -------------------------------------------------------------------

TEST_F(ImagePagesTest, LimitsAreRoundedToWholeDegreesWithinTheirRange)
{
    struct Row {
        const char* text;
        short degrees;
    };
    const Row rows[] = {{"20", 20},     {"20.4", 20},   {"20.5", 21},   {"20.6", 21}, {"-0.4", 0},
                        {"-0.6", -1},   {"-20.5", -21}, {"998.9", 999}, {"999", 999}, {"1500", 999},
                        {"-1500", -999}, {"", 0},       {"-", 0},       {"abc", 0}};
    for (const Row& r : rows) EXPECT_EQ(QImageModeWidget::limitFromText(r.text), r.degrees) << r.text;
}

TEST_F(ImagePagesTest, FractionalLimitsAreSentAsTheNearestDegrees)
{
    open();
    setPseudo(true, "20.4", "20.6");
    setPseudo(true, "-5.5", "0.4");
    // 20.4 and 20.5 both round to 20 and 21: distinct whole limits.
    setPseudo(true, "20.4", "20.5");
    EXPECT_EQ(requests_, (QStringList{"pseudo(1,20,21)", "pseudo(1,-6,0)", "pseudo(1,20,21)"}));
    EXPECT_EQ(prompts_.calls.size(), 0);

    // Limits that round to the same degree are in the wrong order.
    requests_.clear();
    setPseudo(true, "20.1", "20.4");
    setPseudo(true, "", "");
    setPseudo(true, "20", "20");
    EXPECT_EQ(requests_, QStringList{});
    const QString order = "The upper limit should be greater than lower limit";
    EXPECT_EQ(prompts_.texts(Kind::Notice), (QStringList{order, order, order}));
}

TEST_F(ImagePagesTest, PseudoIsothermRefusesWithoutAnAwakeCamera)
{
    setPseudo(false, "", "");
    open();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    setPseudo(false, "", "");
    EXPECT_EQ(requests_, QStringList{});
    EXPECT_EQ(prompts_.texts(Kind::Notice), (QStringList{"Device is not connect.", "Device is sleeping"}));
    EXPECT_EQ(mode_.maxLimitEdit()->styleSheet(),
              "QLineEdit{color:white;background-color: #292929;border-radius:4px;border:1px solid #5F615A;}");
    EXPECT_EQ(mode_.findChild<QLabel*>("pseudoIsoLabel")->text(), QString::fromUtf8("Pseudo isotherm - \u2103"));
}

// ---- Palettes ------------------------------------------------------------------------------

TEST_F(ImagePagesTest, PaletteListsCarryTheCameraNumbers)
{
    auto numbers = [&] {
        QList<int> out;
        for (int i = 0; i < basic_.paletteCombo()->count(); ++i) out << basic_.paletteCombo()->itemData(i).toInt();
        return out;
    };
    QList<int> older;
    for (int n = 0; n < 18; ++n) older << n;
    EXPECT_EQ(numbers(), older) << "built with the older list";
    open();
    basic_.updateFalseColorList();
    EXPECT_EQ(numbers(), (QList<int>{0, 1, 3, 4, 6, 7, 10, 11, 18, 19}));
    EXPECT_EQ(basic_.paletteCombo()->itemText(8), "Thermal Detection");
    basic_.setFalseColCurIndex(6);
    basic_.setFalseColCurIndex(2);  // not on the newer list
    EXPECT_EQ(basic_.paletteCombo()->currentText(), "Iron Red");
}

TEST_F(ImagePagesTest, PaletteNamesFollowTheirNumbersAfterALanguageChange)
{
    // The older list is shown while the camera already reports the newer
    // set (before the live page refills the list): every item keeps the
    // name of its own palette.
    open();
    TaggingTranslator tagger;
    QApplication::installTranslator(&tagger);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&basic_, &change);
    const char* const older[] = {"White Hot", "Black Hot", "Fusion",  "Rainbow",     "Golden-fall", "Fifth-day",
                                 "Iron Red",  "Amber",     "Jade",    "Sunset",      "Ice fire",    "Oil-Paint",
                                 "Pomegranate", "Emerald", "Spring", "Summer",      "Autumn",      "Winter"};
    ASSERT_EQ(basic_.paletteCombo()->count(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(basic_.paletteCombo()->itemText(i), QString("QBasicSetting|") + older[i]) << i;

    basic_.updateFalseColorList();
    QApplication::sendEvent(&basic_, &change);
    EXPECT_EQ(basic_.paletteCombo()->itemText(2), "QBasicSetting|Rainbow");
    EXPECT_EQ(basic_.paletteCombo()->itemText(8), "QBasicSetting|Thermal Detection");
    EXPECT_EQ(basic_.paletteCombo()->itemText(9), "QBasicSetting|Aurora");
    EXPECT_EQ(basic_.styleCombo()->itemText(1), "QBasicSetting|Original Mode");
    QApplication::removeTranslator(&tagger);
}

TEST_F(ImagePagesTest, TextsAreTranslatedInTheirPagesContexts)
{
    TaggingTranslator tagger;
    QApplication::installTranslator(&tagger);
    QEvent change(QEvent::LanguageChange);
    for (QWidget* page : std::initializer_list<QWidget*>{&basic_, &ffc_, &gain_, &wide_, &mode_}) {
        QApplication::sendEvent(page, &change);
        const QString context = QString::fromLatin1(page->metaObject()->className()) + '|';
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->parentWidget() != page) continue;
            EXPECT_TRUE(label->text().startsWith(context)) << label->text().toStdString();
        }
    }
    EXPECT_EQ(ffc_.unitLabel()->text(), "QFFCSetting|Second");
    QApplication::removeTranslator(&tagger);
}

}  // namespace
