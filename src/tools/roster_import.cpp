#include "tools/roster_import.h"

#include <cctype>
#include <cstring>
#include <iterator>
#include <string>
#include <strings.h>
#include <unordered_map>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/injuries.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "tools/position_abbreviations.h"
#include "tools/stats_input.h"

ROSTER_IMPORT_ENTRY Roster_Import_Entries[ROSTER_IMPORT_LIMIT];
int32_t Roster_Import_Count = 0;

namespace {
// The first entry of each id and of each key (lower case), for the entries
// read so far; rebuilt when the count of entries no longer matches.
struct ROSTER_INDEX {
    int32_t Count = -1;
    std::unordered_map<int32_t, int32_t> Ids;
    std::unordered_map<std::string, int32_t> Keys;
};
ROSTER_INDEX Roster_Index;

std::string Lower_Text(const char* text) {
    std::string lower = text;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return lower;
}

const ROSTER_INDEX& Current_Roster_Index() {
    if (Roster_Index.Count != Roster_Import_Count) {
        Roster_Index = ROSTER_INDEX{};
        for (int32_t n = 0; n < Roster_Import_Count; ++n) {
            Roster_Index.Ids.emplace(Roster_Import_Entries[n].Id, n);
            if (Roster_Import_Entries[n].Key[0] != '\0')
                Roster_Index.Keys.emplace(Lower_Text(Roster_Import_Entries[n].Key), n);
        }
        Roster_Index.Count = Roster_Import_Count;
    }
    return Roster_Index;
}
constexpr const char* PERSONNEL_FILE = "Input/Stats/Personnel.csv";
constexpr const char* SEASONS_LIST_FILE = "Input/Stats/Seasons.csv";
constexpr const char* OFFENSIVE_SYSTEMS[] = {"Traditional", "3 Wideouts", "2 Tight Ends", "2 Running Backs"};
constexpr int32_t TEAM_STAT_DEFENSIVE_SYSTEM = 4;
constexpr int32_t TEAM_STAT_OFFENSIVE_SYSTEM = 5;
constexpr int32_t SEASON_LIST_STEP_LINES = 33000;
constexpr int32_t SEASON_LIST_STEPS = 7;

void Show_Missing_File(const char* name) {
    Show_Formatted_Message("Read Error", "Unable to open %s.", name);
}

// A team field: abbreviation, then (when `historic`) the historic name, then
// the name; a club of no league team gives NO_TEAM.
int32_t Find_Field_Team(const char* field, bool historic) {
    char text[STATS_LINE_LIMIT];
    safe_strncpy(text, field, sizeof text);
    int32_t team = Get_Team_From_Abbreviation(text, 0);
    if (team == NO_TEAM && historic) team = Get_Team_From_Historic_Name(text, sizeof text);
    if (team == NO_TEAM) team = Get_Team_From_Name(text);
    return team == SKIPPED_TEAM_CODE ? NO_TEAM : team;
}

void Read_Roster_Line(const STATS_LINE& line) {
    if (Roster_Import_Count >= ROSTER_IMPORT_LIMIT) return;
    int32_t id = 0, weeks_out = 0;
    if (!Read_Int_Field(line, 2, &id) || !Read_Int_Field(line, 12, &weeks_out) ||
        !Check_Vital_Field(line, 12, VITAL_WEEKS_OUT, weeks_out, "weeks out"))
        return;
    const int32_t team = Find_Field_Team(line.Field(5), false);
    if (team == NO_TEAM) return;
    ROSTER_IMPORT_ENTRY& entry = Roster_Import_Entries[Roster_Import_Count];
    safe_strncpy(entry.Key, line.Field(1), sizeof entry.Key);
    entry.Id = id;
    entry.Team = static_cast<uint8_t>(team);
    entry.Expanded_Position = Parse_Position_Abbreviation(line.Field(6));
    entry.Position = entry.Expanded_Position < 0 ? -1 : Translate_Expanded_Position(entry.Expanded_Position);
    entry.Number = weeks_out;
    entry.Injury = Get_Injury_Index(line.Field(13));
    char name[STATS_LINE_LIMIT];
    if (line.Field(15)[0] != '\0')
        safe_strncpy(name, line.Field(15), sizeof name);
    else
        safe_sprintf(name, sizeof name, "%s %s", line.Field(3), line.Field(4));
    safe_strncpy(entry.Full_Name, name, ROSTER_NAME_LENGTH + 1);
    ++Roster_Import_Count;
}

// The personnel file writes a single quote before each field.
void Remove_Quotes(const char* field, char* out, int32_t size) {
    safe_strncpy(out, field, size);
    Remove_Character(out, '\'');
}

void Read_Personnel_Line(const STATS_LINE& line) {
    char year_text[32], team_text[STATS_LINE_LIMIT], offence[STATS_LINE_LIMIT], defence[STATS_LINE_LIMIT];
    Remove_Quotes(line.Field(1), year_text, sizeof year_text);
    Remove_Quotes(line.Field(2), team_text, sizeof team_text);
    Remove_Quotes(line.Field(3), offence, sizeof offence);
    Remove_Quotes(line.Field(4), defence, sizeof defence);
    STATS_LINE year_field;
    Split_Stats_Line(line.Source, line.Line_Number, year_text, &year_field);
    int32_t year = 0;
    if (!Read_Int_Field(year_field, 1, &year)) return;
    if (year != Get_Current_Year()) return;
    const int32_t team = Find_Field_Team(team_text, true);
    if (team == NO_TEAM) return;
    if (team >= TOTAL_NUMBER_OF_TEAMS) {
        Report_System_Error("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", team,
                            TEAM_STAT_OFFENSIVE_SYSTEM, 0);
        return;
    }
    int32_t system = 0;
    for (int32_t n = 0; n < static_cast<int32_t>(std::size(OFFENSIVE_SYSTEMS)); ++n)
        if (strcasecmp(offence, OFFENSIVE_SYSTEMS[n]) == 0) system = n;
    Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM, system);
    Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, strcmp(defence, "3-4") == 0 ? 1 : 0);
}

void Read_Season_List_Line(const STATS_LINE& line, int32_t year) {
    if (Roster_Import_Count >= ROSTER_IMPORT_LIMIT) return;
    int32_t id = 0, line_year = 0;
    if (!Read_Int_Field(line, 2, &id) || !Read_Int_Field(line, 4, &line_year)) return;
    if (line_year != year) return;
    const int32_t team = Find_Field_Team(line.Field(5), true);
    if (team == NO_TEAM) return;
    ROSTER_IMPORT_ENTRY& entry = Roster_Import_Entries[Roster_Import_Count];
    safe_strncpy(entry.Key, line.Field(1), sizeof entry.Key);
    entry.Id = id;
    entry.Team = static_cast<uint8_t>(team);
    char name[STATS_LINE_LIMIT];
    safe_strncpy(name, line.Field(7), sizeof name);
    if (char* star = strchr(name, '*')) *star = '\0';
    if (char* plus = strchr(name, '+')) *plus = '\0';
    safe_strncpy(entry.Full_Name, name, ROSTER_NAME_LENGTH + 1);
    ++Roster_Import_Count;
}
} // namespace

void Clear_Roster_Import_Entries() {
    for (ROSTER_IMPORT_ENTRY& entry : Roster_Import_Entries) {
        entry = ROSTER_IMPORT_ENTRY{};
        entry.Team = NO_TEAM;
        entry.Position = -1;
        entry.Expanded_Position = -1;
    }
    Roster_Import_Count = 0;
    Roster_Index = ROSTER_INDEX{};
}

bool Read_Rosters_CSV(int32_t year) {
    Clear_Roster_Import_Entries();
    char name[64];
    Make_Year_Stats_Input_Path(name, sizeof name, year, "rosters");
    STATS_FILE file;
    if (!Open_Stats_File(&file, name)) {
        Show_Missing_File(name);
        return false;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();)
        if (read > 0) Read_Roster_Line(line);
    Close_Stats_File(&file);
    return true;
}

void Read_Personnel_CSV() {
    STATS_FILE file;
    if (!Open_Stats_File(&file, PERSONNEL_FILE)) {
        Show_Missing_File(PERSONNEL_FILE);
        return;
    }
    Read_Stats_Header(&file);
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();)
        if (read > 0) Read_Personnel_Line(line);
    Close_Stats_File(&file);
}

void Read_Seasons_CSV(int32_t year) {
    STATS_FILE file;
    if (!Open_Stats_File(&file, SEASONS_LIST_FILE)) {
        Show_Missing_File(SEASONS_LIST_FILE);
        return;
    }
    int32_t& base_year = Universe.Header.Universe_Stats[BASE_YEAR];
    const int32_t kept_base_year = base_year;
    ++base_year;
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t lines = 0, steps = 0;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Season_List_Line(line, year);
        if (++lines % SEASON_LIST_STEP_LINES == 0 && steps < SEASON_LIST_STEPS) {
            Step_Progress(1);
            ++steps;
        }
    }
    if (steps < SEASON_LIST_STEPS) Step_Progress(SEASON_LIST_STEPS - steps);
    Close_Stats_File(&file);
    base_year = kept_base_year;
}

int32_t Find_Roster_Entry_By_Key(const char* text) {
    if (text == nullptr || text[0] == '\0') return -1;
    const ROSTER_INDEX& index = Current_Roster_Index();
    const auto found = index.Keys.find(Lower_Text(text));
    return found != index.Keys.end() ? found->second : -1;
}

int32_t Find_Roster_Entry_By_Id(int32_t id) {
    if (id <= 0) return -1;
    const ROSTER_INDEX& index = Current_Roster_Index();
    const auto found = index.Ids.find(id);
    return found != index.Ids.end() ? found->second : -1;
}

int32_t Find_Roster_Entry(int32_t id, const char* text) {
    const int32_t by_id = Find_Roster_Entry_By_Id(id);
    return by_id >= 0 ? by_id : Find_Roster_Entry_By_Key(text);
}
