#include "tools/team_records_csv.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t SHORTEST_LINE = 10;
constexpr int32_t LAST_RECORDS_YEAR = 2021;
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

// First place is 5; second to fifth place 3, 2, 1, 0; a lower place of the
// larger divisions of old (sixth to ninth) is 0 too, as is no finish given.
// A place that is no digit is malformed: false after the report.
bool Read_Place_Code(const STATS_LINE& line, int32_t* code) {
    const char place = line.Field(COLUMN_DIVISION_FINISH)[0];
    *code = 0;
    if (place == '\0') return true;
    if (place < '1' || place > '9') {
        Report_Field_Error(line, COLUMN_DIVISION_FINISH, "a division place that is not 1-9");
        return false;
    }
    *code = place == '1' ? DIVISION_WINNER_CODE : std::max(0, '5' - place);
    return true;
}

int32_t Finish_Code(const char* playoffs, int32_t place) {
    if (strcasecmp(playoffs, "Won SB") == 0) return 8;
    if (strcasecmp(playoffs, "Lost SB") == 0) return 7;
    if (strcasecmp(playoffs, "Lost Conf") == 0) return 6;
    if (strcasecmp(playoffs, "Lost Div") == 0 || strcasecmp(playoffs, "Lost WC") == 0)
        return place > PLAYOFF_TEAM_CODE ? place : PLAYOFF_TEAM_CODE;
    return place;
}

int32_t Line_Length(const STATS_LINE& line) {
    int32_t length = line.Count > 0 ? line.Count - 1 : 0;
    for (int32_t column = 1; column <= line.Count; ++column)
        length += static_cast<int32_t>(strlen(line.Field(column)));
    return length;
}
} // namespace

void Read_Team_Record_Line(const STATS_LINE& line) {
    if (Line_Length(line) < SHORTEST_LINE) return;
    int32_t year = 0;
    if (!Read_Int_Field(line, COLUMN_YEAR, &year)) return;
    if (year != Get_Current_Year() || year > LAST_RECORDS_YEAR) return;
    int32_t wins = 0, losses = 0, ties = 0, points_for = 0, points_against = 0, place = 0;
    if (!Read_Int_Field(line, COLUMN_WINS, &wins) || !Read_Int_Field(line, COLUMN_LOSSES, &losses) ||
        !Read_Int_Field(line, COLUMN_TIES, &ties) || !Read_Place_Code(line, &place) ||
        !Read_Int_Field(line, COLUMN_POINTS_FOR, &points_for) ||
        !Read_Int_Field(line, COLUMN_POINTS_AGAINST, &points_against))
        return;
    if (wins < 0 || losses < 0 || ties < 0 || wins > 99 || losses > 99 || ties > 99) {
        Report_Field_Error(line, COLUMN_WINS, "a record outside 0-99 games");
        return;
    }
    char name[STATS_LINE_LIMIT];
    safe_strncpy(name, line.Field(COLUMN_TEAM), sizeof name);
    Remove_Character(name, '*');
    Remove_Character(name, '+');
    const int32_t team = Get_Team_From_Name(name);
    if (!Is_Active_Team(team)) {
        Report_System_Error("Unrecognized Team Name in 'Team_Records.csv' for %d season: %s", year, name);
        return;
    }
    const int32_t finish = Finish_Code(line.Field(COLUMN_PLAYOFFS), place);
    int64_t score = ((wins - losses) + 330) * 3 - points_against / 20 + points_for / 20;
    if (finish > NEUTRAL_FINISH) score += (finish - NEUTRAL_FINISH) * 10;
    const int32_t games = wins + losses + ties;
    Set_Team_Stat(team, TEAM_STAT_TEAM_SCORE, static_cast<int32_t>(score));
    Set_Team_Stat(team, TEAM_STAT_REAL_WINNING_SHARE,
                  games > 0 ? Mul_Div_Round(2 * wins + ties, 500, games) : 0);
    Set_Team_Stat(team, TEAM_STAT_REAL_POINTS_FOR, points_for);
    Set_Team_Stat(team, TEAM_STAT_REAL_POINTS_AGAINST, points_against);
}

void Load_Team_Records_CSV() {
    STATS_FILE file;
    if (!Open_Stats_File(&file, TEAM_RECORDS_FILE)) {
        // The file is part of the installation: the season starts without
        // the real records, and the user is told how to get them back.
        Show_Formatted_Message("Read Error", "Unable to open %s. Please re-install Football Korva.",
                               TEAM_RECORDS_FILE);
        return;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();)
        if (read > 0) Read_Team_Record_Line(line);
    Close_Stats_File(&file);
}
