#include "views/main_window_logo.h"

#include <cstdio>

#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/main_window_geometry.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/settings.h"

RECT_AREA Team_Logo_Rect;

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
    RECT_AREA client;
    Get_Main_Window_Client_Rect(&client);
    const int32_t bottom = client.Bottom - Get_Status_Bars_Height();
    Team_Logo_Rect = {client.Right - 8 - slot->Width, bottom - slot->Height, client.Right - 8, bottom};
    Draw_Cached_Bitmap(dc, slot, 255, Team_Logo_Rect.Left, Team_Logo_Rect.Top, -1, -1, 0, 0, -1, -1);
}
