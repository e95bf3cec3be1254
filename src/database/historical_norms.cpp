#include "database/historical_norms.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <strings.h>

#include "database/historical_norms_tables.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/universe.h"
#include "personnel/player_dimensions.h"
#include "platform/message_box.h"

namespace {

const int32_t* Historical_Table(int32_t stat) {
    switch (stat) {
    case 101:
        return HISTORICAL_COMPLETION_RATE;
    case 105:
        return HISTORICAL_TOUCHDOWN_RATE;
    case 107:
        return HISTORICAL_INTERCEPTION_RATE;
    case 109:
    case 113:
        return HISTORICAL_YARDS_PER_COMPLETION;
    case 112:
        return HISTORICAL_YARDS_PER_CARRY;
    case 115:
        return HISTORICAL_PUNT_AVERAGE;
    case 123:
        return HISTORICAL_FIELD_GOAL_RATE;
    default:
        return nullptr;
    }
}

// A passer-rating term: v / d rounded as Mul_Div_Round rounds, then held to
// 0..2375. Taken in 64 bits so that no rate of a damaged line overflows it.
int32_t Passer_Rating_Term(int64_t v, int64_t d) {
    const int64_t magnitude = ((v < 0 ? -v : v) + d / 2) / d;
    return static_cast<int32_t>(std::clamp<int64_t>(v < 0 ? -magnitude : magnitude, 0, 2375));
}

int32_t Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    return Get_Player_Stat(team, slot, season, stat);
}

int32_t Games_Per_Season_Capped() {
    int32_t& games = Universe.Header.Universe_Stats[GAMES_PER_SEASON];
    if (games > 17) games = 17;
    return games;
}

struct COLLEGE_SHORT_NAME {
    const char* Long;
    const char* Short;
};
constexpr COLLEGE_SHORT_NAME COLLEGE_SHORT_NAMES[] = {
    {"Tennessee - Chattanooga", "Chattanooga (TN)"},
    {"Northwestern State - Louisiana", "NW State - Louisiana"},
    {"Northwest Missouri State", "NW Missouri State"},
    {"Mary Hardin-Baylor - TX", "Mary Hardin-Baylor"},
    {"Minnesota State - Mankato", "Mankato (MN)"},
};

template <typename F> void For_Each_Listed_Player(bool skip_hall_of_fame, F action) {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (skip_hall_of_fame && team == HALL_OF_FAME_TEAM) continue;
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        int32_t count = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < count; ++slot)
            if (Is_Player_Slot_Used(team, slot)) action(team, slot);
    }
}

} // namespace

int32_t Get_Historical_Average_Stat(int32_t stat, int32_t year) {
    const int32_t* table = Historical_Table(stat);
    if (table == nullptr) {
        Show_Formatted_Message("Code Error", "Unhandled nStat in int Get_Historical_Average_Stat()");
        return 0;
    }
    int32_t a = Clamp_Int(0, HISTORICAL_SEASONS - 1, year - FIRST_HISTORICAL_SEASON);
    int32_t b = Clamp_Int(0, HISTORICAL_SEASONS - 1, year - FIRST_HISTORICAL_SEASON - 1);
    int32_t value = (table[a] + table[b]) / 2;
    return stat == 113 ? value / 10 : value;
}

int32_t Get_Current_Historical_Average_Stat(int32_t stat) {
    return Get_Historical_Average_Stat(stat, Get_Current_Year());
}

int32_t Get_Smoothed_Yearly_Norm(int32_t year) {
    auto u = [](int32_t k) { return SMOOTHED_YEARLY_NORM[Clamp_Int(0, SMOOTHED_NORM_SEASONS - 1, k)]; };
    return (u(year - 1949) + 2 * u(year - 1950) + u(year - 1951)) / 4;
}

int32_t Get_Position_Stat_Benchmark(int32_t position, int32_t stat) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS ||
        static_cast<uint32_t>(stat) >= NUMBER_OF_SEASON_STATS)
        return 0;
    int32_t value = POSITION_STAT_BENCHMARK[position][stat];
    int32_t norm = 0;
    if (position == POSITION_QB && stat == 3) norm = 101;
    if (position == POSITION_QB && stat == 6) norm = 105;
    if (position == POSITION_QB && stat == 7) norm = 107;
    if (position == POSITION_K && (stat == 11 || stat == 13 || stat == 15 || stat == 17)) norm = 123;
    if (position == POSITION_P && stat == 3) norm = 115;
    if (norm == 0) return value;
    int32_t now = Get_Historical_Average_Stat(norm, Get_Current_Year());
    int32_t reference = Get_Historical_Average_Stat(norm, 2022);
    return now == reference ? value : Mul_Div_Round(value, now, reference);
}

int32_t Compute_Passer_Rating(int32_t n, int32_t c, int32_t y, int32_t t, int32_t i) {
    auto rate = [n](int32_t k, int32_t v) { return static_cast<int64_t>(Mul_Div_Round(k, v, n)); };
    int32_t a1 = Passer_Rating_Term((rate(1000, c) - 300) * 5, 1);
    int32_t a2 = Passer_Rating_Term((rate(100, y) - 300) * 25, 10);
    int32_t a3 = Passer_Rating_Term(rate(1000, t) * 20, 1);
    int32_t a4 = Passer_Rating_Term((95 - rate(1000, i)) * 25, 1);
    return Clamp_Int(0, 1583, (a1 + a2 + a3 + a4) / 6);
}

void Scale_Player_Season_Stats(int32_t team, int32_t slot, int32_t season, int32_t percent) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Player_Stat(team, slot, season, stat, Percent_Of(Stat(team, slot, season, stat), percent));
}

void Scale_All_Player_Season_Stats(int32_t season, int32_t percent) {
    For_Each_League_Player([season, percent](int32_t team, int32_t slot) {
        Scale_Player_Season_Stats(team, slot, season, percent);
    });
}

void Fill_Missing_Heights_And_Weights() {
    For_Each_Listed_Player(false, [](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT) == 0)
            Set_Player_Vital_Stat(
                team, slot, VITAL_HEIGHT,
                Get_Random_Player_Height(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
        if (Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT) == 0)
            Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, Get_Random_Player_Weight(team, slot));
    });
}

void Repair_Player_Birth_Years() {
    For_Each_Listed_Player(true, [](int32_t team, int32_t slot) {
        // A damaged birth date may hold any value, so the age is taken in 64 bits.
        const int64_t born = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
        const int64_t age = Get_Current_Year() - born / 10000;
        if (age > 100 || age < 17) Repair_Player_Birth_Year(team, slot);
    });
}

int32_t Repair_Player_Birth_Year(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return 0;
    // With the year inside the calendar the repaired date keeps its month and
    // day and always fits again.
    const int64_t year = Get_Current_Year();
    const int64_t born = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
    const int32_t repaired = static_cast<int32_t>(born + ((year - 22) - born / 10000) * 10000);
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, repaired);
    return repaired;
}

int32_t Set_Player_Age(int32_t team, int32_t slot, int32_t age) {
    if (!Is_Player_Address(team, slot)) return 0;
    const int64_t years = static_cast<int64_t>(Get_Player_Age(team, slot)) - age;
    const int64_t born =
        static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE)) + years * 10000;
    // An age that would put the birth date outside the field leaves it as it is.
    if (born >= INT32_MIN && born <= INT32_MAX)
        Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, static_cast<int32_t>(born));
    return Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
}

void Get_Player_College_Display_Name(int32_t team, int32_t slot, char* out) {
    char college[32] = {};
    Get_Player_College(team, slot, college);
    for (const COLLEGE_SHORT_NAME& name : COLLEGE_SHORT_NAMES) {
        if (strcasecmp(college, name.Long) == 0) {
            safe_strncpy(out, name.Short, 24);
            return;
        }
    }
    safe_strncpy(out, college, 24);
}

const char* Get_Player_External_ID_Pointer(int32_t team, int32_t slot) {
    static const char empty[1] = {};
    if (!Is_Player_Address(team, slot)) return empty;
    return Universe.Teams[team].Players[slot].External_ID;
}

void Add_To_Player_Vital_Stat(int32_t team, int32_t slot, int32_t, int32_t value) {
    Set_Player_Vital_Stat(team, slot, 17, Get_Player_Vital_Stat(team, slot, 17) + value);
}

int32_t Get_Lineman_Or_Defender_Code(int32_t team, int32_t slot) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (Get_Position_Unit(position) == 1) return 16;
    if (Get_Position_Group(position) == 1) return 17;
    return -1;
}

int32_t Get_Player_Playing_Time_Weight(int32_t team, int32_t slot) {
    return std::min(1024, 40 * (Stat(team, slot, 1, 1) + Stat(team, slot, 1, 0)));
}

int32_t Get_Rushing_Touchdown_Share(int32_t team, int32_t slot, int32_t season) {
    int32_t touchdowns = 150 * Stat(team, slot, season, 9);
    return 250 + Mul_Div_Round(500, touchdowns, Stat(team, slot, season, 8) + touchdowns);
}

int32_t Get_Player_Build_Figure(int32_t team, int32_t slot) {
    int32_t x = 120 - (Stat(team, slot, 3, 205) + Stat(team, slot, 3, 206)) / 3;
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int32_t average_weight = Get_Position_Average_Weight(position);
    int32_t average_height = Get_Position_Average_Height(position);
    int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
    int32_t weight = Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT);
    int32_t expected =
        Mul_Div_Round(Mul_Div_Round(average_weight, height, average_height), height, average_height);
    if (expected != 0) x += Mul_Div_Round(75, std::min(weight, 270) - expected, expected);
    int32_t tight_end_height = Get_Position_Average_Height(POSITION_TE);
    if (tight_end_height != 0) x += Mul_Div_Round(50, tight_end_height - height, tight_end_height);
    return x;
}

int32_t Get_Rushing_Production(int32_t team, int32_t slot, int32_t season) {
    int32_t x = Stat(team, slot, season, 8) + 30 * Stat(team, slot, season, 9);
    if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == POSITION_QB) x = x + 100 + x / 4;
    return Percent_Of(95, x);
}

int32_t Get_Receiving_Touchdown_Share(int32_t team, int32_t slot, int32_t season) {
    int32_t touchdowns = 165 * Stat(team, slot, season, 12);
    int32_t share = Mul_Div_Round(500, touchdowns, Stat(team, slot, season, 11) + touchdowns);
    return share + Clamp_Int(50, 200, Stat(team, slot, season, 113)) + 100;
}

int32_t Get_Receiving_Production(int32_t team, int32_t slot, int32_t season) {
    int32_t x = Stat(team, slot, season, 11) + 30 * Stat(team, slot, season, 12);
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position == POSITION_RB || position == POSITION_FB) return Percent_Of(120, x);
    if (position == POSITION_TE) return Percent_Of(110, x);
    return x;
}

int32_t Get_Lineman_Vital_Figure(int32_t team, int32_t slot) {
    int32_t ratio =
        Mul_Div_Round(3, Get_Player_Vital_Stat(team, slot, 9), Get_Player_Vital_Stat(team, slot, 8));
    return (ratio + 3 * Get_Player_Vital_Stat(team, slot, 23)) / 4;
}

int32_t Get_Lineman_Vital_Rating(int32_t team, int32_t slot) {
    return Get_Lineman_Vital_Figure(team, slot) + 70;
}

int32_t Scale_By_Predicted_Playing_Time(int32_t team, int32_t slot, int32_t value) {
    int32_t games = Games_Per_Season_Capped();
    int32_t played = Stat(team, slot, 3, 0) + 4 * Stat(team, slot, 3, 1);
    if (played >= 4 * games) return value;
    int32_t x = Rounded_Signed_Sqrt(40 * games);
    int32_t y = Rounded_Signed_Sqrt(10 * played);
    int32_t z = Mul_Div_Round(500, y, x);
    return Mul_Div_Round(z + 500, value, 1000);
}

int32_t Compute_Player_Stat_Score(int32_t team, int32_t slot) {
    int32_t weight = Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT);
    int32_t starts = Stat(team, slot, 3, 1);
    int32_t rushing_yards = Stat(team, slot, 1, 8);
    int32_t per_rush = Stat(team, slot, 2, 112);
    int32_t x = std::min(Clamp_Int(-15, 15, 400 - per_rush / 10), rushing_yards / 40);
    int32_t v = x + (500 - rushing_yards) / 20 + (weight - 220) / 2 + 2 * starts + 30;
    int32_t base_year = Universe.Header.Universe_Stats[BASE_YEAR];
    if (base_year >= 1986 && rushing_yards > 500) {
        // A damaged file's year or yards must not overflow the divisor.
        const int64_t divisor =
            static_cast<int64_t>(std::min(base_year, MAX_CALENDAR_YEAR) - 1980) * (rushing_yards - 500) +
            6250;
        v = Mul_Div_Round(v, 6250, static_cast<int32_t>(std::min<int64_t>(divisor, INT32_MAX)));
    }
    if (v < 30) v = (v + 30) / 2;
    if (v > 70) v = (v + 70) / 2;
    return Clamp_Int(0, 100, v);
}

int32_t Compute_Player_Rating_Blend(int32_t team, int32_t slot) {
    int32_t score = Compute_Player_Stat_Score(team, slot);
    int32_t v = (static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_RUN_BLOCKING)) - 70) * 3 + score;
    int32_t d = static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_RECEIVING)) + 70;
    int32_t q = Mul_Div_Round(140, v, d);
    int32_t uniform = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM);
    if (uniform >= 30 && uniform <= 49) q = Mul_Div_Round(uniform, q, 20);
    if (q < 20) q = (q + 20) / 2;
    if (q > 80) q = (q + 80) / 2;
    return Clamp_Int(0, 100, q);
}

int32_t Is_Rating_Blend_High(int32_t team, int32_t slot) {
    return Compute_Player_Rating_Blend(team, slot) >= 70;
}

int32_t Get_Tenth_Clamped(int32_t value) {
    return Clamp_Int(0, 99, value / 10);
}

int32_t Scale_By_Root_Count(int32_t a, int32_t n) {
    const int64_t root_of = (10000 * static_cast<int64_t>(n) + 200) / 400;
    const int32_t q = n == 0 ? 0 : Rounded_Signed_Sqrt(Clamp_To_Int32(root_of));
    const int64_t factor = static_cast<int64_t>(q) + 100;
    int64_t r = 0;
    if (a != 0) {
        r = (a * factor + 100) / 200;
        // One lower when q + 100 is no multiple of 200 and the signs differ.
        if (factor % 200 != 0 && (a < 0) != (factor < 0)) --r;
    }
    // A large negative value scaled up is held at the floor of the range.
    return static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(r, q / 2 + 50), INT32_MIN));
}
