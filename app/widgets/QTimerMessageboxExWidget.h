// A plain self-hiding notice without an icon, a child widget its owner
// places itself (for example next to a field it complains about).
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;

class QTimerMessageboxExWidget : public QWidget {
    Q_OBJECT

public:
    explicit QTimerMessageboxExWidget(QWidget* parent = nullptr);

    // Shows text at pos (parent coordinates) for msec milliseconds. The
    // widget grows for long texts and never shrinks.
    void showMessage(const QString& text, const QPoint& pos, int msec);

public slots:
    void setHideWndTimer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_textLabel = nullptr;
};
