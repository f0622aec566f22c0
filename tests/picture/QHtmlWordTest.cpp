// The HTML pieces of a report, byte for byte, with the alignment words, the
// point-to-pixel sizes and the escaping of texts and picture sources.
#include <gtest/gtest.h>

#include <QString>
#include <functional>

#include "QHtmlWord.h"

namespace {

struct Case {
    const char* name;
    std::function<QString(const QHtmlWord&)> make;
    const char* html;
};

class QHtmlWordTest : public ::testing::TestWithParam<Case> {};

TEST_P(QHtmlWordTest, WritesThePiece)
{
    const QHtmlWord word;
    EXPECT_EQ(GetParam().make(word).toStdString(), GetParam().html);
}

const Case kCases[] = {
    {"HeaderRowLeft", [](const QHtmlWord& w) { return w.headerRow({"A", "B"}, Qt::AlignLeft); },
     "<tr><th style=\"border:1px solid black;background-color:#D8D8D8;text-align:left\">A</th>"
     "<th style=\"border:1px solid black;background-color:#D8D8D8;text-align:left\">B</th></tr>"},
    {"HeaderRowRight", [](const QHtmlWord& w) { return w.headerRow({"A"}, Qt::AlignRight); },
     "<tr><th style=\"border:1px solid black;background-color:#D8D8D8;text-align:right\">A</th></tr>"},
    {"HeaderRowOtherAlignIsCenter", [](const QHtmlWord& w) { return w.headerRow({"A"}, Qt::AlignTop); },
     "<tr><th style=\"border:1px solid black;background-color:#D8D8D8;text-align:center\">A</th></tr>"},
    {"HeaderRowEmpty", [](const QHtmlWord& w) { return w.headerRow({}, Qt::AlignLeft); }, "<tr></tr>"},
    {"DataRow", [](const QHtmlWord& w) { return w.dataRow({"P1", "25.0\u2103"}); },
     "<tr><td style=\"border:1px solid black;\">P1</td><td style=\"border:1px solid black;\">25.0\u2103</td></tr>"},
    {"BlankBlock16pt", [](const QHtmlWord& w) { return w.blankBlock(2, 16); },
     "<div align=\"center\" style=\"font-size:21.3px\"><br><br></div>"},
    {"BlankBlock20pt", [](const QHtmlWord& w) { return w.blankBlock(1, 20); },
     "<div align=\"center\" style=\"font-size:26.7px\"><br></div>"},
    {"BlankBlockNoLines", [](const QHtmlWord& w) { return w.blankBlock(0, 30); },
     "<div align=\"center\" style=\"font-size:40.0px\"></div>"},
    {"BlankBlockNegativeLines", [](const QHtmlWord& w) { return w.blankBlock(-3, 20); },
     "<div align=\"center\" style=\"font-size:26.7px\"></div>"},
    {"ImageBlock", [](const QHtmlWord& w) { return w.imageBlock("Res/IR.bmp", 500, 375, Qt::AlignCenter); },
     "<div align=\"center\"><img src=\"Res/IR.bmp\" width=\"500\" height=\"375\"/></div>"},
    {"ImageBlockSizesAsIntegers",
     [](const QHtmlWord& w) { return w.imageBlock("a.bmp", QVariant(QString("500")), 0, Qt::AlignLeft); },
     "<div align=\"left\"><img src=\"a.bmp\" width=\"500\" height=\"0\"/></div>"},
    {"ParagraphBold", [](const QHtmlWord& w) { return w.paragraph("TemperInfo", 16, true, Qt::AlignLeft); },
     "<p align=\"left\" style=\"font-size:21.3px;font-weight:bold\">TemperInfo</p>"},
    {"ParagraphNormal", [](const QHtmlWord& w) { return w.paragraph("T", 30, false, Qt::AlignCenter); },
     "<p align=\"center\" style=\"font-size:40.0px;font-weight:normal\">T</p>"},
    // Texts from a picture file or the keyboard stay texts.
    {"ParagraphEscapes", [](const QHtmlWord& w) { return w.paragraph("<img src=x> & \"q\"", 20, false, 0x84); },
     "<p align=\"center\" style=\"font-size:26.7px;font-weight:normal\">&lt;img src=x&gt; &amp; &quot;q&quot;</p>"},
    {"CellsEscape", [](const QHtmlWord& w) { return w.dataRow({"<b>", "a&b"}) + w.headerRow({"\"h\""}, 1); },
     "<tr><td style=\"border:1px solid black;\">&lt;b&gt;</td><td style=\"border:1px solid black;\">a&amp;b</td></tr>"
     "<tr><th style=\"border:1px solid black;background-color:#D8D8D8;text-align:left\">&quot;h&quot;</th></tr>"},
    {"ImageSourceCannotLeaveItsAttribute",
     [](const QHtmlWord& w) { return w.imageBlock("x\" onerror=\"y&<", 1, 2, Qt::AlignCenter); },
     "<div align=\"center\"><img src=\"x&quot; onerror=&quot;y&amp;&lt;\" width=\"1\" height=\"2\"/></div>"},
};

INSTANTIATE_TEST_SUITE_P(Pieces, QHtmlWordTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(QHtmlWordPixels, PointsOverThreeQuartersWithOneDecimal)
{
    const struct {
        float points;
        const char* pixels;
    } table[] = {{16, "21.3"}, {20, "26.7"}, {30, "40.0"}, {12, "16.0"}, {0, "0.0"}, {7.5f, "10.0"}, {9, "12.0"}};
    for (const auto& row : table) EXPECT_EQ(QHtmlWord::pixelText(row.points).toStdString(), row.pixels) << row.points;
}

TEST(QHtmlWordAlign, QtValuesToWords)
{
    EXPECT_EQ(QHtmlWord::alignWord(Qt::AlignLeft), "left");
    EXPECT_EQ(QHtmlWord::alignWord(Qt::AlignRight), "right");
    EXPECT_EQ(QHtmlWord::alignWord(Qt::AlignCenter), "center");
    EXPECT_EQ(QHtmlWord::alignWord(Qt::AlignLeft | Qt::AlignTop), "center");
    EXPECT_EQ(QHtmlWord::alignWord(0), "center");
}

}  // namespace
