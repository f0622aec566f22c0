// The picture analysis module as the main window sees it: shown for module
// 4, asks the live page for an export of the live picture and receives its
// path. Until the analysis lands it is an empty page.
#pragma once

#include <QString>
#include <QWidget>

class QHotImageModule : public QWidget {
    Q_OBJECT
public:
    explicit QHotImageModule(QWidget* parent = nullptr);

    // The path of the last exported live picture.
    QString lastExport() const { return lastExport_; }

signals:
    void sendHeatMapExportSignal();

public slots:
    void setHeatMapExportRetSlot(QString strHeapMapDir);

private:
    QString lastExport_;
};
