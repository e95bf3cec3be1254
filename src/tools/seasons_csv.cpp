#include "tools/seasons_csv.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t LINE_SIZE = 2048;
constexpr int32_t FIELD_SIZE = 128;
constexpr int32_t COLUMNS = 97;
constexpr int32_t LAST_PASS_DEFENDED_ESTIMATE_YEAR = 2000;
constexpr int32_t LAST_TACKLE_ESTIMATE_YEAR = 1994;
constexpr int32_t LAST_SACK_ESTIMATE_YEAR = 1981;

// Columns, 1-based as the file's header numbers them.
enum SEASONS_COLUMN : int32_t {
    COLUMN_EXTERNAL_ID = 1,
    COLUMN_PLAYER_ID = 2,
    COLUMN_SEASON_FLAG = 3,
    COLUMN_YEAR = 4,
    COLUMN_TEAM = 5,
    COLUMN_NAME = 7,
    COLUMN_GAMES = 10,
    COLUMN_INTERCEPTIONS = 51,
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
constexpr ROUTE DEFENDER[] = {{40, 0, 2}, {41, 0, 3}, {46, 0, 6}, {47, 0, 5},
                              {48, 0, 8}, {50, 0, 9}, {51, 0, 7}, {53, 0, 9}};
constexpr ROUTE KICKER[] = {{59, 0, 2},  {60, 0, 3},   {63, 0, 18},  {64, 0, 9},  {66, 0, 6},
                            {69, 0, 8},  {74, 0, 5},   {82, 83, 11}, {84, 0, 13}, {85, 0, 15},
                            {86, 0, 17}, {87, 88, 10}, {89, 0, 12},  {90, 0, 14}, {91, 0, 16}};

struct SEASONS_LINE {
    char Fields[COLUMNS + 1][FIELD_SIZE];
};

int32_t Number(const SEASONS_LINE& line, int32_t column) {
    const long value = strtol(line.Fields[column], nullptr, 10);
    return static_cast<int32_t>(std::clamp<long>(value, -LARGEST_SEASON_FIGURE, LARGEST_SEASON_FIGURE));
}

// Half sacks: the decimal count doubled, held like any other figure.
int32_t Half_Sacks(const SEASONS_LINE& line, int32_t column) {
    const double half_sacks = strtod(line.Fields[column], nullptr) * 2;
    if (std::isnan(half_sacks)) return 0;
    const double most = LARGEST_SEASON_FIGURE;
    return static_cast<int32_t>(std::clamp(half_sacks, -most, most));
}

// Adds a value to the this-season figure while that figure is still 0, so a
// player's first line of the year stands.
void Add_Replay_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    if (value == 0 || Get_Player_Stat(team, slot, SEASON_THIS, stat) != 0) return;
    Set_Player_Stat(team, slot, SEASON_THIS, stat, value);
}

void Credit(const SEASONS_LINE& line, int32_t team, int32_t slot, const ROUTE* routes, size_t count) {
    for (size_t n = 0; n < count; ++n) {
        int32_t value = Number(line, routes[n].Column);
        if (routes[n].Second_Column != 0) value += Number(line, routes[n].Second_Column);
        Add_Replay_Stat(team, slot, routes[n].Stat, value);
    }
}

// Estimates of defensive figures the league did not keep in older seasons.
void Add_Old_Season_Estimates(const SEASONS_LINE& line, int32_t team, int32_t slot, int32_t year,
                              int32_t value) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int64_t games = Number(line, COLUMN_GAMES) + Number(line, COLUMN_GAMES + 1);
    const int64_t interceptions = Number(line, COLUMN_INTERCEPTIONS);
    auto estimate = [&](int32_t stat, int64_t weight, int64_t divisor) {
        const int64_t total = Get_Average_Stat(position, stat) * games * weight;
        const int64_t figure = (total + divisor / 2) / divisor;
        Add_Replay_Stat(
            team, slot, stat,
            static_cast<int32_t>(std::clamp<int64_t>(figure, -LARGEST_SEASON_FIGURE, LARGEST_SEASON_FIGURE)));
    };
    if (year <= LAST_PASS_DEFENDED_ESTIMATE_YEAR) estimate(6, value + 2 * interceptions, 280);
    if (year <= LAST_TACKLE_ESTIMATE_YEAR) {
        estimate(2, value, 336);
        estimate(3, value, 336);
    }
    if (year <= LAST_SACK_ESTIMATE_YEAR) estimate(4, value, 336);
}

bool Find_Line_Player(SEASONS_LINE& line, int32_t* team, int32_t* slot) {
    const int32_t id = Number(line, COLUMN_PLAYER_ID);
    if (id > 0) return Find_Player_By_ID(team, slot, id) != 0;
    if (line.Fields[COLUMN_EXTERNAL_ID][0] != '\0')
        return Find_Player_By_External_ID(team, slot, line.Fields[COLUMN_EXTERNAL_ID]) != 0;
    Remove_Character(line.Fields[COLUMN_NAME], '*');
    Remove_Character(line.Fields[COLUMN_NAME], '+');
    if (line.Fields[COLUMN_NAME][0] == '\0') return false;
    return Find_Player_By_Full_Name(team, slot, line.Fields[COLUMN_NAME]) != 0;
}

// Whether the line's team is one the league knows; multi-team totals of
// earlier years are dropped without a word.
bool Is_Known_Line_Team(SEASONS_LINE& line, int32_t year) {
    char* text = line.Fields[COLUMN_TEAM];
    if (text[0] == '\0') return false;
    if (Get_Team_From_Abbreviation(text, 0) != NO_TEAM) return true;
    if (Get_Team_From_Historic_Name(text, FIELD_SIZE) != NO_TEAM) return true;
    const bool totals =
        strcasecmp(text, "2TM") == 0 || strcasecmp(text, "3TM") == 0 || strcasecmp(text, "4TM") == 0;
    if (year < Get_Universe_Stat(BASE_YEAR) && strlen(text) < 5 && totals) return false;
    Report_System_Error("Unrecognized team abbreviation: %s (%d)", text, year);
    return false;
}

void Read_Replay_Line(char* text) {
    SEASONS_LINE line{};
    for (int32_t column = 1; column <= COLUMNS && text[0] != '\0'; ++column)
        if (Get_Next_Field(line.Fields[column], text, ',', FIELD_SIZE)) break;
    const char* flag = line.Fields[COLUMN_SEASON_FLAG];
    if (strcasecmp(flag, "PRE") == 0 || strcasecmp(flag, "POST") == 0 || strcasecmp(flag, "PRO") == 0) return;
    const int32_t year = Number(line, COLUMN_YEAR);
    if (year != Get_Current_Year()) return;
    int32_t team = NO_TEAM;
    int32_t slot = NO_PLAYER;
    if (!Find_Line_Player(line, &team, &slot)) return;
    if (!Is_Known_Line_Team(line, year)) return;
    Credit(line, team, slot, EVERY_PLAYER, std::size(EVERY_PLAYER));
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return;
    const int32_t group = Get_Position_Group(position);
    if (position == POSITION_QB) {
        Credit(line, team, slot, QUARTERBACK, std::size(QUARTERBACK));
        Add_Replay_Stat(team, slot, 19, Number(line, 30));
    }
    if (group == 0) {
        Credit(line, team, slot, BALL_CARRIER, std::size(BALL_CARRIER));
        if (position != POSITION_QB) {
            Credit(line, team, slot, RECEIVER, std::size(RECEIVER));
            Add_Replay_Stat(team, slot, 2, Number(line, 30));
        }
    }
    if (group == 0 || group == 2) Credit(line, team, slot, RETURNER, std::size(RETURNER));
    if (group == 2) {
        Credit(line, team, slot, DEFENDER, std::size(DEFENDER));
        Add_Replay_Stat(team, slot, 4, Half_Sacks(line, 43));
    }
    if (group == 3) Credit(line, team, slot, KICKER, std::size(KICKER));
    const int32_t value = Number(line, COLUMN_VALUE);
    if (value < 1) return;
    if (group == 1 || group == 2) Add_Replay_Stat(team, slot, 13, value);
    if (group == 2) Add_Old_Season_Estimates(line, team, slot, year, value);
}
} // namespace

int32_t Check_Seasons_CSV() {
    FILE* file = Open_Resolved_File(SEASONS_CSV_NAME, "r");
    if (file != nullptr) {
        fclose(file);
        return 1;
    }
    Show_Formatted_Message(
        "Read Error",
        "Unable to open %s. Please read the Help Files for a complete list of required files "
        "for the 'Import Stats' feature.",
        SEASONS_CSV_NAME);
    return 0;
}

// Building a season database from the file waits for the database builder;
// only the replay form is read here.
int32_t Load_Seasons_CSV(int32_t replay) {
    if (replay == 0) {
        Report_System_Error("Load_Seasons_CSV(0) needs the season database builder");
        return 0;
    }
    if (!Check_Seasons_CSV()) return 0;
    FILE* file = Open_Resolved_File(SEASONS_CSV_NAME, "r");
    if (file == nullptr) return 0;
    const int16_t replay_mode = Universe.Header.Replay_Mode;
    Universe.Header.Replay_Mode = static_cast<int16_t>(replay);
    Build_All_Player_Hashes();
    Skip_Line(file);
    char text[LINE_SIZE];
    For_Each_File_Line(file, text, LINE_SIZE, Read_Replay_Line);
    fclose(file);
    Universe.Header.Replay_Mode = replay_mode;
    return 1;
}
