#include "FixedText.h"

#include <cstring>

namespace thermcore {

size_t FixedText::length(const char* field, size_t capacity)
{
    return field ? strnlen(field, capacity) : 0;
}

void FixedText::copy(char* dst, size_t dstCapacity, const char* src, size_t srcCapacity, size_t maxBytes)
{
    if (!dst || dstCapacity == 0) return;
    if (maxBytes > dstCapacity - 1) maxBytes = dstCapacity - 1;
    size_t n = 0;
    if (src) n = srcCapacity ? strnlen(src, srcCapacity) : strnlen(src, maxBytes + 1);
    if (n > maxBytes) {
        n = maxBytes;
        // Step back over continuation bytes so a multi-byte character is not split.
        size_t start = n;
        while (start > 0 && (static_cast<unsigned char>(src[start]) & 0xC0) == 0x80) --start;
        n = start;
    }
    if (n) std::memmove(dst, src, n);
    std::memset(dst + n, 0, dstCapacity - n);
}

}  // namespace thermcore
