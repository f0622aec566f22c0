// A picture box with a delete button offered on hover: the logo field of the
// report export. It starts with the program's default logo.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

class QPicCtrlWidget : public QWidget {
    Q_OBJECT

public:
    explicit QPicCtrlWidget(QWidget* parent = nullptr);

    // Loads and shows the picture at path.
    void setPicture(const QString& path);
    // Writes the held picture to path (format from the file name); clears
    // path when the picture was deleted.
    void savePicture(QString& path);

public slots:
    void setDeletePicBtnSlots();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void loadPicture();
    void retranslateUi();

    QLabel* m_picLabel = nullptr;
    QPushButton* m_deleteBtn = nullptr;
    QImage m_image;
    bool m_hasPicture = true;
    QString m_picPath = ":/Resource/Skin/report_logo.png";
};
