#pragma once
// The HTML encyclopedia: a static web site of the whole league written into a
// folder the user chooses, every page one of the 13 templates of
// "HTML_Templates" expanded with the page's parameters. The export runs under
// a progress window, pumping messages after each page; a quit asked for
// meanwhile stops it after the page being written.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "reports/template_engine.h"

constexpr int32_t EXPORT_FOLDER_SIZE = 2048;

// The folder the pages are written under (copied from the dialog's choice
// when an export starts) and the chosen design's file name.
extern char Export_Folder[EXPORT_FOLDER_SIZE];
extern char Chosen_Style_Sheet[EXPORT_FOLDER_SIZE];

// One page of the encyclopedia: its template and parameters.
struct ENCYCLOPEDIA_PAGE {
    const char* Template;
    TAG_PARAMETERS Parameters;
    int32_t Count;
    // Progress steps the page stands for (the player pages step for every
    // team slot, used or not).
    int32_t Steps;
};

// What the last export did.
struct ENCYCLOPEDIA_EXPORT_RESULT {
    int32_t Pages_Written;
    int32_t Pages_Failed;
    // Of the pages failed, those whose template was too large to be read.
    int32_t Pages_Of_Large_Templates;
    bool Stopped_By_Quit;
    bool Folder_Failed;
};

// Writes the encyclopedia of the league into Export_Folder_Choice with the
// style sheet `style_sheet`; `dialog` (may be NO_WINDOW) is ended first.
// Returns 1 after an export, 0 when the user declines to overwrite the pages
// there or a folder cannot be made (which is told, naming it). Pages that
// cannot be written are counted and told.
int32_t Export_HTML_Encyclopedia(WINDOW_HANDLE dialog, const char* style_sheet);
const ENCYCLOPEDIA_EXPORT_RESULT& Get_Last_Export_Result();
// The progress window's range: 3 x teams + 3,736 + (leagues + 2) x seasons +
// games + leagues + the current week + 1. The bar steps once a page, and once
// for each of the 37 x 100 team slots of the player pages.
int32_t Get_Encyclopedia_Progress_Range();
// Every page the export writes, in the order written.
std::vector<ENCYCLOPEDIA_PAGE> List_Encyclopedia_Pages();
// 1 when the index or any page the export would write exists already.
int32_t Encyclopedia_Pages_Exist();
// The page's file under Export_Folder; empty for a page the encyclopedia
// does not hold (a template it does not know, a team or player not in use).
std::string Make_Encyclopedia_Page_Path(const char* template_name, const TAG_PARAMETERS& page, int32_t count);
// Where a path of the export, in the game's text, lies on disk: the folder
// the user chose (Export_Folder) as the path resolver finds it, and below it
// the export's own names exactly, spelled in UTF-8 as the pages' links give
// them, so that a page or folder of an earlier export whose name differs
// only in case is not taken for it. Any other path is resolved whole.
std::string Get_Export_Disk_Path(const std::string& path);
// Creates Export_Folder with its missing parents and the eight sub-folders;
// 1 when they all exist afterwards, else 0 with the first folder that could
// not be made in `failed`.
int32_t Make_Encyclopedia_Folders(std::string* failed = nullptr);
// Copies the style sheets (with the page script) into "Images" and the
// installation's logos into "Logos", replacing older copies.
void Copy_Encyclopedia_Support_Files();
