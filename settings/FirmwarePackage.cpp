#include "FirmwarePackage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace {

constexpr qint64 kCopyPiece = 8192;
constexpr int kMarkLength = 4;

// Unix file type bits of a zip entry's external attributes (high 16 bits).
constexpr quint32 kTypeMask = 0170000;
constexpr quint32 kTypeSymlink = 0120000;

bool isSymlink(const QuaZipFileInfo64& info)
{
    return ((info.externalAttr >> 16) & kTypeMask) == kTypeSymlink;
}

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString fileNameOf(const QString& relativePath)
{
    return relativePath.mid(relativePath.lastIndexOf(QLatin1Char('/')) + 1);
}

template <typename Match>
int firstIndex(const QStringList& paths, Match match)
{
    for (int i = 0; i < paths.size(); ++i) {
        if (match(withSlashes(paths.at(i)))) return i;
    }
    return -1;
}

}  // namespace

FirmwarePackage::FirmwarePackage() = default;

FirmwarePackage::FirmwarePackage(const Limits& limits) : limits_(limits) {}

FirmwarePackage::~FirmwarePackage()
{
    if (zip_) zip_->close();
}

bool FirmwarePackage::HasPackageMark(const QByteArray& head)
{
    return head.startsWith("KVSP") || head.startsWith(QByteArray("KV\x03\x04", kMarkLength));
}

bool FirmwarePackage::CopyPackageAsZip(const QString& packagePath, const QString& archivePath)
{
    QFile package(packagePath);
    if (!package.open(QIODevice::ReadOnly) || package.size() == 0) return false;
    QByteArray head = package.read(kMarkLength);
    if (!HasPackageMark(head)) return false;

    QFile archive(archivePath);
    if (!archive.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (!package.seek(0)) return false;
    while (!package.atEnd()) {
        const QByteArray piece = package.read(kCopyPiece);
        if (piece.isEmpty()) return false;  // a read error before the end
        if (archive.write(piece) != piece.size()) return false;
    }
    head.replace(0, 2, "PK");
    return archive.seek(0) && archive.write(head) == head.size() && archive.flush();
}

QStringList FirmwarePackage::ParseBurnList(const QByteArray& installFile)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(installFile, &error);
    QStringList list;
    if (error.error != QJsonParseError::NoError) return list;
    const QJsonArray commands = document.object().value(QStringLiteral("Commands")).toArray();
    for (const QJsonValue& command : commands) {
        const QStringList words = command.toString().split(QLatin1Char(' '), Qt::KeepEmptyParts);
        if (words.size() >= 3 && words.at(0) == QLatin1String("burn")) list << words.at(1);
    }
    qDebug() << "Extracted qstrFilenamesList:" << list;
    return list;
}

int FirmwarePackage::FindFileIndex(const QStringList& relativePaths, const QString& text)
{
    const QString wanted = withSlashes(text);
    if (wanted.isEmpty() || wanted.split(QLatin1Char('/')).contains(QStringLiteral(".."))) return -1;
    int index = firstIndex(relativePaths, [&](const QString& path) { return path == wanted; });
    if (index < 0) index = firstIndex(relativePaths, [&](const QString& path) { return fileNameOf(path) == wanted; });
    if (index < 0) index = firstIndex(relativePaths, [&](const QString& path) { return path.contains(wanted); });
    return index;
}

int FirmwarePackage::FindInstallIndex(const QStringList& relativePaths)
{
    return firstIndex(relativePaths, [](const QString& path) { return path.contains(QLatin1String("Install")); });
}

QString FirmwarePackage::SafeRelativePath(const QString& entryName)
{
    const QString name = withSlashes(entryName);
    if (name.isEmpty() || name.startsWith(QLatin1Char('/'))) return QString();
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter()) return QString();
    if (name.split(QLatin1Char('/')).contains(QStringLiteral(".."))) return QString();
    const QString cleaned = QDir::cleanPath(name);
    if (cleaned.isEmpty() || cleaned == QLatin1String(".") || cleaned == QLatin1String("..") ||
        cleaned.startsWith(QLatin1String("../")) || cleaned.startsWith(QLatin1Char('/'))) {
        return QString();
    }
    return cleaned;
}

bool FirmwarePackage::open(QIODevice* zip)
{
    entries_.clear();
    if (zip_) zip_->close();
    zip_ = std::make_unique<QuaZip>(zip);
    if (!zip_->open(QuaZip::mdUnzip)) return false;
    if (zip_->getEntriesCount() > limits_.maxEntries) return false;

    int count = 0;
    qint64 claimed = 0;
    for (bool more = zip_->goToFirstFile(); more; more = zip_->goToNextFile()) {
        QuaZipFileInfo64 info;
        if (++count > limits_.maxEntries || !zip_->getCurrentFileInfo(&info)) return false;
        const QString path = SafeRelativePath(info.name);
        if (path.isEmpty() || isSymlink(info)) return false;
        claimed += qint64(qMin(info.uncompressedSize, quint64(limits_.maxUnpackedBytes) + 1));
        if (claimed > limits_.maxUnpackedBytes) return false;
        if (!withSlashes(info.name).endsWith(QLatin1Char('/'))) entries_ << path;
    }
    if (zip_->getZipError() != UNZ_OK) {
        entries_.clear();
        return false;
    }
    return true;
}

bool FirmwarePackage::extractTo(const QString& root)
{
    return readEntries(&root);
}

bool FirmwarePackage::checkContents()
{
    return readEntries(nullptr);
}

bool FirmwarePackage::readEntries(const QString* root)
{
    if (!zip_ || !zip_->isOpen()) return false;
    const QDir rootDir(root ? *root : QString());
    qint64 total = 0;
    char buffer[64 * 1024];
    for (bool more = zip_->goToFirstFile(); more; more = zip_->goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip_->getCurrentFileInfo(&info)) return false;
        const QString path = SafeRelativePath(info.name);
        if (path.isEmpty()) return false;
        if (withSlashes(info.name).endsWith(QLatin1Char('/'))) {
            if (root && !rootDir.mkpath(path)) return false;
            continue;
        }
        QFile out;
        if (root) {
            out.setFileName(rootDir.filePath(path));
            if (!rootDir.mkpath(QFileInfo(path).path()) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                return false;
            }
        }
        QuaZipFile entry(zip_.get());
        if (!entry.open(QIODevice::ReadOnly)) return false;
        for (;;) {
            const qint64 n = entry.read(buffer, qint64(sizeof buffer));
            if (n < 0) return false;
            if (n == 0) break;
            total += n;
            if (total > limits_.maxUnpackedBytes) return false;
            if (root && out.write(buffer, n) != n) return false;
        }
        entry.close();
        if (entry.getZipError() != UNZ_OK) return false;  // a CRC or stream error shows at the close
    }
    return zip_->getZipError() == UNZ_OK;
}

bool FirmwarePackage::readInstallFile(const QString& root, QByteArray* content) const
{
    const int index = FindInstallIndex(entries_);
    if (index < 0) return false;
    QFile file(QDir(root).filePath(entries_.at(index)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > limits_.maxInstallBytes) return false;
    *content = file.read(limits_.maxInstallBytes + 1);
    return content->size() <= limits_.maxInstallBytes;
}
