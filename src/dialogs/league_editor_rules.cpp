// The League Editor's rules apart from its controls: the legal season
// length and wild cards, the divisions a team may join, moving leagues and
// divisions, adding a team and the editing rights.
#include <algorithm>
#include <cstring>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/new_team.h"
#include "personnel/injuries.h"
#include "personnel/personnel_settings.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t DIVISIONS_PER_LEAGUE = 4;
constexpr int32_t FAN_GRADES = 13;
constexpr int32_t GRADE_STEP = 59;
// The grade shown is (support + 29) / 59 - 9: a grade is stored as the
// support that shows as that grade again.
constexpr int32_t GRADE_OFFSET = 9;

void Set_Message(char* message, const char* text) {
    if (message != nullptr) safe_strncpy(message, text, TEXT_BUFFER_SIZE);
}

// The first division of `league` with teams and room, else its first empty one.
int32_t Division_With_Room(int32_t league) {
    const int32_t first = league * DIVISIONS_PER_LEAGUE;
    for (int32_t division = first; division < first + DIVISIONS_PER_LEAGUE; ++division) {
        const int32_t teams = Count_Division_Teams(division);
        if (teams > 0 && teams < MOST_DIVISION_TEAMS) return division;
    }
    for (int32_t division = first; division < first + DIVISIONS_PER_LEAGUE; ++division)
        if (Count_Division_Teams(division) == 0) return division;
    return -1;
}
} // namespace

bool Is_Season_Under_Way() {
    return !Is_Champion_Decided() && Get_Current_Week() != 0;
}

int32_t Has_Two_Teams() {
    return Count_Active_Teams() >= 2 ? 1 : 0;
}

bool Can_Add_Or_Erase_Teams() {
    return Get_User_Preference(COMMISSIONER_MODE) != 0 && !Is_Season_Under_Way();
}

bool Can_Edit_Teams() {
    return Get_User_Preference(COMMISSIONER_MODE) != 0 &&
           (Is_Champion_Decided() || Get_Current_Week() < Get_Season_Length());
}

bool Can_Edit_League() {
    return Get_User_Preference(COMMISSIONER_MODE) != 0 && (Is_Champion_Decided() || Get_Current_Week() == 0);
}

int32_t Legal_Games_Per_Season(int64_t typed, int32_t teams, char* message) {
    Set_Message(message, "");
    int64_t games = std::clamp<int64_t>(typed, LEAST_SEASON_GAMES, MOST_SEASON_GAMES);
    if (games < 16 && games % 2 != 0) --games;
    if (games == MOST_SEASON_GAMES && teams != 32) games = 16;
    if (games == typed) return static_cast<int32_t>(games);
    char text[TEXT_BUFFER_SIZE];
    if (typed < LEAST_SEASON_GAMES)
        safe_sprintf(
            text, sizeof text,
            "The schedule must have at least %d games per team.\n\n'Games per season' has been set to %d.",
            LEAST_SEASON_GAMES, static_cast<int32_t>(games));
    else if (typed > MOST_SEASON_GAMES)
        safe_sprintf(
            text, sizeof text,
            "The schedule must have no more than %d games per team.\n\n'Games per season' has been set to "
            "%d.",
            MOST_SEASON_GAMES, static_cast<int32_t>(games));
    else if (typed == MOST_SEASON_GAMES)
        safe_sprintf(
            text, sizeof text,
            "The 17-game schedule can only be used for leagues with 32 teams.\n\n'Games per season' has "
            "been set to %d.",
            static_cast<int32_t>(games));
    else
        safe_sprintf(text, sizeof text,
                     "The number of games per season must be even.\n\n'Season Games' has been set to %d.",
                     static_cast<int32_t>(games));
    Set_Message(message, text);
    return static_cast<int32_t>(games);
}

void Get_Wild_Card_Range(int32_t divisions, int32_t* least, int32_t* most) {
    *least = Get_Min_Wild_Cards_For_Divisions(divisions);
    *most = Get_Max_Wild_Cards_For_Divisions(divisions);
}

int32_t Legal_Wild_Card_Teams(int64_t typed, char messages[NUMBER_OF_LEAGUES][TEXT_BUFFER_SIZE]) {
    int64_t wild_cards = typed;
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        char* message = messages != nullptr ? messages[league] : nullptr;
        Set_Message(message, "");
        if (Count_League_Teams(league) == 0) continue;
        const int32_t divisions = std::clamp(Count_League_Divisions(league), 1, 4);
        int32_t least = 0, most = 0;
        Get_Wild_Card_Range(divisions, &least, &most);
        const char* rule = nullptr;
        int32_t bound = 0;
        if (wild_cards < least) {
            rule = "Conferences with %d division%s must have at least %d wild card team%s.";
            bound = least;
        } else if (wild_cards > most) {
            rule = "Conferences with %d division%s cannot have more than %d wild card team%s.";
            bound = most;
        }
        if (rule == nullptr) continue;
        wild_cards = bound;
        char text[TEXT_BUFFER_SIZE];
        safe_sprintf(text, sizeof text, rule, divisions, divisions > 1 ? "s" : "", bound,
                     bound > 1 ? "s" : "");
        Set_Message(message, text);
    }
    return static_cast<int32_t>(wild_cards);
}

void Move_Division(int32_t to, int32_t from) {
    if (to == from || to < 0 || to >= NUMBER_OF_DIVISIONS || from < 0 || from >= NUMBER_OF_DIVISIONS) return;
    const int32_t active = Count_Active_Teams();
    for (int32_t team = 0; team < active; ++team)
        if (Get_Team_Stat(team, TEAM_STAT_DIVISION) == from) Set_Team_Stat(team, TEAM_STAT_DIVISION, to);
    std::memcpy(Universe.Header.Division_Names[to], Universe.Header.Division_Names[from],
                DIVISION_NAME_LENGTH);
    Universe.Header.Division_Names[from][0] = '\0';
}

void Move_League(int32_t to, int32_t from) {
    if (to == from || to < 0 || to >= NUMBER_OF_LEAGUES || from < 0 || from >= NUMBER_OF_LEAGUES) return;
    for (int32_t k = 0; k < DIVISIONS_PER_LEAGUE; ++k)
        Move_Division(to * DIVISIONS_PER_LEAGUE + k, from * DIVISIONS_PER_LEAGUE + k);
    std::memcpy(Universe.Header.League_Names[to], Universe.Header.League_Names[from], LEAGUE_NAME_LENGTH);
    Universe.Header.League_Names[from][0] = '\0';
}

int32_t Choose_New_Team_Division() {
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        if (Count_League_Teams(league) >= MOST_CONFERENCE_TEAMS) continue;
        const int32_t division = Division_With_Room(league);
        if (division >= 0) return division;
    }
    return -1;
}

bool Can_Add_League_Editor_Team(int32_t games) {
    return Choose_New_Team_Division() >= 0 && Has_Room_For_New_Team(games);
}

int32_t Add_League_Editor_Team() {
    const int32_t division = Choose_New_Team_Division();
    if (division < 0) return -1;
    const int32_t team = Add_New_Team(1);
    if (team < 0) return -1;
    Set_Team_Stat(team, TEAM_STAT_HOME_CITY, Find_Best_Free_City());
    Set_Team_Stat(team, TEAM_STAT_DIVISION, division);
    Refresh_Active_Team_Count();
    return team;
}

int32_t Get_Percent_Combo_Stat(int32_t combo) {
    switch (combo) {
    case SALARY_DEMANDS_COMBO:
        return SALARY_DEMANDS_PERCENT;
    case LEAGUE_REVENUE_COMBO:
        return LEAGUE_REVENUE_PERCENT;
    case INJURY_FREQUENCY_COMBO:
        return INJURY_FREQUENCY_FACTOR;
    case INJURY_SEVERITY_COMBO:
        return INJURY_SEVERITY_FACTOR;
    case DRAFT_TALENT_COMBO:
        return DRAFT_TALENT_FACTOR;
    case PLAYER_AGING_COMBO:
        return PLAYER_AGING_FACTOR;
    default:
        return -1;
    }
}

int32_t Get_Fan_Loyalty_Grade(int32_t fan_support) {
    return std::clamp((fan_support + 29) / GRADE_STEP - GRADE_OFFSET, 0, FAN_GRADES - 1);
}

int32_t Get_Fan_Support_Of_Grade(int32_t grade) {
    return (grade + GRADE_OFFSET) * GRADE_STEP;
}
