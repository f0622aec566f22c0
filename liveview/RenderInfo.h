// The hand-off of one taken-in frame from the camera layer's thread to the
// frame worker's own: the frame is shared and immutable, so the hand-off
// stays valid however late it is processed and whatever frames follow.
#pragma once

#include <QMetaType>

#include "LiveFrame.h"

struct RenderInfo {
    FramePtr frame;
    int width = 0;
    int height = 0;
};

Q_DECLARE_METATYPE(RenderInfo)
