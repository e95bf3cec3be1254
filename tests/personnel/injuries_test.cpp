#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/injuries.h"
#include "platform/message_box.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"

namespace {

constexpr int32_t TEAM = 3;

int32_t Weeks_Out(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
}

void Injure(int32_t team, int32_t slot, int32_t type, int32_t weeks) {
    Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, type);
    Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, weeks);
}

// A 17-week season whose playoffs have not begun.
void Set_Season_Calendar(int32_t week) {
    Universe.Season_Length = 17;
    for (int32_t n = 0; n < 5; ++n)
        Universe.Post_Season_Days[n] = 18 + n;
    Universe.Playoff_Bracket[30] = static_cast<int8_t>(NO_TEAM);
    Set_User_Preference(CURRENT_WEEK, week);
}

} // namespace

TEST(InjuryTable, WeightsNamesAndBoundsFollowTheTable) {
    int32_t squared = 0;
    for (const INJURY_TABLE_ENTRY& entry : Injury_Table)
        squared += entry.Weight * entry.Weight;
    EXPECT_EQ(squared, 586) << "the weighted draw is scaled by this total";
    for (int32_t type = 180; type < NUMBER_OF_INJURY_TYPES; ++type)
        EXPECT_EQ(Injury_Table[type].Weight, 0) << "absence " << type << " must never be drawn";

    char name[INJURY_NAME_SIZE];
    EXPECT_EQ(Get_Injury_Name(26, name), 1);
    EXPECT_STREQ(name, "torn ACL");
    EXPECT_EQ(Get_Injury_Name(NO_INJURY, name), 1);
    EXPECT_STREQ(name, "NO INJURY");
    EXPECT_EQ(Get_Injury_Name(115, name), 0) << "empty entry";
    EXPECT_EQ(Get_Injury_Name(200, name), 0);
    EXPECT_STREQ(name, "");

    EXPECT_EQ(Get_Injury_Weeks_Bound(17, 0), 20);
    EXPECT_EQ(Get_Injury_Weeks_Bound(17, 1), 40);
    EXPECT_EQ(Get_Injury_Weeks_Bound(-1, 0), 0);
    EXPECT_EQ(Get_Injury_Weeks_Bound(-1, 1), 0);
    EXPECT_EQ(Get_Injury_Weeks_Bound(200, 1), 0);

    EXPECT_EQ(Get_Injury_Index("TORN acl"), 26) << "case-insensitive";
    EXPECT_EQ(Get_Injury_Index("Holdout"), INJURY_HOLDOUT);
    EXPECT_EQ(Get_Injury_Index(""), 0);
    EXPECT_EQ(Get_Injury_Index("no such injury"), 0);

    EXPECT_EQ(Get_Injury_Group(59), 0);
    EXPECT_EQ(Get_Injury_Group(60), 1);
    EXPECT_EQ(Get_Injury_Group(183), 3);
    EXPECT_EQ(Get_Injury_Group(-1), -1);
    EXPECT_TRUE(Is_Suspension_Type(184));
    EXPECT_FALSE(Is_Suspension_Type(183)) << "a rule-violation suspension counts as an ordinary injury";
}

TEST(InjuryRoll, InjuredPlayersAndZeroFrequencyAreNeverHurt) {
    Build_Test_League();
    Seed_Random_Numbers(7);
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    Injure(TEAM, slot, 9, 3);
    for (int n = 0; n < 2000; ++n)
        ASSERT_EQ(Check_For_Injury(TEAM, slot), 0) << "a player already out is not hurt again";
    EXPECT_EQ(Weeks_Out(TEAM, slot), 3);

    Clear_Player_Injury(TEAM, slot);
    Universe.Header.Universe_Stats[INJURY_FREQUENCY_FACTOR] = -100;
    for (int n = 0; n < 2000; ++n)
        ASSERT_EQ(Check_For_Injury(TEAM, slot), 0) << "threshold 0 at the lowest frequency";
    Universe.Header.Universe_Stats[INJURY_FREQUENCY_FACTOR] = 0;

    int hurt = 0;
    for (int n = 0; n < 20000 && hurt == 0; ++n)
        hurt = Check_For_Injury(TEAM, slot);
    ASSERT_EQ(hurt, 1);
    const int32_t type = Get_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE);
    ASSERT_GE(type, 0);
    ASSERT_LT(type, 180);
    EXPECT_GT(Injury_Table[type].Weight, 0) << "only drawable types are given";
    EXPECT_GE(Weeks_Out(TEAM, slot), Get_Injury_Weeks_Bound(type, 0));
    EXPECT_LE(Weeks_Out(TEAM, slot), Get_Injury_Weeks_Bound(type, 1));
    EXPECT_EQ(Check_For_Injury(TEAM, NO_PLAYER), 0) << "no player, no roll";
    EXPECT_EQ(Check_For_Injury(99, 0), 0);
}

TEST(InjuryRoll, ReplayModeWaitsForTheRealSeasonsGames) {
    Build_Test_League();
    Seed_Random_Numbers(11);
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    PLAYER_RECORD* player = Get_Player_Record_Pointer(TEAM, slot);
    Universe.Header.Replay_Mode = 1;
    player->Season_Stats[0][0] = 10;
    player->Season_Stats[3][0] = 10;
    for (int n = 0; n < 3000; ++n)
        ASSERT_EQ(Check_For_Injury(TEAM, slot), 0) << "not more games than in his real season yet";
    player->Season_Stats[0][0] = 11;
    int hurt = 0;
    for (int n = 0; n < 3000 && hurt == 0; ++n)
        hurt = Check_For_Injury(TEAM, slot);
    EXPECT_EQ(hurt, 1);
    Universe.Header.Replay_Mode = 0;
}

TEST(InjuryType, HalfOfAllInjuriesRepeatTheLastType) {
    Build_Test_League();
    Seed_Random_Numbers(3);
    const int32_t slot = Test_League_Slot(POSITION_LB, 0);
    int repeats = 0;
    for (int n = 0; n < 4000; ++n) {
        Set_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE, 176);
        if (Choose_Injury_Type(TEAM, slot) == 176) ++repeats;
    }
    EXPECT_NEAR(repeats, 2000, 150) << "an undrawable previous type only comes back as a repeat";

    Set_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE, NO_INJURY);
    for (int n = 0; n < 2000; ++n) {
        const int32_t type = Choose_Injury_Type(TEAM, slot);
        ASSERT_GT(Injury_Table[type].Weight, 0) << "type " << type;
    }
}

TEST(InjuryHealing, WeeksRunDownAndSuspensionsWaitForGames) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    Set_User_Preference(CURRENT_WEEK, 4);
    const int32_t counter = Get_Player_Vital_Stat(TEAM, slot, VITAL_LOADED_MARKER);

    Injure(TEAM, slot, 1, 1);
    Heal_Player_Week(TEAM, slot);
    EXPECT_EQ(Weeks_Out(TEAM, slot), 0) << "a one-week injury heals at the end of its week";
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE), NO_INJURY);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_LOADED_MARKER), counter + 1);

    Set_Team_Schedule_Stat(TEAM, 4, SCHEDULE_OPPONENT, 0);
    Injure(TEAM, slot, 180, 4);
    Heal_Player_Week(TEAM, slot);
    EXPECT_EQ(Weeks_Out(TEAM, slot), 4) << "no game this week: the suspension waits";
    Set_Team_Schedule_Stat(TEAM, 4, SCHEDULE_OPPONENT, 5);
    Heal_Player_Week(TEAM, slot);
    EXPECT_EQ(Weeks_Out(TEAM, slot), 3);
    Set_User_Preference(CURRENT_WEEK, 100);
    Heal_Player_Week(TEAM, slot);
    EXPECT_EQ(Weeks_Out(TEAM, slot), 3) << "nor in the off-season";
    Injure(TEAM, slot, 183, 3);
    Heal_Player_Week(TEAM, slot);
    EXPECT_EQ(Weeks_Out(TEAM, slot), 2) << "type 183 heals like an injury";

    Injure(TEAM, slot, 181, 6);
    const int32_t other = Test_League_Slot(POSITION_QB, 1);
    Injure(TEAM, other, 9, 6);
    Clear_Suspensions();
    EXPECT_EQ(Weeks_Out(TEAM, slot), 0);
    EXPECT_EQ(Weeks_Out(TEAM, other), 6) << "only suspensions end";
    Heal_All_Players_For_Weeks(0);
    EXPECT_EQ(Weeks_Out(TEAM, other), 6);
    Heal_All_Players_For_Weeks(2);
    EXPECT_EQ(Weeks_Out(TEAM, other), 4);
}

TEST(InjuryQueries, OutForSeasonDependsOnThePhase) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_S, 0);
    Set_Season_Calendar(3);
    Injure(TEAM, slot, 9, 1);
    EXPECT_EQ(Is_Player_Out_For_Season(TEAM, slot), 1) << "during the season any injury counts";
    Set_User_Preference(CURRENT_WEEK, 100);
    Injure(TEAM, slot, 9, 18);
    EXPECT_EQ(Is_Player_Out_For_Season(TEAM, slot), 0);
    Injure(TEAM, slot, 9, 19);
    EXPECT_EQ(Is_Player_Out_For_Season(TEAM, slot), 1);
    Injure(TEAM, slot, INJURY_HOLDOUT, 2);
    EXPECT_EQ(Is_Player_Holding_Out(TEAM, slot), 1);
    EXPECT_EQ(Is_Player_Suspended(TEAM, slot), 0);
    char text[INJURY_NAME_SIZE];
    Get_Player_Injury_Text(TEAM, slot, text);
    EXPECT_STREQ(text, "Holdout");
    Clear_Player_Injury(TEAM, slot);
    Get_Player_Injury_Text(TEAM, slot, text);
    EXPECT_STREQ(text, "Healthy");
}

TEST(InjuryNotice, OnlyLongInjuriesOfHumanTeamsStopTheSimulation) {
    Build_Test_League();
    Set_Season_Calendar(5);
    Set_Team_Stat(TEAM, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(INJURY_STOP_WEEKS, 4);
    for (int n = 0; n < NUMBER_OF_INJURY_ALERTS; ++n)
        Set_User_Preference(FIRST_INJURY_ALERT + n, 0);
    Universe.Header.Target_Week = 9;
    const int32_t slot = Test_League_Slot(POSITION_TE, 0);

    Note_User_Player_Injury(TEAM, slot, 9, 4);
    EXPECT_EQ(Get_User_Preference(FIRST_INJURY_ALERT), 0) << "4 weeks do not stop play at setting 4";
    EXPECT_EQ(Universe.Header.Target_Week, 9);
    Note_User_Player_Injury(TEAM + 1, slot, 9, 10);
    EXPECT_EQ(Get_User_Preference(FIRST_INJURY_ALERT), 0) << "computer team";

    Injure(TEAM, slot, 134, 5);
    Simulator_Seasons = 20;
    Note_User_Player_Injury(TEAM, slot, 134, 5);
    EXPECT_EQ(Get_User_Preference(FIRST_INJURY_ALERT), Test_League_Player_ID(TEAM, slot));
    EXPECT_EQ(Universe.Header.Target_Week, 6);
    EXPECT_EQ(Simulator_Seasons, 0) << "the season simulator stops too";

    Clear_Shown_Messages();
    Show_Injury_Messages();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Injury");
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("will be injured for 5 weeks due to a mild concussion.\n"),
              std::string::npos)
        << Get_Shown_Messages()[0].Text;
}

TEST(InjuryQueries, BodyAreasFollowTheTableAndTeamsPlayOnlyInScheduledWeeks) {
    // The first and last type of a few areas: the plain leg, the foot, the
    // ankle, the shoulder, the wrist with the arm names after it, the abdomen.
    const int32_t examples[][2] = {{0, 0},    {1, 1},    {7, 1},    {8, 2},    {17, 2},
                                   {18, 3},   {60, 7},   {69, 7},   {99, 12},  {119, 12},
                                   {120, 13}, {150, 17}, {151, 18}, {185, 18}, {199, 18}};
    for (const auto& [type, area] : examples)
        EXPECT_EQ(Get_Injury_Body_Area(type), area) << "type " << type;
    EXPECT_EQ(Get_Injury_Body_Area(NO_INJURY), -1);
    EXPECT_EQ(Get_Injury_Body_Area(NUMBER_OF_INJURY_TYPES), -1);

    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 21);
    Set_Team_Schedule_Stat(TEAM, 21, SCHEDULE_OPPONENT, 5);
    EXPECT_EQ(Does_Team_Play_This_Week(TEAM), 1);
    Set_Team_Schedule_Stat(TEAM, 21, SCHEDULE_OPPONENT, 0);
    EXPECT_EQ(Does_Team_Play_This_Week(TEAM), 0) << "a bye week";
    Set_Team_Schedule_Stat(TEAM, 22, SCHEDULE_OPPONENT, 5);
    Set_User_Preference(CURRENT_WEEK, 22);
    EXPECT_EQ(Does_Team_Play_This_Week(TEAM), 0) << "nothing counts past week 21";
}
