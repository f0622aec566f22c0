// The program-wide toast: one frameless notice with an icon and a text,
// centred over the main window, that hides itself after a given time.
// GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

class QTimerMessageboxWidget : public QWidget {
    Q_OBJECT

public:
    // Stores the parent of the toast; an existing toast moves to it.
    static void setMainWindow(QWidget* mainWindow);
    // The single toast, created on the first call as a child of the stored
    // main window. It dies with that window; the next call makes a new one.
    static QTimerMessageboxWidget* getInstance();

    // type: 0 success, 1 failure, 3 information icon; any other keeps the
    // current icon. Each call starts its own timer; the earliest one hides.
    void showMessage(const QString& text, int type, int msec);

    // Resource path of the icon currently shown.
    QString iconPath() const { return m_iconPath; }

public slots:
    void setHideWndTimer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit QTimerMessageboxWidget(QWidget* parent);
    void setIcon(const QString& path);

    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QString m_iconPath;
};
