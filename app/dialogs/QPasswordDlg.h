// The password prompt guarding the advanced factory page. exec() returns
// Accepted only after the access password was typed; a wrong one is told
// and the prompt stays open.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class QPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit QPasswordDlg(QWidget* parent = nullptr);

    void setTitleText(const QString& text);

public slots:
    void setWndCloseSlots();
    // Runs the check; accepts when it passes.
    void setOkBtnSlots();

protected:
    // Return submits; every other key (keypad Enter, Escape) does nothing.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool checkPassword();
    void retranslateUi();

    QLabel* m_titleLabel = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};
