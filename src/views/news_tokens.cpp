#include "views/news_tokens.h"

#include <cstring>
#include <string>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/number_words.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "personnel/injuries.h"

const char* const News_Token_Table[NEWS_TOKENS] = {
    "PLAYER NAME",
    "PLAYER LAST NAME",
    "PLAYER FIRST NAME",
    "AGE",
    "POSITION",
    "POSITIONS",
    "EXPERIENCE",
    "PLAYER INJURY",
    "PLAYER DISABLED DAYS",
    "PLAYER DISABLED WEEKS",
    "PERMANENT DAMAGE",
    "SALARY",
    "CONTRACT",
    "CONTRACT MILLIONS",
    "CONTRACT LENGTH",
    "YEAR CONTRACT ENDS",
    "GAMES PLAYED",
    "",
    "",
    "",
    "TEAM CITY",
    "TEAM NAME",
    "TEAM GAMES",
    "TEAM LEAGUE",
    "TEAM LEAGUE ABBR",
    "TEAM CASH",
    "TEAM PAYROLL",
    "TEAM DIVISION ABBR",
    "TEAM DIVISION",
    "TEAM DIVISION LEADER NAME",
    "TEAM DIVISION LEADER CITY",
    "TEAM STANDING",
    "TEAM WINS",
    "TEAM LOSSES",
    "TEAM WINNING PERCENTAGE",
};

namespace {
constexpr int32_t FINANCE_CASH = 68;
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t SAFETY = 12;
constexpr int32_t NAME_LIMIT = 2047;

bool Is_Used_Or_Pool(int32_t team) {
    return Is_Used_Franchise_Slot(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

void Put(char* out, int32_t size, const char* text) {
    safe_strncpy(out, text, size);
}

void Put_Words(char* out, int32_t size, int32_t n) {
    char words[FORMATTED_TEXT_SIZE];
    Format_Cardinal_Words(n, words);
    Put(out, size, words);
}

void Put_Dollars_From_Thousands(char* out, int32_t size, int64_t thousands) {
    char number[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(thousands, number);
    safe_sprintf(out, size, "$%s,000", number);
}

void Put_League_Name(int32_t team, char* out, int32_t size) {
    const int32_t league = Is_Used_Or_Pool(team) ? Get_Team_Division(team) / 4 : -1;
    if (league == 0 || league == 1) {
        char name[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(league, name);
        Put(out, size, name);
    } else {
        Report_System_Error("Invalid Get_League_Name(%d) call.", league);
    }
    if (out[0] == '\0') Report_System_Error("No Team League in News Label");
}

// The leader of the team's division, the second team when the team leads it.
int32_t Division_Leader(int32_t team) {
    const int32_t division = Get_Team_Division(team);
    if (division < 0 || division > 7) return NO_TEAM;
    const int32_t first = Get_Division_Standing_Team(division, 0);
    return first == team ? Get_Division_Standing_Team(division, 1) : first;
}

// This season's wins (last season's while the college draft runs) of a used franchise.
int32_t Season_Wins(int32_t team) {
    return Is_Used_Franchise_Slot(team) ? Get_Team_Record_Char(team, RECORD_CHAR_WINS) : 0;
}
} // namespace

int32_t Find_News_Token(const char* name) {
    if (name == nullptr || name[0] == '\0') return NEWS_UNKNOWN_TOKEN;
    for (int32_t n = 0; n < NEWS_TOKENS; ++n)
        if (News_Token_Table[n][0] != '\0' && strcasecmp(name, News_Token_Table[n]) == 0) return n;
    return NEWS_UNKNOWN_TOKEN;
}

void Expand_News_Token(int32_t team, int32_t slot, const char* name, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    out[0] = '\0';
    if (name == nullptr) return;
    char text[FORMATTED_TEXT_SIZE];
    const int32_t token = Find_News_Token(name);
    const int64_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    const int64_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    switch (token) {
    case 0:
        Get_Player_Full_Name(team, slot, text);
        Put(out, size, text);
        break;
    case 1:
        Get_Player_Last_Name(team, slot, text);
        Put(out, size, text);
        break;
    case 2:
        Get_Player_First_Name_Display(team, slot, text);
        Put(out, size, text);
        break;
    case 3:
        safe_sprintf(out, size, "%d", Get_Player_Age(team, slot));
        break;
    case 4:
    case 5: {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        Get_Position_Name_Lower(position, text);
        if (token == 5 && position == SAFETY)
            Put(out, size, "safeties");
        else
            safe_sprintf(out, size, token == 5 ? "%ss" : "%s", text);
        break;
    }
    case 6:
        Put_Words(out, size, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
        break;
    case 7:
        Get_Injury_Name(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE), text);
        Put(out, size, text);
        break;
    case 8:
    case 10:
        safe_sprintf(out, size, "[%s]", News_Token_Table[token]);
        break;
    case 9:
        Put_Words(out, size, Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT));
        break;
    case 11:
        Put_Dollars_From_Thousands(out, size, salary);
        break;
    case 12:
        Put_Dollars_From_Thousands(out, size, salary * years);
        break;
    case 13: {
        const int64_t thousands = salary * years;
        safe_sprintf(out, size, "%lld.%lld", static_cast<long long>(thousands / 1000),
                     static_cast<long long>(thousands % 1000 / 100));
        break;
    }
    case 14:
        Put_Words(out, size, Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS));
        break;
    case 15:
        safe_sprintf(out, size, "%lld", static_cast<long long>(Get_Current_Year() + years));
        break;
    case 16:
        safe_sprintf(out, size, "%d", Get_Player_Stat(team, slot, SEASON_THIS, 0));
        break;
    case 20:
        Get_Team_Location_Name(team, text);
        Put(out, size, text);
        break;
    case 21:
        Get_Team_Nickname(team, text);
        if (text[0] == '\0') Report_System_Error("No Team Name in News Label");
        Put(out, size, text);
        break;
    case 22:
        safe_sprintf(out, size, "%d", Get_Team_Games_Played(team));
        break;
    case 23:
    case 24:
        Put_League_Name(team, out, size);
        break;
    case 25: {
        const int64_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
        safe_sprintf(out, size, "%lld.%lld", static_cast<long long>(cash / 1000000),
                     static_cast<long long>(cash % 1000000 / 100000));
        break;
    }
    case 26: {
        const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL) / 100;
        safe_sprintf(out, size, "%lld.%lld", static_cast<long long>(payroll / 10),
                     static_cast<long long>(payroll % 10));
        break;
    }
    case 27:
    case 28: {
        const int32_t division = Get_Team_Division(team);
        if (division < 0 || division > 7) {
            Report_System_Error("Invalid Get_Division_Name(%d) call.", division);
            break;
        }
        char name_text[DIVISION_NAME_LENGTH + 1] = "";
        Get_Division_Name(division, name_text);
        Put(out, size, name_text);
        break;
    }
    case 29: {
        const int32_t leader = Division_Leader(team);
        if (leader >= 0 && leader <= 37) {
            Get_Team_String(text, leader, 2);
            Put(out, size, text);
        }
        break;
    }
    case 30: {
        const int32_t leader = Division_Leader(team);
        if (leader == 255)
            Put(out, size, "NFL Average");
        else if (leader >= 0 && leader <= 36) {
            Get_Team_String(text, leader, 1);
            Put(out, size, text);
        }
        break;
    }
    case 32:
        safe_sprintf(out, size, "%d", Get_Team_Wins(team));
        break;
    case 33:
        safe_sprintf(out, size, "%d",
                     Is_Used_Franchise_Slot(team) ? Get_Team_Record_Char(team, RECORD_CHAR_LOSSES) : 0);
        break;
    case 34: {
        const int64_t games = Get_Team_Games_Played(team);
        const int64_t pct = games == 0 ? 0 : (Season_Wins(team) * 1000LL + games / 2) / games;
        if (pct < 1000)
            safe_sprintf(out, size, ".%03lld", static_cast<long long>(pct));
        else
            safe_sprintf(out, size, "%lld.%03lld", static_cast<long long>(pct / 1000),
                         static_cast<long long>(pct % 1000));
        break;
    }
    case NEWS_UNKNOWN_TOKEN:
        safe_sprintf(out, size, "[%s]", name);
        break;
    default:
        break;
    }
}

void Substitute_News_Strings(int32_t team, int32_t slot, char* text, int32_t size) {
    if (text == nullptr || size <= 0) return;
    if (Is_No_Team(team)) {
        Report_System_Error("NO_TEAM passed in pSlot to Substitute_News_Strings()");
        return;
    }
    if (!Is_Player_Slot_Used(team, slot)) {
        Report_System_Error("Invalid Player in Substitute_News_Strings()");
        return;
    }
    const std::string source(text, strnlen(text, static_cast<size_t>(size)));
    std::string result;
    std::string expansion(static_cast<size_t>(size), '\0');
    size_t i = 0;
    while (i < source.size() && result.size() < static_cast<size_t>(size - 1)) {
        const size_t close = source[i] == '{' ? source.find('}', i + 1) : std::string::npos;
        if (close == std::string::npos) {
            result.push_back(source[i++]);
            continue;
        }
        std::string name = source.substr(i + 1, close - i - 1);
        if (name.size() > static_cast<size_t>(NAME_LIMIT)) name.resize(NAME_LIMIT);
        Expand_News_Token(team, slot, name.c_str(), expansion.data(), size);
        result += expansion.c_str();
        i = close + 1;
    }
    safe_strncpy(text, result.c_str(), size);
}
