// The window the live video is shown in. Two layers: the render label (a
// VideoSurface the frame worker draws rendered video into) and a graphics
// view that shows the frames as RGB pictures, zooms with the wheel, pans by
// dragging and carries the bad-pixel and bad-column markers the user adds
// and deletes from a context menu. Scene units are frame pixels in sensor
// orientation, so marker coordinates are what the camera's lists hold.
// Also toggles full screen. GUI thread only.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QVector>
#include <QWidget>

class BadPixelColItem;
class BadPixelItem;
class QAction;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QGraphicsView;
class QMenu;
class QVBoxLayout;
class QVideoPlay;
class VideoSurface;

class QVideoWndWidget : public QWidget {
    Q_OBJECT
public:
    // The context menu's actions, in menu order.
    enum MenuAction { kAddBP, kDeleteBP, kDeleteAllBP, kAddBPCol, kDeleteBPCol, kDeleteAllBPCol, kImageSize };

    explicit QVideoWndWidget(QWidget* parent = nullptr);
    ~QVideoWndWidget() override;

    // The render target of the frame worker.
    VideoSurface* getVideoWnd() const { return videoLabel_; }
    // Stores the worker this window reports resizes to.
    void setVideoPlay(QVideoPlay* play);
    // true: rendered video in the label (mode 0), markers and picture
    // dropped; false: RGB pictures in the view (mode 1).
    void setDisplayMode(bool bVideo);
    unsigned char getDisplayMode() const { return displayMode_; }
    // The label paints its idle picture only while updates are enabled:
    // while the worker draws into it, it shows nothing of its own.
    void setViewUpdatesEnabled(bool enabled);
    // The picture the label shows while no video is drawn.
    void setIdlePixmap(const QPixmap& pixmap);

    // Called by a marker when it gets selected: emits its list row.
    void selectBadPixelRow(BadPixelItem* item);
    void selectBadColRow(BadPixelColItem* item);
    // Called by a selected marker: the context menu at the cursor.
    void popItemContextMenu();
    // Kind 7 (pixel at the first corner) or 8 (column at the first corner's
    // x, frame height); added to the scene and the list, no signal. Null for
    // another kind or no corner.
    QGraphicsRectItem* createMarkerItem(int kind, const QVector<QPoint>& corners);
    // Marker half-width for the view's accumulated zoom; marks every marker
    // for a new rectangle when a class-wide width changed.
    void updateMarkerWidth(double scale);
    // w = trunc(5 - scale / 6).
    static int markerWidthForScale(double scale);

    QGraphicsView* graphicsView() const { return view_; }
    QGraphicsScene* graphicsScene() const { return scene_; }
    QGraphicsPixmapItem* pixmapItem() const { return pixmapItem_; }
    QMenu* contextMenu() const { return menu_; }
    QAction* menuAction(MenuAction which) const { return actions_[which]; }
    double viewScale() const { return scale_; }
    QPointF menuScenePos() const { return menuPos_; }
    // The marker lists, in list order.
    QVector<QPoint> badPixels() const;
    QVector<int> badCols() const;
    BadPixelItem* badPixelItem(int row) const;
    BadPixelColItem* badColItem(int row) const;

signals:
    void sendUpdateHWndSignals(void* pParam);
    void sendUpdateSceneViewSizeSignal(bool bFullScreen);
    void sendAddBadPixelSignal(int nX, int nY);
    void sendDeleteBadPixelSignal(int nX, int nY);
    void sendClearBadPixelsSignal();
    void sendAddBadColSignal(int nX);
    void sendDeleteBadColSignal(int nX);
    void sendClearBadColsSignal();
    void sendHighlightBadPixelSignal(int nRow);
    void sendHighlightBadColSignal(int nRow);

public slots:
    // An RGB picture of the frame worker (nW x nH); other sizes are ignored.
    void setShowImageSlot(const QImage& image, int nW, int nH);
    void setVideoFullScreenSlot();
    void getAllBadPixelsRetSlot(bool bRet, int nNum, QVector<int> rows, QVector<int> cols);
    void getAllBadColsRetSlot(bool bRet, int nNum, QVector<int> cols);
    void AddBPActSlot();
    void DelBPActSlot();
    void DelAllBPActSlot();
    void AddBPColActSlot();
    void DelBPColActSlot();
    void DelAllBPColActSlot();
    void AutoResizeActSlot();
    void setHighlightTableBadPixelSlot(int nRow);
    void setHighlightTableBadColSlot(int nRow);
    void setTableDeleteBadPixelSlot(int nRow);
    void setTableDeleteBadColSlot(int nRow);
    void setTableDeleteAllBadPixelsSlot();
    void setTableDeleteAllBadColsSlot();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct PixelEntry {
        int x;
        int y;
        BadPixelItem* item;
    };
    struct ColEntry {
        int x;
        BadPixelColItem* item;
    };

    void buildView();
    void retranslate();
    void fitPicture();
    void zoomAt(double factor, const QPointF& scenePos);
    void removeMarker(QGraphicsRectItem* item);
    void clearPixelMarkers();
    void clearColMarkers();
    void toggleFullScreen();

    QVBoxLayout* layout_ = nullptr;
    VideoSurface* videoLabel_ = nullptr;         // child
    QGraphicsScene* scene_ = nullptr;            // child
    QGraphicsView* view_ = nullptr;              // child
    QGraphicsPixmapItem* pixmapItem_ = nullptr;  // owned by the scene
    QMenu* menu_ = nullptr;                      // child
    QAction* actions_[kImageSize + 1] = {};

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    bool fitNext_ = true;
    double scale_ = 1.0;
    QVector<PixelEntry> pixels_;
    QVector<ColEntry> cols_;
    QPointF menuPos_;
    unsigned char displayMode_ = 0;
    QPixmap idle_;
    bool viewUpdates_ = true;
    bool tableSelecting_ = false;      // selection made by the table slots
    QVideoPlay* videoPlay_ = nullptr;  // not owned
};
