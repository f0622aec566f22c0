// Common part of the icon-and-text buttons driven by four-entry icon and
// colour lists (QIconTextHBtn, QIconTextRBtn, QIconTextFuncBtn). The mouse
// moves the button between the normal, hover and pressed looks; the pages set
// the selected look themselves, together with disabling the button, and
// enter and leave leave a disabled button's look alone.
#pragma once

#include <QPushButton>
#include <QStringList>

class QLabel;

class QIconTextListBtn : public QPushButton {
    Q_OBJECT
public:
    // Indices into the icon and colour lists.
    enum BtnState { NormalState = 0, HoverState = 1, PressedState = 2, SelectedState = 3 };

    void setIconSize(int w, int h);
    // Four style fragments such as "url(:/Resource/Skin/x.png);", one per
    // state.
    void setIconList(const QStringList& list);
    // Four colours such as "#FFFFFF;", one per state.
    void setColorList(const QStringList& list);
    // Applies the state's icon and text colour; states outside 1..3 are the
    // normal one. Ignored until both lists hold four entries.
    void setBtnState(int state);

    const QLabel* iconLabel() const { return iconLabel_; }
    const QLabel* textLabel() const { return textLabel_; }

protected:
    // The icon label's style is iconStyleHead + icon + iconStyleTail; a
    // release returns to releaseState.
    QIconTextListBtn(const QString& iconStyleHead, const QString& iconStyleTail, BtnState releaseState,
                     QWidget* parent);

    // Sets the text and fixes the width to icon + gap + text.
    void setTextAndFitWidth(const QString& text, int gap);

    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QLabel* iconLabel_;
    QLabel* textLabel_;

private:
    QString iconStyleHead_;
    QString iconStyleTail_;
    BtnState releaseState_;
    QStringList iconList_;
    QStringList colorList_;
};
