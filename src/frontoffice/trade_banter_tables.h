#pragma once
// What a computer general manager says about a trade offer.
#include <cstdint>

constexpr int32_t TRADE_BANTER_GROUPS = 6;
constexpr int32_t TRADE_BANTER_LINES = 24;

extern const char* const TRADE_BANTER[TRADE_BANTER_GROUPS][TRADE_BANTER_LINES];
