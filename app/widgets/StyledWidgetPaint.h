// Style-sheet painting for plain QWidget subclasses. QWidget itself draws no
// style-sheet background or border for a subclass; calling this from the
// subclass's paintEvent lets the style draw PE_Widget so the sheet applies.
#pragma once

class QWidget;

// Paints widget's style-sheet background and border; call from paintEvent.
void paintStyledWidget(QWidget* widget);
