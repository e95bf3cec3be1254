#include "app/image_drawing.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/dialog_services.h"
#include "app/image_loading.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "database/game_queries.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "engine/game_record.h"
#include "platform/pixel_blits.h"
#include "platform/windows.h"
#include "views/main_window_logo.h"

char Current_Background_Name[CURRENT_BACKGROUND_NAME_SIZE];

BITMAP_CACHE_ENTRY* Take_Cached_Image(DEVICE_CONTEXT* dc, const char* name) {
    if (dc == nullptr || name == nullptr || *name == '\0') return nullptr;
    BITMAP_CACHE_ENTRY* slot = Find_Bitmap_Cache_Entry(Image_Cache, IMAGE_CACHE_SLOTS, name);
    if (strcasecmp(slot->Name, name) == 0 && slot->Pixels != nullptr) return slot;
    return Load_File_Into_Bitmap_Cache(dc, name, slot) ? slot : nullptr;
}

namespace {

BITMAP_CACHE_ENTRY* Take_Background(DEVICE_CONTEXT* dc, const char* name) {
    char key[CURRENT_BACKGROUND_NAME_SIZE + 4];
    snprintf(key, sizeof key, "%s:B", name);
    BITMAP_CACHE_ENTRY* slot = Find_Bitmap_Cache_Entry(Background_Cache, BACKGROUND_CACHE_SLOTS, key);
    if (Is_Bitmap_Cache_Entry_Empty(slot)) Load_File_Into_Bitmap_Cache(dc, key, slot);
    return slot;
}

// A watched game is on screen: the simulation runs the current game and one
// of its teams has the watch flag this week.
bool Is_Watched_Game_On_Screen() {
    if (Get_User_Preference(SIMULATION_RUNNING) == 0 || Current_Game == nullptr) return false;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    for (int32_t side = 0; side < 2; ++side)
        if (Get_Team_Schedule_Stat(Get_Game_Team_Byte(Current_Game, side), week, SCHEDULE_WATCH_FLAG) != 0)
            return true;
    return false;
}

// Design rectangle to window pixels, at every window size alike.
void Scale_Design_Box(int32_t* x, int32_t* y, int32_t* w, int32_t* h) {
    RECT_AREA view;
    Get_View_Rect(&view);
    const int32_t right = Scale_X_To_Window(view, *x + *w);
    *x = Scale_X_To_Window(view, *x);
    *w = right - *x;
    const int32_t bottom = Scale_Y_To_Window(view, *y + *h);
    *y = Scale_Y_To_Window(view, *y);
    *h = bottom - *y;
}
} // namespace

int32_t Draw_Cached_Bitmap(DEVICE_CONTEXT* dc, BITMAP_CACHE_ENTRY* entry, int32_t alpha, int32_t dx,
                           int32_t dy, int32_t dw, int32_t dh, int32_t sx, int32_t sy, int32_t sw,
                           int32_t sh) {
    if (dc == nullptr || entry == nullptr) return 0;
    entry->Stamp = Cache_Use_Stamp++;
    if (entry->Bitmap == nullptr) return 0;
    if (dw == -1) dw = entry->Width;
    if (dh == -1) dh = entry->Height;
    if (sw == -1) sw = entry->Width;
    if (sh == -1) sh = entry->Height;
    if (sx + sw > entry->Width) sw = entry->Width - sx;
    if (sy + sh > entry->Height) sh = entry->Height - sy;
    // A destination running past the back buffer is cut there; the source is
    // cut by the same share so the picture keeps its scale.
    if (!Entry_Has_Flag(entry, 'N')) {
        if (dx + dw > Get_Back_Buffer_Width() && dw > 0) {
            const int32_t kept = Get_Back_Buffer_Width() - dx;
            sw = Mul_Div_Round(sw, kept, dw);
            dw = kept;
        }
        if (dy + dh > Get_Back_Buffer_Height() && dh > 0) {
            const int32_t kept = Get_Back_Buffer_Height() - dy;
            sh = Mul_Div_Round(sh, kept, dh);
            dh = kept;
        }
    }
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return 0;
    const uint32_t operation = Entry_Has_Flag(entry, 'P') ? RASTER_SOURCE_PAINT : RASTER_SOURCE_COPY;
    const int32_t old_mode = Set_Stretch_Mode(
        dc, dw < sw || dh < sh ? (Entry_Has_Flag(entry, 'H') ? STRETCH_HALFTONE : STRETCH_COLOR_ON_COLOR)
                               : STRETCH_HALFTONE);
    const PIXEL_SOURCE source = Surface_Pixel_Source(entry->Bitmap);
    int result;
    if (Entry_Has_Flag(entry, 'A') || alpha < 255)
        result = Alpha_Blend_Pixels(dc, dx, dy, dw, dh, source, sx, sy, sw, sh,
                                    static_cast<uint32_t>(alpha < 0 ? 0 : alpha), Entry_Has_Flag(entry, 'A'));
    else
        result = Stretch_Pixels(dc, dx, dy, dw, dh, source, sx, sy, sw, sh, operation);
    Set_Stretch_Mode(dc, old_mode);
    return result;
}

int32_t Draw_Cached_Image(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y, int32_t w, int32_t h) {
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, name);
    if (slot == nullptr) return 0;
    return Draw_Cached_Bitmap(dc, slot, 255, x, y, w, h, 0, 0, -1, -1);
}

int32_t Draw_Cached_Image_Centered(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y) {
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, name);
    if (slot == nullptr) return 0;
    RECT_AREA view;
    Get_View_Rect(&view);
    Draw_Cached_Bitmap(dc, slot, 255, Scale_X_To_Window(view, x) - slot->Width / 2,
                       Scale_Y_To_Window(view, y) - slot->Height / 2, -1, -1, 0, 0, -1, -1);
    return slot->Height;
}

int32_t Draw_Cached_Image_In_Rect(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y, int32_t w,
                                  int32_t h, int32_t keep_aspect) {
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, name);
    if (slot == nullptr || slot->Height <= 0) return 0;
    // The height handed back is the design height, shrunk as the drawn one is.
    int32_t design_h = h;
    Scale_Design_Box(&x, &y, &w, &h);
    if (keep_aspect != 0 && h > 0) {
        const int32_t image_percent = Mul_Div_Round(slot->Width, 100, slot->Height);
        const int32_t target_percent = Mul_Div_Round(w, 100, h);
        if (image_percent > target_percent && image_percent > 0) {
            h = Mul_Div_Round(h, target_percent, image_percent);
            design_h = Mul_Div_Round(design_h, target_percent, image_percent);
        }
    }
    Draw_Cached_Bitmap(dc, slot, 255, x, y, w, h, 0, 0, -1, -1);
    return design_h;
}

int32_t Draw_Cached_Image_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id,
                                     const char* name) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, name);
    if (slot == nullptr) return 0;
    return Draw_Cached_Bitmap(dc, slot, 255, rect.Left, rect.Top, rect.Right - rect.Left,
                              rect.Bottom - rect.Top, 0, 0, -1, -1);
}

int32_t Draw_Cached_Image_Centered_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id,
                                              const char* name) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc, name);
    if (slot == nullptr) return 0;
    return Draw_Cached_Bitmap(dc, slot, 255, (rect.Left + rect.Right - slot->Width) / 2,
                              (rect.Top + rect.Bottom - slot->Height) / 2, -1, -1, 0, 0, -1, -1);
}

int32_t Draw_Background_Image_Without_Logo(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return 0;
    BITMAP_CACHE_ENTRY* slot = Take_Background(dc, Current_Background_Name);
    RECT_AREA whole;
    Get_Back_Buffer_Rect(&whole);
    if (slot->Bitmap != nullptr)
        return Draw_Cached_Bitmap(dc, slot, 255, 0, 0, whole.Right, whole.Bottom, 0, 0, -1, -1) != 0 ? 1 : 0;
    if (slot->Pixels != nullptr) Fill_Surface_Area(dc, whole, MISSING_IMAGE_COLOUR);
    return 0;
}

int32_t Draw_Screen_Background(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return 0;
    const int32_t drawn = Draw_Background_Image_Without_Logo(dc);
    if (Get_Status_Bars_Height() >= 1 && !Is_Watched_Game_On_Screen()) Draw_Main_Window_Team_Logo(dc);
    return drawn;
}

BITMAP_CACHE_ENTRY* Choose_Background_Slot(int32_t width, int32_t height) {
    for (BITMAP_CACHE_ENTRY& slot : Background_Cache)
        if (!Is_Bitmap_Cache_Entry_Empty(&slot) && slot.Width == width && slot.Height == height) return &slot;
    return nullptr;
}

int32_t Draw_Background_Image(DEVICE_CONTEXT* dc, const char* name, int32_t alpha, int32_t x1, int32_t y1,
                              int32_t x2, int32_t y2) {
    BITMAP_CACHE_ENTRY* slot = name != nullptr ? Take_Background(dc, name) : &Background_Cache[0];
    if (dc == nullptr) return Is_Bitmap_Cache_Entry_Empty(slot) ? 0 : 1;
    const int32_t unset = (x1 == -1) + (y1 == -1) + (x2 == -1) + (y2 == -1);
    if (unset != 0 && unset != 4) {
        Report_System_Error("Whaaaaa?");
        return 0;
    }
    RECT_AREA area;
    if (unset == 4)
        Get_Back_Buffer_Rect(&area);
    else
        area = {x1, y1, x2 + 1, y2 + 1};
    if (slot->Bitmap == nullptr) {
        if (slot->Pixels != nullptr) Fill_Surface_Area(dc, area, MISSING_IMAGE_COLOUR);
        return 0;
    }
    if (unset == 4)
        return Draw_Cached_Bitmap(dc, slot, alpha, 0, 0, area.Right, area.Bottom, 0, 0, -1, -1) != 0 ? 1 : 0;
    const int32_t w = area.Right - area.Left, h = area.Bottom - area.Top;
    return Draw_Cached_Bitmap(dc, slot, alpha, area.Left, area.Top, w, h, area.Left, area.Top, w, h) != 0 ? 1
                                                                                                          : 0;
}

int32_t Draw_Window_Background(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const char* name) {
    if (dc == nullptr) return 0;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    if (name != nullptr && strcasecmp(Window_Background_Entry.Name, name) != 0) {
        Clear_Window_Background_Entry();
        Load_File_Into_Bitmap_Cache(dc, name, &Window_Background_Entry);
    }
    if (name == nullptr || Window_Background_Entry.Bitmap == nullptr) {
        Fill_Surface_Area(dc, client, Get_Skin_Color());
        return 0;
    }
    return Draw_Cached_Bitmap(dc, &Window_Background_Entry, 255, client.Left, client.Top,
                              client.Right - client.Left, client.Bottom - client.Top, 0, 0, -1, -1);
}
