// Scoring a trade from one team's side.
#include "frontoffice/trade_scoring.h"

#include <algorithm>
#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "frontoffice/trade_values.h"

namespace {
// The cash level below which a payment hurts more: 10,410,000 inflated.
constexpr int32_t CASH_RESERVE = 10410000;

int32_t Need_Position(int32_t team, int32_t slot) {
    return Clamp_Int(0, NEED_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

// True for a player among his unit's starters in the team's depth chart.
bool Is_Unit_Starter(int32_t team, int32_t slot) {
    const int32_t unit = Get_Player_Unit(team, slot);
    if (unit < 0 || unit > 2) return false;
    return !Is_Player_Behind_Unit_Starters(team, slot);
}
} // namespace

int32_t Get_Offer_Players_Loss(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table) {
    if (offer == nullptr) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, 1);
    int64_t loss = 0;
    for (int32_t slot : offer->Items[1]) {
        if (!Is_Trade_Player_Item(*offer, 1, slot)) continue;
        const int32_t value = Get_Player_Net_Trade_Value(team, slot, 0);
        int32_t weight = table.Need[Get_Player_Role_For_Team(team, team, slot)][Need_Position(team, slot)];
        // A starter is missed whatever the depth behind him.
        if (team < MAX_FRANCHISES && Is_Unit_Starter(team, slot))
            weight = 1000 + Mul_Div_Round(weight - 400, 1000, 1600);
        loss += Mul_Div_Round(weight, value, 1000);
    }
    return Clamp_To_Int32(loss);
}

int32_t Get_Offer_Players_Gain(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table) {
    if (offer == nullptr) return 0;
    const int32_t giver = Get_Trade_Side_Team(*offer, 0);
    const int32_t receiver = Get_Trade_Side_Team(*offer, 1);
    const int32_t cost_weight = (9 - Get_User_Preference(DIFFICULTY_LEVEL)) * 50;
    int32_t arrivals[NEED_ROLES][NEED_POSITIONS] = {};
    int64_t gain = 0;
    for (int32_t slot : offer->Items[0]) {
        if (!Is_Trade_Player_Item(*offer, 0, slot)) continue;
        const int32_t value = Get_Player_Trade_Value_For_Team(receiver, giver, slot, cost_weight);
        const int32_t role = Get_Player_Role_For_Team(receiver, giver, slot);
        const int32_t position = Need_Position(giver, slot);
        gain += Mul_Div_Round(table.Need[role][position], value, 1000);
        ++arrivals[role][position];
    }
    // Several arrivals of one role and position are worth less.
    int64_t crowding = 5;
    for (const auto& row : arrivals)
        for (int32_t count : row)
            if (count > 1) crowding += count - 1;
    return Clamp_To_Int32(Mul_Div_Round_64(gain, 5, crowding));
}

int32_t Adjust_Cash_For_Difficulty(int32_t amount, int32_t level) {
    if (amount <= 0) return Clamp_To_Int32(Mul_Div_Round_64(amount, (level + 4) * 20, 100));
    return Clamp_To_Int32(Mul_Div_Round_64(amount, (6 - level) * 20, 100));
}

int32_t Score_Trade_Side(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table) {
    if (offer == nullptr) return TRADE_REFUSED_SCORE;
    const int32_t user = Get_User_Team();
    const int32_t level = Get_User_Preference(DIFFICULTY_LEVEL);
    const bool user_gives = Get_Trade_Side_Team(*offer, 0) == user;
    const bool user_involved = user_gives || Get_Trade_Side_Team(*offer, 1) == user;
    const int32_t cash_thousands = offer->Cash / 1000;
    const int64_t players_gain = Get_Offer_Players_Gain(offer, table);
    const int64_t players_loss = Get_Offer_Players_Loss(offer, table);
    int64_t gain = players_gain + Get_Offer_Picks_Value(offer, 0);
    int64_t loss = players_loss + Get_Offer_Picks_Value(offer, 1);
    const bool picks_only = players_gain == 0 && players_loss == 0 && cash_thousands == 0;

    int64_t money = Scale_To_Reference_Cap(cash_thousands);
    if (user_gives) money = Adjust_Cash_For_Difficulty(static_cast<int32_t>(money), level);
    if (money > 0) {
        gain += money / 3;
    } else if (money < 0) {
        // A payment that leaves a team short of cash hurts more.
        const int64_t reserve = Mul_Div_Round_64(Get_Universe_Stat(INFLATION_FACTOR), CASH_RESERVE, 1000);
        int64_t left =
            static_cast<int64_t>(Get_Team_Financial_Stat(Get_Trade_Side_Team(*offer, 1), FINANCE_CASH)) -
            std::llabs(static_cast<int64_t>(offer->Cash));
        if (left < reserve / 5) left = reserve / 5;
        if (left < 1) left = 1;
        const int64_t base = Get_Base_Cash();
        if (left < base) money = Mul_Div_Round_64(money, base, left);
        if (left < reserve) money = Mul_Div_Round_64(money, reserve, left);
        loss += std::llabs(money);
    }

    // The user offers nothing: refused whatever else the offer holds.
    if (user_gives && !Is_Trade_Item_Present(offer->Items[0][0]) && cash_thousands <= 0)
        return TRADE_REFUSED_SCORE;
    if (gain <= 20) return Clamp_To_Int32(std::min<int64_t>(gain - loss + 950, 990));
    const int64_t divisor = std::max(loss, gain / 10);
    int64_t score = Mul_Div_Round_64(gain, 1000, divisor);
    if (user_involved) {
        int64_t bias = user_gives ? 300 * level - 250 : 150 - 200 * level;
        if (picks_only) bias /= 2;
        score += Get_Universe_Stat(TRADE_REPUTATION) / 10 - bias;
    }
    if (divisor < 2400) score = std::max(score, 600 - divisor / 4);
    return Clamp_To_Int32(score);
}

int32_t Score_Trade_Offer(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table) {
    const int32_t saved = Begin_Trade_Scoring();
    const int32_t score = Score_Trade_Side(offer, table);
    End_Trade_Scoring(saved);
    return score;
}

int32_t Score_Trade_Offer_For_Team_A(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table) {
    Swap_Trade_Offer_Sides(offer);
    const int32_t score = Score_Trade_Offer(offer, table);
    Swap_Trade_Offer_Sides(offer);
    return score;
}
