#include "app/main_window.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>

#include "app/main_menu.h"
#include "app/main_window_geometry.h"
#include "app/main_window_mouse.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/save_prompts.h"
#include "engine/game_screen_hooks.h"
#include "personnel/fantasy_draft.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/view_painting.h"

WINDOW_HANDLE Main_Window = NO_WINDOW;
int32_t Sizing_In_Progress = 0;

namespace {
constexpr int32_t TRADING_DEADLINE_WEEK = 12;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t STAMP_SLOT = 100;
// No screen reaches this far; a remembered edge beyond it is damage.
constexpr int32_t FARTHEST_WINDOW_EDGE = 1 << 16;

// A remembered rectangle the window can be made from: positive right and
// bottom (all zeros mean "maximized"), each edge within reach of a screen,
// and a size.
bool Is_Sound_Placement(const RECT_AREA& placement) {
    if (placement.Right <= 0 || placement.Bottom <= 0) return false;
    for (int32_t edge : {placement.Left, placement.Top, placement.Right, placement.Bottom})
        if (edge < -FARTHEST_WINDOW_EDGE || edge > FARTHEST_WINDOW_EDGE) return false;
    return placement.Left < placement.Right && placement.Top < placement.Bottom;
}

// True when the window, at the size it is finally given, shows a part of
// the work area, so it never opens out of sight.
bool Is_On_Work_Area(const RECT_AREA& rect, const RECT_AREA& area) {
    return rect.Left < area.Right && rect.Right > area.Left && rect.Top < area.Bottom &&
           rect.Bottom > area.Top;
}

// The outer minimum (client minimum plus the furniture) and the shape ratio.
void Get_Outer_Minimum(int32_t* width, int32_t* height) {
    RECT_AREA frame = {0, MENU_BAR_HEIGHT, 0, 0};
    if (Is_Window(Main_Window)) Get_Window_Frame(Main_Window, &frame);
    *width = MINIMUM_CLIENT_WIDTH + frame.Left + frame.Right;
    *height = MINIMUM_CLIENT_HEIGHT + frame.Top + frame.Bottom;
}

float Get_Shape_Ratio() {
    int32_t width = 0, height = 0;
    Get_Outer_Minimum(&width, &height);
    return static_cast<float>(width) / static_cast<float>(height);
}

// Drawing sizes its buffer, fonts and scaling from where the window is now.
void Follow_Main_Window_Size(WINDOW_HANDLE window) {
    RECT_AREA outer, client;
    Get_Window_Rect(window, &outer);
    Get_Client_Rect(window, &client);
    Set_Main_Window_Geometry(outer, client);
    Reinit_Window_Graphics();
    Fit_Back_Buffer_To_View();
}

void Paint_Main_Window(WINDOW_HANDLE window) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    Paint_Main_Window_View(dc, paint.Rect);
    End_Paint(window, &paint);
}

// The rectangle the window opens at: the height grown to the outer minimum,
// the width set from the height by the shape ratio.
RECT_AREA Size_Opening_Window(const RECT_AREA& placement) {
    int32_t minimum_width = 0, minimum_height = 0;
    Get_Outer_Minimum(&minimum_width, &minimum_height);
    RECT_AREA sized = placement;
    if (sized.Bottom - sized.Top < minimum_height) sized.Bottom = sized.Top + minimum_height;
    sized.Right =
        sized.Left + static_cast<int32_t>(static_cast<float>(sized.Bottom - sized.Top) * Get_Shape_Ratio());
    return sized;
}

// The window opened maximized: sized as above from the work area, but on a
// screen narrower than the window's shape the width from the height would
// run past the screen's edge, so there the width is the work area's and the
// height follows from it (never below the minimum).
RECT_AREA Size_Maximized_Window(const RECT_AREA& area) {
    RECT_AREA sized = Size_Opening_Window(area);
    int32_t minimum_width = 0, minimum_height = 0;
    Get_Outer_Minimum(&minimum_width, &minimum_height);
    const int32_t room = area.Right - area.Left;
    if (sized.Right - sized.Left <= room || room < minimum_width) return sized;
    sized.Right = sized.Left + room;
    sized.Bottom = sized.Top + std::max(minimum_height,
                                        static_cast<int32_t>(static_cast<float>(room) / Get_Shape_Ratio()));
    return sized;
}
} // namespace

bool Register_Main_Window_Class() {
    return Register_Window_Class(MAIN_WINDOW_CLASS, Main_Window_Proc, Make_Colour(0, 0, 0));
}

void Read_Window_Placement(RECT_AREA* rect) {
    if (rect == nullptr) return;
    *rect = {0, 0, 0, 0};
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]);
    if (!image || !Try_Read_Owner_Hall_Of_Fame_File(image.get())) return;
    int32_t values[4];
    std::memcpy(values, image.get() + WINDOW_PLACEMENT_OFFSET, sizeof values);
    *rect = {values[0], values[1], values[2], values[3]};
}

void Save_Window_Placement(WINDOW_HANDLE window) {
    if (!Is_Window(window)) return;
    const int32_t state = Get_Window_Show_State(window);
    if (state == SHOW_STATE_MINIMIZED) return;
    int32_t values[4] = {0, 0, 0, 0};
    if (state != SHOW_STATE_MAXIMIZED) {
        RECT_AREA rect;
        Get_Window_Rect(window, &rect);
        values[0] = rect.Left;
        values[1] = rect.Top;
        values[2] = rect.Right;
        values[3] = rect.Bottom;
    }
    Update_Owner_Hall_Of_Fame_File([&values](uint8_t* image) {
        std::memcpy(image + WINDOW_PLACEMENT_OFFSET, values, sizeof values);
        return true;
    });
}

WINDOW_HANDLE Create_Main_Window() {
    RECT_AREA placement;
    Read_Window_Placement(&placement);
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    bool maximized = !Is_Sound_Placement(placement);
    Main_Window =
        Create_Window(MAIN_WINDOW_CLASS, MAIN_WINDOW_CLASS, 0, maximized ? area : placement, NO_WINDOW, 0, 0);
    if (Main_Window == NO_WINDOW) return NO_WINDOW;
    Set_Window_Menu(Main_Window, Get_Main_Menu());
    Set_Primary_Window(Main_Window);
    // A remembered placement is judged where the window will really be: a
    // small rectangle that touches the screen can grow off it.
    RECT_AREA sized = maximized ? Size_Maximized_Window(area) : Size_Opening_Window(placement);
    if (!maximized && !Is_On_Work_Area(sized, area)) {
        maximized = true;
        sized = Size_Maximized_Window(area);
    }
    RECT_AREA created;
    Get_Window_Rect(Main_Window, &created);
    if (std::memcmp(&created, &sized, sizeof sized) != 0) Move_Window(Main_Window, sized);
    Follow_Main_Window_Size(Main_Window);
    Set_Window_Show_State(Main_Window, maximized ? SHOW_STATE_MAXIMIZED : SHOW_STATE_NORMAL);
    // The window keeps the game's name as its title until a league is in
    // play: the calendar sets the full title when a game starts or resumes.
    Show_Window(Main_Window, true);
    Set_Focus(Main_Window);
    Update_Window(Main_Window);
    return Main_Window;
}

bool Constrain_Main_Window_Sizing(RECT_AREA* rect, uintptr_t edge) {
    if (rect == nullptr) return false;
    const RECT_AREA before = *rect;
    int32_t minimum_width = 0, minimum_height = 0;
    Get_Outer_Minimum(&minimum_width, &minimum_height);
    const float ratio = Get_Shape_Ratio();
    const bool left_edge =
        edge == SIZING_EDGE_LEFT || edge == SIZING_EDGE_TOP_LEFT || edge == SIZING_EDGE_BOTTOM_LEFT;
    const bool top_edge =
        edge == SIZING_EDGE_TOP || edge == SIZING_EDGE_TOP_LEFT || edge == SIZING_EDGE_TOP_RIGHT;
    if (rect->Right - rect->Left < minimum_width) {
        if (left_edge)
            rect->Left = rect->Right - minimum_width;
        else
            rect->Right = rect->Left + minimum_width;
    }
    if (rect->Bottom - rect->Top < minimum_height) {
        if (top_edge)
            rect->Top = rect->Bottom - minimum_height;
        else
            rect->Bottom = rect->Top + minimum_height;
    }
    const int32_t width = rect->Right - rect->Left;
    const int32_t height = rect->Bottom - rect->Top;
    switch (edge) {
    case SIZING_EDGE_LEFT:
    case SIZING_EDGE_RIGHT:
        rect->Bottom = rect->Top + static_cast<int32_t>(static_cast<float>(width) / ratio);
        break;
    case SIZING_EDGE_TOP:
    case SIZING_EDGE_TOP_RIGHT:
    case SIZING_EDGE_BOTTOM:
    case SIZING_EDGE_BOTTOM_RIGHT:
        rect->Right = rect->Left + static_cast<int32_t>(static_cast<float>(height) * ratio);
        break;
    case SIZING_EDGE_TOP_LEFT:
    case SIZING_EDGE_BOTTOM_LEFT:
        rect->Left = rect->Right - static_cast<int32_t>(static_cast<float>(height) * ratio);
        break;
    default:
        break;
    }
    return std::memcmp(&before, rect, sizeof before) != 0;
}

bool Is_Trading_Allowed() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    return Get_User_Preference(COMMISSIONER_MODE) != 0 || week < TRADING_DEADLINE_WEEK ||
           week == OFF_SEASON_WEEK || Is_Champion_Decided();
}

bool Close_Main_Window(WINDOW_HANDLE window) {
    if (Get_User_Preference(SIMULATION_RUNNING) != 0 && Is_Current_Game_Play_By_Play() == 0) {
        Show_Formatted_Message("Exit Game",
                               "Can't exit while simulations are in progress.\n\nPlease try again once "
                               "this week's games are completed.");
        Stop_Simulation();
        return false;
    }
    if (Check_Save_Changes(window) == 0) return false;
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(WAITING_FOR_CLICK, 0);
    Save_Window_Placement(window);
    Destroy_Window(window);
    return true;
}

intptr_t Main_Window_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_DESTROY:
        // The bars give back what they hold before the window takes them down.
        Destroy_Status_Bar();
        if (window == Main_Window) Main_Window = NO_WINDOW;
        Request_Quit(0);
        return 0;
    case MSG_SIZE:
        if (Sizing_In_Progress != 0) return 0;
        Follow_Main_Window_Size(window);
        Redock_Status_Bars();
        Invalidate_Window(window, nullptr);
        return 0;
    case MSG_ENTER_SIZE_MOVE:
        Sizing_In_Progress = 1;
        Hide_Status_Bars();
        return 0;
    case MSG_SIZING:
        Sizing_In_Progress = 1;
        Constrain_Main_Window_Sizing(reinterpret_cast<RECT_AREA*>(lparam), wparam);
        return 1;
    case MSG_EXIT_SIZE_MOVE:
        Sizing_In_Progress = 0;
        Follow_Main_Window_Size(window);
        // The bars dock and show before the view paints: the view draws the
        // team's logo only while they are shown, and a view already painted
        // is not painted again.
        Redock_Status_Bars();
        Invalidate_Window(window, nullptr);
        Update_Window(window);
        return 0;
    case MSG_PAINT:
        if (Sizing_In_Progress != 0) return 1;
        Paint_Main_Window(window);
        return 0;
    case MSG_MOUSE_MOVE:
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
    case MSG_RBUTTON_DOWN:
        Do_Main_Window_Mouse(window, code, Point_X(lparam), Point_Y(lparam));
        return 0;
    case MSG_CLOSE:
        Close_Main_Window(window);
        return 0;
    case MSG_MAIN_WINDOW_USER:
        Run_Fantasy_Draft();
        return 0;
    case MSG_MAIN_WINDOW_USER_STAMP:
        Set_Owner_Hall_Of_Fame_Value(STAMP_SLOT, static_cast<int32_t>(std::time(nullptr) / 64));
        return 0;
    case MSG_COMMAND:
        if (Do_Main_Window_Command(window, Command_Id(wparam))) return 0;
        return Default_Window_Procedure(window, code, wparam, lparam);
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}
