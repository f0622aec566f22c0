// The live grey-level histogram: a small frameless dialog that shows how the
// Y values of the live frames spread over 0..255 as a bar chart of 256 bars.
// Frames are counted on the dialog's own thread by QHistogramCount; a
// hidden dialog ignores frames. GUI thread.
#pragma once

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QThread>
#include <QtCharts/QBarSet>

#include <memory>

#include "FrameMailbox.h"
#include "LiveFrame.h"

namespace QtCharts {
class QBarSeries;
class QChart;
class QChartView;
class QValueAxis;
}  // namespace QtCharts

class QHistogramCount;
class QLabel;
class QPushButton;

class QVideoHistogram : public QDialog {
    Q_OBJECT
public:
    explicit QVideoHistogram(QWidget* parent = nullptr);
    // Stops the counting thread and waits for it.
    ~QVideoHistogram() override;

    // "Y: <bar>\nCount: <count>".
    static QString barToolTip(int index, qreal count);

    QHistogramCount* worker() const { return worker_; }
    QtCharts::QChart* chart() const { return chart_; }
    QtCharts::QChartView* chartView() const { return chartView_; }
    QtCharts::QBarSeries* barSeries() const { return series_; }
    QtCharts::QValueAxis* axisX() const { return axisX_; }
    QtCharts::QValueAxis* axisY() const { return axisY_; }
    QWidget* titleArea() const { return titleWidget_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QPushButton* closeButton() const { return closeBtn_; }
    bool isDragging() const { return dragging_; }

signals:
    // Wakes the worker: a frame waits in the mailbox.
    void sendCalculateYConutSignal();

public slots:
    // A live frame of nW x nH pixels; counted only while the dialog is
    // visible.
    void getYUVDataSlot(const FramePtr& frame, int nW, int nH);
    void setCalculateYConutRetSlot(QList<qreal> qList, uint unMax);
    void setWndCloseSlots();
    // The bar series' hover: the bar's grey level and count at the cursor.
    void setBarHoveredSlot(bool status, int index, QtCharts::QBarSet* barset);

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildChart();
    void retranslate();

    std::shared_ptr<FrameMailbox> mailbox_ = std::make_shared<FrameMailbox>();
    QThread thread_;
    QHistogramCount* worker_ = nullptr;       // lives on thread_, deleted when it finishes
    QtCharts::QChart* chart_ = nullptr;       // owned by the chart view
    QtCharts::QBarSeries* series_ = nullptr;  // owned by the chart
    QtCharts::QValueAxis* axisX_ = nullptr;   // owned by the chart
    QtCharts::QValueAxis* axisY_ = nullptr;   // owned by the chart
    QtCharts::QChartView* chartView_ = nullptr;
    QWidget* titleWidget_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QPushButton* closeBtn_ = nullptr;
    bool dragging_ = false;
    QPoint pressOffset_;  // press position from the window's corner
};
