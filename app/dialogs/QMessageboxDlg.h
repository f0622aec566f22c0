// The program's own frameless message box: title, information icon,
// message, OK and Cancel. exec() returns Accepted after OK, Rejected after
// Cancel or the close button.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class QMessageboxDlg : public QDialog {
    Q_OBJECT

public:
    explicit QMessageboxDlg(QWidget* parent = nullptr);

    void setTitleText(const QString& text);
    void setMessageText(const QString& text);
    void setIconShow(bool show);
    // true: a plain notice with OK only (icon and Cancel hidden).
    void setIconAndCancelHide(bool hide);

public slots:
    void setWndCloseSlots();
    void setOkBtnSlots();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QLabel* m_titleLabel = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_messageLabel = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};
