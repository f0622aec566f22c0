// The report dialog's parameter, success and failure pages in English and
// Chinese, and the first two pages of a PDF report, saved as PNG files for a look
// (CI runs this under Xvfb). Checks what a glance would: every text whole and
// apart, the result picture drawn, the PDF page not blank.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "FakeUiPrompts.h"
#include "ReportTestSupport.h"
#include "ScratchDir.h"
#include "ScreenshotPixels.h"
#include "ScreenshotTexts.h"
#include "StartUp.h"

namespace {

enum class Page { Params, Success, Failure };

void save(QWidget& w, const QString& file)
{
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    EXPECT_TRUE(w.grab().save(folder + "/" + file));
}

TEST(ReportScreenshot, DialogPagesInBothLanguagesAndThePdfPage)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    FakeUiPrompts prompts;
    fixtures::ScratchDir dir;
    ASSERT_TRUE(reporttest::loadPicture(dir.file("pic.png")));
    const QString folder = QString::fromStdString(dir.path());

    QTranslator translator;
    for (const char* language : {"en", "zh"}) {
        QApplication::removeTranslator(&translator);
        ASSERT_TRUE(translator.load(QString(":/Translation/Translation/vxt_%1.qm").arg(language)));
        QApplication::installTranslator(&translator);
        for (Page page : {Page::Params, Page::Success, Page::Failure}) {
            const QString name = page == Page::Params ? "params" : page == Page::Success ? "success" : "failure";
            const QString file = QString("report_%1_%2.png").arg(name, language);
            SCOPED_TRACE(file.toStdString());
            reporttest::FakeGrabberWindow window;
            window.fail = page == Page::Failure;
            QReportExportDlg dlg(&window);
            dlg.setResults({reporttest::sampleResult("G", 40.0f, 30.1f, 20.0f),
                            reporttest::sampleResult("P1", 23.2f, 23.2f, 23.2f),
                            reporttest::sampleResult(reporttest::kRuleName, 30.4f, 27.7f, 25.1f)});
            dlg.setGridInfo(ReportGridInfo{true, 26.5f, 120, 80});
            reporttest::fillForm(dlg, "A1-" + name + "-" + language, folder, 1);
            dlg.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
            if (page != Page::Params) {
                dlg.nextStepButton()->click();
                reporttest::finishQueuedExport(dlg);
                QLabel* picture = dlg.resultPictureLabel();
                ASSERT_TRUE(picture->isVisible());
                const QImage shot = dlg.grab().toImage();
                EXPECT_GT(distinctColours(shot, QRect(picture->mapTo(&dlg, QPoint()), picture->size())), 8);
            }
            QApplication::processEvents();
            expectTextsFit(&dlg, visibleTexts(&dlg));
            save(dlg, file);
        }
    }
    QApplication::removeTranslator(&translator);

    const QString pdf = folder + "/A1-success-zh.pdf/A1-success-zh.pdf";
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    // The cover page, and the page with the picture and the tables.
    for (const char* number : {"1", "2"}) {
        const QString png = QString(CALIDRA_SCREENSHOT_DIR) + "/report_pdf_page" + number;
        reporttest::runTool("pdftoppm", {"-png", "-r", "60", "-f", number, "-l", number, "-singlefile", pdf, png});
        const QImage page(png + ".png");
        ASSERT_FALSE(page.isNull()) << number;
        EXPECT_GT(distinctColours(page, page.rect()), 16) << number;
    }
}

}  // namespace
