// Turns the simulated scene into the camera's raw 14-bit frame and its
// 1368-byte radiometric block, through thermcore's own grey-temperature
// model, so that both of thermcore's sides read the scene back.
//
// The part of the scene that does not move is kept as raw values and
// rebuilt only when the scene, the size or a raw-relevant setting changes;
// a frame then costs one copy plus the hot disc's square.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SimScene.h"
#include "thermcore.h"

namespace camsdk {

class SimRadiometry {
public:
    static constexpr uint16_t kMaxRaw = 16383;
    static constexpr uint32_t kBaseGray = 6144;
    static constexpr float kBaseTemp = 25.0f;
    // The temperature the live side forces for reflections; raw synthesis
    // and the block use it too, so live and picture readings agree.
    static constexpr float kReflectedTemp = 25.0f;

    // Camera settings that reach the raw frame or the block.
    struct Settings {
        int gainMode = 0;          // 0 low range; 1 and 2 high range
        int rawType = 0;           // 0 grey values; 1 temperatures x 10 (signed)
        bool defectsShown = true;  // false once bad pixels are corrected
        // Common measurement parameters, written into the block only.
        float emissivity = 0.97f;
        float distance = 1.0f;
        float ambient = 25.0f;
        int32_t humidity = 50;
    };

    SimRadiometry();

    const Settings& settings() const { return settings_; }
    void setSettings(const Settings& settings);

    // The block for a width x height frame under these settings (current
    // layout).
    static RedunData makeBlock(int width, int height, const Settings& settings);
    // The same values at the earlier layout's offsets (window at 1332/1334);
    // out holds sizeof(RedunData) bytes.
    static void encodeEarlier(const RedunData& block, uint8_t* out);

    // Raw frame of the scene at its current frame into raw (width * height
    // words, row by row); block, when given, receives the frame's block.
    // Allocates only when the frame size changes.
    void render(const SimScene& scene, uint16_t* raw, RedunData* block = nullptr);
    // Every pixel the raw value of one temperature (a sleeping camera shows
    // its housing).
    void renderUniform(double celsius, double sceneEmissivity, size_t pixels, uint16_t* raw);

    // The block of the last render (or of a 16 x 16 frame before any).
    const RedunData& block() const { return block_; }
    // Raw value of a temperature seen with the scene's emissivity.
    uint16_t rawOf(double celsius, double sceneEmissivity) const;

private:
    void rebuildModel(int width, int height);
    void rebuildStatic(const SimScene& scene);
    // The bad column and stuck pixels written over the pixels of r that
    // covers(x, y) accepts.
    template <typename Covers>
    void applyDefects(const SimScene& scene, uint16_t* raw, const SimScene::PixelRect& r, Covers covers) const;

    Settings settings_;
    RedunData block_;
    thermcore::GreyModel model_;
    double reflectedGrey_ = 0.0;

    std::vector<uint16_t> static_;  // the scene without the hot disc, defects applied
    bool staticValid_ = false;
    uint64_t staticRevision_ = 0;
    int staticWidth_ = 0;
    int staticHeight_ = 0;
};

}  // namespace camsdk
