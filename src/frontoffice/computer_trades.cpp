// Computer trade making and the offer builders.
#include "frontoffice/computer_trades.h"

#include <cmath>
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
#include "frontoffice/player_potential.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_values.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t LAST_TRADING_WEEK = 12;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t FAILURES_TO_STOP = 3;
constexpr int32_t PLAYER_TRIES = 5;
constexpr int32_t PICK_TRIES = 10;
// Draws of a trade partner before giving up (a league whose computer teams
// lie outside the active range would draw for ever).
constexpr int32_t MAX_TEAM_DRAWS = 10000;
// Worth of a rating with no player's position to weigh it.
constexpr int32_t NO_TEAM_SLOT = -1;

int32_t Rating_Worth(float rating) {
    return Get_Bounded_Rating_Value(NO_TEAM_SLOT, NO_TEAM_SLOT, rating);
}

bool Is_Trading_Open() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    return Get_User_Preference(COMMISSIONER_MODE) != 0 || week < LAST_TRADING_WEEK ||
           week == OFF_SEASON_WEEK || Is_Champion_Decided();
}

int32_t Draw_Computer_Team(int32_t teams, int32_t other) {
    for (int32_t draws = 0; draws < MAX_TEAM_DRAWS; ++draws) {
        const int32_t team = Random_Index(teams);
        if (!Is_Human_Team(team) && team != other) return team;
    }
    return -1;
}

int32_t Empty_Item_Index(const TRADE_OFFER& offer, int32_t side) {
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
        if (!Is_Trade_Item_Present(offer.Items[side][n])) return n;
    return -1;
}

bool Side_Has_Item(const TRADE_OFFER& offer, int32_t side, int32_t item) {
    for (int32_t present : offer.Items[side])
        if (present == item) return true;
    return false;
}

bool Side_Has_Position(const TRADE_OFFER& offer, int32_t side, int32_t position) {
    const int32_t team = Get_Trade_Side_Team(offer, side);
    for (int32_t item : offer.Items[side])
        if (Is_Trade_Player_Item(offer, side, item) &&
            Get_Player_Vital_Stat(team, item, VITAL_POSITION) == position)
            return true;
    return false;
}

// Both teams' scores, or a code for an offer the builders cannot use. The
// flag says whether team B scores lower, whenever both scores are taken (a
// side that refuses scores lowest and so is offered a player next).
int32_t Score_Both_Sides(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table_a,
                         const TEAM_STRENGTH_TABLE& table_b, int32_t* lower_b, int32_t* score_a,
                         int32_t* score_b) {
    if (!Is_Trade_Offer_Well_Formed(offer)) return INVALID_OFFER_SCORE;
    if (!Check_Trade_Legality(offer, nullptr)) return ILLEGAL_OFFER_SCORE;
    *score_a = Score_Trade_Offer_For_Team_A(offer, table_a);
    *score_b = Score_Trade_Offer(offer, table_b);
    if (lower_b != nullptr) *lower_b = *score_b < *score_a ? 1 : 0;
    if (*score_a < 0 || *score_b < 0) return INVALID_OFFER_SCORE;
    return 0;
}

using OFFER_SCORE = int32_t (*)(TRADE_OFFER*, int32_t*, const TEAM_STRENGTH_TABLE&,
                                const TEAM_STRENGTH_TABLE&);

// Adds players while they raise the score, until three tries in a row fail.
void Grow_Offer(TRADE_OFFER* offer, OFFER_SCORE score, const TEAM_STRENGTH_TABLE& table_a,
                const TEAM_STRENGTH_TABLE& table_b, TRADE_CANDIDATE_WEIGHTS weights[2]) {
    int32_t flag = 0;
    int32_t best = score(offer, &flag, table_a, table_b);
    for (int32_t failures = 0; failures < FAILURES_TO_STOP;) {
        const TRADE_OFFER kept = *offer;
        // Whichever team scores lower receives a player from the other.
        int32_t new_flag = flag;
        if (Add_Random_Player_To_Offer(offer, flag, &weights[flag == 1 ? 0 : 1])) {
            const int32_t tried = score(offer, &new_flag, table_a, table_b);
            if (tried > best) {
                best = tried;
                flag = new_flag;
                failures = 0;
                continue;
            }
        }
        *offer = kept;
        ++failures;
    }
}

// The lowest score above 1000 among the offers `vary` makes from `base`; the
// winner replaces Current_Trade_Offer when it scores below the offer as it
// stands.
template <typename VARY> int32_t Balance_Current_Offer(const TEAM_STRENGTH_TABLE& table_b, VARY vary) {
    const TRADE_OFFER base = Current_Trade_Offer;
    const int32_t start = Score_Trade_Offer(&base, table_b);
    if (start < 1000) return 0;
    TRADE_OFFER best_offer = base;
    int32_t best = INT32_MAX;
    vary(base, [&](const TRADE_OFFER& candidate) {
        const int32_t score = Score_Trade_Offer(&candidate, table_b);
        if (score > 1000 && score < best) {
            best = score;
            best_offer = candidate;
        }
    });
    if (best >= start) return 0;
    Current_Trade_Offer = best_offer;
    return 1;
}

// Adds a pick of team B unless it is on side 1 already; false when the side
// is full or the code cannot be an item.
bool Add_Pick_Code(TRADE_OFFER& offer, int32_t code) {
    if (Side_Has_Item(offer, 1, code)) return true;
    if (code >= 128 || Is_Trade_Item_Present(offer.Items[1][TRADE_ITEMS_PER_SIDE - 1])) return false;
    offer.Items[1][Empty_Item_Index(offer, 1)] = static_cast<uint8_t>(code);
    return true;
}
} // namespace

int32_t Try_Computer_Trade() {
    const int32_t teams = Refresh_Active_Team_Count();
    if (Count_Computer_Teams() < 2 || !Is_Trading_Open()) return 0;
    const int32_t team_a = Draw_Computer_Team(teams, -1);
    if (team_a < 0) return 0;
    const int32_t team_b = Draw_Computer_Team(teams, team_a);
    if (team_b < 0) return 0;
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.Team[0] = static_cast<uint8_t>(team_a);
    offer.Team[1] = static_cast<uint8_t>(team_b);
    TEAM_STRENGTH_TABLE table_a, table_b;
    Build_Team_Strength_Table(team_a, &table_a);
    Build_Team_Strength_Table(team_b, &table_b);
    Build_Computer_Trade_Offer(&offer, table_a, table_b);
    const int32_t score_b = Score_Trade_Offer(&offer, table_b);
    const int32_t score_a = Score_Trade_Offer_For_Team_A(&offer, table_a);
    if (score_a <= COMPUTER_TRADE_SCORE || score_b <= COMPUTER_TRADE_SCORE) return 0;
    return Implement_Trade(&offer);
}

void Build_Computer_Trade_Offer(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table_a,
                                const TEAM_STRENGTH_TABLE& table_b) {
    if (offer == nullptr) return;
    const int32_t team_a = Get_Trade_Side_Team(*offer, 0), team_b = Get_Trade_Side_Team(*offer, 1);
    static TRADE_CANDIDATE_WEIGHTS weights[2];
    Build_Trade_Candidate_Weights(team_a, team_b, table_a, table_b, Get_Offer_Side_Quality(offer, 1),
                                  &weights[0]);
    Build_Trade_Candidate_Weights(team_b, team_a, table_b, table_a, Get_Offer_Side_Quality(offer, 0),
                                  &weights[1]);
    Grow_Offer(offer, Score_Trade_Product, table_a, table_b, weights);
    Grow_Offer(offer, Score_Trade_Balance, table_a, table_b, weights);
}

int32_t Score_Trade_Product(TRADE_OFFER* offer, int32_t* lower_b, const TEAM_STRENGTH_TABLE& table_a,
                            const TEAM_STRENGTH_TABLE& table_b) {
    int32_t score_a = 0, score_b = 0;
    const int32_t refused = Score_Both_Sides(offer, table_a, table_b, lower_b, &score_a, &score_b);
    if (refused != 0) return refused;
    if (score_a == 0 && score_b == 0) return -1;
    return Clamp_To_Int32(Mul_Div_Round_64(score_a, score_b, 1000));
}

int32_t Score_Trade_Balance(TRADE_OFFER* offer, int32_t* lower_b, const TEAM_STRENGTH_TABLE& table_a,
                            const TEAM_STRENGTH_TABLE& table_b) {
    int32_t score_a = 0, score_b = 0;
    const int32_t refused = Score_Both_Sides(offer, table_a, table_b, lower_b, &score_a, &score_b);
    if (refused != 0) return refused;
    return -std::abs(score_a - score_b);
}

int32_t Get_Offer_Side_Quality(const TRADE_OFFER* offer, int32_t side) {
    if (offer == nullptr || side < 0 || side > 1) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, side);
    int32_t best = -1, best_figure = 0;
    for (int32_t item : offer->Items[side]) {
        if (!Is_Trade_Player_Item(*offer, side, item)) continue;
        const int32_t rating = Truncate_Rating(Ensure_Player_Minimum_Rating(team, item));
        const int32_t figure = (Truncate_Rating(Get_Player_Potential(team, item)) + rating) / 2;
        if (best < 0 || figure > best_figure) {
            best = item;
            best_figure = figure;
        }
    }
    int64_t worth = best < 0 ? 0 : Get_Bounded_Rating_Value(team, best, static_cast<float>(best_figure));
    for (int32_t item : offer->Items[side]) {
        if (item == best || !Is_Trade_Player_Item(*offer, side, item)) continue;
        // One evaluation a statement: either may draw (a rating repair), and
        // the order of an operator's operands is open.
        const float rating = Ensure_Player_Minimum_Rating(team, item);
        const float figure = (rating + Get_Player_Potential(team, item)) / 2.0f;
        worth += Get_Bounded_Rating_Value(team, item, figure) / 5;
    }
    // The worth back on the rating scale.
    if (worth >= 307)
        return static_cast<int32_t>(65.0 + std::sqrt((static_cast<double>(worth) - 306.0) / 15.0));
    const double quarter = 4.0 * static_cast<double>(worth);
    return static_cast<int32_t>(30.0 + (quarter < 0 ? -std::sqrt(-quarter) : std::sqrt(quarter)));
}

void Build_Trade_Candidate_Weights(int32_t team_p, int32_t team_t, const TEAM_STRENGTH_TABLE& table_p,
                                   const TEAM_STRENGTH_TABLE& table_t, int32_t yardstick,
                                   TRADE_CANDIDATE_WEIGHTS* weights) {
    if (weights == nullptr) return;
    const int32_t reference = Rating_Worth(static_cast<float>(yardstick));
    const int32_t good = Rating_Worth(70.0f);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        int32_t& weight = weights->Weight[slot];
        weight = 0;
        if (!Is_Player_Slot_Used(team_p, slot)) continue;
        const int32_t position = Get_Player_Vital_Stat(team_p, slot, VITAL_POSITION);
        if (position < 0 || position >= NEED_POSITIONS) continue;
        const int32_t wanted = table_t.Need[Get_Player_Role_For_Team(team_t, team_p, slot)][position];
        const int32_t kept = table_p.Need[Get_Player_Role_For_Team(team_p, team_p, slot)][position];
        // Team P needs him badly itself.
        if (kept >= 1400) continue;
        const int32_t ratio = Mul_Div_Round(wanted, 1000, kept);
        weight = ratio > 1000 ? ratio - 1000 : 0;
        const int32_t players = Count_Team_Position_Players(team_p, position);
        if (players <= Get_Position_Starter_Count(position)) {
            weight = 0;
            continue;
        }
        if (players <= Get_Position_Roster_Minimum(position)) weight /= 3;
        // Players far better or far worse than what comes back are rarely offered.
        const int32_t rating = Truncate_Rating(Ensure_Player_Minimum_Rating(team_p, slot));
        const int32_t potential = Truncate_Rating(Get_Player_Potential(team_p, slot));
        const int32_t quality =
            Get_Bounded_Rating_Value(team_p, slot, static_cast<float>((rating + 1 + potential) / 2));
        if (quality > good + reference)
            weight = 0;
        else if (quality > reference)
            weight /= 3;
        else if (quality < reference / 4)
            weight = 0;
        else if (quality < reference / 2)
            weight /= 3;
    }
}

int32_t Pick_Weighted_Random_Slot(const TRADE_CANDIDATE_WEIGHTS& weights) {
    int64_t total = 0;
    for (int32_t weight : weights.Weight)
        if (weight > 0) total += weight;
    if (total == 0) return -1;
    const int64_t draw =
        static_cast<int64_t>((static_cast<uint64_t>(Random_Number()) * static_cast<uint64_t>(total)) >> 32);
    int64_t running = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (weights.Weight[slot] > 0) running += weights.Weight[slot];
        if (running > draw) return slot;
    }
    return -1;
}

int32_t Add_Random_Player_To_Offer(TRADE_OFFER* offer, int32_t flag, TRADE_CANDIDATE_WEIGHTS* weights) {
    if (offer == nullptr || weights == nullptr) return 0;
    const int32_t side = 1 - flag;
    if (side < 0 || side > 1) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, side);
    for (int32_t tries = 0; tries < PLAYER_TRIES; ++tries) {
        const int32_t slot = Pick_Weighted_Random_Slot(*weights);
        if (slot < 0) return 0;
        if (Side_Has_Item(*offer, side, slot) ||
            Is_Trade_Item_Present(offer->Items[side][TRADE_ITEMS_PER_SIDE - 1]))
            continue;
        if (Side_Has_Position(*offer, side, Get_Player_Vital_Stat(team, slot, VITAL_POSITION))) {
            weights->Weight[slot] = 0;
            continue;
        }
        const TRADE_OFFER kept = *offer;
        offer->Items[side][Empty_Item_Index(*offer, side)] = static_cast<uint8_t>(slot);
        if (!Check_Trade_Legality(offer, nullptr)) {
            weights->Weight[slot] = 0;
            *offer = kept;
            return 0;
        }
        return 1;
    }
    return 0;
}

int32_t Add_Random_Draft_Pick_To_Offer(TRADE_OFFER* offer) {
    if (offer == nullptr) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, 1);
    const int32_t picks = Count_Team_Owned_Draft_Picks(team);
    if (picks == 0) return 0;
    const int32_t players = Get_First_Empty_Player_Slot(team);
    for (int32_t tries = 0; tries < PICK_TRIES; ++tries) {
        const int32_t code = players + Random_Index(picks);
        if (code >= 128 || Side_Has_Item(*offer, 1, code) ||
            Is_Trade_Item_Present(offer->Items[1][TRADE_ITEMS_PER_SIDE - 1]))
            continue;
        const TRADE_OFFER kept = *offer;
        offer->Items[1][Empty_Item_Index(*offer, 1)] = static_cast<uint8_t>(code);
        if (!Check_Trade_Legality(offer, nullptr)) {
            *offer = kept;
            return 0;
        }
        return 1;
    }
    return 0;
}

int32_t Balance_Offer_With_Draft_Picks(const TEAM_STRENGTH_TABLE& table_b) {
    return Balance_Current_Offer(table_b, [](const TRADE_OFFER& base, auto try_offer) {
        const int32_t team = Get_Trade_Side_Team(base, 1);
        const int32_t picks = Count_Team_Owned_Draft_Picks(team);
        const int32_t players = Get_First_Empty_Player_Slot(team);
        for (int32_t first = 0; first < picks; ++first)
            for (int32_t second = first; second < picks; ++second) {
                TRADE_OFFER candidate = base;
                if (!Add_Pick_Code(candidate, players + first)) continue;
                if (second != first && !Add_Pick_Code(candidate, players + second)) continue;
                try_offer(candidate);
            }
    });
}

int32_t Balance_Offer_With_Cash(const TEAM_STRENGTH_TABLE& table_b) {
    return Balance_Current_Offer(table_b, [](const TRADE_OFFER& base, auto try_offer) {
        const int64_t step = Get_Money_Step_Dollars();
        if (step <= 0) return;
        const int64_t limit = Get_Team_Financial_Stat(Get_Trade_Side_Team(base, 1), FINANCE_CASH) / 2;
        for (int64_t cash = 0; - cash < limit; cash -= step) {
            TRADE_OFFER candidate = base;
            candidate.Cash = Clamp_To_Int32(cash);
            try_offer(candidate);
        }
    });
}
