#include "season/historic_schedules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "season/schedule_generation.h"
#include "season/schedule_templates.h"

namespace {
constexpr int32_t LINE_SIZE = 2048;
constexpr int32_t FIELD_SIZE = 128;
constexpr int32_t SCHEDULE_WEEKS = 18;
constexpr int32_t EXPORT_FIELDS = 30;
constexpr int32_t FIRST_AFL_YEAR = 1960;
constexpr int32_t LAST_AFL_YEAR = 1969;
constexpr int32_t LAST_CONVERTED_YEAR = 2019;

int32_t Enter_Season_Files(int32_t year) {
    char path[FORMATTED_TEXT_SIZE];
    safe_sprintf(path, sizeof path, "Input/Schedules/%d-NFL.csv", year);
    int32_t games = Read_Schedule_File(path);
    safe_sprintf(path, sizeof path, "Input/Schedules/%d-AFL.csv", year);
    games += Read_Schedule_File(path);
    return games;
}

} // namespace

int32_t Read_Schedule_File(const char* path) {
    FILE* file = Open_Resolved_File(path, "r");
    if (file == nullptr) return 0;
    int32_t entered = 0;
    // Names the league does not know are logged once a file, with their count.
    int64_t unknown = 0;
    char first_unknown[FIELD_SIZE] = "";
    int64_t self_games = 0;
    char first_self_game[FIELD_SIZE] = "";
    int32_t first_self_game_week = 0;
    auto look_up = [&](char* name) {
        const int32_t team = Find_Team_From_Historic_Name(name, FIELD_SIZE);
        if (team != NO_TEAM || name[0] == '\0') return team;
        if (unknown++ == 0) safe_strncpy(first_unknown, name, sizeof first_unknown);
        return team;
    };
    char text[LINE_SIZE];
    if (!Skip_Line(file)) {
        For_Each_File_Line(file, text, LINE_SIZE, [&](char* line) {
            char week[FIELD_SIZE];
            char away[FIELD_SIZE];
            char home[FIELD_SIZE];
            Get_Next_Field(week, line, ',', FIELD_SIZE);
            Get_Next_Field(away, line, ',', FIELD_SIZE);
            Get_Next_Field(home, line, ',', FIELD_SIZE);
            const int32_t w = atoi(week) - 1;
            if (w < 0 || w >= SCHEDULE_WEEKS) return;
            const int32_t home_team = look_up(home);
            const int32_t visitor = look_up(away);
            if (!Is_Valid_Team_Code(home_team) || !Is_Valid_Team_Code(visitor)) return;
            // A team never plays itself; such rows are told once a file, as
            // unknown names are, however many a hand-made file holds.
            if (home_team == visitor) {
                if (self_games++ == 0) {
                    safe_strncpy(first_self_game, home, sizeof first_self_game);
                    first_self_game_week = w + 1;
                }
                return;
            }
            entered += Schedule_Game(home_team, visitor, w, -1, -1);
        });
    }
    fclose(file);
    if (self_games > 0)
        Log_Debug_Line("Read_Schedule_File: %lld games of a team against itself skipped in \"%s\", the first "
                       "of the %s in week %d",
                       static_cast<long long>(self_games), path, first_self_game, first_self_game_week);
    if (unknown == 1) Log_Unrecognized_Team_Name(first_unknown);
    if (unknown > 1)
        Log_Debug_Line(
            "Unrecognized Team Name: %s (%d), and %lld more names of teams not in the league in \"%s\"",
            first_unknown, Get_Current_Year(), static_cast<long long>(unknown - 1), path);
    return entered;
}

int32_t Is_Schedule_Balanced() {
    int32_t teams = Count_Active_Teams();
    if (teams < 1) teams = 1;
    int32_t target[NUMBER_OF_LEAGUES] = {0, 0};
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t games = Count_First_Listed_Games(team) + Count_Second_Listed_Games(team);
        const int32_t league = Get_Team_Division(team) / 4 == 1 ? 1 : 0;
        if (target[league] == 0)
            target[league] = games;
        else if (games != target[league])
            return 0;
    }
    return 1;
}

namespace {
// Why the schedule entered does not give every active team the season's
// games, or false when it does. A league's teams playing equally many games
// is not enough: a league whose file was empty, missing or cut short would
// play none, or a season of another length.
bool Find_Short_Season(char* why, int32_t size) {
    const int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        const int32_t played = Count_First_Listed_Games(team) + Count_Second_Listed_Games(team);
        if (played == games) continue;
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, name);
        safe_sprintf(why, size, "the %s play %d of the season's %d games", name, played, games);
        return true;
    }
    return false;
}

} // namespace

// A year whose files enter no game does not count as found, so a season
// without a schedule file falls back to the templates or the generator rather
// than starting with no games at all. Nor does the search go on past such a
// year: an earlier year's files are tried only while the later year had files
// that did not fit the league (a team they miss or play short), never in
// place of files that are not there, so the seasons after the last year with
// files (the merged league of 1970 on) are never played on that year's
// schedule. Each year's files that do not fit are logged with the reason.
int32_t Load_Historic_Schedule() {
    const int32_t season = Get_Current_Year();
    for (int32_t year = season; year >= FIRST_SCHEDULE_FILE_YEAR; --year) {
        const int32_t entered = Enter_Season_Files(year);
        char why[FORMATTED_TEXT_SIZE];
        if (entered > 0 && !Find_Short_Season(why, sizeof why)) return 1;
        if (entered > 0)
            Log_Debug_Line("Load_Historic_Schedule: the schedule files of %d do not fit the season of %d: %s",
                           year, season, why);
        Clear_All_Team_Schedules();
        if (entered == 0) break;
    }
    return 0;
}

int32_t Skip_Historic_Schedule() {
    const int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    const int32_t year = Get_Current_Year();
    if (games < 12) return 1;
    if (year < 1961 && games >= 14) return 1;
    if (year < 1978 && games >= 16) return 1;
    return 0;
}

int32_t Has_Eight_Divisions_Of_Four() {
    const int32_t teams = Count_Active_Teams();
    if (teams < 1) return 0;
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        if (Count_Division_Teams(division) != 4) return 0;
    return 1;
}

int32_t Write_Schedule_File(const char* name) {
    char input[FORMATTED_TEXT_SIZE];
    char output[FORMATTED_TEXT_SIZE];
    safe_sprintf(input, sizeof input, "Input/Schedules/%s.txt", name);
    safe_sprintf(output, sizeof output, "Input/Schedules/%s.csv", name);
    FILE* file = Open_Resolved_File(input, "r");
    if (file == nullptr) return 0;
    // The whole file is written through one stream, not opened again a line.
    FILE* out = Open_Resolved_File(output, "wt");
    if (out == nullptr) {
        Log_Debug_Line("Write_Schedule_File: \"%s\" could not be written: %s", output, Get_Errno_Text());
        fclose(file);
        return 0;
    }
    fputs("Week,Away_Team,Home_Team,Day,Date\n", out);
    char text[LINE_SIZE];
    if (!Skip_Line(file)) {
        For_Each_File_Line(file, text, LINE_SIZE, [&](char* line) {
            char fields[EXPORT_FIELDS + 1][FIELD_SIZE] = {};
            for (int32_t n = 1; n <= EXPORT_FIELDS; ++n)
                if (Get_Next_Field(fields[n], line, ',', FIELD_SIZE)) break;
            // Field 5 becomes the visitor and field 7 the home team.
            if (fields[6][0] != '@') Swap_Strings(fields[5], fields[7], FIELD_SIZE);
            if (atoi(fields[1]) > 0)
                fprintf(out, "%s,%s,%s,%s,%s\n", fields[1], fields[5], fields[7], fields[2], fields[3]);
        });
    }
    fclose(file);
    // A file cut short by a failed write is no schedule: it is removed.
    const bool written = !ferror(out);
    if (fclose(out) == 0 && written) return 1;
    Log_Debug_Line("Write_Schedule_File: \"%s\" could not be written: %s", output, Get_Errno_Text());
    Delete_File(output);
    return 0;
}

void Convert_All_Schedule_Files() {
    char name[FORMATTED_TEXT_SIZE];
    for (int32_t year = FIRST_SCHEDULE_FILE_YEAR; year <= LAST_CONVERTED_YEAR; ++year) {
        safe_sprintf(name, sizeof name, "%d-NFL", year);
        Write_Schedule_File(name);
    }
    for (int32_t year = FIRST_AFL_YEAR; year <= LAST_AFL_YEAR; ++year) {
        safe_sprintf(name, sizeof name, "%d-AFL", year);
        Write_Schedule_File(name);
    }
}

// The 1959 season's map of the 12-team table.
int32_t Get_1959_Schedule_Slot(int32_t team) {
    const SCHEDULE_TEMPLATE* table = Find_Schedule_Template(1959);
    if (table == nullptr || team < 0 || team >= table->Slots) return -128;
    return table->Slot_Map[team];
}
