#include "tools/league_input_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <strings.h>
#include <unordered_map>
#include <unordered_set>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/stadium_value.h"
#include "frontoffice/money.h"
#include "personnel/default_ratings.h"
#include "personnel/player_development.h"
#include "personnel/player_generation.h"
#include "personnel/player_identity.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "tools/city_lookup.h"
#include "tools/html_text.h"
#include "tools/position_abbreviations.h"
#include "tools/roster_import.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t SHORTEST_TEAM_LINE = 10;
constexpr int32_t MOST_BUILT_TEAMS = 32;
constexpr int32_t TEAM_STAT_TEAM_SCORE = 11;
constexpr int32_t FINANCE_FAN_BASE = 0;
constexpr int32_t FINANCE_TEAMS_FILE_AMOUNT = 1;
constexpr int32_t FINANCE_CASH = 68;
constexpr int32_t MOST_CREDITED_SEASONS = 30;
constexpr int32_t PLAYER_LINES_PER_STEP = 2700;
constexpr int32_t PLAYER_STEPS = 10;
constexpr int32_t FIRST_ROSTER_DETAIL_YEAR = 2017;
constexpr int32_t AGE_AT_DRAFT = 22;
constexpr int32_t FIRST_NAME_FIELD = 12;
constexpr int32_t LAST_NAME_FIELD = 20;
constexpr int32_t FIRST_NAME_FORMS_YEAR = 2009;

const char* const PLAYERS_FILE = "input/stats/players.csv";

const char* const LOAD_HELP_TEXT = "Unable to open %s. Please read the Help Files for a complete list of "
                                   "required files for the 'Import Stats' feature.";

// First names the old files wrote as one word, and their two words.
constexpr const char* JOINED_FIRST_NAMES[][2] = {
    {"BillyJoe", "Billy Joe"}, {"JoeBob", "Joe Bob"}, {"BobbyRay", "Bobby Ray"}};

void Missing_Input(const char* caption, const char* format, const char* name) {
    Show_Formatted_Message(caption, format, name);
    Fail_Stats_Inputs();
}

int32_t Days_In_Month(int32_t year, int32_t month) {
    static constexpr int32_t DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
    return DAYS[month - 1];
}

// Height written as feet, an apostrophe and inches with a double quote
// (6'2"); empty is unknown (0). False after reporting anything else.
bool Read_Height(const STATS_LINE& line, int32_t column, int32_t* inches) {
    *inches = 0;
    const char* text = line.Field(column);
    while (*text == ' ')
        ++text;
    if (*text == '\0') return true;
    int32_t feet = 0, rest = 0, digits = 0;
    const char* c = text;
    for (; isdigit(static_cast<unsigned char>(*c)) && digits < 3; ++c, ++digits)
        feet = feet * 10 + (*c - '0');
    bool good = digits > 0 && *c == '\'';
    if (good) {
        ++c;
        digits = 0;
        for (; isdigit(static_cast<unsigned char>(*c)) && digits < 3; ++c, ++digits)
            rest = rest * 10 + (*c - '0');
        if (*c == '"') ++c;
        while (*c == ' ')
            ++c;
        good = *c == '\0' && feet >= 4 && feet <= 7 && rest <= 11;
    }
    if (!good) {
        char problem[96];
        snprintf(problem, sizeof problem, "\"%.20s\" is not a height", text);
        Report_Field_Error(line, column, problem);
        return false;
    }
    *inches = feet * 12 + rest;
    return true;
}

// The birth date of columns 25-27; all three 0 is unknown.
bool Read_Birth_Date(const STATS_LINE& line, int32_t* month, int32_t* day, int32_t* year) {
    if (!Read_Int_Field(line, 25, month) || !Read_Int_Field(line, 26, day) || !Read_Int_Field(line, 27, year))
        return false;
    if (*month == 0 && *day == 0 && *year == 0) return true;
    if (*year < 1850 || *year > 2100 || *month < 1 || *month > 12 || *day < 1 ||
        *day > Days_In_Month(*year, *month)) {
        char problem[96];
        snprintf(problem, sizeof problem, "%d/%d/%d is not a date", *month, *day, *year);
        Report_Field_Error(line, 25, problem);
        return false;
    }
    return true;
}

// The roster entry a players line stands for: by a positive id first, else
// by the key; consumed when found.
int32_t Take_Roster_Entry(int32_t id, const char* key) {
    int32_t entry = id > 0 ? Find_Roster_Entry_By_Id(id) : -1;
    if (entry < 0) entry = Find_Roster_Entry_By_Key(key);
    return entry;
}

bool Is_Roster_Team(int32_t team) {
    return Is_Used_Franchise_Slot(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

int32_t Find_Drafting_Team(const char* text) {
    char name[STATS_LINE_LIMIT];
    safe_strncpy(name, text, sizeof name);
    if (name[0] == '\0') return NO_TEAM;
    int32_t team = Get_Team_From_Abbreviation(name, 0);
    if (team == NO_TEAM) team = Get_Team_From_Historic_Name(name, sizeof name);
    return Is_Used_Franchise_Slot(team) ? team : NO_TEAM;
}

bool Is_Upper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool Is_Lower(char c) {
    return c >= 'a' && c <= 'z';
}

// Lowers every capital at positions 1 .. size-2 that follows neither a
// blank, an apostrophe nor a hyphen and has no point after it.
void Lower_Inner_Capitals(char* name, int32_t size) {
    for (int32_t n = 1; n < size - 1 && name[n] != '\0'; ++n) {
        const char before = name[n - 1];
        if (!Is_Upper(name[n]) || before == ' ' || before == '\'' || before == '-' || name[n + 1] == '.')
            continue;
        name[n] = static_cast<char>(name[n] - 'A' + 'a');
    }
}

// Removes blanks at positions 1-3 by closing the gap.
void Close_Early_Blanks(char* name) {
    for (int32_t n = 3; n >= 1; --n)
        if (static_cast<int32_t>(strlen(name)) > n && name[n] == ' ')
            memmove(name + n, name + n + 1, strlen(name + n));
}

void Tidy_First_Name(char* name, int32_t year) {
    if (strlen(name) == 2 && Is_Upper(name[1])) {
        const char initials[5] = {name[0], '.', name[1], '.', '\0'};
        safe_strncpy(name, initials, FIRST_NAME_FIELD);
    }
    for (const auto& joined : JOINED_FIRST_NAMES)
        if (strcmp(name, joined[0]) == 0) safe_strncpy(name, joined[1], FIRST_NAME_FIELD);
    if (year >= FIRST_NAME_FORMS_YEAR) return;
    Lower_Inner_Capitals(name, FIRST_NAME_FIELD);
    Close_Early_Blanks(name);
}

void Tidy_Last_Name(char* name) {
    bool has_lower = false;
    for (const char* c = name; *c != '\0'; ++c)
        has_lower = has_lower || Is_Lower(*c);
    Lower_Inner_Capitals(name, LAST_NAME_FIELD);
    if (!has_lower) Close_Early_Blanks(name);
    if (strncmp(name, "Mc", 2) == 0 && Is_Lower(name[2])) name[2] = static_cast<char>(name[2] - 'a' + 'A');
    // "StJohn" becomes "St. John" when the field has room for the two characters.
    if (strncmp(name, "St", 2) == 0 && Is_Upper(name[2]) && strlen(name) + 2 < LAST_NAME_FIELD) {
        memmove(name + 4, name + 2, strlen(name + 2) + 1);
        name[2] = '.';
        name[3] = ' ';
    }
}
} // namespace

bool Load_League_Names_CSV() {
    char name[64];
    safe_sprintf(name, sizeof name, "input/stats/leagues/%d_league.csv", Get_Universe_Stat(BASE_YEAR));
    STATS_FILE file;
    if (!Open_Stats_File(&file, name)) {
        Missing_Input("Read Error", "Unable to open %s. Please re-install Football Korva.", name);
        return false;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES && !Should_Stop_Stats_Reading(); ++league) {
        const int32_t read = Read_Stats_Line(&file, &line);
        if (read == 0) break;
        if (read < 0) continue;
        Set_League_Abbreviation(league, line.Field(1));
        for (int32_t division = 0; division < 4; ++division)
            Set_Division_Name(4 * league + division, line.Field(2 + division));
    }
    Close_Stats_File(&file);
    return true;
}

void Read_Team_Line(const STATS_LINE& line) {
    size_t length = 0;
    for (int32_t column = 1; column <= line.Count; ++column)
        length += strlen(line.Field(column)) + 1;
    const char first = line.Field(1)[0];
    if (length < SHORTEST_TEAM_LINE + 1 || !isalpha(static_cast<unsigned char>(first))) return;
    int32_t figures[18] = {};
    for (int32_t column : {5, 8, 9, 10, 11, 12, 13, 15, 17})
        if (!Read_Int_Field(line, column, &figures[column])) return;
    int64_t amount = 0;
    if (!Read_Money_Field(line, 14, &amount)) return;
    if (figures[15] < 0 || figures[15] >= NUMBER_OF_DIVISIONS) {
        Report_Field_Error(line, 15, "a division outside 0-7");
        return;
    }
    if (Count_Division_Teams(figures[15]) >= MOST_DIVISION_TEAMS) {
        Report_Field_Error(line, 15, "a division that already holds 13 teams");
        return;
    }
    // The seat grades (convenience, comfort, sight lines) and the fan base.
    for (int32_t column : {10, 11, 12})
        if (figures[column] < 0 || figures[column] > MOST_SEAT_GRADE) {
            Report_Field_Error(line, column, "a seat grade outside 0-10000");
            return;
        }
    if (figures[13] < 0 || figures[13] > MOST_FAN_LOYALTY) {
        Report_Field_Error(line, 13, "a fan base outside 0-10000");
        return;
    }
    const int32_t team = Refresh_Active_Team_Count();
    if (team >= MAX_FRANCHISES) return;
    Set_Team_Abbreviation(line.Field(1), team);
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_Team_Financial_Stat(team, FINANCE_CASH, Get_Base_Cash());
    Set_Team_Location(line.Field(2), team);
    Set_Team_Nickname(line.Field(3), team);
    Set_Team_Stadium_Name(line.Field(4), team);
    Set_Team_Stadium_Stat(team, STADIUM_CAPACITY, figures[5]);
    const char* roof = line.Field(6);
    Set_Team_Stadium_Stat(team, STADIUM_STRUCTURE,
                          strcasecmp(roof, "CONVERTIBLE") == 0 ? 2
                          : strcasecmp(roof, "DOMED") == 0     ? 1
                                                               : 0);
    Set_Team_Stadium_Stat(team, STADIUM_SURFACE,
                          strcasecmp(line.Field(7), "CARPET") == 0 ? STADIUM_CARPET : STADIUM_GRASS);
    for (int32_t n = 0; n < 5; ++n)
        Set_Team_Stadium_Stat(team, STADIUM_YEAR_BUILT + n, figures[8 + n]);
    Set_Team_Financial_Stat(team, FINANCE_FAN_BASE, figures[13]);
    Set_Team_Financial_Stat(team, FINANCE_TEAMS_FILE_AMOUNT,
                            Round_To_Money_Step(Apply_Inflation(static_cast<int32_t>(amount))));
    Set_Team_Stat(team, TEAM_STAT_DIVISION, figures[15]);
    int32_t city = Find_City_By_Name(line.Field(16));
    if (city < 0) {
        Show_Formatted_Message("Invalid City Name",
                               "Can't find '%s' among City Names. Using first city in list.", line.Field(16));
        city = 0;
    }
    Set_Team_Stat(team, TEAM_STAT_HOME_CITY, city);
    if (figures[17] > 0) Set_Team_Stat(team, TEAM_STAT_TEAM_SCORE, figures[17]);
    Refresh_Active_Team_Count();
}

bool Load_Teams_CSV() {
    char name[64];
    Make_Year_Stats_Input_Path(name, sizeof name, Get_Universe_Stat(BASE_YEAR), "teams");
    STATS_FILE file;
    if (!Open_Stats_File(&file, name)) {
        Missing_Input("File Read Error",
                      "Can't open input file: %s\nPlease re-install Football Korva.\n\n(Korva Error #535)",
                      name);
        return false;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t read = 0;
    while (Count_Active_Teams() < MOST_BUILT_TEAMS && (read = Read_Stats_Line(&file, &line)) != 0 &&
           !Should_Stop_Stats_Reading())
        if (read > 0) Read_Team_Line(line);
    Close_Stats_File(&file);
    return true;
}

void Read_Player_Line(const STATS_LINE& line) {
    int32_t id = 0, uniform = 0, weight = 0, seasons = 0, draft_year = 0, draft_round = 0, draft_pick = 0;
    int32_t height = 0, month = 0, day = 0, year = 0;
    if (!Read_Int_Field(line, 3, &id) || !Read_Int_Field(line, 5, &uniform) ||
        !Read_Height(line, 11, &height) || !Read_Int_Field(line, 12, &weight) ||
        !Read_Int_Field(line, 14, &seasons) || !Read_Int_Field(line, 19, &draft_year) ||
        !Read_Int_Field(line, 20, &draft_round) || !Read_Int_Field(line, 21, &draft_pick) ||
        !Read_Birth_Date(line, &month, &day, &year))
        return;
    if (!Check_Vital_Field(line, 11, VITAL_HEIGHT, height, "a height") ||
        !Check_Vital_Field(line, 12, VITAL_WEIGHT, weight, "a weight") ||
        !Check_Vital_Field(line, 14, VITAL_CREDITED_SEASONS, std::min(seasons, MOST_CREDITED_SEASONS),
                           "seasons played"))
        return;
    if (id < 0) {
        Report_Field_Error(line, 3, "a negative player id");
        return;
    }
    const char* key = line.Field(1)[0] != '\0' ? line.Field(1) : line.Field(2);
    const int32_t entry = Take_Roster_Entry(id, key);
    if (entry < 0) return;
    const int32_t team = Roster_Import_Entries[entry].Team;
    Roster_Import_Entries[entry].Team = NO_TEAM;
    if (!Is_Roster_Team(team)) return;
    const int32_t slot = Find_Empty_Player_Slot(team);
    if (slot < 0) {
        char abbreviation[TEAM_STRING_LENGTH] = "";
        Get_Team_String(abbreviation, team, 0);
        Report_System_Error("Can't find empty Player Slot on %s.", abbreviation);
        return;
    }
    Clear_Player(team, slot);
    Set_Player_First_Name(team, slot, line.Field(6));
    Set_Player_Last_Name(team, slot, line.Field(7));
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, uniform);
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, id);
    if (id == 0) Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, Generate_Unique_Player_ID(team, slot));
    Init_Imported_Player_Fields(team, slot);
    Clear_Player_Season_Line_Links(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER, 0);
    Set_Player_External_ID(team, slot, key);
    Set_Player_Position_From_Text(team, slot, line.Field(9));
    if (!Is_Player_Slot_Used(team, slot)) return;
    Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT, height);
    Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, weight);
    char college[STATS_LINE_LIMIT];
    safe_strncpy(college, line.Field(13), sizeof college);
    Strip_HTML_Tags(college);
    Set_Player_College(team, slot, college);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS,
                          seasons < MOST_CREDITED_SEASONS ? seasons : MOST_CREDITED_SEASONS);
    const int32_t drafted_by = Find_Drafting_Team(line.Field(18));
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, (drafted_by + 1) * 10000 + draft_year);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT, draft_round * 100000 + draft_pick);
    if (month == 0 && day == 0 && year == 0 && draft_year > 0) {
        year = draft_year - AGE_AT_DRAFT;
        month = 1;
        day = 1;
    }
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, year * 10000 + month * 100 + day);
    if (Get_Universe_Stat(BASE_YEAR) >= FIRST_ROSTER_DETAIL_YEAR) {
        const ROSTER_IMPORT_ENTRY& detail = Roster_Import_Entries[entry];
        if (detail.Position >= 0 && detail.Position < NUMBER_OF_POSITIONS)
            Set_Player_Vital_Stat(team, slot, VITAL_POSITION, detail.Position);
        if (detail.Expanded_Position >= 0 && detail.Expanded_Position < NUMBER_OF_EXPANDED_POSITIONS)
            Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, detail.Expanded_Position);
        Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, detail.Injury);
        Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, detail.Number);
    }
    Set_Default_Ratings_By_Position(team, slot);
}

bool Load_Players_CSV() {
    STATS_FILE file;
    if (!Open_Stats_File(&file, PLAYERS_FILE)) {
        Missing_Input("Read Error", LOAD_HELP_TEXT, PLAYERS_FILE);
        return false;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t lines = 0, steps = 0;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Player_Line(line);
        if (++lines % PLAYER_LINES_PER_STEP == 0 && steps < PLAYER_STEPS) {
            Step_Progress(1);
            ++steps;
        }
    }
    if (steps < PLAYER_STEPS) Step_Progress(PLAYER_STEPS - steps);
    Close_Stats_File(&file);
    return true;
}

namespace {
std::unique_ptr<std::unordered_map<std::string, PLAYER_LOCATION>> External_Key_Index;
std::unique_ptr<std::unordered_set<int32_t>> Player_Id_Index;

std::string Lower_Key(const char* key) {
    std::string lower = key;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return lower;
}
} // namespace

void Build_Player_Lookup_Index() {
    External_Key_Index = std::make_unique<std::unordered_map<std::string, PLAYER_LOCATION>>();
    Player_Id_Index = std::make_unique<std::unordered_set<int32_t>>();
    char own[EXTERNAL_ID_KEY_SIZE + 1];
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Player_Id_Index->insert(Get_Player_ID(team, slot));
            Get_Player_External_ID(team, slot, own);
            if (own[0] == '\0') continue;
            External_Key_Index->emplace(
                Lower_Key(own), PLAYER_LOCATION{static_cast<uint8_t>(team), static_cast<uint8_t>(slot)});
        }
}

void Drop_Player_Lookup_Index() {
    External_Key_Index.reset();
    Player_Id_Index.reset();
}

int32_t Find_Listed_Player_By_ID(int32_t* team, int32_t* slot, int32_t id) {
    if (Player_Id_Index && Player_Id_Index->count(id) == 0) return 0;
    return Find_Player_By_ID(team, slot, id);
}

PLAYER_LOCATION Find_Player_By_External_Key(const char* key) {
    if (External_Key_Index && key != nullptr && key[0] != '\0') {
        const auto found = External_Key_Index->find(Lower_Key(key));
        return found != External_Key_Index->end() ? found->second : PLAYER_LOCATION{NO_TEAM, NO_PLAYER};
    }
    if (key != nullptr && key[0] != '\0') {
        char own[EXTERNAL_ID_KEY_SIZE + 1];
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
                if (!Is_Player_Slot_Used(team, slot)) continue;
                Get_Player_External_ID(team, slot, own);
                if (strcasecmp(own, key) == 0)
                    return PLAYER_LOCATION{static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
            }
    }
    return PLAYER_LOCATION{NO_TEAM, NO_PLAYER};
}

void Fix_Joined_First_Names() {
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
            char first[FIRST_NAME_FIELD + 4] = "", last[LAST_NAME_FIELD + 4] = "";
            memcpy(first, player->First_Name, FIRST_NAME_FIELD);
            first[FIRST_NAME_FIELD - 1] = '\0';
            memcpy(last, player->Last_Name, LAST_NAME_FIELD);
            last[LAST_NAME_FIELD - 1] = '\0';
            Tidy_First_Name(first, year);
            if (year < FIRST_NAME_FORMS_YEAR) Tidy_Last_Name(last);
            Set_Player_First_Name(team, slot, first);
            Set_Player_Last_Name(team, slot, last);
        }
    }
}
