/* The C half of the layout test: h264enc.h and streamconv.h compile as plain
 * C11 (their static asserts included), and what C code writes into the
 * encoder records lands where the C++ side reads it. */
#include <string.h>

#include "h264enc.h"
#include "streamconv.h"

void recordingC_fillInput(MAV_P264_EncInput* in, const uint8_t* planes, int32_t width, int32_t height)
{
    memset(in, 0, sizeof *in);
    in->y = planes;
    in->u = planes + width * height;
    in->v = in->u + width * height / 4;
    in->width = width;
    in->lineY = width;
    in->lineU = width / 2;
    in->lineV = width / 2;
}

int recordingC_mp4Type(void)
{
    return STREAMCONV_TYPE_MP4;
}
