// Seasons of the installation's databases played to their champion by the
// computer and rolled over into the next year, through the college draft:
// Team History shows each finished season as it ended, every finish naming
// the round the team reached, whatever the coming year brings (the expansion
// teams of 1966 and 1976, the Colts' move of 1984), and no season for a team
// that joined after it; the season
// summary page names the teams of each conference final. Brackets of four
// eras: two leagues of two divisions without a final between them (1965),
// four teams a conference (1975), five (1983) and seven (2022).
#include <gtest/gtest.h>

#include "app/startup.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "platform/message_box.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/installed_seasons.h"
#include "support/season_history_checks.h"

namespace {
class PlayedSeasonHistory : public InstalledFrameTest {
  protected:
    void TearDown() override {
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        InstalledFrameTest::TearDown();
    }
};

// Every team run by the computer, seasons simulated: the season is played to
// its champion. False when the calendar stops first.
bool Play_To_Champion() {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_User_Team(-1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t step = 0; step < 40 && !Is_Champion_Decided(); ++step) {
        const int32_t week = Get_User_Preference(CURRENT_WEEK);
        Advance_Weeks(22);
        Clear_Shown_Messages();
        if (Get_User_Preference(CURRENT_WEEK) == week && !Is_Champion_Decided()) return false;
    }
    return Is_Champion_Decided();
}
} // namespace

TEST_F(PlayedSeasonHistory, EachEraKeepsItsFinishedSeasonThroughTheRollOver) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    // The season, and the franchises the coming year adds.
    const struct {
        int32_t Year;
        int32_t Joining;
    } eras[] = {{1965, 2}, {1975, 2}, {1983, 0}, {2022, 0}};
    for (const auto& era : eras) {
        const int32_t year = era.Year;
        SCOPED_TRACE(year);
        ASSERT_EQ(Open_Installed_Season(year), "");
        ASSERT_TRUE(Play_To_Champion());
        const FINISHED_SEASON season = Take_Finished_Season();
        ASSERT_EQ(season.Finals.size(), 2u) << "each league's last game but the final";
        // The off-season, the draft and the set-up of the next season.
        Advance_Weeks(1);
        Clear_Shown_Messages();
        ASSERT_EQ(Get_Current_Year(), year + 1);
        ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
        ASSERT_EQ(Count_Active_Teams(), static_cast<int32_t>(season.Teams.size()) + era.Joining);
        EXPECT_EQ(Check_Finished_Season_History(season), "");
        EXPECT_EQ(Check_Season_Summary_Finals(season, 1), "");
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    }
}
