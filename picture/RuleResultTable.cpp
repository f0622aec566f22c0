#include "RuleResultTable.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

RuleResultTable::RuleResultTable(QWidget* parent)
    : QWidget(parent), mainLayout_(new QVBoxLayout(this)), table_(new QTableWidget(this))
{
    mainLayout_->setObjectName(QStringLiteral("mainVLayout"));
    mainLayout_->setSpacing(6);
    const QMargins margins = mainLayout_->contentsMargins();
    mainLayout_->setContentsMargins(6, margins.top(), 6, margins.bottom());
    mainLayout_->addWidget(table_);

    table_->setObjectName(QStringLiteral("TemperRuleTableWidget"));
    table_->setColumnCount(ColumnCount);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setColumnHidden(KeyColumn, true);
    connect(table_, &QTableWidget::cellPressed, this, &RuleResultTable::ontemperRuleCellClicked);
}

void RuleResultTable::setHeaderTexts(const QString& name, const QString& max, const QString& min, const QString& avg)
{
    table_->setHorizontalHeaderLabels({QStringLiteral("ItemPointer"), name, max, min, avg});
}

int RuleResultTable::findRow(quint32 key) const
{
    for (int row = 0; row < table_->rowCount(); ++row)
        if (rowKey(row) == key && table_->item(row, KeyColumn)) return row;
    return -1;
}

quint32 RuleResultTable::rowKey(int row) const
{
    const QTableWidgetItem* item = table_->item(row, KeyColumn);
    if (!item) return 0;
    bool ok = false;
    const uint key = item->data(kDataRole).toUInt(&ok);
    return ok ? key : 0;
}

QString RuleResultTable::rowTitle(int row) const
{
    const QTableWidgetItem* item = table_->item(row, NameColumn);
    return item ? item->text() : QString();
}

void RuleResultTable::ontemperRuleCellClicked(int nRow, int nCol)
{
    Q_UNUSED(nCol);
    if (const QTableWidgetItem* item = table_->item(nRow, NameColumn)) emit sendSelectedItemSignal(item->text());
}

void RuleResultTable::setItemDeleteSlots(quint32 key)
{
    if (key == 0) return;
    const int row = findRow(key);
    if (row >= 0) table_->removeRow(row);
}

void RuleResultTable::setItemSelectSlots(quint32 key)
{
    const int row = findRow(key);
    if (row >= 0) table_->selectRow(row);
}

int RuleResultTable::findOrAppendRow(quint32 key, const QString& title)
{
    const int found = findRow(key);
    return found >= 0 ? found : appendRow(key, title);
}

int RuleResultTable::appendRow(quint32 key, const QString& title)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* keyItem = new QTableWidgetItem;
    keyItem->setData(kDataRole, QVariant::fromValue<uint>(key));
    table_->setItem(row, KeyColumn, keyItem);
    setRowTitle(row, title);
    return row;
}

void RuleResultTable::setRowTitle(int row, const QString& title)
{
    cell(row, NameColumn)->setText(title);
}

void RuleResultTable::setValueCell(int row, Column column, const QString& text, const QVariant& celsius)
{
    QTableWidgetItem* item = cell(row, column);
    item->setText(text);
    item->setData(kDataRole, celsius);
}

QTableWidgetItem* RuleResultTable::cell(int row, int column)
{
    QTableWidgetItem* item = table_->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        table_->setItem(row, column, item);
    }
    return item;
}
