#pragma once
// Sorting the college draft pool (teams 38-40 read as one list).
#include <cstdint>

// Sort keys.
constexpr int32_t POOL_SORT_PAY = 0;
constexpr int32_t POOL_SORT_BY_POSITION = 1;
constexpr int32_t POOL_SORT_POOL_VALUE = 2;
constexpr int32_t POOL_SORT_EVALUATION = 3;
constexpr int32_t POOL_SORT_POTENTIAL = 4;

// Sorts the pool in descending key order, equal keys keeping their order;
// with `boost` the preset (not generated) prospects come first.
void Sort_Draft_Pool(int32_t boost, int32_t mode);
