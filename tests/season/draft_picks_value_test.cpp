#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/salaries.h"
#include "personnel/draft_order.h"
#include "personnel/draft_state.h"
#include "season/draft_picks_value.h"
#include "season/season_calendar.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 4;
constexpr int32_t TRADING_PARTNER = 9;

int32_t Get_Draft_Place(int32_t team) {
    for (int32_t place = 0; place < TEST_LEAGUE_TEAMS; ++place)
        if (Get_Draft_Order_Team(place) == team) return place;
    return -1;
}

int32_t Get_Pick_Cost(int32_t round, int32_t place) {
    return Get_Rookie_Scale_Salary(round, place) + Get_Draft_Pick_Value(round, place) / 4;
}
} // namespace

TEST(DraftPicksValue, TradedPicksCountForTheirOwnerAtTheIssuersPlace) {
    Build_Computer_League();
    const int32_t own = Get_Draft_Place(TEAM);
    const int32_t partner = Get_Draft_Place(TRADING_PARTNER);
    ASSERT_GE(own, 0);
    ASSERT_GE(partner, 0);
    int32_t expected = 0;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        expected += Get_Pick_Cost(round, own);
    EXPECT_EQ(Get_Team_Draft_Picks_Value(TEAM), expected);

    // The team gains the partner's third-round pick and gives its own last one away.
    Set_Draft_Pick_Owner(0, 2, TRADING_PARTNER, TEAM);
    Set_Draft_Pick_Owner(0, 6, TEAM, 1);
    // Next year's picks do not count.
    Set_Draft_Pick_Owner(1, 0, TRADING_PARTNER, TEAM);
    expected += Get_Pick_Cost(2, partner) - Get_Pick_Cost(6, own);
    EXPECT_EQ(Get_Team_Draft_Picks_Value(TEAM), expected);
}

TEST(DraftPicksValue, ValuingPicksDuringTheDraftChangesNothing) {
    Build_Computer_League();
    const int32_t own = Get_Draft_Place(TEAM);
    int32_t full = 0;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        full += Get_Pick_Cost(round, own);
    // The draft is in its third round, just past the team's pick, and the pool
    // has run dry: only the picks still to come count, and valuing them
    // neither ends the draft nor reorders it.
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, own + 1);
    ASSERT_EQ(Count_Draft_Pool_Players(), 0);
    int8_t order[MAX_FRANCHISES];
    std::memcpy(order, Universe.Draft_Order, sizeof order);

    int32_t expected = 0;
    for (int32_t round = 3; round < DRAFT_ROUNDS; ++round)
        expected += Get_Pick_Cost(round, own);
    EXPECT_EQ(Get_Team_Draft_Picks_Value(TEAM), expected);
    EXPECT_LT(expected, full);
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 2);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), own + 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    EXPECT_EQ(std::memcmp(order, Universe.Draft_Order, sizeof order), 0);
}

// Once the champion is decided, and on through the off-season until the draft
// runs, the picks are valued at the coming draft's order, whatever order was
// stored before; the order valued at is the one left stored.
TEST(DraftPicksValue, AfterTheFinalThePicksAreValuedAtTheComingDraftsOrder) {
    Build_Computer_League();
    const int32_t teams = Count_Active_Teams();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    // The best record of the season just played: the team picks late.
    Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_WINS, 12);
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 3);
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_Playoff_Team(28, TRADING_PARTNER);
    ASSERT_TRUE(Is_Champion_Decided());
    for (const bool off_season : {false, true}) {
        if (off_season) {
            Set_User_Preference(CURRENT_WEEK, 100);
            Set_User_Preference(CURRENT_SEASON_INDEX, season + 1);
        }
        Set_College_Draft_Order();
        const int32_t place = Get_Draft_Place(TEAM);
        EXPECT_GT(place, teams / 2) << "the best record picks late";
        // A stale order: the teams moved three places on.
        int32_t order[MAX_FRANCHISES];
        for (int32_t n = 0; n < teams; ++n)
            order[n] = Get_Draft_Order_Team(n);
        for (int32_t n = 0; n < teams; ++n)
            Set_Draft_Order_Entry((n + 3) % teams, order[n]);
        ASSERT_NE(Get_Draft_Place(TEAM), place);
        int32_t expected = 0;
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            expected += Get_Pick_Cost(round, place);
        EXPECT_EQ(Get_Team_Draft_Picks_Value(TEAM), expected) << "off-season " << off_season;
        EXPECT_EQ(Get_Draft_Place(TEAM), place);
    }
}

TEST(DraftPicksValue, PureValueSumsOnlyTheDraftValueOfTheSamePicks) {
    Build_Computer_League();
    const int32_t own = Get_Draft_Place(TEAM);
    const int32_t partner = Get_Draft_Place(TRADING_PARTNER);
    ASSERT_GE(own, 0);
    ASSERT_GE(partner, 0);
    Set_Draft_Pick_Owner(0, 2, TRADING_PARTNER, TEAM);
    Set_Draft_Pick_Owner(0, 6, TEAM, 1);
    Set_Draft_Pick_Owner(1, 0, TRADING_PARTNER, TEAM);
    int32_t expected = Get_Draft_Pick_Value(2, partner);
    for (int32_t round = 0; round < DRAFT_ROUNDS - 1; ++round)
        expected += Get_Draft_Pick_Value(round, own);
    EXPECT_EQ(Get_Team_Draft_Picks_Pure_Value(TEAM), expected);

    // In the draft's third round, past the team's pick: only the picks to come.
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, std::max(own, partner) + 1);
    expected = 0;
    for (int32_t round = 3; round < DRAFT_ROUNDS - 1; ++round)
        expected += Get_Draft_Pick_Value(round, own);
    EXPECT_EQ(Get_Team_Draft_Picks_Pure_Value(TEAM), expected);
}
