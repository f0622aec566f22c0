// The program-wide toast and its plain variant: icon by type, growth,
// placement over the main window, and the order in which timers hide them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <memory>

#include "FireTimer.h"
#include "HideTimer.h"
#include "QTimerMessageboxExWidget.h"
#include "QTimerMessageboxWidget.h"

namespace {

const QString kSuccess = ":/Resource/Skin/common_sucess.png";
const QString kFail = ":/Resource/Skin/common_fail.png";
const QString kInfo = ":/Resource/Skin/common_info.png";

int textWidth(QWidget* w, const QString& text)
{
    auto* label = w->findChild<QLabel*>("Label_FF_85");
    EXPECT_NE(label, nullptr);
    return label ? label->fontMetrics().horizontalAdvance(text) : 0;
}

// Each test owns the main window; the toast dies with it.
class ToastTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Frameless like the program's main window, so x() and y() are its
        // client origin.
        mainWindow = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        mainWindow->setGeometry(100, 200, 801, 601);
        QTimerMessageboxWidget::setMainWindow(mainWindow.get());
        toast = QTimerMessageboxWidget::getInstance();
    }
    void TearDown() override
    {
        mainWindow.reset();
        QTimerMessageboxWidget::setMainWindow(nullptr);
    }

    std::unique_ptr<QWidget> mainWindow;
    QTimerMessageboxWidget* toast = nullptr;
};

}  // namespace

TEST_F(ToastTest, SingleInstanceOwnedByTheMainWindow)
{
    EXPECT_EQ(QTimerMessageboxWidget::getInstance(), toast);
    EXPECT_EQ(toast->parentWidget(), mainWindow.get());
    EXPECT_EQ(toast->objectName(), "TimerMessageboxWidget");
    EXPECT_EQ(toast->size(), QSize(450, 40));
    EXPECT_TRUE(toast->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(toast->iconPath(), kSuccess);

    QPointer<QTimerMessageboxWidget> old(toast);
    mainWindow.reset();
    EXPECT_TRUE(old.isNull());
    QTimerMessageboxWidget* fresh = QTimerMessageboxWidget::getInstance();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->parentWidget(), nullptr);
    delete fresh;
}

TEST_F(ToastTest, IconFollowsTypeAndOtherTypesKeepThePreviousOne)
{
    struct Step {
        int type;
        QString icon;
    };
    const Step steps[] = {{1, kFail}, {2, kFail}, {0, kSuccess}, {4, kSuccess}, {3, kInfo}, {-1, kInfo}, {1, kFail}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.type);
        toast->showMessage("Operate succeed", s.type, 1000);
        EXPECT_EQ(toast->iconPath(), s.icon);
    }
}

TEST_F(ToastTest, GrowsForLongTextsAndNeverShrinks)
{
    const QString shortText = "Save succeed";
    const QString longText = QString(80, QChar('W'));
    ASSERT_GT(1.2 * textWidth(toast, longText), 450);

    toast->showMessage(shortText, 0, 1000);
    EXPECT_EQ(toast->width(), 450);
    EXPECT_EQ(toast->findChild<QLabel*>("Label_FF_85")->text(), shortText);

    toast->showMessage(longText, 1, 1000);
    const int grown = static_cast<int>(1.2 * textWidth(toast, longText));
    EXPECT_EQ(toast->width(), grown);

    toast->showMessage(shortText, 0, 1000);
    EXPECT_EQ(toast->width(), grown);
    EXPECT_EQ(toast->height(), 40);
}

TEST_F(ToastTest, CentresOverTheMainWindowAsIfStill450By40)
{
    struct Case {
        QRect mainGeometry;
        QString text;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(100, 200, 801, 601), "Operate failed", QPoint(100 + 175, 200 + 280)},
        {QRect(0, 0, 1280, 720), "Operate failed", QPoint(415, 340)},
        // Grown wider: still placed by the 450 width.
        {QRect(0, 0, 1280, 720), QString(80, QChar('W')), QPoint(415, 340)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        mainWindow->setGeometry(c.mainGeometry);
        toast->showMessage(c.text, 0, 1000);
        EXPECT_EQ(toast->pos(), c.expected);
    }
}

TEST_F(ToastTest, WithoutMainWindowStaysWhereItWas)
{
    mainWindow.reset();
    QTimerMessageboxWidget::setMainWindow(nullptr);
    std::unique_ptr<QTimerMessageboxWidget> orphan(QTimerMessageboxWidget::getInstance());
    orphan->move(33, 44);
    orphan->showMessage("Operate succeed", 0, 1000);
    EXPECT_EQ(orphan->pos(), QPoint(33, 44));
    EXPECT_TRUE(orphan->isVisible());
}

TEST_F(ToastTest, EarliestTimerHidesARepeatedToast)
{
    toast->showMessage("Operate succeed", 0, 1000);
    QTimer* first = runningTimers(toast, kHideTimerName).value(0);
    ASSERT_NE(first, nullptr);
    toast->showMessage("Save succeed", 0, 1500);
    const QList<QTimer*> timers = runningTimers(toast, kHideTimerName);
    ASSERT_EQ(timers.size(), 2) << "the repeat keeps the first timer running";
    EXPECT_EQ(timers[0], first);
    EXPECT_EQ(timers[0]->interval(), 1000);
    EXPECT_EQ(timers[1]->interval(), 1500);
    EXPECT_TRUE(toast->isVisible());
    // The first timer runs out while the second toast still has time left.
    fireTimer(first);
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(runningTimers(toast, kHideTimerName), QList<QTimer*>{timers[1]});
}

TEST(TimerMessageboxExWidget, ShowsAtThePointAndHidesAfterItsTime)
{
    QWidget owner;
    owner.resize(400, 300);
    auto* notice = new QTimerMessageboxExWidget(&owner);
    owner.show();
    EXPECT_EQ(notice->objectName(), "TimerMessageboxWidget");
    EXPECT_EQ(notice->height(), 30);
    notice->hide();

    const int before = notice->width();
    const QString text = "Cannot be empty";
    notice->showMessage(text, QPoint(30, 40), 200);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->pos(), QPoint(30, 40));
    EXPECT_EQ(notice->findChild<QLabel*>("Label_FF_85")->text(), text);
    EXPECT_EQ(notice->width(), std::max(before, static_cast<int>(1.2 * textWidth(notice, text))));

    const QString longText = QString(60, QChar('W'));
    notice->showMessage(longText, QPoint(5, 5), 200);
    const int grown = static_cast<int>(1.2 * textWidth(notice, longText));
    EXPECT_EQ(notice->width(), std::max(before, grown));
    notice->showMessage(text, QPoint(5, 5), 200);
    EXPECT_EQ(notice->width(), std::max(before, grown));

    const QList<QTimer*> timers = runningTimers(notice, kHideTimerName);
    ASSERT_EQ(timers.size(), 3) << "one per showing";
    for (QTimer* t : timers) EXPECT_EQ(t->interval(), 200);
    fireTimer(timers[0]);
    EXPECT_FALSE(notice->isVisible());
}
