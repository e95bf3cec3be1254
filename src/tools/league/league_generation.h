#pragma once
// Making the default league through the game's own routines: the league is
// founded years before the season it is wanted for, with the franchises of
// that season and rosters of new players, and the game then plays those years
// by itself, so that ages, careers, statistics, leaders, drafts and the Hall
// of Fame come out of its own dynamics. A season reached that way is turned
// into a league database that a new game starts from.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/league/league_franchises.h"
#include "tools/league/non_passer_passing.h"
#include "tools/league/played_team_records.h"

// The team records of the seasons the default league played, written next
// to its files by Generate_Default_League.
constexpr const char* PLAYED_TEAM_RECORDS_FILE = "League/Played-Team-Records.txt";
// The passes its players who are no quarterbacks threw in those seasons,
// written beside them (tools/league/non_passer_passing.h).
constexpr const char* PLAYED_NON_PASSER_PASSING_FILE = "League/Played-Non-Passer-Passing.txt";
// The league as each season it played ended (its champion decided, before
// the off-season retires anyone), by year: the season lines of every
// player who played it, those who then retire included.
constexpr const char* ENDED_SEASON_FILE_FORM = "League/Ended-%d.dat";
// The pool of such a file that holds, instead of its own players, those who
// left the league during the season, with their lines of it.
constexpr int32_t ENDED_SEASON_LEFT_TEAM = 38;

// Reads "Cities.txt" of the current folder into the league's cities,
// compacted and sorted. False with the reason in `error` when the file is
// missing or holds no city.
bool Read_Installed_Cities(std::string* error);

// Clears the league and founds it in `year`: the installation's cities
// ("Cities.txt" of the current folder), the two conferences and their
// divisions, the year's rules and cap, the player-generation inputs, the
// franchises of `rows` with full rosters of new players and contracts for a
// new league; then the game is started (season 0 of `year`). False with the
// reason in `error` when an input is missing or wrong.
bool Found_League(int32_t year, const std::vector<FRANCHISE_ROW>& rows, std::string* error);

// Loads a league saved by the history generator at the start of a season
// (at most `year`) and makes it the league the game plays on: its players,
// careers, drafts, contracts, franchises and team history as they are.
// False with the reason in `error` when the file cannot be loaded or is not
// such a league.
bool Continue_History_League(const std::string& file, int32_t year, std::string* error);

// Plays every computer-run season from the current one until the season of
// `year` is set up (its week 0). With `played`, each season is first played
// up to its champion and its team records are added there; with
// `installation` as well, the league as the season ended is saved there
// under ENDED_SEASON_FILE_FORM. The passes of players who are no
// quarterbacks are kept (tools/league/non_passer_passing.h) and each regular
// season's passing totals checked against them and the quarterbacks' lines.
// False when the calendar stops moving first, a regular season's passing
// does not add up or a file cannot be written.
bool Simulate_Until_Season(int32_t year, std::string* error,
                           std::vector<PLAYED_TEAM_RECORD>* played = nullptr,
                           const std::string& installation = std::string());

// Turns the league in its week 0 into a league database of that season: it
// is made as a league in its first season, then keeps its base year and
// season index with the team records of the seasons played so far, which
// are kept by season index, for Team History (a game started on it begins
// in its season); the players keep their careers, the lines of the seasons
// they played (Drop_Unplayed_Season_Lines; no college line but the college
// pool's prospects', Drop_League_College_Lines), draft records and leaders,
// which carry calendar years; the settings are those of a built database, the
// year's rules apply, and every player's predicted season is his typical
// season from his final ratings, so a game started on the file keeps them.
void Make_Season_Database();

// Every used player slot of the league's team records, pools included: his
// predicted season becomes the typical season of his ratings.
void Set_All_Typical_Seasons();

// A blocker's or defender's season line keeps his value for the season in
// this statistic, as a built season database does from the seasons file.
constexpr int32_t SEASON_LINE_VALUE_STAT = 13;
bool Is_Value_Kept_In_Line(int32_t position);
// A season's value from its games and starts, as the seasons file gives it
// for a season the league played: at least 1.
int32_t Get_Played_Line_Value(int32_t line);
// The same value of a season of `games` games with `starts` starts.
int32_t Get_Played_Season_Value(int32_t games, int32_t starts);
// Whether a league line is of a season its player played: a game or more.
// The game opens a line when a player joins a team (drafted, signed,
// traded) in case he plays for it; one he never played for is no season of
// his, and the seasons file, like any record of seasons, lists none.
bool Is_Played_Season_Line(int32_t line);
// Every league line of a season before `year` that is no played one, and
// every league line of `year` and later, goes from its player, whose career
// and last season totals stay the sums of his lines (his college lines are
// Drop_League_College_Lines's): the league database of `year` then holds the
// league lines a built database of that year holds, the seasons played
// before it.
void Drop_Unplayed_Season_Lines(int32_t year);
// Every college line of a player of the league's teams (franchises, free
// agents, Hall of Fame) goes from him, as a built database's players, whom
// the seasons file gives their league seasons only, hold none: a kicker's
// or punter's career long is then his longest league season's, never a
// college season's. The college pool's prospects keep theirs, which are
// all the seasons they have.
void Drop_League_College_Lines();
// Every league line of `year` of a blocker or defender gets its value, and
// his career (and last season, when `year` is the one before the league's)
// counts it.
void Keep_Played_Line_Values(int32_t year);

// One season file of the default league: the year, the file name written,
// whether the season has a franchise table to lay on the league, and the
// name of its draft class file (none when null).
struct LEAGUE_FILE {
    int32_t Year;
    const char* File_Name;
    bool Has_Table = true;
    const char* Class_File_Name = nullptr;
};

// The whole generation, reading the installation's inputs from the current
// folder: continues the league saved in `history` when that is not empty,
// else founds the league `years_before` years before the first file's
// season with that season's franchises; then plays on to each file's season
// in turn, lays that season's franchise table on the league (when it has one)
// and writes its database and, when named, its draft class (the file names
// taken in `installation`); at last the team records of every season it
// played into PLAYED_TEAM_RECORDS_FILE there and the passes of its players
// who are no quarterbacks into PLAYED_NON_PASSER_PASSING_FILE. `log` gets a line a
// season when not null. False with the reason in `error`.
bool Generate_Default_League(const std::vector<LEAGUE_FILE>& files, const std::string& installation,
                             const std::string& history, int32_t years_before, uint32_t seed,
                             std::string* error, void (*log)(const char* line));
