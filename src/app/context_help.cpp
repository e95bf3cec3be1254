#include "app/context_help.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/diagnostics.h"
#include "app/message_box_dialog.h"
#include "database/path_resolver.h"
#include "dialogs/player_list_kind.h"
#include "platform/backend.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "reports/shell_open.h"

namespace {
struct HELP_TOPIC {
    int32_t Id;
    const char* Topic;
};

const HELP_TOPIC HELP_TOPICS[] = {
    {0, "contents"},       {1010, "gamemode"},    {104, "simulator"},     {105, "newgame"},
    {111, "trades"},       {116, "expenses"},     {118, "resumegame"},    {119, "offense"},
    {120, "savegame"},     {127, "scouting"},     {128, "defense"},       {130, "freeagents"},
    {133, "concessions"},  {135, "tickets"},      {136, "broadcast"},     {137, "changeposition"},
    {139, "halloffame"},   {140, "findplayers"},  {146, "stadiumeditor"}, {147, "options"},
    {150, "editplayer"},   {155, "printing"},     {159, "leagueeditor"},  {160, "cityeditor"},
    {162, "specialteams"}, {165, "fantasyDraft"}, {169, "draftorder"},    {170, "collegedraft"},
    {172, "editcolumns"},  {173, "tradingblock"}, {174, "history"},       {175, "advanced"},
    {185, "playdesigner"}, {195, "saveplaybook"}, {196, "loadplaybook"},  {200, "editratings"},
    {40030, "standings"},  {40032, "leaders"},    {40034, "finances"},    {40036, "calendar"},
    {40069, "playoffs"},   {40070, "draft"},      {40086, "games"},       {40037, "object"},
    {40074, "object"},
};

// Longest current folder the help path is built from.
constexpr size_t CURRENT_FOLDER_LIMIT = 260;

// The current folder, or "" after reporting on standard output why not.
std::string Current_Folder_For_Help() {
    char folder[CURRENT_FOLDER_LIMIT];
    if (getcwd(folder, sizeof folder) != nullptr) return folder;
    if (errno == ERANGE) {
        char* whole = getcwd(nullptr, 0);
        const size_t needed = whole != nullptr ? std::string(whole).size() + 1 : CURRENT_FOLDER_LIMIT + 1;
        std::free(whole);
        std::printf("GetCurrentDirectory failed (buffer too small;  need %d chars)\n",
                    static_cast<int>(needed));
    } else {
        std::printf("GetCurrentDirectory failed (%d)\n", errno);
    }
    return std::string();
}
} // namespace

const char* Get_Context_Help_Topic(int32_t id) {
    if (id == 114) {
        if (Player_List_Kind == PLAYER_LIST_FREE_AGENTS) return "freeagents";
        if (Player_List_Kind == PLAYER_LIST_COLLEGE_DRAFT) return "collegedraft";
        return "roster";
    }
    for (const HELP_TOPIC& topic : HELP_TOPICS)
        if (topic.Id == id) return topic.Topic;
    return "playing";
}

std::string Get_Help_Page_Path(const char* topic) {
    const std::string folder = Current_Folder_For_Help();
    if (folder.empty() || topic == nullptr) return std::string();
    char name[128];
    std::snprintf(name, sizeof name, "Help\\%s.htm", topic);
    // The folder's case as installed, as the game's text.
    return Text_From_File_Name(folder + "/" + Resolve_File_Path(name));
}

void Open_Help_Topic(const char* topic, bool asked) {
    const std::string page = Get_Help_Page_Path(topic);
    if (page.empty()) return;
    // A page that is not installed is not handed to the desktop, but the user
    // who asked for it hears where it was looked for.
    std::error_code error;
    if (!std::filesystem::exists(Resolve_File_Path(page.c_str()), error)) {
        if (asked)
            Show_Formatted_Message("Help", "This help page is not installed:\n\n%s", page.c_str());
        else
            Log_Debug_Line("Help page \"%s\" is not installed", page.c_str());
        return;
    }
    if (asked)
        Open_With_Desktop(page.c_str(), nullptr);
    else
        Open_With_Desktop_Unasked(page.c_str(), nullptr);
}

void Open_Context_Help(int32_t id) {
    Open_Help_Topic(Get_Context_Help_Topic(id));
}

int32_t Launch_URL(WINDOW_HANDLE, const char* address) {
    if (address == nullptr) return SHELL_OPEN_FAILED;
    char folder[CURRENT_FOLDER_LIMIT] = "";
    const char* working = getcwd(folder, sizeof folder) != nullptr ? folder : nullptr;
    // A page of the installation is named in the game's text.
    const bool page = address[0] == '/';
    const std::string target = page ? Resolve_File_Path(address) : std::string(address);
    errno = 0;
    const int32_t result = Shell_Open_Target(target.c_str(), working);
    if (result > 32) return result;
    const int error = errno != 0 ? errno : result;
    // Only a page of the installation that is not there is to blame; an
    // address, or a page that is there, the desktop could not open.
    std::error_code missing;
    if (page && !std::filesystem::exists(target, missing))
        Show_Last_Error_Message(error, "Error Launching URL", "Error %d.  Could not access: \"%s\"", result,
                                address);
    else
        Tell_Desktop_Refusal(address, result, error);
    return result;
}
