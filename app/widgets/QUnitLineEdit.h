// A QCustomLineEdit with its unit shown inside the right end of the field and
// explicit commit signals: one per edit, when the field loses focus or Return
// or Enter is pressed.
#pragma once

#include "QCustomLineEdit.h"

class QLabel;

class QUnitLineEdit : public QCustomLineEdit {
    Q_OBJECT
public:
    explicit QUnitLineEdit(QWidget* parent = nullptr);

    // Shows the unit and keeps typed text clear of it.
    void setUnitText(const QString& text);

signals:
    void focusOutSignals();
    void keyEnterSignals();

public slots:
    // Connected to the field's own textEdited: the next commit is reported.
    void setTextEditedSlots();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* unitLabel_;
    bool committed_ = true;
};
