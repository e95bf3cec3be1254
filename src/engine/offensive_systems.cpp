// Offensive systems by franchise and season.
#include "engine/offensive_systems.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "playbooks/playbook_files.h"

namespace {
constexpr int32_t TEAM_STRING_NICKNAME = 2;
} // namespace

int32_t Get_Offensive_System_For_Nickname(const char* nickname, int32_t season_year) {
    if (nickname != nullptr) {
        if (std::strcmp(nickname, "49ers") == 0) return 3;
        if (std::strcmp(nickname, "Colts") == 0) return 1;
        if (std::strcmp(nickname, "Patriots") == 0) return 2;
        if (std::strcmp(nickname, "Saints") == 0) return 3;
    }
    return season_year > 2005 ? 1 : 0;
}

int Get_Offensive_System_Playbook_Name(char* buffer, int buffer_size, int32_t system) {
    if (buffer == nullptr || buffer_size <= 0) return 0;
    const int32_t index = system >= 1 && system < NUMBER_OF_OFFENSIVE_SYSTEMS ? system : 0;
    safe_strncpy(buffer, Offensive_System_Playbook_Names[index], buffer_size);
    return static_cast<int>(std::strlen(buffer));
}

const char* Get_Season_Playbook_Name(int32_t season_year, int32_t team, int32_t system) {
    if (season_year < 1960) return "Old School";
    if (season_year <= 1977) return "Featured FB";
    const char* system_playbook =
        Offensive_System_Playbook_Names[system >= 1 && system < NUMBER_OF_OFFENSIVE_SYSTEMS ? system : 0];
    if (season_year < FIRST_SEASON_PLAYBOOK_YEAR) return system_playbook;
    // The season tables know the 32 franchises of those years only.
    if (team < 0 || team >= SEASON_PLAYBOOK_TEAMS) return system_playbook;
    const int32_t year = season_year > LAST_SEASON_PLAYBOOK_YEAR ? LAST_SEASON_PLAYBOOK_YEAR : season_year;
    return Season_Playbook_Table[year - FIRST_SEASON_PLAYBOOK_YEAR][team];
}

int32_t Get_Team_Offensive_System(int32_t team) {
    char nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(nickname, team, TEAM_STRING_NICKNAME);
    return Get_Offensive_System_For_Nickname(nickname, Get_Current_Year());
}

void Assign_Team_Offensive_Systems() {
    const int32_t count = Refresh_Active_Team_Count();
    const int32_t year = Get_Current_Year();
    for (int32_t team = 0; team < count; ++team) {
        const int32_t system = Get_Team_Offensive_System(team);
        Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM, system);
        // A missing file is logged by the loader and keeps the team's playbook.
        Load_Playbook_File(team, 0, Get_Season_Playbook_Name(year, team, system));
    }
}
