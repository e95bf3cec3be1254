// Betting lines: the point spread and the over/under of a game.
#include "views/point_spreads.h"

#include <cstdio>
#include <cstdlib>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/team_unit_ratings.h"

namespace {
// Average points one team scored per game, seasons 1951-2020.
constexpr float SEASON_SCORING[70] = {
    22.9f, 21.9f, 22.3f, 21.5f, 21.9f, 20.8f, 20.4f, 19.8f, 22.6f, 21.3f, 21.6f, 21.5f, 22.3f, 22.0f,
    22.0f, 23.1f, 21.7f, 21.8f, 20.5f, 20.9f, 19.3f, 19.4f, 20.3f, 19.5f, 18.2f, 20.6f, 19.2f, 17.2f,
    18.3f, 20.1f, 20.5f, 20.7f, 20.2f, 21.8f, 21.2f, 21.5f, 20.5f, 21.6f, 20.3f, 20.6f, 20.1f, 19.0f,
    18.7f, 18.7f, 20.3f, 21.5f, 20.4f, 20.7f, 21.3f, 20.8f, 20.7f, 20.2f, 21.7f, 20.8f, 21.5f, 20.6f,
    20.7f, 21.7f, 22.0f, 21.5f, 22.0f, 22.2f, 22.8f, 23.4f, 22.6f, 22.8f, 22.7f, 22.3f, 22.8f, 22.8f};

bool Is_Record_In_Use(const GAME_RECORD* pGame) {
    return pGame != nullptr && pGame->Season_Year > 0;
}
} // namespace

int32_t Betting_Line_Divide(int32_t x, int32_t m, int32_t n) {
    if (n == 0) return 0;
    const int64_t product = static_cast<int64_t>(x) * m;
    int64_t q = (product + n / 2) / n;
    if (x < 0 && x % n != 0) --q;
    return static_cast<int32_t>(q);
}

int32_t Round_To_Half_Point(int32_t value) {
    const int32_t shifted = value + 2;
    return shifted - shifted % 5;
}

int32_t Compute_Point_Spread(int32_t rating_difference, int32_t rank_difference, int32_t active_teams) {
    int32_t h = (35 * rating_difference + 1100) / 2200;
    if (rating_difference < 0 && rating_difference % 2200 != 0) --h;
    const int32_t k = active_teams == 0 ? 0 : Betting_Line_Divide(rank_difference, 70, active_teams);
    int32_t s = h - 27 + k;
    if (std::abs(s) > 95) {
        // Spreads beyond 9.5 points are compressed.
        const int32_t t = std::abs(s) + 200;
        const bool negative = s < 0;
        s = (295 * s + t / 2) / t;
        if (negative) --s;
    }
    return Round_To_Half_Point(s);
}

int32_t Get_Point_Spread_By_Rating(int32_t team_a, int32_t team_b) {
    // One rating a statement: a rating may draw (a unit without a player gets
    // one), and the order of an operator's operands is open.
    const int32_t rating_a = Get_Team_Overall_Rating(team_a);
    const int32_t d = rating_a - Get_Team_Overall_Rating(team_b);
    // Ranks count the better teams (0 = best).
    const int32_t rank_b = Get_Team_Strength_Rank(team_b);
    const int32_t e = rank_b - Get_Team_Strength_Rank(team_a);
    return Compute_Point_Spread(d, e, Count_Active_Teams());
}

int32_t Compute_Over_Under(int32_t offense_ranks, int32_t defense_ranks, int32_t active_teams, int32_t year) {
    const int32_t x1 = active_teams - offense_ranks + 1;
    const int32_t x2 = active_teams - defense_ranks + 1;
    const int32_t p1 = Betting_Line_Divide(x1, 1000, active_teams + 1);
    const int32_t p2 = Betting_Line_Divide(x2, 1000, active_teams + 1);
    int32_t index = year < 1951 ? 0 : year - 1951;
    if (index > 69) index = 69;
    const float total = SEASON_SCORING[index] * 2.0f * 10.0f;
    const int32_t t = static_cast<int32_t>(total);
    return Round_To_Half_Point(Mul_Div_Round(t, p1 + 7000, p2 + 7000));
}

int32_t Get_Over_Under_By_Rank(int32_t team_a, int32_t team_b) {
    // Each rank in a statement of its own, team a's first: a rank may draw.
    const int32_t offense_a = Get_Team_Offense_Rank(team_a) + 1;
    const int32_t offense = offense_a + Get_Team_Offense_Rank(team_b) + 1;
    const int32_t defense_a = Get_Team_Defense_Rank(team_a) + 1;
    const int32_t defense = defense_a + Get_Team_Defense_Rank(team_b) + 1;
    return Compute_Over_Under(offense, defense, Count_Active_Teams(), Get_Current_Year());
}

int32_t Get_Point_Spread_By_Rank(int32_t team_a, int32_t team_b) {
    return Get_Over_Under_By_Rank(team_a, team_b);
}

int32_t Get_Game_Point_Spread(GAME_RECORD* pGame, int32_t team_a, int32_t team_b) {
    if (!Is_Record_In_Use(pGame)) return Get_Point_Spread_By_Rating(team_a, team_b);
    if (pGame->Rating_Spread != 0) return static_cast<int32_t>(pGame->Rating_Spread) - 1000;
    const int32_t spread = Get_Point_Spread_By_Rating(team_a, team_b);
    pGame->Rating_Spread = static_cast<uint16_t>(spread + 1000);
    return spread;
}

int32_t Get_Game_Over_Under(GAME_RECORD* pGame, int32_t team_a, int32_t team_b) {
    if (!Is_Record_In_Use(pGame)) return Get_Over_Under_By_Rank(team_a, team_b);
    if (pGame->Rank_Spread != 0) return static_cast<int32_t>(pGame->Rank_Spread) - 1000;
    const int32_t line = Get_Over_Under_By_Rank(team_a, team_b);
    pGame->Rank_Spread = static_cast<uint16_t>(line + 1000);
    return line;
}

void Format_Point_Spread_Text(char* buffer, int size, GAME_RECORD* pGame, int32_t team_a, int32_t team_b) {
    if (buffer == nullptr || size < 1) return;
    const int32_t spread = Get_Game_Point_Spread(pGame, team_a, team_b);
    if (spread == 0) {
        safe_strncpy(buffer, "Pick'em", size);
        return;
    }
    char abbreviation[TEAM_STRING_LENGTH];
    Get_Team_String(abbreviation, spread > 0 ? team_a : team_b, 0);
    const int32_t points = std::abs(spread);
    if (points % 10 == 0)
        std::snprintf(buffer, static_cast<size_t>(size), "-%d (%s)", points / 10, abbreviation);
    else
        std::snprintf(buffer, static_cast<size_t>(size), "-%d.%d (%s)", points / 10, points % 10,
                      abbreviation);
}
