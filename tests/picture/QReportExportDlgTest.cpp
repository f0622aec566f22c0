// The report export dialog over a stand-in window: field rules, the empty
// field toast, the report's paths, the overwrite question, the folder picker
// with its byte limit and Config.ini, failures before any request, the copy
// of the picture's data in the request, the pages, and closing during an
// export.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QValidator>

#include <memory>

#include "AppHelpers.h"
#include "ConfigManager.h"
#include "FakeUiPrompts.h"
#include "QSelLineEdit.h"
#include "QTimerMessageboxExWidget.h"
#include "ReportTestSupport.h"
#include "ScratchDir.h"

namespace {

using Kind = FakeUiPrompts::Kind;
using reporttest::fillForm;
using reporttest::finishQueuedExport;

class ReportDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(reporttest::loadPicture(dir_.file("pic.png")));
        folder_ = QString::fromStdString(dir_.path()) + "/F";
        ASSERT_TRUE(QDir().mkpath(folder_));
        dlg_ = std::make_unique<QReportExportDlg>(&window_);
        spy_ = std::make_unique<QSignalSpy>(dlg_.get(), &QReportExportDlg::sendReportExportSignals);
    }
    void TearDown() override
    {
        dlg_.reset();
        ThermalImageData::getInstance().freePic();
    }

    ST_ReportParam lastRequest() const { return spy_->last().at(0).value<ST_ReportParam>(); }
    bool onParamPage() const { return dlg_->stackedWidget()->currentIndex() == 0; }
    // Next step with the form filled and the export finished.
    void exportReport(const QString& name, int format)
    {
        fillForm(*dlg_, name, folder_, format);
        dlg_->nextStepButton()->click();
        finishQueuedExport(*dlg_);
    }

    fixtures::ScratchDir dir_;
    FakeUiPrompts prompts_;
    reporttest::FakeGrabberWindow window_;
    QString folder_;
    std::unique_ptr<QReportExportDlg> dlg_;
    std::unique_ptr<QSignalSpy> spy_;
};

TEST_F(ReportDialogTest, NameRefusesPathCharactersAndFieldsKeepTheirLengths)
{
    const QValidator* v = dlg_->nameEdit()->validator();
    ASSERT_NE(v, nullptr);
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
        QString text = QString("ab") + c;
        int pos = 0;
        EXPECT_EQ(v->validate(text, pos), QValidator::Invalid) << c;
    }
    QString ok = QString::fromUtf8("Report 报告-1_(a).x");
    int pos = 0;
    EXPECT_EQ(v->validate(ok, pos), QValidator::Acceptable);

    const struct {
        QLineEdit* edit;
        int max;
    } fields[] = {{dlg_->nameEdit(), 50}, {dlg_->titleEdit(), 50}, {dlg_->authorEdit(), 30}};
    for (const auto& f : fields) {
        f.edit->clear();
        QTest::keyClicks(f.edit, QString(f.max + 1, QChar('w')));
        EXPECT_EQ(f.edit->text().size(), f.max);
    }
    dlg_->nameEdit()->clear();
    QTest::keyClicks(dlg_->nameEdit(), "a/b|c");
    EXPECT_EQ(dlg_->nameEdit()->text(), "abc");
}

TEST_F(ReportDialogTest, EmptyFieldShowsTheToastBelowItAndStays)
{
    const struct {
        const char* name;
        const char* title;
        const char* author;
        int field;  // 0 name, 1 title, 2 author
    } cases[] = {{"", "", "", 0}, {"A1", "", "x", 1}, {"A1", "t", "", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        fillForm(*dlg_, c.name, folder_, 1, c.title, c.author);
        dlg_->toast()->hide();
        dlg_->nextStepButton()->click();
        QLineEdit* field = c.field == 0 ? dlg_->nameEdit() : c.field == 1 ? dlg_->titleEdit() : dlg_->authorEdit();
        const QPoint at = dlg_->stackedWidget()->mapToParent(field->pos());
        EXPECT_TRUE(dlg_->toast()->isVisibleTo(dlg_.get()));
        EXPECT_EQ(dlg_->toast()->pos(), QPoint(at.x() + 10, at.y() + field->height() - 10));
        QLabel* text = dlg_->toast()->findChild<QLabel*>();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), "Cannot be empty");
        EXPECT_TRUE(onParamPage());
        EXPECT_EQ(spy_->count(), 0);
    }
    // A blank is text.
    fillForm(*dlg_, " ", folder_, 1, " ", " ");
    dlg_->nextStepButton()->click();
    EXPECT_EQ(spy_->count(), 1);
    finishQueuedExport(*dlg_);
}

TEST_F(ReportDialogTest, EveryReportGetsAFolderNamedLikeItsFile)
{
    const struct {
        int format;
        const char* dir;
    } cases[] = {{1, "/A1.pdf"}, {0, "/A1.doc"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dir);
        exportReport("A1", c.format);
        ASSERT_EQ(spy_->count(), 1);
        const ST_ReportParam p = lastRequest();
        const QString dir = folder_ + c.dir;
        EXPECT_EQ(p.outPath, dir + c.dir);
        EXPECT_EQ(p.resDir, dir + "/Res");
        EXPECT_EQ(window_.grabbed.last(), dir + "/Res/IR.bmp");
        EXPECT_TRUE(p.logoPath.isEmpty());
        EXPECT_EQ(p.format, c.format);
        EXPECT_TRUE(QFileInfo(p.outPath).size() > 0);
        EXPECT_EQ(dlg_->resultTextLabel()->text(), "Export successful");
        dlg_->openFolderButton()->click();
        EXPECT_EQ(prompts_.last(Kind::OpenLocalPath).text, dir);
        dlg_->prevStepButton()->click();
        spy_->clear();
    }
}

TEST_F(ReportDialogTest, RequestCarriesCopiesOfThePictureAndTheCoverTexts)
{
    ConfigManager::getInstance().setTemperUnitCache(1);
    exportReport("A1", 1);
    ConfigManager::getInstance().setTemperUnitCache(0);
    ASSERT_EQ(spy_->count(), 1);
    const ST_ReportParam p = lastRequest();
    const QString colon(QChar(0xFF1A));
    EXPECT_EQ(p.title, "ReportTitle" + colon + reporttest::kTitle);
    EXPECT_EQ(p.author, "Author" + colon + reporttest::kAuthor);
    EXPECT_TRUE(p.humidity && p.environmentTemper && p.reflexTemper);
    EXPECT_FALSE(p.textNote);
    ASSERT_TRUE(p.globalParam.has_value());
    EXPECT_FLOAT_EQ(p.globalParam->emissivity, 0.97f);
    EXPECT_EQ(p.globalParam->humidity, 45);
    ASSERT_TRUE(p.rules.has_value());
    ASSERT_EQ(p.rules->size(), 2);
    EXPECT_STREQ(p.rules->at(1).name, reporttest::kRuleName);
    EXPECT_EQ(p.temperUnit, 1);
    EXPECT_EQ(p.temperSymbol, QString(QChar(0x2109)));
    EXPECT_EQ(p.distanceText, GetDistanceUnitText());
    // The display-data boxes are never shown.
    for (QCheckBox* box : dlg_->findChildren<QCheckBox*>()) EXPECT_FALSE(box->isVisibleTo(dlg_.get()));
}

TEST_F(ReportDialogTest, AnExistingReportFolderAsksFirst)
{
    exportReport("A1", 0);
    ASSERT_EQ(spy_->count(), 1);
    const QString file = folder_ + "/A1.doc/A1.doc";
    dlg_->prevStepButton()->click();

    // Cancel: nothing changes, even with the report file gone.
    ASSERT_TRUE(QFile::remove(file));
    prompts_.answers.enqueue(false);
    dlg_->nextStepButton()->click();
    EXPECT_EQ(prompts_.last(Kind::Question).text, "The file already exist,Replace it");
    EXPECT_TRUE(onParamPage());
    EXPECT_EQ(spy_->count(), 1);
    EXPECT_FALSE(QFile::exists(file));

    // OK: the old file goes first, "Res" is reused.
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
    old.close();
    prompts_.answers.enqueue(true);
    dlg_->nextStepButton()->click();
    finishQueuedExport(*dlg_);
    EXPECT_EQ(prompts_.count(Kind::Question), 2);
    EXPECT_EQ(spy_->count(), 2);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("<html>"));
}

TEST_F(ReportDialogTest, FailuresBeforeTheRequestShowExportFailed)
{
    // The picture cannot be grabbed.
    window_.fail = true;
    exportReport("A1", 1);
    EXPECT_EQ(spy_->count(), 0);
    EXPECT_FALSE(onParamPage());
    EXPECT_EQ(dlg_->resultTextLabel()->text(), "Export failed");
    EXPECT_TRUE(dlg_->resultTextLabel()->isVisibleTo(dlg_.get()));
    EXPECT_TRUE(dlg_->prevStepButton()->isVisibleTo(dlg_.get()));
    EXPECT_FALSE(dlg_->progressLabel()->isVisibleTo(dlg_.get()));
    dlg_->prevStepButton()->click();
    window_.fail = false;

    // The resource folder cannot be made: a file stands where "Res" goes.
    ASSERT_TRUE(QDir().mkpath(folder_ + "/B1.pdf"));
    QFile blocker(folder_ + "/B1.pdf/Res");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    prompts_.answers.enqueue(true);
    const int grabs = window_.grabbed.size();
    exportReport("B1", 1);
    EXPECT_EQ(spy_->count(), 0);
    EXPECT_EQ(window_.grabbed.size(), grabs);
    EXPECT_EQ(dlg_->resultTextLabel()->text(), "Export failed");
    dlg_->prevStepButton()->click();

}

TEST_F(ReportDialogTest, PrinterFailureIsReported)
{
    // A folder stands where the PDF goes: the printer cannot open it.
    ASSERT_TRUE(QDir().mkpath(folder_ + "/C1.pdf/C1.pdf/x"));
    prompts_.answers.enqueue(true);
    exportReport("C1", 1);
    EXPECT_EQ(spy_->count(), 1);
    EXPECT_EQ(dlg_->resultTextLabel()->text(), "Export failed");
}

TEST_F(ReportDialogTest, WorkerAnswerPicksThePicture)
{
    for (bool ok : {true, false}) {
        dlg_->setReportExportResultSlots(ok);
        EXPECT_EQ(dlg_->resultTextLabel()->text(), ok ? "Export successful" : "Export failed");
        const QPixmap shown = dlg_->resultPictureLabel()->pixmap(Qt::ReturnByValue);
        ASSERT_FALSE(shown.isNull());
        const QImage expected(ok ? ":/Resource/Skin/export_succeed.png" : ":/Resource/Skin/export_fail.png");
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                  expected.convertToFormat(QImage::Format_ARGB32));
        EXPECT_TRUE(dlg_->prevStepButton()->isVisibleTo(dlg_.get()));
    }
    dlg_->prevStepButton()->click();
    EXPECT_TRUE(onParamPage());
    EXPECT_TRUE(dlg_->nextStepButton()->isVisibleTo(dlg_.get()));
    EXPECT_FALSE(dlg_->openFolderButton()->isVisibleTo(dlg_.get()));
}

TEST_F(ReportDialogTest, FolderPickerCountsBytesAndStoresTheFolder)
{
    const QString base = QString::fromStdString(dir_.path());
    const QString start = dlg_->pathSelector()->text();
    EXPECT_EQ(start, GetReportPath());
    const struct {
        QString path;
        bool accepted;
    } cases[] = {
        {"/" + QString(99, 'a'), true},
        {"/" + QString(100, 'a'), false},
        {"/" + QString::fromUtf8("测").repeated(33), true},   // 1 + 99 bytes
        {"/" + QString::fromUtf8("测").repeated(33) + "b", false},
        {base + "/Chosen", true},
    };
    QString shown = start;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        prompts_.clear();
        prompts_.picks.enqueue(c.path);
        dlg_->pathSelector()->sendSelBtnClickedSignals();
        EXPECT_EQ(prompts_.last(Kind::PickExistingDirectory).text, shown);
        if (c.accepted) shown = c.path;
        EXPECT_EQ(dlg_->pathSelector()->text(), shown);
        EXPECT_EQ(ConfigManager::getInstance().getValue(ConfigManager::kGroup, "ReportPath").toString(), shown);
        EXPECT_EQ(prompts_.texts(Kind::Notice),
                  c.accepted ? QStringList() : QStringList{"The file path is too long"});
    }
    // Cancelled: nothing changes.
    dlg_->pathSelector()->sendSelBtnClickedSignals();
    EXPECT_EQ(dlg_->pathSelector()->text(), shown);
    // The next dialog starts there.
    QReportExportDlg next(&window_);
    EXPECT_EQ(next.pathSelector()->text(), base + "/Chosen");
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "ReportPath", QString());
}

TEST_F(ReportDialogTest, ClosingDuringAnExportWaitsForIt)
{
    fillForm(*dlg_, "A1", folder_, 1);
    dlg_->nextStepButton()->click();
    ASSERT_EQ(spy_->count(), 1);
    dlg_->openFolderButton()->click();  // opens at once
    EXPECT_EQ(prompts_.last(Kind::OpenLocalPath).text, folder_ + "/A1.pdf");
    spy_.reset();
    dlg_.reset();
    EXPECT_GT(QFileInfo(folder_ + "/A1.pdf/A1.pdf").size(), 0);
}

TEST_F(ReportDialogTest, CloseButtonEndsTheDialog)
{
    dlg_->show();
    QPushButton* close = dlg_->findChild<QPushButton*>("CloseBtn");
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(dlg_->isVisible());
}

}  // namespace
