#include "QVideoHistogram.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>
#include <QtCharts/QBarSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include "QHistogramCount.h"

using namespace QtCharts;

namespace {

const QColor kBarColor("#C7DB55");

}  // namespace

QVideoHistogram::QVideoHistogram(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet("QWidget{background-color:#404138;};");
    setFixedSize(640, 360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    titleWidget_ = new QWidget(this);
    titleWidget_->setFixedHeight(40);
    auto* titleRow = new QHBoxLayout(titleWidget_);
    titleRow->setContentsMargins(20, 0, 16, 0);
    titleLabel_ = new QLabel(titleWidget_);
    titleLabel_->setObjectName("Label_F5_16");
    closeBtn_ = new QPushButton(titleWidget_);
    closeBtn_->setObjectName("CloseBtn");
    closeBtn_->setFixedSize(20, 20);
    titleRow->addWidget(titleLabel_);
    titleRow->addStretch(1);
    titleRow->addWidget(closeBtn_);
    layout->addWidget(titleWidget_);

    buildChart();
    layout->addWidget(chartView_, 1);

    worker_ = new QHistogramCount(mailbox_);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(this, &QVideoHistogram::sendCalculateYConutSignal, worker_, &QHistogramCount::setCalculateYConutSlot);
    connect(worker_, &QHistogramCount::sendCalculateYConutRetSignal, this, &QVideoHistogram::setCalculateYConutRetSlot);
    connect(closeBtn_, &QPushButton::clicked, this, &QVideoHistogram::setWndCloseSlots);
    thread_.start();

    retranslate();
}

QVideoHistogram::~QVideoHistogram()
{
    thread_.quit();
    thread_.wait();
}

void QVideoHistogram::buildChart()
{
    chart_ = new QChart();
    chart_->setMargins(QMargins(24, 12, 12, 12));
    chart_->setBackgroundVisible(false);
    // One unnamed bar set: a legend would only show its colour.
    chart_->legend()->hide();

    axisX_ = new QValueAxis();
    axisX_->setTickCount(15);
    axisX_->setLabelFormat("%d");
    axisX_->setLabelsColor(Qt::white);
    axisX_->setRange(0, 255);
    axisX_->setGridLineVisible(false);
    axisY_ = new QValueAxis();
    axisY_->setTickCount(5);
    axisY_->setLabelFormat("%d");
    axisY_->setLabelsColor(Qt::white);
    axisY_->setGridLineVisible(false);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);

    chartView_ = new QChartView(chart_, this);
    chartView_->setStyleSheet("QGraphicsView{background-color:transparent;}");
    chartView_->setRenderHint(QPainter::Antialiasing);
}

void QVideoHistogram::retranslate()
{
    setWindowTitle(tr("Y-Histogram count"));
    titleLabel_->setText(tr("Y-Histogram count"));
}

QString QVideoHistogram::barToolTip(int index, qreal count)
{
    return QString("Y: %1\nCount: %2").arg(index).arg(count);
}

void QVideoHistogram::getYUVDataSlot(const FramePtr& frame, int nW, int nH)
{
    if (!isVisible() || !frame || nW <= 0 || nH <= 0 || frame->width != nW || frame->height != nH) return;
    if (frame->yuv.size() < size_t(nW) * size_t(nH) * 2) return;
    // The frame is shared, not copied: any size counts whole.
    if (mailbox_->put(frame)) emit sendCalculateYConutSignal();
}

void QVideoHistogram::setCalculateYConutRetSlot(QList<qreal> qList, uint unMax)
{
    chart_->removeAllSeries();
    auto* set = new QBarSet(QString());
    set->setColor(kBarColor);
    set->setBorderColor(kBarColor);
    set->append(qList);
    series_ = new QBarSeries();
    series_->append(set);
    connect(series_, &QBarSeries::hovered, this, &QVideoHistogram::setBarHoveredSlot);
    chart_->addSeries(series_);
    series_->attachAxis(axisX_);
    series_->attachAxis(axisY_);
    axisY_->setRange(0, unMax);
}

void QVideoHistogram::setBarHoveredSlot(bool status, int index, QBarSet* barset)
{
    if (status && barset)
        QToolTip::showText(QCursor::pos(), barToolTip(index, barset->at(index)));
    else
        QToolTip::hideText();
}

void QVideoHistogram::setWndCloseSlots()
{
    close();
}

void QVideoHistogram::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void QVideoHistogram::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && titleWidget_->geometry().contains(event->pos())) {
        dragging_ = true;
        pressOffset_ = event->globalPos() - frameGeometry().topLeft();
        setCursor(Qt::SizeAllCursor);
        // Where windows may not place themselves (Wayland) the compositor
        // moves the window.
        if (QGuiApplication::platformName() == "wayland" && windowHandle() && windowHandle()->startSystemMove()) {
            dragging_ = false;
            setCursor(Qt::ArrowCursor);
        }
    } else {
        setCursor(Qt::ArrowCursor);
    }
    QDialog::mousePressEvent(event);
}

void QVideoHistogram::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) move(event->globalPos() - pressOffset_);
    QDialog::mouseMoveEvent(event);
}

void QVideoHistogram::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    setCursor(Qt::ArrowCursor);
    QDialog::mouseReleaseEvent(event);
}
