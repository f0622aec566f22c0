#include "QVideoTemperWidget.h"

#include <QEvent>
#include <QLayout>

QVideoTemperWidget::QVideoTemperWidget(QWidget* parent) : RuleResultBlock(parent)
{
    setObjectName(QStringLiteral("QVideoTemperWidget"));
    // Room around the texts for the block's face.
    layout()->setContentsMargins(6, 4, 6, 4);
    layout()->setSpacing(2);
    retranslate();
}

void QVideoTemperWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    RuleResultBlock::changeEvent(event);
}

void QVideoTemperWidget::retranslate()
{
    setWindowTitle(tr("QVideoTemperWidget"));
    setCaptions(tr("Max"), tr("Min"), tr("Avg"));
}
