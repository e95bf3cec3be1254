// Team needs at each position, measured against the league norms.
#include "frontoffice/team_needs.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/rating_value.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/trade_offer.h"
#include "personnel/contract_length.h"

namespace {
constexpr int32_t DEPTH_TARGET[NEED_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
constexpr int32_t VALUE_SCALE[NEED_POSITIONS] = {1750, 1100, 500, 300, 1000, 900, 900, 900,
                                                 400,  200,  700, 800, 750,  300, 300};
constexpr int32_t NORM_PREFERENCE[NEED_ROLES] = {STARTER_NEED_NORM_PREFERENCE, DEPTH_NEED_NORM_PREFERENCE,
                                                 YOUTH_NEED_NORM_PREFERENCE};
constexpr int32_t MIN_NEED = 400;
constexpr int32_t MAX_NEED = 2000;

bool Is_Need_Position(int32_t position) {
    return static_cast<uint32_t>(position) < NEED_POSITIONS;
}

// A value on the position's own scale, per mille.
int32_t Scaled_Value(int32_t value, int32_t position) {
    return Mul_Div_Round(value, 1000, VALUE_SCALE[position]);
}

int32_t Clamp_Need(int64_t value) {
    return value < MIN_NEED ? MIN_NEED : value > MAX_NEED ? MAX_NEED : static_cast<int32_t>(value);
}

// The team whose table is being built, NO_VALUED_TEAM outside a build.
constexpr int32_t NO_VALUED_TEAM = -1;
int32_t Valued_Team = NO_VALUED_TEAM;

// The valued team's players at each position, read in one walk of its packed
// roster (slot order up to the first empty slot) as Get_Team_Position_Player
// and Count_Team_Position_Players read it. Valuing a player moves nobody and
// changes no position; the index is read again after a draw in the build
// all the same.
struct POSITION_INDEX {
    int32_t Count[NEED_POSITIONS];
    int32_t Slots[NEED_POSITIONS][PLAYERS_PER_TEAM];
};
POSITION_INDEX Index;

void Index_Positions(int32_t team) {
    std::memset(Index.Count, 0, sizeof Index.Count);
    if (!Is_Team_Record_Slot(team) || !Is_Valid_Team_Code(team)) return;
    const PLAYER_RECORD* players = Universe.Teams[team].Players;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0;
         ++slot) {
        const int32_t position = players[slot].Vital_Stats[VITAL_POSITION];
        if (Is_Need_Position(position)) Index.Slots[position][Index.Count[position]++] = slot;
    }
}

// The roster queries of the measures (positions 0-14), from the index while
// the team's table is built.
int32_t Players_At(int32_t team, int32_t position) {
    return team == Valued_Team ? Index.Count[position] : Count_Team_Position_Players(team, position);
}

int32_t Player_At(int32_t team, int32_t position, int32_t n) {
    if (team != Valued_Team) return Get_Team_Position_Player(team, position, n);
    return n >= 0 && n < Index.Count[position] ? Index.Slots[position][n] : -1;
}

int32_t Last_Starter_At(int32_t team, int32_t position) {
    if (team != Valued_Team) return Get_Last_Starter_At_Position(team, position);
    const int32_t starters = Get_Position_Starter_Count(position);
    if (starters == 0 || Index.Count[position] < starters) return -1;
    return Index.Slots[position][starters - 1];
}

int32_t First_Backup_At(int32_t team, int32_t position) {
    if (team != Valued_Team) return Get_First_Backup_At_Position(team, position);
    const int32_t starters = Get_Position_Starter_Count(position);
    if (starters == 0 || Index.Count[position] <= starters) return -1;
    return Index.Slots[position][starters];
}

// Each measure of a table values the same players again: while the table is
// built a kept value is given per slot from here. A draw anywhere in the
// build (a player given new ratings) forgets them and reads the positions
// again.
struct BUILD_VALUES {
    uint64_t Draws;
    bool Known[PLAYERS_PER_TEAM];
    int32_t Value[PLAYERS_PER_TEAM];
};
BUILD_VALUES Build_Values;

void Start_Build_Values() {
    Build_Values.Draws = Get_Random_Draw_Count();
    std::memset(Build_Values.Known, 0, sizeof Build_Values.Known);
}

void Check_Build_Draws(int32_t team) {
    if (Get_Random_Draw_Count() == Build_Values.Draws) return;
    Start_Build_Values();
    Index_Positions(team);
}

int32_t Player_Value(int32_t team, int32_t slot) {
    if (team != Valued_Team || !Is_Player_Address(team, slot)) return Get_Player_Value(team, slot);
    Check_Build_Draws(team);
    if (Build_Values.Known[slot]) return Build_Values.Value[slot];
    const int32_t value = Get_Player_Value(team, slot);
    if (Get_Random_Draw_Count() != Build_Values.Draws) {
        Check_Build_Draws(team);
        return value;
    }
    Build_Values.Known[slot] = Is_Player_Value_Kept(team, slot);
    Build_Values.Value[slot] = value;
    return value;
}

// Wins less losses of the team's current season.
int32_t Record_Margin(int32_t team) {
    return Get_Team_Wins(team) - Get_Team_Losses(team);
}

int32_t Metric(int32_t row, int32_t team, int32_t position) {
    switch (row) {
    case ROLE_STARTER:
        return Get_Position_Need_Metric(team, position);
    case ROLE_VETERAN_BACKUP:
        return Get_Position_Depth_Metric(team, position);
    default:
        return Get_Position_Strength_Metric(team, position);
    }
}

int32_t Compute_League_Norm(int32_t row, int32_t position) {
    if (!Is_Need_Position(position)) return 0;
    const int32_t teams = Refresh_Active_Team_Count();
    int64_t total = 0;
    for (int32_t team = 0; team < teams; ++team)
        total += Metric(row, team, position);
    const int32_t norm = teams > 0 ? static_cast<int32_t>(total / teams) : 0;
    Set_User_Preference(NORM_PREFERENCE[row] + position, norm);
    if (Valued_Team != NO_VALUED_TEAM) {
        Index_Positions(Valued_Team);
        Start_Build_Values();
    }
    return norm;
}

// Squeezes a need ratio into 400..2000: below 800 and above 1400 at half rate.
int32_t Compress_Need_Ratio(int32_t ratio) {
    if (ratio < 800) return Clamp_Need(ratio / 2 + 400);
    if (ratio > 1400) return Clamp_Need((ratio - 1400) / 2 + 1400);
    return ratio;
}
} // namespace

int32_t Get_Position_Need_Metric(int32_t team, int32_t position) {
    if (!Is_Need_Position(position)) return MAX_NEED;
    const int32_t last = Last_Starter_At(team, position);
    if (last < 0 || !Is_Player_Slot_Used(team, last)) return MAX_NEED;
    int32_t need = 2000 - Scaled_Value(Player_Value(team, last), position);
    if (need < 0) need = 0;
    const int32_t backup = First_Backup_At(team, position);
    if (backup < 0) return 1200;
    const int32_t depth = 1200 - Scaled_Value(Player_Value(team, backup), position) / 3;
    if (depth > need) need = depth;
    // A winning team needs a starter more.
    return Clamp_Need(Mul_Div_Round_64((Record_Margin(team) + 20) * 50, need, 1000));
}

int32_t Get_Position_Depth_Metric(int32_t team, int32_t position) {
    if (!Is_Need_Position(position)) return MAX_NEED;
    const int32_t players = Players_At(team, position);
    if (players < Get_Position_Roster_Minimum(position)) return MAX_NEED;
    const int32_t starters = Get_Position_Starter_Count(position);
    int64_t depth = 0;
    for (int32_t n = starters; n < players; ++n) {
        const int32_t value = Player_Value(team, Player_At(team, position, n));
        depth += value > 50 ? value : 50;
    }
    const int64_t wanted = static_cast<int64_t>(DEPTH_TARGET[position] - starters) * VALUE_SCALE[position];
    const int64_t ratio = Mul_Div_Round_64(depth, 2000, wanted);
    return Clamp_Need(1700 - ratio);
}

int32_t Get_Position_Strength_Metric(int32_t team, int32_t position) {
    if (!Is_Need_Position(position)) return 2 * MAX_NEED;
    const int32_t players = Players_At(team, position);
    if (players < Get_Position_Roster_Minimum(position)) return 2 * MAX_NEED;
    const int32_t peak = Get_Position_Peak_Age(position);
    int64_t youth = 0;
    for (int32_t n = 0; n < players; ++n) {
        const int32_t slot = Player_At(team, position, n);
        const int32_t age = Get_Player_Calendar_Age(team, slot);
        const int32_t value = Player_Value(team, slot);
        const int32_t future = Get_Potential_Rating_Value(team, slot);
        const int32_t merit = static_cast<int32_t>((static_cast<int64_t>(future) + value) / 2);
        int64_t contribution;
        if (age >= peak)
            contribution = 100;
        else if (age <= 25)
            contribution = static_cast<int64_t>(merit) + 600;
        else
            contribution = Mul_Div_Round_64(static_cast<int64_t>(merit) + 500, peak - age, peak - 25) + 100;
        if (contribution > 0) youth += contribution;
    }
    const int64_t y = Mul_Div_Round_64(youth, 2500, (2 * DEPTH_TARGET[position] - 1) * VALUE_SCALE[position]);
    // A losing team needs youth more.
    return Clamp_To_Int32(Mul_Div_Round_64(-Record_Margin(team) * 50 + 1000, 2000 - y, 1000));
}

int32_t Compute_League_Position_Need_Norm(int32_t position) {
    return Compute_League_Norm(ROLE_STARTER, position);
}

int32_t Compute_League_Position_Depth_Norm(int32_t position) {
    return Compute_League_Norm(ROLE_VETERAN_BACKUP, position);
}

int32_t Compute_League_Position_Strength_Norm(int32_t position) {
    return Compute_League_Norm(ROLE_YOUNG_BACKUP, position);
}

namespace {
void Measure_Team_Strength(int32_t team, TEAM_STRENGTH_TABLE* table) {
    const int32_t saved = Begin_Trade_Scoring();
    // Positions are indexed for one team at a time: a table built while
    // another is (none is, today) reads its roster through the queries.
    const bool indexes_roster = Valued_Team == NO_VALUED_TEAM;
    if (indexes_roster) {
        Valued_Team = team;
        Index_Positions(team);
        Start_Build_Values();
    }
    for (int32_t row = 0; row < NEED_ROLES; ++row)
        for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
            const int32_t measure = Metric(row, team, position);
            int32_t norm = Get_User_Preference(NORM_PREFERENCE[row] + position);
            if (norm == 0) norm = Compute_League_Norm(row, position);
            const int32_t ratio = Clamp_To_Int32(Mul_Div_Round_64(measure, 1000, norm));
            table->Need[row][position] = Compress_Need_Ratio(ratio);
        }
    if (indexes_roster) Valued_Team = NO_VALUED_TEAM;
    End_Trade_Scoring(saved);
}
} // namespace

void Build_Team_Strength_Table(int32_t team, TEAM_STRENGTH_TABLE* table) {
    if (table == nullptr) return;
    Measure_Team_Strength(team, table);
}
