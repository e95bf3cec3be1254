#include "database/team_operations.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/diagnostics.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/roster_limits.h"
#include "personnel/draft_picks.h"
#include "personnel/fantasy_draft.h"
#include "personnel/free_agent_order.h"
#include "platform/message_box.h"
#include "season/all_time_leaders.h"

namespace {

TEAM_RECORD& Team(int32_t team) {
    return Universe.Teams[team];
}

void Empty_Team_Record(int32_t team) {
    memset(&Team(team), 0, sizeof(TEAM_RECORD));
    Team(team).Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_EMPTY;
}

// A team number after the franchise slots moved: the team of slot s went
// to slot to[s]; numbers outside the franchise slots stay.
int32_t Moved(int32_t value, const int32_t* to) {
    return value >= 0 && value < MAX_FRANCHISES ? to[value] : value;
}

void Move_Byte(int8_t& value, const int32_t* to) {
    value = static_cast<int8_t>(Moved(value, to));
}

void Move_Byte(uint8_t& value, const int32_t* to) {
    value = static_cast<uint8_t>(Moved(value, to));
}

void Move_Schedule_Codes(const int32_t* to) {
    // Every franchise slot, used or not, so no stale code can survive a move.
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        for (SCHEDULE_ENTRY& entry : Team(team).Schedule) {
            int32_t& code = entry.Values[0];
            if (code > 0)
                code = Moved(code - 1, to) + 1;
            else if (code < 0)
                code = -(Moved(-code - 1, to) + 1);
        }
    }
}

// A game record names its two teams, the team in possession and, in each
// flag thrown, the team flagged (in the snap being played and in its log).
void Move_Game_Record_Teams(const int32_t* to) {
    for (GAME_RECORD& game : Universe.Games) {
        // A zeroed record names team 0 twice; a real game never does.
        if (game.Team[0] == game.Team[1]) continue;
        Move_Byte(game.Team[0], to);
        Move_Byte(game.Team[1], to);
        Move_Byte(game.Possession_Team, to);
        const int32_t logged = std::clamp<int32_t>(game.Play_Log_Count, 0, MAX_PLAY_LOG_ENTRIES);
        for (int32_t snap = -1; snap < logged; ++snap) {
            PLAY_LOG_ENTRY& play = snap < 0 ? game.Current_Play : game.Play_Log[snap];
            for (PLAY_EVENT_SLOT& event : play.Events)
                if (event.Event_Id == PLAY_EVENT_FLAG) Move_Byte(event.Argument_B, to);
        }
    }
}

// An owner of a pick: the franchise that owns it, or FORFEITED_PICK_OWNER + t
// for a pick team t forfeited (the draft reads a byte of 128 as team 0's).
void Move_Pick_Owner(int8_t& owner, const int32_t* to) {
    const int32_t code = static_cast<uint8_t>(owner);
    if (code >= FORFEITED_PICK_OWNER)
        owner = static_cast<int8_t>(FORFEITED_PICK_OWNER + Moved(code - FORFEITED_PICK_OWNER, to));
    else
        Move_Byte(owner, to);
}

void Move_League_Tables(const int32_t* to) {
    for (int8_t& team : Universe.Playoff_Bracket)
        Move_Byte(team, to);
    for (auto& division : Universe.Division_Standings)
        for (int8_t& team : division)
            Move_Byte(team, to);
    for (int8_t& team : Universe.Draft_Order)
        Move_Byte(team, to);
    // Picks travel with the team that issued them, then owners follow their team.
    for (auto& year : Universe.Draft_Pick_Owner) {
        for (auto& round : year) {
            int8_t issued[MAX_FRANCHISES];
            std::memcpy(issued, round, sizeof issued);
            for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
                round[to[team]] = issued[team];
            for (int8_t& owner : round)
                Move_Pick_Owner(owner, to);
        }
    }
}

// Vital 13 holds (drafting team + 1) x DRAFT_RECORD_TEAM_FACTOR + the
// draft's year; below the factor the player has no drafting team.
void Move_Drafting_Team(PLAYER_RECORD& player, const int32_t* to) {
    int32_t& record = player.Vital_Stats[VITAL_DRAFT_RECORD];
    if (record < DRAFT_RECORD_TEAM_FACTOR) return;
    const int32_t drafter = record / DRAFT_RECORD_TEAM_FACTOR - 1;
    record += (Moved(drafter, to) - drafter) * DRAFT_RECORD_TEAM_FACTOR;
}

// Every player of every record, the pools' included: the team that drafted
// him and the team of every season line he links to, blank ones as well (a
// roster move opens an empty line of the new team, which must name that team
// wherever it goes). Each line is moved once, even were two players to link
// to it.
void Move_Player_Team_Fields(const int32_t* to) {
    static bool moved[MAX_SEASON_LINES];
    std::memset(moved, 0, sizeof moved);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Move_Drafting_Team(Team(team).Players[slot], to);
            for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link) {
                const int32_t line = Get_Player_Season_Line(team, slot, link);
                if (line == NO_SEASON_LINE || moved[line]) continue;
                moved[line] = true;
                const int32_t line_team = Get_Season_Line_Team(line);
                if (Moved(line_team, to) != line_team) Set_Season_Line_Team(line, Moved(line_team, to));
            }
        }
    }
}

// The viewed, user's, selected player's and trade partner's teams follow
// theirs. The user's team becomes the viewed team when that one moved
// (`viewed_moved`: its slot took part in a move) and is a human franchise
// outside a multi-season simulation.
void Move_Team_Settings(const int32_t* to, bool viewed_moved) {
    int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    int32_t user = Get_User_Preference(USER_TEAM);
    int32_t new_viewed = Moved(viewed, to);
    Set_User_Preference(VIEWED_TEAM, new_viewed);
    if (viewed_moved && Is_Used_Franchise_Slot(new_viewed) &&
        Get_Team_Stat(new_viewed, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
        Get_User_Preference(MULTI_SEASON_SIMULATION) == 0)
        Set_User_Preference(USER_TEAM, new_viewed);
    else
        Set_User_Preference(USER_TEAM, Moved(user, to));
    Set_User_Preference(SELECTED_PLAYER_TEAM, Moved(Get_User_Preference(SELECTED_PLAYER_TEAM), to));
    Set_User_Preference(TRADE_PARTNER_TEAM, Moved(Get_User_Preference(TRADE_PARTNER_TEAM), to));
}

// Moves the team of every franchise slot s to slot to[s] (a permutation of
// the slots) with every field of the league that names a franchise slot:
// - the team records themselves, with what they hold (home city, stadium,
//   history, playbooks, returners);
// - every team's schedule codes;
// - the viewed, user's, selected player's and trade partner's teams;
// - every player's drafting team and the team of every season line he
//   links to, in every record, the pools' included;
// - the game records' teams, team in possession and flagged teams;
// - the draft order, the pick table (the picks by issuing team, then the
//   owners and the forfeited marks), the division standings and the playoff
//   bracket;
// - the log of forfeited picks and the all-time leader entries;
// - a running fantasy draft's order, picks, filter and asked team.
// Values that name no franchise slot (NO_TEAM, -1, the pools 36-40) stay.
// Moving teams one swap at a time or all at once leaves the same league,
// but for the user's team, which follows a human viewed team that took part
// in any of the swaps.
void Move_Team_Slots(const int32_t* to, bool viewed_moved) {
    Move_Schedule_Codes(to);
    // Each cycle of the permutation turns round through one held record.
    static TEAM_RECORD held;
    bool placed[MAX_FRANCHISES] = {};
    for (int32_t start = 0; start < MAX_FRANCHISES; ++start) {
        if (placed[start] || to[start] == start) continue;
        std::memcpy(&held, &Team(start), sizeof held);
        int32_t from = start;
        // The slot that sends its team to `from`, walked backwards.
        for (;;) {
            int32_t sender = 0;
            while (to[sender] != from)
                ++sender;
            placed[from] = true;
            if (sender == start) {
                std::memcpy(&Team(from), &held, sizeof held);
                break;
            }
            std::memcpy(&Team(from), &Team(sender), sizeof held);
            from = sender;
        }
    }
    Move_Team_Settings(to, viewed_moved);
    Move_Player_Team_Fields(to);
    Move_Game_Record_Teams(to);
    Move_League_Tables(to);
    Move_Draft_Pick_Log_Teams(to);
    Move_All_Time_Leader_Teams(to);
    Move_Fantasy_Draft_Teams(to);
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

// A run of swaps of neighbouring franchise slots, worked out on the slot
// numbers and then made at once by Move_Team_Slots; the viewed team's slot is
// followed through them.
struct NEIGHBOUR_SWAPS {
    int32_t Holder[MAX_FRANCHISES]; // the slot whose team is at each place
    int32_t Viewed;
    bool Viewed_Moved = false;
    int32_t Swaps = 0;

    NEIGHBOUR_SWAPS() : Viewed(Get_User_Preference(VIEWED_TEAM)) {
        for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
            Holder[team] = team;
    }
    void Swap(int32_t c) {
        std::swap(Holder[c], Holder[c + 1]);
        if (Viewed == c || Viewed == c + 1) Viewed_Moved = true;
        Viewed = Viewed == c ? c + 1 : (Viewed == c + 1 ? c : Viewed);
        ++Swaps;
    }
    void Make() const {
        if (Swaps == 0) return;
        int32_t to[MAX_FRANCHISES];
        for (int32_t place = 0; place < MAX_FRANCHISES; ++place)
            to[Holder[place]] = place;
        Move_Team_Slots(to, Viewed_Moved);
    }
};

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

void Load_Fantasy_Draft_State_If_Drafting() {
    if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1) Load_Fantasy_Draft_State();
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
            // "Cancel" is the second button, which answers as the box's "no";
            // only "OK" goes on to eliminate players.
            if (User_Message_Dialog("Not Enough Room", text, "OK", "Cancel", nullptr) != ID_BOX_YES) return 0;
        }
    }
    // A running fantasy draft cannot go on without a team of its order: it
    // ends here, its picks undone, before anyone moves. The team's players
    // then go as outside a draft, a full pool letting its least valuable
    // players go; during the draft it could let go only players nobody had
    // drafted, and would have kept the team's players to be erased with it.
    End_Fantasy_Draft_For_Team_Change(team);
    if (keep_players == 0)
        for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
            if (Is_Player_Slot_Used(team, slot)) Release_Player_To_Free_Agents(team, slot);
    Clear_Games_Against(team);
    Empty_Team_Record(team);
    Compact_Team_Slots();
    int32_t active = Refresh_Active_Team_Count();
    // The view falls back to the user's own team before any other.
    Validate_Viewed_Team();
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

int32_t Release_Player_To_Free_Agents(int32_t team, int32_t slot) {
    if (team == FREE_AGENT_TEAM) return 0;
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Release_Player_To_Free_Agents(%d,%d)", team, slot);
        return 0;
    }
    int32_t free_slot = Find_Empty_Player_Slot(FREE_AGENT_TEAM);
    if (free_slot < 0) {
        // During a fantasy draft a pool of drafted players waiting for their
        // teams lets nobody go: the player stays rather than take the place
        // of one of them.
        if (!Cut_One_Player_If_Over_Limit(FREE_AGENT_TEAM)) return 0;
        free_slot = PLAYERS_PER_TEAM - 1;
    }
    Swap_Players(FREE_AGENT_TEAM, free_slot, team, slot);
    Clear_Player(team, slot);
    Move_Player_To_Last_Slot(team, slot);
    Sort_Free_Agents();
    return 1;
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
    int32_t to[MAX_FRANCHISES];
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        to[team] = team;
    to[a] = b;
    to[b] = a;
    const int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    Move_Team_Slots(to, viewed == a || viewed == b);
}

void Compact_Team_Slots() {
    // 36 passes in which every unused slot changes places with the next one.
    NEIGHBOUR_SWAPS swaps;
    for (int32_t pass = 0; pass < MAX_FRANCHISES; ++pass)
        for (int32_t c = 0; c + 1 < MAX_FRANCHISES; ++c)
            if (!Is_Used_Franchise_Slot(swaps.Holder[c])) swaps.Swap(c);
    swaps.Make();
    Refresh_Active_Team_Count();
}

int32_t Sort_Teams_By_Name() {
    // A bubble sort of the active slots.
    int32_t n = Refresh_Active_Team_Count();
    if (n > MAX_FRANCHISES) n = MAX_FRANCHISES;
    NEIGHBOUR_SWAPS swaps;
    for (int32_t pass = 0; pass < n; ++pass)
        for (int32_t c = 0; c + 1 < n; ++c)
            if (Sorts_After(swaps.Holder[c], swaps.Holder[c + 1])) swaps.Swap(c);
    swaps.Make();
    return swaps.Swaps;
}

void Set_All_Teams_Control(int32_t value) {
    int32_t n = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < n; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, value);
}
