#pragma once
// The Print dialog (155): a list of players with their statistics of one
// period and category, ranked by one statistic, written to "Output/<name>"
// in one of four formats, then sent to the printer or opened when asked.
#include <cstdint>
#include <string>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t PRINT_DIALOG = 155;
constexpr int32_t PRINT_TEAM_LIST = 1132;
constexpr int32_t PRINT_PERIOD_LIST = 1223;
constexpr int32_t PRINT_CATEGORY_LIST = 1224;
constexpr int32_t PRINT_SORT_LIST = 1225;
constexpr int32_t PRINT_FORMAT_LIST = 1226;
constexpr int32_t PRINT_FILE_NAME_EDIT = 1082;
constexpr int32_t PRINT_TO_PRINTER_BOX = 1022;
constexpr int32_t PRINT_VIEW_NOW_BOX = 1023;
constexpr int32_t PRINT_HELP_BUTTON = 9;
constexpr int32_t PRINT_FILE_NAME_LIMIT = 2047;

// Settings of the dialog's choices.
constexpr int32_t PRINT_STATS_PERIOD = 72;
constexpr int32_t PRINT_STATS_CATEGORY = 73;
constexpr int32_t PRINT_STATS_SORT = 74;
constexpr int32_t PRINT_STATS_FORMAT = 76;

extern const DIALOG_TEMPLATE PRINT_DIALOG_TEMPLATE;

intptr_t Print_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// "Output/" + the name typed + the format's extension; false (and an empty
// path) when nothing is typed.
bool Build_Stats_File_Name(WINDOW_HANDLE dialog, std::string* path);
// Writes the file the dialog describes and tells how it went; false when
// nothing was written (no name, a name with folders in it, a file that could
// not be written), so the printer and the viewer are not asked.
bool Write_Player_Stats_From_Dialog(WINDOW_HANDLE dialog);
