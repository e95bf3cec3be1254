#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/date_lines.h"
#include "app/skins.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"

namespace {
std::string Lines() {
    char first[FORMATTED_TEXT_SIZE];
    char second[FORMATTED_TEXT_SIZE];
    Get_Date_Line_Texts(first, second);
    return std::string(first) + "|" + second;
}
} // namespace

TEST(DateLines, SeasonWeekPlayoffsOffseasonAndDrafts) {
    Build_Test_League();
    const int32_t year = Get_Current_Year();
    Universe.Season_Length = 17;
    for (int32_t i = 0; i < 5; ++i)
        Universe.Post_Season_Days[i] = 18 + i;
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(CURRENT_WEEK, 2);
    EXPECT_EQ(Lines(), std::to_string(year) + "|Week 3");
    Set_User_Preference(CURRENT_WEEK, Universe.Post_Season_Days[3] - 1);
    EXPECT_EQ(Lines(), std::to_string(year) + "|Super Bowl");
    Set_User_Preference(CURRENT_WEEK, Universe.Post_Season_Days[4]);
    EXPECT_EQ(Lines(), std::to_string(year) + "-" + std::to_string(year + 1) + "|Offseason");
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Lines(), std::to_string(year - 1) + "-" + std::to_string(year) + "|Offseason");

    // A fantasy draft shows its own round and pick, 1-based.
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    const int32_t round = 2;
    const int32_t pick = 11;
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 8, &round, sizeof round);
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 12, &pick, sizeof pick);
    EXPECT_EQ(Lines(), "Round 3|Pick 12");
    const int32_t damaged = INT32_MAX;
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 8, &damaged, sizeof damaged);
    EXPECT_EQ(Lines(), "Round 2147483648|Pick 12") << "a damaged round is shown as it stands";
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
}

TEST(Skins, LightSkinsAreIceAndFireInAnyCase) {
    Build_Test_League();
    Set_Skin_Name("earth");
    EXPECT_EQ(Is_Ice_Or_Fire_Skin(), 0);
    EXPECT_EQ(Get_Skin_Color(), 0x96C8E2u);
    Set_Skin_Name("ICE");
    EXPECT_EQ(Is_Ice_Or_Fire_Skin(), 1);
    EXPECT_EQ(Get_Skin_Color(), 0xDEC4ACu);
    Set_Skin_Name("Fire");
    EXPECT_EQ(Is_Ice_Or_Fire_Skin(), 1);
    EXPECT_EQ(Get_Skin_Color(), 0x9EAACDu);
    EXPECT_EQ(Get_Skin_Panel_Line_Shift(), 30) << "the one shift of the light skins' player lines";
    Set_Skin_Name("firestorm");
    EXPECT_EQ(Is_Ice_Or_Fire_Skin(), 0);
    EXPECT_EQ(Get_Skin_Panel_Line_Shift(), 0);
}
