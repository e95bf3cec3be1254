#include "tools/image_downloads.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"

// No installation image folders are read yet, so there is nothing to copy.
void Copy_All_Player_Photos() {}

void Copy_All_Team_Logos() {}

int32_t Get_Player_Photo_Path(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    char id[FORMATTED_TEXT_SIZE] = "";
    Get_Player_External_ID(team, slot, id);
    if (id[0] == '\0') return 0;
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "Photos/Downloads/%s.jpg", id);
    return 1;
}

int32_t Get_Downloaded_Logo_Path(int32_t team, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    if (!Is_Team_Record_Slot(team)) return 0;
    char key[TEAM_STRING_LENGTH] = "";
    Get_Team_String(key, team, 0);
    safe_sprintf(out, IMAGE_DOWNLOAD_PATH_SIZE, "Logos/Downloads/%s-%d.png", key,
                 std::min(Get_Current_Year(), LAST_LOGO_YEAR));
    FILE* file = std::fopen(Resolve_File_Path(out).c_str(), "rb");
    if (file == nullptr) return 0;
    std::fclose(file);
    return 1;
}
