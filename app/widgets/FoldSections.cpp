#include "FoldSections.h"

#include <QWidget>

#include "QIconTextRBtn.h"

namespace {

// Icon sets of a header: normal, hover, pressed, disabled.
const QStringList& closedArrows()
{
    static const QStringList arrows = {
        QStringLiteral("url(:/Resource/Skin/downArrow_n.png);"), QStringLiteral("url(:/Resource/Skin/downArrow_s.png);"),
        QStringLiteral("url(:/Resource/Skin/downArrow_s.png);"), QStringLiteral("url(:/Resource/Skin/downArrow_n.png);")};
    return arrows;
}

const QStringList& openArrows()
{
    static const QStringList arrows = {
        QStringLiteral("url(:/Resource/Skin/upArrow_n.png);"), QStringLiteral("url(:/Resource/Skin/upArrow_s.png);"),
        QStringLiteral("url(:/Resource/Skin/upArrow_s.png);"), QStringLiteral("url(:/Resource/Skin/upArrow_n.png);")};
    return arrows;
}

constexpr int kHeaderWidth = 254;
constexpr int kHeaderHeight = 32;

}  // namespace

QIconTextRBtn* FoldSections::makeHeader(QWidget* parent)
{
    auto* header = new QIconTextRBtn(parent);
    header->setObjectName(QStringLiteral("IconTextRBtn"));
    header->setIconList(closedArrows());
    header->setBtnState(QIconTextRBtn::NormalState);
    header->setFixedSize(kHeaderWidth, kHeaderHeight);
    return header;
}

int FoldSections::add(QIconTextRBtn* header, QWidget* page, bool solo)
{
    sections_.append(Section{header, page, solo, false});
    return sections_.size() - 1;
}

void FoldSections::setArrow(int section, bool open)
{
    Section& s = sections_[section];
    s.header->setIconList(open ? openArrows() : closedArrows());
    s.header->setBtnState(QIconTextRBtn::NormalState);
    s.open = open;
}

bool FoldSections::toggle(int section)
{
    const bool open = sections_.at(section).page->isHidden();
    setOpen(section, open);
    return open;
}

void FoldSections::setOpen(int section, bool open)
{
    sections_[section].page->setVisible(open);
    setArrow(section, open);
    if (sections_.at(section).solo) return;
    for (int s = 0; s < sections_.size(); ++s) {
        if (s == section || sections_.at(s).solo) continue;
        sections_[s].page->hide();
        setArrow(s, false);
    }
}

void FoldSections::closeGroup()
{
    for (int s = 0; s < sections_.size(); ++s) {
        if (sections_.at(s).solo) continue;
        sections_[s].page->hide();
        setArrow(s, false);
    }
}
