#include "views/draft_board_view.h"

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/college_draft_pick.h"
#include "dialogs/scouting_report.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_state.h"
#include "platform/text_render.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t POOL_FOR_NEXT_DRAFT = 100;
constexpr int32_t LINES_PER_COLUMN = 18;
constexpr int32_t BUTTON_FONT = 9;
constexpr COLOUR_VALUE GREY = 0x717171;
constexpr COLOUR_VALUE LIGHT_GREY = 0xAAAAAA;
constexpr int32_t LINE_SIZE = 192;

enum BUTTON { PREVIOUS_YEAR, NEXT_YEAR, PREVIOUS_ROUND, NEXT_ROUND, BUTTONS };
constexpr RECT_AREA BUTTON_RECTS[BUTTONS] = {
    {2, 0, 141, 27}, {627, 0, 768, 27}, {2, 31, 141, 58}, {627, 31, 768, 58}};
constexpr const char* BUTTON_LABELS[BUTTONS] = {"Previous Year", "Next Year", "Previous Round", "Next Round"};

// Set while the empty pool's end of the draft runs, so a mouse move under its
// box does not start it again.
bool Ending_Draft = false;

int32_t Board_Round() {
    const int32_t round = Get_User_Preference(DRAFT_BOARD_ROUND);
    return round < 1 ? 1 : (round > DRAFT_BOARD_ROUNDS ? DRAFT_BOARD_ROUNDS : round);
}

int32_t Board_Year() {
    const int32_t newest = Get_Newest_Draft_Board_Year();
    const int32_t year = Get_User_Preference(DRAFT_BOARD_YEAR);
    return year > newest || year <= 0 ? newest : year;
}

int32_t Picks_Per_Round() {
    return Count_Active_Teams();
}

RECT_AREA Line_Rect(int32_t line) {
    const int32_t column = line / LINES_PER_COLUMN, row = line % LINES_PER_COLUMN;
    return {20 + 300 * column, 70 + 20 * row, 320 + 300 * column, 90 + 20 * row};
}

bool Is_Button_Enabled(int32_t button) {
    switch (button) {
    case PREVIOUS_YEAR:
        return Board_Year() > Get_Universe_Stat(BASE_YEAR);
    case NEXT_YEAR:
        return Board_Year() < Get_Newest_Draft_Board_Year();
    case PREVIOUS_ROUND:
        return Board_Round() >= 2;
    default:
        return Board_Round() < DRAFT_BOARD_ROUNDS;
    }
}

bool Is_Coming_Draft(int32_t year) {
    return year == Get_Newest_Draft_Board_Year() && Count_Draft_Pool_Players() > POOL_FOR_NEXT_DRAFT;
}

void Get_Full_Name_Of(int32_t team, char* out) {
    out[0] = '\0';
    if (Is_Valid_Team_Code(team)) Get_Team_Full_Name(team, out);
}

bool Is_Draft_Under_Way() {
    return Get_User_Preference(DRAFT_ROUND) < NO_COLLEGE_DRAFT_ROUND;
}

// The draft noticed on the board with its pool empty ends once.
void End_Draft_With_Empty_Pool() {
    if (Ending_Draft) return;
    Ending_Draft = true;
    Close_College_Draft(1);
    Ending_Draft = false;
}

int32_t Line_Under(int32_t x, int32_t y) {
    const int32_t picks = Picks_Per_Round();
    for (int32_t line = 0; line < picks; ++line)
        if (Is_Point_In_Design_Rect(Line_Rect(line), x, y)) return line;
    return -1;
}

bool Has_Drafted_Player(int32_t year, int32_t pick) {
    int32_t team = NO_TEAM, slot = 255;
    return pick >= 1 && Find_Drafted_Player(&team, &slot, year, pick);
}
} // namespace

int32_t Get_Newest_Draft_Board_Year() {
    const bool waiting_pool = Count_Draft_Pool_Players() > POOL_FOR_NEXT_DRAFT &&
                              !Is_College_Draft_Underway() &&
                              Get_User_Preference(CURRENT_WEEK) != OFF_SEASON_WEEK;
    return Get_Current_Year() + (waiting_pool ? 1 : 0);
}

int32_t Get_Draft_Board_Pick(int32_t round, int32_t line, int32_t picks_per_round) {
    return (round - 1) * picks_per_round + 1 + line;
}

bool Find_Drafted_Player(int32_t* team, int32_t* slot, int32_t year, int32_t pick) {
    if (team == nullptr || slot == nullptr) return false;
    *team = NO_TEAM;
    *slot = 255;
    const int32_t active = Count_Active_Teams();
    for (int32_t t = 0; t < active && t < MAX_FRANCHISES; ++t) {
        if (!Is_Active_Team(t)) continue;
        for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s)) continue;
            if (Get_Player_Vital_Stat(t, s, VITAL_DRAFT_RECORD) % 10000 != year) continue;
            if (Get_Player_Vital_Stat(t, s, VITAL_DRAFT_SLOT) % 1000 != pick) continue;
            *team = t;
            *slot = s;
            return true;
        }
    }
    return false;
}

void Get_Draft_Board_Line_Text(int32_t line, char* out, int32_t size) {
    out[0] = '\0';
    const int32_t year = Board_Year(), round = Board_Round();
    const int32_t pick = Get_Draft_Board_Pick(round, line, Picks_Per_Round());
    char name[FORMATTED_TEXT_SIZE];
    int32_t team = NO_TEAM, slot = 255;
    if (Find_Drafted_Player(&team, &slot, year, pick)) {
        char abbreviation[FORMATTED_TEXT_SIZE], position[RESOURCE_STRING_LIMIT] = "";
        const int32_t drafter = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) / 10000 - 1;
        Get_Team_String(abbreviation, Is_Valid_Team_Code(drafter) ? drafter : team, 0);
        Get_Player_Full_Name(team, slot, name);
        const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (code >= 0 && code < NUMBER_OF_POSITIONS)
            Load_Resource_String(STRING_POSITION_SHORT + code, position);
        else if (code == ANY_POSITION)
            safe_strncpy(position, "Any", sizeof position);
        safe_sprintf(out, size, "%3d) %s: %s, %s", pick, abbreviation, name, position);
        return;
    }
    const int32_t forfeited = Get_Draft_Pick_Team(year, pick);
    if (!Is_No_Team(forfeited)) {
        Get_Full_Name_Of(forfeited, name);
        safe_sprintf(out, size, "%3d) (Forfeited by %s)", pick, name);
        return;
    }
    if (Is_Coming_Draft(year)) {
        if (line >= MAX_FRANCHISES) return;
        const int32_t original = Get_Draft_Order_Team(line);
        if (!Is_Valid_Team_Code(original)) return;
        const int32_t owner = Get_Draft_Pick_Owner(0, round - 1, original);
        if (owner < 0 || !Is_Active_Team(owner)) {
            // A negative code marks the forfeiting team; a code that marks
            // no team names none.
            Get_Full_Name_Of(owner < 0 ? owner + FORFEITED_PICK_OWNER : NO_TEAM, name);
            if (name[0] != '\0')
                safe_sprintf(out, size, "%3d) Forfeited (by %s)", pick, name);
            else
                safe_sprintf(out, size, "%3d) Forfeited", pick);
        } else if (owner == original) {
            Get_Full_Name_Of(owner, name);
            safe_sprintf(out, size, "%3d) %s", pick, name);
        } else {
            char abbreviation[FORMATTED_TEXT_SIZE];
            Get_Full_Name_Of(owner, name);
            Get_Team_String(abbreviation, original, 0);
            safe_sprintf(out, size, "%3d) %s (from %s)", pick, name, abbreviation);
        }
        return;
    }
    if (year < Get_Newest_Draft_Board_Year())
        safe_sprintf(out, size, "%3d) Player not currently in league", pick);
}

void Paint_Draft_Board_View(DEVICE_CONTEXT* dc) {
    if (Get_User_Preference(DRAFT_BOARD_YEAR) > Get_Newest_Draft_Board_Year())
        Set_User_Preference(DRAFT_BOARD_YEAR, Get_Newest_Draft_Board_Year());
    Draw_View_Background(dc, "News\\Draft.jpg");
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const bool robotic = Is_Skin_Named("robotic");
    const bool light = Is_Skin_Named("ice") || Is_Skin_Named("fire");
    const int32_t year = Board_Year(), round = Board_Round();
    char text[LINE_SIZE];
    safe_sprintf(text, sizeof text, "%d Draft: Round %d", year, round);
    {
        VIEW_FONT font(dc, robotic ? 13 : (light ? 11 : 12));
        if (light)
            Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255), VIEW_ACCENT_COLOURS);
        else
            Set_View_Text_Colours(dc, VIEW_ACCENT_COLOURS);
        Draw_View_Text(dc, text, {140, 4, 640, 54}, TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
    VIEW_FONT font(dc, BUTTON_FONT);
    const COLOUR_VALUE disabled = light ? LIGHT_GREY : GREY;
    for (int32_t button = 0; button < BUTTONS; ++button) {
        RECT_AREA box = BUTTON_RECTS[button];
        uint32_t format = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
        const bool left = button == PREVIOUS_YEAR || button == PREVIOUS_ROUND;
        if (robotic) {
            format |= TEXT_CENTRE;
        } else if (left) {
            box.Left += 22;
            box.Right += 22;
        } else {
            box.Left -= 27;
            box.Right -= 27;
            format |= TEXT_RIGHT;
        }
        if (!Is_Button_Enabled(button))
            Set_Text_Colour(dc, disabled);
        else if (light)
            Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255));
        else
            Set_View_Text_Colours(dc, VIEW_LIGHT_COLOURS);
        Draw_View_Text(dc, BUTTON_LABELS[button], box, format);
    }
    const int32_t picks = Picks_Per_Round();
    const bool coming = Is_Coming_Draft(year);
    for (int32_t line = 0; line < picks; ++line) {
        Get_Draft_Board_Line_Text(line, text, sizeof text);
        const int32_t pick = Get_Draft_Board_Pick(round, line, picks);
        int32_t team = NO_TEAM, slot = 255;
        VIEW_COLOURS colours = VIEW_LIGHT_COLOURS;
        if (Find_Drafted_Player(&team, &slot, year, pick)) {
            const int32_t drafter = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) / 10000 - 1;
            if (Is_Human_Team(drafter)) colours = VIEW_ACCENT_COLOURS;
        } else if (Is_No_Team(Get_Draft_Pick_Team(year, pick))) {
            if (coming)
                colours = {Make_Colour(255, 215, 215), Make_Colour(30, 30, 130)};
            else if (year < Get_Newest_Draft_Board_Year())
                colours = {GREY, GREY};
        }
        Draw_View_Text(dc, text, Line_Rect(line), TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, colours);
    }
}

int32_t Is_Draft_Board_Hot_Spot(int32_t x, int32_t y) {
    for (const RECT_AREA& box : BUTTON_RECTS)
        if (Is_Point_In_Design_Rect(box, x, y)) return 1;
    const int32_t line = Line_Under(x, y);
    if (line < 0) return 0;
    const int32_t year = Board_Year();
    const int32_t pick = Get_Draft_Board_Pick(Board_Round(), line, Picks_Per_Round());
    if (Has_Drafted_Player(year, pick)) return 2;
    if (!Is_Draft_Under_Way()) return 0;
    if (Count_Draft_Pool_Players() == 0) {
        End_Draft_With_Empty_Pool();
        return 0;
    }
    return Has_Drafted_Player(year, pick - 1) ? 2 : 0;
}

void Do_Draft_Board_Click(int32_t x, int32_t y) {
    for (int32_t button = 0; button < BUTTONS; ++button) {
        if (!Is_Point_In_Design_Rect(BUTTON_RECTS[button], x, y)) continue;
        const int32_t year = Board_Year(), round = Board_Round();
        int32_t new_year = year, new_round = round;
        if (button == PREVIOUS_YEAR && year > Get_Current_Year() - DRAFT_BOARD_YEARS_BACK) --new_year;
        if (button == NEXT_YEAR && year < Get_Newest_Draft_Board_Year()) ++new_year;
        if (button == PREVIOUS_ROUND && round >= 2) --new_round;
        if (button == NEXT_ROUND && round < DRAFT_BOARD_ROUNDS) ++new_round;
        if (new_year == year && new_round == round) return;
        Play_Sound_Effect("button.wav");
        Set_User_Preference(DRAFT_BOARD_YEAR, new_year);
        Set_User_Preference(DRAFT_BOARD_ROUND, new_round);
        Repaint_View();
        return;
    }
    const int32_t line = Line_Under(x, y);
    if (line < 0) return;
    const int32_t year = Board_Year();
    const int32_t pick = Get_Draft_Board_Pick(Board_Round(), line, Picks_Per_Round());
    int32_t team = NO_TEAM, slot = 255;
    if (Find_Drafted_Player(&team, &slot, year, pick)) {
        Show_Scouting_Report(Main_Window, team, slot);
        return;
    }
    if (!Is_Draft_Under_Way()) return;
    if (Count_Draft_Pool_Players() == 0) {
        End_Draft_With_Empty_Pool();
        return;
    }
    if (pick >= 1 && Has_Drafted_Player(year, pick - 1)) Open_College_Draft_List(Main_Window);
}
