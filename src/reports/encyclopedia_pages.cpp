#include "reports/encyclopedia_pages.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/drawing_primitives.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "platform/string_warnings.h"
#include "platform/text_encoding.h"
#include "reports/html_text.h"

namespace {
std::string Full_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    return name;
}
} // namespace

bool Is_Encyclopedia_Team(int32_t team) {
    return team >= 0 && team < MAX_FRANCHISES && Is_Active_Team(team);
}

bool Is_Encyclopedia_Player(int32_t team, int32_t slot) {
    if (team != FREE_AGENT_TEAM && !Is_Encyclopedia_Team(team)) return false;
    return Is_Player_Slot_Used(team, slot) != 0;
}

int32_t Count_Encyclopedia_Games() {
    return std::clamp(Get_User_Preference(CURRENT_GAME_NUMBER) + 1, 0, MAX_GAME_RECORDS);
}

bool Is_Encyclopedia_Game(int32_t game) {
    return game >= 0 && game < Count_Encyclopedia_Games();
}

bool Is_Encyclopedia_League(int32_t league) {
    return league == BOTH_LEAGUES || (league >= 0 && league < Count_Leagues());
}

int32_t Get_Encyclopedia_Year(int32_t seasons_back) {
    return Get_Universe_Stat(BASE_YEAR) + Get_User_Preference(CURRENT_SEASON_INDEX) - seasons_back;
}

int32_t Count_Encyclopedia_Weeks() {
    return std::clamp(Get_User_Preference(CURRENT_WEEK), 0, static_cast<int32_t>(NUMBER_OF_SCHEDULE_WEEKS));
}

std::string Get_Team_File_Stem(int32_t team) {
    if (!Is_Encyclopedia_Team(team)) return "";
    // The names are told apart as they become files: two names that differ
    // only in a character a file name cannot hold make one safe name, and the
    // later team takes its slot number after it (again, should that name be
    // taken too).
    std::vector<std::string> taken;
    std::string stem;
    for (int32_t member = 0; member <= team; ++member) {
        if (!Is_Encyclopedia_Team(member)) continue;
        stem = Make_Safe_File_Name(Full_Name(member).c_str());
        while (std::find(taken.begin(), taken.end(), stem) != taken.end()) {
            stem += ' ';
            stem += std::to_string(member + 1);
        }
        taken.push_back(stem);
    }
    return stem;
}

std::string Get_Team_Page_Name(int32_t team) {
    const std::string stem = Get_Team_File_Stem(team);
    return stem.empty() ? "" : Make_Safe_File_Name(stem.c_str()) + ".htm";
}

std::string Get_Team_Index_Page_Name(int32_t team) {
    const std::string stem = Get_Team_File_Stem(team);
    return stem.empty() ? "" : Make_Safe_File_Name((stem + " index").c_str()) + ".htm";
}

std::string Get_Team_Detail_Page_Name(int32_t team) {
    const std::string stem = Get_Team_File_Stem(team);
    if (stem.empty()) return "";
    return Make_Safe_File_Name((stem + " " + std::to_string(Get_Encyclopedia_Year(0))).c_str()) + ".htm";
}

std::string Get_Player_Page_Name(int32_t team, int32_t slot) {
    if (!Is_Encyclopedia_Player(team, slot)) return "";
    char name[PLAYER_NAME_TEXT_SIZE + 16] = "";
    Get_Player_Last_First_Name(team, slot, name);
    const std::string page = std::string(name) + " " + std::to_string(Get_Player_ID(team, slot));
    return Make_Safe_File_Name(page.c_str()) + ".htm";
}

std::string Get_Game_Page_Name(int32_t game) {
    if (!Is_Encyclopedia_Game(game)) return "";
    char name[32];
    std::snprintf(name, sizeof name, "G-%02d-%03d.htm", Get_Encyclopedia_Year(0) % 100, game);
    return name;
}

std::string Get_Encyclopedia_Logo_Path(int32_t team) {
    char logo[LOGO_PATH_SIZE] = "";
    Get_Team_Logo_Path(logo, team);
    // The installation's own spelling of the file, which the copy keeps, as
    // the game's text.
    const std::string resolved = Text_From_File_Name(Resolve_File_Path(logo));
    const size_t slash = resolved.find_last_of('/');
    return "Logos/" + (slash == std::string::npos ? resolved : resolved.substr(slash + 1));
}

std::string Get_Leaders_League_Name(int32_t league) {
    if (league == BOTH_LEAGUES) return "NFL";
    char name[FORMATTED_TEXT_SIZE] = "";
    if (league >= 0 && league < NUMBER_OF_LEAGUES) Get_League_Name(league, name);
    // A league without a name still needs pages apart from the other's.
    if (name[0] == '\0') return "League " + std::to_string(league + 1);
    return name;
}

std::string Get_Leaders_Page_Name(int32_t league, int32_t seasons_back) {
    if (!Is_Encyclopedia_League(league)) return "";
    std::string name = Get_Leaders_League_Name(league) + " Leaders";
    STRING_PREPEND_WARNING_OFF
    if (seasons_back == -2)
        name += " By Season";
    else if (seasons_back >= 0)
        name += " " + std::to_string(Get_Encyclopedia_Year(seasons_back));
    else if (seasons_back != -1)
        return "";
    STRING_PREPEND_WARNING_ON
    return Make_Safe_File_Name(name.c_str()) + ".htm";
}
