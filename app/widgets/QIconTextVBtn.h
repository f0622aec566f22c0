// A tool button of the live page: a 36×36 icon over its caption on a
// transparent 72×72 button.
#pragma once

#include "QIconTextHoverBtn.h"

class QIconTextVBtn : public QIconTextHoverBtn {
    Q_OBJECT
public:
    explicit QIconTextVBtn(QWidget* parent = nullptr);
};
