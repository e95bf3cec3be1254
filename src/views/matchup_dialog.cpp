#include "views/matchup_dialog.h"

#include <algorithm>
#include <cstdlib>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "app/dialog_brushes.h"
#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/skins.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/team_unit_ratings.h"
#include "platform/windows.h"
#include "views/matchup_dialog_template.h"
#include "views/point_spreads.h"

namespace {
constexpr int32_t BUTTON_FONT = 17;
constexpr int32_t TEXT_FONT = 18;
constexpr int32_t FIRST_UNIT_CODE = 40;
constexpr int32_t NEWEST_LOGO_YEAR = 2022;
constexpr int32_t SPREAD_TEXT_SIZE = 128;

MATCHUP_INFO matchup_info;
// Set once the user chose; a dialog ended any other way plays as "Simulate This Game".
bool matchup_chosen = false;

void Set_Watch_Flag(const MATCHUP_INFO& info, int32_t flag) {
    // The flag lives once per game; either team names it.
    Set_Game_PBP_Flag(info.First_Team, info.Week, flag);
    Set_Game_PBP_Flag(info.Second_Team, info.Week, flag);
}

void Choose(WINDOW_HANDLE dialog, int32_t flag, bool simulate_all) {
    matchup_chosen = true;
    Set_Watch_Flag(matchup_info, flag);
    if (simulate_all) Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    End_Dialog(dialog, 1);
}

bool Is_Colour_Message(uint32_t code) {
    return code == MSG_CONTROL_COLOUR_DIALOG || code == MSG_CONTROL_COLOUR_STATIC ||
           code == MSG_CONTROL_COLOUR_SCROLL_BAR;
}

void Initialise(WINDOW_HANDLE dialog) {
    matchup_chosen = false;
    Fill_Matchup_Info(&matchup_info);
    Set_Dialog_Controls_App_Font(dialog, BUTTON_FONT,
                                 {MATCHUP_PLAY_BUTTON, MATCHUP_SIMULATE_BUTTON, MATCHUP_SIMULATE_ALL_BUTTON,
                                  MATCHUP_UNIT_LABELS[0], MATCHUP_UNIT_LABELS[1], MATCHUP_UNIT_LABELS[2],
                                  MATCHUP_UNIT_LABELS[3], MATCHUP_UNIT_LABELS[4]});
    Set_Dialog_Controls_App_Font(dialog, TEXT_FONT,
                                 {MATCHUP_WEEK_TEXT, MATCHUP_FIRST_RECORD, MATCHUP_SECOND_RECORD,
                                  MATCHUP_SPREAD_TEXT, MATCHUP_AT_TEXT});
    Show_Matchup_Point_Spread(dialog, &matchup_info);
    char text[FORMATTED_TEXT_SIZE];
    Format_Week_Name(matchup_info.Week, text);
    Make_Upper_Case(text);
    Set_Dialog_Item_Text(dialog, MATCHUP_WEEK_TEXT, text);
    // The long names of the playoff rounds take a smaller font between the logos.
    Set_Fitting_Control_App_Font(dialog, MATCHUP_WEEK_TEXT, TEXT_FONT);
    Format_Team_Record_Spaced(text, matchup_info.Second_Team);
    Set_Dialog_Item_Text(dialog, MATCHUP_SECOND_RECORD, text);
    Format_Team_Record_Spaced(text, matchup_info.First_Team);
    Set_Dialog_Item_Text(dialog, MATCHUP_FIRST_RECORD, text);
    const int32_t target = Universe.Header.Target_Week;
    const WINDOW_HANDLE all = Get_Dialog_Item(dialog, MATCHUP_SIMULATE_ALL_BUTTON);
    if (Count_Human_Teams() < 2 && target <= Get_User_Preference(CURRENT_WEEK) + 1) {
        Show_Window(all, false);
    } else {
        safe_sprintf(text, sizeof text, "Simulate Until Week %d", target + 1);
        Set_Window_Text(all, text);
    }
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Log_Debug_Flagged(DTXT_PBPSELECTOR, "Matchup of %d at %d in week %d", matchup_info.First_Team,
                      matchup_info.Second_Team, matchup_info.Week);
}

void Draw_Team_Logos(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t team, int32_t downloaded,
                     int32_t logo) {
    Draw_Matchup_Logo_Frame(dialog, dc, downloaded);
    char name[LOGO_PATH_SIZE];
    Get_Downloaded_Logo_Name(name, sizeof name, team);
    if (name[0] != '\0') Draw_Cached_Image_Centered_On_Control(dialog, dc, downloaded, name);
    Get_Team_Logo_Path(name, team);
    Draw_Cached_Image_Centered_On_Control(dialog, dc, logo, name);
}
} // namespace

int32_t Get_Matchup_Stars(int32_t rank, int32_t teams) {
    if (teams <= 0) return 1;
    const int32_t stars = (teams / 2 + 4 * (teams - rank) - 4) / teams + 1;
    return std::min(5, std::max(1, stars));
}

void Rate_Matchup_Team_Units(uint8_t stars[MATCHUP_UNITS], int32_t team) {
    const int32_t teams = Count_Active_Teams();
    for (int32_t unit = 0; unit < MATCHUP_UNITS; ++unit)
        stars[unit] =
            static_cast<uint8_t>(Get_Matchup_Stars(Get_Team_Unit_Rank(team, FIRST_UNIT_CODE + unit), teams));
}

void Fill_Matchup_Info(MATCHUP_INFO* info) {
    const GAME_RECORD* game = Get_Game_Record(Get_User_Preference(CURRENT_GAME_NUMBER));
    info->Week = static_cast<uint8_t>(Get_User_Preference(CURRENT_WEEK));
    info->First_Team = game != nullptr ? game->Team[0] : static_cast<uint8_t>(NO_TEAM);
    info->Second_Team = game != nullptr ? game->Team[1] : static_cast<uint8_t>(NO_TEAM);
    Rate_Matchup_Team_Units(info->First_Stars, info->First_Team);
    Rate_Matchup_Team_Units(info->Second_Stars, info->Second_Team);
}

void Format_Matchup_Point_Spread(char* buffer, int32_t spread, int32_t first_team, int32_t second_team) {
    if (spread == 0) {
        safe_strncpy(buffer, "Vegas Line: Pick 'em", SPREAD_TEXT_SIZE);
        return;
    }
    char favourite[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(spread > 0 ? first_team : second_team, favourite);
    const int32_t points = std::abs(spread);
    if (points == 10)
        safe_sprintf(buffer, SPREAD_TEXT_SIZE, "%s favored by 1 point", favourite);
    else if (points % 10 == 0)
        safe_sprintf(buffer, SPREAD_TEXT_SIZE, "%s favored by %d points", favourite, points / 10);
    else
        safe_sprintf(buffer, SPREAD_TEXT_SIZE, "%s favored by %d.%d points", favourite, points / 10,
                     points % 10);
}

void Show_Matchup_Point_Spread(WINDOW_HANDLE dialog, const MATCHUP_INFO* info) {
    char text[SPREAD_TEXT_SIZE];
    Format_Matchup_Point_Spread(text, Get_Point_Spread_By_Rating(info->First_Team, info->Second_Team),
                                info->First_Team, info->Second_Team);
    Set_Dialog_Item_Text(dialog, MATCHUP_SPREAD_TEXT, text);
}

void Draw_Matchup_Stars(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const MATCHUP_INFO* info) {
    char name[CURRENT_BACKGROUND_NAME_SIZE];
    for (int32_t unit = 0; unit < MATCHUP_UNITS; ++unit) {
        safe_sprintf(name, sizeof name, "Dialogs\\Matchup\\stars_%d.png", info->First_Stars[unit]);
        Get_Skin_File_Path(name, sizeof name);
        Draw_Cached_Image_On_Control(dialog, dc, MATCHUP_FIRST_STARS + unit, name);
        safe_sprintf(name, sizeof name, "Dialogs\\Matchup\\stars_%d.png", info->Second_Stars[unit]);
        Get_Skin_File_Path(name, sizeof name);
        Draw_Cached_Image_On_Control(dialog, dc, MATCHUP_SECOND_STARS + unit, name);
    }
}

void Draw_Matchup_Logo_Frame(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    const int32_t grow_x = (rect.Right - rect.Left) / 4, grow_y = (rect.Bottom - rect.Top) / 4;
    const RECT_AREA frame = {rect.Left - grow_x, rect.Top - grow_y, rect.Right + grow_x,
                             rect.Bottom + grow_y};
    Fill_Surface_Area(dc, frame, Make_Colour(255, 255, 255));
    Draw_Absolute_Line(dc, {frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1}, Make_Colour(0, 0, 0));
}

void Draw_Matchup_Logos(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const MATCHUP_INFO* info) {
    Draw_Team_Logos(dialog, dc, info->Second_Team, MATCHUP_SECOND_DOWNLOADED_LOGO, MATCHUP_SECOND_LOGO);
    Draw_Team_Logos(dialog, dc, info->First_Team, MATCHUP_FIRST_DOWNLOADED_LOGO, MATCHUP_FIRST_LOGO);
}

void Draw_Matchup_Bar(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc) {
    char name[CURRENT_BACKGROUND_NAME_SIZE] = "Dialogs\\Matchup\\matchupbar.png";
    Get_Skin_File_Path(name, sizeof name);
    Draw_Cached_Image_On_Control(dialog, dc, MATCHUP_WATCH_BAR, name);
}

void Get_Downloaded_Logo_Name(char* buffer, int32_t size, int32_t team) {
    char abbreviation[TEAM_STRING_LENGTH + 1] = "";
    Get_Team_String(abbreviation, team, 0);
    // An abbreviation that would reach outside the folder names no picture.
    if (!Is_Safe_Picture_Name(abbreviation)) {
        safe_strncpy(buffer, "", size);
        return;
    }
    const int32_t year = std::min(Get_Current_Year(), NEWEST_LOGO_YEAR);
    safe_sprintf(buffer, size, "Logos/Downloads/%s-%d.png", abbreviation, year);
}

intptr_t Game_Matchup_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    if (Is_Colour_Message(message))
        return Handle_Dialog_Control_Color(message, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    switch (message) {
    case MSG_INIT_DIALOG:
        Initialise(dialog);
        return 1;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
        if (dc == nullptr) return 1;
        Draw_Matchup_Stars(dialog, dc, &matchup_info);
        Draw_Matchup_Logos(dialog, dc, &matchup_info);
        End_Paint(dialog, &paint);
        return 1;
    }
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case MATCHUP_PLAY_BUTTON:
            Choose(dialog, 1, false);
            return 1;
        case MATCHUP_SIMULATE_BUTTON:
            Choose(dialog, 0, false);
            return 1;
        case MATCHUP_SIMULATE_ALL_BUTTON:
            Choose(dialog, 0, true);
            return 1;
        default:
            // Escape is no choice: the dialog stays.
            return 1;
        }
    case MSG_CLOSE:
        // Closing the window while the dialog is up plays the game unwatched.
        Choose(dialog, 0, false);
        return 1;
    case MSG_DESTROY:
        // The program was asked to end: the game is simulated, not watched.
        if (!matchup_chosen) Set_Watch_Flag(matchup_info, 0);
        matchup_chosen = false;
        return 0;
    default:
        return 0;
    }
}
