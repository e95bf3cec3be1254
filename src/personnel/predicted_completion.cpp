// Completing predicted seasons and the kickers' longest kicks.
#include <algorithm>
#include <utility>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "tools/offensive_line_stats.h"

namespace {
constexpr int32_t FULL_SEASON_WEIGHT = 85; // 4 x 17 games + 17 starts
constexpr int32_t FULL_SEASON_GAMES = 17;
constexpr int32_t OLDEST_PREDICTED_AGE = 46;
constexpr int32_t RATED_YEAR = 2022;
constexpr int32_t STAT_LONG_PUNT = 5;
constexpr int32_t STAT_LONG_FIELD_GOAL = 18;
constexpr int32_t NUMBER_OF_PLAYER_SEASONS = FIRST_SEASON_LINE_SELECTOR + 30;

int32_t P(int32_t team, int32_t slot, int32_t stat) {
    return Get_Player_Stat(team, slot, SEASON_PREDICTED, stat);
}

void Set_P(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, value);
}

// Every unprotected statistic v becomes v - v (1000 - f) / 1000, rounded.
void Scale_Predicted_Line(int32_t team, int32_t slot, int32_t position, int32_t per_mille) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        if (Is_Predicted_Stat_Protected(position, stat)) continue;
        const int32_t value = P(team, slot, stat);
        Set_P(team, slot, stat, value - Mul_Div_Round(value, 1000 - per_mille, 1000));
    }
}

void Double_Predicted_Stats(int32_t team, int32_t slot, int32_t first, int32_t last) {
    for (int32_t stat = first; stat <= last; ++stat)
        Set_P(team, slot, stat, 2 * P(team, slot, stat));
}

// Run- and pass-blocking grades from playing time, young linemen credited
// with the seasons still ahead of them.
void Set_Blocking_Grades(int32_t team, int32_t slot, int32_t position) {
    int32_t games = P(team, slot, 0);
    int32_t starts = P(team, slot, 1);
    const int32_t k = Count_NFL_Seasons(team, slot) + 4;
    const int32_t age =
        RATED_YEAR + Get_Current_Season_Index() - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
    if (age < 32) {
        starts = Mul_Div_Round(starts, 32 - age + k, k);
        games = Mul_Div_Round(games, 32 - age + k, k);
    }
    int32_t run = starts / 15 + 60 + Rounded_Signed_Sqrt(games / 2);
    int32_t pass = starts / 13 + 60 + Rounded_Signed_Sqrt(games / 3);
    if (position == POSITION_T) {
        run -= 2;
        pass += 2;
    } else if (position == POSITION_G) {
        run += 1;
        pass -= 3;
    } else {
        run -= 1;
        pass -= 2;
    }
    Set_P(team, slot, 5, run);
    Set_P(team, slot, 6, pass);
    Set_Offensive_Line_Stats(team, slot);
}

// The longest field goal of the player's lines of `year`; 0 when none holds one.
int32_t Longest_Field_Goal_Of_Lines(int32_t team, int32_t slot, int32_t year) {
    int32_t longest = 0;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) == year)
            longest = std::max(longest, Get_Season_Line_Stat(line, STAT_LONG_FIELD_GOAL));
    }
    return longest;
}

bool Has_Return_Statistics(int32_t position) {
    return (position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
           position == POSITION_S;
}
} // namespace

void Complete_Player_Predicted_Stats(int32_t team, int32_t slot, int32_t pull) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (Get_Position_Group(position) == 1) Set_Blocking_Grades(team, slot, position);
    int32_t n = 4 * P(team, slot, 0) + P(team, slot, 1);
    const int32_t w = 5 * pull;
    if (n < 1) {
        // No playing time predicted: lean on the benchmark, the more the fewer his seasons.
        int32_t seasons = Count_NFL_Seasons(team, slot) + 2;
        if (Get_Universe_Stat(BASE_YEAR) == RATED_YEAR) --seasons;
        if (seasons > 1) {
            Scale_Predicted_Line(team, slot, position, 1000 - Mul_Div_Round(500, 1, seasons + 3));
            Add_Predicted_Benchmark_Share(team, slot, 100);
        } else if (seasons == 1) {
            Scale_Predicted_Line(team, slot, position, 500);
            Add_Predicted_Benchmark_Share(team, slot, 500);
        } else if (seasons == 0) {
            Scale_Predicted_Line(team, slot, position, 0);
            Add_Predicted_Benchmark_Share(team, slot, 1000);
        }
    } else {
        if (n < w) {
            const int32_t x = Mul_Div_Round(w - n, 1000, w);
            Add_Predicted_Benchmark_Share(team, slot, x);
            n += Mul_Div_Round(x, FULL_SEASON_WEIGHT, 1000);
        }
        if (Has_Return_Statistics(position)) Double_Predicted_Stats(team, slot, 14, 19);
        if (position == POSITION_K) Double_Predicted_Stats(team, slot, 8, 17);
        Scale_Predicted_Line(team, slot, position, Mul_Div_Round(FULL_SEASON_WEIGHT * 1000, 1, n));
    }
    Add_Predicted_Benchmark_Share(team, slot, 3 * pull);
    const int32_t starts = P(team, slot, 1);
    if (starts > FULL_SEASON_GAMES)
        Scale_Predicted_Line(team, slot, position, Mul_Div_Round(FULL_SEASON_GAMES * 1000, 1, starts));
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    if (age >= OLDEST_PREDICTED_AGE) {
        char first[PLAYER_NAME_TEXT_SIZE];
        char last[PLAYER_NAME_TEXT_SIZE];
        Get_Player_First_Name(team, slot, first);
        Get_Player_Last_Name(team, slot, last);
        Log_Debug_Line("Warning: %s %s is %d years old in Complete_Player_Predicted_Stats()", first, last,
                       age);
        return;
    }
    if (P(team, slot, 1) > FULL_SEASON_GAMES) Set_P(team, slot, 1, FULL_SEASON_GAMES);
    if (P(team, slot, 0) > FULL_SEASON_GAMES) Set_P(team, slot, 0, FULL_SEASON_GAMES);
    Reconcile_Predicted_Player_Stats(team, slot);
}

void Complete_All_Predicted_Stats(int32_t pull) {
    For_Each_League_Player(
        [pull](int32_t team, int32_t slot) { Complete_Player_Predicted_Stats(team, slot, pull); });
}

void Complete_All_Predicted_Stats_For_Base_Year() {
    Complete_All_Predicted_Stats(Get_Universe_Stat(BASE_YEAR) == RATED_YEAR ? 25 : 51);
}

void Complete_All_Kicker_Stats() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            if (!Is_Active_Team(team) || Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_K)
                return;
            auto missing = [&](int32_t season) {
                return Get_Player_Stat(team, slot, season, STAT_LONG_FIELD_GOAL) == 0 &&
                       Get_Player_Stat(team, slot, season, SEASON_LINE_FIELD_GOALS_MADE) > 0;
            };
            // The lines first, then this and last season, which are the
            // seasons of their lines: a season is never shorter than its
            // lines' longest, a longest a line got here included. (The career
            // reads the longest of them all.)
            for (int32_t season = FIRST_SEASON_LINE_SELECTOR; season < NUMBER_OF_PLAYER_SEASONS; ++season)
                if (missing(season)) Set_Longest_Field_Goal(team, slot, season);
            const int32_t year = Get_Current_Year();
            for (const auto& [season, line_year] :
                 {std::pair{SEASON_THIS, year}, std::pair{SEASON_LAST, year - 1}}) {
                const int32_t lines = Longest_Field_Goal_Of_Lines(team, slot, line_year);
                if (lines > Get_Player_Stat(team, slot, season, STAT_LONG_FIELD_GOAL))
                    Set_Player_Stat(team, slot, season, STAT_LONG_FIELD_GOAL, lines);
            }
            for (int32_t season = 0; season < FIRST_SEASON_LINE_SELECTOR; ++season)
                if (missing(season)) Set_Longest_Field_Goal(team, slot, season);
        },
        0, MAX_FRANCHISES - 1);
}

void Set_Longest_Field_Goal(int32_t team, int32_t slot, int32_t season) {
    const int32_t first = Random_Below(3);
    const int32_t second = Random_Below(3);
    const int32_t e = season == SEASON_PREDICTED ? 0 : first - second;
    auto s = [&](int32_t stat) { return Get_Player_Stat(team, slot, season, stat); };
    int32_t longest;
    if (s(17) != 0) {
        const int32_t from_fifty = 2 * s(17) + 48 - s(16) / 2 + e;
        longest = e / 2 + 51 > from_fifty ? e / 2 + 51 : from_fifty;
    } else if (s(15) != 0) {
        longest = 47 + e;
    } else if (s(13) != 0) {
        longest = 37 + e;
    } else {
        longest = 27 + e;
    }
    Set_Player_Stat(team, slot, season, STAT_LONG_FIELD_GOAL, longest);
}

void Set_Longest_Punt(int32_t team, int32_t slot, int32_t season) {
    const int32_t punts = Get_Player_Stat(team, slot, season, 2);
    const int32_t yards = Get_Player_Stat(team, slot, season, 3);
    int32_t longest = 0;
    if (punts == 1) {
        longest = yards;
    } else if (punts > 1) {
        const int32_t spread = Rounded_Signed_Sqrt((punts + 3) * 10);
        longest = yards / punts + spread / 2;
        longest += static_cast<int32_t>(static_cast<float>(spread) * Random_Float(1.0f));
    }
    Set_Player_Stat(team, slot, season, STAT_LONG_PUNT, longest);
}

void Randomize_Punter_Last_Seasons() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            if (!Is_Active_Team(team) || Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_P)
                return;
            const int32_t punts = 40 + Random_Int(21);
            const int32_t longer = Random_Int(25);
            const int32_t shorter = Random_Int(25);
            const int32_t yards = punts * (400 + longer - shorter) / 10;
            const int32_t longest = 55 + Random_Int(11);
            const int32_t touchbacks = 4 + Random_Int(5);
            const int32_t games = std::min(punts / 3 + Random_Int(5), FULL_SEASON_GAMES);
            Set_Player_Stat(team, slot, SEASON_LAST, 2, punts);
            Set_Player_Stat(team, slot, SEASON_LAST, 3, yards);
            Set_Player_Stat(team, slot, SEASON_LAST, STAT_LONG_PUNT, longest);
            Set_Player_Stat(team, slot, SEASON_LAST, 6, touchbacks);
            Set_Player_Stat(team, slot, SEASON_LAST, 0, games);
        },
        0, MAX_FRANCHISES - 1);
}
