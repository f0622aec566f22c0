// Module 4 of the main window: the page that holds the picture analysis
// window and relays the heat-map export between it and the live page. The
// window asks for an export of the live picture; the main window hands the
// request to the live page, whose answer (the written file's path) comes
// back here and goes on to the window, which opens it. GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

class QHotImageCtrl;
class QLabel;

class QHotImageModule : public QWidget {
    Q_OBJECT
public:
    explicit QHotImageModule(QWidget* parent = nullptr);

    QHotImageCtrl* hotImageCtrl() const { return hotImageCtrl_; }

signals:
    void sendHeatMapExportSignal();
    void sendHeatMapExportRetSignal(QString strHeapMapDir);

public slots:
    void setHeatMapExportSlot();
    void setHeatMapExportRetSlot(QString strHeapMapDir);

private:
    QHotImageCtrl* hotImageCtrl_;  // child
    QLabel* lineLabel_;            // child: the separator on the left
};
