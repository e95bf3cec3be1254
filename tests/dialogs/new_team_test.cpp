#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/new_team.h"
#include "dialogs/stadium_value.h"
#include "personnel/player_generation.h"
#include "support/test_league.h"

namespace {
std::string Team_String(int32_t team, int32_t n) {
    char text[32];
    Get_Team_String(text, team, n);
    return text;
}
} // namespace

TEST(NewTeam, FranchiseJoinsWithAFullRoster) {
    Build_Test_League();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    const int32_t team = Add_New_Team(1);
    ASSERT_EQ(team, 32);
    EXPECT_EQ(Count_Active_Teams(), 33);
    EXPECT_EQ(Team_String(team, 0), "XXX");
    EXPECT_EQ(Team_String(team, 1), "[Empty");
    EXPECT_EQ(Team_String(team, 2), "Team]");
    EXPECT_EQ(Team_String(team, 3), "Generic Stadium");
    EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_CONTROL), TEAM_CONTROL_COMPUTER);
    EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_CAPACITY), 55000);
    EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_YEAR_BUILT), TEST_BASE_YEAR);
    EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_VALUE), Compute_Stadium_Value(team));
    EXPECT_GT(Get_Team_Stadium_Stat(team, STADIUM_VALUE), 0);
    EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE), 10);
    int32_t players = 0;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        EXPECT_EQ(Count_Team_Position_Players(team, position), Get_New_Team_Position_Count(position))
            << position;
        players += Get_New_Team_Position_Count(position);
    }
    EXPECT_EQ(players, 57);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), 57);
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            EXPECT_EQ(Get_Draft_Pick_Owner(year, round, team), team);

    // Sixteen games leave room for 34 teams: the 35th is refused and nothing changes.
    EXPECT_EQ(Add_New_Team(0), 33);
    const std::vector<uint8_t> before(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    EXPECT_EQ(Add_New_Team(1), -1);
    EXPECT_EQ(memcmp(before.data(), Universe_Bytes(), UNIVERSE_SIZE), 0);
}

TEST(NewTeam, RosterIsToppedUpAroundThePlayersItHas) {
    Build_Test_League();
    const int32_t team = Add_New_Team(0);
    ASSERT_GE(team, 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), 0);
    // Two drafted quarterbacks and a kicker already on the roster.
    for (int32_t slot = 0; slot < 3; ++slot)
        Create_Player_For_Team(team, slot, slot < 2 ? POSITION_QB : POSITION_K, 70);
    std::set<int32_t> drafted;
    for (int32_t slot = 0; slot < 3; ++slot)
        drafted.insert(Get_Player_ID(team, slot));
    Fill_New_Team_Roster(team);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), 57) << "the three count toward the 57";
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_QB), 3);
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_K), 1);
    int32_t kept = 0;
    for (int32_t slot = 0; slot < 57; ++slot)
        kept += static_cast<int32_t>(drafted.count(Get_Player_ID(team, slot)));
    EXPECT_EQ(kept, 3) << "nobody overwritten";
}

TEST(StadiumValue, WorkedExample) {
    Build_Test_League();
    const int32_t team = 0;
    Set_Team_Stat(team, TEAM_STAT_HOME_CITY, 0);
    Set_City_Stat(0, 0, 0);
    Set_City_Stat(0, 3, 0);
    Set_Team_Stadium_Stat(team, STADIUM_CAPACITY, 60000);
    Set_Team_Stadium_Stat(team, STADIUM_STRUCTURE, 0);
    Set_Team_Stadium_Stat(team, STADIUM_SURFACE, STADIUM_GRASS);
    for (int32_t grade : {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES})
        Set_Team_Stadium_Stat(team, grade, 1000);
    EXPECT_EQ(Compute_Stadium_Value(team), 43000000) << "open grass";
    Set_Team_Stadium_Stat(team, STADIUM_SURFACE, STADIUM_CARPET);
    EXPECT_EQ(Compute_Stadium_Value(team), 40000000) << "the same stadium with turf is worth less";
    Set_Team_Stadium_Stat(team, STADIUM_STRUCTURE, 2);
    EXPECT_EQ(Compute_Stadium_Value(team), 60000000) << "convertible turf: 240,000,000 / 4";
}
