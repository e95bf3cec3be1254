#include "app/status_bars.h"

#include "app/main_window.h"
#include "app/news_ticker.h"
#include "app/sounds_and_cursors.h"
#include "app/text_contrast.h"
#include "app/window_graphics.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "platform/windows.h"
#include "views/timeline_strip.h"

WINDOW_HANDLE Status_Bar_Window = NO_WINDOW;
WINDOW_HANDLE News_Ticker_Window = NO_WINDOW;
const char* const STATUS_BAR_CLASS = "#status-bar";

namespace {
constexpr int32_t DESIGN_BAR_WIDTH = 768;
WINDOW_PROCEDURE bar_procedure = nullptr;

// What the bar class does itself: nothing but the default handling.
intptr_t Bar_Class_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    return Default_Window_Procedure(window, code, wparam, lparam);
}

void Dock_Status_Bar(WINDOW_HANDLE window) {
    if (!Is_Window(Main_Window)) return;
    RECT_AREA client;
    Get_Client_Rect(Main_Window, &client);
    const int32_t bottom = client.Bottom - Get_Ticker_Height();
    Move_Window(window, {0, bottom - STATUS_BAR_HEIGHT, client.Right, bottom});
}

// A mouse x of the bar in the 768-wide design space.
int32_t Design_X(int32_t x) {
    RECT_AREA client{};
    if (Is_Window(Main_Window)) Get_Client_Rect(Main_Window, &client);
    return client.Right > DESIGN_BAR_WIDTH ? Mul_Div_Round(x, DESIGN_BAR_WIDTH, client.Right) : x;
}

intptr_t Status_Bar_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 0;
        // The strip writes on the skin's bars: its text is fitted to them.
        Set_Text_Colour_Choice(dc, Choose_Contrasting_Text_Colour);
        Draw_Timeline_Bottom_Bars(dc, window);
        Draw_Timeline_Team_Label(dc);
        Draw_Timeline_Strip(dc);
        End_Paint(window, &paint);
        return 0;
    }
    case MSG_SIZE:
    case MSG_MOVE:
        Dock_Status_Bar(window);
        return 0;
    case MSG_LBUTTON_DOWN:
        Do_Timeline_Click(Design_X(Point_X(lparam)), Point_Y(lparam));
        break;
    case MSG_MOUSE_MOVE: {
        const int32_t hover = Is_Timeline_Hot_Spot(Design_X(Point_X(lparam)), Point_Y(lparam)) ? 1 : 0;
        Set_App_Cursor(hover);
        Set_User_Preference(HOVER_CURSOR, hover);
        break;
    }
    default:
        break;
    }
    return Call_Window_Procedure(bar_procedure, window, code, wparam, lparam);
}

void Show_Bar(WINDOW_HANDLE window) {
    if (!Is_Window(window)) return;
    Send_Window_Message(window, MSG_SIZE, 0, 0);
    Repaint_Window(window);
    Show_Window(window, true);
}
} // namespace

void Register_Status_Bar_Class() {
    if (!Is_Window_Class_Registered(STATUS_BAR_CLASS))
        Register_Window_Class(STATUS_BAR_CLASS, Bar_Class_Procedure, Make_Colour(0, 0, 0));
}

void Create_Status_Bar() {
    if (!Is_Window(Main_Window)) return;
    Register_Status_Bar_Class();
    if (Get_User_Preference(SHOW_NEWS_TICKER) != 0) Create_News_Ticker(Main_Window);
    if (Is_Window(Status_Bar_Window)) {
        Redock_Status_Bars();
        return;
    }
    Status_Bar_Window =
        Create_Window(STATUS_BAR_CLASS, "", WINDOW_CHILD, {0, 0, 0, STATUS_BAR_HEIGHT}, Main_Window, 0, 0);
    if (Status_Bar_Window == NO_WINDOW) return;
    bar_procedure = Subclass_Window(Status_Bar_Window, Status_Bar_Proc);
    Dock_Status_Bar(Status_Bar_Window);
    Show_Window(Status_Bar_Window, true);
    Fit_Back_Buffer_To_View();
}

void Destroy_Status_Bar() {
    if (News_Ticker_Window != NO_WINDOW) Destroy_News_Ticker();
    const WINDOW_HANDLE bar = Status_Bar_Window;
    Status_Bar_Window = NO_WINDOW;
    if (Is_Window(bar)) Destroy_Window(bar);
    Fit_Back_Buffer_To_View();
}

int32_t Get_Ticker_Height() {
    return News_Ticker_Window != NO_WINDOW && Is_Window(News_Ticker_Window) ? NEWS_TICKER_HEIGHT : 0;
}

int32_t Get_Status_Bars_Height() {
    const bool bar = Is_Window_Visible(Status_Bar_Window);
    const bool ticker = Is_Window_Visible(News_Ticker_Window);
    if (!bar && !ticker) return 0;
    RECT_AREA client{};
    int32_t height = 0;
    if (Is_Window(Status_Bar_Window)) {
        Get_Client_Rect(Status_Bar_Window, &client);
        height += client.Bottom;
    }
    if (Is_Window(News_Ticker_Window)) {
        Get_Client_Rect(News_Ticker_Window, &client);
        height += client.Bottom;
    }
    return height;
}

void Redock_Status_Bars() {
    Show_Bar(Status_Bar_Window);
    Show_Bar(News_Ticker_Window);
}

int32_t Status_Bar_Exists() {
    return Is_Window(Status_Bar_Window) ? 1 : 0;
}

void Repaint_Status_Bar() {
    Repaint_Window(Status_Bar_Window);
}

void Hide_Status_Bars() {
    if (Is_Window(Status_Bar_Window)) Show_Window(Status_Bar_Window, false);
    if (Is_Window(News_Ticker_Window)) Show_Window(News_Ticker_Window, false);
}
