#pragma once
// Offensive systems (team statistic 5) and the offensive playbook each team
// plays with in a given season.
#include <cstdint>

constexpr int32_t NUMBER_OF_OFFENSIVE_SYSTEMS = 4;
constexpr int32_t FIRST_SEASON_PLAYBOOK_YEAR = 2016;
constexpr int32_t LAST_SEASON_PLAYBOOK_YEAR = 2021;
constexpr int32_t SEASON_PLAYBOOK_TEAMS = 32;

// Playbook names of the systems 0-3 (offensive_system_tables.cpp).
extern const char* const Offensive_System_Playbook_Names[NUMBER_OF_OFFENSIVE_SYSTEMS];
// Playbook of each franchise slot 0-31 in the seasons 2016 to 2021.
extern const char* const Season_Playbook_Table[LAST_SEASON_PLAYBOOK_YEAR - FIRST_SEASON_PLAYBOOK_YEAR + 1]
                                              [SEASON_PLAYBOOK_TEAMS];

// A few franchises keep their own system; the rest follow the era.
int32_t Get_Offensive_System_For_Nickname(const char* nickname, int32_t season_year);

// Copies the playbook name of a system code; codes other than 1-3 give "Default".
int Get_Offensive_System_Playbook_Name(char* buffer, int buffer_size, int32_t system);

// The offensive playbook a team slot plays with in a season year: the era's
// playbook before 1978, the system's from 1978 to 2015, the season tables
// afterwards (2021's for every later year). Slots beyond the tables keep
// their system's playbook.
const char* Get_Season_Playbook_Name(int32_t season_year, int32_t team, int32_t system);

// The offensive system of a team in the current season.
int32_t Get_Team_Offensive_System(int32_t team);

// Stores every active team's offensive system (team statistic 5) and loads the
// offensive playbook of its system and era from the "playbooks" folder. A
// playbook file that cannot be loaded leaves the team's playbook as it was.
void Assign_Team_Offensive_Systems();
