// The Contract Offer talk.
#include "frontoffice/contract_offer.h"

#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/trade_offer.h"
#include "platform/windows.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t TRADING_BLOCK_DIALOG = 173;

// The terms a talk may change.
struct CONTRACT_TERMS {
    int32_t Bonus;
    int32_t Salary;
    int32_t Years;
    int32_t Length;
};

CONTRACT_TERMS Read_Terms(int32_t team, int32_t slot) {
    return {Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS),
            Get_Player_Vital_Stat(team, slot, VITAL_SALARY),
            Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS),
            Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS)};
}

void Write_Terms(int32_t team, int32_t slot, const CONTRACT_TERMS& terms) {
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, terms.Bonus);
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, terms.Salary);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, terms.Years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, terms.Length);
}

int32_t Cash_In_Thousands(int32_t team) {
    return Get_Team_Financial_Stat(team, FINANCE_CASH) / 1000;
}
} // namespace

int32_t Open_Contract_Offer(WINDOW_HANDLE parent, int32_t team, int32_t slot) {
    const int32_t user = Get_User_Preference(USER_TEAM);
    const bool franchise_player = team >= 0 && team < MAX_FRANCHISES && Is_Player_Slot_Used(team, slot);
    const CONTRACT_TERMS found = Read_Terms(team, slot);
    const int32_t id = Get_Player_ID(team, slot);
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS,
                          Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
    const bool has_parent = parent != NO_WINDOW && Is_Window(parent);
    const bool was_enabled = has_parent && Enable_Window(parent, false);
    int32_t result = Refresh_Bars_And_Do_Dialog(has_parent ? parent : NO_WINDOW, CONTRACT_OFFER_DIALOG);
    if (has_parent && Is_Window(parent)) {
        if (was_enabled) Enable_Window(parent, true);
        Invalidate_Window(parent, nullptr);
        Update_Window(parent);
    }
    // A franchise player the user did not sign keeps the contract he has. A
    // release inside the talk may have moved him up the roster, or taken him
    // off it: he is found by his id, never by the slot he had.
    int32_t now_team = team, now_slot = slot;
    if (result != CONTRACT_ACCEPTED && franchise_player && Find_Player_Again(id, &now_team, &now_slot) &&
        now_team == team)
        Write_Terms(team, now_slot, found);
    Set_User_Preference(USER_TEAM, user);
    if (result == CONTRACT_TO_TRADING_BLOCK && !has_parent) {
        Open_Empty_Trading_Block(NO_WINDOW);
        result = CONTRACT_DECLINED;
    }
    return result;
}

bool Find_Player_Again(int32_t id, int32_t* team, int32_t* slot) {
    // His own team first, so that a copy of him elsewhere is never taken for him.
    if (Find_Player_On_Team(id, *team, slot)) return true;
    return Find_Player_By_ID(team, slot, id) != 0;
}

void Open_Empty_Trading_Block(WINDOW_HANDLE owner) {
    Init_Trade_Offer(&Current_Trade_Offer);
    Refresh_Bars_And_Do_Dialog(owner, TRADING_BLOCK_DIALOG);
}

int32_t Get_Fewest_Contract_Years() {
    return Is_Champion_Decided() ? 2 : 1;
}

CONTRACT_OFFER_CONTROLS Prepare_Contract_Offer(int32_t team, int32_t slot) {
    const bool commissioner = Get_User_Preference(COMMISSIONER_MODE) > 0;
    // The player's own franchise pays for his renewal (and in Commissioner Mode).
    if (team >= 0 && team < MAX_FRANCHISES) Set_User_Preference(USER_TEAM, team);
    const int32_t cash = Cash_In_Thousands(Get_User_Preference(USER_TEAM));
    const int32_t value = Get_Player_Value(team, slot);
    const int32_t demand = Get_Player_Contract_Demand(team, slot, value);
    int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    const int32_t minimum = Get_League_Minimum_Salary(seasons < 0 ? 0 : seasons);
    const int32_t fewest = Get_Fewest_Contract_Years();
    int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    if (years > MAX_CONTRACT_OFFER_YEARS) years = MAX_CONTRACT_OFFER_YEARS;
    if (years < fewest) years = fewest;
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Contract_Demand(team, slot, value);
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    CONTRACT_OFFER_CONTROLS controls{};
    controls.Fewer_Years = years > fewest;
    controls.More_Years = years < MAX_CONTRACT_OFFER_YEARS;
    controls.Show_Bonus = Get_User_Preference(OWNER_MODE) != 0;
    controls.Smaller_Bonus = controls.Show_Bonus && bonus > demand;
    controls.Bigger_Bonus = controls.Show_Bonus && salary > minimum &&
                            static_cast<int64_t>(bonus) < static_cast<int64_t>(cash) - CONTRACT_BONUS_STEP;
    controls.Accept = commissioner || cash >= bonus;
    controls.Can_Pay = commissioner || cash >= demand;
    return controls;
}

void Change_Contract_Offer_Bonus(int32_t team, int32_t slot, int32_t bigger) {
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS,
                          bonus + (bigger ? CONTRACT_BONUS_STEP : -CONTRACT_BONUS_STEP));
    Set_Player_Contract_Demand(team, slot, 0);
}

int32_t Get_Contract_Offer_Cap_Room(int32_t team, int32_t slot) {
    return Get_Cap_Room_After_Signing(Get_User_Preference(USER_TEAM), team, slot);
}

int32_t Check_Contract_Acceptance(int32_t team, int32_t slot, int32_t* room) {
    const int32_t after = Get_Contract_Offer_Cap_Room(team, slot);
    if (room != nullptr) *room = after;
    if (after >= 0) return CONTRACT_FITS_CAP;
    return Get_User_Preference(COMMISSIONER_MODE) > 0 ? CONTRACT_OVER_CAP_ASKED : CONTRACT_OVER_CAP;
}

void Pay_Contract_Bonus(int32_t team, int32_t slot) {
    Add_Team_Financial_Stat(Get_User_Preference(USER_TEAM), FINANCE_CASH,
                            -1000 *
                                static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)));
}
