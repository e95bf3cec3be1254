// The developer tools: batch operations over the season databases and the
// league that serve in preparing the installation's data. The game never
// reaches them; this program runs one by name in an installation folder.
//
//   korva_devtools <tool> [--folder F] [--league FILE] [--save FILE] [--year Y]
//
// Tools that work on one league load FILE first ("Databases/Universe-2019.dat"
// unless given) and, with --save, save it afterwards. The messages the tool
// shows are printed.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "database/saved_game.h"
#include "platform/message_box.h"
#include "tools/developer_tools.h"
#include "tools/web_import.h"

namespace {
struct TOOL {
    const char* Name;
    bool Needs_League;
    void (*Run)();
    const char* Help;
};

int32_t tool_year = 0;

const TOOL TOOLS[] = {
    {"export-replay-ratings", false, [] { Export_Replay_Mode_Player_Ratings(); },
     "the replay ratings of 1951-2021 from the season databases"},
    {"export-season-ratings", false, [] { Export_Every_Season_Player_Ratings(); },
     "the ratings of every season database 1951-2022"},
    {"rebuild-databases", false, [] { Rebuild_Season_Databases(); },
     "return and production ratings of the databases 1951-2021, saved again"},
    {"fractions", false, [] { Write_Fractions_Table(); }, "Fractions.txt"},
    {"long-play-names", true, [] { Find_Long_Play_Names(); }, "TooLong.txt"},
    {"payroll-analysis", true, [] { Write_Payroll_Analysis(); }, "Gridiron-Salaries.csv"},
    {"adjust-ratings", true, Adjust_Return_And_Production_Ratings, "return and production ratings"},
    {"estimate-starts", true, Estimate_Games_Started, "games started of season lines without them"},
    {"replace-names", true, Replace_Player_Names, "new names from the name files"},
    {"position-averages", true, Set_Predicted_Position_Averages,
     "predicted figures of linemen and defenders"},
    {"lineman-stats", true, Estimate_Lineman_Predicted_Stats, "predicted figures of the linemen"},
    {"duplicate-names", true, [] { Check_Duplicate_Player_Names(); },
     "players of the same name, to debug.txt"},
    {"import-pages", true, Download_All_Data, "the saved pages under Input/Downloads, every season"},
    {"import-season", true, [] { Download_Season_Data(tool_year); }, "the saved pages of --year"},
};

int Usage() {
    std::fprintf(stderr,
                 "usage: korva_devtools <tool> [--folder F] [--league FILE] [--save FILE] [--year Y]\n");
    for (const TOOL& tool : TOOLS)
        std::fprintf(stderr, "  %-22s %s\n", tool.Name, tool.Help);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const TOOL* chosen = nullptr;
    for (const TOOL& tool : TOOLS)
        if (std::strcmp(argv[1], tool.Name) == 0) chosen = &tool;
    if (chosen == nullptr) return Usage();
    std::string league = DEFAULT_DATABASE_NAME;
    std::string save;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
            if (chdir(argv[++i]) != 0) {
                std::fprintf(stderr, "korva_devtools: no folder %s\n", argv[i]);
                return 1;
            }
        } else if (std::strcmp(argv[i], "--league") == 0 && i + 1 < argc) {
            league = argv[++i];
        } else if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
            save = argv[++i];
        } else if (std::strcmp(argv[i], "--year") == 0 && i + 1 < argc) {
            tool_year = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    int result = 0;
    if (chosen->Needs_League && Load_Game(league.c_str()) != 1) {
        result = 1;
    } else {
        chosen->Run();
        if (!save.empty() && Save_Game(save.c_str(), nullptr) != SAVE_OK) result = 1;
    }
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        std::printf("%s: %s\n", message.Caption.c_str(), message.Text.c_str());
    return result;
}
