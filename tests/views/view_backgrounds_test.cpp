// The views' background pictures hold what the views draw and click on
// them: the row of navigation buttons under every view, the champions views
// included, and the calendar's panel under every row of weeks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/design_scaling.h"
#include "app/main_window_dc.h"
#include "app/main_window_mouse.h"
#include "app/skins.h"
#include "database/league_structure.h"
#include "database/team_record.h"
#include "platform/drawing_surface.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/season_outcome.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t CHAMPIONS_VIEW = 40074;
// The navigation buttons' edges in design units, left to right.
constexpr int32_t NAV_EDGES[8] = {27, 105, 194, 276, 350, 418, 496, 553};

// The larger difference of the two pixels' colour channels.
int32_t Colour_Distance(uint32_t a, uint32_t b) {
    int32_t most = 0;
    for (int shift = 0; shift < 24; shift += 8)
        most = std::max(most, std::abs(static_cast<int32_t>((a >> shift) & 0xFF) -
                                       static_cast<int32_t>((b >> shift) & 0xFF)));
    return most;
}

// The mean colour distance of two pictures over a design rectangle.
double Mean_Distance(const DRAWING_SURFACE& a, const DRAWING_SURFACE& b, RECT_AREA area) {
    Scale_Rect_To_Window(&area);
    double sum = 0;
    int32_t count = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x, ++count)
            sum += Colour_Distance(Get_Surface_Pixel(&a, x, y), Get_Surface_Pixel(&b, x, y));
    return count > 0 ? sum / count : 0;
}

// Makes the one human-run team a team whose season ended with `outcome`.
bool Make_Human_Team_Of_Outcome(int32_t outcome) {
    int32_t found = NO_TEAM;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        if (found == NO_TEAM && Get_Team_Season_Outcome(team) == outcome) found = team;
    }
    if (found == NO_TEAM) return false;
    Set_Team_Stat(found, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    return true;
}
} // namespace

using ViewBackgrounds = ViewFrameTest;

// After the playoffs the division, conference and league champions views
// show the same buttons as every other view, where their clicks land.
TEST_F(ViewBackgrounds, TheChampionsViewsCarryTheNavigationButtons) {
    Open_Played_Season(4);
    for (const char* skin : {"earth", "fire", "ice"}) {
        Set_Skin_Name(skin);
        const DRAWING_SURFACE standings = Paint_View_Picture(STANDINGS_VIEW);
        for (const int32_t outcome : {5, 7, 8}) {
            ASSERT_TRUE(Make_Human_Team_Of_Outcome(outcome)) << "outcome " << outcome;
            const DRAWING_SURFACE& champions = Paint_View_Picture(CHAMPIONS_VIEW);
            Keep_View_Picture(champions, "champions_" + std::to_string(outcome) + "_" + skin);
            for (int32_t b = 0; b < 7; ++b) {
                // The button inside its rounded rim, the label included.
                const RECT_AREA button = {NAV_EDGES[b] + 8, 469, NAV_EDGES[b + 1] - 8, 490};
                EXPECT_LT(Mean_Distance(champions, standings, button), 12.0)
                    << "button " << b << " of outcome " << outcome << " on " << skin;
            }
            // A click on the Standings button leaves the champions view.
            ASSERT_TRUE(Do_Nav_Button_Click((NAV_EDGES[1] + NAV_EDGES[2]) / 2, 480));
            EXPECT_EQ(Get_Current_View(), STANDINGS_VIEW);
        }
    }
}

// The calendar's rows, from the first week's down to the last playoff
// week's (445 to 461), lie on its panel: no edge of the panel runs through
// them.
TEST_F(ViewBackgrounds, TheCalendarsPanelHoldsEveryRow) {
    Open_Played_Season(4);
    for (const char* skin : {"earth", "fire", "ice"}) {
        Set_Skin_Name(skin);
        DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
        ASSERT_NE(dc, nullptr);
        Draw_View_Background(dc, "News\\Calendar.jpg");
        Release_Main_Window_DC();
        const DRAWING_SURFACE& picture = *Get_Back_Buffer_Surface();
        Keep_View_Picture(picture, std::string("calendar_background_") + skin);
        // Columns clear of the faint yard lines under the panel.
        for (const int32_t x : {105, 300, 600}) {
            RECT_AREA rows = {x, 106, x + 1, 461};
            RECT_AREA middle = {x, 280, x + 1, 281};
            Scale_Rect_To_Window(&rows);
            Scale_Rect_To_Window(&middle);
            const uint32_t panel = Get_Surface_Pixel(&picture, middle.Left, middle.Top);
            int32_t worst = 0, worst_y = 0;
            for (int32_t y = rows.Top; y < rows.Bottom; ++y) {
                const int32_t distance = Colour_Distance(Get_Surface_Pixel(&picture, rows.Left, y), panel);
                if (distance > worst) worst = distance, worst_y = y;
            }
            EXPECT_LT(worst, 30) << "at x " << x << ", pixel row " << worst_y << " of " << rows.Top << ".."
                                 << rows.Bottom - 1 << " on " << skin;
        }
    }
}
