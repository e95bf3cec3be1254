#pragma once
// Standings: the league-wide rank of every active team, the order of each
// division with its tie-breaks, wild-card runners-up, and the clinch and
// elimination numbers of the playoff race.
#include <cstdint>

#include "database/team_results.h"

// The key of an invalid team, and the magic number of an eliminated team.
constexpr int32_t INVALID_STANDINGS_SCORE = -2147483647;
constexpr int32_t MAGIC_NUMBER_ELIMINATED = -2147483647 - 1;
constexpr int32_t DIVISION_STANDING_PLACES = 13;

// While one lives, each franchise's standings score, division score and
// margin are worked out once and remembered (and the season's games read
// once, as a TEAM_RESULTS_SCOPE does): for work that asks for them many times
// over a league whose records and games do not change meanwhile, as the
// standings and the seeding after a game do.
struct STANDINGS_SCOPE {
    STANDINGS_SCOPE();
    ~STANDINGS_SCOPE();
    STANDINGS_SCOPE(const STANDINGS_SCOPE&) = delete;
    STANDINGS_SCOPE& operator=(const STANDINGS_SCOPE&) = delete;

  private:
    TEAM_RESULTS_SCOPE Results;
};

// While one lives, the current season is settled history: the off-season
// has recorded its finish and is turning the league over to the coming year
// (moves, realignments, expansion teams), so the standings it works out are
// the coming season's. Rank_League_Teams then keeps the league rank of every
// team that played the season as the season left it; a team that joined
// since, which has no season to keep, is still given its rank, as the
// college draft orders it by.
struct SETTLED_SEASON_SCOPE {
    SETTLED_SEASON_SCOPE();
    ~SETTLED_SEASON_SCOPE();
    SETTLED_SEASON_SCOPE(const SETTLED_SEASON_SCOPE&) = delete;
    SETTLED_SEASON_SCOPE& operator=(const SETTLED_SEASON_SCOPE&) = delete;
};
bool Is_Current_Season_Settled();

int32_t Get_Team_Standings_Score(int32_t team);
int32_t Get_Team_Division_Score(int32_t team);
void Rank_League_Teams();
void Fill_Division_Standing_Place(int32_t division, int32_t place);
void Update_Standings();
void Update_Standings_And_Seeding();

int32_t Get_Team_Division_Standing(int32_t team);
int32_t Get_Division_Standing_Team(int32_t division, int32_t place);
void Set_Division_Standing(int32_t division, int32_t place, int32_t team);

int32_t Get_Wild_Card_Runner_Up(int32_t league, int32_t which);
int32_t Get_Team_Magic_Number(int32_t team);
int32_t Has_Clinched_Playoff_Spot(int32_t team);
int32_t Is_In_Playoff_Race(int32_t team);
int32_t Is_Team_Eliminated(int32_t team);
