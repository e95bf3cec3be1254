#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "database/league_derived_state.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/play_matchups.h"
#include "engine/snap_answers.h"
#include "game_calls_test_support.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(DefensivePlayCalling, PassFocusMatchOfFormations) {
    EXPECT_EQ(Get_Pass_Focus_Match(22, 22), 1000) << "the formation asked for";
    EXPECT_EQ(Get_Pass_Focus_Match(22, 25), Mul_Div_Round(100, 1000, 150)) << "50 apart";
    EXPECT_EQ(Get_Pass_Focus_Match(22, 36), 0) << "150 or more apart";
    EXPECT_TRUE(Is_Defensive_Formation(22));
    EXPECT_TRUE(Is_Defensive_Formation(38));
    EXPECT_FALSE(Is_Defensive_Formation(21));
    EXPECT_FALSE(Is_Defensive_Formation(39));

    Clear_Debug_Log();
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(3), 1000);
    EXPECT_EQ(Count_Debug_Lines("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()"), 1);
}

TEST(DefensivePlayCalling, ThreeFourTeamShunsTheFourThree) {
    Build_Test_League();
    Set_Team_Stat(0, TEAM_STAT_DEFENSIVE_SYSTEM, 1);
    EXPECT_EQ(Get_Team_Defensive_System_Match(0, 22), 100);
    EXPECT_EQ(Get_Team_Defensive_System_Match(41, 22), Get_Team_Defensive_System_Match(1, 22))
        << "a team number out of range plays the base system";
}

TEST(DefensivePlayCalling, MatchupColumnsAverageAThousand) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    for (int d = 0; d < 30; ++d) {
        long long sum = 0;
        for (int o = 0; o < 54; ++o)
            sum += Play_Matchup_Table[o][d];
        if (sum == 0) continue;
        EXPECT_NEAR(sum, 54000, 54 + 54000 / 1000) << "column " << d;
    }
    EXPECT_EQ(Get_Play_Matchup_Value(0, 0, 1, 30), 0) << "no defensive play 30";
    EXPECT_EQ(Get_Play_Matchup_Value(0, 0, 200, 0), 0) << "no team 200";
}

namespace {
// Each cell of the table is the matchup of its two calls, each column scaled
// so that the offence's own plays average 1,000.
void Expect_Each_Pairs_Scaled_Matchup(const GAME_RECORD* game, const char* after) {
    const int32_t side = Get_Offense_Side(game);
    const int32_t offense = game->Team[side];
    const int32_t defense = game->Team[1 - side];
    for (int32_t d = 0; d < 30; ++d) {
        int64_t sum = 0;
        for (int32_t o = 0; o < 54; ++o)
            sum += Get_Play_Matchup_Value(offense, o, defense, d);
        const int64_t factor = sum == 0 ? 0 : (54000000 + sum / 2) / sum;
        for (int32_t o = 0; o < 60; ++o) {
            const int64_t value = Get_Play_Matchup_Value(offense, o, defense, d);
            const int64_t scaled =
                o < 54 ? Mul_Div_Round(static_cast<int32_t>(value), static_cast<int32_t>(factor), 1000)
                       : value;
            ASSERT_EQ(Play_Matchup_Table[o][d], scaled) << after << ": offence " << o << " defence " << d;
        }
    }
}

DEFENSIVE_PLAY& Defense_Play(int32_t play) {
    return Universe.Teams[1].Playbooks.Defense.Plays[play];
}
} // namespace

TEST(DefensivePlayCalling, MatchupTableHoldsEachPairsScaledMatchup) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "first table");
}

// The matchups kept from one game's table to the next follow the defence's
// calls and the offence's: every table holds each pair's matchup.
TEST(DefensivePlayCalling, KeptMatchupsFollowBothSidesCalls) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "the same calls again");

    Defense_Play(3).Roles[4] = Defense_Play(3).Roles[4] == 0 ? 7 : 0;
    Defense_Play(7).Formation = Defense_Play(7).Formation == 22 ? 31 : 22;
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "the defence's calls edited");
    Defense_Play(9).Name[0] = '\0';
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "a defensive call dropped");

    for (int32_t play = 0; play < 54; play += 5)
        Universe.Teams[0].Playbooks.Offense.Plays[play].Hole_Or_Depth += 3;
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "the offence's calls edited");

    // A responsibility the matchups do not know is reported at every table.
    Defense_Play(2).Roles[0] = 40;
    Clear_Debug_Log();
    Build_Play_Matchup_Table(game);
    const int32_t reported = Count_Debug_Lines("Unhandled defensive responsbility");
    EXPECT_GT(reported, 0);
    Clear_Debug_Log();
    Build_Play_Matchup_Table(game);
    EXPECT_EQ(Count_Debug_Lines("Unhandled defensive responsbility"), reported);
}

// A whole table kept for the same calls of both sides is made afresh when
// only the offence's calls changed, and overwrites whatever the table held.
TEST(DefensivePlayCalling, KeptTableFollowsTheOffencesCalls) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    for (auto& row : Play_Matchup_Table)
        for (int& cell : row)
            cell = 7;
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "the table written over");

    OFFENSIVE_PLAY& pass = Universe.Teams[0].Playbooks.Offense.Plays[27];
    const OFFENSIVE_PLAY before = pass;
    pass.Routes[0] = pass.Routes[0] == 19 ? 11 : 19;
    pass.Primary = 2;
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "one pass's route changed");
    pass = before;
    Build_Play_Matchup_Table(game);
    Expect_Each_Pairs_Scaled_Matchup(game, "the route back as it was");
}

TEST(DefensivePlayCalling, CallIsReproducibleAndInRange) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Seed_Random_Numbers(seed);
        const int32_t call = Choose_Defensive_Play(game);
        EXPECT_GE(call, 0);
        EXPECT_LT(call, 30);
        Seed_Random_Numbers(seed);
        EXPECT_EQ(Choose_Defensive_Play(game), call) << "seed " << seed;
    }
}

TEST(DefensivePlayCalling, AllWeightsZeroGivesAUniformCall) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    for (auto& row : Play_Matchup_Table)
        for (int& cell : row)
            cell = 0;
    bool seen[30] = {};
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        Seed_Random_Numbers(seed);
        const int32_t call = Choose_Defensive_Play(game);
        ASSERT_GE(call, 0);
        ASSERT_LT(call, 30);
        seen[call] = true;
    }
    int distinct = 0;
    for (bool s : seen)
        distinct += s ? 1 : 0;
    EXPECT_GT(distinct, 20) << "every play can be drawn";
}

namespace {
// The calls of 100 seeds, each inside the calls of a snap of its own (where
// the defence's plays are read as kept from an earlier snap) or outside them
// (where they are read afresh every time).
std::vector<int32_t> Defensive_Calls(GAME_RECORD* game, bool in_snap) {
    std::vector<int32_t> calls;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        std::optional<SNAP_ANSWERS_SCOPE> snap;
        if (in_snap) snap.emplace();
        Seed_Random_Numbers(seed);
        calls.push_back(Choose_Defensive_Play(game));
    }
    return calls;
}

// Half the defence's plays moved to another formation.
void Move_Defensive_Formations(int32_t first, int32_t formation) {
    for (int32_t d = first; d < 30; d += 2)
        Universe.Teams[1].Playbooks.Defense.Plays[d].Formation = formation;
}
} // namespace

// The defence's plays kept from snap to snap are read afresh after an edit
// through a window or the playbook's setters, a kickoff or another league
// loaded: the calls match calls that keep nothing.
TEST(DefensivePlayCalling, KeptDefensivePlaysFollowTheirEdits) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    // The calls inside snaps first: they are the ones that could read stale plays.
    auto expect_fresh_calls = [game](const char* after) {
        const std::vector<int32_t> kept = Defensive_Calls(game, true);
        EXPECT_EQ(kept, Defensive_Calls(game, false)) << after;
        return kept;
    };
    const std::vector<int32_t> first = expect_fresh_calls("first snaps");

    Edit_Through_A_Window([] { Move_Defensive_Formations(0, 38); });
    EXPECT_NE(expect_fresh_calls("edited through a window"), first) << "the edit matters";

    Move_Defensive_Formations(1, 34);
    Clear_Play_Use_Counts();
    expect_fresh_calls("changed before a kickoff");

    Move_Defensive_Formations(0, 22);
    Reset_League_Derived_State();
    expect_fresh_calls("another league loaded");

    // Formations moved in place, then a role set through the playbook's
    // setter, as the editor does.
    Move_Defensive_Formations(0, 38);
    Set_Defensive_Play_Role(1, 0, 1, Get_Defensive_Play_Role(1, 0, 1) == 0 ? 1 : 0);
    expect_fresh_calls("a role set through the playbook's setter");

    // The team's defensive system changed: the fits are worked out again.
    Set_Team_Stat(1, TEAM_STAT_DEFENSIVE_SYSTEM, 1 - Get_Team_Stat(1, TEAM_STAT_DEFENSIVE_SYSTEM));
    expect_fresh_calls("another system");
}
