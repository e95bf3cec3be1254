#include "database/team_operations.h"

#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/roster_limits.h"
#include "personnel/free_agent_order.h"
#include "platform/message_box.h"

namespace {

TEAM_RECORD& Team(int32_t team) {
    return Universe.Teams[team];
}

void Empty_Team_Record(int32_t team) {
    memset(&Team(team), 0, sizeof(TEAM_RECORD));
    Team(team).Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_EMPTY;
}

// Maps a team number that names a onto b and the other way round.
int32_t Swapped(int32_t value, int32_t a, int32_t b) {
    if (value == a) return b;
    if (value == b) return a;
    return value;
}

void Swap_Byte(int8_t& value, int32_t a, int32_t b) {
    value = static_cast<int8_t>(Swapped(value, a, b));
}

void Swap_Byte(uint8_t& value, int32_t a, int32_t b) {
    value = static_cast<uint8_t>(Swapped(value, a, b));
}

void Swap_Schedule_Codes(int32_t a, int32_t b) {
    // Every franchise slot, used or not, so no stale code can survive a move.
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        for (SCHEDULE_ENTRY& entry : Team(team).Schedule) {
            int32_t& code = entry.Values[0];
            if (code > 0)
                code = Swapped(code - 1, a, b) + 1;
            else if (code < 0)
                code = -(Swapped(-code - 1, a, b) + 1);
        }
    }
}

// Byte offsets of the two team bytes and the team in possession in a game record.
constexpr size_t GAME_TEAM_OFFSET = 0;
constexpr size_t GAME_POSSESSION_OFFSET = 48684;
static_assert(GAME_POSSESSION_OFFSET < sizeof(GAME_RECORD));

void Swap_Game_Record_Teams(int32_t a, int32_t b) {
    for (GAME_RECORD& game : Universe.Games) {
        uint8_t* bytes = reinterpret_cast<uint8_t*>(&game);
        // A zeroed record names team 0 twice; a real game never does.
        if (bytes[GAME_TEAM_OFFSET] == bytes[GAME_TEAM_OFFSET + 1]) continue;
        Swap_Byte(bytes[GAME_TEAM_OFFSET], a, b);
        Swap_Byte(bytes[GAME_TEAM_OFFSET + 1], a, b);
        Swap_Byte(bytes[GAME_POSSESSION_OFFSET], a, b);
    }
}

void Swap_League_Tables(int32_t a, int32_t b) {
    for (int8_t& team : Universe.Playoff_Bracket)
        Swap_Byte(team, a, b);
    for (auto& division : Universe.Division_Standings)
        for (int8_t& team : division)
            Swap_Byte(team, a, b);
    for (int8_t& team : Universe.Draft_Order)
        Swap_Byte(team, a, b);
    // Picks travel with the team that issued them, then owners follow their team.
    for (auto& year : Universe.Draft_Pick_Owner) {
        for (auto& round : year) {
            int8_t held = round[a];
            round[a] = round[b];
            round[b] = held;
            for (int8_t& owner : round)
                Swap_Byte(owner, a, b);
        }
    }
}

void Swap_Season_Line_Teams(int32_t a, int32_t b) {
    // Every row, linked or not: a row names the franchise it was played for.
    // The team field is tested first: a swap then costs one read per row.
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line) {
        int32_t team = Get_Season_Line_Team(line);
        if ((team == a || team == b) && !Is_Season_Line_Blank(line))
            Set_Season_Line_Team(line, Swapped(team, a, b));
    }
}

void Swap_Team_Settings(int32_t a, int32_t b) {
    int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    int32_t user = Get_User_Preference(USER_TEAM);
    int32_t new_viewed = Swapped(viewed, a, b);
    Set_User_Preference(VIEWED_TEAM, new_viewed);
    if ((viewed == a || viewed == b) && Is_Used_Franchise_Slot(new_viewed) &&
        Get_Team_Stat(new_viewed, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
        Get_User_Preference(MULTI_SEASON_SIMULATION) == 0)
        Set_User_Preference(USER_TEAM, new_viewed);
    else
        Set_User_Preference(USER_TEAM, Swapped(user, a, b));
    Set_User_Preference(SELECTED_PLAYER_TEAM, Swapped(Get_User_Preference(SELECTED_PLAYER_TEAM), a, b));
}

// Clears the entries of other franchises that face `team`, so no schedule
// names a slot that is about to be emptied.
void Clear_Games_Against(int32_t team) {
    for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
        if (other == team) continue;
        for (SCHEDULE_ENTRY& entry : Team(other).Schedule) {
            int32_t code = entry.Values[0];
            if (code != 0 && (code < 0 ? -code : code) - 1 == team) entry = SCHEDULE_ENTRY{{0, 0, 0, -1, 0}};
        }
    }
}

// Compares location, then nickname, byte by byte as unsigned characters.
bool Sorts_After(int32_t c, int32_t d) {
    // strncmp compares as unsigned char.
    int order = strncmp(Team(c).Strings[1], Team(d).Strings[1], TEAM_STRING_LENGTH);
    if (order != 0) return order > 0;
    return strncmp(Team(c).Strings[2], Team(d).Strings[2], TEAM_STRING_LENGTH) > 0;
}

} // namespace

void Erase_All_Team_Records() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Empty_Team_Record(team);
    for (int32_t team = MAX_FRANCHISES; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        memset(&Team(team), 0, sizeof(TEAM_RECORD));
    Refresh_Active_Team_Count();
}

void Erase_Team_Record(int32_t team) {
    if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS) {
        Report_System_Error("Invalid nTeam passed to Erase_Team_Record(%d).", team);
        return;
    }
    Empty_Team_Record(team);
}

void Zero_All_Team_Records() {
    memset(Universe.Teams, 0, sizeof Universe.Teams);
}

void Set_Draft_Order_Entry(int32_t i, int32_t team) {
    if (static_cast<uint32_t>(i) >= MAX_FRANCHISES) {
        Report_System_Error("Invalid index in Set_Draft_Order_Entry(%d,%d)", i, team);
        return;
    }
    Universe.Draft_Order[i] = static_cast<int8_t>(team);
}

int32_t Erase_Team(int32_t team, int32_t keep_players) {
    if (!Is_Used_Franchise_Slot(team)) {
        Report_System_Error("Invalid nTeam passed to Erase_Team().");
        return 0;
    }
    int32_t count = Get_First_Empty_Player_Slot(team);
    int32_t first_free = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    if (keep_players == 0) {
        int32_t overflow = first_free - PLAYERS_PER_TEAM + count;
        if (overflow > 0) {
            char text[256];
            snprintf(text, sizeof text,
                     "There is not enough room for %d players on the Free Agent list. The least valuable %d "
                     "players will be eliminated.",
                     count, overflow);
            if (User_Message_Dialog("Not Enough Room", text, "OK", "Cancel", nullptr) == ID_BOX_CANCEL)
                return 0;
        }
        for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
            if (Is_Player_Slot_Used(team, slot)) Release_Player_To_Free_Agents(team, slot);
    }
    Clear_Games_Against(team);
    Empty_Team_Record(team);
    Compact_Team_Slots();
    int32_t active = Refresh_Active_Team_Count();
    int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    bool viewed_valid =
        Is_Used_Franchise_Slot(viewed) || (viewed >= FREE_AGENT_TEAM && viewed < TOTAL_NUMBER_OF_TEAMS);
    if (!viewed_valid && active > 0) {
        int32_t last = active - 1;
        Set_User_Preference(VIEWED_TEAM, last);
        if (Get_Team_Stat(last, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
            Get_User_Preference(MULTI_SEASON_SIMULATION) == 0)
            Set_User_Team(last);
    }
    return 1;
}

void Release_Player_To_Free_Agents(int32_t team, int32_t slot) {
    if (team == FREE_AGENT_TEAM) return;
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Release_Player_To_Free_Agents(%d,%d)", team, slot);
        return;
    }
    int32_t free_slot = Find_Empty_Player_Slot(FREE_AGENT_TEAM);
    if (free_slot < 0) {
        Cut_One_Player_If_Over_Limit(FREE_AGENT_TEAM);
        free_slot = PLAYERS_PER_TEAM - 1;
    }
    Swap_Players(FREE_AGENT_TEAM, free_slot, team, slot);
    Clear_Player(team, slot);
    for (int32_t s = slot; s < PLAYERS_PER_TEAM - 1; ++s)
        Swap_Players(team, s, team, s + 1);
    Sort_Free_Agents();
}

void Backup_Team_Structure(TEAM_RECORD* buffer, int32_t team) {
    if (team < 0) {
        Report_System_Error("Negative team in Backup_Team_Structure()");
        return;
    }
    if (team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam too large in Backup_Team_Structure()");
        return;
    }
    if (buffer != nullptr) memcpy(buffer, &Team(team), sizeof(TEAM_RECORD));
}

void Restore_Team_Structure(int32_t team, const TEAM_RECORD* buffer) {
    if (team < 0) {
        Report_System_Error("Negative team in Restore_Team_Structure()");
        return;
    }
    if (team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam too large in Restore_Team_Structure()");
        return;
    }
    if (buffer != nullptr) memcpy(&Team(team), buffer, sizeof(TEAM_RECORD));
}

void Swap_Team_Slots(int32_t a, int32_t b) {
    if (static_cast<uint32_t>(a) >= MAX_FRANCHISES || static_cast<uint32_t>(b) >= MAX_FRANCHISES) {
        Report_System_Error("Invalid team in Swap_Team_Slots(%d,%d)", a, b);
        return;
    }
    if (a == b) return;
    Swap_Schedule_Codes(a, b);
    static TEAM_RECORD held;
    memcpy(&held, &Team(a), sizeof held);
    memcpy(&Team(a), &Team(b), sizeof held);
    memcpy(&Team(b), &held, sizeof held);
    Swap_Team_Settings(a, b);
    Swap_Season_Line_Teams(a, b);
    Swap_Game_Record_Teams(a, b);
    Swap_League_Tables(a, b);
}

void Compact_Team_Slots() {
    for (int32_t pass = 0; pass < MAX_FRANCHISES; ++pass)
        for (int32_t c = 0; c < MAX_FRANCHISES - 1; ++c)
            if (!Is_Used_Franchise_Slot(c) && Is_Used_Franchise_Slot(c + 1)) Swap_Team_Slots(c, c + 1);
    Refresh_Active_Team_Count();
}

int32_t Sort_Teams_By_Name() {
    int32_t n = Refresh_Active_Team_Count();
    int32_t swaps = 0;
    for (int32_t pass = 0; pass < n; ++pass)
        for (int32_t c = 0; c + 1 < n; ++c)
            if (Sorts_After(c, c + 1)) {
                Swap_Team_Slots(c, c + 1);
                ++swaps;
            }
    return swaps;
}

void Set_All_Teams_Control(int32_t value) {
    int32_t n = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < n; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, value);
}
