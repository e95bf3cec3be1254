#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"

namespace {
// `teams` computer-run franchises, four to a division, no draft running.
void Reset_Structured_League(int teams) {
    memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team < teams ? team / 4 : 0;
    }
    Set_User_Preference(DRAFT_ROUND, 7);
    Clear_Debug_Log();
}
} // namespace

TEST(LeagueStructure, DivisionsAndConferencesOfSlots) {
    Reset_Structured_League(32);
    EXPECT_EQ(Count_Active_Teams(), 32);
    EXPECT_EQ(Active_Team_Count, 32);
    EXPECT_EQ(Get_Team_Division(36), 8);
    EXPECT_EQ(Get_Team_Conference(36), 2);
    EXPECT_EQ(Get_Team_Division(33), -128) << "slot 33 is empty";
    EXPECT_EQ(Get_Team_Conference(33), -1);
    EXPECT_EQ(Get_Team_Division(17), 4);
    EXPECT_EQ(Get_Team_Conference(17), 1);
    EXPECT_TRUE(Are_Teams_In_Same_Division(16, 19));
    EXPECT_FALSE(Are_Teams_In_Same_Division(15, 16));

    EXPECT_EQ(Count_Division_Teams(6), 4);
    EXPECT_EQ(Count_League_Teams(1), 16);
    EXPECT_EQ(Count_League_Divisions(0), 4);
    EXPECT_EQ(Count_Leagues(), 2);
    EXPECT_EQ(Get_Max_Division_Teams(), 4);
    EXPECT_EQ(Get_Nth_Team_In_Division(6, 3), 27);
    EXPECT_EQ(Get_Nth_Team_In_Division(6, 4), -128) << "n equal to the division's count";
    EXPECT_EQ(Get_Nth_Team_In_Conference(1, 0), 16);
    EXPECT_EQ(Get_Nth_Team_In_Conference(1, 16), -128);

    Universe.Teams[3].Team_Stats[TEAM_STAT_TIME_ZONE] = 9;
    char zone[32];
    Get_Team_Time_Zone_Name(3, zone);
    EXPECT_STREQ(zone, "Eastern") << "zones clamp to 0-3";
    Get_Team_Time_Zone_Name(50, zone);
    EXPECT_STREQ(zone, "Pacific");
}

// The leagues counted are those from the first on with a division holding a
// team, as counting each league's divisions gives: a second league alone does
// not count, and divisions outside the leagues count for none.
TEST(LeagueStructure, LeaguesCountAsTheirDivisionsWithTeams) {
    auto by_divisions = [] {
        int32_t leagues = 0;
        while (leagues < NUMBER_OF_LEAGUES && Count_League_Divisions(leagues) > 0)
            ++leagues;
        return leagues;
    };
    Reset_Structured_League(32);
    const int32_t arrangements[][2] = {{0, 7}, {3, 3}, {5, 5}, {-1, 2}, {8, 9}, {4, 12}};
    for (const auto& divisions : arrangements) {
        for (int32_t team = 0; team < 32; ++team)
            Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = divisions[team < 16 ? 0 : 1];
        EXPECT_EQ(Count_Leagues(), by_divisions()) << divisions[0] << ", " << divisions[1];
    }
    Universe.Teams[0].Team_Stats[TEAM_STAT_DIVISION] = 1;
    for (int32_t team = 1; team < 32; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = 6;
    EXPECT_EQ(Count_Leagues(), 2);
    Universe.Teams[0].Team_Stats[TEAM_STAT_DIVISION] = 6;
    EXPECT_EQ(Count_Leagues(), 0) << "a second league without a first";
    // Both leagues are found early in the walk; the count of active teams is
    // kept up to date all the same.
    for (int32_t team = 0; team < 32; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team % 8;
    Active_Team_Count = -1;
    EXPECT_EQ(Count_Leagues(), 2);
    EXPECT_EQ(Active_Team_Count, 32);
}

TEST(LeagueStructure, ControlQueriesHonourMultiSeasonSimulation) {
    Reset_Structured_League(32);
    Universe.Teams[4].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_HUMAN;
    Universe.Teams[9].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_HUMAN;
    EXPECT_EQ(Count_Human_Teams(), 2);
    EXPECT_EQ(Count_Computer_Teams(), 30);
    EXPECT_TRUE(Is_Multi_Player());
    EXPECT_EQ(Get_Nth_Human_Team(1), 9);
    EXPECT_EQ(Get_Nth_Human_Team(5), 4) << "n past the count is taken as 0";
    EXPECT_EQ(Get_Nth_Human_Team(-1), -128) << "no human team comes before the first";
    EXPECT_FALSE(Is_Computer_Team(4));
    EXPECT_FALSE(Is_Computer_Team(33)) << "empty slot";

    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_EQ(Count_Human_Teams(), 0);
    EXPECT_EQ(Count_Computer_Teams(), 32);
    EXPECT_TRUE(Is_Computer_Team(4));
    EXPECT_FALSE(Is_Human_Team(4));

    Set_User_Preference(USER_TEAM, 34);
    EXPECT_EQ(Get_User_Team(), 0) << "an empty slot is not a valid user team";
    EXPECT_EQ(Set_User_Team(200), -56) << "stored sign-extended as a team byte";
    Set_User_Team(38);
    EXPECT_EQ(Get_User_Team(), 38);
}

TEST(LeagueStructure, NamesAreBoundedAndIndicesChecked) {
    Reset_Structured_League(32);
    Set_League_Abbreviation(0, "NFC");
    Set_League_Abbreviation(1, "AFC");
    Set_Division_Name(7, "A division name too long for twelve");
    char text[64];
    Get_Division_Name(7, text);
    EXPECT_STREQ(text, "A division ") << "cut to 11 characters";
    EXPECT_STREQ(Universe.Header.League_Names[1], "AFC") << "untouched by the division names";

    Set_League_Abbreviation(2, "XFL");
    EXPECT_EQ(Count_Debug_Lines("Invalid Set_League_Abbreviation(2) call."), 1);
    Set_Division_Name(-1, "X");
    EXPECT_EQ(Count_Debug_Lines("Invalid Set_Division_Name(-1) call."), 1);
    strcpy(text, "kept");
    Get_League_Name(2, text);
    EXPECT_STREQ(text, "kept");
    EXPECT_EQ(Count_Debug_Lines("Invalid Get_League_Name(2) call."), 1);
    Get_Division_Name(8, text);
    EXPECT_EQ(Count_Debug_Lines("Invalid Get_Division_Name(8) call."), 1);
}

TEST(LeagueStructure, LeagueEdits) {
    Reset_Structured_League(32);
    Set_League_Abbreviation(0, "NFC");
    Set_League_Abbreviation(1, "AFC");
    Swap_Leagues();
    EXPECT_EQ(Universe.Teams[24].Team_Stats[TEAM_STAT_DIVISION], 2) << "division 6 moves to 2";
    EXPECT_EQ(Universe.Teams[4].Team_Stats[TEAM_STAT_DIVISION], 5) << "division 1 moves to 5";
    char name[16];
    Get_League_Name(0, name);
    EXPECT_STREQ(name, "AFC");

    Universe.Header.Universe_Stats[BASE_YEAR] = 1969;
    Set_League_Abbreviation(0, "NFC");
    Set_League_Abbreviation(1, "AFL");
    Reset_League_Abbreviations();
    EXPECT_STREQ(Universe.Header.League_Names[0], "NFL");
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Reset_League_Abbreviations();
    EXPECT_STREQ(Universe.Header.League_Names[1], "AFC");

    Reset_Structured_League(16);
    Set_League_Abbreviation(1, "AFC");
    Set_Division_Name(5, "West");
    Set_Division_Name(2, "East");
    Clear_Empty_League_Names();
    EXPECT_STREQ(Universe.Header.League_Names[1], "");
    EXPECT_STREQ(Universe.Header.Division_Names[5], "");
    EXPECT_STREQ(Universe.Header.Division_Names[2], "East");

    Set_Team_Defensive_System(3, 1);
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
    Set_Team_Defensive_System(NO_TEAM, 1);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST(LeagueStructure, UniverseStatsAndTradeReputation) {
    Reset_Structured_League(32);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 20;
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 17) << "the cut is stored back";
    Increment_Universe_Stat(GAMES_PER_SEASON);
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 18);

    Set_Universe_Stat(5);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 5);
    EXPECT_EQ(Count_Debug_Lines("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, 5)"), 1);
    Get_Universe_Stat(20);
    EXPECT_EQ(Count_Debug_Lines("Invalid nStat in Get_Universe_Stat(20)"), 1);

    Universe.Header.Universe_Stats[TRADE_REPUTATION] = 1950;
    Adjust_Trade_Reputation(150);
    EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), 2000);
    Adjust_Trade_Reputation(-5000);
    EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), -2000);

    Universe.Header.Universe_Stats[15] = 10;
    EXPECT_EQ(Modify_For_Universe_Stat(200, 15), 220);
    EXPECT_EQ(Modify_For_Universe_Stat(0, 15), 0);
}

TEST(LeagueStructure, DraftPicksSkipThoseAlreadyMade) {
    Reset_Structured_League(32);
    for (int i = 0; i < 32; ++i)
        Universe.Draft_Order[i] = static_cast<int8_t>(31 - i);
    for (int year = 0; year < DRAFT_YEARS; ++year)
        for (int round = 0; round < DRAFT_ROUNDS; ++round)
            for (int issuer = 0; issuer < MAX_FRANCHISES; ++issuer)
                Set_Draft_Pick_Owner(year, round, issuer, issuer);
    Set_Draft_Pick_Owner(0, 1, 30, 5);

    int32_t year = -1, round = -1, issuer = -1;
    ASSERT_TRUE(Find_Team_Draft_Pick(5, 0, &year, &round, &issuer));
    EXPECT_EQ(round, 0);
    EXPECT_EQ(issuer, 5);
    ASSERT_TRUE(Find_Team_Draft_Pick(5, 1, &year, &round, &issuer));
    EXPECT_EQ(round, 1);
    EXPECT_EQ(issuer, 30) << "pick 30 comes before the team's own in draft order";
    EXPECT_FALSE(Find_Team_Draft_Pick(5, 22, &year, &round, &issuer));
    year = round = issuer = -1;
    EXPECT_FALSE(Find_Team_Draft_Pick(5, -1, &year, &round, &issuer)) << "no pick comes before the first";
    EXPECT_EQ(issuer, -1) << "nothing is named";

    // Round 2 of a running draft (Draft_Round 1), third pick: this year's
    // round-1 picks and round 2's first two picks are spent.
    Set_Player_Vital_Stat(38, 0, VITAL_PLAYER_ID, 777);
    Set_User_Preference(DRAFT_ROUND, 1);
    Set_User_Preference(DRAFT_PICK, 2);
    ASSERT_TRUE(Find_Team_Draft_Pick(5, 0, &year, &round, &issuer));
    EXPECT_EQ(year, 0);
    EXPECT_EQ(round, 1);
    EXPECT_EQ(issuer, 5) << "the pick from team 30, second in the order, is already made";
    ASSERT_TRUE(Find_Team_Draft_Pick(31, 0, &year, &round, &issuer));
    EXPECT_EQ(round, 2) << "team 31 picked first in round 2 already";

    EXPECT_EQ(Get_Draft_Pick_Owner(3, 0, 0), -128);
    Set_Draft_Pick_Owner(0, 7, 0, 1);
    Set_Draft_Pick_Owner(0, 0, 36, 1);
    EXPECT_EQ(Count_Error_Lines(), 3) << "every bad pick index is reported";
    EXPECT_EQ(Get_Draft_Order_Team(36), -128);
}

TEST(LeagueStructure, CountedAndFoundDraftPicksAgreeDuringTheDraft) {
    Reset_Structured_League(32);
    for (int i = 0; i < 32; ++i)
        Universe.Draft_Order[i] = static_cast<int8_t>(31 - i);
    for (int year = 0; year < DRAFT_YEARS; ++year)
        for (int round = 0; round < DRAFT_ROUNDS; ++round)
            for (int issuer = 0; issuer < MAX_FRANCHISES; ++issuer)
                Set_Draft_Pick_Owner(year, round, issuer, issuer);
    Set_Draft_Pick_Owner(0, 3, 30, 5);
    Set_Draft_Pick_Owner(0, 3, 2, 5);
    // Pick 30 is second in the order, pick 2 thirtieth.
    auto found_this_year = [](int32_t team) {
        int32_t count = 0, year = 0, round = 0, issuer = 0;
        for (int32_t n = 0; Find_Team_Draft_Pick(team, n, &year, &round, &issuer); ++n)
            if (year == 0) ++count;
        return count;
    };
    EXPECT_EQ(Count_Team_Draft_Picks(5), 9) << "seven own picks and two more in round 4";
    EXPECT_EQ(found_this_year(5), 9);

    Set_Player_Vital_Stat(38, 0, VITAL_PLAYER_ID, 777);
    Set_User_Preference(DRAFT_ROUND, 3);
    Set_User_Preference(DRAFT_PICK, 5);
    EXPECT_EQ(Count_Team_Draft_Picks(5), 5) << "rounds 1-3 and team 30's pick in round 4 are made";
    EXPECT_EQ(found_this_year(5), 5);
    EXPECT_TRUE(Is_Draft_Pick_Spent(0, 3, 30));
    EXPECT_FALSE(Is_Draft_Pick_Spent(0, 3, 2));
    EXPECT_FALSE(Is_Draft_Pick_Spent(1, 0, 30)) << "next year's picks are never spent";

    Set_User_Preference(DRAFT_ROUND, 7);
    EXPECT_FALSE(Is_Draft_Pick_Spent(0, 0, 30)) << "without a running draft nothing is spent";
}

TEST(LeagueStructure, HeaderAccessorsAreBounded) {
    Reset_Structured_League(32);
    std::string long_notes(3000, 'n');
    Set_Database_Notes(long_notes.c_str());
    EXPECT_EQ(strlen(Universe.Header.Database_Notes), 511u);
    EXPECT_EQ(Universe.Header.Skin_Name[0], 0) << "the notes stop inside their field";
    Set_Skin_Name("earth");
    char skin[32];
    Get_Skin_Name(skin, sizeof skin);
    EXPECT_STREQ(skin, "earth");

    Set_Header_Flag(HEADER_FLAG_TARGET_WEEK, 14);
    EXPECT_EQ(Universe.Header.Target_Week, 14);
    Universe.Header.Season_Line_Recording = -3;
    EXPECT_EQ(Get_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING), -3);
    Set_Header_Flag(10, 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid index in Set_Header_Flag(10,1)"), 1);

    Set_Current_Week(6);
    EXPECT_EQ(Get_Current_Week(), 6);
    Universe.Tail.All_Time_Leaders[98279] = 1;
    Clear_All_Time_Leaders();
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[98279], 0);
}
