#include "dialogs/depth_chart_page.h"

#include <cstring>
#include <vector>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/image_drawing.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/dialog_chain.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/listview_engine.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/player_texts.h"
#include "dialogs/scouting_report.h"
#include "dialogs/small_dialogs.h"
#include "dialogs/special_teams_dialog.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/trade_legality.h"
#include "personnel/draft_state.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "playbooks/franchise_table.h"
#include "season/season_calendar.h"

DIALOG_LAYOUT_STATE Depth_Chart_Layout;

namespace {
constexpr int32_t PATH_SIZE = 128;
constexpr int32_t OFF_SEASON_WEEK = 100;
bool depth_chart_layout_made = false;
constexpr int32_t KICKING_GROUP = 3;
constexpr int32_t OVERALL_RATING = 225;
constexpr int32_t PEAK_RATING = 226;
constexpr int32_t GAMES = 0;
constexpr int32_t GAMES_STARTED = 1;
// Column widths of the row, in characters (0: as long as it is).
constexpr int32_t COLUMN_WIDTHS[5] = {0, 2, 2, 3, 0};

int32_t Stat_Season() {
    return Get_User_Preference(STAT_SEASON_CHOICE);
}

// One column: padded in front to its width, then a tab.
void Append_Column(char* out, const char* text, int32_t width) {
    char column[DEPTH_ROW_SIZE];
    safe_strncpy(column, text, DEPTH_ROW_SIZE / 2);
    if (width > 0) Pad_String_Left_Double(column, width);
    safe_strcatf(out, DEPTH_ROW_SIZE, "%s\t", column);
}

void Format_Row(int32_t team, int32_t slot, char* out, bool games_for_kickers) {
    out[0] = '\0';
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Last_First_Name(team, slot, name);
    if (Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) <= 1 && Is_Champion_Decided() &&
        Is_Franchise_Slot(team)) {
        char bare[FORMATTED_TEXT_SIZE];
        safe_strncpy(bare, name, sizeof bare);
        safe_sprintf(name, sizeof name, "(%s)", bare);
    }
    Append_Player_Status_Suffix(name, team, slot);
    Append_Column(out, name, COLUMN_WIDTHS[0]);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    Append_Column(out, Get_Position_Short_Name(position), COLUMN_WIDTHS[1]);
    const int32_t rating = Get_Player_Stat(team, slot, SEASON_PREDICTED, OVERALL_RATING);
    const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, PEAK_RATING);
    char text[FORMATTED_TEXT_SIZE];
    if (rating == peak)
        safe_sprintf(text, sizeof text, "   %d", rating);
    else
        safe_sprintf(text, sizeof text, "%d/%d", rating, peak);
    Append_Column(out, text, COLUMN_WIDTHS[2]);
    const bool kicker = games_for_kickers && Get_Position_Group(position) == KICKING_GROUP;
    safe_sprintf(text, sizeof text, "%d",
                 Get_Player_Stat(team, slot, Stat_Season(), kicker ? GAMES : GAMES_STARTED));
    Append_Column(out, text, COLUMN_WIDTHS[3]);
    Get_Player_Stat_Summary(team, slot, Stat_Season(), text);
    Append_Column(out, text, COLUMN_WIDTHS[4]);
}

bool Is_Regular_Season_Over() {
    const int32_t week = Get_Current_Week();
    return week != 0 && week != OFF_SEASON_WEEK && week >= Get_Season_Length();
}
} // namespace

void Format_Depth_Chart_Row(int32_t team, int32_t slot, char* out) {
    Format_Row(team, slot, out, true);
}

void Format_Defense_Depth_Row(int32_t team, int32_t slot, char* out) {
    Format_Row(team, slot, out, false);
}

bool Is_Depth_Chart_Editable(int32_t team) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) return true;
    return Is_Used_Franchise_Slot(team) && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
           Get_User_Preference(MULTI_SEASON_SIMULATION) == 0;
}

int32_t Get_Depth_Chart_Minimum_Roster(int32_t team) {
    return Get_Trade_Roster_Minimum(team);
}

void Update_Depth_Chart_Note(WINDOW_HANDLE dialog, bool editable) {
    if (!Is_Regular_Season_Over() || !Is_Champion_Decided()) return;
    Set_Dialog_Item_Text(dialog, DEPTH_NOTE_TEXT,
                         editable
                             ? "\nNames in parentheses indicate expiring contracts\n\nClick 'Scouting' to "
                               "negotiate"
                             : "\nNames in parentheses indicate expiring contracts");
}

void Fill_Depth_Chart_List(WINDOW_HANDLE list, int32_t team, int32_t first, int32_t last, int32_t unit,
                           const int32_t stops[4], void (*format)(int32_t, int32_t, char*)) {
    if (list == NO_WINDOW) return;
    // The list turns the stops into pixels with the dialog's own units, the
    // units its headings stand in: scaled again by the welcome screen's
    // measure, the columns would leave their headings.
    List_Box_Set_Tab_Stops(list, std::vector<int32_t>(stops, stops + 4));
    const int32_t selected = List_Box_Get_Current_Selection(list);
    List_Box_Reset_Content(list);
    if (Is_Valid_Team_Code(team)) {
        if (first < 0) first = 0;
        for (int32_t slot = first; slot <= last && slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) || Get_Player_Unit(team, slot) != unit) continue;
            char row[DEPTH_ROW_SIZE];
            format(team, slot, row);
            const int32_t index = List_Box_Add_String(list, row);
            List_Box_Set_Item_Data(list, index, slot);
        }
    }
    if (selected >= 0 && selected < List_Box_Get_Count(list)) List_Box_Set_Current_Selection(list, selected);
}

int32_t Get_Selected_Depth_Slot(WINDOW_HANDLE dialog, int32_t list_id) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    const int32_t index = List_Box_Get_Current_Selection(list);
    if (index < 0) return -1;
    return static_cast<int32_t>(List_Box_Get_Item_Data(list, index));
}

void Enable_Depth_List_Buttons(WINDOW_HANDLE dialog, int32_t list_id, int32_t up, int32_t down,
                               int32_t scouting, bool editable) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    const int32_t index = List_Box_Get_Current_Selection(list);
    const int32_t count = List_Box_Get_Count(list);
    Enable_Window(Get_Dialog_Item(dialog, up), editable && index > 0);
    Enable_Window(Get_Dialog_Item(dialog, down), editable && index >= 0 && index < count - 1);
    Enable_Window(Get_Dialog_Item(dialog, scouting), index >= 0);
}

bool Move_Depth_Chart_Row(WINDOW_HANDLE dialog, int32_t list_id, int32_t step) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    const int32_t index = List_Box_Get_Current_Selection(list);
    const int32_t other = index + step;
    if (index < 0 || other < 0 || other >= List_Box_Get_Count(list)) return false;
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    Swap_Players(team, static_cast<int32_t>(List_Box_Get_Item_Data(list, index)), team,
                 static_cast<int32_t>(List_Box_Get_Item_Data(list, other)));
    List_Box_Set_Current_Selection(list, other);
    return true;
}

void Open_Depth_Chart_Page(WINDOW_HANDLE dialog, const char* caption, const int32_t* buttons, int32_t count) {
    Set_Dialog_Control_Fonts(dialog);
    for (int32_t i = 0; i < count; ++i)
        Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT, {buttons[i]});
    Validate_Viewed_Team();
    // The Hall of Fame keeps its members in the order of their votes, where
    // each induction finds its place.
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    if (team != HALL_OF_FAME_TEAM) Sort_Roster_By_Position(team);
    Set_Window_Text(dialog, caption);
    Set_Team_Dialog_Caption(dialog);
    Fill_Team_Selector(dialog);
    Fill_Stat_Season_Combo(dialog);
    // The row labels stand level with the starter list's rows.
    RECT_AREA list, labels;
    Get_Dialog_Item_Rect(dialog, DEPTH_STARTER_LIST, &list);
    Get_Dialog_Item_Rect(dialog, DEPTH_LINEUP_LABELS, &labels);
    const int32_t top = list.Top + 2;
    const WINDOW_HANDLE label = Get_Dialog_Item(dialog, DEPTH_LINEUP_LABELS);
    if (label != NO_WINDOW)
        Move_Window(label, {labels.Left, top, labels.Right, top + (labels.Bottom - labels.Top)});
}

void Lay_Out_Depth_Chart_Page(WINDOW_HANDLE dialog) {
    if (!depth_chart_layout_made) {
        depth_chart_layout_made = true;
        Update_Dialog_Layout(dialog, &Depth_Chart_Layout, LAYOUT_CLEAR);
        for (int32_t id : {DEPTH_NOTE_TEXT, DEPTH_HELP, DEPTH_SPECIAL_TEAMS_BUTTON, DEPTH_DEFENSE_BUTTON,
                           DEPTH_OFFENSE_BUTTON, static_cast<int32_t>(ID_OK)})
            Add_Dialog_Layout_Control(&Depth_Chart_Layout, id);
        Depth_Chart_Layout.List_Id = DEPTH_RESERVE_LIST;
    }
    Update_Dialog_Layout(dialog, &Depth_Chart_Layout, LAYOUT_CAPTURE);
    Update_Dialog_Layout(dialog, &Depth_Chart_Layout, LAYOUT_FIT_ROWS);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
}

bool Choose_Depth_Chart_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    const int32_t line = Combo_Box_Get_Current_Selection(selector);
    if (line < 0) return false;
    const intptr_t team = Combo_Box_Get_Item_Data(selector, line) - TEAM_ITEM_DATA_BASE;
    if (!Is_Used_Franchise_Slot(static_cast<int32_t>(team))) return false;
    Set_Viewed_Team(static_cast<int32_t>(team));
    Sort_Roster_By_Position(static_cast<int32_t>(team));
    return true;
}

void Choose_Depth_Chart_Season(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, STAT_SEASON_COMBO));
    if (index >= 0) Set_User_Preference(STAT_SEASON_CHOICE, index);
}

void Paint_Depth_Chart_Helmet(WINDOW_HANDLE dialog) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    char helmet[PATH_SIZE] = "";
    Get_Helmet_Image_Path(helmet, Get_User_Preference(VIEWED_TEAM), 0);
    Draw_Cached_Image_On_Control(dialog, dc, DEPTH_HELMET, helmet);
    // The Special Teams page keeps its size; the other two may grow.
    if (Get_Dialog_Template_Id(dialog) != SPECIAL_TEAMS_DIALOG) Draw_Size_Grip(dialog, dc);
    End_Paint(dialog, &paint);
}

void Scout_Depth_Chart_Player(WINDOW_HANDLE dialog, int32_t slot) {
    if (slot < 0) return;
    Show_Scouting_Report(dialog, Get_User_Preference(VIEWED_TEAM), slot);
}

void Scout_Depth_Chart_Row(WINDOW_HANDLE dialog, int32_t list_id, void (*refill)(WINDOW_HANDLE),
                           bool only_when_changed) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    const int32_t slot = Get_Selected_Depth_Slot(dialog, list_id);
    if (slot < 0) return;
    const LIST_BOX_ROW row = Get_List_Box_Row(list, team, List_Box_Get_Current_Selection(list));
    const PLAYER_WATCH watch = Watch_Player(row.Id);
    Scout_Depth_Chart_Player(dialog, slot);
    if (!Is_Window(dialog)) return;
    if (only_when_changed && !Has_Watched_Player_Moved(watch)) return;
    refill(dialog);
    Select_List_Box_Row(list, team, row);
}

void Leave_Depth_Chart_Page(WINDOW_HANDLE dialog, int32_t next_id) {
    if (next_id == 0) {
        End_Dialog(dialog, 1);
        return;
    }
    Chain_To_Dialog(dialog, NO_WINDOW, next_id, 1);
}

void Warn_Position_Mismatch(const char* text, int32_t help_id) {
    if (User_Message_Dialog("Warning: Position Mismatch", text, "OK", "Tell me more", "") == ID_BOX_NO)
        Open_Context_Help(help_id);
}

bool Answer_Depth_Chart_Message(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam,
                                intptr_t* result) {
    if (Is_Dialog_Colour_Message(code)) {
        *result = Answer_Dialog_Colour(code, dialog, wparam, lparam);
        return true;
    }
    if (code == MSG_DRAW_ITEM) {
        const DRAW_ITEM_INFO* item = reinterpret_cast<const DRAW_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return false;
        Draw_Team_Combo_Item(item);
        *result = 1;
        return true;
    }
    if (code == MSG_MEASURE_ITEM) {
        MEASURE_ITEM_INFO* item = reinterpret_cast<MEASURE_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return false;
        *result = Measure_List_Item_Height(dialog, item);
        return true;
    }
    if (code == MSG_PAINT) {
        Paint_Depth_Chart_Helmet(dialog);
        *result = 1;
        return true;
    }
    return false;
}

void Refresh_Depth_Chart_Page(WINDOW_HANDLE dialog, DIALOG_LAYOUT_STATE* layout, const char* caption) {
    if (caption == nullptr) return;
    Set_Window_Text(dialog, caption);
    Set_Team_Dialog_Caption(dialog);
    if (std::strcmp(caption, "Offense") == 0) {
        Fill_Offense_Depth_Lists(dialog);
        Fill_Run_Pass_Balance_Combo(dialog);
        Show_Offensive_Lineup_Labels(dialog);
        Fill_Starting_Personnel_Combo(dialog);
        Update_Offense_Buttons(dialog);
    } else if (std::strcmp(caption, "Defense") == 0) {
        Fill_Defense_Depth_Lists(dialog);
        Fill_Defensive_Scheme_Combo(dialog);
        Show_Defensive_Lineup_Labels(dialog);
        Update_Defense_Buttons(dialog);
    } else if (std::strcmp(caption, "Special Teams") == 0) {
        Fill_Special_Teams_Page(dialog);
        Update_Special_Teams_Buttons(dialog);
    }
    if (Get_Dialog_Item(dialog, DEPTH_HELMET) != NO_WINDOW) Redraw_Control_Area(dialog, DEPTH_HELMET);
    if (layout != nullptr) Update_Dialog_Layout(dialog, layout, LAYOUT_FIT_ROWS);
}
