// Pieces the program's frameless dialogs and bars build alike: the divider
// picture, the title row with its close button, and the OK / Cancel row.
// Each returns widgets parented to `parent`.
#pragma once

class QHBoxLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// A divider line showing the skin picture `image` scaled to the label;
// horizontal lines are 2 pixels high, vertical ones 2 pixels wide.
QLabel* makeDividerLabel(QWidget* parent, const QString& image, bool vertical = false);
// Title label (stretching) and the 20 x 20 "CloseBtn" at the right.
QHBoxLayout* makeTitleRow(QWidget* parent, QLabel** title, QPushButton** close);
// Centred "BtnStyle1" OK and "BtnStyle2" Cancel buttons of 64 x 32.
QHBoxLayout* makeOkCancelRow(QWidget* parent, QPushButton** ok, QPushButton** cancel);
