#include "QPicCtrlWidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "AppHelpers.h"
#include "StyledWidgetPaint.h"

QPicCtrlWidget::QPicCtrlWidget(QWidget* parent) : QWidget(parent)
{
    m_picLabel = new QLabel(this);
    m_picLabel->setAlignment(Qt::AlignCenter);
    // The label follows the box; a pixmap must not push the box bigger.
    m_picLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_picLabel);

    m_deleteBtn = new QPushButton(this);
    m_deleteBtn->setObjectName("DeleteBtn");
    m_deleteBtn->setFixedSize(50, 25);
    m_deleteBtn->hide();
    connect(m_deleteBtn, &QPushButton::clicked, this, &QPicCtrlWidget::setDeletePicBtnSlots);

    retranslateUi();
}

void QPicCtrlWidget::setPicture(const QString& path)
{
    m_picPath = path;
    loadPicture();
    m_hasPicture = true;
}

void QPicCtrlWidget::savePicture(QString& path)
{
    if (!m_hasPicture) {
        path.clear();
        return;
    }
    m_image.save(path);
}

void QPicCtrlWidget::setDeletePicBtnSlots()
{
    m_picLabel->clear();
    m_deleteBtn->hide();
    m_hasPicture = false;
}

void QPicCtrlWidget::enterEvent(QEvent* event)
{
    if (m_hasPicture) {
        const QRect label = m_picLabel->geometry();
        m_deleteBtn->move(label.x() + (label.width() - m_deleteBtn->width()) / 2, label.y() + 10);
        m_deleteBtn->raise();
        m_deleteBtn->show();
    }
    QWidget::enterEvent(event);
}

void QPicCtrlWidget::leaveEvent(QEvent* event)
{
    m_deleteBtn->hide();
    QWidget::leaveEvent(event);
}

void QPicCtrlWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_hasPicture) loadPicture();
}

void QPicCtrlWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QWidget::changeEvent(event);
}

void QPicCtrlWidget::paintEvent(QPaintEvent*)
{
    paintStyledWidget(this);
}

void QPicCtrlWidget::loadPicture()
{
    m_picLabel->clear();
    m_image.load(m_picPath);
    if (m_image.isNull()) return;
    int w = 0;
    int h = 0;
    FitSizeKeepRatio(m_image.width(), m_image.height(), m_picLabel->width(), m_picLabel->height(), w, h);
    if (w <= 0 || h <= 0) return;
    m_picLabel->setPixmap(QPixmap::fromImage(m_image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void QPicCtrlWidget::retranslateUi()
{
    m_deleteBtn->setText(tr("Delete"));
}
