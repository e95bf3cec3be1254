#include "engine/team_unit_ratings.h"

#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "views/point_spreads.h"

namespace {

template <typename UNIT> void Fill(UNIT& unit, int32_t value) {
    int32_t* words = reinterpret_cast<int32_t*>(&unit);
    for (size_t i = 0; i < sizeof unit / sizeof(int32_t); ++i)
        words[i] = value;
}

TEST(UnitRatingFormulas, TeamRatedSeventyThroughout) {
    RUNNING_UNIT_VALUES running;
    Fill(running, 70);
    for (int32_t year : {2020, 2000, 1999, 1985, 1984, 1970}) {
        running.Year = year;
        EXPECT_EQ(Compute_Running_Rating(running), 623) << "every era, year " << year;
    }
    PASSING_UNIT_VALUES passing;
    Fill(passing, 70);
    EXPECT_EQ(Compute_Passing_Rating(passing), 654);
    RUN_DEFENSE_UNIT_VALUES run_defense;
    Fill(run_defense, 70);
    EXPECT_EQ(Compute_Run_Defense_Rating(run_defense), 738);
    PASS_DEFENSE_UNIT_VALUES pass_defense;
    Fill(pass_defense, 70);
    EXPECT_EQ(Compute_Pass_Defense_Rating(pass_defense), 665);
    SPECIAL_TEAMS_UNIT_VALUES special_teams;
    Fill(special_teams, 70);
    EXPECT_EQ(Compute_Special_Teams_Rating(special_teams), 563);
}

TEST(UnitRatingFormulas, PassRusherAboveNinetyAtEitherEnd) {
    PASS_DEFENSE_UNIT_VALUES v;
    Fill(v, 70);
    v.Front_Pass_Rush[0] = 95;
    // Sum 770 + (95 - 70) / 2 rounded down in the line's half sum, + 5 above 90.
    EXPECT_EQ(Compute_Pass_Defense_Rating(v), 10 * 787 / 11 - 35);
    v.Front_Pass_Rush[0] = 90;
    EXPECT_EQ(Compute_Pass_Defense_Rating(v), 10 * 780 / 11 - 35) << "exactly 90 earns no bonus";
    v.Front_Pass_Rush[0] = 70;
    v.Front_Pass_Rush[4] = 95; // a linebacker
    EXPECT_EQ(Compute_Pass_Defense_Rating(v), 10 * 782 / 11 - 35) << "only the ends earn the bonus";
}

TEST(UnitRatingFormulas, RunningByEra) {
    RUNNING_UNIT_VALUES v;
    Fill(v, 70);
    v.Back_Carrying = 80;
    v.Fullback_Carrying = 60;
    v.Year = 2020;
    EXPECT_EQ(Compute_Running_Rating(v), 12 * 430 / 6 - 217) << "from 2000 on: divide by 6";
    v.Year = 1990;
    EXPECT_EQ(Compute_Running_Rating(v), 12 * 510 / 7 - 217) << "before 2000: the back twice, by 7";
    v.Year = 1980;
    EXPECT_EQ(Compute_Running_Rating(v), 12 * 570 / 8 - 217) << "before 1985: and the fullback, by 8";

    // Running quarterback and second back count half above 75, truncated step by step.
    v.Year = 2020;
    v.Back_Carrying = 70;
    v.Fullback_Carrying = 70;
    v.Quarterback_Carrying = 80;
    v.Second_Back_Carrying = 76;
    EXPECT_EQ(Compute_Running_Rating(v), 12 * (420 + 2 + 0) / 6 - 217);
}

TEST(UnitRatingFormulas, PassingReceiverBonusesAboveSeventyFive) {
    PASSING_UNIT_VALUES v;
    Fill(v, 70);
    v.Tight_End_Receiving[0] = 85; // + 10
    v.Tight_End_Receiving[1] = 85; // + 5
    v.Back_Receiving = 81;         // + 3
    v.Fullback_Receiving = 75;     // nothing at 75
    EXPECT_EQ(Compute_Passing_Rating(v), 10 * 1768 / 25 - 46);
}

class TeamUnitRatings : public ::testing::Test {
  protected:
    void SetUp() override { Build_Test_League(); }
};

TEST_F(TeamUnitRatings, MissingPlayerReadsTwentyAndIsNeverCreated) {
    const int32_t team = 5;
    // Leave the team one defensive tackle: the others become extra ends,
    // which the rating never reaches (DE1 and DE2 come first).
    for (int32_t n = 1; n < Get_Position_Quota(POSITION_DT); ++n)
        Set_Player_Vital_Stat(team, Test_League_Slot(POSITION_DT, n), VITAL_POSITION, POSITION_DE);
    ASSERT_EQ(Count_Team_Position_Players(team, POSITION_DT), 1);
    int32_t roster = Get_First_Empty_Player_Slot(team);

    RUN_DEFENSE_UNIT_VALUES v{};
    const int32_t front[8][2] = {{POSITION_DE, 0}, {POSITION_DE, 1}, {POSITION_DT, 0}, {-1, 0},
                                 {POSITION_LB, 0}, {POSITION_LB, 1}, {POSITION_LB, 2}, {POSITION_LB, 3}};
    for (int i = 0; i < 8; ++i) {
        if (front[i][0] < 0) {
            v.Front_Run_Defense[i] = 20;
            v.Front_Value[i] = 20;
            continue;
        }
        int32_t slot = Test_League_Slot(front[i][0], front[i][1]);
        v.Front_Run_Defense[i] = static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_RUN_DEFENSE));
        v.Front_Value[i] = static_cast<int32_t>(Evaluate_Player_At_Own_Position(team, slot));
    }
    for (int i = 0; i < 2; ++i)
        v.Safety_Run_Defense[i] = static_cast<int32_t>(
            Get_Player_Rating(team, Test_League_Slot(POSITION_S, i), RATING_RUN_DEFENSE));
    EXPECT_EQ(Get_Team_Run_Defense_Rating(team), Compute_Run_Defense_Rating(v));
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), roster) << "no player created for the empty place";
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_DT), 1);

    // A team without kickers or punters keeps none.
    int32_t with_specialists = Get_Team_Special_Teams_Rating(team);
    for (int32_t position : {POSITION_K, POSITION_P})
        for (int32_t n = 0; n < Get_Position_Quota(position); ++n)
            Set_Player_Vital_Stat(team, Test_League_Slot(position, n), VITAL_POSITION, POSITION_WR);
    int32_t without = Get_Team_Special_Teams_Rating(team);
    EXPECT_LT(without, with_specialists);
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_K), 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), roster);
}

TEST_F(TeamUnitRatings, StartersCountOnlyTheFirstElevenOfAUnit) {
    const int32_t team = 2;
    int32_t before = Get_Team_Starters_Value(team);
    EXPECT_GT(before, 0);
    // The offence's twelfth player (slot 11) is no starter.
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(team, 11, rating, 99.0f);
    EXPECT_EQ(Get_Team_Starters_Value(team), before);
    // The first quarterback counts twice.
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(team, 0, rating, 20.0f);
    EXPECT_LT(Get_Team_Starters_Value(team), before);
    EXPECT_EQ(Get_Team_Starters_Value(MAX_FRANCHISES), 0) << "pools have no starters";
    EXPECT_EQ(Get_Team_Starters_Value(-1), 0);
}

TEST_F(TeamUnitRatings, OverallRatingCombinesTheUnits) {
    const int32_t team = 7;
    int32_t units = (3 * Get_Team_Special_Teams_Rating(team) + 9 * Get_Team_Run_Defense_Rating(team) +
                     15 * Get_Team_Passing_Rating(team) + 13 * Get_Team_Pass_Defense_Rating(team) +
                     10 * Get_Team_Running_Rating(team)) /
                    5;
    EXPECT_EQ(Get_Team_Overall_Rating(team), units + 2 * Get_Team_Starters_Value(team));
    EXPECT_EQ(Get_Team_Offense_Value(team),
              7 * Get_Team_Passing_Rating(team) + 3 * Get_Team_Running_Rating(team));
    EXPECT_EQ(Get_Team_Defense_Value(team),
              4 * Get_Team_Run_Defense_Rating(team) + 6 * Get_Team_Pass_Defense_Rating(team));

    EXPECT_EQ(Get_Team_Overall_Rating(TEST_LEAGUE_TEAMS), 0) << "franchise slot not in use";
    EXPECT_EQ(Get_Team_Overall_Rating(41), 0);
    EXPECT_EQ(Get_Team_Overall_Rating(NO_TEAM), 0);
    EXPECT_EQ(Get_Team_Overall_Rank(41), 0);
    EXPECT_EQ(Get_Team_Offense_Rank(TEST_LEAGUE_TEAMS), 0);
}

TEST_F(TeamUnitRatings, TiedTeamsShareTheBetterRank) {
    // Give a third team the best team's ratings, slot for slot (every test
    // roster holds the same positions in the same slots), so the two tie.
    int32_t best = 0;
    int32_t worst = 0;
    for (int32_t team = 1; team < TEST_LEAGUE_TEAMS; ++team) {
        if (Get_Team_Overall_Rating(team) > Get_Team_Overall_Rating(best)) best = team;
        if (Get_Team_Overall_Rating(team) < Get_Team_Overall_Rating(worst)) worst = team;
    }
    ASSERT_NE(best, worst);
    const int32_t twin = (best + 1) % TEST_LEAGUE_TEAMS == worst ? (best + 2) % TEST_LEAGUE_TEAMS
                                                                 : (best + 1) % TEST_LEAGUE_TEAMS;
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
            Set_Player_Rating(twin, slot, rating, Get_Player_Rating(best, slot, rating));
    ASSERT_EQ(Get_Team_Overall_Rating(twin), Get_Team_Overall_Rating(best));
    EXPECT_EQ(Get_Team_Overall_Rank(best), 0);
    EXPECT_EQ(Get_Team_Overall_Rank(twin), 0) << "a team tied with the best shares first place";
    EXPECT_EQ(Get_Team_Overall_Rank(worst), TEST_LEAGUE_TEAMS - 1);
    const int32_t better = best;
    const int32_t worse = worst;

    // Lift another team above everybody.
    const int32_t lifted =
        (worse + 1) % TEST_LEAGUE_TEAMS == better || (worse + 1) % TEST_LEAGUE_TEAMS == twin
            ? (worse + 3) % TEST_LEAGUE_TEAMS
            : (worse + 1) % TEST_LEAGUE_TEAMS;
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
            Set_Player_Rating(lifted, slot, rating, 95.0f);
    EXPECT_EQ(Get_Team_Overall_Rank(lifted), 0);
    EXPECT_EQ(Get_Team_Overall_Rank(better), 1) << "tied teams both take the place behind it";
    EXPECT_EQ(Get_Team_Overall_Rank(twin), 1);
    EXPECT_EQ(Get_Team_Overall_Rank(worse), TEST_LEAGUE_TEAMS - 1);
    for (int32_t code = UNIT_RATING_RUNNING; code <= UNIT_RATING_SPECIAL_TEAMS; ++code)
        EXPECT_EQ(Get_Team_Unit_Rank(lifted, code), 0) << "unit " << code;
    EXPECT_EQ(Get_Team_Offense_Rank(lifted), 0);
    EXPECT_EQ(Get_Team_Defense_Rank(lifted), 0);
    EXPECT_EQ(Get_Team_Unit_Rank(worse, 45), 0) << "unknown unit code";
    EXPECT_EQ(Active_Team_Count, TEST_LEAGUE_TEAMS);
}

} // namespace

TEST(TeamStrength, AddsTheSeasonsResultsToTheOverallRating) {
    Build_Test_League();
    for (int32_t team = 0; team < 4; ++team)
        EXPECT_EQ(Get_Team_Strength_Value(team), Get_Team_Overall_Rating(team)) << "no games yet";
    Prepare_Game_Week(1, 31);
    GAME_RECORD* game = Play_Test_Game(0, 1, 1);
    ASSERT_NE(game, nullptr);
    ASSERT_NE(game->Score[0], game->Score[1]) << "pick a seed without a tie";
    const int32_t winner_side = game->Score[0] > game->Score[1] ? 0 : 1;
    const int32_t winner = game->Team[winner_side], loser = game->Team[1 - winner_side];
    const int32_t margin = game->Score[winner_side] - game->Score[1 - winner_side];
    // One win: 15 x (2 x 1 + the last 1, 3 and 5 games, each one win) + 2 x margin.
    EXPECT_EQ(Get_Team_Strength_Value(winner) - Get_Team_Overall_Rating(winner), 15 * 5 + 2 * margin);
    EXPECT_EQ(Get_Team_Strength_Value(loser) - Get_Team_Overall_Rating(loser), -15 * 5 - 2 * margin);
    EXPECT_LE(Get_Team_Strength_Rank(winner), Get_Team_Strength_Rank(loser));
    EXPECT_EQ(Get_Team_Strength_Value(99), 0);
}

// The strength values of one question are read once each and kept only while
// it lasts: the next question reads the results and roster as they are then,
// and a reading that re-drew a player is read again, even within the question.
TEST(TeamStrength, KeptWithinOneQuestionOnly) {
    Build_Test_League();
    const int32_t team = 3;
    int32_t spread = 0;
    {
        TEAM_RATINGS_SCOPE question;
        spread = Get_Point_Spread_By_Rating(team, 4);
        EXPECT_EQ(Get_Point_Spread_By_Rating(team, 4), spread);
    }
    EXPECT_EQ(Get_Point_Spread_By_Rating(team, 4), spread) << "the same league, the same spread";

    const int32_t before = Get_Team_Strength_Value(team);
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, Get_Team_Record_Char(team, RECORD_CHAR_WINS) + 2);
    EXPECT_EQ(Get_Team_Strength_Value(team), before + 15 * 2 * 2) << "two more wins";
    const int32_t with_wins = Get_Team_Strength_Value(team);
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Rating(team, quarterback, RATING_ACCURACY,
                      Get_Player_Rating(team, quarterback, RATING_ACCURACY) + 30);
    EXPECT_GT(Get_Team_Strength_Value(team), with_wins) << "a better passer";

    // A hole in front of a player makes the starters' count fill it with a
    // new man: within one question the value is read again, as it would be
    // in a question of its own.
    Set_Player_Vital_Stat(team, 3, VITAL_PLAYER_ID, 0);
    int32_t again = 0;
    {
        TEAM_RATINGS_SCOPE question;
        const uint64_t draws = Get_Random_Draw_Count();
        Get_Team_Strength_Value(team);
        EXPECT_NE(Get_Random_Draw_Count(), draws) << "a player was made for the hole";
        again = Get_Team_Strength_Value(team);
        const uint64_t settled = Get_Random_Draw_Count();
        EXPECT_EQ(Get_Team_Strength_Value(team), again);
        EXPECT_EQ(Get_Random_Draw_Count(), settled) << "a value read without a draw is kept";
    }
    EXPECT_EQ(Get_Team_Strength_Value(team), again) << "read again from the repaired roster";
}
