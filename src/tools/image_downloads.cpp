#include "tools/image_downloads.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "platform/file_search.h"

namespace {
constexpr int32_t TEAM_STRING_NICKNAME = 2;
constexpr int32_t FIRST_SPLIT_YEAR = 1963;
constexpr int32_t TEAMS_PER_LOGO_STEP = 5;
constexpr int32_t MOST_LOGO_STEPS = 5;
constexpr int32_t PHOTO_STEP = 2;
constexpr int32_t MOST_PHOTO_STEPS = 35;
constexpr const char* PHOTO_FOLDER = "Photos/Downloads";
constexpr const char* LOGO_FOLDER = "Logos/Downloads";

const char* const MODERN_NICKNAMES[NUMBER_OF_LOGO_INDEXES] = {
    "Cardinals", "Falcons",  "Ravens",   "Bills",    "Panthers", "Bears",      "Bengals", "Browns",
    "Cowboys",   "Broncos",  "Lions",    "Packers",  "Texans",   "Colts",      "Jaguars", "Chiefs",
    "Raiders",   "Chargers", "Rams",     "Dolphins", "Vikings",  "Patriots",   "Saints",  "Giants",
    "Jets",      "Eagles",   "Steelers", "49ers",    "Seahawks", "Buccaneers", "Titans",  "Football Team"};
const char* const HISTORICAL_NICKNAMES[NUMBER_OF_LOGO_INDEXES] = {
    "Cardinals", "Falcons", "Ravens",   "Bills",   "Panthers", "Bears",      "Bengals", "Browns",
    "Cowboys",   "Broncos", "Lions",    "Packers", "Texans",   "Colts",      "Jaguars", "Chiefs",
    "Chargers",  "Rams",    "Dolphins", "Vikings", "Patriots", "Saints",     "Giants",  "Jets",
    "Raiders",   "Eagles",  "Steelers", "49ers",   "Seahawks", "Buccaneers", "Titans",  "Football Team"};
constexpr int32_t FOOTBALL_TEAM_INDEX = 31;

int32_t Find_In_List(const char* const (&list)[NUMBER_OF_LOGO_INDEXES], const char* nickname) {
    for (int32_t index = 0; index < NUMBER_OF_LOGO_INDEXES; ++index)
        if (strcasecmp(list[index], nickname) == 0) return index;
    return -1;
}

// Team slots 0-37: the franchises, the free agents and the Hall of Fame.
bool Has_Logo_Nickname(int32_t team) {
    return team >= 0 && team < FIRST_COLLEGE_POOL_TEAM;
}

void Get_Nickname(int32_t team, char* nickname) {
    Get_Team_String(nickname, team, TEAM_STRING_NICKNAME);
}

// Team slots whose players are copied: franchises in use and slots 36-40.
bool Is_Team_In_Use(int32_t team) {
    return team >= MAX_FRANCHISES ? Is_Team_Record_Slot(team) : Is_Used_Franchise_Slot(team);
}

int32_t Get_Logo_Index(int32_t team, int32_t logo_year) {
    return logo_year >= FIRST_MODERN_LOGO_YEAR ? Find_Team_Logo_Index(team)
                                               : Find_Historical_Team_Logo_Index(team, logo_year);
}

// The external id when it can only name a file of its own folder.
bool Get_Plain_External_ID(int32_t team, int32_t slot, char* id) {
    id[0] = '\0';
    if (!Is_Player_Slot_Used(team, slot)) return false;
    Get_Player_External_ID(team, slot, id);
    return id[0] != '\0' && Is_Plain_File_Name(id) != 0;
}

// The folder and any missing folders above it; a failure shows in the copies.
void Make_Folder(const char* folder) {
    const std::string inside = std::string(folder) + "/file";
    Create_File_Folder(inside.c_str());
}
} // namespace

int32_t Get_Logo_Year() {
    return Get_Season_Logo_Year(Get_Current_Year());
}

int32_t Get_Season_Logo_Year(int32_t season_year) {
    return std::min(season_year, LAST_LOGO_YEAR);
}

int32_t Find_Logo_Index_Of_Nickname(const char* nickname, int32_t logo_year) {
    if (nickname == nullptr) return -1;
    if (logo_year >= FIRST_MODERN_LOGO_YEAR) {
        const int32_t index = Find_In_List(MODERN_NICKNAMES, nickname);
        if (index >= 0) return index;
        return strcasecmp(nickname, "Commanders") == 0 ? FOOTBALL_TEAM_INDEX : -1;
    }
    // The renamings run one after another on the same name, so before 1963
    // "Oilers" ends as "Jets".
    std::string name = nickname;
    if (strcasecmp(name.c_str(), "Oilers") == 0) name = "Titans";
    if (strcasecmp(name.c_str(), "Redskins") == 0) name = "Football Team";
    if (logo_year < FIRST_SPLIT_YEAR) {
        if (strcasecmp(name.c_str(), "Texans") == 0) name = "Chiefs";
        if (strcasecmp(name.c_str(), "Titans") == 0) name = "Jets";
    }
    return Find_In_List(HISTORICAL_NICKNAMES, name.c_str());
}

int32_t Find_Team_Logo_Index(int32_t team) {
    if (!Has_Logo_Nickname(team)) return -1;
    char nickname[TEAM_STRING_LENGTH];
    Get_Nickname(team, nickname);
    return Find_Logo_Index_Of_Nickname(nickname, LAST_LOGO_YEAR);
}

int32_t Find_Historical_Team_Logo_Index(int32_t team, int32_t logo_year) {
    if (!Has_Logo_Nickname(team)) return -1;
    char nickname[TEAM_STRING_LENGTH];
    Get_Nickname(team, nickname);
    return Find_Logo_Index_Of_Nickname(nickname, std::min(logo_year, FIRST_MODERN_LOGO_YEAR - 1));
}

int32_t Get_Player_Photo_Path(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    char id[FORMATTED_TEXT_SIZE];
    if (!Get_Plain_External_ID(team, slot, id)) return 0;
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "%s/%s.jpg", PHOTO_FOLDER, id);
    return 1;
}

int32_t Get_Player_Photo_Source_Path(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    char id[FORMATTED_TEXT_SIZE];
    if (!Get_Plain_External_ID(team, slot, id)) return 0;
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "Input/Stats/Players/%s.dat", id);
    return 1;
}

int32_t Format_Downloaded_Logo_Path(int32_t team, int32_t season_year, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    if (!Is_Team_Record_Slot(team)) return 0;
    char key[TEAM_STRING_LENGTH] = "";
    Get_Team_String(key, team, 0);
    if (Is_Plain_File_Name(key) == 0) return 0;
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "%s/%s-%d.png", LOGO_FOLDER, key,
                 Get_Season_Logo_Year(season_year));
    return 1;
}

int32_t Get_Downloaded_Logo_Path(int32_t team, char* out) {
    if (Format_Downloaded_Logo_Path(team, Get_Current_Year(), out) == 0) return 0;
    FILE* file = Open_Resolved_File(out, "rb");
    if (file == nullptr) return 0;
    std::fclose(file);
    return 1;
}

int32_t Get_Team_Logo_Source_Path(int32_t team, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    const int32_t year = Get_Logo_Year();
    const int32_t index = Get_Logo_Index(team, year);
    if (index < 0) return 0;
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "Input/Stats/Historical/%d%d.gz", index, year);
    return 1;
}

void Copy_Team_Logo(int32_t team) {
    char source[IMAGE_DOWNLOAD_PATH_SIZE];
    if (Get_Team_Logo_Source_Path(team, source) == 0) return;
    char target[IMAGE_DOWNLOAD_PATH_SIZE];
    Get_Downloaded_Logo_Path(team, target);
    if (target[0] == '\0') return;
    // A missing source or a target already there fails the copy, silently.
    Copy_File_Without_Overwrite(Resolve_File_Path(source), Resolve_File_Path(target));
}

int32_t Copy_Player_Photo(int32_t team, int32_t slot) {
    char source[IMAGE_DOWNLOAD_PATH_SIZE];
    char target[IMAGE_DOWNLOAD_PATH_SIZE];
    if (Get_Player_Photo_Source_Path(team, slot, source) == 0) return 0;
    if (Get_Player_Photo_Path(team, slot, target) == 0) return 0;
    return Copy_File_Without_Overwrite(Resolve_File_Path(source), Resolve_File_Path(target)) ? 1 : 0;
}

void Copy_All_Team_Logos() {
    Make_Folder(LOGO_FOLDER);
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    int32_t steps = 0;
    for (int32_t team = 0; team < teams; ++team) {
        Copy_Team_Logo(team);
        if (team % TEAMS_PER_LOGO_STEP == 0 && steps < MOST_LOGO_STEPS && Is_Progress_Window_Open()) {
            Step_Progress(1);
            ++steps;
        }
    }
}

void Copy_All_Player_Photos() {
    Make_Folder(PHOTO_FOLDER);
    int32_t steps = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (Is_Team_In_Use(team))
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                Copy_Player_Photo(team, slot);
        if (steps < MOST_PHOTO_STEPS && Is_Progress_Window_Open()) {
            Step_Progress(PHOTO_STEP);
            ++steps;
        }
    }
}
