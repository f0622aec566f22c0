// What the report tests share: a stand-in for the analysis window that saves
// a real picture when the dialog asks for it, a picture in the store whose
// texts need escaping, a dialog driven through its fields, the barrier that
// lets a queued export finish, and the command-line readers of the written
// reports.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QImage>
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
#include "ThermalImageData.h"

namespace reporttest {

// Texts a picture file or the keyboard could carry that break HTML.
constexpr const char* kRuleName = "R<1>&\"a\"";   // within the 32-byte field
constexpr const char* kTitle = "Plant <A> & \"B\"";
constexpr const char* kAuthor = "O'Neil & <Co>";

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
        return picture().save(path);
    }

    static QImage picture()
    {
        QImage image(384, 288, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, QColor(x * 255 / 383, y * 255 / 287, 128));
        return image;
    }
};

// A 32 x 24 picture with a global block and two rules, the second named
// kRuleName; loaded into the store as the analysis window loads it.
inline bool loadPicture(const std::string& path)
{
    fixtures::RadioPictureWriter p(32, 24);
    p.setTemperatures(fixtures::rampTemperatures(32, 24, 10.0f, 60.0f));
    PicViewInfo& info = p.picViewInfo();
    info.emissivity = 0.97f;
    info.humidity = 45;
    info.ruleCount = 2;
    info.rules[0].ruleId = 1;
    info.rules[0].meterType = 0;
    info.rules[0].pointNum = 1;
    info.rules[0].points[0] = {4096, 4096};
    std::strcpy(info.rules[0].name, "P1");
    info.rules[1].ruleId = 2;
    info.rules[1].meterType = 2;
    info.rules[1].param = 1;
    info.rules[1].pointNum = 4;
    info.rules[1].points[1] = {4096, 0};
    info.rules[1].points[2] = {4096, 4096};
    info.rules[1].points[3] = {0, 4096};
    std::strcpy(info.rules[1].name, kRuleName);
    if (!p.writeTo(path)) return false;
    ThermalImageData& s = ThermalImageData::getInstance();
    s.freePic();
    const QString file = QString::fromStdString(path);
    return s.readPicFile(file) == 0 && s.getPicHeaderInfo() == 0 && s.getThermalGraph() == 0 &&
           s.getPixelsTemperature() == 0 && s.updateHotColdTemper() == 0 && s.calcPaletteRange() == 0 &&
           s.readPicGlobalRuleConfig() == 0 && s.readPicRuleConfigInfo() == 0;
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
