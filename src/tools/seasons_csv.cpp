#include "tools/seasons_csv.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <strings.h>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/roster_text.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/league_history.h"
#include "tools/league_input_files.h"
#include "tools/position_abbreviations.h"
#include "tools/season_franchises.h"
#include "tools/season_line_checks.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LAST_PASS_DEFENDED_ESTIMATE_YEAR = 2000;
constexpr int32_t LAST_TACKLE_ESTIMATE_YEAR = 1994;
constexpr int32_t LAST_SACK_ESTIMATE_YEAR = 1981;
constexpr int32_t LAST_TACKLE_ERA_YEAR = 1968;
constexpr int32_t ERA_REFERENCE_YEAR = 2022;
constexpr int32_t YEARS_AFTER_READ = 15;
constexpr int32_t SEASONS_STEPS = 35;
constexpr int32_t KICKER_GROUP = 3;
constexpr int32_t QUARTERBACK_CLASS = 4;

// Columns, 1-based as the file's header numbers them.
enum SEASONS_COLUMN : int32_t {
    COLUMN_EXTERNAL_ID = 1,
    COLUMN_PLAYER_ID = 2,
    COLUMN_SEASON_FLAG = 3,
    COLUMN_YEAR = 4,
    COLUMN_TEAM = 5,
    COLUMN_UNIFORM = 6,
    COLUMN_NAME = 7,
    COLUMN_POSITION = 8,
    COLUMN_GAMES = 10,
    COLUMN_FUMBLES = 30,
    COLUMN_SACKS = 43,
    COLUMN_FUMBLE_RETURN_TD = 50,
    COLUMN_INTERCEPTIONS = 51,
    COLUMN_INTERCEPTION_RETURN_TD = 53,
    COLUMN_VALUE = 95,
};

// Column and the statistic it credits, by position class.
struct ROUTE {
    int32_t Column;
    int32_t Second_Column;
    int32_t Stat;
};

constexpr ROUTE EVERY_PLAYER[] = {{10, 0, 0}, {11, 0, 1}};
constexpr ROUTE QUARTERBACK[] = {{12, 0, 2}, {13, 0, 3},  {14, 0, 5}, {15, 0, 6},
                                 {16, 0, 4}, {19, 0, 14}, {20, 0, 15}};
constexpr ROUTE BALL_CARRIER[] = {{21, 0, 7}, {22, 0, 8}, {23, 0, 9}, {31, 0, 13}};
constexpr ROUTE RECEIVER[] = {{25, 0, 4}, {26, 0, 10}, {27, 0, 11}, {28, 0, 12}, {93, 0, 5}};
constexpr ROUTE RETURNER[] = {{32, 0, 17}, {33, 0, 18}, {34, 0, 19}, {36, 0, 14}, {37, 0, 15}, {38, 0, 16}};
constexpr ROUTE DEFENDER[] = {{40, 0, 2}, {41, 0, 3}, {46, 0, 6}, {47, 0, 5}, {48, 0, 8}, {51, 0, 7}};
constexpr ROUTE KICKER[] = {{59, 0, 2},  {60, 0, 3},   {63, 0, 18},  {64, 0, 9},  {66, 0, 6},
                            {69, 0, 8},  {74, 0, 5},   {82, 83, 11}, {84, 0, 13}, {85, 0, 15},
                            {86, 0, 17}, {87, 88, 10}, {89, 0, 12},  {90, 0, 14}, {91, 0, 16}};

// The read in progress: the file's form (replay or build) and the season
// line of the line being credited.
struct SEASONS_READ {
    bool Replay = false;
    int32_t Line = NO_SEASON_LINE;
    // The last line's keys, for reusing its match.
    int32_t Last_Id = 0;
    char Last_External_Id[STATS_LINE_LIMIT] = "";
    char Last_Name[STATS_LINE_LIMIT] = "";
    bool Has_Last = false;
};
SEASONS_READ Read;

// Adds `value` to vital statistic `vital` of the player, held within what a
// saved game keeps of it.
void Add_To_Held_Vital(int32_t team, int32_t slot, int32_t vital, int32_t value) {
    FIELD_RANGE range{vital, INT32_MIN, INT32_MAX};
    Get_Vital_Stat_Range(vital, &range);
    const int64_t sum = static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, vital)) + value;
    Set_Player_Vital_Stat(team, slot, vital,
                          static_cast<int32_t>(std::clamp<int64_t>(sum, range.Lowest, range.Highest)));
}

// The columns whose figures a real season may hold below 0: yards (sacks'
// and punts' too) and the longest kick and punt. Every other column the
// read takes holds a count (games, starts, attempts, catches, touchdowns),
// or the uniform or the value, neither of which is kept below 1.
constexpr int32_t SIGNED_COLUMNS[] = {14, 20, 22, 27, 33, 37, 60, 63, 74};

bool Is_Counting_Column(int32_t column) {
    return std::find(std::begin(SIGNED_COLUMNS), std::end(SIGNED_COLUMNS), column) ==
           std::end(SIGNED_COLUMNS);
}

// A figure of the line. The replay form takes what the field begins with
// (no number is 0, and neither is a count below 0, which no season holds);
// the build form refuses a field that is not a number. Either way a figure
// is held within a season's bound.
bool Figure(const STATS_LINE& line, int32_t column, int32_t* value) {
    if (Read.Replay) {
        *value = Hold_Season_Figure(strtol(line.Field(column), nullptr, 10));
        if (*value < 0 && Is_Counting_Column(column)) *value = 0;
        return true;
    }
    if (!Read_Int_Field(line, column, value)) return false;
    *value = Hold_Season_Figure(*value);
    return true;
}

// A whole number as the replay form reads it: what the field begins with, 0
// for no number or one beyond 32 bits.
int32_t Leading_Whole_Number(const char* text) {
    const long long number = strtoll(text, nullptr, 10);
    return number > INT32_MAX || number < INT32_MIN ? 0 : static_cast<int32_t>(number);
}

// A number that is no figure (a year, a player id): read whole, never held
// within a season's bound.
bool Whole_Number(const STATS_LINE& line, int32_t column, int32_t* value) {
    if (!Read.Replay) return Read_Int_Field(line, column, value);
    *value = Leading_Whole_Number(line.Field(column));
    return true;
}

// Preseason, postseason and all-star lines are no part of a season.
bool Is_Other_Games_Line(const STATS_LINE& line) {
    const char* flag = line.Field(COLUMN_SEASON_FLAG);
    return strcasecmp(flag, "PRE") == 0 || strcasecmp(flag, "POST") == 0 || strcasecmp(flag, "PRO") == 0;
}

// Half sacks: the decimal count doubled, held like any other figure.
bool Half_Sacks(const STATS_LINE& line, int32_t* value) {
    double sacks = 0.0;
    if (Read.Replay) {
        sacks = strtod(line.Field(COLUMN_SACKS), nullptr);
        if (std::isnan(sacks) || sacks < 0) sacks = 0.0;
    } else if (!Read_Decimal_Field(line, COLUMN_SACKS, &sacks)) {
        return false;
    }
    const double most = LARGEST_SEASON_FIGURE;
    *value = static_cast<int32_t>(std::clamp(sacks * 2, -most, most));
    return true;
}

int32_t Position_Class(int32_t position) {
    return position == POSITION_QB ? QUARTERBACK_CLASS : Get_Position_Group(position);
}

// Brings a value of the line's year to the scale of 2022 by the league's averages of both years.
int32_t Era_Scaled(int32_t stat, int32_t value, int32_t year) {
    auto scale = [year](int32_t figure, int32_t code) {
        return Mul_Div_Round(figure, Get_Historical_Average_Stat(code, ERA_REFERENCE_YEAR),
                             Get_Historical_Average_Stat(code, year));
    };
    switch (stat) {
    case 3:
        return scale(value, 101);
    case 4:
        return scale(value, 107);
    case 6:
        return scale(value, 105);
    case 5:
        return scale(scale(value, 101), 109);
    default:
        return value;
    }
}

void Credit_Line(int32_t stat, int32_t value, bool longest) {
    if (Read.Line == NO_SEASON_LINE) return;
    const int32_t now = Get_Season_Line_Stat(Read.Line, stat);
    Set_Season_Line_Stat(Read.Line, stat,
                         longest ? std::max(now, value)
                                 : Hold_Season_Figure(static_cast<int64_t>(now) + value));
}

void Add_To_Season(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t value) {
    Set_Player_Stat(
        team, slot, season, stat,
        Hold_Season_Figure(static_cast<int64_t>(Get_Player_Stat(team, slot, season, stat)) + value));
}

void Credit(const STATS_LINE& line, int32_t team, int32_t slot, int32_t year, const ROUTE* routes,
            size_t count, bool* good) {
    for (size_t n = 0; n < count && *good; ++n) {
        int32_t value = 0, second = 0;
        if (!Figure(line, routes[n].Column, &value) ||
            (routes[n].Second_Column != 0 && !Figure(line, routes[n].Second_Column, &second))) {
            *good = false;
            return;
        }
        Add_Season_Stat(team, slot, year, routes[n].Stat,
                        Hold_Season_Figure(static_cast<int64_t>(value) + second), 0);
    }
}

// Estimates of defensive figures the league did not keep in older seasons.
bool Add_Old_Season_Estimates(const STATS_LINE& line, int32_t team, int32_t slot, int32_t year,
                              int32_t value) {
    int32_t games = 0, starts = 0, interceptions = 0;
    if (!Figure(line, COLUMN_GAMES, &games) || !Figure(line, COLUMN_GAMES + 1, &starts) ||
        !Figure(line, COLUMN_INTERCEPTIONS, &interceptions))
        return false;
    // The averages of his expanded position when his byte holds one of his
    // own basic position, else those of the basic position.
    const int32_t basic = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t expanded = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    const int32_t position = expanded >= NUMBER_OF_POSITIONS && expanded < NUMBER_OF_EXPANDED_POSITIONS &&
                                     Translate_Expanded_Position(expanded) == basic
                                 ? expanded
                                 : basic;
    const int64_t played = static_cast<int64_t>(games) + starts;
    auto estimate = [&](int32_t stat, int64_t weight, int64_t divisor, int32_t era) {
        const int64_t total = Get_Average_Stat(position, stat) * played * weight;
        Add_Season_Stat(team, slot, year, stat, Hold_Season_Figure((total + divisor / 2) / divisor), era);
    };
    if (year <= LAST_PASS_DEFENDED_ESTIMATE_YEAR)
        estimate(6, value + 2 * static_cast<int64_t>(interceptions), 280, 0);
    if (year <= LAST_TACKLE_ESTIMATE_YEAR) {
        estimate(2, value, 336, 0);
        estimate(3, value, 336, 0);
    }
    if (year <= LAST_SACK_ESTIMATE_YEAR) estimate(4, value, 336, 1);
    return true;
}

// The last line's player stands for this line's when it has his positive id,
// or (without an id) his external id, or (with neither) his full name. A
// line's own id decides: another id under the same external id is another
// player.
bool Is_Same_As_Last(int32_t id, const char* external_id, const char* name) {
    if (!Read.Has_Last) return false;
    if (id > 0) return id == Read.Last_Id;
    if (external_id[0] != '\0') return strcmp(external_id, Read.Last_External_Id) == 0;
    return strcmp(name, Read.Last_Name) == 0;
}

bool Find_Line_Player(const STATS_LINE& line, int32_t id, int32_t* team, int32_t* slot) {
    char name[STATS_LINE_LIMIT];
    safe_strncpy(name, line.Field(COLUMN_NAME), sizeof name);
    Remove_Character(name, '*');
    Remove_Character(name, '+');
    const char* external_id = line.Field(COLUMN_EXTERNAL_ID);
    if (Is_Same_As_Last(id, external_id, name)) {
        *team = Get_User_Preference(SELECTED_PLAYER_TEAM);
        *slot = Get_User_Preference(SELECTED_PLAYER_SLOT);
        return Is_Player_Slot_Used(*team, *slot) != 0;
    }
    Read.Has_Last = false;
    bool found = false;
    if (id > 0) {
        found = Find_Listed_Player_By_ID(team, slot, id) != 0;
    } else if (external_id[0] != '\0') {
        found = Find_Player_By_External_ID(team, slot, external_id) != 0;
    } else if (name[0] != '\0') {
        found = Find_Player_By_Full_Name(team, slot, name) != 0;
    } else {
        PLAYER_LOCATION where{};
        const int32_t code = Parse_Position_Abbreviation(line.Field(COLUMN_POSITION));
        Find_Player_By_Name(&where, name, NO_TEAM_HINT, code < 0 ? -1 : Translate_Expanded_Position(code));
        found = where.Team != NO_TEAM;
        *team = where.Team;
        *slot = where.Slot;
    }
    if (!found) return false;
    Set_User_Preference(SELECTED_PLAYER_TEAM, *team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, *slot);
    Read.Has_Last = true;
    Read.Last_Id = id;
    safe_strncpy(Read.Last_External_Id, external_id, sizeof Read.Last_External_Id);
    safe_strncpy(Read.Last_Name, name, sizeof Read.Last_Name);
    return true;
}

// The line's team; NO_TEAM when it is to be dropped. An unknown text is
// reported (a team of a later season that the base year has not founded yet
// as well), unless it is an earlier year's multi-team total. Another
// league's club gives SKIPPED_TEAM_CODE.
int32_t Find_Line_Team(const STATS_LINE& line, int32_t year) {
    if (line.Field(COLUMN_TEAM)[0] == '\0') return NO_TEAM;
    const int32_t team = Find_Seasons_File_Team(line.Field(COLUMN_TEAM), year);
    if (team != NO_TEAM) return team;
    char text[STATS_LINE_LIMIT];
    safe_strncpy(text, line.Field(COLUMN_TEAM), sizeof text);
    const bool totals =
        strcasecmp(text, "2TM") == 0 || strcasecmp(text, "3TM") == 0 || strcasecmp(text, "4TM") == 0;
    if (year < Get_Universe_Stat(BASE_YEAR) && strlen(text) < 5 && totals) return NO_TEAM;
    Report_System_Error("Unrecognized team abbreviation: %s (%d)", text, year);
    return NO_TEAM;
}

// The stored position gives way to the line's: always for an expanded code
// above 14, otherwise only on a line of the base year within the same class.
void Update_Position(const STATS_LINE& line, int32_t team, int32_t slot, int32_t year) {
    const int32_t code = Parse_Position_Abbreviation(line.Field(COLUMN_POSITION));
    if (code < 0 || code >= NUMBER_OF_EXPANDED_POSITIONS) return;
    const int32_t position = Translate_Expanded_Position(code);
    const int32_t stored = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const bool replace =
        stored < 0 || stored >= NUMBER_OF_POSITIONS ||
        (year == Get_Universe_Stat(BASE_YEAR) && Position_Class(stored) == Position_Class(position));
    if (!replace) return;
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, code);
}

// The player's line of that team and year, made when he has none.
int32_t Find_Or_Add_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team) {
    const int32_t line = Find_Player_Season_Line(team, slot, year, line_team);
    return line != NO_SEASON_LINE ? line : Add_Player_Season_Line(team, slot, year, line_team);
}

void Read_Season_Line_Form(const STATS_LINE& line) {
    if (Is_Other_Games_Line(line)) return;
    int32_t year = 0, id = 0;
    if (!Whole_Number(line, COLUMN_YEAR, &year) || !Whole_Number(line, COLUMN_PLAYER_ID, &id)) return;
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    if (Read.Replay ? year != Get_Current_Year()
                    : (year <= base_year - SEASONS_FILE_YEARS_BEFORE || year >= base_year + YEARS_AFTER_READ))
        return;
    if (!Read.Replay) Note_Team_Season_Line(line, year);
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    if (!Find_Line_Player(line, id, &team, &slot)) return;
    Update_Position(line, team, slot, year);
    const int32_t line_team = Find_Line_Team(line, year);
    if (line_team == NO_TEAM) return;
    // A season with another league's club has no season line of this
    // league: its figures are credited all the same.
    const bool without_line = line_team == SKIPPED_TEAM_CODE;
    if (!Read.Replay && !Check_Season_File_Line(line, team, slot, year, line_team)) return;
    int32_t uniform = 0;
    if (!Figure(line, COLUMN_UNIFORM, &uniform)) return;
    if (uniform > 0 && (year == base_year || Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM) <= 0))
        Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, uniform);
    Read.Line =
        Read.Replay || without_line ? NO_SEASON_LINE : Find_Or_Add_Season_Line(team, slot, year, line_team);
    bool good = true;
    Credit(line, team, slot, year, EVERY_PLAYER, std::size(EVERY_PLAYER), &good);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (!good || position < 0 || position >= NUMBER_OF_POSITIONS) return;
    const int32_t group = Get_Position_Group(position);
    int32_t fumbles = 0;
    if (group == 0 && !Figure(line, COLUMN_FUMBLES, &fumbles)) return;
    if (position == POSITION_QB) {
        Credit(line, team, slot, year, QUARTERBACK, std::size(QUARTERBACK), &good);
        Add_Season_Stat(team, slot, year, 19, fumbles, 0);
    }
    if (group == 0) {
        Credit(line, team, slot, year, BALL_CARRIER, std::size(BALL_CARRIER), &good);
        if (position != POSITION_QB) {
            Credit(line, team, slot, year, RECEIVER, std::size(RECEIVER), &good);
            Add_Season_Stat(team, slot, year, 2, fumbles, 0);
        }
    }
    if (group == 0 || group == 2) Credit(line, team, slot, year, RETURNER, std::size(RETURNER), &good);
    if (group == 2) {
        Credit(line, team, slot, year, DEFENDER, std::size(DEFENDER), &good);
        int32_t half_sacks = 0, fumble_touchdowns = 0, interception_touchdowns = 0;
        if (!good || !Half_Sacks(line, &half_sacks) ||
            !Figure(line, COLUMN_FUMBLE_RETURN_TD, &fumble_touchdowns) ||
            !Figure(line, COLUMN_INTERCEPTION_RETURN_TD, &interception_touchdowns))
            return;
        Add_Season_Stat(team, slot, year, 4, half_sacks, 0);
        // The game keeps a defender's return touchdowns as one figure: the
        // two columns are credited together, so a replayed season, which
        // takes a figure only while it is still 0, keeps both.
        Add_Season_Stat(team, slot, year, 9,
                        Hold_Season_Figure(static_cast<int64_t>(fumble_touchdowns) + interception_touchdowns),
                        1);
    }
    if (group == KICKER_GROUP) Credit(line, team, slot, year, KICKER, std::size(KICKER), &good);
    int32_t value = 0;
    if (!good || !Figure(line, COLUMN_VALUE, &value) || value < 1) return;
    if (group == 1 || group == 2) Add_Season_Stat(team, slot, year, 13, value, 0);
    Add_To_Held_Vital(team, slot, 9, value);
    const int32_t valued_year = base_year == ERA_REFERENCE_YEAR ? ERA_REFERENCE_YEAR - 1 : base_year;
    if (year == valued_year) Add_To_Held_Vital(team, slot, 23, value);
    if (group == 2) Add_Old_Season_Estimates(line, team, slot, year, value);
}

void Show_Missing_Seasons_File() {
    Show_Formatted_Message(
        "Read Error",
        "Unable to open %s. Please read the Help Files for a complete list of required files "
        "for the 'Import Stats' feature.",
        SEASONS_CSV_NAME);
}
} // namespace

void Add_Season_Stat(int32_t team, int32_t slot, int32_t year, int32_t stat, int32_t value, int32_t era) {
    if (value == 0 || !Is_Player_Slot_Used(team, slot) || stat < 0 || stat >= NUMBER_OF_SEASON_STATS) return;
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    const bool longest = Is_Longest_Kick_Stat(team, slot, stat);
    if (Read.Replay) {
        if (year == Get_Current_Year() && Get_Player_Stat(team, slot, SEASON_THIS, stat) == 0)
            Set_Player_Stat(team, slot, SEASON_THIS, stat, value);
    } else {
        // A longest kick raises the seasons it belongs to; any other figure
        // adds to the career and last season.
        if (longest) {
            auto keep_longest = [&](int32_t season) {
                if (value > Get_Player_Stat(team, slot, season, stat))
                    Set_Player_Stat(team, slot, season, stat, value);
            };
            if (year <= base_year) keep_longest(SEASON_CAREER);
            if (year == base_year - 1) keep_longest(SEASON_LAST);
            if (year == base_year) keep_longest(SEASON_THIS);
        } else {
            if (year < base_year) Add_To_Season(team, slot, SEASON_CAREER, stat, value);
            if (year == base_year - 1) Add_To_Season(team, slot, SEASON_LAST, stat, value);
        }
        Credit_Line(stat, value, longest);
        int64_t predicted = era != 0 ? Era_Scaled(stat, value, year) : value;
        if (year == base_year || year == base_year - 1) predicted *= 2;
        Add_To_Season(team, slot, SEASON_PREDICTED, stat, Hold_Season_Figure(predicted));
    }
    if (era != 0 && year <= LAST_TACKLE_ERA_YEAR && stat == 2) {
        const int32_t sacks = (value + 7) / 15;
        Add_To_Season(team, slot, SEASON_PREDICTED, 14, sacks);
        Add_To_Season(team, slot, SEASON_PREDICTED, 15, Hold_Season_Figure(7 * static_cast<int64_t>(sacks)));
    }
}

void Read_Season_Line(const STATS_LINE& line) {
    Read_Season_Line_Form(line);
    Read.Line = NO_SEASON_LINE;
}

int32_t Check_Seasons_CSV() {
    STATS_FILE file;
    if (Open_Stats_File(&file, SEASONS_CSV_NAME)) {
        Close_Stats_File(&file);
        return 1;
    }
    Show_Missing_Seasons_File();
    return 0;
}

int32_t Load_Seasons_CSV(int32_t replay) {
    STATS_FILE file;
    if (!Open_Stats_File(&file, SEASONS_CSV_NAME)) {
        Show_Missing_Seasons_File();
        Fail_Stats_Inputs();
        return 0;
    }
    const int32_t lines = Count_Stats_Lines(&file);
    // The replay form has always read lines longer than their header; the
    // build form holds every line to it.
    file.Check_Field_Count = replay == 0;
    const int16_t replay_mode = Universe.Header.Replay_Mode;
    Universe.Header.Replay_Mode = static_cast<int16_t>(replay);
    Read = SEASONS_READ{};
    Read.Replay = replay != 0;
    Forget_Season_Team_Files();
    Begin_Season_Line_Checks();
    Build_All_Player_Hashes();
    Build_Player_Lookup_Index();
    Read_Stats_Header(&file);
    const int32_t lines_per_step = std::max(1, lines / SEASONS_STEPS);
    int32_t read_lines = 0, steps = 0;
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Season_Line(line);
        if (++read_lines % lines_per_step == 0 && steps < SEASONS_STEPS) {
            Step_Progress(1);
            ++steps;
        }
    }
    if (steps < SEASONS_STEPS) Step_Progress(SEASONS_STEPS - steps);
    Close_Stats_File(&file);
    if (!Read.Replay && !Have_Stats_Inputs_Failed()) Check_Team_Season_Sums(SEASONS_CSV_NAME);
    Drop_Player_Lookup_Index();
    Read = SEASONS_READ{};
    Universe.Header.Replay_Mode = replay_mode;
    return 1;
}

int32_t Find_Seasons_File_Team(const char* text, int32_t year) {
    char name[STATS_LINE_LIMIT];
    safe_strncpy(name, text, sizeof name);
    if (name[0] == '\0') return NO_TEAM;
    // An earlier season's team as that season's team file names it: the
    // franchise the history carries it on to, before any abbreviation rule,
    // which knows neither the year nor this league's own franchises.
    if (year < Get_Universe_Stat(BASE_YEAR)) {
        const int32_t franchise = Find_Team_Of_Season_Franchise(name, year);
        if (franchise != NO_TEAM) return franchise;
    }
    // A later season names its teams by its own abbreviations: one the league
    // knows only as an older name belongs to a franchise founded since.
    const bool later = year > Get_Universe_Stat(BASE_YEAR);
    int32_t team = later ? Get_Team_From_Later_Abbreviation(name) : Get_Team_From_Abbreviation(name, 0);
    if (team != NO_TEAM) return team;
    team = Get_Team_From_Historic_Name(name, sizeof name);
    if (team != NO_TEAM || later) return team;
    // An earlier season's abbreviation of a franchise the league's history
    // has renamed since, which no historic pair leads to ("PHX" of the
    // Cardinals, who are "ARZ" from 1994).
    const std::string renamed = Get_Renamed_Franchise_Abbreviation(text, year, Get_Current_Year());
    return renamed != text ? Get_Team_From_Abbreviation(renamed.c_str(), 0) : NO_TEAM;
}
