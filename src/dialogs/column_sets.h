#pragma once
// Which columns each kind of player list shows, in which order and sorted by
// which column: the column sets saved in the settings (so they travel with
// the saved game), their check, the fifteen default and predefined column
// groups, the column chooser (dialog 172 "Stat Column Chooser"), the
// heading menu of every player list and copying a list to the clipboard.
//
// Kind k (Player_List_Kind 0-3) keeps, in the 16-bit settings: 240 + 20k the
// column count (0: no set saved yet), 241 + 20k the sort column, 242 + 20k
// to 259 + 20k up to 18 column ids in display order (-1: empty place).
#include <cstdint>
#include <string>

#include "dialogs/listview_engine.h"
#include "platform/dialogs.h"

constexpr int32_t COLUMN_SET_PLACES = 18;
constexpr int32_t COLUMN_SET_KINDS = 4;
constexpr int32_t FIRST_COLUMN_SET_SETTING = 240;
constexpr int32_t COLUMN_SET_SETTINGS = 20;
constexpr int32_t DEFAULT_COLUMN_ROWS = 15;

constexpr int32_t COLUMN_CHOOSER_DIALOG = 172;
constexpr int32_t COLUMN_CHOOSER_LIST = 1436;
constexpr int32_t COLUMN_CHOOSER_CLEAR = 1438;
// The player lists' and the chooser's shared controls.
constexpr int32_t LIST_AUTO_SIZE_BUTTON = 1385;
constexpr int32_t LIST_PROGRESS_BAR = 1083;
constexpr int32_t DEFAULT_STATS_BUTTON = 41013;

// Commands of the heading menu.
constexpr int32_t HEADER_MENU_CHOOSE_COLUMNS = 1000;
constexpr int32_t HEADER_MENU_AUTO_SIZE = 1001;
constexpr int32_t HEADER_MENU_DEFAULT_COLUMNS = 1002;
constexpr int32_t HEADER_MENU_COPY_PLAYERS = 1003;

extern const DIALOG_TEMPLATE COLUMN_CHOOSER_DIALOG_TEMPLATE;

// The n-th column id of a default row (0-14), -1 after its last.
int32_t Get_Default_Listview_Column(int32_t row, int32_t n);
// Kind k's set becomes its default row, sorted by nothing.
void Write_Default_Column_Set(int32_t kind);
// Repairs the set of Player_List_Kind: ids outside 0-112 and repeated ids
// are dropped and the gaps closed; an empty set gets its default row; a
// sort column no longer among the places becomes -1.
void Check_Listview_Column_Set();
// The checked set of Player_List_Kind into the data (ids, count, sort column).
void Load_Listview_Column_Set(LISTVIEW_DATA* data);
// The header's first 18 columns in display order and the sort column into
// the set of Player_List_Kind.
void Save_Listview_Column_Set(LISTVIEW_DATA* data);
// The columns of a default row (the sort column stays).
void Set_Listview_Default_Columns(LISTVIEW_DATA* data, int32_t row);
// The columns of a default row shown: rebuilt and filled in the order of
// the entries, with the owner dialog's progress bar (shown when rows came).
void Apply_Column_Preset(LISTVIEW_DATA* data, int32_t row);
// The default columns of the list's kind.
void Restore_Default_Columns(LISTVIEW_DATA* data);
// The heading menu at the pointer; returns the command chosen (0 none)
// after carrying it out.
int32_t Do_Listview_Header_Menu(LISTVIEW_DATA* data);
// The headings and every row as tab-separated lines on the clipboard, money
// in whole dollars. Returns the text placed there (empty for no rows).
std::string Copy_Listview_To_Clipboard(LISTVIEW_DATA* data);
// A money text ("$1.25M", "$500K", "$2.5B") in whole dollars, in place
// (`text` holds at least LISTVIEW_CELL_SIZE bytes); other texts stay.
void Convert_Money_Text_To_Dollars(char* text);

// Dialog 172; its parameter is the list's LISTVIEW_DATA.
intptr_t Stat_Column_Chooser_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam);
// A chooser line: the heading without its leading blanks, a tab, the description.
void Format_Column_Chooser_Line(const LISTVIEW_COLUMN& column, char* out, int32_t size);
// The default row a chooser button stands for (0 for any other control).
int32_t Get_Column_Preset_Row(int32_t control_id);
