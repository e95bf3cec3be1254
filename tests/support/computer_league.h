#pragma once
// The test league run by the computer general managers: markets, Owner Mode
// money, every franchise owning its own picks, a stocked free-agent pool and
// automatic depth charts; the weekly steps of the season cycle driven around
// a week of headless games, and the rules the league must keep every week.
#include <cstdint>
#include <string>
#include <vector>

void Build_Computer_League();
// The computer-run test league at the start of its 2020 season (its rules
// applied, the schedule made), the generator seeded before the start.
void Start_Computer_League_Season(uint32_t seed);
// The calendar at the week, then the computer moves before its games (the
// automatic signings) and the league's money for the week.
void Run_Computer_Moves_Before_Games(int32_t week);
// Plays the week's 16 games (each booked with its game money), pays the
// shared revenue and heals the league; returns the games finished.
int32_t Play_Computer_League_Week(int32_t week, uint32_t seed);
// The computer moves after a week's games: depth charts, roster moves and,
// before week 12, three trade attempts. Returns the trades made.
int32_t Run_Computer_Moves_After_Games(int32_t week);

// Each team's roster size now, by team.
std::vector<int32_t> Roster_Sizes();
// The fewest players a team of `players` may hold after a week's roster
// moves: cuts, cap passes and trades stop at 51, while each of its three
// sign-or-release turns may let one player go whatever its size (a team over
// the cap at 51 may end a week at 48).
int32_t Get_Lowest_Roster_After_Moves(int32_t players);

// What the league holds at one moment: every player id of every team record
// (sorted), the franchises' cash and their booked surplus of the season.
struct LEAGUE_CENSUS {
    std::vector<int32_t> Ids;
    int64_t Cash;
    int64_t Booked;
};
LEAGUE_CENSUS Take_League_Census();
// The ids of `before` that `after` no longer holds and that did not retire
// since the league was built (a retired player leaves the league for good):
// the players lost, sorted.
std::vector<int32_t> Find_Lost_Players(const LEAGUE_CENSUS& before, const LEAGUE_CENSUS& after);
// One week of the season with its rules checked: every roster within its
// limits, every position at its minimum before the games, no player on two
// teams or lost (retired players aside), cash moved only by booked money or between teams, payrolls
// kept under the cap where the rules ask it. Returns the problems found, one
// a line (empty when none), and adds the week's trades to `trades`.
std::string Run_Checked_Computer_Week(int32_t week, uint32_t seed, int32_t* trades);
