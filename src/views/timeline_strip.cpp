#include "views/timeline_strip.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "app/vector_paths.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "season/contract_renewals.h"
#include "season/week_advance.h"
#include "views/current_view.h"

int32_t Timeline_Cell_X[TIMELINE_CELLS];
int32_t Timeline_Enabled = 1;

namespace {
constexpr int32_t TEXT_SIZE = FORMATTED_TEXT_SIZE;
constexpr int32_t STRIP_FONT = 19;
// The smallest font a strip text is made in when no font row holds it.
constexpr int32_t SMALLEST_MADE_FONT = 6;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t SCHEDULE_WEEKS = 22;
constexpr int32_t FREE_AGENTS_DIALOG = 130;
constexpr int32_t POOL_FOR_DRAFT = 101;
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t PLAYOFFS_VIEW = 40069;
constexpr uint32_t ONE_LINE = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
constexpr COLOUR_VALUE BAR_COLOUR = Make_Colour(34, 44, 60);
constexpr COLOUR_VALUE STRIP_COLOUR = Make_Colour(255, 255, 0);
constexpr COLOUR_VALUE BLOCKED_COLOUR = Make_Colour(180, 180, 180);
constexpr COLOUR_VALUE DONE_COLOUR = Make_Colour(160, 160, 0);
constexpr RECT_AREA RECORD_BOX = {0, 8, 58, 33};
constexpr RECT_AREA LABEL_BOX = {93, 8, 253, 33};
constexpr const char* MILESTONES[4] = {"Playoffs", "Super Bowl", "Off-Season", ""};
constexpr const char* STEP_TEXTS[TIMELINE_CELLS] = {"Renew Contracts", "Free Agents", "College Draft",
                                                    "Begin Season", ""};

// A missing left bar picture is reported once.
bool Missing_Bar_Reported = false;

int32_t First_Playoff_Week() {
    return Universe.Season_Length > 2 ? Universe.Season_Length : 2;
}

int32_t Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

bool Is_Blocked() {
    return Current_Game != nullptr ||
           (Get_User_Preference(SIMULATION_RUNNING) != 0 && Week() < Universe.Header.Target_Week) ||
           Timeline_Enabled == 0;
}

int32_t Strip_Team() {
    const int32_t team = Get_User_Preference(USER_TEAM);
    return Is_Valid_Team_Code(team) ? team : 0;
}

bool Is_Inside(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

void Copy_Steps(int32_t* steps) {
    for (int32_t k = 0; k < OFF_SEASON_STEPS; ++k)
        steps[k] = Get_User_Preference(OFF_SEASON_STEPS_SETTING + k);
}

void Store_Steps(const int32_t* steps) {
    for (int32_t k = 0; k < OFF_SEASON_STEPS; ++k)
        Set_User_Preference(OFF_SEASON_STEPS_SETTING + k, steps[k]);
}

bool Has_Human_Expiring_Contracts() {
    return Human_Team_Has_Expiring_Contracts() != 0;
}

// The cell's rectangle in design units.
RECT_AREA Cell_Rect(int32_t cell) {
    RECT_AREA rect = {Timeline_Cell_X[cell], 8, Timeline_Cell_X[cell] + TIMELINE_CELL_WIDTH, 58};
    Scale_Rect_To_Design(&rect);
    return rect;
}

// "Week %d %s%s": the user team's game of week w, with its opponent's record when asked.
void Format_Week_Game(int32_t week, bool with_record, char* buffer, const char* no_game) {
    const int32_t team = Strip_Team();
    const int32_t code = week < SCHEDULE_WEEKS ? Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) : 0;
    if (code == 0) {
        safe_strncpy(buffer, no_game, TEXT_SIZE);
        return;
    }
    const int32_t opponent = std::abs(code) - 1;
    char location[TEXT_SIZE];
    Get_Team_String(location, opponent, 1);
    if (with_record) {
        char record[TEXT_SIZE];
        Format_Team_Record(record, opponent);
        safe_sprintf(buffer, TEXT_SIZE, "Week %d %s%s (%s)", week + 1, code < 0 ? "@" : "", location, record);
    } else {
        safe_sprintf(buffer, TEXT_SIZE, "Week %d %s%s", week + 1, code < 0 ? "@" : "", location);
    }
}

// The off-season's first step needs no click when no human team has
// contracts to renew, or once the draft's off-season week has come.
void Mark_Renewals_Done_When_Needless(int32_t* steps) {
    if (!Has_Human_Expiring_Contracts() || Week() == OFF_SEASON_WEEK) steps[0] = 1;
}

// Plays `weeks` weeks with the matchup dialog left out.
void Simulate_Weeks(int32_t weeks) {
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Advance_Weeks(weeks);
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
}

void Do_Off_Season_Step(int32_t step) {
    int32_t steps[OFF_SEASON_STEPS];
    Copy_Steps(steps);
    steps[step] = 1;
    if (steps[0] != 0 && steps[1] != 0) steps[2] = steps[3] = 0;
    Store_Steps(steps);
    switch (step) {
    case 0:
        if (Has_Human_Expiring_Contracts() && Week() != OFF_SEASON_WEEK) Advance_Weeks(22);
        break;
    case 1:
        Refresh_Bars_And_Do_Dialog(Main_Window, FREE_AGENTS_DIALOG);
        break;
    case 2:
        if (!Has_Human_Expiring_Contracts() ||
            Show_Message_Box("Proceed to contract renewal?", "Confirm", BOX_YES_NO) == ID_BOX_YES)
            Advance_Weeks(1);
        break;
    case 3:
        if (Count_Draft_Pool_Players() < POOL_FOR_DRAFT) {
            Advance_Weeks(22);
        } else if (Universe.Header.Advance_In_Progress == 0 &&
                   Show_Message_Box("Are you sure you want the computer to draft for you?", "College Draft",
                                    BOX_YES_NO) == ID_BOX_YES) {
            // The computer drafts for every team while the draft runs; the
            // user's teams are his again afterwards.
            Advance_Weeks_With_Computer_Draft(22);
        }
        break;
    default:
        break;
    }
    Update_Play_Menu();
    Repaint_Status_Bar();
}

bool Fits_On_One_Line(DEVICE_CONTEXT* dc, DRAWING_FONT* font, const char* text, const RECT_AREA& rect) {
    DRAWING_FONT* previous = Select_Font(dc, font);
    const bool fits = Measure_Text_Width(dc, text, -1) <= rect.Right - rect.Left;
    Select_Font(dc, previous);
    return fits;
}

void Draw_In_Font(DEVICE_CONTEXT* dc, DRAWING_FONT* font, const char* text, const RECT_AREA& rect) {
    DRAWING_FONT* previous = Select_Font(dc, font);
    Draw_Text_In_Scaled_Rect(dc, text, rect, ONE_LINE, 0);
    Select_Font(dc, previous);
}

// A text of the strip, centred on one line in its box: in the strip's font,
// or, when it is wider than the box, in the largest font row it fits in. A
// text that no row holds (a far week at a long city: "Week 17 @San
// Francisco") takes the strip's face made as large as fits, so it is never
// wrapped nor cut.
void Draw_Strip_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect) {
    const int32_t row = Find_Fitting_Font_Row({text}, rect, ONE_LINE, STRIP_FONT);
    DRAWING_FONT* font = Get_App_Font(row);
    const bool fits = font != nullptr && Fits_On_One_Line(dc, font, text, rect);
    if (fits) Draw_In_Font(dc, font, text, rect);
    Release_App_Font(font);
    if (fits) return;
    FONT_REQUEST request{};
    request.Weight = App_Font_Table[STRIP_FONT].Weight;
    snprintf(request.Face, sizeof request.Face, "%s", App_Font_Faces[App_Font_Table[STRIP_FONT].Face]);
    for (request.Height = Get_App_Font_Height(SMALLEST_TEXT_BOX_FONT_ROW) - 1;
         request.Height >= SMALLEST_MADE_FONT; --request.Height) {
        DRAWING_FONT* made = Create_Font(request);
        if (made == nullptr) return;
        const bool last = request.Height == SMALLEST_MADE_FONT || Fits_On_One_Line(dc, made, text, rect);
        if (last) Draw_In_Font(dc, made, text, rect);
        Delete_Font(made);
        if (last) return;
    }
}

// A cell's text lies inside the frame's slanted outlines.
RECT_AREA Cell_Text_Box(int32_t x) {
    return {x + 13, 8, x + 121, 33};
}

void Draw_Cell_Frame(DEVICE_CONTEXT* dc, int32_t x, COLOUR_VALUE colour) {
    PATH_COLLECTION paths;
    start_new_path(&paths, 0);
    paths.Vertices.move_to(13, 0);
    paths.Vertices.line_to(134, 0);
    paths.Vertices.line_to(121, 26);
    paths.Vertices.line_to(0, 26);
    paths.Vertices.close_polygon();
    Set_Path_Colour(&paths, Make_Path_Colour(Colour_Red(colour), Colour_Green(colour), Colour_Blue(colour)));
    Set_Path_Width(&paths, paths.Width_Scale > 0 ? 3 * paths.Width_Scale : 3);
    Set_Path_Flags(&paths, PATH_STROKE);
    paths.Window_Left = -2;
    paths.Window_Top = -2;
    paths.Window_Right = 136;
    paths.Window_Bottom = 28;
    Render_Paths(dc, &paths, x - 2, 6, 138, 29, 0);
    Free_Path_Collection(&paths);
}
} // namespace

void Set_Timeline_Enabled(int32_t enabled) {
    Timeline_Enabled = enabled;
}

void Reset_Off_Season_Steps() {
    const int32_t steps[OFF_SEASON_STEPS] = {0, 0, 1, 1};
    Store_Steps(steps);
}

void Get_Playoff_Round_Name(char* buffer, int32_t week) {
    if (buffer == nullptr) return;
    static const char* const names[5] = {"Wildcard", "Divisional", "Conference", "Super Bowl", "Off-Season"};
    const int32_t index = week - First_Playoff_Week();
    if (index == 2 && Get_Current_Year() < 1970)
        safe_strncpy(buffer, "Title Game", TEXT_SIZE);
    else
        safe_strncpy(buffer, index >= 0 && index < 5 ? names[index] : "", TEXT_SIZE);
}

void Get_Playoff_Simulation_Message(char* buffer) {
    if (buffer == nullptr) return;
    static const char* const questions[4] = {"Simulate every game in the Wild Card round of the playoffs?",
                                             "Simulate every Division Playoff Game?",
                                             "Simulate the Conference Title Games?",
                                             "Simulate the Super Bowl?"};
    const int32_t round = Week() - First_Playoff_Week();
    buffer[0] = '\0';
    if (round < 0 || round > 3) {
        Report_System_Error("Invalid nCurrentWeek in Get_Playoff_Simulation_Message()");
        return;
    }
    safe_strncpy(buffer, questions[round], TEXT_SIZE);
}

int32_t Confirm_Advance_Weeks(int32_t n) {
    if (Universe.Header.Advance_In_Progress != 0) return ID_BOX_NO;
    char text[TEXT_SIZE];
    if (n >= 2) {
        safe_sprintf(text, sizeof text, "Simulate the next %d weeks?", n);
    } else if (Week() < First_Playoff_Week()) {
        safe_sprintf(text, sizeof text, "Simulate every game in week %d?", Week() + 1);
    } else {
        const int32_t team = Strip_Team();
        // Nothing to ask the user whose team is out, or whose team holds the
        // bracket's first slot.
        if (Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES) > 0 || Get_Team_Playoff_Slot(team) == 0)
            return ID_BOX_YES;
        Get_Playoff_Simulation_Message(text);
    }
    return Show_Message_Box(text, "Confirm", BOX_YES_NO);
}

void Do_Timeline_Week_Action(int32_t current_week, int32_t target_week) {
    const int32_t p = First_Playoff_Week();
    const int32_t c = current_week, t = target_week, n = t - c;
    if (t == c) {
        if (Universe.Header.Advance_In_Progress == 0 &&
            Show_Message_Box("Play one week?", "Confirm", BOX_YES_NO) == ID_BOX_YES)
            Advance_Weeks(1);
        return;
    }
    if (t < p || (p <= c && t < p + 5)) {
        if (Confirm_Advance_Weeks(n) == ID_BOX_YES) Simulate_Weeks(n);
        return;
    }
    if (c < p && t >= p && t < p + 3) {
        const int32_t to_playoffs = p - c;
        const int32_t weeks = t == p ? to_playoffs : (t == p + 1 ? to_playoffs + 3 : to_playoffs + 4);
        if (Confirm_Advance_Weeks(weeks) != ID_BOX_YES) return;
        Set_User_Preference(SIMULATE_ALL_GAMES, 1);
        Advance_Weeks(to_playoffs);
        Advance_Weeks(weeks - to_playoffs);
        Set_User_Preference(SIMULATE_ALL_GAMES, 0);
        return;
    }
    if (c >= p + 4 && n >= 1 && n <= OFF_SEASON_STEPS) Do_Off_Season_Step(n - 1);
}

void Get_Timeline_Label_Text(char* buffer) {
    if (buffer == nullptr) return;
    const int32_t p = First_Playoff_Week(), week = Week();
    if (week < p) {
        Format_Week_Game(week, true, buffer, "No Game This Week");
        return;
    }
    if (week >= p + 4) {
        safe_strncpy(buffer, "Off-Season", TEXT_SIZE);
        return;
    }
    Get_Playoff_Round_Name(buffer, week);
    const int32_t team = Strip_Team();
    const int32_t slot = Get_Team_Playoff_Slot(team);
    if (slot < 0 || Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES) != 0) return;
    const int32_t neighbour = slot % 2 == 0 ? slot + 1 : slot - 1;
    if (neighbour >= 31) return;
    const int32_t opponent = Get_Playoff_Team(neighbour);
    if (!Is_Valid_Team_Code(opponent)) {
        safe_strncpy(buffer, "1st Round Bye", TEXT_SIZE);
        return;
    }
    char location[TEXT_SIZE];
    Get_Team_String(location, opponent, 1);
    safe_strncat(buffer,
                 Get_Team_Standings_Score(team) > Get_Team_Standings_Score(opponent) ? " vs. " : " @ ",
                 TEXT_SIZE);
    safe_strncat(buffer, location, TEXT_SIZE);
}

void Get_Timeline_Cell_Text(int32_t cell, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    const int32_t p = First_Playoff_Week(), current = Week(), w = current + 1 + cell;
    if (current >= p + 4) {
        safe_strncpy(buffer, cell >= 0 && cell < TIMELINE_CELLS ? STEP_TEXTS[cell] : "", TEXT_SIZE);
    } else if (w < p) {
        Format_Week_Game(w, false, buffer, "Bye week");
    } else if (current < p && w < p + 4) {
        safe_strncpy(buffer, MILESTONES[w - p], TEXT_SIZE);
    } else if (current >= p && w < p + 5) {
        Get_Playoff_Round_Name(buffer, w);
    }
}

void Draw_Timeline_Bottom_Bars(DEVICE_CONTEXT* dc, WINDOW_HANDLE status_bar) {
    if (dc == nullptr) return;
    RECT_AREA client{};
    Get_Client_Rect(status_bar, &client);
    Fill_Surface_Area(dc, client, BAR_COLOUR);
    char left[CURRENT_BACKGROUND_NAME_SIZE] = "news\\bottombarleft.png";
    Get_Skin_File_Path(left, sizeof left);
    FILE* file = Open_Resolved_File(left, "rb");
    if (file == nullptr) {
        if (!Missing_Bar_Reported)
            Log_Debug_Line("Missing File: %s (required by Timeline.cpp for text placement)", left);
        Missing_Bar_Reported = true;
        return;
    }
    std::fclose(file);
    Missing_Bar_Reported = false;
    BITMAP_CACHE_ENTRY* bar = Take_Cached_Image(dc, left);
    if (bar == nullptr) return;
    const int32_t left_width = bar->Width;
    Draw_Cached_Bitmap(dc, bar, 255, 0, 0, -1, -1, 0, 0, -1, -1);
    char right[CURRENT_BACKGROUND_NAME_SIZE] = "news\\bottombarright.png";
    Get_Skin_File_Path(right, sizeof right);
    if (BITMAP_CACHE_ENTRY* right_bar = Take_Cached_Image(dc, right))
        Draw_Cached_Bitmap(dc, right_bar, 255, left_width, 0, client.Right, right_bar->Height, 0, 0, -1, -1);
    const int32_t spacing = (client.Right - left_width) / TIMELINE_CELLS;
    const int32_t first = (spacing - TIMELINE_CELL_WIDTH) / 2 + left_width;
    for (int32_t i = 0; i < TIMELINE_CELLS; ++i)
        Timeline_Cell_X[i] = first + i * spacing;
}

void Draw_Timeline_Team_Label(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    char record[TEXT_SIZE], text[TEXT_SIZE];
    Format_Team_Record(record, Strip_Team());
    safe_sprintf(text, sizeof text, "(%s)", record);
    if (!App_Fonts_Are_Loaded()) Load_App_Fonts();
    DRAWING_FONT* font = Get_App_Font(STRIP_FONT);
    DRAWING_FONT* previous = Select_Font(dc, font);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, Make_Colour(255, 255, 255));
    const RECT_AREA box = Is_Ice_Or_Fire_Skin() ? RECT_AREA{5, 5, 75, 28} : RECT_AREA{5, 8, 75, 31};
    Draw_Strip_Text(dc, text, box);
    Select_Font(dc, previous);
    Release_App_Font(font);
}

void Draw_Timeline_Strip(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    int32_t steps[OFF_SEASON_STEPS];
    Copy_Steps(steps);
    const COLOUR_VALUE colour = Is_Blocked() ? BLOCKED_COLOUR : STRIP_COLOUR;
    if (!App_Fonts_Are_Loaded()) Load_App_Fonts();
    DRAWING_FONT* font = Get_App_Font(STRIP_FONT);
    DRAWING_FONT* previous = Select_Font(dc, font);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, colour);
    char text[TEXT_SIZE];
    Get_Timeline_Label_Text(text);
    Draw_Strip_Text(dc, text, {125, 8, 370, 31});
    const bool off_season = Week() >= First_Playoff_Week() + 4;
    if (off_season) Mark_Renewals_Done_When_Needless(steps);
    for (int32_t i = 0; i < TIMELINE_CELLS; ++i) {
        const int32_t x = Timeline_Cell_X[i];
        // Every cell keeps its frame, an empty one too.
        Draw_Cell_Frame(dc, x, colour);
        Get_Timeline_Cell_Text(i, text);
        const bool done = off_season && i < OFF_SEASON_STEPS && steps[i] != 0;
        Set_Text_Colour(dc, done ? DONE_COLOUR : colour);
        Draw_Strip_Text(dc, text, Cell_Text_Box(x));
    }
    Select_Font(dc, previous);
    Release_App_Font(font);
}

void Do_Timeline_Click(int32_t x, int32_t y) {
    if (Is_Blocked()) return;
    const int32_t p = First_Playoff_Week(), week = Week();
    if (Is_Inside(RECORD_BOX, x, y)) {
        const int32_t view = week < p ? CALENDAR_VIEW : (week >= p + 4 ? STANDINGS_VIEW : PLAYOFFS_VIEW);
        if (Get_Current_View() != view) Set_Current_View(view);
        return;
    }
    if (week < p + 4 && Is_Inside(LABEL_BOX, x, y)) {
        Advance_Weeks(1);
        return;
    }
    for (int32_t i = 0; i < TIMELINE_CELLS; ++i)
        if (Is_Inside(Cell_Rect(i), x, y)) {
            Do_Timeline_Week_Action(week, week + 1 + i);
            return;
        }
}

bool Is_Timeline_Hot_Spot(int32_t x, int32_t y) {
    if (Is_Blocked()) return false;
    const int32_t p = First_Playoff_Week(), week = Week();
    if (Is_Inside(RECORD_BOX, x, y)) return true;
    if (week < p + 4 && Is_Inside(LABEL_BOX, x, y)) return true;
    for (int32_t i = 0; i < TIMELINE_CELLS; ++i) {
        if (!Is_Inside(Cell_Rect(i), x, y)) continue;
        const int32_t w = week + 1 + i;
        if (week < p) return w < p + 3;
        if (week < p + 4) return w < p + 5;
        if (i >= 1 && i <= 3) return true;
        return i == 0 && Has_Human_Expiring_Contracts() && week != OFF_SEASON_WEEK;
    }
    return false;
}

void Get_Player_Name_With_Team(int32_t team, int32_t slot, char* buffer) {
    char name[FORMATTED_TEXT_SIZE];
    char abbreviation[FORMATTED_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Get_Team_String(abbreviation, team, 0);
    char text[2 * FORMATTED_TEXT_SIZE + 4];
    snprintf(text, sizeof text, "%s (%s)", name, abbreviation);
    safe_strncpy(buffer, text, FORMATTED_TEXT_SIZE);
}
