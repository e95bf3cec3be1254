#include "database/league_structure.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "app/main_window_title.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_balance.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/playbook_offers.h"
#include "frontoffice/depth_charts.h"
#include "personnel/draft_state.h"
#include "views/owner_hall_of_fame.h"

int32_t Active_Team_Count = -1;

namespace {
constexpr int DIVISIONS_PER_LEAGUE = 4;
// The flag table starts at header offset 1,856 and covers the named fields that
// follow it (recording flag, advance, target week, championship round). The block
// is packed, so entries are copied rather than referenced.
constexpr size_t HEADER_FLAG_TABLE_OFFSET = 1856;

uint8_t* Header_Flag_Address(int32_t i) {
    return reinterpret_cast<uint8_t*>(&Universe.Header) + HEADER_FLAG_TABLE_OFFSET +
           2 * static_cast<size_t>(i);
}

bool Multi_Season_Simulation() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) != 0;
}

int32_t Control_Word(int32_t team) {
    return Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL];
}
} // namespace

int32_t Count_Active_Teams() {
    int32_t count = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] != TEAM_CONTROL_EMPTY) ++count;
    Active_Team_Count = count;
    return count;
}

int32_t Refresh_Active_Team_Count() {
    return Count_Active_Teams();
}

int32_t Is_Free_Agent_Slot(int32_t team) {
    return team == FREE_AGENT_TEAM;
}
int32_t Is_Hall_Of_Fame_Slot(int32_t team) {
    return team == HALL_OF_FAME_TEAM;
}

int32_t Get_Team_Division(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return -NO_TEAM;
    if (team >= Count_Active_Teams()) return NO_DIVISION;
    return Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION];
}

int32_t Get_Team_Conference(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return -1;
    return Get_Team_Division(team) / DIVISIONS_PER_LEAGUE;
}

int32_t Get_Division_League(int32_t division) {
    return division / DIVISIONS_PER_LEAGUE;
}

int32_t Are_Teams_In_Same_Division(int32_t a, int32_t b) {
    return Get_Team_Division(a) == Get_Team_Division(b);
}

void Get_Team_Time_Zone_Name(int32_t team, char* buffer) {
    static const char* const names[] = {"Pacific", "Mountain", "Central", "Eastern"};
    int32_t zone = 0;
    if (Is_Team_Record_Slot(team)) {
        zone = Universe.Teams[team].Team_Stats[TEAM_STAT_TIME_ZONE];
        if (zone < 0) zone = 0;
        if (zone > 3) zone = 3;
    }
    safe_strncpy(buffer, names[zone], 32);
}

int32_t Count_Division_Teams(int32_t division) {
    int32_t active = Count_Active_Teams();
    int32_t count = 0;
    for (int team = 0; team < active; ++team)
        if (Is_Active_Team(team) && Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] == division) ++count;
    return count;
}

int32_t Count_League_Teams(int32_t league) {
    int32_t active = Count_Active_Teams();
    int32_t count = 0;
    for (int team = 0; team < active; ++team)
        if (Is_Valid_Team_Code(team) &&
            Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] / DIVISIONS_PER_LEAGUE == league)
            ++count;
    return count;
}

int32_t Count_League_Divisions(int32_t league) {
    int32_t count = 0;
    for (int division = DIVISIONS_PER_LEAGUE * league; division < DIVISIONS_PER_LEAGUE * (league + 1);
         ++division)
        if (Count_Division_Teams(division) > 0) ++count;
    return count;
}

int32_t Count_Leagues() {
    // The leagues from the first on that have a division with a team: which
    // divisions have one is read off one walk of the teams.
    bool league_has_team[NUMBER_OF_LEAGUES] = {};
    int32_t found = 0;
    const int32_t active = Count_Active_Teams();
    // The walk ends once every league has shown a team.
    for (int team = 0; team < active && found < NUMBER_OF_LEAGUES; ++team) {
        if (!Is_Active_Team(team)) continue;
        const int32_t division = Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION];
        if (division < 0 || division >= DIVISIONS_PER_LEAGUE * NUMBER_OF_LEAGUES) continue;
        bool& has_team = league_has_team[division / DIVISIONS_PER_LEAGUE];
        if (!has_team) ++found;
        has_team = true;
    }
    int32_t leagues = 0;
    while (leagues < NUMBER_OF_LEAGUES && league_has_team[leagues])
        ++leagues;
    return leagues;
}

int32_t Get_Max_League_Teams() {
    int32_t first = Count_League_Teams(0);
    int32_t second = Count_League_Teams(1);
    return first > second ? first : second;
}

int32_t Get_Max_League_Divisions() {
    int32_t first = Count_League_Divisions(0);
    int32_t second = Count_League_Divisions(1);
    return first > second ? first : second;
}

int32_t Get_Max_Division_Teams() {
    int32_t most = 0;
    for (int division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        int32_t count = Count_Division_Teams(division);
        if (count > most) most = count;
    }
    return most;
}

int32_t Get_Nth_Team_In_Conference(int32_t league, int32_t n) {
    if (n < 0 || n >= Count_League_Teams(league)) return -NO_TEAM;
    int32_t active = Count_Active_Teams();
    for (int team = 0; team < active; ++team) {
        if (!Is_Valid_Team_Code(team) ||
            Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] / DIVISIONS_PER_LEAGUE != league)
            continue;
        if (n-- == 0) return team;
    }
    return -NO_TEAM;
}

int32_t Get_Nth_Team_In_Division(int32_t division, int32_t n) {
    if (n < 0 || n >= Count_Division_Teams(division)) return -NO_TEAM;
    int32_t active = Count_Active_Teams();
    for (int team = 0; team < active; ++team) {
        if (!Is_Active_Team(team) || Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] != division)
            continue;
        if (n-- == 0) return team;
    }
    return -NO_TEAM;
}

int32_t Is_Human_Team(int32_t team) {
    return Is_Franchise_Slot(team) && Control_Word(team) == TEAM_CONTROL_HUMAN && !Multi_Season_Simulation();
}

int32_t Is_Computer_Team(int32_t team) {
    if (!Is_Active_Team(team)) return 0;
    return Multi_Season_Simulation() || Control_Word(team) == TEAM_CONTROL_COMPUTER;
}

int32_t Count_Human_Teams() {
    if (Multi_Season_Simulation()) return 0;
    int32_t count = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Control_Word(team) == TEAM_CONTROL_HUMAN) ++count;
    Count_Active_Teams();
    return count;
}

int32_t Count_Computer_Teams() {
    int32_t active = Count_Active_Teams();
    if (Multi_Season_Simulation()) return active;
    int32_t count = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Control_Word(team) == TEAM_CONTROL_COMPUTER) ++count;
    return count;
}

int32_t Is_Multi_Player() {
    return Count_Human_Teams() > 1;
}

int32_t Get_Nth_Human_Team(int32_t n) {
    int32_t humans = Count_Human_Teams();
    if (humans == 0) return 0;
    if (n < 0) return -NO_TEAM;
    if (n >= humans) n = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Human_Team(team)) continue;
        if (n-- == 0) return team;
    }
    return -NO_TEAM;
}

int32_t Get_User_Team() {
    int32_t team = Get_User_Preference(USER_TEAM);
    return Is_Valid_Team_Code(team) ? team : 0;
}

int32_t Set_User_Team(int32_t team) {
    int32_t stored = static_cast<int8_t>(team);
    Set_User_Preference(USER_TEAM, stored);
    return stored;
}

void Get_League_Name(int32_t n, char* buffer) {
    if (n < 0 || n >= NUMBER_OF_LEAGUES) {
        Report_System_Error("Invalid Get_League_Name(%d) call.", n);
        return;
    }
    safe_strncpy(buffer, Universe.Header.League_Names[n], LEAGUE_NAME_LENGTH);
}

void Set_League_Abbreviation(int32_t n, const char* text) {
    if (n < 0 || n >= NUMBER_OF_LEAGUES) {
        Report_System_Error("Invalid Set_League_Abbreviation(%d) call.", n);
        return;
    }
    safe_strncpy(Universe.Header.League_Names[n], text, LEAGUE_NAME_LENGTH);
}

void Get_Division_Name(int32_t n, char* buffer) {
    if (n < 0 || n >= NUMBER_OF_DIVISIONS) {
        Report_System_Error("Invalid Get_Division_Name(%d) call.", n);
        return;
    }
    safe_strncpy(buffer, Universe.Header.Division_Names[n], DIVISION_NAME_LENGTH);
}

void Set_Division_Name(int32_t n, const char* text) {
    if (n < 0 || n >= NUMBER_OF_DIVISIONS) {
        Report_System_Error("Invalid Set_Division_Name(%d) call.", n);
        return;
    }
    safe_strncpy(Universe.Header.Division_Names[n], text, DIVISION_NAME_LENGTH);
}

void Swap_Leagues() {
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        int32_t division = Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION];
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] =
            (division + DIVISIONS_PER_LEAGUE) % NUMBER_OF_DIVISIONS;
    }
    char first[LEAGUE_NAME_LENGTH];
    memcpy(first, Universe.Header.League_Names[0], LEAGUE_NAME_LENGTH);
    memcpy(Universe.Header.League_Names[0], Universe.Header.League_Names[1], LEAGUE_NAME_LENGTH);
    memcpy(Universe.Header.League_Names[1], first, LEAGUE_NAME_LENGTH);
}

void Clear_Empty_League_Names() {
    for (int league = 0; league < NUMBER_OF_LEAGUES; ++league)
        if (Count_League_Teams(league) == 0) Universe.Header.League_Names[league][0] = '\0';
    for (int division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        if (Count_Division_Teams(division) == 0) Universe.Header.Division_Names[division][0] = '\0';
}

void Reset_League_Abbreviations() {
    const char* format = Get_Current_Year() < 1970 ? "%cFL" : "%cFC";
    for (int league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        char text[LEAGUE_NAME_LENGTH];
        snprintf(text, sizeof text, format, Universe.Header.League_Names[league][0]);
        safe_strncpy(Universe.Header.League_Names[league], text, LEAGUE_NAME_LENGTH);
    }
}

void Set_Team_Defensive_System(int32_t team, int32_t system) {
    if (system == Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM)) return;
    Set_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM, system);
    Offer_Matching_Defensive_Playbook(team);
    Auto_Set_Depth_Chart(team, 1, 0);
    Sort_Roster_Section(team, 1);
}

void Assign_Team_Defensive_Systems() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Computer_Team(team)) Choose_Team_Defensive_System(team);
}

int32_t Get_Universe_Stat(int32_t n) {
    if (n < 0 || n >= NUMBER_OF_UNIVERSE_STATS) {
        Report_System_Error("Invalid nStat in Get_Universe_Stat(%d)", n);
        return 0;
    }
    int32_t* stats = Universe.Header.Universe_Stats;
    if (n == GAMES_PER_SEASON && stats[n] >= 18) stats[n] = 17;
    return stats[n];
}

void Increment_Universe_Stat(int32_t n) {
    if (n < 0 || n >= NUMBER_OF_UNIVERSE_STATS) {
        Report_System_Error("Invalid nStat in Increment_Universe_Stat(%d)", n);
        return;
    }
    int32_t* stats = Universe.Header.Universe_Stats;
    if (n == GAMES_PER_SEASON && stats[n] >= 18) stats[n] = 17;
    // A counter stops at the largest value it can hold: whatever a file holds,
    // one more touchdown never wraps it.
    if (stats[n] < INT32_MAX) ++stats[n];
    if (n == WILD_CARD_TEAMS && stats[n] > 4)
        Report_System_Error("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)", stats[n]);
}

void Set_Universe_Stat(int32_t value) {
    if (value > 4) Report_System_Error("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)", value);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = value;
}

void Store_Universe_Stat(int32_t n, int32_t value) {
    if (n < 0 || n >= NUMBER_OF_UNIVERSE_STATS) {
        Report_System_Error("Invalid nStat in Store_Universe_Stat(%d)", n);
        return;
    }
    Universe.Header.Universe_Stats[n] = value;
}

void Adjust_Trade_Reputation(int32_t delta) {
    int64_t value = static_cast<int64_t>(Universe.Header.Universe_Stats[TRADE_REPUTATION]) + delta;
    if (value > 2000) value = 2000;
    if (value < -2000) value = -2000;
    Universe.Header.Universe_Stats[TRADE_REPUTATION] = static_cast<int32_t>(value);
}

int32_t Modify_For_Universe_Stat(int32_t value, int32_t n) {
    if (n != 0 && (n < 15 || n > 18)) {
        Report_System_Error("Invalid nStat in Modify_For_Universe_Stat()");
        if (n < 0 || n >= NUMBER_OF_UNIVERSE_STATS) return value;
    }
    if (value == 0) return 0;
    int64_t factor = 100 + static_cast<int64_t>(Universe.Header.Universe_Stats[n]);
    int64_t quotient = (static_cast<int64_t>(value) * factor + 50) / 100;
    if (factor % 100 != 0 && ((value < 0) != (factor < 0))) --quotient;
    return static_cast<int32_t>(quotient);
}

int32_t Get_Draft_Order_Team(int32_t i) {
    if (i < 0 || i >= MAX_FRANCHISES) {
        Report_System_Error("Invalid index in Get_Draft_Order_Team(%d)", i);
        return -NO_TEAM;
    }
    return Universe.Draft_Order[i];
}

namespace {
bool Is_Valid_Pick(int32_t year, int32_t round, int32_t issuer) {
    return year >= 0 && year < DRAFT_YEARS && round >= 0 && round < DRAFT_ROUNDS && issuer >= 0 &&
           issuer < MAX_FRANCHISES;
}
} // namespace

int32_t Get_Draft_Pick_Owner(int32_t year, int32_t round, int32_t issuer) {
    if (!Is_Valid_Pick(year, round, issuer)) {
        Report_System_Error("Invalid pick in Get_Draft_Pick_Owner(%d,%d,%d)", year, round, issuer);
        return -NO_TEAM;
    }
    return Universe.Draft_Pick_Owner[year][round][issuer];
}

void Set_Draft_Pick_Owner(int32_t year, int32_t round, int32_t issuer, int32_t owner) {
    if (!Is_Valid_Pick(year, round, issuer)) {
        Report_System_Error("Invalid pick in Set_Draft_Pick_Owner(%d,%d,%d,%d)", year, round, issuer, owner);
        return;
    }
    Universe.Draft_Pick_Owner[year][round][issuer] = static_cast<int8_t>(owner);
}

bool Is_Draft_Pick_Spent(int32_t year, int32_t round, int32_t issuer) {
    if (year != 0 || !Is_College_Draft_Underway()) return false;
    const int32_t draft_round = Get_User_Preference(DRAFT_ROUND);
    if (round != draft_round) return round < draft_round;
    const int32_t draft_pick = Get_User_Preference(DRAFT_PICK);
    for (int32_t position = 0; position < draft_pick && position < MAX_FRANCHISES; ++position)
        if (Universe.Draft_Order[position] == issuer) return true;
    return false;
}

int32_t Find_Team_Draft_Pick(int32_t team, int32_t n, int32_t* year, int32_t* round, int32_t* issuer) {
    // No team owns a pick before its first.
    if (n < 0) return 0;
    int32_t active = Count_Active_Teams();
    for (int32_t y = 0; y < DRAFT_YEARS; ++y)
        for (int32_t r = 0; r < DRAFT_ROUNDS; ++r)
            for (int32_t position = 0; position < active; ++position) {
                int32_t from = Universe.Draft_Order[position];
                if (from < 0 || from >= MAX_FRANCHISES) continue;
                if (Universe.Draft_Pick_Owner[y][r][from] != team) continue;
                // Picks of this year's draft that were already made are no longer owned.
                if (Is_Draft_Pick_Spent(y, r, from)) continue;
                if (n-- > 0) continue;
                *year = y;
                *round = r;
                *issuer = from;
                return 1;
            }
    return 0;
}

void Get_Database_Notes(char* buffer, int32_t size) {
    safe_strncpy(buffer, Universe.Header.Database_Notes, size);
}

void Set_Database_Notes(const char* text) {
    safe_strncpy(Universe.Header.Database_Notes, text, sizeof Universe.Header.Database_Notes);
}

void Get_Skin_Name(char* buffer, int32_t size) {
    safe_strncpy(buffer, Universe.Header.Skin_Name, size);
}

void Set_Skin_Name(const char* text) {
    safe_strncpy(Universe.Header.Skin_Name, text, sizeof Universe.Header.Skin_Name);
}

int32_t Get_Header_Flag(int32_t i) {
    if (i < 0 || i >= NUMBER_OF_HEADER_FLAGS) {
        Report_System_Error("Invalid index in Get_Header_Flag(%d)", i);
        return 0;
    }
    int16_t value;
    memcpy(&value, Header_Flag_Address(i), sizeof value);
    return value;
}

void Set_Header_Flag(int32_t i, int32_t value) {
    if (i < 0 || i >= NUMBER_OF_HEADER_FLAGS) {
        Report_System_Error("Invalid index in Set_Header_Flag(%d,%d)", i, value);
        return;
    }
    int16_t stored = static_cast<int16_t>(value);
    memcpy(Header_Flag_Address(i), &stored, sizeof stored);
}

int32_t Get_Current_View() {
    return Get_User_Preference(CURRENT_VIEW);
}
void Set_Current_View_Setting(int32_t view) {
    Set_User_Preference(CURRENT_VIEW, view);
}
void Set_Current_Week(int32_t week) {
    Set_User_Preference(CURRENT_WEEK, week);
    Update_Main_Window_Title();
}

void Store_User_Name_In_Fame_File(const char* name) {
    if (name == nullptr) return;
    Update_Owner_Hall_Of_Fame_File([name](uint8_t* image) {
        // The name and its terminator; the field's bytes after them stay.
        safe_strncpy(reinterpret_cast<char*>(image + OWNER_NAME_OFFSET), name, OWNER_NAME_LENGTH);
        return true;
    });
}
int32_t Get_Current_Season_Index() {
    return Get_User_Preference(CURRENT_SEASON_INDEX);
}
int32_t Get_Replay_Mode() {
    return Universe.Header.Replay_Mode;
}

void Clear_All_Time_Leaders() {
    memset(Universe.Tail.All_Time_Leaders, 0, sizeof Universe.Tail.All_Time_Leaders);
}
