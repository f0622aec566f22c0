// Common part of the icon-and-text buttons with a normal and a hover look
// (QIconTextCtrlBtn, QIconTextVBtn). Entering always shows the hover look;
// leaving restores the normal look only while enabled, so a disabled button,
// which is how the navigation shows its selected entry, keeps the hover look.
#pragma once

#include <QPushButton>

class QLabel;

class QIconTextHoverBtn : public QPushButton {
    Q_OBJECT
public:
    // Icons are style fragments such as "url(:/Resource/Skin/x.png);".
    // Shows the normal one.
    void setIcon(const QString& normal, const QString& hover);
    void setText(const QString& text);
    void setIconSize(int w, int h);

    bool isHovered() const { return hovered_; }
    const QLabel* iconLabel() const { return iconLabel_; }
    const QLabel* textLabel() const { return textLabel_; }

protected:
    QIconTextHoverBtn(const QString& normalTextStyle, const QString& hoverTextStyle, QWidget* parent);

    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    QLabel* iconLabel_;
    QLabel* textLabel_;

private:
    void applyLook();

    QString normalTextStyle_;
    QString hoverTextStyle_;
    QString normalIcon_;
    QString hoverIcon_;
    bool hovered_ = false;
};
