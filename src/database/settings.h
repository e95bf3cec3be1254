#pragma once
// The settings array inside the league block: 240 32-bit entries then 120
// 16-bit entries, saved with every game.
#include <cstdint>

#include "database/universe.h"

// Named entries.
enum USER_PREFERENCE : int32_t {
    WAITING_FOR_CLICK = 17,
    GAME_SAVED_MIDWAY = 20,
    CURRENT_GAME_NUMBER = 21,
    CURRENT_SEASON_INDEX = 22,
    CURRENT_WEEK = 23,
    DIFFICULTY_LEVEL = 25,
    CURRENT_VIEW = 26,
    STAT_SEASON_CHOICE = 27,
    VIEWED_TEAM = 28,
    SELECTED_PLAYER_TEAM = 29,
    SELECTED_PLAYER_SLOT = 30,
    TRADE_PARTNER_TEAM = 31,
    USER_TEAM = 32,
    SIMULATION_RUNNING = 33,
    SHOWN_GAME_INDEX = 34,
    DRAFT_ROUND = 36,
    DRAFT_PICK = 37,
    DRAFT_BOARD_ROUND = 38,
    DRAFT_BOARD_YEAR = 39,
    SHOWN_LEAGUE = 42,
    SELECTED_CITY = 43,
    REGULAR_SEASON_OVERTIME_RULE = 45,
    PLAYOFF_OVERTIME_RULE = 46,
    SOUNDS_ENABLED = 47,
    SHOW_NEWS_TICKER = 48,
    COMMISSIONER_MODE = 50,
    OWNER_MODE = 51,
    COMPUTER_OFFERS_TRADES = 52,
    SIM_TO_QUARTER = 54,
    OFFENSIVE_PLAY_PAGE = 57,
    DEFENSIVE_PLAY_PAGE = 58,
    PBP_OFFENSIVE_PLAY = 59,
    PBP_DEFENSIVE_PLAY = 60,
    SIMULATE_ALL_GAMES = 61,
    AUTO_OUTPUT_STANDINGS = 79,
    AUTO_OUTPUT_AWARDS = 80,
    AUTO_OUTPUT_FINANCES = 81,
    PLAYER_SORT_MODE = 84,
    OVERTIME_MINUTES = 88,
    AUTO_FILL_ROSTERS = 90,
    AUTO_SAVE = 91,
    FIRST_NAME_LINE_COUNT = 92,
    LAST_NAME_LINE_COUNT = 93,
    DAY_RUNNING = 94,
    // The same entry as the trade screens use it: a trade was carried out.
    TRADE_MADE_FLAG = 94,
    // The cursor the last move of the mouse chose (1 the hand over a hot spot).
    HOVER_CURSOR = 95,
    MULTI_SEASON_SIMULATION = 96,
    GAME_CHECKSUM = 98,
    TRADING_BLOCK_REQUEST = 99,
    PLAY_ANIMATION_DELAY = 173,
    TWO_POINT_CONVERSION_RULE = 174,
    REGULAR_SEASON_OVERTIME_FLAG = 175,
    KICKOFF_TOUCHBACK_RULE = 198,
    EXTRA_POINT_SPOT_CODE = 199,
    KICKOFF_SPOT_CODE = 200,
    MISSED_FIELD_GOAL_SPOT = 202,
    AUTO_CALL_OFFENSE = 230,
    AUTO_CALL_DEFENSE = 231,
    STATISTICS_YEAR = 237,
};

// A 16-bit entry (index 240 on); an index out of range is reported and reads 0.
int32_t Get_Short_User_Preference(int32_t n);
// Inline: the games read settings at every snap, nearly all of them 32-bit.
inline int32_t Get_User_Preference(int32_t n) {
    const uint32_t index = static_cast<uint32_t>(n);
    if (index < NUMBER_OF_INT_PREFERENCES) return Universe.User_Preferences.Ints[index];
    return Get_Short_User_Preference(n);
}
void Set_User_Preference(int32_t n, int32_t value);
