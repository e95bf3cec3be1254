#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {
void Build_Roster_League() {
    Build_Test_League();
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(CURRENT_WEEK, 3);
    Universe.Season_Length = 17;
    Clear_Debug_Log();
}
} // namespace

TEST(RosterQueries, PositionLookupsFollowSlotOrder) {
    Build_Roster_League();
    int32_t quarterbacks = Count_Team_Position_Players(4, POSITION_QB);
    ASSERT_GE(quarterbacks, 2);
    EXPECT_EQ(Get_Team_Position_Player(4, POSITION_WR, 1), Test_League_Slot(POSITION_WR, 1));
    EXPECT_EQ(Get_Team_Position_Player(4, POSITION_QB, quarterbacks), -1);
    EXPECT_EQ(Get_Team_Position_Player_Safe(4, POSITION_QB, quarterbacks), -1);
    EXPECT_EQ(Get_Team_Position_Player_Safe(4, POSITION_QB, quarterbacks - 1), quarterbacks - 1);
    EXPECT_EQ(Count_Team_Unit_Players(4, 0) + Count_Team_Unit_Players(4, 1) + Count_Team_Unit_Players(4, 2),
              TEST_ROSTER_SIZE);
    EXPECT_EQ(Find_Last_Unit_Player(4, 2), TEST_ROSTER_SIZE - 1) << "punters fill the last slots";
    EXPECT_EQ(Find_Last_Unit_Player(41, 2), -1);
    EXPECT_EQ(Count_Team_Position_Players(41, POSITION_QB), 0);
}

// The first n players of a position in one walk answer what n lookups by
// rank answer, -1 past the last one and for a code that is no team.
TEST(RosterQueries, FirstPlayersOfAPositionMatchTheLookupsByRank) {
    Build_Roster_League();
    for (const int32_t position : {POSITION_WR, POSITION_QB, POSITION_K}) {
        const int32_t players = Count_Team_Position_Players(4, position);
        int32_t slots[8];
        EXPECT_EQ(Get_Team_Position_Players(4, position, slots, 8), players < 8 ? players : 8);
        for (int32_t n = 0; n < 8; ++n)
            EXPECT_EQ(slots[n], Get_Team_Position_Player(4, position, n)) << position << " rank " << n;
    }
    // Stopping at the count leaves the players after it alone.
    int32_t two[2];
    EXPECT_EQ(Get_Team_Position_Players(4, POSITION_WR, two, 2), 2);
    EXPECT_EQ(two[1], Test_League_Slot(POSITION_WR, 1));
    int32_t none[2] = {7, 7};
    EXPECT_EQ(Get_Team_Position_Players(41, POSITION_WR, none, 2), 0);
    EXPECT_EQ(none[0], -1);
    EXPECT_EQ(none[1], -1);
}

// The queries read the packed roster: slots up to the first empty one,
// whether that is an odd or an even slot, and all of them on a full roster.
TEST(RosterQueries, QueriesStopAtTheFirstEmptySlot) {
    Build_Roster_League();
    const int32_t punter = Get_Team_Position_Player(4, POSITION_P, 0);
    ASSERT_GE(punter, 2);
    const int32_t punters = Count_Team_Position_Players(4, POSITION_P);
    for (const int32_t empty : {punter - 1, punter - 2}) {
        Build_Roster_League();
        Set_Player_Vital_Stat(4, empty, VITAL_PLAYER_ID, 0);
        EXPECT_EQ(Get_Team_Position_Player(4, POSITION_P, 0), -1) << "empty slot " << empty;
        EXPECT_EQ(Count_Team_Position_Players(4, POSITION_P), 0) << "empty slot " << empty;
        EXPECT_EQ(Count_Team_Available_Position_Players(4, POSITION_P), 0) << "empty slot " << empty;
    }

    // Every slot used: the last two are found too.
    Build_Roster_League();
    for (int32_t slot = TEST_ROSTER_SIZE; slot < PLAYERS_PER_TEAM; ++slot) {
        Universe.Teams[4].Players[slot] = Universe.Teams[4].Players[punter];
        Set_Player_Vital_Stat(4, slot, VITAL_PLAYER_ID, 900000 + slot);
        Set_Player_Vital_Stat(4, slot, VITAL_POSITION, POSITION_QB);
    }
    const int32_t added = PLAYERS_PER_TEAM - TEST_ROSTER_SIZE;
    EXPECT_EQ(Count_Team_Position_Players(4, POSITION_P), punters);
    const int32_t quarterbacks = Count_Team_Position_Players(4, POSITION_QB);
    EXPECT_EQ(Get_Team_Position_Player(4, POSITION_QB, quarterbacks - 1), PLAYERS_PER_TEAM - 1);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(4, POSITION_QB, quarterbacks - 2), PLAYERS_PER_TEAM - 2);
    EXPECT_EQ(Get_Team_Position_Player(4, POSITION_QB, quarterbacks), -1);
    EXPECT_GE(quarterbacks, added);
}

TEST(RosterQueries, PseudoPositionsCountGroupsWithExpandedPositions) {
    Build_Roster_League();
    int32_t linemen = Count_Team_Position_Players(2, POSITION_T) +
                      Count_Team_Position_Players(2, POSITION_G) + Count_Team_Position_Players(2, POSITION_C);
    EXPECT_EQ(Count_Team_Position_Players(2, ANY_LINEMAN_POSITION), linemen);
    int32_t defenders = 0;
    for (int position = POSITION_DE; position <= POSITION_S; ++position)
        defenders += Count_Team_Position_Players(2, position);
    EXPECT_EQ(Count_Team_Position_Players(2, ANY_DEFENDER_POSITION), defenders);

    // A guard stored under an expanded guard code still counts as a lineman.
    Set_Player_Vital_Stat(2, Test_League_Slot(POSITION_G, 0), VITAL_POSITION, 22);
    EXPECT_EQ(Count_Team_Position_Players(2, ANY_LINEMAN_POSITION), linemen);
    EXPECT_EQ(Count_Team_Position_Players(2, POSITION_G), Count_Team_Position_Players(3, POSITION_G) - 1);
}

TEST(RosterQueries, UninjuredAndAvailablePlayersHonourWeeksOut) {
    Build_Roster_League();
    int32_t quarterbacks = Count_Team_Position_Players(6, POSITION_QB);
    for (int n = 1; n < quarterbacks; ++n)
        Set_Player_Vital_Stat(6, n, VITAL_WEEKS_OUT, 2);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(6, POSITION_QB, 0), 0);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(6, POSITION_QB, 1), NO_PLAYER);
    char abbreviation[32];
    Get_Team_String(abbreviation, 6, 0);
    EXPECT_EQ(
        Count_Debug_Lines(std::string("Warning: nIndex too high in Get_Team_Uninjured_Position_Player(") +
                          abbreviation + ", QB, [1]) [2020]"),
        1);
    EXPECT_EQ(Count_Error_Lines(), 0) << "the warning is only logged";
    EXPECT_EQ(Count_Team_Available_Position_Players(6, POSITION_QB), 1);

    Set_User_Preference(CURRENT_WEEK, 100);
    Set_Player_Vital_Stat(6, 1, VITAL_WEEKS_OUT, 18);
    if (quarterbacks > 2) Set_Player_Vital_Stat(6, 2, VITAL_WEEKS_OUT, 19);
    EXPECT_EQ(Count_Team_Available_Position_Players(6, POSITION_QB), 2)
        << "in the off-season 18 weeks out is available, 19 is not";
}

TEST(RosterQueries, MissingUnitPlayerIsCreatedInTheFirstEmptySlot) {
    memset(&Universe, 0, sizeof Universe);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    Universe.Teams[0].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_COMPUTER;
    Set_Player_Vital_Stat(0, 0, VITAL_PLAYER_ID, 11);
    Set_Player_Vital_Stat(0, 0, VITAL_POSITION, POSITION_QB);
    Set_Player_Vital_Stat(0, 1, VITAL_PLAYER_ID, 12);
    Set_Player_Vital_Stat(0, 1, VITAL_POSITION, POSITION_DE);

    EXPECT_EQ(Find_Or_Create_Unit_Player(0, 1), 1) << "an existing defender is found";
    int32_t kicker = Find_Or_Create_Unit_Player(0, 2);
    ASSERT_EQ(kicker, 2);
    int32_t position = Get_Player_Vital_Stat(0, 2, VITAL_POSITION);
    EXPECT_TRUE(position == POSITION_K || position == POSITION_P) << "position " << position;
    EXPECT_EQ(Find_Or_Create_Unit_Player(0, 2), 2) << "the second call finds the created player";
    EXPECT_EQ(Find_Or_Create_Unit_Player(41, 2), NO_PLAYER);
}

TEST(RosterQueries, DraftPicksStillToBeMade) {
    Build_Roster_League();
    for (int i = 0; i < TEST_LEAGUE_TEAMS; ++i)
        Universe.Draft_Order[i] = static_cast<int8_t>(i);
    for (int round = 0; round < DRAFT_ROUNDS; ++round)
        for (int issuer = 0; issuer < MAX_FRANCHISES; ++issuer)
            Universe.Draft_Pick_Owner[0][round][issuer] = static_cast<int8_t>(issuer);
    Universe.Draft_Pick_Owner[0][2][3] = 10;
    Universe.Draft_Pick_Owner[0][2][20] = 10;
    EXPECT_EQ(Count_Team_Draft_Picks(10), 9);

    // Round 3 (Draft_Round 2), pick 5, with players in the pool: rounds 1 and 2
    // are spent, and so is team 3's round-3 pick, made fourth.
    Set_Player_Vital_Stat(38, 0, VITAL_PLAYER_ID, 5000);
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, 5);
    EXPECT_EQ(Count_Team_Draft_Picks(10), 6);
    EXPECT_EQ(Count_Team_Draft_Picks(3), 4) << "only rounds 4 to 7 remain";
}

TEST(RosterQueries, LeagueOrderWalksActiveTeams) {
    Build_Roster_League();
    EXPECT_EQ(Count_Players(ALL_TEAMS, -1), TEST_LEAGUE_TEAMS * TEST_ROSTER_SIZE);
    EXPECT_EQ(Count_Players(5, -1), TEST_ROSTER_SIZE);
    EXPECT_EQ(Count_Players(ALL_TEAMS, POSITION_K),
              TEST_LEAGUE_TEAMS * Count_Team_Position_Players(0, POSITION_K));
    EXPECT_EQ(Get_N_Universe_Player(TEST_ROSTER_SIZE + 4), 4) << "slot 4 of the second team";
    int32_t kickers = Count_Team_Position_Players(0, POSITION_K);
    EXPECT_EQ(Get_N_Position_Player(POSITION_K, kickers), Test_League_Slot(POSITION_K, 0));
    EXPECT_EQ(Count_Error_Lines(), 0);

    EXPECT_EQ(Get_N_Universe_Player(TEST_LEAGUE_TEAMS * TEST_ROSTER_SIZE), 0);
    EXPECT_EQ(Count_Debug_Lines("NO_PLAYER returned in Get_N_Universe_Player(1696)"), 1);
    EXPECT_EQ(Get_N_Position_Player(POSITION_K, 10000), 0);
    EXPECT_EQ(Count_Debug_Lines("NO_PLAYER returned in Get_N_Position_Player(10000)"), 1);

    char last_name[32];
    Get_Player_Last_Name(0, 0, last_name);
    int32_t same_initial = 0;
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            if (Universe.Teams[team].Players[slot].Last_Name[0] == last_name[0]) ++same_initial;
    EXPECT_EQ(Count_Players_With_Last_Initial(static_cast<uint8_t>(last_name[0])), same_initial);
}
