#include "views/main_window_logo.h"

#include <algorithm>
#include <cstdio>

#include "app/design_scaling.h"
#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/main_window_geometry.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/settings.h"

RECT_AREA Team_Logo_Rect;

namespace {
// The design line the views' lowest rows (the league averages of the
// standings and finances) end on.
constexpr int32_t LOWEST_VIEW_ROW_BOTTOM = 440;
} // namespace

void Draw_Main_Window_Team_Logo(DEVICE_CONTEXT* dc) {
    int32_t team = Get_User_Preference(USER_TEAM);
    if (team == 255 || dc == nullptr) return;
    if (!(team >= 36 && team <= 40) && !Is_Active_Team(team)) team = 0;
    char path[LOGO_PATH_SIZE];
    Get_Team_Logo_Path(path, team);
    FILE* file = Open_Resolved_File(path, "rb");
    if (file == nullptr) return;
    fclose(file);
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, path);
    if (slot == nullptr) return;
    RECT_AREA client, view;
    Get_Main_Window_Client_Rect(&client);
    Get_View_Rect(&view);
    const int32_t bottom = client.Bottom - Get_Status_Bars_Height();
    // As large as the picture, but on a small window no higher than the views'
    // lowest rows, which reach into the corner: the logo shrinks, keeping its
    // shape, rather than cover their figures.
    const int32_t room = std::max(1, bottom - Scale_Y_To_Window(view, LOWEST_VIEW_ROW_BOTTOM));
    int32_t width = slot->Width, height = slot->Height;
    if (height > room) {
        width = std::max(1, width * room / height);
        height = room;
    }
    Team_Logo_Rect = {client.Right - 8 - width, bottom - height, client.Right - 8, bottom};
    Draw_Cached_Bitmap(dc, slot, 255, Team_Logo_Rect.Left, Team_Logo_Rect.Top, width, height, 0, 0, -1, -1);
}

void Get_Team_Logo_Rect(RECT_AREA* rect) {
    if (rect != nullptr) *rect = Team_Logo_Rect;
}
