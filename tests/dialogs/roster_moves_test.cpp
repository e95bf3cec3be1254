#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/contract_demand.h"
#include "personnel/player_generation.h"
#include "platform/message_box.h"
#include "support/test_league.h"

namespace {
constexpr int32_t OFFENCE = 25; // QB to C of a test roster
constexpr int32_t DEFENCE = 26; // DE to S

std::vector<int32_t> Ids(int32_t team) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot)
        ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

// True while the roster runs offence, defence, kickers without going back.
bool Is_Grouped_By_Unit(int32_t team) {
    int32_t unit = 0;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot) {
        if (Get_Player_Unit(team, slot) < unit) return false;
        unit = Get_Player_Unit(team, slot);
    }
    return true;
}

void Delete_Unit(int32_t team, int32_t unit) {
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Unit(team, slot) == unit) Delete_Player(team, slot);
}
} // namespace

TEST(RosterMoves, NewcomerJoinsTheEndOfHisUnit) {
    Build_Test_League();
    const std::vector<int32_t> before = Ids(2);
    const int32_t qb = Test_League_Slot(POSITION_QB, 1);
    const int32_t id = Get_Player_ID(1, qb);
    EXPECT_EQ(Move_Player_To_Team(2, 1, qb), OFFENCE) << "after the offence, which holds slots 0-24";
    EXPECT_EQ(Get_Player_ID(2, OFFENCE), id);
    EXPECT_EQ(Get_Player_ID(2, OFFENCE + 1), before[OFFENCE]) << "the defence moved down one slot";
    EXPECT_EQ(Get_Player_ID(2, TEST_ROSTER_SIZE), before.back());
    EXPECT_EQ(Get_First_Empty_Player_Slot(1), TEST_ROSTER_SIZE - 1) << "the roster he left closed up";
    EXPECT_NE(Get_Player_ID(1, qb), id);

    // A unit the team lacks still goes where the depth chart looks for it.
    Delete_Unit(3, 1);
    const int32_t corner = Test_League_Slot(POSITION_CB, 0);
    EXPECT_EQ(Move_Player_To_Team(3, 4, corner), OFFENCE) << "after the offence, before the kickers";
    Delete_Unit(5, 2);
    EXPECT_EQ(Move_Player_To_Team(5, 4, Test_League_Slot(POSITION_K, 0) - 1), OFFENCE + DEFENCE);
    for (int32_t team : {1, 2, 3, 4, 5})
        EXPECT_TRUE(Is_Grouped_By_Unit(team)) << "team " << team;

    // A team-mate's number is not worn twice.
    const int32_t mate_number = Get_Player_Byte_Field(2, 0, PLAYER_BYTE_UNIFORM);
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Byte_Field(6, receiver, PLAYER_BYTE_UNIFORM, mate_number);
    const int32_t place = Move_Player_To_Team(2, 6, receiver);
    const int32_t number = Get_Player_Byte_Field(2, place, PLAYER_BYTE_UNIFORM);
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(2); ++slot)
        if (slot != place) {
            EXPECT_NE(Get_Player_Byte_Field(2, slot, PLAYER_BYTE_UNIFORM), number) << slot;
        }
}

TEST(RosterMoves, RefusedAndTrivialMovesChangeNothing) {
    Build_Test_League();
    const std::vector<int32_t> own = Ids(7);
    EXPECT_EQ(Move_Player_To_Team(7, 7, 12), 12);
    EXPECT_EQ(Ids(7), own);
    EXPECT_EQ(Move_Player_To_Team(8, 7, 70), -1) << "an empty slot";
    while (Get_First_Empty_Player_Slot(8) < PLAYERS_PER_TEAM)
        Create_Player_For_Team(8, Get_First_Empty_Player_Slot(8), POSITION_LB, 1.0f);
    const std::vector<int32_t> full = Ids(8);
    EXPECT_EQ(Move_Player_To_Team(8, 7, 3), -1);
    EXPECT_EQ(Ids(7), own);
    EXPECT_EQ(Ids(8), full);
    Clear_Shown_Messages();
    Show_Team_Full_Message(7, 3);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Too Many Players");

    // Two full rosters exchange players; each lands with his unit.
    while (Get_First_Empty_Player_Slot(7) < PLAYERS_PER_TEAM)
        Create_Player_For_Team(7, Get_First_Empty_Player_Slot(7), POSITION_K, 1.0f);
    const int32_t qb = Get_Player_ID(7, 0), lb = Get_Player_ID(8, Test_League_Slot(POSITION_LB, 0));
    ASSERT_EQ(Exchange_Players_Between_Teams(7, 0, 8, Test_League_Slot(POSITION_LB, 0)), 1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(7), PLAYERS_PER_TEAM);
    EXPECT_EQ(Get_Player_ID(8, OFFENCE), qb);
    EXPECT_EQ(Get_Player_ID(7, OFFENCE + DEFENCE - 1), lb);
    EXPECT_TRUE(Is_Grouped_By_Unit(7));
    EXPECT_EQ(Exchange_Players_Between_Teams(7, 0, 7, 1), 0);
}

// A free agent without a contract (years 0) signs for the terms he asks as a
// free agent: his desired years as contract and bonus years, and the bonus
// and salary he demands for them; one under contract keeps his terms.
TEST(RosterMoves, AFreeAgentWithoutAContractSignsForHisDemand) {
    Build_Test_League();
    Copy_Player(FREE_AGENT_TEAM, 0, 3, Test_League_Slot(POSITION_RB, 1));
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PLAYER_ID, 901001);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_BONUS_YEARS, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SIGNING_BONUS, 700);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 1);
    // His demand, worked out on a copy of him in the pool.
    Copy_Player(FREE_AGENT_TEAM, 1, FREE_AGENT_TEAM, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_PLAYER_ID, 901002);
    Set_Desired_Contract_Demand(FREE_AGENT_TEAM, 1);
    const int32_t years = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_CONTRACT_YEARS);
    const int32_t salary = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_SALARY);
    const int32_t bonus = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_SIGNING_BONUS);
    ASSERT_GE(years, 1);
    ASSERT_GT(salary, 1);
    const int32_t slot = Move_Player_To_Team(2, FREE_AGENT_TEAM, 0);
    ASSERT_GE(slot, 0);
    ASSERT_EQ(Get_Player_ID(2, slot), 901001);
    EXPECT_EQ(Get_Player_Vital_Stat(2, slot, VITAL_CONTRACT_YEARS), years);
    EXPECT_EQ(Get_Player_Vital_Stat(2, slot, VITAL_BONUS_YEARS), years);
    EXPECT_EQ(Get_Player_Vital_Stat(2, slot, VITAL_SIGNING_BONUS), bonus);
    EXPECT_EQ(Get_Player_Vital_Stat(2, slot, VITAL_SALARY), salary);

    // Under contract: his terms stand (the copy is now first in the pool).
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS, 2);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 777);
    const int32_t kept = Move_Player_To_Team(2, FREE_AGENT_TEAM, 0);
    ASSERT_GE(kept, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(2, kept, VITAL_CONTRACT_YEARS), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(2, kept, VITAL_SALARY), 777);
}
