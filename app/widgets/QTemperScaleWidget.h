// The colour-scale strip beside a thermal image: a horizontal palette strip
// turned upright, hottest colour at the top.
#pragma once

#include <QPixmap>
#include <QWidget>

class QTemperScaleWidget : public QWidget {
    Q_OBJECT

public:
    explicit QTemperScaleWidget(QWidget* parent = nullptr);

    // data: an encoded picture (a BMP) of len bytes, read during the call
    // only. Null data, len <= 0 or an undecodable picture change nothing.
    void setPicFromData(const uchar* data, int len);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixmap;
};
