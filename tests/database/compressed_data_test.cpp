#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>
#include <zlib.h>

#include "database/compressed_data.h"

namespace {
using BYTES = std::vector<uint8_t>;

// Half a megabyte that compresses poorly (so its stream spans several read
// blocks and output windows) unless `plain`, then a repeating text.
BYTES Make_Data(size_t size, bool plain) {
    BYTES data(size);
    uint32_t state = 12345;
    for (size_t n = 0; n < size; ++n) {
        state = state * 1103515245u + 12345u;
        data[n] = plain ? static_cast<uint8_t>("Football Korva "[n % 15]) : static_cast<uint8_t>(state >> 24);
    }
    return data;
}

// The stream zlib's own one-call compression makes at the same level.
BYTES Zlib_Stream(const BYTES& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    BYTES out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 6), Z_OK);
    out.resize(size);
    return out;
}

BYTES Read_Rest(FILE* file) {
    BYTES bytes;
    int c = 0;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back(static_cast<uint8_t>(c));
    return bytes;
}

int32_t Size_Of(const BYTES& bytes) {
    return static_cast<int32_t>(bytes.size());
}
} // namespace

// Memory to memory: the stream is zlib's at level 6 and comes back whole;
// room too small, a damaged stream and one cut short give -1.
TEST(CompressedData, MemoryStreamsRoundTripAndRefuseWhatDoesNotFit) {
    for (bool plain : {true, false}) {
        SCOPED_TRACE(plain ? "plain text" : "noise");
        const BYTES data = Make_Data(500000, plain);
        const BYTES expected = Zlib_Stream(data);
        BYTES packed(expected.size() + 100);
        const int32_t packed_size =
            Compress_Memory_To_Memory(data.data(), Size_Of(data), packed.data(), Size_Of(packed));
        ASSERT_EQ(packed_size, Size_Of(expected));
        packed.resize(static_cast<size_t>(packed_size));
        EXPECT_TRUE(packed == expected) << "deflate level 6 as zlib makes it";
        EXPECT_EQ(Compress_Memory_To_Memory(data.data(), Size_Of(data), packed.data(), packed_size - 1), -1)
            << "one byte short of room";

        BYTES unpacked(data.size());
        EXPECT_EQ(Decompress_Memory_To_Memory(packed.data(), packed_size, unpacked.data(), Size_Of(unpacked)),
                  Size_Of(data));
        EXPECT_TRUE(unpacked == data);
        EXPECT_EQ(Decompress_Memory_To_Memory(packed.data(), packed_size, unpacked.data(), Size_Of(data) - 1),
                  -1);
        EXPECT_EQ(Decompress_Memory_To_Memory(packed.data(), packed_size / 2, unpacked.data(), Size_Of(data)),
                  -1)
            << "a stream cut short";
        BYTES damaged = packed;
        for (size_t n = 10; n < 60; ++n)
            damaged[n] ^= 0x5A;
        EXPECT_EQ(
            Decompress_Memory_To_Memory(damaged.data(), packed_size, unpacked.data(), Size_Of(unpacked)), -1);
    }
    uint8_t room[64];
    const int32_t empty = Compress_Memory_To_Memory("", 0, room, sizeof room);
    EXPECT_GT(empty, 0) << "an empty block is a short stream";
    EXPECT_EQ(Decompress_Memory_To_Memory(room, empty, room + 32, 32), 0);
    EXPECT_EQ(Decompress_Memory_To_Memory(room, 0, room + 32, 32), -1) << "no stream at all";
}

// Through files: compressed into a file after what it holds, read back from
// there (the file left just after the stream), and file to file both ways.
TEST(CompressedData, FileStreamsRoundTripAndLeaveTheFileAfterTheStream) {
    const BYTES data = Make_Data(500000, false);
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    fputs("head", file);
    const int32_t packed = Compress_Memory_To_File(data.data(), Size_Of(data), file);
    EXPECT_EQ(packed, Size_Of(Zlib_Stream(data)));
    fputs("tail", file);
    fseek(file, 4, SEEK_SET);
    BYTES read(data.size());
    EXPECT_EQ(Read_Compressed_Data_From_File(file, read.data(), Size_Of(read)), Size_Of(data));
    EXPECT_TRUE(read == data);
    EXPECT_EQ(Read_Rest(file), (BYTES{'t', 'a', 'i', 'l'})) << "the file stands just after the stream";

    fseek(file, 4, SEEK_SET);
    FILE* unpacked = tmpfile();
    EXPECT_EQ(Decompress_File_To_File(file, unpacked), Size_Of(data));
    rewind(unpacked);
    EXPECT_TRUE(Read_Rest(unpacked) == data);

    rewind(unpacked);
    FILE* repacked = tmpfile();
    EXPECT_EQ(Compress_File_To_File(unpacked, repacked), packed);
    rewind(repacked);
    BYTES stream = Read_Rest(repacked);
    EXPECT_TRUE(stream == Zlib_Stream(data));

    FILE* memory_out = tmpfile();
    EXPECT_EQ(Decompress_Memory_To_File(stream.data(), Size_Of(stream), memory_out), Size_Of(data));
    rewind(memory_out);
    EXPECT_TRUE(Read_Rest(memory_out) == data);

    fseek(file, 4, SEEK_SET);
    EXPECT_EQ(Read_Compressed_Data_From_File(file, read.data(), 1000), -1) << "too little room";
    EXPECT_EQ(Read_Compressed_Data_From_File(nullptr, read.data(), 1000), -1);
    EXPECT_EQ(Compress_File_To_File(nullptr, repacked), -1);
    for (FILE* opened : {file, unpacked, repacked, memory_out})
        fclose(opened);
}
