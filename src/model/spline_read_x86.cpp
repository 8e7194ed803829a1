// The vector readers. Each lane evaluates the cubic in 32-bit integers; the
// table marks every record where that could differ from the 64-bit scalar
// code, and a block touching one (or a position outside the table) is read
// by the scalar code instead. Products are 32 x 32 -> 64 bits, of which bits
// 16..47 are the product shifted right by 16 whenever that fits 32 bits.
#include "model/spline_read.h"

#include <cstring>

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define VOKRANT_SPLINE_SSE2 1
#endif
#if defined(__x86_64__) && !defined(_WIN32) && defined(__GNUC__)
#include <immintrin.h>
// Built for AVX2 function by function, chosen at run time: the rest of the
// program runs on any x86-64. (Not on Windows, whose 64-bit ABI does not
// keep the stack aligned for 32-byte spills in GCC builds.)
#define VOKRANT_SPLINE_AVX2 1
#endif

#ifdef VOKRANT_SPLINE_SSE2
namespace {

// Signed (t x c) >> 16 in four lanes, t >= 0. SSE2 multiplies unsigned:
// for c < 0 that adds t x 2^32 to the product, i.e. t << 16 to the result.
inline __m128i MulShift16(__m128i t, __m128i tOdd, __m128i tShifted, __m128i c) {
    const __m128i evenLanes = _mm_set_epi32(0, -1, 0, -1);
    __m128i even = _mm_srli_epi64(_mm_mul_epu32(t, c), 16);
    __m128i odd = _mm_slli_epi64(_mm_mul_epu32(tOdd, _mm_srli_epi64(c, 32)), 16);
    __m128i product =
        _mm_or_si128(_mm_and_si128(evenLanes, even), _mm_andnot_si128(evenLanes, odd));
    return _mm_sub_epi32(product, _mm_and_si128(_mm_srai_epi32(c, 31), tShifted));
}

// The same for t < 2^16, as MulShift16Short below does it with AVX2, but
// from SSE2's 16-bit multiplies: with c = h x 2^16 + l, l unsigned,
// (t x c) >> 16 == t x h + ((t x l) >> 16). t x h (t unsigned, h signed, both
// in the low half of the lane) is built from its low and high 16 bits; the
// signed high multiply reads t >= 2^15 as t - 2^16, which h adds back.
inline __m128i MulShift16Short(__m128i t, __m128i tNegative, __m128i c) {
    __m128i h = _mm_srai_epi32(c, 16);
    __m128i low = _mm_mullo_epi16(t, h);
    __m128i high = _mm_add_epi16(_mm_mulhi_epi16(t, h), _mm_and_si128(tNegative, h));
    __m128i th = _mm_or_si128(low, _mm_slli_epi32(high, 16));
    return _mm_add_epi32(th, _mm_mulhi_epu16(t, c));
}

}  // namespace

int ReadSplineSse2(const SSplineTable& table, SSplineReader& scalar, const SFP* positions,
                   int count, int16_t* out) {
    const SSplineEntry* entries = table.Entries();
    const int16_t* decoded = table.Decoded();
    const __m128i zero = _mm_setzero_si128();
    const __m128i last =
        _mm_set1_epi32(static_cast<int32_t>(table.Samples() * int64_t{SFP::kOne} - 1));
    const __m128i wholeSteps = _mm_setr_epi32(0, SFP::kOne, 2 * SFP::kOne, 3 * SFP::kOne);
    const __m128i fraction = _mm_set1_epi32(SFP::kOne - 1);
    const __m128i offsetBits = _mm_set1_epi32(0x7FFF);
    const __m128i highHalves = _mm_set1_epi32(static_cast<int32_t>(0xFFFF0000u));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const int32_t* p = reinterpret_cast<const int32_t*>(positions + i);
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i outside = _mm_or_si128(_mm_cmpgt_epi32(zero, x), _mm_cmpgt_epi32(x, last));
        if (_mm_movemask_epi8(outside) != 0) {
            scalar.StartAt(positions[i]);
            scalar.Read(positions + i, 4, out + i);
            continue;
        }
        if ((p[0] & (SFP::kOne - 1)) == 0 &&
            _mm_movemask_epi8(
                _mm_cmpeq_epi32(x, _mm_add_epi32(_mm_set1_epi32(p[0]), wholeSteps))) == 0xFFFF) {
            std::memcpy(out + i, decoded + (p[0] >> 16), 4 * sizeof(int16_t));
            continue;
        }
        alignas(16) int32_t index[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(index), _mm_srai_epi32(x, 16));
        __m128i r0 = _mm_load_si128(reinterpret_cast<const __m128i*>(entries + index[0]));
        __m128i r1 = _mm_load_si128(reinterpret_cast<const __m128i*>(entries + index[1]));
        __m128i r2 = _mm_load_si128(reinterpret_cast<const __m128i*>(entries + index[2]));
        __m128i r3 = _mm_load_si128(reinterpret_cast<const __m128i*>(entries + index[3]));
        __m128i t0 = _mm_unpacklo_epi32(r0, r1), t1 = _mm_unpackhi_epi32(r0, r1);
        __m128i t2 = _mm_unpacklo_epi32(r2, r3), t3 = _mm_unpackhi_epi32(r2, r3);
        __m128i packed = _mm_unpacklo_epi64(t0, t2);
        __m128i c1 = _mm_unpackhi_epi64(t0, t2), c2 = _mm_unpacklo_epi64(t1, t3),
                c3 = _mm_unpackhi_epi64(t1, t3);
        __m128i a;
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(packed, highHalves), zero)) == 0xFFFF) {
            // Exact in 32 bits, every offset 0.
            __m128i t = _mm_and_si128(x, fraction);
            __m128i tNegative = _mm_srai_epi16(t, 15);
            a = MulShift16Short(t, tNegative, c3);
            a = MulShift16Short(t, tNegative, _mm_add_epi32(a, c2));
            a = MulShift16Short(t, tNegative, _mm_add_epi32(a, c1));
        } else if (_mm_movemask_ps(_mm_castsi128_ps(packed)) == 0) {  // exact in 32 bits
            __m128i offset = _mm_and_si128(_mm_srli_epi32(packed, 16), offsetBits);
            __m128i t = _mm_or_si128(_mm_slli_epi32(offset, 16), _mm_and_si128(x, fraction));
            __m128i tOdd = _mm_srli_epi64(t, 32), tShifted = _mm_slli_epi32(t, 16);
            a = MulShift16(t, tOdd, tShifted, c3);
            a = MulShift16(t, tOdd, tShifted, _mm_add_epi32(a, c2));
            a = MulShift16(t, tOdd, tShifted, _mm_add_epi32(a, c1));
        } else {
            scalar.StartAt(positions[i]);
            scalar.Read(positions + i, 4, out + i);
            continue;
        }
        // c0 << 16 has no low bits, so (c0 << 16 + a) >> 16 == c0 + (a >> 16).
        __m128i c0 = _mm_srai_epi32(_mm_slli_epi32(packed, 16), 16);
        __m128i y = _mm_add_epi32(c0, _mm_srai_epi32(a, 16));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i),
                         _mm_packs_epi32(y, y));  // saturates as the clamp does
    }
    return i;
}
#else
int ReadSplineSse2(const SSplineTable&, SSplineReader&, const SFP*, int, int16_t*) {
    return 0;
}
#endif

#ifdef VOKRANT_SPLINE_AVX2
namespace {

__attribute__((target("avx2"))) inline __m256i MulShift16(__m256i t, __m256i tOdd, __m256i c) {
    __m256i even = _mm256_srli_epi64(_mm256_mul_epi32(t, c), 16);
    __m256i odd = _mm256_slli_epi64(_mm256_mul_epi32(tOdd, _mm256_srli_epi64(c, 32)), 16);
    return _mm256_blend_epi32(even, odd, 0xAA);
}

// The same for t < 2^16 (a position inside the first sample of its segment,
// always so for one-sample segments): with c = h x 2^16 + l, l unsigned,
// (t x c) >> 16 == t x h + ((t x l) >> 16), and both parts fit 32 bits. The
// 16-bit high multiply gives (t x l) >> 16 in each lane's low half and 0 in
// its high half, where t has no bits.
__attribute__((target("avx2"))) inline __m256i MulShift16Short(__m256i t, __m256i c) {
    return _mm256_add_epi32(_mm256_mullo_epi32(t, _mm256_srai_epi32(c, 16)),
                            _mm256_mulhi_epu16(t, c));
}

__attribute__((target("avx2"))) inline __m256i LoadPair(const SSplineEntry* low,
                                                        const SSplineEntry* high) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(low))),
        _mm_load_si128(reinterpret_cast<const __m128i*>(high)), 1);
}

}  // namespace

__attribute__((target("avx2"))) int ReadSplineAvx2(const SSplineTable& table, SSplineReader& scalar,
                                                   const SFP* positions, int count, int16_t* out) {
    const SSplineEntry* entries = table.Entries();
    const int16_t* decoded = table.Decoded();
    const __m256i zero = _mm256_setzero_si256();
    const __m256i last =
        _mm256_set1_epi32(static_cast<int32_t>(table.Samples() * int64_t{SFP::kOne} - 1));
    const __m256i wholeSteps =
        _mm256_setr_epi32(0, SFP::kOne, 2 * SFP::kOne, 3 * SFP::kOne, 4 * SFP::kOne, 5 * SFP::kOne,
                          6 * SFP::kOne, 7 * SFP::kOne);
    const __m256i fraction = _mm256_set1_epi32(SFP::kOne - 1);
    const __m256i offsetBits = _mm256_set1_epi32(0x7FFF);
    const __m256i highHalves = _mm256_set1_epi32(static_cast<int32_t>(0xFFFF0000u));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const int32_t* p = reinterpret_cast<const int32_t*>(positions + i);
        __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        __m256i outside = _mm256_or_si256(_mm256_cmpgt_epi32(zero, x), _mm256_cmpgt_epi32(x, last));
        if (!_mm256_testz_si256(outside, outside)) {
            scalar.StartAt(positions[i]);
            scalar.Read(positions + i, 8, out + i);
            continue;
        }
        if ((p[0] & (SFP::kOne - 1)) == 0 &&
            _mm256_movemask_epi8(_mm256_cmpeq_epi32(
                x, _mm256_add_epi32(_mm256_set1_epi32(p[0]), wholeSteps))) == -1) {
            std::memcpy(out + i, decoded + (p[0] >> 16), 8 * sizeof(int16_t));
            continue;
        }
        alignas(32) int32_t index[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(index), _mm256_srai_epi32(x, 16));
        // Lanes 0..3 in the low halves, 4..7 in the high ones; the 4 x 4
        // transposition below works within each half.
        __m256i r0 = LoadPair(entries + index[0], entries + index[4]);
        __m256i r1 = LoadPair(entries + index[1], entries + index[5]);
        __m256i r2 = LoadPair(entries + index[2], entries + index[6]);
        __m256i r3 = LoadPair(entries + index[3], entries + index[7]);
        __m256i t0 = _mm256_unpacklo_epi32(r0, r1), t1 = _mm256_unpackhi_epi32(r0, r1);
        __m256i t2 = _mm256_unpacklo_epi32(r2, r3), t3 = _mm256_unpackhi_epi32(r2, r3);
        __m256i packed = _mm256_unpacklo_epi64(t0, t2);
        __m256i c1 = _mm256_unpackhi_epi64(t0, t2), c2 = _mm256_unpacklo_epi64(t1, t3);
        __m256i c3 = _mm256_unpackhi_epi64(t1, t3);
        __m256i a;
        if (_mm256_testz_si256(packed, highHalves)) {  // exact in 32 bits, every offset 0
            __m256i t = _mm256_and_si256(x, fraction);
            a = MulShift16Short(t, c3);
            a = MulShift16Short(t, _mm256_add_epi32(a, c2));
            a = MulShift16Short(t, _mm256_add_epi32(a, c1));
        } else if (_mm256_movemask_ps(_mm256_castsi256_ps(packed)) == 0) {  // exact in 32 bits
            __m256i offset = _mm256_and_si256(_mm256_srli_epi32(packed, 16), offsetBits);
            __m256i t =
                _mm256_or_si256(_mm256_slli_epi32(offset, 16), _mm256_and_si256(x, fraction));
            __m256i tOdd = _mm256_srli_epi64(t, 32);
            a = MulShift16(t, tOdd, c3);
            a = MulShift16(t, tOdd, _mm256_add_epi32(a, c2));
            a = MulShift16(t, tOdd, _mm256_add_epi32(a, c1));
        } else {
            scalar.StartAt(positions[i]);
            scalar.Read(positions + i, 8, out + i);
            continue;
        }
        __m256i c0 = _mm256_srai_epi32(_mm256_slli_epi32(packed, 16), 16);
        __m256i y = _mm256_add_epi32(c0, _mm256_srai_epi32(a, 16));
        __m128i samples =
            _mm_packs_epi32(_mm256_castsi256_si128(y), _mm256_extracti128_si256(y, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), samples);
    }
    return i;
}
#else
int ReadSplineAvx2(const SSplineTable&, SSplineReader&, const SFP*, int, int16_t*) {
    return 0;
}
#endif
