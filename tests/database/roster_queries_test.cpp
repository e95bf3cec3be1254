#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "frontoffice/rating_value.h"
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

    Universe.Teams[5].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_EMPTY;
    EXPECT_EQ(Find_Or_Create_Unit_Player(5, 2), NO_PLAYER) << "a franchise slot not in use";
    EXPECT_EQ(Universe.Teams[5].Players[0].Vital_Stats[VITAL_PLAYER_ID], 0)
        << "no player is made for a slot not in use";

    // A full roster of quarterbacks and defensive ends has no kicker and no
    // room for one: the scan runs past the last slot.
    for (int32_t slot = 3; slot < PLAYERS_PER_TEAM; ++slot) {
        Set_Player_Vital_Stat(0, slot, VITAL_PLAYER_ID, 100 + slot);
        Set_Player_Vital_Stat(0, slot, VITAL_POSITION, POSITION_QB);
    }
    Set_Player_Vital_Stat(0, 2, VITAL_POSITION, POSITION_DE);
    EXPECT_EQ(Find_Or_Create_Unit_Player(0, 2), PLAYERS_PER_TEAM);
    EXPECT_EQ(Get_Unit_Starters_End_Slot(0, 2), PLAYERS_PER_TEAM) << "nobody is behind the starters";
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

// The pseudo-positions 16 and 17 find the n-th defender and lineman in slot
// order, and the dispatcher picks its lookup by team 255 and position -1.
TEST(RosterQueries, AnyPositionLookupAndTheDispatcherByTeamAndPosition) {
    Build_Roster_League();
    const int32_t first_defender = Test_League_Slot(POSITION_DE, 0);
    EXPECT_EQ(Get_Team_Position_Player_Any(3, ANY_DEFENDER_POSITION, 0), first_defender);
    EXPECT_EQ(Get_Team_Position_Player_Any(3, ANY_DEFENDER_POSITION, 7), first_defender + 7);
    EXPECT_EQ(Get_Team_Position_Player_Any(3, ANY_LINEMAN_POSITION, 4), Test_League_Slot(POSITION_T, 4));
    EXPECT_EQ(Get_Team_Position_Player_Any(3, ANY_LINEMAN_POSITION, 5), Test_League_Slot(POSITION_G, 1))
        << "the fifth lineman after four tackles is the second guard";
    const int32_t linemen = Count_Team_Position_Players(3, ANY_LINEMAN_POSITION);
    EXPECT_EQ(Get_Team_Position_Player_Any(3, ANY_LINEMAN_POSITION, linemen), -1);
    EXPECT_EQ(Get_Team_Position_Player_Any(3, POSITION_WR, 2), Test_League_Slot(POSITION_WR, 2));

    EXPECT_EQ(Get_N_Player(ALL_TEAMS, -1, TEST_ROSTER_SIZE + 4), Get_N_Universe_Player(TEST_ROSTER_SIZE + 4));
    EXPECT_EQ(Get_N_Player(ALL_TEAMS, POSITION_K, 3), Get_N_Position_Player(POSITION_K, 3));
    EXPECT_EQ(Get_N_Player(5, -1, 12), 12) << "a team's n-th player is its slot n";
    EXPECT_EQ(Get_N_Player(5, -1, TEST_ROSTER_SIZE), -1);
    EXPECT_EQ(Get_N_Player(5, ANY_DEFENDER_POSITION, 1), first_defender + 1);
    EXPECT_EQ(Get_N_Player(5, POSITION_QB, 1), 1);
}

// The value of the n-th player at a position is Get_Rating_Value of his
// rating there: a stronger player at the same place is worth more.
TEST(RosterQueries, PositionPlayerValueIsTheWorthOfHisRating) {
    Build_Roster_League();
    const int32_t slot = Test_League_Slot(POSITION_CB, 1);
    const int32_t expected = Get_Rating_Value(7, slot, Ensure_Player_Minimum_Rating(7, slot));
    EXPECT_GT(expected, 0);
    EXPECT_EQ(Get_Team_Position_Player_Value(7, POSITION_CB, 1), expected);
    EXPECT_EQ(Get_Team_Position_Player_Value(7, POSITION_CB, 99), 0) << "no such player";
    EXPECT_EQ(
        Get_Team_Position_Player_Value(7, ANY_DEFENDER_POSITION, slot - Test_League_Slot(POSITION_DE, 0)),
        expected)
        << "the same player found as the n-th defender";
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(7, slot, rating, 99.0f);
    EXPECT_GT(Get_Team_Position_Player_Value(7, POSITION_CB, 1), expected);
}

// A unit's starters end its size after its first slot; a player behind them
// is moved into a place of his unit by exchanging slots.
TEST(RosterQueries, UnitStartersEndSlotAndPlaces) {
    Build_Roster_League();
    const int32_t first_defender = Test_League_Slot(POSITION_DE, 0);
    EXPECT_EQ(Get_Unit_Starters_End_Slot(2, 0), 11);
    EXPECT_EQ(Get_Unit_Starters_End_Slot(2, 1), first_defender + 11);
    EXPECT_EQ(Get_Unit_Starters_End_Slot(2, 2), Test_League_Slot(POSITION_K, 0) + 2);
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, 10), 0);
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, 11), 1);
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, first_defender + 10), 0);
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, first_defender + 11), 1);
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, TEST_ROSTER_SIZE), 0) << "an empty slot";

    const int32_t safety = Test_League_Slot(POSITION_S, 4);
    const int32_t safety_id = Get_Player_ID(2, safety);
    const int32_t third_id = Get_Player_ID(2, first_defender + 2);
    Move_Player_To_Unit_Place(2, safety, 2);
    EXPECT_EQ(Get_Player_ID(2, first_defender + 2), safety_id) << "the safety is the defence's third man";
    EXPECT_EQ(Get_Player_ID(2, safety), third_id) << "the one there takes the safety's slot";
    EXPECT_EQ(Is_Player_Behind_Unit_Starters(2, first_defender + 2), 0);
    Move_Player_To_Unit_Place(2, safety, 99);
    EXPECT_EQ(Get_Player_ID(2, safety), third_id) << "a place past the roster moves nobody";

    // A team without a kicker gets one made in its first empty slot.
    for (int32_t slot = Test_League_Slot(POSITION_K, 0); slot < TEST_ROSTER_SIZE; ++slot)
        Clear_Player(2, slot);
    EXPECT_EQ(Get_Unit_Starters_End_Slot(2, 2), Test_League_Slot(POSITION_K, 0) + 2);
    EXPECT_TRUE(Is_Player_Slot_Used(2, Test_League_Slot(POSITION_K, 0)));
}

// Teams that scored more points over the season's games, or allowed fewer.
TEST(RosterQueries, TeamsWithBetterPointsOverTheSeasonsGames) {
    Build_Roster_League();
    memset(Universe.Games, 0, sizeof Universe.Games);
    const int32_t games[][4] = {{0, 1, 30, 20}, {2, 3, 10, 35}, {1, 2, 17, 17}};
    for (int n = 0; n < 3; ++n) {
        Universe.Games[n].Team[0] = static_cast<uint8_t>(games[n][0]);
        Universe.Games[n].Team[1] = static_cast<uint8_t>(games[n][1]);
        Universe.Games[n].Score[0] = games[n][2];
        Universe.Games[n].Score[1] = games[n][3];
    }
    // Scored: 0 30, 1 37, 2 27, 3 35; allowed: 0 20, 1 47, 2 52, 3 10; the
    // other teams played no game.
    EXPECT_EQ(Count_Teams_With_Better_Points(1, 1), 0);
    EXPECT_EQ(Count_Teams_With_Better_Points(0, 1), 2);
    EXPECT_EQ(Count_Teams_With_Better_Points(2, 1), 3);
    EXPECT_EQ(Count_Teams_With_Better_Points(3, 0), TEST_LEAGUE_TEAMS - 4)
        << "the teams that allowed no point allowed fewer";
    EXPECT_EQ(Count_Teams_With_Better_Points(2, 0), TEST_LEAGUE_TEAMS - 1);
}

// Whether any player of a team is in the last year of his contract.
TEST(RosterQueries, PlayerInTheLastContractYear) {
    Build_Roster_League();
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Vital_Stat(9, slot, VITAL_CONTRACT_YEARS, 3);
    EXPECT_EQ(Has_Player_In_Last_Contract_Year(9), 0);
    Set_Player_Vital_Stat(9, 40, VITAL_CONTRACT_YEARS, 1);
    EXPECT_EQ(Has_Player_In_Last_Contract_Year(9), 1);
    Set_Player_Vital_Stat(9, 40, VITAL_CONTRACT_YEARS, 0);
    EXPECT_EQ(Has_Player_In_Last_Contract_Year(9), 0) << "an expired contract is no last year";
    EXPECT_EQ(Has_Player_In_Last_Contract_Year(41), 0);
}
