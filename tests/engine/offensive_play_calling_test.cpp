#include <gtest/gtest.h>

#include <cstring>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "game_calls_test_support.h"
#include "support/test_league.h"

TEST(OffensivePlayCalling, SearchCategoriesOfPlayTypes) {
    for (int type : {0, 1, 2, 4, 10, 15, 22})
        EXPECT_EQ(Get_Play_Search_Category(type), 0) << "type " << type;
    for (int type : {6, 7, 8, 9, 11, 12, 13, 14})
        EXPECT_EQ(Get_Play_Search_Category(type), 6) << "type " << type;
    for (int type : {3, 5, 16, 17, 20})
        EXPECT_EQ(Get_Play_Search_Category(type), type) << "type " << type;
}

TEST(OffensivePlayCalling, ConversionKicksUnlessTheChartSaysGoForTwo) {
    Build_Test_League();
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 1);
    GAME_RECORD* game = Start_Test_Game();
    game->Down_Word = CONVERSION_ATTEMPT;
    game->Yards_To_Goal = 2;
    game->Yards_To_Go = 2;
    game->Score[0] = 6;
    EXPECT_EQ(Choose_Offensive_Play(game), HARD_CODED_FIELD_GOAL_PLAY) << "leading by 6";

    game->Score[1] = 8;
    Seed_Random_Numbers(7);
    const int32_t play = Choose_Offensive_Play(game);
    EXPECT_GE(play, 0);
    EXPECT_LT(play, KNEEL_DOWN_PLAY) << "trailing by 2 runs a play of the playbook";
}

TEST(OffensivePlayCalling, FourthDownPuntAndKickoffDecisions) {
    ASSERT_TRUE(Clock_Queries_Answer()) << "the game clock queries answer";
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    // Fourth and 1 at the opponent's 40, trailing by 3 with 10 minutes left.
    game->Down_Word = 3;
    game->Yards_To_Go = 1;
    game->Yards_To_Goal = 40;
    game->Clock = 3000;
    game->Score[1] = 3;
    EXPECT_EQ(Should_Punt(game), 0);
    game->Yards_To_Goal = 70;
    EXPECT_EQ(Should_Punt(game), 1) << "deep in his own half the offence punts";
    game->Down_Word = 2;
    EXPECT_EQ(Should_Punt(game), 0) << "only on fourth down";

    // Kickoff trailing by 7 with 1:30 left in the fourth quarter.
    game->Down_Word = KICKOFF_DOWN;
    game->Clock = 3510;
    game->Score[1] = 7;
    EXPECT_EQ(Choose_Offensive_Play(game), 2) << "onside kick";
    game->Score[1] = 0;
    game->Score[0] = 5;
    EXPECT_EQ(Choose_Offensive_Play(game), 1) << "leading by 5: squib kick";
    game->Clock = 1000;
    EXPECT_EQ(Choose_Offensive_Play(game), 0) << "early in the game: normal kickoff";
    game->Down_Word = FREE_KICK_DOWN;
    EXPECT_EQ(Choose_Offensive_Play(game), 0);
}

TEST(OffensivePlayCalling, SearchNeverRepeatsTheLastPlayNorTheFixedPlays) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Seed_Random_Numbers(99);
    for (int32_t category : {0, 6}) {
        const int32_t first = Find_Offensive_Play(game, category, 5);
        Last_Offensive_Play = first;
        for (int i = 0; i < 200; ++i) {
            const int32_t play = Find_Offensive_Play(game, category, i % 20);
            EXPECT_NE(play, first) << "the previous snap's play";
            EXPECT_NE(play, KNEEL_DOWN_PLAY);
            EXPECT_NE(play, HARD_CODED_PUNT_PLAY);
            EXPECT_NE(play, HARD_CODED_FIELD_GOAL_PLAY);
            EXPECT_EQ(Get_Play_Search_Category(Get_Offensive_Play_Type(0, play)), category);
        }
    }
    Last_Offensive_Play = -1;
    EXPECT_EQ(Find_Offensive_Play(game, 99, 5), 0) << "with no play of the kind the answer is play 0";
}

// The draw lands on a callable play's own number, wherever the callable
// plays stand in the book; with none callable it is play 0.
TEST(OffensivePlayCalling, SearchAnswersTheNumberOfACallablePlay) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    OFFENSIVE_PLAY* plays = Universe.Teams[0].Playbooks.Offense.Plays;
    for (int32_t p = 0; p < STORED_OFFENSIVE_PLAYS; ++p)
        if (plays[p].Play_Type == PLAY_TYPE_DRAW) plays[p].Play_Type = PLAY_TYPE_RUSH;
    plays[37].Play_Type = PLAY_TYPE_DRAW;
    plays[41].Play_Type = PLAY_TYPE_DRAW;
    // No play called before, whatever an earlier test called last.
    Last_Offensive_Play = -1;
    Seed_Random_Numbers(7);
    int32_t seen[2] = {0, 0};
    for (int i = 0; i < 100; ++i) {
        const int32_t play = Find_Offensive_Play(game, PLAY_CATEGORY_DRAW, 8 + i % 3);
        ASSERT_TRUE(play == 37 || play == 41) << "play " << play;
        ++seen[play == 41 ? 1 : 0];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    Last_Offensive_Play = 41;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Find_Offensive_Play(game, PLAY_CATEGORY_DRAW, 8 + i % 3), 37) << "the one callable play";
    plays[37].Play_Type = PLAY_TYPE_RUSH;
    EXPECT_EQ(Find_Offensive_Play(game, PLAY_CATEGORY_DRAW, 5), 0) << "no callable play";
    Last_Offensive_Play = -1;
}

TEST(OffensivePlayCalling, SameSeedSameCall) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Seed_Random_Numbers(2024);
    const int32_t first = Choose_Offensive_Play(game);
    Seed_Random_Numbers(2024);
    EXPECT_EQ(Choose_Offensive_Play(game), first);
    EXPECT_GE(first, 0);
    EXPECT_LT(first, KNEEL_DOWN_PLAY);
}

TEST(OffensivePlayCalling, RunTendencyLeansOnDownAndDistance) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    const int32_t first_and_10 = Get_Offensive_Run_Tendency(game);
    EXPECT_GT(first_and_10, 0);
    EXPECT_LT(first_and_10, 1000);
    game->Down_Word = 2;
    game->Yards_To_Go = 15;
    EXPECT_LT(Get_Offensive_Run_Tendency(game), first_and_10) << "third and long calls for a pass";
    game->Yards_To_Go = 1;
    EXPECT_GT(Get_Offensive_Run_Tendency(game), first_and_10) << "third and 1 calls for a run";

    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_BALANCE, 0);
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), 1000) << "balance 0 never passes";
}

// In the last five minutes of either half and of an overtime period a team
// ahead runs more and a team two scores behind throws more.
TEST(OffensivePlayCalling, RunTendencyLeansOnTheClockLateInEitherHalfAndInOvertime) {
    ASSERT_TRUE(Clock_Queries_Answer()) << "the game clock queries answer";
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    auto tendency_at = [game](int32_t clock, int32_t lead) {
        game->Clock = static_cast<int16_t>(clock);
        game->Score[0] = lead > 0 ? lead : 0;
        game->Score[1] = lead < 0 ? -lead : 0;
        return Get_Offensive_Run_Tendency(game);
    };
    EXPECT_GT(tendency_at(1600, 7), tendency_at(900, 7)) << "ahead with 3:20 left in the first half";
    EXPECT_LT(tendency_at(1620, -10), tendency_at(900, -10))
        << "behind by 10 with 3:00 left in the first half";

    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    Set_User_Preference(OVERTIME_MINUTES, 10);
    game->Week = 3;
    Universe.Season_Length = 17;
    EXPECT_GT(tendency_at(4000, 3), tendency_at(3700, 3)) << "ahead with 3:20 left in a timed overtime";
}

TEST(OffensivePlayCalling, KneelDownWhenTheClockCanBeRunOut) {
    ASSERT_TRUE(Clock_Queries_Answer()) << "the game clock queries answer";
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Clock = 3560;
    game->Score[0] = 40;
    game->Down_Word = 0;
    game->Timeouts[1] = 0;
    EXPECT_EQ(Should_Kneel_Down(game), 1);
    game->Timeouts[1] = 2;
    EXPECT_EQ(Should_Kneel_Down(game), 0) << "the defence can still stop the clock";
}

namespace {
void Store_League_Play_Ratio(int16_t value) {
    std::memcpy(Universe_Bytes() + 1862, &value, sizeof value);
}
} // namespace

TEST(OffensivePlayCalling, LeaguePlayRatioScalesTheTendencyFromWeekFourWithItsDefaultWhenUnset) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    const int32_t norm = Get_Smoothed_Yearly_Norm(Get_Current_Year());
    ASSERT_GT(norm, 0);

    Set_User_Preference(CURRENT_WEEK, 3);
    Store_League_Play_Ratio(0);
    const int32_t unscaled = Get_Offensive_Run_Tendency(game);
    Store_League_Play_Ratio(static_cast<int16_t>(4 * norm));
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), unscaled) << "before week 4 the league ratio is not read";

    Set_User_Preference(CURRENT_WEEK, 4);
    Store_League_Play_Ratio(static_cast<int16_t>(norm));
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), unscaled) << "a league at its norm leaves the scores alone";
    Store_League_Play_Ratio(static_cast<int16_t>(4 * norm));
    EXPECT_GT(Get_Offensive_Run_Tendency(game), unscaled) << "a league passing far above its norm runs more";

    // Before the season cycle keeps a value the ratio reads as the 2350 it
    // stores ahead of the first game, not as a ratio that scales nothing.
    Store_League_Play_Ratio(2350);
    const int32_t with_default = Get_Offensive_Run_Tendency(game);
    Store_League_Play_Ratio(0);
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), with_default);
    if (norm != 2350) {
        EXPECT_NE(with_default, unscaled);
    }
}

// The situational call is settled once for all the calls of a snap and
// afresh at the next snap: a short clock in range kicks, a clock wound back
// runs a play.
TEST(OffensivePlayCalling, SituationalCallIsSettledPerSnap) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Yards_To_Goal = 20;
    game->Clock = HALF_SECONDS - 39;
    {
        SNAP_ANSWERS_SCOPE snap;
        EXPECT_EQ(Choose_Offensive_Play(game), HARD_CODED_FIELD_GOAL_PLAY) << "short clock in range";
        EXPECT_EQ(Choose_Offensive_Play(game), HARD_CODED_FIELD_GOAL_PLAY) << "asked again";
    }
    game->Clock = 300;
    {
        SNAP_ANSWERS_SCOPE snap;
        Seed_Random_Numbers(11);
        EXPECT_LT(Choose_Offensive_Play(game), KNEEL_DOWN_PLAY) << "time to spare: a play of the playbook";
    }
    game->Clock = HALF_SECONDS - 39;
    {
        SNAP_ANSWERS_SCOPE snap;
        EXPECT_EQ(Choose_Offensive_Play(game), HARD_CODED_FIELD_GOAL_PLAY) << "short again";
    }
}

// The half's last nine seconds end the game only once the first half is over;
// a recorded call becomes the last call and is counted for the side that made
// it; the computer's defensive call can be stored as the user's.
TEST(OffensivePlayCalling, GameEndingAndRecordedCalls) {
    ASSERT_TRUE(Clock_Queries_Answer());
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Clock = 1791;
    EXPECT_EQ(Is_Half_Ending(game), 1);
    EXPECT_EQ(Is_Game_Ending(game), 0) << "the end of the first half";
    game->Clock = 3590;
    EXPECT_EQ(Is_Game_Ending(game), 0) << "ten seconds left";
    game->Clock = 3591;
    EXPECT_EQ(Is_Game_Ending(game), 1);

    Reset_Play_Use_Counts();
    game->Possession_Team = game->Team[1];
    Record_Offensive_Play_Call(game, 12);
    Record_Offensive_Play_Call(game, 12);
    Record_Defensive_Play_Call(game, 7);
    EXPECT_EQ(Last_Offensive_Play, 12);
    EXPECT_EQ(Last_Defensive_Play, 7);
    EXPECT_EQ(Offensive_Play_Use_Counts[1][12], 2) << "the home side had the ball";
    EXPECT_EQ(Offensive_Play_Use_Counts[0][12], 0);
    EXPECT_EQ(Defensive_Play_Use_Counts[0][7], 1) << "the visitors defended";
    Record_Offensive_Play_Call(game, NO_PLAY_CALL);
    EXPECT_EQ(Last_Offensive_Play, NO_PLAY_CALL) << "an open call is remembered, not counted";
    Reset_Play_Use_Counts();
    EXPECT_EQ(Offensive_Play_Use_Counts[1][12], 0);
    EXPECT_EQ(Last_Defensive_Play, -1);

    game->Clock = 300;
    Set_User_Preference(PBP_DEFENSIVE_PLAY, -1);
    Seed_Random_Numbers(21);
    Store_Computer_Defensive_Call(game);
    const int32_t stored = Get_User_Preference(PBP_DEFENSIVE_PLAY);
    Seed_Random_Numbers(21);
    EXPECT_EQ(stored, Choose_Defensive_Play(game)) << "the computer's call for the same draws";
    EXPECT_GE(stored, 0);
    EXPECT_LT(stored, DEFENSIVE_PLAYS);
}
