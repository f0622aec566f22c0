// The program's store of the radiometric picture open for analysis and of
// two rule sets: the picture set (the rules stored in the open file) and the
// live set (the rules drawn on the live video, which snapshots copy).
//
// It is the program's only caller of thermcore's picture side: one member per
// library call, guarded by the store's own state, turning the library's
// results into these codes: -1 no picture (or no camera for the live set, or
// a missing argument), -2 the library failed or a size is 0, -3 to -6 as
// listed per member. No messages.
//
// Temperatures handed out are degrees Celsius: thermcore gives rule, hot/cold
// and colour-bar values in the picture's unit, and the store converts them
// back with the picture's unit field.
//
// Threads: the picture side and the picture set belong to the GUI thread
// (thermcore holds one picture for the whole process). The live set is also
// read by the snapshot writer and the device worker, so it sits behind a
// mutex and leaves the store only as copies.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "PicRuleList.h"
#include "PicRuleRecord.h"
#include "camsdk.h"
#include "thermcore.h"

class ThermalImageData {
public:
    static constexpr int kMaxRules = PicRuleList::kCapacity;
    static constexpr int kIsoThermSize = 20;
    static constexpr int kNoteSize = 1024;  // note field of the picture, NUL included

    // The single instance, created on first use and destroyed at exit.
    static ThermalImageData& getInstance();
    ~ThermalImageData();
    ThermalImageData(const ThermalImageData&) = delete;
    ThermalImageData& operator=(const ThermalImageData&) = delete;

    // ---- The picture ----------------------------------------------------

    // Frees any previous picture, then loads the file: 0, or -2.
    int readPicFile(const QString& path);
    // Releases the library's picture and every buffer of the store; drops the
    // picture set's flags and the size.
    void freePic();
    // Rewrites the picture information block of the open file (parameters,
    // rules, isotherm, palette, channel, note as last handed to the library).
    int savePicViewInfo();
    bool isLoaded() const { return loaded_; }
    QString getPicPath() const { return picPath_; }

    // Size and format from the picture's headers.
    int getPicHeaderInfo();
    void getPicSize(QSize& size) const { size = QSize(width_, height_); }
    // The raw frame and its 8-bit picture: -2 size 0, -3 no memory, -4 copy
    // failed, -5 enhancement failed.
    int getThermalGraph();
    // The temperature of every pixel, in C.
    int getPixelsTemperature();
    // Appends the width * height pixel temperatures row by row; -1 without them.
    int getTemperList(std::vector<float>& list) const;

    // Rule temperatures, in C. Needs the pixel temperatures.
    int getRuleRegionTemper(const RuleRegionParam* rule, HM_RuleTemper* result);
    // The whole picture's average, maximum and minimum, in C.
    int getHotColdTemper(HM_RuleTemper* record);
    // Refreshes the stored minimum and maximum (zeroed first): 0 or -1.
    int updateHotColdTemper();
    float getMinTemper() const { return minTemper_; }
    float getMaxTemper() const { return maxTemper_; }
    // Colour-bar range {maximum, minimum} in C; {0, 0} asks for the picture's
    // own range.
    int getPicColorBarRange(float range[2]);
    int setPicColorBarRange(const float range[2]);

    // Palette indices: the smallest and largest value of the 8-bit picture.
    // -2 size 0, -3 no 8-bit picture yet.
    int calcPaletteRange();
    int getPaletteIndexLow() const { return idxLow_; }
    int getPaletteIndexHigh() const { return idxHigh_; }
    // idxLow + (max(t, min) - min) * (idxHigh - idxLow) / (max - min),
    // truncated, at least 0; idxLow for a uniform picture; -1 without one.
    int temperToPaletteIndex(float celsius) const;

    // Palette strip: a 256 x 1, 24-bit BMP in memory of the colour type's
    // palette over the grey levels 0..255. paletteLow/paletteHigh are the
    // palette levels that the grey window lowIndex..highIndex is stretched
    // onto (ColorizeGray8). flag is reserved and must be 0. *out points into
    // the store (valid until the next call or freePic), *outLength is its
    // size; on failure null, 0 and -1. Needs no picture.
    int getPaletteBmp(int colorType, int paletteLow, int paletteHigh, int lowIndex, int highIndex, int flag,
                      const uint8_t** out, int* outLength);
    // Mode 0 colours the 8-bit picture (grey window lowIndex..highIndex over
    // the whole palette), keeps it as the display image and writes it as a
    // 24-bit BMP; other modes do nothing and return 0. -2 size 0, -3
    // colouring failed, -4 no memory, -6 the file was not written.
    int saveImageBmp(const QString& path, int colorType, int mode, int lowIndex, int highIndex);
    // The display image of the last saveImageBmp (B, G, R rows, top down),
    // wrapping the store's buffer: valid until the next rendering or freePic;
    // null before the first. The window shows it without reading the BMP
    // file back.
    QImage renderedImage() const;
    // The display image as NV12, converted when first asked for after a
    // rendering (a slider drag renders often and needs none); empty without
    // a display image or memory.
    const std::vector<uint8_t>& getDisplayNv12();
    // Replaces the PNG part of the open file with the display image and keeps
    // the radiometric trailer byte for byte. The trailer is checked first
    // and the new file replaces the old one only when completely written.
    // -1 no picture or the file cannot be read, -2 no end mark, -3 the
    // trailer does not belong to the loaded picture, -4 no display image or
    // PNG encoding failed, -5 the new file cannot be created, -6 writing it
    // failed. On every failure the file is untouched.
    int savePicAsImage();
    // Test seam: called after the PNG part is written; false abandons the save.
    void setSaveInterruptHook(std::function<bool()> hook) { saveHook_ = std::move(hook); }

    // ---- Picture parameters and rules (GUI thread) ------------------------

    int readPicGlobalRuleConfig();
    // The 44-byte global block, or null without a picture or before reading.
    USBSDK_GlobalTemperParam* getPicGlobalRuleConfig();
    int setPicGlobalRuleConfig();

    int readPicRuleConfigInfo();
    // The picture rule set, or null without a picture or before reading.
    PicRuleList* getPicRuleList();
    // Hands the set to the library: its result, or -1.
    int setPicRuleConfigInfo();
    // ruleId = count + 1 into *record, appends a copy; -1 no picture, no set,
    // no record or the set is full.
    int addPicRule(PicRuleRecord* record);
    // Removes the first record with the key and renumbers 1..count.
    int delPicRule(quint32 key);
    // The rule part of the first record with the key, or null.
    PicRuleConfig* findPicRuleById(quint32 key);

    // Isotherm block of the picture, 20 bytes kept whole; the address is
    // never null.
    int readIsoThermParam();
    uint8_t* getIsoThermParam() { return isoTherm_; }
    int setIsoThermParam();

    int getColorType(int32_t* value);
    int setColorType(int32_t value);
    int getChannel(int32_t* value);
    int setChannel(int32_t value);
    // 0 none, 1 upside down, 2 mirrored, 3 both; 0 when the library fails.
    int getFlipDirection();
    // direction 0 reads (-4 on failure), 1 writes *state (-3), other -2.
    int getSetParamsState(int32_t* state, int direction);
    // The note: direction 0 reads it into text (size bytes, NUL-terminated,
    // cut on a character boundary), 1 writes the first size bytes of text up
    // to its NUL (cut to 1023 bytes on a character boundary); the library's
    // result; -1 no picture, no text or size below 1; other directions -2.
    int getSetText(char* text, int size, int direction);

    // ---- Live set (any thread) ---------------------------------------------

    // Copies, present while a camera is connected and the part was written.
    std::optional<USBSDK_GlobalTemperParam> getDevGlobalRuleConfig() const;
    std::optional<PicRuleList> getDevRuleList() const;
    std::optional<PicRuleConfig> findDevRuleById(quint32 key) const;
    // Stores the block (no camera needed): 0, or -1 for null.
    int setDevGlobalRuleConfig(const USBSDK_GlobalTemperParam* block);
    // As addPicRule; needs a connected camera.
    int addDevRule(PicRuleRecord* record);
    int delDevRule(quint32 key);
    // Replaces the rule part of the record with the key, keeping its ruleId:
    // -1 no camera or key, -2 no such record.
    int updateDevRule(quint32 key, const PicRuleConfig& rule);

private:
    ThermalImageData();
    void freeBuffers();
    // The picture's unit field: 0 C, 1 F, other K.
    int32_t pictureUnit() const;
    void toCelsius(HM_RuleTemper* result) const;
    static bool cameraConnected();

    bool loaded_ = false;
    int width_ = 0;
    int height_ = 0;
    int yuvFormat_ = -1;

    std::vector<uint8_t> grey_;        // 8-bit picture of the raw frame
    std::vector<uint8_t> nv12_;        // display image as NV12, once asked for
    bool nv12Stale_ = true;            // nv12_ is not that of displayBgr_
    std::vector<uint8_t> colourYuv_;   // display image as Y, U, V
    std::vector<uint8_t> displayBgr_;  // display image as B, G, R
    uint8_t identity_[256];
    std::vector<uint8_t> paletteBmp_;

    bool pixelTempValid_ = false;
    std::vector<float> pixelTemp_;

    uint8_t yuvHeaderTail_[40] = {};  // header 1 from its offset 32
    float scale_ = 1.0f;

    float minTemper_ = 0.0f;
    float maxTemper_ = 0.0f;
    int idxLow_ = 0;
    int idxHigh_ = 0;

    bool picGlobalValid_ = false;
    USBSDK_GlobalTemperParam picGlobal_ = {};
    bool picRulesValid_ = false;
    PicRuleList picRules_ = {};

    mutable std::mutex liveMutex_;
    bool devGlobalValid_ = false;
    USBSDK_GlobalTemperParam devGlobal_ = {};
    bool devRulesValid_ = false;
    PicRuleList devRules_ = {};

    QString picPath_;
    uint8_t isoTherm_[kIsoThermSize] = {};

    std::function<bool()> saveHook_;
};
