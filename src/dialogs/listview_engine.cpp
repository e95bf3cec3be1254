#include "dialogs/listview_engine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "app/diagnostics.h"
#include "app/sounds_and_cursors.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/column_sets.h"
#include "dialogs/player_texts.h"
#include "personnel/predicted_stats.h"
#include "platform/control_drawing.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "season/playoff_seeding.h"

LISTVIEW_COLUMN Listview_Column_Table[LISTVIEW_COLUMN_KINDS];

namespace {
// The text of a cell that does not apply to the player, and the en dash of
// the Windows-1252 code page.
constexpr const char* NOT_APPLICABLE = " ... ";
constexpr const char* DASH = "\x96";
// Window data of a bound list: its LISTVIEW_DATA, and the list view's own
// procedure, which outlives any one record bound to the list.
constexpr int32_t LISTVIEW_DATA_SLOT = 0;
constexpr int32_t LISTVIEW_PROCEDURE_SLOT = 1;
constexpr int32_t PREDICTED_BLOCK = SEASON_PREDICTED;
constexpr int32_t POOL_VALUE_STAT = 299;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
constexpr int32_t LOWEST_POOL_VALUE = 20;
constexpr int32_t UNDRAFTED_YEAR_SORT = 10000;
constexpr int32_t UNDRAFTED_TEAM_SORT = 1000;
constexpr int32_t QB_FUMBLES = 19;
constexpr int32_t OTHER_FUMBLES = 2;
constexpr int32_t FIRST_HALL_OF_FAME_OR_POOL = HALL_OF_FAME_TEAM;
constexpr int32_t MEASURE_PADDING = 10;
// Rows that make a refresh show the wait cursor.
constexpr int32_t MANY_ROWS = 100;
constexpr int32_t WAIT_CURSOR = 4;
constexpr int32_t ARROW_CURSOR = 0;
// How far the first row shown lies below the top of the list.
constexpr int32_t HEADER_CLEARANCE = 10;

bool Is_Player_Code(intptr_t code) {
    return code >= 0 && code < LISTVIEW_CODE_COUNT;
}

bool Is_Pool(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

bool Is_Fantasy_Draft_Running() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1;
}

const LISTVIEW_COLUMN* Find_Descriptor(int32_t id) {
    if (id < 0 || id >= LISTVIEW_COLUMN_KINDS) return nullptr;
    if (Listview_Column_Table[id].Heading == nullptr)
        for (const LISTVIEW_COLUMN& column : Listview_Column_Catalogue)
            Listview_Column_Table[column.Id] = column;
    return &Listview_Column_Table[id];
}

// What a cell shows and sorts by; `text` may be nullptr.
struct CELL {
    char* Text;
    int32_t Value = -1;
    void Write(const char* shown) const {
        if (Text != nullptr) safe_strncpy(Text, shown, LISTVIEW_CELL_SIZE);
    }
    void Number(int32_t value) {
        Value = value;
        if (Text != nullptr) safe_sprintf(Text, LISTVIEW_CELL_SIZE, "%d", value);
    }
    // Tenths or hundredths shown with one or two decimals.
    void Decimal(int32_t value, int32_t scale) {
        Value = value;
        if (Text == nullptr) return;
        const int32_t magnitude = std::abs(value);
        safe_sprintf(Text, LISTVIEW_CELL_SIZE, scale == 10 ? "%s%d.%01d" : "%s%d.%02d", value < 0 ? "-" : "",
                     magnitude / scale, magnitude % scale);
    }
};

// Thousands of dollars as "$1.25M", "$500K" or "$0".
void Money_Cell(CELL* cell, int32_t thousands) {
    cell->Value = thousands;
    if (cell->Text == nullptr) return;
    if (thousands >= 1000)
        safe_sprintf(cell->Text, LISTVIEW_CELL_SIZE, "$%d.%02dM", thousands / 1000, (thousands % 1000) / 10);
    else if (thousands < 1)
        cell->Write("$0");
    else
        safe_sprintf(cell->Text, LISTVIEW_CELL_SIZE, "$%dK", thousands);
}

void Team_Name_Cell(CELL* cell, int32_t team) {
    cell->Value = team;
    if (cell->Text == nullptr) return;
    char name[TEAM_STRING_LENGTH] = "";
    Get_Team_String(name, team, 0);
    cell->Write(name);
}

void Name_Cell(CELL* cell, int32_t team, int32_t slot) {
    if (cell->Text == nullptr) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Last_First_Name(team, slot, name);
    if (Is_Contract_Expiring(team, slot) != 0) {
        char wrapped[FORMATTED_TEXT_SIZE];
        safe_sprintf(wrapped, sizeof wrapped, "(%s)", name);
        safe_strncpy(name, wrapped, sizeof name);
    }
    Append_Player_Status_Suffix(name, team, slot);
    cell->Write(name);
}

// Ids read from the chosen statistics season, by the players they apply to.
bool Is_Quarterback_Column(int32_t id) {
    return (id >= 16 && id <= 24) || id == 55 || id == 68 || id == 99;
}
bool Is_Skill_Column(int32_t id) {
    return (id >= 25 && id <= 28) || (id >= 30 && id <= 33) || id == 108;
}
bool Is_Defender_Column(int32_t id) {
    return (id >= 46 && id <= 54) || id == 103;
}
bool Is_Kicking_Column(int32_t id) {
    return (id >= 56 && id <= 67) || id == 101 || id == 102;
}
bool Is_Rating_Column(int32_t id) {
    return (id >= 69 && id <= 90) || id == 94 || id == 95 || id == 104 || id == 106;
}

// Scale of a statistic column shown with decimals (10 or 100), 1 for whole numbers.
int32_t Column_Scale(int32_t id) {
    switch (id) {
    case 21:
    case 99:
    case 27:
    // The blockers' yards per rush and sacks allowed are kept in hundredths.
    case 42:
    case 43:
        return 100;
    case 22:
    case 68:
    case 32:
    case 36:
    case 40:
    case 47:
    case 49:
    case 58:
    case 63:
    case 64:
    case 66:
    case 67:
        return 10;
    default:
        return 1;
    }
}

void Statistic_Cell(CELL* cell, int32_t id, int32_t value) {
    const int32_t scale = Column_Scale(id);
    if (scale == 1)
        cell->Number(value);
    else
        cell->Decimal(value, scale);
}

// The year of the chosen statistics season lies before the league's first season.
bool Is_Chosen_Season_Before_League(int32_t season) {
    const int32_t year = Get_Current_Year() - (season == SEASON_LAST ? 1 : 0);
    return year < Get_Universe_Stat(BASE_YEAR);
}

void Fill_Cell(CELL* cell, const LISTVIEW_COLUMN& column, int32_t team, int32_t slot) {
    const int32_t id = column.Id;
    const int32_t source = column.Source;
    const int32_t season = Get_User_Preference(STAT_SEASON_CHOICE);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t group = Get_Position_Group(position);
    auto statistic = [&](int32_t stat) { return Get_Player_Stat(team, slot, season, stat); };
    auto vital = [&](int32_t stat) { return Get_Player_Vital_Stat(team, slot, stat); };

    if (Is_Quarterback_Column(id)) {
        if (position == POSITION_QB) Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (Is_Skill_Column(id)) {
        if (group != 0) return;
        if (id == 108 && Is_Chosen_Season_Before_League(season)) {
            cell->Write("-");
            return;
        }
        Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (id >= 34 && id <= 41) {
        if (group != 1 && group != 3 && position != POSITION_QB) Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (id == 42 || id == 43) {
        if (group == 1) Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (id == 44 || id == 45) {
        if (group == 1 || group == 2) cell->Number(statistic(source));
        return;
    }
    if (Is_Defender_Column(id)) {
        if (group != 2) return;
        if (id == 103) {
            cell->Value = statistic(source);
            if (cell->Text != nullptr)
                safe_sprintf(cell->Text, LISTVIEW_CELL_SIZE, "%d.%01d%%", cell->Value / 10,
                             std::abs(cell->Value % 10));
            return;
        }
        Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (Is_Kicking_Column(id)) {
        if (Get_Position_Unit(position) == 2) Statistic_Cell(cell, id, statistic(source));
        return;
    }
    if (Is_Rating_Column(id)) {
        cell->Number(static_cast<int32_t>(Get_Player_Rating(team, slot, source)));
        return;
    }
    switch (id) {
    case COLUMN_NAME:
        Name_Cell(cell, team, slot);
        return;
    case COLUMN_TEAM:
        if (!Is_Fantasy_Draft_Running()) {
            Team_Name_Cell(cell, team);
        } else {
            const int32_t drafted_by = vital(VITAL_FANTASY_TEAM);
            if (drafted_by == NOT_FANTASY_DRAFTED || !Is_Team_Record_Slot(drafted_by)) {
                cell->Value = drafted_by;
                cell->Write(DASH);
            } else {
                Team_Name_Cell(cell, drafted_by);
            }
        }
        return;
    case COLUMN_POSITION: {
        char text[FORMATTED_TEXT_SIZE] = "";
        cell->Value = Get_Player_Position_Abbreviation(text, team, slot);
        cell->Write(text);
        return;
    }
    case COLUMN_OVERALL:
    case COLUMN_PEAK:
        cell->Number(Get_Player_Stat(team, slot, PREDICTED_BLOCK, source));
        return;
    case COLUMN_SALARY:
    case COLUMN_BONUS:
    case COLUMN_CAP_IMPACT:
        if (team >= FIRST_HALL_OF_FAME_OR_POOL)
            cell->Write(DASH);
        else
            Money_Cell(cell, vital(source));
        return;
    case COLUMN_CAREER:
    case COLUMN_YEARS: {
        if (Is_Pool(team)) {
            cell->Write(DASH);
            return;
        }
        const int32_t value = vital(source);
        cell->Number(value);
        if (value < 0) cell->Write("0");
        return;
    }
    case COLUMN_FORTY: {
        const int32_t hundredths = static_cast<int32_t>(Get_Player_Forty_Time(team, slot) * 100.0f);
        cell->Decimal(hundredths, 100);
        cell->Value = -hundredths;
        return;
    }
    case 9:
    case 10:
        cell->Number(statistic(source));
        return;
    case COLUMN_HEIGHT: {
        const int32_t inches = vital(source);
        cell->Value = inches;
        if (cell->Text != nullptr)
            safe_sprintf(cell->Text, LISTVIEW_CELL_SIZE, "%d-%d", inches / 12, inches % 12);
        return;
    }
    case 13:
    case 93:
        cell->Number(vital(source));
        return;
    case 14:
    case 105:
        cell->Number(Get_Player_Byte_Field(team, slot, source));
        return;
    case COLUMN_AGE:
        cell->Number(Get_Player_Age(team, slot));
        return;
    case 29:
        if (group == 0) cell->Number(statistic(position == POSITION_QB ? QB_FUMBLES : OTHER_FUMBLES));
        return;
    case COLUMN_DEPTH: {
        const int32_t level = Get_Player_Stat(team, slot, PREDICTED_BLOCK, source);
        if (level < 1) {
            cell->Value = level;
            cell->Write(DASH);
        } else {
            cell->Number(level);
            cell->Value = 100 - level;
        }
        return;
    }
    case COLUMN_STAT_LINE: {
        char text[FORMATTED_TEXT_SIZE] = "";
        cell->Value = Get_Player_Stat_Summary(team, slot, season, text);
        cell->Write(text);
        return;
    }
    case COLUMN_CSS: {
        if (!Is_Pool(team)) {
            cell->Write(DASH);
            return;
        }
        int32_t value = vital(source);
        if (value < LOWEST_POOL_VALUE) {
            value = Get_Player_Stat(team, slot, PREDICTED_BLOCK, POOL_VALUE_STAT);
            Set_Player_Vital_Stat(team, slot, source, value);
        }
        cell->Decimal(value, 10);
        return;
    }
    case COLUMN_COLLEGE: {
        char text[FORMATTED_TEXT_SIZE] = "";
        Get_Player_College(team, slot, text);
        cell->Write(text);
        return;
    }
    case 100: {
        if (Get_Player_Position_Group(team, slot) != 0) return;
        const int32_t value = statistic(source);
        if (value != 0) cell->Decimal(value, 10);
        return;
    }
    case 107: {
        char text[FORMATTED_TEXT_SIZE] = "";
        Get_Player_External_ID(team, slot, text);
        cell->Write(text);
        return;
    }
    case 109: {
        const int32_t year = Get_Player_Draft_Detail(team, slot);
        if (year < 1)
            cell->Value = UNDRAFTED_YEAR_SORT;
        else
            cell->Number(year);
        return;
    }
    case 110: {
        const int32_t drafted_by = Get_Player_Drafted_By_Team(team, slot);
        if (!Is_Team_Record_Slot(drafted_by))
            cell->Value = UNDRAFTED_TEAM_SORT;
        else
            Team_Name_Cell(cell, drafted_by);
        return;
    }
    case 111:
    case 112: {
        const int32_t code = vital(source);
        if (code != 0) cell->Number(id == 111 ? Get_Draft_Code_Round(code) : Get_Draft_Code_Pick(code));
        return;
    }
    default:
        return;
    }
}

// Where a row's name sorts: his last name, or his first name when the last is empty.
void Sort_Names(intptr_t code, char* last, char* first) {
    last[0] = first[0] = '\0';
    if (!Is_Player_Code(code)) return;
    const int32_t team = static_cast<int32_t>(code / PLAYERS_PER_TEAM);
    const int32_t slot = static_cast<int32_t>(code % PLAYERS_PER_TEAM);
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    safe_strncpy(last, player->Last_Name, sizeof player->Last_Name + 1);
    safe_strncpy(first, player->First_Name, sizeof player->First_Name + 1);
    if (last[0] == '\0') safe_strncpy(last, first, sizeof player->First_Name + 1);
}

int32_t Sign(int32_t value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

// The code of the entry that stands for the player the list's row `row`
// stood for: his own code when it still holds him, else the first entry
// holding his id; -1 for none.
int32_t Choose_Refilled_Row(const LISTVIEW_DATA* data, int32_t row) {
    const int32_t id = Get_Listview_Row_Player_ID(data, row);
    if (id == 0) return -1;
    const intptr_t was = List_View_Get_Item_Data(data->List_Window, row);
    int32_t first = -1;
    for (uint16_t entry : data->Entries) {
        const int16_t code = static_cast<int16_t>(entry);
        if (code < 0 || code >= LISTVIEW_CODE_COUNT) continue;
        const int32_t team = code / PLAYERS_PER_TEAM, slot = code % PLAYERS_PER_TEAM;
        if (Is_Player_Slot_Used(team, slot) == 0 || Get_Player_ID(team, slot) != id) continue;
        if (code == was) return code;
        if (first < 0) first = code;
    }
    return first;
}

// The sort value of a row; rows the owner added under other item data have none.
int32_t Value_Of(const int32_t* values, intptr_t code) {
    return Is_Player_Code(code) ? values[code] : -1;
}

void Set_Progress(WINDOW_HANDLE bar, int32_t position) {
    if (bar != NO_WINDOW)
        Send_Window_Message(bar, MSG_PROGRESS_SET_POSITION, static_cast<uintptr_t>(position), 0);
}

// The list's width that rows use: inside its edge, less a vertical scroll
// bar when the rows need one.
int32_t Row_Area_Width(WINDOW_HANDLE list) {
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    int32_t width = client.Right - client.Left - 4;
    const intptr_t per_page = Send_Window_Message(list, MSG_LIST_VIEW_GET_COUNT_PER_PAGE, 0, 0);
    if (List_View_Get_Item_Count(list) > per_page) width -= SCROLL_BAR_SIZE;
    return width;
}
} // namespace

void Start_Listview_Data(LISTVIEW_DATA* data, const char* name, WINDOW_HANDLE dialog, WINDOW_HANDLE list) {
    *data = LISTVIEW_DATA{};
    safe_strncpy(data->Name, name, LISTVIEW_NAME_SIZE);
    data->Dialog_Window = dialog;
    data->List_Window = list;
    Init_Listview_Data(data);
    data->Sort_Column = 0;
    Load_Listview_Column_Set(data);
    Rebuild_Listview_Columns(data);
}

void Init_Listview_Data(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    data->Position_Filter = -1;
    data->Team_Filter = -1;
    for (int32_t row = 0; row < LISTVIEW_COLUMN_KINDS; ++row) {
        const LISTVIEW_COLUMN& column = Listview_Column_Catalogue[row];
        Listview_Column_Table[column.Id] = column;
        data->Descriptors[row] = column;
    }
    data->Header_Window =
        static_cast<WINDOW_HANDLE>(Send_Window_Message(data->List_Window, MSG_LIST_VIEW_GET_HEADER, 0, 0));
    if (Is_Window(data->List_Window)) {
        Set_Window_Data(data->List_Window, LISTVIEW_DATA_SLOT, reinterpret_cast<intptr_t>(data));
        if (Get_Window_Procedure(data->List_Window) != Listview_Subclass_Proc)
            Set_Window_Data(
                data->List_Window, LISTVIEW_PROCEDURE_SLOT,
                reinterpret_cast<intptr_t>(Subclass_Window(data->List_Window, Listview_Subclass_Proc)));
        data->Old_Window_Procedure =
            reinterpret_cast<WINDOW_PROCEDURE>(Get_Window_Data(data->List_Window, LISTVIEW_PROCEDURE_SLOT));
        Send_Window_Message(data->List_Window, MSG_LIST_VIEW_SET_EXTENDED_STYLE,
                            LIST_VIEW_FULL_ROW_SELECT | LIST_VIEW_GRID_LINES,
                            LIST_VIEW_FULL_ROW_SELECT | LIST_VIEW_GRID_LINES);
    }
    Clear_Listview_Entries(data);
    std::fill(std::begin(data->Row_Player_Ids), std::end(data->Row_Player_Ids), 0);
}

LISTVIEW_DATA* Get_Listview_Data(WINDOW_HANDLE list) {
    return Is_Window(list) ? reinterpret_cast<LISTVIEW_DATA*>(Get_Window_Data(list, LISTVIEW_DATA_SLOT))
                           : nullptr;
}

void Clear_Listview_Entries(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    std::fill(std::begin(data->Entries), std::end(data->Entries), LISTVIEW_EMPTY_ENTRY);
    std::fill(std::begin(data->Sort_Values), std::end(data->Sort_Values), 0);
}

int32_t Get_Listview_Cell(char* text, int32_t id, int32_t team, int32_t slot) {
    CELL cell{text};
    cell.Write(NOT_APPLICABLE);
    const LISTVIEW_COLUMN* column = Find_Descriptor(id);
    if (column == nullptr || !Is_Player_Address(team, slot)) return cell.Value;
    Fill_Cell(&cell, *column, team, slot);
    return cell.Value;
}

void Compute_Listview_Sort_Values(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    const int32_t id = std::abs(data->Sort_Column) - 1;
    for (uint16_t entry : data->Entries) {
        const int16_t code = static_cast<int16_t>(entry);
        if (code < 0 || code >= LISTVIEW_CODE_COUNT) continue;
        data->Sort_Values[code] = id <= COLUMN_NAME ? 0
                                                    : Get_Listview_Cell(nullptr, id, code / PLAYERS_PER_TEAM,
                                                                        code % PLAYERS_PER_TEAM);
    }
}

void Add_Listview_Column(LISTVIEW_DATA* data, int32_t id, int32_t position) {
    const LISTVIEW_COLUMN* column = Find_Descriptor(id);
    if (data == nullptr || column == nullptr) return;
    const char* heading =
        data->Heading_Overrides[id][0] != '\0' ? data->Heading_Overrides[id] : column->Heading;
    List_View_Insert_Column(data->List_Window, position, heading, 0, column->Alignment, id);
}

void Rebuild_Listview_Columns(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    Log_Debug_Line("Rebuild_Listview_Columns(%s)", data->Name);
    const WINDOW_HANDLE list = data->List_Window;
    Send_Window_Message(list, MSG_LIST_VIEW_DELETE_ALL_ITEMS, 0, 0);
    while (List_View_Get_Column_Count(list) > 0)
        if (!List_View_Delete_Column(list, 0)) break;
    Add_Listview_Column(data, COLUMN_NAME, 0);
    const int32_t count = std::clamp(data->Column_Count, 0, LISTVIEW_COLUMN_KINDS);
    int32_t position = 1;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t id = data->Column_Ids[i];
        if (id < 0 || id >= LISTVIEW_COLUMN_KINDS) continue;
        Add_Listview_Column(data, id, position++);
    }
    List_View_Delete_Column(list, 0);
    Auto_Size_Listview_Columns(list);
}

void Fill_Listview_Rows(LISTVIEW_DATA* data, WINDOW_HANDLE progress_bar) {
    if (data == nullptr) return;
    // Cells keep what they work out (forty times, draft values) in the records.
    const KEEP_GAME_SAVED derived;
    const WINDOW_HANDLE list = data->List_Window;
    int32_t count = 0;
    if (progress_bar != NO_WINDOW) {
        for (uint16_t entry : data->Entries)
            if (static_cast<int16_t>(entry) >= 0) ++count;
        Send_Window_Message(progress_bar, MSG_PROGRESS_SET_RANGE, 0, LISTVIEW_CODE_COUNT);
        Set_Progress(progress_bar, 0);
        Show_Window(progress_bar, true);
    }
    Compute_Listview_Sort_Values(data);
    // The selected row's player, by the id his row kept: nothing selected
    // remembers no player, so no row comes back selected.
    const int32_t selected = Choose_Refilled_Row(data, List_View_Get_Next_Item(list, -1, ITEM_SELECTED));
    std::fill(std::begin(data->Row_Player_Ids), std::end(data->Row_Player_Ids), 0);
    data->Fill_Flag = 1;
    Send_Window_Message(list, MSG_SET_REDRAW, 0, 0);
    Send_Window_Message(list, MSG_LIST_VIEW_DELETE_ALL_ITEMS, 0, 0);
    const std::vector<int32_t> columns = [&] {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < List_View_Get_Column_Count(list); ++i)
            ids.push_back(List_View_Get_Column_Sub_Item(list, i));
        return ids;
    }();
    const int32_t step = std::max(count / 20, 1);
    int32_t rows = 0;
    char text[LISTVIEW_CELL_SIZE];
    for (uint16_t entry : data->Entries) {
        const int16_t code = static_cast<int16_t>(entry);
        if (code < 0 || code >= LISTVIEW_CODE_COUNT) continue;
        const int32_t team = code / PLAYERS_PER_TEAM, slot = code % PLAYERS_PER_TEAM;
        if (progress_bar != NO_WINDOW && rows % step == 0 && count > 0)
            Set_Progress(progress_bar, rows * LISTVIEW_CODE_COUNT / count);
        data->Row_Player_Ids[code] = Is_Player_Slot_Used(team, slot) != 0 ? Get_Player_ID(team, slot) : 0;
        text[0] = '\0';
        if (!columns.empty()) Get_Listview_Cell(text, columns[0], team, slot);
        const int32_t row = List_View_Insert_Item(list, rows, text, code,
                                                  code == selected ? ITEM_SELECTED | ITEM_FOCUSED : 0);
        for (int32_t id : columns) {
            Get_Listview_Cell(text, id, team, slot);
            List_View_Set_Item_Text(list, row, id, text);
        }
        ++rows;
    }
    const int32_t first_selected = List_View_Get_Next_Item(list, -1, ITEM_SELECTED);
    if (first_selected >= 0)
        Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(first_selected), 0);
    if (progress_bar != NO_WINDOW && rows == 0) Show_Window(progress_bar, false);
    Send_Window_Message(list, MSG_SET_REDRAW, 1, 0);
    data->Fill_Flag = 0;
    Auto_Size_Listview_Columns(list);
}

void Sort_Listview(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    List_View_Sort_Items(data->List_Window, Compare_Listview_Rows, reinterpret_cast<intptr_t>(data));
}

int32_t Compare_Listview_Rows(intptr_t first, intptr_t second, intptr_t context) {
    const LISTVIEW_DATA* data = reinterpret_cast<const LISTVIEW_DATA*>(context);
    const int32_t order = Compare_Listview_Key(1, first, second, data);
    return order != 0 ? order : Compare_Listview_Key(2, first, second, data);
}

int32_t Compare_Listview_Key(int32_t key, intptr_t first, intptr_t second, const LISTVIEW_DATA* data) {
    if (data == nullptr) return 0;
    const int32_t column = key == 1 ? data->Sort_Column : data->Previous_Sort_Column;
    const int32_t* values = key == 1 ? data->Sort_Values : data->Previous_Sort_Values;
    const int32_t c = std::abs(column);
    // Name, Team, Pos and Peak sort ascending; every other column descending.
    int32_t direction = c == 1 || c == 2 || c == 3 || c == 5 ? 1 : -1;
    if (column < 0) direction = -direction;
    if (c == 1) {
        char last_a[32], first_a[32], last_b[32], first_b[32];
        Sort_Names(first, last_a, first_a);
        Sort_Names(second, last_b, first_b);
        int32_t order = Sign(strcasecmp(last_a, last_b));
        if (order == 0) order = Sign(strcasecmp(first_a, first_b));
        return order * direction;
    }
    const int32_t a = Value_Of(values, first), b = Value_Of(values, second);
    if (a < b) return -direction;
    if (a > b) return direction;
    if (key == 1) return 0;
    if (first < second) return direction;
    if (first > second) return -direction;
    return 0;
}

void Set_Listview_Sort_Column(LISTVIEW_DATA* data, int32_t column) {
    if (data == nullptr) return;
    if (column == std::abs(data->Sort_Column)) {
        data->Sort_Column = -data->Sort_Column;
        return;
    }
    data->Previous_Sort_Column = data->Sort_Column;
    std::copy(std::begin(data->Sort_Values), std::end(data->Sort_Values),
              std::begin(data->Previous_Sort_Values));
    data->Sort_Column = std::abs(column);
    Compute_Listview_Sort_Values(data);
}

void Refresh_Listview_Stat_Cells(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    const WINDOW_HANDLE list = data->List_Window;
    const int32_t rows = List_View_Get_Item_Count(list);
    if (rows > MANY_ROWS) Set_App_Cursor(WAIT_CURSOR);
    std::vector<int32_t> statistic_columns;
    for (int32_t i = 0; i < List_View_Get_Column_Count(list); ++i) {
        const LISTVIEW_COLUMN* column = Find_Descriptor(List_View_Get_Column_Sub_Item(list, i));
        if (column != nullptr && column->Statistic != 0) statistic_columns.push_back(column->Id);
    }
    Send_Window_Message(list, MSG_SET_REDRAW, 0, 0);
    char text[LISTVIEW_CELL_SIZE];
    for (int32_t row = 0; row < rows; ++row) {
        const intptr_t code = List_View_Get_Item_Data(list, row);
        if (!Is_Player_Code(code)) continue;
        for (int32_t id : statistic_columns) {
            Get_Listview_Cell(text, id, static_cast<int32_t>(code / PLAYERS_PER_TEAM),
                              static_cast<int32_t>(code % PLAYERS_PER_TEAM));
            List_View_Set_Item_Text(list, row, id, text);
        }
    }
    Send_Window_Message(list, MSG_SET_REDRAW, 1, 0);
    const LISTVIEW_COLUMN* sorted_by = Find_Descriptor(std::abs(data->Sort_Column) - 1);
    if (sorted_by != nullptr && sorted_by->Statistic != 0) {
        Compute_Listview_Sort_Values(data);
        Sort_Listview(data);
    }
    if (rows > MANY_ROWS) Set_App_Cursor(ARROW_CURSOR);
}

void Select_Listview_Player(WINDOW_HANDLE list, int32_t team, int32_t slot) {
    const intptr_t code = team * PLAYERS_PER_TEAM + slot;
    const int32_t row = static_cast<int32_t>(
        Send_Window_Message(list, MSG_LIST_VIEW_FIND_ITEM_DATA, static_cast<uintptr_t>(-1), code));
    if (row < 0) return;
    Clear_Listview_Selection(list);
    Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(row), 0);
    List_View_Set_Item_State(list, row, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
    Set_Focus(list);
}

int32_t Get_Listview_Row_Player_ID(const LISTVIEW_DATA* data, int32_t row) {
    if (data == nullptr || row < 0 || !Is_Window(data->List_Window)) return 0;
    const intptr_t code = List_View_Get_Item_Data(data->List_Window, row);
    return Is_Player_Code(code) ? data->Row_Player_Ids[code] : 0;
}

bool Locate_Listview_Row_Player(const LISTVIEW_DATA* data, int32_t row, int32_t* team, int32_t* slot) {
    const int32_t id = Get_Listview_Row_Player_ID(data, row);
    if (id == 0 || team == nullptr || slot == nullptr) return false;
    const intptr_t code = List_View_Get_Item_Data(data->List_Window, row);
    const int32_t row_team = static_cast<int32_t>(code / PLAYERS_PER_TEAM);
    int32_t now_slot = static_cast<int32_t>(code % PLAYERS_PER_TEAM);
    if (!Find_Player_On_Team(id, row_team, &now_slot)) return false;
    *team = row_team;
    *slot = now_slot;
    return true;
}

int32_t Find_Listview_Player_Row(const LISTVIEW_DATA* data, int32_t id) {
    if (data == nullptr || id == 0) return -1;
    const int32_t rows = List_View_Get_Item_Count(data->List_Window);
    for (int32_t row = 0; row < rows; ++row)
        if (Get_Listview_Row_Player_ID(data, row) == id) return row;
    return -1;
}

bool Select_Listview_Player_ID(LISTVIEW_DATA* data, int32_t id) {
    if (data == nullptr) return false;
    const WINDOW_HANDLE list = data->List_Window;
    Clear_Listview_Selection(list);
    const int32_t row = Find_Listview_Player_Row(data, id);
    if (row < 0) return false;
    Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(row), 0);
    List_View_Set_Item_State(list, row, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
    Set_Focus(list);
    return true;
}

LIST_BOX_ROW Get_List_Box_Row(WINDOW_HANDLE list, int32_t team, int32_t line) {
    LIST_BOX_ROW row;
    if (line < 0 || line >= List_Box_Get_Count(list) || !Is_Team_Record_Slot(team)) return row;
    const intptr_t item = List_Box_Get_Item_Data(list, line);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    if (item < 0) return row;
    row.Team = team;
    if (item < players)
        row.Id = Get_Player_ID(team, static_cast<int32_t>(item));
    else
        row.Pick = static_cast<int32_t>(item - players);
    return row;
}

void Select_List_Box_Row(WINDOW_HANDLE list, int32_t team, const LIST_BOX_ROW& row) {
    intptr_t item = -1;
    int32_t slot = 0;
    if (row.Team == team && Is_Team_Record_Slot(team)) {
        if (row.Id != 0 && Find_Player_On_Team(row.Id, team, &slot))
            item = slot;
        else if (row.Pick >= 0)
            item = Get_First_Empty_Player_Slot(team) + row.Pick;
    }
    int32_t line = -1;
    for (int32_t n = 0; item >= 0 && n < List_Box_Get_Count(list) && line < 0; ++n)
        if (List_Box_Get_Item_Data(list, n) == item) line = n;
    List_Box_Set_Current_Selection(list, line);
}

void Refill_List_Box(WINDOW_HANDLE list, int32_t team, std::vector<LIST_BOX_ROW>* kept,
                     const std::function<void()>& fill) {
    const size_t selected = static_cast<size_t>(List_Box_Get_Current_Selection(list));
    const LIST_BOX_ROW chosen = selected < kept->size() ? (*kept)[selected] : LIST_BOX_ROW{};
    kept->clear();
    List_Box_Reset_Content(list);
    fill();
    for (int32_t line = 0; line < List_Box_Get_Count(list); ++line)
        kept->push_back(Get_List_Box_Row(list, team, line));
    Select_List_Box_Row(list, team, chosen);
}

int32_t Get_Listview_Selected_Player(WINDOW_HANDLE list, int32_t* team, int32_t* slot) {
    if (team != nullptr) *team = NO_PLAYER;
    if (slot != nullptr) *slot = NO_PLAYER;
    if (!Is_Window(list)) return -1;
    const int32_t row = List_View_Get_Next_Item(list, -1, ITEM_SELECTED);
    if (row < 0) return -1;
    const intptr_t code = List_View_Get_Item_Data(list, row);
    if (Is_Player_Code(code)) {
        if (team != nullptr) *team = static_cast<int32_t>(code / PLAYERS_PER_TEAM);
        if (slot != nullptr) *slot = static_cast<int32_t>(code % PLAYERS_PER_TEAM);
    }
    return static_cast<int32_t>(code);
}

void Clear_Listview_Selection(WINDOW_HANDLE list) {
    if (Is_Window(list)) List_View_Set_Item_State(list, -1, 0, ITEM_SELECTED | ITEM_FOCUSED);
}

int32_t Find_Listview_Entry(int32_t team, int32_t slot, const LISTVIEW_DATA* data) {
    if (data == nullptr || !Is_Player_Address(team, slot) || Is_Player_Slot_Used(team, slot) == 0) return 0;
    const uint16_t code = static_cast<uint16_t>(team * PLAYERS_PER_TEAM + slot);
    for (uint16_t entry : data->Entries) {
        if (entry == LISTVIEW_EMPTY_ENTRY) return 0;
        if (entry == code) return 1;
    }
    return 0;
}

int32_t Find_Listview_Column(const LISTVIEW_DATA* data, int32_t id) {
    if (data == nullptr || id == -1) return -1;
    for (int32_t i = 0; i < List_View_Get_Column_Count(data->List_Window); ++i)
        if (List_View_Get_Column_Sub_Item(data->List_Window, i) == id) return i;
    return -1;
}

int32_t Get_Listview_Top_Row(WINDOW_HANDLE list) {
    const int32_t rows = List_View_Get_Item_Count(list);
    const int32_t start = std::max<int32_t>(
        0, static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_TOP_INDEX, 0, 0)) - 1);
    for (int32_t row = start; row < rows; ++row) {
        RECT_AREA rect{};
        if (Send_Window_Message(list, MSG_LIST_VIEW_GET_ITEM_RECT, static_cast<uintptr_t>(row),
                                reinterpret_cast<intptr_t>(&rect)) != 0 &&
            rect.Top > HEADER_CLEARANCE)
            return row;
    }
    return 0;
}

int32_t Measure_Listview_Column(WINDOW_HANDLE list, int32_t position) {
    LIST_VIEW_COLUMN_INFO info{};
    if (Send_Window_Message(list, MSG_LIST_VIEW_GET_COLUMN, static_cast<uintptr_t>(position),
                            reinterpret_cast<intptr_t>(&info)) == 0)
        return 0;
    auto width = [&](const std::string& text) {
        return static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_STRING_WIDTH, 0,
                                                        reinterpret_cast<intptr_t>(text.c_str())));
    };
    int32_t widest = width(info.Heading);
    const int32_t rows = List_View_Get_Item_Count(list);
    for (int32_t row = 0; row < rows; ++row)
        widest = std::max(widest, width(List_View_Get_Item_Text(list, row, info.Sub_Item)));
    return widest + MEASURE_PADDING;
}

void Auto_Size_Listview_Columns(WINDOW_HANDLE list) {
    const int32_t count = List_View_Get_Column_Count(list);
    // No columns: nothing to share the width among.
    if (count <= 0) return;
    std::vector<int32_t> widths(static_cast<size_t>(count));
    int32_t sum = 0;
    for (int32_t i = 0; i < count; ++i) {
        widths[static_cast<size_t>(i)] = Measure_Listview_Column(list, i);
        sum += widths[static_cast<size_t>(i)];
    }
    const int32_t width = Row_Area_Width(list);
    if (sum < width) {
        const int32_t each = (width - sum) / count;
        const int32_t left_over = width - sum - each * count;
        for (int32_t i = 0; i < count; ++i)
            widths[static_cast<size_t>(i)] += each + (i < left_over ? 1 : 0);
    }
    for (int32_t i = 0; i < count; ++i)
        Send_Window_Message(list, MSG_LIST_VIEW_SET_COLUMN_WIDTH, static_cast<uintptr_t>(i),
                            widths[static_cast<size_t>(i)]);
}

intptr_t Listview_Subclass_Proc(WINDOW_HANDLE list, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_KILL_FOCUS) {
        List_View_Set_Item_State(list, -1, 0, ITEM_FOCUSED);
        return 0;
    }
    const WINDOW_PROCEDURE old =
        reinterpret_cast<WINDOW_PROCEDURE>(Get_Window_Data(list, LISTVIEW_PROCEDURE_SLOT));
    if (old == nullptr) return Default_Window_Procedure(list, code, wparam, lparam);
    return Call_Window_Procedure(old, list, code, wparam, lparam);
}
