#include "views/view_painting.h"

#include <cstdio>

#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "engine/game_screen_hooks.h"
#include "platform/pixel_blits.h"
#include "platform/windows.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"

namespace {
// Clients wider than this ratio show the wide start-up picture.
constexpr float WIDE_SCREEN_RATIO = 1.6662723f;

int32_t Draw_Skin_Background(DEVICE_CONTEXT* dc, const char* file) {
    char name[CURRENT_BACKGROUND_NAME_SIZE];
    safe_strncpy(name, file, sizeof name);
    Get_Skin_File_Path(name, sizeof name);
    safe_strncpy(Current_Background_Name, name, CURRENT_BACKGROUND_NAME_SIZE);
    return Draw_Screen_Background(dc);
}
} // namespace

void Paint_Startup_View(DEVICE_CONTEXT* dc) {
    RECT_AREA client = {0, 0, 0, 0};
    Get_Client_Rect(Main_Window, &client);
    const int32_t height = client.Bottom - client.Top;
    const bool wide =
        height > 0 &&
        static_cast<float>(client.Right - client.Left) / static_cast<float>(height) > WIDE_SCREEN_RATIO;
    if (wide && Draw_Skin_Background(dc, "News\\Startup_Widescreen.jpg") != 0) return;
    Draw_Skin_Background(dc, "News\\Startup.jpg");
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
        if (view == GAMES_VIEW_ID)
            Paint_Games_View(target);
        else
            Paint_Startup_View(target);
        Draw_Game_Score_Panel(target);
        Set_Last_Painted_View(view);
    }
    if (buffer == nullptr) return;
    const int32_t width = paint_rect.Right - paint_rect.Left, height = paint_rect.Bottom - paint_rect.Top;
    Stretch_Pixels(dc, paint_rect.Left, paint_rect.Top, width, height,
                   Surface_Pixel_Source(Get_Back_Buffer_Surface()), paint_rect.Left, paint_rect.Top, width,
                   height, RASTER_SOURCE_COPY);
    Release_Main_Window_DC();
}
