#include "app/main_window_mouse.h"

#include "app/main_window.h"
#include "app/sounds_and_cursors.h"
#include "app/status_bars.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "platform/rect_math.h"
#include "platform/windows.h"
#include "views/current_view.h"

namespace {
constexpr int32_t DESIGN_WIDTH_UNITS = 768;
constexpr int32_t DESIGN_HEIGHT_UNITS = 507;
constexpr int32_t HOVER_CURSOR_SETTING = 95;

struct NAV_BUTTON {
    RECT_AREA Rect;
    int32_t View;
};

// Tested in this order; the draft button starts where the playoffs button
// does, so only its part beyond 496 is its own.
constexpr NAV_BUTTON NAV_BUTTONS[] = {{{27, 466, 105, 493}, 40036},  {{105, 466, 194, 493}, 40030},
                                      {{194, 466, 276, 493}, 40034}, {{276, 466, 350, 493}, 40032},
                                      {{350, 466, 418, 493}, 40086}, {{418, 466, 496, 493}, 40069},
                                      {{418, 466, 553, 493}, 40070}};
constexpr RECT_AREA NAV_BAR = {27, 466, 553, 493};

// Edges included, as the buttons' rectangles are tested.
bool Is_Inside(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}
} // namespace

bool Is_Game_Being_Watched() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0 && Current_Game != nullptr &&
           Is_Game_Play_By_Play(Current_Game) != 0;
}

void Window_To_Design(int32_t* x, int32_t* y) {
    if (x == nullptr || y == nullptr || !Is_Window(Main_Window)) return;
    RECT_AREA client;
    Get_Client_Rect(Main_Window, &client);
    const int32_t view_height = client.Bottom - Get_Status_Bars_Height();
    if (client.Right > DESIGN_WIDTH_UNITS) *x = Mul_Div_Round(*x, DESIGN_WIDTH_UNITS, client.Right);
    if (view_height > DESIGN_HEIGHT_UNITS) *y = Mul_Div_Round(*y, DESIGN_HEIGHT_UNITS, view_height);
}

bool Is_Over_Nav_Button_Bar(int32_t x, int32_t y) {
    return Is_Inside(NAV_BAR, x, y);
}

bool Do_Nav_Button_Click(int32_t x, int32_t y) {
    if (Is_Game_Being_Watched()) return false;
    for (const NAV_BUTTON& button : NAV_BUTTONS) {
        if (!Is_Inside(button.Rect, x, y)) continue;
        Set_Current_View(button.View);
        Play_Sound_Effect("button.wav");
        return true;
    }
    return false;
}

// The label's rectangle is kept by the timeline strip while the bars show.
bool Is_Over_Team_Label(int32_t, int32_t) {
    return false;
}

void Do_Main_Window_Mouse(WINDOW_HANDLE, uint32_t message, int32_t x, int32_t y) {
    Window_To_Design(&x, &y);
    if (message == MSG_MOUSE_MOVE) {
        int32_t hover = Is_Over_Team_Label(x, y) ? 1 : 0;
        if (!Is_Game_Being_Watched() && Is_Over_Nav_Button_Bar(x, y)) hover = 1;
        Set_App_Cursor(hover);
        Set_User_Preference(HOVER_CURSOR_SETTING, hover);
    } else if (message == MSG_LBUTTON_DOWN) {
        Do_Nav_Button_Click(x, y);
    }
}
