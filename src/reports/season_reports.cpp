#include "reports/season_reports.h"

#include <cctype>
#include <cstdio>

#include "app/progress_window.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_production.h"
#include "frontoffice/position_fitness.h"
#include "views/standings_texts.h"
#include "views/timeline_strip.h"

namespace {
constexpr int32_t FILE_NAME_SIZE = 64;
constexpr int32_t AWARDS_PROGRESS_STEPS = 100;
constexpr int32_t PRO_BOWL_STARTERS = 24;
constexpr int32_t UNIT_STARTER_ROWS = 11;
constexpr int32_t NO_TEAM_FOR_POSITIONS = 255;
constexpr int32_t KICK_RETURN_VALUE = 302;
constexpr int32_t PUNT_RETURN_VALUE = 303;
constexpr int32_t GROUP_OFFENCE = 0;
constexpr int32_t GROUP_DEFENCE = 2;
constexpr int32_t FINANCE_ROAD_ATTENDANCE_AVERAGE = 93;
constexpr int32_t FINANCE_HOME_ATTENDANCE_AVERAGE = 92;
constexpr int32_t BRACKET_PAIRS_END = 30;
constexpr int32_t FIRST_SECOND_ROUND_SLOT = 16;
constexpr int32_t FIRST_SEMI_FINAL_SLOT = 24;
constexpr int32_t FIRST_FINAL_SLOT = 28;
constexpr int32_t FIRST_CONFERENCE_YEAR = 1970;
// Team codes past the Hall of Fame have no name in the results.
constexpr int32_t LAST_NAMED_TEAM = 37;

void Format_Report_Name(char* name, const char* pattern) {
    snprintf(name, FILE_NAME_SIZE, pattern, Get_Current_Year() % 100);
}

// The old file goes and the folder is made, so the lines append to a new file.
void Start_Report_File(const char* name) {
    Delete_File(name);
    Create_File_Folder(name);
}

void Raise_First_Letter(char* text) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

// ---- Awards ----

// This season's production, plus half the return value of a back, receiver,
// corner or safety (all of it past 100, less 50).
int32_t Get_Award_Score(int32_t team, int32_t slot) {
    int32_t score = Get_Player_Production_Value(team, slot, SEASON_THIS);
    if (Is_Skill_Or_Secondary_Player(team, slot)) {
        const int32_t returns = Get_Player_Stat(team, slot, SEASON_THIS, KICK_RETURN_VALUE) +
                                Get_Player_Stat(team, slot, SEASON_THIS, PUNT_RETURN_VALUE);
        score += returns <= 100 ? returns / 2 : returns - 50;
    }
    return score;
}

struct AWARD_WINNER {
    int32_t Team = NO_TEAM;
    int32_t Slot = NO_PLAYER;
    int32_t Score = 0;
};

// The first player found keeps a tie.
void Consider(AWARD_WINNER* winner, int32_t team, int32_t slot, int32_t score) {
    if (winner->Team != NO_TEAM && score <= winner->Score) return;
    winner->Team = team;
    winner->Slot = slot;
    winner->Score = score;
}

void Format_Winner(const AWARD_WINNER& winner, char* text) {
    text[0] = '\0';
    if (winner.Team != NO_TEAM) Get_Player_Name_With_Team(winner.Team, winner.Slot, text);
}

void Write_Award_Line(const char* name, const char* title, const AWARD_WINNER& winner) {
    char text[FORMATTED_TEXT_SIZE];
    Format_Winner(winner, text);
    Append_Formatted_Line_To_File(name, "%32s: %s", title, text);
}

void Write_Season_Awards(const char* name, int32_t teams) {
    AWARD_WINNER most_valuable, defensive, rookie;
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t score = Get_Award_Score(team, slot);
            const int32_t group = Get_Position_Group(
                Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
            if (group == GROUP_OFFENCE) Consider(&most_valuable, team, slot, score);
            if (group == GROUP_DEFENCE) Consider(&defensive, team, slot, score);
            if (Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) == 0)
                Consider(&rookie, team, slot, score);
        }
    Write_Award_Line(name, "MOST VALUABLE PLAYER", most_valuable);
    Write_Award_Line(name, "DEFENSIVE PLAYER OF THE YEAR", defensive);
    Write_Award_Line(name, "ROOKIE OF THE YEAR", rookie);
    Append_Line_To_File(name, "");
}

// A player already chosen for the league scores 0 for a further slot.
bool Is_Chosen(const int32_t* chosen, int32_t count, int32_t id) {
    for (int32_t n = 0; n < count; ++n)
        if (chosen[n] == id) return true;
    return false;
}

void Write_Pro_Bowl(const char* name, int32_t league, int32_t teams, bool opened) {
    char league_name[LEAGUE_NAME_LENGTH + 1] = "";
    Get_League_Name(league, league_name);
    Raise_First_Letter(league_name);
    Append_Formatted_Line_To_File(name, "%s PRO BOWL STARTERS (%d)", league_name, Get_Current_Year());
    if (opened) Step_Progress(1);
    int32_t chosen[PRO_BOWL_STARTERS];
    for (int32_t k = 0; k < PRO_BOWL_STARTERS; ++k) {
        if (k % UNIT_STARTER_ROWS == 0) Append_Line_To_File(name, "");
        const int32_t position =
            Get_Starter_Slot_Position(NO_TEAM_FOR_POSITIONS, k / UNIT_STARTER_ROWS, k % UNIT_STARTER_ROWS);
        AWARD_WINNER starter;
        for (int32_t team = 0; team < teams; ++team) {
            if (Get_Team_Division(team) / 4 != league) continue;
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
                if (!Is_Player_Slot_Used(team, slot) ||
                    Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position)
                    continue;
                const bool again = Is_Chosen(chosen, k, Get_Player_ID(team, slot));
                Consider(&starter, team, slot, again ? 0 : Get_Award_Score(team, slot));
            }
        }
        chosen[k] = starter.Team != NO_TEAM ? Get_Player_ID(starter.Team, starter.Slot) : 0;
        char text[FORMATTED_TEXT_SIZE];
        Format_Winner(starter, text);
        Append_Formatted_Line_To_File(name, " %2s: %s", Get_Position_Short_Name(position), text);
        if (opened) Step_Progress(1);
    }
    Append_Line_To_File(name, "");
}

// ---- Money ----

// "%3d.%01dM" parts of an amount in `unit`s: whole millions and the tenth.
struct MILLIONS {
    int32_t Whole;
    int32_t Tenth;
};

MILLIONS Split_Millions(int32_t amount, int32_t million) {
    return {amount / million, amount % million / (million / 10)};
}

void Write_Money_Line(const char* name, int32_t team) {
    char team_name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, team_name);
    if (Is_Human_Team(team)) Raise_First_Letter(team_name);
    int32_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    if (cash < 0) cash = 0;
    const MILLIONS money = Split_Millions(cash, 1000000);
    const MILLIONS payroll = Split_Millions(Get_Team_Financial_Stat(team, FINANCE_PAYROLL), 1000);
    const MILLIONS revenue = Split_Millions(Get_Team_Financial_Stat(team, FINANCE_TICKET_REVENUE), 1000000);
    char home[FORMATTED_TEXT_SIZE];
    char road[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE_AVERAGE), home);
    Format_Number_Commas(Get_Team_Financial_Stat(team, FINANCE_ROAD_ATTENDANCE_AVERAGE), road);
    Append_Formatted_Line_To_File(name, "%-25s %3d.%01dM %3d.%01dM    $%2d   %3d.%01dM   %6s  %6s", team_name,
                                  money.Whole, money.Tenth, payroll.Whole, payroll.Tenth,
                                  Get_Team_Financial_Stat(team, FINANCE_TICKET_PRICE) / 100, revenue.Whole,
                                  revenue.Tenth, home, road);
}

// ---- Standings ----

void Write_Division(const char* name, int32_t division) {
    char division_name[DIVISION_NAME_LENGTH + 1] = "";
    Get_Division_Name(division, division_name);
    Raise_First_Letter(division_name);
    const char* format = " %-20s %3s %3s %3s %5s %5s %5s %5s %5s";
    Append_Formatted_Line_To_File(name, format, division_name, "W", "L", "T", "PCT", "PF", "PA", "Yds",
                                  "+/-");
    static const int32_t STAT_COLUMNS[] = {TEAM_STAT_TEXT_POINTS_SCORED, TEAM_STAT_TEXT_POINTS_ALLOWED,
                                           TEAM_STAT_TEXT_YARDS_PER_PLAY, TEAM_STAT_TEXT_TURNOVER_MARGIN};
    const int32_t places = Count_Division_Teams(division);
    for (int32_t place = 0; place < places; ++place) {
        char cells[9][FORMATTED_TEXT_SIZE];
        for (int32_t column = 0; column < 5; ++column)
            Get_Standings_Cell_Text(division, place, column, cells[column]);
        const int32_t team = Get_Division_Standing_Team(division, place);
        for (int32_t n = 0; n < 4; ++n) {
            cells[5 + n][0] = '\0';
            if (Is_Active_Team(team)) Get_Team_Stat_Text(team, STAT_COLUMNS[n], cells[5 + n]);
        }
        Append_Formatted_Line_To_File(name, format, cells[0], cells[1], cells[2], cells[3], cells[4],
                                      cells[5], cells[6], cells[7], cells[8]);
    }
    Append_Line_To_File(name, "");
}

void Get_Result_Team_Name(int32_t team, char* text) {
    const int32_t code = team & 0xFF;
    if (code > LAST_NAMED_TEAM)
        text[0] = '\0';
    else
        Get_Team_Display_Name(code, text);
}

void Write_Round_Heading(const char* name, const char* heading) {
    Append_Line_To_File(name, "");
    Append_Line_To_File(name, heading);
}

void Write_Playoff_Results(const char* name) {
    const int32_t most_divisions = Get_Max_League_Divisions();
    for (int32_t first = 0; first < BRACKET_PAIRS_END; first += 2) {
        if ((first == 0 || first == FIRST_SECOND_ROUND_SLOT) && most_divisions == 3)
            Write_Round_Heading(name, first == 0 ? "WILD CARD GAMES" : "DIVISION PLAYOFFS");
        if (first == FIRST_SEMI_FINAL_SLOT && most_divisions >= 2)
            Write_Round_Heading(name, Get_Current_Year() < FIRST_CONFERENCE_YEAR
                                          ? "LEAGUE CHAMPIONSHIPS"
                                          : "CONFERENCE CHAMPIONSHIPS");
        if (first == FIRST_FINAL_SLOT && Count_Leagues() == 2) Write_Round_Heading(name, "SUPER BOWL");
        const int32_t score_a = Get_Playoff_Score(first);
        const int32_t score_b = Get_Playoff_Score(first + 1);
        if (score_a == score_b) continue;
        const bool a_won = score_a > score_b;
        char winner[FORMATTED_TEXT_SIZE];
        char loser[FORMATTED_TEXT_SIZE];
        Get_Result_Team_Name(Get_Playoff_Team(a_won ? first : first + 1), winner);
        Get_Result_Team_Name(Get_Playoff_Team(a_won ? first + 1 : first), loser);
        Append_Formatted_Line_To_File(name, " %s defeat %s, %d-%d", winner, loser, a_won ? score_a : score_b,
                                      a_won ? score_b : score_a);
    }
}
} // namespace

void Write_Awards_Report() {
    if (Get_User_Preference(AUTO_OUTPUT_AWARDS) == 0) return;
    char name[FILE_NAME_SIZE];
    Format_Report_Name(name, "Output\\Awards%02d.txt");
    Start_Report_File(name);
    const bool opened = Open_Progress_Window("Creating Output/Awards.txt...", AWARDS_PROGRESS_STEPS) != 0;
    const int32_t teams = Count_Active_Teams();
    Write_Season_Awards(name, teams);
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league)
        Write_Pro_Bowl(name, league, teams, opened);
    if (opened) Close_Progress_Window();
}

void Write_Money_Report() {
    if (Get_User_Preference(AUTO_OUTPUT_FINANCES) == 0) return;
    char name[FILE_NAME_SIZE];
    Format_Report_Name(name, "Output\\Money-%02d.txt");
    Start_Report_File(name);
    Append_Line_To_File(name, "");
    Append_Line_To_File(name, "                                             TICKETS        ATTENDANCE");
    Append_Formatted_Line_To_File(name, "End Of %-18d  Cash  Payroll  Price  Revenue   Home    Road",
                                  Get_Current_Year());
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        Write_Money_Line(name, team);
}

void Write_Standings_Report() {
    if (Get_User_Preference(AUTO_OUTPUT_STANDINGS) == 0) return;
    char name[FILE_NAME_SIZE];
    Format_Report_Name(name, "Output\\Stndng%02d.txt");
    Start_Report_File(name);
    const int32_t leagues = Count_Leagues();
    for (int32_t league = 0; league < leagues; ++league) {
        char league_name[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(league, league_name);
        Raise_First_Letter(league_name);
        Append_Line_To_File(name, "");
        Append_Formatted_Line_To_File(name, "%s (%d)", league_name, Get_Current_Year());
        Append_Line_To_File(name, "");
        const int32_t divisions = Count_League_Divisions(league);
        for (int32_t n = 0; n < divisions; ++n)
            Write_Division(name, 4 * league + n);
    }
    Write_Playoff_Results(name);
    Append_Line_To_File(name, "");
}
