// The vector conversions on AVX2: 256-bit vectors of two lanes, each lane
// doing what one SSSE3 vector does, on its own part of the block. Built
// with -mavx2, run only where the processor has it.
#include <immintrin.h>

#include "YuvSimdKernels.h"

namespace {

struct Avx2Ops : VectorTypes<32> {
    // Lane 1 is laneStride bytes after lane 0.
    static V load(const uint8_t* p, size_t laneStride)
    {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + laneStride));
        return V(_mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1));
    }
    static void store(uint8_t* p, size_t laneStride, V v)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(__m256i(v)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + laneStride), _mm256_extracti128_si256(__m256i(v), 1));
    }
    static V pattern(const Pattern& p)
    {
        return V(_mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p.bytes))));
    }
    YUV_SIMD_OP(madd16, _mm256_madd_epi16)
    YUV_SIMD_OP(packs32, _mm256_packs_epi32)
    YUV_SIMD_OP(packus16, _mm256_packus_epi16)
    YUV_SIMD_OP(shuffle8, _mm256_shuffle_epi8)
};

}  // namespace

const YuvKernels kYuvKernelsAvx2 = kernelsOf<Avx2Ops>();
