// The rule temperature table that the live side panel and the picture
// analysis window share: one row per rule, found by the rule's id.
//
// Column 0 is hidden and holds the rule id (0 = the whole picture "G") under
// kDataRole; column 1 is the rule's title; columns 2 to 4 hold the maximum,
// minimum and average, each cell showing its text and keeping its value in
// degrees Celsius under kDataRole. Rows are scanned from the top and the
// first match wins. Pressing a row names its rule. GUI thread only.
#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

class QTableWidget;
class QTableWidgetItem;
class QVBoxLayout;

class RuleResultTable : public QWidget {
    Q_OBJECT
public:
    enum Column { KeyColumn = 0, NameColumn, MaxColumn, MinColumn, AvgColumn, ColumnCount };
    static constexpr int kDataRole = Qt::UserRole + 1;

    QTableWidget* table() const { return table_; }

    // The first row holding key; -1 when there is none.
    int findRow(quint32 key) const;
    // The rule id kept in a row (0 for a row without one or a bad value).
    quint32 rowKey(int row) const;
    // The row's title; empty when the row has no title cell.
    QString rowTitle(int row) const;

signals:
    // A row was pressed; the argument is its title.
    void sendSelectedItemSignal(const QString& strTitle);

public slots:
    // Emits sendSelectedItemSignal with the row's title when it has one.
    void ontemperRuleCellClicked(int nRow, int nCol);
    // Removes the first row of the rule; 0 (the whole picture, not a rule)
    // and keys without a row change nothing.
    void setItemDeleteSlots(quint32 key);
    // Selects the first row of the key; none found changes nothing.
    void setItemSelectSlots(quint32 key);

protected:
    explicit RuleResultTable(QWidget* parent);

    // The header labels: "ItemPointer" and the four texts the subclass
    // translates in its own context.
    void setHeaderTexts(const QString& name, const QString& max, const QString& min, const QString& avg);
    // The row of key; when there is none a row is appended with the key and
    // the title.
    int findOrAppendRow(quint32 key, const QString& title);
    // Appends a row with the key and the title; returns it.
    int appendRow(quint32 key, const QString& title);
    void setRowTitle(int row, const QString& title);
    // Sets a value cell's text and its kept value (an invalid value clears
    // it).
    void setValueCell(int row, Column column, const QString& text, const QVariant& celsius);

    QVBoxLayout* mainLayout() const { return mainLayout_; }

private:
    // A centred cell of row, created when missing.
    QTableWidgetItem* cell(int row, int column);

    QVBoxLayout* mainLayout_;  // owned by this widget
    QTableWidget* table_;      // child
};
