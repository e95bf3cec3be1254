#pragma once
// Whole blocks of data compressed (a zlib stream, deflate level 6) and
// decompressed between memory and open files. Output goes through windows of
// COMPRESSION_WINDOW_SIZE bytes; files are read in blocks of
// COMPRESSED_READ_BLOCK_SIZE bytes. Each routine returns the number of bytes
// it produced, or -1 when it failed: a work buffer that cannot be had (which
// is reported), a stream that is damaged or cut short, an output that does
// not fit its room or 32 bits, or a write that fails.
#include <cstdint>
#include <cstdio>

constexpr int32_t COMPRESSION_LEVEL = 6;
constexpr int32_t COMPRESSION_WINDOW_SIZE = 16386;
constexpr int32_t COMPRESSED_READ_BLOCK_SIZE = 163860;

// Memory to memory: `size` bytes of `source` into at most `room` bytes of `destination`.
int32_t Compress_Memory_To_Memory(const void* source, int32_t size, void* destination, int32_t room);
int32_t Decompress_Memory_To_Memory(const void* source, int32_t size, void* destination, int32_t room);
// Memory to the file's position.
int32_t Compress_Memory_To_File(const void* source, int32_t size, FILE* destination);
int32_t Decompress_Memory_To_File(const void* source, int32_t size, FILE* destination);
// From the file's position to its end (compressing), or to the end of the
// stream there (decompressing: the file is left just after it).
int32_t Compress_File_To_File(FILE* source, FILE* destination);
int32_t Decompress_File_To_File(FILE* source, FILE* destination);
// The stream at the file's position, decompressed into at most `room` bytes.
int32_t Read_Compressed_Data_From_File(FILE* source, void* destination, int32_t room);
