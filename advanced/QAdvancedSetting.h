// The password-protected advanced page as the main window sees it: shown for
// module 5, refreshed each time it is shown, and three signals the window
// relays to the live page. Until the advanced tools land it is an empty page.
#pragma once

#include <QWidget>

class QAdvancedSetting : public QWidget {
    Q_OBJECT
public:
    explicit QAdvancedSetting(QWidget* parent = nullptr);

    // Refreshes the current sub-page; counts the calls.
    void refreshCurModule() { ++refreshes_; }
    int refreshCount() const { return refreshes_; }

signals:
    void sendShowHistogramSignal();
    void sendProDebugSetColorSignal(bool bRet, int nColor);
    void sendProDebugRebootSignal();

private:
    int refreshes_ = 0;
};
