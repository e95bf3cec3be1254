#pragma once
// The template of the pre-game matchup dialog (181): the two teams side by
// side with their logos, records and unit stars, the point spread, and the
// three buttons that choose how the game is played.
#include <cstdint>

#include "platform/dialogs.h"

constexpr int32_t MATCHUP_WEEK_TEXT = 1404;
constexpr int32_t MATCHUP_FIRST_DOWNLOADED_LOGO = 1412;
constexpr int32_t MATCHUP_SECOND_DOWNLOADED_LOGO = 1409;
constexpr int32_t MATCHUP_FIRST_LOGO = 1406;
constexpr int32_t MATCHUP_SECOND_LOGO = 1405;
constexpr int32_t MATCHUP_AT_TEXT = 1408;
constexpr int32_t MATCHUP_FIRST_RECORD = 1411;
constexpr int32_t MATCHUP_SECOND_RECORD = 1410;
constexpr int32_t MATCHUP_FIRST_STARS = 1399;  // 1399 .. 1403, one per unit
constexpr int32_t MATCHUP_SECOND_STARS = 1394; // 1394 .. 1398
constexpr int32_t MATCHUP_UNIT_LABELS[5] = {1343, 1430, 1431, 1432, 1433};
constexpr int32_t MATCHUP_SPREAD_TEXT = 1434;
constexpr int32_t MATCHUP_PLAY_BUTTON = 1391;
constexpr int32_t MATCHUP_SIMULATE_BUTTON = 1393;
constexpr int32_t MATCHUP_SIMULATE_ALL_BUTTON = 1392;
constexpr int32_t MATCHUP_WATCH_BAR = 1407; // hidden

extern const DIALOG_TEMPLATE MATCHUP_DIALOG_TEMPLATE;
