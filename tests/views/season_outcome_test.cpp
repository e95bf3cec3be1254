#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "support/test_league.h"
#include "views/season_outcome.h"

namespace {
int32_t Leader_Of(int32_t division) {
    return Get_Division_Standing_Team(division, 0);
}

int32_t Runner_Up_Of(int32_t division) {
    return Get_Division_Standing_Team(division, 1);
}

void Empty_Bracket() {
    for (int32_t slot = 0; slot < 31; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
}
} // namespace

TEST(SeasonOutcome, BestHumanTeamNeedsAtLeastADivisionTitle) {
    Build_Test_League();
    Update_Standings();
    Empty_Bracket();
    const int32_t leader = Leader_Of(0);
    const int32_t runner_up = Runner_Up_Of(4);
    const int32_t other_leader = Leader_Of(5);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), NO_TEAM) << "no human team";

    // A human team that came second in its division and missed the playoffs
    // gets no champions view.
    Set_Team_Stat(runner_up, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_Team_Season_Outcome(runner_up), 0);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), NO_TEAM);

    Set_Team_Stat(leader, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(other_leader, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_Team_Season_Outcome(leader), 5);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), leader < other_leader ? leader : other_leader)
        << "equal outcomes keep the lower slot";

    // The runner-up won his conference; then the other division winner won it all.
    Set_Playoff_Team(29, runner_up);
    EXPECT_EQ(Get_Team_Season_Outcome(runner_up), 7);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), runner_up);
    Set_Playoff_Team(30, other_leader);
    Set_Playoff_Team(28, other_leader);
    EXPECT_EQ(Get_Team_Season_Outcome(other_leader), 8);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), other_leader);

    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_EQ(Get_Best_Finishing_User_Team(), NO_TEAM) << "every team is computer-run meanwhile";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

// In the off-season the champions view looks back at the season just
// ended: its finish and division place as the history holds them, not the
// standings the coming year's realignment has sorted since, which are left
// untouched by the look.
TEST(SeasonOutcome, TheOffSeasonLooksBackAtTheEndedSeasonsHistory) {
    Build_Test_League();
    Update_Standings();
    Empty_Bracket();
    const int32_t leader = Leader_Of(0);
    const int32_t runner_up = Runner_Up_Of(0);
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Set_Team_Yearly_Char(leader, 1, 1, 0);
    Set_Team_Yearly_Int(leader, 1, 3, 5);
    Set_Team_Yearly_Char(runner_up, 1, 1, 1);
    Set_Team_Yearly_Int(runner_up, 1, 3, 3);
    Set_User_Preference(CURRENT_WEEK, 100);
    // The coming season's standings put the runner-up first.
    Set_Division_Standing(0, 0, runner_up);
    Set_Division_Standing(0, 1, leader);
    EXPECT_EQ(Get_Team_Season_Outcome(leader), 5);
    EXPECT_EQ(Get_Team_Season_Outcome(runner_up), 0);
    EXPECT_EQ(Get_Team_Yearly_Char(runner_up, 1, 1), 1) << "the ended season's place stays";
}
