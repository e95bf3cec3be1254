#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/main_window_title.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"

namespace {
std::string Title() {
    char buffer[MAIN_WINDOW_TITLE_SIZE];
    Get_Main_Window_Title(buffer);
    return buffer;
}
} // namespace

TEST(MainWindowTitle, FollowsTheCalendarPhase) {
    Build_Test_League();
    Universe.Season_Length = 17;
    Universe.Post_Season_Days[4] = 21;
    Set_User_Preference(DRAFT_ROUND, 7);
    const int32_t year = Get_Current_Year();
    const std::string name = "Football Korva 23 (";

    Set_Current_Week(3);
    EXPECT_EQ(Get_Shown_Main_Window_Title(), Title()) << "setting the week sets the title";
    EXPECT_EQ(Title().rfind(name + std::to_string(year) + ", ", 0), 0u) << Title();

    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Title(), name + std::to_string(year - 1) + "-" + std::to_string(year) + " Offseason)");
    Set_User_Preference(CURRENT_WEEK, 21);
    EXPECT_EQ(Title(), name + std::to_string(year) + "-" + std::to_string(year + 1) + " Offseason)");

    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    const int32_t round_and_pick[2] = {INT32_MAX, 4};
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 8, round_and_pick, sizeof round_and_pick);
    EXPECT_EQ(Title(), name + "Fantasy Draft: Round 2147483648, Pick 5)") << "a damaged round as it stands";
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;

    Simulator_Seasons = 10;
    Simulator_Run_Index = 2;
    EXPECT_EQ(Title(), name + "Simulating Seasons 3/10)");
    Simulator_Seasons = 0;
}
