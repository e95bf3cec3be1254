#include "personnel/contract_renewal.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_values.h"
#include "personnel/contract_length.h"
#include "platform/message_box.h"
#include "season/cap_room_average.h"
#include "season/draft_picks_value.h"

namespace {
// A player's worth in thousands is his value scaled from the 55,000,000 that
// the value scale is built on to the base-year cap, then inflated.
constexpr int32_t VALUE_SCALE = 55000000;
constexpr int32_t STAR_LEVEL = 70;
// With this many players or fewer a team meets an under-priced player halfway.
constexpr int32_t ROSTER_ROOM_FOR_COMPROMISE = 58;
constexpr int32_t ABSURD_CONTRACT_FIGURE = 202995;

struct OLD_CONTRACT {
    int32_t Salary;
    int32_t Years;
    int32_t Length;
    int32_t Bonus;
};

OLD_CONTRACT Read_Contract(int32_t team, int32_t slot) {
    return {Get_Player_Vital_Stat(team, slot, VITAL_SALARY),
            Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS),
            Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS),
            Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)};
}

void Put_Back_Contract(int32_t team, int32_t slot, const OLD_CONTRACT& old) {
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, old.Salary);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, old.Years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, old.Length);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, old.Bonus);
}

void Set_Contract_Years(int32_t team, int32_t slot, int32_t years) {
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
}

// Signed for `years` at `salary` with `bonus`, which the team pays now.
void Sign_Renewed_Contract(int32_t team, int32_t slot, int32_t salary, int32_t bonus, int32_t years) {
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    Set_Contract_Years(team, slot, years);
    Add_Team_Financial_Stat(team, FINANCE_CASH, -1000LL * bonus);
}

struct RENEWAL_TERMS {
    int32_t Potential;
    int32_t Rating;
    int32_t Value;
    int32_t Years;
    int32_t Salary;
    int32_t Bonus;
    int32_t Worth;
    TEAM_STRENGTH_TABLE Needs;
};

RENEWAL_TERMS Prepare_Renewal_Terms(int32_t team, int32_t slot) {
    RENEWAL_TERMS terms{};
    // Nothing here changes a cap charge: both estimates weigh by one average.
    const CAP_ROOM_AVERAGE_HOLD average;
    terms.Potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    terms.Rating = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
    terms.Value = Get_Player_Value(team, slot);
    Build_Team_Strength_Table(team, &terms.Needs);
    terms.Years = Get_Desired_Contract_Length(team, slot);
    const PLAYER_RECORD before = *Get_Player_Record_Pointer(team, slot);
    const uint64_t draws = Get_Random_Draw_Count();
    terms.Salary = Get_Player_Salary_Value(team, slot, terms.Value);
    // His demand is worked from the same salary value, which taken again
    // would come to the same, unless taking it drew or repaired his record.
    if (!Is_Draft_Pool_Team(team) && Get_Random_Draw_Count() == draws &&
        std::memcmp(&before, Get_Player_Record_Pointer(team, slot), sizeof before) == 0)
        terms.Bonus = Get_Demand_From_Salary_Value(team, slot, terms.Salary);
    else
        terms.Bonus = Get_Player_Contract_Demand(team, slot, terms.Value);
    terms.Worth = Apply_Inflation(Mul_Div_Round(terms.Value, BASE_YEAR_CAP, VALUE_SCALE));
    return terms;
}

// What a computer-run team offers a year: his worth, raised for a star now or
// later, weighed by the team's cash, its need at his position and its room
// under the cap (or its payroll budget without a cap); 0 over the cap.
int32_t Get_Computer_Renewal_Offer(int32_t team, int32_t slot, const RENEWAL_TERMS& terms, int32_t release) {
    int32_t offer = terms.Worth;
    if (terms.Potential > STAR_LEVEL) offer = Mul_Div_Round(offer, terms.Potential, STAR_LEVEL);
    if (terms.Rating > STAR_LEVEL) offer = Mul_Div_Round(offer, terms.Rating, STAR_LEVEL);
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, FINANCE_CASH_RATIO);
    offer = cash_ratio < 0 ? 0 : Mul_Div_Round(offer, cash_ratio + 1000, 2000);
    int32_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    // Picks still to be signed will take their share of the cap.
    if (release) payroll += Get_Team_Draft_Picks_Value(team);
    const int32_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    if (cap > 0 && payroll > cap) return 0;
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NEED_POSITIONS) position = Translate_Expanded_Position(position);
    if (position < 0 || position >= NEED_POSITIONS) position = 0;
    int32_t role = Get_Player_Role_For_Team(team, team, slot);
    if (role < 0 || role >= NEED_ROLES) role = ROLE_VETERAN_BACKUP;
    const int32_t need = terms.Needs.Need[role][position];
    const int32_t budget = Mul_Div_Round(Get_Team_Payroll_Budget(team), 1, 1000);
    offer = Mul_Div_Round(offer, need + 1000, 1400);
    // An empty payroll leaves all the room: the offer is weighed as against
    // the smallest payroll, never divided down to nothing.
    const int64_t weighed = Mul_Div_Round_64(offer, cap > 0 ? cap : budget, std::max(payroll, 1));
    return Clamp_To_Int32(weighed);
}

// The human owner talks in the Contract Offer dialog, unless Commissioner Mode
// renews at once or the team is in debt in Owner Mode and may not talk.
int32_t Talk_With_Human_Team(int32_t team, int32_t slot, const RENEWAL_TERMS& terms) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, terms.Salary);
        Set_Contract_Years(team, slot, terms.Years);
        return 1;
    }
    if (Get_Team_Financial_Stat(team, FINANCE_CASH) < 0 && Get_User_Preference(OWNER_MODE) == 1) {
        char team_name[FORMATTED_TEXT_SIZE];
        char player_name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, team_name);
        Get_Player_Full_Name(team, slot, player_name);
        Show_Formatted_Message(
            team_name,
            "Because you are in debt, you may not discuss a new contract with %s. He is being "
            "released.",
            player_name);
        Set_Contract_Years(team, slot, terms.Years);
        Set_Player_Contract_Demand(team, slot, terms.Value);
        Release_Player_To_Free_Agents(team, slot);
        return 0;
    }
    Set_Contract_Years(team, slot, terms.Years);
    Set_Player_Contract_Demand(team, slot, terms.Value);
    const int32_t id = Get_Player_ID(team, slot);
    const int32_t result = Open_Contract_Offer(NO_WINDOW, team, slot);
    // A report opened inside the talk may have released him (the slot then
    // holds the next player, whom this talk leaves alone) or another player
    // above him, who moved him up the roster.
    int32_t now_team = team, now_slot = slot;
    if (result == CONTRACT_PLAYER_LEFT || !Find_Player_Again(id, &now_team, &now_slot) || now_team != team)
        return 0;
    if (result == 0) Release_Player_To_Free_Agents(team, now_slot);
    return result;
}
} // namespace

int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    const OLD_CONTRACT old = Read_Contract(team, slot);
    const RENEWAL_TERMS terms = Prepare_Renewal_Terms(team, slot);
    if (Is_Human_Team(team)) return Talk_With_Human_Team(team, slot, terms);
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, terms.Salary);
        Set_Contract_Years(team, slot, terms.Years);
        return 1;
    }
    const int32_t offer = Get_Computer_Renewal_Offer(team, slot, terms, release);
    if (offer >= terms.Salary) {
        Sign_Renewed_Contract(team, slot, terms.Salary, terms.Bonus, terms.Years);
        return 1;
    }
    if (offer > 0 && Get_First_Empty_Player_Slot(team) <= ROSTER_ROOM_FOR_COMPROMISE) {
        Sign_Renewed_Contract(team, slot, (terms.Salary + offer) / 2, terms.Bonus, terms.Years);
        return 1;
    }
    if (release) {
        Set_Contract_Years(team, slot, terms.Years);
        Set_Player_Contract_Demand(team, slot, terms.Value);
        Release_Player_To_Free_Agents(team, slot);
        return 0;
    }
    Put_Back_Contract(team, slot, old);
    return 0;
}

void Repair_Player_Contract_Demand(int32_t team, int32_t slot) {
    int32_t value = 0;
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    if (bonus > ABSURD_CONTRACT_FIGURE || bonus < -ABSURD_CONTRACT_FIGURE) {
        value = Get_Player_Value(team, slot);
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, Get_Player_Contract_Demand(team, slot, value));
    }
    const int32_t length = Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS);
    if (length > ABSURD_CONTRACT_FIGURE || length < -ABSURD_CONTRACT_FIGURE) {
        // The bonus is spread over the years he has left.
        Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS,
                              Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
        Set_Player_Contract_Demand(team, slot, value);
    }
}

void Repair_Contract_Demands() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Repair_Player_Contract_Demand(team, slot);
    }
}

int32_t Get_Contract_Cycle_Year(int32_t team, int32_t slot) {
    const int32_t length = Get_Desired_Contract_Length(team, slot);
    if (length < 1) return 0;
    const int32_t year = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) % length;
    return year == 0 ? length : year;
}
