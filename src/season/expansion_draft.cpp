#include "season/expansion_draft.h"

#include <algorithm>
#include <cstring>

#include "app/diagnostics.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/new_team.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/trade_values.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/league_history.h"
#include "season/playoff_seeding.h"
#include "tools/city_lookup.h"

namespace {
constexpr int32_t EXPANSION_ROUNDS = 10;
// An expansion team stops drafting once its roster reaches this many players.
constexpr int32_t EXPANSION_ROSTER_LIMIT = 70;
// Starters each unit keeps out of the draft: offence, defence.
constexpr int32_t PROTECTED_PER_UNIT = 11;
constexpr int32_t TEAM_CONTROL_EXPANSION = 2;
constexpr int32_t VITAL_EXPANSION_PROTECTED = 29;
// Before the merger an expansion team drafts from its own league only.
constexpr int32_t FIRST_MERGED_YEAR = 1970;
constexpr int32_t LOSSES_TEXT_SIZE = 2048;
// Room kept in the losses text for the words of the message around it and the
// line that counts the players left out, so the message box shows it whole.
constexpr int32_t LOSSES_TAIL_ROOM = 256;

int32_t Picks_Taken[MAX_FRANCHISES];
int32_t Exclude_Human_Team = 0;

bool Is_Simulating_Seasons() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) != 0;
}

bool Is_Expansion_Team(int32_t team) {
    return Is_Active_Team(team) && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_EXPANSION;
}

// Marks the team's first string: the first eleven players of the offence and
// of the defence in depth order, and its first kicker and first punter, as the
// owner is told. Unit members are counted wherever they stand, so a roster not
// grouped by unit still keeps exactly its starters.
void Protect_First_String(int32_t team) {
    for (int32_t unit = 0; unit < 3; ++unit)
        Find_Or_Create_Unit_Player(team, unit);
    const int32_t count = Get_First_Empty_Player_Slot(team);
    int32_t protected_in_unit[2] = {0, 0};
    bool kicker = false;
    bool punter = false;
    for (int32_t slot = 0; slot < count; ++slot) {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        const int32_t unit = Get_Position_Unit(Translate_Expanded_Position(position));
        bool keep = false;
        if (unit == 0 || unit == 1) {
            keep = protected_in_unit[unit] < PROTECTED_PER_UNIT;
            if (keep) ++protected_in_unit[unit];
        } else if (position == POSITION_K && !kicker) {
            keep = kicker = true;
        } else if (position == POSITION_P && !punter) {
            keep = punter = true;
        }
        if (keep) Set_Player_Vital_Stat(team, slot, VITAL_EXPANSION_PROTECTED, 1);
    }
}

void Set_Protection(int32_t teams) {
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t count = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < count; ++slot)
            Set_Player_Vital_Stat(team, slot, VITAL_EXPANSION_PROTECTED, 0);
    }
    for (int32_t team = 0; team < teams; ++team) {
        const bool whole_roster = Is_Expansion_Team(team) || (Exclude_Human_Team != 0 && Is_Human_Team(team));
        if (!whole_roster) {
            Protect_First_String(team);
            continue;
        }
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                Set_Player_Vital_Stat(team, slot, VITAL_EXPANSION_PROTECTED, 1);
    }
}

// The owner's losses, one line each while they fit; the rest are counted.
struct LOSSES_TEXT {
    char Text[LOSSES_TEXT_SIZE];
    int32_t Players;
    int32_t Omitted;
};

void Add_Loss(LOSSES_TEXT& losses, const char* player, const char* position, int32_t age) {
    ++losses.Players;
    char line[FORMATTED_TEXT_SIZE * 2];
    safe_sprintf(line, sizeof line, "%s (%s, age %d)\n", player, position, age);
    const int32_t used = static_cast<int32_t>(strlen(losses.Text));
    if (losses.Omitted > 0 ||
        used + static_cast<int32_t>(strlen(line)) >= LOSSES_TEXT_SIZE - LOSSES_TAIL_ROOM) {
        ++losses.Omitted;
        return;
    }
    safe_strncat(losses.Text, line, LOSSES_TEXT_SIZE);
}

void Finish_Losses(LOSSES_TEXT& losses) {
    if (losses.Omitted > 0) safe_strcatf(losses.Text, LOSSES_TEXT_SIZE, "... and %d more\n", losses.Omitted);
}

// The drafted player changes places with the expansion team's first empty
// slot; he opens no season line, as his new franchise has played no season.
// The roster he leaves closes up behind him, so no player after him drops out
// of the position queries, which stop at the first empty slot. -1 when the
// expansion team has no room.
int32_t Take_Player(int32_t expansion_team, int32_t team, int32_t slot) {
    const int32_t destination = Get_First_Empty_Player_Slot(expansion_team);
    if (destination >= PLAYERS_PER_TEAM) return -1;
    Swap_Players(expansion_team, destination, team, slot);
    Remove_Player(team, slot);
    Set_Player_Vital_Stat(expansion_team, destination, VITAL_EXPANSION_PROTECTED, 1);
    return destination;
}

// Where the draft's lines are written; the file is started at the first pick.
struct DRAFT_REPORT {
    char Name[FORMATTED_TEXT_SIZE];
    bool Started;
};

void Report_Pick(DRAFT_REPORT& report, int32_t expansion_team, int32_t slot, int32_t former_team) {
    if (!report.Started) {
        Create_File_Folder(report.Name);
        Delete_File(report.Name);
        Append_Line_To_File(report.Name, "Drafted By,Player,Position,Age,Previous Team");
        report.Started = true;
    }
    char drafted_by[FORMATTED_TEXT_SIZE];
    char player[PLAYER_NAME_TEXT_SIZE];
    char former[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(expansion_team, drafted_by);
    Get_Player_Full_Name(expansion_team, slot, player);
    Get_Team_Full_Name(former_team, former);
    Append_Formatted_Line_To_File(
        report.Name, "%s,%s,%s,%d,%s", drafted_by, player,
        Get_Position_Short_Name(Get_Player_Vital_Stat(expansion_team, slot, VITAL_POSITION)),
        Get_Player_Calendar_Age(expansion_team, slot), former);
}
} // namespace

int32_t Get_Expansion_Picks_Taken(int32_t team) {
    return team >= 0 && team < MAX_FRANCHISES ? Picks_Taken[team] : 0;
}

int32_t Get_Expansion_Exclude_Human_Team() {
    return Exclude_Human_Team;
}

void Set_Expansion_Exclude_Human_Team(int32_t value) {
    Exclude_Human_Team = value;
}

void Get_Expansion_Draft_Report_Name(char* buffer, int32_t size, int32_t year) {
    safe_sprintf(buffer, size, "Output/Expansion-Draft-%d.csv", year);
}

int32_t Create_Expansion_Team(const char* name, int32_t division, const char* abbreviation,
                              const char* stadium) {
    const int32_t team = Add_New_Team(0);
    if (team < 0) return -1;
    Set_Team_Stat(team, TEAM_STAT_DIVISION, division);
    char city[TEAM_STRING_LENGTH] = "";
    const char* comma = strchr(name, ',');
    const int32_t length =
        comma == nullptr ? static_cast<int32_t>(strlen(name)) : static_cast<int32_t>(comma - name);
    memcpy(city, name, std::min(length, TEAM_STRING_LENGTH - 1));
    Set_Team_Location(city, team);
    Set_Team_Nickname(comma == nullptr ? "" : comma + 1, team);
    Set_Team_Abbreviation(abbreviation, team);
    Set_Team_Stadium_Name(stadium, team);
    const int32_t home = Find_City_By_Name(city);
    if (home >= 0) Set_Team_Stat(team, TEAM_STAT_HOME_CITY, home);
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EXPANSION);
    return team;
}

int32_t Find_Expansion_Draft_Choice(int32_t expansion_team, int32_t position, int32_t* team_out,
                                    int32_t* slot_out) {
    const int32_t teams = Count_Active_Teams();
    const bool own_league_only = Get_Current_Year() < FIRST_MERGED_YEAR;
    const int32_t league = Get_Team_Conference(expansion_team);
    int32_t best_value = 0;
    int32_t best_team = NO_TEAM;
    int32_t best_slot = NO_PLAYER;
    for (int32_t team = 0; team < teams; ++team) {
        if (own_league_only && Get_Team_Conference(team) != league) continue;
        const int32_t count = Get_First_Empty_Player_Slot(team);
        const int32_t taken = Picks_Taken[team];
        for (int32_t slot = 0; slot < count; ++slot) {
            if (Get_Player_Vital_Stat(team, slot, VITAL_EXPANSION_PROTECTED) != 0) continue;
            if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position) continue;
            // One value a statement: either may draw (a rating repair), and the
            // order of an operator's operands is open.
            const int32_t trade_value = Get_Player_Trade_Value(team, slot);
            int32_t value =
                trade_value / 2 +
                std::max(Get_Player_Trade_Value_For_Team(expansion_team, team, slot, 100) / 2, 0) + 1000;
            if (taken > 0) value /= taken + 1;
            if (value > best_value) {
                best_value = value;
                best_team = team;
                best_slot = slot;
            }
        }
    }
    if (best_team == NO_TEAM) return 0;
    if (team_out != nullptr) *team_out = best_team;
    if (slot_out != nullptr) *slot_out = best_slot;
    return 1;
}

void Run_Expansion_Draft_For_Year(int32_t year) {
    const int32_t teams = Count_Active_Teams();
    Set_Protection(teams);
    std::fill(std::begin(Picks_Taken), std::end(Picks_Taken), 0);
    DRAFT_REPORT report{};
    Get_Expansion_Draft_Report_Name(report.Name, sizeof report.Name, year);
    const bool one_owner = Count_Human_Teams() == 1;
    const int32_t owner = one_owner ? Get_Nth_Human_Team(0) : NO_TEAM;
    LOSSES_TEXT losses{};
    for (int32_t round = 0; round < EXPANSION_ROUNDS; ++round) {
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
            // An expansion team drafts the numbers of a new roster.
            if (round >= Get_New_Team_Position_Count(position)) continue;
            for (int32_t expansion_team = 0; expansion_team < teams; ++expansion_team) {
                if (!Is_Expansion_Team(expansion_team)) continue;
                // The choice is looked for even for a full roster: looking may
                // draw (a rating repair), and every pick draws in its turn.
                int32_t team = NO_TEAM;
                int32_t slot = NO_PLAYER;
                if (!Find_Expansion_Draft_Choice(expansion_team, position, &team, &slot)) continue;
                if (Get_First_Empty_Player_Slot(expansion_team) >= EXPANSION_ROSTER_LIMIT) continue;
                const int32_t drafted = Take_Player(expansion_team, team, slot);
                if (drafted < 0) continue;
                Report_Pick(report, expansion_team, drafted, team);
                ++Picks_Taken[team];
                if (team == owner) {
                    char player[PLAYER_NAME_TEXT_SIZE];
                    Get_Player_Full_Name(expansion_team, drafted, player);
                    Add_Loss(losses, player, Get_Position_Short_Name(position),
                             Get_Player_Calendar_Age(expansion_team, drafted));
                }
            }
        }
    }
    Finish_Losses(losses);
    if (Is_Simulating_Seasons()) return;
    if (one_owner && losses.Players > 0) {
        char owner_name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(owner, owner_name);
        Show_Formatted_Message("Expansion Draft Complete",
                               "The following %s players were taken in the Expansion Draft:\n\n%s",
                               owner_name, losses.Text);
    }
    const char* file_name = strchr(report.Name, '/') + 1;
    Show_Formatted_Message("Expansion Draft",
                           "A complete list of draft picks has been output to 'Output/%s'.", file_name);
}

void Run_Expansion_Draft() {
    Run_Expansion_Draft_For_Year(Get_Current_Year() + 1);
}

void Expand_League_For_Year(int32_t year) {
    char added[TEXT_BUFFER_SIZE] = "";
    int32_t new_teams = 0;
    for (const HISTORY_EVENT& row : League_History_Events) {
        if (row.Year != year || row.Type != HISTORY_EXPANSION_TEAM) continue;
        char name[HISTORY_TEXT_LENGTH];
        safe_strncpy(name, row.Team, sizeof name);
        for (char* c = name; *c != '\0'; ++c)
            if (*c == ',') *c = ' ';
        if (Get_Team_From_Name(name) != NO_TEAM) continue;
        const int32_t division = 4 * Get_League_Index_From_Name(row.League) + row.Division;
        if (Create_Expansion_Team(row.Team, division, row.Abbreviation, row.Text) < 0) {
            Report_System_Error("No room in the league for the %s", name);
            break;
        }
        Sort_Teams_By_Name();
        Update_Standings();
        if (Get_User_Preference(CURRENT_WEEK) < std::max(Universe.Season_Length, 2)) Seed_Playoffs();
        safe_strcatf(added, sizeof added, "   %s\n", name);
        ++new_teams;
    }
    if (new_teams == 0) return;
    Exclude_Human_Team = 0;
    if (!Is_Simulating_Seasons()) {
        Show_Formatted_Message("League Expansion", "The following teams have been added to the league:\n\n%s",
                               added);
        if (Count_Human_Teams() == 1) {
            const int32_t choice = User_Message_Dialog(
                "Expansion Draft",
                "An Expansion Draft will now occur. First string players are protected from the Expansion "
                "Draft "
                "(11 Offense, 11 Defense, 1 Kicker and 1 Punter).\n\nYou may use the Offense and Defense "
                "dialogs "
                "to designate your starters before proceeding.\n\n(Alternately, you can choose to completely "
                "exclude your team from the Expansion Draft.",
                "&View My Team", "&Exclude My Team", "&Proceed with Expansion Draft");
            if (choice == ID_BOX_YES) {
                Set_User_Preference(VIEWED_TEAM, Get_Nth_Human_Team(0));
                Refresh_Bars_And_Do_Dialog(NO_WINDOW, OFFENSE_DIALOG);
            } else if (choice == ID_BOX_NO) {
                Exclude_Human_Team = 1;
            }
        }
    }
    Auto_Set_Computer_Depth_Charts(1);
    Run_Expansion_Draft_For_Year(year);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Expansion_Team(team)) continue;
        Fill_New_Team_Roster(team);
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    }
}
