#include "views/games_view.h"

#include <algorithm>

#include "app/app_fonts.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/skins.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_text.h"
#include "engine/playbook_records.h"
#include "platform/control_drawing.h"
#include "platform/message_box.h"
#include "platform/text_render.h"
#include "reports/shell_open.h"
#include "views/box_score_panels.h"
#include "views/current_view.h"
#include "views/game_day_panels.h"
#include "views/game_day_screen.h"
#include "views/game_day_view.h"
#include "views/game_stat_lines.h"
#include "views/games_view_texts.h"
#include "views/play_call_panels.h"
#include "views/play_calling.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t DEPTH_CHART_DIALOG = 119;
constexpr int32_t SMALL_FONT = 1;
constexpr int32_t TEXT_FONT = 2;
constexpr int32_t NAME_FONT = 5;
// The design width a game's score takes at the end of its team's line, with a gap.
constexpr int32_t SCORE_ROOM = 20;
constexpr int32_t CLOCK_FONT = 14;
constexpr int32_t WEEK_TABS = 6;
constexpr int32_t OTHER_GAME_BOXES = 36;
// The inside of the frame the background draws round the other games.
constexpr int32_t PANEL_INSIDE_LEFT = 12;
constexpr int32_t PANEL_INSIDE_RIGHT = 756;
constexpr uint32_t ONE_LINE = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
constexpr uint32_t CENTRED = TEXT_CENTRE | ONE_LINE;
constexpr RECT_AREA BOX_SCORE_BUTTON = {346, 105, 422, 120};
constexpr RECT_AREA RECAP_BUTTON = {346, 121, 422, 136};
constexpr COLOUR_VALUE WHITE = Make_Colour(255, 255, 255);
constexpr COLOUR_VALUE BLACK = Make_Colour(0, 0, 0);

bool Is_Inside(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

RECT_AREA Team_Name_Rect(int32_t side) {
    return {19 + 590 * side, 7, 160 + 590 * side, 21};
}

RECT_AREA Team_Record_Rect(int32_t side) {
    return {190 + 350 * side, 7, 228 + 350 * side, 21};
}

RECT_AREA Other_Game_Box(int32_t k) {
    const int32_t c = k % 6, r = k / 6;
    return {128 * c + 6, 56 * r + 295, 128 * c + 124, 56 * r + 341};
}

// The line of a box of the other games that names the game's best player:
// from the line's top to the box's foot, across the box's column but inside
// the panel's frame.
RECT_AREA Performer_Line(int32_t k) {
    const RECT_AREA box = Other_Game_Box(k);
    return {std::max(box.Left - 2, PANEL_INSIDE_LEFT), box.Top + 32,
            std::min(box.Right + 2, PANEL_INSIDE_RIGHT), box.Bottom};
}

TEXT_COLOURS Scoreboard_Name_Colours(int32_t side) {
    const TEXT_COLOURS colours =
        Get_Game_Day_Colours(side == 0 ? GAME_DAY_HIGHLIGHT_TEXT : GAME_DAY_MAIN_TEXT);
    if (Is_Ice_Or_Fire_Skin() != 0)
        return Fix_View_Colour(side == 0 ? Make_Colour(212, 212, 212) : WHITE, {colours.Colour, BLACK});
    return colours;
}

TEXT_COLOURS Scoreboard_Heading_Colours() {
    const TEXT_COLOURS colours = Get_Game_Day_Colours(GAME_DAY_HEADING_TEXT);
    if (Is_Ice_Or_Fire_Skin() != 0)
        return Fix_View_Colour(Make_Colour(215, 218, 170), {colours.Colour, BLACK});
    return colours;
}

COLOUR_VALUE Situation_Colour() {
    return Is_Dark_Text() ? WHITE : Make_Colour(210, 180, 110);
}

// The side whose player the situation line names: side 1 when it scored
// more, else side 0.
int32_t Situation_Winning_Side(const GAME_RECORD* pGame) {
    return pGame->Score[1] > pGame->Score[0] ? 1 : 0;
}

// The side a box of the other games lights up: side 0 when it scored more,
// else side 1 (a tie lights side 1).
int32_t Box_Winning_Side(const GAME_RECORD* pGame) {
    return pGame->Score[0] > pGame->Score[1] ? 0 : 1;
}

void Format_Record(char* buffer, int32_t team) {
    const int32_t wins = Get_Team_Record_Char(team, 0), losses = Get_Team_Record_Char(team, 4),
                  ties = Get_Team_Record_Char(team, 8);
    if (ties > 0)
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d-%d-%d", wins, losses, ties);
    else
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d-%d", wins, losses);
}

void Get_Nickname(char* buffer, int32_t team) {
    buffer[0] = '\0';
    if (team <= HALL_OF_FAME_TEAM) Get_Team_String(buffer, team, 2);
}

// The displayed game's week (the shown record's when no game is live).
int32_t Shown_Week() {
    const GAME_RECORD* game = Get_Displayed_Game();
    return game != nullptr ? Get_Game_Week(game) : 0;
}

void Draw_Shadowed(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                   int32_t font_row) {
    DRAWING_FONT* font = Get_App_Font(font_row);
    Save_Device_Context(dc);
    if (font != nullptr) Select_Font(dc, font);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Draw_Shadowed_Text(dc, text, Situation_Colour(), rect, flags);
    Restore_Device_Context(dc);
    if (font != nullptr) Release_App_Font(font);
}

// The row's text colour, white (black with the dark text), gives the captions.
void Draw_Button(DEVICE_CONTEXT* dc, const RECT_AREA& design, const char* caption) {
    RECT_AREA window;
    if (!Design_To_Window_Rect(design, &window)) return;
    Draw_Frame_Control(dc, window, FRAME_BUTTON, 0);
    Draw_Design_Text(dc, caption, design, CENTRED, Pick_View_Colours(VIEW_LIGHT_COLOURS), SMALL_FONT);
}

// Opens a game page; a missing file or folder is said so.
void Open_Game_Page(bool recap) {
    char name[64];
    if (Is_Live_Game_Shown()) {
        if (recap) {
            Write_Recap_File(0);
            Get_Recap_File_Name(name);
        } else {
            Write_Box_Score_File(0);
            Get_Box_File_Name(name);
        }
    } else if (recap) {
        Get_Chosen_Game_Recap_File_Name(name);
    } else {
        Get_Chosen_Game_Box_File_Name(name);
    }
    if (Shell_Open(Main_Window, name)) return;
    Show_Formatted_Message(
        "Error",
        "Can't find %s file. Please make sure there is a directory labeled 'Output' in your "
        "Football Korva directory before simulating any more games.",
        recap ? "Game Recap" : "Box Score");
}

// The week tabs drawn: their first week and how many.
void Week_Tab_Span(int32_t* first, int32_t* count) {
    int32_t last = 0;
    Get_Week_Tab_Range(Shown_Week(), first, &last);
    *count = std::min(WEEK_TABS, std::max(0, last - *first + 1));
}

// The first completed game record of the week that `takes`; -1 when none.
template <typename TAKES> int32_t Find_First_Completed_Week_Record(int32_t week, TAKES takes) {
    const int32_t completed = std::min(Count_Completed_Games(), MAX_GAME_RECORDS);
    for (int32_t n = 0; n < completed; ++n) {
        const GAME_RECORD* game = Get_Game_Record(n);
        if (Get_Game_Week(game) == week && takes(*game)) return n;
    }
    return -1;
}

// A click on the scoreboard's side: the team becomes the viewed team (and
// the user's, when he runs it), then its depth chart opens during a watched
// game, else its calendar.
void Act_On_Scoreboard_Team(int32_t team) {
    Set_User_Preference(VIEWED_TEAM, team);
    if (Is_Used_Franchise_Slot(team) && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
        Get_User_Preference(MULTI_SEASON_SIMULATION) == 0)
        Set_User_Preference(USER_TEAM, team);
    if (Is_Live_Game_Shown()) {
        Refresh_Bars_And_Do_Dialog(Main_Window, DEPTH_CHART_DIALOG);
        Clear_Live_Box_Score_Player_Ids();
        Redraw_Main_Window();
    } else {
        Set_Current_View(CALENDAR_VIEW);
    }
}
} // namespace

void Get_Games_View_Background(char* buffer) {
    safe_strncpy(buffer, Is_Game_Being_Played() ? "news\\pbp.jpg" : "news\\games.jpg",
                 CURRENT_BACKGROUND_NAME_SIZE);
    Get_Skin_File_Path(buffer, CURRENT_BACKGROUND_NAME_SIZE);
}

void Draw_Games_View_Background_Only(DEVICE_CONTEXT* dc) {
    Get_Games_View_Background(Current_Background_Name);
    Draw_Screen_Background(dc);
}

void Paint_Games_View(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    // Painting draws nothing from the league's random sequence (names filled
    // in, ratings repaired), so a repaint never changes a game.
    RANDOM_STATE saved;
    Save_Random_State(&saved);
    std::fill(std::begin(Play_Button_State), std::end(Play_Button_State), BUTTON_PAINT);
    // A shown record that holds no game (kept by a game saved after the
    // records were cleared) is chosen afresh, as when none is shown.
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    if (shown == -1 || Is_Game_Record_Used(shown) == 0) {
        const int32_t last = Get_Team_Last_Game_Index(Get_User_Team());
        if (last != -1 || shown != -1) Set_User_Preference(SHOWN_GAME_INDEX, last);
    }
    Draw_Games_View_Background_Only(dc);
    if (Get_Displayed_Game() != nullptr) {
        Draw_Team_Comparison_Labels(dc);
        Draw_Games_View_Scoreboard(dc);
        Draw_Team_Comparison_Values(dc);
        Draw_Box_Score_Players(dc);
        Draw_Weather_Panel(dc);
        Draw_Games_View_Tabs(dc);
        Draw_Games_View_Lower_Panel(dc, false);
        Draw_Situation_Line(dc);
        Draw_Play_Result_Panel_On(dc, -1, 0);
    } else {
        Save_Device_Context(dc);
        Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
        Set_View_Text_Colours(dc, Get_Game_Day_Colours(GAME_DAY_HIGHLIGHT_TEXT));
        RECT_AREA box = {0, 300, 768, 350};
        Draw_Scaled_Text_Box(dc, &box,
                             "No games have been played this season.\nTo simulate games, use the Play Menu.",
                             NO_PREFERRED_FONT);
        Restore_Device_Context(dc);
    }
    Load_Random_State(&saved);
}

void Draw_Team_Comparison_Labels(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    const TEXT_COLOURS label = Get_Game_Day_Colours(GAME_DAY_SECONDARY_TEXT);
    for (int32_t k = 0; k < COMPARISON_ROWS; ++k)
        Draw_Design_Text(dc, Get_Team_Comparison_Label(game, k), {340, 146 + 11 * k, 426, 158 + 11 * k},
                         CENTRED, label, SMALL_FONT);
    const TEXT_COLOURS heading = Scoreboard_Heading_Colours();
    char title[FORMATTED_TEXT_SIZE];
    Get_Title_Game_Name(game, title);
    Draw_Design_Text(dc, title, {260, 4, 356, 17}, ONE_LINE, heading, SMALL_FONT);
    static const char* const QUARTERS[4] = {"Q1", "Q2", "Q3", "Q4"};
    for (int32_t k = 0; k < 4; ++k)
        Draw_Design_Text(dc, QUARTERS[k], {356 + 22 * k, 4, 378 + 22 * k, 17}, CENTRED, heading, SMALL_FONT);
    if (Is_Past_Regulation(game)) Draw_Design_Text(dc, "OT", {444, 4, 466, 17}, CENTRED, heading, SMALL_FONT);
    Draw_Design_Text(dc, Is_Game_Over(game) ? "Final" : "Score", {466, 4, 510, 17}, CENTRED, heading,
                     SMALL_FONT);
}

void Draw_Games_View_Scoreboard(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    const int32_t name_top = Is_Ice_Or_Fire_Skin() != 0 ? 5 : 7;
    const int32_t quarter = Get_Game_Quarter(game);
    char text[FORMATTED_TEXT_SIZE];
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = game->Team[side];
        const TEXT_COLOURS colour = Scoreboard_Name_Colours(side);
        Get_Scoreboard_Team_Name(team, text);
        const RECT_AREA name = Team_Name_Rect(side);
        const RECT_AREA name_box = {name.Left, name_top, name.Right, name_top + 14};
        // A long name takes a smaller font rather than leave its place.
        Draw_Design_Text(dc, text, name_box, CENTRED, colour,
                         Fit_View_Font_Row({{text, name_box}}, CENTRED, NAME_FONT));
        Format_Record(text, team);
        Draw_Design_Text(dc, text, Team_Record_Rect(side), CENTRED, colour, TEXT_FONT);
        Get_Nickname(text, team);
        Draw_Design_Text(dc, text, {254 + 172 * side, 124, 340 + 172 * side, 140}, CENTRED, colour,
                         TEXT_FONT);
        // The score table's row.
        const int32_t top = 15 + 13 * side, bottom = 30 + 13 * side;
        Draw_Design_Text(dc, text, {260, top, 356, bottom}, ONE_LINE, colour, SMALL_FONT);
        for (int32_t period = 0; period < 5; ++period) {
            if (period >= quarter || (period == 4 && !Is_Past_Regulation(game))) continue;
            safe_sprintf(text, sizeof text, "%d", Get_Game_Period_Score(game, period, side));
            Draw_Design_Text(dc, text, {356 + 22 * period, top, 378 + 22 * period, bottom}, CENTRED, colour,
                             SMALL_FONT);
        }
        safe_sprintf(text, sizeof text, "%d", game->Score[side]);
        Draw_Design_Text(dc, text, {477, top, 499, bottom}, CENTRED, colour, TEXT_FONT);
    }
}

void Draw_Team_Comparison_Values(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    char text[FORMATTED_TEXT_SIZE];
    for (int32_t side = 0; side < 2; ++side)
        for (int32_t k = 0; k < COMPARISON_ROWS; ++k) {
            Format_Team_Comparison_Value(text, game, k, side);
            Draw_Design_Text(dc, text, {254 + 172 * side, 146 + 11 * k, 340 + 172 * side, 158 + 11 * k},
                             CENTRED, Get_Side_Colours(side), SMALL_FONT);
        }
}

void Draw_Situation_Line(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    char text[FORMATTED_TEXT_SIZE + 32];
    if (!Is_Game_Being_Played()) {
        char best[FORMATTED_TEXT_SIZE];
        Format_Player_Of_The_Game(game, Situation_Winning_Side(game), best, false);
        safe_sprintf(text, sizeof text, "Player of the Game:\n%s", best);
        Draw_Shadowed(dc, text, {271, 64, 496, 96}, TEXT_CENTRE | TEXT_WORD_BREAK, TEXT_FONT);
        return;
    }
    Draw_Field_Strip(dc, game);
    Draw_Ball_Marker(dc, game);
    Format_Situation_Text(text, game);
    Draw_Shadowed(dc, text, {271, 80, 496, 96}, CENTRED, TEXT_FONT);
    Format_Game_Period(text, game);
    Draw_Design_Text(dc, text, {340, 102, 428, 117}, CENTRED, Fix_View_Colour(WHITE), NAME_FONT);
    if (Is_Game_Over(game))
        safe_strncpy(text, "0:00", sizeof text);
    else
        Format_Game_Clock(game, 0, text, sizeof text);
    Draw_Design_Text(dc, text, {340, 117, 428, 135}, CENTRED, Fix_View_Colour(WHITE), CLOCK_FONT);
}

void Draw_Games_View_Tabs(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    if (Is_Game_Being_Played()) {
        Draw_Play_Group_Tabs(dc);
        return;
    }
    Draw_Button(dc, RECAP_BUTTON, "Play-By-Play");
    Draw_Button(dc, BOX_SCORE_BUTTON, "Box Score");
    Draw_Week_Tabs(dc);
}

int32_t Draw_Week_Tabs(DEVICE_CONTEXT* dc) {
    const int32_t week = Shown_Week();
    int32_t first = 0, count = 0;
    Week_Tab_Span(&first, &count);
    if (dc != nullptr) {
        const bool light = Is_Ice_Or_Fire_Skin() != 0;
        const int32_t top = light ? 266 : 270;
        Draw_Tab_Plate(dc, {25, 266, 85, 285}, true);
        Draw_Design_Text(dc, "Scores", {25, top, 85, 285}, CENTRED, Fix_View_Colour(BLACK), TEXT_FONT);
        const int32_t mark = Universe.Post_Season_Days[3] - 1;
        for (int32_t k = 0; k < count; ++k) {
            const int32_t tab_week = first + k;
            char label[FORMATTED_TEXT_SIZE] = "";
            if (tab_week <= mark) Format_Week_Short_Name(tab_week, label);
            TEXT_COLOURS colour = Dim_View_Colour(light ? Make_Colour(170, 170, 170) : GREY_TAB_COLOUR);
            if (tab_week == week)
                colour = light ? Fix_View_Colour(WHITE) : Pick_View_Colours(VIEW_LIGHT_COLOURS);
            Draw_Tab_Plate(dc, {159 + 99 * k, 266, 248 + 99 * k, 285}, false);
            Draw_Design_Text(dc, label, {159 + 99 * k, top, 248 + 99 * k, 285}, CENTRED, colour, TEXT_FONT);
        }
    }
    return week - first;
}

int32_t Find_First_Completed_Week_Game_By_Home(int32_t week, int32_t team) {
    return Find_First_Completed_Week_Record(week,
                                            [team](const GAME_RECORD& game) { return game.Team[1] == team; });
}

int32_t Find_First_Completed_Week_Game(int32_t week, int32_t team) {
    return Find_First_Completed_Week_Record(
        week, [team](const GAME_RECORD& game) { return game.Team[0] == team || game.Team[1] == team; });
}

int32_t List_Other_Games(int32_t* records, int32_t most) {
    const int32_t week = Shown_Week();
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    int32_t count = 0;
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams && count < most; ++team) {
        const int32_t n = Find_First_Completed_Week_Game_By_Home(week, team);
        if (n >= 0 && n != shown) records[count++] = n;
    }
    return count;
}

void Draw_Other_Games_Panel(DEVICE_CONTEXT* dc) {
    if (dc == nullptr || Get_Displayed_Game() == nullptr) return;
    int32_t records[OTHER_GAME_BOXES];
    const int32_t count = List_Other_Games(records, OTHER_GAME_BOXES);
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    for (int32_t k = 0; k < count; ++k) {
        const GAME_RECORD* game = Get_Game_Record(records[k]);
        const int32_t c = k % 6, r = k / 6;
        const int32_t winner = Box_Winning_Side(game);
        for (int32_t side = 0; side < 2; ++side) {
            const VIEW_COLOURS& forms = side == winner ? VIEW_ACCENT_COLOURS : VIEW_LIGHT_COLOURS;
            const TEXT_COLOURS colour =
                light
                    ? Fix_View_Colour(side == winner ? Make_Colour(52, 52, 52) : BLACK, {forms.Light, BLACK})
                    : Pick_View_Colours(forms);
            // Each line from its top down to the box's foot.
            const RECT_AREA line = {128 * c + 26, 56 * r + 297 + 15 * side, 128 * c + 104, 56 * r + 346};
            // The name keeps clear of the score at the line's end, in a
            // smaller font where it needs the room.
            const RECT_AREA name = {line.Left, line.Top, line.Right - SCORE_ROOM, line.Bottom};
            char text[FORMATTED_TEXT_SIZE];
            Get_Team_Display_Name(game->Team[side], text);
            Draw_Design_Text(dc, text, name, TEXT_SINGLE_LINE, colour,
                             Fit_View_Font_Row({{text, name}}, TEXT_SINGLE_LINE, NAME_FONT));
            safe_sprintf(text, sizeof text, "%d", game->Score[side]);
            Draw_Design_Text(dc, text, line, TEXT_SINGLE_LINE | TEXT_RIGHT, colour, NAME_FONT);
        }
        // The game's best player on one line under the teams, clear of the
        // panel's frame, in a smaller font where he needs the room.
        char best[FORMATTED_TEXT_SIZE];
        Format_Player_Of_The_Game(game, winner, best, true);
        const RECT_AREA performer = Performer_Line(k);
        Draw_Design_Text(dc, best, performer, TEXT_CENTRE | TEXT_SINGLE_LINE,
                         Get_Game_Day_Colours(GAME_DAY_SECONDARY_TEXT),
                         Fit_View_Font_Row({{best, performer}}, TEXT_CENTRE | TEXT_SINGLE_LINE, TEXT_FONT));
    }
}

bool Do_Week_Tab_Click(int32_t x, int32_t y) {
    if (y < 266 || y > 284 || x < 154) return false;
    int32_t first = 0, count = 0;
    Week_Tab_Span(&first, &count);
    const int32_t tab = (x - 154) / 99;
    // Only the tabs drawn take a click.
    if (tab >= count) return false;
    Show_Games_Of_Week(first + std::min(std::max(tab, 0), WEEK_TABS - 1));
    Redraw_Main_Window();
    return true;
}

bool Do_Other_Games_Click(bool select, int32_t x, int32_t y) {
    int32_t records[OTHER_GAME_BOXES];
    const int32_t count = List_Other_Games(records, OTHER_GAME_BOXES);
    for (int32_t k = 0; k < count; ++k) {
        if (!Is_Inside(Other_Game_Box(k), x, y)) continue;
        if (select) {
            Set_User_Preference(SHOWN_GAME_INDEX, records[k]);
            Redraw_Main_Window();
        }
        return true;
    }
    return false;
}

bool Do_Scoreboard_Team_Click(bool act, int32_t x, int32_t y) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (game == nullptr) return false;
    for (int32_t side = 0; side < 2; ++side) {
        if (!Is_Inside(Team_Name_Rect(side), x, y)) continue;
        if (act) Act_On_Scoreboard_Team(game->Team[side]);
        return true;
    }
    return false;
}

bool Do_Scoreboard_Record_Click(int32_t x, int32_t y) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (game == nullptr) return false;
    for (int32_t side = 0; side < 2; ++side) {
        if (!Is_Inside(Team_Record_Rect(side), x, y)) continue;
        Act_On_Scoreboard_Team(game->Team[side]);
        return true;
    }
    return false;
}

bool Track_Games_View_Mouse(int32_t x, int32_t y) {
    Set_Last_Pointer_Position(x, y);
    PLAY_POINTER_TRACK track;
    Begin_Play_Pointer_Track(&track);
    const bool live = Is_Live_Game_Shown();
    const int32_t state = Get_Play_Call_State();
    const bool call_open = state >= 1 && state <= 3;
    bool hot = Do_Scoreboard_Team_Click(false, x, y);
    if (!hot && y < CALL_TAB_TOP) hot = Find_Player_Line(x, y) >= 0;
    if (!hot && y >= CALL_TAB_TOP && y < CALL_TAB_BOTTOM) {
        if (call_open && x >= PLAYBOOK_BUTTON_LEFT && x < PLAYBOOK_BUTTON_RIGHT) hot = true;
        if (x > 153) {
            int32_t first = 0, count = 0;
            Week_Tab_Span(&first, &count);
            hot = hot || live || (x - 154) / 99 < count;
        }
    }
    if (!hot && y >= CALL_TAB_BOTTOM) {
        if (!call_open) {
            hot = Do_Other_Games_Click(false, x, y);
        } else {
            Track_Play_Buttons(&track, x, y);
            if (track.Answered) return true;
            hot = track.Hot;
        }
    }
    if (!hot && (Is_Inside(BOX_SCORE_BUTTON, x, y) || Is_Inside(RECAP_BUTTON, x, y))) hot = true;
    Finish_Play_Pointer_Track(track);
    return hot;
}

bool Do_Games_View_Click(int32_t x, int32_t y) {
    if (Get_Displayed_Game() == nullptr) return false;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        Set_User_Preference(WAITING_FOR_CLICK, 0);
        return true;
    }
    if (Is_Inside(BOX_SCORE_BUTTON, x, y)) {
        Open_Game_Page(false);
        return true;
    }
    if (Is_Inside(RECAP_BUTTON, x, y)) {
        Open_Game_Page(true);
        return true;
    }
    const bool live = Is_Live_Game_Shown();
    if (!live && (Do_Other_Games_Click(true, x, y) || Do_Week_Tab_Click(x, y))) return true;
    if (Do_Scoreboard_Team_Click(true, x, y)) return true;
    if (y < CALL_TAB_TOP) {
        const int32_t line = Find_Player_Line(x, y);
        if (line >= 0) {
            Show_Box_Score_Player(line);
            return true;
        }
    }
    return live && Do_Play_Call_Click(Current_Game, x, y);
}
