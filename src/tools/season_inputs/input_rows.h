#pragma once
// The lines of the statistics input files, made from the league in the
// block: one function per file layout, each giving a line without its end.
#include <cstdint>
#include <string>

// Headers of the files of one season; the shared files' headers and the
// seasons file's column count are the web import's (tools/web_import.h).
extern const char* const LEAGUE_FILE_HEADER;
extern const char* const TEAMS_FILE_HEADER;
extern const char* const ROSTERS_FILE_HEADER;
extern const char* const SALARIES_FILE_HEADER;
extern const char* const TEAM_RECORDS_FILE_HEADER;
extern const char* const RATINGS_FILE_HEADER;

// A text as one field: in double quotes (doubled inside) when it holds a
// comma or a quote.
std::string Csv_Field(const std::string& text);
// The key a player's lines carry: "K" and his id in eight hex digits.
std::string Player_Key(int32_t id);

// The two lines of the league file after its header.
std::string Make_League_Lines();
// The team's line of the teams file; the stadium given by the caller.
struct STADIUM_FIGURES {
    std::string Name;
    int32_t Capacity;
    int32_t Roof;
    int32_t Surface;
};
std::string Make_Team_Line(int32_t team, const STADIUM_FIGURES& stadium);
// The player's line of the rosters file (his team's abbreviation or "FA").
std::string Make_Roster_Line(int32_t team, int32_t slot, int32_t id);
// The player's line of the players file.
std::string Make_Player_Line(int32_t team, int32_t slot, int32_t id, const std::string& draft_team);
// A defender's return touchdowns (the game keeps one figure) split into
// the seasons file's two columns, in proportion to his interceptions and
// fumble recoveries (half up), each within its own: a touchdown past both
// counts as a fumble return.
struct DEFENSIVE_TOUCHDOWNS {
    int32_t Interception_Returns;
    int32_t Fumble_Returns;
};
DEFENSIVE_TOUCHDOWNS Split_Defensive_Touchdowns(int32_t touchdowns, int32_t interceptions,
                                                int32_t recoveries);
// A seasons line from a season of 20 statistics in the game's layout; the
// figures the league did not keep in that year are left empty. `passing`,
// when given to a player who is no quarterback, holds the passes he threw
// (attempts, completions, yards, touchdowns, interceptions) for the passing
// columns, which a build reads only on a quarterback's line. With
// `yards_after_catch` a runner's or receiver's statistic 6, his yards after
// the catch, goes into the YAC column (a season the league played keeps
// them; the fictional history makes none and leaves the column empty).
constexpr int32_t SEASON_LINE_PASSING_FIGURES = 5;
std::string Make_Season_Line(int32_t id, int32_t year, const std::string& team_abbreviation, int32_t uniform,
                             const std::string& full_name, int32_t position, const int32_t* stats,
                             int32_t value, const int32_t* passing = nullptr, bool yards_after_catch = false);
// The player's line of the salaries file.
std::string Make_Salary_Line(int32_t team, int32_t slot, int32_t id);
// The team's line of the cap-room file: its full name and the room under the cap.
std::string Make_Cap_Room_Line(int32_t team);
// The team's line of the personnel file for the year.
std::string Make_Personnel_Line(int32_t team, int32_t year);
// The player's line of the combine file: his forty-yard time from his speed.
std::string Make_Combine_Line(int32_t team, int32_t slot, int32_t id, int32_t year);
// The forty-yard time in seconds that a speed rating stands for at 25 or younger.
double Get_Forty_Time_For_Speed(float speed);
// The player's line of a ratings file.
std::string Make_Ratings_Line(int32_t team, int32_t slot, int32_t id);
// The team's line of the team records file.
struct TEAM_RECORD_FIGURES {
    int32_t Wins, Losses, Ties, Place, Division_Teams, Points_For, Points_Against;
    std::string Playoffs;
};
std::string Make_Team_Record_Line(int32_t team, int32_t year, const TEAM_RECORD_FIGURES& record);
// The whole all-time leaders file of the league's lists.
std::string Make_All_Time_Leaders_File();
