#include "views/view_painting.h"

#include <cstring>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "engine/game_screen_hooks.h"
#include "platform/surface_copy.h"
#include "platform/windows.h"

int32_t Last_Painted_View = -1;

namespace {
constexpr int32_t NEWS_VIEWS[] = {40030, 40032, 40034, 40036, 40037, 40069, 40070, 40074, 40086};
// Clients wider than this ratio show the wide start-up picture.
constexpr float WIDE_SCREEN_RATIO = 1.6662723f;

int32_t Draw_Skin_Background(DEVICE_CONTEXT* dc, const char* file) {
    char name[2048];
    std::snprintf(name, sizeof name, "%s", file);
    Get_Skin_File_Path(name, sizeof name);
    return Draw_Background_Image(dc, name, 255, -1, -1, -1, -1);
}
} // namespace

bool Is_News_View_Id(int32_t view) {
    for (int32_t id : NEWS_VIEWS)
        if (id == view) return true;
    return false;
}

bool Is_News_View() {
    return Is_News_View_Id(Get_Current_View());
}

void Paint_Startup_View(DEVICE_CONTEXT* dc) {
    RECT_AREA client = {0, 0, 0, 0};
    Get_Client_Rect(Main_Window, &client);
    const int32_t height = client.Bottom - client.Top;
    const bool wide = height > 0 && static_cast<float>(client.Right - client.Left) / static_cast<float>(height) >
                                        WIDE_SCREEN_RATIO;
    // The background routine reports 0 when it drew the picture.
    if (wide && Draw_Skin_Background(dc, "News\\Startup_Widescreen.jpg") == 0) return;
    Draw_Skin_Background(dc, "News\\Startup.jpg");
}

void Paint_Main_Window_View(DEVICE_CONTEXT* dc, const RECT_AREA& paint_rect) {
    if (dc == nullptr) return;
    if (!Main_Window_Back_Buffer_Exists()) Reinit_Window_Graphics();
    DEVICE_CONTEXT* buffer = Acquire_Main_Window_DC();
    DEVICE_CONTEXT* target = buffer != nullptr ? buffer : dc;
    const int32_t current = Get_Current_View();
    if ((Last_Painted_View != current && Last_Painted_View != 0) || buffer == nullptr) {
        const int32_t view = Get_Game_Loaded_Flag() != 0 ? current : 0;
        Paint_Startup_View(target);
        Draw_Game_Score_Panel(target);
        Last_Painted_View = view;
    }
    if (buffer == nullptr) return;
    Copy_Surface_Area(dc->Surface, paint_rect.Left, paint_rect.Top, Get_Back_Buffer_Surface(), paint_rect,
                      dc->State.Clip);
    Release_Main_Window_DC();
}
