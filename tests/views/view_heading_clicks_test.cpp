// Headings the user clicks in the leaders and standings views: one click
// plays "button.wav" once, and a click that turns the leaders' mode or season
// over shows its heading box once, as it stood, before the new one is stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_mouse.h"
#include "database/settings.h"
#include "platform/scripted_answers.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/view_frame.h"
#include "views/leaders_view.h"

namespace {
constexpr int32_t STANDINGS = 40030, LEADERS = 40032;

void Click(int32_t x, int32_t y) {
    Do_Main_Window_Mouse(Main_Window, MSG_LBUTTON_DOWN, x * 4 / 3, y * 4 / 3);
}

int32_t Count_Button_Sounds() {
    int32_t count = 0;
    for (const std::string& sound : Get_Played_Sounds())
        if (sound.find("button.wav") != std::string::npos) ++count;
    return count;
}

// The leaders' mode and season selector, and the sounds played so far, each
// time the main window paints.
std::vector<int32_t> painted_modes, painted_states, painted_sounds;
WINDOW_PROCEDURE window_procedure = nullptr;

intptr_t Note_Paint(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_PAINT) {
        painted_modes.push_back(Get_User_Preference(LEADER_MODE_SETTING));
        painted_states.push_back(Get_User_Preference(LEADER_STATE_SETTING));
        painted_sounds.push_back(Count_Button_Sounds());
    }
    return Call_Window_Procedure(window_procedure, window, code, wparam, lparam);
}

void Start_Noting_Paints() {
    painted_modes.clear();
    painted_states.clear();
    painted_sounds.clear();
}
} // namespace

using HeadingClicks = ViewFrameTest;

TEST_F(HeadingClicks, OneClickPlaysOneSound) {
    Open_Played_Season(4);
    Set_User_Preference(SOUNDS_ENABLED, 1);
    Paint_View_Picture(LEADERS);
    Set_User_Preference(LEADER_MODE_SETTING, 0);
    struct HEADING {
        int32_t X, Y;
        const char* What;
    };
    for (const HEADING& heading :
         {HEADING{200, 70, "a list heading (its chooser cancelled)"}, HEADING{200, 20, "the mode heading"},
          HEADING{480, 20, "the season heading"}}) {
        const int32_t before = Count_Button_Sounds();
        Click(heading.X, heading.Y);
        EXPECT_EQ(Count_Button_Sounds(), before + 1) << heading.What;
    }
    // All time: the caption button of a list enlarges it, with one sound.
    Set_User_Preference(LEADER_MODE_SETTING, 3);
    Paint_View_Picture(LEADERS);
    int32_t before = Count_Button_Sounds();
    Click(112 + 240, 70);
    EXPECT_EQ(Get_Leaders_Enlarged_List(), 1);
    EXPECT_EQ(Count_Button_Sounds(), before + 1) << "the caption button";

    // The standings' heading sounds once its column shows blank.
    Paint_View_Picture(STANDINGS);
    window_procedure = Subclass_Window(Main_Window, Note_Paint);
    Start_Noting_Paints();
    before = Count_Button_Sounds();
    Click(390, 80);
    EXPECT_EQ(Count_Button_Sounds(), before + 1) << "a standings heading";
    ASSERT_FALSE(painted_sounds.empty());
    EXPECT_EQ(painted_sounds.front(), before) << "the blank column is painted before the sound";
    Subclass_Window(Main_Window, window_procedure);
}

TEST_F(HeadingClicks, TheLeadersHeadingBoxShowsOnceAsItStoodBeforeTheTurnIsStored) {
    Open_Played_Season(4);
    Paint_View_Picture(LEADERS);
    Set_User_Preference(LEADER_MODE_SETTING, 0);
    Paint_View_Picture(LEADERS);
    window_procedure = Subclass_Window(Main_Window, Note_Paint);

    Start_Noting_Paints();
    Click(200, 20);
    ASSERT_GE(painted_modes.size(), 2u);
    EXPECT_EQ(painted_modes.front(), 0) << "the heading box is shown before the mode turns";
    EXPECT_EQ(painted_modes.back(), 1) << "then the whole view with the new mode";

    const int32_t state = Get_User_Preference(LEADER_STATE_SETTING);
    Start_Noting_Paints();
    Click(480, 20);
    ASSERT_GE(painted_states.size(), 2u);
    EXPECT_EQ(painted_states.front(), state) << "the season heading's box first, as it stood";
    EXPECT_NE(painted_states.back(), state);
    Subclass_Window(Main_Window, window_procedure);
}
