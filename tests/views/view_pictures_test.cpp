// Every view of the main window painted over a played season, on the
// default skin, a light skin and with the Options' dark text.
#include <gtest/gtest.h>

#include <string>

#include "app/drawing_services.h"
#include "app/main_window_geometry.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "platform/backend.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "support/view_frame.h"
#include "views/leaders_view.h"
#include "views/view_drawing.h"

namespace {
struct VIEW_CASE {
    int32_t View;
    const char* Name;
    const char* Text; // a text the painter must draw
};

constexpr VIEW_CASE VIEWS[] = {
    {40030, "standings", "Standings"},
    {40032, "leaders", "Leaders"},
    {40034, "finances", "Finances"},
    {40036, "calendar", "Click to Change Team"},
    {40037, "korva_hall_of_fame", "Corvin Ashdale"},
    {40069, "playoffs", "Super Bowl"},
    {40070, "draft_board", "Draft: Round 1"},
    {40074, "champions", "2021"},
};
} // namespace

using ViewPictures = ViewFrameTest;

TEST_F(ViewPictures, EveryViewPaintsThePlayedSeason) {
    Open_Played_Season(4);
    struct LOOK {
        const char* Skin;
        int32_t Dark;
    };
    for (const LOOK look : {LOOK{"earth", 0}, LOOK{"ice", 0}, LOOK{"fire", 1}}) {
        Set_Skin_Name(look.Skin);
        Set_User_Preference(DARK_TEXT_SETTING, look.Dark);
        for (const VIEW_CASE& view : VIEWS) {
            const DRAWING_SURFACE& picture = Paint_View_Picture(view.View);
            ASSERT_EQ(picture.Width, VIEW_PICTURE_WIDTH);
            ASSERT_EQ(picture.Height, VIEW_PICTURE_HEIGHT);
            EXPECT_GT(Count_Drawn_Texts(view.Text), 0) << view.Name << " on " << look.Skin;
            Keep_View_Picture(picture, std::string(view.Name) + "_" + look.Skin + (look.Dark ? "_dark" : ""));
        }
    }
}

TEST_F(ViewPictures, TheTimelineStripThroughTheSeason) {
    Open_Played_Season(4);
    struct MOMENT {
        int32_t Week;
        const char* Name;
        const char* Text;
    };
    // The played season's calendar: four games in five weeks, then the playoffs.
    for (const MOMENT moment : {MOMENT{2, "week_3", "Week 4"}, MOMENT{6, "playoffs", "Conference"},
                                MOMENT{11, "off_season", "Free Agents"}}) {
        Set_User_Preference(CURRENT_WEEK, moment.Week);
        Clear_Drawn_Texts();
        Repaint_Status_Bar();
        Pump_Messages();
        EXPECT_GT(Count_Drawn_Texts(moment.Text), 0) << moment.Name;
        DRAWING_SURFACE strip{};
        Render_Window(Status_Bar_Window, &strip);
        EXPECT_EQ(strip.Height, STATUS_BAR_HEIGHT);
        Keep_View_Picture(strip, std::string("timeline_") + moment.Name);
    }
}

TEST_F(ViewPictures, TheAllTimeLeadersAndAnEnlargedList) {
    Open_Played_Season(4);
    Set_User_Preference(LEADER_MODE_SETTING, LEADERS_ALL_TIME);
    Keep_View_Picture(Paint_View_Picture(40032), "leaders_all_time");
    EXPECT_GT(Count_Drawn_Texts("All-Time Leaders"), 0);
    Set_User_Preference(LEADER_STATE_SETTING, 1 << 8); // list 0 enlarged, career
    Keep_View_Picture(Paint_View_Picture(40032), "leaders_all_time_enlarged");
    EXPECT_GT(Count_Drawn_Texts("Through"), 0) << "the career list's columns";
}
