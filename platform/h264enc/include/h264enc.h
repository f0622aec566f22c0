/*
 * h264enc - the H.264 encoder of Calidra's recordings.
 *
 * The frame worker opens one encoder per recorded file, hands it every
 * recorded picture as I420 planes and passes each encoded frame on to the
 * MP4 stream converter (streamconv.h). Pictures are full-range BT.601
 * YCbCr (MAV_P264_CameraToI420 makes them from the camera's frames) and the
 * stream's VUI says so. Frames come out as Annex-B access units; every
 * key frame carries its SPS and PPS, so a file can begin at any key frame.
 * The work is done by libavcodec: libx264 (preset "ultrafast", tune
 * "zerolatency"), else libopenh264, else any H.264 encoder that opens.
 *
 * Conventions
 *   - A handle belongs to one thread at a time; different handles may be used
 *     on different threads at once.
 *   - Every accepted picture gives its encoded frame in the same call (no
 *     frame delay with libx264 and libopenh264).
 *   - Buffers belong to the caller, except the encoded data, which belongs to
 *     the handle and stays valid until the next call on that handle.
 *   - Records are little-endian, fixed-width, naturally aligned (LP64); their
 *     sizes and offsets are checked at compile time at the end of this file.
 */
#ifndef H264ENC_H
#define H264ENC_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define H264ENC_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define H264ENC_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* ------------------------------------------------------------------------ */
/* Results                                                                   */
/* ------------------------------------------------------------------------ */

typedef enum MAV_P264_Result {
    MAV_P264_OK = 0,              /* done; for _Start: one encoded frame is in the output record */
    MAV_P264_NO_OUTPUT = 1,       /* _Start: picture taken, no encoded frame yet (delaying encoders only) */
    MAV_P264_ERR_ARGUMENT = -1,   /* null pointer, value out of range, record not matching the encoder */
    MAV_P264_ERR_NO_ENCODER = -2, /* no H.264 encoder in this libavcodec could be opened */
    MAV_P264_ERR_ENCODE = -3,     /* the encoder refused the picture or failed */
    MAV_P264_ERR_NO_MEMORY = -4   /* allocation failed */
} MAV_P264_Result;

/* Largest frame side and frame rate an encoder accepts. */
#define MAV_P264_MAX_SIDE 8192
#define MAV_P264_MAX_FPS 120

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

/* Encoder parameters (96 bytes), read during MAV_P264_Enc_Open only. The frame
 * worker fills 24 words, all zero except: 0 width, 1 height, 3 16384,
 * 4 frame rate (25, 30 or 50), 7 50, 9 2, 10 4, 11 2, 13 66, 14 0. This
 * encoder reads words 0, 1 and 4; the others are kept for the callers that
 * fill them and have no effect. */
typedef struct MAV_P264_EncParam {
    uint32_t word[24];
} MAV_P264_EncParam;

#define MAV_P264_PARAM_WIDTH 0  /* even, 2..MAV_P264_MAX_SIDE */
#define MAV_P264_PARAM_HEIGHT 1 /* even, 2..MAV_P264_MAX_SIDE */
#define MAV_P264_PARAM_FPS 4    /* frames per second, 1..MAV_P264_MAX_FPS */

/* One I420 picture of the size given at open: Y plane of width x height bytes,
 * U and V planes of width/2 x height/2, each row `line` bytes apart (at least
 * the plane's width: W, W/2, W/2 for tightly packed planes). The planes are
 * read during MAV_P264_Enc_Start only. */
typedef struct MAV_P264_EncInput {
    const uint8_t* y;
    const uint8_t* u;
    const uint8_t* v;
    int32_t width; /* must equal the width given at open */
    int32_t lineY;
    int32_t lineU;
    int32_t lineV;
    uint8_t reserved[20];
} MAV_P264_EncInput;

/* One encoded frame: an Annex-B access unit. `data` belongs to the handle and
 * stays valid until the next call on the handle. Callers zero the record
 * before the call; only data and length are written. */
typedef struct MAV_P264_EncOutput {
    uint32_t reserved0;
    const uint8_t* data;
    uint32_t reserved1[3];
    uint32_t length; /* bytes at data */
    uint8_t reserved2[40];
} MAV_P264_EncOutput;

/* ------------------------------------------------------------------------ */
/* Encoder                                                                   */
/* ------------------------------------------------------------------------ */

/* Opens an encoder for the picture size and frame rate of `param`. Returns 0
 * and stores the handle, or a negative MAV_P264_Result and stores null.
 * Refused: null pointers, odd or out-of-range sizes, rates outside 1..120. */
int MAV_P264_Enc_Open(const MAV_P264_EncParam* param, void** handle);

/* Encodes one picture. 0: one encoded frame is in `out`. Non-zero: nothing in
 * `out` (data null, length 0) and the caller skips the frame; negative for a
 * refused input record (null pointers, width not the open width, a line
 * shorter than its plane's width) or an encoder failure. */
int MAV_P264_Enc_Start(void* handle, const MAV_P264_EncInput* in, MAV_P264_EncOutput* out);

/* Closes the encoder and frees the handle; null is fine. */
void MAV_P264_Enc_Close(void* handle);

/* ------------------------------------------------------------------------ */
/* Picture conversion                                                        */
/* ------------------------------------------------------------------------ */

/* Converts one packed YUV 4:2:2 frame (byte order U Y0 V Y1, rows of 2w
 * bytes) to tightly packed I420 planes: y (w x h), u and v (w/2 x h/2). Each
 * chroma sample is the rounded mean of the two rows of its 2 x 2 block.
 * w and h must be even and positive; returns 0, or MAV_P264_ERR_ARGUMENT
 * with nothing written. */
int MAV_P264_Uyvy422ToI420(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v);

/* The camera's frame as the encoder's picture: as MAV_P264_Uyvy422ToI420,
 * with the chroma moved to BT.601's scale. The camera's Y is full range and
 * its U and V are on the scale the program shows them with
 * (R = Y + 1.13983 (V - 128), G = Y - 0.5806 (V - 128) - 0.39465 (U - 128),
 * B = Y + 2.03211 (U - 128)); the picture is full-range BT.601 YCbCr
 * (Cb - 128 = 1.14679 (U - 128), Cr - 128 = 0.81300 (V - 128), rounded and
 * clamped), which the encoded stream announces, so a decoder shows the
 * colours of the live view. Same arguments and results. */
int MAV_P264_CameraToI420(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v);

/* ------------------------------------------------------------------------ */
/* Layout checks                                                             */
/* ------------------------------------------------------------------------ */

H264ENC_STATIC_ASSERT(sizeof(MAV_P264_EncParam) == 96, "MAV_P264_EncParam is 96 bytes");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || sizeof(MAV_P264_EncInput) == 64, "MAV_P264_EncInput layout");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || offsetof(MAV_P264_EncInput, width) == 24, "MAV_P264_EncInput.width");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || offsetof(MAV_P264_EncInput, lineV) == 36, "MAV_P264_EncInput.lineV");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || sizeof(MAV_P264_EncOutput) == 72, "MAV_P264_EncOutput layout");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || offsetof(MAV_P264_EncOutput, data) == 8, "MAV_P264_EncOutput.data");
H264ENC_STATIC_ASSERT(sizeof(void*) != 8 || offsetof(MAV_P264_EncOutput, length) == 28, "MAV_P264_EncOutput.length");

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* H264ENC_H */
