// The live grey-level histogram: the counting of the Y samples on the
// dialog's own thread, frames of any size, one pending frame at a time, and
// the chart, its axes, tooltip, window and dragging.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include <memory>

#include "MetaTypes.h"
#include "QHistogramCount.h"
#include "QVideoHistogram.h"

using namespace QtCharts;

namespace {

// A frame whose Y samples are ys (one per pixel) and whose U and V bytes are
// all chroma, so that counting them by mistake would show.
FramePtr frameOf(int w, int h, const std::vector<uint8_t>& ys, uint8_t chroma = 200)
{
    auto frame = std::make_shared<LiveFrame>();
    frame->width = w;
    frame->height = h;
    frame->yuv.assign(size_t(w) * h * 2, chroma);
    for (size_t i = 0; i < ys.size(); ++i) frame->yuv[2 * i + 1] = ys[i];
    return frame;
}

// The counts as (level, count) pairs that are not zero.
QMap<int, qreal> nonZero(const QList<qreal>& counts)
{
    QMap<int, qreal> out;
    for (int i = 0; i < counts.size(); ++i)
        if (counts[i] != 0) out.insert(i, counts[i]);
    return out;
}

class Histogram : public ::testing::Test {
protected:
    // The program registers its queued types at start-up.
    static void SetUpTestSuite() { registerQueuedTypes(); }

    // Waits for the worker's next result (the wait bounds a broken test,
    // it is not a timing check).
    QList<QVariant> nextResult(QSignalSpy& spy)
    {
        if (spy.isEmpty()) {
            EXPECT_TRUE(spy.wait(10000));
        }
        return spy.isEmpty() ? QList<QVariant>() : spy.takeFirst();
    }

    // A frame as the frame worker sends it, with its size.
    void feed(const FramePtr& frame) { dlg.getYUVDataSlot(frame, frame ? frame->width : 0, frame ? frame->height : 0); }

    QVideoHistogram dlg;
};

}  // namespace

TEST(HistogramCount, CountsTheOddBytesOnly)
{
    const struct {
        int w, h;
        std::vector<uint8_t> ys;
        QMap<int, qreal> counts;
        uint largest;
    } cases[] = {
        {2, 2, {0, 0, 0, 0}, {{0, 4}}, 4},
        {3, 1, {7, 255, 7}, {{7, 2}, {255, 1}}, 2},
        // Ties: the first largest count.
        {2, 2, {9, 3, 9, 3}, {{3, 2}, {9, 2}}, 2},
    };
    for (const auto& c : cases) {
        FramePtr f = frameOf(c.w, c.h, c.ys, 100);
        uint largest = 99;
        const QList<qreal> counts = QHistogramCount::countGreyLevels(f->yuv.data(), c.w, c.h, &largest);
        ASSERT_EQ(counts.size(), 256);
        QMap<int, qreal> expected = c.counts;
        expected.insert(100, 0);  // chroma is not counted
        expected.remove(100);
        EXPECT_EQ(nonZero(counts), expected);
        EXPECT_EQ(largest, c.largest);
    }
    uint largest = 7;
    EXPECT_TRUE(QHistogramCount::countGreyLevels(nullptr, 2, 2, &largest).isEmpty());
    EXPECT_EQ(largest, 0u);
    const uint8_t byte = 0;
    EXPECT_TRUE(QHistogramCount::countGreyLevels(&byte, 0, 2, nullptr).isEmpty());
}

TEST(HistogramCount, TakesOnlyTheNewestPendingFrame)
{
    auto mailbox = std::make_shared<FrameMailbox>();
    QHistogramCount worker(mailbox);
    QSignalSpy results(&worker, &QHistogramCount::sendCalculateYConutRetSignal);
    EXPECT_TRUE(mailbox->put(frameOf(1, 1, {10})));
    EXPECT_FALSE(mailbox->put(frameOf(1, 2, {20, 20})));
    worker.setCalculateYConutSlot();
    ASSERT_EQ(results.count(), 1);
    EXPECT_EQ(nonZero(results.at(0).at(0).value<QList<qreal>>()), (QMap<int, qreal>{{20, 2}}));
    EXPECT_EQ(results.at(0).at(1).toUInt(), 2u);
    // Nothing pending, nothing reported.
    worker.setCalculateYConutSlot();
    EXPECT_EQ(results.count(), 1);
}

TEST_F(Histogram, IsAFixedFramelessWindowWithItsTitle)
{
    EXPECT_EQ(dlg.size(), QSize(640, 360));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dlg.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(dlg.styleSheet(), "QWidget{background-color:#404138;};");
    EXPECT_EQ(dlg.titleLabel()->text(), "Y-Histogram count");
    EXPECT_EQ(dlg.windowTitle(), "Y-Histogram count");
    EXPECT_NE(dlg.worker()->thread(), dlg.thread());
    EXPECT_TRUE(dlg.worker()->thread()->isRunning());
}

TEST_F(Histogram, TitleFollowsTheLanguage)
{
    struct Tagging : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            return QString("%1|%2").arg(context, source);
        }
    } translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(dlg.titleLabel()->text(), "QVideoHistogram|Y-Histogram count");
    EXPECT_EQ(dlg.windowTitle(), "QVideoHistogram|Y-Histogram count");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(dlg.titleLabel()->text(), "Y-Histogram count");
}

TEST_F(Histogram, ChartIsSetUpWithItsAxes)
{
    QChart* chart = dlg.chart();
    EXPECT_EQ(chart->margins(), QMargins(24, 12, 12, 12));
    EXPECT_FALSE(chart->isBackgroundVisible());
    EXPECT_EQ(dlg.chartView()->styleSheet(), "QGraphicsView{background-color:transparent;}");
    EXPECT_TRUE(dlg.chartView()->renderHints() & QPainter::Antialiasing);
    const struct {
        QValueAxis* axis;
        int ticks;
    } axes[] = {{dlg.axisX(), 15}, {dlg.axisY(), 5}};
    for (const auto& a : axes) {
        EXPECT_TRUE(chart->axes().contains(a.axis));
        EXPECT_EQ(a.axis->tickCount(), a.ticks);
        EXPECT_EQ(a.axis->labelFormat(), "%d");
        EXPECT_EQ(a.axis->labelsColor(), QColor(Qt::white));
        EXPECT_FALSE(a.axis->isGridLineVisible());
    }
    EXPECT_EQ(dlg.axisX()->min(), 0);
    EXPECT_EQ(dlg.axisX()->max(), 255);
    EXPECT_EQ(chart->axes(Qt::Horizontal).value(0), dlg.axisX());
    EXPECT_EQ(chart->axes(Qt::Vertical).value(0), dlg.axisY());
}

TEST_F(Histogram, ResultBecomesOneBarSeriesScaledToTheLargestCount)
{
    QList<qreal> counts;
    for (int i = 0; i < 256; ++i) counts << (i % 7);
    counts[17] = 5;
    counts[200] = 900;
    dlg.setCalculateYConutRetSlot(counts, 900);
    dlg.setCalculateYConutRetSlot(counts, 900);  // replaces, never adds

    ASSERT_EQ(dlg.chart()->series().size(), 1);
    auto* series = qobject_cast<QBarSeries*>(dlg.chart()->series().at(0));
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series, dlg.barSeries());
    ASSERT_EQ(series->count(), 1);
    QBarSet* set = series->barSets().at(0);
    EXPECT_EQ(set->label(), QString());
    EXPECT_EQ(set->color(), QColor("#C7DB55"));
    EXPECT_EQ(set->borderColor(), QColor("#C7DB55"));
    ASSERT_EQ(set->count(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(set->at(i), counts[i]) << i;
    EXPECT_EQ(series->attachedAxes().size(), 2);
    EXPECT_EQ(dlg.axisY()->min(), 0);
    EXPECT_EQ(dlg.axisY()->max(), 900);
    EXPECT_EQ(dlg.axisX()->min(), 0);
    EXPECT_EQ(dlg.axisX()->max(), 255);

    dlg.setCalculateYConutRetSlot(QList<qreal>(counts.begin(), counts.end()), 40);
    EXPECT_EQ(dlg.axisY()->max(), 40);
}

TEST_F(Histogram, HoverShowsTheBarsLevelAndCount)
{
    EXPECT_EQ(QVideoHistogram::barToolTip(17, 5), "Y: 17\nCount: 5");
    EXPECT_EQ(QVideoHistogram::barToolTip(0, 327680), "Y: 0\nCount: 327680");

    QList<qreal> counts;
    for (int i = 0; i < 256; ++i) counts << 0;
    counts[17] = 5;
    dlg.show();
    dlg.setCalculateYConutRetSlot(counts, 5);
    QBarSet* set = dlg.barSeries()->barSets().at(0);
    emit dlg.barSeries()->hovered(true, 17, set);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Y: 17\nCount: 5");
    emit dlg.barSeries()->hovered(false, 17, set);
    // The tooltip fades out.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 10000));
}

TEST_F(Histogram, FramesOfTwoSizesBothCountWhole)
{
    dlg.show();
    QSignalSpy results(dlg.worker(), &QHistogramCount::sendCalculateYConutRetSignal);

    feed(frameOf(2, 1, {10, 20}));
    QList<QVariant> r = nextResult(results);
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(nonZero(r.at(0).value<QList<qreal>>()), (QMap<int, qreal>{{10, 1}, {20, 1}}));

    // Larger than the first frame: every pixel counts.
    feed(frameOf(4, 3, {0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 255, 255}));
    r = nextResult(results);
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(nonZero(r.at(0).value<QList<qreal>>()), (QMap<int, qreal>{{0, 1}, {1, 2}, {2, 3}, {3, 4}, {255, 2}}));
    EXPECT_EQ(r.at(1).toUInt(), 4u);

    // All Y = 0: one bar of width x height.
    feed(frameOf(8, 6, std::vector<uint8_t>(48, 0)));
    r = nextResult(results);
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(nonZero(r.at(0).value<QList<qreal>>()), (QMap<int, qreal>{{0, 48}}));

    // The result reaches the chart.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.axisY()->max() == 48.0; }, 10000));
    EXPECT_EQ(dlg.barSeries()->barSets().at(0)->at(0), 48);
}

TEST_F(Histogram, HiddenDialogCountsNothing)
{
    QSignalSpy wakeUps(&dlg, &QVideoHistogram::sendCalculateYConutSignal);
    feed(frameOf(2, 1, {10, 20}));
    EXPECT_EQ(wakeUps.count(), 0);
    dlg.show();
    feed(nullptr);
    auto shortFrame = std::make_shared<LiveFrame>();
    shortFrame->width = 4;
    shortFrame->height = 4;
    shortFrame->yuv.assign(10, 0);
    feed(shortFrame);
    feed(frameOf(0, 0, {}));
    dlg.getYUVDataSlot(frameOf(2, 1, {10, 20}), 4, 1);  // not the size it says
    EXPECT_EQ(wakeUps.count(), 0);
}

TEST_F(Histogram, ABusyWorkerGetsOnlyTheNewestFrame)
{
    dlg.show();
    QSignalSpy wakeUps(&dlg, &QVideoHistogram::sendCalculateYConutSignal);
    QSignalSpy results(dlg.worker(), &QHistogramCount::sendCalculateYConutRetSignal);

    // Hold the worker's thread until three frames have arrived.
    QSemaphore started, release;
    QMetaObject::invokeMethod(dlg.worker(), [&] {
        started.release();
        release.acquire();
    });
    started.acquire();
    feed(frameOf(1, 1, {1}));
    feed(frameOf(1, 1, {2}));
    feed(frameOf(2, 1, {3, 3}));
    EXPECT_EQ(wakeUps.count(), 1);
    release.release();

    const QList<QVariant> r = nextResult(results);
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(nonZero(r.at(0).value<QList<qreal>>()), (QMap<int, qreal>{{3, 2}}));
    // Let anything else queued run: nothing more is counted.
    QMetaObject::invokeMethod(dlg.worker(), [&] { started.release(); });
    started.acquire();
    QCoreApplication::processEvents();
    EXPECT_EQ(results.count(), 0);
}

TEST_F(Histogram, DragsByItsTitleOnly)
{
    dlg.move(100, 100);
    dlg.show();
    const QPoint start = dlg.pos();
    const QPoint inTitle = dlg.titleArea()->geometry().center() - QPoint(100, 0);
    QTest::mousePress(&dlg, Qt::LeftButton, {}, inTitle);
    EXPECT_TRUE(dlg.isDragging());
    EXPECT_EQ(dlg.cursor().shape(), Qt::SizeAllCursor);
    QMouseEvent move(QEvent::MouseMove, inTitle + QPoint(30, 20), dlg.mapToGlobal(inTitle + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &move);
    EXPECT_EQ(dlg.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(&dlg, Qt::LeftButton, {}, inTitle + QPoint(30, 20));
    EXPECT_FALSE(dlg.isDragging());
    EXPECT_EQ(dlg.cursor().shape(), Qt::ArrowCursor);

    const QPoint moved = dlg.pos();
    QTest::mousePress(&dlg, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(dlg.isDragging());
    EXPECT_EQ(dlg.cursor().shape(), Qt::ArrowCursor);
    QCoreApplication::sendEvent(&dlg, &move);
    EXPECT_EQ(dlg.pos(), moved);
}

TEST_F(Histogram, CloseButtonClosesIt)
{
    dlg.show();
    QTest::mouseClick(dlg.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
}
