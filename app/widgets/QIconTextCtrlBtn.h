// A navigation entry: a 48×48 icon over its caption on a 72×72 button. The
// selected entry is the disabled one (its own background colour).
#pragma once

#include "QIconTextHoverBtn.h"

class QIconTextCtrlBtn : public QIconTextHoverBtn {
    Q_OBJECT
public:
    explicit QIconTextCtrlBtn(QWidget* parent = nullptr);
};
