#include "views/game_day_screen.h"

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/vector_paths.h"
#include "database/game_queries.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/game_record.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "views/games_view.h"

bool Is_Dark_Text() {
    return Get_User_Preference(DARK_TEXT_SETTING) != 0;
}

TEXT_COLOURS Get_Game_Day_Colours(int32_t kind, bool light_skin) {
    struct COLOUR_FORMS {
        VIEW_COLOURS Normal_And_Dark;
        COLOUR_VALUE Light_Skin;
    };
    static const COLOUR_FORMS FORMS[] = {
        {VIEW_LIGHT_COLOURS, Make_Colour(0, 0, 0)},
        {VIEW_ACCENT_COLOURS, Make_Colour(52, 52, 52)},
        {{Make_Colour(255, 215, 215), Make_Colour(30, 30, 130)}, Make_Colour(170, 170, 170)},
        {{Make_Colour(255, 170, 170), Make_Colour(80, 80, 180)}, Make_Colour(212, 212, 212)},
    };
    const COLOUR_FORMS& forms = FORMS[kind < 0 || kind > GAME_DAY_HEADING_TEXT ? 0 : kind];
    if (light_skin && Is_Ice_Or_Fire_Skin() != 0)
        return Fix_View_Colour(forms.Light_Skin, forms.Normal_And_Dark);
    return Pick_View_Colours(forms.Normal_And_Dark);
}

TEXT_COLOURS Get_Side_Colours(int32_t side) {
    const int32_t kind = side == 0 ? GAME_DAY_HIGHLIGHT_TEXT : GAME_DAY_MAIN_TEXT;
    if (Is_Ice_Or_Fire_Skin() != 0)
        return Fix_View_Colour(side == 0 ? Make_Colour(52, 52, 52) : Make_Colour(0, 0, 0),
                               {Get_Game_Day_Colours(kind).Colour, Make_Colour(0, 0, 0)});
    return Get_Game_Day_Colours(kind);
}

bool Is_Live_Game_Shown() {
    const GAME_RECORD* game = Current_Game;
    if (game == nullptr || Get_User_Preference(SIMULATION_RUNNING) == 0) return false;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    for (int side = 0; side < 2; ++side) {
        const int32_t team = game->Team[side];
        if (team < MAX_FRANCHISES && Get_Team_Week_Schedule_Stat_1(team, week) != 0) return true;
    }
    return false;
}

bool Is_Game_Being_Played() {
    return Current_Game != nullptr;
}

GAME_RECORD* Get_Displayed_Game() {
    if (Is_Live_Game_Shown()) return Current_Game;
    const int32_t index = Get_User_Preference(SHOWN_GAME_INDEX);
    if (index < 0 || index >= MAX_GAME_RECORDS) return nullptr;
    return Get_Game_Record(index);
}

namespace {
// Without an alternative the main window's fitting can only move the colour itself.
int32_t Draw_Design_Text_In(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                            COLOUR_VALUE colour, const COLOUR_VALUE* alternative, int32_t font_row) {
    if (dc == nullptr || text == nullptr) return 0;
    Save_Device_Context(dc);
    DRAWING_FONT* font = font_row >= 0 ? Get_App_Font(font_row) : nullptr;
    if (font != nullptr) Select_Font(dc, font);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    if (alternative != nullptr)
        Set_Text_Colours(dc, colour, *alternative);
    else
        Set_Text_Colour(dc, colour);
    const int32_t height = Draw_Text_In_Scaled_Rect(dc, text, rect, format, 1);
    Restore_Device_Context(dc);
    if (font != nullptr) Release_App_Font(font);
    return height;
}
} // namespace

int32_t Draw_Design_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                         COLOUR_VALUE colour, int32_t font_row) {
    return Draw_Design_Text_In(dc, text, rect, format, colour, nullptr, font_row);
}

int32_t Draw_Design_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                         const TEXT_COLOURS& colours, int32_t font_row) {
    return Draw_Design_Text_In(dc, text, rect, format, colours.Colour, &colours.Alternative, font_row);
}

bool Design_To_Window_Rect(const RECT_AREA& design, RECT_AREA* window) {
    RECT_AREA scaled = design;
    Scale_Rect_To_Window(&scaled);
    *window = scaled;
    return scaled.Right > scaled.Left && scaled.Bottom > scaled.Top;
}

void Restore_Design_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& design) {
    RECT_AREA window;
    if (dc == nullptr || !Design_To_Window_Rect(design, &window)) return;
    char background[CURRENT_BACKGROUND_NAME_SIZE];
    Get_Games_View_Background(background);
    Draw_Background_Image(dc, background, 255, window.Left, window.Top, window.Right - 1, window.Bottom - 1);
    Invalidate_Design_Rect(design);
}

void Invalidate_Design_Rect(const RECT_AREA& design) {
    RECT_AREA window;
    if (!Design_To_Window_Rect(design, &window)) return;
    Invalidate_Main_Window_Rect(window);
    if (Is_Window(Main_Window)) Invalidate_Window(Main_Window, &window);
}

void Update_Game_Day_Window() {
    if (Is_Window(Main_Window)) Update_Window(Main_Window);
}

void Fill_Design_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& design, COLOUR_VALUE colour) {
    RECT_AREA window;
    if (dc == nullptr || !Design_To_Window_Rect(design, &window)) return;
    Fill_Surface_Area(dc, window, colour);
}

void Draw_Tab_Plate(DEVICE_CONTEXT* dc, const RECT_AREA& design, bool light) {
    RECT_AREA window;
    if (dc == nullptr || !Design_To_Window_Rect(design, &window)) return;
    PATH_COLLECTION paths;
    paths.Window_Left = design.Left;
    paths.Window_Top = design.Top;
    paths.Window_Right = design.Right;
    paths.Window_Bottom = design.Bottom;
    const double left = design.Left + 0.5, top = design.Top + 0.5, right = design.Right - 0.5,
                 bottom = design.Bottom - 0.5, r = 4.0;
    start_new_path(&paths, 0);
    Set_Path_Colour(&paths, light ? Make_Path_Colour(214, 214, 206, 250) : Make_Path_Colour(0, 0, 0, 95));
    Set_Path_Flags(&paths, light ? PATH_FILL | PATH_STROKE : PATH_FILL);
    Set_Path_Width(&paths, 0.8);
    agg::path_storage& v = paths.Vertices;
    v.move_to(left + r, top);
    v.line_to(right - r, top);
    v.arc_to(r, r, 0, false, true, right, top + r);
    v.line_to(right, bottom - r);
    v.arc_to(r, r, 0, false, true, right - r, bottom);
    v.line_to(left + r, bottom);
    v.arc_to(r, r, 0, false, true, left, bottom - r);
    v.line_to(left, top + r);
    v.arc_to(r, r, 0, false, true, left + r, top);
    v.close_polygon();
    Render_Paths(dc, &paths, window.Left, window.Top, window.Right - window.Left, window.Bottom - window.Top,
                 0);
    Free_Path_Collection(&paths);
}
