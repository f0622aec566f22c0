// The video window: its two display modes, the RGB picture with its fit and
// wheel zoom, bad-pixel and bad-column marking through the context menu and
// the table slots with the signals they emit, full screen, and its texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QPainter>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>

#include <cmath>

#include "BadPixelColItem.h"
#include "BadPixelItem.h"
#include "FakeUiPrompts.h"
#include "ImageOrientation.h"
#include "MarkerWidthGuard.h"
#include "QVideoPlay.h"
#include "QVideoWndWidget.h"
#include "VideoSurface.h"

namespace {

constexpr int kImageW = 160;
constexpr int kImageH = 120;

// Translates every text to "context|source".
class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

QImage picture(int w = kImageW, int h = kImageH)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(QColor(90, 90, 90));
    return image;
}

class VideoWnd : public ::testing::Test {
protected:
    VideoWnd() { gVideoHeight = kImageH; }
    ~VideoWnd() override { gVideoHeight = 0; }

    // The window shown at a size, in picture mode with one picture fitted.
    void showPicture(QSize size)
    {
        show(size);
        wnd.setDisplayMode(false);
        wnd.layout()->activate();
        wnd.setShowImageSlot(picture(), kImageW, kImageH);
    }
    QWidget* viewport() const { return wnd.graphicsView()->viewport(); }
    QPoint viewPoint(QPointF scenePos) const { return wnd.graphicsView()->mapFromScene(scenePos); }
    // A right press on the view at a scene point; the menu opens there.
    void rightPressAt(QPointF scenePos) { QTest::mousePress(viewport(), Qt::RightButton, {}, viewPoint(scenePos)); }
    void leftClickAt(QPointF scenePos) { QTest::mouseClick(viewport(), Qt::LeftButton, {}, viewPoint(scenePos)); }
    void closeMenu() { wnd.contextMenu()->hide(); }
    // Marks through the menu, as the user does.
    void addPixelAt(QPointF scenePos)
    {
        rightPressAt(scenePos);
        closeMenu();
        wnd.menuAction(QVideoWndWidget::kAddBP)->trigger();
    }
    void addColumnAt(QPointF scenePos)
    {
        rightPressAt(scenePos);
        closeMenu();
        wnd.menuAction(QVideoWndWidget::kAddBPCol)->trigger();
    }
    void wheel(int steps, QPoint at)
    {
        for (int i = 0; i < std::abs(steps); ++i) {
            QWheelEvent event(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, steps > 0 ? 120 : -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport(), &event);
        }
    }
    void wheel(int steps) { wheel(steps, viewport()->rect().center()); }

    // The window inside its page, as the live page holds it.
    void show(QSize size = {320, 240})
    {
        host.resize(size);
        wnd.resize(size);
        host.show();
    }
    // Paints every item, seen or not.
    void paintScene()
    {
        QImage image(wnd.graphicsScene()->sceneRect().size().toSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        wnd.graphicsScene()->render(&painter);
    }

    MarkerWidthGuard widths;
    FakeUiPrompts prompts;
    QWidget host;
    QVideoWndWidget& wnd = *new QVideoWndWidget(&host);
};

}  // namespace

TEST_F(VideoWnd, StartsInRenderedVideoModeWithItsParts)
{
    EXPECT_EQ(wnd.getDisplayMode(), 0);
    EXPECT_EQ(wnd.getVideoWnd()->objectName(), "VideoWndLabel");
    EXPECT_EQ(wnd.getVideoWnd()->parentWidget(), &wnd);
    EXPECT_EQ(wnd.graphicsView()->objectName(), "GraphicsView");
    EXPECT_TRUE(wnd.graphicsView()->isHidden());
    EXPECT_FALSE(wnd.getVideoWnd()->isHidden());
    EXPECT_EQ(wnd.windowFlags() & Qt::WindowType_Mask, Qt::SubWindow);
    EXPECT_EQ(wnd.layout()->contentsMargins(), QMargins(0, 0, 0, 0));
    EXPECT_EQ(wnd.layout()->spacing(), 0);

    QGraphicsView* view = wnd.graphicsView();
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view->dragMode(), QGraphicsView::ScrollHandDrag);
    EXPECT_EQ(view->backgroundBrush(), QBrush(Qt::black, Qt::SolidPattern));
    EXPECT_TRUE(view->renderHints() & QPainter::Antialiasing);

    const QStringList names = {"AddBP",       "DeleteBP",       "DeleteAllBP", "AddBPCol",
                               "DeleteBPCol", "DeleteAllBPCol", "ImageSize"};
    const auto actions = wnd.contextMenu()->actions();
    ASSERT_EQ(actions.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), names[i]);
        EXPECT_EQ(actions[i]->text(), names[i]);
    }
    EXPECT_EQ(wnd.windowTitle(), "QVideoWndWidget");
}

TEST_F(VideoWnd, TextsFollowTheLanguage)
{
    TaggingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(wnd.windowTitle(), "QVideoWndWidget|QVideoWndWidget");
    EXPECT_EQ(wnd.menuAction(QVideoWndWidget::kDeleteAllBPCol)->text(), "QVideoWndWidget|DeleteAllBPCol");
    EXPECT_EQ(wnd.menuAction(QVideoWndWidget::kImageSize)->text(), "QVideoWndWidget|ImageSize");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(wnd.menuAction(QVideoWndWidget::kImageSize)->text(), "ImageSize");
}

TEST_F(VideoWnd, DisplayModeSwitchesBetweenLabelAndView)
{
    show();
    wnd.setDisplayMode(false);
    EXPECT_EQ(wnd.getDisplayMode(), 1);
    EXPECT_TRUE(wnd.graphicsView()->isVisible());
    EXPECT_FALSE(wnd.getVideoWnd()->isVisible());
    wnd.setDisplayMode(true);
    EXPECT_EQ(wnd.getDisplayMode(), 0);
    EXPECT_FALSE(wnd.graphicsView()->isVisible());
    EXPECT_TRUE(wnd.getVideoWnd()->isVisible());
}

TEST_F(VideoWnd, SwitchingToVideoDropsMarkersAndPictureWithoutSignals)
{
    showPicture({400, 300});
    wnd.getAllBadPixelsRetSlot(true, 2, {5, 6}, {10, 20});
    wnd.getAllBadColsRetSlot(true, 1, {30});
    wheel(3);
    QSignalSpy deleted(&wnd, &QVideoWndWidget::sendDeleteBadPixelSignal);
    QSignalSpy cleared(&wnd, &QVideoWndWidget::sendClearBadPixelsSignal);
    QSignalSpy colDeleted(&wnd, &QVideoWndWidget::sendDeleteBadColSignal);
    QSignalSpy colCleared(&wnd, &QVideoWndWidget::sendClearBadColsSignal);

    wnd.setDisplayMode(true);
    EXPECT_TRUE(wnd.badPixels().isEmpty());
    EXPECT_TRUE(wnd.badCols().isEmpty());
    EXPECT_EQ(wnd.pixmapItem(), nullptr);
    EXPECT_TRUE(wnd.graphicsScene()->items().isEmpty());
    EXPECT_DOUBLE_EQ(wnd.viewScale(), 1.0);
    EXPECT_EQ(BadPixelItem::lineWidth(), 4);
    EXPECT_EQ(deleted.count() + cleared.count() + colDeleted.count() + colCleared.count(), 0);
}

TEST_F(VideoWnd, PictureIsFittedKeepingItsAspectRatio)
{
    const QSize sizes[] = {{400, 300}, {640, 300}, {200, 400}};
    for (QSize size : sizes) {
        SCOPED_TRACE(size.width());
        QVideoWndWidget w;
        w.resize(size);
        w.show();
        w.setDisplayMode(false);
        w.layout()->activate();
        w.setShowImageSlot(picture(), kImageW, kImageH);
        const QRect vp = w.graphicsView()->viewport()->rect();
        const double fit = std::min((vp.width() - 4.0) / kImageW, (vp.height() - 4.0) / kImageH);
        EXPECT_NEAR(w.graphicsView()->transform().m11(), fit, 1e-9);
        EXPECT_NEAR(w.graphicsView()->transform().m22(), fit, 1e-9);
        EXPECT_EQ(w.graphicsScene()->sceneRect(), QRectF(0, 0, kImageW, kImageH));
        EXPECT_DOUBLE_EQ(w.viewScale(), 1.0);
    }
}

TEST_F(VideoWnd, SameSizeKeepsTheZoomAndANewSizeFitsAgain)
{
    showPicture({400, 300});
    wheel(2);
    const double zoomed = wnd.graphicsView()->transform().m11();
    wnd.setShowImageSlot(picture(), kImageW, kImageH);
    EXPECT_DOUBLE_EQ(wnd.graphicsView()->transform().m11(), zoomed);
    EXPECT_NEAR(wnd.viewScale(), 1.21, 1e-9);

    wnd.setShowImageSlot(picture(80, 60), 80, 60);
    EXPECT_EQ(wnd.graphicsScene()->sceneRect(), QRectF(0, 0, 80, 60));
    EXPECT_DOUBLE_EQ(wnd.viewScale(), 1.0);
    EXPECT_EQ(wnd.pixmapItem()->pixmap().size(), QSize(80, 60));
}

TEST_F(VideoWnd, PictureIsTurnedBackToSensorOrientation)
{
    QImage image(2, 2, QImage::Format_RGB888);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::white);
    struct Case {
        int flip;
        QColor topLeft, topRight;
    };
    const Case cases[] = {{0, Qt::red, Qt::green},
                          {1, Qt::blue, Qt::white},
                          {2, Qt::green, Qt::red},
                          {3, Qt::white, Qt::blue},
                          {7, Qt::red, Qt::green}};
    for (const Case& c : cases) {
        const QImage out = ImageOrientation::apply(image, c.flip);
        EXPECT_EQ(out.pixelColor(0, 0), c.topLeft) << c.flip;
        EXPECT_EQ(out.pixelColor(1, 0), c.topRight) << c.flip;
    }
}

TEST_F(VideoWnd, MarkerWidthFollowsTheScale)
{
    const struct {
        double scale;
        int w;
    } cases[] = {{0.3, 4}, {1.0, 4}, {6.0, 4}, {6.2, 3}, {24.0, 1}, {30.0, 0}, {35.9, 0}, {36.0, -1}};
    for (const auto& c : cases) EXPECT_EQ(QVideoWndWidget::markerWidthForScale(c.scale), c.w) << c.scale;
}

TEST_F(VideoWnd, WheelZoomsInStepsOfTenPercentUpToThirty)
{
    showPicture({400, 300});
    const double fit = wnd.graphicsView()->transform().m11();
    const struct {
        int steps;
        double scale;
        int w;
    } stages[] = {{1, 1.1, 4}, {18, std::pow(1.1, 19), 3}, {17, std::pow(1.1, 36), 0}, {5, std::pow(1.1, 36), 0}};
    for (const auto& s : stages) {
        wheel(s.steps);
        EXPECT_NEAR(wnd.viewScale(), s.scale, 1e-9);
        EXPECT_NEAR(wnd.graphicsView()->transform().m11(), fit * s.scale, 1e-9);
        EXPECT_EQ(BadPixelItem::lineWidth(), s.w);
        EXPECT_EQ(BadPixelColItem::lineWidth(), s.w);
    }
    EXPECT_NEAR(wnd.viewScale(), 30.9, 0.02);
}

TEST_F(VideoWnd, WheelZoomsOutInStepsOfTenPercentDownToPointThree)
{
    showPicture({400, 300});
    wheel(-11);
    EXPECT_NEAR(wnd.viewScale(), std::pow(0.9, 11), 1e-9);
    wheel(-5);
    EXPECT_NEAR(wnd.viewScale(), std::pow(0.9, 12), 1e-9);
}

TEST_F(VideoWnd, WheelZoomKeepsThePointUnderTheMouse)
{
    showPicture({400, 300});
    const QPoint at = viewPoint(QPointF(50.5, 40.5));
    wheel(3, at);
    const QPointF after = wnd.graphicsView()->mapToScene(at);
    EXPECT_NEAR(after.x(), 50.5, 0.5);
    EXPECT_NEAR(after.y(), 40.5, 0.5);
}

TEST_F(VideoWnd, WheelMarksEveryMarkerForItsNewWidth)
{
    showPicture({400, 300});
    wnd.getAllBadPixelsRetSlot(true, 1, {5}, {10});
    wnd.getAllBadColsRetSlot(true, 1, {30});
    EXPECT_EQ(wnd.badPixelItem(0)->rect(), BadPixelItem::markerRect(4));
    wheel(19);
    // The new rectangle comes with the next paint.
    EXPECT_EQ(wnd.badPixelItem(0)->rect(), BadPixelItem::markerRect(4));
    paintScene();
    EXPECT_EQ(wnd.badPixelItem(0)->rect(), BadPixelItem::markerRect(3));
    EXPECT_EQ(wnd.badColItem(0)->rect(), BadPixelColItem::markerRect(3, kImageH));
}

TEST_F(VideoWnd, AddingAPixelEmitsItsFramePixelForEveryWindowSize)
{
    const QSize sizes[] = {{400, 300}, {640, 300}, {300, 460}};
    for (QSize size : sizes) {
        SCOPED_TRACE(size.width());
        QVideoWndWidget w;
        w.resize(size);
        w.show();
        w.setDisplayMode(false);
        w.layout()->activate();
        w.setShowImageSlot(picture(), kImageW, kImageH);
        QSignalSpy added(&w, &QVideoWndWidget::sendAddBadPixelSignal);

        // The fitted picture sits centred in the view: a point d view
        // pixels from the centre is d / fit frame pixels from the picture's.
        QWidget* vp = w.graphicsView()->viewport();
        const double fit = std::min((vp->width() - 4.0) / kImageW, (vp->height() - 4.0) / kImageH);
        const QPointF target(37.5, 101.5);
        const QPoint press = vp->rect().center() + QPoint(qRound((target.x() - kImageW / 2.0) * fit),
                                                          qRound((target.y() - kImageH / 2.0) * fit));
        QTest::mousePress(vp, Qt::RightButton, {}, press);
        EXPECT_TRUE(w.contextMenu()->isVisible());
        w.contextMenu()->hide();
        w.menuAction(QVideoWndWidget::kAddBP)->trigger();

        ASSERT_EQ(added.count(), 1);
        EXPECT_EQ(added.at(0).at(0).toInt(), 37);
        EXPECT_EQ(added.at(0).at(1).toInt(), 101);
        EXPECT_EQ(w.badPixels(), QVector<QPoint>{QPoint(37, 101)});
        BadPixelItem* item = w.badPixelItem(0);
        EXPECT_EQ(item->pos(), QPointF(37, 101));
        EXPECT_EQ(item->rect(), QRectF(-4, -4, 9, 9));
        EXPECT_EQ(item->ownerWidget(), &w);
        EXPECT_EQ(item->scene(), w.graphicsScene());
    }
}

TEST_F(VideoWnd, APixelIsMarkedOnlyOnce)
{
    showPicture({400, 300});
    QSignalSpy added(&wnd, &QVideoWndWidget::sendAddBadPixelSignal);
    addPixelAt({12.3, 7.3});
    addPixelAt({12.7, 7.6});
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(wnd.badPixels().size(), 1);
    EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList{"The bad pixel is set"});
}

TEST_F(VideoWnd, AddingAColumnChecksSetAndAdjacentColumns)
{
    const struct {
        QVector<int> existing;
        int x;
        QString refusal;  // empty: accepted
    } cases[] = {
        {{50}, 50, "The bad column is set"},
        {{50}, 51, "There are adjacent bad columns"},
        {{50}, 49, "There are adjacent bad columns"},
        {{50}, 52, ""},
        {{50}, 48, ""},
        // The first entry that matches decides.
        {{51, 50}, 50, "There are adjacent bad columns"},
        {{50, 51}, 50, "The bad column is set"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        QVideoWndWidget w;
        prompts.clear();
        w.resize(400, 300);
        w.show();
        w.setDisplayMode(false);
        w.layout()->activate();
        w.setShowImageSlot(picture(), kImageW, kImageH);
        w.getAllBadColsRetSlot(true, c.existing.size(), c.existing);
        QSignalSpy added(&w, &QVideoWndWidget::sendAddBadColSignal);
        QTest::mousePress(w.graphicsView()->viewport(), Qt::RightButton, {},
                          w.graphicsView()->mapFromScene(QPointF(c.x + 0.5, 60.5)));
        w.contextMenu()->hide();
        w.menuAction(QVideoWndWidget::kAddBPCol)->trigger();
        if (c.refusal.isEmpty()) {
            ASSERT_EQ(added.count(), 1);
            EXPECT_EQ(added.at(0).at(0).toInt(), c.x);
            EXPECT_EQ(w.badCols().size(), c.existing.size() + 1);
            EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 0);
        } else {
            EXPECT_EQ(added.count(), 0);
            EXPECT_EQ(w.badCols(), c.existing);
            EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList{c.refusal});
        }
    }
}

TEST_F(VideoWnd, ColumnMarkerSpansTheFrameHeightAtItsColumn)
{
    showPicture({400, 300});
    addColumnAt({70.6, 33.0});
    ASSERT_EQ(wnd.badCols(), QVector<int>{70});
    BadPixelColItem* item = wnd.badColItem(0);
    EXPECT_EQ(item->pos(), QPointF(70, 0));
    EXPECT_EQ(item->rect(), QRectF(-4, 0, 9, kImageH));
    EXPECT_EQ(item->columnHeight(), kImageH);
    EXPECT_EQ(item->data(1).toInt(), 8);
}

TEST_F(VideoWnd, MenuOffersWhatTheClickedPlaceAllows)
{
    showPicture({400, 300});
    using A = QVideoWndWidget;
    auto enabled = [&](A::MenuAction a) { return wnd.menuAction(a)->isEnabled(); };

    rightPressAt({100.5, 100.5});
    closeMenu();
    EXPECT_FALSE(enabled(A::kDeleteBP));
    EXPECT_FALSE(enabled(A::kDeleteAllBP));
    EXPECT_FALSE(enabled(A::kDeleteBPCol));
    EXPECT_FALSE(enabled(A::kDeleteAllBPCol));
    EXPECT_TRUE(enabled(A::kAddBP));
    EXPECT_TRUE(enabled(A::kAddBPCol));
    EXPECT_TRUE(enabled(A::kImageSize));

    wnd.getAllBadPixelsRetSlot(true, 1, {20}, {20});
    wnd.getAllBadColsRetSlot(true, 1, {60});
    rightPressAt({20.5, 20.5});
    closeMenu();
    EXPECT_TRUE(enabled(A::kDeleteBP));
    EXPECT_FALSE(enabled(A::kDeleteBPCol));
    EXPECT_TRUE(enabled(A::kDeleteAllBP));
    EXPECT_TRUE(enabled(A::kDeleteAllBPCol));
    EXPECT_TRUE(wnd.badPixelItem(0)->isSelected());

    rightPressAt({60.5, 90.5});
    closeMenu();
    EXPECT_FALSE(enabled(A::kDeleteBP));
    EXPECT_TRUE(enabled(A::kDeleteBPCol));
    EXPECT_TRUE(wnd.badColItem(0)->isSelected());
    EXPECT_FALSE(wnd.badPixelItem(0)->isSelected());
}

TEST_F(VideoWnd, MenuOpensOnlyOverThePicture)
{
    // A tall window: the fitted picture leaves bands above and below.
    show({200, 400});
    wnd.setDisplayMode(false);
    wnd.layout()->activate();
    wnd.setShowImageSlot(picture(), kImageW, kImageH);
    QTest::mousePress(viewport(), Qt::RightButton, {}, QPoint(100, 10));
    EXPECT_FALSE(wnd.contextMenu()->isVisible());
    rightPressAt({159.5, 119.5});
    EXPECT_TRUE(wnd.contextMenu()->isVisible());
    closeMenu();
    EXPECT_EQ(int(wnd.menuScenePos().x()), 159);
    EXPECT_EQ(int(wnd.menuScenePos().y()), 119);

    // Nor in video mode.
    wnd.setDisplayMode(true);
    QTest::mousePress(&wnd, Qt::RightButton, {}, QPoint(100, 200));
    EXPECT_FALSE(wnd.contextMenu()->isVisible());
}

TEST_F(VideoWnd, DeletingTheSelectedMarkersReportsThem)
{
    showPicture({400, 300});
    wnd.getAllBadPixelsRetSlot(true, 2, {20, 40}, {20, 80});
    wnd.getAllBadColsRetSlot(true, 2, {120, 140});
    QSignalSpy deleted(&wnd, &QVideoWndWidget::sendDeleteBadPixelSignal);
    QSignalSpy colDeleted(&wnd, &QVideoWndWidget::sendDeleteBadColSignal);

    rightPressAt({80.5, 40.5});
    closeMenu();
    wnd.menuAction(QVideoWndWidget::kDeleteBP)->trigger();
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.at(0).at(0).toInt(), 80);
    EXPECT_EQ(deleted.at(0).at(1).toInt(), 40);
    EXPECT_EQ(wnd.badPixels(), QVector<QPoint>{QPoint(20, 20)});

    rightPressAt({120.5, 5.5});
    closeMenu();
    wnd.menuAction(QVideoWndWidget::kDeleteBPCol)->trigger();
    ASSERT_EQ(colDeleted.count(), 1);
    EXPECT_EQ(colDeleted.at(0).at(0).toInt(), 120);
    EXPECT_EQ(wnd.badCols(), QVector<int>{140});
    // Removed markers leave the scene: the picture and the two left.
    EXPECT_EQ(wnd.graphicsScene()->items().size(), 3);
}

TEST_F(VideoWnd, DeletingAllAsksFirst)
{
    showPicture({400, 300});
    wnd.getAllBadPixelsRetSlot(true, 2, {20, 40}, {20, 80});
    wnd.getAllBadColsRetSlot(true, 1, {120});
    QSignalSpy cleared(&wnd, &QVideoWndWidget::sendClearBadPixelsSignal);
    QSignalSpy colCleared(&wnd, &QVideoWndWidget::sendClearBadColsSignal);

    prompts.answers << false << true << true;
    wnd.DelAllBPActSlot();
    EXPECT_EQ(cleared.count(), 0);
    EXPECT_EQ(wnd.badPixels().size(), 2);
    wnd.DelAllBPActSlot();
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_TRUE(wnd.badPixels().isEmpty());
    wnd.DelAllBPColActSlot();
    EXPECT_EQ(colCleared.count(), 1);
    EXPECT_TRUE(wnd.badCols().isEmpty());

    const auto asked = prompts.calls;
    ASSERT_EQ(prompts.count(FakeUiPrompts::Kind::Question), 3);
    EXPECT_EQ(asked[0].title, "Tip");
    EXPECT_EQ(asked[0].text, "Are you sure you want to delete all bad point markers?");
    EXPECT_EQ(asked[2].text, "Are you sure you want to delete all bad column markers?");
}

TEST_F(VideoWnd, CameraListsBecomeMarkersSilently)
{
    QSignalSpy added(&wnd, &QVideoWndWidget::sendAddBadPixelSignal);
    QSignalSpy colAdded(&wnd, &QVideoWndWidget::sendAddBadColSignal);
    wnd.getAllBadPixelsRetSlot(true, 3, {5, 6, 5}, {10, 20, 10});
    EXPECT_EQ(wnd.badPixels(), (QVector<QPoint>{{10, 5}, {20, 6}, {10, 5}}));  // no duplicate check
    wnd.getAllBadColsRetSlot(true, 2, {30, 31});
    EXPECT_EQ(wnd.badCols(), (QVector<int>{30, 31}));  // no adjacency check
    EXPECT_EQ(added.count() + colAdded.count(), 0);

    // Failures, empty counts and missing arrays add nothing.
    wnd.getAllBadPixelsRetSlot(false, 1, {1}, {1});
    wnd.getAllBadPixelsRetSlot(true, 0, {1}, {1});
    wnd.getAllBadPixelsRetSlot(true, 1, {}, {1});
    wnd.getAllBadColsRetSlot(false, 1, {1});
    wnd.getAllBadColsRetSlot(true, 1, {});
    EXPECT_EQ(wnd.badPixels().size(), 3);
    EXPECT_EQ(wnd.badCols().size(), 2);
}

TEST_F(VideoWnd, LeftClicksHighlightTheMarkerRowOrNone)
{
    showPicture({400, 300});
    wnd.getAllBadPixelsRetSlot(true, 2, {20, 40}, {20, 80});
    wnd.getAllBadColsRetSlot(true, 1, {120});
    QSignalSpy rows(&wnd, &QVideoWndWidget::sendHighlightBadPixelSignal);
    QSignalSpy colRows(&wnd, &QVideoWndWidget::sendHighlightBadColSignal);

    leftClickAt({80.5, 40.5});
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.at(0).at(0).toInt(), 1);
    ASSERT_EQ(colRows.count(), 1);
    EXPECT_EQ(colRows.at(0).at(0).toInt(), -1);

    leftClickAt({100.5, 100.5});
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.at(1).at(0).toInt(), -1);
    EXPECT_EQ(colRows.at(1).at(0).toInt(), -1);
}

TEST_F(VideoWnd, TableSlotsSelectAndDeleteWithoutSignals)
{
    wnd.getAllBadPixelsRetSlot(true, 3, {1, 2, 3}, {10, 20, 30});
    wnd.getAllBadColsRetSlot(true, 3, {40, 50, 60});
    QSignalSpy rows(&wnd, &QVideoWndWidget::sendHighlightBadPixelSignal);
    QSignalSpy colRows(&wnd, &QVideoWndWidget::sendHighlightBadColSignal);
    QSignalSpy deleted(&wnd, &QVideoWndWidget::sendDeleteBadPixelSignal);
    QSignalSpy cleared(&wnd, &QVideoWndWidget::sendClearBadColsSignal);

    wnd.badPixelItem(0)->setSelected(true);
    rows.clear();
    wnd.setHighlightTableBadPixelSlot(2);
    EXPECT_FALSE(wnd.badPixelItem(0)->isSelected());
    EXPECT_TRUE(wnd.badPixelItem(2)->isSelected());
    wnd.setHighlightTableBadColSlot(1);
    EXPECT_TRUE(wnd.badColItem(1)->isSelected());

    wnd.setTableDeleteBadPixelSlot(1);
    EXPECT_EQ(wnd.badPixels(), (QVector<QPoint>{{10, 1}, {30, 3}}));
    wnd.setTableDeleteBadPixelSlot(5);
    EXPECT_EQ(wnd.badPixels().size(), 2);
    wnd.setTableDeleteBadColSlot(0);
    EXPECT_EQ(wnd.badCols(), (QVector<int>{50, 60}));
    wnd.setTableDeleteAllBadColsSlot();
    EXPECT_TRUE(wnd.badCols().isEmpty());
    wnd.setTableDeleteAllBadPixelsSlot();
    EXPECT_TRUE(wnd.badPixels().isEmpty());
    EXPECT_TRUE(wnd.graphicsScene()->items().isEmpty());

    EXPECT_EQ(rows.count() + colRows.count() + deleted.count() + cleared.count(), 0);
}

TEST_F(VideoWnd, ImageSizeFitsAgain)
{
    showPicture({400, 300});
    const double fit = wnd.graphicsView()->transform().m11();
    wheel(25);
    EXPECT_EQ(BadPixelItem::lineWidth(), 3);
    wnd.menuAction(QVideoWndWidget::kImageSize)->trigger();
    EXPECT_NEAR(wnd.graphicsView()->transform().m11(), fit, 1e-9);
    EXPECT_DOUBLE_EQ(wnd.viewScale(), 1.0);
    EXPECT_EQ(BadPixelItem::lineWidth(), 4);
}

TEST_F(VideoWnd, FullScreenTogglesWhileVideoIsShown)
{
    show();
    QSignalSpy sized(&wnd, &QVideoWndWidget::sendUpdateSceneViewSizeSignal);
    wnd.setVideoFullScreenSlot();
    EXPECT_TRUE(wnd.isFullScreen());
    EXPECT_EQ(wnd.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    wnd.setVideoFullScreenSlot();
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_EQ(wnd.windowFlags() & Qt::WindowType_Mask, Qt::SubWindow);
    ASSERT_EQ(sized.count(), 2);
    EXPECT_TRUE(sized.at(0).at(0).toBool());
    EXPECT_FALSE(sized.at(1).at(0).toBool());

    QTest::mouseDClick(&wnd, Qt::LeftButton);
    EXPECT_TRUE(wnd.isFullScreen());
    // A press while full screen asks for the overlay to follow.
    sized.clear();
    QTest::mousePress(&wnd, Qt::LeftButton);
    ASSERT_EQ(sized.count(), 1);
    EXPECT_TRUE(sized.at(0).at(0).toBool());
    QTest::mouseRelease(&wnd, Qt::LeftButton);

    sized.clear();
    QTest::keyClick(&wnd, Qt::Key_Escape);
    EXPECT_FALSE(wnd.isFullScreen());
    ASSERT_EQ(sized.count(), 1);
    EXPECT_FALSE(sized.at(0).at(0).toBool());
    // Escape outside full screen does nothing.
    QTest::keyClick(&wnd, Qt::Key_Escape);
    EXPECT_EQ(sized.count(), 1);
}

TEST_F(VideoWnd, NoFullScreenInPictureMode)
{
    show();
    wnd.setDisplayMode(false);
    QSignalSpy sized(&wnd, &QVideoWndWidget::sendUpdateSceneViewSizeSignal);
    wnd.setVideoFullScreenSlot();
    QTest::mouseDClick(&wnd, Qt::LeftButton);
    EXPECT_FALSE(wnd.isFullScreen());
    EXPECT_EQ(sized.count(), 0);
}

TEST_F(VideoWnd, ResizeReportsTheRenderTarget)
{
    QSignalSpy hwnd(&wnd, &QVideoWndWidget::sendUpdateHWndSignals);
    show();
    wnd.resize(330, 250);
    ASSERT_GE(hwnd.count(), 1);
    EXPECT_EQ(hwnd.last().at(0).value<void*>(), static_cast<void*>(wnd.getVideoWnd()));
}

TEST_F(VideoWnd, IdlePictureIsHiddenWhileTheWorkerDraws)
{
    QPixmap idle(10, 10);
    idle.fill(Qt::red);
    wnd.setIdlePixmap(idle);
    show({100, 100});
    wnd.layout()->activate();
    VideoSurface* label = wnd.getVideoWnd();
    const QPoint centre = label->rect().center();
    EXPECT_EQ(label->grab().toImage().pixelColor(centre), QColor(Qt::red));
    wnd.setViewUpdatesEnabled(false);
    EXPECT_NE(label->grab().toImage().pixelColor(centre), QColor(Qt::red));
    EXPECT_TRUE(label->updatesEnabled());
    wnd.setViewUpdatesEnabled(true);
    EXPECT_EQ(label->grab().toImage().pixelColor(centre), QColor(Qt::red));
}
