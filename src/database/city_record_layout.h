#pragma once
// Byte layout of one city row (72 bytes, 100 rows in the league block).
#include <cstddef>
#include <cstdint>

constexpr int MAX_CITIES = 100;
constexpr int NUMBER_OF_CITY_STATS = 10;

#pragma pack(push, 1)
struct CITY_RECORD {
    char Name[20];
    char Photo[12];
    int32_t Stats[NUMBER_OF_CITY_STATS];
};
#pragma pack(pop)

static_assert(sizeof(CITY_RECORD) == 72);
static_assert(offsetof(CITY_RECORD, Stats) == 32);
