#include "views/finances_view.h"

#include "app/design_scaling.h"
#include "app/drawing_primitives.h"
#include "app/skins.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/stat_headings.h"
#include "platform/control_drawing.h"
#include "platform/text_render.h"
#include "views/finance_texts.h"
#include "views/standings_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t ROWS = 18;
constexpr int32_t TITLE_FONT = 12;
constexpr int32_t NOTE_FONT = 5;
constexpr int32_t ROW_FONT = 9;
constexpr int32_t HEADING_FONT_ROW = 5;
constexpr int32_t CELL_LEFT[9] = {29, 162, 232, 302, 372, 442, 512, 582, 652};

// A text below zero takes its colour first, the league average's too.
VIEW_COLOURS Cell_Colours(int32_t team, const char* text) {
    const bool human = Is_Human_Team(team) != 0;
    if (text[0] == '-') {
        if (human) return {Make_Colour(255, 170, 170), Make_Colour(110, 0, 0)};
        return {Make_Colour(210, 180, 110), Make_Colour(180, 50, 50)};
    }
    if (human) return VIEW_ACCENT_COLOURS;
    if (team == FINANCE_LEAGUE_ROW) return {Make_Colour(255, 215, 215), Make_Colour(30, 30, 130)};
    return {Make_Colour(170, 166, 46), Make_Colour(180, 50, 50)};
}

void Draw_Title(DEVICE_CONTEXT* dc, int32_t league) {
    const int32_t right = Is_Earth_Skin() ? 426 : 380;
    char name[LEAGUE_NAME_LENGTH + 1] = "";
    Get_League_Name(league, name);
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, sizeof text, "%s Finances", name);
    const uint32_t one_line = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    {
        VIEW_FONT font(dc, TITLE_FONT);
        if (Is_Ice_Or_Fire_Skin())
            Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255), VIEW_ACCENT_COLOURS);
        else
            Set_View_Text_Colours(dc, VIEW_ACCENT_COLOURS);
        Draw_View_Text(dc, text, {100, 19, right, 59}, one_line);
    }
    if (Count_Leagues() > 1) {
        Get_League_Name(1 - league, name);
        safe_sprintf(text, sizeof text, "Click for %s", name);
        VIEW_FONT font(dc, NOTE_FONT);
        Draw_View_Text(dc, text, {right, 44, 580, 65}, one_line, VIEW_ACCENT_COLOURS);
    }
}

void Draw_Headings(DEVICE_CONTEXT* dc) {
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    Set_Fixed_View_Text_Colour(dc, light ? Make_Colour(255, 255, 255) : Make_Colour(0, 0, 0));
    for (int32_t k = 0; k < FINANCE_COLUMN_COUNT; ++k) {
        RECT_AREA box = {160 + 70 * k, 74, 230 + 70 * k, 92};
        if (!light) {
            RECT_AREA frame = box;
            Scale_Rect_To_Window(&frame);
            Draw_Frame_Control(dc, frame, FRAME_BUTTON, 0);
            box.Left += 2;
            box.Right -= 2;
        } else {
            box.Left += 14;
            box.Right += 10;
        }
        char heading[FORMATTED_TEXT_SIZE];
        Get_Finance_Stat_Heading(Get_User_Preference(FINANCE_COLUMN_SETTING + k), heading, sizeof heading);
        if (heading[0] != '\0') Draw_Scaled_Text_Box(dc, &box, heading, HEADING_FONT_ROW);
    }
}
} // namespace

int32_t Get_Finance_Row_Team(int32_t league, int32_t row) {
    const int32_t teams = Count_League_Teams(league);
    if (row < teams) return Get_Nth_Team_In_Conference(league, row);
    if (teams == ROWS - 1 && row == ROWS - 1) return FINANCE_LEAGUE_ROW;
    if (row == teams + 1) return FINANCE_LEAGUE_ROW;
    return NO_TEAM;
}

void Paint_Finances_View(DEVICE_CONTEXT* dc) {
    Draw_View_Background(dc, "news\\finance.jpg");
    Clear_Unit_Rating_Cache();
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Draw_Headings(dc);
    const int32_t league = Get_Shown_League();
    Draw_Title(dc, league);
    VIEW_FONT font(dc, ROW_FONT);
    const int32_t shift = Is_Ice_Or_Fire_Skin() ? 12 : 0;
    for (int32_t row = 0; row < ROWS; ++row) {
        const int32_t team = Get_Finance_Row_Team(league, row);
        if (team != FINANCE_LEAGUE_ROW && !Is_Valid_Team_Code(team)) continue;
        const int32_t top = 19 * row + 96 + row / 3;
        char text[FORMATTED_TEXT_SIZE];
        Get_Team_Location_Name(team, text);
        const uint32_t format = TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE;
        Draw_View_Text(dc, text, {CELL_LEFT[0] + shift, top, CELL_LEFT[0] + 131 + shift, top + 16}, format,
                       Cell_Colours(team, text));
        for (int32_t k = 0; k < FINANCE_COLUMN_COUNT; ++k) {
            Get_Finance_Stat_Text(team, Get_User_Preference(FINANCE_COLUMN_SETTING + k), text);
            const int32_t left = CELL_LEFT[k + 1] + shift;
            Draw_View_Text(dc, text, {left, top, left + 68, top + 16}, format | TEXT_CENTRE,
                           Cell_Colours(team, text));
        }
    }
}
