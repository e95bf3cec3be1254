#pragma once
// Byte layout of one game record (48,708 bytes, 300 of them in the league block).
// The game engine gives the record its fields.
#include <cstdint>

constexpr int MAX_GAME_RECORDS = 300;

#pragma pack(push, 1)
struct GAME_RECORD {
    uint8_t Bytes[48708];
};
#pragma pack(pop)

static_assert(sizeof(GAME_RECORD) == 48708);
