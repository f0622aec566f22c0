// The recording indicator over the live video: a REC icon and the elapsed
// time, drawn white with a black outline so it reads on any picture.
#pragma once

#include <QString>
#include <QWidget>

class QRecordTimeWidget : public QWidget {
    Q_OBJECT

public:
    explicit QRecordTimeWidget(QWidget* parent = nullptr);

    // Stores the time text; the owner repaints.
    void setTimeText(const QString& text);
    QString timeText() const { return m_timeText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_timeText;
};
