// A game started in 1965 on the installed seasons and played on into 1968:
// every season of the two leagues is played on their own schedule files,
// also the seasons of nine and fifteen teams, whose schedules rest a team
// or more each week, and after the expansions the game made itself; each
// season ends with a champion, and no game ever crosses the leagues.
// A long run: `ctest -L long`.
#include <gtest/gtest.h>

#include <string>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/installed_seasons.h"
#include "support/scratch_folder.h"

namespace {
class TwoLeaguesLong : public InstalledDatabasesTest {};

// Each team's games of the season's schedule, and every game that crosses
// the leagues, one a line.
std::string Find_Schedule_Faults(int32_t games) {
    std::string faults;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, name);
        const int32_t played = Count_First_Listed_Games(team) + Count_Second_Listed_Games(team);
        if (played != games) faults += std::string(name) + " plays " + std::to_string(played) + " games\n";
        for (int32_t week = 0; week < Get_Season_Length(); ++week) {
            const int32_t opponent = Get_Team_Week_Opponent(team, week);
            if (Is_Active_Team(opponent) && Get_Team_Conference(opponent) != Get_Team_Conference(team))
                faults += std::string(name) + " meets a team of the other league in week " +
                          std::to_string(week + 1) + "\n";
        }
    }
    return faults;
}
} // namespace

TEST_F(TwoLeaguesLong, EverySeasonOfTheTwoLeaguesIsPlayedApart) {
    const PLAYING_FOLDER playing("two-leagues");
    Seed_Random_Numbers(1965);
    ASSERT_EQ(Open_Installed_Season(1965), "");
    Set_All_Teams_Computer_Controlled();
    for (int32_t year = 1965; year <= 1968; ++year) {
        SCOPED_TRACE(year);
        ASSERT_EQ(Get_Current_Year(), year);
        ASSERT_EQ(Count_Leagues(), 2);
        EXPECT_EQ(Find_Schedule_Faults(14), "");
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        for (int32_t advance = 0; advance < 4 && !Is_Champion_Decided(); ++advance)
            Advance_Weeks(22);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        ASSERT_TRUE(Is_Champion_Decided());
        Simulate_Seasons(1);
        Clear_Shown_Messages();
    }
    EXPECT_EQ(Get_Current_Year(), 1969);
    EXPECT_EQ(Count_Active_Teams(), 26) << "both leagues grew as the real ones did";
    EXPECT_EQ(Find_Schedule_Faults(14), "");
}
