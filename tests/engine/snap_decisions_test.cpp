#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/snap_decisions.h"
#include "platform/message_box.h"

namespace {
// Midfield in the first half, even game, balanced offence.
SNAP_SITUATION Midfield(int32_t down, int32_t to_go) {
    SNAP_SITUATION s{};
    s.Down = down;
    s.Yards_To_Goal = 50;
    s.Yards_To_Go = to_go;
    s.Defense_Lead = 0;
    s.Elapsed_Seconds = 600;
    s.Seconds_Left = 3000;
    s.Quarter = 1;
    s.Offense_Hurry_Up = false;
    s.Field_Goal_Range = 35;
    s.Pass_Share_Factor = 1.0f;
    return s;
}
} // namespace

TEST(DefensiveFormation, ThirdDownFollowsTheDistance) {
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 1)), 37) << "third and 1: 4-4";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 2)), 28) << "third and 2: 5-2";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 5)), 25) << "third and 5: 3-4";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 9)), 30) << "third and 9: Nickel";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 10)), 34) << "third and 10: Dime";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(3, 15)), 35) << "fourth and 15: 3-4 Dime";
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(2, 22)), 36) << "third and 22: Prevent";
}

TEST(DefensiveFormation, FirstAndSecondDown) {
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(0, 10)), 22);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(0, 5)), 29);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(0, 15)), 27);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(1, 7)), 25);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(1, 4)), 22);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(1, 3)), 29);

    SNAP_SITUATION pass_heavy = Midfield(0, 10);
    pass_heavy.Pass_Share_Factor = 1.5f;
    EXPECT_EQ(Choose_Defensive_Formation(pass_heavy), 27) << "10 + (15 - 10) / 2 = 12 plays as first and 12";
    SNAP_SITUATION run_heavy = Midfield(0, 10);
    run_heavy.Pass_Share_Factor = 0.45f;
    EXPECT_EQ(Choose_Defensive_Formation(run_heavy), 22) << "10 + (4 - 10) / 2 = 7 is still above 5";
    run_heavy.Pass_Share_Factor = 0.0f;
    EXPECT_EQ(Choose_Defensive_Formation(run_heavy), 29) << "10 - 5 = 5 is not above 5";

    SNAP_SITUATION hurry = Midfield(1, 4);
    hurry.Offense_Hurry_Up = true;
    EXPECT_EQ(Choose_Defensive_Formation(hurry), 25) << "hurry-up adds 3 yards away from the goal";
    hurry.Yards_To_Goal = 10;
    hurry.Yards_To_Go = 4;
    EXPECT_EQ(Choose_Defensive_Formation(hurry), 22) << "but not inside the 11";
}

TEST(DefensiveFormation, GoalLineOverridesTheDown) {
    for (int32_t down = 0; down <= 3; ++down) {
        SNAP_SITUATION s = Midfield(down, 1);
        s.Yards_To_Goal = 1;
        EXPECT_EQ(Choose_Defensive_Formation(s), 37) << "ball on the 1, down " << down;
        s.Yards_To_Goal = 2;
        s.Yards_To_Go = 2;
        EXPECT_EQ(Choose_Defensive_Formation(s), 28) << "ball on the 2, down " << down;
    }
    SNAP_SITUATION try_snap = Midfield(CONVERSION_ATTEMPT, 2);
    try_snap.Yards_To_Goal = 3;
    EXPECT_EQ(Choose_Defensive_Formation(try_snap), 37);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(KICKOFF_DOWN, 10)), 44);
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(FREE_KICK_DOWN, 10)), 44);
}

TEST(DefensiveFormation, LateLeadAndOvertime) {
    SNAP_SITUATION late = Midfield(0, 10);
    late.Quarter = 4;
    late.Elapsed_Seconds = 3500;
    late.Seconds_Left = 100;
    late.Defense_Lead = 7;
    late.Yards_To_Goal = 30;
    EXPECT_EQ(Choose_Defensive_Formation(late), 36) << "leading by 7 is not close: prevent from the 30";
    late.Defense_Lead = 3;
    EXPECT_EQ(Choose_Defensive_Formation(late), 22) << "a close game needs the ball at the 50 or beyond";
    late.Yards_To_Goal = 50;
    EXPECT_EQ(Choose_Defensive_Formation(late), 36);

    SNAP_SITUATION overtime = Midfield(0, 10);
    overtime.Elapsed_Seconds = 3700;
    overtime.Quarter = 5;
    overtime.Field_Goal_Range = 39;
    overtime.Yards_To_Goal = 18;
    EXPECT_EQ(Choose_Defensive_Formation(overtime), FORMATION_KICK_BLOCK);
    overtime.Yards_To_Goal = 19;
    EXPECT_EQ(Choose_Defensive_Formation(overtime), 22) << "half the range, rounded down, is the limit";
}

TEST(DefensiveFormation, UnknownDownIsShownAndRefused) {
    Clear_Shown_Messages();
    EXPECT_EQ(Choose_Defensive_Formation(Midfield(5, 10)), -1);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Set_Team_Formations()");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Unrecognized Down Flag: 5");
}

TEST(PassShareFactor, BalancedOffenseIsOneAndEarlyGamesStayNearOne) {
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(0, 0), 0.9f) << "no plays yet count as one";
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(8, 12), 1.0f) << "60% passes is balanced";
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(20, 0), 0.0f);
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(0, 20), 2.0f);
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(0, 2), 1.2f) << "two plays allow 0.2 either way";
    EXPECT_FLOAT_EQ(Compute_Pass_Share_Factor(3, 0), 0.7f);
    EXPECT_NEAR(Compute_Pass_Share_Factor(89, 11), 0.2f, 1e-6);
}

TEST(PassShareFactor, ReadsThePossessingSidesTotals) {
    static GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    game.Team[0] = 4;
    game.Team[1] = 9;
    game.Team_Totals[1][5] = 20; // home rushing attempts
    game.Team_Totals[0][7] = 20; // visitor pass attempts
    game.Possession_Team = 9;
    EXPECT_FLOAT_EQ(Get_Game_Pass_Share_Factor(&game), 0.0f);
    game.Possession_Team = 4;
    EXPECT_FLOAT_EQ(Get_Game_Pass_Share_Factor(&game), 2.0f);
}

TEST(FieldGoalRange, KickerRatingsAndCloseness) {
    EXPECT_EQ(Kicker_Range_From_Ratings(90.0f, 80.0f), 60);
    EXPECT_EQ(Field_Goal_Range_From_Kicker(60, true), 39);
    EXPECT_EQ(Field_Goal_Range_From_Kicker(60, false), 36);
    EXPECT_EQ(Kicker_Range_From_Ratings(99.9f, 99.9f), 64) << "ratings count in whole points";
    EXPECT_EQ(Kicker_Range_From_Ratings(130.0f, 100.0f), 65) << "no kicker reaches beyond 65";
    EXPECT_EQ(Kicker_Range_From_Ratings(5.0f, 0.0f), 33) << "ratings below 20 count as 20";
    EXPECT_EQ(Kicker_Range_From_Ratings(std::nanf(""), 20.0f), 33);
    EXPECT_EQ(Field_Goal_Range_From_Kicker(33, false), 30) << "the range never drops below 30 yards to goal";
    EXPECT_EQ(Field_Goal_Range_From_Kicker(0, true), 30);
    EXPECT_TRUE(Is_Close_Game(3, 3000));
    EXPECT_FALSE(Is_Close_Game(4, 1800));
    EXPECT_TRUE(Is_Close_Game(21, 1799));
}

TEST(TwoPointChart, TrailingByTwoAlwaysLeadingByOneLate) {
    for (int32_t quarter = 1; quarter <= 5; ++quarter)
        EXPECT_TRUE(Two_Point_Chart_Answer(-2, quarter)) << "quarter " << quarter;
    EXPECT_FALSE(Two_Point_Chart_Answer(1, 3));
    EXPECT_TRUE(Two_Point_Chart_Answer(1, 4));
    EXPECT_TRUE(Two_Point_Chart_Answer(1, 5));
    EXPECT_FALSE(Two_Point_Chart_Answer(8, 4)) << "a big lead counts as 6";
    EXPECT_FALSE(Two_Point_Chart_Answer(-30, 4));
    EXPECT_FALSE(Two_Point_Chart_Answer(0, 4));
}

TEST(Blowout, FourthQuarterMargins) {
    EXPECT_TRUE(Is_Blowout_Score(4, 30, 800));
    EXPECT_TRUE(Is_Blowout_Score(4, -30, 800));
    EXPECT_FALSE(Is_Blowout_Score(3, 40, 1000));
    EXPECT_FALSE(Is_Blowout_Score(4, 23, 360));
    EXPECT_TRUE(Is_Blowout_Score(4, 23, 359));
    EXPECT_FALSE(Is_Blowout_Score(4, 22, 10));
    EXPECT_FALSE(Is_Blowout_Score(5, 35, 100)) << "overtime is never a blowout";
}
