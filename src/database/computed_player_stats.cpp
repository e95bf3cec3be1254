// Rates, totals, era indices and grades computed from a player's stored season
// statistics: the dispatch of Get_Player_Stat for codes 100-430.
#include <algorithm>
#include <cmath>

#include "app/diagnostics.h"
#include "database/historical_norms.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/player_statistics_internal.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "frontoffice/player_potential.h"
#include "personnel/scouting.h"
#include "playbooks/gridiron_values.h"

namespace {

struct STAT_READER {
    int32_t team;
    int32_t slot;
    int32_t season;
    int32_t S(int32_t n) const { return Get_Player_Stat(team, slot, season, n); }
    int32_t C(int32_t n) const { return Get_Player_Stat(team, slot, season, n); }
    int32_t Position() const { return Get_Player_Vital_Stat(team, slot, VITAL_POSITION); }
    bool Is_QB() const { return Position() == POSITION_QB; }
    bool Is_Kicking() const { return Position() == POSITION_K || Position() == POSITION_P; }
    int32_t Group() const { return Get_Position_Group(Position()); }
};

int32_t H(int32_t code) {
    return Get_Current_Historical_Average_Stat(code);
}

// A return man's value: (s x rate + add) / divisor, 0 without returns. Worked
// in 64 bits and held within 32, since a damaged season line can hold any figure.
int32_t Return_Value(int64_t s, int64_t rate, int64_t add, int64_t divisor) {
    if (s == 0) return 0;
    const int64_t value = (s * rate + add) / divisor;
    return Clamp_To_Int32(value);
}

// A ratio against the historical norm is 0 when the norm is 0.
int32_t Era_Ratio(int32_t value, int32_t k, int32_t norm) {
    return norm == 0 ? 0 : Rounded_Ratio(value, k, norm);
}

// Completion rate; a season with more completions than attempts is corrupt and
// its passing line is reset.
int32_t Completion_Rate(const STAT_READER& p) {
    if (p.S(3) > p.S(2)) {
        for (int32_t stat : {3, 2, 4, 5, 6})
            Set_Player_Stat(p.team, p.slot, p.season, stat, 0);
        return 0;
    }
    return Rounded_Ratio(p.S(3), 1000, p.S(2));
}

// Ratio of stat 10 to stat 4 over a career: summed over the rows of every
// season-line link in which stat 10 does not exceed stat 4.
int32_t Career_Ratio_148(const STAT_READER& p) {
    if (p.Group() != 0) return 0;
    int32_t sum10 = 0;
    int32_t sum4 = 0;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        int32_t line = Get_Player_Season_Line(p.team, p.slot, n);
        if (line < 0 || line > 32767) continue;
        int32_t s10 = Get_Season_Line_Stat(line, 10);
        int32_t s4 = Get_Season_Line_Stat(line, 4);
        if (s10 > s4) continue;
        sum10 += s10;
        sum4 += s4;
    }
    return sum4 == 0 ? 0 : Rounded_Ratio(sum10, 1000, sum4);
}

// The team's total of tackle points and sacks over its roster, for code 161.
int32_t Team_Tackling_Total(const STAT_READER& p) {
    int32_t total = 0;
    int32_t count = Get_First_Empty_Player_Slot(p.team);
    for (int32_t s = 0; s < count; ++s)
        total += Get_Player_Stat(p.team, s, p.season, 160) + Get_Player_Stat(p.team, s, p.season, 143);
    return total;
}

int32_t Scouted(int32_t team, int32_t slot, int32_t value) {
    return Clamp_Int(20, 99, Apply_Scouting_Error(team, slot, value));
}

int32_t Depth_Chart_Level(const STAT_READER& p) {
    if (p.team >= FREE_AGENT_TEAM) return 0;
    int32_t count = Count_Team_Position_Players(p.team, p.Position());
    for (int32_t i = 0; i < count; ++i)
        if (Get_Team_Position_Player_Safe(p.team, p.Position(), i) == p.slot) return i + 1;
    return 0;
}

int32_t Value_For_Money(const STAT_READER& p) {
    float evaluation = Ensure_Player_Minimum_Rating(p.team, p.slot);
    int32_t a = std::max(0, static_cast<int32_t>(evaluation - 50.0f));
    float b = std::max(0.0f, Get_Player_Potential(p.team, p.slot) - 50.0f);
    int32_t x = static_cast<int32_t>(static_cast<float>(a) * b);
    int32_t y = static_cast<int32_t>(static_cast<float>(x) * b);
    return Mul_Div_Round(1000, 2 * (y / 10), Get_Player_Vital_Stat(p.team, p.slot, VITAL_BASE_CAP_CHARGE));
}

// Codes 300 and 301, a kick or punt returner's value from his returns (11 and
// 12 after stats 14-16 or 17-19) and his average (code 118 or 119).
int32_t Return_Man_Value(const STAT_READER& p, int32_t code) {
    if (!Is_Skill_Or_Secondary_Player(p.team, p.slot)) return 0;
    const bool kicks = code == 300;
    const int32_t tries = kicks ? 14 : 17;
    const int64_t add = kicks ? 130 : 42;
    const int64_t divisor = kicks ? 260 : 85;
    if (p.season == SEASON_PREDICTED) {
        // The predicted average may stand in the memo: asked for as a code.
        return Return_Value(p.S(tries + 1) / 2 + 25 * static_cast<int64_t>(p.S(tries + 2)),
                            p.C(kicks ? 118 : 119), add, divisor);
    }
    // Any other season's average is worked out afresh from the same row.
    int32_t row[NUMBER_OF_SEASON_STATS];
    Get_Player_Stat_Row(p.team, p.slot, p.season, row);
    const int32_t average = Rounded_Ratio(row[tries + 1], 10, row[tries]);
    return Return_Value(row[tries + 1] / 2 + 25 * static_cast<int64_t>(row[tries + 2]), average, add,
                        divisor);
}

int32_t Return_Grade(const STAT_READER& p, int32_t rating, int32_t value_code) {
    if (!Is_Skill_Or_Secondary_Player(p.team, p.slot)) return 0;
    if (p.season == SEASON_PREDICTED)
        return std::max(0, static_cast<int32_t>((Get_Player_Rating(p.team, p.slot, rating) - 50.0) * 15.0));
    // The value of another season is never remembered: worked out directly.
    return Return_Man_Value(p, value_code);
}

} // namespace

int32_t Compute_Player_Stat_Code(int32_t team, int32_t slot, int32_t season, int32_t code) {
    STAT_READER p{team, slot, season};
    switch (code) {
    case 100:
        return std::max(0, (p.C(102) + p.C(104) + p.C(106) + p.C(108)) / 6);
    case 101:
        return Completion_Rate(p);
    case 102:
        return Clamp_Int(0, 2375, (p.C(101) - 300) * 5);
    // The averages, each rounded once from its season's total and count.
    case 103:
    case 109:
    case 112:
    case 113:
    case 115:
    case 118:
    case 119:
        return Get_Player_Average(team, slot, season, code, Get_Player_Average_Scale(code));
    case 104: {
        int32_t yards = p.C(103);
        return yards <= 300 ? 0 : Clamp_Int(0, 2375, ((yards - 300) * 25 + 5) / 10);
    }
    case 105:
        return Rounded_Ratio(p.S(6), 1000, p.S(2));
    case 106:
        return p.Is_QB() ? Clamp_Int(0, 2375, p.C(105) * 20) : 0;
    case 107:
        return p.Is_QB() ? Rounded_Ratio(p.S(4), 1000, p.S(2)) : 0;
    case 108:
        return p.Is_QB() ? Clamp_Int(0, 2375, (95 - p.C(107)) * 25) : 0;
    case 110:
        return p.Is_QB() ? Rounded_Ratio(p.S(5), 10, p.S(0)) : 0;
    case 111:
        return p.S(7) + p.S(10);
    case 114:
        return p.Group() == 0 && !p.Is_QB() ? Rounded_Ratio(p.S(6), 10, p.S(10)) : 0;
    case 120:
        return p.Is_Kicking() ? Rounded_Ratio(p.S(9), 1000, p.S(8)) : 0;
    case 121:
        return p.Is_Kicking() ? p.S(11) + p.S(13) + p.S(15) + p.S(17) : 0;
    case 122:
        return p.Is_Kicking() ? p.S(10) + p.S(12) + p.S(14) + p.S(16) : 0;
    case 123:
        return p.Is_Kicking() ? Rounded_Ratio(p.C(121), 1000, p.C(122)) : 0;
    case 124:
    case 125:
    case 126:
    case 127: {
        int32_t made = 11 + 2 * (code - 124);
        return p.Is_Kicking() ? Rounded_Ratio(p.S(made), 1000, p.S(made - 1)) : 0;
    }
    case 128:
        return p.Is_Kicking() ? Rounded_Ratio(p.S(11) + p.S(13), 1000, p.S(10) + p.S(12)) : 0;
    case 129:
        return p.Is_Kicking() ? Rounded_Ratio(p.S(15) + p.S(17), 1000, p.S(14) + p.S(16)) : 0;
    case 130:
        return p.Group() == 0 ? p.S(11) + p.S(8) : 0;
    case 131:
        return p.C(130) + p.C(141);
    case 132:
        return p.S(12) + p.S(9);
    case 136:
        return p.C(122) + p.S(2);
    case 137:
        return p.C(130) + p.S(5) + p.C(141);
    case 138:
        return p.Is_Kicking() ? 0 : p.C(132) + p.C(142);
    case 139:
        return p.Is_Kicking() ? 3 * p.C(121) + p.S(9) : 6 * p.C(132) + 6 * p.C(142);
    case 140:
        return p.S(14) + p.S(17);
    case 141:
        return p.S(15) + p.S(18);
    case 142:
        return p.S(16) + p.S(19);
    case 143:
        return 5 * p.S(4);
    case 144:
        return 25 * p.S(4);
    case 145:
        return Rounded_Ratio(25 * p.S(4), 1, p.S(0));
    case 146:
        return Rounded_Ratio(p.C(147), 10, p.S(0));
    case 147:
        return p.S(2) + p.S(3);
    case 148:
        return season == SEASON_CAREER ? Career_Ratio_148(p) : Rounded_Ratio(p.S(10), 1000, p.S(4));
    case 153:
        return Rounded_Ratio(p.S(11), 1000, p.S(10));
    case 160:
        return 10 * p.S(2) + 5 * p.S(3);
    case 161:
        return Rounded_Ratio(p.C(160) + p.C(143), 100, Team_Tackling_Total(p));
    case 170:
        return p.Is_QB() ? Clamp_Int(0, 2000, Era_Ratio(p.C(109), 3000, H(109)) - 2000) : 0;
    case 171:
        return Era_Ratio(p.C(105), 1000, H(105));
    case 172:
        return p.Is_QB() ? Era_Ratio(p.C(101), 1000, H(101)) : 0;
    case 173: {
        if (!p.Is_QB()) return 0;
        int32_t norm = H(107);
        return norm == 0 ? 2000 : std::max(0, 2000 - Rounded_Ratio(p.C(107), 1000, norm));
    }
    case 225:
        return Scouted(team, slot, static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot)));
    case 226: {
        int32_t peak = Scouted(team, slot, static_cast<int32_t>(Get_Player_Potential(team, slot)));
        int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, 225);
        int32_t room = std::max(0, (25 - Get_Player_Calendar_Age(team, slot)) * 4);
        return std::min(std::max(peak, overall), overall + room);
    }
    case 299: {
        int32_t now = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
        return std::min(100, (now + static_cast<int32_t>(Get_Player_Potential(team, slot))) / 2);
    }
    case 300:
    case 301:
        return Return_Man_Value(p, code);
    case 302:
        return Return_Grade(p, RATING_KICK_RETURNS, 300);
    case 303:
        return Return_Grade(p, RATING_PUNT_RETURNS, 301);
    case 304:
        return Depth_Chart_Level(p);
    case 305:
        return Value_For_Money(p);
    default:
        break;
    }
    if (code >= 200 && code <= 233) {
        bool direct = false;
        int32_t value = Estimate_Rating_From_Stats(team, slot, season, code, &direct);
        return direct ? value : Scouted(team, slot, value);
    }
    // The card game's ratings, salary and value.
    if (code >= GRIDIRON_FIRST_CATEGORY && code < GRIDIRON_FIRST_CATEGORY + GRIDIRON_CATEGORIES)
        return Get_Gridiron_Player_Rating(team, slot, code);
    if (code == GRIDIRON_SALARY_STAT) return Get_Gridiron_Player_Salary(team, slot);
    if (code == GRIDIRON_VALUE_STAT) return Get_Gridiron_Player_Value(team, slot);
    if (code >= 420 && code <= 430) return Compute_Player_Grade(team, slot, season, code);
    Report_System_Error("Unrecognized SEASON_STAT in Get_Player_Stat(%d,%d,%d,%d)", team, slot, season, code);
    return 0;
}
