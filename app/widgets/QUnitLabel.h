// A value and its unit as two labels side by side; the unit label takes the
// remaining width.
#pragma once

#include <QWidget>

class QLabel;

class QUnitLabel : public QWidget {
    Q_OBJECT
public:
    explicit QUnitLabel(QWidget* parent = nullptr);

    void setValueAndUnit(const QString& first, const QString& second);
    // Both labels' font size in pixels.
    void setFontPx(int px);

    const QLabel* valueLabel() const { return valueLabel_; }
    const QLabel* unitLabel() const { return unitLabel_; }

private:
    QLabel* valueLabel_;
    QLabel* unitLabel_;
};
