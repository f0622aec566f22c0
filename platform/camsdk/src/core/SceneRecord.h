// The scene record of SIMCAM_SetScene / SIMCAM_GetScene and the renderer's
// parameters it stands for. The record adds displayNoise, which belongs to
// the display frame rather than to the scene's temperatures.
#pragma once

#include "SimDisplay.h"
#include "SimScene.h"
#include "simcam.h"

namespace camsdk {

class SceneRecord {
public:
    // The one reflected temperature the scene may have (the live side forces it).
    static constexpr double kReflected = 25.0;

    // The factory scene.
    static SIMCAM_Scene factory();
    // False for a record SIMCAM_SetScene refuses: a value not finite, a
    // switch other than 0/1, emissivity outside 0.01..1, a negative size or
    // noise, a turn period not positive, or another reflected temperature.
    static bool valid(const SIMCAM_Scene& s);
    static bool same(const SIMCAM_Scene& a, const SIMCAM_Scene& b);
    static SimScene::Params params(const SIMCAM_Scene& s);
};

}  // namespace camsdk
