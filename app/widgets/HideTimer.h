// The self-hiding notices' timers: one single-shot child timer per showing,
// so a repeat never restarts an earlier one (the earliest hides) and a test
// can find the pending ones and fire them instead of waiting.
#pragma once

class QWidget;

// Name of the pending timers among the widget's children.
inline constexpr char kHideTimerName[] = "HideTimer";

// Hides widget after msec; the timer goes away once it ran.
void startHideTimer(QWidget* widget, int msec);
