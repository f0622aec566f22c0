// A section header: its title on the left, the fold arrow on the right. The
// selected state marks the open section; the pages disable the header with it.
#pragma once

#include "QIconTextListBtn.h"

class QIconTextRBtn : public QIconTextListBtn {
    Q_OBJECT
public:
    explicit QIconTextRBtn(QWidget* parent = nullptr);

    void setText(const QString& text);
};
