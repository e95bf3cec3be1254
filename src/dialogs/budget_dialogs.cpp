#include "dialogs/budget_dialogs.h"

#include <cstdlib>
#include <string>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/image_drawing.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/number_words.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/dialog_text_painting.h"
#include "dialogs/small_dialogs.h"
#include "frontoffice/budget_steps.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/string_warnings.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t VALUE = CONTROL_RIGHT_TEXT;
constexpr uint32_t TEAM_COMBO = WINDOW_TAB_STOP | CONTROL_OWNER_DRAW;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t OTHER_TEAM_DIALOG_ID = 131;
constexpr int32_t CITY_POPULATION = 0;
constexpr int32_t REGION_POPULATION = 1;
constexpr int32_t CITY_INCOME = 3;
constexpr int32_t STADIUM_CAPACITY = 0;

const DIALOG_CONTROL TICKETS_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 196, 140}, "", TEAM_COMBO},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 24, 134, 34}, "Ticket Price", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {16, 39, 32, 10}, "Price:  $", 0},
    {CONTROL_EDIT, TICKET_PRICE_EDIT, {50, 37, 48, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, TICKET_PRICE_SPIN, {98, 37, 11, 13}, "", 0},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {150, 24, 154, 58}, "Last Home Game", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 37, 80, 10}, "Price Paid:", 0},
    {CONTROL_STATIC_TEXT, TICKET_PAID_TEXT, {238, 37, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 50, 80, 10}, "Attendance:", 0},
    {CONTROL_STATIC_TEXT, TICKET_ATTENDANCE_TEXT, {238, 50, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 63, 80, 10}, "Ticket Sales:", 0},
    {CONTROL_STATIC_TEXT, TICKET_SALES_TEXT, {238, 63, 58, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 62, 134, 44}, "Ticket Revenue", 0},
    {CONTROL_STATIC_TEXT, TICKET_REVENUE_THIS_LABEL, {16, 75, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, TICKET_REVENUE_THIS_TEXT, {78, 75, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, TICKET_REVENUE_LAST_LABEL, {16, 89, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, TICKET_REVENUE_LAST_TEXT, {78, 89, 58, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 110, 134, 72}, "Attendance", 0},
    {CONTROL_STATIC_TEXT, ATTENDANCE_THIS_LABEL, {16, 123, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, ATTENDANCE_THIS_TEXT, {78, 123, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, ATTENDANCE_LAST_LABEL, {16, 136, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, ATTENDANCE_LAST_TEXT, {78, 136, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, ATTENDANCE_THIS_TOTAL_LABEL, {16, 152, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, ATTENDANCE_THIS_TOTAL_TEXT, {78, 152, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, ATTENDANCE_LAST_TOTAL_LABEL, {16, 165, 62, 10}, "", 0},
    {CONTROL_STATIC_TEXT, ATTENDANCE_LAST_TOTAL_TEXT, {78, 165, 58, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {150, 86, 154, 96}, "Market", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 100, 80, 10}, "City Population:", 0},
    {CONTROL_STATIC_TEXT, CITY_POPULATION_TEXT, {238, 100, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 120, 80, 10}, "Region Population:", 0},
    {CONTROL_STATIC_TEXT, REGION_POPULATION_TEXT, {238, 120, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 140, 80, 10}, "Per Capita Income:", 0},
    {CONTROL_STATIC_TEXT, INCOME_TEXT, {238, 140, 58, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {158, 160, 80, 10}, "Stadium Capacity:", 0},
    {CONTROL_STATIC_TEXT, CAPACITY_TEXT, {238, 160, 58, 10}, "", VALUE},
    {CONTROL_PUSH_BUTTON, VIEW_OTHER_TEAM_BUTTON, {8, 190, 100, 15}, "View &Other Team...", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {190, 190, 54, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {250, 190, 54, 15}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

// Concession columns: beverages, food, souvenirs, then the total.
constexpr int32_t COLUMN_X[] = {72, 148, 224, 300};
constexpr int32_t COLUMN_WIDTH = 68;

const DIALOG_CONTROL CONCESSIONS_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 196, 140}, "", TEAM_COMBO},
    {CONTROL_STATIC_IMAGE, BEVERAGE_PICTURE, {COLUMN_X[0], 24, COLUMN_WIDTH, 44}, "", 0},
    {CONTROL_STATIC_IMAGE, FOOD_PICTURE, {COLUMN_X[1], 24, COLUMN_WIDTH, 44}, "", 0},
    {CONTROL_STATIC_IMAGE, SOUVENIR_PICTURE, {COLUMN_X[2], 24, COLUMN_WIDTH, 44}, "", 0},
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {COLUMN_X[0], 71, COLUMN_WIDTH, 10},
     "Beverages",
     CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {COLUMN_X[1], 71, COLUMN_WIDTH, 10}, "Food", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {COLUMN_X[2], 71, COLUMN_WIDTH, 10},
     "Souvenirs",
     CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {COLUMN_X[3], 71, 52, 10}, "Total", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 86, 60, 10}, "Price:  $", 0},
    {CONTROL_EDIT, BEVERAGE_PRICE_EDIT, {COLUMN_X[0] + 8, 84, 44, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, BEVERAGE_PRICE_SPIN, {COLUMN_X[0] + 52, 84, 11, 13}, "", 0},
    {CONTROL_EDIT, FOOD_PRICE_EDIT, {COLUMN_X[1] + 8, 84, 44, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, FOOD_PRICE_SPIN, {COLUMN_X[1] + 52, 84, 11, 13}, "", 0},
    {CONTROL_EDIT, SOUVENIR_PRICE_EDIT, {COLUMN_X[2] + 8, 84, 44, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, SOUVENIR_PRICE_SPIN, {COLUMN_X[2] + 52, 84, 11, 13}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 104, 62, 10}, "Last Game:", 0},
    {CONTROL_STATIC_TEXT, BEVERAGE_GAME_TEXT, {COLUMN_X[0], 104, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, FOOD_GAME_TEXT, {COLUMN_X[1], 104, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, SOUVENIR_GAME_TEXT, {COLUMN_X[2], 104, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, TOTAL_GAME_TEXT, {COLUMN_X[3], 104, 52, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, PROFIT_THIS_GROUP, {4, 118, 352, 28}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 131, 62, 10}, "Per Home Game:", 0},
    {CONTROL_STATIC_TEXT, BEVERAGE_THIS_TEXT, {COLUMN_X[0], 131, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, FOOD_THIS_TEXT, {COLUMN_X[1], 131, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, SOUVENIR_THIS_TEXT, {COLUMN_X[2], 131, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, TOTAL_THIS_TEXT, {COLUMN_X[3], 131, 52, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, PROFIT_LAST_GROUP, {4, 150, 352, 28}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 163, 62, 10}, "Per Home Game:", 0},
    {CONTROL_STATIC_TEXT, BEVERAGE_LAST_TEXT, {COLUMN_X[0], 163, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, FOOD_LAST_TEXT, {COLUMN_X[1], 163, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, SOUVENIR_LAST_TEXT, {COLUMN_X[2], 163, COLUMN_WIDTH, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, TOTAL_LAST_TEXT, {COLUMN_X[3], 163, 52, 10}, "", VALUE},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {242, 184, 54, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {302, 184, 54, 15}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL EXPENSES_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 196, 140}, "", TEAM_COMBO},
    {CONTROL_PUSH_BUTTON, VIEW_MY_TEAM_BUTTON, {212, 5, 80, 15}, "&View My Team", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {6, 24, 288, 90}, "Per Game", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 38, 84, 10}, "Scouting Budget:", 0},
    {CONTROL_EDIT, SCOUTING_BUDGET_EDIT, {100, 36, 84, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, SCOUTING_BUDGET_SPIN, {184, 36, 11, 13}, "", 0},
    {CONTROL_STATIC_TEXT, SCOUTING_RANK, {232, 38, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 53, 84, 10}, "Medical Staff Budget:", 0},
    {CONTROL_EDIT, MEDICAL_BUDGET_EDIT, {100, 51, 84, 13}, "", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, MEDICAL_BUDGET_SPIN, {184, 51, 11, 13}, "", 0},
    {CONTROL_STATIC_TEXT, MEDICAL_RANK, {232, 53, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 68, 84, 10}, "Player Salaries:", 0},
    {CONTROL_STATIC_TEXT, SALARIES_TEXT, {100, 68, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, SALARIES_RANK, {232, 68, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 82, 84, 10}, "Operating Expenses:", 0},
    {CONTROL_STATIC_TEXT, OPERATING_TEXT, {100, 82, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, OPERATING_RANK, {232, 82, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 96, 84, 10}, "Owner Dividends:", 0},
    {CONTROL_STATIC_TEXT, DIVIDENDS_TEXT, {100, 96, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, DIVIDENDS_RANK, {232, 96, 54, 10}, "", VALUE},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {6, 118, 288, 70}, "Season Totals", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 131, 84, 10}, "This Year's Revenue:", 0},
    {CONTROL_STATIC_TEXT, REVENUE_THIS_TEXT, {100, 131, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, REVENUE_THIS_RANK, {232, 131, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 144, 84, 10}, "This Year's Expenses:", 0},
    {CONTROL_STATIC_TEXT, EXPENSES_THIS_TEXT, {100, 144, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, EXPENSES_THIS_RANK, {232, 144, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 157, 84, 10}, "Last Year's Revenue:", 0},
    {CONTROL_STATIC_TEXT, REVENUE_LAST_TEXT, {100, 157, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, REVENUE_LAST_RANK, {232, 157, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 170, 84, 10}, "Last Year's Expenses:", 0},
    {CONTROL_STATIC_TEXT, EXPENSES_LAST_TEXT, {100, 170, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, EXPENSES_LAST_RANK, {232, 170, 54, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {14, 196, 84, 10}, "Cash:", 0},
    {CONTROL_STATIC_TEXT, CASH_TEXT, {100, 196, 84, 10}, "", VALUE},
    {CONTROL_STATIC_TEXT, CASH_RANK, {232, 196, 54, 10}, "", VALUE},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {180, 214, 54, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {240, 214, 54, 15}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

// A concession column: its price edit and spin, and its block of statistics.
struct CONCESSION_COLUMN {
    int32_t Edit;
    int32_t Spin;
    int32_t Block;
    int32_t Game_Text;
    int32_t This_Text;
    int32_t Last_Text;
};
constexpr CONCESSION_COLUMN CONCESSION_COLUMNS[] = {
    {BEVERAGE_PRICE_EDIT, BEVERAGE_PRICE_SPIN, FINANCE_BEVERAGES, BEVERAGE_GAME_TEXT, BEVERAGE_THIS_TEXT,
     BEVERAGE_LAST_TEXT},
    {FOOD_PRICE_EDIT, FOOD_PRICE_SPIN, FINANCE_FOOD, FOOD_GAME_TEXT, FOOD_THIS_TEXT, FOOD_LAST_TEXT},
    {SOUVENIR_PRICE_EDIT, SOUVENIR_PRICE_SPIN, FINANCE_SOUVENIRS, SOUVENIR_GAME_TEXT, SOUVENIR_THIS_TEXT,
     SOUVENIR_LAST_TEXT},
};

// The team the dialog shows: the viewed team made valid, a franchise in use
// or one of the pools 36-40, whose own figures are shown.
int32_t Shown_Team() {
    Validate_Viewed_Team();
    return Get_User_Preference(VIEWED_TEAM);
}

int32_t Stat(int32_t n) {
    return Get_Team_Financial_Stat(Get_User_Preference(VIEWED_TEAM), n);
}

void Set_Text(WINDOW_HANDLE dialog, int32_t id, const char* text) {
    Set_Dialog_Item_Text(dialog, id, text);
}

void Set_Money(WINDOW_HANDLE dialog, int32_t id, int64_t amount) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(amount, digits);
    STRING_PREPEND_WARNING_OFF
    Set_Text(dialog, id, ("$" + std::string(digits)).c_str());
    STRING_PREPEND_WARNING_ON
}

void Set_Number(WINDOW_HANDLE dialog, int32_t id, int64_t value) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(value, digits);
    Set_Text(dialog, id, digits);
}

// Populations and capacities read as plain numbers.
void Set_Plain_Number(WINDOW_HANDLE dialog, int32_t id, int64_t value) {
    char digits[FORMATTED_TEXT_SIZE];
    safe_sprintf(digits, FORMATTED_TEXT_SIZE, "%lld", static_cast<long long>(value));
    Set_Text(dialog, id, digits);
}

void Set_Year_Label(WINDOW_HANDLE dialog, int32_t id, const char* format, int32_t year) {
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, FORMATTED_TEXT_SIZE, format, year);
    Set_Text(dialog, id, text);
}

void Set_Rank(WINDOW_HANDLE dialog, int32_t id, int32_t n) {
    char ordinal[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Number(Get_Team_Financial_Rank(Get_User_Preference(VIEWED_TEAM), n) + 1, ordinal);
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, FORMATTED_TEXT_SIZE, "(%s)", ordinal);
    Set_Text(dialog, id, text);
}

// A total per game, the total itself when there were no games.
int64_t Per_Game(int64_t total, int64_t games) {
    return games != 0 ? total / games : total;
}

bool Is_Editable() {
    return Is_Team_Budget_Editable(Get_User_Preference(VIEWED_TEAM)) != 0;
}

void Set_Up_Spins(WINDOW_HANDLE dialog, std::initializer_list<int32_t> spins) {
    const bool editable = Is_Editable();
    for (int32_t id : spins) {
        const WINDOW_HANDLE spin = Get_Dialog_Item(dialog, id);
        Send_Window_Message(spin, MSG_UP_DOWN_SET_RANGE, 0, 1);
        Enable_Window(spin, editable);
    }
}

// Opening: fonts, centring, the team shown, the caption, the selector.
void Open_Budget_Dialog(WINDOW_HANDLE dialog, std::initializer_list<int32_t> buttons) {
    Set_Up_Skinned_Dialog(dialog, buttons);
    Shown_Team();
    Set_Team_Dialog_Caption(dialog);
    Fill_Team_Selector(dialog);
}

// The caption anew for the viewed team.
void Reset_Caption(WINDOW_HANDLE dialog, const char* caption) {
    Set_Window_Text(dialog, caption);
    Set_Team_Dialog_Caption(dialog);
}

// A team chosen in the selector becomes the viewed team.
bool Choose_Selected_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    const int32_t line = Combo_Box_Get_Current_Selection(selector);
    if (line < 0) return false;
    const intptr_t team = Combo_Box_Get_Item_Data(selector, line) - TEAM_ITEM_DATA_BASE;
    if (!Is_Used_Franchise_Slot(static_cast<int32_t>(team))) return false;
    Set_Viewed_Team(static_cast<int32_t>(team));
    return true;
}

// Typing never changes a value: the edit shows the stored one again.
void Keep_Edit_Text(WINDOW_HANDLE dialog, int32_t id, const char* shown) {
    if (Get_Dialog_Item_Text(dialog, id) != shown) Set_Dialog_Item_Text(dialog, id, shown);
}

// The spin pressed: up when the position it reports is not 0; 0 when the
// message is no thumb position.
bool Read_Spin(uintptr_t wparam, intptr_t lparam, int32_t* id, int32_t* up) {
    if ((wparam & 0xFFFFu) != SCROLL_THUMB_POSITION) return false;
    *id = Get_Window_Id(static_cast<WINDOW_HANDLE>(lparam));
    *up = (wparam >> 16) != 0 ? 1 : 0;
    return true;
}

// The messages the three dialogs answer alike; true when handled.
bool Answer_Common_Message(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam,
                           intptr_t* result) {
    if (Is_Dialog_Colour_Message(code)) {
        *result = Answer_Dialog_Colour(code, dialog, wparam, lparam);
        return true;
    }
    if (code == MSG_DRAW_ITEM) {
        Draw_Team_Combo_Item(reinterpret_cast<const DRAW_ITEM_INFO*>(lparam));
        *result = 1;
        return true;
    }
    if (code == MSG_MEASURE_ITEM) {
        *result = Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
        return true;
    }
    if (code == MSG_COMMAND && (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL)) {
        End_Dialog(dialog, 1);
        *result = 1;
        return true;
    }
    return false;
}

void Ticket_Price_Text(char* text) {
    Format_Cents(Stat(FINANCE_TICKET_PRICE), text);
}

void Concession_Price_Text(const CONCESSION_COLUMN& column, char* text) {
    Format_Cents(Stat(column.Block + CONCESSION_PRICE), text);
}

void Budget_Text(int32_t n, char* text) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(Stat(n), digits);
    safe_sprintf(text, FORMATTED_TEXT_SIZE, "$%s", digits);
}

int32_t Budget_Of_Edit(int32_t id) {
    return id == MEDICAL_BUDGET_EDIT ? FINANCE_MEDICAL_BUDGET : FINANCE_SCOUTING_BUDGET;
}

void Step_Ticket(WINDOW_HANDLE dialog, int32_t up) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    Set_Team_Financial_Stat(team, FINANCE_TICKET_PRICE, Step_Ticket_Price(Stat(FINANCE_TICKET_PRICE), up));
    char text[FORMATTED_TEXT_SIZE];
    Ticket_Price_Text(text);
    Set_Dialog_Item_Text(dialog, TICKET_PRICE_EDIT, text);
}

void Step_Concession(WINDOW_HANDLE dialog, int32_t spin, int32_t up) {
    // Any spin but food's and beverages' moves souvenirs.
    const CONCESSION_COLUMN* column = &CONCESSION_COLUMNS[2];
    for (const CONCESSION_COLUMN& candidate : CONCESSION_COLUMNS)
        if (candidate.Spin == spin) column = &candidate;
    const int32_t price = column->Block + CONCESSION_PRICE;
    Set_Team_Financial_Stat(Get_User_Preference(VIEWED_TEAM), price, Step_Concession_Price(Stat(price), up));
    char text[FORMATTED_TEXT_SIZE];
    Concession_Price_Text(*column, text);
    Set_Dialog_Item_Text(dialog, column->Edit, text);
}

void Step_Budget(WINDOW_HANDLE dialog, int32_t spin, int32_t up) {
    const int32_t n = spin == MEDICAL_BUDGET_SPIN ? FINANCE_MEDICAL_BUDGET : FINANCE_SCOUTING_BUDGET;
    Set_Team_Financial_Stat(Get_User_Preference(VIEWED_TEAM), n, Step_Staff_Budget(Stat(n), up));
    Fill_Expenses_Dialog(dialog);
}
} // namespace

const DIALOG_TEMPLATE TICKETS_DIALOG_TEMPLATE = {TICKETS_DIALOG,
                                                 "Tickets",
                                                 312,
                                                 212,
                                                 "MS Sans Serif",
                                                 8,
                                                 WINDOW_CAPTION | WINDOW_BORDER,
                                                 TICKETS_CONTROLS,
                                                 Count_Of(TICKETS_CONTROLS),
                                                 1};
const DIALOG_TEMPLATE CONCESSIONS_DIALOG_TEMPLATE = {CONCESSIONS_DIALOG,
                                                     "Concessions",
                                                     360,
                                                     206,
                                                     "MS Sans Serif",
                                                     8,
                                                     WINDOW_CAPTION | WINDOW_BORDER,
                                                     CONCESSIONS_CONTROLS,
                                                     Count_Of(CONCESSIONS_CONTROLS),
                                                     1};
const DIALOG_TEMPLATE EXPENSES_DIALOG_TEMPLATE = {EXPENSES_DIALOG,
                                                  "Expenses",
                                                  300,
                                                  236,
                                                  "MS Sans Serif",
                                                  8,
                                                  WINDOW_CAPTION | WINDOW_BORDER,
                                                  EXPENSES_CONTROLS,
                                                  Count_Of(EXPENSES_CONTROLS),
                                                  1};

void Format_Cents(int32_t cents, char* buffer) {
    const int64_t value = cents;
    const int64_t whole = (value < 0 ? -value : value);
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s%lld.%02lld", value < 0 ? "-" : "",
                 static_cast<long long>(whole / 100), static_cast<long long>(whole % 100));
}

void Fill_Tickets_Dialog(WINDOW_HANDLE dialog) {
    const int32_t team = Shown_Team();
    char text[FORMATTED_TEXT_SIZE];
    Ticket_Price_Text(text);
    Set_Text(dialog, TICKET_PRICE_EDIT, text);
    const int64_t gate = Stat(FINANCE_LAST_GATE);
    const int64_t attendance = Stat(FINANCE_LAST_ATTENDANCE);
    Format_Cents(Clamp_To_Int32(attendance != 0 ? Mul_Div_Round_64(gate, 100, attendance) : 0), text);
    STRING_PREPEND_WARNING_OFF
    Set_Text(dialog, TICKET_PAID_TEXT, ("$" + std::string(text)).c_str());
    STRING_PREPEND_WARNING_ON
    const int64_t capacity = Get_Team_Stadium_Stat(team, STADIUM_CAPACITY);
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(attendance, digits);
    Set_Text(dialog, TICKET_ATTENDANCE_TEXT,
             (std::string(digits) + (attendance == capacity ? "*" : "")).c_str());
    Set_Money(dialog, TICKET_SALES_TEXT, gate);
    const int32_t year = Get_Current_Year();
    Set_Year_Label(dialog, TICKET_REVENUE_THIS_LABEL, "%d (Per Game)", year);
    Set_Year_Label(dialog, TICKET_REVENUE_LAST_LABEL, "%d (Per Game)", year - 1);
    Set_Year_Label(dialog, ATTENDANCE_THIS_LABEL, "%d (Per Game)", year);
    Set_Year_Label(dialog, ATTENDANCE_LAST_LABEL, "%d (Per Game)", year - 1);
    Set_Year_Label(dialog, ATTENDANCE_THIS_TOTAL_LABEL, "%d (Total)", year);
    Set_Year_Label(dialog, ATTENDANCE_LAST_TOTAL_LABEL, "%d (Total)", year - 1);
    const int64_t home_games = Stat(FINANCE_HOME_GAMES);
    const int64_t home_games_last = Stat(FINANCE_HOME_GAMES_LAST);
    // Revenue per game reads 0 before a home game; attendance shows its total.
    Set_Money(dialog, TICKET_REVENUE_THIS_TEXT,
              home_games != 0 ? Stat(FINANCE_TICKET_REVENUE) / home_games : 0);
    Set_Money(dialog, TICKET_REVENUE_LAST_TEXT,
              home_games_last != 0 ? Stat(FINANCE_TICKET_REVENUE_LAST) / home_games_last : 0);
    Set_Number(dialog, ATTENDANCE_THIS_TEXT, Per_Game(Stat(FINANCE_HOME_ATTENDANCE), home_games));
    Set_Number(dialog, ATTENDANCE_LAST_TEXT, Per_Game(Stat(FINANCE_HOME_ATTENDANCE_LAST), home_games_last));
    Set_Number(dialog, ATTENDANCE_THIS_TOTAL_TEXT, Stat(FINANCE_HOME_ATTENDANCE));
    Set_Number(dialog, ATTENDANCE_LAST_TOTAL_TEXT, Stat(FINANCE_HOME_ATTENDANCE_LAST));
    Set_Plain_Number(dialog, CITY_POPULATION_TEXT, Get_Team_City_Stat(team, CITY_POPULATION));
    Set_Plain_Number(dialog, REGION_POPULATION_TEXT, Get_Team_City_Stat(team, REGION_POPULATION));
    Set_Money(dialog, INCOME_TEXT, Get_Team_City_Stat(team, CITY_INCOME));
    Set_Plain_Number(dialog, CAPACITY_TEXT, capacity);
    Set_Up_Spins(dialog, {TICKET_PRICE_SPIN});
}

void Fill_Concessions_Dialog(WINDOW_HANDLE dialog) {
    Shown_Team();
    const int64_t home_games = Stat(FINANCE_HOME_GAMES);
    const int64_t home_games_last = Stat(FINANCE_HOME_GAMES_LAST);
    const bool first_season = Get_User_Preference(CURRENT_SEASON_INDEX) == 0;
    int64_t game_total = 0, this_total = 0, last_total = 0;
    for (const CONCESSION_COLUMN& column : CONCESSION_COLUMNS) {
        char text[FORMATTED_TEXT_SIZE];
        Concession_Price_Text(column, text);
        Set_Text(dialog, column.Edit, text);
        const int64_t game = Stat(column.Block + CONCESSION_GAME_PROFIT);
        const int64_t this_season = Per_Game(Stat(column.Block + CONCESSION_SEASON_PROFIT), home_games);
        const int64_t last_season =
            Per_Game(Stat(column.Block + CONCESSION_LAST_SEASON_PROFIT), home_games_last);
        Set_Money(dialog, column.Game_Text, game);
        Set_Money(dialog, column.This_Text, this_season);
        if (first_season)
            Set_Text(dialog, column.Last_Text, "$---,---");
        else
            Set_Money(dialog, column.Last_Text, last_season);
        game_total += game;
        this_total += this_season;
        last_total += last_season;
    }
    Set_Money(dialog, TOTAL_GAME_TEXT, game_total);
    Set_Money(dialog, TOTAL_THIS_TEXT, this_total);
    if (first_season)
        Set_Text(dialog, TOTAL_LAST_TEXT, "$---,---");
    else
        Set_Money(dialog, TOTAL_LAST_TEXT, last_total);
    Set_Year_Label(dialog, PROFIT_THIS_GROUP, "%d Profit Per Game", Get_Current_Year());
    Set_Year_Label(dialog, PROFIT_LAST_GROUP, "%d Profit Per Game", Get_Current_Year() - 1);
    Set_Up_Spins(dialog, {BEVERAGE_PRICE_SPIN, FOOD_PRICE_SPIN, SOUVENIR_PRICE_SPIN});
}

void Fill_Expenses_Dialog(WINDOW_HANDLE dialog) {
    const int32_t team = Shown_Team();
    char text[FORMATTED_TEXT_SIZE];
    Budget_Text(FINANCE_SCOUTING_BUDGET, text);
    Set_Text(dialog, SCOUTING_BUDGET_EDIT, text);
    Budget_Text(FINANCE_MEDICAL_BUDGET, text);
    Set_Text(dialog, MEDICAL_BUDGET_EDIT, text);
    Set_Money(dialog, SALARIES_TEXT, Get_Team_Payroll_Per_Game(team));
    Set_Money(dialog, OPERATING_TEXT, Get_Team_Operating_Expenses(team));
    Set_Money(dialog, DIVIDENDS_TEXT, Stat(FINANCE_DIVIDEND_GAME));
    Set_Money(dialog, REVENUE_THIS_TEXT, Stat(FINANCE_REVENUE));
    Set_Money(dialog, EXPENSES_THIS_TEXT, Stat(FINANCE_EXPENSES));
    Set_Money(dialog, REVENUE_LAST_TEXT, Stat(FINANCE_REVENUE + 1));
    Set_Money(dialog, EXPENSES_LAST_TEXT, Stat(FINANCE_EXPENSES + 1));
    const int64_t cash = Stat(FINANCE_CASH);
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(cash < 0 ? -cash : cash, digits);
    Set_Text(dialog, CASH_TEXT, ((cash < 0 ? "-$" : "$") + std::string(digits)).c_str());
    Set_Rank(dialog, SCOUTING_RANK, FINANCE_SCOUTING_BUDGET);
    Set_Rank(dialog, MEDICAL_RANK, FINANCE_MEDICAL_BUDGET);
    Set_Rank(dialog, SALARIES_RANK, FINANCE_PAYROLL_GAME);
    Set_Rank(dialog, OPERATING_RANK, FINANCE_OPERATING_EXPENSES_GAME);
    Set_Rank(dialog, DIVIDENDS_RANK, FINANCE_DIVIDEND_GAME);
    Set_Rank(dialog, REVENUE_THIS_RANK, FINANCE_REVENUE);
    Set_Rank(dialog, EXPENSES_THIS_RANK, FINANCE_EXPENSES);
    Set_Rank(dialog, REVENUE_LAST_RANK, FINANCE_REVENUE + 1);
    Set_Rank(dialog, EXPENSES_LAST_RANK, FINANCE_EXPENSES + 1);
    Set_Rank(dialog, CASH_RANK, FINANCE_CASH);
    Set_Up_Spins(dialog, {SCOUTING_BUDGET_SPIN, MEDICAL_BUDGET_SPIN});
}

intptr_t Tickets_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Common_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Budget_Dialog(dialog, {ID_OK, HELP_BUTTON, VIEW_OTHER_TEAM_BUTTON});
        Play_Sound_Effect("cash.wav");
        Fill_Tickets_Dialog(dialog);
        return 1;
    case MSG_VERTICAL_SCROLL: {
        int32_t id = 0, up = 0;
        if (Read_Spin(wparam, lparam, &id, &up) && id == TICKET_PRICE_SPIN && Is_Editable())
            Step_Ticket(dialog, up);
        return 1;
    }
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case TICKET_PRICE_EDIT:
            if (Command_Notification(wparam) == NOTIFY_EDIT_CHANGE) {
                char text[FORMATTED_TEXT_SIZE];
                Ticket_Price_Text(text);
                Keep_Edit_Text(dialog, TICKET_PRICE_EDIT, text);
            }
            return 1;
        case TEAM_SELECTOR:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE &&
                Choose_Selected_Team(dialog)) {
                Reset_Caption(dialog, "Tickets");
                Fill_Tickets_Dialog(dialog);
            }
            return 1;
        case VIEW_OTHER_TEAM_BUTTON:
            Refresh_Bars_And_Do_Dialog(dialog, OTHER_TEAM_DIALOG_ID);
            Fill_Team_Selector(dialog);
            Fill_Tickets_Dialog(dialog);
            Redraw_Window(dialog);
            Reset_Caption(dialog, "Tickets");
            return 1;
        case HELP_BUTTON:
            Open_Help_Topic("tickets");
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

intptr_t Concessions_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Common_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Budget_Dialog(dialog, {ID_OK, HELP_BUTTON});
        Play_Sound_Effect("pour.wav");
        Fill_Concessions_Dialog(dialog);
        return 1;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
        if (dc == nullptr) return 1;
        Draw_Skin_Picture_On_Control(dialog, dc, BEVERAGE_PICTURE, "dialogs/misc/beverage.jpg");
        Draw_Skin_Picture_On_Control(dialog, dc, FOOD_PICTURE, "dialogs/misc/food.jpg");
        Draw_Skin_Picture_On_Control(dialog, dc, SOUVENIR_PICTURE, "dialogs/misc/souvenir.jpg");
        End_Paint(dialog, &paint);
        return 1;
    }
    case MSG_VERTICAL_SCROLL: {
        int32_t id = 0, up = 0;
        if (Read_Spin(wparam, lparam, &id, &up) && Is_Editable()) Step_Concession(dialog, id, up);
        return 1;
    }
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        for (const CONCESSION_COLUMN& column : CONCESSION_COLUMNS)
            if (id == column.Edit) {
                if (Command_Notification(wparam) == NOTIFY_EDIT_CHANGE) {
                    char text[FORMATTED_TEXT_SIZE];
                    Concession_Price_Text(column, text);
                    Keep_Edit_Text(dialog, id, text);
                }
                return 1;
            }
        if (id == TEAM_SELECTOR) {
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE &&
                Choose_Selected_Team(dialog)) {
                Reset_Caption(dialog, "Concessions");
                Fill_Concessions_Dialog(dialog);
            }
            return 1;
        }
        if (id == HELP_BUTTON) {
            Open_Context_Help(CONCESSIONS_DIALOG);
            return 1;
        }
        return 0;
    }
    default:
        return 0;
    }
}

intptr_t Expenses_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Common_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Budget_Dialog(dialog, {ID_OK, HELP_BUTTON, VIEW_MY_TEAM_BUTTON});
        Fill_Expenses_Dialog(dialog);
        return 1;
    case MSG_VERTICAL_SCROLL: {
        int32_t id = 0, up = 0;
        if (Read_Spin(wparam, lparam, &id, &up) && Is_Editable()) Step_Budget(dialog, id, up);
        return 1;
    }
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        switch (id) {
        case SCOUTING_BUDGET_EDIT:
        case MEDICAL_BUDGET_EDIT:
            if (Command_Notification(wparam) == NOTIFY_EDIT_CHANGE) {
                char text[FORMATTED_TEXT_SIZE];
                Budget_Text(Budget_Of_Edit(id), text);
                Keep_Edit_Text(dialog, id, text);
            }
            return 1;
        case TEAM_SELECTOR:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE &&
                Choose_Selected_Team(dialog)) {
                Reset_Caption(dialog, "Expenses");
                Fill_Expenses_Dialog(dialog);
            }
            return 1;
        case VIEW_MY_TEAM_BUTTON:
            Set_Viewed_Team(Get_User_Team());
            Refresh_Depth_Chart_Page(dialog, nullptr, "Expenses");
            Set_Team_Dialog_Caption(dialog);
            Fill_Expenses_Dialog(dialog);
            Fill_Team_Selector(dialog);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(EXPENSES_DIALOG);
            return 1;
        default:
            return 0;
        }
    }
    default:
        return 0;
    }
}
