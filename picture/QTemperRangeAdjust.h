// The palette range slider under the picture in the analysis window: the
// picture's lowest and highest temperature at the two ends of a track, two
// handles marking the low and high end of the chosen range, and a switch
// that turns the chosen range on (palette spread between the handles) or off
// (palette over the whole picture). Every change of the range goes at once to
// the window (TemperRangeOwner), which shows it on its colour bar and renders
// the picture anew; the window also places the floating markers over the
// handles. Temperatures are held in degrees Celsius and shown in the
// analysis window's unit. GUI thread only.
//
// Handle positions follow the values through whole tenths of a degree and
// truncating integer scaling, so a value and its handle round-trip to the
// same pixel: a handle's centre is its x + 9, and the band runs from the low
// centre to the high centre inclusive.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;
class SwitchButton;
class TemperRangeOwner;

class QTemperRangeAdjust : public QWidget {
    Q_OBJECT
public:
    explicit QTemperRangeAdjust(QWidget* parent = nullptr);

    // The window the range goes to; null = no window.
    void setOwner(TemperRangeOwner* owner);

    // Shows or hides the handles, the limit labels and the track, and
    // whether the track and band are painted; nothing else.
    void setHandlesShown(bool shown);
    // Sets the switch without its signal.
    void setSwitchOn(bool on);
    bool isSwitchOn() const;

    // The picture's lowest and highest temperature (°C), shown at the ends.
    void setLimits(float lowest, float highest);
    // Places the handles for a chosen range (°C) and keeps it.
    void setValues(float low, float high);
    void getValues(float* low, float* high) const;
    // The picture was freed: limits and values become 0.
    void reset();
    // The picture's limits changed: the range under the handles is read
    // anew, kept and rendered. Without a window, nothing happens.
    void recomputeValues();

    QPushButton* lowHandle() const { return lowHandle_; }
    QPushButton* highHandle() const { return highHandle_; }
    QWidget* track() const { return track_; }
    QRect band() const { return band_; }
    SwitchButton* rangeSwitch() const { return switch_; }
    float lowest() const { return lowest_; }
    float highest() const { return highest_; }
    bool isShown() const { return shown_; }

public slots:
    // The user switched the range on or off.
    void setTemperRangeAjSwitchSlots(bool bFlags);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // A temperature range in °C.
    struct Range {
        float low;
        float high;
    };

    void buildForm();
    void retranslate();
    // Press, release, enter and leave of a handle; moves of a dragged
    // handle arrive here too, since the pressed handle holds the mouse.
    void handleHandleEvent(QPushButton* handle, QEvent* event);
    // A move to pos (slider coordinates): drags or hover feedback.
    void moveTo(const QPoint& pos);
    // What a move drags.
    enum class Drag { None, Low, High, Band };
    // Where the handles' x go for a move of dx while dragging.
    Drag dragTo(int dx, int* lx, int* hx) const;
    // Puts the handles and the band at two centres on the track now.
    void placeCentres(int lowCentre, int highCentre);
    // Keeps the handles at the same fractions when the track's width changed.
    void rescale();
    // The range under the band for the current limits.
    Range rangeFromBand() const;
    void renderRange(Range range);
    void showMarkers(bool visible);

    QLabel* titleLabel_ = nullptr;       // child
    SwitchButton* switch_ = nullptr;     // child
    QLabel* minLabel_ = nullptr;         // child
    QWidget* track_ = nullptr;           // child
    QLabel* maxLabel_ = nullptr;         // child
    QPushButton* lowHandle_ = nullptr;   // child
    QPushButton* highHandle_ = nullptr;  // child
    TemperRangeOwner* owner_ = nullptr;  // not owned

    bool draggingLow_ = false;
    bool draggingHigh_ = false;
    bool draggingBand_ = false;
    bool shown_ = false;
    float lowest_ = 0.0F;
    float highest_ = 0.0F;
    float low_ = 0.0F;
    float high_ = 0.0F;
    QRect band_;
    QRect lastTrack_;
    QPoint lastPos_;
};
