#include "personnel/roster_text.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_operations.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/roster_limits.h"
#include "personnel/fantasy_marks.h"
#include "platform/message_box.h"
#include "season/new_universe.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;
constexpr int32_t NO_FANTASY_TEAM = -128;
constexpr int32_t FREE_AGENT_WORTH_STAT = 225;
constexpr int32_t LAST_POOL_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;
constexpr int32_t MOVING_PASSES = 4100;
constexpr const char* DOUBLES_FILE = "output\\roster-doubles.txt";
constexpr const char* UNKNOWNS_FILE = "output\\roster-unknowns.txt";
constexpr const char* ROSTERS_FILE = "output\\rosters.txt";

// The active teams and the pools, in slot order.
template <typename F> void For_Each_Listed_Team(F action) {
    for (int32_t team = 0; team <= LAST_POOL_TEAM; ++team)
        if (Is_Valid_Team_Code(team)) action(team);
}

// A leading character that is not a capital letter (a marker of the import
// files) is not part of the name.
const char* Skip_Name_Marker(const char* name) {
    return name[0] != '\0' && !isupper(static_cast<unsigned char>(name[0])) ? name + 1 : name;
}

bool Is_Acceptable_Name(const char* name) {
    return name != nullptr && name[0] != '\0' && strlen(name) <= MAX_PLAYER_NAME_LENGTH;
}

int32_t Score_Name_Match(int32_t team, int32_t slot, int32_t team_hint, int32_t position_hint) {
    int32_t score = Get_Player_Stat(team, slot, SEASON_PREDICTED, FREE_AGENT_WORTH_STAT) + 500;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position == position_hint)
        score += 2000;
    else
        score += (75 - abs(position - position_hint)) * 20;
    if (Get_Position_Unit(position) != Get_Position_Unit(position_hint)) score -= 1000;
    if (team == team_hint) score += 5000;
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    if (age < 20) score += (age - 20) * 10;
    if (age > 40) score += (40 - age) * 2;
    return score;
}

void Open_Output_File(const char* name) {
    Create_File_Folder(name);
    Delete_File(name);
}
} // namespace

void Find_Player_By_Name(PLAYER_LOCATION* out, const char* name, int32_t team_hint, int32_t position_hint) {
    if (out == nullptr) return;
    *out = PLAYER_LOCATION{NO_TEAM, NO_PLAYER};
    if (!Is_Acceptable_Name(name)) return;
    const char* wanted = Skip_Name_Marker(name);
    int32_t best = 0;
    For_Each_Listed_Team([&](int32_t team) {
        char full[PLAYER_NAME_TEXT_SIZE];
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Get_Player_Full_Name(team, slot, full);
            if (strcasecmp(full, wanted) != 0) continue;
            const int32_t score = Score_Name_Match(team, slot, team_hint, position_hint);
            if (score <= best) continue;
            best = score;
            *out = PLAYER_LOCATION{static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
        }
    });
}

void Find_Player_By_Name_Any_Team(PLAYER_LOCATION* out, const char* name, int32_t position_hint) {
    Find_Player_By_Name(out, name, NO_TEAM_HINT, position_hint);
}

void Find_Player_By_Name_Bytes(uint8_t* team_out, uint8_t* slot_out, const char* name, int32_t team_hint,
                               int32_t position_hint) {
    PLAYER_LOCATION where{};
    Find_Player_By_Name(&where, name, team_hint, position_hint);
    if (team_out != nullptr) *team_out = where.Team;
    if (slot_out != nullptr) *slot_out = where.Slot;
}

int32_t Log_Roster_Name_Problems(PLAYER_LOCATION* out, char* name) {
    if (!Is_Acceptable_Name(name)) return 0;
    char* text = const_cast<char*>(Skip_Name_Marker(name));
    char plain_text[PLAYER_NAME_TEXT_SIZE];
    safe_strncpy(plain_text, text, sizeof plain_text);
    Remove_Character(plain_text, '.');
    int32_t matches = 0;
    PLAYER_LOCATION found{NO_TEAM, NO_PLAYER};
    For_Each_Listed_Team([&](int32_t team) {
        char full[PLAYER_NAME_TEXT_SIZE];
        char plain[PLAYER_NAME_TEXT_SIZE];
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Get_Player_Full_Name(team, slot, full);
            safe_strncpy(plain, full, sizeof plain);
            Remove_Character(plain, '.');
            if (strcasecmp(full, text) != 0 && strcasecmp(plain, text) != 0 &&
                strcasecmp(plain, plain_text) != 0)
                continue;
            if (matches++ == 0)
                found = PLAYER_LOCATION{static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
        }
    });
    // The caller's text is read without its full stops from here on.
    Remove_Character(text, '.');
    if (matches == 1) {
        if (out != nullptr) *out = found;
        return 1;
    }
    if (matches > 1) {
        Create_File_Folder(DOUBLES_FILE);
        Append_Formatted_Line_To_File(DOUBLES_FILE, "%s (%d)", text, matches);
    } else {
        Create_File_Folder(UNKNOWNS_FILE);
        Append_Line_To_File(UNKNOWNS_FILE, text);
    }
    return 0;
}

void Output_Rosters() {
    Open_Output_File(ROSTERS_FILE);
    const bool opened = Open_Progress_Window("Outputting Rosters...", 100) != 0;
    const int32_t teams = Count_Active_Teams();
    const int32_t step = teams > 0 ? 100 / teams : 0;
    char text[FORMATTED_TEXT_SIZE];
    for (int32_t team = 0; team < teams; ++team) {
        Get_Team_Full_Name(team, text);
        text[0] = static_cast<char>(toupper(static_cast<unsigned char>(text[0])));
        Append_Line_To_File(ROSTERS_FILE, text);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Get_Player_Full_Name(team, slot, text);
            Append_Line_To_File(ROSTERS_FILE, text);
        }
        Append_Line_To_File(ROSTERS_FILE, "");
        Step_Progress(step);
    }
    Append_Line_To_File(ROSTERS_FILE, "FREE AGENTS");
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) continue;
        char first[PLAYER_NAME_TEXT_SIZE];
        char last[PLAYER_NAME_TEXT_SIZE];
        Get_Player_First_Name(FREE_AGENT_TEAM, slot, first);
        Get_Player_Last_Name(FREE_AGENT_TEAM, slot, last);
        Append_Formatted_Line_To_File(ROSTERS_FILE, "%s %s", first, last);
    }
    Step_Progress(101 - teams * step);
    if (opened) Close_Progress_Window();
}

void Clear_Fantasy_Draft_Picks() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, 0); });
}

void Reset_Fantasy_Draft_Marks() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, NO_FANTASY_TEAM);
    });
    Clear_Fantasy_Draft_Picks();
}

namespace {
// Releases a franchise player nobody drafted. A full free-agent pool first
// loses its surplus player as the roster cut chooses him, which during the
// draft is never a drafted free agent still waiting for room on his new
// team. False, with the player left where he is, while every player of a
// full pool is such a drafted free agent.
bool Release_Undrafted_Player(int32_t team, int32_t slot) {
    return Release_Player_To_Free_Agents(team, slot) != 0;
}

// Moves one unplaced player toward his fantasy team; true when his slot now
// holds the next player of the roster.
bool Place_Drafted_Player(int32_t team, int32_t slot) {
    const int32_t destination = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
    if (destination == team || (destination == NO_FANTASY_TEAM && team >= FREE_AGENT_TEAM)) {
        Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, 1);
        return false;
    }
    if (destination == NO_FANTASY_TEAM) return Release_Undrafted_Player(team, slot);
    const int32_t id = Get_Player_ID(team, slot);
    if (Move_Player_To_Team(destination, team, slot) < 0) return false;
    PLAYER_LOCATION where{};
    if (Lookup_Player_ID_Hash(&where, id)) {
        Set_Player_Vital_Stat(where.Team, where.Slot, VITAL_FANTASY_PLACED, 1);
        if (where.Team != FREE_AGENT_TEAM) {
            const int32_t line =
                Add_Player_Season_Line(where.Team, where.Slot, Get_Current_Year(), where.Team);
            Set_Player_Latest_Season_Line(where.Team, where.Slot, line);
        }
    }
    return true;
}
} // namespace

void Implement_Draft_Teams() {
    // Players the releases' pool upkeep or the roster fills make meanwhile
    // belong to nobody and stay where they are made; no cut takes a drafted
    // player.
    const FANTASY_CARRY_OUT_SCOPE carrying_out;
    // Counting pass: players already where they belong are placed; undrafted
    // players of a franchise go to the free agents.
    int32_t to_move = 0;
    For_Each_Listed_Team([&](int32_t team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) ||
                Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED) != 0)
                continue;
            const int32_t fantasy_team = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
            if (fantasy_team == team) {
                Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, 1);
            } else if (fantasy_team == NO_FANTASY_TEAM) {
                if (team >= FREE_AGENT_TEAM)
                    Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, 1);
                else if (Release_Undrafted_Player(team, slot))
                    --slot;
            } else {
                ++to_move;
            }
        }
    });
    char caption[FORMATTED_TEXT_SIZE];
    safe_sprintf(caption, sizeof caption, "Moving %d Players...", to_move);
    const bool opened = Open_Progress_Window(caption, to_move) != 0;
    // A full destination refuses a move, and a full pool an undrafted
    // player: a later pass retries once players have left. The first pass
    // always runs, since the franchises' players may all stand where they
    // belong while a drafted free agent or college player still waits.
    for (int32_t pass = 0; pass < MOVING_PASSES && (pass == 0 || !All_Players_Fantasy_Drafted()); ++pass) {
        For_Each_Listed_Team([&](int32_t team) {
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(team, slot) &&
                    Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED) == 0 &&
                    Place_Drafted_Player(team, slot))
                    --slot;
        });
        Step_Progress(1);
    }
    if (opened) Close_Progress_Window();
    if (All_Players_Fantasy_Drafted())
        Auto_Set_All_Depth_Charts(0);
    else
        Show_Formatted_Message("Error in Implement_Draft_Teams()",
                               "Unable to move all players to intended destination");
}

void Convert_Raw_Last_Names() {
    const char* output = "names\\last.txt";
    Delete_File(output);
    FILE* file = Open_Resolved_File("names\\rawlast.txt", "rt");
    if (file == nullptr) {
        Show_Formatted_Message("Error", "Can't find/open RAWLAST.TXT");
        return;
    }
    char text[TEXT_BUFFER_SIZE];
    For_Each_File_Line(file, text, sizeof text, [&](char* line) {
        char* blank = strchr(line, ' ');
        if (blank != nullptr) *blank = '\0';
        for (char* c = line + 1; line[0] != '\0' && *c != '\0'; ++c)
            *c = static_cast<char>(tolower(static_cast<unsigned char>(*c)));
        if (line[0] != '\0') Append_Line_To_File(output, line);
    });
    fclose(file);
    Show_Formatted_Message("Task Complete", "'RAWLAST.TXT' processed.");
}
