// Trade screen operations.
#include "frontoffice/trade_screens.h"

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_value.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_scoring.h"
#include "personnel/draft_state.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t COUNTER_OFFER_DRAWS = 1000;
constexpr int32_t FIRST_NAMELESS_TEAM = 38;
const char* const JOKE_ITEMS[] = {"a bag of footballs", "a shiny new helmet", "some ointment",
                                  "a paperweight",      "magic beans",        "a lucky penny",
                                  "a stuffed armadillo"};
constexpr int32_t JOKE_ITEM_COUNT = sizeof JOKE_ITEMS / sizeof JOKE_ITEMS[0];

int64_t Side_Salaries(const TRADE_OFFER& offer, int32_t side) {
    const int32_t team = Get_Trade_Side_Team(offer, side);
    int64_t total = 0;
    for (int32_t item : offer.Items[side])
        if (Is_Trade_Player_Item(offer, side, item)) total += Get_Player_Vital_Stat(team, item, VITAL_SALARY);
    return total;
}
} // namespace

int32_t Get_Trade_Team_Index(int32_t index) {
    const int32_t teams = Count_Active_Teams();
    if (teams <= 0) return 0;
    index = Clamp_Int(0, teams - 1, index);
    return index == Get_User_Team() ? (index + 1) % teams : index;
}

int32_t Trade_Increases_Payroll_In_Debt(const TRADE_OFFER* offer) {
    if (offer == nullptr) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, 0);
    if (team != Get_User_Team() || Get_Team_Financial_Stat(team, FINANCE_CASH) >= 0) return 0;
    return Side_Salaries(*offer, 1) > Side_Salaries(*offer, 0) ? 1 : 0;
}

int32_t Get_Draft_Pick_Year(int32_t year_index) {
    int32_t year = Get_Current_Year() + year_index + 1;
    if (Is_College_Draft_Underway() || Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK) --year;
    return year;
}

void Get_Draft_Pick_Label(int32_t team, int32_t item, char* buffer) {
    if (buffer == nullptr) return;
    int32_t year = 0, round = 0, issuer = 0;
    const int32_t pick = item - Get_First_Empty_Player_Slot(team);
    if (pick < 0 || !Find_Team_Draft_Pick(team, pick, &year, &round, &issuer)) {
        const int32_t joke = static_cast<int32_t>(
            (static_cast<int64_t>(team) * item % JOKE_ITEM_COUNT + JOKE_ITEM_COUNT) % JOKE_ITEM_COUNT);
        safe_strncpy(buffer, JOKE_ITEMS[joke], FORMATTED_TEXT_SIZE);
        return;
    }
    char ordinal[FORMATTED_TEXT_SIZE], abbreviation[TEAM_STRING_LENGTH];
    Format_Ordinal_Number(round + 1, ordinal);
    Get_Team_String(abbreviation, issuer, 0);
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d - %s Round (%s)", Get_Draft_Pick_Year(year), ordinal,
                 abbreviation);
}

void Get_Trade_Cap_Line(int32_t team, char* buffer) {
    if (buffer == nullptr) return;
    char nickname[FORMATTED_TEXT_SIZE] = "";
    if (team < FIRST_NAMELESS_TEAM) Get_Team_Nickname(team, nickname);
    const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    char amount[FORMATTED_TEXT_SIZE], budget[FORMATTED_TEXT_SIZE];
    if (cap == 0) {
        Format_Wide_Number_Commas(payroll * 1000, amount);
        Format_Number_Commas(Get_Team_Payroll_Budget(team), budget);
        safe_sprintf(buffer, TEXT_BUFFER_SIZE, "The %s have a team payroll of $%s (budget: $%s)", nickname,
                     amount, budget);
        return;
    }
    const int64_t room = cap - payroll;
    Format_Wide_Number_Commas(room > 0 ? room : -room, amount);
    if (room > 0)
        safe_sprintf(buffer, TEXT_BUFFER_SIZE, "The %s are $%s,000 under the salary cap", nickname, amount);
    else
        safe_sprintf(buffer, TEXT_BUFFER_SIZE, "The %s are exceeding the salary cap by $%s,000", nickname,
                     amount);
}

int32_t Build_Counter_Offer(const TEAM_STRENGTH_TABLE& user_table, const TEAM_STRENGTH_TABLE& partner_table) {
    TRADE_OFFER* offer = &Current_Trade_Offer;
    const int32_t user = Get_Trade_Side_Team(*offer, 0), partner = Get_Trade_Side_Team(*offer, 1);
    TRADE_CANDIDATE_WEIGHTS weights;
    Build_Trade_Candidate_Weights(partner, user, partner_table, user_table, Get_Offer_Side_Quality(offer, 0),
                                  &weights);
    // The partner's better players are worth more to the user.
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        weights.Weight[slot] =
            Clamp_To_Int32(static_cast<int64_t>(weights.Weight[slot]) +
                           10LL * Clamp_Int(-1000000000, 1000000000, Get_Player_Value(partner, slot)));
    for (;;) {
        int32_t added = 0;
        for (int32_t draw = 0; draw < COUNTER_OFFER_DRAWS && !added; ++draw)
            added = Add_Random_Player_To_Offer(offer, 0, &weights);
        if (!added) return 0;
        if (Score_Trade_Offer(offer, partner_table) >= 1000) return 1;
    }
}

int32_t Carry_Out_Trade_Offer(TRADE_OFFER* offer) {
    if (!Implement_Trade(offer)) return 0;
    Clear_Trade_Offer_Items(offer);
    offer->Reserved = 1;
    return 1;
}
