// The one picture the library holds: both images, the raw frame, the picture
// information block, the camera block, the file's path and the temperature
// table built from them. Every picture-side call locks `mutex` for its run.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "RuleRaster.h"
#include "thermcore.h"

namespace thermcore {

class PictureState {
public:
    static PictureState& instance();
    // Runs f(state) under the state's lock and returns its result.
    template <typename F>
    static int withLocked(F&& f)
    {
        PictureState& state = instance();
        std::lock_guard<std::recursive_mutex> lock(state.mutex);
        return f(state);
    }

    std::recursive_mutex mutex;

    YuvBufInfo yuvHeader[2] = {};
    std::vector<uint8_t> yuvData[2];
    bool yuvLoaded[2] = {false, false};

    int width = 0;  // raw frame; 0 when none is loaded
    int height = 0;
    std::vector<uint16_t> raw;

    PicViewInfo info = {};
    RedunData redun = {};
    std::string path;  // full path of the loaded file, for saving

    // The temperature table, padded to every u16 with its last entry so that
    // a lookup needs no clamp: table[v] for v above 16383 is table[16383].
    static constexpr int kPaddedTableSize = 65536;
    std::array<float, kPaddedTableSize> table = {};
    float colorBar[2] = {0.0f, 0.0f};

    // Pixels of the last rule, rebuilt by every rule call.
    PixelRuns lineList;
    PixelRuns areaList;

    bool hasFrame() const { return width > 0 && height > 0 && raw.size() == size_t(width) * size_t(height); }
    uint16_t rawAt(int x, int y) const { return raw[size_t(y) * size_t(width) + size_t(x)]; }
    // Temperature of a raw value: the table entry (indices past the table
    // read its last entry), or raw / 10 for frames that hold temperatures.
    float pixelTemperature(uint16_t value) const
    {
        if (redun.tempDataFlag) return float(int16_t(value)) / 10.0f;
        return table[value];
    }
    // The table in tenths of a degree, saturated to the i16 range, padded as
    // `table`; made from it on first use after each rebuild.
    const int16_t* tenthsTable();

    // Releases the raw frame and both images and forgets their sizes.
    void freeFrame();
    void freeImages();
    // Rebuilds the temperature table from `info` and `redun`.
    void rebuildTable();

private:
    PictureState() = default;

    std::array<int16_t, kPaddedTableSize> tenths_ = {};
    bool tenthsCurrent_ = false;
};

}  // namespace thermcore
