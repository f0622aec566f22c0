#include "QReportExport.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>
#include <QTextStream>
#include <QUrl>

#include <cstring>

#include "AppHelpers.h"
#include "QHtmlWord.h"

namespace {

const QString kFullColon(QChar(0xFF1A));
const QString kReportBlock = QStringLiteral("<div style=\"background-color:#F2F2F2\">");
const QString kTableOpen = QStringLiteral(
    "<table style=\"border:1px solid black;font-size:16px;border-collapse:collapse;\" width=\"100%\">");
constexpr int kImageWidth = 500;

// The texts of a request's units; the conversions are those of the pages.
struct UnitText {
    const ST_ReportParam& p;

    QString temper(float celsius) const
    {
        return QString::number(CelsiusToTemper(celsius, p.temperUnit), 'f', 1) + p.temperSymbol;
    }
    QString distance(float metres) const
    {
        return QString::number(MetersToDistance(metres, p.distanceUnit), 'f', 1) + p.distanceText;
    }
};

QString twoDecimals(float v)
{
    return QString::number(v, 'f', 2);
}

// A table: the opening tag, the header row, the rows.
QString table(const QHtmlWord& word, const QVector<QString>& header, const QVector<QVector<QString>>& rows)
{
    QString html = kTableOpen + word.headerRow(header, Qt::AlignLeft);
    for (const QVector<QString>& row : rows) html += word.dataRow(row);
    return html + "</table>";
}

QString ruleName(const PicRuleConfig& rule)
{
    return QString::fromUtf8(rule.name, int(strnlen(rule.name, sizeof rule.name)));
}

}  // namespace

QReportExport::QReportExport(QObject* parent) : QObject(parent) {}

void QReportExport::setResults(QVector<RuleTemperResult> rows)
{
    results_ = std::move(rows);
}

void QReportExport::setGridInfo(ReportGridInfo grid)
{
    grid_ = grid;
}

QString QReportExport::buildReportHtml(const ST_ReportParam& param)
{
    const QHtmlWord word;
    const UnitText unit{param};
    const auto heading = [&word](const QString& text) { return word.paragraph(text, 16, true, Qt::AlignLeft); };

    QString html = QStringLiteral("<html><head><meta charset=\"UTF-8\"></head>");
    html += word.blankBlock(8, 20);
    html += word.paragraph(param.title, 20, false, Qt::AlignCenter);
    html += word.paragraph(param.author, 20, false, Qt::AlignCenter);
    html += word.paragraph(tr("ReportTime") + kFullColon + GetCurTimeString("yyyy.MM.dd"), 20, false, Qt::AlignCenter);
    html += word.blankBlock(14, 20);
    html += kReportBlock;
    html += word.paragraph(tr("TestReport"), 30, true, Qt::AlignCenter);

    // The ".doc" refers to its picture beside it; the PDF is rendered here
    // and takes the file itself.
    const QString picture = param.resDir + "/IR.bmp";
    const QString source = param.format == 1 ? QUrl::fromLocalFile(picture).toString(QUrl::FullyEncoded)
                                             : QStringLiteral("Res/IR.bmp");
    html += kTableOpen + "<tr><td style=\"border:1px solid black;\">" +
            word.imageBlock(source, kImageWidth, GetImageFileSize(picture, kImageWidth), Qt::AlignCenter) +
            "</td></tr></table>";

    html += heading(tr("TemperInfo"));
    QVector<QVector<QString>> rows;
    for (const RuleTemperResult& r : results_)
        rows.append({r.title, unit.temper(r.max), unit.temper(r.avg), unit.temper(r.min)});
    html += table(word, {tr("TemperRule"), tr("Max Temp"), tr("AVG Temp"), tr("Min Temp")}, rows);

    if (grid_.shown) {
        html += heading(tr("Grid thermal info"));
        html += table(word, {tr("X position"), tr("Y position"), tr("Temperature")},
                      {{QString::number(grid_.x), QString::number(grid_.y), unit.temper(grid_.temperature)}});
    }

    // A picture without its global block or its rules still gets a whole
    // document: the section keeps its heading and has no table.
    html += heading(tr("Global Param"));
    if (const auto& g = param.globalParam) {
        QVector<QString> header{tr("Emissivity"), tr("Distance")};
        QVector<QString> values{twoDecimals(g->emissivity), unit.distance(g->distance)};
        if (param.humidity) {
            header << tr("Humidity");
            values << QString::number(g->humidity) + "%";
        }
        if (param.environmentTemper) {
            header << tr("EnvironmentTemper");
            values << unit.temper(g->ambientTemp);
        }
        if (param.reflexTemper) {
            header << tr("ReflexTemper");
            values << unit.temper(g->reflectedTemp);
        }
        html += table(word, header, {values});
    }

    html += heading(tr("Rule Param"));
    if (param.rules) {
        rows.clear();
        for (const PicRuleConfig& rule : *param.rules)
            rows.append({ruleName(rule), twoDecimals(rule.emissivity), unit.temper(rule.reflectedTemp),
                         unit.distance(rule.distance), rule.bLocalEnable ? tr("Enable") : tr("Disabled")});
        html += table(word, {tr("TemperRule"), tr("Emissivity"), tr("ReflexTemper"), tr("Distance"), tr("Rule Enable")},
                      rows);
    }

    return html + "</div></html>";
}

bool QReportExport::writeDocFile(const QString& path, const QString& html)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << html << Qt::endl;
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && QFileInfo(path).size() > 0;
}

QString QReportExport::pdfHtml(const QString& html)
{
    // Qt's rich text reads a pixel font size only as a whole number and
    // drops "21.3px" altogether; the ".doc" keeps the fractions, which word
    // processors read. The cover's blank lines do not fill an A4 page here,
    // so the report itself starts a page of its own.
    static const QRegularExpression size(QStringLiteral("font-size:(\\d+\\.\\d+)px"));
    QString out;
    int from = 0;
    QRegularExpressionMatchIterator it = size.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += html.midRef(from, m.capturedStart(1) - from);
        out += QString::number(qRound(m.captured(1).toDouble()));
        from = m.capturedEnd(1);
    }
    out += html.midRef(from);
    return out.replace(kReportBlock, "<div style=\"background-color:#F2F2F2;page-break-before:always\">");
}

bool QReportExport::writePdfFile(const QString& path, const QString& html)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 20, 10, 20), QPageLayout::Millimeter);
    printer.setOutputFileName(path);
    QTextDocument document;
    document.setHtml(pdfHtml(html));
    // print() adds 2 cm of its own on every side of a document not yet laid
    // out in pages: lay it out on the printer's page, inside its margins.
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(0);
    document.rootFrame()->setFrameFormat(root);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) return false;
    const QFileInfo file(path);
    return file.isFile() && file.size() > 0;
}

void QReportExport::setReportExportSlots(const ST_ReportParam& param)
{
    const QString html = buildReportHtml(param);
    bool ok = false;
    if (param.format == 0)
        ok = writeDocFile(param.outPath, html);
    else if (param.format == 1)
        ok = writePdfFile(param.outPath, html);
    emit sendReportExportResultSignals(ok);
}
