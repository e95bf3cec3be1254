#pragma once
// The roster, personnel and season-list files of a built season: each year's
// rosters fill a table of entries that the player reader searches by player
// id or by key while it creates the season's players; the personnel file
// gives each team its offensive system and defensive alignment by year.
#include <cstdint>

constexpr int32_t ROSTER_IMPORT_LIMIT = 10000;
constexpr int32_t ROSTER_KEY_SIZE = 12;
constexpr int32_t ROSTER_NAME_SIZE = 35;
// Longest full name an entry keeps.
constexpr int32_t ROSTER_NAME_LENGTH = 31;

struct ROSTER_IMPORT_ENTRY {
    char Key[ROSTER_KEY_SIZE];
    int32_t Id;
    uint8_t Team;
    char Full_Name[ROSTER_NAME_SIZE];
    int32_t Position;
    int32_t Expanded_Position;
    // The weeks the player is out (the roster file's twelfth column).
    int32_t Number;
    int32_t Injury;
};

extern ROSTER_IMPORT_ENTRY Roster_Import_Entries[ROSTER_IMPORT_LIMIT];
extern int32_t Roster_Import_Count;

// Every entry empty (no key or name, id 0, team 128, positions -1, number
// and injury 0) and none in use.
void Clear_Roster_Import_Entries();
// Clears the table and reads "input/stats/<year>_rosters.csv" into it; false
// (after "Unable to open %s." under "Read Error") when it cannot be opened.
bool Read_Rosters_CSV(int32_t year);
// "Input/Stats/Personnel.csv": the offensive system (team stat 5) and the
// defensive alignment (team stat 4) of each team in the current season's year.
void Read_Personnel_CSV();
// "Input/Stats/Seasons.csv": an entry (key, id, team, name) for every line of
// `year`, read with the base year one higher.
void Read_Seasons_CSV(int32_t year);
// Index of the first entry whose key is the text (no case); -1 when the text
// is empty or no key matches.
int32_t Find_Roster_Entry_By_Key(const char* text);
// Index of the first entry with this id (above 0); -1 when none.
int32_t Find_Roster_Entry_By_Id(int32_t id);
// By id when an entry has it, else by key.
int32_t Find_Roster_Entry(int32_t id, const char* text);
