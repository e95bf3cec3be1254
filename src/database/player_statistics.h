#pragma once
// The season statistics of players: the four stored seasons, the season-line
// rows, and the quantities computed from them (codes 100-430).
#include <cstdint>

#include "database/player_record.h"

// Season selectors: 0 this season, 1 last season, 2 career, 3 predicted, 4-33
// the player's season-line links 0-29.
constexpr int32_t SEASON_THIS = 0;
constexpr int32_t SEASON_LAST = 1;
constexpr int32_t SEASON_CAREER = 2;
constexpr int32_t SEASON_PREDICTED = 3;
constexpr int32_t FIRST_SEASON_LINE_SELECTOR = 4;
// A season figure read from a file is held within this bound: no player's
// season reaches six digits, and the sums and scales the statistics go
// through stay within 32 bits.
constexpr int32_t LARGEST_SEASON_FIGURE = 99999;
// A season figure held within that bound, as a saved game keeps it.
inline int32_t Hold_Season_Figure(int64_t value) {
    return static_cast<int32_t>(value > LARGEST_SEASON_FIGURE    ? LARGEST_SEASON_FIGURE
                                : value < -LARGEST_SEASON_FIGURE ? -LARGEST_SEASON_FIGURE
                                                                 : value);
}

void Set_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t value);
void Add_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t value);
void Clear_Player_Season_Stats(int32_t team, int32_t slot, int32_t season);
// A statistic of this or last season, which no read repairs, is read in
// place; everything else goes through Read_Player_Stat.
int32_t Read_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat);
inline int32_t Get_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    if ((season == SEASON_THIS || season == SEASON_LAST) &&
        static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_STATS && Is_Player_Address(team, slot) &&
        Is_Player_Slot_Used(team, slot))
        return Universe.Teams[team].Players[slot].Season_Stats[season][stat];
    return Read_Player_Stat(team, slot, season, stat);
}
int32_t Get_Player_Predicted_Stat(int32_t team, int32_t slot, int32_t stat);
// The stored statistics 0-19 of one season at once: out[n] is what
// Get_Player_Stat(team, slot, season, n) gives, with the same repairs stored.
void Get_Player_Stat_Row(int32_t team, int32_t slot, int32_t season, int32_t* out);
// Set_Player_Stat of statistics 0-19 of one season, values[n] to statistic n.
void Set_Player_Stat_Row(int32_t team, int32_t slot, int32_t season, const int32_t* values);
int32_t Get_Average_Stat(int32_t position, int32_t stat);

// The predicted-season memo: switching it (on or off) also forgets every entry.
int32_t Is_Stat_Memo_On();
void Set_Stat_Memo_Switch(int32_t on);
// Forgets the memo entries of one slot, when another player (or none) takes it.
void Forget_Player_Stat_Memo(int32_t team, int32_t slot);

// Rounded ratio a * k / b, rounded to the nearest on either side of 0 with
// halves away from it (2 catches for -4 yards: -20 tenths, 9 for -4: -4), as
// Mul_Div_Round rounds; 0 when b is 0.
int32_t Rounded_Ratio(int32_t a, int32_t k, int32_t b);
// The averages among the computed codes (103 and 109 yards an attempt and a
// completion, 112 a rush, 113 a catch, 115 a punt, 118 and 119 a kick and a
// punt return): the scale the code keeps its average in (100 for
// hundredths, 10 for tenths), 0 for any other code.
int32_t Get_Player_Average_Scale(int32_t code);
// Such an average in 1/scale (10: tenths, 1: whole), rounded once from its
// season's total and count by Rounded_Ratio: 569 yards on 175 rushes (code
// 112) is 33 tenths, where its hundredths, 325, would round again to 32. 0
// for any other code and without a count.
int32_t Get_Player_Average(int32_t team, int32_t slot, int32_t season, int32_t code, int32_t scale);
