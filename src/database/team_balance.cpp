#include "database/team_balance.h"

#include <cstring>
#include <initializer_list>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/random_ratings.h"

namespace {

constexpr float MISSING_STARTER_VALUE = 20.0f;
constexpr int32_t BALANCE_OFFSET = 600;
constexpr int32_t SYSTEM_4_3 = 0;
constexpr int32_t SYSTEM_3_4 = 1;
// The reset of the balance levels covers the slots of a 32-team league.
constexpr int32_t RESET_BALANCE_SLOTS = 32;

enum STARTER { QB, RB, TE, WR1, WR2, WR3, T1, G1, C, G2, T2, STARTERS };

struct STARTER_SPOT {
    int32_t position;
    int32_t n;
};
constexpr STARTER_SPOT STARTER_SPOTS[STARTERS] = {
    {POSITION_QB, 0}, {POSITION_RB, 0}, {POSITION_TE, 0}, {POSITION_WR, 0},
    {POSITION_WR, 1}, {POSITION_WR, 2}, {POSITION_T, 0},  {POSITION_G, 0},
    {POSITION_C, 0},  {POSITION_G, 1},  {POSITION_T, 1},
};

struct STARTERS_OF_TEAM {
    int32_t team;
    int32_t slot[STARTERS];
    bool Present(int32_t s) const { return slot[s] < PLAYERS_PER_TEAM; }
    // A missing starter counts 20.0 for any rating or blend.
    float Rating(int32_t s, int32_t rating) const {
        return Present(s) ? Get_Player_Rating(team, slot[s], rating) : MISSING_STARTER_VALUE;
    }
};

float Receiving_Blend(const STARTERS_OF_TEAM& t, int32_t s) {
    if (!t.Present(s)) return MISSING_STARTER_VALUE;
    float sum = t.Rating(s, RATING_SPEED) + t.Rating(s, RATING_QUICKNESS) + t.Rating(s, RATING_POWER) +
                t.Rating(s, RATING_VISION) + t.Rating(s, RATING_HANDS) + t.Rating(s, RATING_RED_ZONE);
    return 0.1f * sum + 0.4f * t.Rating(s, RATING_RECEIVING);
}

// The running and passing blends are the record's own composites.
float Composite(const STARTERS_OF_TEAM& t, int32_t s, int32_t composite) {
    return t.Present(s) ? Get_Player_Rating(t.team, t.slot[s], composite) : MISSING_STARTER_VALUE;
}

// Adds a term in single precision and truncates, as the totals are kept.
void Add_Term(int32_t& total, float term) {
    total = static_cast<int32_t>(static_cast<float>(total) + term);
}

float Evaluated(int32_t team, int32_t slot, int32_t position) {
    if (slot < 0) return 25.0f;
    float value = Get_Player_Position_Rating(team, slot, position);
    if (value < 25.0f) {
        Randomize_Player_Ratings(team, slot);
        value = Get_Player_Position_Rating(team, slot, position);
    }
    return value;
}

} // namespace

int32_t Get_Team_Offensive_Balance(int32_t team) {
    STARTERS_OF_TEAM t{team, {}};
    for (int32_t s = 0; s < STARTERS; ++s)
        t.slot[s] =
            team > 40 || team < 0
                ? NO_PLAYER
                : Get_Team_Uninjured_Position_Player(team, STARTER_SPOTS[s].position, STARTER_SPOTS[s].n);
    int32_t passing = 0;
    Add_Term(passing, 10.0f * Composite(t, QB, RATING_PASSING_COMPOSITE));
    Add_Term(passing, 4.0f * Receiving_Blend(t, WR1));
    Add_Term(passing, 3.0f * Receiving_Blend(t, WR2));
    Add_Term(passing, 2.0f * Receiving_Blend(t, WR3));
    Add_Term(passing, 2.0f * Receiving_Blend(t, TE));
    Add_Term(passing, 1.0f * Receiving_Blend(t, RB));
    Add_Term(passing, 1.0f * t.Rating(T1, RATING_PASS_BLOCKING));
    for (int32_t s : {G1, C, G2, T2})
        Add_Term(passing, 0.5f * t.Rating(s, RATING_PASS_BLOCKING));
    int32_t running = 0;
    Add_Term(running, 2.0f * Composite(t, QB, RATING_RUNNING_COMPOSITE));
    Add_Term(running, 10.0f * Composite(t, RB, RATING_RUNNING_COMPOSITE));
    for (int32_t s : {T1, G1, C, G2, T2})
        Add_Term(running, 1.0f * t.Rating(s, RATING_RUN_BLOCKING));
    return passing - (running + BALANCE_OFFSET);
}

void Update_Team_Strength_Levels() {
    int32_t active = Count_Active_Teams();
    if (active == 0) return;
    int32_t score[MAX_FRANCHISES] = {};
    int32_t sum = 0;
    for (int32_t team = 0; team < active; ++team) {
        score[team] = Get_Team_Offensive_Balance(team);
        sum += score[team];
    }
    int32_t mean = sum / active;
    bool multi_season = Get_User_Preference(MULTI_SEASON_SIMULATION) != 0;
    for (int32_t team = 0; team < active; ++team) {
        if (Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN && !multi_season) continue;
        int32_t d = score[team] - mean;
        int32_t level = 10;
        if (d >= 120) level = 10 + (d - 60) / 60;
        if (d <= -120) level = 10 - (-d - 60) / 60;
        Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE, level < 0 ? 0 : level > 20 ? 20 : level);
    }
}

void Reset_Team_Strength_Levels() {
    for (int32_t team = 0; team < RESET_BALANCE_SLOTS; ++team)
        Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE, 10);
}

void Choose_Team_Defensive_System(int32_t team) {
    if (!Is_Active_Team(team)) return;
    int32_t linebackers = Count_Team_Position_Players(team, POSITION_LB);
    int32_t tackles = Count_Team_Position_Players(team, POSITION_DT);
    int32_t a =
        static_cast<int32_t>(Evaluated(team, Get_Team_Position_Player(team, POSITION_LB, 3), POSITION_LB) +
                             static_cast<float>(linebackers - 5));
    int32_t b =
        static_cast<int32_t>(Evaluated(team, Get_Team_Position_Player(team, POSITION_DT, 1), POSITION_DT) +
                             static_cast<float>(tackles - 2));
    if (a > b + 3)
        Set_Team_Defensive_System(team, SYSTEM_3_4);
    else if (a + 3 < b)
        Set_Team_Defensive_System(team, SYSTEM_4_3);
}

void Assign_Historic_Defensive_Systems() {
    int32_t active = Count_Active_Teams();
    Assign_Team_Defensive_Systems();
    int32_t year = Universe.Header.Universe_Stats[BASE_YEAR];
    if (year < 2008 || active != 32) {
        for (int32_t team = 0; team < active; ++team) {
            char nickname[TEAM_STRING_LENGTH];
            Get_Team_String(nickname, team, 2);
            bool three_four = (strcmp(nickname, "Steelers") == 0 && year >= 1982) ||
                              (strcmp(nickname, "Giants") == 0 && year >= 1984 && year <= 1990) ||
                              (strcmp(nickname, "Bills") == 0 && year >= 1991 && year <= 1997) ||
                              (strcmp(nickname, "Patriots") == 0 && year >= 2000);
            if (three_four) Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, SYSTEM_3_4);
        }
        return;
    }
    constexpr int32_t THREE_FOUR_SLOTS[] = {0, 2, 8, 11, 12, 13, 15, 24, 25, 26, 31};
    for (int32_t team = 0; team < 32; ++team)
        Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, SYSTEM_4_3);
    for (int32_t team : THREE_FOUR_SLOTS)
        Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, SYSTEM_3_4);
    if (year < 2010)
        for (int32_t team : {0, 3, 9, 11, 15, 31})
            Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, SYSTEM_4_3);
    if (year < 2011) Set_Team_Stat(21, TEAM_STAT_DEFENSIVE_SYSTEM, SYSTEM_3_4);
}

void Assign_Historic_Systems_And_Reset_Levels() {
    Assign_Historic_Defensive_Systems();
    Reset_Team_Strength_Levels();
}
