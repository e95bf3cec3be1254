#include "database/team_record.h"

#include <set>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "frontoffice/returners.h"
#include "personnel/draft_state.h"

namespace {
constexpr int NUMBER_OF_DEFENSIVE_SYSTEMS = 2;
constexpr int NUMBER_OF_OFFENSIVE_SYSTEMS = 4;
const char* const DEFENSIVE_SYSTEM_NAMES[NUMBER_OF_DEFENSIVE_SYSTEMS] = {"4-3", "3-4"};
const char* const OFFENSIVE_SYSTEM_NAMES[NUMBER_OF_OFFENSIVE_SYSTEMS] = {"Traditional", "3 Wideouts",
                                                                         "2 Tight Ends", "2 Running Backs"};

// Fixed texts of the pool slots: string 0 and string 1; the rest are empty.
const char* Pool_Team_String(int32_t team, int32_t index) {
    static const char EN_DASH[] = "\x96";
    if (index == 0) return team == HALL_OF_FAME_TEAM ? "HOF" : EN_DASH;
    if (index == 1) {
        if (team == FREE_AGENT_TEAM) return "Free Agent";
        if (team == HALL_OF_FAME_TEAM) return "Hall Of Fame";
        return "Undrafted";
    }
    return "";
}

int32_t Find_Name(const char* name, const char* const* names, int count) {
    if (name == nullptr) return 0;
    for (int i = 0; i < count; ++i)
        if (strcasecmp(name, names[i]) == 0) return i;
    return 0;
}

void Copy_Name(char* buffer, int32_t n, const char* const* names, int count) {
    safe_strncpy(buffer, n >= 0 && n < count ? names[n] : "", TEAM_STRING_LENGTH);
}

int32_t Current_Season_Index() {
    return Get_User_Preference(CURRENT_SEASON_INDEX);
}

// Quotient rounded as the shared integer maths rounds it; 0 for a zero divisor.
int32_t Ratio(int32_t a, int32_t b, int32_t c) {
    return c == 0 ? 0 : Mul_Div_Round(a, b, c);
}

// The computed totals from the stored stats of one category and season (`own`)
// and of the category three further on (`other`, zeros past category 7).
template <typename OWN, typename OTHER>
int32_t Compute_Totals_Stat(int32_t stat, const OWN& own, const OTHER& other, int32_t games) {
    switch (stat) {
    case 101:
        return Ratio(own(3), 1000, own(2));
    case 112:
        return Ratio(own(8) + other(8), 100, own(7) + other(7));
    case 113:
        return Ratio(own(11), 10, own(10));
    case 130:
        return own(8) + other(8) + own(11);
    case 132:
        return own(12) + own(9) + other(9);
    case 133:
        return Ratio(own(8) + other(8) + own(11), 10, games);
    case 134:
        return Ratio(own(8) + other(8), 10, games);
    case 135:
        return Ratio(own(11), 10, games);
    case 143:
        return own(4) * 5;
    case 147:
        return own(2) + own(3);
    case 148:
        return Ratio(own(10), 1000, own(4));
    case 153:
        return Ratio(own(11), 1000, own(10));
    default:
        return 0;
    }
}

bool Is_Totals_Index(int32_t category, int32_t season) {
    return category >= 0 && category < NUMBER_OF_TOTALS_CATEGORIES && season >= 0 &&
           season < NUMBER_OF_TOTALS_SEASONS;
}
} // namespace

bool Is_Used_Franchise_Slot(int32_t team) {
    return Is_Franchise_Slot(team) &&
           Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] != TEAM_CONTROL_EMPTY;
}

void Get_Team_String(char* buffer, int32_t team, int32_t index) {
    team = Get_Signed_Team(team);
    if (!Is_Team_Record_Slot(team)) {
        if (team < 0)
            Report_System_Error("Negative nTeam in Get_Team_String(st, [%d], %d)", team, index);
        else
            Report_System_Error("nTeam >= TOTAL_NUMBER_OF_TEAMS in Get_Team_String(st, [%d], %d)", team,
                                index);
        safe_strncpy(buffer, "OUTOFRANGE", TEAM_STRING_LENGTH);
        return;
    }
    if (index < 0 || index >= NUMBER_OF_TEAM_STRINGS) {
        Report_System_Error("nIndex out of bounds in Get_Team_String(st, %d, [%d])", team, index);
        buffer[0] = '\0';
        return;
    }
    if (team >= FREE_AGENT_TEAM) {
        safe_strncpy(buffer, Pool_Team_String(team, index), TEAM_STRING_LENGTH);
        return;
    }
    safe_strncpy(buffer, Universe.Teams[team].Strings[index], TEAM_STRING_LENGTH);
}

void Set_Team_String(const char* text, int32_t team, int32_t index) {
    if (Is_No_Team(team)) return;
    if (!Is_Team_Record_Slot(team) || index < 0 || index >= NUMBER_OF_TEAM_STRINGS) {
        Report_System_Error("nTeam out of bounds in Set_Team_String()");
        return;
    }
    safe_strncpy(Universe.Teams[team].Strings[index], text == nullptr ? "" : text, TEAM_STRING_LENGTH);
}

void Set_Team_Abbreviation(const char* text, int32_t team) {
    Set_Team_String(text, team, 0);
}
void Set_Team_Location(const char* text, int32_t team) {
    Set_Team_String(text, team, 1);
}
void Set_Team_Nickname(const char* text, int32_t team) {
    Set_Team_String(text, team, 2);
}
void Set_Team_Stadium_Name(const char* text, int32_t team) {
    Set_Team_String(text, team, 3);
}

int32_t Get_Team_Stat(int32_t team, int32_t n) {
    if (!Is_Team_Record_Slot(team) || n < 0 || n >= NUMBER_OF_TEAM_STATS) return 0;
    return Universe.Teams[team].Team_Stats[n];
}

void Set_Team_Stat(int32_t team, int32_t n, int32_t value) {
    if (Is_No_Team(team)) return;
    if (!Is_Team_Record_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", team, n, value);
        return;
    }
    if (n < 0 || n >= NUMBER_OF_TEAM_STATS) {
        Report_System_Error("nStat out of bounds in Set_Team_Stat(<%d>,%d,%d)", team, n, value);
        return;
    }
    Universe.Teams[team].Team_Stats[n] = value;
}

int32_t Get_Defensive_System_Index(const char* name) {
    return Find_Name(name, DEFENSIVE_SYSTEM_NAMES, NUMBER_OF_DEFENSIVE_SYSTEMS);
}

int32_t Get_Offensive_System_Index(const char* name) {
    return Find_Name(name, OFFENSIVE_SYSTEM_NAMES, NUMBER_OF_OFFENSIVE_SYSTEMS);
}

void Get_Defensive_System_Name(char* buffer, int32_t n) {
    Copy_Name(buffer, n, DEFENSIVE_SYSTEM_NAMES, NUMBER_OF_DEFENSIVE_SYSTEMS);
}

void Get_Offensive_System_Name(char* buffer, int32_t n) {
    Copy_Name(buffer, n, OFFENSIVE_SYSTEM_NAMES, NUMBER_OF_OFFENSIVE_SYSTEMS);
}

void Set_Team_Defensive_System_By_Name(int32_t team, const char* name) {
    Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, Get_Defensive_System_Index(name));
}

void Set_Team_Offensive_System_By_Name(int32_t team, const char* name) {
    Set_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM, Get_Offensive_System_Index(name));
}

int32_t Get_Team_Stadium_Stat(int32_t team, int32_t n) {
    if (!Is_Team_Record_Slot(team) || n < 0 || n >= NUMBER_OF_STADIUM_STATS) {
        Report_System_Error("nTeam out of bounds in Get_Team_Stadium_Stat(%d,%d)", team, n);
        return 0;
    }
    return Universe.Teams[team].Stadium_Stats[n];
}

void Set_Team_Stadium_Stat(int32_t team, int32_t n, int32_t value) {
    if (team < 0 || team > FREE_AGENT_TEAM || n < 0 || n >= NUMBER_OF_STADIUM_STATS) {
        Report_System_Error("nTeam out of bounds in Set_Team_Stadium_Stat(%d,%d,%d)", team, n, value);
        return;
    }
    Universe.Teams[team].Stadium_Stats[n] = value;
}

int32_t Get_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat) {
    if (!Is_Team_Record_Slot(team) || !Is_Totals_Index(category, season)) return 0;
    const TEAM_RECORD& record = Universe.Teams[team];
    if (stat >= 0 && stat < NUMBER_OF_TOTALS_STATS) return record.Totals[category][season][stat];
    if (stat == 103) {
        int32_t attempts = record.Totals[3][season][2];
        return Ratio(record.Totals[3][season][5], 10, attempts);
    }
    auto own = [&](int k) { return record.Totals[category][season][k]; };
    auto other = [&](int k) {
        return category + 3 < NUMBER_OF_TOTALS_CATEGORIES
                   ? static_cast<int32_t>(record.Totals[category + 3][season][k])
                   : 0;
    };
    if (stat < 101 || stat > 153) return 0;
    // The totals take in the playoff games too, and so do their games.
    return Compute_Totals_Stat(stat, own, other, Get_Team_Games_Played_With_Playoffs(team));
}

int32_t Get_League_Totals_Stat(int32_t category, int32_t season, int32_t stat) {
    if (!Is_Totals_Index(category, season)) return 0;
    auto sum = [&](int32_t cat, int k) -> int32_t {
        if (cat >= NUMBER_OF_TOTALS_CATEGORIES) return 0;
        int32_t total = 0;
        for (int team = 0; team < MAX_FRANCHISES; ++team)
            if (Is_Used_Franchise_Slot(team)) total += Universe.Teams[team].Totals[cat][season][k];
        return total;
    };
    if (stat >= 0 && stat < NUMBER_OF_TOTALS_STATS) return sum(category, stat);
    if (stat < 101 || stat > 153 || stat == 103) return 0;
    auto own = [&](int k) { return sum(category, k); };
    auto other = [&](int k) { return sum(category + 3, k); };
    int32_t value = Compute_Totals_Stat(stat, own, other, Count_League_Games_Played_With_Playoffs());
    if (stat == 148 && value > 1000) value = 1000;
    return value;
}

void Set_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat, int32_t value) {
    if (!Is_Team_Record_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Set_Team_Totals_Stat([%d],%d,%d,%d,%d)", team, category,
                            season, stat, value);
        return;
    }
    if (category < 0 || category >= NUMBER_OF_TOTALS_CATEGORIES) {
        Report_System_Error("nCategory out of bounds in Set_Team_Totals_Stat(%d,[%d],%d,%d,%d)", team,
                            category, season, stat, value);
        return;
    }
    if (season < 0 || season >= NUMBER_OF_TOTALS_SEASONS) {
        Report_System_Error("nSeason out of bounds in Set_Team_Totals_Stat(%d,%d,[%d],%d,%d)", team, category,
                            season, stat, value);
        return;
    }
    if (stat < 0 || stat >= NUMBER_OF_TOTALS_STATS) {
        Report_System_Error("nStat out of bounds in Set_Team_Totals_Stat(%d,%d,%d,[%d],%d)", team, category,
                            season, stat, value);
        return;
    }
    Universe.Teams[team].Totals[category][season][stat] = value;
}

void Clear_Team_Totals(int32_t team) {
    if (Is_No_Team(team)) {
        Report_System_Error("'NO_TEAM' passed to Clear_Team_Totals()");
        return;
    }
    if (!Is_Team_Record_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Clear_Team_Totals(%d)", team);
        return;
    }
    for (auto& category : Universe.Teams[team].Totals)
        for (auto& season : category)
            for (auto& stat : season)
                stat = 0;
}

void Clear_Team_Current_Season_Totals(int32_t team) {
    for (int category = 0; category < NUMBER_OF_TOTALS_CATEGORIES; ++category)
        for (int stat = 0; stat < NUMBER_OF_TOTALS_STATS; ++stat)
            Set_Team_Totals_Stat(team, category, 0, stat, 0);
}

void Clear_All_Team_Totals() {
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Used_Franchise_Slot(team)) Clear_Team_Totals(team);
}

void Copy_Team_Current_Totals_To_Previous(int32_t team) {
    for (int category = 0; category < NUMBER_OF_TOTALS_CATEGORIES; ++category)
        for (int stat = 0; stat < NUMBER_OF_TOTALS_STATS; ++stat)
            Set_Team_Totals_Stat(team, category, 1, stat, Get_Team_Totals_Stat(team, category, 0, stat));
}

namespace {
// The seasons outside the history already logged.
std::set<int32_t> logged_history_seasons;
} // namespace

void Log_Invalid_History_Season(const char* reader, int32_t team, int32_t season, int32_t n) {
    // Every yearly read of a season outside the history would log it again,
    // millions of times a season; one line a bad season says all there is.
    if (!logged_history_seasons.insert(season).second) return;
    Log_Debug_Line("Invalid nYear in %s(%d,%d,%d)", reader, team, season, n);
}

void Forget_Logged_History_Seasons() {
    logged_history_seasons.clear();
}

int32_t Get_Team_Yearly_Char(int32_t team, int32_t season, int32_t n) {
    if (!Is_Used_Franchise_Slot(team)) return 0;
    if (season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) {
        Log_Invalid_History_Season("Get_Team_Yearly_Char", team, season, n);
        return 0;
    }
    if (n < 0 || n >= NUMBER_OF_YEARLY_CHARS) return 0;
    return Universe.Teams[team].Yearly_Chars[season][n];
}

int32_t Get_Team_Yearly_Int(int32_t team, int32_t season, int32_t n) {
    if (!Is_Used_Franchise_Slot(team)) return 0;
    if (season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) {
        Log_Invalid_History_Season("Get_Team_Yearly_Int", team, season, n);
        return 0;
    }
    if (n < 0 || n >= NUMBER_OF_YEARLY_INTS) return 0;
    return Universe.Teams[team].Yearly_Ints[season][n];
}

void Set_Team_Yearly_Char(int32_t team, int32_t season, int32_t n, int32_t value) {
    if (!Is_Franchise_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    if (n < 0 || n >= NUMBER_OF_YEARLY_CHARS) {
        Report_System_Error("nStat out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    if (season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) {
        Report_System_Error("nYear out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    if (value < 0 || value > 127) {
        Report_System_Error("cValue out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    Universe.Teams[team].Yearly_Chars[season][n] = static_cast<int8_t>(value);
}

void Set_Team_Yearly_Int(int32_t team, int32_t season, int32_t n, int32_t value) {
    if (!Is_Franchise_Slot(team) || season < 0 || season >= NUMBER_OF_HISTORY_SEASONS || n < 0 ||
        n >= NUMBER_OF_YEARLY_INTS) {
        Report_System_Error("nTeam out of bounds in Set_Team_Yearly_Int()");
        return;
    }
    Universe.Teams[team].Yearly_Ints[season][n] = value;
}

int32_t Get_Team_Record_Season() {
    const int32_t season = Current_Season_Index();
    // The season index moves on before the draft, so the record being
    // discussed during it is last season's.
    return Is_College_Draft_Underway() ? season - 1 : season;
}

int32_t Get_Team_Record_Char(int32_t team, int32_t n) {
    if (!Is_Used_Franchise_Slot(team)) return 0;
    return Get_Team_Yearly_Char(team, Get_Team_Record_Season(), n);
}

void Set_Team_Record_Char(int32_t team, int32_t n, int32_t value) {
    if (!Is_Franchise_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Set_Team_Record_Char()");
        return;
    }
    Set_Team_Yearly_Char(team, Current_Season_Index(), n, value);
}

void Set_Team_Record_Int(int32_t team, int32_t n, int32_t value) {
    if (!Is_Franchise_Slot(team)) {
        Report_System_Error("nTeam out of bounds in Set_Team_Record_Int()");
        return;
    }
    Set_Team_Yearly_Int(team, Current_Season_Index(), n, value);
}

int32_t Get_Team_Wins(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_WINS);
}
int32_t Get_Team_Losses(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
}
int32_t Get_Team_Ties(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_TIES);
}
int32_t Get_Team_Home_Wins(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_HOME_WINS);
}
int32_t Get_Team_Home_Losses(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_HOME_LOSSES);
}
int32_t Get_Team_Home_Ties(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_HOME_TIES);
}
int32_t Get_Team_Playoff_Losses(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES);
}

int32_t Get_Team_Current_Playoff_Wins(int32_t team) {
    return Get_Team_Yearly_Char(team, Current_Season_Index(), RECORD_CHAR_PLAYOFF_WINS);
}

void Get_Team_Location(char* buffer, int32_t team) {
    Get_Team_String(buffer, team, 1);
}
void Get_Team_Stadium_Name(char* buffer, int32_t team) {
    Get_Team_String(buffer, team, 3);
}

void Set_Team_Returner(int32_t team, int32_t n, int32_t slot) {
    if (!Is_Team_Record_Slot(team) || n < 0 || n >= NUMBER_OF_RETURNERS) {
        Report_System_Error("nTeam out of bounds in Set_Team_Returner(%d,%d,%d)", team, n, slot);
        return;
    }
    Universe.Teams[team].Returners[n] = static_cast<int8_t>(slot);
}

int32_t Get_Team_Returner(int32_t team, int32_t n) {
    if (!Is_Team_Record_Slot(team) || n < 0 || n >= NUMBER_OF_RETURNERS) {
        Report_System_Error("nTeam out of bounds in Get_Team_Returner(%d,%d)", team, n);
        return NO_PLAYER;
    }
    // Stored as a signed byte; NO_PLAYER reads back as -1.
    int32_t slot = static_cast<uint8_t>(Universe.Teams[team].Returners[n]);
    int32_t position = 0;
    if (slot < PLAYERS_PER_TEAM) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        if (player.Vital_Stats[0] != 0) position = player.Vital_Stats[1];
    }
    bool can_return = (position >= 1 && position <= 4) || position == 11 || position == 12;
    if (can_return) return slot;
    return Choose_Best_Returner(team, n);
}
