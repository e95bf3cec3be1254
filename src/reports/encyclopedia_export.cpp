#include "reports/encyclopedia_export.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/main_menu.h"
#include "app/progress_window.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "platform/dialogs.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/text_encoding.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "views/timeline_strip.h"

char Export_Folder[EXPORT_FOLDER_SIZE] = "";
char Chosen_Style_Sheet[EXPORT_FOLDER_SIZE] = "";

namespace {
const char* const SUB_FOLDERS[] = {"teams",       "players", "leagueleaders", "SeasonDetail",
                                   "TeamsDetail", "Images",  "SortedPlayers", "GameDetails"};
const char* const POSITION_PAGES[][2] = {
    {"0", "qbindex.htm"},    {"1", "rbindex.htm"},    {"4", "wrindex.htm"},
    {"3", "teindex.htm"},    {"17", "OLindex.htm"},   {"16", "DLindex.htm"},
    {"13", "kickindex.htm"}, {"14", "puntindex.htm"}, {"2", "fbindex.htm"}};
constexpr int32_t EXPORTED_POSITION_PAGES = 8;
constexpr int32_t MOST_SEASONS = 100;
constexpr int32_t PLAYER_PAGE_TEAMS = FREE_AGENT_TEAM + 1;

ENCYCLOPEDIA_EXPORT_RESULT Last_Result{};

ENCYCLOPEDIA_PAGE Page(const char* name, std::initializer_list<std::pair<int32_t, int32_t>> parameters,
                       int32_t steps = 1) {
    ENCYCLOPEDIA_PAGE page{name, {}, 0, steps};
    for (const auto& [key, value] : parameters) {
        page.Parameters.Keys[page.Count] = key;
        page.Parameters.Values[page.Count] = value;
        ++page.Count;
    }
    return page;
}

int32_t Page_Parameter(const TAG_PARAMETERS& page, int32_t count, int32_t key) {
    TAG_PARAMETERS used{};
    for (int32_t i = 0; i < count && i < TAG_PARAMETER_SLOTS; ++i) {
        used.Keys[i] = page.Keys[i];
        used.Values[i] = page.Values[i];
    }
    return Get_Tag_Parameter(used, key);
}

bool Is_Folder(const std::string& path) {
    struct stat info;
    return stat(Get_Export_Disk_Path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Make_Folder(const std::string& path) {
    if (path.empty()) return true;
    mkdir(Get_Export_Disk_Path(path).c_str(), 0777);
    return Is_Folder(path);
}

// Copies every file of the installation folder into the export folder,
// replacing a copy there (made writable first).
void Copy_Folder_Files(const char* installation_folder, const std::string& destination) {
    const std::string source = installation_folder;
    for (const std::string& name : Find_Files(Resolve_File_Path(installation_folder), "*")) {
        const std::filesystem::path to = Get_Export_Disk_Path(destination + "/" + name);
        std::error_code error;
        if (std::filesystem::exists(to, error))
            std::filesystem::permissions(
                to, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                std::filesystem::perm_options::add, error);
        std::filesystem::copy_file(Resolve_File_Path((source + "/" + name).c_str()), to,
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
}

void Restore_Main_Window() {
    Set_Timeline_Enabled(1);
    Enable_Main_Menu(1);
    Redraw_Main_Window();
}
} // namespace

int32_t Get_Encyclopedia_Progress_Range() {
    const int32_t seasons = std::min(Get_User_Preference(CURRENT_SEASON_INDEX) + 1, MOST_SEASONS);
    const int32_t leagues = Count_Leagues();
    return 3 * Count_Active_Teams() + 3736 + (leagues + 2) * seasons + Count_Encyclopedia_Games() + leagues +
           Get_User_Preference(CURRENT_WEEK) + 1;
}

const ENCYCLOPEDIA_EXPORT_RESULT& Get_Last_Export_Result() {
    return Last_Result;
}

std::vector<ENCYCLOPEDIA_PAGE> List_Encyclopedia_Pages() {
    std::vector<ENCYCLOPEDIA_PAGE> pages;
    const int32_t seasons = std::min(Get_User_Preference(CURRENT_SEASON_INDEX) + 1, MOST_SEASONS);
    const int32_t weeks = Count_Encyclopedia_Weeks();
    const int32_t teams = Count_Active_Teams();
    pages.push_back(Page("index.template", {}));
    for (int32_t s = 0; s < seasons; ++s)
        pages.push_back(Page("SeasonSummary.template", {{KEY_SEASON, s}}));
    for (int32_t w = 0; w < weeks; ++w)
        pages.push_back(Page("SeasonDetail.template", {{KEY_WEEK, w}}));
    for (int32_t t = 0; t < teams; ++t)
        pages.push_back(Page("TeamSummary.template", {{KEY_TEAM, t}}));
    for (int32_t t = 0; t < teams; ++t)
        pages.push_back(Page("TeamDetail.template", {{KEY_TEAM, t}, {KEY_SEASON, 0}}));
    // A player page for every used slot; the slots without a player step the
    // progress with the page before them (or the first page after).
    int32_t idle_steps = 0;
    for (int32_t t = 0; t < PLAYER_PAGE_TEAMS; ++t)
        for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Encyclopedia_Player(t, s)) {
                if (pages.back().Template == std::string("PlayerDetail.template"))
                    ++pages.back().Steps;
                else
                    ++idle_steps;
                continue;
            }
            pages.push_back(Page("PlayerDetail.template", {{KEY_TEAM, t}, {KEY_PLAYER, s}}, 1 + idle_steps));
            idle_steps = 0;
        }
    std::vector<int32_t> leagues;
    for (int32_t l = 0; l < Count_Leagues(); ++l)
        leagues.push_back(l);
    leagues.push_back(BOTH_LEAGUES);
    for (const int32_t l : leagues) {
        pages.push_back(Page("LeadersSummary.template", {{KEY_LEAGUE, l}, {KEY_SEASON, -2}}, 1 + idle_steps));
        idle_steps = 0;
        pages.push_back(Page("LeadersSummary.template", {{KEY_LEAGUE, l}, {KEY_SEASON, -1}}));
    }
    for (const int32_t l : leagues)
        for (int32_t s = 0; s < seasons; ++s)
            pages.push_back(Page("LeadersDetail.template", {{KEY_LEAGUE, l}, {KEY_SEASON, s}}));
    pages.push_back(Page("PlayerSummary.template", {}));
    for (int32_t n = 0; n < EXPORTED_POSITION_PAGES; ++n)
        pages.push_back(Page("FilterPlayersPos.template", {{KEY_POS, std::atoi(POSITION_PAGES[n][0])}}));
    for (int32_t t = 0; t < teams; ++t)
        pages.push_back(Page("FilterPlayersTeam.template", {{KEY_TEAM, t}}));
    for (int32_t c = 'A'; c <= 'Z'; ++c)
        pages.push_back(Page("FilterPlayersName.template", {{KEY_TYPE, c}}));
    const int32_t games = Count_Encyclopedia_Games();
    for (int32_t g = 0; g < games; ++g)
        pages.push_back(Page("GameExport.template", {{KEY_GAME, g}}));
    return pages;
}

std::string Make_Encyclopedia_Page_Path(const char* template_name, const TAG_PARAMETERS& page,
                                        int32_t count) {
    if (template_name == nullptr) return "";
    const std::string name = template_name;
    const auto P = [&page, count](int32_t key) { return Page_Parameter(page, count, key); };
    std::string relative;
    if (name == "index.template") {
        relative = "index.htm";
    } else if (name == "SeasonSummary.template") {
        const int32_t s = P(KEY_SEASON);
        relative = s == 0 ? "Season summary.htm"
                          : "Season summary " + std::to_string(Get_Encyclopedia_Year(s)) + ".htm";
    } else if (name == "SeasonDetail.template") {
        const int32_t w = P(KEY_WEEK);
        if (w == Count_Encyclopedia_Weeks() - 1)
            relative = "SeasonDetail/Season details.htm";
        else
            relative = "SeasonDetail/Season details week" + std::to_string(w + 1) + ".htm";
    } else if (name == "TeamSummary.template") {
        const std::string file = Get_Team_Page_Name(P(KEY_TEAM));
        if (!file.empty()) relative = "teams/" + file;
    } else if (name == "TeamDetail.template") {
        const std::string file = Get_Team_Detail_Page_Name(P(KEY_TEAM));
        if (!file.empty()) relative = "TeamsDetail/" + file;
    } else if (name == "PlayerDetail.template") {
        const std::string file = Get_Player_Page_Name(P(KEY_TEAM), P(KEY_PLAYER));
        if (!file.empty()) relative = "players/" + file;
    } else if (name == "LeadersSummary.template") {
        relative = Get_Leaders_Page_Name(P(KEY_LEAGUE), P(KEY_SEASON) == -1 ? -1 : -2);
    } else if (name == "LeadersDetail.template") {
        const int32_t s = P(KEY_SEASON);
        const std::string file = s >= 0 ? Get_Leaders_Page_Name(P(KEY_LEAGUE), s) : "";
        if (!file.empty()) relative = "leagueleaders/" + file;
    } else if (name == "PlayerSummary.template") {
        relative = "Player Summary.htm";
    } else if (name == "FilterPlayersPos.template") {
        const std::string position = std::to_string(P(KEY_POS));
        for (const auto& entry : POSITION_PAGES)
            if (position == entry[0]) relative = std::string("SortedPlayers/") + entry[1];
    } else if (name == "FilterPlayersTeam.template") {
        const std::string file = Get_Team_Index_Page_Name(P(KEY_TEAM));
        if (!file.empty()) relative = "SortedPlayers/" + file;
    } else if (name == "FilterPlayersName.template") {
        const int32_t c = P(KEY_TYPE);
        if (c >= 'A' && c <= 'Z')
            relative = std::string("SortedPlayers/") + static_cast<char>(c) + "index.htm";
    } else if (name == "GameExport.template") {
        const std::string file = Get_Game_Page_Name(P(KEY_GAME));
        if (!file.empty()) relative = "GameDetails/" + file;
    }
    if (relative.empty()) return "";
    return std::string(Export_Folder) + "/" + relative;
}

std::string Get_Export_Disk_Path(const std::string& path) {
    const size_t root = std::strlen(Export_Folder);
    if (path.compare(0, root, Export_Folder) != 0 || (path.size() > root && path[root] != '/'))
        return Resolve_File_Path(path.c_str());
    return Resolve_File_Path(Export_Folder) + File_Name_From_Text(path.substr(root));
}

int32_t Encyclopedia_Pages_Exist() {
    for (const ENCYCLOPEDIA_PAGE& page : List_Encyclopedia_Pages()) {
        const std::string path = Make_Encyclopedia_Page_Path(page.Template, page.Parameters, page.Count);
        struct stat info;
        if (!path.empty() && stat(Get_Export_Disk_Path(path).c_str(), &info) == 0) return 1;
    }
    return 0;
}

int32_t Make_Encyclopedia_Folders(std::string* failed) {
    const std::string root = Export_Folder;
    for (size_t n = 1; n < root.size(); ++n)
        if (root[n] == '/' || root[n] == '\\') Make_Folder(root.substr(0, n));
    std::vector<std::string> folders = {root};
    for (const char* sub : SUB_FOLDERS)
        folders.push_back(root + "/" + sub);
    for (const std::string& folder : folders)
        if (!Make_Folder(folder)) {
            if (failed != nullptr) *failed = folder;
            return 0;
        }
    return 1;
}

void Copy_Encyclopedia_Support_Files() {
    const std::string root = Export_Folder;
    Copy_Folder_Files("HTML_Templates/CSS", root + "/Images");
    Make_Folder(root + "/Logos");
    Copy_Folder_Files("logos", root + "/Logos");
}

int32_t Export_HTML_Encyclopedia(WINDOW_HANDLE dialog, const char* style_sheet) {
    safe_strncpy(Export_Folder, Export_Folder_Choice, sizeof Export_Folder);
    safe_strncpy(Chosen_Style_Sheet, style_sheet != nullptr ? style_sheet : "", sizeof Chosen_Style_Sheet);
    Last_Result = {};
    if (Encyclopedia_Pages_Exist() &&
        Show_Message_Box("This will overwrite any existing HTML Encyclopedia files", "Caution",
                         BOX_OK_CANCEL | BOX_TASK_MODAL) == ID_BOX_CANCEL)
        return 0;
    if (dialog != NO_WINDOW) End_Dialog(dialog, 1);
    Set_Timeline_Enabled(0);
    Enable_Main_Menu(0);
    Redraw_Main_Window();

    const std::vector<ENCYCLOPEDIA_PAGE> pages = List_Encyclopedia_Pages();
    const bool opened = Open_Progress_Window("Exporting universe...", Get_Encyclopedia_Progress_Range()) != 0;
    std::string failed_folder;
    if (!Make_Encyclopedia_Folders(&failed_folder)) {
        if (opened) Close_Progress_Window();
        Restore_Main_Window();
        Last_Result.Folder_Failed = true;
        Show_Formatted_Message(
            "HTML Encyclopedia",
            "The folder \"%s\" could not be made, so the HTML Encyclopedia was not exported.",
            failed_folder.c_str());
        return 0;
    }
    Copy_Encyclopedia_Support_Files();
    std::string large_template;
    for (const ENCYCLOPEDIA_PAGE& page : pages) {
        const int32_t written = Write_Template_Page(page.Template, page.Parameters, page.Count);
        if (written == TEMPLATE_PAGE_WRITTEN) {
            ++Last_Result.Pages_Written;
        } else {
            ++Last_Result.Pages_Failed;
        }
        if (written == TEMPLATE_TOO_LARGE) {
            ++Last_Result.Pages_Of_Large_Templates;
            if (large_template.empty()) large_template = page.Template;
        }
        if (opened) Step_Progress(page.Steps);
        Pump_Messages();
        if (Is_Quit_Requested()) {
            Last_Result.Stopped_By_Quit = true;
            break;
        }
    }
    if (opened) Close_Progress_Window();
    Restore_Main_Window();
    if (Last_Result.Pages_Failed > 0 && !Last_Result.Stopped_By_Quit) {
        // A template too large to read fails every page made from it: said
        // once, with the count.
        std::string large;
        if (Last_Result.Pages_Of_Large_Templates > 0)
            large = "\n\n" + std::to_string(Last_Result.Pages_Of_Large_Templates) +
                    " of them come from templates larger than the " + std::to_string(TEMPLATE_FILE_LIMIT) +
                    " bytes a template may hold, such as \"HTML_Templates/" + large_template + "\".";
        Show_Formatted_Message("HTML Encyclopedia",
                               "%d of the %d pages of the HTML Encyclopedia in \"%s\" could "
                               "not be written.%s",
                               Last_Result.Pages_Failed, Last_Result.Pages_Failed + Last_Result.Pages_Written,
                               Export_Folder, large.c_str());
    }
    return 1;
}
