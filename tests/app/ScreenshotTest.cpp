// The main window as a user first sees it, in Chinese and in English, saved
// as PNG files for a look (CI runs this under Xvfb). Checks what a glance
// would: the fixed size, the navigation entries in order and in the
// language, the title, and a picture that is not blank.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "ConfigManager.h"
#include "MainWindow.h"
#include "QAboutDlg.h"
#include "QLoginSetting.h"
#include "QMessageboxDlg.h"
#include "QPasswordDlg.h"
#include "QCtrlModuleWidget.h"
#include "QIconTextCtrlBtn.h"
#include "QTitleWidget.h"
#include "ScreenshotPixels.h"
#include "StartUp.h"

namespace {

// The text an icon-and-text entry shows (its text label).
QString entryText(QWidget* entry)
{
    for (QLabel* label : entry->findChildren<QLabel*>())
        if (!label->text().isEmpty()) return label->text();
    return QString();
}

TEST(Screenshot, MainWindowInBothLanguages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    struct Language {
        int value;
        const char* file;
        const char16_t* live;
        const char16_t* settings;
    };
    const Language languages[] = {{0, "main_zh.png", u"视频预览", u"设置"}, {1, "main_en.png", u"Live", u"Settings"}};
    for (const Language& l : languages) {
        SCOPED_TRACE(l.file);
        ConfigManager::getInstance().setLanguage(l.value);
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        EXPECT_EQ(window.size(), QSize(1080, 720));
        EXPECT_EQ(window.titleWidget()->nameLabel()->text(), "Calidra V" CALIDRA_VERSION);

        QCtrlModuleWidget* nav = window.ctrlModule();
        EXPECT_EQ(entryText(nav->entry(0)), QString::fromUtf16(l.live));
        EXPECT_EQ(entryText(nav->entry(1)), QString::fromUtf16(l.settings));
        // Top to bottom: live, settings, image, correction, device, heat map
        // (calibration and advanced are hidden without a camera / password).
        int lastY = -1;
        for (int module : {0, 1, 3, 6, 2, 4}) {
            const int y = nav->entry(module)->mapTo(&window, QPoint(0, 0)).y();
            EXPECT_GT(y, lastY) << module;
            EXPECT_TRUE(nav->entry(module)->isVisible()) << module;
            lastY = y;
        }

        const QImage shot = window.grab().toImage();
        ASSERT_TRUE(shot.save(folder + "/" + l.file));
        EXPECT_GT(distinctColours(shot, QRect(0, 34, 74, 500)), 8) << "navigation icons and texts are drawn";
        EXPECT_GT(distinctColours(shot, QRect(0, 0, 400, 34)), 8) << "logo and name are drawn";

        // The dialogs of the shell, as they open over the window.
        const QString stem = QString(l.file).chopped(4);
        QAboutDlg about(&window);
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        EXPECT_TRUE(about.grab().toImage().save(folder + "/" + stem + "_about.png"));
        about.close();
        QPasswordDlg password(&window);
        password.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&password));
        EXPECT_TRUE(password.grab().toImage().save(folder + "/" + stem + "_password.png"));
        password.close();
        QMessageboxDlg box(&window);
        box.setMessageText(QCoreApplication::translate("QCtrlModuleWidget", "Device is sleeping"));
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_TRUE(box.grab().toImage().save(folder + "/" + stem + "_message.png"));
        box.close();
        QLoginSetting login(&window);
        login.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&login));
        EXPECT_TRUE(login.grab().toImage().save(folder + "/" + stem + "_connect.png"));
        login.close();
    }
}

}  // namespace
