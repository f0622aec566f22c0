#include "DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>

QLabel* makeDividerLabel(QWidget* parent, const QString& image, bool vertical)
{
    auto* line = new QLabel(parent);
    if (vertical)
        line->setFixedWidth(2);
    else
        line->setFixedHeight(2);
    line->setScaledContents(true);
    line->setPixmap(QPixmap(image));
    return line;
}

QHBoxLayout* makeTitleRow(QWidget* parent, QLabel** title, QPushButton** close)
{
    *title = new QLabel(parent);
    *close = new QPushButton(parent);
    (*close)->setObjectName("CloseBtn");
    (*close)->setFixedSize(20, 20);
    auto* row = new QHBoxLayout;
    row->addWidget(*title, 1);
    row->addWidget(*close);
    return row;
}

QHBoxLayout* makeOkCancelRow(QWidget* parent, QPushButton** ok, QPushButton** cancel)
{
    *ok = new QPushButton(parent);
    (*ok)->setObjectName("BtnStyle1");
    (*ok)->setFixedSize(64, 32);
    *cancel = new QPushButton(parent);
    (*cancel)->setObjectName("BtnStyle2");
    (*cancel)->setFixedSize(64, 32);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(*ok);
    row->addWidget(*cancel);
    row->addStretch();
    return row;
}
