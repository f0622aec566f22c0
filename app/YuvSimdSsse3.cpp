// The vector conversions on SSSE3 (128-bit vectors, one lane): built with
// -mssse3, run only where the processor has it.
#include <tmmintrin.h>

#include "YuvSimdKernels.h"

namespace {

struct Ssse3Ops : VectorTypes<16> {
    static V load(const uint8_t* p, size_t /*laneStride*/)
    {
        return V(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    }
    static void store(uint8_t* p, size_t /*laneStride*/, V v)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), __m128i(v));
    }
    static V pattern(const Pattern& p) { return load(p.bytes, 0); }
    YUV_SIMD_OP(madd16, _mm_madd_epi16)
    YUV_SIMD_OP(packs32, _mm_packs_epi32)
    YUV_SIMD_OP(packus16, _mm_packus_epi16)
    YUV_SIMD_OP(shuffle8, _mm_shuffle_epi8)
};

}  // namespace

const YuvKernels kYuvKernelsSsse3 = kernelsOf<Ssse3Ops>();
