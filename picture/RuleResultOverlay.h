// The narrow transparent panel of rule temperatures that lies over a live
// or analysed picture: a unit label above a transparent scroll area that
// holds one block per rule, in the order the rules first reported.
//
// Blocks are found by the rule's id, never by its title: two rules may carry
// the same title, and each keeps its own block. The panel gives the context
// menu (and, for the picture overlay, the mouse) to the widget beneath it.
// GUI thread only.
#pragma once

#include <QMap>
#include <QWidget>

class QContextMenuEvent;
class QLabel;
class QMouseEvent;
class QScrollArea;
class QVBoxLayout;
class RuleResultBlock;

class RuleResultOverlay : public QWidget {
    Q_OBJECT
public:
    QLabel* unitLabel() const { return unitLabel_; }
    QScrollArea* scrollArea() const { return scrollArea_; }
    // The block of a rule; null when the rule has none.
    RuleResultBlock* block(quint32 key) const { return blocks_.value(key, nullptr); }
    int blockCount() const { return blocks_.size(); }
    // The blocks from the top of the panel down.
    QList<RuleResultBlock*> blocksInOrder() const;

public slots:
    // Sets or clears Qt::WA_TransparentForMouseEvents, so that the mouse
    // reaches what lies beneath.
    void setMouseTransparentSlots(bool bFlag);
    // Deletes the rule's block; 0 (the whole picture, not a rule) and keys
    // without a block change nothing.
    void setItemDeleteSlots(quint32 key);

protected:
    explicit RuleResultOverlay(QWidget* parent);

    // A new, empty block of the subclass's kind, a child of parent.
    virtual RuleResultBlock* createBlock(QWidget* parent) = 0;
    // The block of key; created, given the key and appended when missing.
    RuleResultBlock* findOrCreateBlock(quint32 key);
    // Deletes every block.
    void clearBlocks();

    // Posts a copy of the event to the parent's child widget under it, with
    // the position mapped into that child; the panel is transparent for the
    // mouse meanwhile, so that it is not found itself. Nothing happens
    // without a parent or without a widget there.
    void passToWidgetBeneath(const QContextMenuEvent* event);
    void passToWidgetBeneath(const QMouseEvent* event);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The parent's child at pos (panel coordinates) with the panel itself
    // skipped; null when there is none. Leaves the panel's transparency as
    // it found it.
    QWidget* widgetBeneath(const QPoint& pos);

    QLabel* unitLabel_;                       // child
    QScrollArea* scrollArea_;                 // child
    QVBoxLayout* blockLayout_;                // owned by the scroll area's widget
    QMap<quint32, RuleResultBlock*> blocks_;  // children of the scroll area's widget
};
