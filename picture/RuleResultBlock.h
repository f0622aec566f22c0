// One rule's block in a rule temperature overlay: the rule's title, then
// the maximum, minimum and average, each a caption and a value label. The
// block keeps the id of its rule (0 = the whole picture). The live and the
// picture analysis overlays derive their blocks from it and decide the
// captions and value texts. GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

class RuleResultBlock : public QWidget {
    Q_OBJECT
public:
    enum Value { MaxValue = 0, MinValue, AvgValue, ValueCount };

    quint32 key() const { return key_; }
    void setKey(quint32 key) { key_ = key; }

    QString title() const;
    void setTitle(const QString& title);

    QString valueText(Value value) const;
    void setValueText(Value value, const QString& text);

    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* captionLabel(Value value) const { return captionLabels_.at(value); }
    QLabel* valueLabel(Value value) const { return valueLabels_.at(value); }

protected:
    explicit RuleResultBlock(QWidget* parent);

    void setCaptions(const QString& max, const QString& min, const QString& avg);
    // Paints the style sheet's background, so a skin can give the block a
    // face of its own.
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 key_ = 0;
    QLabel* titleLabel_;                             // child
    std::array<QLabel*, ValueCount> captionLabels_;  // children
    std::array<QLabel*, ValueCount> valueLabels_;    // children
};
