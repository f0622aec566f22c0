// What the screenshot tests check of the texts of a page: every label and
// button shows the whole of its text, inside the page, covering no other.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QLabel>
#include <QList>
#include <QWidget>

// Whether a control shows the whole of its text: a wrapping label by its
// height, anything else by its width.
inline bool showsWholeText(const QWidget* w)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        // Every item fits the field the style leaves beside the arrow.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        const QFontMetrics metrics(combo->font());
        for (int row = 0; row < combo->count(); ++row)
            if (metrics.horizontalAdvance(combo->itemText(row)) > field.width()) return false;
        return true;
    }
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
    return w->sizeHint().width() <= w->width();
}

// The text a label, button or combo box shows; empty for other widgets.
inline QString shownText(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    return QString();
}

// The visible texts (labels, buttons and combo boxes, whose size hint is
// that of their widest item) of an area, with their captions.
inline QList<QWidget*> visibleTexts(QWidget* area)
{
    QList<QWidget*> texts;
    for (QWidget* w : area->findChildren<QWidget*>())
        if (!shownText(w).isEmpty() && w->isVisibleTo(area)) texts << w;
    return texts;
}

// Every text of the area is whole, lies inside the area and covers no
// other.
inline void expectTextsFit(QWidget* area, const QList<QWidget*>& texts)
{
    const QRect bounds(QPoint(0, 0), area->size());
    for (int i = 0; i < texts.size(); ++i) {
        const QWidget* w = texts[i];
        SCOPED_TRACE(shownText(w).toStdString());
        const QRect at(w->mapTo(area, QPoint(0, 0)), w->size());
        EXPECT_TRUE(showsWholeText(w)) << "hint " << w->sizeHint().width() << " px, has " << w->width();
        EXPECT_TRUE(bounds.contains(at)) << "lies inside " << area->objectName().toStdString();
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(at.intersects(QRect(texts[j]->mapTo(area, QPoint(0, 0)), texts[j]->size())))
                << "covers another text";
    }
}
