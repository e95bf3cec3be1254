#pragma once
// The owner Hall of Fame's entries: the file's creation with its built-in
// careers, its value slots, the best human team's owner and his retirement.
#include <cstdint>

#include "views/owner_hall_of_fame.h"

// Writes a fresh file: the ten built-in entries in each block, slots zero,
// owner name "My Name", rectangle zero. 1 when written.
int32_t Rebuild_Owner_Hall_Of_Fame_File();
// A new file's image: the built-in entries, owner name "My Name", the rest zero.
void Fill_New_Owner_Hall_Of_Fame_Image(uint8_t* image);
// 1 when the file was missing and has been rebuilt, 0 when it exists.
int32_t Ensure_Owner_Hall_Of_Fame_File();
// Stores `value` into value slot `slot` (0-299) of the file.
void Set_Owner_Hall_Of_Fame_Value(int32_t slot, int32_t value);
// The value in slot `slot`, 0 when the file or slot is missing.
int32_t Get_Owner_Hall_Of_Fame_Value(int32_t slot);

// Among the human-run franchises the one with the highest Korva Rating (on
// equal ratings the later one); NO_TEAM when there is none.
int32_t Get_Best_Human_Team();
// The same over every active team, ties to the higher slot; NO_TEAM when none.
int32_t Get_Best_Rated_Team();
// The first year of the team's career that the owner's line and a retiring
// owner's entry show: the first past season the team played (a franchise
// that joined later starts in its own first season), the league's first
// year when it played none.
int32_t Get_Team_Career_First_Year(int32_t team);
// The Difficulty_Level as a block index (0 when the setting holds another value).
int32_t Get_Fame_Difficulty_Level();
// Puts the best human team's owner into the block of the current difficulty:
// after every entry rated at least as high, the tenth entry falling out.
void Add_Owner_Hall_Of_Fame_Entry(uint8_t* buffer);
// Asks whether the owner retires, entering him in the Hall of Fame when his
// rating qualifies; 1 when he retires.
int32_t Retire_Owner();

// The built-in entries a rebuilt file holds in each block.
struct BUILT_IN_FAME_ENTRY {
    const char* Name;
    const char* Team;
    int32_t First_Season;
    int32_t Last_Season;
    int32_t Wins;
    int32_t Losses;
    int32_t Ties;
    int32_t Playoff_Wins;
    int32_t Playoff_Losses;
    int32_t Rating;
};
extern const BUILT_IN_FAME_ENTRY Built_In_Fame_Entries[FAME_ENTRIES];
