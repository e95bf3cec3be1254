#include "views/standings_view.h"

#include "app/drawing_primitives.h"
#include "app/skins.h"
#include "app/sounds_and_cursors.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/stat_headings.h"
#include "personnel/draft_state.h"
#include "platform/text_render.h"
#include "views/current_view.h"
#include "views/standings_texts.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t CHOOSE_STANDINGS_STAT_DIALOG = 143;
constexpr int32_t TITLE_FONT = 12;
constexpr int32_t ROW_FONT = 5;
constexpr int32_t COLUMNS = 10;
constexpr int32_t STAT_COLUMNS = 5;
constexpr int32_t COLUMN_LEFT[COLUMNS] = {15, 130, 169, 208, 247, 300, 384, 468, 552, 636};
constexpr int32_t COLUMN_WIDTH[COLUMNS] = {115, 39, 39, 39, 39, 84, 84, 84, 84, 84};
constexpr int32_t ROW_HEIGHT = 14;
constexpr VIEW_COLOURS HUMAN_COLOURS = {0x45F9FF, 0x00006E};
constexpr VIEW_COLOURS AVERAGE_COLOURS = {0xD7D7FF, 0x821E1E};
// The division headers' colours, both light: the headers lie on the league's dark bar.
constexpr VIEW_COLOURS DIVISION_COLOURS = {0x45F9FF, 0xFFFFFF};
constexpr RECT_AREA TITLE_BAND = {0, 12, 768, 66};

int32_t Column_Left(int32_t column) {
    // The earth skin's picture spreads the last four columns.
    if (column >= 6 && Is_Earth_Skin()) return COLUMN_LEFT[column] + 4 * (column - 5);
    return COLUMN_LEFT[column];
}

int32_t Heading_Left(int32_t k, bool painted) {
    return 300 + 84 * k + (painted && Is_Earth_Skin() ? 4 * k : 0);
}

int32_t First_Division(int32_t league) {
    return 4 * league;
}

int32_t Last_Division(int32_t league) {
    const int32_t count = Count_League_Divisions(league);
    return First_Division(league) + (count > 0 ? count : 1) - 1;
}

int32_t Row_Top(int32_t division, int32_t place) {
    return Get_Division_Top(division) + 17 + ROW_HEIGHT * place;
}

void Set_Title_Colour(DEVICE_CONTEXT* dc) {
    if (Is_Ice_Or_Fire_Skin())
        Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255), HUMAN_COLOURS);
    else
        Set_View_Text_Colours(dc, HUMAN_COLOURS);
}

void Draw_Title(DEVICE_CONTEXT* dc, int32_t league) {
    char name[LEAGUE_NAME_LENGTH + 1] = "";
    Get_League_Name(league, name);
    char title[FORMATTED_TEXT_SIZE];
    if (Is_College_Draft_Underway())
        safe_sprintf(title, sizeof title, "%s (%d)", name, Get_Current_Year() - 1);
    else
        safe_sprintf(title, sizeof title, "%s Standings", name);
    const int32_t right = Is_Earth_Skin() ? 426 : 380;
    {
        VIEW_FONT font(dc, TITLE_FONT);
        Set_Title_Colour(dc);
        Draw_View_Text(dc, title, {100, 19, right, 59},
                       TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
    if (Count_Leagues() > 1) {
        char other[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(1 - league, other);
        safe_sprintf(title, sizeof title, "Click for %s", other);
        VIEW_FONT font(dc, ROW_FONT);
        Draw_View_Text(dc, title, {400, 44, 580, 65}, TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE,
                       HUMAN_COLOURS);
    }
}

void Draw_Division_Header(DEVICE_CONTEXT* dc, int32_t league, int32_t division) {
    const int32_t y = Get_Division_Top(division);
    Fill_Design_Rect(dc, {0, y, 297, y + 16}, Get_League_Colour(league));
    const COLOUR_VALUE colour = Pick_View_Colour(DIVISION_COLOURS);
    char name[DIVISION_NAME_LENGTH + 1] = "";
    Get_Division_Name(division, name);
    Draw_Shadowed_Text(dc, name, colour, {15, y - 1, 130, y + 18}, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    const char* const labels[4] = {"W", "L", "T", "Pct."};
    Set_View_Text_Colours(dc, DIVISION_COLOURS);
    for (int32_t k = 0; k < 4; ++k)
        Draw_View_Text(dc, labels[k], {130 + 39 * k, y - 1, 169 + 39 * k, y + 18},
                       TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
}

void Draw_Row(DEVICE_CONTEXT* dc, int32_t top, const char texts[COLUMNS][32]) {
    for (int32_t column = 0; column < COLUMNS; ++column) {
        const int32_t left = Column_Left(column);
        Draw_View_Text(dc, texts[column], {left, top, left + COLUMN_WIDTH[column], top + ROW_HEIGHT},
                       (column == 0 ? 0u : TEXT_CENTRE) | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
}
} // namespace

int32_t Get_Shown_League() {
    return Get_Setting_Index(SHOWN_LEAGUE, 2, 0);
}

int32_t Get_Division_Top(int32_t division) {
    int32_t top = 101;
    for (int32_t d = division - division % 4; d < division && d >= 0; ++d)
        top += 20 + 14 * Count_Standings_Lines(d);
    return top;
}

COLOUR_VALUE Get_League_Colour(int32_t league) {
    static constexpr COLOUR_VALUE LEAGUE_BAR_COLOURS[2] = {0x101060, 0x703000};
    return LEAGUE_BAR_COLOURS[league == 1 ? 1 : 0];
}

void Paint_Standings_Background(DEVICE_CONTEXT* dc) {
    Draw_View_Background(dc, "news\\standing.jpg");
}

void Paint_Standings_View(DEVICE_CONTEXT* dc) {
    Paint_Standings_Background(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const int32_t league = Get_Shown_League();
    Draw_Title(dc, league);
    {
        VIEW_FONT font(dc, ROW_FONT);
        Set_Fixed_View_Text_Colour(dc, Is_Earth_Skin() ? Make_Colour(0, 0, 0) : Make_Colour(255, 255, 255));
        for (int32_t k = 0; k < STAT_COLUMNS; ++k) {
            char heading[FORMATTED_TEXT_SIZE];
            Get_Standings_Stat_Heading(Get_User_Preference(STANDINGS_COLUMN_SETTING + k), heading,
                                       sizeof heading);
            const int32_t x = Heading_Left(k, true);
            // Shrunk to fit, so a two-word heading keeps both lines in its box.
            RECT_AREA box = {x + 3, 75, x + 81, 94};
            if (heading[0] != '\0') Draw_Scaled_Text_Box(dc, &box, heading, ROW_FONT);
        }
    }
    VIEW_FONT font(dc, ROW_FONT);
    const int32_t last = Last_Division(league);
    char texts[COLUMNS][32];
    for (int32_t division = First_Division(league); division <= last; ++division) {
        if (Count_Division_Teams(division) == 0) continue;
        Draw_Division_Header(dc, league, division);
        const int32_t places = Count_Standings_Lines(division);
        for (int32_t place = 0; place < places; ++place) {
            const int32_t team = Get_Standings_Line_Team(division, place);
            for (int32_t column = 0; column < COLUMNS; ++column)
                Get_Standings_Team_Cell_Text(team, column, texts[column]);
            const bool human = Is_Human_Team(team) != 0;
            Set_View_Text_Colours(dc, human ? HUMAN_COLOURS : VIEW_LIGHT_COLOURS);
            Draw_Row(dc, Row_Top(division, place), texts);
        }
    }
    for (int32_t column = 0; column < COLUMNS; ++column)
        texts[column][0] = '\0';
    safe_strncpy(texts[0], "NFL Average", 32);
    for (int32_t column = 5; column < COLUMNS; ++column)
        Get_League_Stat_Text(Get_User_Preference(STANDINGS_COLUMN_SETTING + column - 5), texts[column]);
    Set_View_Text_Colours(dc, AVERAGE_COLOURS);
    Draw_Row(dc, Get_Division_Top(last) + ROW_HEIGHT * Count_Standings_Lines(last) + 25, texts);
}

int32_t Is_Standings_Hot_Spot(int32_t x, int32_t y) {
    if (Count_Leagues() > 1 && Is_Point_In_Design_Rect(TITLE_BAND, x, y)) return 1;
    for (int32_t k = 0; k < STAT_COLUMNS; ++k) {
        const int32_t left = Heading_Left(k, false);
        if (Is_Point_In_Design_Rect({left, 72, left + 84, 91}, x, y)) return 1;
    }
    const int32_t league = Get_Shown_League();
    for (int32_t division = First_Division(league); division <= Last_Division(league); ++division)
        for (int32_t place = 0; place < Count_Standings_Lines(division); ++place) {
            const int32_t top = Row_Top(division, place);
            if (Is_Point_In_Design_Rect({15, top, 130, top + ROW_HEIGHT}, x, y)) return 1;
        }
    return 0;
}

void Do_Standings_Click(int32_t x, int32_t y) {
    if (Count_Leagues() > 1 && Is_Point_In_Design_Rect(TITLE_BAND, x, y)) {
        Play_Sound_Effect("button.wav");
        Set_User_Preference(SHOWN_LEAGUE, (Get_Shown_League() + 1) % 2);
        Repaint_View();
    }
    for (int32_t k = 0; k < STAT_COLUMNS; ++k) {
        const int32_t left = Heading_Left(k, true);
        if (Is_Point_In_Design_Rect({left, 72, left + 84, 91}, x, y))
            Choose_View_Column_Stat(CHOOSE_STANDINGS_STAT_DIALOG, STANDINGS_COLUMN_SETTING + k,
                                    STANDINGS_CHOOSING_MARKER, SOUND_AFTER_BLANKING);
    }
    const int32_t league = Get_Shown_League();
    for (int32_t division = First_Division(league); division <= Last_Division(league); ++division)
        for (int32_t place = 0; place < Count_Standings_Lines(division); ++place) {
            const int32_t top = Row_Top(division, place);
            if (!Is_Point_In_Design_Rect({15, top, 130, top + ROW_HEIGHT}, x, y)) continue;
            Play_Sound_Effect("button.wav");
            const int32_t team = Get_Standings_Line_Team(division, place);
            Set_User_Preference(VIEWED_TEAM, team);
            if (Is_Human_Team(team)) Set_User_Preference(USER_TEAM, team);
            Set_Current_View(CALENDAR_VIEW);
            return;
        }
}
