#include "personnel/draft_report.h"

#include <cctype>
#include <cstdio>

#include "database/league_structure.h"
#include "database/number_words.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_files.h"

namespace {
constexpr int32_t NICKNAME_STRING = 2;

void Capitalise(char* text) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}
} // namespace

void Get_College_Draft_Report_Name(char* buffer, int32_t size) {
    snprintf(buffer, static_cast<size_t>(size), "Output\\College-Draft-%d.txt", Get_Current_Year());
}

void Start_College_Draft_Report() {
    char name[FORMATTED_TEXT_SIZE];
    Get_College_Draft_Report_Name(name, sizeof name);
    Create_File_Folder(name);
    Delete_File(name);
    Append_Line_To_File(name, "");
    Append_Formatted_Line_To_File(name, "               %d COLLEGE DRAFT", Get_Current_Year());
    Write_Draft_Round_Header(0);
}

void Write_Draft_Round_Header(int32_t round) {
    char name[FORMATTED_TEXT_SIZE];
    Get_College_Draft_Report_Name(name, sizeof name);
    char ordinal[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Words(round + 1, ordinal);
    Capitalise(ordinal);
    Append_Line_To_File(name, "");
    Append_Formatted_Line_To_File(name, "================= %s ROUND =================", ordinal);
}

void Write_Draft_Pick_Report_Line(int32_t drafting_team, int32_t pool_team, int32_t pool_slot) {
    char nickname[TEAM_STRING_LENGTH + 1] = "";
    if (drafting_team >= 0 && drafting_team <= HALL_OF_FAME_TEAM) {
        Get_Team_String(nickname, drafting_team, NICKNAME_STRING);
        if (Is_Human_Team(drafting_team)) Capitalise(nickname);
    }
    char player[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(pool_team, pool_slot, player);
    char name[FORMATTED_TEXT_SIZE];
    Get_College_Draft_Report_Name(name, sizeof name);
    Append_Formatted_Line_To_File(
        name, " %-15s %-25s (%s)", nickname, player,
        Get_Position_Short_Name(Get_Player_Vital_Stat(pool_team, pool_slot, VITAL_POSITION)));
}
