// Seasons of four eras of the installed league played through their
// playoffs: a 17-game season with fourteen playoff teams (2022), ten (1985),
// eight (1975, whose playoffs start a week after the season) and the two
// leagues' title games of 1965. Each playoff week's encyclopedia page lists
// exactly its games under its round's name, the final included, and every
// team page's playoff rows are the team's games as its box pages have them.
// A long run: `ctest -L long`.
#include <gtest/gtest.h>

#include <string>

#include "database/random_numbers.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/installed_seasons.h"
#include "support/playoff_page_checks.h"
#include "support/scratch_folder.h"

namespace {
class PlayoffPagesLong : public InstalledDatabasesTest {};

struct PLAYOFF_ERA {
    int32_t Year;
    PLAYOFF_SHAPE Shape;
};
} // namespace

TEST_F(PlayoffPagesLong, EveryEraShowsEachPlayoffGameOnceUnderItsRound) {
    const PLAYOFF_ERA eras[] = {
        {2022, {{6, 4, 2, 1}}}, {1985, {{2, 4, 2, 1}}}, {1975, {{0, 4, 2, 1}}}, {1965, {{0, 0, 2, 0}}}};
    for (const PLAYOFF_ERA& era : eras) {
        SCOPED_TRACE(era.Year);
        const PLAYING_FOLDER playing("playoff-pages-" + std::to_string(era.Year));
        Seed_Random_Numbers(static_cast<uint32_t>(era.Year));
        ASSERT_EQ(Open_Installed_Season(era.Year), "");
        Set_All_Teams_Computer_Controlled();
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        for (int32_t advance = 0; advance < 4 && !Is_Champion_Decided(); ++advance)
            Advance_Weeks(22);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        ASSERT_TRUE(Is_Champion_Decided());
        EXPECT_EQ(Find_Playoff_Page_Faults(era.Shape), "");
        Clear_Shown_Messages();
    }
}
