#pragma once
// A fictional team season without its games: every player's statistics made
// from his typical season (the one his ratings give) and his place on the
// depth chart, scaled to the league's averages of the year and its number of
// games, so that the team's figures add up: its receivers catch the passes
// its quarterbacks complete, for the yards they throw. Each team's season
// and each player's part of it stray from the averages as real ones do:
// starters miss games hurt or benched and their reserves start, and every
// share, rate and kick is drawn around what talent and role make likely.
#include <cstdint>
#include <vector>

#include "database/player_record_layout.h"
#include "database/team_record_layout.h"

struct PLAYER_SEASON_FIGURES {
    int32_t Stats[NUMBER_OF_SEASON_STATS];
    // The player's value for the season (the seasons file's "Value").
    int32_t Value;
    // His position (-1 for an unused slot).
    int32_t Position;
};

struct TEAM_SEASON_FIGURES {
    PLAYER_SEASON_FIGURES Players[PLAYERS_PER_TEAM];
    int32_t Completions, Passing_Yards, Passing_Touchdowns, Interceptions, Attempts;
    int32_t Rushes, Rushing_Yards, Rushing_Touchdowns;
    int32_t Receptions, Receiving_Yards, Receiving_Touchdowns;
};

// The most yards one play gains: a completion, catch or carry is worth no more.
constexpr int32_t MOST_YARDS_A_PLAY = 99;

// A draw in (0, 1).
double Draw_Fraction();

// Who holds a ball carrier's figures (QB, RB, FB, TE, WR), a receiver's
// (RB, FB, TE, WR), a passer's (QB) and a defender's.
bool Is_Ball_Carrier(int32_t position);
bool Is_Receiver(int32_t position);
bool Is_Passer(int32_t position);
bool Is_Defender(int32_t position);

// Strength of a team's units against the league's mean (1.0 the mean).
struct TEAM_STRENGTH {
    double Passing = 1.0;
    double Running = 1.0;
    double Pass_Defense = 1.0;
    double Run_Defense = 1.0;
    // How much the team threw and ran this season against the league's
    // average (1.0): the season's teams span the range real offences do.
    double Pass_Volume = 1.0;
    double Run_Volume = 1.0;
    // How far its passes went a completion against the league's average.
    double Pass_Efficiency = 1.0;
};

// The strengths of every active team from its unit ratings, and the
// volumes of its season's offence.
std::vector<TEAM_STRENGTH> Measure_Team_Strengths();

// Parts `total` in proportion to `weights` (largest remainders, earlier
// entries first on equal remainders); all to the first entry when every
// weight is 0. The parts always sum to `total`.
std::vector<int32_t> Share_Total(int32_t total, const std::vector<double>& weights);

// Parts of `total` in proportion to `weights` (equal when every weight is
// 0), none above its limit: what a part cannot take goes to the others.
// The parts sum to `total` unless every part reached its limit.
std::vector<int32_t> Share_Within(int32_t total, const std::vector<double>& weights,
                                  const std::vector<int32_t>& limits);

// A bound of a line's yards: at most Numerator / Denominator yards for each
// of its figure Chances, or that many in all for NO_CHANCES.
constexpr int32_t NO_CHANCES = -1;
struct YARDS_BOUND {
    int32_t Chances;
    int64_t Numerator;
    int64_t Denominator;
};

// The bounds of a line's yards of `yards_stat` (5 passing, 8 rushing, 11
// receiving), for a player of `position` with the figures `stats`: the most
// a play gains for each of the completions, carries or catches they were
// gained in; for a passer of enough attempts or completions, the best rates
// of real passers of his size and their margin (rate_records.h); for a
// running back or fullback, his position's best receiving yards and their
// margin.
std::vector<YARDS_BOUND> Get_Line_Yards_Bounds(int32_t position, int32_t yards_stat, const int32_t* stats);

// The most yards of `yards_stat` the line may hold within its bounds.
int32_t Get_Most_Line_Yards(int32_t position, int32_t yards_stat, const int32_t* stats);

// The players of the team who make its roster of `year`, by slot: every
// position's starters, then reserves in depth order, each position in
// proportion to what a full roster carries of it, up to the league's limit
// of the year or the game's smallest roster, whichever is more.
std::vector<bool> Choose_Season_Roster(int32_t team, int32_t year);

// The season of every player of the team's roster of `year` (other slots zero).
void Make_Team_Season_Figures(int32_t team, int32_t year, int32_t games, const TEAM_STRENGTH& strength,
                              TEAM_SEASON_FIGURES* figures);

// Moves every figure a player's chances cannot hold to his teammates who
// can take it, so the team's figures still add up: passing, rushing and
// receiving yards within the most a play gains for each of the player's
// completions, carries or catches (none without them), a passer's touchdowns
// within his completions and his interceptions within his passes not
// caught, a ball carrier's rushing touchdowns within his carries, a
// receiver's touchdowns within his catches, a defender's return touchdowns
// within his interceptions and fumble recoveries. What no teammate can take
// is dropped.
void Keep_Figures_Possible(TEAM_SEASON_FIGURES* figures);

struct ERA_NORMS;
// The kicker's (team, slot) field goals of a season of `games` games in the
// era of `norms`, into `stats` (his season's 20 figures): tries and makes by
// distance (figures 10-17) and his longest make (figure 18), which lies in
// the distance band of his longest make: 50-57, 40-49, 30-39 or 20-29 yards,
// 0 without a make.
void Make_Field_Goals(int32_t team, int32_t slot, int32_t games, const ERA_NORMS& norms, int32_t* stats);
