// The settings module and its panel over the simulated camera: the three
// fold-out sections one open at a time, the lens section following the
// camera, every page request reaching the module under the same signature,
// every worker answer reaching the page that shows it, and the notices
// passing through.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "QFocusWidget.h"
#include "QIconTextRBtn.h"
#include "QSettingCtrl.h"
#include "QSettingModule.h"
#include "QSettingsDlg.h"
#include "QUpdate.h"
#include "SettingRelays.h"
#include "SimCamera.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using C = QSettingCtrl;

class SettingsPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        module_ = std::make_unique<QSettingModule>();
        module_->resize(254, 895);
        panel_ = module_->panel();
    }
    void TearDown() override
    {
        module_.reset();
        DeviceSdkWrapper::getInstance().Close();
    }

    // Which pages are open: settings, update, focus.
    QVector<bool> openPages() const
    {
        return {!panel_->settingsPage()->isHidden(), !panel_->updatePage()->isHidden(),
                !panel_->focusPage()->isHidden()};
    }
    bool focusHeaderShown() const { return !panel_->sections().header(C::FocusSection)->isHidden(); }
    void click(C::Section s) { panel_->sections().header(s)->click(); }

    FakeUiPrompts prompts_;
    std::unique_ptr<QSettingModule> module_;
    QSettingCtrl* panel_ = nullptr;
};

TEST_F(SettingsPanelTest, NewPanelOpensTheSettingsPageOnly)
{
    EXPECT_EQ(panel_->objectName(), "HotImageCtrl");
    EXPECT_EQ(openPages(), (QVector<bool>{true, false, false}));
    EXPECT_FALSE(focusHeaderShown());
    EXPECT_EQ(panel_->currentPageId(), C::SettingsPageId);
    for (int s = 0; s < 3; ++s) EXPECT_FALSE(panel_->sections().isOpen(s)) << "all headers start closed";
    const QStringList texts = {panel_->sections().header(0)->textLabel()->text(), panel_->sections().header(1)->textLabel()->text(),
                               panel_->sections().header(2)->textLabel()->text()};
    EXPECT_EQ(texts, (QStringList{"Settings", "VersionUpdate", "Focus"}));
    EXPECT_FALSE(module_->isUpdating());
}

TEST_F(SettingsPanelTest, SectionsOpenOneAtATimeAndClosingKeepsTheCurrentId)
{
    struct Step {
        C::Section clicked;
        QVector<bool> open;
        int pageId;
    };
    const Step steps[] = {
        // The settings page is open but its header shows the closed arrows:
        // the first click closes it.
        {C::SettingsSection, {false, false, false}, C::SettingsPageId},
        {C::UpdateSection, {false, true, false}, C::UpdatePageId},
        {C::FocusSection, {false, false, true}, C::FocusPageId},
        {C::FocusSection, {false, false, false}, C::FocusPageId},
        {C::SettingsSection, {true, false, false}, C::SettingsPageId},
        {C::UpdateSection, {false, true, false}, C::UpdatePageId},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(int(s.clicked));
        click(s.clicked);
        EXPECT_EQ(openPages(), s.open);
        EXPECT_EQ(panel_->currentPageId(), s.pageId);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(panel_->sections().isOpen(i), s.open[i]) << i;
    }
}

TEST_F(SettingsPanelTest, OpeningARefreshesItsPage)
{
    ASSERT_TRUE(simcamera::openFirst());
    QSignalSpy flipRead(module_.get(), &QSettingModule::sendGetImageFlipModeSignal);
    QSignalSpy focusRead(module_.get(), &QSettingModule::sendGetFocusModeSignal);
    click(C::FocusSection);
    EXPECT_EQ(focusRead.count(), 1);
    click(C::UpdateSection);
    EXPECT_EQ(flipRead.count() + focusRead.count(), 1) << "the update page has no refresh";
    click(C::SettingsSection);
    EXPECT_EQ(flipRead.count(), 1);
    click(C::SettingsSection);
    EXPECT_EQ(flipRead.count(), 1) << "closing refreshes nothing";
}

TEST_F(SettingsPanelTest, TheLensSectionFollowsTheCamera)
{
    QSignalSpy focusRead(module_.get(), &QSettingModule::sendGetFocusModeSignal);
    // A cooled camera offers the lens section.
    setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
    ASSERT_TRUE(simcamera::openFirst());
    module_->updateFocusBtnVisible();
    EXPECT_TRUE(focusHeaderShown());
    click(C::FocusSection);
    ASSERT_EQ(openPages(), (QVector<bool>{false, false, true}));
    ASSERT_EQ(focusRead.count(), 1);

    // The camera gone while the lens page is current: back to the settings
    // page, refreshed (its controls off without a camera), lens hidden.
    DeviceSdkWrapper::getInstance().Close();
    module_->updateFocusBtnVisible();
    EXPECT_EQ(openPages(), (QVector<bool>{true, false, false}));
    EXPECT_EQ(panel_->currentPageId(), C::SettingsPageId);
    EXPECT_FALSE(focusHeaderShown());
    EXPECT_FALSE(panel_->settingsPage()->imageFlipCombo()->isEnabled());
    EXPECT_EQ(focusRead.count(), 1);
}

TEST_F(SettingsPanelTest, AnOpenLensPageStaysForAnUncooledCamera)
{
    setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
    ASSERT_TRUE(simcamera::openFirst());
    module_->updateFocusBtnVisible();
    click(C::FocusSection);
    DeviceSdkWrapper::getInstance().Close();
    setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 0; });
    ASSERT_TRUE(simcamera::openFirst());
    QSignalSpy focusRead(module_.get(), &QSettingModule::sendGetFocusModeSignal);
    module_->updateFocusBtnVisible();
    EXPECT_FALSE(focusHeaderShown());
    EXPECT_EQ(openPages(), (QVector<bool>{false, false, true}));
    EXPECT_EQ(focusRead.count(), 1) << "the current page is refreshed";
}

// The requests of a page, by signal name.
QStringList requestNames(bool focusPage)
{
    QStringList names;
#define CALIDRA_NAME(name) names << QStringLiteral(#name);
    if (focusPage) {
        CALIDRA_FOCUS_PAGE_REQUESTS(CALIDRA_NAME)
    } else {
        CALIDRA_SETTINGS_PAGE_REQUESTS(CALIDRA_NAME)
    }
#undef CALIDRA_NAME
    return names;
}

QMetaMethod signalNamed(const QObject* object, const QString& name)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && QString::fromLatin1(m.name()) == name) return m;
    }
    return {};
}

TEST_F(SettingsPanelTest, EveryPageRequestLeavesTheModuleUnderItsSignature)
{
    for (bool focusPage : {false, true}) {
        QObject* page = focusPage ? static_cast<QObject*>(panel_->focusPage()) : panel_->settingsPage();
        for (const QString& name : requestNames(focusPage)) {
            SCOPED_TRACE(name.toStdString());
            const QMetaMethod sent = signalNamed(page, name);
            ASSERT_TRUE(sent.isValid()) << "the page sends it";
            const QMetaMethod relayed = signalNamed(module_.get(), name);
            ASSERT_TRUE(relayed.isValid()) << "the module offers it";
            ASSERT_EQ(sent.methodSignature(), relayed.methodSignature());
            QSignalSpy spy(module_.get(), QByteArray("2" + relayed.methodSignature()).constData());
            bool invoked = false;
            switch (sent.parameterCount()) {
            case 0: invoked = sent.invoke(page, Qt::DirectConnection); break;
            case 1: invoked = sent.invoke(page, Qt::DirectConnection, Q_ARG(int, 7)); break;
            case 2: invoked = sent.invoke(page, Qt::DirectConnection, Q_ARG(int, 7), Q_ARG(int, 8)); break;
            }
            ASSERT_TRUE(invoked);
            ASSERT_EQ(spy.count(), 1);
            const QList<QVariant> args = spy.takeFirst();
            for (int i = 0; i < args.size(); ++i) EXPECT_EQ(args.at(i).toInt(), 7 + i);
        }
    }
}

TEST_F(SettingsPanelTest, EveryAnswerReachesThePageThatShowsIt)
{
    QSettingModule* m = module_.get();
    QSignalSpy flipShown(m, &QSettingModule::sendFlipChangedStateSignal);
    auto lastNotice = [&] { return prompts_.last(Kind::Notice).text; };
    auto lastToast = [&] { return prompts_.last(Kind::Toast).text; };
    struct Row {
        const char* answer;
        std::function<void()> send;
        std::function<QString()> seen;
        QString expected;
    };
    const Row rows[] = {
        {"read flip", [&] { emit m->sendGetImageFlipModeRetSignal(true, 2); },
         [&] { return QString::number(flipShown.isEmpty() ? -1 : flipShown.last().at(0).toInt()); }, "2"},
        {"read cross cursor", [&] { emit m->sendGetCrossCursorRetSignal(true, 1, 2); },
         [&] { return panel_->settingsPage()->crossCursorCombo()->currentText(); },
         "Red"},
        {"reboot", [&] { emit m->sendRebootDeviceRetSignal(false); }, lastNotice, "Failed to reboot device"},
        {"restore", [&] { emit m->sendRestoreDeviceRetSignal(false); }, lastNotice, "Failed to restore device"},
        {"output switch", [&] { emit m->sendOutputModeSwitchRetSignal(false); }, lastNotice,
         "Output Mode Switch Failed"},
        {"read output", [&] { emit m->sendGetOutputModeRetSignal(false, 0); }, lastNotice,
         "Failed to get Output Mode"},
        {"super resolution", [&] { emit m->sendSetSuperResolutionModeRetSignal(false); }, lastNotice,
         "Failed to switch super resolution mode."},
        {"read super resolution", [&] { emit m->sendGetSuperResolutionModeRetSignal(false, 0); }, lastNotice,
         "Failed to get Super Resolution Mode"},
        {"raw type", [&] { emit m->sendSetThermalRawTypeRetSignal(false); }, lastToast, "Operate failed"},
        {"read raw type", [&] { emit m->sendGetThermalRawTypeRetSignal(false, 0); }, lastNotice,
         "Failed to get Thermal Raw Type"},
        {"set flip", [&] {
             panel_->settingsPage()->imageFlipCombo()->setCurrentIndex(3);
             emit m->sendSetImageFlipModeRetSignal(true);
         },
         [&] { return QString::number(flipShown.last().at(0).toInt()); }, "3"},
        {"read focus mode", [&] { emit m->sendGetFocusModeRetSignal(false, 0); }, lastNotice,
         "Failed to get focus mode."},
        {"lens command", [&] {
             prompts_.clear();
             emit m->sendSetFocusFuncRetSignal(false);
         },
         lastToast, "Operate failed"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer);
        r.send();
        EXPECT_EQ(r.seen(), r.expected);
    }
}

TEST_F(SettingsPanelTest, NoticesPassThroughTheModule)
{
    QSignalSpy title(module_.get(), &QSettingModule::sendTitleStatusChangeSignals);
    QSignalSpy reconnect(module_.get(), &QSettingModule::ReconnectDeviceSignals);
    QSignalSpy restore(module_.get(), &QSettingModule::RestoreDeviceSignals);
    emit panel_->updatePage()->sendTitleStatusChangeSignals();
    emit panel_->settingsPage()->ReconnectDeviceSignals();
    emit panel_->settingsPage()->RestoreDeviceSignals();
    EXPECT_EQ(title.count(), 1);
    EXPECT_EQ(reconnect.count(), 1);
    EXPECT_EQ(restore.count(), 1);
}

TEST_F(SettingsPanelTest, TheAdvancedEntryShowsTheOutputAndUsbRows)
{
    QWidget* output = panel_->settingsPage()->outputRow();
    QWidget* usbButton = panel_->updatePage()->updateButton(QUpdate::USBRow);
    QWidget* combinedButton = panel_->updatePage()->updateButton(QUpdate::CombinedRow);
    ASSERT_TRUE(output && usbButton && combinedButton);
    for (bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        module_->setUSBUpdateShowSlots(shown);
        EXPECT_EQ(!output->isHidden(), shown);
        EXPECT_EQ(!usbButton->isHidden(), shown);
        EXPECT_EQ(!combinedButton->isHidden(), shown);
    }
}

TEST_F(SettingsPanelTest, TheModuleTellsARunningUpdate)
{
    panel_->updatePage()->setUpdating(true);
    EXPECT_TRUE(module_->isUpdating());
    panel_->updatePage()->setUpdating(false);
    EXPECT_FALSE(module_->isUpdating());
}

TEST_F(SettingsPanelTest, LanguageChangeRetranslatesTheHeaders)
{
    TaggingTranslator tagging;
    QCoreApplication::installTranslator(&tagging);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(panel_, &change);
    const QStringList texts = {panel_->sections().header(0)->textLabel()->text(), panel_->sections().header(1)->textLabel()->text(),
                               panel_->sections().header(2)->textLabel()->text()};
    const QString title = panel_->windowTitle();
    QCoreApplication::removeTranslator(&tagging);
    EXPECT_EQ(texts, (QStringList{"QSettingCtrl|Settings", "QSettingCtrl|VersionUpdate", "QSettingCtrl|Focus"}));
    EXPECT_EQ(title, "QSettingCtrl|QSettingCtrl");
}

}  // namespace
