#include "tools/team_records_csv.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "personnel/team_lookup.h"

namespace {
constexpr int32_t LINE_SIZE = 2048;
constexpr int32_t FIELD_SIZE = 128;
constexpr int32_t SHORTEST_LINE = 10;
constexpr int32_t LAST_RECORDS_YEAR = 2021;
// Columns 1-10 are read; the later ones carry nothing the game keeps.
constexpr int32_t READ_COLUMNS = 10;
enum TEAM_RECORD_COLUMN : int32_t {
    COLUMN_YEAR = 1,
    COLUMN_TEAM = 3,
    COLUMN_WINS = 4,
    COLUMN_LOSSES = 5,
    COLUMN_TIES = 6,
    COLUMN_DIVISION_FINISH = 7,
    COLUMN_PLAYOFFS = 8,
    COLUMN_POINTS_FOR = 9,
    COLUMN_POINTS_AGAINST = 10,
};
constexpr int32_t DIVISION_WINNER_CODE = 5;
constexpr int32_t PLAYOFF_TEAM_CODE = 4;
constexpr int32_t NEUTRAL_FINISH = 3;

bool Missing_File_Logged = false;

int32_t Number(const char* text) {
    return static_cast<int32_t>(strtol(text, nullptr, 10));
}

// First place is 5; second to fifth place 3, 2, 1, 0. A place the file does
// not give as a digit 1-5 counts as 0, so a blank or stray text cannot lift a
// team's finish.
int32_t Place_Code(const char* finish) {
    const char place = finish[0];
    if (place == '1') return DIVISION_WINNER_CODE;
    if (place < '2' || place > '5') return 0;
    return '5' - place;
}

int32_t Finish_Code(const char* playoffs, int32_t place) {
    if (strcasecmp(playoffs, "Won SB") == 0) return 8;
    if (strcasecmp(playoffs, "Lost SB") == 0) return 7;
    if (strcasecmp(playoffs, "Lost Conf") == 0) return 6;
    if (strcasecmp(playoffs, "Lost Div") == 0 || strcasecmp(playoffs, "Lost WC") == 0)
        return place > PLAYOFF_TEAM_CODE ? place : PLAYOFF_TEAM_CODE;
    return place;
}
} // namespace

void Read_Team_Record_Line(char* line) {
    if (line == nullptr || strlen(line) < SHORTEST_LINE) return;
    char fields[READ_COLUMNS + 1][FIELD_SIZE] = {};
    for (int32_t column = 1; column <= READ_COLUMNS; ++column)
        if (Get_Next_Field(fields[column], line, ',', FIELD_SIZE)) break;
    const int32_t year = Number(fields[COLUMN_YEAR]);
    if (year != Get_Current_Year() || year > LAST_RECORDS_YEAR) return;
    char* name = fields[COLUMN_TEAM];
    Remove_Character(name, '*');
    Remove_Character(name, '+');
    const int32_t team = Get_Team_From_Name(name);
    if (!Is_Active_Team(team)) {
        Report_System_Error("Unrecognized Team Name in 'Team_Records.csv' for %d season: %s", year, name);
        return;
    }
    const int32_t wins = Number(fields[COLUMN_WINS]);
    const int32_t losses = Number(fields[COLUMN_LOSSES]);
    const int32_t ties = Number(fields[COLUMN_TIES]);
    const int32_t points_for = Number(fields[COLUMN_POINTS_FOR]);
    const int32_t points_against = Number(fields[COLUMN_POINTS_AGAINST]);
    const int32_t finish = Finish_Code(fields[COLUMN_PLAYOFFS], Place_Code(fields[COLUMN_DIVISION_FINISH]));
    int32_t score = ((wins - losses) + 330) * 3 - points_against / 20 + points_for / 20;
    if (finish > NEUTRAL_FINISH) score += (finish - NEUTRAL_FINISH) * 10;
    const int32_t games = wins + losses + ties;
    Set_Team_Stat(team, TEAM_STAT_TEAM_SCORE, score);
    Set_Team_Stat(team, TEAM_STAT_REAL_WINNING_SHARE,
                  games > 0 ? Mul_Div_Round(2 * wins + ties, 500, games) : 0);
    Set_Team_Stat(team, TEAM_STAT_REAL_POINTS_FOR, points_for);
    Set_Team_Stat(team, TEAM_STAT_REAL_POINTS_AGAINST, points_against);
}

void Load_Team_Records_CSV() {
    FILE* file = Open_Resolved_File(TEAM_RECORDS_FILE, "r");
    if (file == nullptr) {
        if (!Missing_File_Logged)
            Log_Debug_Line("No %s: the season starts without the real team records", TEAM_RECORDS_FILE);
        Missing_File_Logged = true;
        return;
    }
    char text[LINE_SIZE];
    if (!Skip_Line(file)) For_Each_File_Line(file, text, LINE_SIZE, Read_Team_Record_Line);
    fclose(file);
}
