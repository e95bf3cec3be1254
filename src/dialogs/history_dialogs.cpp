#include "dialogs/history_dialogs.h"

#include <algorithm>
#include <cstdlib>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/listview_engine.h"
#include "dialogs/scouting_report.h"
#include "dialogs/small_dialogs.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t SCOUTING_BUTTON = 1045;
constexpr int32_t VITAL_INDUCTION_YEAR = 19;
constexpr int32_t VITAL_VOTE_SHARE = 20;
constexpr int32_t YEARLY_ATTENDANCE = 0;
constexpr int32_t YEARLY_PROFIT = 1;
constexpr int32_t YEARLY_RANK = 2;
constexpr int32_t YEARLY_FINISH = 3;
constexpr int32_t POSITION_WIDTH = 5;
constexpr int32_t DIVISIONS_PER_LEAGUE = 4;

const DIALOG_CONTROL HALL_OF_FAME_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 4, 60, 9}, "Player", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {112, 4, 36, 9}, "Pos", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {152, 4, 38, 9}, "Inducted", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {195, 4, 40, 9}, "Votes", 0},
    {CONTROL_LIST_BOX, HALL_OF_FAME_LIST, {8, 14, 244, 150}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_GROUP_BOX, HALL_OF_FAME_BUTTON_BOX, {8, 166, 244, 28}, "", 0},
    {CONTROL_PUSH_BUTTON, SCOUTING_BUTTON, {14, 176, 56, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {130, 176, 56, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {190, 176, 56, 14}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL HISTORY_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 170, 200}, "", BUTTON | CONTROL_OWNER_DRAW},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 24, 24, 9}, "Year", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {36, 24, 50, 9}, "Attendance", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {100, 24, 40, 9}, "Profit", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {146, 24, 30, 9}, "Record", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {176, 24, 28, 9}, "Rank", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {214, 24, 60, 9}, "Finish", 0},
    {CONTROL_LIST_BOX, TEAM_HISTORY_LIST, {8, 34, 300, 130}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 168, 210, 54}, "Yearly Averages", 0},
    {CONTROL_STATIC_TEXT, HISTORY_AVERAGE_TEXTS[0], {16, 180, 96, 10}, "", 0},
    {CONTROL_STATIC_TEXT, HISTORY_AVERAGE_TEXTS[1], {116, 180, 98, 10}, "", 0},
    {CONTROL_STATIC_TEXT, HISTORY_AVERAGE_TEXTS[2], {16, 198, 96, 10}, "", 0},
    {CONTROL_STATIC_TEXT, HISTORY_AVERAGE_TEXTS[3], {116, 198, 98, 10}, "", 0},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {228, 186, 38, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {270, 186, 38, 14}, "&DONE", BUTTON | CONTROL_DEFAULT_BUTTON},
};

DIALOG_LAYOUT_STATE hall_of_fame_layout;
bool hall_of_fame_layout_made = false;

void Set_Text(WINDOW_HANDLE dialog, int32_t id, const char* text) {
    if (Get_Dialog_Item(dialog, id) != NO_WINDOW) Set_Dialog_Item_Text(dialog, id, text);
}

int32_t Selected_Member(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, HALL_OF_FAME_LIST);
    const int32_t line = List_Box_Get_Current_Selection(list);
    return line >= 0 ? static_cast<int32_t>(List_Box_Get_Item_Data(list, line)) : -1;
}

// In Commissioner Mode the report may edit or delete members, so that the
// rows name other slots: the list is then filled again and the same member,
// found by his id, selected (no row when he is gone).
void Scout_Member(WINDOW_HANDLE dialog) {
    const int32_t slot = Selected_Member(dialog);
    if (slot < 0) return;
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, HALL_OF_FAME_LIST);
    const LIST_BOX_ROW row = Get_List_Box_Row(list, HALL_OF_FAME_TEAM, List_Box_Get_Current_Selection(list));
    const PLAYER_WATCH watch = Watch_Player(row.Id);
    Show_Scouting_Report(dialog, HALL_OF_FAME_TEAM, slot);
    if (Is_Window(dialog) && Has_Watched_Player_Moved(watch)) {
        Fill_Hall_Of_Fame_List(dialog);
        Select_List_Box_Row(list, HALL_OF_FAME_TEAM, row);
    }
    Update_Hall_Of_Fame_Buttons(dialog);
}

void Init_Hall_Of_Fame(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {SCOUTING_BUTTON, HELP_BUTTON, ID_OK});
    Fill_Hall_Of_Fame_List(dialog);
    if (!hall_of_fame_layout_made) {
        hall_of_fame_layout_made = true;
        Update_Dialog_Layout(dialog, &hall_of_fame_layout, LAYOUT_CLEAR);
        for (int32_t id : {HALL_OF_FAME_BUTTON_BOX, SCOUTING_BUTTON, HELP_BUTTON, ID_OK})
            Add_Dialog_Layout_Control(&hall_of_fame_layout, id);
        hall_of_fame_layout.List_Id = HALL_OF_FAME_LIST;
    }
    Update_Dialog_Layout(dialog, &hall_of_fame_layout, LAYOUT_CAPTURE);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Update_Hall_Of_Fame_Buttons(dialog);
}

// A past season the team's history lists and averages: one the team played,
// so a franchise that joined the league later has none from before it came.
bool Is_Listed_Season(int32_t team, int32_t season) {
    return Is_Used_Franchise_Slot(team) && Has_Team_Played_Season(team, season);
}

void Format_Commas(int64_t value, char* text) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(value < 0 ? -value : value, digits);
    safe_sprintf(text, FORMATTED_TEXT_SIZE, "%s%s", value < 0 ? "-" : "", digits);
}

void Refill_History(WINDOW_HANDLE dialog) {
    Fill_Team_History(dialog);
    Set_Window_Text(dialog, "History");
    Redraw_Window(dialog);
}
} // namespace

const DIALOG_TEMPLATE HALL_OF_FAME_DIALOG_TEMPLATE = {
    HALL_OF_FAME_DIALOG,
    "Hall Of Fame",
    260,
    200,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    HALL_OF_FAME_CONTROLS,
    static_cast<int32_t>(sizeof HALL_OF_FAME_CONTROLS / sizeof HALL_OF_FAME_CONTROLS[0]),
    1};

const DIALOG_TEMPLATE TEAM_HISTORY_DIALOG_TEMPLATE = {
    TEAM_HISTORY_DIALOG,
    "History",
    316,
    228,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    HISTORY_CONTROLS,
    static_cast<int32_t>(sizeof HISTORY_CONTROLS / sizeof HISTORY_CONTROLS[0]),
    1};

intptr_t Hall_Of_Fame_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Hall_Of_Fame(dialog);
        return 1;
    case MSG_SIZING:
        // The width stays the template's; only the height may grow.
        Enforce_Minimum_Dialog_Size(reinterpret_cast<RECT_AREA*>(lparam), hall_of_fame_layout.Captured_Rect,
                                    static_cast<int32_t>(wparam), GROW_HEIGHT);
        Set_Dialog_Message_Result(dialog, 1);
        return 1;
    case MSG_EXIT_SIZE_MOVE:
        Update_Dialog_Layout(dialog, &hall_of_fame_layout, LAYOUT_ARRANGE_AND_PAINT);
        return 1;
    case MSG_HIT_TEST:
        return Hit_Test_Size_Grip(dialog, Point_X(lparam), Point_Y(lparam));
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
        if (dc == nullptr) return 1;
        Draw_Size_Grip(dialog, dc);
        End_Paint(dialog, &paint);
        return 1;
    }
    case MSG_DESTROY:
        Update_Dialog_Layout(dialog, &hall_of_fame_layout, LAYOUT_REMEMBER);
        return 0;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case SCOUTING_BUTTON:
            Scout_Member(dialog);
            return 1;
        case HALL_OF_FAME_LIST:
            if (Command_Notification(wparam) == NOTIFY_LIST_DOUBLE_CLICK)
                Scout_Member(dialog);
            else
                Update_Hall_Of_Fame_Buttons(dialog);
            return 1;
        case HELP_BUTTON:
            Open_Help_Topic("halloffame");
            return 1;
        case ID_OK:
        case ID_CANCEL:
            End_Dialog(dialog, 1);
            return 1;
        default:
            Update_Hall_Of_Fame_Buttons(dialog);
            return 0;
        }
    default:
        return 0;
    }
}

void Fill_Hall_Of_Fame_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, HALL_OF_FAME_LIST);
    List_Box_Reset_Content(list);
    List_Box_Set_Tab_Stops(list, {106, 152, 193});
    const int32_t year = Get_Current_Year();
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (Is_Player_Slot_Used(HALL_OF_FAME_TEAM, slot) == 0) continue;
        // A member inducted in this year's off-season is listed from next season on.
        if (Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_INDUCTION_YEAR) >= year) continue;
        char line[HISTORY_TEXT_SIZE];
        Format_Hall_Of_Fame_Line(slot, line);
        List_Box_Set_Item_Data(list, List_Box_Add_String(list, line), slot);
    }
}

void Format_Hall_Of_Fame_Line(int32_t slot, char* text) {
    if (text == nullptr) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Full_Name(HALL_OF_FAME_TEAM, slot, name);
    const int32_t position = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_POSITION);
    char short_name[2 * POSITION_WIDTH + 1] = "";
    if (position >= 0 && position < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_SHORT + position, short_name);
    else if (position == NUMBER_OF_POSITIONS)
        safe_strncpy(short_name, "Any", sizeof short_name);
    Pad_String_Left(short_name, POSITION_WIDTH);
    safe_sprintf(text, HISTORY_TEXT_SIZE, "%s\t%s\t%d\t%d%%\t", name, short_name,
                 Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_INDUCTION_YEAR),
                 Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_VOTE_SHARE));
}

void Update_Hall_Of_Fame_Buttons(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE button = Get_Dialog_Item(dialog, SCOUTING_BUTTON);
    if (button != NO_WINDOW) Enable_Window(button, Selected_Member(dialog) >= 0);
}

intptr_t History_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {HELP_BUTTON, ID_OK});
        Fill_Team_Selector(dialog);
        Fill_Team_History(dialog);
        return 1;
    case MSG_DRAW_ITEM: {
        const DRAW_ITEM_INFO* item = reinterpret_cast<const DRAW_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return 0;
        Draw_Team_Combo_Item(item);
        return 1;
    }
    case MSG_MEASURE_ITEM:
        return Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case TEAM_SELECTOR:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE) {
                const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
                const int32_t index = Combo_Box_Get_Current_Selection(selector);
                if (index >= 0) {
                    Set_Viewed_Team(
                        static_cast<int32_t>(Combo_Box_Get_Item_Data(selector, index) - TEAM_ITEM_DATA_BASE));
                    Refill_History(dialog);
                }
            }
            return 1;
        case HELP_BUTTON:
            Open_Help_Topic("history");
            return 1;
        case ID_OK:
        case ID_CANCEL:
            End_Dialog(dialog, 1);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

void Fill_Team_History(WINDOW_HANDLE dialog) {
    Validate_Viewed_Team();
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, TEAM_HISTORY_LIST);
    List_Box_Reset_Content(list);
    List_Box_Set_Tab_Stops(list, {26, 90, 136, 166, 204});
    for (int32_t season = 0; season < Get_Current_Season_Index(); ++season) {
        if (!Is_Listed_Season(team, season)) continue;
        char line[HISTORY_TEXT_SIZE];
        Format_Team_History_Line(line, team, season);
        List_Box_Add_String(list, line);
    }
    Show_Team_History_Averages(dialog, team);
}

void Format_Team_History_Line(char* text, int32_t team, int32_t season) {
    if (text == nullptr) return;
    char attendance[FORMATTED_TEXT_SIZE], profit[FORMATTED_TEXT_SIZE], record[FORMATTED_TEXT_SIZE];
    char rank[FORMATTED_TEXT_SIZE], finish[HISTORY_TEXT_SIZE] = "";
    Format_Commas(Get_Team_Yearly_Int(team, season, YEARLY_ATTENDANCE), attendance);
    Format_Commas(Get_Team_Yearly_Int(team, season, YEARLY_PROFIT), profit);
    const int32_t wins = Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS);
    const int32_t losses = Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES);
    const int32_t ties = Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES);
    if (ties != 0)
        safe_sprintf(record, sizeof record, "%d-%d-%d", wins, losses, ties);
    else
        safe_sprintf(record, sizeof record, "%d-%d", wins, losses);
    Format_History_Ordinal(Get_Team_Yearly_Int(team, season, YEARLY_RANK) + 1, rank);
    if (season <= NUMBER_OF_HISTORY_SEASONS)
        Format_Team_Finish(team, Get_Team_Yearly_Int(team, season, YEARLY_FINISH), finish);
    safe_sprintf(text, HISTORY_TEXT_SIZE, "%d\t%s\t%s\t%s\t%s\t%s", Get_Universe_Stat(BASE_YEAR) + season,
                 attendance, profit, record, rank, finish);
}

void Format_Team_History_Averages(int32_t team, char texts[4][HISTORY_TEXT_SIZE]) {
    // A century of profits can pass the 32-bit range: the sums are 64-bit.
    int64_t attendance = 0, profit = 0, wins = 0, losses = 0, ranks = 0;
    int32_t n = 0;
    for (int32_t season = 0; season < Get_Current_Season_Index(); ++season) {
        if (!Is_Listed_Season(team, season)) continue;
        ++n;
        attendance += Get_Team_Yearly_Int(team, season, YEARLY_ATTENDANCE);
        profit += Get_Team_Yearly_Int(team, season, YEARLY_PROFIT);
        wins += Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS);
        losses += Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES);
        ranks += Get_Team_Yearly_Int(team, season, YEARLY_RANK);
    }
    if (n <= 0) {
        safe_strncpy(texts[0], "Attendance: n/a", HISTORY_TEXT_SIZE);
        safe_strncpy(texts[1], "Profit: n/a", HISTORY_TEXT_SIZE);
        safe_strncpy(texts[2], "Record: n/a", HISTORY_TEXT_SIZE);
        safe_strncpy(texts[3], "Rank: n/a", HISTORY_TEXT_SIZE);
        return;
    }
    char number[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(attendance / n, number);
    safe_sprintf(texts[0], HISTORY_TEXT_SIZE, "Attendance: %s", number);
    // Half the seasons added, then divided rounding down: the nearest dollar
    // on either side of zero (a loss the same every season averages to itself).
    const int64_t shifted = profit + n / 2;
    const int64_t average_profit = shifted / n - (shifted % n < 0 ? 1 : 0);
    Format_Wide_Number_Commas(average_profit < 0 ? -average_profit : average_profit, number);
    safe_sprintf(texts[1], HISTORY_TEXT_SIZE, average_profit < 0 ? "Profit: -$%s" : "Profit: $%s", number);
    safe_sprintf(texts[2], HISTORY_TEXT_SIZE, "Record: %d-%d", static_cast<int32_t>((wins + (n - 1) / 2) / n),
                 static_cast<int32_t>((losses + (n - 1) / 2) / n));
    char rank[FORMATTED_TEXT_SIZE];
    Format_History_Ordinal(static_cast<int32_t>(ranks / n + 1), rank);
    safe_sprintf(texts[3], HISTORY_TEXT_SIZE, "Rank: %s", rank);
}

void Show_Team_History_Averages(WINDOW_HANDLE dialog, int32_t team) {
    char texts[4][HISTORY_TEXT_SIZE];
    Format_Team_History_Averages(team, texts);
    for (int32_t i = 0; i < 4; ++i)
        Set_Text(dialog, HISTORY_AVERAGE_TEXTS[i], texts[i]);
}

void Format_Team_Finish(int32_t team, int32_t code, char* text) {
    if (text == nullptr) return;
    text[0] = '\0';
    const bool listed =
        Is_Used_Franchise_Slot(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
    const int32_t division = listed ? Get_Team_Division(team) : -1;
    const int32_t league = listed ? division / DIVISIONS_PER_LEAGUE : -1;
    char division_name[DIVISION_NAME_LENGTH + 1] = "", league_name[LEAGUE_NAME_LENGTH + 1] = "";
    static const char* const PLACES[] = {"5th (%s)", "4th (%s)", "3rd (%s)", "2nd (%s)"};
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 5:
        Get_Division_Name(division, division_name);
        safe_sprintf(text, HISTORY_TEXT_SIZE, code == 5 ? "1st (%s)" : PLACES[code], division_name);
        return;
    case 4:
    case 6:
    case 7:
        Get_League_Name(league, league_name);
        safe_sprintf(text, HISTORY_TEXT_SIZE,
                     code == 4   ? "%s Wild Card"
                     : code == 6 ? "%s Divisional Winner"
                                 : "%s Champion",
                     league_name);
        return;
    case 8:
        safe_strncpy(text, "Super Bowl Champion", HISTORY_TEXT_SIZE);
        return;
    default:
        return;
    }
}

void Format_History_Ordinal(int32_t number, char* text) {
    if (text == nullptr) return;
    const int32_t k = number / 10 == 1 ? 0 : std::min(std::abs(number % 10), 4);
    char suffix[RESOURCE_STRING_LIMIT] = "";
    Load_Resource_String(STRING_ORDINAL_SUFFIX + k, suffix);
    safe_sprintf(text, FORMATTED_TEXT_SIZE, "%d%s", number, suffix);
}
