#include "engine/play_matchups.h"

#include <gtest/gtest.h>

#include <cstring>

#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {

constexpr int DEFAULTS = DEFAULT_PLAYBOOK_TEAM;

class PlayMatchups : public ::testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Clear_Play_Use_Counts();
        game = &Universe.Games[0];
        std::memset(game, 0, sizeof *game);
        game->Team[0] = 3; // visitor
        game->Team[1] = 4; // home
        game->Possession_Team = 3;
        Clear_Debug_Log();
    }
    GAME_RECORD* game = nullptr;
};

// Gives team 0's defensive play 0 the same responsibility for all eleven.
void Set_All_Roles(int play, int role, int formation) {
    DEFENSIVE_PLAY& record = Universe.Teams[0].Playbooks.Defense.Plays[play];
    record.Formation = formation;
    for (int k = 0; k < PLAYERS_ON_FIELD; ++k)
        record.Roles[k] = role;
}

// Team 0's offensive play 20 as a standard pass whose primary receiver runs `route`.
void Set_Primary_Route(int route) {
    OFFENSIVE_PLAY& record = Universe.Teams[0].Playbooks.Offense.Plays[20];
    record.Play_Type = PLAY_TYPE_PASS;
    record.Primary = 2; // on-field slot 1, receiver 0
    for (int i = 0; i < 5; ++i)
        record.Routes[i] = 39;
    record.Routes[0] = route;
}

TEST_F(PlayMatchups, RedundancyFallsWithTheCallingSidesUses) {
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 10), 1000) << "a play never called is neutral";
    Offensive_Play_Use_Counts[0][10] = 10;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 10), 667) << "round(20,000 / 30)";
    Offensive_Play_Use_Counts[0][10] = 20;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 10), 500);
    Offensive_Play_Use_Counts[0][10] = 400;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 10), 500) << "never below the floor";

    game->Possession_Team = 4;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 10), 1000) << "the home side's count is its own";

    // The defence is side 1 while side 0 has the ball.
    game->Possession_Team = 3;
    Defensive_Play_Use_Counts[1][7] = 50;
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 7), 500);
    Defensive_Play_Use_Counts[1][7] = 25;
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 7), 667);
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 8), 1000);
    game->Possession_Team = 4;
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 7), 1000);

    // Play numbers outside the tables read as never called.
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 60), 1000);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, -1), 1000);
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 30), 1000);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST_F(PlayMatchups, WatchedGameHandicapsTheHumanSide) {
    int week = 2;
    Set_User_Preference(CURRENT_WEEK, week);
    Set_User_Preference(DIFFICULTY_LEVEL, 2);
    ASSERT_NE(Schedule_Game(3, 4, week, 0, 0), 0);
    Set_Team_Stat(3, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);

    Set_User_Preference(SIMULATION_RUNNING, 1);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 0), 1000) << "not watched: no handicap";

    Set_Game_PBP_Flag(4, week, 1);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 0), 950)
        << "human offence: 25 x difficulty less";
    game->Possession_Team = 4;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 0), 1050)
        << "human defence: 25 x difficulty more";

    game->Possession_Team = 3;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 0), 1000) << "multi-season simulation";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    Set_User_Preference(SIMULATION_RUNNING, 0);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(game, 0), 1000) << "only while the simulation runs";
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(game, 0), 1000);
}

TEST_F(PlayMatchups, PlayYardageOfTheDefaultPlays) {
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 10), 5) << "Pro 24 Off Tackle: slot 1, hole 4";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 1), 1) << "Pro 20 Blast: 3 less the lead block, at least 1";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 4), 1) << "QB Sneak: slot 0, hole 0 gives the base";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 12), 4) << "Pro 35 Off-Tackle: slot 2, hole 5";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 13), 6) << "Pro 27 Pitch (toss): hole 7";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 14), 10) << "Ace 28 Sweep: hole 8";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 7), 9) << "Pistol 21 Draw: base 1 + 8";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 27), 5) << "Gun 410 Cross: the Cross route's catch depth";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 21), 13) << "a screen caught behind the line: base 5 + 8";
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, HARD_CODED_PUNT_PLAY), -1);
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, HARD_CODED_FIELD_GOAL_PLAY), -1);
    EXPECT_EQ(Count_Error_Lines(), 0);

    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, KNEEL_DOWN_PLAY), 1) << "a kneel-down is unhandled: the base";
    EXPECT_EQ(Count_Debug_Lines("Unhandled nPlayType in Get_Play_Yardage()"), 1);
    EXPECT_EQ(Get_Play_Yardage(DEFAULTS, 60), 1) << "no such play";
    EXPECT_EQ(Count_Debug_Lines("Unhandled nPlayType in Get_Play_Yardage()"), 2);
}

TEST_F(PlayMatchups, PrimaryRouteDepthNeedsAReceiver) {
    Set_Primary_Route(19); // Cutback, caught 8 to 10 yards out
    EXPECT_EQ(Get_Primary_Route_Depth(0, 20), 9);
    Universe.Teams[0].Playbooks.Offense.Plays[20].Routes[0] = 57; // past the route table
    EXPECT_EQ(Get_Primary_Route_Depth(0, 20), 0);
    EXPECT_EQ(Count_Error_Lines(), 0);

    Universe.Teams[0].Playbooks.Offense.Plays[20].Primary = 0; // unset
    EXPECT_EQ(Get_Primary_Route_Depth(0, 20), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid nReceiver in Get_Offensive_Play_Route(0, 20, [-2])"), 1);
}

TEST_F(PlayMatchups, DeepZoneCoverageAgainstANineYardRoute) {
    Set_Primary_Route(19);
    Set_All_Roles(0, 8, 36);
    // Each Deep Zone defender gives 0.022 x 9 - 0.11 = 0.088 before his position term.
    float expected = 1.0f;
    for (int k = 0; k < PLAYERS_ON_FIELD; ++k) {
        double x = 0.0;
        double y = 0.0;
        Get_Formation_Coordinate(36, k, &x, &y);
        expected = static_cast<float>(expected + (0.088 + (x + y) * 0.004 - 0.04));
    }
    EXPECT_NEAR(Get_Pass_Coverage_Multiplier(0, 20, 0, 0), expected, 1e-5f);
    EXPECT_GT(expected, 1.5f) << "eleven deep defenders cover a deep route well";

    // Eleven rushers leave the coverage at its floor.
    Set_All_Roles(0, 6, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Coverage_Multiplier(0, 20, 0, 0), 0.1f);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST_F(PlayMatchups, PassRushByResponsibility) {
    Set_Primary_Route(19);
    Set_All_Roles(0, 0, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), (1000.0f + 11 * (9 + 30) * 3) / 1000.0f);
    Set_All_Roles(0, 2, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), (1000.0f + 11 * (9 + 16) * 5) / 1000.0f);
    Set_All_Roles(0, 13, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), (1000.0f - 550.0f) / 1000.0f);
    Set_All_Roles(0, 6, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), 0.1f) << "floor";

    // Rushers gain nothing against a screen.
    Set_Primary_Route(11);
    Set_All_Roles(0, 0, 22);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), 1.0f);
    EXPECT_EQ(Count_Error_Lines(), 0);

    // An unknown responsibility is reported and adds nothing.
    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[4] = 25;
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Multiplier(0, 20, 0, 0), 1.0f);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()"), 1);
}

TEST_F(PlayMatchups, PassDefenseCombinesCoverageRushAndDoubleTeam) {
    Set_Primary_Route(19);
    Universe.Teams[0].Playbooks.Defense.Plays[0] = Default_Defensive_Plays[20]; // Basic Cover-2
    float c = Get_Pass_Coverage_Multiplier(0, 20, 0, 0);
    float r = Get_Pass_Rush_Multiplier(0, 20, 0, 0);
    float plain = Get_Pass_Defense_Multiplier(0, 20, 0, 0);
    EXPECT_NEAR(plain, (3 * c + 3 * r - 1) / 5 + 3 * 0.007f, 1e-5f) << "a 9-yard route adds (12 - 9) x 0.007";

    // A double team on a defender who would otherwise play the same coverage.
    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[8] = 18;
    float c2 = Get_Pass_Coverage_Multiplier(0, 20, 0, 0);
    float r2 = Get_Pass_Rush_Multiplier(0, 20, 0, 0);
    EXPECT_NEAR(Get_Pass_Defense_Multiplier(0, 20, 0, 0), (3 * (c2 + 0.05f) + 3 * r2 - 1) / 5 + 3 * 0.007f,
                1e-5f);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST_F(PlayMatchups, RunMatchupStaysWithinItsBounds) {
    // Every default run against every default defence, fresh and worn out.
    for (int uses : {0, 1000}) {
        for (int o = 0; o < 20; ++o)
            Offensive_Play_Use_Counts[0][o] = uses;
        for (int o = 0; o < 20; ++o)
            for (int d = 0; d < 30; ++d) {
                float g = Get_Run_Matchup_Multiplier(game, o, d);
                EXPECT_GE(g, 0.6024096f) << "run " << o << " against " << d;
                EXPECT_LE(g, 1.66f) << "run " << o << " against " << d;
            }
    }
    // A worn-out run call favours the defence.
    Clear_Play_Use_Counts();
    float fresh = Get_Run_Matchup_Multiplier(game, 10, 20);
    Offensive_Play_Use_Counts[0][10] = 20;
    EXPECT_GT(Get_Run_Matchup_Multiplier(game, 10, 20), fresh);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

// The sums of the pass outcome's divisors: the offence's redundancy of the
// call plus 3,000, with the coverage or the rush multiplier evaluated, so
// an unknown responsibility is reported.
TEST_F(PlayMatchups, CoverageAndRushRedundancySumsAddTheOffencesRedundancy) {
    game->Team[1] = 0; // the defence plays team 0's playbook
    Set_Primary_Route(19);
    Set_All_Roles(0, 8, 36);
    game->Possession_Team = 3;
    EXPECT_EQ(Get_Coverage_Redundancy_Sum(game, 20, 0), 4000) << "a call never made";
    Offensive_Play_Use_Counts[0][20] = 10;
    EXPECT_EQ(Get_Coverage_Redundancy_Sum(game, 20, 0), 667 + 3000);
    EXPECT_EQ(Get_Pass_Rush_Redundancy_Sum(game, 20, 0), 667 + 3000);
    Defensive_Play_Use_Counts[1][0] = 50;
    EXPECT_EQ(Get_Pass_Rush_Redundancy_Sum(game, 20, 0), 667 + 3000) << "the defence's uses do not count";
    EXPECT_EQ(Count_Error_Lines(), 0);

    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[4] = 25;
    Get_Coverage_Redundancy_Sum(game, 20, 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility in Get_Pass_Coverage_Multiplier()"), 1);
    Get_Pass_Rush_Redundancy_Sum(game, 20, 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()"), 1);
}

TEST_F(PlayMatchups, RunDefenseOfADefensivePlay) {
    // A stacked goal-line defence stops an inside run better than a prevent.
    int stack = Get_Game_Pass_Rush_Multiplier(DEFAULTS, 0, DEFAULTS, 13);
    int prevent = Get_Game_Pass_Rush_Multiplier(DEFAULTS, 0, DEFAULTS, 29);
    EXPECT_GT(stack, prevent);
    for (int o = 0; o < 20; ++o)
        for (int d = 0; d < 30; ++d)
            EXPECT_GE(Get_Game_Pass_Rush_Multiplier(DEFAULTS, o, DEFAULTS, d), 100);
    EXPECT_EQ(Count_Error_Lines(), 0);

    Universe.Teams[0].Playbooks.Defense.Plays[0] = Default_Defensive_Plays[13];
    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[0] = -5;
    Get_Game_Pass_Rush_Multiplier(DEFAULTS, 0, 0, 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility in Get_Game_Pass_Rush_Multiplier()"), 1);
}

TEST_F(PlayMatchups, OffensiveSystemMatchOfATeam) {
    EXPECT_EQ(Get_Team_Offensive_System_Match(DEFAULTS, 1), 1750) << "no team record: system 0";
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM, 3);
    EXPECT_EQ(Get_Team_Offensive_System_Match(0, 2), 1800);
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM, 1);
    EXPECT_EQ(Get_Team_Offensive_System_Match(0, 2), 200);
    EXPECT_EQ(Get_Team_Offensive_System_Match(0, 43), 750);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

// The table's matchups, worked out from a row and a column prepared once,
// are exactly the matchups of the two calls' facts: for every defensive
// formation, mixes of all roles, pass depths either side of the sums' bounds
// and every hole.
TEST_F(PlayMatchups, TableMatchupsAreTheCallsMatchups) {
    uint32_t draw = 12345;
    auto next_role = [&draw] {
        draw = draw * 1103515245u + 12345u;
        return static_cast<int32_t>((draw >> 16) % MATCHUP_ROLES);
    };
    int compared = 0;
    for (int32_t formation = 22; formation <= 38; ++formation) {
        for (int32_t mix = 0; mix < 6; ++mix) {
            DEFENSIVE_CALL_FACTS defense{};
            defense.Formation = formation;
            for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
                defense.Roles[k] = next_role();
                if (defense.Roles[k] == 18) defense.Role_18 = true;
                Get_Formation_Coordinate(formation, k, &defense.X[k], &defense.Y[k]);
            }
            MATCHUP_COLUMN column;
            Prepare_Matchup_Column(defense, &column);
            ASSERT_TRUE(column.Known_Roles);
            for (int32_t depth : {-20, -3, 0, 1, 5, 12, 19, 35, 60, 9999, 10001, -10001}) {
                for (bool special : {false, true}) {
                    OFFENSIVE_CALL_FACTS pass{depth, special, false, 0};
                    MATCHUP_ROW row;
                    Prepare_Pass_Matchup_Row(pass, &row);
                    EXPECT_EQ(Table_Pass_Defense_Multiplier(row, column),
                              Pass_Defense_Multiplier(pass, defense))
                        << "formation " << formation << " depth " << depth << " special " << special;
                    ++compared;
                }
            }
            for (int32_t hole = -1; hole <= 10; ++hole) {
                for (bool draw_play : {false, true}) {
                    OFFENSIVE_CALL_FACTS run{0, false, draw_play, hole};
                    MATCHUP_ROW row;
                    Prepare_Run_Matchup_Row(run, &row);
                    EXPECT_EQ(Table_Game_Pass_Rush_Multiplier(row, column),
                              Game_Pass_Rush_Multiplier(run, defense))
                        << "formation " << formation << " hole " << hole << " draw " << draw_play;
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 4000);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

// A defender of a role no matchup knows is reported by the table as by the
// single matchup, with the same value.
// A kept pass matchup follows every change of what it is worked out of: the
// call's roles and formation and the pass's depth; a role the multipliers do
// not know is reported at every ask.
TEST_F(PlayMatchups, KeptPassMatchupFollowsTheCalls) {
    auto expect_fresh = [](const char* what) {
        const PASS_MATCHUP kept = Get_Pass_Matchup(0, 20, 0, 0);
        EXPECT_EQ(kept.Coverage, Get_Pass_Coverage_Multiplier(0, 20, 0, 0)) << what;
        EXPECT_EQ(kept.Rush, Get_Pass_Rush_Multiplier(0, 20, 0, 0)) << what;
    };
    Set_Primary_Route(19);
    Universe.Teams[0].Playbooks.Defense.Plays[0] = Default_Defensive_Plays[20];
    const PASS_MATCHUP first = Get_Pass_Matchup(0, 20, 0, 0);
    expect_fresh("first ask");
    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[8] = 0;
    expect_fresh("a defender turned rusher");
    EXPECT_NE(Get_Pass_Matchup(0, 20, 0, 0).Rush, first.Rush);
    Universe.Teams[0].Playbooks.Defense.Plays[0].Formation = 36;
    expect_fresh("another formation");
    Set_Primary_Route(11);
    expect_fresh("a screen");
    Set_Primary_Route(19);
    Universe.Teams[0].Playbooks.Defense.Plays[0] = Default_Defensive_Plays[20];
    EXPECT_EQ(Get_Pass_Matchup(0, 20, 0, 0).Coverage, first.Coverage) << "back as it was";
    EXPECT_EQ(Count_Error_Lines(), 0);

    Universe.Teams[0].Playbooks.Defense.Plays[0].Roles[4] = 25;
    Get_Pass_Matchup(0, 20, 0, 0);
    Get_Pass_Matchup(0, 20, 0, 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()"), 2);
}

TEST_F(PlayMatchups, TableMatchupOfAnUnknownRoleIsTheCallsMatchup) {
    DEFENSIVE_CALL_FACTS defense{};
    defense.Formation = 22;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k)
        Get_Formation_Coordinate(22, k, &defense.X[k], &defense.Y[k]);
    defense.Roles[4] = 19;
    MATCHUP_COLUMN column;
    Prepare_Matchup_Column(defense, &column);
    EXPECT_FALSE(column.Known_Roles);
    OFFENSIVE_CALL_FACTS pass{8, false, false, 0};
    OFFENSIVE_CALL_FACTS run{0, false, true, 3};
    MATCHUP_ROW pass_row;
    MATCHUP_ROW run_row;
    Prepare_Pass_Matchup_Row(pass, &pass_row);
    Prepare_Run_Matchup_Row(run, &run_row);
    const float table_pass = Table_Pass_Defense_Multiplier(pass_row, column);
    const int32_t table_run = Table_Game_Pass_Rush_Multiplier(run_row, column);
    const int errors = Count_Error_Lines();
    EXPECT_GT(errors, 0);
    EXPECT_EQ(table_pass, Pass_Defense_Multiplier(pass, defense));
    EXPECT_EQ(table_run, Game_Pass_Rush_Multiplier(run, defense));
    EXPECT_EQ(Count_Error_Lines(), 2 * errors);
}

// A call's defenders stand where its formation places them; a formation out
// of the catalogue puts them all at the ball and is reported for each slot.
TEST_F(PlayMatchups, DefensiveCallFactsStandWhereTheFormationPlacesThem) {
    Set_All_Roles(0, 12, 31);
    DEFENSIVE_CALL_FACTS facts{};
    Read_Defensive_Call_Facts(0, 0, &facts);
    EXPECT_EQ(facts.Formation, 31);
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        EXPECT_EQ(facts.X[k], Formation_Coordinate_Table[31][k].X) << k;
        EXPECT_EQ(facts.Y[k], Formation_Coordinate_Table[31][k].Y) << k;
    }
    EXPECT_EQ(Count_Error_Lines(), 0);

    Set_All_Roles(0, 12, NUMBER_OF_FORMATIONS);
    Read_Defensive_Call_Facts(0, 0, &facts);
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        EXPECT_EQ(facts.X[k], 0.0) << k;
        EXPECT_EQ(facts.Y[k], 0.0) << k;
    }
    EXPECT_EQ(Count_Error_Lines(), PLAYERS_ON_FIELD);
}

} // namespace
