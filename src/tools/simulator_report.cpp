// The season simulator's reports: per division, each team's average record
// and how often it finished where, then each team's average finances.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/money.h"
#include "tools/season_simulator.h"

namespace {
constexpr int32_t TEAM_STRING_NICKNAME = 2;
constexpr int32_t LINE_SIZE = 512;
// Finish counters in the order of the columns "WC" .. "5+".
constexpr int32_t COLUMN_COUNTERS[] = {8, 7, 6, 5, 4, 3, 2, 1, 0};
const char* const COLUMN_NAMES[] = {"WC", "LC", "1R", "1st", "Wild", "2nd", "3rd", "4th", "5+"};
constexpr int32_t ALL_COLUMNS = 9;

struct REPORT {
    const char* File;
    bool Csv;
};

void Write_Line(const REPORT& report, const std::string& line) {
    Append_Line_To_File(report.File, line.c_str());
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[LINE_SIZE];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

// Nine finish columns for a division of five teams or more, eight for four,
// seven for three or fewer.
int32_t Count_Finish_Columns(int32_t teams) {
    return teams >= 5 ? ALL_COLUMNS : teams == 4 ? ALL_COLUMNS - 1 : ALL_COLUMNS - 2;
}

std::string Heading(const REPORT& report, int32_t columns) {
    std::string line = report.Csv ? Format("%s,%s,%s,%s", "Team", "Division", "Won", "Lost")
                                  : Format("%20s %12s %6s %6s", "Team", "Division", "Won", "Lost");
    for (int32_t column = 0; column < columns; ++column)
        line += Format(report.Csv ? ",%s" : " %4s", COLUMN_NAMES[column]);
    if (report.Csv)
        line += ",,Scored,Allowed,,Running,Passing,Run Defense,Pass Defense,Special Teams,Power Rank";
    return line;
}

// "9.05": the hundredths as whole and two digits, in both formats (a damaged
// record may hold a negative sum).
std::string Hundredths(int32_t value, bool csv) {
    const int64_t size = value < 0 ? -static_cast<int64_t>(value) : value;
    const std::string number = Format("%s%lld.%02lld", value < 0 ? "-" : "",
                                      static_cast<long long>(size / 100), static_cast<long long>(size % 100));
    return csv ? number : Format("%6s", number.c_str());
}

std::string Tenths(int32_t value) {
    const int64_t size = value < 0 ? -static_cast<int64_t>(value) : value;
    return Format("%s%lld.%lld", value < 0 ? "-" : "", static_cast<long long>(size / 10),
                  static_cast<long long>(size % 10));
}

// A per-game figure in tenths, rounded half up; 0 over no games.
int32_t Tenths_Per_Game(int64_t sum, int64_t games) {
    if (games <= 0) return 0;
    return Clamp_To_Int32((sum * 10 * 2 + games) / (2 * games));
}

std::string Team_Line(const REPORT& report, const SIMULATOR_RECORD& record, int32_t team,
                      const char* division, int32_t columns) {
    char nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(nickname, team, TEAM_STRING_NICKNAME);
    const int32_t wins = Get_Simulator_Average_Hundredths(record.Wins[team], record.Seasons);
    const int32_t losses = Get_Simulator_Average_Hundredths(record.Losses[team], record.Seasons);
    std::string line =
        report.Csv ? Format("%s,%s,", nickname, division) : Format("%20s %12s ", nickname, division);
    line += Hundredths(wins, report.Csv) + (report.Csv ? "," : " ") + Hundredths(losses, report.Csv);
    for (int32_t column = 0; column < columns; ++column)
        line += Format(report.Csv ? ",%d" : " %4d", record.Finishes[team][COLUMN_COUNTERS[column]]);
    if (report.Csv) {
        // Points a game over the games they came from, the playoffs' included.
        const int32_t scored = Tenths_Per_Game(record.Points_Scored[team], record.Games[team]);
        const int32_t allowed = Tenths_Per_Game(record.Points_Allowed[team], record.Games[team]);
        line += ",," + Tenths(scored) + "," + Tenths(allowed);
        line += Format(",,%d,%d,%d,%d,%d,%d", Get_Team_Running_Rating(team), Get_Team_Passing_Rating(team),
                       Get_Team_Run_Defense_Rating(team), Get_Team_Pass_Defense_Rating(team),
                       Get_Team_Special_Teams_Rating(team), Get_Team_Strength_Rank(team));
    }
    return line;
}

int32_t Average(int64_t sum, int64_t seasons) {
    return seasons <= 0 ? 0 : Clamp_To_Int32(Mul_Div_Round_64(sum, 1, seasons));
}
} // namespace

int32_t Get_Simulator_Average_Hundredths(int64_t sum, int64_t seasons) {
    if (seasons <= 0) return 0;
    return Clamp_To_Int32((sum * 100 * 2 + seasons) / (2 * seasons));
}

void Write_Simulator_Report(int32_t format) {
    const REPORT report = format == SIMULATOR_REPORT_CSV ? REPORT{SIMULATOR_CSV_REPORT, true}
                                                         : REPORT{SIMULATOR_TEXT_REPORT, false};
    SIMULATOR_RECORD record;
    Read_Simulator_Data(&record);
    Delete_File(report.File);
    // The count's own line end and the one every line gets: an empty line follows it.
    Write_Line(report, Format("%d SEASONS SIMULATED\n", record.Seasons));
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        const int32_t teams = Count_Division_Teams(division);
        if (teams <= 0) continue;
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Division_Name(division, name);
        const int32_t columns = Count_Finish_Columns(teams);
        Write_Line(report, "");
        Write_Line(report, Heading(report, columns));
        for (int32_t n = 0; n < teams; ++n) {
            const int32_t team = Get_Nth_Team_In_Division(division, n);
            if (team < 0 || team >= SIMULATOR_TEAMS) continue;
            Write_Line(report, Team_Line(report, record, team, name, columns));
        }
    }
    Write_Line(report, "");
    Write_Line(report, report.Csv ? Format("%s,%s,%s,%s", "TEAM FINANCES", "Attendance", "Revenue", "Profit")
                                  : Format("%30s %10s %10s %10s", "TEAM FINANCES", "Attendance", "Revenue",
                                           "Profit"));
    const int32_t active = std::min(Count_Active_Teams(), SIMULATOR_TEAMS);
    for (int32_t team = 0; team < active; ++team) {
        char full_name[FORMATTED_TEXT_SIZE] = "";
        Get_Team_Full_Name(team, full_name);
        const int32_t attendance = Average(record.Attendance[team], record.Seasons);
        const int32_t revenue = Average(record.Revenue[team], record.Seasons);
        const int32_t profit = Average(record.Profit[team], record.Seasons);
        Write_Line(report, report.Csv
                               ? Format("%s,%d,%d,%d", full_name, attendance, revenue, profit)
                               : Format("%30s %10d %10d %10d", full_name, attendance, revenue, profit));
    }
}
