#pragma once
// The schedule files of a season of two leagues (the seasons 1960-1969),
// which the game's historic schedule loader plays: "<year>-NFL.csv" and
// "<year>-AFL.csv" in the installation's "Input/Schedules" folder, each
// league's teams playing only each other, every team the season's games.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One game of a league's schedule: its week (0-based) and its two teams, by
// their places in the league's list.
struct LEAGUE_GAME {
    int32_t Week;
    int32_t Away;
    int32_t Home;
};

// The schedule of a league whose teams are in the divisions `divisions`
// (one entry a team): round robins, each team playing every other as often
// as the others, and the games a whole round robin leaves over taken from
// the rounds that hold the most division rivals. Every team plays `games`
// games and none twice in a week, in as few weeks as that allows: `games`
// weeks for an even number of teams; for an odd number, where one team or
// more rests each week, the weeks of the round robins and one more for the
// teams whose rest fell in a round played again. A meeting played again is
// hosted by the team that visited before; otherwise the team with fewer
// home games hosts. Nothing when `games` is not even for an odd number of
// teams (no such schedule exists) or the league has fewer than two teams.
std::vector<LEAGUE_GAME> Make_League_Schedule(const std::vector<int32_t>& divisions, int32_t games);

// The most weeks a schedule file may hold (the loader reads weeks 1-18).
constexpr int32_t SCHEDULE_FILE_WEEKS = 18;

// The schedule files of the season `year` of the league in the block, by
// their path under the installation, when it holds two leagues (named "NFL"
// and "AFL") rather than the two conferences of one: one file for each,
// named by the league ("Input/Schedules/1962-AFL.csv"), each game a line
// "Week,Away_Team,Home_Team,Day,Date" with the teams' full names and the
// Sunday of the week. Nothing for any other league. False with the
// reason in `error` when a league's schedule cannot be made within
// SCHEDULE_FILE_WEEKS weeks.
bool Make_Two_League_Schedule_Files(int32_t year, int32_t games, std::map<std::string, std::string>* files,
                                    std::string* error);
