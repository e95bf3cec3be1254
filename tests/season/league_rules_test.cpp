#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/league_rules.h"
#include "support/test_league.h"

namespace {
void Set_Year(int base_year, int year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
    Set_User_Preference(CURRENT_SEASON_INDEX, year - base_year);
}

void Set_Year(int year) {
    Set_Year(1950, year);
}

int32_t Stat(int n) {
    return Universe.Header.Universe_Stats[n];
}
} // namespace

TEST(LeagueRules, YearTablesChangeAtTheirBoundaryYears) {
    struct CASE {
        int year, games, wild_cards, two_point, overtime_flag, playoff_rule, regular_rule, minutes, kickoff,
            touchback, extra_point, missed_spot;
    };
    const CASE cases[] = {
        {1960, 12, 0, 0, 0, 2, 0, 15, 2, 0, 0, 2}, {1961, 14, 0, 0, 0, 2, 0, 15, 2, 0, 0, 2},
        {1970, 14, 1, 0, 0, 2, 0, 15, 2, 0, 0, 2}, {1973, 14, 1, 0, 0, 2, 0, 15, 2, 0, 0, 2},
        {1974, 14, 1, 0, 1, 2, 0, 15, 1, 0, 0, 1}, {1978, 16, 2, 0, 1, 2, 0, 15, 1, 0, 0, 1},
        {1990, 16, 3, 0, 1, 2, 0, 15, 1, 0, 0, 1}, {1993, 16, 3, 0, 1, 2, 0, 15, 1, 0, 0, 1},
        {1994, 16, 3, 1, 1, 2, 0, 15, 0, 0, 0, 0}, {2002, 16, 2, 1, 1, 2, 0, 15, 0, 0, 0, 0},
        {2010, 16, 2, 1, 1, 3, 0, 15, 0, 0, 0, 0}, {2011, 16, 2, 1, 1, 3, 0, 15, 1, 0, 0, 0},
        {2013, 16, 2, 1, 1, 3, 1, 15, 1, 0, 0, 0}, {2015, 16, 2, 1, 1, 3, 1, 15, 1, 0, 1, 0},
        {2016, 16, 2, 1, 1, 3, 1, 15, 1, 1, 1, 0}, {2017, 16, 2, 1, 1, 3, 1, 10, 1, 1, 1, 0},
        {2020, 16, 3, 1, 1, 3, 1, 10, 1, 1, 1, 0}, {2021, 17, 3, 1, 1, 3, 1, 10, 1, 1, 1, 0},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.year);
        Build_Test_League();
        Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 20;
        Set_Year(c.year);
        Apply_League_Rules_For_Year();
        EXPECT_EQ(Stat(GAMES_PER_SEASON), c.games);
        EXPECT_EQ(Stat(WILD_CARD_TEAMS), c.wild_cards);
        EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), c.two_point);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG), c.overtime_flag);
        EXPECT_EQ(Get_User_Preference(PLAYOFF_OVERTIME_RULE), c.playoff_rule);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_RULE), c.regular_rule);
        EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), c.minutes);
        EXPECT_EQ(Get_User_Preference(KICKOFF_SPOT_CODE), c.kickoff);
        EXPECT_EQ(Get_User_Preference(KICKOFF_TOUCHBACK_RULE), c.touchback);
        EXPECT_EQ(Get_User_Preference(EXTRA_POINT_SPOT_CODE), c.extra_point);
        EXPECT_EQ(Get_User_Preference(MISSED_FIELD_GOAL_SPOT), c.missed_spot);
    }
}

TEST(LeagueRules, PlayoffFlagsFollowTheFirstSeasonAndTheirYears) {
    Build_Test_League();
    Set_Year(1965, 1965);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Championship_Round_Flag, 0);
    EXPECT_EQ(Universe.Header.Pre_1990_Playoff_Flag, 1);
    Set_Year(1965, 1966);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Championship_Round_Flag, 1) << "the title game arrives in 1966";
    Set_Year(1965, 1967);
    Universe.Header.Championship_Round_Flag = 0;
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Championship_Round_Flag, 0) << "only the first season and 1966 set it";

    Set_Year(1989, 1989);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Pre_1990_Playoff_Flag, 1);
    Set_Year(1989, 1990);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Pre_1990_Playoff_Flag, 0);
    Set_Year(1990, 1990);
    Universe.Header.Pre_1990_Playoff_Flag = 1;
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Universe.Header.Pre_1990_Playoff_Flag, 0) << "a league started in 1990 never uses it";
}

TEST(LeagueRules, LeaguesExchangeOnceOnReaching1970) {
    Build_Test_League();
    std::strcpy(Universe.Header.League_Names[0], "First");
    Set_Year(1970, 1970);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Get_Team_Division(0), 0) << "a league that starts in 1970 keeps its leagues";
    Set_Year(1969, 1970);
    Apply_League_Rules_For_Year();
    EXPECT_EQ(Get_Team_Division(0), 4);
    EXPECT_STREQ(Universe.Header.League_Names[1], "First");
}

TEST(LeagueRules, SalaryCapByYear) {
    EXPECT_EQ(Get_Season_Salary_Cap(1994), 34600000);
    EXPECT_EQ(Get_Season_Salary_Cap(2014), 133000000);
    EXPECT_EQ(Get_Season_Salary_Cap(2022), 208200000);
    EXPECT_EQ(Get_Season_Salary_Cap(1993), 33216000);
    EXPECT_EQ(Get_Season_Salary_Cap(1990), 29387391);
    EXPECT_EQ(Get_Season_Salary_Cap(1970), 12989298);
    EXPECT_EQ(Get_Season_Salary_Cap(1951), 5980523);
    EXPECT_EQ(Get_Season_Salary_Cap(2023), 214446000);
    EXPECT_EQ(Get_Season_Salary_Cap(2052), 395580000);
    EXPECT_EQ(Get_Season_Salary_Cap(2090), 395580000);
}

TEST(LeagueRules, CapRisesTowardTheYearAndNeverFalls) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 0);
    Universe.Header.Universe_Stats[SALARY_CAP] = 188200000;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    const int32_t expected[] = {198200000, 198200000, 208200000};
    for (int year = 2020; year <= 2022; ++year) {
        Set_Year(2019, year);
        Propose_Salary_Cap_For_Year(0);
        EXPECT_EQ(Stat(SALARY_CAP), expected[year - 2020]) << year;
    }
    Universe.Header.Universe_Stats[SALARY_CAP] = 205300000;
    Propose_Salary_Cap_For_Year(0);
    EXPECT_EQ(Stat(SALARY_CAP), 205300000) << "a raise below 2 % of the cap is not made";
    Universe.Header.Universe_Stats[SALARY_CAP] = 100000000;
    Propose_Salary_Cap_For_Year(0);
    EXPECT_EQ(Stat(SALARY_CAP), 208200000) << "a target twice the cap is taken whole";
    Set_Year(1980, 1993);
    Universe.Header.Universe_Stats[SALARY_CAP] = 20000000;
    Propose_Salary_Cap_For_Year(0);
    EXPECT_EQ(Stat(SALARY_CAP), 20000000) << "before 1994 the cap stays as the game started it";
}

TEST(LeagueRules, ConfirmedChangesAskAndCancelKeepsTheValue) {
    Build_Test_League();
    Set_Year(2020, 2021);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Clear_Shown_Messages();
    Set_Games_Per_Season_For_Year(1);
    EXPECT_EQ(Stat(GAMES_PER_SEASON), 16) << "the scripted user cancels";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Schedule Change");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "The league would like to change the regular season from 16 games to 17 games.");
    Set_Games_Per_Season_For_Year(0);
    EXPECT_EQ(Stat(GAMES_PER_SEASON), 17);
    Clear_Shown_Messages();
}
