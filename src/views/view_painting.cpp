#include "views/view_painting.h"

#include <cstdio>

#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/text_contrast.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "engine/game_screen_hooks.h"
#include "platform/pixel_blits.h"
#include "platform/windows.h"
#include "views/calendar_view.h"
#include "views/champions_view.h"
#include "views/draft_board_view.h"
#include "views/finances_view.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"
#include "views/leaders_view.h"
#include "views/owner_hall_of_fame_view.h"
#include "views/playoffs_view.h"
#include "views/standings_view.h"
#include "views/view_drawing.h"

namespace {
// Clients wider than this ratio show the wide start-up picture.
constexpr float WIDE_SCREEN_RATIO = 1.6662723f;

void Run_View_Painter(int32_t view, DEVICE_CONTEXT* dc) {
    // A painter's repairs (a player's ratings made anew, a name filled in)
    // leave the league's random draws as they were.
    static RANDOM_STATE random_state;
    Save_Random_State(&random_state);
    switch (view) {
    case 40030:
        Paint_Standings_View(dc);
        break;
    case 40032:
        Paint_Leaders_View(dc);
        break;
    case 40034:
        Paint_Finances_View(dc);
        break;
    case 40036:
        Paint_Calendar_View(dc);
        break;
    case 40037:
        Paint_Owner_Hall_Of_Fame_View(dc);
        break;
    case 40069:
        Paint_Playoffs_View(dc);
        break;
    case 40070:
        Paint_Draft_Board_View(dc);
        break;
    case 40074:
        Paint_Champions_View(dc);
        break;
    case GAMES_VIEW_ID:
        Paint_Games_View(dc);
        break;
    default:
        Paint_Startup_View(dc);
        break;
    }
    Load_Random_State(&random_state);
}
} // namespace

void Paint_Startup_View(DEVICE_CONTEXT* dc) {
    RECT_AREA client = {0, 0, 0, 0};
    Get_Client_Rect(Main_Window, &client);
    const int32_t height = client.Bottom - client.Top;
    const bool wide =
        height > 0 &&
        static_cast<float>(client.Right - client.Left) / static_cast<float>(height) > WIDE_SCREEN_RATIO;
    if (wide && Draw_View_Background(dc, "News\\Startup_Widescreen.jpg") != 0) return;
    Draw_View_Background(dc, "News\\Startup.jpg");
}

void Paint_Main_Window_View(DEVICE_CONTEXT* dc, const RECT_AREA& paint_rect) {
    if (dc == nullptr) return;
    if (!Main_Window_Back_Buffer_Exists()) Fit_Back_Buffer_To_View();
    DEVICE_CONTEXT* buffer = Acquire_Main_Window_DC();
    DEVICE_CONTEXT* target = buffer != nullptr ? buffer : dc;
    const int32_t current = Get_Current_View();
    const int32_t last = Get_Last_Painted_View();
    if ((last != current && last != 0) || buffer == nullptr) {
        const int32_t view = Get_Game_Loaded_Flag() != 0 ? current : 0;
        // Painted straight into the window, the view's text stands out as it does in the buffer.
        const TEXT_COLOUR_CHOICE choice =
            buffer == nullptr ? Set_Text_Colour_Choice(dc, Choose_Contrasting_Text_Colour) : nullptr;
        Run_View_Painter(view, target);
        Draw_Game_Score_Panel(target);
        if (buffer == nullptr) Set_Text_Colour_Choice(dc, choice);
        Set_Last_Painted_View(view);
    }
    if (buffer == nullptr) return;
    const int32_t width = paint_rect.Right - paint_rect.Left, height = paint_rect.Bottom - paint_rect.Top;
    Stretch_Pixels(dc, paint_rect.Left, paint_rect.Top, width, height,
                   Surface_Pixel_Source(Get_Back_Buffer_Surface()), paint_rect.Left, paint_rect.Top, width,
                   height, RASTER_SOURCE_COPY);
    Release_Main_Window_DC();
}
