#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_balance.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/test_league.h"

TEST(TeamBalance, MissingStartersCountTwenty) {
    Build_Test_League();
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(3, slot) && Get_Player_Unit(3, slot) == 0) Clear_Player(3, slot);
    Compact_Team_Roster(3);
    EXPECT_EQ(Get_Team_Offensive_Balance(3), 500 - 940);
    EXPECT_EQ(Get_Team_Offensive_Balance(41), 500 - 940);
}

TEST(TeamBalance, LevelsFromDistanceToTheMean) {
    Build_Test_League();
    Update_Team_Strength_Levels();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE), 10)
            << "identical rosters sit on the mean";
    // Strip team 0's passing game: it falls far below the mean.
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(0, slot)) continue;
        int32_t position = Get_Player_Vital_Stat(0, slot, VITAL_POSITION);
        if (position == POSITION_QB || position == POSITION_WR)
            for (int32_t rating = RATING_ACCURACY; rating <= RATING_HANDS; ++rating)
                Set_Player_Rating(0, slot, rating, 20.0f);
    }
    Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_BALANCE, 3);
    Update_Team_Strength_Levels();
    EXPECT_LT(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_BALANCE), 10);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_OFFENSIVE_BALANCE), 3) << "a human team keeps its level";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Update_Team_Strength_Levels();
    EXPECT_NE(Get_Team_Stat(1, TEAM_STAT_OFFENSIVE_BALANCE), 3);
    // The reset covers the slots of a 32-team league: a 33rd and 34th team
    // keep the levels they have.
    for (int32_t team : {32, 33}) {
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE, 4);
    }
    Set_Team_Stat(31, TEAM_STAT_OFFENSIVE_BALANCE, 4);
    Reset_Team_Strength_Levels();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_BALANCE), 10);
    EXPECT_EQ(Get_Team_Stat(31, TEAM_STAT_OFFENSIVE_BALANCE), 10);
    EXPECT_EQ(Get_Team_Stat(32, TEAM_STAT_OFFENSIVE_BALANCE), 4);
    EXPECT_EQ(Get_Team_Stat(33, TEAM_STAT_OFFENSIVE_BALANCE), 4);
}

TEST(TeamBalance, HistoricSystemsByTableAndByNickname) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2009;
    Assign_Historic_Defensive_Systems();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DEFENSIVE_SYSTEM), 0);
    EXPECT_EQ(Get_Team_Stat(21, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_DEFENSIVE_SYSTEM), 1);

    Universe.Header.Universe_Stats[BASE_YEAR] = 1985;
    Set_Team_Nickname("Giants", 5);
    Set_Team_Stat(5, TEAM_STAT_DEFENSIVE_SYSTEM, 0);
    Set_Team_Stat(5, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Assign_Historic_Defensive_Systems();
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
}

// The historic systems of the base year, then every level of a 32-team
// league back to 10.
TEST(TeamBalance, HistoricSystemsAndLevelsResetTogether) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2009;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE, team % 5);
    Assign_Historic_Systems_And_Reset_Levels();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DEFENSIVE_SYSTEM), 0) << "slot 0 is 4-3 before 2010";
    EXPECT_EQ(Get_Team_Stat(21, TEAM_STAT_DEFENSIVE_SYSTEM), 1) << "slot 21 is 3-4 before 2011";
    EXPECT_EQ(Get_Team_Stat(24, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(4, TEAM_STAT_DEFENSIVE_SYSTEM), 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE), 10) << "team " << team;
}
