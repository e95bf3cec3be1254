#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "playbooks/franchise_table.h"
#include "support/test_league.h"

namespace {
void Set_Year(int32_t year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}
} // namespace

TEST(FranchiseTable, AbbreviationsFollowTheFranchiseMovesOfHistory) {
    Build_Test_League();
    Set_Year(1983);
    EXPECT_EQ(Get_Franchise_Index("BAL"), 13);
    Set_Year(1984);
    EXPECT_EQ(Get_Franchise_Index("BAL"), 2);
    Set_Year(1987);
    EXPECT_EQ(Get_Franchise_Index("STL"), 0);
    Set_Year(1988);
    EXPECT_EQ(Get_Franchise_Index("STL"), 26) << "no row matches";
    EXPECT_EQ(Get_Franchise_Index("oak"), 16);
    EXPECT_EQ(Get_Franchise_Index("LAR"), 16);
    EXPECT_EQ(Get_Franchise_Index("PHX"), 0);
    EXPECT_EQ(Get_Franchise_Index("T07"), 26);
    EXPECT_EQ(Get_Franchise_Index("sea"), 28);

    char text[64];
    Get_Franchise_Abbreviation(32, text);
    EXPECT_STREQ(text, "");
    Get_Franchise_Abbreviation(19, text);
    EXPECT_STREQ(text, "NE");
    EXPECT_EQ(Get_Franchise_Color(40), Get_Franchise_Color(31));
    EXPECT_EQ(Get_Franchise_Color(31), 0x413177u);
    Get_Default_Playbook_Name(27, text);
    EXPECT_STREQ(text, "49ers");

    Set_Team_Abbreviation("NE", 3);
    Get_Helmet_Image_Path(text, 3, 1);
    EXPECT_STREQ(text, "Gridiron//Helmets//Helmet-19a.png");
    Get_Helmet_Image_Path(text, 3, 0);
    EXPECT_STREQ(text, "Gridiron//Helmets//Helmet-19.png");
    Build_Test_League();
}
