#pragma once
// The season database builder: the statistics files of one season year
// under "input/stats" turned into a complete league (league and division
// names, franchises with stadiums and money, players with careers, draft
// records, contracts and ratings, and the settings of a fresh game), saved
// as "databases/universe-<year>.dat" beside its draft class
// "databases/rookies-<year>.dat".
#include <cstdint>

constexpr int32_t FIRST_DATABASE_YEAR = 1951;
constexpr int32_t LAST_DATABASE_YEAR = 2022;
// Universe statistic set to 1 while the builder starts the built league.
constexpr int32_t DATABASE_BUILD_FLAG = 6;

// Builds and saves one season (the year clamped to 1951-2022). The inputs
// must be whole: a missing league, teams, rosters, players or seasons file,
// or a malformed line in any input, stops the build, which then puts back
// the league that was loaded before and leaves the old files as they were.
// The database and its class are written through replacement files and
// take their names together at the end. True when both were saved; the
// built league then stays loaded, started as a new game would be. The
// league is started with the class of the coming draft
// ("databases/rookies-<year + 1>.dat"); when it was missing or damaged the
// user is told once the build is over.
bool Create_Season_Database(int32_t year);
// Create_Season_Database for every year from first to last (nothing when
// first > last), then the historical totals report; the draft classes
// missing on the way are told together at the end. True when every year saved.
bool Create_Historical_Databases(int32_t first_year, int32_t last_year);
// 1951 through 2021, then the report.
bool Create_All_Historical_Databases();
// The build proper for the Base_Year in the block; false when it stopped.
bool Build_Season_Database();
// The settings of a freshly built season.
void Init_Built_Season_Settings();

// Steps of the build.
// Players of a franchise younger than 17 or older than 50 in the season
// year, and players without any name, are removed; rosters are compacted.
void Remove_Unplayable_Players();
// Credited seasons (vital 8) of every player of the franchises, the free
// agents and the Hall of Fame from his league season lines, at most 30.
void Set_Credited_Seasons_From_Lines();
// Every season line of the base year or later is removed from its player.
void Delete_Future_Season_Lines();
// Career, this and last season of every player summed again from his
// season lines (the league totals of the year before gathered on the way).
void Rebuild_All_Season_Totals();
