// The About box opened from the title bar: the program's name and version.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class QAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit QAboutDlg(QWidget* parent = nullptr);

    QLabel* nameValue() const { return nameValLabel_; }
    QLabel* versionValue() const { return versionValLabel_; }

public slots:
    void setWndCloseSlots();
    void setOpenSourceLicenseLinkSlots(QString qStrPath);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    // Children of the dialog.
    QLabel* titleLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* nameValLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* versionValLabel_ = nullptr;
    QLabel* copyrightLabel_ = nullptr;
    QLabel* copyrightValLabel_ = nullptr;
    QLabel* openSourceInfoLabel_ = nullptr;
    QLabel* openSourceValLabel_ = nullptr;
    QPushButton* closePushButton_ = nullptr;
};
