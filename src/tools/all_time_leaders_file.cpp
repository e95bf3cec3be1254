#include "tools/all_time_leaders_file.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "season/all_time_leaders.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LEADERS_SEASON = 2022;
constexpr int32_t LEADERS_PROGRESS_RANGE = 1500;
constexpr int32_t YOUNGEST_LEADER_AGE = 20;
constexpr const char* LEADERS_FILE = "input/stats/atl.txt";
constexpr const char* LIST_HEADERS[ALL_TIME_LEADER_KINDS] = {
    "ALL_TIME_LEADER_CAREER", "ALL_TIME_LEADER_SEASON", "ALL_TIME_LEADER_GAME"};

struct LEADER_LABEL {
    const char* Label;
    int32_t Position;
};
constexpr LEADER_LABEL LEADER_LABELS[LEADER_STAT_LABELS] = {
    {"ATTEMPTS", POSITION_QB},
    {"COMPLETIONS", POSITION_QB},
    {"PASS_YARDS", POSITION_QB},
    {"COMPLETION_PERCENTAGE", POSITION_QB},
    {"PASS_TOUCHDOWNS", POSITION_QB},
    {"YARDS_PER_ATTEMPT", POSITION_QB},
    {"PASSER_RATING", POSITION_QB},
    {"PASSING_PER_GAME", POSITION_QB},
    {"KICK_RETURN_AVERAGE", POSITION_CB},
    {"KICK_RETURN_TDS", POSITION_CB},
    {"RUSHES", POSITION_RB},
    {"RUSH_YARDS", POSITION_RB},
    {"RUSH_TOUCHDOWNS", POSITION_RB},
    {"YARDS_PER_RUSH", POSITION_RB},
    {"RECEPTIONS", POSITION_WR},
    {"RECEIVING_YARDS", POSITION_WR},
    {"RECEIVING_TOUCHDOWNS", POSITION_WR},
    {"YARDS_PER_RECEPTION", POSITION_WR},
    {"CATCH_RATE", POSITION_WR},
    {"PUNT_RETURN_AVERAGE", POSITION_CB},
    {"PUNT_RETURN_TDS", POSITION_CB},
    {"TACKLES", POSITION_LB},
    {"KNOCKDOWNS", POSITION_CB},
    {"FUMBLES_FORCED", POSITION_DE},
    {"SACKS", POSITION_DE},
    {"INTERCEPTIONS", POSITION_CB},
    {"FIELD_GOALS", POSITION_K},
    {"FIELD_GOAL_PERCENTAGE", POSITION_K},
    {"AVERAGE_PUNT", POSITION_P},
    {"SALARY_CAP_IMPACT", POSITION_QB},
};

struct LIST_STATE {
    int32_t Kind = ATL_KIND_CAREER;
    int32_t Statistic = 0;
    int32_t Rank = 0;
};

int32_t Find_List_Header(const char* text) {
    for (int32_t kind = 0; kind < ALL_TIME_LEADER_KINDS; ++kind)
        if (strcasecmp(text, LIST_HEADERS[kind]) == 0) return kind;
    return -1;
}

// Links an entry to the player of its name: the only one of that name, else
// the likeliest at the statistic's position.
void Link_Leader_Entry(ALL_TIME_LEADER_ENTRY* entry, int32_t kind, int32_t statistic) {
    char name[PLAYER_NAME_TEXT_SIZE];
    safe_sprintf(name, sizeof name, "%s %s", entry->First_Name, entry->Last_Name);
    PLAYER_LOCATION where{NO_TEAM, NO_PLAYER};
    if (Log_Roster_Name_Problems(&where, name) == 0)
        Find_Player_By_Name(&where, name, NO_TEAM_HINT, Get_Leader_Stat_Position(statistic));
    entry->Team = NO_TEAM;
    if (where.Team == NO_TEAM || !Is_Player_Slot_Used(where.Team, where.Slot)) return;
    const int32_t age = entry->Year - Get_Player_Vital_Stat(where.Team, where.Slot, VITAL_BIRTH_DATE) / 10000;
    if (age <= YOUNGEST_LEADER_AGE) return;
    entry->Player_ID = Get_Player_ID(where.Team, where.Slot);
    if (kind == ATL_KIND_CAREER) return;
    entry->Team = static_cast<uint8_t>(Get_Player_Team_In_Year(where.Team, where.Slot, entry->Year));
    entry->Age = static_cast<int8_t>(std::min(age, 127));
}

void Read_Leader_Line(const STATS_LINE& line, LIST_STATE* list) {
    if (line.Count < 2) return;
    const int32_t kind = Find_List_Header(line.Field(1));
    if (kind >= 0) {
        list->Kind = kind;
        list->Statistic = Find_Leader_Stat_String(line.Field(2));
        list->Rank = 0;
        return;
    }
    // The entries of a list whose label is unknown have no list to go to.
    if (list->Statistic < 0 || list->Rank >= ALL_TIME_LEADER_ENTRIES) return;
    ALL_TIME_LEADER_ENTRY entry{};
    safe_strncpy(entry.First_Name, line.Field(1), sizeof entry.First_Name);
    safe_strncpy(entry.Last_Name, line.Field(2), sizeof entry.Last_Name);
    int32_t column = 3, year = 0, value = 0;
    if (list->Kind != ATL_KIND_CAREER) {
        if (!Read_Whole_Part_Field(line, column++, &year)) return;
        entry.Week = -1;
    }
    if (!Read_Whole_Part_Field(line, column, &value)) return;
    entry.Year = static_cast<int16_t>(std::clamp(year, -32768, 32767));
    entry.Value = value;
    Link_Leader_Entry(&entry, list->Kind, list->Statistic);
    Set_All_Time_Leader(list->Kind, list->Statistic, list->Rank++, entry);
}
} // namespace

int32_t Find_Leader_Stat_String(const char* label) {
    for (int32_t n = 0; n < LEADER_STAT_LABELS; ++n)
        if (label != nullptr && strcasecmp(label, LEADER_LABELS[n].Label) == 0) return n;
    char text[2048];
    safe_sprintf(text, sizeof text, "Unrecognized Label: %s\nPlease use the following stat labels: ",
                 label != nullptr ? label : "");
    for (int32_t n = 0; n < LEADER_STAT_LABELS; ++n)
        safe_strcatf(text, sizeof text, n == 0 ? "%s" : ", %s", LEADER_LABELS[n].Label);
    Show_Formatted_Message("Find_Leader_Stat_String()", "%s", text);
    return -1;
}

int32_t Get_Leader_Stat_Position(int32_t statistic) {
    return LEADER_LABELS[std::clamp(statistic, 0, LEADER_STAT_LABELS - 1)].Position;
}

const char* Get_Leader_Stat_Label(int32_t statistic) {
    return LEADER_LABELS[std::clamp(statistic, 0, LEADER_STAT_LABELS - 1)].Label;
}

void Load_All_Time_Leaders_File() {
    if (Get_Current_Year() != LEADERS_SEASON) return;
    const bool opened = Open_Progress_Window("Loading All-Time Leaders", LEADERS_PROGRESS_RANGE) != 0;
    memset(Universe.Tail.All_Time_Leaders, 0, sizeof Universe.Tail.All_Time_Leaders);
    STATS_FILE file;
    if (!Open_Stats_File(&file, LEADERS_FILE)) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", LEADERS_FILE);
        if (opened) Close_Progress_Window();
        return;
    }
    // Lines hold two, three or four fields by their kind.
    file.Check_Field_Count = false;
    LIST_STATE list;
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        // The window already open (a build's) is stepped when none of its own could open.
        Step_Progress(1);
        if (read > 0) Read_Leader_Line(line, &list);
    }
    Close_Stats_File(&file);
    if (opened) Close_Progress_Window();
}
