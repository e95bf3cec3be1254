#include "tools/playbook_import.h"

#include <cstring>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/offensive_systems.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "playbooks/playbook_files.h"

namespace {
constexpr int32_t FIRST_FRONT_YEAR = 2016;
constexpr int32_t SECOND_FRONT_YEAR = 2018;
constexpr int32_t FRONT_TEAMS = 32;
// 2016-2017 and 2018 on; true is "3-4".
constexpr bool THREE_FOUR[FRONT_TEAMS][2] = {
    {true, false},  {false, false}, {true, true},   {false, false}, {false, false}, {false, true},
    {false, false}, {true, false},  {false, false}, {false, true},  {false, false}, {true, true},
    {true, true},   {true, false},  {false, false}, {true, true},   {true, false},  {false, true},
    {false, false}, {false, false}, {false, false}, {true, false},  {false, true},  {true, true},
    {false, false}, {false, false}, {true, true},   {true, false},  {false, false}, {false, false},
    {true, true},   {true, true}};
constexpr int32_t RUNNING_QUARTERBACK_TEAMS[] = {4, 27, 28, 31};
constexpr int32_t NICKNAME_STRING = 2;

// Loads "<year>-<nickname>" or "<nickname>" for one side; true when one loaded.
bool Load_Named_Playbook(int32_t team, int32_t defence, int32_t year, const char* nickname) {
    char name[2 * TEAM_STRING_LENGTH];
    safe_sprintf(name, sizeof name, "%d-%s", year, nickname);
    if (Is_Plain_File_Name(name) && Load_Playbook_File(team, defence, name) != 0) return true;
    return Is_Plain_File_Name(nickname) && Load_Playbook_File(team, defence, nickname) != 0;
}
} // namespace

bool Get_Defensive_Front(char* out, int32_t team, int32_t year) {
    if (year < FIRST_FRONT_YEAR || team < 0 || team >= FRONT_TEAMS) return false;
    const bool three_four = THREE_FOUR[team][year >= SECOND_FRONT_YEAR ? 1 : 0];
    safe_strncpy(out, three_four ? "3-4" : "4-3", 4);
    return true;
}

PLAYBOOK_IMPORT_COUNTS Import_Playbooks(int32_t interactive) {
    const int32_t teams = Refresh_Active_Team_Count();
    const bool opened = interactive != 0 && Open_Progress_Window("Loading Playbooks...", 2 * teams) != 0;
    const int32_t year = Get_Current_Year();
    PLAYBOOK_IMPORT_COUNTS counts{0, 0};
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        char nickname[TEAM_STRING_LENGTH] = "";
        Get_Team_String(nickname, team, NICKNAME_STRING);
        if (Load_Named_Playbook(team, 0, year, nickname)) ++counts.Offensive;
        if (opened) Step_Progress(1);
        if (Load_Named_Playbook(team, 1, year, nickname)) ++counts.Defensive;
        if (opened) Step_Progress(1);
    }
    if (opened) Close_Progress_Window();
    if (interactive != 0)
        Show_Formatted_Message("Import Playbooks",
                               "%d Offensive Playbooks loaded.\n\n%d Defensive Playbooks loaded.",
                               counts.Offensive, counts.Defensive);
    return counts;
}

void Assign_Team_Playbooks() {
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team)) Set_Default_Playbooks(team);
    Assign_Team_Offensive_Systems();
    Step_Progress(1);
    const int32_t year = Get_Current_Year();
    if (year >= FIRST_FRONT_YEAR)
        for (int32_t team = 0; team < teams && team < FRONT_TEAMS; ++team) {
            char front[4] = "";
            if (!Is_Used_Franchise_Slot(team) || !Get_Defensive_Front(front, team, year)) continue;
            Load_Playbook_File(team, 1, front);
            Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, strcmp(front, "3-4") == 0 ? 1 : 0);
        }
    Step_Progress(1);
    if (year >= 2013 && year <= 2015)
        for (int32_t team : RUNNING_QUARTERBACK_TEAMS)
            if (Is_Used_Franchise_Slot(team)) Load_Playbook_File(team, 0, "Running-QB");
    Import_Playbooks(0);
    Step_Progress(1);
}
