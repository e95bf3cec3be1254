#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/historic_reference.h"
#include "support/test_league.h"

namespace {
std::string Line(int32_t year) {
    char text[256];
    Format_Super_Bowl_Line(year, text, sizeof text);
    return text;
}

std::string Info(int32_t year, int32_t field) {
    char text[64];
    Get_Super_Bowl_Info(text, sizeof text, year, field);
    return text;
}
} // namespace

TEST(HistoricReference, TitlesAreCreditedByNicknameBeforeTheStartingSeason) {
    Build_Test_League();
    Set_Team_Nickname("Packers", 0);
    Set_Team_Nickname("Commanders", 1);
    Set_Team_Nickname("Football Team", 2);
    Set_Team_Nickname("", 3);
    Set_Team_Nickname("TITANS", 4);

    EXPECT_EQ(Count_Super_Bowl_Titles(0, 2022), 4);
    EXPECT_EQ(Count_NFL_NFC_Titles(0, 2022) + Count_AFL_AFC_Titles(0, 2022), 14);
    EXPECT_EQ(Count_Super_Bowl_Titles(0, 2030), 4) << "no season after 2021 counts";
    EXPECT_EQ(Count_Super_Bowl_Titles(0, 1967), 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Count_Super_Bowl_Titles(team, 1966), 0);

    // Washington's titles follow its later names in the older lists only.
    for (int32_t team : {1, 2}) {
        EXPECT_EQ(Count_Super_Bowl_Titles(team, 2022), 3);
        EXPECT_EQ(Count_NFL_NFC_Titles(team, 2022), 7);
        EXPECT_EQ(Count_AFL_AFC_Titles(team, 2022), 0);
    }
    EXPECT_EQ(Count_NFL_NFC_Titles(3, 2022), 2) << "the two seasons without a named champion";
    EXPECT_EQ(Count_AFL_AFC_Titles(4, 2022), 3) << "whole nicknames, any case";

    Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
    Set_Historic_Title_Counts();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_HISTORIC_CHAMPIONSHIPS), 4);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_HISTORIC_LEAGUE_TITLES), 14);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_HISTORIC_CHAMPIONSHIPS), 3);
}

TEST(HistoricReference, SeasonInfoLines) {
    EXPECT_EQ(Line(2021), "Super Bowl LVI: Los Angeles Rams defeat Cincinnati Bengals (23-20)");
    EXPECT_EQ(Line(2022), "Super Bowl LVII: February 5, 2023 (Glendale, Arizona)");
    EXPECT_EQ(Line(2040), Line(2023)) << "later seasons show the next game";
    EXPECT_EQ(Line(1965), "");
    EXPECT_EQ(Line(1966), "Super Bowl I: Green Bay Packers defeat Kansas City Chiefs (35\x96"
                          "10)");
}

TEST(HistoricReference, ChampionshipTableRows) {
    EXPECT_EQ(Info(1966, SUPER_BOWL_DATE), "01967-01-15 January 15");
    EXPECT_EQ(Info(1966, SUPER_BOWL_YEAR), " 1967");
    EXPECT_EQ(Info(1966, SUPER_BOWL_STATE), " California");
    EXPECT_EQ(Info(2008, SUPER_BOWL_SCORE), "27\x96"
                                            "23");
    EXPECT_EQ(Info(2009, SUPER_BOWL_SCORE), "31-17");
    EXPECT_EQ(Info(2013, SUPER_BOWL_DATE), "February 2");
    EXPECT_EQ(Info(2015, SUPER_BOWL_NUMERAL), "50");
    EXPECT_EQ(Info(2021, SUPER_BOWL_STADIUM), "Los Angeles Stadium at Hollywood Park");
    EXPECT_EQ(Info(2023, SUPER_BOWL_STATE), " Neveada");
    EXPECT_EQ(Info(2024, SUPER_BOWL_STADIUM), "Caesar's Superdome");
    EXPECT_EQ(Info(2024, SUPER_BOWL_WINNER), "");
    EXPECT_EQ(Info(2064, SUPER_BOWL_NUMERAL), "XCIX");
    EXPECT_EQ(Info(2065, SUPER_BOWL_NUMERAL), "C");
    EXPECT_EQ(Info(3000, SUPER_BOWL_NUMERAL), "C") << "years are clamped to the table";
    EXPECT_EQ(Info(1900, SUPER_BOWL_NUMERAL), "I");
    EXPECT_EQ(Info(2000, 9), "");
    for (int32_t season = 1966; season <= 2021; ++season)
        EXPECT_EQ(Info(season, SUPER_BOWL_WINNER).find(Super_Bowl_Winners[season - 1966]) ==
                      std::string::npos,
                  false)
            << season << ": the table's winner is the list's";
}
