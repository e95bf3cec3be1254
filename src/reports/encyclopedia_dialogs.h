#pragma once
// The dialogs in front of the HTML encyclopedia: View Encyclopedia (182), where
// the user picks the export folder and a design and exports or only views the
// encyclopedia, and Choose Export Folder (183), a folder browser. The choices
// are kept in "input/settings.ini": the folder on the first line, the
// design's file name on the second.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t VIEW_ENCYCLOPEDIA_DIALOG = 182;
constexpr int32_t CHOOSE_EXPORT_FOLDER_DIALOG = 183;
constexpr int32_t EXPORT_FOLDER_EDIT = 1409;
constexpr int32_t BROWSE_FOLDER_BUTTON = 1410;
constexpr int32_t DESIGN_LIST = 1028;
constexpr int32_t EXPORT_AND_VIEW_BUTTON = 1411;
constexpr int32_t VIEW_ENCYCLOPEDIA_BUTTON = 1412;
constexpr int32_t FOLDER_LIST = 1413;
constexpr int32_t PLACE_LIST = 1415;

constexpr int32_t EXPORT_CHOICE_SIZE = 2048;
// The longest export folder the settings take.
constexpr int32_t LONGEST_EXPORT_FOLDER = 100;
constexpr const char* EXPORT_SETTINGS_FILE = "input/settings.ini";
constexpr const char* DEFAULT_EXPORT_FOLDER = "HTML_Export";
constexpr const char* DEFAULT_DESIGN = "default.css";

// The folder chosen in the dialogs; the export starts from it.
extern char Export_Folder_Choice[EXPORT_CHOICE_SIZE];
// The folder whose sub-folders dialog 183 lists.
extern char Browse_Folder[EXPORT_CHOICE_SIZE];

extern const DIALOG_TEMPLATE VIEW_ENCYCLOPEDIA_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE CHOOSE_EXPORT_FOLDER_DIALOG_TEMPLATE;

intptr_t View_Encyclopedia_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                       intptr_t lparam);
intptr_t Choose_Export_Folder_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                          intptr_t lparam);

// Reads the folder (first line) and the design (second line) from the
// settings file, each whole up to its buffer's size less one; a missing file
// or an empty line gives the default. False when the file cannot be read.
bool Read_Export_Settings(const char* path, char* folder, int32_t folder_size, char* design,
                          int32_t design_size);
// Fills the folder edit and the design list of dialog 182.
void Load_Export_Settings(WINDOW_HANDLE dialog);
// Checks the folder and writes the settings file; 1 when the choice stands,
// 0 after telling the user why not.
int32_t Save_Export_Settings(WINDOW_HANDLE dialog);
// The places to browse from: "/", the home folder and the game folder.
void Fill_Drive_List(WINDOW_HANDLE dialog);
// The sub-folders of `folder`, with ".." to go up.
void Fill_Directory_List(WINDOW_HANDLE dialog, const char* folder);
// ".." goes up one folder ("/" stays "/"); another entry goes into it.
void Change_Directory_Path(const char* entry, char* path, int32_t size);
