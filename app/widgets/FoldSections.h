// Foldable sections of a side column: header buttons with their fold
// arrows (down while the section is closed, up while it is open), each over
// the page it opens. The sections of the one-open group open one at a time;
// a section outside it opens and closes on its own. The owner lays the
// headers and pages out and connects the headers' clicks. GUI thread only.
#pragma once

#include <QStringList>
#include <QVector>

class QIconTextRBtn;
class QWidget;

class FoldSections {
public:
    // A section header as the columns show it: object name "IconTextRBtn",
    // 254 x 32, closed arrows.
    static QIconTextRBtn* makeHeader(QWidget* parent);

    // Adds a section of header over page; returns its index. A solo section
    // opens and closes alone, beside the one-open group.
    int add(QIconTextRBtn* header, QWidget* page, bool solo = false);

    int count() const { return sections_.size(); }
    QIconTextRBtn* header(int section) const { return sections_.at(section).header; }
    QWidget* page(int section) const { return sections_.at(section).page; }
    // Whether the header shows the open arrows.
    bool isOpen(int section) const { return sections_.at(section).open; }

    // Shows the open or the closed arrows on a header, in its normal state.
    void setArrow(int section, bool open);
    // Opens a closed section's page, or closes an open one; opening a
    // section of the group closes the rest of the group. Returns whether
    // the section is open now.
    bool toggle(int section);
    // Opens or closes one section as toggle would.
    void setOpen(int section, bool open);
    // Closes every section of the group.
    void closeGroup();

private:
    struct Section {
        QIconTextRBtn* header;  // not owned
        QWidget* page;          // not owned
        bool solo;
        bool open;
    };
    QVector<Section> sections_;
};
