// A small function button: icon, then text in a 12 px font on a transparent
// background, as wide as both.
#pragma once

#include "QIconTextListBtn.h"

class QIconTextFuncBtn : public QIconTextListBtn {
    Q_OBJECT
public:
    explicit QIconTextFuncBtn(QWidget* parent = nullptr);

    // Also fixes the width to icon + 26 + text.
    void setText(const QString& text);
};
