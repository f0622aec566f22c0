#include "ConfigManager.h"

#include <QSettings>

#include "AppPaths.h"

namespace {

QString keyPath(const QString& group, const QString& key)
{
    return QString("/%1/%2").arg(group, key);
}

}  // namespace

ConfigManager& ConfigManager::getInstance()
{
    static ConfigManager instance(AppPaths::get().configFile());
    return instance;
}

ConfigManager::ConfigManager(const QString& path) : settings_(new QSettings(path, QSettings::IniFormat))
{
    settings_->setIniCodec("utf-8");
}

ConfigManager::~ConfigManager() = default;

QString ConfigManager::filePath() const
{
    return settings_->fileName();
}

QVariant ConfigManager::getValue(const QString& group, const QString& key)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_->value(keyPath(group, key));
}

void ConfigManager::setValue(const QString& group, const QString& key, const QVariant& value)
{
    if (group.isEmpty() || key.isEmpty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    settings_->setValue(keyPath(group, key), value);
    settings_->sync();  // a crash must not lose the user's choice
}

void ConfigManager::sync()
{
    std::lock_guard<std::mutex> lock(mutex_);
    settings_->sync();
}

int ConfigManager::getLanguage()
{
    std::lock_guard<std::mutex> lock(mutex_);
    settings_->sync();  // an edit of the file between two clicks counts
    return settings_->value(keyPath(kGroup, "Language")).toInt();
}

void ConfigManager::setLanguage(int language)
{
    setValue(kGroup, "Language", language);
}

void ConfigManager::setTemperUnitCache(int unit)
{
    std::lock_guard<std::mutex> lock(mutex_);
    temperUnitCache_ = unit;
}

int ConfigManager::getTemperUnitCache()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return temperUnitCache_;
}

int ConfigManager::getDistanceUnitCache()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return distanceUnitCache_;
}
