// The matchup dialog's pictures as the user sees them: the small team logos
// at their own size on their controls, the installation's logos made that
// size, and the "Watch Games" bar over its hidden control.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "app/modal_dialogs.h"
#include "app/png_files.h"
#include "database/game_queries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/png_file.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/game_day_fixture.h"
#include "support/installation_mirror.h"
#include "views/matchup_dialog.h"
#include "views/matchup_dialog_template.h"

namespace {
// The test's logo of the home team: a red plate wider and taller than its control.
constexpr int32_t LOGO_WIDTH = 200, LOGO_HEIGHT = 50;

struct SEEN {
    COLOUR_VALUE Inside_Logo_Beyond_Control = 0;
    COLOUR_VALUE Beyond_Logo = 0;
    std::vector<uint32_t> Bar_Pixels;
    std::vector<uint32_t> Bar_Pixels_Before;
} seen;

// The screen point of a control's rectangle at (fx, fy) of its width and height
// from its centre, in pixels.
void Control_Centre(WINDOW_HANDLE dialog, int32_t control, int32_t* x, int32_t* y) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control, &rect);
    *x = (rect.Left + rect.Right) / 2;
    *y = (rect.Top + rect.Bottom) / 2;
    Client_To_Screen(dialog, x, y);
}

void Look_At_Dialog() {
    const WINDOW_HANDLE dialog = Get_Open_Modal_Dialogs().back();
    Update_Window(dialog);
    DRAWING_SURFACE screen{};
    Render_Screen(&screen, TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&screen, (std::string(folder) + "/matchup_big_logo.png").c_str());
    int32_t x = 0, y = 0;
    Control_Centre(dialog, MATCHUP_SECOND_LOGO, &x, &y);
    // The control is 150 pixels wide: 90 from its centre lies beyond it, inside the logo.
    seen.Inside_Logo_Beyond_Control = Pixel_To_Colour(Get_Surface_Pixel(&screen, x + 90, y + 20));
    seen.Beyond_Logo = Pixel_To_Colour(Get_Surface_Pixel(&screen, x + 110, y + 10));
    seen.Bar_Pixels_Before = Get_Screen_Pixels_Over_Control(dialog, MATCHUP_WATCH_BAR);
    DEVICE_CONTEXT* dc = Get_Window_DC(dialog);
    Draw_Matchup_Bar(dialog, dc);
    Release_Window_DC(dialog, dc);
    seen.Bar_Pixels = Get_Screen_Pixels_Over_Control(dialog, MATCHUP_WATCH_BAR);
}
} // namespace

using MatchupDialog = GameDayTest;

TEST_F(MatchupDialog, TheSmallLogosAreDrawnAtTheirOwnSizeCentredOnTheirControls) {
    // The installation's small logos are as large as the control shows them
    // (the pictures the build draws: not what a game copies into a folder).
    const int32_t width = Dialog_Units_To_Pixels_X(100), height = Dialog_Units_To_Pixels_Y(22);
    int32_t logos = 0;
    for (const std::string& name : List_Installation_Folder("logos")) {
        if (name.find('/') != std::string::npos || name.size() < 4 || name.substr(name.size() - 4) != ".png")
            continue;
        DRAWING_SURFACE logo{};
        ASSERT_EQ(Read_Surface_PNG(("logos/" + name).c_str(), &logo), 1) << name;
        EXPECT_EQ(logo.Width, width) << name;
        EXPECT_EQ(logo.Height, height) << name;
        ++logos;
    }
    EXPECT_GT(logos, 32);

    // A logo larger than its control is not shrunk: it is drawn whole, centred.
    Start_Game_Day();
    Universe.Games[0].Team[0] = GAME_DAY_VISITOR;
    Universe.Games[0].Team[1] = GAME_DAY_HOME;
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    char path[LOGO_PATH_SIZE];
    Get_Team_Logo_Path(path, GAME_DAY_HOME);
    std::string file = path;
    for (char& c : file)
        if (c == '\\') c = '/';
    std::filesystem::remove(file);
    std::vector<uint8_t> red(static_cast<size_t>(LOGO_WIDTH) * LOGO_HEIGHT * 3, 0);
    for (size_t i = 2; i < red.size(); i += 3)
        red[i] = 220;
    ASSERT_EQ(Save_PNG_File(file.c_str(), red.data(), LOGO_WIDTH, LOGO_HEIGHT, 3), 1);
    seen = SEEN{};
    Script_Dialog_Control_Click(PRE_GAME_MATCHUP_DIALOG, MATCHUP_SIMULATE_BUTTON, Look_At_Dialog);
    Do_Dialog(NO_WINDOW, PRE_GAME_MATCHUP_DIALOG, 0);
    EXPECT_EQ(seen.Inside_Logo_Beyond_Control, Make_Colour(220, 0, 0)) << "the logo past its control's edge";
    EXPECT_NE(seen.Beyond_Logo, Make_Colour(220, 0, 0)) << "past the logo's own edge";

    // The bar picture covers its hidden control (where the unit labels and
    // the spread's text, windows of their own, leave it room).
    ASSERT_EQ(seen.Bar_Pixels.size(), seen.Bar_Pixels_Before.size());
    ASSERT_FALSE(seen.Bar_Pixels.empty());
    size_t changed = 0;
    for (size_t i = 0; i < seen.Bar_Pixels.size(); ++i)
        if (seen.Bar_Pixels[i] != seen.Bar_Pixels_Before[i]) ++changed;
    EXPECT_GT(changed, seen.Bar_Pixels.size() / 3);
}
