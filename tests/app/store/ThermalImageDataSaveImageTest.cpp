// Writing the display image back as the PNG part of the open picture: the
// radiometric trailer stays byte for byte, and a file that is not what was
// loaded, or a save that fails half-way, leaves the original untouched.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstring>
#include <functional>
#include <vector>

#include "ScratchDir.h"
#include "StoreTestSupport.h"

using storetest::kH;
using storetest::kW;
using storetest::qpath;

namespace {

uint32_t u32At(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

void putU32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

class ThermalImageDataSaveImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().freePic();
        store().setSaveInterruptHook(nullptr);
        picture_ = storetest::rampPicture();
        path_ = dir_.file("pic.png");
        ASSERT_TRUE(picture_.writeTo(path_, &layout_));
        original_ = fixtures::readBytes(path_);
        ASSERT_EQ(store().readPicFile(qpath(path_)), 0);
        ASSERT_EQ(store().getPicHeaderInfo(), 0);
        ASSERT_EQ(store().getThermalGraph(), 0);
        ASSERT_EQ(store().calcPaletteRange(), 0);
    }
    void TearDown() override
    {
        store().setSaveInterruptHook(nullptr);
        store().freePic();
    }

    static ThermalImageData& store() { return ThermalImageData::getInstance(); }

    // Colours the picture: the display image that is written back.
    void render()
    {
        ASSERT_EQ(store().saveImageBmp(qpath(dir_.file("Tmp.bmp")), 4, 0, store().getPaletteIndexLow(),
                                       store().getPaletteIndexHigh()),
                  0);
    }

    QStringList files() const { return QDir(qpath(dir_.path())).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    fixtures::ScratchDir dir_;
    fixtures::RadioPictureWriter picture_{1, 1};
    fixtures::Layout layout_;
    std::string path_;
    std::vector<uint8_t> original_;
};

TEST_F(ThermalImageDataSaveImageTest, ThePngIsReplacedAndTheTrailerKept)
{
    render();
    ASSERT_EQ(store().savePicAsImage(), 0);
    const std::vector<uint8_t> saved = fixtures::readBytes(path_);
    ASSERT_GT(saved.size(), 6u);

    // The new start offset is the new PNG's length, and everything behind it
    // is the old trailer but for that offset.
    const size_t offset = u32At(saved, saved.size() - 6);
    const size_t trailer = original_.size() - layout_.pngSize;
    ASSERT_EQ(saved.size(), offset + trailer);
    EXPECT_EQ(0, std::memcmp(saved.data() + offset, original_.data() + layout_.pngSize, trailer - 6));
    EXPECT_EQ(saved[saved.size() - 2], 0x26);
    EXPECT_EQ(saved[saved.size() - 1], 0xBC);

    // The PNG part is the display image, pixel for pixel as the BMP shows it.
    const QImage png = QImage::fromData(saved.data(), int(offset), "PNG");
    ASSERT_EQ(png.size(), QSize(kW, kH));
    const QImage bmp(qpath(dir_.file("Tmp.bmp")));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB888), bmp.convertToFormat(QImage::Format_RGB888));

    // thermcore reads the new file as it read the old one.
    store().freePic();
    ASSERT_EQ(HM_readAXPicViewFile(path_.c_str()), 0);
    std::vector<uint16_t> raw(size_t(kW * kH));
    ASSERT_EQ(HM_getAxThrmGraph(raw.data()), 0);
    EXPECT_EQ(raw, picture_.rawFrame());
    PicRuleConfigInfo rules{};
    ASSERT_EQ(HM_getPicRuleConfigInfo(&rules), 0);
    EXPECT_EQ(rules.count, 2);
    HM_freeAXPicViewInfo();

    // And the information block can still be saved in place afterwards.
    ASSERT_EQ(store().readPicFile(qpath(path_)), 0);
    ASSERT_EQ(store().setColorType(9), 0);
    ASSERT_EQ(store().savePicViewInfo(), 0);
    const std::vector<uint8_t> resaved = fixtures::readBytes(path_);
    ASSERT_EQ(resaved.size(), saved.size());
    EXPECT_EQ(0, std::memcmp(resaved.data(), saved.data(), offset));  // the PNG is left alone
}

TEST_F(ThermalImageDataSaveImageTest, AFailureHalfWayLeavesTheOriginal)
{
    render();
    int calls = 0;
    store().setSaveInterruptHook([&] {
        ++calls;
        return false;
    });
    EXPECT_EQ(store().savePicAsImage(), -6);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(fixtures::readBytes(path_), original_);
    EXPECT_EQ(files(), QStringList({"Tmp.bmp", "pic.png"}));  // no temporary file left

    // Once the hook lets it through the same save succeeds.
    store().setSaveInterruptHook([] { return true; });
    EXPECT_EQ(store().savePicAsImage(), 0);
    EXPECT_NE(fixtures::readBytes(path_), original_);
}

TEST_F(ThermalImageDataSaveImageTest, NothingToWriteWithoutADisplayImage)
{
    EXPECT_EQ(store().savePicAsImage(), -4);
    EXPECT_EQ(fixtures::readBytes(path_), original_);
}

// Files changed after loading are refused before anything is written.
TEST_F(ThermalImageDataSaveImageTest, ABrokenTrailerIsRefusedAndTheFileKept)
{
    render();
    struct Case {
        const char* what;
        int expected;
        std::function<void(std::vector<uint8_t>&)> patch;
    };
    const std::vector<Case> cases = {
        {"mark", -2, [](std::vector<uint8_t>& b) { b.back() = 0xBD; }},
        {"too short for a mark", -2, [](std::vector<uint8_t>& b) { b.resize(3); }},
        {"offset at the end", -3, [](std::vector<uint8_t>& b) { putU32(b, b.size() - 6, uint32_t(b.size())); }},
        {"offset past the end", -3, [](std::vector<uint8_t>& b) { putU32(b, b.size() - 6, 0xFFFFFFF0u); }},
        {"trailer shorter than a header", -3,
         [](std::vector<uint8_t>& b) { putU32(b, b.size() - 6, uint32_t(b.size() - 50)); }},
        {"offset not at the first header", -3,
         [](std::vector<uint8_t>& b) { putU32(b, b.size() - 6, u32At(b, b.size() - 6) + 4); }},
        {"another picture's header", -3,
         [this](std::vector<uint8_t>& b) { b[layout_.yuvHeader1 + 8] ^= 0x01; }},  // width
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = original_;
        c.patch(bytes);
        ASSERT_TRUE(fixtures::writeBytes(path_, bytes));
        EXPECT_EQ(store().savePicAsImage(), c.expected) << c.what;
        EXPECT_EQ(fixtures::readBytes(path_), bytes) << c.what;
    }
    QFile::remove(qpath(path_));
    EXPECT_EQ(store().savePicAsImage(), -1);
    EXPECT_FALSE(QFile::exists(qpath(path_)));
}

}  // namespace
