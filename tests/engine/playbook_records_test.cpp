#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "database/settings.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "playbook_test_support.h"
#include "support/debug_log.h"
#include "support/installation_folders.h"

namespace {

std::string Offensive_Name(int team, int play) {
    char buffer[2048];
    Get_Offensive_Play_Name(team, play, buffer, sizeof(buffer));
    return buffer;
}

std::string Offensive_Description(int team, int play) {
    char buffer[2048];
    Get_Offensive_Play_Description(team, play, buffer, sizeof(buffer));
    return buffer;
}

std::string Defensive_Name(int team, int play) {
    char buffer[2048];
    Get_Defensive_Play_Name(team, play, buffer, sizeof(buffer));
    return buffer;
}

struct EXPECTED_PLAY {
    int Play;
    const char* Name;
    int Formation, Type, Primary, Hole;
    int Routes[5];
};

} // namespace

TEST(DefaultPlaybooks, OffensiveTableIsReproduced) {
    const EXPECTED_PLAY rows[] = {
        {0, "Pro 21 Dive", 3, 0, 2, 1, {54, 13, 7, 42, 8}},
        {4, "QB Sneak", 3, 0, 1, 0, {35, 35, 35, 41, 35}},
        {7, "Pistol 21 Draw", 18, 3, 2, 1, {54, 39, 7, 5, 9}},
        {10, "Pro 24 Off Tackle", 3, 0, 2, 4, {54, 13, 35, 41, 35}},
        {21, "Pro 9-9-Screen", 3, 6, 2, 9, {11, 40, 42, 16, 18}},
        {34, "Jailbreak 426", 10, 6, 4, -1, {4, 2, 6, 7, 23}},
        {49, "Hail Mary", 10, 6, 4, -1, {9, 35, 9, 8, 25}},
        {51, "Bootleg Option", 7, 8, 4, -1, {13, 3, 24, 2, 7}},
        {53, "Gun 59 End Around", 8, 5, 5, 9, {39, 42, 42, 45, 35}},
        {54, "Kneel Down", 3, 20, 1, -1, {39, 39, 39, 39, 39}},
        {56, "Fake Punt (Rollout)", 41, 8, 5, 6, {-1, 35, 35, 3, 35}},
        {57, "Fake Field Goal", 42, 6, 6, -1, {-1, 39, 39, 39, 17}},
        {58, "Punt", 41, 16, -1, -1, {-1, 35, 35, 35, 35}},
        {59, "Field Goal", 42, 17, -1, -1, {-1, 39, 39, 39, 39}},
    };
    for (const EXPECTED_PLAY& row : rows) {
        const OFFENSIVE_PLAY& play = Default_Offensive_Plays[row.Play];
        SCOPED_TRACE(row.Name);
        EXPECT_STREQ(play.Name, row.Name);
        EXPECT_EQ(play.Formation, row.Formation);
        EXPECT_EQ(play.Play_Type, row.Type);
        EXPECT_EQ(play.Primary, row.Primary);
        EXPECT_EQ(play.Hole_Or_Depth, row.Hole);
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(play.Routes[r], row.Routes[r]) << "receiver " << r;
        EXPECT_EQ(play.Option_Hole, 0);
        for (int8_t value : play.Card_Values)
            EXPECT_EQ(value, 0);
    }
    EXPECT_STREQ(Default_Offensive_Plays[0].Description, "Basic halfback run up the middle.");
    EXPECT_STREQ(Default_Offensive_Plays[49].Description, "Everyone go deep.");
    EXPECT_STREQ(Default_Offensive_Plays[54].Description,
                 "The quarterback takes a knee to run out the clock.");
    EXPECT_STREQ(Default_Offensive_Plays[58].Description, "");
    for (int play = 0; play < STORED_OFFENSIVE_PLAYS; ++play) {
        EXPECT_NE(Default_Offensive_Plays[play].Description[0], '\0') << "play " << play;
        int formation = Default_Offensive_Plays[play].Formation;
        EXPECT_TRUE(formation >= 0 && formation <= 21) << "scrimmage formation of play " << play;
        // The first two folders run the ball, the next three pass it.
        if (play < 20) {
            EXPECT_TRUE(Is_Running_Play(DEFAULT_PLAYBOOK_TEAM, play)) << "play " << play;
        } else if (play < 50) {
            EXPECT_TRUE(Is_Passing_Play(DEFAULT_PLAYBOOK_TEAM, play)) << "play " << play;
        }
    }
}

TEST(DefaultPlaybooks, DefensiveAndSpecialTeamsTablesAreReproduced) {
    const int roles_0[11] = {7, 0, 0, 7, 9, 8, 9, 13, 13, 8, 8};
    const int roles_8[11] = {0, 0, 0, 9, 6, 9, 18, 9, 13, 8, 8};
    const int roles_29[11] = {0, 0, 0, 9, 16, 16, 8, 8, 8, 8, 8};
    EXPECT_STREQ(Default_Defensive_Plays[0].Name, "Tampa 2 React");
    EXPECT_STREQ(Default_Defensive_Plays[0].Description,
                 "Defensive ends key on the run. Weaker against deep passes.");
    EXPECT_STREQ(Default_Defensive_Plays[8].Name, "Cover-2 Bracket");
    EXPECT_STREQ(Default_Defensive_Plays[29].Name, "Deep Prevent");
    EXPECT_EQ(Default_Defensive_Plays[0].Formation, 22);
    EXPECT_EQ(Default_Defensive_Plays[13].Formation, 37);
    EXPECT_EQ(Default_Defensive_Plays[27].Formation, 34);
    EXPECT_EQ(Default_Defensive_Plays[29].Formation, 36);
    for (int d = 0; d < 11; ++d) {
        EXPECT_EQ(Default_Defensive_Plays[0].Roles[d], roles_0[d]) << "defender " << d;
        EXPECT_EQ(Default_Defensive_Plays[8].Roles[d], roles_8[d]) << "defender " << d;
        EXPECT_EQ(Default_Defensive_Plays[29].Roles[d], roles_29[d]) << "defender " << d;
    }
    for (int play = 0; play < DEFENSIVE_PLAYS; ++play) {
        const DEFENSIVE_PLAY& row = Default_Defensive_Plays[play];
        EXPECT_TRUE(row.Formation >= 22 && row.Formation <= 38) << "play " << play;
        EXPECT_NE(row.Description[0], '\0') << "play " << play;
        for (int32_t role : row.Roles)
            EXPECT_TRUE(role >= 0 && role <= 18) << "play " << play;
    }

    char name[64];
    char description[128];
    Get_Special_Teams_Play_Name(1, name, sizeof(name));
    Get_Special_Teams_Play_Description(11, description, sizeof(description));
    EXPECT_STREQ(name, "Squib Kick");
    EXPECT_STREQ(description, "The squib kick sacrifices distance for a lower risk of a long runback.");
    EXPECT_EQ(SPECIAL_TEAMS_PLAYS[2].Formation, 40);
    EXPECT_EQ(SPECIAL_TEAMS_PLAYS[3].Play_Type, 19);
    EXPECT_EQ(SPECIAL_TEAMS_PLAYS[3].Routes[0], 7);
    for (int play = 0; play < 4; ++play)
        EXPECT_TRUE(Is_Special_Teams_Play_Defined(play)) << play;
    for (int play = 4; play < 10; ++play)
        EXPECT_FALSE(Is_Special_Teams_Play_Defined(play + 20)) << play;
    EXPECT_TRUE(Is_Special_Teams_Play_Defined(-9)) << "a negative play number wraps into the table";
}

TEST(DefaultPlaybooks, RouteAndResponsibilityTablesAreReproduced) {
    EXPECT_STREQ(Get_Pass_Route_Name(0), "(0) Hitch");
    EXPECT_STREQ(Get_Pass_Route_Name(39), "Pass Block");
    EXPECT_STREQ(Get_Pass_Route_Name(55), "Screen");
    EXPECT_STREQ(Get_Pass_Route_Name(56), "Run Option");
    EXPECT_EQ(Pass_Route_Table[46].Shortest, -8);
    EXPECT_EQ(Pass_Route_Table[46].Longest, -10);
    EXPECT_EQ(Pass_Route_Table[10].Kind, 4);
    EXPECT_EQ(Pass_Route_Table[41].Kind, 3);
    EXPECT_EQ(Get_Pass_Route_Catch_Depth(9), 31);
    EXPECT_EQ(Get_Pass_Route_Catch_Depth(11), -2);
    EXPECT_STREQ(Get_Defensive_Responsibility_Name(0), "Pass Rush");
    EXPECT_STREQ(Get_Defensive_Responsibility_Name(18), "Double Team");
    EXPECT_STREQ(Get_Play_Type_Name(22), "Reverse");
    EXPECT_STREQ(Get_Play_Type_Name(9), "Pass (Screen)");
    // Codes outside the tables name nothing rather than reading past them.
    EXPECT_STREQ(Get_Pass_Route_Name(57), "");
    EXPECT_STREQ(Get_Pass_Route_Name(-1), "");
    EXPECT_EQ(Get_Pass_Route_Catch_Depth(57), 0);
    EXPECT_STREQ(Get_Defensive_Responsibility_Name(19), "");
}

TEST(PlaybookRecords, SetDefaultPlaybooksCopiesPlaysAndKeepsNameAndCards) {
    Reset_Test_League(4);
    OFFENSIVE_PLAYBOOK& offense = Universe.Teams[2].Playbooks.Offense;
    DEFENSIVE_PLAYBOOK& defense = Universe.Teams[2].Playbooks.Defense;
    std::strcpy(offense.Name, "Mine");
    offense.Card_Selection[5] = 1;
    offense.Reserved_12504[0] = 0x77;
    offense.Results.Called[10][2] = 40;
    offense.Results.Yards[59][4] = 12;
    defense.Results.First_Downs[29][5] = 3;
    Set_Default_Playbooks(2);
    EXPECT_STREQ(offense.Folder_Names[5], "Trick/Special");
    EXPECT_STREQ(defense.Folder_Names[2], "Pass Defense");
    EXPECT_STREQ(offense.Notes,
                 "The default offensive playbook includes 20 running plays and 34 passing plays.");
    EXPECT_STREQ(defense.Notes,
                 "The default defensive playbook is primarily built around the 4-3 formation.");
    EXPECT_EQ(std::memcmp(offense.Plays, Default_Offensive_Plays, sizeof(offense.Plays)), 0);
    EXPECT_EQ(std::memcmp(defense.Plays, Default_Defensive_Plays, sizeof(defense.Plays)), 0);
    EXPECT_EQ(offense.Results.Called[10][2], 0);
    EXPECT_EQ(offense.Results.Yards[59][4], 0);
    EXPECT_EQ(defense.Results.First_Downs[29][5], 0);
    EXPECT_STREQ(offense.Name, "Mine") << "the playbook name is left as it was";
    EXPECT_EQ(offense.Card_Selection[5], 1);
    EXPECT_EQ(offense.Reserved_12504[0], 0x77);
}

TEST(PlaybookRecords, ResetAndClearTouchOnlyActiveTeams) {
    // An installation without the era playbooks.
    const FOLDER_SET_ASIDE installed_playbooks("playbooks");
    Reset_Test_League(3);
    Universe.Teams[0].Playbooks.Offense.Results.Touchdowns[3][0] = 9;
    Universe.Teams[5].Playbooks.Offense.Plays[0].Name[0] = 'Z';
    Clear_Debug_Log();
    Reset_All_Team_Playbooks();
    EXPECT_EQ(Offensive_Name(2, 0), "Pro 21 Dive") << "without era playbook files the defaults stay";
    EXPECT_NE(Read_Debug_Log_Text().find("Unable to open playbook file"), std::string::npos);
    EXPECT_EQ(Universe.Teams[0].Playbooks.Offense.Results.Touchdowns[3][0], 0);
    EXPECT_EQ(Universe.Teams[5].Playbooks.Offense.Plays[0].Name[0], 'Z') << "an empty slot is not reset";

    Universe.Teams[1].Playbooks.Offense.Results.Sacks[40][3] = 2;
    Universe.Teams[1].Playbooks.Defense.Results.Yards[12][1] = 500;
    Universe.Teams[5].Playbooks.Defense.Results.Yards[12][1] = 500;
    Clear_All_Play_Result_Data();
    EXPECT_EQ(Universe.Teams[1].Playbooks.Offense.Results.Sacks[40][3], 0);
    EXPECT_EQ(Universe.Teams[1].Playbooks.Defense.Results.Yards[12][1], 0);
    EXPECT_EQ(Universe.Teams[5].Playbooks.Defense.Results.Yards[12][1], 500);
}

TEST(PlaybookRecords, FixedPlaysAlwaysReadTheBuiltInTable) {
    Reset_Test_League(4);
    Set_Default_Playbooks(1);
    OFFENSIVE_PLAY& own = Universe.Teams[1].Playbooks.Offense.Plays[3];
    std::strcpy(own.Name, "My Own Play");
    own.Play_Type = PLAY_TYPE_PASS;
    EXPECT_EQ(Offensive_Name(1, 3), "My Own Play");
    EXPECT_EQ(Offensive_Name(DEFAULT_PLAYBOOK_TEAM, 3), "Pro 33 Dive") << "team 255 reads the defaults";
    EXPECT_EQ(Offensive_Name(-1, 3), "Pro 33 Dive") << "255 travels as -1";
    EXPECT_EQ(Offensive_Name(1, HARD_CODED_PUNT_PLAY), "Punt");
    EXPECT_EQ(Get_Offensive_Play_Type(1, HARD_CODED_FIELD_GOAL_PLAY), PLAY_TYPE_FIELD_GOAL);
    EXPECT_TRUE(Is_Kneel_Down_Play(1, KNEEL_DOWN_PLAY));
    EXPECT_EQ(Get_Offensive_Play_Formation(1, 57), 42);

    EXPECT_EQ(Get_Offensive_Play_Type(1, 60), -1);
    EXPECT_FALSE(Is_Running_Play(1, 60));
    EXPECT_FALSE(Is_Passing_Play(1, 60));
    EXPECT_FALSE(Is_Rollout_Or_Bootleg_Play(1, 60));
    EXPECT_FALSE(Is_Kneel_Down_Play(1, 60));
    EXPECT_EQ(Offensive_Name(1, 60), "");
    EXPECT_TRUE(Is_Rollout_Or_Bootleg_Play(1, 50));
}

TEST(PlaybookRecords, UnsetPrimaryReceiverIsNeverAnIndex) {
    Reset_Test_League(4);
    Set_Default_Playbooks(0);
    EXPECT_EQ(Get_Offensive_Play_Primary_Receiver(0, HARD_CODED_PUNT_PLAY), -1) << "stored -1 reads as unset";
    OFFENSIVE_PLAY& play = Universe.Teams[0].Playbooks.Offense.Plays[20];
    play.Primary = 0;
    EXPECT_EQ(Get_Offensive_Play_Primary_Receiver(0, 20), -1);
    EXPECT_EQ(Get_Offensive_Play_Category(0, 20), CATEGORY_SHORT_PASS);
    play.Primary = -1;
    EXPECT_EQ(Get_Offensive_Play_Primary_Receiver(0, 20), -1);
    EXPECT_EQ(Get_Offensive_Play_Category(0, 20), CATEGORY_SHORT_PASS);
    play.Primary = 1;
    EXPECT_EQ(Get_Offensive_Play_Category(0, 20), CATEGORY_SHORT_PASS) << "the quarterback runs no route";
}

TEST(PlaybookRecords, CategoryFollowsTypeHoleAndPrimaryRoute) {
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 0), CATEGORY_INSIDE_RUN);
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 10), CATEGORY_OUTSIDE_RUN) << "hole 4";
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 7), CATEGORY_DRAW);
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 25), CATEGORY_SHORT_PASS)
        << "bench, depth 1";
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 20), CATEGORY_MEDIUM_PASS)
        << "slant, depth 7";
    EXPECT_EQ(Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, 49), CATEGORY_LONG_PASS) << "go, depth 31";

    // Route 57 lies one past the table and -1 names no route: both are short passes.
    Reset_Test_League(4);
    Set_Default_Playbooks(0);
    OFFENSIVE_PLAY& play = Universe.Teams[0].Playbooks.Offense.Plays[49];
    play.Routes[2] = 57;
    EXPECT_EQ(Get_Offensive_Play_Category(0, 49), CATEGORY_SHORT_PASS);
    play.Routes[2] = -1;
    EXPECT_EQ(Get_Offensive_Play_Category(0, 49), CATEGORY_SHORT_PASS);
}

TEST(PlaybookRecords, SettersRefuseFixedPlaysDefaultsAndBadIndexes) {
    Reset_Test_League(4);
    Set_Default_Playbooks(0);
    Clear_Debug_Log();
    EXPECT_EQ(Set_Offensive_Play_Primary_Receiver(0, 54, 2), 0);
    EXPECT_EQ(Set_Offensive_Play_Primary_Receiver(DEFAULT_PLAYBOOK_TEAM, 3, 2), 0);
    EXPECT_EQ(Set_Offensive_Play_Primary_Receiver(0, 3, 4), 1);
    EXPECT_EQ(Universe.Teams[0].Playbooks.Offense.Plays[3].Primary, 5);
    EXPECT_EQ(Get_Offensive_Play_Primary_Receiver(0, 3), 4);

    EXPECT_EQ(Set_Offensive_Play_Route(0, 3, 5, 9), 0);
    EXPECT_EQ(Set_Offensive_Play_Route(0, 54, 1, 9), 0);
    EXPECT_EQ(Set_Offensive_Play_Route(0, 3, 1, 57), 0) << "a route must name a table entry";
    EXPECT_EQ(Set_Offensive_Play_Route(0, 3, 1, 9), 1);
    EXPECT_EQ(Get_Offensive_Play_Route(0, 3, 1), 9);
    EXPECT_EQ(Get_Offensive_Play_Route(0, 3, 5), -1);
    EXPECT_EQ(Get_Offensive_Play_Route(0, 3, -1), -1);

    EXPECT_EQ(Set_Defensive_Play_Role(0, 4, 11, 8), -1);
    EXPECT_EQ(Set_Defensive_Play_Role(0, 4, 2, 19), -1);
    EXPECT_EQ(Set_Defensive_Play_Role(0, 4, 2, 18), 18);
    EXPECT_EQ(Get_Defensive_Play_Role(0, 4, 2), 18);
    EXPECT_EQ(Get_Defensive_Play_Role(0, 4, 11), -1) << "no read past the eleven defenders";
    EXPECT_EQ(Get_Defensive_Play_Role(0, 30, 0), -1);
    EXPECT_EQ(Default_Defensive_Plays[4].Roles[2], 1) << "the built-in table is never written";

    std::string log = Read_Debug_Log_Text();
    EXPECT_NE(log.find("Invalid nReceiver in Set_Offensive_Play_Route(0, 3, [5], 9)"), std::string::npos);
    EXPECT_NE(log.find("Invalid nPlay in Set_Offensive_Play_Route(0, [54], 1, 9)"), std::string::npos);
    EXPECT_NE(log.find("Invalid nReceiver in Get_Offensive_Play_Route(0, 3, [5])"), std::string::npos);
    EXPECT_NE(log.find("Invalid nPlayer in Set_Defensive_Play_Role(0, 4, [11], 8)"), std::string::npos);
}

TEST(PlaybookRecords, DefinedPlaysNeedAValidTeamAndAName) {
    Reset_Test_League(2);
    Set_Default_Playbooks(1);
    Set_Default_Playbooks(36);
    EXPECT_TRUE(Is_Offensive_Play_Defined(1, 0));
    EXPECT_TRUE(Is_Offensive_Play_Defined(36, 59));
    EXPECT_FALSE(Is_Offensive_Play_Defined(5, 0)) << "empty franchise slot";
    EXPECT_FALSE(Is_Offensive_Play_Defined(1, 60));
    EXPECT_TRUE(Is_Defensive_Play_Defined(1, 29));
    EXPECT_FALSE(Is_Defensive_Play_Defined(1, 30));
    Universe.Teams[1].Playbooks.Defense.Plays[7].Name[0] = '\0';
    EXPECT_FALSE(Is_Defensive_Play_Defined(1, 7));
    EXPECT_EQ(Defensive_Name(1, 8), "Cover-2 Bracket");
}

TEST(PlaybookRecords, FieldGoalDescriptionNamesTheKickLength) {
    Reset_Test_League(2);
    Current_Game = nullptr;
    EXPECT_EQ(Offensive_Description(0, HARD_CODED_FIELD_GOAL_PLAY), "") << "no game in progress";
    GAME_RECORD* game = &Universe.Games[0];
    game->Yards_To_Goal = 20;
    Current_Game = game;
    Universe.Header.Universe_Stats[3] = 1970;
    Set_User_Preference(CURRENT_SEASON_INDEX, 4);
    EXPECT_EQ(Offensive_Description(0, HARD_CODED_FIELD_GOAL_PLAY), "37-Yard Field Goal Attempt");
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    EXPECT_EQ(Offensive_Description(0, HARD_CODED_FIELD_GOAL_PLAY), "27-Yard Field Goal Attempt");
    Current_Game = nullptr;
    EXPECT_EQ(Offensive_Description(DEFAULT_PLAYBOOK_TEAM, 49), "Everyone go deep.");
}

TEST(PlaybookRecords, FormationSystemMatch) {
    Clear_Debug_Log();
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 43), 750);
    EXPECT_EQ(Read_Debug_Log_Text(), "") << "kicking formations are not an error";
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 30), 750);
    EXPECT_NE(
        Read_Debug_Log_Text().find("Invalid formation in Get_Offensive_Formation_System_Match(2, [30])"),
        std::string::npos);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(0, 1), 1750);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(3, 3), 2000);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(1, 14), 1000);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 21), 1200);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(4, 1), 750) << "an unknown system never indexes the table";
    EXPECT_EQ(Get_Defensive_Formation_System_Match(0, 28), 700);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(1, 28), 300);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(1, 33), 1000);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(0, 37), 400);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(1, 38), 500);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(0, 39), 500);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(2, 22), 500);
}

TEST(PlaybookRecords, RunHoleOfEndAroundsAndOptionPlays) {
    Reset_Test_League(2);
    Set_Default_Playbooks(0);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 0;
    game->Team[1] = 1;
    game->Possession_Team = 0;
    game->Current_Play.Offensive_Play = 52; // "Pro 48 End Around": formation 3, primary slot 3
    double x = 0.0;
    double y = 0.0;
    Get_Formation_Coordinate(3, 3, &x, &y);
    EXPECT_EQ(Get_Play_Run_Hole(game), x >= 0.0 ? 9 : 8);

    OFFENSIVE_PLAY& play = Universe.Teams[0].Playbooks.Offense.Plays[5];
    std::strcpy(play.Name, "Read Option");
    play.Routes[1] = 37;
    play.Option_Hole = 6;
    play.Hole_Or_Depth = 2;
    game->Current_Play.Offensive_Play = 5;
    game->Current_Play.Defensive_Play = 4;
    game->Clock = 101;
    EXPECT_EQ(Get_Play_Run_Hole(game), 6) << "odd clock plus defensive play takes the option hole";
    game->Clock = 100;
    EXPECT_EQ(Get_Play_Run_Hole(game), 2);
    game->Current_Play.Offensive_Play = 10;
    game->Clock = 101;
    EXPECT_EQ(Get_Play_Run_Hole(game), 4) << "a plain run keeps its hole";
}

// A play's name is cut to the caller's buffer, and a name filling its whole
// field without a terminator is read to the field's end and no further.
TEST(PlaybookRecords, PlayNamesAreCutToTheBufferAndTheField) {
    Reset_Test_League(4);
    Set_Default_Playbooks(2);
    char small[5] = {'x', 'x', 'x', 'x', 'x'};
    Get_Offensive_Play_Name(2, 0, small, sizeof small);
    EXPECT_STREQ(small, "Pro ");
    char one[1] = {'x'};
    Get_Defensive_Play_Name(2, 0, one, sizeof one);
    EXPECT_EQ(one[0], '\0');

    OFFENSIVE_PLAY& play = Universe.Teams[2].Playbooks.Offense.Plays[0];
    std::memset(play.Name, 'A', sizeof play.Name);
    // The byte after the field is not part of the name.
    play.Card_Values[0] = 'B';
    EXPECT_EQ(Offensive_Name(2, 0), std::string(sizeof play.Name, 'A'));
    char cut[PLAY_NAME_LENGTH] = {};
    Get_Offensive_Play_Name(2, 0, cut, sizeof cut);
    EXPECT_EQ(std::string(cut), std::string(sizeof play.Name - 1, 'A'));
}

// A special-teams row by play number mod 10: the kickoffs' formations, types
// and routes; the result codes the playbook counters count; and the overtime
// test of the clock.
TEST(PlaybookRecords, SpecialTeamsRowsCounterResultsAndRegulation) {
    EXPECT_EQ(Get_Special_Teams_Play_Formation(0), 39);
    EXPECT_EQ(Get_Special_Teams_Play_Formation(12), 40) << "play 12 is row 2, the onside kick";
    EXPECT_EQ(Get_Special_Teams_Play_Type(13), PLAY_TYPE_ONSIDE_KICK) << "the surprise onside kick";
    EXPECT_EQ(Get_Special_Teams_Play_Type(1), PLAY_TYPE_KICKOFF);
    EXPECT_EQ(Get_Special_Teams_Play_Type(7), PLAY_TYPE_RUSH) << "an empty row";
    EXPECT_EQ(Get_Special_Teams_Play_Route(3, 0), 7);
    EXPECT_EQ(Get_Special_Teams_Play_Route(1, 4), 8);
    EXPECT_EQ(Get_Special_Teams_Play_Route(0, 0), -1) << "the kicker runs no route";
    EXPECT_EQ(Get_Special_Teams_Play_Route(0, 5), -1) << "only five receivers";
    EXPECT_NE(Read_Debug_Log_Text().find("Invalid nReceiver in Get_Special_Teams_Play_Route(0, [5])"),
              std::string::npos);

    for (int32_t result = 0; result <= RESULT_NOT_RESOLVED; ++result) {
        EXPECT_EQ(Is_Touchdown_Counter_Result(result), result == 6 || result == 12) << result;
        EXPECT_EQ(Is_Sack_Counter_Result(result), result == 3 || result == 5) << result;
    }

    GAME_RECORD game{};
    game.Clock = 3600;
    EXPECT_FALSE(Is_Past_Regulation(&game)) << "the last second of regulation";
    game.Clock = 3601;
    EXPECT_TRUE(Is_Past_Regulation(&game));
    EXPECT_FALSE(Is_Past_Regulation(nullptr));
}
