// Contract renewals: a computer general manager's offer against what the
// player asks.
#include "personnel/contract_renewal.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_values.h"
#include "personnel/contract_length.h"

namespace {
// A roster this small keeps an under-priced player at the mean of his ask
// and the offer.
constexpr int32_t ROOMY_ROSTER = 58;

void Sign_Contract(int32_t team, int32_t slot, int32_t salary, int32_t years) {
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
}

void Pay_Signing_Bonus(int32_t team, int32_t slot, int32_t bonus) {
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    Add_Team_Financial_Stat(team, FINANCE_CASH, -1000LL * bonus);
}

// What the team offers a year ($K): the player's worth raised for his
// potential and rating, scaled by the team's cash, needs and payroll room.
int64_t Renewal_Offer(int32_t team, int32_t slot, int32_t value) {
    const int32_t potential = Truncate_Rating(Get_Player_Potential(team, slot));
    const int32_t rating = Truncate_Rating(Ensure_Player_Minimum_Rating(team, slot));
    int64_t offer = Apply_Inflation(Mul_Div_Round(value, BASE_YEAR_CAP, STANDARD_CAP));
    if (potential > 70) offer = Mul_Div_Round_64(offer, potential, 70);
    if (rating > 70) offer = Mul_Div_Round_64(offer, rating, 70);
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, FINANCE_CASH_RATIO);
    offer = cash_ratio < 0 ? 0 : Mul_Div_Round_64(offer, cash_ratio + 1000, 2000);
    const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    if (cap > 0 && payroll > cap) return 0;
    TEAM_STRENGTH_TABLE needs;
    Build_Team_Strength_Table(team, &needs);
    const int32_t role = Get_Player_Role_For_Team(team, team, slot);
    const int32_t position =
        Clamp_Int(0, NEED_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    offer = Mul_Div_Round_64(offer, needs.Need[role][position] + 1000, 1400);
    const int64_t budget = Mul_Div_Round_64(Get_Team_Payroll_Budget(team), 1, 1000);
    return Mul_Div_Round_64(offer, cap > 0 ? cap : budget, payroll);
}
} // namespace

int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t value = Get_Player_Value(team, slot);
    const int32_t years = Get_Desired_Contract_Length(team, slot);
    const int32_t salary = Get_Player_Salary_Value(team, slot, value);
    const int32_t bonus = Get_Player_Contract_Demand(team, slot, value);
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
        Sign_Contract(team, slot, salary, years);
        return 1;
    }
    // A human-run team talks in the contract dialog.
    if (Is_Human_Team(team)) return 0;
    const int64_t offer = Renewal_Offer(team, slot, value);
    if (offer >= salary) {
        Sign_Contract(team, slot, salary, years);
        Pay_Signing_Bonus(team, slot, bonus);
        return 1;
    }
    if (offer > 0 && Get_First_Empty_Player_Slot(team) <= ROOMY_ROSTER) {
        Sign_Contract(team, slot, static_cast<int32_t>((salary + offer) / 2), years);
        Pay_Signing_Bonus(team, slot, bonus);
        return 1;
    }
    if (release != 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
        Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
        Set_Player_Contract_Demand(team, slot, value);
        Release_Player_To_Free_Agents(team, slot);
    }
    return 0;
}
