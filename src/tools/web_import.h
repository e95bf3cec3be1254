#pragma once
// The web page data import: saved copies of a statistics site's team roster,
// injury and player pages and of a contracts site's team pages, read from
// "Input/Downloads" (nothing is fetched), turned into the statistics files
// the season database builder reads under "Input/Stats". Each file it writes
// replaces the old one only when the import completes.
#include <cstdint>

constexpr int32_t DOWNLOAD_PLAYER_ID_LIMIT = 20000;
constexpr int32_t DOWNLOAD_PLAYER_ID_SIZE = 12;
constexpr int32_t SITE_TEAMS = 32;
constexpr int32_t FIRST_DOWNLOAD_YEAR = 1951;
constexpr int32_t MODERN_DOWNLOAD_YEAR = 2022;
constexpr int32_t SEASONS_CSV_COLUMNS = 97;

constexpr const char* PLAYERS_CSV = "Input/Stats/Players.csv";
constexpr const char* SEASONS_CSV = "Input/Stats/Seasons.csv";
constexpr const char* PERSONNEL_CSV = "Input/Stats/Personnel.csv";
constexpr const char* COMBINE_CSV = "Input/Stats/Combine_Results.csv";
constexpr const char* SALARIES_MISSING_CSV = "Input/Stats/Salaries-Missing.csv";
// The header lines of the files every season shares (the season inputs
// generator writes them too).
extern const char* const SEASONS_CSV_HEADER;
extern const char* const PLAYERS_CSV_HEADER;
extern const char* const PERSONNEL_CSV_HEADER;
extern const char* const COMBINE_CSV_HEADER;

// The whole import: the contract pages, then every season from 2022 down to
// 1951. Only in a modern league of 32 teams in its first season.
void Download_All_Data();
// The contract and salary-cap pages of every active team, and the salaries
// file of 2022 started.
void Download_Player_Contract_Data();
// The rosters file of one year, with the players' pages of its rosters.
void Download_Season_Data(int32_t year);
void Create_Download_Folders();

// Enters a site player id into the import's table; 1 when it was not there
// yet. An id that is not a plain file name of at most 11 characters is
// never entered (0). A full table (20,000 ids) is told once and takes no more.
int32_t Assign_Download_Player_Id(const char* id);
void Clear_Download_Player_Ids();
// The site's code of a team slot 0-31; empty for any other slot.
const char* Get_Site_Team_Code(int32_t team);

// Parts of the import, for the developer tools and the tests.
void Parse_Team_Roster_Page(const char* file_name, int32_t year, int32_t team);
void Parse_Team_Injuries_Page(const char* file_name, int32_t year, int32_t team);
// "Traditional", "2 Running Backs", "2 Tight Ends" or "3 Wideouts" from the
// positions of the eleven offensive starters; "3-4" or "4-3" from the
// defensive ones.
const char* Get_Offensive_Personnel(const int32_t basic_counts[], const int32_t expanded_counts[]);
const char* Get_Defensive_Personnel(const int32_t basic_counts[], const int32_t expanded_counts[]);

// The import's output files: written beside their final names and moved over
// them when the import completes. Begin starts a session unless one runs;
// End finishes the session Begin started (true when it did).
bool Begin_Import_Files();
void End_Import_Files(bool started, bool complete);
// Starts `name` afresh with its header line in the running session.
void Start_Import_File(const char* name, const char* header);
// Appends a line to `name` in the running session; a file not started in it
// is continued from what it holds.
void Append_Import_Line(const char* name, const char* line);
