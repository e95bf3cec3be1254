#include "app/main_window_mouse.h"

#include "app/design_scaling.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/skins.h"
#include "app/sounds_and_cursors.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "platform/message_box.h"
#include "platform/rect_math.h"
#include "platform/windows.h"
#include "views/calendar_view.h"
#include "views/current_view.h"
#include "views/draft_board_view.h"
#include "views/finances_view.h"
#include "views/games_view.h"
#include "views/leaders_view.h"
#include "views/main_window_logo.h"
#include "views/playoffs_view.h"
#include "views/standings_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t DESIGN_WIDTH_UNITS = 768;
constexpr int32_t DESIGN_HEIGHT_UNITS = 507;

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

constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t LEADERS_VIEW = 40032;
constexpr int32_t FINANCES_VIEW = 40034;
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t OWNER_FAME_VIEW = 40037;
constexpr int32_t PLAYOFFS_VIEW = 40069;
constexpr int32_t DRAFT_BOARD_VIEW = 40070;
constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t PLAYER_LIST_DIALOG = 114;
constexpr int32_t OTHER_TEAM_DIALOG = 131;
constexpr int32_t FINANCE_CHOOSE_STAT_DIALOG = 145;
constexpr int32_t CALENDAR_CHOOSE_STAT_DIALOG = 163;
constexpr int32_t SHOWN_LEVEL_SETTING = 24;
constexpr int32_t FINANCE_COLUMNS = FINANCE_COLUMN_COUNT;
// While its column is being chosen a setting holds "no statistic".
constexpr int32_t FINANCE_NO_STAT = FINANCE_CHOOSING_MARKER;
constexpr int32_t CALENDAR_COLUMNS = CALENDAR_COLUMN_COUNT;
constexpr int32_t CALENDAR_NO_STAT = CALENDAR_CHOOSING_MARKER;
constexpr int32_t OWNER_FAME_TABS = 4;
constexpr RECT_AREA FINANCE_TITLE_BAND = {0, 13, 596, 65};
constexpr RECT_AREA CALENDAR_TITLE_BAND = {0, 12, 768, 66};

RECT_AREA Finance_Heading(int32_t k) {
    return {160 + 70 * k, 74, 230 + 70 * k, 93};
}

// The calendar's headings sit further right and narrower on the light skins.
RECT_AREA Calendar_Heading(int32_t k) {
    if (Is_Ice_Or_Fire_Skin() != 0) return {381 + 72 * k, 68, 381 + 72 * (k + 1), 101};
    return {371 + 77 * k, 68, 371 + 77 * (k + 1), 101};
}

RECT_AREA Owner_Fame_Tab(int32_t k) {
    return {15 + 172 * k, 81, 187 + 172 * k, 103};
}

// The first heading of `count` under the point, or -1.
template <typename HEADING> int32_t Find_Heading(HEADING heading, int32_t count, int32_t x, int32_t y) {
    for (int32_t k = 0; k < count; ++k)
        if (Is_Inside(heading(k), x, y)) return k;
    return -1;
}

// The notes of statistics the user does not run in General Manager Mode.
void Show_General_Manager_Note(int32_t statistic) {
    const char* note = nullptr;
    switch (statistic) {
    case 15:
        note = "Note: Cash management is not required in 'General Manager Mode'.\n\nTo include cash and "
               "revenue management to your duties, go to the Options Dialog (on the Tools Menu) and change "
               "the Game Mode to 'Owner Mode'.";
        break;
    case 18:
        note = "Note: All Medical Staffs are identical in 'General Manager Mode'.\n\nTo control Medical "
               "Staff Expenditures, go to the Options Dialog on the Tools Menu and change Game Mode to "
               "'Owner Mode'.";
        break;
    case 19:
        note = "Note: All Scouting Staffs are identical in 'General Manager Mode'.\n\nTo control Scouting "
               "Staff Expenditures, go to the Options Dialog on the Tools Menu and change Game Mode to "
               "'Owner Mode'.";
        break;
    default:
        return;
    }
    Show_Formatted_Message("General Manager Mode", "%s", note);
}

bool Do_Finances_Click(int32_t x, int32_t y) {
    if (Is_Inside(FINANCE_TITLE_BAND, x, y)) {
        Play_Sound_Effect("button.wav");
        Set_User_Preference(SHOWN_LEAGUE, Get_User_Preference(SHOWN_LEAGUE) == 0 ? 1 : 0);
        Redraw_Main_Window();
        return true;
    }
    const int32_t k = Find_Heading(Finance_Heading, FINANCE_COLUMNS, x, y);
    if (k < 0) return false;
    const int32_t setting = FINANCE_COLUMN_SETTING + k;
    if (Choose_View_Column_Stat(FINANCE_CHOOSE_STAT_DIALOG, setting, FINANCE_NO_STAT) &&
        Get_User_Preference(OWNER_MODE) == 0) {
        Show_General_Manager_Note(Get_User_Preference(setting));
        Redraw_Main_Window();
    }
    return true;
}

bool Do_Calendar_Heading_Click(int32_t x, int32_t y) {
    const int32_t k = Find_Heading(Calendar_Heading, CALENDAR_COLUMNS, x, y);
    if (k >= 0) {
        Choose_View_Column_Stat(CALENDAR_CHOOSE_STAT_DIALOG, CALENDAR_COLUMN_SETTING + k, CALENDAR_NO_STAT);
        return true;
    }
    if (Is_Inside(CALENDAR_TITLE_BAND, x, y)) {
        Play_Sound_Effect("button.wav");
        Refresh_Bars_And_Do_Dialog(Main_Window, OTHER_TEAM_DIALOG);
        return true;
    }
    if (!Do_Calendar_Click(x, y)) return false;
    Play_Sound_Effect("button.wav");
    return true;
}

bool Do_Owner_Fame_Click(int32_t x, int32_t y) {
    const int32_t k = Find_Heading(Owner_Fame_Tab, OWNER_FAME_TABS, x, y);
    if (k < 0) return false;
    Play_Sound_Effect("button.wav");
    Set_User_Preference(SHOWN_LEVEL_SETTING, k);
    Redraw_Main_Window();
    return true;
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

// The label is the user team's logo, where the timeline module last drew it
// while the bars show.
bool Is_Over_Team_Label(int32_t x, int32_t y) {
    if (Is_Game_Being_Watched() || !Is_Window_Visible(Status_Bar_Window)) return false;
    RECT_AREA label = Team_Logo_Rect;
    if (label.Right <= label.Left || label.Bottom <= label.Top) return false;
    Scale_Rect_To_Design(&label);
    return Is_Inside(label, x, y);
}

void Do_Team_Label_Click() {
    const int32_t user = Get_User_Team();
    const bool pool = user >= FREE_AGENT_TEAM && user < TOTAL_NUMBER_OF_TEAMS;
    Set_User_Preference(VIEWED_TEAM, Is_Used_Franchise_Slot(user) || pool ? user : 0);
    Refresh_Bars_And_Do_Dialog(Main_Window, PLAYER_LIST_DIALOG);
}

int32_t Get_View_Hot_Spot_Cursor(int32_t x, int32_t y) {
    switch (Get_Current_View()) {
    case STANDINGS_VIEW:
        return Is_Standings_Hot_Spot(x, y);
    case LEADERS_VIEW:
        return Is_Leaders_Hot_Spot(x, y);
    case FINANCES_VIEW:
        return Is_Inside(FINANCE_TITLE_BAND, x, y) ||
                       Find_Heading(Finance_Heading, FINANCE_COLUMNS, x, y) >= 0
                   ? 1
                   : 0;
    case CALENDAR_VIEW:
        return Is_Calendar_Hot_Spot(x, y);
    case OWNER_FAME_VIEW:
        return Find_Heading(Owner_Fame_Tab, OWNER_FAME_TABS, x, y) >= 0 ? 1 : 0;
    case PLAYOFFS_VIEW:
        return Is_Playoffs_Hot_Spot(x, y);
    case DRAFT_BOARD_VIEW:
        return Is_Draft_Board_Hot_Spot(x, y);
    case GAMES_VIEW:
        return Track_Games_View_Mouse(x, y) ? 1 : 0;
    default:
        return 0;
    }
}

bool Is_Over_View_Hot_Spot(int32_t x, int32_t y) {
    return Get_View_Hot_Spot_Cursor(x, y) != 0;
}

bool Do_View_Click(int32_t x, int32_t y) {
    switch (Get_Current_View()) {
    case STANDINGS_VIEW:
        Do_Standings_Click(x, y);
        return true;
    case LEADERS_VIEW:
        Do_Leaders_Click(x, y);
        return true;
    case PLAYOFFS_VIEW:
        Do_Playoffs_Click(x, y);
        return true;
    case DRAFT_BOARD_VIEW:
        Do_Draft_Board_Click(x, y);
        return true;
    case FINANCES_VIEW:
        return Do_Finances_Click(x, y);
    case CALENDAR_VIEW:
        return Do_Calendar_Heading_Click(x, y);
    case OWNER_FAME_VIEW:
        return Do_Owner_Fame_Click(x, y);
    case GAMES_VIEW:
        if (!Do_Games_View_Click(x, y)) return false;
        Play_Sound_Effect("button.wav");
        return true;
    default:
        return false;
    }
}

void Do_Main_Window_Mouse(WINDOW_HANDLE, uint32_t message, int32_t x, int32_t y) {
    Window_To_Design(&x, &y);
    if (message == MSG_MOUSE_MOVE) {
        int32_t hover = Is_Over_Team_Label(x, y) ? 1 : Get_View_Hot_Spot_Cursor(x, y);
        if (!Is_Game_Being_Watched() && Is_Over_Nav_Button_Bar(x, y)) hover = 1;
        Set_App_Cursor(hover);
        Set_User_Preference(HOVER_CURSOR, hover);
    } else if (message == MSG_LBUTTON_DOWN) {
        if (Is_Over_Team_Label(x, y)) {
            Do_Team_Label_Click();
            return;
        }
        Do_View_Click(x, y);
        Do_Nav_Button_Click(x, y);
    }
}
