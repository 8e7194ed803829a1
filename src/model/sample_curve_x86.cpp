// The vector reader of plain samples: eight positions at a time, each lane
// taking the same single-precision steps as the scalar reader. A sample and
// its successor come in one 32-bit gather, as do their two slopes.
#include "model/sample_curve.h"

#if defined(__x86_64__) && !defined(_WIN32) && defined(__GNUC__)
#include <immintrin.h>

namespace {

__attribute__((target("avx2"))) inline __m256 LowHalf(__m256i pairs) {
    return _mm256_cvtepi32_ps(_mm256_srai_epi32(_mm256_slli_epi32(pairs, 16), 16));
}

__attribute__((target("avx2"))) inline __m256 HighHalf(__m256i pairs) {
    return _mm256_cvtepi32_ps(_mm256_srai_epi32(pairs, 16));
}

// Eight values from[lane], lane 0..7, as floats.
__attribute__((target("avx2"))) inline __m256 Spread(const int16_t* from, __m256i lane) {
    const __m256i eight =
        _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
    return _mm256_cvtepi32_ps(_mm256_permutevar8x32_epi32(eight, lane));
}

}  // namespace

__attribute__((target("avx2"))) int ReadSampleCurveAvx2(const int16_t* samples,
                                                        const int16_t* slopes, int n,
                                                        const SFP* positions, int count,
                                                        int16_t* out) {
    // A pair gathered at sample k reaches k + 1: blocks whose positions
    // reach the last sample (or leave the recording) go to the scalar code.
    if (n < 2 || n >= 32768) return 0;
    const __m256i lastInside = _mm256_set1_epi32(((n - 1) << 16) - 1);
    const __m256i noWhere = _mm256_setzero_si256(), seven = _mm256_set1_epi32(7);
    const __m256i fraction = _mm256_set1_epi32(0xFFFF);
    const __m256 scale = _mm256_set1_ps(1.0f / 65536.0f), two = _mm256_set1_ps(2.0f),
                 three = _mm256_set1_ps(3.0f), low = _mm256_set1_ps(-32768.0f),
                 high = _mm256_set1_ps(32767.0f), half = _mm256_set1_ps(0.5f),
                 minusHalf = _mm256_set1_ps(-0.5f), zero = _mm256_setzero_ps();
    const int* y = reinterpret_cast<const int*>(samples);
    const int* s = reinterpret_cast<const int*>(slopes);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i raw = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(positions + i));
        const __m256i outside =
            _mm256_or_si256(_mm256_cmpgt_epi32(raw, lastInside), _mm256_cmpgt_epi32(noWhere, raw));
        if (!_mm256_testz_si256(outside, outside)) break;
        const __m256i k = _mm256_srai_epi32(raw, 16);
        const __m256 t = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_and_si256(raw, fraction)), scale);
        __m256 y0, y1, d0, d1;
        // Read at about the natural step, eight positions fall within nine
        // samples: those are loaded and shuffled into place, which costs a
        // fraction of a gather.
        const int first = positions[i].Raw() >> 16;
        const __m256i lane = _mm256_sub_epi32(k, _mm256_set1_epi32(first));
        const __m256i apart =
            _mm256_or_si256(_mm256_cmpgt_epi32(lane, seven), _mm256_cmpgt_epi32(noWhere, lane));
        if (first + 9 <= n && _mm256_testz_si256(apart, apart)) {
            y0 = Spread(samples + first, lane);
            y1 = Spread(samples + first + 1, lane);
            d0 = _mm256_mul_ps(two, Spread(slopes + first, lane));
            d1 = _mm256_mul_ps(two, Spread(slopes + first + 1, lane));
        } else {
            const __m256i ys = _mm256_i32gather_epi32(y, k, 2);
            const __m256i ds = _mm256_i32gather_epi32(s, k, 2);
            y0 = LowHalf(ys), y1 = HighHalf(ys);
            d0 = _mm256_mul_ps(two, LowHalf(ds)), d1 = _mm256_mul_ps(two, HighHalf(ds));
        }
        const __m256 c2 = _mm256_sub_ps(
            _mm256_sub_ps(_mm256_mul_ps(three, _mm256_sub_ps(y1, y0)), _mm256_mul_ps(two, d0)), d1);
        const __m256 c3 =
            _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(two, _mm256_sub_ps(y0, y1)), d0), d1);
        __m256 v = _mm256_add_ps(c2, _mm256_mul_ps(t, c3));
        v = _mm256_add_ps(d0, _mm256_mul_ps(t, v));
        v = _mm256_add_ps(y0, _mm256_mul_ps(t, v));
        v = _mm256_min_ps(_mm256_max_ps(v, low), high);
        const __m256 negative = _mm256_cmp_ps(v, zero, _CMP_LT_OQ);
        v = _mm256_add_ps(v, _mm256_blendv_ps(half, minusHalf, negative));
        const __m256i whole = _mm256_cvttps_epi32(v);
        const __m128i packed =
            _mm_packs_epi32(_mm256_castsi256_si128(whole), _mm256_extracti128_si256(whole, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), packed);
    }
    return i;
}

#else

int ReadSampleCurveAvx2(const int16_t*, const int16_t*, int, const SFP*, int, int16_t*) {
    return 0;
}

#endif
