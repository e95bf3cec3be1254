#include "views/view_drawing.h"

#include <cinttypes>
#include <cstdio>
#include <strings.h>

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/skins.h"
#include "app/sounds_and_cursors.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "platform/text_render.h"

namespace {
constexpr int32_t SKIN_NAME_SIZE = 64;
}

int32_t Draw_View_Background(DEVICE_CONTEXT* dc, const char* file) {
    char name[CURRENT_BACKGROUND_NAME_SIZE];
    safe_strncpy(name, file, sizeof name);
    Get_Skin_File_Path(name, sizeof name);
    safe_strncpy(Current_Background_Name, name, CURRENT_BACKGROUND_NAME_SIZE);
    return Draw_Screen_Background(dc);
}

VIEW_FONT::VIEW_FONT(DEVICE_CONTEXT* dc, int32_t row) : Dc(dc), Font(nullptr), Previous(nullptr) {
    if (!App_Fonts_Are_Loaded()) Load_App_Fonts();
    Font = Get_App_Font(row);
    if (Dc != nullptr && Font != nullptr) Previous = Select_Font(Dc, Font);
}

VIEW_FONT::~VIEW_FONT() {
    if (Font == nullptr) return;
    if (Dc != nullptr) Select_Font(Dc, Previous);
    Release_App_Font(Font);
}

void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format) {
    if (text == nullptr || text[0] == '\0') return;
    Draw_Text_In_Scaled_Rect(dc, text, rect, format, 1);
}

void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                    COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    Set_Text_Colour(dc, colour);
    Draw_View_Text(dc, text, rect, format);
}

int32_t Fit_View_Font_Row(const std::vector<TEXT_CELL>& cells, uint32_t format, int32_t row) {
    std::vector<TEXT_CELL> scaled = cells;
    for (TEXT_CELL& cell : scaled)
        Scale_Rect_To_Window(&cell.Rect);
    // Measured as the view draws its texts: an "&" is a letter, not the mark
    // of the next one.
    return Find_Fitting_Font_Row(scaled, format | TEXT_NO_PREFIX, row);
}

void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                    const VIEW_COLOURS& colours) {
    if (dc == nullptr) return;
    Set_View_Text_Colours(dc, colours);
    Draw_View_Text(dc, text, rect, format);
}

bool Is_Skin_Named(const char* name) {
    char skin[SKIN_NAME_SIZE];
    Get_Skin_Name(skin, sizeof skin);
    return strcasecmp(skin, name) == 0;
}

bool Is_Point_In_Design_Rect(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

void Format_Signed_Tenths(char* out, int32_t size, int64_t tenths) {
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    safe_sprintf(out, size, "%s%" PRId64 ".%" PRId64, tenths < 0 ? "-" : "", magnitude / 10, magnitude % 10);
}

void Format_Signed_Hundredths(char* out, int32_t size, int64_t hundredths) {
    const int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    safe_sprintf(out, size, "%s%" PRId64 ".%02" PRId64, hundredths < 0 ? "-" : "", magnitude / 100,
                 magnitude % 100);
}

int64_t Round_Ratio(int64_t x, int64_t k, int64_t d) {
    if (d == 0) return 0;
    const int64_t numerator = x * k + d / 2;
    int64_t quotient = numerator / d;
    if (numerator % d != 0 && ((x < 0) != (d < 0))) --quotient;
    return quotient;
}

int64_t Round_Line_Ratio(int64_t x, int64_t m, int64_t n) {
    if (n == 0) return 0;
    int64_t q = (x * m + n / 2) / n;
    if (x < 0 && x % n != 0) --q;
    return q;
}

int32_t Get_Setting_Index(int32_t setting, int32_t count, int32_t fallback) {
    const int32_t value = Get_User_Preference(setting);
    return value >= 0 && value < count ? value : fallback;
}

bool Choose_View_Column_Stat(int32_t dialog, int32_t setting, int32_t marker, COLUMN_CLICK_SOUND sound) {
    if (sound == SOUND_BEFORE_BLANKING) Play_Sound_Effect("button.wav");
    Set_User_Preference(CHOSEN_STAT_SETTING, setting);
    const int32_t old_value = Get_User_Preference(setting);
    Set_User_Preference(setting, marker);
    Repaint_View();
    if (sound == SOUND_AFTER_BLANKING) Play_Sound_Effect("button.wav");
    const bool chosen =
        Refresh_Bars_And_Do_Dialog(Main_Window, dialog) != 0 && Get_User_Preference(setting) != marker;
    if (!chosen) Set_User_Preference(setting, old_value);
    Repaint_View();
    return chosen;
}

void Repaint_View() {
    Redraw_Main_Window();
}

void Repaint_Design_Box(const RECT_AREA& design) {
    Invalidate_Design_Rect(design);
    Update_Game_Day_Window();
}
