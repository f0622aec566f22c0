// The report document built from a request (every text escaped, skipped
// tables, closing tags, UTF-8), the two writers and the worker on its thread.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <QUrl>

#include "AppHelpers.h"
#include "ReportTestSupport.h"
#include "ScratchDir.h"

namespace {

using reporttest::kAuthor;
using reporttest::kRuleName;
using reporttest::kTitle;

const QString kTable =
    "<table style=\"border:1px solid black;font-size:16px;border-collapse:collapse;\" width=\"100%\">";

QString th(const QString& t)
{
    return "<th style=\"border:1px solid black;background-color:#D8D8D8;text-align:left\">" + t + "</th>";
}
QString td(const QString& t)
{
    return "<td style=\"border:1px solid black;\">" + t + "</td>";
}
QString heading(const QString& t)
{
    return "<p align=\"left\" style=\"font-size:21.3px;font-weight:bold\">" + t + "</p>";
}

ST_ReportParam request(const QString& resDir, int format = 0)
{
    return reporttest::sampleRequest(resDir, format);
}

class ReportDocumentTest : public ::testing::Test {
protected:
    QString resDir() const { return QString::fromStdString(dir_.path()) + "/Res"; }
    QString build(const ST_ReportParam& p) { return worker_.buildReportHtml(p); }

    fixtures::ScratchDir dir_;
    QReportExport worker_;
};

TEST_F(ReportDocumentTest, WholeDocumentPiecesInOrder)
{
    worker_.setResults({reporttest::sampleResult("P1", 40.0f, 30.0f, 20.0f)});
    worker_.setGridInfo({true, 33.3f, 12, 7});
    ST_ReportParam p = request(resDir());
    p.title = "T";
    p.author = "A";
    p.rules = QVector<PicRuleConfig>{reporttest::sampleRule("P1", 0.95f, 2.0f, 22.5f, true)};
    const QString c = QString(QChar(0x2103));

    const QString expected =
        "<html><head><meta charset=\"UTF-8\"></head>"
        "<div align=\"center\" style=\"font-size:26.7px\"><br><br><br><br><br><br><br><br></div>"
        "<p align=\"center\" style=\"font-size:26.7px;font-weight:normal\">T</p>"
        "<p align=\"center\" style=\"font-size:26.7px;font-weight:normal\">A</p>"
        "<p align=\"center\" style=\"font-size:26.7px;font-weight:normal\">ReportTime" +
        QString(QChar(0xFF1A)) + GetCurTimeString("yyyy.MM.dd") + "</p>" +
        "<div align=\"center\" style=\"font-size:26.7px\">" + QString("<br>").repeated(14) + "</div>" +
        "<div style=\"background-color:#F2F2F2\">" +
        "<p align=\"center\" style=\"font-size:40.0px;font-weight:bold\">TestReport</p>" + kTable +
        "<tr><td style=\"border:1px solid black;\"><div align=\"center\"><img src=\"Res/IR.bmp\" width=\"500\" "
        "height=\"0\"/></div></td></tr></table>" +
        heading("TemperInfo") + kTable + "<tr>" + th("TemperRule") + th("Max Temp") + th("AVG Temp") + th("Min Temp") +
        "</tr><tr>" + td("P1") + td("40.0" + c) + td("30.0" + c) + td("20.0" + c) + "</tr></table>" +
        heading("Grid thermal info") + kTable + "<tr>" + th("X position") + th("Y position") + th("Temperature") +
        "</tr><tr>" + td("12") + td("7") + td("33.3" + c) + "</tr></table>" + heading("Global Param") + kTable +
        "<tr>" + th("Emissivity") + th("Distance") + th("Humidity") + th("EnvironmentTemper") + th("ReflexTemper") +
        "</tr><tr>" + td("0.97") + td("1.0Meter") + td("45%") + td("25.0" + c) + td("20.0" + c) + "</tr></table>" +
        heading("Rule Param") + kTable + "<tr>" + th("TemperRule") + th("Emissivity") + th("ReflexTemper") +
        th("Distance") + th("Rule Enable") + "</tr><tr>" + td("P1") + td("0.95") + td("22.5" + c) + td("2.0Meter") +
        td("Enable") + "</tr></table>" + "</div></html>";
    EXPECT_EQ(build(p).toStdString(), expected.toStdString());
}

TEST_F(ReportDocumentTest, TitleAuthorAndRuleNamesStayText)
{
    worker_.setResults({reporttest::sampleResult("<i>", 0, 0, 0)});
    const QString html = build(request(resDir()));
    EXPECT_TRUE(html.contains("Plant &lt;A&gt; &amp; &quot;B&quot;"));
    EXPECT_TRUE(html.contains("O'Neil &amp; &lt;Co&gt;"));
    EXPECT_TRUE(html.contains(td("R&lt;1&gt;&amp;&quot;a&quot;")));
    EXPECT_TRUE(html.contains(td("&lt;i&gt;")));
    for (const char* raw : {"<A>", "<Co>", "<1>", "<i>", "\"B\""}) EXPECT_FALSE(html.contains(raw)) << raw;
}

TEST_F(ReportDocumentTest, MissingTablesAreSkippedAndTheDocumentCloses)
{
    const struct {
        bool global;
        bool rules;
    } cases[] = {{false, true}, {true, false}, {false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "global " << c.global << " rules " << c.rules);
        ST_ReportParam p = request(resDir());
        if (!c.global) p.globalParam.reset();
        if (!c.rules) p.rules.reset();
        const QString html = build(p);
        EXPECT_TRUE(html.endsWith("</div></html>"));
        EXPECT_EQ(html.contains(th("Humidity")), c.global);
        EXPECT_EQ(html.contains(th("Rule Enable")), c.rules);
        if (!c.global) {
            EXPECT_TRUE(html.contains(heading("Global Param") + heading("Rule Param")));
        }
        if (!c.rules) {
            EXPECT_TRUE(html.endsWith(heading("Rule Param") + "</div></html>"));
        }
    }
}

TEST_F(ReportDocumentTest, NoResultsGiveTheHeaderRowAloneAndGridOffNoSection)
{
    worker_.setGridInfo({false, 50.0f, 3, 4});
    const QString html = build(request(resDir()));
    EXPECT_TRUE(html.contains(th("Min Temp") + "</tr></table>"));
    EXPECT_FALSE(html.contains("Grid thermal info"));
}

TEST_F(ReportDocumentTest, UnitsOfTheRequest)
{
    worker_.setResults({reporttest::sampleResult("P1", 25.0f, 0, 0)});
    const struct {
        int temperUnit;
        const char* symbol;
        int distanceUnit;
        const char* distanceText;
        const char* max;
        const char* distance;
    } cases[] = {{1, "\u2109", 1, "Feet", "77.0\u2109", "3.3Feet"}, {2, "K", 0, "Meter", "298.1K", "1.0Meter"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.max);
        ST_ReportParam p = request(resDir());
        p.temperUnit = c.temperUnit;
        p.temperSymbol = QString::fromUtf8(c.symbol);
        p.distanceUnit = c.distanceUnit;
        p.distanceText = c.distanceText;
        const QString html = build(p);
        EXPECT_TRUE(html.contains(td(QString::fromUtf8(c.max)))) << html.toStdString();
        EXPECT_TRUE(html.contains(td(c.distance)));
    }
}

TEST_F(ReportDocumentTest, HumidityAndTemperatureRowsFollowTheirFlags)
{
    ST_ReportParam p = request(resDir());
    p.humidity = false;
    p.reflexTemper = false;
    const QString html = build(p);
    EXPECT_TRUE(html.contains("<tr>" + th("Emissivity") + th("Distance") + th("EnvironmentTemper") + "</tr><tr>" +
                              td("0.97") + td("1.0Meter") + td("25.0" + QString(QChar(0x2103))) + "</tr>"));
}

TEST_F(ReportDocumentTest, PictureSourceAndHeightByFormat)
{
    // A folder name that needs escaping in a URL and in HTML.
    const QString res = QString::fromStdString(dir_.path()) + "/a &b\"c/Res";
    ASSERT_TRUE(QDir().mkpath(res));
    ASSERT_TRUE(reporttest::samplePicture().save(res + "/IR.bmp"));

    const QString doc = build(request(res, 0));
    EXPECT_TRUE(doc.contains("<img src=\"Res/IR.bmp\" width=\"500\" height=\"375\"/>"));

    const QString pdf = build(request(res, 1));
    const QString url = QUrl::fromLocalFile(res + "/IR.bmp").toString(QUrl::FullyEncoded);
    EXPECT_TRUE(url.startsWith("file:///"));
    EXPECT_TRUE(pdf.contains("<img src=\"" + url.toHtmlEscaped() + "\" width=\"500\" height=\"375\"/>"))
        << pdf.toStdString();
    EXPECT_FALSE(pdf.contains("b\"c"));
}

TEST_F(ReportDocumentTest, DocFileIsUtf8AsItsHeadSays)
{
    ST_ReportParam p = request(resDir());
    p.title = QString::fromUtf8("报告标题\xEF\xBC\x9A热像");
    const QString path = QString::fromStdString(dir_.file("r.doc"));
    ASSERT_TRUE(QReportExport::writeDocFile(path, build(p)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<html><head><meta charset=\"UTF-8\"></head>"));
    EXPECT_TRUE(bytes.contains(p.title.toUtf8()));
    EXPECT_TRUE(bytes.endsWith("</html>\n"));
}

TEST_F(ReportDocumentTest, WritersFailWithoutTheirFolder)
{
    const QString missing = QString::fromStdString(dir_.path()) + "/no/such/folder";
    EXPECT_FALSE(QReportExport::writeDocFile(missing + "/r.doc", "<html></html>"));
    EXPECT_FALSE(QReportExport::writePdfFile(missing + "/r.pdf", "<html></html>"));
    EXPECT_FALSE(QFile::exists(missing + "/r.pdf"));
    const QString pdf = QString::fromStdString(dir_.file("r.pdf"));
    EXPECT_TRUE(QReportExport::writePdfFile(pdf, "<html><p>x</p></html>"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST(ReportPdfHtml, PixelSizesRoundedAndTheReportOnANewPage)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"<p style=\"font-size:21.3px;font-weight:bold\">21.3px</p>", "<p style=\"font-size:21px;font-weight:bold\">21.3px</p>"},
        {"<div style=\"font-size:26.7px\"></div><p style=\"font-size:40.0px\">", "<div style=\"font-size:27px\"></div><p style=\"font-size:40px\">"},
        {"<table style=\"font-size:16px;\">", "<table style=\"font-size:16px;\">"},
        {"</p><div style=\"background-color:#F2F2F2\"><p>",
         "</p><div style=\"background-color:#F2F2F2;page-break-before:always\"><p>"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QReportExport::pdfHtml(c.in).toStdString(), c.out);
}

// The worker on a thread of its own, driven like the dialog drives it.
TEST(ReportWorkerThread, ExportsOnItsThreadAndAnswersQueued)
{
    qRegisterMetaType<ST_ReportParam>();
    fixtures::ScratchDir dir;
    QThread thread;
    auto* worker = new QReportExport;
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();

    QThread* ranOn = nullptr;
    QObject::connect(worker, &QReportExport::sendReportExportResultSignals, worker,
                     [&ranOn] { ranOn = QThread::currentThread(); }, Qt::DirectConnection);
    QVector<bool> answers;
    QObject receiver;
    QObject::connect(worker, &QReportExport::sendReportExportResultSignals, &receiver,
                     [&answers](bool ok) { answers << ok; });

    const QString res = QString::fromStdString(dir.path()) + "/Res";
    for (int format : {0, 1, 7}) {
        ST_ReportParam p = request(res, format);
        p.outPath = QString::fromStdString(dir.file("r" + std::to_string(format)));
        QMetaObject::invokeMethod(worker, [worker, p] { worker->setReportExportSlots(p); }, Qt::QueuedConnection);
    }
    // A bad folder: no ".doc" written.
    ST_ReportParam bad = request(res, 0);
    bad.outPath = res + "/missing/r.doc";
    QMetaObject::invokeMethod(worker, [worker, bad] { worker->setReportExportSlots(bad); }, Qt::QueuedConnection);

    QMetaObject::invokeMethod(worker, [] {}, Qt::BlockingQueuedConnection);
    QApplication::processEvents();
    EXPECT_EQ(ranOn, &thread);
    EXPECT_EQ(answers, (QVector<bool>{true, true, false, false}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("r7"))));
    thread.quit();
    thread.wait();
}

}  // namespace
