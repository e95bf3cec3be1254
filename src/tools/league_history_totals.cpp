#include "tools/league_history_totals.h"

#include <cstdio>

#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"

namespace {
enum HISTORY_TABLE : int32_t {
    PASS_ATTEMPTS,
    COMPLETIONS,
    INTERCEPTIONS,
    PASSING_YARDS,
    TOUCHDOWN_PASSES,
    RUSHES,
    RUSHING_YARDS,
    RECEIVING_FIGURE_6,
    RECEIVING_FIGURE_10,
    TACKLES,
    ASSISTS,
    SACKS,
    KNOCKDOWNS,
    NUMBER_OF_HISTORY_TABLES,
};
constexpr int32_t FIRST_KEPT_YEAR = 1900;
constexpr int32_t KEPT_YEARS = 250;
constexpr int32_t FIRST_REPORT_YEAR = 1951;
constexpr int32_t LAST_REPORT_YEAR = 2021;
constexpr int32_t DEFENCE_GROUP = 2;

int32_t Totals[NUMBER_OF_HISTORY_TABLES][KEPT_YEARS];

bool Is_Kept_Year(int32_t year) {
    return year >= FIRST_KEPT_YEAR && year < FIRST_KEPT_YEAR + KEPT_YEARS;
}

void Add(int32_t table, int32_t year, int32_t value) {
    Totals[table][year - FIRST_KEPT_YEAR] += value;
}

// numerator x factor / denominator rounded to nearest (a negative quotient
// that is not exact one lower); 0 for a zero denominator.
int32_t Ratio(int64_t numerator, int64_t factor, int64_t denominator) {
    if (denominator == 0) return 0;
    const int64_t scaled = numerator * factor + denominator / 2;
    int64_t quotient = scaled / denominator;
    if ((scaled < 0) != (denominator < 0) && scaled % denominator != 0) --quotient;
    return static_cast<int32_t>(quotient);
}

struct SECTION {
    const char* Heading;
    int32_t Table;
    int32_t Divisor;
    int32_t Factor;
};
// A Divisor of -1 divides by the team count; otherwise the ratio of the two tables.
constexpr SECTION SECTIONS[] = {
    {"PASS_YARDS per team", PASSING_YARDS, -1, 0},
    {"RUSH_YARDS per team", RUSHING_YARDS, -1, 0},
    {"PASS_YARDS divided by RUSH_YARDS", PASSING_YARDS, RUSHING_YARDS, 1000},
    {"YARDS_PER_RUSH", RUSHING_YARDS, RUSHES, 100},
    {"YARDS_PER_COMPLETION", PASSING_YARDS, COMPLETIONS, 1000},
    {"TOUCHDOWN_PERCENTAGE", TOUCHDOWN_PASSES, PASS_ATTEMPTS, 1000},
    {"COMPLETION_PERCENTAGE", COMPLETIONS, PASS_ATTEMPTS, 1000},
    {"INTERCEPTION_PERCENTAGE", INTERCEPTIONS, PASS_ATTEMPTS, 1000},
    {"YARDS_AFTER_CATCH", RECEIVING_FIGURE_10, RECEIVING_FIGURE_6, 100},
    {"TACKLES per team", TACKLES, -1, 0},
    {"ASSISTS per team", ASSISTS, -1, 0},
    {"SACKS per team", SACKS, -1, 0},
    {"KNOCKDOWNS per team", KNOCKDOWNS, -1, 0},
};
} // namespace

int32_t Get_Historical_Team_Count(int32_t year) {
    if (year <= 1959) return 12;
    if (year == 1960) return 13;
    if (year <= 1965) return 22;
    if (year == 1966) return 24;
    if (year == 1967) return 25;
    if (year <= 1975) return 26;
    if (year <= 1994) return 28;
    if (year == 1995) return 30;
    if (year <= 2001) return 31;
    return 32;
}

void Accumulate_League_History_Totals(int32_t team, int32_t slot, int32_t year, int32_t stat, int32_t value) {
    if (year != Get_Universe_Stat(BASE_YEAR) - 1 || !Is_Kept_Year(year)) return;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return;
    const int32_t group = Get_Position_Group(position);
    if (position == POSITION_QB) {
        switch (stat) {
        case 2:
            Add(PASS_ATTEMPTS, year, value);
            break;
        case 3:
            Add(COMPLETIONS, year, value);
            break;
        case 4:
            Add(INTERCEPTIONS, year, value);
            break;
        case 5:
            Add(PASSING_YARDS, year, value);
            break;
        case 6:
            Add(TOUCHDOWN_PASSES, year, value);
            break;
        default:
            break;
        }
    }
    if (group == 0) {
        if (stat == 7) Add(RUSHES, year, value);
        if (stat == 8) Add(RUSHING_YARDS, year, value);
        if (position != POSITION_QB && stat == 6) Add(RECEIVING_FIGURE_6, year, value);
        if (position != POSITION_QB && stat == 10) Add(RECEIVING_FIGURE_10, year, value);
    }
    if (group == DEFENCE_GROUP) {
        if (stat == 2) Add(TACKLES, year, value);
        if (stat == 3) Add(ASSISTS, year, value);
        if (stat == 4) Add(SACKS, year, value / 2);
        if (stat == 6) Add(KNOCKDOWNS, year, value);
    }
}

void Clear_League_History_Totals(int32_t year) {
    if (!Is_Kept_Year(year)) return;
    for (auto& table : Totals)
        table[year - FIRST_KEPT_YEAR] = 0;
}

int32_t Get_League_History_Total(int32_t table, int32_t year) {
    if (table < 0 || table >= NUMBER_OF_HISTORY_TABLES || !Is_Kept_Year(year)) return 0;
    return Totals[table][year - FIRST_KEPT_YEAR];
}

void Write_Historical_Stats_Report() {
    FILE* file = Open_Resolved_File("HistoricalStats.txt", "wt");
    if (file == nullptr) return;
    for (const SECTION& section : SECTIONS) {
        fprintf(file, "\n%s\n", section.Heading);
        for (int32_t year = FIRST_REPORT_YEAR; year <= LAST_REPORT_YEAR; ++year) {
            const int32_t total = Get_League_History_Total(section.Table, year);
            const int32_t value =
                section.Divisor < 0
                    ? total / Get_Historical_Team_Count(year)
                    : Ratio(total, section.Factor, Get_League_History_Total(section.Divisor, year));
            fprintf(file, "%d, // %d\n", value, year);
        }
    }
    fclose(file);
}
