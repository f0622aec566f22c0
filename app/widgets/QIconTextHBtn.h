// A row button: icon, then text, as wide as both.
#pragma once

#include "QIconTextListBtn.h"

class QIconTextHBtn : public QIconTextListBtn {
    Q_OBJECT
public:
    explicit QIconTextHBtn(QWidget* parent = nullptr);

    // Also fixes the width to icon + 4 + text.
    void setText(const QString& text);
};
