#include "database/player_statistics.h"

#include <algorithm>
#include <cstring>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_statistics_internal.h"
#include "database/player_statistics_tables.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "personnel/scouting.h"

namespace {

constexpr int32_t MEMO_RATES = 55;     // codes 100-154
constexpr int32_t MEMO_ESTIMATES = 40; // codes 200-239

int32_t Stat_Memo_On = 0;
int32_t Memo_Rates[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][MEMO_RATES];
int32_t Memo_Estimates[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][MEMO_ESTIMATES];

int32_t* Memo_Entry(int32_t team, int32_t slot, int32_t code) {
    if (!Is_Player_Address(team, slot)) return nullptr;
    if (code >= 100 && code < 100 + MEMO_RATES) return &Memo_Rates[team][slot][code - 100];
    if (code >= 200 && code < 200 + MEMO_ESTIMATES) return &Memo_Estimates[team][slot][code - 200];
    return nullptr;
}

// The kicking estimates of a player who neither kicks nor punts are a plain
// 20 that is never remembered.
bool Is_Memo_Stored_Code(int32_t team, int32_t slot, int32_t code) {
    if (code >= 220 && code <= 223) {
        int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        return position == POSITION_K || position == POSITION_P;
    }
    return (code >= 100 && code <= 146) || (code >= 200 && code <= 239);
}

// Row of link season - 4 when it is a valid row, else -1.
int32_t Linked_Row(int32_t team, int32_t slot, int32_t season) {
    int32_t line = Get_Player_Season_Line(team, slot, season - FIRST_SEASON_LINE_SELECTOR);
    return line >= 0 && line < MAX_SEASON_LINES ? line : -1;
}

int32_t Stored(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    return Universe.Teams[team].Players[slot].Season_Stats[season][stat];
}

// Longest punt and longest field goal of a kicker's career: the best of every
// season, stored back in the career row.
int32_t Repair_Career_Longest(int32_t team, int32_t slot, int32_t stat) {
    int32_t best =
        std::max({0, Stored(team, slot, SEASON_THIS, stat), Stored(team, slot, SEASON_LAST, stat)});
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        int32_t row = Linked_Row(team, slot, FIRST_SEASON_LINE_SELECTOR + n);
        if (row >= 0) best = std::max(best, Get_Season_Line_Stat(row, stat));
    }
    Universe.Teams[team].Players[slot].Season_Stats[SEASON_CAREER][stat] = best;
    return best;
}

bool Is_Career_Longest(int32_t season, int32_t stat, int32_t position) {
    return season == SEASON_CAREER && (stat == 5 || stat == 18) && Get_Position_Unit(position) == 2;
}

bool Is_Capped_Prediction(int32_t season, int32_t stat, int32_t position) {
    return season == SEASON_PREDICTED && stat == 18 && Get_Position_Group(position) == 3;
}

int32_t Get_Stored_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    if (season >= FIRST_SEASON_LINE_SELECTOR) {
        int32_t row = Linked_Row(team, slot, season);
        return row < 0 ? 0 : Get_Season_Line_Stat(row, stat);
    }
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (Is_Career_Longest(season, stat, position)) return Repair_Career_Longest(team, slot, stat);
    int32_t value = Stored(team, slot, season, stat);
    if (Is_Capped_Prediction(season, stat, position)) value = std::min(value, 67);
    return value;
}

} // namespace

int32_t Rounded_Ratio(int32_t a, int32_t k, int32_t b) {
    return Mul_Div_Round(a, k, b);
}

namespace {
struct PLAYER_AVERAGE {
    int32_t Code;
    int32_t Total;
    int32_t Count;
    int32_t Scale;
};
constexpr PLAYER_AVERAGE PLAYER_AVERAGES[] = {{103, 5, 2, 100},  {109, 5, 3, 100}, {112, 8, 7, 100},
                                              {113, 11, 10, 10}, {115, 3, 2, 10},  {118, 15, 14, 10},
                                              {119, 18, 17, 10}};

const PLAYER_AVERAGE* Find_Player_Average(int32_t code) {
    for (const PLAYER_AVERAGE& average : PLAYER_AVERAGES)
        if (average.Code == code) return &average;
    return nullptr;
}
} // namespace

int32_t Get_Player_Average_Scale(int32_t code) {
    const PLAYER_AVERAGE* average = Find_Player_Average(code);
    return average != nullptr ? average->Scale : 0;
}

int32_t Get_Player_Average(int32_t team, int32_t slot, int32_t season, int32_t code, int32_t scale) {
    const PLAYER_AVERAGE* average = Find_Player_Average(code);
    if (average == nullptr) return 0;
    return Rounded_Ratio(Get_Player_Stat(team, slot, season, average->Total), scale,
                         Get_Player_Stat(team, slot, season, average->Count));
}

void Set_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t value) {
    const char* problem = nullptr;
    if (static_cast<uint32_t>(slot) >= PLAYERS_PER_TEAM)
        problem =
            "Invalid nSlot in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)";
    else if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS)
        problem =
            "Invalid nTeam in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)";
    else if (static_cast<uint32_t>(stat) >= NUMBER_OF_SEASON_STATS)
        problem =
            "Invalid nStat in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)";
    if (problem != nullptr) {
        Report_System_Error(problem, team, slot, season, stat, value);
        return;
    }
    if (season >= 0 && season < NUMBER_OF_STORED_SEASONS) {
        Universe.Teams[team].Players[slot].Season_Stats[season][stat] = value;
        return;
    }
    if (season >= FIRST_SEASON_LINE_SELECTOR &&
        season < FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS) {
        int32_t row = Linked_Row(team, slot, season);
        if (row >= 0) Set_Season_Line_Stat(row, stat, value);
    }
}

void Add_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t value) {
    if (season >= 0 && season < NUMBER_OF_STORED_SEASONS) {
        int32_t held = Is_Player_Address(team, slot) && static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_STATS
                           ? Stored(team, slot, season, stat)
                           : 0;
        Set_Player_Stat(team, slot, season, stat, held + value);
        return;
    }
    if (season < FIRST_SEASON_LINE_SELECTOR ||
        season >= FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS)
        return;
    if (!Is_Player_Address(team, slot) || static_cast<uint32_t>(stat) >= NUMBER_OF_SEASON_STATS) return;
    int32_t row = Linked_Row(team, slot, season);
    if (row >= 0) Add_Season_Line_Stat(row, stat, value);
}

void Clear_Player_Season_Stats(int32_t team, int32_t slot, int32_t season) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Player_Stat(team, slot, season, stat, 0);
}

int32_t Read_Player_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    if (season < 0 || season >= FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS) return 0;
    if (stat >= 0 && stat < NUMBER_OF_SEASON_STATS) return Get_Stored_Player_Stat(team, slot, season, stat);
    // The memo holds the scouts' view; true figures are computed afresh.
    const bool memo_used = season == SEASON_PREDICTED && Stat_Memo_On && !Is_Scouting_Error_Held();
    int32_t* memo = memo_used ? Memo_Entry(team, slot, stat) : nullptr;
    if (memo != nullptr && *memo != 0) return *memo;
    int32_t value = Compute_Player_Stat_Code(team, slot, season, stat);
    if (memo != nullptr && Is_Memo_Stored_Code(team, slot, stat)) *memo = value;
    return value;
}

void Get_Player_Stat_Row(int32_t team, int32_t slot, int32_t season, int32_t* out) {
    const bool stored = Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot) && season >= 0 &&
                        season < FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS;
    if (!stored) {
        std::fill(out, out + NUMBER_OF_SEASON_STATS, 0);
        return;
    }
    if (season >= FIRST_SEASON_LINE_SELECTOR) {
        const int32_t row = Linked_Row(team, slot, season);
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
            out[stat] = row < 0 ? 0 : Get_Season_Line_Stat(row, stat);
        return;
    }
    // Each statistic's repair reads and writes only that statistic, so the
    // row read in place and then repaired gives what reads one by one give.
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    memcpy(out, Universe.Teams[team].Players[slot].Season_Stats[season],
           NUMBER_OF_SEASON_STATS * sizeof *out);
    if (Is_Career_Longest(season, 5, position)) {
        out[5] = Repair_Career_Longest(team, slot, 5);
        out[18] = Repair_Career_Longest(team, slot, 18);
    } else if (Is_Capped_Prediction(season, 18, position)) {
        out[18] = std::min(out[18], 67);
    }
}

void Set_Player_Stat_Row(int32_t team, int32_t slot, int32_t season, const int32_t* values) {
    if (Is_Player_Address(team, slot) && season >= 0 && season < NUMBER_OF_STORED_SEASONS) {
        memcpy(Universe.Teams[team].Players[slot].Season_Stats[season], values,
               NUMBER_OF_SEASON_STATS * sizeof *values);
        return;
    }
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Player_Stat(team, slot, season, stat, values[stat]);
}

int32_t Get_Player_Predicted_Stat(int32_t team, int32_t slot, int32_t stat) {
    return Get_Player_Stat(team, slot, SEASON_PREDICTED, stat);
}

int32_t Get_Average_Stat(int32_t position, int32_t stat) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_EXPANDED_POSITIONS) {
        Report_System_Error("Invalid nPosition passed to Get_Average_Stat([%d],%d)", position, stat);
        return 0;
    }
    if (static_cast<uint32_t>(stat) >= NUMBER_OF_SEASON_STATS) {
        Report_System_Error("Invalid nStat passed to Get_Average_Stat(%d,[%d])", position, stat);
        return 0;
    }
    return AVERAGE_SEASON_STATS[position][stat];
}

int32_t Is_Stat_Memo_On() {
    return Stat_Memo_On;
}

void Forget_Player_Stat_Memo(int32_t team, int32_t slot) {
    if (!Stat_Memo_On || !Is_Player_Address(team, slot)) return;
    memset(Memo_Rates[team][slot], 0, sizeof Memo_Rates[team][slot]);
    memset(Memo_Estimates[team][slot], 0, sizeof Memo_Estimates[team][slot]);
}

void Set_Stat_Memo_Switch(int32_t on) {
    Stat_Memo_On = on != 0;
    memset(Memo_Rates, 0, sizeof Memo_Rates);
    memset(Memo_Estimates, 0, sizeof Memo_Estimates);
}
