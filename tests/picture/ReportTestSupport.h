// What the report tests share: a stand-in for the analysis window that saves
// a real picture when the dialog asks for it, a picture in the store whose
// texts need escaping, a dialog driven through its fields, the barrier that
// lets a queued export finish, and the command-line readers of the written
// reports.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstring>
#include <string>

#include "PictureGrabber.h"
#include "QReportExport.h"
#include "QReportExportDlg.h"
#include "QSelLineEdit.h"
#include "RadioPictureWriter.h"
#include "ReportSamples.h"
#include "StoreTestSupport.h"
#include "ThermalImageData.h"

namespace reporttest {

// The analysis window as the dialog sees it: grabbing writes a 384 x 288
// picture (a format the file name gives) unless told to fail.
class FakeGrabberWindow : public QWidget, public PictureGrabber {
public:
    bool fail = false;
    QStringList grabbed;

    bool grabPictureView(const QString& path) override
    {
        grabbed << path;
        if (fail) return false;
        return samplePicture().save(path);
    }
};

// The store's 32 x 24 ramp with its rules "P1" and "R1", the second renamed
// kRuleName, emissivity 0.97 and humidity 45; loaded into the store as the
// analysis window loads it.
inline bool loadPicture(const std::string& path)
{
    fixtures::RadioPictureWriter p = storetest::rampPicture();
    p.picViewInfo().emissivity = 0.97f;
    p.picViewInfo().humidity = 45;
    std::strcpy(p.picViewInfo().rules[1].name, kRuleName);
    // Rules measured with parameters of their own, as a user leaves them.
    for (int i = 0; i < 2; ++i) {
        auto& r = p.picViewInfo().rules[i];
        r.emissivity = 0.95f;
        r.distance = 2.0f;
        r.reflectedTemp = 22.5f;
    }
    ThermalImageData& s = ThermalImageData::getInstance();
    s.freePic();
    if (!p.writeTo(path)) return false;
    // The steps of the window's load that fill what a report reads.
    return s.readPicFile(QString::fromStdString(path)) == 0 && s.getPicHeaderInfo() == 0 &&
           s.getThermalGraph() == 0 && s.getPixelsTemperature() == 0 && s.readPicGlobalRuleConfig() == 0 &&
           s.readPicRuleConfigInfo() == 0;
}

// Fills the first page: name, folder, format (0 doc, 1 pdf), title, author.
inline void fillForm(QReportExportDlg& dlg, const QString& name, const QString& folder, int format,
                     const QString& title = kTitle, const QString& author = kAuthor)
{
    dlg.nameEdit()->setText(name);
    dlg.pathSelector()->setText(folder);
    dlg.formatComboBox()->setCurrentIndex(format);
    dlg.titleEdit()->setText(title);
    dlg.authorEdit()->setText(author);
}

// Returns once the worker has handled everything queued to it so far and its
// answer has reached the dialog.
inline void finishQueuedExport(QReportExportDlg& dlg)
{
    QMetaObject::invokeMethod(dlg.worker(), [] {}, Qt::BlockingQueuedConnection);
    QApplication::processEvents();
}

// Runs a command-line tool; its standard output, or a failure of the test.
inline QString runTool(const QString& program, const QStringList& args, int timeoutMs = 60000)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        process.kill();
        process.waitForFinished();
        return QString();
    }
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace reporttest
