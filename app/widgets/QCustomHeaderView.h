// A table header with a push button in one section (for example a delete
// button over a column of row actions).
#pragma once

#include <QHeaderView>

class QPushButton;

class QCustomHeaderView : public QHeaderView {
    Q_OBJECT

public:
    QCustomHeaderView(int btnSection, Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    void sendBtnClickedSignal();

public slots:
    void setBtnClickedSlot();

protected:
    // Places the button on its section whenever that section is painted, so
    // it follows resizes and scrolling.
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_btnSection;
    QPushButton* m_button = nullptr;
};
