#include "support/league_checks.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/trade_legality.h"

namespace {
constexpr int32_t LEAGUE_TEAMS = 32;
constexpr int32_t DIVISION_TEAMS = 4;
constexpr int32_t SMALLEST_DATABASE_ROSTER = 45;
constexpr int32_t YOUNGEST_PLAYER = 20;
constexpr int32_t OLDEST_PLAYER = 45;
// Kickers and punters have played on to 48 in the real league, and so has a
// quarterback: the game keeps a franchise's quarterback who still plays well
// (only players without a team retire), and one whose decline is slow plays
// as long.
constexpr int32_t OLDEST_KICKER = 48;
constexpr int32_t OLDEST_QUARTERBACK = 48;
// The ages a built season keeps.
constexpr int32_t YOUNGEST_SEASON_PLAYER = 17;
constexpr int32_t OLDEST_SEASON_PLAYER = 50;
constexpr int32_t POSITIONS = 15;
constexpr int32_t MOST_LINES_SHOWN = 20;

std::string Team_Name(int32_t team) {
    char name[TEAM_STRING_LENGTH] = "";
    Get_Team_String(name, team, 0);
    return std::to_string(team) + " " + name;
}
} // namespace

namespace {
// How payrolls stand against the cap.
enum class CAP_RULE {
    KEPT,
    // A team over it holds no more than the players the cap passes shed it to.
    YIELDS_TO_ROSTER,
    NOT_CHECKED,
};

int32_t Sum_Of_Position_Minimums() {
    int32_t sum = 0;
    for (int32_t position = 0; position < POSITIONS; ++position)
        sum += Get_Position_Roster_Minimum(position);
    return sum;
}

void Add_Cap_Fault(std::ostringstream& faults, int32_t team, CAP_RULE cap_rule) {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    const int64_t payroll = static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
    if (cap_rule != CAP_RULE::NOT_CHECKED && payroll > cap &&
        !(cap_rule == CAP_RULE::YIELDS_TO_ROSTER && players <= MIN_TRADE_ROSTER))
        faults << Team_Name(team) << ": payroll " << payroll << " over the cap " << cap << " with " << players
               << " players\n";
}

std::string Find_Faults(CAP_RULE cap_rule, bool default_league, int32_t smallest_roster) {
    std::ostringstream faults;
    const int32_t teams = Count_Active_Teams();
    if (default_league && teams != LEAGUE_TEAMS) faults << teams << " franchises\n";
    for (int32_t division = 0; default_league && division < NUMBER_OF_DIVISIONS; ++division)
        if (Count_Division_Teams(division) != DIVISION_TEAMS)
            faults << "division " << division << " has " << Count_Division_Teams(division) << " franchises\n";

    for (int32_t team = 0; team < teams; ++team) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        if (players < smallest_roster || players > ROSTER_ROOM_LIMIT)
            faults << Team_Name(team) << ": roster of " << players << "\n";
        for (int32_t slot = players; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) faults << Team_Name(team) << ": player after a gap\n";
        for (int32_t position = 0; position < POSITIONS; ++position)
            if (Count_Team_Position_Players(team, position) < Get_Position_Roster_Minimum(position))
                faults << Team_Name(team) << ": " << Count_Team_Position_Players(team, position) << " at "
                       << Get_Position_Short_Name(position) << "\n";
        Add_Cap_Fault(faults, team, cap_rule);
    }

    std::map<int32_t, int32_t> ids;
    std::set<std::tuple<std::string, std::string, int32_t>> people;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const int32_t id = Get_Player_ID(team, slot);
        if (id <= 0 || ++ids[id] == 2) faults << "player id " << id << " twice or invalid\n";
        char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_First_Name(team, slot, first);
        Get_Player_Last_Name(team, slot, last);
        const int32_t born = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
        if (!people.insert({first, last, born}).second)
            faults << first << " " << last << " born " << born << " twice\n";
        if (team < MAX_FRANCHISES || team == FREE_AGENT_TEAM) {
            const int32_t age = Get_Player_Age(team, slot);
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            const bool kicker = position == POSITION_K || position == POSITION_P;
            const int32_t oldest = kicker                    ? OLDEST_KICKER
                                   : position == POSITION_QB ? OLDEST_QUARTERBACK
                                                             : OLDEST_PLAYER;
            if (age < (default_league ? YOUNGEST_PLAYER : YOUNGEST_SEASON_PLAYER) ||
                age > (default_league ? oldest : OLDEST_SEASON_PLAYER))
                faults << first << " " << last << " of " << Team_Name(team) << " aged " << age << "\n";
        }
    });
    // A broken league breaks many players at once: the first lines tell enough.
    std::string text = faults.str();
    size_t end = 0;
    for (int32_t line = 0; line < MOST_LINES_SHOWN && end != std::string::npos; ++line)
        end = text.find('\n', end == 0 ? 0 : end + 1);
    if (end != std::string::npos && end + 1 < text.size()) text = text.substr(0, end + 1) + "...\n";
    return text;
}
} // namespace

std::string Find_League_Faults() {
    return Find_Faults(CAP_RULE::KEPT, true, SMALLEST_DATABASE_ROSTER);
}

std::string Find_Played_League_Faults() {
    return Find_Faults(CAP_RULE::NOT_CHECKED, true, Sum_Of_Position_Minimums());
}

std::string Find_Cap_Pass_Faults() {
    std::ostringstream faults;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        Add_Cap_Fault(faults, team, CAP_RULE::YIELDS_TO_ROSTER);
    return faults.str();
}

std::string Find_Season_Faults() {
    return Find_Faults(CAP_RULE::YIELDS_TO_ROSTER, false, SMALLEST_DATABASE_ROSTER);
}

POSITION_AGES Get_Position_Ages(int32_t position) {
    POSITION_AGES ages{0, 0, 0};
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) ||
                Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position)
                continue;
            const int32_t age = Get_Player_Age(team, slot);
            ages.Youngest = ages.Players == 0 ? age : std::min(ages.Youngest, age);
            ages.Oldest = ages.Players == 0 ? age : std::max(ages.Oldest, age);
            ++ages.Players;
        }
    return ages;
}
