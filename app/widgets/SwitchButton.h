// An animated on/off switch: a pill-shaped track with a round knob that
// slides to the right when switched on. A press toggles it and reports the
// new state; setChecked places it without animation or signal.
#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

class SwitchButton : public QWidget {
    Q_OBJECT
public:
    explicit SwitchButton(QWidget* parent = nullptr);

    bool isChecked() const { return checked_; }
    void setChecked(bool bChecked);

    // Knob position and where it is heading, in pixels from the left.
    int knobPosition() const { return startX_; }
    int knobTarget() const { return endX_; }
    bool isAnimating() const;

signals:
    void checkedChanged(bool bChecked);

public slots:
    // One animation step.
    void updateValue();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int stepForWidth() const;
    // Puts the knob at its resting place for the current state.
    void place();

    bool checked_ = false;
    QColor bgColorOff_{QStringLiteral("#6C7688")};
    QColor bgColorOn_{QStringLiteral("#A2B345")};
    QColor sliderColorOff_{Qt::white};
    QColor sliderColorOn_{Qt::white};
    int space_ = 2;
    int startX_ = 0;
    int endX_ = 0;
    int step_ = 1;
    QTimer* timer_;
};
