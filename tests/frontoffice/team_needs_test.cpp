#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 4;

int32_t Depth_Need_With_Norm(int32_t norm) {
    Set_User_Preference(DEPTH_NEED_NORM_PREFERENCE + POSITION_QB, norm);
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table);
    return table.Need[ROLE_VETERAN_BACKUP][POSITION_QB];
}

void Set_Record(int32_t team, int32_t wins, int32_t losses) {
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
    Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, losses);
}
} // namespace

TEST(TeamNeeds, AThinPositionAndTheCompressionOfRatios) {
    Build_Computer_League();
    Delete_Player(TEAM, Get_Team_Position_Player(TEAM, POSITION_QB, 1));
    EXPECT_EQ(Get_Position_Depth_Metric(TEAM, POSITION_QB), 2000) << "one quarterback, two wanted";
    EXPECT_EQ(Get_Position_Strength_Metric(TEAM, POSITION_QB), 4000);
    // The metric 2000 against norms that make the ratio 600, 300, 1600 and 3000.
    EXPECT_EQ(Depth_Need_With_Norm(3333), 700);
    EXPECT_EQ(Depth_Need_With_Norm(6667), 550);
    EXPECT_EQ(Depth_Need_With_Norm(1250), 1500);
    EXPECT_EQ(Depth_Need_With_Norm(667), 2000);
    EXPECT_EQ(Depth_Need_With_Norm(2000), 1000);
}

TEST(TeamNeeds, NormsAreComputedOnceAndAWinningTeamNeedsStartersMore) {
    Build_Computer_League();
    for (int32_t n = STARTER_NEED_NORM_PREFERENCE; n < YOUTH_NEED_NORM_PREFERENCE + NEED_POSITIONS; ++n)
        Set_User_Preference(n, 0);
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table);
    const int32_t stored = Get_User_Preference(DEPTH_NEED_NORM_PREFERENCE + POSITION_WR);
    EXPECT_NE(stored, 0);
    EXPECT_EQ(Compute_League_Position_Depth_Norm(POSITION_WR), stored);
    EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 0) << "restored after the table";
    // A 10-6 team's starter need is 1.2 times an 8-8 team's (a position
    // without a backup needs a starter as much whatever the record).
    for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
        Set_Record(TEAM, 8, 8);
        const int32_t even = Get_Position_Need_Metric(TEAM, position);
        Set_Record(TEAM, 10, 6);
        const int32_t winning = Get_Position_Need_Metric(TEAM, position);
        EXPECT_GE(winning, even) << position;
        if (Get_First_Backup_At_Position(TEAM, position) < 0) {
            EXPECT_EQ(winning, 1200) << position;
        } else if (even > 400 && even < 2000) {
            EXPECT_EQ(winning, Clamp_Int(400, 2000, Mul_Div_Round(even, 24, 20))) << position;
        }
    }
}

TEST(TeamNeeds, APositionNobodyHoldsStaysWithinBounds) {
    Build_Computer_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        while (Count_Team_Position_Players(team, POSITION_K) > 0)
            Delete_Player(team, Get_Team_Position_Player(team, POSITION_K, 0));
    for (int32_t n = STARTER_NEED_NORM_PREFERENCE; n < YOUTH_NEED_NORM_PREFERENCE + NEED_POSITIONS; ++n)
        Set_User_Preference(n, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        TEAM_STRENGTH_TABLE table;
        Build_Team_Strength_Table(team, &table);
        for (const auto& row : table.Need)
            for (int32_t need : row) {
                EXPECT_GE(need, 400);
                EXPECT_LE(need, 2000);
            }
        EXPECT_EQ(table.Need[ROLE_VETERAN_BACKUP][POSITION_K], 1000) << "as needy as every team";
    }
    EXPECT_EQ(Get_User_Preference(YOUTH_NEED_NORM_PREFERENCE + POSITION_K), 4000);
}
