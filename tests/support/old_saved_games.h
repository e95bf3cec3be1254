#pragma once
// Saved games of the two older layouts, made from the league in the block the
// way those versions laid it out: the 80-slot layout (versions 4102-7799) and
// the older one (2180-4100) with its four-number schedule entries, fewer
// settings and no game records, season lines or all-time leaders.
#include <cstdint>
#include <string>
#include <vector>

using OLD_FILE_BYTES = std::vector<uint8_t>;

// The block as a file of `version` holds it. Players past slot 79 are left out.
OLD_FILE_BYTES Make_Old_Layout_Block(int32_t version);
// A league file: the 25-byte header with the four version digits, then the
// bytes in 100 zlib chunks of nearly equal size.
OLD_FILE_BYTES Make_League_File_From(const char* digits, const OLD_FILE_BYTES& block);
// Writes the bytes to `name`; true when all were written.
bool Write_Bytes_To_File(const std::string& name, const OLD_FILE_BYTES& bytes);
OLD_FILE_BYTES Read_Bytes_Of_File(const std::string& name);
