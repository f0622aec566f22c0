#include "QVideoPreviewModuleWidget.h"

#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

QVideoPreviewModuleWidget::QVideoPreviewModuleWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("VideoPreviewModule");
    idle_ = new QLabel(this);
    idle_->setAlignment(Qt::AlignCenter);
    idle_->setPixmap(QPixmap(":/Resource/Skin/neutral.png"));
    idle_->setStyleSheet("background: transparent;");
}

void QVideoPreviewModuleWidget::setMainWindowMode(int module)
{
    module_ = module;
}

void QVideoPreviewModuleWidget::resizeEvent(QResizeEvent* event)
{
    idle_->setGeometry(rect());
    QWidget::resizeEvent(event);
}
