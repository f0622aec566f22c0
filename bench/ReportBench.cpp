// A PDF report from the request to the written file (document, rich-text
// layout, printing with the picture), beside a QPdfWriter A4 page that holds
// only the same picture: what the report's text and tables cost on top of the
// picture itself. Interleaved in one process; the picture is 384 x 288 and the
// report has eight result rows and the samples' two rules.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "QReportExport.h"
#include "RatioReporter.h"
#include "ReportSamples.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir().mkpath(dir.path() + "/Res")) return 1;
    if (!reporttest::samplePicture().save(dir.path() + "/Res/IR.bmp")) return 1;

    QReportExport worker;
    QVector<RuleTemperResult> rows(8);
    for (int i = 0; i < rows.size(); ++i) rows[i] = reporttest::sampleResult(QString("R%1").arg(i + 1), 40.0f + i, 30.0f, 20.0f);
    worker.setResults(rows);
    worker.setGridInfo({true, 30.0f, 10, 20});
    ST_ReportParam param = reporttest::sampleRequest(dir.path() + "/Res", 1);
    param.outPath = dir.path() + "/report.pdf";
    bool ok = true;
    QObject::connect(&worker, &QReportExport::sendReportExportResultSignals, [&ok](bool r) { ok = ok && r; });
    const auto ours = [&] { worker.setReportExportSlots(param); };

    const QString plain = dir.path() + "/picture.pdf";
    const auto reference = [&] {
        QPdfWriter writer(plain);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        const QImage bmp(dir.path() + "/Res/IR.bmp");
        const int width = writer.width();
        painter.drawImage(QRect(0, 0, width, width * bmp.height() / bmp.width()), bmp);
    };
    RatioReporter::printPaired("pdf report / picture-only page", RatioReporter::measurePaired(ours, reference));
    return ok ? 0 : 1;
}
