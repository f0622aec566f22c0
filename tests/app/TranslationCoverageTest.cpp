// Every text the program passes through tr() has a translation in both
// catalogues: lupdate extracts the texts from the sources, and each one must
// be in vxt_zh.ts and vxt_en.ts with a finished, non-empty translation.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString translation;
    bool finished = true;
};

// (context, source) -> translation of a .ts file.
QMap<QPair<QString, QString>, Entry> readTs(const QString& path)
{
    QMap<QPair<QString, QString>, Entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.finished = xml.attributes().value("type").isEmpty();
            entry.translation = xml.readElementText();
            out.insert({context, source}, entry);
        }
    }
    return out;
}

TEST(Translations, EveryTextHasBothTranslations)
{
    QTemporaryDir dir;
    const QString extracted = dir.filePath("extracted.ts");
    QStringList args = QString(CALIDRA_SOURCE_DIRS).split('|', Qt::SkipEmptyParts);
    args << "-locations"
         << "none"
         << "-ts" << extracted;
    QProcess lupdate;
    lupdate.start(CALIDRA_LUPDATE, args);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();

    const auto texts = readTs(extracted);
    ASSERT_GT(texts.size(), 20);
    for (const char* catalogue : {CALIDRA_TS_ZH, CALIDRA_TS_EN}) {
        SCOPED_TRACE(catalogue);
        const auto known = readTs(catalogue);
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            const auto found = known.find(it.key());
            ASSERT_NE(found, known.end())
                << it.key().first.toStdString() << ": \"" << it.key().second.toStdString() << "\" is missing";
            EXPECT_TRUE(found->finished && !found->translation.isEmpty())
                << it.key().first.toStdString() << ": \"" << it.key().second.toStdString() << "\" is unfinished";
        }
    }
}

}  // namespace
