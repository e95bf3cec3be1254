#include <gtest/gtest.h>

#include "platform/display_choice.h"

// A driver that shows a window is taken as SDL found it; one that shows
// nothing only when SDL_VIDEODRIVER names it, alone or in a list.
TEST(DisplayChoice, ADriverThatShowsNothingIsTakenOnlyWhenAskedFor) {
    EXPECT_TRUE(Is_Video_Driver_Accepted("x11", nullptr));
    EXPECT_TRUE(Is_Video_Driver_Accepted("wayland", "x11"));
    EXPECT_FALSE(Is_Video_Driver_Accepted("offscreen", nullptr)) << "SDL's fallback with no display";
    EXPECT_FALSE(Is_Video_Driver_Accepted("dummy", ""));
    EXPECT_FALSE(Is_Video_Driver_Accepted("offscreen", "x11"));
    EXPECT_FALSE(Is_Video_Driver_Accepted("offscreen", "offscreens"));
    EXPECT_TRUE(Is_Video_Driver_Accepted("offscreen", "offscreen"));
    EXPECT_TRUE(Is_Video_Driver_Accepted("dummy", "x11,Dummy"));
    EXPECT_FALSE(Is_Video_Driver_Accepted(nullptr, "offscreen"));
    EXPECT_FALSE(Is_Video_Driver_Accepted("", nullptr));
}

TEST(DisplayChoice, TheMessageNamesTheDisplay) {
    EXPECT_EQ(Describe_Missing_Display(nullptr, "No available video device"),
              "Football Korva cannot open its window: no display could be reached (DISPLAY is not set). "
              "No available video device");
    EXPECT_EQ(Describe_Missing_Display("", nullptr),
              "Football Korva cannot open its window: no display could be reached (DISPLAY is not set).");
    EXPECT_EQ(Describe_Missing_Display(":7", "Couldn't open X11 display"),
              "Football Korva cannot open its window: no display could be reached (DISPLAY is \":7\"). "
              "Couldn't open X11 display");
}
