#include "database/adler_checksum.h"

#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr uint32_t ADLER_BASE = 65521;
// The most bytes whose sums cannot overflow 32 bits before they are reduced.
constexpr size_t ADLER_BLOCK = 5552;

#if defined(__SSE2__)
uint32_t Horizontal_Sum(__m128i lanes) {
    lanes = _mm_add_epi32(lanes, _mm_shuffle_epi32(lanes, _MM_SHUFFLE(1, 0, 3, 2)));
    lanes = _mm_add_epi32(lanes, _mm_shuffle_epi32(lanes, _MM_SHUFFLE(2, 3, 0, 1)));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(lanes));
}

// Whole 16-byte vectors of one block: `vectors` of them, at most
// ADLER_BLOCK / 16. For bytes x0..x(n-1), a grows by their sum and b by
// n * a + the sum of (n - i) * xi: each vector adds 16 times the bytes before
// it and its own bytes weighed 16 down to 1.
void Sum_Vectors(uint32_t& a, uint32_t& b, const uint8_t* data, size_t vectors) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i high_weights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i low_weights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    __m128i byte_sums = zero;    // the bytes so far
    __m128i before_sums = zero;  // the bytes before each vector, summed
    __m128i weighed_sums = zero; // each vector's bytes weighed within it
    for (size_t v = 0; v < vectors; ++v) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * v));
        before_sums = _mm_add_epi32(before_sums, byte_sums);
        byte_sums = _mm_add_epi32(byte_sums, _mm_sad_epu8(bytes, zero));
        weighed_sums =
            _mm_add_epi32(weighed_sums, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), high_weights));
        weighed_sums =
            _mm_add_epi32(weighed_sums, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), low_weights));
    }
    const uint64_t n = 16 * static_cast<uint64_t>(vectors);
    const uint64_t new_b =
        b + n * a + 16 * static_cast<uint64_t>(Horizontal_Sum(before_sums)) + Horizontal_Sum(weighed_sums);
    a = (a + Horizontal_Sum(byte_sums)) % ADLER_BASE;
    b = static_cast<uint32_t>(new_b % ADLER_BASE);
}
#endif
} // namespace

uint32_t Adler32_Update(uint32_t adler, const uint8_t* data, size_t length) {
#if defined(__SSE2__)
    if (data == nullptr) return static_cast<uint32_t>(adler32(adler, nullptr, 0));
    uint32_t a = adler & 0xFFFF;
    uint32_t b = adler >> 16;
    // A damaged start beyond the base is reduced first, as the sums expect.
    a %= ADLER_BASE;
    b %= ADLER_BASE;
    while (length >= 16) {
        const size_t block = length < ADLER_BLOCK ? length : ADLER_BLOCK;
        const size_t vectors = block / 16;
        Sum_Vectors(a, b, data, vectors);
        data += 16 * vectors;
        length -= 16 * vectors;
    }
    const uint32_t sum = (b << 16) | a;
    return length == 0 ? sum : static_cast<uint32_t>(adler32(sum, data, static_cast<uInt>(length)));
#else
    uLong sum = adler;
    while (length > 0) {
        const uInt part = length > 0x40000000u ? 0x40000000u : static_cast<uInt>(length);
        sum = adler32(sum, data, part);
        data += part;
        length -= part;
    }
    return static_cast<uint32_t>(sum);
#endif
}
