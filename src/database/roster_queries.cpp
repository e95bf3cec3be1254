#include "database/roster_queries.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "frontoffice/rating_value.h"
#include "personnel/draft_state.h"
#include "personnel/player_generation.h"
#include "season/season_calendar.h"

namespace {
constexpr int OFF_SEASON_WEEK = 100;
constexpr int OFFENSIVE_LINE_GROUP = 1;
constexpr int DEFENCE_GROUP = 2;
// A player made for an empty unit may be as good as a 70.
constexpr float CREATED_PLAYER_WEAKNESS = 0.0f;

// First and last position of each unit: offence, defence, kicking.
constexpr int UNIT_FIRST_POSITION[] = {POSITION_QB, POSITION_DE, POSITION_K};
constexpr int UNIT_LAST_POSITION[] = {POSITION_C, POSITION_S, POSITION_P};
constexpr int NUMBER_OF_UNITS = 3;

// Number of players on a packed roster; 0 for a code that is not a team record.
int32_t Roster_Count(int32_t team) {
    return Is_Team_Record_Slot(team) ? Get_First_Empty_Player_Slot(team) : 0;
}

int32_t Player_Position(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

// The packed roster of a team whose count is not 0 is that of a valid team
// code, so its slots below the count are read directly.
const PLAYER_RECORD* Roster(int32_t team) {
    return Universe.Teams[team].Players;
}

// The players of the packed roster (slots up to the first empty one), each
// read once in slot order: visit(player) returns true to stop there. The
// slot it stopped at, or -1.
template <typename VISIT> int32_t Walk_Packed_Roster(int32_t team, const VISIT& visit) {
    if (!Is_Team_Record_Slot(team) || !Is_Valid_Team_Code(team)) return -1;
    const PLAYER_RECORD* players = Roster(team);
    const PLAYER_RECORD* const end = players + PLAYERS_PER_TEAM;
    // Two records a step: the walk is the inner loop of many queries.
    static_assert(PLAYERS_PER_TEAM % 2 == 0);
    for (const PLAYER_RECORD* player = players; player != end; player += 2) {
        if (player[0].Vital_Stats[VITAL_PLAYER_ID] == 0) return -1;
        if (visit(player[0])) return static_cast<int32_t>(player - players);
        if (player[1].Vital_Stats[VITAL_PLAYER_ID] == 0) return -1;
        if (visit(player[1])) return static_cast<int32_t>(player - players) + 1;
    }
    return -1;
}

bool Plays_Position(int32_t team, int32_t slot, int32_t position) {
    int32_t own = Player_Position(team, slot);
    if (position == ANY_DEFENDER_POSITION || position == ANY_LINEMAN_POSITION) {
        int32_t group = Get_Position_Group(Translate_Expanded_Position(own));
        return group == (position == ANY_DEFENDER_POSITION ? DEFENCE_GROUP : OFFENSIVE_LINE_GROUP);
    }
    return own == position;
}

bool Is_In_Unit(int32_t team, int32_t slot, int32_t unit) {
    if (unit < 0 || unit >= NUMBER_OF_UNITS) return false;
    int32_t position = Player_Position(team, slot);
    return position >= UNIT_FIRST_POSITION[unit] && position <= UNIT_LAST_POSITION[unit];
}

// The n-th player of the league in league order that `match` accepts; the
// roster slot, or -1 when there are fewer.
template <typename MATCH> int32_t Find_Nth_League_Player(int32_t n, const MATCH& match) {
    if (n < 0) return -1;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        int32_t count = Roster_Count(team);
        for (int32_t slot = 0; slot < count; ++slot)
            if (match(team, slot) && n-- == 0) return slot;
    }
    return -1;
}
} // namespace

int32_t Get_Team_Position_Player(int32_t team, int32_t position, int32_t n) {
    if (n < 0) return -1;
    return Walk_Packed_Roster(team, [&](const PLAYER_RECORD& player) {
        return player.Vital_Stats[VITAL_POSITION] == position && n-- == 0;
    });
}

int32_t Get_Team_Position_Players(int32_t team, int32_t position, int32_t* slots, int32_t count) {
    int32_t found = 0;
    for (int32_t i = 0; i < count; ++i)
        slots[i] = -1;
    if (count <= 0) return 0;
    Walk_Packed_Roster(team, [&](const PLAYER_RECORD& player) {
        if (player.Vital_Stats[VITAL_POSITION] != position) return false;
        slots[found] = static_cast<int32_t>(&player - Roster(team));
        return ++found == count;
    });
    return found;
}

int32_t Get_Team_Position_Player_Any(int32_t team, int32_t position, int32_t n) {
    if (position != ANY_DEFENDER_POSITION && position != ANY_LINEMAN_POSITION)
        return Get_Team_Position_Player(team, position, n);
    if (n < 0) return -1;
    const int32_t count = Roster_Count(team);
    for (int32_t slot = 0; slot < count; ++slot)
        if (Plays_Position(team, slot, position) && n-- == 0) return slot;
    return -1;
}

int32_t Get_N_Player(int32_t team, int32_t position, int32_t n) {
    if (team == ALL_TEAMS)
        return position == -1 ? Get_N_Universe_Player(n) : Get_N_Position_Player(position, n);
    if (position == -1) return n >= 0 && n < Roster_Count(team) ? n : -1;
    return Get_Team_Position_Player_Any(team, position, n);
}

int32_t Get_Team_Position_Player_Value(int32_t team, int32_t position, int32_t n) {
    const int32_t slot = Get_Team_Position_Player_Any(team, position, n);
    if (slot < 0) return 0;
    // A player rated below 25 at his position has his ratings drawn again first.
    return Get_Rating_Value(team, slot, Ensure_Player_Minimum_Rating(team, slot));
}

int32_t Get_Team_Position_Player_Safe(int32_t team, int32_t position, int32_t n) {
    if (n < 0 || n >= Count_Team_Position_Players(team, position)) return -1;
    return Get_Team_Position_Player(team, position, n);
}

int32_t Get_Team_Uninjured_Position_Player(int32_t team, int32_t position, int32_t n) {
    int32_t remaining = n;
    const int32_t found = Walk_Packed_Roster(team, [&](const PLAYER_RECORD& player) {
        return player.Vital_Stats[VITAL_POSITION] == position && player.Vital_Stats[VITAL_WEEKS_OUT] < 1 &&
               remaining-- == 0;
    });
    if (found >= 0) return found;
    char abbreviation[TEAM_STRING_LENGTH];
    Get_Team_String(abbreviation, team, 0);
    Log_Debug_Line("Warning: nIndex too high in Get_Team_Uninjured_Position_Player(%s, %s, [%d]) [%d]",
                   abbreviation, Get_Position_Short_Name(position), n, Get_Current_Year());
    return NO_PLAYER;
}

int32_t Count_Team_Position_Players(int32_t team, int32_t position) {
    int32_t players = 0;
    if (position == ANY_DEFENDER_POSITION || position == ANY_LINEMAN_POSITION) {
        int32_t count = Roster_Count(team);
        for (int32_t slot = 0; slot < count; ++slot)
            if (Plays_Position(team, slot, position)) ++players;
        return players;
    }
    Walk_Packed_Roster(team, [&](const PLAYER_RECORD& player) {
        if (player.Vital_Stats[VITAL_POSITION] == position) ++players;
        return false;
    });
    return players;
}

int32_t Count_Team_Unit_Players(int32_t team, int32_t unit) {
    int32_t players = 0;
    int32_t count = Roster_Count(team);
    for (int32_t slot = 0; slot < count; ++slot)
        if (Is_In_Unit(team, slot, unit)) ++players;
    return players;
}

int32_t Get_Availability_Limit() {
    int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (week == OFF_SEASON_WEEK) return 19;
    if (Is_Champion_Decided()) return 52 - week;
    return 1;
}

bool Is_Player_Available(int32_t team, int32_t slot) {
    return Is_Player_Slot_Used(team, slot) &&
           Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) < Get_Availability_Limit();
}

int32_t Count_Team_Available_Position_Players(int32_t team, int32_t position) {
    const int32_t limit = Get_Availability_Limit();
    int32_t players = 0;
    Walk_Packed_Roster(team, [&](const PLAYER_RECORD& player) {
        if (player.Vital_Stats[VITAL_POSITION] == position && player.Vital_Stats[VITAL_WEEKS_OUT] < limit)
            ++players;
        return false;
    });
    return players;
}

int32_t Find_Or_Create_Unit_Player(int32_t team, int32_t unit) {
    // A code that is no team in use has no roster to give a player to: its
    // slot 0 reads as empty, and a player made there would belong to nobody.
    if (!Is_Valid_Team_Code(team) || unit < 0 || unit >= NUMBER_OF_UNITS) return NO_PLAYER;
    // One creation at most: should it leave the slot empty, the team has no
    // player of the unit to give.
    for (int attempt = 0; attempt < 2; ++attempt) {
        int32_t slot = 0;
        while (slot < PLAYERS_PER_TEAM && Is_Player_Slot_Used(team, slot) && !Is_In_Unit(team, slot, unit))
            ++slot;
        // A full roster without a player of the unit: the slot past the last.
        if (slot >= PLAYERS_PER_TEAM) return slot;
        if (Is_Player_Slot_Used(team, slot)) return slot;
        if (attempt == 1) break;
        int32_t width = UNIT_LAST_POSITION[unit] - UNIT_FIRST_POSITION[unit] + 1;
        int32_t position = UNIT_FIRST_POSITION[unit] + Random_Int(width);
        Create_Player_For_Team(team, slot, position, CREATED_PLAYER_WEAKNESS);
    }
    return NO_PLAYER;
}

int32_t Find_Last_Unit_Player(int32_t team, int32_t unit) {
    if (!Is_Team_Record_Slot(team)) return -1;
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
        if (Is_Player_Slot_Used(team, slot) && Is_In_Unit(team, slot, unit)) return slot;
    return -1;
}

int32_t Count_Team_Draft_Picks(int32_t team) {
    int32_t active = Count_Active_Teams();
    int32_t picks = 0;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        for (int32_t issuer = 0; issuer < active; ++issuer)
            if (Universe.Draft_Pick_Owner[0][round][issuer] == team && !Is_Draft_Pick_Spent(0, round, issuer))
                ++picks;
    return picks;
}

int32_t Count_Players(int32_t team, int32_t position) {
    if (team == ALL_TEAMS) {
        int32_t total = 0;
        for (int member = 0; member < MAX_FRANCHISES; ++member)
            if (Is_Active_Team(member)) total += Count_Players(member, position);
        return total;
    }
    if (position == -1) return Roster_Count(team);
    return Count_Team_Position_Players(team, position);
}

int32_t Get_N_Position_Player(int32_t position, int32_t n) {
    int32_t slot = Find_Nth_League_Player(
        n, [position](int32_t team, int32_t slot) { return Player_Position(team, slot) == position; });
    if (slot >= 0) return slot;
    Report_System_Error("NO_PLAYER returned in Get_N_Position_Player(%d)", n);
    return 0;
}

int32_t Get_N_Universe_Player(int32_t n) {
    int32_t slot = Find_Nth_League_Player(n, [](int32_t, int32_t) { return true; });
    if (slot >= 0) return slot;
    Report_System_Error("NO_PLAYER returned in Get_N_Universe_Player(%d)", n);
    return 0;
}

int32_t Count_Players_With_Last_Initial(int32_t c) {
    int32_t players = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        int32_t count = Roster_Count(team);
        for (int32_t slot = 0; slot < count; ++slot)
            if (static_cast<uint8_t>(Universe.Teams[team].Players[slot].Last_Name[0]) ==
                static_cast<uint8_t>(c))
                ++players;
    }
    return players;
}

int32_t Has_Player_In_Last_Contract_Year(int32_t team) {
    int32_t count = Roster_Count(team);
    for (int32_t slot = 0; slot < count; ++slot)
        if (Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) == 1) return 1;
    return 0;
}

int32_t Get_Unit_Size(int32_t unit) {
    static const int32_t SIZES[NUMBER_OF_UNITS] = {11, 11, 2};
    return unit >= 0 && unit < NUMBER_OF_UNITS ? SIZES[unit] : 0;
}

int32_t Get_Unit_Starters_End_Slot(int32_t team, int32_t unit) {
    const int32_t first = Find_Or_Create_Unit_Player(team, unit);
    // A team without a player of the unit has nobody behind its starters.
    if (first < 0 || first >= PLAYERS_PER_TEAM) return PLAYERS_PER_TEAM;
    const int32_t end = first + Get_Unit_Size(unit);
    return end < PLAYERS_PER_TEAM ? end : PLAYERS_PER_TEAM;
}

int32_t Is_Player_Behind_Unit_Starters(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t unit = Get_Player_Unit(team, slot);
    if (unit < 0 || unit >= NUMBER_OF_UNITS) return 0;
    return slot >= Get_Unit_Starters_End_Slot(team, unit) ? 1 : 0;
}

void Move_Player_To_Unit_Place(int32_t team, int32_t slot, int32_t place) {
    if (!Is_Player_Slot_Used(team, slot) || place < 0) return;
    const int32_t unit = Get_Player_Unit(team, slot);
    if (unit < 0 || unit >= NUMBER_OF_UNITS) return;
    const int32_t first = Find_Or_Create_Unit_Player(team, unit);
    if (first < 0 || first + place >= PLAYERS_PER_TEAM) return;
    Swap_Players(team, slot, team, first + place);
}

int32_t Count_Teams_With_Better_Points(int32_t team, int32_t scored) {
    const int32_t own = Get_Team_Points_Total(team, scored);
    int32_t better = 0;
    for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
        if (!Is_Active_Team(other)) continue;
        const int32_t points = Get_Team_Points_Total(other, scored);
        if (scored ? points > own : points < own) ++better;
    }
    return better;
}
