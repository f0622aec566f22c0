// The title bar of the frameless main window: logo, program name and
// version, dragging, minimise, maximise/restore, close, the About dialog and
// the language switch (writes Config.ini and has the main window replace
// its translator).
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class QTitleWidget : public QWidget {
    Q_OBJECT
public:
    explicit QTitleWidget(QWidget* parent = nullptr);

    // "Calidra V" and the build version.
    static QString programName();

    QPushButton* languageButton() const { return checkLangBtn_; }
    QPushButton* maxButton() const { return maxBtn_; }
    QLabel* nameLabel() const { return textLabel_; }

signals:
    void sendMainWndMoveSignals();
    void sendLanguageChangedSignal(int nLangType);

public slots:
    void setWndMinSlots();
    void setWndMaxSlots();
    void setWndCloseSlots();
    void setInfoSlots();
    void checkLanguageSlots();
    void updateUI();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The parent's top-level window, or null without a parent.
    QWidget* hostWindow() const;
    static void repolish(QWidget* w);

    // Children of the widget.
    QLabel* logoLabel_ = nullptr;
    QLabel* textLabel_ = nullptr;
    QPushButton* checkLangBtn_ = nullptr;
    QPushButton* infoBtn_ = nullptr;
    QPushButton* minBtn_ = nullptr;
    QPushButton* maxBtn_ = nullptr;
    QPushButton* closeBtn_ = nullptr;
    QLabel* divideLine_ = nullptr;

    int pressX_ = 0, pressY_ = 0;  // press position relative to the window's origin
    bool dragging_ = false;
};
