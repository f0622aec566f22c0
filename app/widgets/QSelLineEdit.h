// A read-only path field with a browse button beside it; the page answers the
// button with a folder or file picker and puts the result back with setText.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

class QSelLineEdit : public QWidget {
    Q_OBJECT
public:
    explicit QSelLineEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void setLineEditStyleSheet(const QString& styleSheet);
    void setButtonStyleSheet(const QString& styleSheet);

signals:
    void sendSelBtnClickedSignals();

public slots:
    void setSelectPathSlots();

private:
    QLineEdit* lineEdit_;
    QPushButton* button_;
};
