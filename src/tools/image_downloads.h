#pragma once
// Player photos and team logos copied from the installation's inputs into the
// download folders, and the names the screens look them up by. A copy never
// replaces a file already there, so a picture the user put in keeps its place.
#include <cstdint>

constexpr int32_t IMAGE_DOWNLOAD_PATH_SIZE = 128;
// The season a team's logo is drawn for: the current year, 2022 at the latest.
constexpr int32_t LAST_LOGO_YEAR = 2022;
// From this year the logos follow the modern list of nicknames.
constexpr int32_t FIRST_MODERN_LOGO_YEAR = 2021;
constexpr int32_t NUMBER_OF_LOGO_INDEXES = 32;

// Each steps the open progress window as it goes: the photos by 2 after each
// of the 41 team slots (70 at most), the logos once every fifth team (5 at
// most).
void Copy_All_Player_Photos();
void Copy_All_Team_Logos();
// Copies one team's logo for the logo year.
void Copy_Team_Logo(int32_t team);
// Copies one player's photo; 1 when a copy was made.
int32_t Copy_Player_Photo(int32_t team, int32_t slot);

// The current year, at most 2022.
int32_t Get_Logo_Year();
// The logo year of a season: its year, at most 2022.
int32_t Get_Season_Logo_Year(int32_t season_year);
// The place of the team's nickname in the modern list of 32 (the Football
// Team's place also for "Commanders"); -1 for none, and for the college pool.
int32_t Find_Team_Logo_Index(int32_t team);
// The same in the historical list, after the nicknames the franchises once
// had are renamed ("Oilers" to "Titans", "Redskins" to "Football Team" and,
// before 1963, "Texans" to "Chiefs" and "Titans" to "Jets").
int32_t Find_Historical_Team_Logo_Index(int32_t team, int32_t logo_year);
// The index of a nickname as the two lookups above give it.
int32_t Find_Logo_Index_Of_Nickname(const char* nickname, int32_t logo_year);

// "Photos/Downloads/<external id>.jpg"; 0 with an empty text when the player
// has no external id, or one that is not a plain file name.
int32_t Get_Player_Photo_Path(int32_t team, int32_t slot, char* out);
// "Input/Stats/Players/<external id>.dat"; 0 and empty as above.
int32_t Get_Player_Photo_Source_Path(int32_t team, int32_t slot, char* out);
// "Logos/Downloads/<team string 0>-<logo year>.png"; 1 when that file can be
// opened for reading. Empty, and 0, when team string 0 is not a plain name.
int32_t Get_Downloaded_Logo_Path(int32_t team, char* out);
// The same name for the logo year of `season_year`, the name a copy made in
// that season gave the file; 1 when the name was written, whether or not the
// file is there.
int32_t Format_Downloaded_Logo_Path(int32_t team, int32_t season_year, char* out);
// "Input/Stats/Historical/<logo index><logo year>.gz"; 0 with an empty text
// when the team has no logo index.
int32_t Get_Team_Logo_Source_Path(int32_t team, char* out);
