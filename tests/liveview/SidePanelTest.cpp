// The side panel beside the live video: its form, the accordion (one
// accordion page open at most, the result table on its own, arrows that
// follow), setAllDlgShowSlot, the relays, the results handed to the table,
// the live global block, the header texts and the arrow images.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <set>

#include "DeviceSdkWrapper.h"
#include "QIconTextRBtn.h"
#include "QGainModeSwitch.h"
#include "QPreviewModuleWidget.h"
#include "QVideoTemperResult.h"
#include "TemperResultsTestSupport.h"
#include "ThermalImageData.h"
#include "simcam.h"

using namespace temperresults;

namespace {

using P = QPreviewModuleWidget;
using Sections = std::set<P::Section>;

const P::Section kAll[] = {P::TemperResultSection,  P::GainModelSection,         P::RulePropertySection,
                           P::GlobalThermalSection, P::SecondCalibrationSection, P::IsothermSection};

QString arrowStyle(const char* image)
{
    return QStringLiteral("QLabel{border-image:url(:/Resource/Skin/%1.png);background-repeat:no-repeat;}").arg(image);
}

// The open pages; every header's arrow must agree with its page.
Sections openPages(const P& panel)
{
    Sections open;
    for (P::Section s : kAll) {
        const bool shown = !panel.page(s)->isHidden();
        EXPECT_EQ(panel.isHeaderOpen(s), shown) << "section " << s;
        EXPECT_EQ(panel.header(s)->iconLabel()->styleSheet(), arrowStyle(shown ? "upArrow_n" : "downArrow_n"))
            << "section " << s;
        if (shown) open.insert(s);
    }
    return open;
}

class SidePanelTest : public ::testing::Test {
protected:
    QPreviewModuleWidget panel_;
};

TEST_F(SidePanelTest, FormPlacesHeadersOverTheirPages)
{
    EXPECT_EQ(panel_.objectName(), "QPreviewModuleWidget");
    EXPECT_EQ(panel_.windowTitle(), "Form");
    EXPECT_TRUE(panel_.windowFlags() & Qt::FramelessWindowHint);
    auto* outer = qobject_cast<QVBoxLayout*>(panel_.layout());
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->objectName(), "verticalLayout");
    EXPECT_EQ(outer->spacing(), 1);
    EXPECT_EQ(outer->contentsMargins(), QMargins(0, 0, 0, 0));
    auto* inner = panel_.findChild<QVBoxLayout*>("verticalLayout_1");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->spacing(), 1);
    EXPECT_EQ(inner->contentsMargins().bottom(), 0);
    ASSERT_EQ(inner->count(), 11) << "ten widgets and the stretch below them";
    EXPECT_NE(inner->itemAt(10)->spacerItem(), nullptr);

    struct Expected {
        P::Section section;
        const char* text;
        const char* pageName;
        QSizePolicy::Policy vertical;
    };
    const Expected expected[] = {
        {P::TemperResultSection, "TemperResult", "QVideoTemperResult", QSizePolicy::MinimumExpanding},
        {P::GainModelSection, "GainModel", "QGainSetting", QSizePolicy::Preferred},  // the shared style hook
        {P::RulePropertySection, "Rule Property", "QRuleParamSet", QSizePolicy::Preferred},
        {P::GlobalThermalSection, "GlobalThermalSet", "QGlobalThermalSetting", QSizePolicy::Preferred},
        {P::SecondCalibrationSection, "Second Calibration", "QSecondCalibration", QSizePolicy::Preferred},
        {P::IsothermSection, "Isotherm", "QIsothermParams", QSizePolicy::Ignored},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        QIconTextRBtn* header = panel_.header(e.section);
        QWidget* page = panel_.page(e.section);
        EXPECT_EQ(header->objectName(), "IconTextRBtn");
        EXPECT_EQ(header->size(), QSize(254, 32));
        EXPECT_EQ(header->minimumSize(), header->maximumSize());
        EXPECT_EQ(header->textLabel()->text(), e.text);
        EXPECT_EQ(page->objectName(), e.pageName);
        EXPECT_EQ(page->parentWidget(), &panel_);
        EXPECT_TRUE(page->isHidden());
        EXPECT_EQ(page->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
        EXPECT_EQ(page->sizePolicy().verticalPolicy(), e.vertical);
        if (e.section == P::IsothermSection) {
            EXPECT_EQ(inner->indexOf(header), -1);
            EXPECT_EQ(inner->indexOf(page), -1);
        } else {
            EXPECT_EQ(inner->indexOf(header), 2 * e.section);
            EXPECT_EQ(inner->indexOf(page), 2 * e.section + 1);
            EXPECT_EQ(inner->itemAt(2 * e.section)->alignment(), Qt::AlignTop);
            EXPECT_EQ(inner->stretch(2 * e.section + 1), 0);
        }
    }
    EXPECT_EQ(panel_.page(P::TemperResultSection), panel_.resultTable());
    EXPECT_EQ(openPages(panel_), Sections{});

    panel_.show();
    for (P::Section s : {P::TemperResultSection, P::GainModelSection, P::RulePropertySection, P::GlobalThermalSection})
        EXPECT_TRUE(panel_.header(s)->isVisible()) << s;
    EXPECT_FALSE(panel_.header(P::SecondCalibrationSection)->isVisible());
    EXPECT_FALSE(panel_.header(P::IsothermSection)->isVisible());
}

// A sequence of panel operations and the pages open after it.
struct Scenario {
    const char* name;
    std::function<void(P&)> run;
    Sections open;
};

TEST_F(SidePanelTest, AccordionKeepsOnePageOpenAndTheTableOnItsOwn)
{
    const auto click = [](P& p, P::Section s) { p.header(s)->click(); };
    const Scenario scenarios[] = {
        {"one header opens its page", [&](P& p) { click(p, P::RulePropertySection); }, {P::RulePropertySection}},
        {"gain closes the rule property page",
         [&](P& p) {
             click(p, P::RulePropertySection);
             click(p, P::GainModelSection);
         },
         {P::GainModelSection}},
        {"closing gain again leaves all closed",
         [&](P& p) {
             click(p, P::RulePropertySection);
             click(p, P::GainModelSection);
             click(p, P::GainModelSection);
         },
         {}},
        {"the table toggles without closing a page",
         [&](P& p) {
             click(p, P::GlobalThermalSection);
             click(p, P::TemperResultSection);
         },
         {P::GlobalThermalSection, P::TemperResultSection}},
        {"the table closes on its own",
         [&](P& p) {
             click(p, P::TemperResultSection);
             click(p, P::GlobalThermalSection);
             click(p, P::TemperResultSection);
         },
         {P::GlobalThermalSection}},
        {"an accordion page leaves the table open",
         [&](P& p) {
             click(p, P::TemperResultSection);
             click(p, P::GainModelSection);
             click(p, P::GlobalThermalSection);
         },
         {P::TemperResultSection, P::GlobalThermalSection}},
        {"isotherm and second calibration take part in the accordion",
         [&](P& p) {
             click(p, P::RulePropertySection);
             p.setIsothermDlgShowSlots();
             p.setSecondCalibrationDlgShowSlot();
         },
         {P::SecondCalibrationSection}},
        {"hiding all closes every page",
         [&](P& p) {
             click(p, P::TemperResultSection);
             p.setIsothermDlgShowSlots();
             p.setAllDlgShowSlot(false);
         },
         {}},
        {"hiding all also closes the second calibration page",
         [&](P& p) {
             p.setSecondCalibrationDlgShowSlot();
             p.setAllDlgShowSlot(false);
         },
         {}},
        {"showing all opens the table and keeps the open page",
         [&](P& p) {
             click(p, P::GainModelSection);
             p.setAllDlgShowSlot(true);
         },
         {P::TemperResultSection, P::GainModelSection}},
        {"showing all keeps closed pages closed",
         [&](P& p) {
             p.setAllDlgShowSlot(false);
             p.setAllDlgShowSlot(true);
             p.setAllDlgShowSlot(true);
         },
         {P::TemperResultSection}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        P panel;
        s.run(panel);
        EXPECT_EQ(openPages(panel), s.open);
    }
}

TEST_F(SidePanelTest, ArrowSetsFollowTheMouse)
{
    QIconTextRBtn* header = panel_.header(P::GainModelSection);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(header, &enter);
    EXPECT_EQ(header->iconLabel()->styleSheet(), arrowStyle("downArrow_s"));
    header->click();
    EXPECT_EQ(header->iconLabel()->styleSheet(), arrowStyle("upArrow_n")) << "a new set starts in its normal state";
    QApplication::sendEvent(header, &enter);
    EXPECT_EQ(header->iconLabel()->styleSheet(), arrowStyle("upArrow_s"));
    header->setEnabled(false);
    header->setBtnState(QIconTextRBtn::SelectedState);
    EXPECT_EQ(header->iconLabel()->styleSheet(), arrowStyle("upArrow_n"));
}

// One relay: a call into the panel and the signal that must follow it, once,
// with the first argument given.
struct Relay {
    const char* name;
    const char* signal;  // SIGNAL() form
    std::function<void(P&)> call;
    QVariant first;  // invalid: the signal has no arguments
};

TEST_F(SidePanelTest, RelaySlotsReEmitWhatTheyGet)
{
    USBSDK_IsothermParams isotherm{};
    isotherm.on = 1;
    const Relay relays[] = {
        {"rule info", SIGNAL(sendUpdateRuleInfoSignals()), [](P& p) { p.setUpdateRuleInfoSlots(); }, {}},
        {"global info", SIGNAL(sendUpdateGlobalInfoSignales()), [](P& p) { p.setUpdateGlobalInfoSlots(); }, {}},
        {"colorization", SIGNAL(sendColorizationChangeSignal(bool, int)),
         [](P& p) { p.setColorizationChangeSlot(true, 5); }, true},
        {"isotherm status", SIGNAL(sendGetIsothermStatusSignal()), [](P& p) { p.sendGetIsothermStatusSlot(); }, {}},
        {"isotherm", SIGNAL(sendSetIsothermFuncSignal(int, USBSDK_IsothermParams)),
         [&](P& p) { p.setIsothermFuncSlot(3, isotherm); }, 3},
        {"refresh time", SIGNAL(sendSetThermRefreshTimeSignal(int)), [](P& p) { p.setThermRefreshTimeSlot(1); }, 1},
        {"full screen", SIGNAL(sendFullScreenThermEnableSwitchSignal(bool)),
         [](P& p) { p.onFullScreenThermEnableSwitchSlot(true); }, true},
        {"gain mode", SIGNAL(sendSetGainModeSignal(int)), [](P& p) { p.setGainModeSlot(2); }, 2},
        {"selected row", SIGNAL(sendSelectedItemSignal(QString)),
         [](P& p) {
             p.showRuleResult(rule("R7", 7, 1.0f, 1.0f, 1.0f));
             p.resultTable()->ontemperRuleCellClicked(0, 2);
         },
         QString("R7")},
    };
    for (const Relay& r : relays) {
        SCOPED_TRACE(r.name);
        P panel;
        QSignalSpy spy(&panel, r.signal);
        ASSERT_TRUE(spy.isValid());
        r.call(panel);
        ASSERT_EQ(spy.count(), 1);
        if (r.first.isValid()) {
            EXPECT_EQ(spy.at(0).at(0), r.first);
        }
    }

    QSignalSpy isoSpy(&panel_, SIGNAL(sendSetIsothermFuncSignal(int, USBSDK_IsothermParams)));
    panel_.setIsothermFuncSlot(4, isotherm);
    ASSERT_EQ(isoSpy.count(), 1);
    EXPECT_EQ(isoSpy.at(0).at(1).value<USBSDK_IsothermParams>().on, 1);

    // Gain results reach the gain page: the mode the camera runs.
    panel_.getGainModeRetSlot(true, 1);
    EXPECT_EQ(panel_.gainPage()->cameraGainMode(), 1);
    EXPECT_TRUE(panel_.gainPage()->modeButton(1)->isChecked());
    panel_.setGainModeRetSlot(true, 0);
    EXPECT_EQ(panel_.gainPage()->cameraGainMode(), 0);
}

TEST_F(SidePanelTest, ResultsDeletionsAndSelectionsReachTheTable)
{
    setTemperUnit(0);
    QTableWidget* table = panel_.resultTable()->table();
    panel_.showRuleResult(rule("G", 0, 40.0f, 10.0f, 25.0f));
    panel_.showRuleResult(rule("R1", 5, 35.0f, 21.0f, 28.0f));
    panel_.showRuleResultUnavailable(rule("R2", 6, 0.0f, 0.0f, 0.0f));
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(1, 2)->text(), "35.0℃");
    EXPECT_EQ(table->item(2, 2)->text(), "N/A");

    panel_.setItemSelectSlots(6);
    EXPECT_TRUE(table->item(2, 1)->isSelected());
    panel_.setItemDeleteSlots(5);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 1)->text(), "R2");
}

TEST_F(SidePanelTest, GlobalParametersBecomeTheLiveBlock)
{
    SIMCAM_Reset();
    USBSDK_Init();
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    ASSERT_GE(sdk.GetDevInfoList(list, 8), 1);
    ASSERT_TRUE(sdk.Open(&list[0]) && sdk.Connect());

    USBSDK_GlobalTemperParam param{};
    param.emissivity = 0.93f;
    param.distance = 2.5f;
    param.reflectedTemp = 21.0f;
    param.ambientTemp = 23.0f;
    param.humidity = 55;
    panel_.setGlobalTemperParam(param);
    const std::optional<USBSDK_GlobalTemperParam> stored = ThermalImageData::getInstance().getDevGlobalRuleConfig();
    sdk.Close();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(std::memcmp(&*stored, &param, sizeof param), 0);

    // Pages that are not built yet: nothing to do, nothing breaks.
    panel_.refreshRuleParam();
    panel_.resetRefreshTime();
    USBSDK_IsothermParams isotherm{};
    panel_.getIsothermStatusRetSlot(true, isotherm, 3);
    panel_.setIsothermStatusRetSlot(true);
}

TEST_F(SidePanelTest, LanguageSwitchRelabelsTheHeaders)
{
    panel_.show();
    {
        MarkingTranslator marking("QPreviewModuleWidget");
        EXPECT_EQ(panel_.windowTitle(), "<Form>");
        EXPECT_EQ(panel_.header(P::TemperResultSection)->textLabel()->text(), "<TemperResult>");
        EXPECT_EQ(panel_.header(P::GainModelSection)->textLabel()->text(), "<GainModel>");
        EXPECT_EQ(panel_.header(P::RulePropertySection)->textLabel()->text(), "<Rule Property>");
        EXPECT_EQ(panel_.header(P::GlobalThermalSection)->textLabel()->text(), "<GlobalThermalSet>");
        EXPECT_EQ(panel_.header(P::SecondCalibrationSection)->textLabel()->text(), "<Second Calibration>");
        EXPECT_EQ(panel_.header(P::IsothermSection)->textLabel()->text(), "<Isotherm>");
    }
    EXPECT_EQ(panel_.header(P::RulePropertySection)->textLabel()->text(), "Rule Property");
    EXPECT_EQ(panel_.windowTitle(), "Form");
}

TEST(SidePanelArrows, ArrowImagesAreDrawnChevrons)
{
    const auto load = [](const char* name) {
        return QImage(QStringLiteral(":/Resource/Skin/%1.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage downN = load("downArrow_n"), downS = load("downArrow_s");
    const QImage upN = load("upArrow_n"), upS = load("upArrow_s");
    for (const QImage* image : {&downN, &downS, &upN, &upS}) {
        ASSERT_EQ(image->size(), QSize(20, 20));
        EXPECT_EQ(qAlpha(image->pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image->pixel(19, 19)), 0);
    }
    // Pointing down: ink at the tip below the middle; up: above it.
    EXPECT_GT(qAlpha(downN.pixel(10, 12)), 0);
    EXPECT_EQ(qAlpha(downN.pixel(10, 7)), 0);
    EXPECT_GT(qAlpha(upN.pixel(10, 7)), 0);
    EXPECT_EQ(qAlpha(upN.pixel(10, 12)), 0);
    // The hover and pressed look is the brighter accent.
    EXPECT_NE(downN, downS);
    EXPECT_NE(upN, upS);
    EXPECT_GT(qGreen(downS.pixel(10, 12)), qBlue(downS.pixel(10, 12)) + 60);
}

}  // namespace
