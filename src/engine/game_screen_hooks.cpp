#include "engine/game_screen_hooks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/date_lines.h"
#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/drawing_services.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "views/game_day_view.h"

// The calls are the ones stored in the current play (255 while open); the
// two PBP settings only name the play under the pointer.
int32_t Get_Play_Call_State() {
    const GAME_RECORD* game = Current_Game;
    if (game == nullptr) return 0;
    const bool offense = game->Current_Play.Offensive_Play != NO_PLAY_CALL;
    const bool defense = game->Current_Play.Defensive_Play != NO_PLAY_CALL;
    const uint32_t down = Get_Game_Down(game);
    if (!offense) return (down == KICKOFF_DOWN || down == FREE_KICK_DOWN) ? 3 : 1;
    return defense ? 4 : 2;
}

void Auto_Select_Play_Calls() {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    // The adjusted snap's panels choose their players afresh.
    Clear_Live_Box_Score_Player_Ids();
    PLAY_LOG_ENTRY& play = game->Current_Play;
    const int off = Get_Offense_Side(game);
    const int32_t offense_call = Choose_Offensive_Play(game);
    if (Is_Team_User_Called(game->Team[off]) && Get_User_Preference(AUTO_CALL_OFFENSE) != 1)
        Set_User_Preference(OFFENSIVE_PLAY_PAGE, offense_call / 10);
    else
        play.Offensive_Play = static_cast<uint8_t>(offense_call);
    // The screen shows each change as it is made: the offence's, then the
    // defence's.
    Redraw_Main_Window();
    const int32_t defense_call = Choose_Defensive_Play(game);
    if (Is_Team_User_Called(game->Team[1 - off]) && Get_User_Preference(AUTO_CALL_DEFENSE) != 1) {
        // The kick test reads the offensive call that stands in the play: the
        // user's own or still open, not the computer's suggestion.
        const uint32_t down = Get_Game_Down(game);
        const int32_t standing = play.Offensive_Play;
        const int32_t type = standing < OFFENSIVE_PLAYS && down != KICKOFF_DOWN && down != FREE_KICK_DOWN
                                 ? Get_Offensive_Play_Type(game->Possession_Team, standing)
                                 : -1;
        if (down == KICKOFF_DOWN || down == FREE_KICK_DOWN || type == PLAY_TYPE_PUNT ||
            type == PLAY_TYPE_FIELD_GOAL)
            play.Defensive_Play = static_cast<uint8_t>(defense_call);
        else
            Set_User_Preference(DEFENSIVE_PLAY_PAGE, defense_call / 10);
    } else {
        play.Defensive_Play = static_cast<uint8_t>(defense_call);
    }
    Redraw_Main_Window();
}

int32_t Get_Timeout_Team(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    bool away = Is_Human_Team(pGame->Team[0]) != 0;
    bool home = Is_Human_Team(pGame->Team[1]) != 0;
    if (away && home && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        char first[FORMATTED_TEXT_SIZE];
        char second[FORMATTED_TEXT_SIZE];
        Get_Team_Display_Name(pGame->Team[0], first);
        Get_Team_Display_Name(pGame->Team[1], second);
        int answer =
            User_Message_Dialog("Which team?", "Which team calls the timeout?", first, second, nullptr);
        return answer == 6 ? 0 : 1;
    }
    if (home) return 1;
    if (away) return 0;
    return -1;
}

namespace {
int32_t Read_Game_Play_By_Play(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_User_Preference(SIMULATION_RUNNING) == 0) return 0;
    return Is_Franchise_Week_Game_Watched(pGame->Team[0], pGame->Team[1], Get_Current_Week()) ? 1 : 0;
}

// The answer kept in the open scope (no game when none is kept): for the game
// and teams it was read for, while the count of handled messages stands where
// it was.
struct KEPT_WATCH_ANSWER {
    const GAME_RECORD* Game;
    uint8_t Teams[2];
    int32_t Answer;
    uint64_t Handled_Messages;
};
int32_t Watch_Scope_Depth = 0;
KEPT_WATCH_ANSWER Kept_Watch{};
} // namespace

WATCH_ANSWER_SCOPE::WATCH_ANSWER_SCOPE() {
    if (Watch_Scope_Depth++ == 0) Kept_Watch.Game = nullptr;
}

WATCH_ANSWER_SCOPE::~WATCH_ANSWER_SCOPE() {
    if (--Watch_Scope_Depth == 0) Kept_Watch.Game = nullptr;
}

int32_t Is_Game_Play_By_Play(const GAME_RECORD* pGame) {
    if (pGame != nullptr && Kept_Watch.Game == pGame && Kept_Watch.Teams[0] == pGame->Team[0] &&
        Kept_Watch.Teams[1] == pGame->Team[1] && Kept_Watch.Handled_Messages == Get_Handled_Message_Count())
        return Kept_Watch.Answer;
    const int32_t answer = Read_Game_Play_By_Play(pGame);
    if (Watch_Scope_Depth > 0 && pGame != nullptr)
        Kept_Watch = {pGame, {pGame->Team[0], pGame->Team[1]}, answer, Get_Handled_Message_Count()};
    return answer;
}

int32_t Is_Current_Game_Play_By_Play() {
    return Is_Game_Play_By_Play(Current_Game);
}
GAME_RECORD* Get_Current_Game_Record() {
    return Current_Game;
}
int32_t Is_Game_In_Progress() {
    return Current_Game != nullptr ? 1 : 0;
}

namespace {
constexpr int32_t SCOREBOARD_LEFT = 668;
constexpr int32_t SCOREBOARD_RIGHT = 760;
constexpr int32_t SCOREBOARD_TOP = 25;
constexpr int32_t SCOREBOARD_LEADERS_TOP = 14;
constexpr int32_t SCOREBOARD_HEIGHT = 29;
constexpr int32_t SCORE_WIDTH = 24;
constexpr uint8_t SCORE_ALPHA = 255;

bool Is_Scoreboard_View(int32_t view) {
    return view == VIEW_STANDINGS || view == VIEW_LEADERS || view == VIEW_FINANCES || view == VIEW_CALENDAR;
}

// Text colours of the box: the light skins have a pale box and dark text.
COLOUR_VALUE Scoreboard_Colour(int32_t side) {
    if (Is_Ice_Or_Fire_Skin()) return side == 0 ? Make_Colour(0, 0, 0) : Make_Colour(52, 52, 52);
    return side == 0 ? Make_Colour(255, 249, 69) : Make_Colour(255, 255, 255);
}

// The upper or lower half of the box, in design units.
RECT_AREA Box_Line(const RECT_AREA& box, int32_t line) {
    const int32_t middle = box.Top + (box.Bottom - box.Top) / 2;
    return line == 0 ? RECT_AREA{box.Left, box.Top, box.Right, middle}
                     : RECT_AREA{box.Left, middle, box.Right, box.Bottom};
}

void Get_Scoreboard_Team_Name(int32_t team, char* buffer) {
    Get_Team_Display_Name(team, buffer);
    if (std::strcmp(buffer, "Football Team") == 0) Get_Team_Location_Name(team, buffer);
}
} // namespace

RECT_AREA Get_Scoreboard_Box(int32_t view) {
    const int32_t top = view == VIEW_LEADERS ? SCOREBOARD_LEADERS_TOP : SCOREBOARD_TOP;
    return {SCOREBOARD_LEFT, top, SCOREBOARD_RIGHT, top + SCOREBOARD_HEIGHT};
}

int32_t Draw_Scoreboard(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t view = Get_Current_View();
    if (!Is_Scoreboard_View(view)) return 0;
    const int32_t teams[2] = {pGame->Team[0], pGame->Team[1]};
    if (teams[0] >= MAX_FRANCHISES || teams[1] >= MAX_FRANCHISES || teams[0] == teams[1]) return 0;
    const RECT_AREA box = Get_Scoreboard_Box(view);
    RECT_AREA window;
    if (!Copy_Enlarged_Rectangle(&window, box)) return 0;
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    if (dc == nullptr) return 0;
    Draw_Background_Image(dc, nullptr, SCORE_ALPHA, window.Left, window.Top, window.Right, window.Bottom);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    for (int32_t side = 0; side < 2; ++side) {
        char name[FORMATTED_TEXT_SIZE];
        char score[FORMATTED_TEXT_SIZE];
        Get_Scoreboard_Team_Name(teams[side], name);
        std::snprintf(score, sizeof score, "%d", pGame->Score[side]);
        const RECT_AREA line = Box_Line(box, side);
        Set_Text_Colour(dc, Scoreboard_Colour(side));
        Draw_Text_In_Scaled_Rect(dc, name, {line.Left + 2, line.Top, line.Right - SCORE_WIDTH, line.Bottom},
                                 TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, 1);
        Draw_Text_In_Scaled_Rect(dc, score, {line.Right - SCORE_WIDTH, line.Top, line.Right - 2, line.Bottom},
                                 TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, 1);
    }
    Invalidate_Main_Window_Rect(window);
    Release_Main_Window_DC();
    return 1;
}

int32_t Draw_Game_Score_Panel(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return 0;
    const int32_t view = Get_Current_View();
    if (!Is_Scoreboard_View(view)) return 0;
    const RECT_AREA box = Get_Scoreboard_Box(view);
    RECT_AREA window;
    if (!Copy_Enlarged_Rectangle(&window, box)) return 0;
    char lines[2][FORMATTED_TEXT_SIZE];
    Get_Date_Line_Texts(lines[0], lines[1]);
    Save_Device_Context(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, Is_Ice_Or_Fire_Skin() ? Make_Colour(0, 0, 0) : Make_Colour(255, 255, 255));
    for (int32_t line = 0; line < 2; ++line)
        Draw_Text_In_Scaled_Rect(dc, lines[line], Box_Line(box, line),
                                 TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, 1);
    Restore_Device_Context(dc);
    Invalidate_Main_Window_Rect(window);
    return 1;
}

int32_t Valid_Receiving_Route(int32_t nPassRoute) {
    if ((nPassRoute >= 0 && nPassRoute <= 36) || nPassRoute == 55) return 1;
    if ((nPassRoute >= 37 && nPassRoute <= 51) || nPassRoute == 54) return 0;
    Report_System_Error("Unhandled nPassRoute in Valid_Receiving_Route([%d])", nPassRoute);
    return 0;
}

int32_t Check_Route_Segment_Flags(int32_t route, int32_t segment, int32_t flags) {
    // Only the first route is held to it: "Play Action Dump" starts a path of
    // its own for the fake that follows its first hitch.
    if (route == 0 && segment == 0 && (flags & ROUTE_FLAG_NEW_PATH) != 0)
        Report_System_Error(
            "NEW_PATH is not allowed at the start of a route in Get_Pass_Route_Segment_Flag(%d,%d)", route,
            segment);
    if ((flags & ROUTE_FLAG_WIGGLE) != 0 && (flags & ROUTE_FLAG_DOTTED_LINE) != 0)
        Report_System_Error("WIGGLE and DOTTED_LINE are incompatable in Get_Pass_Route_Segment_Flag(%d,%d)",
                            route, segment);
    if ((flags & ROUTE_FLAG_TOP_SEMI) != 0 && (flags & ROUTE_FLAG_BOTTOM_SEMI) != 0)
        Report_System_Error("TOP_SEMI and BOTTOM_SEMI are incompatable in Get_Pass_Route_Segment_Flag(%d,%d)",
                            route, segment);
    return flags;
}

int32_t Get_Pass_Route_Segment_Flag(int32_t route, int32_t segment) {
    if (route < 0 || route >= PASS_ROUTE_COUNT || segment < 0 || segment >= ROUTE_POINTS) {
        Report_System_Error("Invalid argument in Get_Pass_Route_Segment_Flag(%d,%d)", route, segment);
        return 0;
    }
    return Check_Route_Segment_Flags(route, segment, Pass_Route_Drawing[route].Flags[segment]);
}

int32_t Get_Pass_Route_Value(int32_t route) {
    switch (route) {
    case 0:
    case 6:
    case 55:
        return 40;
    case 1:
    case 3:
    case 5:
    case 7:
    case 13:
    case 16:
    case 17:
    case 19:
    case 23:
    case 25:
    case 29:
        return 70;
    case 2:
    case 4:
    case 8:
    case 14:
    case 20:
    case 28:
    case 30:
    case 31:
    case 33:
        return 5;
    case 10:
    case 24:
    case 26:
    case 36:
        return 15;
    case 11:
    case 15:
    case 21:
    case 27:
    case 32:
    case 34:
        return 55;
    default:
        return 25;
    }
}

namespace {
bool Is_Table_Route(int32_t route, const char* function) {
    if (route >= 0 && route < PASS_ROUTE_COUNT) return true;
    Report_System_Error("Invalid nPassRoute in %s([%d])", function, route);
    return false;
}

// Lateral offsets of the run holes in yards, right positive: the gaps beside
// the centre, the guards and the tackles, then off tackle and the edges.
constexpr double RUN_HOLE_LATERAL[LATERAL_ENTRIES] = {1.0,  -1.0, 3.0,  -3.0, 5.0,
                                                      -5.0, 7.0,  -7.0, 10.0, -10.0};
} // namespace

void Get_Pass_Route_Name_Copy(int32_t route, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    if (!Is_Table_Route(route, "Get_Pass_Route_Name_Copy")) {
        buffer[0] = '\0';
        return;
    }
    safe_strncpy(buffer, Pass_Route_Table[route].Name, size);
}

int32_t Get_Pass_Route_Segment_End_Points(int32_t route, int32_t segment, double* x1, double* y1, double* x2,
                                          double* y2) {
    double points[4] = {0.0, 0.0, 0.0, 0.0};
    int32_t ok = 0;
    if (segment < 0 || segment >= ROUTE_POINTS) {
        Report_System_Error("Invalid segment in Get_Pass_Route_Segment_End_Points(%d,[%d])", route, segment);
    } else if (Is_Table_Route(route, "Get_Pass_Route_Segment_End_Points")) {
        const ROUTE_DRAWING& drawing = Pass_Route_Drawing[route];
        if (segment > 0) {
            points[0] = drawing.Points[segment - 1][0];
            points[1] = drawing.Points[segment - 1][1];
        }
        points[2] = drawing.Points[segment][0];
        points[3] = drawing.Points[segment][1];
        // A stored (0, 0) after the first segment ends the segment where it starts.
        if (segment > 0 && points[2] == 0.0 && points[3] == 0.0) {
            points[2] = points[0];
            points[3] = points[1];
        }
        ok = 1;
    }
    if (x1 != nullptr) *x1 = points[0];
    if (y1 != nullptr) *y1 = points[1];
    if (x2 != nullptr) *x2 = points[2];
    if (y2 != nullptr) *y2 = points[3];
    return ok;
}

int32_t Get_Pass_Route_Depths(int32_t route, int32_t* shortest, int32_t* longest, int32_t* drawn) {
    int32_t values[3] = {0, 0, 0};
    const bool ok = Is_Table_Route(route, "Get_Pass_Route_Depths");
    if (ok) {
        values[0] = Pass_Route_Table[route].Shortest;
        values[1] = Pass_Route_Table[route].Longest;
        double deepest = 0.0;
        for (int32_t i = 0; i < Count_Route_Segments(route); ++i)
            deepest = std::max(deepest, Pass_Route_Drawing[route].Points[i][1]);
        values[2] = static_cast<int32_t>(std::floor(deepest));
    }
    if (shortest != nullptr) *shortest = values[0];
    if (longest != nullptr) *longest = values[1];
    if (drawn != nullptr) *drawn = values[2];
    return ok ? 1 : 0;
}

// Code 57 lies one past the table and is refused like any other outside code.
int32_t Get_Pass_Route_Middle_Depth(int32_t route) {
    if (!Is_Table_Route(route, "Get_Pass_Route_Middle_Depth")) return 0;
    return (Pass_Route_Table[route].Longest + 1 + Pass_Route_Table[route].Shortest) / 2;
}

double Get_Run_Hole_Lateral_Offset(int32_t hole) {
    if (hole < 0 || hole >= LATERAL_ENTRIES) return 0.0;
    return RUN_HOLE_LATERAL[hole];
}
