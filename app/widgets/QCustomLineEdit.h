// A numeric line edit that keeps its text inside a range: either an integer
// from 0 to a maximum or a float between a minimum and a maximum with a fixed
// number of decimals. GUI thread only.
#pragma once

#include <QLineEdit>

class QCustomLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit QCustomLineEdit(QWidget* parent = nullptr);

    // Digits only; the text never exceeds nMax and loses its leading zeros.
    void setIntRange(int nMax);
    // A signed number of at most six integer digits and nDecimals decimals.
    // A value above fMax is clamped while typing; one below fMin only when
    // the edit is committed (focus out, Return or Enter), so that e.g. 300 can
    // be typed digit by digit into a range starting at 253.15.
    void setFloatRange(float fMin, float fMax, int nDecimals);

public slots:
    // Run on every text change of a float field.
    void checkFloatRange();
    // Run on every text change of an integer field.
    void checkValue();
    // Run when a float field's edit is committed: raises a value below the
    // minimum to it.
    void checkFloatMinimum();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class RangeKind { None, Int, Float };

    // Replaces an earlier validator of ours.
    void installPattern(const QString& pattern);
    void replaceText(const QString& text);

    RangeKind kind_ = RangeKind::None;
    int intMax_ = 0;
    float floatMax_ = 0;
    float floatMin_ = 0;
};
