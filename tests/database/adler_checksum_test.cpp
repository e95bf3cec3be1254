#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "database/adler_checksum.h"

// The quick sums must give zlib's answer for every start, length and
// alignment, including runs of 0xFF long enough to overflow a lane that is
// not reduced in time and starts that are not reduced at all.
TEST(AdlerChecksum, GivesZlibsSumForEveryStartLengthAndAlignment) {
    std::mt19937 random(7);
    std::vector<uint8_t> bytes(40000);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    std::vector<uint8_t> full(40000, 0xFF);
    const uint32_t starts[] = {0, 1, 0xFFF0FFF0u, 0xFFFFFFFFu, 0x12345678u};
    const size_t lengths[] = {0, 1, 15, 16, 17, 5551, 5552, 5553, 5568, 11104, 39000};
    for (const std::vector<uint8_t>* data : {&bytes, &full})
        for (uint32_t start : starts)
            for (size_t length : lengths)
                for (size_t offset : {0, 1, 7}) {
                    const uint8_t* at = data->data() + offset;
                    EXPECT_EQ(Adler32_Update(start, at, length),
                              static_cast<uint32_t>(adler32(start, at, static_cast<uInt>(length))))
                        << "start " << start << " length " << length << " offset " << offset;
                }
    EXPECT_EQ(Adler32_Update(5, nullptr, 0), 1u) << "no bytes at all, as zlib answers";
}

// A sum carried on piece by piece equals the sum of the whole.
TEST(AdlerChecksum, PiecesCarryOnToTheWholeSum) {
    std::vector<uint8_t> bytes(100000);
    for (size_t n = 0; n < bytes.size(); ++n)
        bytes[n] = static_cast<uint8_t>(n * 131 + (n >> 7));
    uint32_t pieces = 0;
    for (size_t at = 0; at < bytes.size();) {
        const size_t part = std::min<size_t>(bytes.size() - at, 1 + (at * 7919) % 9000);
        pieces = Adler32_Update(pieces, bytes.data() + at, part);
        at += part;
    }
    EXPECT_EQ(pieces, Adler32_Update(0, bytes.data(), bytes.size()));
}
