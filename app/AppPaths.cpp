#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

#include <memory>

namespace {

std::unique_ptr<AppPaths>& slot()
{
    static std::unique_ptr<AppPaths> paths;
    return paths;
}

// A folder is writable for us when a file can be created and removed in it.
bool acceptsProbe(const QString& dir)
{
    QFile probe(dir + "/.calidra_probe_" + QUuid::createUuid().toString(QUuid::Id128));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    return probe.remove();
}

}  // namespace

const AppPaths& AppPaths::get()
{
    std::unique_ptr<AppPaths>& p = slot();
    if (!p) p.reset(new AppPaths());
    return *p;
}

void AppPaths::reset()
{
    slot().reset();
}

AppPaths::AppPaths()
{
    const QString home = qEnvironmentVariable("CALIDRA_HOME");
    QString root;
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        root = QDir(home).absolutePath();
    } else {
        const QString program = QCoreApplication::applicationDirPath();
        if (!program.isEmpty() && acceptsProbe(program)) root = program;
    }
    portable_ = !root.isEmpty();
    if (portable_) {
        appDir_ = root;
        configFile_ = root + "/Config.ini";
        userDataDir_ = root + "/UserData";
        reportDir_ = root + "/ExportReport";
        tmpBmp_ = root + "/Tmp.bmp";
        logDir_ = root + "/logs";
        return;
    }
    appDir_ = QCoreApplication::applicationDirPath();
    configFile_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/Config.ini";
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Calidra";
    userDataDir_ = documents + "/UserData";
    reportDir_ = documents + "/ExportReport";
    tmpBmp_ = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/Tmp.bmp";
    logDir_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/logs";
}

void AppPaths::prepareLogs() const
{
    QDir().mkpath(logDir_);
    qputenv("THERMCORE_LOG_DIR", QFile::encodeName(logDir_));
}
