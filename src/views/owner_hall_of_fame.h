#pragma once
// The owner Hall of Fame file "KorFame.dat": a 23,552-byte image read and
// written whole. It also keeps the owner name last entered for a human team.
#include <cstdint>

constexpr int32_t OWNER_HALL_OF_FAME_SIZE = 23552;
constexpr int32_t OWNER_NAME_OFFSET = 23280;
constexpr int32_t OWNER_NAME_LENGTH = 256;

// Zero-fills `buffer` (OWNER_HALL_OF_FAME_SIZE bytes) and reads the file into
// it; 1 when at least one byte was read (a short file leaves the rest zero).
int32_t Read_Owner_Hall_Of_Fame_File(uint8_t* buffer);
// Writes the whole image; 1 on success. A failed write leaves no partial file.
int32_t Write_Owner_Hall_Of_Fame_File(const uint8_t* buffer);
