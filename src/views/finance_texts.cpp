#include "views/finance_texts.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/safe_strings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/money.h"
#include "frontoffice/rating_value.h"
#include "personnel/scouting.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t TEXT_SIZE = 32;
constexpr int32_t RETURNER = 15;
constexpr int32_t NO_ENTRY = -1;
constexpr int32_t UNIT_ENTRIES = 5;

struct UNIT_ENTRY {
    int32_t Position;
    int32_t Depth;
    int32_t Weight;
};

constexpr UNIT_ENTRY UNITS[FINANCE_UNITS][UNIT_ENTRIES] = {
    {{0, 0, 80}, {0, 1, 15}, {0, 2, 5}, {NO_ENTRY, 0, 0}, {NO_ENTRY, 0, 0}},
    {{1, 0, 65}, {1, 1, 15}, {2, 0, 10}, {1, 2, 7}, {1, 3, 3}},
    {{3, 0, 55}, {3, 1, 25}, {3, 2, 15}, {3, 3, 5}, {NO_ENTRY, 0, 0}},
    {{4, 0, 35}, {4, 1, 30}, {4, 2, 20}, {4, 3, 10}, {4, 4, 5}},
    {{5, 0, 20}, {6, 0, 20}, {7, 0, 20}, {6, 1, 20}, {5, 1, 20}},
    {{8, 0, 25}, {9, 0, 20}, {9, 1, 20}, {8, 1, 25}, {8, 2, 10}},
    {{10, 0, 25}, {10, 1, 25}, {10, 2, 25}, {10, 3, 15}, {10, 4, 10}},
    {{11, 0, 40}, {11, 1, 40}, {11, 2, 10}, {11, 3, 7}, {11, 4, 3}},
    {{12, 0, 40}, {12, 1, 40}, {12, 2, 10}, {12, 3, 7}, {12, 4, 3}},
    {{RETURNER, 0, 25}, {RETURNER, 1, 25}, {3, 2, 20}, {12, 3, 15}, {11, 3, 15}},
    {{13, 0, 95}, {13, 1, 5}, {NO_ENTRY, 0, 0}, {NO_ENTRY, 0, 0}, {NO_ENTRY, 0, 0}},
    {{14, 0, 95}, {14, 1, 5}, {NO_ENTRY, 0, 0}, {NO_ENTRY, 0, 0}, {NO_ENTRY, 0, 0}},
};
// What an average starter contributes, QB .. P; returners 1,000.
constexpr int32_t POSITION_NORMS[NUMBER_OF_POSITIONS] = {1750, 1100, 500, 300, 1000, 900, 900, 900,
                                                         400,  200,  700, 800, 750,  300, 300};
constexpr int32_t RETURNER_NORM = 1000;

int32_t Unit_Cache[TOTAL_NUMBER_OF_TEAMS][FINANCE_UNITS];
bool Unit_Cache_Cleared = false;

int32_t Unit_Entry_Value(int32_t team, const UNIT_ENTRY& entry) {
    if (entry.Position == RETURNER) {
        const int32_t slot = Get_Team_Returner(team, entry.Depth);
        if (!Is_Player_Slot_Used(team, slot)) return 0;
        return Get_Player_Stat(team, slot, SEASON_PREDICTED, entry.Depth == 0 ? 302 : 303);
    }
    if (Count_Team_Position_Players(team, entry.Position) <= entry.Depth) return 0;
    const int32_t slot = Get_Team_Position_Player(team, entry.Position, entry.Depth);
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    return Get_Evaluation_Rating_Value(team, slot);
}

void Format_Money(int32_t dollars, char* out) {
    char text[FORMATTED_TEXT_SIZE];
    Format_Money_Dollars(dollars, text);
    safe_strncpy(out, text, TEXT_SIZE);
}

void Format_Money_K(int32_t thousands, char* out) {
    char text[FORMATTED_TEXT_SIZE];
    Format_Money_Thousands(thousands, text);
    safe_strncpy(out, text, TEXT_SIZE);
}

void Format_Commas(int32_t value, char* out) {
    char text[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(value, text);
    safe_strncpy(out, text, TEXT_SIZE);
}

void Format_Grade(int32_t index, char* out) {
    char text[FORMATTED_TEXT_SIZE];
    Get_Letter_Grade(index, text);
    safe_strncpy(out, text, TEXT_SIZE);
}

// Thousands of dollars as millions: "$%d.%02dM" or, with one decimal, "$%d.%dM".
void Format_Millions(int64_t thousands, int32_t decimals, char* out) {
    const int64_t magnitude = thousands < 0 ? -thousands : thousands;
    const char* sign = thousands < 0 ? "-" : "";
    if (decimals == 2)
        safe_sprintf(out, TEXT_SIZE, "%s$%lld.%02lldM", sign, static_cast<long long>(magnitude / 1000),
                     static_cast<long long>(magnitude % 1000 / 10));
    else
        safe_sprintf(out, TEXT_SIZE, "%s$%lld.%lldM", sign, static_cast<long long>(magnitude / 1000),
                     static_cast<long long>(magnitude % 1000 / 100));
}

int32_t Fin(int32_t team, int32_t n) {
    return Get_Team_Financial_Stat(team, n);
}

bool Fantasy_League() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG) != 0;
}

// The titles of statistic 1 (championships) or 2 (conference titles) a team
// holds: its past seasons that won one (history statistic 8 or 7) and those
// won before the league's history began (team statistic 6 or 7).
int32_t Get_Team_Titles(int32_t team, int32_t stat) {
    return Get_Team_History_Stat(team, stat == 1 ? 8 : 7) + Get_Team_Stat(team, stat == 1 ? 6 : 7);
}

// The league row's figure: the mean over the active teams (those marked in
// `counted`, when given) of what their own rows show, truncated as the
// league means of the financial statistics are.
int32_t Get_League_Mean(int32_t (*figure)(int32_t team, int32_t stat), int32_t stat,
                        const bool* counted = nullptr) {
    int64_t total = 0;
    int32_t count = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team) || (counted != nullptr && !counted[team])) continue;
        total += figure(team, stat);
        ++count;
    }
    return count == 0 ? 0 : static_cast<int32_t>(total / count);
}

// The league row's titles, over the teams whose history the league's means
// take in, as its rating and playoff seasons are: a franchise that joined
// since the last season has no seasons to count.
int32_t Get_League_Titles(int32_t stat) {
    bool counted[MAX_FRANCHISES];
    Mark_League_History_Teams(counted);
    return Get_League_Mean(Get_Team_Titles, stat, counted);
}

int32_t Get_Payroll_Budget_Of(int32_t team, int32_t) {
    return Get_Team_Payroll_Budget(team);
}

// The grade of a side from its units against the league and its rank.
int32_t Side_Grade(int32_t value, int32_t rank) {
    const int32_t teams = Count_Active_Teams();
    const int64_t q = teams <= 1 ? 0 : Round_Line_Ratio(rank, 200, teams - 1);
    const int64_t v = (2LL * value + 1100 - q) / 3;
    return std::max(2, Get_Value_Grade_Index(static_cast<int32_t>(v)));
}
} // namespace

void Clear_Unit_Rating_Cache() {
    for (auto& team : Unit_Cache)
        for (int32_t& rating : team)
            rating = -1;
    Unit_Cache_Cleared = true;
}

int32_t Get_Team_Unit_Rating(int32_t team, int32_t unit) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS || unit < 0 || unit >= FINANCE_UNITS) return 0;
    if (!Unit_Cache_Cleared) Clear_Unit_Rating_Cache();
    if (Unit_Cache[team][unit] >= 0) return Unit_Cache[team][unit];
    int64_t a = 0, b = 0;
    for (const UNIT_ENTRY& entry : UNITS[unit]) {
        if (entry.Position == NO_ENTRY) continue;
        const int32_t norm = entry.Position == RETURNER ? RETURNER_NORM : POSITION_NORMS[entry.Position];
        a += (static_cast<int64_t>(Unit_Entry_Value(team, entry)) * entry.Weight + 50) / 100;
        b += (static_cast<int64_t>(norm) * entry.Weight + 50) / 100;
    }
    const int32_t rating = static_cast<int32_t>(700 + (b == 0 ? 0 : Round_Line_Ratio(a, 300, b)));
    Unit_Cache[team][unit] = rating;
    return rating;
}

int32_t Get_Team_Unit_Against_League(int32_t team, int32_t unit) {
    const int64_t mean = Get_League_Mean(Get_Team_Unit_Rating, unit);
    return mean == 0 ? 0
                     : static_cast<int32_t>(Round_Line_Ratio(Get_Team_Unit_Rating(team, unit), 1100, mean));
}

namespace {
// The weighted units of a side, each rated in turn: a rating may give a
// player new ratings, so the order of the draws is the units' order.
int64_t Sum_Weighted_Units(int32_t team, int32_t first_unit, const std::initializer_list<int64_t>& weights) {
    int64_t sum = 0;
    int32_t unit = first_unit;
    for (const int64_t weight : weights)
        sum += weight * Get_Team_Unit_Against_League(team, unit++);
    return sum;
}
} // namespace

int32_t Get_Team_Offense_Grade(int32_t team) {
    const int64_t o = Sum_Weighted_Units(team, 0, {7, 2, 2, 4, 5}) / 20;
    return Side_Grade(static_cast<int32_t>(o), Get_Team_Offense_Rank(team));
}

int32_t Get_Team_Defense_Grade(int32_t team) {
    const int64_t d = Sum_Weighted_Units(team, 5, {3, 3, 2, 2}) / 10;
    return Side_Grade(static_cast<int32_t>(d), Get_Team_Defense_Rank(team));
}

void Get_Finance_Stat_Text(int32_t team, int32_t stat, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    const bool league = team == FINANCE_LEAGUE_ROW;
    switch (stat) {
    case 0:
        Format_Signed_Tenths(out, TEXT_SIZE, Get_Team_History_Stat(team, 0));
        break;
    case 1:
    case 2:
        safe_sprintf(out, TEXT_SIZE, "%d", league ? Get_League_Titles(stat) : Get_Team_Titles(team, stat));
        break;
    case 3:
        safe_sprintf(out, TEXT_SIZE, "%d", Get_Team_History_Stat(team, 6));
        break;
    case 4:
        Format_Grade(Get_Value_Grade_Index(Fin(team, 4)), out);
        break;
    case 5:
        if (Fin(team, 92) < 1)
            safe_strncpy(out, "n/a", TEXT_SIZE);
        else
            Format_Commas(Fin(team, 92), out);
        break;
    case 6: {
        const int32_t cents = Fin(team, 1);
        safe_sprintf(out, TEXT_SIZE, "$%d.%02d", cents / 100, std::abs(cents % 100));
        break;
    }
    case 7:
    case 38:
        if (Fantasy_League())
            safe_strncpy(out, VIEW_DASH, TEXT_SIZE);
        else
            Format_Millions(Fin(team, stat == 7 ? 94 : 104), 2, out);
        break;
    case 8:
        Format_Millions(Fin(team, 89), 1, out);
        break;
    case 9:
    case 10:
        if (Fantasy_League())
            safe_strncpy(out, VIEW_DASH, TEXT_SIZE);
        else
            Format_Signed_Tenths(out, TEXT_SIZE, Fin(team, stat == 9 ? 95 : 96));
        break;
    case 11:
        Format_Money(Fin(team, 82), out);
        break;
    case 12:
        Format_Money(Fin(team, 80), out);
        break;
    case 13:
        Format_Money(Fin(team, 84), out);
        break;
    case 14:
        Format_Money_K(Fin(team, 69), out);
        break;
    case 15:
        Format_Money(Fin(team, 68), out);
        break;
    case 16:
        Format_Signed_Tenths(out, TEXT_SIZE, Fin(team, 97));
        safe_strncat(out, "%", TEXT_SIZE);
        break;
    case 17:
        // Cap room is kept in thousands of dollars; the budget in dollars.
        if (Get_Universe_Stat(SALARY_CAP) > 0)
            Format_Money_K(Fin(team, 90), out);
        else
            Format_Money(
                league ? Get_League_Mean(Get_Payroll_Budget_Of, stat) : Get_Team_Payroll_Budget(team), out);
        break;
    case 18:
    case 19:
        Format_Grade(Get_Rank_Grade_Index(Get_Team_Financial_Rank(team, stat == 18 ? 3 : 2)), out);
        break;
    case 20:
        Format_Signed_Tenths(out, TEXT_SIZE, Fin(team, 74));
        break;
    case 21:
        Format_Money(Fin(team, 10), out);
        break;
    case 22:
        Format_Money(Fin(team, 106), out);
        break;
    case 23:
        Format_Money(Fin(team, 101), out);
        break;
    case 36:
        Format_Money(Fin(team, 102), out);
        break;
    case 37:
        Format_Money(Fin(team, 103), out);
        break;
    case 39:
        Format_Money(Fin(team, 14), out);
        break;
    case 40:
        Format_Money(Fin(team, 108), out);
        break;
    case 41:
        Format_Money(Fin(team, 109), out);
        break;
    case 42:
        Format_Commas(Fin(team, 15), out);
        break;
    case 43:
        Format_Commas(Fin(team, 19), out);
        break;
    case 44:
        Format_Money(Fin(team, 91), out);
        break;
    case 45:
        Format_Commas(Fin(team, 93), out);
        break;
    default:
        if (stat >= 24 && stat <= 35) {
            if (league)
                safe_strncpy(out, VIEW_DASH, TEXT_SIZE);
            else
                Format_Grade(Get_Value_Grade_Index(Get_Team_Unit_Against_League(team, stat - 24)), out);
        } else if (stat >= 46 && stat < FINANCE_STATS) {
            if (league)
                safe_strncpy(out, VIEW_DASH, TEXT_SIZE);
            else if (stat == 46)
                safe_sprintf(out, TEXT_SIZE, "%d", Get_Team_Strength_Rank(team) + 1);
            else if (stat == 47)
                Format_Grade(Get_Team_Offense_Grade(team), out);
            else if (stat == 48)
                Format_Grade(Get_Team_Defense_Grade(team), out);
            else
                Format_Grade(std::max(2, Get_Rank_Grade_Index(Get_Team_Overall_Rank(team))), out);
        }
        break;
    }
}
