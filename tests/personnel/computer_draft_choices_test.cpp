#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/salary_value.h"
#include "personnel/college_draft_flow.h"
#include "personnel/computer_draft_choices.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/player_generation.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

// Removes every player of the position from the team.
void Strip_Position(int32_t team, int32_t position) {
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == position)
            Delete_Player(team, slot);
}

// `count` prospects alike in all but position, the first `quarterbacks` of
// them quarterbacks, the rest wide receivers; strategy neutral.
void Fill_Pool_Of_Twins(int32_t count, int32_t quarterbacks) {
    Fabricate_Position_Player(POOL, 0, POSITION_WR, 0);
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(POOL, 0, rating, 70.0f);
    for (int32_t slot = 1; slot < count; ++slot) {
        Copy_Player(POOL, slot, POOL, 0);
        Set_Player_Vital_Stat(POOL, slot, VITAL_PLAYER_ID, 900000 + slot);
    }
    for (int32_t slot = 0; slot < quarterbacks; ++slot)
        Set_Player_Vital_Stat(POOL, slot, VITAL_POSITION, POSITION_QB);
    // The pool values as every pick's rookie terms bring them up to date.
    Update_Draft_Pool_Values();
    memset(Universe.Header.Draft_Strategy, 0, sizeof Universe.Header.Draft_Strategy);
}

void Start_Choice_Test() {
    Build_Computer_League();
    Seed_Random_Numbers(5);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_College_Draft_Order();
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
}
} // namespace

TEST(ComputerDraftChoice, NeedOfAnEmptyPositionAndItsFallWithDepthLate) {
    Build_Test_League();
    Strip_Position(5, POSITION_QB);
    for (int32_t round = 0; round < 7; ++round)
        EXPECT_EQ(Get_Team_Position_Draft_Need(5, POSITION_QB, round), 1167)
            << "no starter, no backup: 70000 x (k + 6) / (60k + 360), round " << round;
    // One receiver of the two starters: from the fourth round the need halves.
    Strip_Position(5, POSITION_WR);
    Fabricate_Position_Player(5, Get_First_Empty_Player_Slot(5), POSITION_WR, 0);
    EXPECT_EQ(Get_Team_Position_Draft_Need(5, POSITION_WR, 2), 1167);
    EXPECT_EQ(Get_Team_Position_Draft_Need(5, POSITION_WR, 3), 583);
    // A full position counts for a fifth from round 4 on; the league's mean lies
    // between its teams.
    const int32_t early = Get_Team_Position_Draft_Need(0, POSITION_LB, 2);
    const int32_t late = Get_Team_Position_Draft_Need(0, POSITION_LB, 3);
    EXPECT_GT(Count_Team_Position_Players(0, POSITION_LB), 6);
    EXPECT_LT(late, early / 4);
    const int32_t mean = Get_League_Position_Draft_Need(POSITION_QB, 0);
    EXPECT_GT(mean, 0);
    EXPECT_LT(mean, 1167);
}

TEST(ComputerDraftChoice, TeamTakesThePositionItNeeds) {
    Start_Choice_Test();
    Fill_Pool_Of_Twins(11, 4);
    Strip_Position(3, POSITION_QB);
    Strip_Position(9, POSITION_WR);
    int32_t team = -1, slot = -1;
    Choose_Draft_Pool_Player(3, &team, &slot);
    ASSERT_EQ(team, POOL);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_QB)
        << "no quarterback on the roster";
    Choose_Draft_Pool_Player(9, &team, &slot);
    ASSERT_EQ(team, POOL);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_WR) << "no receiver on the roster";
    EXPECT_EQ(slot, 4) << "of equal values the first found";

    // With a single quarterback left in the pool his weight is cut to an
    // eighth: the receivers win even for the team without one.
    for (int32_t n = 0; n < 3; ++n)
        Delete_Player(POOL, 0);
    Choose_Draft_Pool_Player(3, &team, &slot);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_WR);
}

TEST(ComputerDraftChoice, PickPaysRookieTermsAndPassesWithoutAChoiceOrRoom) {
    Start_Choice_Test();
    Fill_Pool_Of_Twins(11, 4);
    const int32_t team = Get_Draft_Order_Team(0);
    const int32_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    int32_t pool_team = -1, pool_slot = -1;
    Choose_Draft_Pool_Player(team, &pool_team, &pool_slot);
    const int32_t id = Get_Player_ID(pool_team, pool_slot);
    const int32_t position = Get_Player_Vital_Stat(pool_team, pool_slot, VITAL_POSITION);
    Make_Computer_Draft_Pick(team);
    ASSERT_EQ(Get_First_Empty_Player_Slot(team), players + 1);
    int32_t slot = -1;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Get_Player_ID(team, s) == id) slot = s;
    ASSERT_GE(slot, 0);
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    EXPECT_GT(bonus, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), 4);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS), 4);
    EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_CASH), cash - bonus * 1000)
        << "the bonus is paid at once";
    EXPECT_EQ(Universe.Header.Draft_Strategy[position], -1) << "an early pick makes the position less wanted";

    // A full roster makes room in the first four rounds, not later.
    while (Get_First_Empty_Player_Slot(team) < PLAYERS_PER_TEAM)
        Fabricate_Position_Player(team, Get_First_Empty_Player_Slot(team), POSITION_CB, 0);
    const int32_t pool = Count_Draft_Pool_Players();
    Make_Computer_Draft_Pick(team);
    EXPECT_EQ(Count_Draft_Pool_Players(), pool - 1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), PLAYERS_PER_TEAM);
    Set_User_Preference(DRAFT_ROUND, 4);
    Make_Computer_Draft_Pick(team);
    EXPECT_EQ(Count_Draft_Pool_Players(), pool - 1) << "a full roster in the fifth round takes nobody";

    // Kickers below the round's grade floor are worth nothing: the pick passes.
    Start_Choice_Test();
    Fill_Pool_Of_Twins(3, 0);
    for (int32_t s = 0; s < 3; ++s)
        Set_Player_Vital_Stat(POOL, s, VITAL_POSITION, POSITION_K);
    Choose_Draft_Pool_Player(Get_Draft_Order_Team(0), &pool_team, &pool_slot);
    EXPECT_EQ(pool_team, NO_TEAM);
    EXPECT_EQ(pool_slot, NO_PLAYER);
    Make_Current_Draft_Pick();
    EXPECT_EQ(Count_Draft_Pool_Players(), 3);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 1) << "the clock moves on all the same";
}
