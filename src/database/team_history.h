#pragma once
// Queries across seasons and across the league: all-time team figures, the
// last playoff rounds and division orders of past seasons, ranks in team
// totals, wild-card bounds, city statistics of teams, and the league mean and
// spread of a rating over the starters.
#include <cstddef>
#include <cstdint>

#include "database/team_record_layout.h"

// A team's figure summed over the past seasons; its rating weighs them by
// the league's seasons of history. Team 255: the mean over the teams the
// league's history counts (Mark_League_History_Teams).
int32_t Get_Team_History_Stat(int32_t team, int32_t n);
// Whether the franchise took part in the season: its history row of that
// season holds a game (regular season or playoffs) or money (home
// attendance, profit). A franchise that joined the league later has no such
// row for the seasons before, nor has a slot in no use; a season outside the
// history is none.
bool Has_Team_Played_Season(int32_t team, int32_t season);
// The past seasons (below the current one, within the history) the team
// played: how many, and the n-th of them counted back from the latest (0 the
// latest) as a season index, -1 when it played fewer.
int32_t Count_Team_Played_Seasons(int32_t team);
int32_t Get_Team_Played_Season(int32_t team, int32_t n);
// The active teams whose history the league's means take in: those that
// played one of the league's past seasons, so a franchise that joined since
// counts once it has played one; every active team while none has (a league
// in its first season). Sets a flag for each franchise slot and returns how
// many are set.
int32_t Mark_League_History_Teams(bool counted[MAX_FRANCHISES]);
int32_t Get_Season_Finish_Team(int32_t slot, int32_t which, int32_t seasons_back);
// The team at `place` of the division in the season: for the current season
// the standings' entry; for a past one among the teams of the division's
// standings now that played that season (a franchise that joined since has
// no place in it), by that season's wins, then ties. NO_TEAM past the last.
int32_t Get_Division_Place_Team(int32_t division, int32_t place, int32_t season);
// The places of the division in the season: its teams for the current
// season, those that played it for a past one.
int32_t Count_Division_Season_Teams(int32_t division, int32_t season);
// A team's figure of this season's totals as the league compares teams by
// it: a run is booked under the runner's category, a quarterback's with the
// passers', so the rushes, rushing yards and rushing touchdowns (7-9) of the
// ball carriers (category 0) and of their opponents (4) take in the passers'
// (3 and 7), as the computed yards (112, 130, 133, 134) do; any other figure
// is its category's own.
int32_t Get_Team_Side_Totals_Stat(int32_t team, int32_t category, int32_t stat);
// The number of active teams whose figure above is greater than the team's:
// 0 for the leader.
int32_t Get_Team_Stat_Rank(int32_t team, int32_t category, int32_t stat);
// The team's place by that figure, 1 the best. More of the team's own
// figures (categories 0-3) is better and less of its opponents' (4-7), but
// fumbles and fumbles lost (2 and 13 of the ball carriers' categories 0 and
// 4) count the other way round. Where more is better the team's place is
// 1 + its rank (equal teams share the higher place); where less is better
// it is the number of active teams with as much or less, itself among them:
// the active teams less its rank (equal teams share the lower place), as
// the standings place a defence.
int32_t Get_Team_Stat_Place(int32_t team, int32_t category, int32_t stat);
int32_t Get_Team_City_Stat(int32_t team, int32_t n);
// Sets statistic n of the team's home city (a team number of 41 or more
// names city 0), with Set_City_Stat's checks and messages.
void Set_Team_City_Stat(int32_t team, int32_t n, int32_t value);

// The two header words at block offsets 1,856 and 1,860 (the league rates
// read as pairs of 16-bit values: 420 and 625, then 1,120 and 2,350).
constexpr size_t HEADER_MARKER_OFFSET = 1856;
constexpr int32_t HEADER_MARKER_WORD_0 = 40960420;
constexpr int32_t HEADER_MARKER_WORD_1 = 154010720;
void Set_Header_Marker_Words();

float Get_League_Rating_Mean(int32_t rating);
float Get_League_Rating_Spread(int32_t rating);
// The mean, with the number of ratings it was taken over.
float Get_League_Rating_Sample(int32_t rating, int32_t* counted);
