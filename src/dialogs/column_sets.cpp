#include "dialogs/column_sets.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/player_list_kind.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/input.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/menus.h"
#include "platform/windows.h"

namespace {
constexpr int32_t END = -1;
constexpr int32_t NO_COLUMN = -1;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t WAIT_CURSOR = 4;
constexpr int32_t ARROW_CURSOR = 0;
constexpr int32_t LINE_SIZE = 2048;
constexpr int32_t CHOOSER_TAB_STOP = 40;
constexpr int32_t SEPARATOR_LINE = -1;

// Rows 0-3 are the defaults of the four list kinds, rows 4-14 the chooser's
// predefined groups.
constexpr int32_t DEFAULT_COLUMNS[DEFAULT_COLUMN_ROWS][COLUMN_SET_PLACES + 1] = {
    {0, 1, 2, 3, 4, 15, 11, 91, 96, END},
    {0, 2, 3, 4, 15, 11, 91, 96, END},
    {0, 2, 3, 4, 97, 12, 13, 15, 98, END},
    {0, 1, 2, 3, 4, 15, 11, 91, 96, END},
    {0, 1, 68, 19, 21, 20, 18, 22, 25, 26, END},
    {0, 1, 2, 3, 4, 69, 70, 71, 72, 73, END},
    {0, 1, 2, 26, 27, 28, 30, 31, 33, 100, END},
    {0, 1, 2, 3, 4, 74, 75, 76, 77, 78, 79, END},
    {0, 1, 2, 9, 10, 42, 43, 44, 80, 81, 82, END},
    {0, 1, 2, 34, 36, 37, 38, 40, 41, 94, 95, END},
    {0, 1, 2, 46, 47, 103, 49, 50, 51, 52, 53, END},
    {0, 1, 2, 3, 4, 74, 83, 84, 85, 86, 104, END},
    {0, 1, 2, 63, 101, 65, 64, 66, 67, 87, 88, END},
    {0, 1, 2, 56, 58, 59, 60, 89, 90, END},
    {0, 1, 2, 15, 11, 5, 8, 91, 6, END},
};

struct PRESET_BUTTON {
    int32_t Id;
    int32_t Row;
};
constexpr PRESET_BUTTON PRESET_BUTTONS[] = {
    {1388, 4},  {1389, 5},  {1390, 6}, {1391, 7},  {1392, 8}, {1394, 10}, {1395, 11},
    {1344, 12}, {1397, 13}, {1345, 9}, {1346, 14}, {1393, 1}, {1396, 2},  {DEFAULT_STATS_BUTTON, 0},
};

constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
const DIALOG_CONTROL CHOOSER_CONTROLS[] = {
    {CONTROL_LIST_BOX,
     COLUMN_CHOOSER_LIST,
     {8, 8, 200, 204},
     "",
     BUTTON | CONTROL_MULTI_SELECT | CONTROL_TAB_STOPS},
    {CONTROL_PUSH_BUTTON, 1388, {214, 8, 108, 13}, "Quarterback Stats", BUTTON},
    {CONTROL_PUSH_BUTTON, 1389, {214, 23, 108, 13}, "Quarterback Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, 1390, {214, 38, 108, 13}, "Skill Positions Stats", BUTTON},
    {CONTROL_PUSH_BUTTON, 1391, {214, 53, 108, 13}, "Skill Position Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, 1392, {214, 68, 108, 13}, "Offensive Line", BUTTON},
    {CONTROL_PUSH_BUTTON, 1394, {214, 83, 108, 13}, "Defensive Stats", BUTTON},
    {CONTROL_PUSH_BUTTON, 1395, {214, 98, 108, 13}, "Defensive Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, 1344, {214, 113, 108, 13}, "Kicking", BUTTON},
    {CONTROL_PUSH_BUTTON, 1397, {214, 128, 108, 13}, "Punting", BUTTON},
    {CONTROL_PUSH_BUTTON, 1345, {214, 143, 108, 13}, "Kick && Punt Returns", BUTTON},
    {CONTROL_PUSH_BUTTON, 1346, {214, 158, 108, 13}, "Salary && Contract", BUTTON},
    {CONTROL_PUSH_BUTTON, 1393, {214, 173, 108, 13}, "Free Agents", BUTTON},
    {CONTROL_PUSH_BUTTON, 1396, {214, 188, 108, 13}, "College Players", BUTTON},
    {CONTROL_PUSH_BUTTON, DEFAULT_STATS_BUTTON, {214, 203, 108, 13}, "Default Stats", BUTTON},
    {CONTROL_PROGRESS_BAR, LIST_PROGRESS_BAR, {8, 214, 200, 7}, "", CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON, COLUMN_CHOOSER_CLEAR, {8, 226, 92, 14}, "Clear All Selected Stats", BUTTON},
    {CONTROL_PUSH_BUTTON, LIST_AUTO_SIZE_BUTTON, {104, 226, 50, 14}, "Auto-Size", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {214, 226, 34, 14}, "Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {251, 226, 34, 14}, "Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {288, 226, 34, 14}, "Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

// The list the open chooser works on.
LISTVIEW_DATA* chooser_data = nullptr;

bool Is_Kind(int32_t kind) {
    return kind >= 0 && kind < COLUMN_SET_KINDS;
}

int32_t Count_Setting(int32_t kind) {
    return FIRST_COLUMN_SET_SETTING + COLUMN_SET_SETTINGS * kind;
}
int32_t Sort_Setting(int32_t kind) {
    return Count_Setting(kind) + 1;
}
int32_t Place_Setting(int32_t kind, int32_t place) {
    return Count_Setting(kind) + 2 + place;
}

// The ids the header shows, in display order.
std::vector<int32_t> Header_Ids(WINDOW_HANDLE list) {
    std::vector<int32_t> ids;
    for (int32_t column : List_View_Get_Column_Order(list))
        ids.push_back(List_View_Get_Column_Sub_Item(list, column));
    return ids;
}

void Append_Cell(char* line, const std::string& cell) {
    char text[LISTVIEW_CELL_SIZE];
    safe_strncpy(text, cell.c_str(), sizeof text);
    if (text[0] == '$') Convert_Money_Text_To_Dollars(text);
    safe_strncat(line, text, LINE_SIZE);
    safe_strncat(line, "\t", LINE_SIZE);
}

// The line closed: its last tab removed, the line break added.
void Close_Line(char* line, std::string* text) {
    const size_t length = std::strlen(line);
    if (length > 0 && line[length - 1] == '\t') line[length - 1] = '\0';
    *text += line;
    *text += "\r\n";
}

int32_t Find_Chooser_Line(WINDOW_HANDLE box, int32_t id) {
    for (int32_t line = 0; line < List_Box_Get_Count(box); ++line)
        if (List_Box_Get_Item_Data(box, line) == id) return line;
    return -1;
}

void Sync_Column_Chooser_Selection(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST);
    if (chooser_data == nullptr) return;
    const std::vector<int32_t> shown = Header_Ids(chooser_data->List_Window);
    for (int32_t line = 0; line < List_Box_Get_Count(box); ++line) {
        const intptr_t id = List_Box_Get_Item_Data(box, line);
        List_Box_Set_Selection(box, std::find(shown.begin(), shown.end(), id) != shown.end(), line);
    }
    Send_Window_Message(box, MSG_LIST_SET_TOP_INDEX, 0, 0);
}

void Fill_Chooser_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST);
    List_Box_Reset_Content(box);
    // Name is always shown, so it is never offered.
    for (int32_t row = 1; row < LISTVIEW_COLUMN_KINDS; ++row) {
        const LISTVIEW_COLUMN& column = Listview_Column_Catalogue[row];
        const size_t length = std::strlen(column.Description);
        if (length > 0 && column.Description[length - 1] == ' ')
            List_Box_Set_Item_Data(box, List_Box_Add_String(box, ""), SEPARATOR_LINE);
        char line[LISTVIEW_CELL_SIZE];
        Format_Column_Chooser_Line(column, line, sizeof line);
        List_Box_Set_Item_Data(box, List_Box_Add_String(box, line), column.Id);
    }
    List_Box_Set_Tab_Stops(box, {CHOOSER_TAB_STOP});
}

// Columns deselected leave the header; columns selected join it at its end,
// after which the rows are filled again.
void Apply_Column_Chooser(WINDOW_HANDLE dialog) {
    LISTVIEW_DATA* data = chooser_data;
    if (data == nullptr) return;
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST);
    const WINDOW_HANDLE list = data->List_Window;
    Set_App_Cursor(WAIT_CURSOR);
    Enable_Window(Get_Dialog_Item(dialog, ID_OK), false);
    Show_Window(list, false);
    bool changed = false;
    std::vector<int32_t> missing;
    for (int32_t row = 1; row < LISTVIEW_COLUMN_KINDS; ++row) {
        const int32_t id = Listview_Column_Catalogue[row].Id;
        const int32_t line = Find_Chooser_Line(box, id);
        const bool selected = line >= 0 && List_Box_Is_Selected(box, line);
        const int32_t position = Find_Listview_Column(data, id);
        if (!selected && position >= 0) {
            List_View_Delete_Column(list, position);
        } else if (selected && position < 0) {
            changed = true;
            missing.push_back(id);
        }
    }
    if (changed) {
        for (int32_t id : missing)
            Add_Listview_Column(data, id, List_View_Get_Column_Count(list));
        Send_Window_Message(list, MSG_LIST_VIEW_DELETE_ALL_ITEMS, 0, 0);
        Fill_Listview_Rows(data, Get_Dialog_Item(dialog, LIST_PROGRESS_BAR));
        Auto_Size_Listview_Columns(list);
        Sort_Listview(data);
    }
    Show_Window(list, true);
    Enable_Window(Get_Dialog_Item(dialog, ID_OK), true);
    Set_App_Cursor(ARROW_CURSOR);
}

void Chooser_Selection_Changed(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST);
    const int32_t caret = static_cast<int32_t>(Send_Window_Message(box, MSG_LIST_GET_CARET_INDEX, 0, 0));
    // A separator line is never chosen.
    if (caret >= 0 && List_Box_Get_Item_Data(box, caret) == SEPARATOR_LINE)
        List_Box_Set_Selection(box, false, caret);
    Apply_Column_Chooser(dialog);
}

void Init_Chooser(WINDOW_HANDLE dialog, LISTVIEW_DATA* data) {
    chooser_data = data;
    Fill_Chooser_List(dialog);
    Sync_Column_Chooser_Selection(dialog);
    if (data != nullptr) Auto_Size_Listview_Columns(data->List_Window);
    std::initializer_list<int32_t> buttons = {1388,
                                              1389,
                                              1390,
                                              1391,
                                              1392,
                                              1394,
                                              1395,
                                              1344,
                                              1397,
                                              1345,
                                              1346,
                                              1393,
                                              1396,
                                              DEFAULT_STATS_BUTTON,
                                              COLUMN_CHOOSER_CLEAR,
                                              LIST_AUTO_SIZE_BUTTON,
                                              HELP_BUTTON,
                                              ID_CANCEL,
                                              ID_OK};
    Set_Dialog_Controls_App_Font(dialog, DIALOG_SMALL_FONT, buttons);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
}
} // namespace

const DIALOG_TEMPLATE COLUMN_CHOOSER_DIALOG_TEMPLATE = {
    COLUMN_CHOOSER_DIALOG,
    "Stat Column Chooser",
    330,
    246,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    CHOOSER_CONTROLS,
    static_cast<int32_t>(sizeof CHOOSER_CONTROLS / sizeof CHOOSER_CONTROLS[0]),
    0};

int32_t Get_Default_Listview_Column(int32_t row, int32_t n) {
    if (row < 0 || row >= DEFAULT_COLUMN_ROWS || n < 0 || n >= COLUMN_SET_PLACES) return END;
    for (int32_t i = 0; i <= n; ++i)
        if (DEFAULT_COLUMNS[row][i] == END) return END;
    return DEFAULT_COLUMNS[row][n];
}

void Write_Default_Column_Set(int32_t kind) {
    if (!Is_Kind(kind)) return;
    int32_t written = 0;
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place) {
        const int32_t id = Get_Default_Listview_Column(kind, place);
        if (id == END) break;
        Set_User_Preference(Place_Setting(kind, place), id);
        ++written;
    }
    Set_User_Preference(Sort_Setting(kind), 0);
    Set_User_Preference(Count_Setting(kind), written);
}

void Check_Listview_Column_Set() {
    const int32_t kind = Player_List_Kind;
    if (!Is_Kind(kind)) return;
    if (Get_User_Preference(Count_Setting(kind)) == 0) {
        Write_Default_Column_Set(kind);
        return;
    }
    int32_t places[COLUMN_SET_PLACES];
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place) {
        int32_t id = Get_User_Preference(Place_Setting(kind, place));
        if (id < 0 || id >= LISTVIEW_COLUMN_KINDS || std::find(places, places + place, id) != places + place)
            id = NO_COLUMN;
        places[place] = id;
    }
    for (int32_t place = COLUMN_SET_PLACES - 2; place >= 0; --place) {
        if (places[place] != NO_COLUMN) continue;
        std::copy(places + place + 1, places + COLUMN_SET_PLACES, places + place);
        places[COLUMN_SET_PLACES - 1] = NO_COLUMN;
    }
    const int32_t count =
        static_cast<int32_t>(std::find(places, places + COLUMN_SET_PLACES, NO_COLUMN) - places);
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place)
        Set_User_Preference(Place_Setting(kind, place), places[place]);
    Set_User_Preference(Count_Setting(kind), count);
    // A sort column no longer shown is dropped; 0 (none) always stays.
    const int32_t sort_column = Get_User_Preference(Sort_Setting(kind));
    if (sort_column != 0 && std::find(places, places + count, std::abs(sort_column) - 1) == places + count)
        Set_User_Preference(Sort_Setting(kind), -1);
}

void Load_Listview_Column_Set(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    std::fill(std::begin(data->Column_Ids), std::end(data->Column_Ids), 0);
    const int32_t kind = Player_List_Kind;
    if (!Is_Kind(kind)) {
        Set_Listview_Default_Columns(data, 0);
        return;
    }
    Check_Listview_Column_Set();
    data->Sort_Column = Get_User_Preference(Sort_Setting(kind));
    data->Column_Count = std::clamp(Get_User_Preference(Count_Setting(kind)), 0, COLUMN_SET_PLACES);
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place) {
        const int32_t id = Get_User_Preference(Place_Setting(kind, place));
        data->Column_Ids[place] = id == NO_COLUMN ? 0 : id;
    }
}

void Save_Listview_Column_Set(LISTVIEW_DATA* data) {
    const int32_t kind = Player_List_Kind;
    if (data == nullptr || !Is_Kind(kind) || !Is_Window(data->List_Window)) return;
    const std::vector<int32_t> ids = Header_Ids(data->List_Window);
    const int32_t count = std::min(static_cast<int32_t>(ids.size()), COLUMN_SET_PLACES);
    Set_User_Preference(Count_Setting(kind), count);
    Set_User_Preference(Sort_Setting(kind), data->Sort_Column);
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place)
        Set_User_Preference(Place_Setting(kind, place),
                            place < count ? ids[static_cast<size_t>(place)] : NO_COLUMN);
}

void Set_Listview_Default_Columns(LISTVIEW_DATA* data, int32_t row) {
    if (data == nullptr) return;
    int32_t count = 0;
    for (int32_t place = 0; place < COLUMN_SET_PLACES; ++place) {
        const int32_t id = Get_Default_Listview_Column(row, place);
        if (id == END) break;
        data->Column_Ids[count++] = id;
    }
    data->Column_Count = count;
}

void Apply_Column_Preset(LISTVIEW_DATA* data, int32_t row) {
    if (data == nullptr) return;
    Set_App_Cursor(WAIT_CURSOR);
    Set_Listview_Default_Columns(data, row);
    Rebuild_Listview_Columns(data);
    Fill_Listview_Rows(data, Get_Dialog_Item(data->Dialog_Window, LIST_PROGRESS_BAR));
    Set_App_Cursor(ARROW_CURSOR);
}

void Restore_Default_Columns(LISTVIEW_DATA* data) {
    Apply_Column_Preset(data, Is_Kind(Player_List_Kind) ? Player_List_Kind : 0);
}

int32_t Do_Listview_Header_Menu(LISTVIEW_DATA* data) {
    if (data == nullptr) return 0;
    const MENU_HANDLE menu = Create_Menu();
    Append_Menu_Item(menu, 0, HEADER_MENU_CHOOSE_COLUMNS, "Choose Column Headings...");
    Append_Menu_Item(menu, 0, HEADER_MENU_AUTO_SIZE, "Auto-Size Column Headings");
    Append_Menu_Item(menu, 0, HEADER_MENU_DEFAULT_COLUMNS, "Default Column Headings");
    Append_Menu_Item(menu, MENU_ITEM_SEPARATOR, 0, "");
    Append_Menu_Item(menu, 0, HEADER_MENU_COPY_PLAYERS, "Copy Players to Clipboard");
    int32_t x = 0, y = 0;
    Get_Pointer_Position(&x, &y);
    const int32_t command = Track_Popup_Menu(menu, x, y, data->Dialog_Window);
    Destroy_Menu(menu);
    switch (command) {
    case HEADER_MENU_CHOOSE_COLUMNS:
        Do_Dialog(data->Dialog_Window, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(data));
        if (Get_Focus() == NO_WINDOW && Is_Window(data->List_Window)) Set_Focus(data->List_Window);
        break;
    case HEADER_MENU_AUTO_SIZE:
        Auto_Size_Listview_Columns(data->List_Window);
        break;
    case HEADER_MENU_DEFAULT_COLUMNS:
        Restore_Default_Columns(data);
        break;
    case HEADER_MENU_COPY_PLAYERS:
        Copy_Listview_To_Clipboard(data);
        break;
    default:
        break;
    }
    return command;
}

std::string Copy_Listview_To_Clipboard(LISTVIEW_DATA* data) {
    std::string text;
    if (data == nullptr) return text;
    const WINDOW_HANDLE list = data->List_Window;
    const int32_t rows = List_View_Get_Item_Count(list);
    if (rows < 1) return text;
    const std::vector<int32_t> order = List_View_Get_Column_Order(list);
    char line[LINE_SIZE] = "";
    for (int32_t column : order) {
        LIST_VIEW_COLUMN_INFO info{};
        Send_Window_Message(list, MSG_LIST_VIEW_GET_COLUMN, static_cast<uintptr_t>(column),
                            reinterpret_cast<intptr_t>(&info));
        safe_strncat(line, info.Heading.c_str(), LINE_SIZE);
        safe_strncat(line, "\t", LINE_SIZE);
    }
    Close_Line(line, &text);
    for (int32_t row = 0; row < rows; ++row) {
        line[0] = '\0';
        for (int32_t column : order)
            Append_Cell(line,
                        List_View_Get_Item_Text(list, row, List_View_Get_Column_Sub_Item(list, column)));
        Close_Line(line, &text);
    }
    Set_Clipboard_Text(text);
    return text;
}

void Convert_Money_Text_To_Dollars(char* text) {
    if (text == nullptr || text[0] != '$') return;
    bool drop_points = true;
    if (char* b = std::strchr(text, 'B')) {
        *b = '0';
        safe_strncat(text, "000000", LISTVIEW_CELL_SIZE);
    } else if (char* m = std::strchr(text, 'M')) {
        *m = '0';
        safe_strncat(text, "000", LISTVIEW_CELL_SIZE);
    } else if (char* k = std::strchr(text, 'K')) {
        *k = '0';
        safe_strncat(text, "00", LISTVIEW_CELL_SIZE);
        drop_points = false;
    } else {
        return;
    }
    if (!drop_points) return;
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in)
        if (*in != '.') *out++ = *in;
    *out = '\0';
}

intptr_t Stat_Column_Chooser_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Chooser(dialog, reinterpret_cast<LISTVIEW_DATA*>(lparam));
        return 1;
    case MSG_PAINT:
        // The list beneath shows the columns as they are being chosen.
        if (chooser_data != nullptr && Is_Window(chooser_data->List_Window))
            Invalidate_Window(chooser_data->List_Window, nullptr);
        return 0;
    case MSG_DESTROY:
        chooser_data = nullptr;
        return 0;
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (id == COLUMN_CHOOSER_LIST) {
            if (Command_Notification(wparam) == NOTIFY_LIST_SELECTION_CHANGE)
                Chooser_Selection_Changed(dialog);
            return 1;
        }
        if (Get_Column_Preset_Row(id) != 0 || id == DEFAULT_STATS_BUTTON) {
            Apply_Column_Preset(chooser_data, Get_Column_Preset_Row(id));
            Sync_Column_Chooser_Selection(dialog);
            if (chooser_data != nullptr) Auto_Size_Listview_Columns(chooser_data->List_Window);
            return 1;
        }
        switch (id) {
        case COLUMN_CHOOSER_CLEAR:
            List_Box_Set_Selection(Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST), false, -1);
            return 1;
        case LIST_AUTO_SIZE_BUTTON:
            if (chooser_data != nullptr) Auto_Size_Listview_Columns(chooser_data->List_Window);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(COLUMN_CHOOSER_DIALOG);
            return 1;
        case ID_OK:
            Apply_Column_Chooser(dialog);
            End_Dialog(dialog, 1);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 0);
            return 1;
        default:
            return 0;
        }
    }
    default:
        return 0;
    }
}

void Format_Column_Chooser_Line(const LISTVIEW_COLUMN& column, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    const char* heading = column.Heading;
    while (*heading == ' ')
        ++heading;
    safe_sprintf(out, size, "%s\t%s", heading, column.Description);
}

int32_t Get_Column_Preset_Row(int32_t control_id) {
    for (const PRESET_BUTTON& button : PRESET_BUTTONS)
        if (button.Id == control_id) return button.Row;
    return 0;
}
