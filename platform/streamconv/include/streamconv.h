/*
 * streamconv - the MP4 stream converter of Calidra's recordings.
 *
 * Takes the H.264 access units of h264enc (Annex-B, SPS and PPS in front of
 * every key frame) and writes them into an MP4 file through libavformat's
 * "mp4" muxer. A file is written in this order:
 *
 *   StreamConv_IsReady        is the converter usable?
 *   StreamConv_OpenFile       creates the file, gives the handle
 *   StreamConv_SetVideoFormat picture size and frame rate, once, before the first frame
 *   StreamConv_WriteFrameAt   one access unit per call, with its capture time
 *                             (or StreamConv_WriteFrame, at the nominal rate)
 *   StreamConv_FinishFile     writes the index (moov); the file is playable after it
 *   StreamConv_CloseFile      closes the file and frees the handle
 *   StreamConv_Release        after the last file of a recording
 *
 * The file header is written at the first key frame, whose SPS and PPS become
 * the stream's decoder configuration; frames before it are dropped. The file's
 * clock starts at that key frame. A frame written with StreamConv_WriteFrameAt
 * carries its capture time, so the file lasts as long as it was recorded at
 * any camera rate and over dropped frames; StreamConv_WriteFrame stamps frame
 * n (counted from 0 at the key frame) n / fps. A frame lasts until the next
 * one, the last one 1 / fps. The file says that its pictures are full-range
 * BT.601, as h264enc's are.
 *
 * Conventions
 *   - Results are int: 0 (STREAMCONV_OK) on success, otherwise a positive
 *     StreamConv_Result.
 *   - A write error (disk full, device gone) is returned by the call that meets
 *     it and by every later WriteFrame and FinishFile of the handle; the file
 *     is then incomplete. CloseFile still closes it and frees the handle.
 *   - A handle belongs to one thread at a time; different handles may be used
 *     on different threads at once.
 *   - Data passed in is read during the call only.
 *   - Paths are byte strings as the caller passes them (UTF-8 on Linux), always
 *     taken as local file paths.
 */
#ifndef STREAMCONV_H
#define STREAMCONV_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum StreamConv_Result {
    STREAMCONV_OK = 0,
    STREAMCONV_ERR_ARGUMENT = 1,    /* null pointer, value out of range, data that is no Annex-B access unit */
    STREAMCONV_ERR_UNSUPPORTED = 2, /* file type other than STREAMCONV_TYPE_MP4, or no mp4 muxer */
    STREAMCONV_ERR_OPEN = 3,        /* the file cannot be created (missing folder, no permission, ...) */
    STREAMCONV_ERR_STATE = 4,       /* call out of order: no video format yet, format after the first frame,
                                       write or finish after finish */
    STREAMCONV_ERR_WRITE = 5,       /* writing the file failed; the handle stays failed */
    STREAMCONV_ERR_NO_FRAMES = 6,   /* FinishFile before any key frame: nothing recorded, the empty file is
                                       removed by CloseFile */
    STREAMCONV_ERR_NO_MEMORY = 7
} StreamConv_Result;

/* The one file type: MP4 with H.264 video. */
#define STREAMCONV_TYPE_MP4 3

/* Non-zero when the converter can write MP4 files (libavformat has its "mp4"
 * muxer). */
int StreamConv_IsReady(void);

/* Creates the file `path` (pathLen bytes, no NUL inside; a NUL after them is
 * not needed) for a recording of `type`. 0: the file exists and *handle holds
 * the new handle. Otherwise *handle is null and no file was created. */
int StreamConv_OpenFile(int type, const char* path, int pathLen, void** handle);

/* Picture size (even, 2..8192) and the nominal frame rate (1..120 per
 * second): WriteFrame's time stamps and the last frame's duration. Once,
 * after OpenFile and before the first frame. */
int StreamConv_SetVideoFormat(void* handle, int width, int height, int fps);

/* Writes one encoded frame: an Annex-B access unit (starting with a
 * 00 00 01 or 00 00 00 01 start code). A frame before the first key frame
 * with SPS and PPS is dropped and gives 0. */
int StreamConv_WriteFrame(void* handle, const uint8_t* data, int length);

/* Writes one encoded frame as WriteFrame does, stamped with its capture
 * time in microseconds on any steady clock of the caller. The first frame
 * written opens the file's clock at 0; a time not later than the previous
 * frame's is moved just after it (time stamps only go forward). */
int StreamConv_WriteFrameAt(void* handle, const uint8_t* data, int length, int64_t captureUs);

/* First closing step: writes the index (moov) and flushes the file. Non-zero
 * when anything of the file failed to be written, or no frame was recorded. */
int StreamConv_FinishFile(void* handle);

/* Second closing step: closes the file and frees the handle, on every result
 * (non-zero when the last bytes could not be written). Without FinishFile the
 * file stays incomplete. */
int StreamConv_CloseFile(void* handle);

/* Releases the converter. Nothing process-wide is held, so this only marks the
 * end of a recording; IsReady and OpenFile may follow at any time. */
void StreamConv_Release(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* STREAMCONV_H */
