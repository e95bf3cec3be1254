#pragma once
// Which pages the HTML encyclopedia holds and the file name of each. The
// page writer and every link to a page take the name from here, so a link
// never misses its page; each name goes through Make_Safe_File_Name, so
// no league name leads outside its folder. A name is empty for a page the
// encyclopedia does not hold.
#include <cstdint>
#include <string>

// Every league in use, and 2 for both together ("NFL").
constexpr int32_t BOTH_LEAGUES = 2;

// Franchises in use have team pages.
bool Is_Encyclopedia_Team(int32_t team);
// Players of the franchises in use and the free agents have player pages.
bool Is_Encyclopedia_Player(int32_t team, int32_t slot);
// Game records 0 to the game counter have game pages.
int32_t Count_Encyclopedia_Games();
bool Is_Encyclopedia_Game(int32_t game);
// The leagues in use and 2.
bool Is_Encyclopedia_League(int32_t league);
// The year of the season `seasons_back` before the current one.
int32_t Get_Encyclopedia_Year(int32_t seasons_back);

// The weeks with a page of their own: those the calendar has passed, the
// whole schedule's 22 at most (all of them in the off-season).
int32_t Count_Encyclopedia_Weeks();

// The team's name in its pages' file names: its full name made safe, with
// its slot number after it when an earlier team's makes the same safe name.
std::string Get_Team_File_Stem(int32_t team);
// "teams/" and "SortedPlayers/" pages: "<full name>.htm", "<full name> index.htm".
std::string Get_Team_Page_Name(int32_t team);
std::string Get_Team_Index_Page_Name(int32_t team);
// "TeamsDetail/" page: "<full name> <current year>.htm".
std::string Get_Team_Detail_Page_Name(int32_t team);
// "players/" page: "<last>, <first> <id>.htm".
std::string Get_Player_Page_Name(int32_t team, int32_t slot);
// "GameDetails/" page: "G-<year modulo 100>-<game>.htm" with two and three digits.
std::string Get_Game_Page_Name(int32_t game);
// The team's logo as the encyclopedia keeps it: "Logos/" and the file name
// of the installation's logo (the filler logo for a team without one).
std::string Get_Encyclopedia_Logo_Path(int32_t team);
// The league's name in the leaders pages ("NFL" for both leagues, "League n"
// for a league without a name).
std::string Get_Leaders_League_Name(int32_t league);
// Seasons back -1: "<league> Leaders.htm" (careers), -2: "<league> Leaders By
// Season.htm" (best seasons); 0 and up: "<league> Leaders <year>.htm".
std::string Get_Leaders_Page_Name(int32_t league, int32_t seasons_back);
