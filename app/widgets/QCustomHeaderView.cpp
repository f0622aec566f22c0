#include "QCustomHeaderView.h"

#include <QPushButton>

QCustomHeaderView::QCustomHeaderView(int btnSection, Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), m_btnSection(btnSection)
{
    setFixedHeight(32);
    // Sections are painted in viewport coordinates.
    m_button = new QPushButton(viewport());
    m_button->setObjectName("delBtnStyle");
    m_button->setFixedSize(32, 32);
    connect(m_button, &QPushButton::clicked, this, &QCustomHeaderView::setBtnClickedSlot);
}

void QCustomHeaderView::setBtnClickedSlot()
{
    emit sendBtnClickedSignal();
}

void QCustomHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex == m_btnSection) {
        QRect target(QPoint(0, 0), m_button->size());
        target.moveCenter(rect.center());
        // Moving repaints; only move when the section actually moved.
        if (m_button->geometry() != target) m_button->setGeometry(target);
    }
    QHeaderView::paintSection(painter, rect, logicalIndex);
}
