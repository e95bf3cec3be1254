// Depth-chart automation.
#include "frontoffice/depth_charts.h"

#include <cstring>
#include <utility>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/position_fitness.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/returners.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"

namespace {
constexpr int32_t NUMBER_OF_UNITS = 3;
constexpr int32_t FULLBACK_BONUS = 20000;
constexpr int32_t SPARE_TIGHT_END_BONUS = 10000;
constexpr int32_t EXPANDED_LEFT_TACKLE = 21;
constexpr int32_t EXPANDED_LEFT_GUARD = 22;
constexpr int32_t EXPANDED_RIGHT_GUARD = 23;
constexpr int32_t EXPANDED_RIGHT_TACKLE = 24;
// Offensive line starters in unit order: tackle, guard, centre, guard, tackle.
constexpr int32_t FIRST_TACKLE = 6;
constexpr int32_t FIRST_GUARD = 7;
constexpr int32_t SECOND_GUARD = 9;
constexpr int32_t SECOND_TACKLE = 10;
constexpr int32_t DEPTH_CHART_FACTOR_SETTING = 16;
constexpr int32_t FINANCE_SCOUTING_STAT = 2;
constexpr int32_t ALL_TEAMS_PASSES = 5;

// Unit of the player in a slot; positions without a unit sort first.
int32_t Sort_Unit(int32_t team, int32_t slot) {
    const int32_t unit = Get_Player_Unit(team, slot);
    return unit >= 0 && unit < NUMBER_OF_UNITS ? unit : -1;
}

// First slot of a unit's players, -1 when the unit has none.
int32_t Find_First_Unit_Player(int32_t team, int32_t unit) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Unit(team, slot) == unit) return slot;
    return -1;
}

int32_t Expanded_Position(int32_t team, int32_t slot) {
    return Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
}

// What each slot's fitness is worked out from, read once per call: a swap of
// slots swaps their entries. A reading that drew (new ratings for a player
// below the minimum) is not kept, and the next asks again as before.
struct FITNESS_CACHE {
    int32_t Team;
    int32_t Keep_Injured;
    bool Known[PLAYERS_PER_TEAM];
    PLAYER_FITNESS Player[PLAYERS_PER_TEAM];
};

int32_t Cached_Fitness(FITNESS_CACHE& cache, int32_t slot, int32_t position) {
    if (!cache.Known[slot]) {
        const uint64_t draws = Get_Random_Draw_Count();
        cache.Player[slot] = Read_Player_Fitness(cache.Team, slot, cache.Keep_Injured);
        cache.Known[slot] = Get_Random_Draw_Count() == draws;
    }
    return Get_Fitness_At_Position(cache.Player[slot], position);
}

void Swap_Cached_Slots(FITNESS_CACHE& cache, int32_t a, int32_t b) {
    Swap_Players(cache.Team, a, cache.Team, b);
    std::swap(cache.Known[a], cache.Known[b]);
    std::swap(cache.Player[a], cache.Player[b]);
}

// The offensive line left to right: a right tackle or guard in a left-side
// starter slot moves across, then a left one in a right-side slot.
void Order_Offensive_Line(int32_t team, int32_t first) {
    const int32_t lt = first + FIRST_TACKLE, lg = first + FIRST_GUARD;
    const int32_t rg = first + SECOND_GUARD, rt = first + SECOND_TACKLE;
    if (Expanded_Position(team, lt) == EXPANDED_RIGHT_TACKLE) Swap_Players(team, lt, team, rt);
    if (Expanded_Position(team, lg) == EXPANDED_RIGHT_GUARD) Swap_Players(team, lg, team, rg);
    if (Expanded_Position(team, rt) == EXPANDED_LEFT_TACKLE) Swap_Players(team, rt, team, lt);
    if (Expanded_Position(team, rg) == EXPANDED_LEFT_GUARD) Swap_Players(team, rg, team, lg);
}

int32_t Linebacker_Run_Score(int32_t team, int32_t slot) {
    const int32_t run = Truncate_Rating(Read_Repaired_Player_Rating(team, slot, RATING_RUN_DEFENSE));
    const int32_t rush = Truncate_Rating(Read_Repaired_Player_Rating(team, slot, RATING_PASS_RUSH));
    return run - rush / 3;
}

int32_t Find_Uninjured_Linebacker(int32_t team, int32_t n) {
    if (Count_Team_Available_Position_Players(team, POSITION_LB) <= n) return NO_PLAYER;
    return Get_Team_Uninjured_Position_Player(team, POSITION_LB, n);
}

// Of the first two healthy linebackers, the better run defender stands second.
void Order_Linebackers(int32_t team) {
    int32_t first = Find_Uninjured_Linebacker(team, 0);
    int32_t second = Find_Uninjured_Linebacker(team, 1);
    if (first == NO_PLAYER || second == NO_PLAYER) {
        Fill_Roster_Minimums(team);
        first = Find_Uninjured_Linebacker(team, 0);
        second = Find_Uninjured_Linebacker(team, 1);
        if (first == NO_PLAYER || second == NO_PLAYER) return;
    }
    if (Linebacker_Run_Score(team, first) > Linebacker_Run_Score(team, second))
        Swap_Players(team, first, team, second);
}

// A human-run team's automatic depth chart keeps one scale factor of its own
// (setting 16), worked out from the difficulty and the scouting staff's rank
// the first time it is needed.
void Ensure_Depth_Chart_Factor(int32_t team) {
    if (!Is_Human_Team(team) || Get_User_Preference(COMMISSIONER_MODE) != 0) return;
    if (Get_User_Preference(DEPTH_CHART_FACTOR_SETTING) != 0) return;
    const int32_t scouting = Get_Team_Financial_Stat(team, FINANCE_SCOUTING_STAT);
    int32_t ease = scouting;
    const int32_t others = Count_Active_Teams() - 1;
    if (scouting >= 500 && others > 0)
        ease = 1500 - Get_Team_Financial_Rank(team, FINANCE_SCOUTING_STAT) * (1000 / others);
    int32_t factor = ((Get_User_Preference(DIFFICULTY_LEVEL) + 15) * 100 - ease) / 4;
    Set_User_Preference(DEPTH_CHART_FACTOR_SETTING, factor < 1 ? 1 : factor);
}

int32_t Section_Key(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    return (15 - position) * 100000 + Get_Player_Fitness_At_Position(team, slot, position, 0);
}

void Run_Team_Pass(int32_t team, int32_t keep_injured) {
    if (!Is_Franchise_Slot(team)) return;
    Cut_Roster_To_Limit(team);
    for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
        Auto_Set_Depth_Chart(team, unit, keep_injured);
    Choose_Team_Returners(team);
    Sort_Team_Roster(team);
    Compact_Team_Roster(team);
}
} // namespace

void Sort_Roster_By_Position(int32_t team) {
    const int32_t count = Get_First_Empty_Player_Slot(team);
    int32_t unit[PLAYERS_PER_TEAM];
    for (int32_t slot = 0; slot < count; ++slot)
        unit[slot] = Sort_Unit(team, slot);
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int32_t slot = 0; slot + 1 < count; ++slot)
            if (unit[slot + 1] < unit[slot]) {
                Swap_Players(team, slot, team, slot + 1);
                std::swap(unit[slot], unit[slot + 1]);
                swapped = true;
            }
    }
}

void Auto_Set_Depth_Chart(int32_t team, int32_t unit, int32_t keep_injured) {
    if (!Is_Team_Record_Slot(team) || unit < 0 || unit >= NUMBER_OF_UNITS) return;
    Ensure_Depth_Chart_Factor(team);
    // A gap in the roster would read as a unit without players.
    Compact_Team_Roster(team);
    Sort_Roster_By_Position(team);
    const int32_t first = Find_Or_Create_Unit_Player(team, unit);
    const int32_t last = Find_Last_Unit_Player(team, unit);
    if (first < 0 || first >= PLAYERS_PER_TEAM || last < first) return;
    static FITNESS_CACHE cache;
    cache.Team = team;
    cache.Keep_Injured = keep_injured;
    std::memset(cache.Known, 0, sizeof cache.Known);
    const int32_t starters = Get_Unit_Size(unit);
    for (int32_t k = 0; k < starters && first + k <= last; ++k) {
        const int32_t position = Get_Starter_Slot_Position(team, unit, k);
        if (position < 0) break;
        const int32_t best_tight_end = position == POSITION_FB ? Find_Best_Tight_End(team) : NO_PLAYER;
        int32_t best = first + k;
        int64_t best_fitness = 0;
        for (int32_t slot = first + k; slot <= last; ++slot) {
            int64_t fitness = Cached_Fitness(cache, slot, position);
            if (position == POSITION_FB) {
                // A fullback first, then a spare tight end before the best one.
                const int32_t own = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                if (own == POSITION_FB) fitness += FULLBACK_BONUS;
                if (own == POSITION_TE && slot != best_tight_end) fitness += SPARE_TIGHT_END_BONUS;
            }
            if (slot == first + k || fitness > best_fitness) {
                best = slot;
                best_fitness = fitness;
            }
        }
        if (best != first + k) Swap_Cached_Slots(cache, first + k, best);
    }
    if (unit == 0 && last - first >= SECOND_TACKLE) Order_Offensive_Line(team, first);
    if (unit == 1) Order_Linebackers(team);
}

void Sort_Roster_Section(int32_t team, int32_t unit) {
    if (!Is_Team_Record_Slot(team) || unit < 0 || unit >= NUMBER_OF_UNITS) return;
    const int32_t first = Find_First_Unit_Player(team, unit);
    const int32_t last = Find_Last_Unit_Player(team, unit);
    if (first < 0) return;
    int32_t key[PLAYERS_PER_TEAM];
    for (int32_t slot = first + Get_Unit_Size(unit); slot <= last; ++slot)
        key[slot] = Section_Key(team, slot);
    for (int32_t slot = first + Get_Unit_Size(unit); slot < last; ++slot) {
        int32_t best = slot;
        for (int32_t other = slot + 1; other <= last; ++other)
            if (key[other] > key[best]) best = other;
        if (best == slot) continue;
        Swap_Players(team, slot, team, best);
        std::swap(key[slot], key[best]);
    }
}

void Sort_Team_Roster(int32_t team) {
    for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
        Sort_Roster_Section(team, unit);
}

void Auto_Set_Team_Depth_Chart(int32_t team) {
    Run_Team_Pass(team, 0);
}

void Auto_Set_Computer_Depth_Charts(int32_t keep_injured) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) return;
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Computer_Team(team)) Run_Team_Pass(team, keep_injured);
    for (int32_t pool = FREE_AGENT_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool)
        Compact_Team_Roster(pool);
}

void Auto_Set_All_Depth_Charts(int32_t keep_injured) {
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t pass = 0; pass < ALL_TEAMS_PASSES; ++pass) {
        for (int32_t team = pass; team < teams; team += ALL_TEAMS_PASSES)
            Run_Team_Pass(team, keep_injured);
        Step_Progress(1);
    }
}
