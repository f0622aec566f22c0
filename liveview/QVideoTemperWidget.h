// One rule's block on the live temperature overlay: its title and the
// "Max", "Min", "Avg" captions (translated) with their values, white on a
// dark, half-transparent face so that they read over any video.
#pragma once

#include "RuleResultBlock.h"

class QVideoTemperWidget : public RuleResultBlock {
    Q_OBJECT
public:
    explicit QVideoTemperWidget(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
