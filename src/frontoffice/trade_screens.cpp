// Trade screen operations.
#include "frontoffice/trade_screens.h"

#include <algorithm>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/player_texts.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salaries.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "personnel/draft_state.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t COUNTER_OFFER_DRAWS = 1000;
constexpr int32_t FIRST_NAMELESS_TEAM = 38;
// The most cash one side may put into a trade.
constexpr int64_t MOST_TRADE_CASH = 100000000;
// No trade moves more cash than lies between the debt floor and the ceiling.
constexpr int64_t MOST_CASH_MOVED = 1100000000;
// Typed amounts above this are no amount at all.
constexpr int64_t MOST_READ_CASH = 9999999999LL;
const char* const JOKE_ITEMS[] = {"a bag of footballs", "a shiny new helmet", "some ointment",
                                  "a paperweight",      "magic beans",        "a lucky penny",
                                  "a stuffed armadillo"};
constexpr int32_t JOKE_ITEM_COUNT = sizeof JOKE_ITEMS / sizeof JOKE_ITEMS[0];
constexpr int32_t SHOWN_OVERALL_STAT = 225;
constexpr int32_t PEAK_STAT = 226;
// Widths the roster row's columns are padded to: name, position, age, cap
// impact, contract years, rating.
constexpr int ROW_COLUMN_WIDTHS[] = {22, 3, 2, 12, 1, 5};
constexpr int ROW_COLUMNS = sizeof ROW_COLUMN_WIDTHS / sizeof ROW_COLUMN_WIDTHS[0];

int64_t Side_Salaries(const TRADE_OFFER& offer, int32_t side) {
    const int32_t team = Get_Trade_Side_Team(offer, side);
    int64_t total = 0;
    for (int32_t item : offer.Items[side])
        if (Is_Trade_Player_Item(offer, side, item)) total += Get_Player_Vital_Stat(team, item, VITAL_SALARY);
    return total;
}
} // namespace

int32_t Get_Trade_User_Team() {
    if (Get_User_Preference(COMMISSIONER_MODE) > 0) {
        const int32_t viewed = Get_User_Preference(VIEWED_TEAM);
        if (Is_Used_Franchise_Slot(viewed)) return viewed;
    }
    const int32_t user = Get_User_Team();
    return Is_Used_Franchise_Slot(user) ? user : NO_TRADE_TEAM;
}

int32_t Get_Trade_Team_Index(int32_t index) {
    const int32_t teams = Count_Active_Teams();
    if (teams <= 0) return 0;
    index = Clamp_Int(0, teams - 1, index);
    return index == Get_Trade_User_Team() ? (index + 1) % teams : index;
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
    // The partner adds players one at a time, each kept, until it takes the
    // deal. A player usually lowers its score, but an overpaid one (a
    // negative net value) raises it, so a counter offer may need several.
    for (;;) {
        int32_t added = 0;
        for (int32_t draw = 0; draw < COUNTER_OFFER_DRAWS && !added; ++draw)
            added = Add_Random_Player_To_Offer(offer, 0, &weights);
        // The players already added stay in the offer for the user to weigh.
        if (!added) return 0;
        if (Score_Trade_Offer(offer, partner_table) >= 1000) return 1;
    }
}

void Format_Trade_Roster_Row(int32_t team, int32_t slot, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (!Is_Player_Slot_Used(team, slot)) return;
    char columns[ROW_COLUMNS][FORMATTED_TEXT_SIZE];
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(team, slot, name);
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    // An expiring contract of a franchise player once the final is played.
    if (years < 2 && Is_Champion_Decided() && team < MAX_FRANCHISES)
        safe_sprintf(columns[0], FORMATTED_TEXT_SIZE, "(%s)", name);
    else
        safe_strncpy(columns[0], name, FORMATTED_TEXT_SIZE);
    safe_strncpy(columns[1], Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                 FORMATTED_TEXT_SIZE);
    safe_sprintf(columns[2], FORMATTED_TEXT_SIZE, "%d", Get_Player_Age(team, slot));
    int64_t impact = Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE);
    const int32_t minimum = Get_Player_Minimum_Salary(team, slot);
    if (Is_Player_Within_Position_Quota(team, slot) && impact < minimum) impact = minimum;
    char amount[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(impact * 1000, amount);
    safe_sprintf(columns[3], FORMATTED_TEXT_SIZE, "$%s", amount);
    safe_sprintf(columns[4], FORMATTED_TEXT_SIZE, "%d", years);
    const int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, SHOWN_OVERALL_STAT);
    const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, PEAK_STAT);
    if (peak > overall)
        safe_sprintf(columns[5], FORMATTED_TEXT_SIZE, "%d/%d", overall, peak);
    else
        safe_sprintf(columns[5], FORMATTED_TEXT_SIZE, "   %d", peak);
    for (int32_t column = 0; column < ROW_COLUMNS; ++column) {
        Pad_String_Left(columns[column], ROW_COLUMN_WIDTHS[column]);
        if (column > 0) safe_strncat(buffer, "\t", TRADE_ROW_TEXT_SIZE);
        safe_strncat(buffer, columns[column], TRADE_ROW_TEXT_SIZE);
    }
}

int32_t Format_Trade_Pick_Row(int32_t team, int32_t n, char* buffer) {
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    int32_t year = 0, round = 0, issuer = 0;
    if (n < 0 || !Find_Team_Draft_Pick(team, n, &year, &round, &issuer)) return 0;
    char ordinal[FORMATTED_TEXT_SIZE], nickname[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Number(round + 1, ordinal);
    Get_Team_Nickname(issuer, nickname);
    safe_sprintf(buffer, TRADE_ROW_TEXT_SIZE, "  %s Round Pick\t (%d)\t(%s)", ordinal,
                 Get_Draft_Pick_Year(year), nickname);
    return 1;
}

void Format_Trade_Offer_Item(int32_t team, int32_t item, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (!Is_Trade_Item_Present(item)) return;
    if (item >= Get_First_Empty_Player_Slot(team)) {
        Get_Draft_Pick_Label(team, item, buffer);
        return;
    }
    char name[FORMATTED_TEXT_SIZE];
    Get_Player_Full_Name(team, item, name);
    Append_Player_Status_Suffix(name, team, item);
    safe_sprintf(buffer, TRADE_ROW_TEXT_SIZE, "%s (%s)", name,
                 Get_Position_Short_Name(Get_Player_Vital_Stat(team, item, VITAL_POSITION)));
}

void Set_Current_Trade_Offer(const TRADE_OFFER* offer) {
    if (offer != nullptr) Current_Trade_Offer = *offer;
}

int32_t Carry_Out_Trade_Offer(TRADE_OFFER* offer) {
    if (offer == nullptr || !Implement_Trade(offer)) return 0;
    Clear_Trade_Offer_Items(offer);
    offer->Reserved = 1;
    Set_User_Preference(TRADE_MADE_FLAG, 1);
    return 1;
}

void Get_Refused_Trade_Reason(const TRADE_OFFER* offer, char* reason) {
    if (reason == nullptr) return;
    reason[0] = '\0';
    if (!Check_Trade_Legality(offer, reason) && reason[0] != '\0') return;
    safe_strncpy(reason, "The trade could not be carried out: a roster has no room for a player it receives.",
                 TEXT_BUFFER_SIZE);
}

int32_t Get_Trade_Cash_Limit(int32_t team) {
    const int64_t step = Get_Money_Step_Dollars();
    const int64_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    int64_t limit = cash - cash % step;
    if (limit > MOST_TRADE_CASH) limit = MOST_TRADE_CASH;
    return limit < 0 ? 0 : static_cast<int32_t>(limit);
}

int32_t Step_Trade_Cash(int64_t amount, int32_t up, int32_t paying_team) {
    const int64_t step = Get_Money_Step_Dollars();
    return Hold_Trade_Cash(amount + (up ? step : -step), paying_team);
}

bool Read_Trade_Cash_Text(const char* text, int64_t* amount) {
    if (text == nullptr || amount == nullptr) return false;
    int64_t value = 0;
    bool negative = false;
    bool digits = false;
    bool sign_allowed = true;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '$' || *c == ',' || *c == ' ') continue;
        if (*c == '-' && sign_allowed && !digits) {
            negative = true;
            sign_allowed = false;
            continue;
        }
        if (*c < '0' || *c > '9') return false;
        // Past ten digits no amount a team holds is meant.
        if (value > MOST_READ_CASH / 10) return false;
        value = value * 10 + (*c - '0');
        digits = true;
        sign_allowed = false;
    }
    if (negative && !digits) return false;
    *amount = negative ? -value : value;
    return true;
}

int32_t Hold_Typed_Offer_Cash(int64_t amount) {
    return static_cast<int32_t>(std::clamp<int64_t>(amount, -MOST_CASH_MOVED, MOST_CASH_MOVED));
}

int32_t Hold_Trade_Cash(int64_t amount, int32_t paying_team) {
    const int64_t limit = Get_Trade_Cash_Limit(paying_team);
    if (amount > limit) amount = limit;
    return amount < 0 ? 0 : static_cast<int32_t>(amount);
}
