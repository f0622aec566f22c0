#include "QHtmlWord.h"

QHtmlWord::QHtmlWord(QObject* parent) : QObject(parent) {}

QString QHtmlWord::alignWord(int a)
{
    switch (a) {
        case Qt::AlignLeft:
            return QStringLiteral("left");
        case Qt::AlignRight:
            return QStringLiteral("right");
        default:
            return QStringLiteral("center");
    }
}

QString QHtmlWord::pixelText(float points)
{
    return QString::number(points / 0.75f, 'f', 1);
}

QString QHtmlWord::headerRow(const QVector<QString>& cells, int a) const
{
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += "<th style=\"border:1px solid black;background-color:#D8D8D8;text-align:" + alignWord(a) + "\">" +
                cell.toHtmlEscaped() + "</th>";
    return html + "</tr>";
}

QString QHtmlWord::dataRow(const QVector<QString>& cells) const
{
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells) html += "<td style=\"border:1px solid black;\">" + cell.toHtmlEscaped() + "</td>";
    return html + "</tr>";
}

QString QHtmlWord::blankBlock(int n, float points) const
{
    return "<div align=\"center\" style=\"font-size:" + pixelText(points) + "px\">" +
           QStringLiteral("<br>").repeated(qMax(n, 0)) + "</div>";
}

QString QHtmlWord::imageBlock(const QString& source, const QVariant& width, const QVariant& height, int a) const
{
    // toHtmlEscaped covers the double quote, so the source cannot leave its
    // attribute.
    return "<div align=\"" + alignWord(a) + "\">" + "<img src=\"" + source.toHtmlEscaped() + "\" width=\"" +
           QString::number(width.toInt()) + "\" height=\"" + QString::number(height.toInt()) + "\"/>" + "</div>";
}

QString QHtmlWord::paragraph(const QString& text, float points, bool bold, int a) const
{
    return "<p align=\"" + alignWord(a) + "\" style=\"font-size:" + pixelText(points) +
           "px;font-weight:" + (bold ? "bold" : "normal") + "\">" + text.toHtmlEscaped() + "</p>";
}
