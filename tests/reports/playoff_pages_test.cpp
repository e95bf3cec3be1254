// The encyclopedia's playoff pages of a bracket of eight teams, as the league
// played it from 1970 to 1977: the first week after the regular season has no
// games and the bracket's second round is the divisional round. Only the
// playoffs are played, in the calendar's own advance: the regular season's
// schedule is cleared, and the bracket's games take the first game records.
#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/played_season.h"
#include "support/playoff_page_checks.h"
#include "support/scratch_folder.h"

TEST(PlayoffPages, AnEightTeamBracketShowsEachGameOnceUnderItsRound) {
    const PLAYING_FOLDER playing("eight-team-playoffs");
    Start_Played_Season(17);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        Clear_Scheduled_Games(team);
    // Four division leaders a conference and no wild card.
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 0;
    Seed_Playoffs();
    const int32_t first_playoff_week = Get_Playoff_Start_Week();
    Set_User_Preference(CURRENT_WEEK, first_playoff_week);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t advance = 0; advance < 3 && !Is_Champion_Decided(); ++advance)
        Advance_Weeks(22);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    ASSERT_TRUE(Is_Champion_Decided());

    const int32_t games[4] = {0, 4, 2, 1};
    for (int32_t round = 0; round < 4; ++round)
        EXPECT_EQ(Get_Week_Game_Count(first_playoff_week + round), games[round]) << "round " << round;
    EXPECT_EQ(Get_Week_First_Game_Index(first_playoff_week + 1), 0) << "the bracket's first games";
    EXPECT_EQ(Get_Week_First_Game_Index(first_playoff_week + 3), 6);
    EXPECT_EQ(Get_Playoff_Week_Round(first_playoff_week), -1);
    EXPECT_EQ(Get_Playoff_Week_Round(first_playoff_week + 1), 1);
    EXPECT_EQ(Find_Playoff_Page_Faults({{0, 4, 2, 1}}), "");
}
