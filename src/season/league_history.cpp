#include "season/league_history.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/expansion_draft.h"
#include "tools/city_lookup.h"

namespace {
// Icon of a question box.
constexpr unsigned BOX_QUESTION = 0x20;

struct CITY_AND_NICKNAME {
    char City[HISTORY_TEXT_LENGTH];
    char Nickname[HISTORY_TEXT_LENGTH];
};

// "location,nickname" split at its first comma.
CITY_AND_NICKNAME Split_Team_Text(const char* text) {
    CITY_AND_NICKNAME parts{};
    const char* comma = strchr(text, ',');
    if (comma == nullptr) {
        safe_strncpy(parts.City, text, HISTORY_TEXT_LENGTH);
        return parts;
    }
    const int32_t length = std::min<int32_t>(static_cast<int32_t>(comma - text), HISTORY_TEXT_LENGTH - 1);
    memcpy(parts.City, text, length);
    parts.City[length] = '\0';
    safe_strncpy(parts.Nickname, comma + 1, HISTORY_TEXT_LENGTH);
    return parts;
}

bool Is_Simulating_Seasons() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) != 0;
}

// The question put to a human owner and the news of the event, per type.
struct EVENT_TEXTS {
    const char* Question;
    const char* Caption;
};

EVENT_TEXTS Get_Event_Question(int32_t type) {
    switch (type) {
    case HISTORY_FRANCHISE_MOVE:
        return {"Would you like to move the %s to %s and change their name to the %s?", "Move Team"};
    case HISTORY_NEW_FRANCHISE:
        return {"Would you like to disband the %s and form a new franchise (the %s %s)?", "Move Team"};
    case HISTORY_NAME_CHANGE:
        return {"Would you like to change the %s to the %s %s?", "Name Change"};
    case HISTORY_NEW_STADIUM:
        return {"Would you like to move the %s to a new stadium (%s)?", "New Stadium"};
    case HISTORY_STADIUM_CHANGE:
        return {"Would you like to move the %s to %s?", "Stadium Change"};
    case HISTORY_STADIUM_NAME_CHANGE:
        return {"Would you like to change the %s stadium name from %s to %s?", "Name Change"};
    default:
        return {nullptr, nullptr};
    }
}

// Asks a human owner or tells the league; false when the owner declines.
bool Announce_Event(const HISTORY_EVENT& row, int32_t team, const char* old_name) {
    if (Is_Simulating_Seasons()) return true;
    const CITY_AND_NICKNAME parts = Split_Team_Text(row.Text);
    char stadium[TEAM_STRING_LENGTH] = "";
    if (team != NO_TEAM) Get_Team_String(stadium, team, 3);
    char text[TEXT_BUFFER_SIZE];
    const int32_t type = row.Type;
    if (type == HISTORY_NEW_LEAGUE) {
        Show_Formatted_Message("League News", "A new league has been created: %s.", row.League);
        return true;
    }
    const EVENT_TEXTS question = Get_Event_Question(type);
    if (question.Question == nullptr) return true;
    if (Is_Human_Team(team)) {
        switch (type) {
        case HISTORY_FRANCHISE_MOVE:
            safe_sprintf(text, sizeof text, question.Question, old_name, parts.City, parts.Nickname);
            break;
        case HISTORY_NEW_FRANCHISE:
        case HISTORY_NAME_CHANGE:
            safe_sprintf(text, sizeof text, question.Question, old_name, parts.City, parts.Nickname);
            break;
        case HISTORY_STADIUM_NAME_CHANGE:
            safe_sprintf(text, sizeof text, question.Question, old_name, stadium, row.Text);
            break;
        default:
            safe_sprintf(text, sizeof text, question.Question, old_name, row.Text);
            break;
        }
        return Show_Message_Box(text, question.Caption, BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL) ==
               ID_BOX_YES;
    }
    switch (type) {
    case HISTORY_FRANCHISE_MOVE:
        Show_Formatted_Message("League News", "The %s have moved. They are now the %s %s.", old_name,
                               parts.City, parts.Nickname);
        break;
    case HISTORY_NEW_FRANCHISE:
        Show_Formatted_Message(
            "League News",
            "The %s have been disbanded. The %s %s have been enfranchised with the remains of "
            "the %s.",
            old_name, parts.City, parts.Nickname, old_name);
        break;
    case HISTORY_NAME_CHANGE:
        Show_Formatted_Message("League News", "The %s have changed their name to the %s %s.", old_name,
                               parts.City, parts.Nickname);
        break;
    case HISTORY_NEW_STADIUM:
        Show_Formatted_Message("League News", "The %s have a new stadium: %s.", old_name, row.Text);
        break;
    case HISTORY_STADIUM_CHANGE:
        Show_Formatted_Message("League News", "The %s are moving to %s.", old_name, row.Text);
        break;
    case HISTORY_STADIUM_NAME_CHANGE:
        Show_Formatted_Message("League News", "The %s have changed the name of their stadium from %s to %s.",
                               old_name, stadium, row.Text);
        break;
    default:
        break;
    }
    return true;
}

void Set_Home_City_By_Name(int32_t team, const char* city) {
    const int32_t index = Find_City_By_Name(city);
    if (index >= 0) Set_Team_Stat(team, TEAM_STAT_HOME_CITY, index);
}

void Apply_Event(const HISTORY_EVENT& row, int32_t team) {
    const int32_t league = Get_League_Index_From_Name(row.League);
    switch (row.Type) {
    case HISTORY_FRANCHISE_MOVE:
    case HISTORY_NEW_FRANCHISE:
    case HISTORY_NAME_CHANGE: {
        const CITY_AND_NICKNAME parts = Split_Team_Text(row.Text);
        if (row.Type != HISTORY_NAME_CHANGE) Set_Home_City_By_Name(team, parts.City);
        Set_Team_Nickname(parts.Nickname, team);
        Set_Team_Location(parts.City, team);
        if (row.Abbreviation[0] != '\0') Set_Team_Abbreviation(row.Abbreviation, team);
        Sort_Teams_By_Name();
        Update_Standings_And_Seeding();
        break;
    }
    case HISTORY_HOME_CITY_CHANGE:
        Set_Home_City_By_Name(team, row.Text);
        break;
    case HISTORY_NEW_STADIUM:
    case HISTORY_STADIUM_CHANGE:
    case HISTORY_STADIUM_NAME_CHANGE:
        Set_Team_Stadium_Name(row.Text, team);
        break;
    case HISTORY_NEW_LEAGUE:
        Set_League_Abbreviation(Count_Leagues(), row.League);
        break;
    case HISTORY_LEAGUE_NAME_CHANGE:
        Set_League_Abbreviation(league, row.Text);
        break;
    case HISTORY_NEW_DIVISION:
    case HISTORY_DIVISION_NAME_CHANGE:
        Set_Division_Name(4 * league + row.Division, row.Text);
        break;
    case HISTORY_REALIGNMENT:
        Set_Team_Stat(team, TEAM_STAT_DIVISION, 4 * league + row.Division);
        Update_Standings();
        break;
    default:
        break;
    }
}

bool Needs_Team(int32_t type) {
    return type < HISTORY_NEW_LEAGUE || type > HISTORY_DIVISION_NAME_CHANGE;
}

// Rows that give a franchise a new location and nickname.
bool Renames_Franchise(int32_t type) {
    return type == HISTORY_FRANCHISE_MOVE || type == HISTORY_NEW_FRANCHISE || type == HISTORY_NAME_CHANGE;
}

// Carries a franchise ("location,nickname") and its abbreviation through the
// rows of the years after `since` up to `year` that rename it.
void Follow_Franchise(std::string* franchise, std::string* abbreviation, int32_t since, int32_t year) {
    for (const HISTORY_EVENT& row : League_History_Events) {
        if (row.Year <= since || row.Year > year || !Renames_Franchise(row.Type) || *franchise != row.Team)
            continue;
        *franchise = row.Text;
        if (row.Abbreviation[0] != '\0') *abbreviation = row.Abbreviation;
    }
}
} // namespace

int32_t Get_League_Index_From_Name(const char* name) {
    if (name == nullptr) return 0;
    char league[LEAGUE_NAME_LENGTH];
    for (int32_t n = 0; n < NUMBER_OF_LEAGUES; ++n) {
        Get_League_Name(n, league);
        if (strcasecmp(league, name) == 0) return n;
    }
    return 0;
}

void Apply_League_History_Events(int32_t year) {
    for (const HISTORY_EVENT& row : League_History_Events) {
        if (row.Year != year || row.Type == HISTORY_EXPANSION_TEAM) continue;
        const int32_t team = Get_Team_From_Name(row.Team);
        if (team == NO_TEAM && Needs_Team(row.Type)) continue;
        char old_name[FORMATTED_TEXT_SIZE] = "";
        if (team != NO_TEAM) Get_Team_Full_Name(team, old_name);
        if (!Announce_Event(row, team, old_name)) continue;
        Apply_Event(row, team);
    }
}

std::string Get_Renamed_Franchise_Abbreviation(const char* abbreviation, int32_t since, int32_t year) {
    std::string result = abbreviation != nullptr ? abbreviation : "";
    // The franchise ("location,nickname") the last row by `since` that gave
    // the abbreviation named.
    std::string franchise;
    for (const HISTORY_EVENT& row : League_History_Events) {
        if (row.Year > since) break;
        if (result.empty() || result != row.Abbreviation) continue;
        if (row.Type == HISTORY_EXPANSION_TEAM) franchise = row.Team;
        if (Renames_Franchise(row.Type)) franchise = row.Text;
    }
    if (franchise.empty()) return result;
    Follow_Franchise(&franchise, &result, since, year);
    return result;
}

std::string Get_Franchise_Name_In_Year(const std::string& franchise, int32_t since, int32_t year) {
    std::string name = franchise, abbreviation;
    Follow_Franchise(&name, &abbreviation, since, year);
    return name;
}

void Apply_League_History_For_Next_Year() {
    const int32_t year = Get_Current_Year() + 1;
    Apply_League_History_Events(year);
    Expand_League_For_Year(year);
}

void Get_State_Name(char* buffer, int32_t size, int32_t row, int32_t column) {
    if (buffer == nullptr || size <= 0) return;
    row = std::clamp(row, 0, STATE_NAME_ROWS - 1);
    column = std::clamp(column, 0, STATE_NAME_COLUMNS - 1);
    safe_strncpy(buffer, State_Name_Table[row][column], size);
}

void Expand_State_Abbreviation(char* text, int32_t size) {
    if (text == nullptr || size <= 0) return;
    for (const auto& row : State_Name_Table) {
        if (strcasecmp(text, row[2]) != 0) continue;
        safe_strncpy(text, row[0], size);
        return;
    }
}
