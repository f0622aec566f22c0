// The "Please Wait" dialog with an animation, shown while a long operation
// runs. It is shown and closed, never exec()'d, so the caller keeps running.
#pragma once

#include <QDialog>

class QLabel;
class QMovie;

class QLoadingMsgDlg : public QDialog {
    Q_OBJECT

public:
    explicit QLoadingMsgDlg(QWidget* parent = nullptr);

    // true starts the animation and shows the dialog; false closes it.
    void setShowStatus(bool shown);

protected:
    void changeEvent(QEvent* event) override;

private:
    QMovie* m_movie = nullptr;
    QLabel* m_textLabel = nullptr;
};
