// The widget the live video is drawn into: it keeps only the latest finished
// picture and paints it scaled to itself. Frames reach it by a queued call
// from the frame worker (postFrame), so painting never waits for a frame;
// at most one picture waits for the GUI thread, a newer one replacing it,
// so a slow paint never queues frames up. Without a picture it paints its
// idle look (the style sheet's background, or the idle pixmap if set).
// GUI thread, except where a member says otherwise.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <atomic>
#include <mutex>

class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);

    // What the widget shows while no video is drawn.
    void setIdlePixmap(const QPixmap& pixmap);
    bool hasFrame() const { return !frame_.isNull(); }
    const QImage& frame() const { return frame_; }
    // Frames shown since construction (tests and the frames-drawn figure).
    quint64 framesShown() const { return shown_; }

    // Any thread: the size pictures should have to be painted unscaled (the
    // widget's size, published on every resize).
    QSize targetSize() const;
    // Any thread: shows image on the GUI thread, replacing a picture that
    // still waits there.
    void postFrame(QImage image);
    // Any thread: back to the idle look, after pictures posted before.
    void postClear();

public slots:
    // Takes the picture to show (already scaled by the worker) and repaints.
    void showFrame(const QImage& image);
    // Back to the idle look.
    void clearFrame();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPosted();
    void publishSize(const QSize& size);

    QImage frame_;
    QPixmap idle_;
    quint64 shown_ = 0;

    std::atomic<quint64> targetSize_{0};  // width << 32 | height
    std::mutex postLock_;                 // guards the three below
    QImage posted_;
    bool clearPosted_ = false;
    bool wakePosted_ = false;  // a showPosted call is on its way
};
