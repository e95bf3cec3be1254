#include "views/game_day_panels.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/text_contrast.h"
#include "app/vector_paths.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/play_text.h"
#include "platform/text_render.h"
#include "views/game_day_screen.h"
#include "views/game_day_view.h"
#include "views/weather.h"

namespace {
constexpr int32_t WEATHER_FONT = 1;
constexpr int32_t RESULT_FONT = 2;
constexpr int32_t LABEL_FONT = 0;
constexpr int32_t CALM_WIND = 4;
constexpr int32_t DOME_WIND = -1;
constexpr int32_t SUMMARY_FRAME = 10;
constexpr RECT_AREA RESULT_COLUMN = {293, 294, 478, 507};
constexpr int32_t STRIP_LEFT = 271;
constexpr int32_t STRIP_RIGHT = 496;
constexpr int32_t STRIP_YARDS_WIDTH = 225;
constexpr int32_t STRIP_TOP = 52;
constexpr int32_t STRIP_BOTTOM = 81;
// The wind arrow's centre, between "Wind" and the speed in the weather row.
constexpr double ARROW_CENTRE_X = 297.0;
constexpr double ARROW_CENTRE_Y = 111.0;

int32_t remembered_frame = -1;
// The shake's own generator: painting must not move the league's sequence.
std::mt19937 shake_generator(20231);

int32_t Shake_Draw() {
    // A whole number in [0, 30), as a draw scaled to 30 would give.
    return static_cast<int32_t>((static_cast<uint64_t>(shake_generator()) * 30) >> 32);
}

int32_t Wind_Speed(const GAME_RECORD* pGame) {
    return static_cast<int16_t>(pGame->Wind_Speed);
}

TEXT_COLOURS Weather_Colours() {
    const TEXT_COLOURS colours = Get_Game_Day_Colours(GAME_DAY_HEADING_TEXT);
    if (Is_Ice_Or_Fire_Skin() != 0)
        return Fix_View_Colour(Make_Colour(255, 255, 255), {colours.Colour, Make_Colour(0, 0, 0)});
    return colours;
}

// Renders the collection into a design rectangle of the context.
void Render_In_Design_Rect(DEVICE_CONTEXT* dc, PATH_COLLECTION* paths, const RECT_AREA& design) {
    RECT_AREA window;
    if (!Design_To_Window_Rect(design, &window)) return;
    paths->Window_Left = design.Left;
    paths->Window_Top = design.Top;
    paths->Window_Right = design.Right;
    paths->Window_Bottom = design.Bottom;
    Render_Paths(dc, paths, window.Left, window.Top, window.Right - window.Left, window.Bottom - window.Top,
                 0);
}

void Add_Polygon(PATH_COLLECTION* paths, const double* points, int count, uint32_t colour) {
    start_new_path(paths, 0);
    Set_Path_Colour(paths, colour);
    Set_Path_Flags(paths, PATH_FILL);
    paths->Vertices.move_to(points[0], points[1]);
    for (int i = 1; i < count; ++i)
        paths->Vertices.line_to(points[2 * i], points[2 * i + 1]);
    paths->Vertices.close_polygon();
}

// Which way the offence goes on the strip: side 0 toward the right end.
int32_t Attack_Direction(const GAME_RECORD* pGame) {
    return Get_Offense_Side(pGame) == 0 ? 1 : -1;
}
} // namespace

int32_t Get_Wind_Arrow_Angle(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int32_t angle = pGame->Wind_Direction;
    if (!Is_Game_Over(pGame)) {
        const int32_t first = Shake_Draw();
        angle += first - Shake_Draw();
    }
    return angle;
}

void Draw_Wind_Arrow(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    const int32_t wind = Wind_Speed(game);
    if (wind < CALM_WIND) return;
    const double radians = Get_Wind_Arrow_Angle(game) * M_PI / 180.0 - M_PI / 2.0;
    // The arrow grows with the wind: its scale factor is the wind + 2.
    const double scale = (wind + 2) / 30.0;
    const double half = 3.5 + 5.5 * scale;
    const double head = 2.5 + 1.5 * scale;
    const double c = std::cos(radians), s = std::sin(radians);
    auto X = [&](double along, double across) { return ARROW_CENTRE_X + along * c - across * s; };
    auto Y = [&](double along, double across) { return ARROW_CENTRE_Y + along * s + across * c; };
    // Drawn into a square round its centre that holds it at any angle.
    const int32_t reach = static_cast<int32_t>(std::ceil(half + head)) + 1;
    const RECT_AREA arrow_box = {
        static_cast<int32_t>(ARROW_CENTRE_X) - reach, static_cast<int32_t>(ARROW_CENTRE_Y) - reach,
        static_cast<int32_t>(ARROW_CENTRE_X) + reach + 1, static_cast<int32_t>(ARROW_CENTRE_Y) + reach + 1};
    // White, or dark with the dark text; where the context fits text to its
    // ground the arrow follows the same rule, so it is dark only on a light ground.
    const COLOUR_VALUE light = Make_Colour(255, 255, 255), dark = Make_Colour(40, 40, 90);
    const bool white = Is_Ice_Or_Fire_Skin() != 0 || !Is_Dark_Text();
    COLOUR_VALUE arrow_colour = white ? light : dark;
    RECT_AREA box;
    if (dc->State.Text_Colour_Choice != nullptr && Design_To_Window_Rect(arrow_box, &box)) {
        const COLOUR_VALUE other = white ? dark : light;
        arrow_colour = Fit_Colour_To_Ground(dc, box, arrow_colour, &other);
    }
    const uint32_t colour = Make_Path_Colour(Colour_Red(arrow_colour), Colour_Green(arrow_colour),
                                             Colour_Blue(arrow_colour), arrow_colour == light ? 220 : 230);
    PATH_COLLECTION paths;
    const double shaft = 0.8;
    const double arrow[] = {X(-half, -shaft),
                            Y(-half, -shaft),
                            X(half - head, -shaft),
                            Y(half - head, -shaft),
                            X(half - head, -head),
                            Y(half - head, -head),
                            X(half, 0),
                            Y(half, 0),
                            X(half - head, head),
                            Y(half - head, head),
                            X(half - head, shaft),
                            Y(half - head, shaft),
                            X(-half, shaft),
                            Y(-half, shaft)};
    Add_Polygon(&paths, arrow, 7, colour);
    Render_In_Design_Rect(dc, &paths, arrow_box);
    Free_Path_Collection(&paths);
}

void Draw_Weather_Panel(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    const TEXT_COLOURS colour = Weather_Colours();
    const uint32_t one_line = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    char text[FORMATTED_TEXT_SIZE];
    const int32_t wind = Wind_Speed(game);
    if (wind < CALM_WIND) {
        Draw_Design_Text(dc, wind == DOME_WIND ? "No Wind (Dome)" : "Wind: Calm", {254, 102, 340, 120},
                         one_line, colour, WEATHER_FONT);
    } else {
        Draw_Wind_Arrow(dc);
        Draw_Design_Text(dc, "Wind", {242, 102, 297, 120}, one_line, colour, WEATHER_FONT);
        safe_sprintf(text, sizeof text, "%d mph", wind);
        Draw_Design_Text(dc, text, {297, 102, 352, 120}, one_line, colour, WEATHER_FONT);
    }
    Get_Weather_Word(text, game);
    Draw_Design_Text(dc, text, {424, 102, 469, 120}, one_line, colour, WEATHER_FONT);
    safe_sprintf(text, sizeof text, "%d\xB0", game->Temperature);
    Draw_Design_Text(dc, text, {477, 102, 510, 120}, one_line, colour, WEATHER_FONT);
    char word[16];
    Get_Weather_Icon_Name(word, game);
    char icon[CURRENT_BACKGROUND_NAME_SIZE];
    safe_sprintf(icon, sizeof icon, "News\\Weather\\%s.png", word);
    Get_Skin_File_Path(icon, sizeof icon);
    Draw_Cached_Image_Centered(dc, icon, 469, 111);
}

int32_t Get_Field_Strip_X(const GAME_RECORD* pGame, int32_t base) {
    if (pGame == nullptr) return base;
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (Get_Offense_Side(pGame) == 0) return base - STRIP_YARDS_WIDTH * to_goal / 100;
    return base + STRIP_YARDS_WIDTH * (to_goal - 100) / 100;
}

void Draw_Field_Strip(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame) {
    if (dc == nullptr || pGame == nullptr) return;
    const int32_t x = Get_Field_Strip_X(pGame, STRIP_RIGHT);
    const int32_t to_go = pGame->Yards_To_Go;
    const int32_t size = to_go < 4 ? 2 * to_go + 8 : 15;
    PATH_COLLECTION paths;
    // The line of scrimmage: a blue band across the strip.
    const double band[] = {x - 1.0, STRIP_TOP,    x + 1.0, STRIP_TOP,
                           x + 1.0, STRIP_BOTTOM, x - 1.0, STRIP_BOTTOM};
    Add_Polygon(&paths, band, 4, Make_Path_Colour(70, 120, 255, 220));
    // The first-down line in yellow at its place on every snap, with a
    // pennant of the marker's size pointing the way the offence goes.
    const int32_t direction = Attack_Direction(pGame);
    double first_down = x + direction * STRIP_YARDS_WIDTH * to_go / 100.0;
    first_down = std::max<double>(STRIP_LEFT, std::min<double>(STRIP_RIGHT, first_down));
    const double line[] = {first_down - 0.8, STRIP_TOP,    first_down + 0.8, STRIP_TOP,
                           first_down + 0.8, STRIP_BOTTOM, first_down - 0.8, STRIP_BOTTOM};
    Add_Polygon(&paths, line, 4, Make_Path_Colour(255, 230, 40, 230));
    const double tip = first_down + direction * size / 2.0;
    const double pennant[] = {
        first_down, STRIP_TOP, tip, STRIP_TOP + size / 4.0, first_down, STRIP_TOP + size / 2.0};
    Add_Polygon(&paths, pennant, 3, Make_Path_Colour(255, 230, 40, 240));
    Render_In_Design_Rect(dc, &paths, {STRIP_LEFT - 20, STRIP_TOP, STRIP_RIGHT + 20, STRIP_BOTTOM});
    Free_Path_Collection(&paths);
}

void Draw_Ball_Marker(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame) {
    if (dc == nullptr || pGame == nullptr) return;
    const double left = Get_Field_Strip_X(pGame, 494) - 2;
    PATH_COLLECTION paths;
    // Two halves of a football, 10 units long.
    const double upper[] = {left, 67, left + 2, 64.5, left + 5, 64, left + 8, 64.5, left + 10, 67};
    const double lower[] = {left, 66, left + 10, 66, left + 8, 68.5, left + 5, 69, left + 2, 68.5};
    Add_Polygon(&paths, upper, 5, Make_Path_Colour(140, 70, 30));
    Add_Polygon(&paths, lower, 5, Make_Path_Colour(118, 58, 24));
    const double lace[] = {left + 3.5, 66.2, left + 6.5, 66.2, left + 6.5, 66.8, left + 3.5, 66.8};
    Add_Polygon(&paths, lace, 4, Make_Path_Colour(250, 250, 250));
    Render_In_Design_Rect(dc, &paths, {STRIP_LEFT - 20, STRIP_TOP, STRIP_RIGHT + 20, STRIP_BOTTOM});
    Free_Path_Collection(&paths);
}

int32_t Get_Remembered_Result_Frame() {
    return remembered_frame;
}

int32_t Draw_Play_Result_Panel_On(DEVICE_CONTEXT* dc, int32_t frame, int32_t reset) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (game == nullptr) return 0;
    const int32_t shown = remembered_frame;
    if (reset == 1) remembered_frame = -1;
    if (frame >= 0)
        remembered_frame = frame;
    else
        frame = remembered_frame;
    // With nothing shown and nothing to show the column is left alone: while
    // a call is open it lies over the middle play buttons.
    if (frame < 0 && shown < 0) return 0;
    const bool own_dc = dc == nullptr;
    if (own_dc) dc = Acquire_Main_Window_DC();
    if (dc == nullptr) return 0;
    Restore_Design_Rect(dc, RESULT_COLUMN);
    int32_t result = 0;
    int32_t top = RESULT_COLUMN.Top;
    const uint32_t wrapped = TEXT_WORD_BREAK;
    for (int32_t i = 0; i <= frame && i <= SUMMARY_FRAME; ++i) {
        const RECT_AREA area = {RESULT_COLUMN.Left, top, RESULT_COLUMN.Right, RESULT_COLUMN.Bottom};
        if (i < SUMMARY_FRAME) {
            if (game->Current_Play.Events[i].Event_Id == NO_COMMENTARY_EVENT) {
                result = 0;
                continue;
            }
            char line[COMMENTARY_LINE_SIZE];
            Get_Commentary_Line(i, line, sizeof line);
            top += Draw_Design_Text(dc, line, area, wrapped, Get_Game_Day_Colours(GAME_DAY_MAIN_TEXT),
                                    RESULT_FONT) +
                   2;
            result = 1;
            continue;
        }
        char summary[TEXT_BUFFER_SIZE];
        Write_Play_Summary_Sentence(game, &game->Current_Play, summary, sizeof summary);
        top += Draw_Design_Text(dc, summary, area, wrapped, Get_Game_Day_Colours(GAME_DAY_HIGHLIGHT_TEXT),
                                RESULT_FONT);
        if (Universe.Header.Require_Click_After_Each_Play != 0) {
            Draw_Design_Text(dc, "Click to continue...",
                             {RESULT_COLUMN.Left, top + 2, RESULT_COLUMN.Right, RESULT_COLUMN.Bottom},
                             wrapped, Get_Game_Day_Colours(GAME_DAY_SECONDARY_TEXT), RESULT_FONT);
            result = 0;
        } else {
            result = 2;
        }
    }
    if (own_dc) {
        Release_Main_Window_DC();
        Update_Game_Day_Window();
    }
    return result;
}

int32_t Draw_Play_Result_Panel(void* dc, int32_t frame, int32_t bFinal) {
    return Draw_Play_Result_Panel_On(static_cast<DEVICE_CONTEXT*>(dc), frame, bFinal);
}

void Draw_Grey_Label_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, const char* text) {
    if (dc == nullptr) return;
    Fill_Design_Rect(dc, rect, Make_Colour(170, 170, 170));
    Draw_Design_Text(dc, text, rect, TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE,
                     Make_Colour(0, 0, 0), LABEL_FONT);
}
