#pragma once
// The built-in tables of the predicted season.
#include <cstdint>

constexpr int32_t NUMBER_OF_TYPICAL_POSITIONS = 15;
constexpr int32_t NUMBER_OF_PREDICTED_STATS = 20;
constexpr int32_t NUMBER_OF_PREDICTION_GROUPS = 5;
constexpr int32_t NUMBER_OF_CHANGE_KINDS = 5;

extern const int16_t TYPICAL_SEASON[NUMBER_OF_TYPICAL_POSITIONS][NUMBER_OF_PREDICTED_STATS];
extern const int16_t PREDICTION_CHANGE_WEIGHT[NUMBER_OF_PREDICTION_GROUPS][NUMBER_OF_PREDICTED_STATS]
                                             [NUMBER_OF_CHANGE_KINDS];
