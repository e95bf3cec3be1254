#pragma once
// Built-in average season lines by expanded position.
#include <cstdint>

extern const int32_t AVERAGE_SEASON_STATS[43][20];
