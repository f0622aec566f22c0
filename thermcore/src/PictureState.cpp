#include "PictureState.h"

#include <cmath>

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

    auto temperatureOf = [&](int grey) {
        float t = 0.0f;
        model.temperature(model.compensatedGrey(grey, true), params, grayReflect, &t);
        return t;
    };

    const int base = redun.baseGray < THERMCORE_TABLE_SIZE ? int(redun.baseGray) : THERMCORE_TABLE_SIZE - 1;
    bool saturated = false;
    for (int grey = base; grey >= 0; --grey) {
        table[grey] = saturated ? kLowSaturation : temperatureOf(grey);
        saturated = saturated || std::fabs(table[grey] - kLowSaturation) <= 0.01f;
    }
    saturated = false;
    for (int grey = base + 1; grey < THERMCORE_TABLE_SIZE; ++grey) {
        table[grey] = saturated ? kHighSaturation : temperatureOf(grey);
        saturated = saturated || std::fabs(table[grey] - kHighSaturation) <= 0.01f;
    }
}

}  // namespace thermcore
