// Both report formats through the dialog, read back by other programs: the
// PDF by poppler (A4 page, the texts as text, the picture), the ".doc" by
// LibreOffice (the same texts, the picture found beside the report as
// "Res/IR.bmp").
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "FakeUiPrompts.h"
#include "ReportTestSupport.h"
#include "ScratchDir.h"

namespace {

using reporttest::runTool;

class ReportEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(reporttest::loadPicture(dir_.file("pic.png")));
        folder_ = QString::fromStdString(dir_.path()) + "/Reports";
        ASSERT_TRUE(QDir().mkpath(folder_));
    }
    void TearDown() override { ThermalImageData::getInstance().freePic(); }

    // Exports through the dialog; the report file, empty on failure.
    QString exportReport(int format)
    {
        QReportExportDlg dlg(&window_);
        dlg.setResults({reporttest::sampleResult("P<2>", 60.0f, 35.0f, 10.0f)});
        dlg.setGridInfo({true, 22.0f, 5, 6});
        reporttest::fillForm(dlg, "A1", folder_, format);
        dlg.nextStepButton()->click();
        reporttest::finishQueuedExport(dlg);
        if (dlg.resultTextLabel()->text() != "Export successful") return QString();
        const QString ext = format == 1 ? ".pdf" : ".doc";
        return folder_ + "/A1" + ext + "/A1" + ext;
    }

    // What a reader must find in the text of either report.
    static void expectTexts(const QString& text)
    {
        for (const char* t : {reporttest::kTitle, reporttest::kAuthor, reporttest::kRuleName, "P<2>", "TestReport",
                              "Global Param", "Rule Param", "Grid thermal info"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t << "\n" << text.toStdString();
        EXPECT_TRUE(text.contains(QString(QChar(0xFF1A))));  // decoded as UTF-8
        EXPECT_FALSE(text.contains("&lt;") || text.contains("&amp;") || text.contains("&quot;"));
    }

    // One line per image of "pdfimages -list" (after its two header lines).
    static QStringList images(const QString& pdf)
    {
        QStringList lines = runTool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        return lines.mid(2);
    }

    fixtures::ScratchDir dir_;
    FakeUiPrompts prompts_;
    reporttest::FakeGrabberWindow window_;
    QString folder_;
};

TEST_F(ReportEndToEndTest, PdfIsAnA4PageWithTheTextsAndThePicture)
{
    const QString pdf = exportReport(1);
    ASSERT_FALSE(pdf.isEmpty());
    const QString info = runTool("pdfinfo", {pdf}).simplified();
    EXPECT_TRUE(info.contains("Page size: 595 x 842 pts (A4)")) << info.toStdString();
    expectTexts(runTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}));
    // The cover has its page; the report starts the next one.
    const QString cover = runTool("pdftotext", {"-enc", "UTF-8", "-f", "1", "-l", "1", pdf, "-"});
    EXPECT_TRUE(cover.contains(QString::fromUtf8(reporttest::kTitle)));
    EXPECT_FALSE(cover.contains("TestReport"));
    // The sizes of the document reach the page: the 30 pt heading is drawn
    // far larger than the 12 pt table text.
    const QString boxes = runTool("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">TestReport<");
    const QRegularExpressionMatch heading = word.match(boxes);
    ASSERT_TRUE(heading.hasMatch()) << boxes.toStdString();
    EXPECT_GT(heading.captured(2).toDouble() - heading.captured(1).toDouble(), 25.0);

    const QStringList list = images(pdf);
    ASSERT_FALSE(list.isEmpty());
    // The picture at its own size, 384 x 288.
    EXPECT_TRUE(list.first().simplified().contains(" image 384 288 ")) << list.first().toStdString();
}

TEST_F(ReportEndToEndTest, DocOpensInLibreOfficeWithThePictureBesideIt)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
    const QString doc = exportReport(0);
    ASSERT_FALSE(doc.isEmpty());
    EXPECT_TRUE(QFileInfo(QFileInfo(doc).path() + "/Res/IR.bmp").isFile());

    fixtures::ScratchDir profile;
    const QString out = QString::fromStdString(dir_.path()) + "/converted";
    runTool(soffice,
            {"-env:UserInstallation=file://" + QString::fromStdString(profile.path()), "--headless", "--convert-to",
             "pdf", "--outdir", out, doc},
            300000);
    const QString pdf = out + "/A1.pdf";
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    expectTexts(runTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}));
    EXPECT_FALSE(images(pdf).isEmpty()) << "the picture from Res/IR.bmp";
}

// The page margins are 10 mm left and right and 20 mm top and bottom: a
// full-width line starts 10 mm from the left edge and 20 mm from the top.
TEST(ReportPdfMargins, TenAndTwentyMillimetres)
{
    fixtures::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.file("m.pdf"));
    ASSERT_TRUE(QReportExport::writePdfFile(pdf, "<html><p>Edge " + QString("wide ").repeated(60) + "</p></html>"));
    const QString boxes = runTool("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">(\\w+)<");
    double left = 1e9, top = 1e9, right = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        left = qMin(left, m.captured(1).toDouble());
        top = qMin(top, m.captured(2).toDouble());
        right = qMax(right, m.captured(3).toDouble());
    }
    const double mm = 72.0 / 25.4;
    EXPECT_NEAR(left, 10 * mm, 2.0) << boxes.toStdString();
    EXPECT_NEAR(top, 20 * mm, 6.0);
    EXPECT_LE(right, 595 - 10 * mm + 1.0);
    EXPECT_GT(right, 595 - 30 * mm);
}

}  // namespace
