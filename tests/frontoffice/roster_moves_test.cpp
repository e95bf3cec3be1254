#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/free_agent_market.h"
#include "frontoffice/money.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/roster_moves.h"
#include "frontoffice/trade_legality.h"
#include "personnel/player_generation.h"
#include "support/computer_league.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {
constexpr int32_t SEASON_WEEK = 5;

std::vector<int32_t> Ids(int32_t team) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

bool Holds(int32_t team, int32_t id) {
    const std::vector<int32_t> ids = Ids(team);
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void Injure_Backup_Quarterback(int32_t team) {
    Set_Player_Vital_Stat(team, Get_Team_Position_Player(team, POSITION_QB, 1), VITAL_WEEKS_OUT, 3);
}

void Grow_Roster(int32_t team, int32_t players) {
    while (Get_First_Empty_Player_Slot(team) < players)
        Create_Player_For_Team(team, Get_First_Empty_Player_Slot(team), POSITION_LB, 60);
}
} // namespace

TEST(RosterMoves, ATeamWithOneHealthyQuarterbackSignsTheBestAffordableOne) {
    Build_Computer_League();
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
    Injure_Backup_Quarterback(7);
    const int32_t best = Find_Best_Affordable_Free_Agent(7, POSITION_QB);
    ASSERT_NE(best, NO_PLAYER);
    const int32_t signed_id = Get_Player_ID(FREE_AGENT_TEAM, best);
    Clear_Debug_Log();
    Do_Automatic_Signings();
    EXPECT_TRUE(Holds(7, signed_id));
    EXPECT_EQ(Count_Team_Available_Position_Players(7, POSITION_QB), 2);
    EXPECT_EQ(Count_Debug_Lines("automatically signs"), 1);
    EXPECT_EQ(Count_Team_Position_Players(FREE_AGENT_TEAM, POSITION_QB), 2) << "the pool is topped up";

    // With no room under the cap nobody is affordable: a new player is created.
    Build_Computer_League();
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
    Injure_Backup_Quarterback(7);
    Universe.Header.Universe_Stats[SALARY_CAP] = Get_Team_Financial_Stat(7, FINANCE_PAYROLL) * 1000;
    const std::vector<int32_t> pool = Ids(FREE_AGENT_TEAM);
    const std::vector<int32_t> before = Ids(7);
    Do_Automatic_Signings();
    EXPECT_EQ(Ids(FREE_AGENT_TEAM), pool);
    EXPECT_EQ(Ids(7).size(), before.size() + 1);
    EXPECT_EQ(Count_Team_Available_Position_Players(7, POSITION_QB), 2);
}

TEST(RosterMoves, AutoFillFillsAHumanTeamButLeavesItsDepthChart) {
    Build_Computer_League();
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
    constexpr int32_t human = 8;
    Set_Team_Stat(human, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    // The user's own order: the roster reversed within the offence.
    for (int32_t slot = 0; slot < 12; ++slot)
        Swap_Players(human, slot, human, 23 - slot);
    Injure_Backup_Quarterback(human);
    const std::vector<int32_t> order = Ids(human);
    Set_User_Preference(AUTO_FILL_ROSTERS, 0);
    Do_Automatic_Signings();
    EXPECT_EQ(Ids(human), order) << "Auto-Fill off";
    EXPECT_EQ(Fill_Roster_Minimums(human), 0) << "never filled by the computer's pass";
    EXPECT_EQ(Ids(human), order);
    Set_User_Preference(AUTO_FILL_ROSTERS, 1);
    Do_Automatic_Signings();
    std::vector<int32_t> kept = Ids(human);
    ASSERT_EQ(kept.size(), order.size() + 1);
    kept.erase(
        std::remove_if(kept.begin(), kept.end(),
                       [&](int32_t id) { return std::find(order.begin(), order.end(), id) == order.end(); }),
        kept.end());
    EXPECT_EQ(kept, order) << "the players already there keep their order";
}

TEST(RosterMoves, FillRosterMinimumsOnlyForComputerTeamsOutsideCommissionerMode) {
    Build_Computer_League();
    EXPECT_EQ(Fill_Roster_Minimums(9), 1) << "nothing missing";
    Delete_Player(9, Get_Team_Position_Player(9, POSITION_K, 0));
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_EQ(Fill_Roster_Minimums(9), 0);
    EXPECT_EQ(Count_Team_Position_Players(9, POSITION_K), 0);
    Set_User_Preference(COMMISSIONER_MODE, 0);
    const int32_t kicker = Find_Available_Free_Agent(POSITION_K);
    ASSERT_GE(kicker, 0);
    const int32_t kicker_id = Get_Player_ID(FREE_AGENT_TEAM, kicker);
    EXPECT_EQ(Fill_Roster_Minimums(9), 0) << "a player was added";
    EXPECT_TRUE(Holds(9, kicker_id));
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        EXPECT_GE(Count_Team_Available_Position_Players(9, position), Get_Position_Roster_Minimum(position));
}

TEST(RosterMoves, EachTeamWinsAtMostOneFreeAgentInAMarket) {
    Build_Computer_League();
    const std::vector<int32_t> weak = Ids(FREE_AGENT_TEAM);
    // Three stars every team would bid for.
    std::vector<int32_t> stars;
    for (int32_t position : {POSITION_QB, POSITION_WR, POSITION_CB}) {
        const int32_t slot = Find_Available_Free_Agent(position);
        Rescale_Player_Ratings(FREE_AGENT_TEAM, slot, 95.0f);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SALARY, 2000);
        stars.push_back(Get_Player_ID(FREE_AGENT_TEAM, slot));
    }
    std::vector<std::vector<int32_t>> rosters;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        rosters.push_back(Ids(team));
    Run_Free_Agent_Market(0);
    int32_t signed_stars = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        int32_t won = 0;
        for (int32_t id : stars)
            won += Holds(team, id) ? 1 : 0;
        EXPECT_LE(won, 1) << "team " << team;
        signed_stars += won;
    }
    EXPECT_EQ(signed_stars, 3);
    for (int32_t id : weak)
        if (std::find(stars.begin(), stars.end(), id) == stars.end()) {
            EXPECT_TRUE(Holds(FREE_AGENT_TEAM, id)) << "no bids for a player rated 70 or less";
        }
}

TEST(RosterMoves, CutsKeepTheLastThreeSlotsFreeAndNeverGoBelowFiftyOne) {
    Build_Computer_League();
    Grow_Roster(9, 60);
    Cut_Roster_To_Limit(9);
    EXPECT_EQ(Get_First_Empty_Player_Slot(9), 60);
    const int32_t pool = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Grow_Roster(9, 99);
    Cut_Roster_To_Limit(9);
    EXPECT_EQ(Get_First_Empty_Player_Slot(9), ROSTER_ROOM_LIMIT);
    EXPECT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), pool + 2) << "both released to the pool";
    Set_Team_Stat(10, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Grow_Roster(10, 100);
    Cut_Roster_To_Limit(10);
    EXPECT_EQ(Get_First_Empty_Player_Slot(10), 100) << "a human team cuts its own roster";
    EXPECT_EQ(Cut_One_Player_If_Over_Limit(11), 1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(11), 52);
    EXPECT_EQ(Cut_One_Player_If_Over_Limit(11), 1);
    EXPECT_EQ(Cut_One_Player_If_Over_Limit(11), 0) << "51 players are within the limit";

    // Over the cap: players are shed down to 51 and no further.
    Universe.Header.Universe_Stats[SALARY_CAP] = 1000000;
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
    for (int32_t team : {11, 12}) {
        // A draw on an empty slot: no release of its own before the cap passes.
        uint32_t seed = 1;
        for (;; ++seed) {
            Seed_Random_Numbers(seed);
            if (Random_Index(PLAYERS_PER_TEAM) >= TEST_ROSTER_SIZE) break;
        }
        Seed_Random_Numbers(seed);
        Computer_Sign_Or_Release(team);
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), 51) << "team " << team;
    }
}

// The signing branch of a rich computer team under the cap takes a free
// agent only with room for him: with the cap a thousand dollars short of his
// charge he stays in the pool and the team's payroll under the cap; with room
// to the dollar he signs.
TEST(RosterMoves, AComputerSigningNeverTakesATeamPastTheCap) {
    constexpr int32_t TEAM = 13;
    // The league as built, its team rich enough to sign, the cap at `room`
    // thousands past the payroll it would have with the free agent the
    // seed's draw picks (none: false).
    auto set_up = [&](uint32_t seed, int32_t room, int32_t* pick) {
        Build_Computer_League();
        Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
        Set_Team_Financial_Stat(TEAM, FINANCIAL_STAT_CASH, 3 * Get_Base_Cash());
        Seed_Random_Numbers(seed);
        Random_Number();
        Random_Number();
        *pick = Random_Index(PLAYERS_PER_TEAM);
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, *pick)) return false;
        Rescale_Player_Ratings(FREE_AGENT_TEAM, *pick, 95.0f);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, *pick, VITAL_SALARY, 5000);
        const int32_t charge = Get_Player_Vital_Stat(FREE_AGENT_TEAM, *pick, VITAL_CAP_CHARGE);
        Universe.Header.Universe_Stats[SALARY_CAP] = (Get_Payroll_With_Newcomer(TEAM, charge) + room) * 1000;
        Seed_Random_Numbers(seed);
        return true;
    };
    // A seed whose free agent the team wants once it has the room.
    int32_t pick = 0, id = 0;
    uint32_t seed = 1;
    for (; seed < 400; ++seed) {
        if (!set_up(seed, 0, &pick)) continue;
        id = Get_Player_ID(FREE_AGENT_TEAM, pick);
        Computer_Sign_Or_Release(TEAM);
        if (Holds(TEAM, id)) break;
    }
    ASSERT_LT(seed, 400u) << "no seed signs a free agent";
    EXPECT_LE(Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL), Get_Universe_Stat(SALARY_CAP) / 1000);

    ASSERT_TRUE(set_up(seed, -1, &pick));
    const int32_t roster = Get_First_Empty_Player_Slot(TEAM);
    Computer_Sign_Or_Release(TEAM);
    EXPECT_FALSE(Holds(TEAM, id));
    EXPECT_TRUE(Holds(FREE_AGENT_TEAM, id));
    EXPECT_EQ(Get_First_Empty_Player_Slot(TEAM), roster) << "nobody shed for the cap";
    EXPECT_LT(Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL), Get_Universe_Stat(SALARY_CAP) / 1000);
}

// A poor computer team's release branch lets a player go whatever its size:
// at 51 players, a linebacker beyond his position's quota drawn for release
// leaves it with 50.
TEST(RosterMoves, APoorComputerTeamReleasesBelowFiftyTwo) {
    constexpr int32_t TEAM = 14;
    Build_Computer_League();
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEK);
    Set_Team_Financial_Stat(TEAM, FINANCIAL_STAT_CASH, Get_Base_Cash() / 4);
    Grow_Roster(TEAM, TEST_ROSTER_SIZE + 1);
    while (Get_First_Empty_Player_Slot(TEAM) > MIN_TRADE_ROSTER)
        Delete_Player(TEAM, Test_League_Slot(POSITION_WR, 0));
    const int32_t extra = MIN_TRADE_ROSTER - 1;
    ASSERT_EQ(Get_Player_Vital_Stat(TEAM, extra, VITAL_POSITION), POSITION_LB);
    ASSERT_EQ(Is_Player_Within_Position_Quota(TEAM, extra), 0) << "the extra linebacker";
    const int32_t id = Get_Player_ID(TEAM, extra);
    uint32_t seed = 1;
    for (;; ++seed) {
        Seed_Random_Numbers(seed);
        if (Random_Index(PLAYERS_PER_TEAM) == extra) break;
    }
    Seed_Random_Numbers(seed);
    Computer_Sign_Or_Release(TEAM);
    EXPECT_FALSE(Holds(TEAM, id));
    EXPECT_TRUE(Holds(FREE_AGENT_TEAM, id));
    EXPECT_EQ(Get_First_Empty_Player_Slot(TEAM), MIN_TRADE_ROSTER - 1);
}
