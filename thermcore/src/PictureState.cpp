#include "PictureState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Logger.h"

namespace thermcore {

PictureState& PictureState::instance()
{
    static PictureState state;
    return state;
}

void PictureState::freeFrame()
{
    std::vector<uint16_t>().swap(raw);
    width = 0;
    height = 0;
}

void PictureState::freeImages()
{
    for (int i = 0; i < 2; ++i) {
        std::vector<uint8_t>().swap(yuvData[i]);
        yuvLoaded[i] = false;
    }
}

namespace {

int16_t tenthsSaturated(float t)
{
    const double v = std::round(double(t) * 10.0);  // half away from zero
    if (!(v > INT16_MIN)) return INT16_MIN;         // also NaN
    if (v > INT16_MAX) return INT16_MAX;
    return int16_t(v);
}

}  // namespace

void PictureState::rebuildTable()
{
    constexpr float kLowSaturation = -30.0f;
    constexpr float kHighSaturation = 600.0f;

    const GreyModel model(redun);
    MeasureParams params;
    params.emissivity = info.emissivity;
    params.distance = info.distance;
    params.reflectedTemp = redun.reflectedTemp;
    params.atmosphericTemp = info.envTemp;
    params.humidity = info.humidity;
    const double grayReflect = model.reflectedGrey(params.reflectedTemp);

    // While the picture log is on every grey goes through the per-grey
    // calculation, so that the log keeps its lines per grey.
    const bool logged = Logger::instance().enabled(LogChannel::Picture);
    constexpr int kChunk = 512;
    float chunk[kChunk];
    // Greys from `from` one by one towards `to` (inclusive), each side
    // stopping once an entry saturates: the rest of that side takes the
    // saturation value.
    auto fill = [&](int from, int to, float saturation) {
        const int step = to < from ? -1 : 1;
        int left = (to - from) * step + 1;
        int grey = from;
        while (left > 0) {
            const int n = logged ? 1 : std::min(kChunk, left);
            if (logged)
                model.temperature(model.compensatedGrey(grey, true), params, grayReflect, chunk);
            else
                model.temperatures(grey, step, n, params, grayReflect, chunk);
            for (int i = 0; i < n; ++i, grey += step, --left) {
                table[grey] = chunk[i];
                if (std::fabs(chunk[i] - saturation) <= 0.01f) {
                    for (grey += step, --left; left > 0; grey += step, --left) table[grey] = saturation;
                    return;
                }
            }
        }
    };
    const int base = redun.baseGray < THERMCORE_TABLE_SIZE ? int(redun.baseGray) : THERMCORE_TABLE_SIZE - 1;
    fill(base, 0, kLowSaturation);
    if (base + 1 < THERMCORE_TABLE_SIZE) fill(base + 1, THERMCORE_TABLE_SIZE - 1, kHighSaturation);
    std::fill(table.begin() + THERMCORE_TABLE_SIZE, table.end(), table[THERMCORE_TABLE_SIZE - 1]);
    tenthsCurrent_ = false;
}

const int16_t* PictureState::tenthsTable()
{
    if (!tenthsCurrent_) {
        for (int i = 0; i < THERMCORE_TABLE_SIZE; ++i) tenths_[i] = tenthsSaturated(table[i]);
        std::fill(tenths_.begin() + THERMCORE_TABLE_SIZE, tenths_.end(), tenths_[THERMCORE_TABLE_SIZE - 1]);
        tenthsCurrent_ = true;
    }
    return tenths_.data();
}

}  // namespace thermcore
