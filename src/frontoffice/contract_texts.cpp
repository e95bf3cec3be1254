// Texts of the contract talks.
#include "frontoffice/contract_texts.h"

#include <cctype>
#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_finances.h"
#include "database/text_format.h"
#include "dialogs/position_columns.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t SHOWN_OVERALL_STAT = 225;
constexpr int32_t PEAK_STAT = 226;
constexpr int32_t SCOUTING_COLUMNS = 5;

void Format_Dollars(int64_t dollars, char* text) {
    Format_Wide_Number_Commas(dollars, text);
}

void Get_Long_Position_Name(int32_t position, char* text) {
    if (position >= 0 && position < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_NAMES + position, text);
    else
        safe_strncpy(text, position == POSITION_ANY ? "Any Position" : "<Error>", FORMATTED_TEXT_SIZE);
}

// "Four Year Contract", "Two Year Extension".
void Get_Contract_Years_Text(int32_t team, int32_t years, char* text) {
    const bool renewal = Is_Champion_Decided();
    char words[FORMATTED_TEXT_SIZE];
    Format_Cardinal_Words(renewal ? years - 1 : years, words);
    words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    safe_sprintf(text, FORMATTED_TEXT_SIZE,
                 renewal && team < MAX_FRANCHISES ? "%s Year Extension" : "%s Year Contract", words);
}
} // namespace

void Get_Payroll_Status_Text(char* buffer, int32_t room, int32_t after_signing) {
    char first[FORMATTED_TEXT_SIZE];
    char second[FORMATTED_TEXT_SIZE];
    if (Get_Universe_Stat(SALARY_CAP) == 0) {
        const int32_t user = Get_User_Preference(USER_TEAM);
        const int64_t payroll = 1000 * static_cast<int64_t>(Get_Team_Financial_Stat(user, FINANCE_PAYROLL));
        const int64_t budget = Get_Team_Payroll_Budget(user);
        if (after_signing) {
            Format_Dollars(payroll, first);
            Format_Dollars(budget, second);
            safe_sprintf(buffer, CONTRACT_TEXT_SIZE, "Payroll: $%s\nPayroll Budget: $%s\n", first, second);
        } else if (budget > payroll) {
            Format_Dollars(budget - payroll, first);
            safe_sprintf(buffer, CONTRACT_TEXT_SIZE, "Room Under Salary Budget: $%s", first);
        } else {
            Format_Dollars(payroll - budget, first);
            safe_sprintf(buffer, CONTRACT_TEXT_SIZE, "Exceeding Salary Budget by: $%s", first);
        }
        return;
    }
    if (room >= 1) {
        Format_Dollars(room, first);
        safe_sprintf(buffer, CONTRACT_TEXT_SIZE,
                     after_signing ? "Room Under Salary Cap:\n$%s,000\n(After signing this player)"
                                   : "Room Under Salary Cap: $%s,000",
                     first);
    } else {
        Format_Dollars(-static_cast<int64_t>(room), first);
        safe_sprintf(buffer, CONTRACT_TEXT_SIZE,
                     after_signing ? "Exceeding Salary Cap by:\n$%s,000\n(After signing this player)"
                                   : "Exceeding Salary Cap by: $%s,000",
                     first);
    }
}

void Get_Team_Cash_Text(char* buffer) {
    const int64_t cash = Get_Team_Financial_Stat(Get_User_Preference(USER_TEAM), FINANCE_CASH);
    char amount[FORMATTED_TEXT_SIZE];
    Format_Dollars(cash < 0 ? -cash : cash, amount);
    safe_sprintf(buffer, CONTRACT_TEXT_SIZE, cash >= 1 ? "Team Cash: $%s" : "Team Debt: $%s", amount);
}

void Get_Contract_Scouting_Text(int32_t team, int32_t slot, char* buffer) {
    const int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, SHOWN_OVERALL_STAT);
    const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, PEAK_STAT);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    char lines[SCOUTING_COLUMNS][FORMATTED_TEXT_SIZE];
    for (int32_t column = 0; column < SCOUTING_COLUMNS; ++column) {
        lines[column][0] = '\0';
        const int32_t rating = Get_Position_Column_Stat(position, column);
        if (rating < 0) continue;
        const int32_t level = static_cast<int32_t>(Get_Player_Rating(team, slot, rating));
        if (level <= 0) continue;
        char name[FORMATTED_TEXT_SIZE];
        Get_Rating_Name(rating, name);
        safe_sprintf(lines[column], FORMATTED_TEXT_SIZE, "%s: %d", name, level);
    }
    safe_sprintf(buffer, CONTRACT_TEXT_SIZE, "Overall: %d\nPeak: %d\n\n%s\n%s\n%s\n%s\n%s",
                 overall < peak ? overall : peak, peak, lines[0], lines[1], lines[2], lines[3], lines[4]);
}

void Get_Contract_Terms_Text(int32_t team, int32_t slot, char* buffer) {
    char position[RESOURCE_STRING_LIMIT];
    Get_Long_Position_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), position);
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    char contract[FORMATTED_TEXT_SIZE];
    Get_Contract_Years_Text(team, years, contract);
    char salary[FORMATTED_TEXT_SIZE];
    char bonus[FORMATTED_TEXT_SIZE];
    char impact[FORMATTED_TEXT_SIZE];
    Format_Dollars(1000 * static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SALARY)), salary);
    Format_Dollars(1000 * static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)),
                   bonus);
    Format_Dollars(1000 * static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE)), impact);
    safe_sprintf(buffer, CONTRACT_TEXT_SIZE,
                 "%s (Age %d)\n%s\n(Through %d)\nSalary: $%s\nSigning Bonus: $%s\nPayroll Impact: $%s",
                 position, Get_Player_Age(team, slot), contract, Get_Current_Year() - 1 + years, salary,
                 bonus, impact);
}
