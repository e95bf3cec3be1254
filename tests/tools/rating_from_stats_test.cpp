#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/scouting.h"
#include "personnel/typical_season.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "tools/rating_from_stats.h"
#include "tools/ratings_rebuild.h"

namespace {
constexpr int32_t TEAM = 4;

void Set_Predicted_Games(int32_t team, int32_t slot, int32_t games, int32_t starts) {
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 0, games);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 1, starts);
}

float Stored_Rating(int32_t team, int32_t slot, int32_t rating) {
    return Universe.Teams[team].Players[slot].Ratings[rating];
}
} // namespace

TEST(RatingsFromStats, HealthAndBlockingComeFromTheirStatistics) {
    Build_Test_League();
    Set_User_Preference(PERFECT_SCOUTING, 1);
    const int32_t runner = Test_League_Slot(POSITION_RB, 0);
    Set_Predicted_Games(TEAM, runner, 6, 4);
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, runner, RATING_HEALTH), 70.0f) << "10 games and starts: 70";
    Set_Predicted_Games(TEAM, runner, 16, 16);
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, runner, RATING_HEALTH), 94.0f) << "2 x 32 + 30";
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, runner, RATING_PASS_BLOCKING),
                    static_cast<float>(Get_Player_Stat(TEAM, runner, SEASON_PREDICTED, 210)));
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, runner, RATING_PUNT_ACCURACY), 20.0f)
        << "a runner's punting estimate is a plain 20";

    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    Set_Player_Stat(TEAM, tackle, SEASON_PREDICTED, 5, 63);
    Set_Player_Stat(TEAM, tackle, SEASON_PREDICTED, 6, 71);
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, tackle, RATING_PASS_BLOCKING), 71.0f) << "his grade 6";
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, tackle, RATING_RUN_BLOCKING), 63.0f) << "his grade 5";
    EXPECT_EQ(Get_Rating_Statistic_Code(RATING_PUNT_ACCURACY), 223);
    EXPECT_EQ(Get_Rating_Statistic_Code(RATING_PUNT_DISTANCE), 222);
    EXPECT_EQ(Get_Rating_Statistic_Code(27), -1) << "composites are not rebuilt";
}

TEST(RatingsFromStats, TheScoutsErrorNeverReachesTheRatings) {
    Build_Test_League();
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(PERFECT_SCOUTING, 0);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 100000); // every error -12
    const int32_t runner = Test_League_Slot(POSITION_RB, 0);
    const int32_t id = Get_Player_ID(TEAM, runner);
    Set_Predicted_Games(TEAM, runner, 16, 16);
    ASSERT_EQ(Get_Scouting_Error(TEAM, runner, id), -12);
    EXPECT_EQ(Get_Player_Stat(TEAM, runner, SEASON_PREDICTED, 208), 82) << "the scouts see 94 - 12";

    Set_Stat_Memo_Switch(1);
    Set_Player_Ratings_From_Stats(TEAM, runner);
    EXPECT_FLOAT_EQ(Stored_Rating(TEAM, runner, RATING_HEALTH), 94.0f);
    EXPECT_EQ(Get_Scouting_Error(TEAM, runner, id), -12) << "the error is held only while rebuilding";
    // The memo keeps the scouts' view only: the rebuild neither reads nor fills it.
    Set_Predicted_Games(TEAM, runner, 5, 5);
    EXPECT_EQ(Get_Player_Stat(TEAM, runner, SEASON_PREDICTED, 208), 58) << "70 - 12, computed afresh";
    Set_Predicted_Games(TEAM, runner, 16, 16);
    EXPECT_EQ(Get_Player_Stat(TEAM, runner, SEASON_PREDICTED, 208), 58) << "the scouts' view, remembered";
    EXPECT_FLOAT_EQ(Get_Rating_From_Stats(TEAM, runner, RATING_HEALTH), 94.0f);
    Set_Stat_Memo_Switch(0);
}

TEST(RatingsFromStats, ValuesBeyondAThousandAreReportedAndKept) {
    Build_Test_League();
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    Set_Player_Stat(TEAM, guard, SEASON_PREDICTED, 6, 5000);
    Set_Player_Stat(TEAM, guard, SEASON_PREDICTED, 5, -1500);
    Clear_Debug_Log();
    Set_Player_Ratings_From_Stats(TEAM, guard);
    EXPECT_FLOAT_EQ(Stored_Rating(TEAM, guard, RATING_PASS_BLOCKING), 5000.0f);
    EXPECT_FLOAT_EQ(Stored_Rating(TEAM, guard, RATING_RUN_BLOCKING), -1500.0f);
    EXPECT_EQ(Count_Debug_Lines("fValue out of bounds in Set_Player_Rating("), 2);
}

TEST(RatingsFromStats, ASeasonOfNoGamesGivesEveryPositionFiniteRatings) {
    Build_Test_League();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int32_t position = POSITION_QB; position <= POSITION_P; ++position) {
        const int32_t slot = Test_League_Slot(position, 0);
        Clear_Player_Season_Stats(TEAM, slot, SEASON_PREDICTED);
        for (int32_t rating = RATING_HEALTH; rating <= RATING_PUNT_DISTANCE; ++rating)
            Universe.Teams[TEAM].Players[slot].Ratings[rating] = nan;
        Set_Player_Ratings_From_Stats(TEAM, slot);
        const bool lineman = Get_Position_Group(position) == 1;
        for (int32_t rating = RATING_HEALTH; rating <= RATING_PUNT_DISTANCE; ++rating) {
            const float value = Stored_Rating(TEAM, slot, rating);
            ASSERT_TRUE(std::isfinite(value)) << "position " << position << " rating " << rating;
            if (lineman && (rating == RATING_PASS_BLOCKING || rating == RATING_RUN_BLOCKING))
                EXPECT_FLOAT_EQ(value, 0.0f) << "a lineman without grades";
            else
                EXPECT_TRUE(value >= 20.0f && value <= 99.0f)
                    << "position " << position << " rating " << rating << " = " << value;
        }
    }
}

TEST(RatingsRebuild, ATypicalSeasonKeepsTheRatingsItCameFrom) {
    Build_Test_League();
    const int32_t passer = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Rating(TEAM, passer, RATING_HEALTH, 61.5f);
    Calculate_Typical_Season_From_Ratings(TEAM, passer);
    int32_t season[20];
    for (int32_t stat = 0; stat < 20; ++stat)
        season[stat] = Get_Player_Stat(TEAM, passer, SEASON_PREDICTED, stat);
    float ratings[27];
    for (int32_t rating = 0; rating < 27; ++rating)
        ratings[rating] = Stored_Rating(TEAM, passer, rating);

    EXPECT_TRUE(Is_Predicted_Season_Typical(TEAM, passer));
    Refresh_Player_Ratings_From_Stats(TEAM, passer);
    for (int32_t rating = 0; rating < 27; ++rating)
        EXPECT_EQ(Stored_Rating(TEAM, passer, rating), ratings[rating]) << "rating " << rating;

    // One completion more than his ratings give: a season of its own, rebuilt.
    Set_Player_Stat(TEAM, passer, SEASON_PREDICTED, 3, season[3] + 1);
    EXPECT_FALSE(Is_Predicted_Season_Typical(TEAM, passer));
    EXPECT_EQ(Get_Player_Stat(TEAM, passer, SEASON_PREDICTED, 3), season[3] + 1)
        << "the season is left alone";
    Refresh_Player_Ratings_From_Stats(TEAM, passer);
    EXPECT_FLOAT_EQ(Stored_Rating(TEAM, passer, RATING_HEALTH), 94.0f);

    // A lineman's typical season is his games and starts alone: grades that
    // differ from his blocking ratings do not make it another season.
    const int32_t centre = Test_League_Slot(POSITION_C, 0);
    Set_Predicted_Games(TEAM, centre, 16, 16);
    Set_Player_Stat(TEAM, centre, SEASON_PREDICTED, 6, 40);
    const float blocking = Stored_Rating(TEAM, centre, RATING_PASS_BLOCKING);
    ASSERT_NE(blocking, 40.0f);
    Refresh_Player_Ratings_From_Stats(TEAM, centre);
    EXPECT_EQ(Stored_Rating(TEAM, centre, RATING_PASS_BLOCKING), blocking);
    Set_Predicted_Games(TEAM, centre, 16, 15);
    Refresh_Player_Ratings_From_Stats(TEAM, centre);
    EXPECT_FLOAT_EQ(Stored_Rating(TEAM, centre, RATING_PASS_BLOCKING), 40.0f);
}

TEST(RatingsRebuild, EveryUsedSlotOfEveryTeamIsRebuilt) {
    Build_Test_League();
    struct PLACE {
        int32_t team;
        int32_t slot;
    } used[] = {{0, 0}, {TEST_LEAGUE_TEAMS - 1, TEST_ROSTER_SIZE - 1}, {36, 0}, {37, 3}, {40, 99}};
    for (const PLACE& p : used) {
        Set_Player_Vital_Stat(p.team, p.slot, VITAL_PLAYER_ID, 800000 + p.team);
        Set_Player_Vital_Stat(p.team, p.slot, VITAL_POSITION, POSITION_LB);
        Set_Predicted_Games(p.team, p.slot, 3, 2);
        Set_Player_Rating(p.team, p.slot, RATING_HEALTH, 33.0f);
    }
    const int32_t empty = TEST_ROSTER_SIZE + 5;
    ASSERT_FALSE(Is_Player_Slot_Used(2, empty));
    Universe.Teams[2].Players[empty].Ratings[RATING_HEALTH] = 5.0f;
    Set_All_Ratings_From_Stats();
    for (const PLACE& p : used)
        EXPECT_FLOAT_EQ(Stored_Rating(p.team, p.slot, RATING_HEALTH), 70.0f) << "team " << p.team;
    EXPECT_FLOAT_EQ(Stored_Rating(2, empty, RATING_HEALTH), 5.0f) << "an empty slot is left alone";
}
