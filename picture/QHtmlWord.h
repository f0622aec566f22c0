// The HTML pieces a report is assembled from: table rows, blank lines, the
// picture and paragraphs. Texts and the picture source are escaped here, so
// whatever a picture file carries (rule names, typed titles) stays text.
//
// Alignments are Qt values: Qt::AlignLeft "left", Qt::AlignRight "right",
// anything else "center". Sizes are points, written as pixels (points / 0.75,
// one decimal).
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

class QHtmlWord : public QObject {
    Q_OBJECT
public:
    explicit QHtmlWord(QObject* parent = nullptr);

    // "<tr>" and one grey header cell per text, aligned a.
    QString headerRow(const QVector<QString>& cells, int a) const;
    // "<tr>" and one bordered cell per text.
    QString dataRow(const QVector<QString>& cells) const;
    // A centred block of n line breaks (none when n <= 0) at the font size.
    QString blankBlock(int n, float points) const;
    // The picture at width x height (their integer values), aligned a.
    QString imageBlock(const QString& source, const QVariant& width, const QVariant& height, int a) const;
    QString paragraph(const QString& text, float points, bool bold, int a) const;

    static QString alignWord(int a);
    static QString pixelText(float points);
};
