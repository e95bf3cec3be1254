#include "database/team_finances.h"

#include <algorithm>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "frontoffice/money.h"

namespace {
constexpr int ROSTER_AVERAGE_SLOTS = 51;
constexpr int PAYROLL_SLOTS = 51;
constexpr int LAST_POOL_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;

bool Is_General_Manager_Mode() {
    return Get_User_Preference(OWNER_MODE) != 1;
}
bool Is_Fantasy_Draft_Running() {
    return Get_Universe_Stat(4) >= 1;
}

int32_t Sum_Fantasy_Draft_Vital(int32_t team, int32_t vital) {
    int64_t total = 0;
    for (int32_t owner = 0; owner <= LAST_POOL_TEAM; ++owner)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(owner, slot) && Get_Player_Vital_Stat(owner, slot, 26) == team)
                total += Get_Player_Vital_Stat(owner, slot, vital);
    return Clamp_To_Int32(total);
}

int32_t Get_Bonus_Charges(int32_t team) {
    if (Is_Fantasy_Draft_Running()) return Sum_Fantasy_Draft_Vital(team, 102);
    int64_t total = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) total += Get_Player_Vital_Stat(team, slot, 102);
    return Clamp_To_Int32(total);
}

// The cap counts the 51 largest charges of the roster, and of a newcomer
// with `added` when one is given.
int32_t Sum_Payroll(int32_t team, const int32_t* added = nullptr) {
    int32_t charges[PLAYERS_PER_TEAM + 1];
    int32_t count = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) charges[count++] = Get_Player_Vital_Stat(team, slot, 100);
    if (added != nullptr) charges[count++] = *added;
    // Only which charges are the largest matters, not their order.
    if (count > PAYROLL_SLOTS)
        std::nth_element(charges, charges + PAYROLL_SLOTS, charges + count,
                         [](int32_t a, int32_t b) { return a > b; });
    int64_t total = 0;
    for (int32_t i = 0; i < count && i < PAYROLL_SLOTS; ++i)
        total += charges[i];
    return Clamp_To_Int32(total);
}

// Everything a roster's cap charges are read from: of each used slot the
// salary, the signing bonus and its years and the credited seasons (which
// set the minimum salary), and the year and inflation the minimums follow.
struct PAYROLL_FIELDS {
    int32_t Id;
    int32_t Salary;
    int32_t Signing_Bonus;
    int32_t Bonus_Years;
    int32_t Contract_Years;
    int32_t Credited_Seasons;
};
struct PAYROLL_INPUT {
    int32_t Valid_Team;
    int32_t Year;
    int32_t Inflation;
    PAYROLL_FIELDS Slots[PLAYERS_PER_TEAM];
};
struct KEPT_PAYROLL {
    bool Known;
    int32_t Payroll;
    PAYROLL_INPUT Input;
};
// Payrolls are asked for far more often than rosters change (every team's cap
// room for each salary estimate): each team's is kept with what it was summed
// from and given again while that still matches the league.
KEPT_PAYROLL Kept_Payrolls[TOTAL_NUMBER_OF_TEAMS];

void Read_Payroll_Input(int32_t team, PAYROLL_INPUT& input) {
    std::memset(&input, 0, sizeof input);
    input.Valid_Team = Is_Valid_Team_Code(team);
    input.Year = Get_Current_Year();
    input.Inflation = Get_Universe_Stat(INFLATION_FACTOR);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t* vital = Universe.Teams[team].Players[slot].Vital_Stats;
        PAYROLL_FIELDS& fields = input.Slots[slot];
        fields.Id = vital[VITAL_PLAYER_ID];
        if (fields.Id == 0) continue;
        fields.Salary = vital[VITAL_SALARY];
        fields.Signing_Bonus = vital[VITAL_SIGNING_BONUS];
        fields.Bonus_Years = vital[VITAL_BONUS_YEARS];
        fields.Contract_Years = vital[VITAL_CONTRACT_YEARS];
        fields.Credited_Seasons = vital[VITAL_CREDITED_SEASONS];
    }
}

// True while the kept fields still describe the team's roster.
bool Matches_Payroll_Input(int32_t team, const PAYROLL_INPUT& input) {
    if (input.Valid_Team != Is_Valid_Team_Code(team) || input.Year != Get_Current_Year() ||
        input.Inflation != Get_Universe_Stat(INFLATION_FACTOR))
        return false;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t* vital = Universe.Teams[team].Players[slot].Vital_Stats;
        const PAYROLL_FIELDS& fields = input.Slots[slot];
        if (vital[VITAL_PLAYER_ID] != fields.Id) return false;
        if (fields.Id == 0) continue;
        if (vital[VITAL_SALARY] != fields.Salary || vital[VITAL_SIGNING_BONUS] != fields.Signing_Bonus ||
            vital[VITAL_BONUS_YEARS] != fields.Bonus_Years ||
            vital[VITAL_CONTRACT_YEARS] != fields.Contract_Years ||
            vital[VITAL_CREDITED_SEASONS] != fields.Credited_Seasons)
            return false;
    }
    return true;
}

int32_t Get_Payroll(int32_t team) {
    if (Is_Fantasy_Draft_Running()) return Sum_Fantasy_Draft_Vital(team, 100);
    KEPT_PAYROLL& kept = Kept_Payrolls[team];
    if (kept.Known && Matches_Payroll_Input(team, kept.Input)) return kept.Payroll;
    Read_Payroll_Input(team, kept.Input);
    kept.Payroll = Sum_Payroll(team);
    kept.Known = true;
    return kept.Payroll;
}

} // namespace

int32_t Get_Payroll_With_Newcomer(int32_t team, int32_t charge) {
    if (team < 0 || team > LAST_POOL_TEAM) return 0;
    if (Is_Fantasy_Draft_Running()) return Clamp_To_Int32(static_cast<int64_t>(Get_Payroll(team)) + charge);
    return Sum_Payroll(team, &charge);
}

namespace {
// Sum of a vital stat (or the age) over roster slots 0-50; empty slots count 0.
int64_t Sum_Roster_Slots(int32_t team, int32_t vital) {
    int64_t total = 0;
    for (int32_t slot = 0; slot < ROSTER_AVERAGE_SLOTS; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        total += vital < 0 ? Get_Player_Age(team, slot) : Get_Player_Vital_Stat(team, slot, vital);
    }
    return total;
}

int32_t Get_Stored_Stat(int32_t team, int32_t n) {
    return Universe.Teams[team].Financial_Stats[n];
}

int32_t Get_Computed_Stat(int32_t team, int32_t n) {
    // Money totals are summed in 64 bits and kept within the int32 range.
    auto F = [team](int32_t k) -> int64_t { return Get_Team_Financial_Stat(team, k); };
    auto Total = [](int64_t sum) { return Clamp_To_Int32(sum); };
    const int32_t games = Get_Universe_Stat(0);
    switch (n) {
    case 80:
        return Total(F(86) + F(57));
    case 81:
        return Total(F(87) + F(58));
    case 82:
        return Total(F(10) + F(14) + F(22) + F(29) + F(36));
    case 83:
        return Total(F(11) + F(16) + F(23) + F(30) + F(37));
    case 84:
        return Total(F(82) - F(80));
    case 85:
        return Total(F(83) - F(81));
    case 86:
        return Total(F(51) + F(54) + F(60) + F(63));
    case 87:
        return Total(F(52) + F(55) + F(61) + F(64));
    case 88:
        return Get_Bonus_Charges(team);
    case 89:
        return Get_Payroll(team);
    case 90:
        return Total(Get_Universe_Stat(2) / 1000 - F(89));
    case 91:
        return Total(F(51) + F(57));
    case 92: {
        int32_t divisor = F(70);
        return divisor > 0 ? F(15) / divisor : F(15);
    }
    case 93: {
        int32_t divisor = F(72) - F(70);
        return divisor > 0 ? F(19) / divisor : F(19);
    }
    case 94:
        return static_cast<int32_t>(Sum_Roster_Slots(team, 11) / ROSTER_AVERAGE_SLOTS);
    case 95:
        return static_cast<int32_t>((10 * Sum_Roster_Slots(team, -1) + 25) / ROSTER_AVERAGE_SLOTS);
    case 96:
        return static_cast<int32_t>((10 * Sum_Roster_Slots(team, 12) + 25) / ROSTER_AVERAGE_SLOTS);
    case 97:
        return Mul_Div_Round(F(68) / 1000, 1000, F(69));
    case 98: {
        int32_t ratio = Mul_Div_Round(F(68), 1000, Get_Base_Cash());
        return ratio > 0 ? ratio : 0;
    }
    case 99:
        return Mul_Div_Round(F(89), 1000, Apply_Inflation(202995));
    case 100:
        return Mul_Div_Round(F(69), 1000, Apply_Inflation(2186100));
    case 101: {
        const int32_t played = Get_Team_Games_Played(team);
        return played != 0 ? Mul_Div_Round(F(82), games, played) : F(83);
    }
    case 102: {
        const int32_t played = Get_Team_Games_Played(team);
        const int64_t remaining = games - played;
        const int64_t expenses = played != 0 ? static_cast<int64_t>(Mul_Div_Round(F(51), games, played)) +
                                                   Mul_Div_Round(F(57), games, played)
                                             : F(50) + F(56);
        return Total(expenses + F(54) + Get_Team_Payroll_Per_Game(team) * remaining + F(63) +
                     F(62) * remaining + F(60) + F(59) * remaining);
    }
    case 103:
        return Total(F(101) - F(102));
    case 104:
        return static_cast<int32_t>(Sum_Roster_Slots(team, 10) / ROSTER_AVERAGE_SLOTS);
    case 105:
        return Total(F(35) + F(21) + F(28));
    case 106:
        return Total(F(36) + F(22) + F(29));
    case 107:
        return Total(F(37) + F(23) + F(30));
    case 108:
        return Total(F(62) * games);
    case 109:
        return Total(F(59) * games);
    default:
        return 0;
    }
}
} // namespace

int32_t Get_Team_Financial_Stat(int32_t team, int32_t n) {
    // In General Manager Mode the owner's budgets and cash are out of the user's hands.
    if (Is_General_Manager_Mode()) {
        if (n == 0 || n == 2 || n == 3 || n == 4) return 1000;
        if (n == FINANCIAL_STAT_CASH) return Get_Base_Cash();
    }
    if (team == LEAGUE_MEAN_TEAM) {
        int32_t count = Count_Active_Teams();
        if (count == 0) return 0;
        int64_t total = 0;
        for (int32_t member = 0; member < MAX_FRANCHISES; ++member)
            if (Is_Active_Team(member)) total += Get_Team_Financial_Stat(member, n);
        return static_cast<int32_t>(total / count);
    }
    if (team < 0 || team > LAST_POOL_TEAM) return 0;
    if (n < 0 || n > LAST_COMPUTED_FINANCIAL_STAT) return 0;
    if (n < NUMBER_OF_FINANCIAL_STATS) {
        int32_t stored = Get_Stored_Stat(team, n);
        if (n == 50 && stored == 0) return Get_Team_Operating_Expenses(team);
        if (n == 53 && stored == 0) return Get_Team_Payroll_Per_Game(team);
        return stored;
    }
    return Get_Computed_Stat(team, n);
}

int32_t Get_Team_Ticket_Price(int32_t team) {
    return Get_Team_Financial_Stat(team, FINANCIAL_STAT_TICKET_PRICE);
}

void Set_Team_Financial_Stat(int32_t team, int32_t n, int32_t value) {
    if (Is_No_Team(team)) return;
    if (team < 0 || team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Set_Team_Financial_Stat(%d,%d,%d)", team, n, value);
        // The pools keep their values all the same; nothing outside the table is written.
        if (team < 0 || team > LAST_POOL_TEAM) return;
    }
    if (n < 0 || n >= NUMBER_OF_FINANCIAL_STATS) {
        Report_System_Error("nStat out of bounds in Set_Team_Financial_Stat(%d,%d,%d)", team, n, value);
        return;
    }
    if (n == FINANCIAL_STAT_CASH) value = Clamp_Int(MIN_TEAM_CASH, MAX_TEAM_CASH, value);
    Universe.Teams[team].Financial_Stats[n] = value;
}

int32_t Get_Team_Financial_Rank(int32_t team, int32_t n) {
    int32_t value = Get_Team_Financial_Stat(team, n);
    int32_t greater = 0;
    int32_t equal = 0;
    for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
        if (!Is_Active_Team(other)) continue;
        int32_t other_value = Get_Team_Financial_Stat(other, n);
        if (other_value > value)
            ++greater;
        else if (other_value == value)
            ++equal;
    }
    return (2 * greater + equal) / 2;
}

void Clear_Previous_Financial_Stats(int32_t team) {
    static const int32_t cleared[] = {10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};
    if (team < 0 || team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Clear_Previous_Financial_Stats");
        return;
    }
    for (int32_t n : cleared)
        Universe.Teams[team].Financial_Stats[n] = 0;
}
