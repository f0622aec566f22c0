// Owner of Config.ini: one group "GeneralConfig" of a few keys, read and
// written as "/group/key" through QSettings (INI, UTF-8).
//
// Used from the GUI thread and from the workers (the frame worker reads the
// folders when it records or takes a snapshot): every access takes the
// manager's mutex.
#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <mutex>

class QSettings;

class ConfigManager {
public:
    static constexpr const char* kGroup = "GeneralConfig";

    // The process-wide instance on AppPaths' Config.ini, created on first
    // use and destroyed at exit.
    static ConfigManager& getInstance();

    // A manager of its own on the given file (tests).
    explicit ConfigManager(const QString& path);
    ~ConfigManager();
    ConfigManager(const ConfigManager&) = delete;
    ConfigManager& operator=(const ConfigManager&) = delete;

    QString filePath() const;

    // The stored value, or an invalid QVariant when absent.
    QVariant getValue(const QString& group, const QString& key);
    // Writes only when both group and key are non-empty.
    void setValue(const QString& group, const QString& key, const QVariant& value);
    // Writes pending changes and picks up edits made to the file meanwhile.
    void sync();

    // "Language": 0 Chinese, 1 English; read from the file at every call.
    int getLanguage();
    void setLanguage(int language);

    // The unit the picture analysis window shows; the helpers without the
    // suffix Ex convert with it.
    void setTemperUnitCache(int unit);
    int getTemperUnitCache();
    // Never set: -1, so the distance unit is read from the file.
    int getDistanceUnitCache();

private:
    std::mutex mutex_;
    std::unique_ptr<QSettings> settings_;
    int temperUnitCache_ = 0;
    int distanceUnitCache_ = -1;
};
