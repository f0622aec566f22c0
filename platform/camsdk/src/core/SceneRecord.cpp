#include "SceneRecord.h"

#include <cmath>

namespace camsdk {

// Fields of SIMCAM_Scene; the scene's parameters carry the same names.
#define CAMSDK_SCENE_VALUES(X) \
    X(bgBase)                  \
    X(bgGradV)                 \
    X(bgGradU)                 \
    X(rectTemp)                \
    X(rectU0)                  \
    X(rectV0)                  \
    X(rectU1)                  \
    X(rectV1)                  \
    X(coldTemp)                \
    X(coldU)                   \
    X(coldV)                   \
    X(coldRadius)              \
    X(coldRamp)                \
    X(hotTemp)                 \
    X(hotRadius)               \
    X(hotRamp)                 \
    X(hotPeriodS)              \
    X(hotPhase)                \
    X(hotPathU)                \
    X(hotPathV)                \
    X(sceneEmissivity)         \
    X(sceneReflected)

#define CAMSDK_SCENE_SWITCHES(X) \
    X(rectOn)                    \
    X(coldOn)                    \
    X(hotOn)                     \
    X(hotMotion)                 \
    X(blackbodyOn)               \
    X(defectsOn)

SIMCAM_Scene SceneRecord::factory()
{
    const SimScene::Params p;
    SIMCAM_Scene s{};
#define CAMSDK_X(name) s.name = p.name;
    CAMSDK_SCENE_VALUES(CAMSDK_X)
    CAMSDK_SCENE_SWITCHES(CAMSDK_X)
#undef CAMSDK_X
    s.displayNoise = SimDisplay::Settings().displayNoise;
    return s;
}

bool SceneRecord::valid(const SIMCAM_Scene& s)
{
#define CAMSDK_X(name) \
    if (!std::isfinite(s.name)) return false;
    CAMSDK_SCENE_VALUES(CAMSDK_X)
#undef CAMSDK_X
#define CAMSDK_X(name) \
    if (s.name != 0 && s.name != 1) return false;
    CAMSDK_SCENE_SWITCHES(CAMSDK_X)
#undef CAMSDK_X
    return std::isfinite(s.displayNoise) && s.displayNoise >= 0.0 && s.sceneEmissivity >= 0.01 &&
           s.sceneEmissivity <= 1.0 && s.coldRadius >= 0.0 && s.coldRamp >= 0.0 && s.hotRadius >= 0.0 &&
           s.hotRamp >= 0.0 && s.hotPeriodS > 0.0 && s.sceneReflected == kReflected;
}

bool SceneRecord::same(const SIMCAM_Scene& a, const SIMCAM_Scene& b)
{
#define CAMSDK_X(name) \
    if (a.name != b.name) return false;
    CAMSDK_SCENE_VALUES(CAMSDK_X)
    CAMSDK_SCENE_SWITCHES(CAMSDK_X)
#undef CAMSDK_X
    return a.displayNoise == b.displayNoise;
}

SimScene::Params SceneRecord::params(const SIMCAM_Scene& s)
{
    SimScene::Params p;
#define CAMSDK_X(name) p.name = s.name;
    CAMSDK_SCENE_VALUES(CAMSDK_X)
#undef CAMSDK_X
#define CAMSDK_X(name) p.name = s.name != 0;
    CAMSDK_SCENE_SWITCHES(CAMSDK_X)
#undef CAMSDK_X
    return p;
}

}  // namespace camsdk
