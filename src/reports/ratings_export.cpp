#include "reports/ratings_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "dialogs/player_list_dialog.h"
#include "platform/message_box.h"
#include "platform/string_warnings.h"

namespace {
constexpr int32_t FIRST_EXPORTED_RATING = RATING_ACCURACY;
constexpr int32_t LAST_EXPORTED_RATING = RATING_PUNT_DISTANCE;
constexpr int32_t LAST_EXPORTED_TEAM = FREE_AGENT_TEAM;
constexpr const char* RATINGS_HEADING =
    "PlayerID,%d_Team,First,Last,Position,Depth,Accuracy,Distance,Control,Red Zone,Mobility,Speed,Power,"
    "Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,Discipline,Run "
    "Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt Accuracy,Punt Power,Durability";

// A first name the league's source data keeps without its last letter.
const char* const CUT_FIRST_NAMES[] = {"Matthe"};

// A field of the line: a comma or a line end in it would move the columns.
std::string Field(const char* text) {
    std::string field = text != nullptr ? text : "";
    for (char& c : field)
        if (c == ',' || c == '\n' || c == '\r' || c == '"') c = ' ';
    return field;
}

// A rating as a whole number, the fraction cut off (a damaged value stays in range).
int32_t Whole_Rating(float value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int32_t>(std::clamp(value, -9999.0f, 9999.0f));
}

bool Is_Game_Start() {
    return Get_User_Preference(CURRENT_SEASON_INDEX) == 0 && Get_User_Preference(CURRENT_WEEK) == 0;
}

std::string Position_Long_Name(int32_t position) {
    char name[FORMATTED_TEXT_SIZE] = "<Error>";
    if (position >= 0 && position < NUMBER_OF_POSITIONS) Get_Position_Name(position, name);
    return name;
}
} // namespace

std::string Get_Player_Ratings_Path(int32_t year) {
    return "Output/Ratings/" + std::to_string(year) + "_Player_Ratings.csv";
}

std::string Format_Player_Ratings_Row(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return "";
    char id[FORMATTED_TEXT_SIZE] = "", first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
    char abbreviation[FORMATTED_TEXT_SIZE] = "", depth[FORMATTED_TEXT_SIZE] = "";
    Get_Player_External_ID(team, slot, id);
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    for (const char* cut : CUT_FIRST_NAMES)
        if (std::strcmp(first, cut) == 0) safe_strncat(first, "w", sizeof first);
    Get_Team_String(abbreviation, team, 0);
    Get_Depth_Slot_Abbreviation(Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION), depth);
    std::string line = Field(id) + "," + Field(abbreviation) + "," + Field(first) + "," + Field(last) + "," +
                       Field(Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION))) +
                       "," + Field(depth);
    STRING_PREPEND_WARNING_OFF
    for (int32_t rating = FIRST_EXPORTED_RATING; rating <= LAST_EXPORTED_RATING; ++rating)
        line += "," + std::to_string(Whole_Rating(Get_Player_Rating(team, slot, rating)));
    line += "," + std::to_string(Whole_Rating(Get_Player_Rating(team, slot, RATING_DURABILITY)));
    STRING_PREPEND_WARNING_ON
    return line;
}

bool Write_Player_Ratings_Row(const char* path, int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return false;
    if (Is_Game_Start()) {
        char id[FORMATTED_TEXT_SIZE] = "";
        Get_Player_External_ID(team, slot, id);
        if (id[0] == '\0') return false;
    }
    return Append_Line_To_File(path, Format_Player_Ratings_Row(team, slot).c_str()) == 1;
}

int32_t Append_Player_Ratings_Rows(const char* path, int32_t position) {
    int32_t written = 0;
    for (int32_t team = 0; team <= LAST_EXPORTED_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            if (position != RATINGS_ALL_POSITIONS &&
                Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position)
                continue;
            if (Write_Player_Ratings_Row(path, team, slot)) ++written;
        }
    }
    return written;
}

int32_t Export_Player_Ratings_CSV(int32_t position, int32_t year) {
    const std::string path = Get_Player_Ratings_Path(year);
    Create_File_Folder(path.c_str());
    Delete_File(path.c_str());
    if (Append_Formatted_Line_To_File(path.c_str(), RATINGS_HEADING, year) != 1) {
        Show_Formatted_Message("Export Player Ratings", "Unable to write \"%s\".", path.c_str());
        return 0;
    }
    return Append_Player_Ratings_Rows(path.c_str(), position);
}

void Export_Player_Ratings_Command() {
    const int32_t year = Get_Current_Year();
    const std::string path = Get_Player_Ratings_Path(year);
    int32_t position = Get_User_Preference(PLAYER_LIST_POSITION_SETTING);
    if (position != RATINGS_ALL_POSITIONS) {
        int32_t count = 0;
        for (int32_t team = 0; team <= LAST_EXPORTED_TEAM; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(team, slot) &&
                    Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == position)
                    ++count;
        const std::string name = Position_Long_Name(position);
        char text[TEXT_BUFFER_SIZE], first[FORMATTED_TEXT_SIZE];
        safe_sprintf(
            text, sizeof text,
            "This will export %d %ss to \"%s\"\n\n(Use the Sortable Stats Dialog to change the position "
            "selected.",
            count, name.c_str(), path.c_str());
        safe_sprintf(first, sizeof first, "Export %ss", name.c_str());
        const int answer =
            User_Message_Dialog("Export Player Ratings", text, first, "Export All Players", "Cancel");
        if (answer == ID_BOX_CANCEL) return;
        if (answer == ID_BOX_NO) position = RATINGS_ALL_POSITIONS;
    }
    const int32_t written = Export_Player_Ratings_CSV(position, year);
    const std::string name =
        position == RATINGS_ALL_POSITIONS ? std::string("Player") : Position_Long_Name(position);
    Show_Formatted_Message("Export Player Ratings", "%d %ss Written to \"%s\"", written, name.c_str(),
                           path.c_str());
}
