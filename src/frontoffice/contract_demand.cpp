// Contract demands in talks.
#include "frontoffice/contract_demand.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "personnel/contract_length.h"
#include "personnel/draft_pool_players.h"

namespace {
constexpr int32_t AGE_PREMIUM_LIMIT = 27;

void Change_Offered_Years(int32_t team, int32_t slot, int32_t change) {
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) + change;
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
    Set_Player_Contract_Demand(team, slot, 0);
}
} // namespace

void Set_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value) {
    int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    if (years < 1) years = 1;
    const int32_t offered_bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    int32_t younger = AGE_PREMIUM_LIMIT - Get_Player_Calendar_Age(team, slot);
    if (younger < 0) younger = 0;
    // An empty slot wants no years; counting one keeps the bonus spread defined.
    int32_t desired = Get_Desired_Contract_Length(team, slot);
    if (desired < 1) desired = 1;
    int32_t salary;
    int32_t demand;
    if (Is_Draft_Pool_Team(team)) {
        salary = Get_Rookie_Scale_On_The_Clock();
        const int32_t best = Update_Draft_Pool_Values();
        demand = Get_Draft_Pool_Bonus_Demand(Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE), best);
    } else {
        if (value == 0) value = Get_Player_Value(team, slot);
        salary = Get_Player_Salary_Value(team, slot, value);
        demand = Get_Demand_From_Salary_Value(team, slot, salary);
    }
    const int32_t bonus = demand > offered_bonus ? demand : offered_bonus;
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    if (years > desired) {
        // A young player asked to sign beyond his wish wants more a year, and
        // the bonus now spreads over more years.
        const int32_t premium = ((years - desired) * younger + 50) * 20;
        salary = Mul_Div_Round(salary, premium, 1000);
        salary += bonus / desired - bonus / years;
    }
    int64_t extra = static_cast<int64_t>(bonus) - demand;
    if (extra > 0) {
        // Bonus beyond the demand buys salary, at 12 % a year.
        for (int32_t year = 0; year < years; ++year)
            extra = Mul_Div_Round_64(extra, 1120, 1000);
        salary = Clamp_To_Int32(salary - extra / years);
    }
    int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    if (seasons < 0) seasons = 0;
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY,
                          Round_Salary_Up(salary, Get_League_Minimum_Salary(seasons)));
}

void Set_Desired_Contract_Demand(int32_t team, int32_t slot) {
    int32_t years = Get_Desired_Contract_Length(team, slot);
    if (years < 1) years = 1;
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Contract_Demand(team, slot, 0);
}

int32_t Get_Cap_Room_After_Signing(int32_t paying_team, int32_t team, int32_t slot) {
    const int32_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap == 0) return 0;
    // The payroll is summed as it will stand once he has joined, so the room
    // foretold is the room the team's lists show after the signing.
    const int32_t payroll =
        team == paying_team
            ? Get_Team_Financial_Stat(paying_team, FINANCE_PAYROLL)
            : Get_Payroll_With_Newcomer(paying_team, Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE));
    return Clamp_To_Int32(cap / 1000 - static_cast<int64_t>(payroll));
}

bool Can_Sign_Within_Salary_Cap(int32_t paying_team, int32_t team, int32_t slot) {
    return Get_Cap_Room_After_Signing(paying_team, team, slot) >= 0;
}

int32_t Count_Affordable_Draft_Pool_Players() {
    const int32_t cash = Get_Team_Financial_Stat(Get_User_Preference(USER_TEAM), FINANCE_CASH) / 1000;
    // The pool values are refreshed once for the whole count.
    const int32_t best = Update_Draft_Pool_Values();
    int32_t affordable = 0;
    int32_t team = 0;
    int32_t slot = 0;
    for (int32_t index = 0; Get_Draft_Pool_Player(index, &team, &slot); ++index) {
        const int32_t demand = Finish_Contract_Demand(
            Get_Draft_Pool_Bonus_Demand(Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE), best));
        if (demand <= cash) ++affordable;
    }
    return affordable;
}

void Shorten_Contract_Offer(int32_t team, int32_t slot) {
    Change_Offered_Years(team, slot, -1);
}

void Lengthen_Contract_Offer(int32_t team, int32_t slot) {
    Change_Offered_Years(team, slot, 1);
}
