#pragma once
// The game record: constants of its words and the counters the play resolution
// raises while a game is played.
#include <cstdint>

#include "database/game_record_layout.h"

// Down codes of the down word (bits 0-7).
constexpr uint32_t KICKOFF_DOWN = 8;
constexpr uint32_t FREE_KICK_DOWN = 9;
constexpr uint32_t CONVERSION_ATTEMPT = 11;

// Down-word bits.
constexpr uint32_t DOWN_MASK = 0xFF;
constexpr uint32_t CLOCK_STOPPED_BIT = 1u << 8;
constexpr uint32_t CLOCK_STOPPED_PAIR_BIT = 1u << 9;
constexpr uint32_t OUT_OF_BOUNDS_BIT = 1u << 10;
constexpr uint32_t OUT_OF_BOUNDS_HURRY_BIT = 1u << 11;
constexpr uint32_t POSSESSION_CHANGE_BITS = (1u << 12) | (1u << 13);
constexpr uint32_t COIN_TOSS_BIT = 1u << 14;

// Play word of a log entry.
constexpr int PLAY_WORD_SIDE_1_BALL_BIT = 24;
constexpr int PLAY_WORD_RESULT_SHIFT = 25;

// Result of a snap (bits 25-31 of the play word).
enum PLAY_RESULT : int32_t {
    RESULT_INCOMPLETE_PASS = 0,
    RESULT_COMPLETED_PASS = 1,
    RESULT_INTERCEPTION = 2,
    RESULT_SACK = 3,
    RESULT_PASS_KNOCKED_DOWN = 4,
    RESULT_PASS_FUMBLE = 5,
    RESULT_TOUCHDOWN_PASS = 6,
    RESULT_INTERCEPTION_TOUCHDOWN = 7,
    RESULT_SAFETY = 8,
    RESULT_RUN_LEFT = 9,
    RESULT_RUN_MIDDLE = 10,
    RESULT_RUN_RIGHT = 11,
    RESULT_TOUCHDOWN_RUN = 12,
    RESULT_RUN_FUMBLE = 13,
    RESULT_FUMBLE_TOUCHDOWN = 14,
    RESULT_FIELD_GOAL_GOOD = 15,
    RESULT_FIELD_GOAL_MISSED = 16,
    RESULT_PUNT_RETURNED = 17,
    RESULT_PUNT_TOUCHBACK = 18,
    RESULT_PUNT_RETURN_TOUCHDOWN = 19,
    RESULT_PUNT_FUMBLED = 20,
    RESULT_KICKOFF_RETURNED = 21,
    RESULT_KICKOFF_TOUCHBACK = 22,
    RESULT_KICKOFF_RETURN_TOUCHDOWN = 23,
    RESULT_KICKOFF_RETURN_FUMBLED = 24,
    RESULT_ONSIDE_RECOVERED_EXCLAIMED = 25,
    RESULT_ONSIDE_RECOVERED = 26,
    RESULT_EXTRA_POINT_GOOD = 27,
    RESULT_EXTRA_POINT_MISSED = 28,
    RESULT_TWO_POINT_GOOD = 29,
    RESULT_TWO_POINT_FAILED = 30,
    RESULT_PENALTY = 31,
    RESULT_NOT_RESOLVED = 32,
};

// Game team stats (bytes per side).
enum GAME_TEAM_STAT : int32_t {
    GAME_STAT_PLAYS = 0,
    GAME_STAT_RED_ZONE_TRIPS = 1,
    GAME_STAT_RED_ZONE_TOUCHDOWNS = 2,
    GAME_STAT_RED_ZONE_FIELD_GOALS = 3,
    GAME_STAT_PUNT_RETURNS = 4,
    GAME_STAT_KICKOFF_RETURNS = 5,
    GAME_STAT_PUNTS = 6,
    GAME_STAT_FUMBLES = 7,
    GAME_STAT_FUMBLES_LOST = 8,
    GAME_STAT_RED_ZONE_START = 9,
};

// Game team totals (16-bit counters per side).
enum GAME_TEAM_TOTAL : int32_t {
    GAME_TOTAL_SACK_YARDS = 0,
    GAME_TOTAL_PUNT_YARDS = 1,
    GAME_TOTAL_PUNT_RETURN_YARDS = 2,
    GAME_TOTAL_KICKOFF_RETURN_YARDS = 3,
    GAME_TOTAL_FIRST_DOWNS = 4,
    GAME_TOTAL_RUSHES = 5,
    GAME_TOTAL_RUSHING_YARDS = 6,
    GAME_TOTAL_PASS_ATTEMPTS = 7,
    GAME_TOTAL_COMPLETIONS = 8,
    GAME_TOTAL_PASSING_YARDS = 9,
    GAME_TOTAL_TURNOVERS = 10,
    GAME_TOTAL_SACKS = 11,
    GAME_TOTAL_PENALTIES = 12,
    GAME_TOTAL_PENALTY_YARDS = 13,
    GAME_TOTAL_THIRD_DOWN_ATTEMPTS = 14,
    GAME_TOTAL_THIRD_DOWN_CONVERSIONS = 15,
    GAME_TOTAL_FOURTH_DOWN_ATTEMPTS = 16,
    GAME_TOTAL_FOURTH_DOWN_CONVERSIONS = 17,
    GAME_TOTAL_POSSESSION_SECONDS = 18,
};

// The game being played; null between games.
extern GAME_RECORD* Current_Game;

// Side (0 or 1) of the team in possession, and of the other team.
inline int Get_Offense_Side(const GAME_RECORD* pGame) {
    return pGame->Possession_Team == pGame->Team[1] ? 1 : 0;
}
inline int Get_Defense_Side(const GAME_RECORD* pGame) {
    return 1 - Get_Offense_Side(pGame);
}
inline uint32_t Get_Game_Down(const GAME_RECORD* pGame) {
    return pGame->Down_Word & DOWN_MASK;
}
inline void Set_Game_Down(GAME_RECORD* pGame, uint32_t down) {
    pGame->Down_Word = (pGame->Down_Word & ~DOWN_MASK) | (down & DOWN_MASK);
}
inline bool Is_Clock_Stopped(const GAME_RECORD* pGame) {
    return (pGame->Down_Word & (CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT)) != 0;
}
// Stops the clock until the next snap (bit 8 set, bit 9 cleared).
inline void Stop_Game_Clock(GAME_RECORD* pGame) {
    pGame->Down_Word = (pGame->Down_Word | CLOCK_STOPPED_BIT) & ~CLOCK_STOPPED_PAIR_BIT;
}
inline int32_t Get_Current_Play_Result(const GAME_RECORD* pGame) {
    return static_cast<int32_t>(pGame->Current_Play.Play_Word >> PLAY_WORD_RESULT_SHIFT);
}
inline void Set_Current_Play_Result(GAME_RECORD* pGame, int32_t result) {
    uint32_t& word = pGame->Current_Play.Play_Word;
    word = (word & ((1u << PLAY_WORD_RESULT_SHIFT) - 1)) |
           (static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT);
}
inline int32_t Get_Play_Result(uint32_t play_word) {
    return static_cast<int32_t>(play_word >> PLAY_WORD_RESULT_SHIFT);
}

bool Is_Play_From_Scrimmage(uint32_t play_word);
// 1 for the results that score a touchdown (6, 7, 12, 14, 19, 23).
int Is_Touchdown_Result(int32_t result);
// Which side receives the opening kickoff (bit 14 of the down word).
int Get_Coin_Toss(const GAME_RECORD* pGame);

void Increment_Game_Team_Stat(GAME_RECORD* pGame, int bTeam, int nStat);
void Set_Game_Team_Stat(GAME_RECORD* pGame, int bTeam, int nStat, int nValue);
void Increment_Game_Team_Total(GAME_RECORD* pGame, int bTeam, int nStat, int nAmount);
// Adds `amount` to game counter `counter` (0-4) of the player in roster slot
// `slot` of the side, found by his id among the side's listed ids. Returns 1
// when a counter was changed.
int Add_Game_Player_Counter(GAME_RECORD* pGame, int bTeam, int slot, int counter, int amount);

// Resets the current play: no calls (255), no players (-1), result not
// resolved, every event slot empty; drops the possession-change bits.
void Clear_Current_Play(GAME_RECORD* pGame);
