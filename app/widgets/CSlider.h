// A slider that jumps to the clicked position instead of paging towards it;
// dragging the handle works as usual.
#pragma once

#include <QSlider>

class CSlider : public QSlider {
    Q_OBJECT
public:
    explicit CSlider(QWidget* parent = nullptr);

    // The axis a click position is read along: true the width, false the
    // height (maximum at the top).
    void setHorizontal(bool bHorizontal);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool horizontal_ = true;
    bool dragging_ = false;
};
