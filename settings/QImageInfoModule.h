// The image information module page (module 3) as the live page creates,
// shows and calls it: it holds the image parameter panel, forwards the live
// page's refresh and palette calls to it, and relays the palette chosen on
// the panel to the live page through sendFalseColorIndexSignals.
// GUI thread only.
#pragma once

#include <QWidget>

class QImageInfo;

class QImageInfoModule : public QWidget {
    Q_OBJECT
public:
    explicit QImageInfoModule(QWidget* parent = nullptr);
    ~QImageInfoModule() override;

    // Refresh on showing module 3, on every change of the connection and
    // after a sleep-mode result.
    void refreshImageParam();
    void setFalseColEnabled(bool bEnable);
    void setFalseColCurIndex(int nIndex);
    void updateFalseColorList();

    QImageInfo* panel() const { return panel_; }

signals:
    void sendFalseColorIndexSignals(int nIndex);

public slots:
    void setUpdateFalseColCurIndexSlots(int index);

private:
    QImageInfo* panel_ = nullptr;  // child
};
