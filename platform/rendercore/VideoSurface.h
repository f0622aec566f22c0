// The widget the live video is drawn into: it keeps only the latest finished
// picture and paints it scaled to itself. Frames reach it by a queued call
// from the frame worker (showFrame), so painting never waits for a frame and
// a slow paint never queues frames up. Without a picture it paints its idle
// look (the style sheet's background, or the idle pixmap if set). GUI thread.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

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

public slots:
    // Takes the picture to show (already scaled by the worker) and repaints.
    void showFrame(const QImage& image);
    // Back to the idle look.
    void clearFrame();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage frame_;
    QPixmap idle_;
    quint64 shown_ = 0;
};
