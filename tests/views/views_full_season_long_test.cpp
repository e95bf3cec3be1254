// Every view over a whole 17-game season of the 32-team test league, played
// through the calendar to its champion.
#include <gtest/gtest.h>

#include <string>

#include "app/drawing_services.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/view_frame.h"

using ViewsFullSeason = ViewFrameTest;

TEST_F(ViewsFullSeason, EveryViewShowsTheWholeSeason) {
    Open_Played_Season(17);
    ASSERT_EQ(Universe.Season_Length, 18) << "17 games in 18 weeks";
    struct VIEW_CASE {
        int32_t View;
        const char* Name;
        const char* Text;
    };
    const VIEW_CASE views[] = {
        {40030, "standings", "NFL Average"},
        {40032, "leaders", "Pass Yards"},
        {40034, "finances", "NFL Average"},
        {40036, "calendar", "Week 17"},
        {40037, "korva_hall_of_fame", "Corvin Ashdale"},
        {40069, "playoffs", "Super Bowl"},
        {40070, "draft_board", "Draft: Round 1"},
        {40074, "champions", "2021"},
    };
    for (const VIEW_CASE& view : views) {
        const DRAWING_SURFACE& picture = Paint_View_Picture(view.View);
        EXPECT_GT(Count_Drawn_Texts(view.Text), 0) << view.Name;
        Keep_View_Picture(picture, std::string("full_season_") + view.Name);
    }
}
