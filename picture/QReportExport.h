// The report worker: builds one report document from a request, the rule
// results and the grid state, and writes it as a ".doc" (the HTML text in
// UTF-8) or as an A4 PDF rendered from the same HTML.
//
// Lives on the report dialog's thread; requests arrive by value through a
// queued signal and the answer goes back the same way. setResults and
// setGridInfo are called by the dialog before any export can run.
#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include "ReportGridInfo.h"
#include "RuleTemperResult.h"
#include "ST_ReportParam.h"

class QReportExport : public QObject {
    Q_OBJECT
public:
    explicit QReportExport(QObject* parent = nullptr);

    void setResults(QVector<RuleTemperResult> rows);
    void setGridInfo(ReportGridInfo grid);

    // The whole document, from "<html>" to "</html>".
    QString buildReportHtml(const ST_ReportParam& param);

    // The writers: true only when the report file exists and is not empty.
    static bool writeDocFile(const QString& path, const QString& html);
    static bool writePdfFile(const QString& path, const QString& html);
    // The document as the PDF printer renders it: pixel font sizes rounded
    // to whole pixels, the report after the cover on a new page.
    static QString pdfHtml(const QString& html);

signals:
    void sendReportExportResultSignals(bool ok);

public slots:
    void setReportExportSlots(const ST_ReportParam& param);

private:
    QVector<RuleTemperResult> results_;
    ReportGridInfo grid_;
};
