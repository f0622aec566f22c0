// Fixed-size text fields of files and records: UTF-8, NUL-terminated inside
// the field. Writing cuts on a character boundary and always leaves a NUL;
// reading never looks past the field.
#pragma once

#include <cstddef>

namespace thermcore {

class FixedText {
public:
    // Length of the text in a field of `capacity` bytes (strnlen).
    static size_t length(const char* field, size_t capacity);
    // Copies at most `maxBytes` bytes of src (a field of srcCapacity bytes,
    // or a C string when srcCapacity is 0) into dst, cut so that no UTF-8
    // character is split; the rest of dst's `dstCapacity` bytes is zeroed.
    // maxBytes is limited to dstCapacity - 1, so dst always ends in a NUL.
    static void copy(char* dst, size_t dstCapacity, const char* src, size_t srcCapacity, size_t maxBytes);
};

}  // namespace thermcore
