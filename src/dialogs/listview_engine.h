#pragma once
// The player list views of the dialogs: every sortable list of players (the
// Sortable Stats, free-agent and college-draft lists, Find Players, the trade
// screens) is a list view in report mode driven from one LISTVIEW_DATA. A
// player is named by his code, team x 100 + slot (0-4,099): the item data of
// his row and the index of the list's sort values. The engine knows a fixed
// catalogue of 113 column kinds, writes every cell from the league data,
// keeps one sort value per player for the current sort column and one for
// the previous one (the tie-break), fills the rows and sizes the columns.
//
// A list's life: the owner zeroes the record and writes its name, dialog
// and list window; Init_Listview_Data; Load_Listview_Column_Set;
// Rebuild_Listview_Columns; entries written (after Clear_Listview_Entries);
// Fill_Listview_Rows; Sort_Listview. A heading click calls
// Set_Listview_Sort_Column then Sort_Listview; a change of the statistics
// season Refresh_Listview_Stat_Cells; closing Save_Listview_Column_Set.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/handles.h"
#include "platform/windows.h"

constexpr int32_t LISTVIEW_CODE_COUNT = 4100;
constexpr int32_t LISTVIEW_COLUMN_KINDS = 113;
constexpr int32_t LISTVIEW_NAME_SIZE = 256;
constexpr int32_t LISTVIEW_HEADING_SIZE = 32;
// An entry that holds no player.
constexpr uint16_t LISTVIEW_EMPTY_ENTRY = 0xFFFF;
// A cell's text buffer holds at least this many bytes.
constexpr int32_t LISTVIEW_CELL_SIZE = 256;

// Column ids the code names.
enum LISTVIEW_COLUMN_ID : int32_t {
    COLUMN_NAME = 0,
    COLUMN_TEAM = 1,
    COLUMN_POSITION = 2,
    COLUMN_OVERALL = 3,
    COLUMN_PEAK = 4,
    COLUMN_SALARY = 5,
    COLUMN_CAREER = 6,
    COLUMN_FORTY = 7,
    COLUMN_BONUS = 8,
    COLUMN_CAP_IMPACT = 11,
    COLUMN_HEIGHT = 12,
    COLUMN_AGE = 15,
    COLUMN_YEARS = 91,
    COLUMN_DEPTH = 92,
    COLUMN_STAT_LINE = 96,
    COLUMN_CSS = 97,
    COLUMN_COLLEGE = 98,
};

struct LISTVIEW_COLUMN {
    int32_t Id;              // 0-112
    const char* Heading;     // the short column heading
    const char* Description; // the long description of the column chooser
    int32_t Statistic;       // 1: the cell follows the statistics season and the games played
    int32_t Alignment;       // 0 left, 2 centred (the list view's column formats)
    int32_t Source;          // the vital, statistic, rating or record byte the cell reads
};

// The catalogue in the order the column chooser lists it; each id once.
extern const LISTVIEW_COLUMN Listview_Column_Catalogue[LISTVIEW_COLUMN_KINDS];
// The catalogue by id (filled by Init_Listview_Data).
extern LISTVIEW_COLUMN Listview_Column_Table[LISTVIEW_COLUMN_KINDS];

struct LISTVIEW_DATA {
    char Name[LISTVIEW_NAME_SIZE];
    int32_t Sort_Values[LISTVIEW_CODE_COUNT];
    int32_t Previous_Sort_Values[LISTVIEW_CODE_COUNT];
    uint16_t Entries[LISTVIEW_CODE_COUNT];
    WINDOW_HANDLE Dialog_Window;
    WINDOW_HANDLE List_Window;
    WINDOW_HANDLE Header_Window;
    WINDOW_PROCEDURE Old_Window_Procedure;
    int32_t Fill_Flag;
    int32_t Position_Filter;
    int32_t Team_Filter;
    // Column id + 1, negative when reversed, 0 for none.
    int32_t Sort_Column;
    int32_t Previous_Sort_Column;
    int32_t Column_Count;
    int32_t Column_Ids[LISTVIEW_COLUMN_KINDS];
    LISTVIEW_COLUMN Descriptors[LISTVIEW_COLUMN_KINDS];
    char Heading_Overrides[LISTVIEW_COLUMN_KINDS][LISTVIEW_HEADING_SIZE];
    // By code: the id of the player the code's row stood for when the rows
    // were last filled (0 for no row), so that a row still names its player
    // once releases, signings or trades have moved others into his slot.
    int32_t Row_Player_Ids[LISTVIEW_CODE_COUNT];
};

// The record's name, dialog and list window are written; binds the list to
// it (its user data), installs Listview_Subclass_Proc, sets both filters to
// -1, fills the column tables and empties the entries.
void Init_Listview_Data(LISTVIEW_DATA* data);
// A list view's data made afresh under `name` for the dialog's list: bound
// and filled as Init_Listview_Data does, sorted on its first column, with its
// saved column set loaded and its columns built.
void Start_Listview_Data(LISTVIEW_DATA* data, const char* name, WINDOW_HANDLE dialog, WINDOW_HANDLE list);
// The data a list view was bound to (nullptr for none).
LISTVIEW_DATA* Get_Listview_Data(WINDOW_HANDLE list);
void Clear_Listview_Entries(LISTVIEW_DATA* data);

// The cell of column `id` for the player: its text into `text` (when given,
// LISTVIEW_CELL_SIZE bytes) and its sort value. A column that does not apply
// to him reads " ... " and -1.
int32_t Get_Listview_Cell(char* text, int32_t id, int32_t team, int32_t slot);
void Compute_Listview_Sort_Values(LISTVIEW_DATA* data);

void Add_Listview_Column(LISTVIEW_DATA* data, int32_t id, int32_t position);
// The header shows the data's column ids in order (ids of 113 or more are
// skipped), the rows deleted, the columns auto-sized.
void Rebuild_Listview_Columns(LISTVIEW_DATA* data);
// One row per entry, in entry order; the player the selected row stood for
// stays selected wherever he stands now, and no row is selected when he is
// not among the entries. With a progress bar the fill is shown on it.
void Fill_Listview_Rows(LISTVIEW_DATA* data, WINDOW_HANDLE progress_bar);
void Sort_Listview(LISTVIEW_DATA* data);
// The comparison of two rows by their item data: the sort column, then the
// previous one. `context` is the LISTVIEW_DATA.
int32_t Compare_Listview_Rows(intptr_t first, intptr_t second, intptr_t context);
// One key: 1 the sort column, 2 the previous sort column.
int32_t Compare_Listview_Key(int32_t key, intptr_t first, intptr_t second, const LISTVIEW_DATA* data);
// A heading click on the column whose id + 1 is `column`: the same column
// again reverses it; another becomes the sort column, the former one the
// tie-break.
void Set_Listview_Sort_Column(LISTVIEW_DATA* data, int32_t column);
// Rewrites the statistic cells of every row (after a change of the
// statistics season) and sorts again when the sort column is one.
void Refresh_Listview_Stat_Cells(LISTVIEW_DATA* data);

void Select_Listview_Player(WINDOW_HANDLE list, int32_t team, int32_t slot);

// Which player a row is. A row keeps the id of the player it stood for when
// the rows were filled; whoever moves into his slot afterwards is not he.
// The id of the row's player, 0 for a row that names none (or no row).
int32_t Get_Listview_Row_Player_ID(const LISTVIEW_DATA* data, int32_t row);
// Where the row's player stands now on the team his row listed him with;
// false when he has left that team or the row names no player.
bool Locate_Listview_Row_Player(const LISTVIEW_DATA* data, int32_t row, int32_t* team, int32_t* slot);
// The first row that stands for the player with `id`, -1 when none does.
int32_t Find_Listview_Player_Row(const LISTVIEW_DATA* data, int32_t id);
// Selects the row of the player with `id` (scrolled into view, focused), or
// no row when none stands for him; whether he has one.
bool Select_Listview_Player_ID(LISTVIEW_DATA* data, int32_t id);

// A line of a list box whose item data are one team's player slots, then (on
// the trade screens) its draft picks as the player count plus the pick's
// place: the player it stands for by his id, or the pick by its place.
struct LIST_BOX_ROW {
    int32_t Team = -1;
    int32_t Id = 0;    // 0: no player
    int32_t Pick = -1; // -1: no pick
};
// What line `line` of the list stands for in the league as it is now (an
// empty row for no line): read before a dialog that may move players opens.
LIST_BOX_ROW Get_List_Box_Row(WINDOW_HANDLE list, int32_t team, int32_t line);
// Selects the line of the row's player wherever he stands on the team now,
// or the line of its pick; no line when he has left the team, the pick is
// gone or the row is another team's.
void Select_List_Box_Row(WINDOW_HANDLE list, int32_t team, const LIST_BOX_ROW& row);
// Empties the list and fills it again through `fill` (which adds the lines
// with their item data), then chooses the line of what the selected line
// stood for when the list was last filled this way: its player wherever he
// stands now, or its pick; none when he has gone. `kept` holds what each
// line stands for, from one fill to the next.
void Refill_List_Box(WINDOW_HANDLE list, int32_t team, std::vector<LIST_BOX_ROW>* kept,
                     const std::function<void()>& fill);
// The code of the first selected row, or -1; team and slot (either may be
// nullptr) become 255 first and the code's parts when a row is selected.
int32_t Get_Listview_Selected_Player(WINDOW_HANDLE list, int32_t* team, int32_t* slot);
void Clear_Listview_Selection(WINDOW_HANDLE list);
// 1 when the slot holds a player whose code stands among the entries.
int32_t Find_Listview_Entry(int32_t team, int32_t slot, const LISTVIEW_DATA* data);
// The header position of the column with that id, -1 when absent.
int32_t Find_Listview_Column(const LISTVIEW_DATA* data, int32_t id);
// The first row not hidden under the header, 0 when none.
int32_t Get_Listview_Top_Row(WINDOW_HANDLE list);
// The widest of the column's heading and its cells, plus 10.
int32_t Measure_Listview_Column(WINDOW_HANDLE list, int32_t position);
// Every column measured; spare width of the list shared out among them.
void Auto_Size_Listview_Columns(WINDOW_HANDLE list);
// The list's procedure in front of the list view's: losing the focus clears
// every row's focus mark.
intptr_t Listview_Subclass_Proc(WINDOW_HANDLE list, uint32_t code, uintptr_t wparam, intptr_t lparam);
