// Shared pieces of the recording tests: synthetic moving pictures, the
// encoder parameters as the frame worker fills them, an independent look at
// Annex-B access units, and a reader that opens a recorded file with
// libavformat and decodes it back.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "h264enc.h"

namespace rectest {

// One I420 picture, planes packed tightly (lines W, W/2, W/2).
struct I420Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
    int colorRange = 0;  // AVColorRange and AVColorSpace the decoder found in the stream
    int colorSpace = 0;
    const uint8_t* y() const { return bytes.data(); }
    const uint8_t* u() const { return bytes.data() + size_t(width) * height; }
    const uint8_t* v() const { return u() + size_t(width / 2) * (height / 2); }
};

// Frame `index` of a moving test scene: a drifting luma ramp with a bright
// square crossing it, U a horizontal and V a vertical ramp (so swapped or
// misaddressed planes show).
I420Picture movingPicture(int width, int height, int index);

// The 24-word record of the frame worker for a W x H camera at `fps`.
MAV_P264_EncParam workerParam(int width, int height, int fps);

// The input record over a tightly packed picture.
MAV_P264_EncInput inputFor(const I420Picture& picture);

// NAL unit types of an access unit, found by its start codes.
std::set<int> nalTypes(const std::vector<uint8_t>& accessUnit);
bool beginsWithStartCode(const std::vector<uint8_t>& accessUnit);

// Encodes `count` moving pictures; fails the calling test on any refusal.
std::vector<std::vector<uint8_t>> encodeMovingPictures(int width, int height, int fps, int count);

// Mean absolute difference per plane (Y, U, V) between two pictures of one size.
struct PlaneErrors {
    double plane[3] = {0, 0, 0};
};
PlaneErrors meanAbsoluteErrors(const I420Picture& a, const I420Picture& b);

// Decodes Annex-B access units with libavcodec's H.264 decoder.
std::vector<I420Picture> decodeAccessUnits(const std::vector<std::vector<uint8_t>>& accessUnits);

// What a recorded file holds, read back with libavformat.
struct FileReport {
    bool opened = false;
    int videoStreams = 0;
    int codecId = 0;  // AVCodecID
    int width = 0;
    int height = 0;
    int packets = 0;
    double durationSeconds = 0;
    std::vector<double> packetSeconds;  // time stamp of each packet
    int colorRange = 0;                 // AVColorRange, AVColorSpace, AVColorPrimaries, AVColorTransferCharacteristic
    int colorSpace = 0;                 // of the file's stream
    int colorPrimaries = 0;
    int colorTransfer = 0;
    std::vector<int> keyPackets;   // packet indices flagged as key frames (libavformat's parser finds them too)
    bool hasSyncTable = false;     // the file's own key frame index (stss box) exists
    std::vector<int> syncSamples;  // its entries, as 0-based frame indices
    std::vector<I420Picture> decoded;
};
FileReport readRecordedFile(const std::string& path, bool decode);

// A folder under the temporary directory, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

// Runs a shell command; returns its exit status and stdout + stderr.
int runCommand(const std::string& command, std::string* output);
bool haveProgram(const char* name);

}  // namespace rectest
