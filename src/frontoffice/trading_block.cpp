// The Trading Block's offers.
#include "frontoffice/trading_block.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/number_words.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/player_texts.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trade_values.h"
#include "personnel/draft_order.h"
#include "personnel/draft_state.h"
#include "platform/message_queue.h"

TRADE_OFFER Trading_Block_Offers[TRADING_BLOCK_OFFERS];

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t BLOCK_ATTEMPTS = 10;
constexpr int32_t ADDING_DRAWS_PLAYERS = 5;
constexpr int32_t ADDING_DRAWS_PICKS = 10;
// The user must like an answer at least this much.
constexpr int32_t USER_SCORE_FLOOR = 250;
// Below this many players the block warns of the roster minimum.
constexpr int32_t WARNED_ROSTER = 54;
constexpr int32_t SHOWN_OFFER_ITEMS = 3;
constexpr int32_t SHOWN_OVERALL_STAT = 225;
constexpr int32_t PEAK_STAT = 226;

// "Full Name [status] (POS) (overall/peak)", or the peak alone once he has
// reached it.
void Format_Block_Player(int32_t team, int32_t slot, char* buffer) {
    char name[FORMATTED_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Append_Player_Status_Suffix(name, team, slot);
    const char* position = Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    const int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, SHOWN_OVERALL_STAT);
    const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, PEAK_STAT);
    if (overall < peak)
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s (%s) (%d/%d)", name, position, overall, peak);
    else
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s (%s) (%d)", name, position, peak);
}

int32_t Item_Value(const TRADE_OFFER& offer, int32_t side, int32_t item) {
    if (!Is_Trade_Item_Present(item)) return 0;
    const int32_t team = Get_Trade_Side_Team(offer, side);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    if (item < players) return Get_Player_Trade_Value(team, item);
    int32_t year = 0, round = 0, issuer = 0;
    if (!Find_Team_Draft_Pick(team, item - players, &year, &round, &issuer)) return 0;
    return Get_Draft_Pick_Trade_Value(year, round, Get_Team_Draft_Position(issuer));
}

int32_t Count_Block_Players(const TRADE_OFFER& offer) {
    int32_t players = 0;
    for (int32_t item : offer.Items[0])
        if (Is_Trade_Player_Item(offer, 0, item)) ++players;
    return players;
}

bool Is_Acceptable_Answer(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& user_table,
                          const TEAM_STRENGTH_TABLE& team_table) {
    return Score_Trade_Offer(offer, team_table) >= 1000 &&
           Score_Trade_Offer_For_Team_A(offer, user_table) > USER_SCORE_FLOOR;
}

int32_t Offer_Cash_For_Block(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& team_table) {
    const int64_t step = Get_Money_Step_Dollars();
    if (step <= 0) return 0;
    const int64_t cash = Get_Team_Financial_Stat(Get_Trade_Side_Team(*offer, 1), FINANCE_CASH);
    // The most the team pays, in whole steps, at which it still accepts.
    for (int64_t paid = cash / step * step; paid >= 0; paid -= step) {
        offer->Cash = Clamp_To_Int32(-paid);
        if (!Is_Trade_Offer_Well_Formed(offer)) return 0;
        if (Score_Trade_Offer(offer, team_table) >= 1000) return 1;
    }
    return 0;
}

template <typename ADD>
int32_t Add_Items_For_Block(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& user_table,
                            const TEAM_STRENGTH_TABLE& team_table, int32_t draws, ADD add) {
    for (;;) {
        int32_t added = 0;
        for (int32_t draw = 0; draw < draws && !added; ++draw)
            added = add();
        if (!added || !Is_Trade_Offer_Well_Formed(offer)) return 0;
        if (Is_Acceptable_Answer(offer, user_table, team_table)) return 1;
    }
}
} // namespace

void Shape_Strength_For_Request(TEAM_STRENGTH_TABLE* table, int32_t request) {
    if (table == nullptr) return;
    for (int32_t row = 0; row < NEED_ROLES; ++row)
        for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
            bool kept;
            if (request >= 0 && request < NEED_POSITIONS)
                kept = position == request;
            else if (request == BLOCK_REQUEST_PROSPECTS)
                kept = row == ROLE_YOUNG_BACKUP;
            else if (request == BLOCK_REQUEST_VETERANS)
                kept = row != ROLE_YOUNG_BACKUP;
            else
                return;
            int32_t& need = table->Need[row][position];
            need = kept ? need * 4 / 3 : 0;
        }
}

void Sort_Offer_Items_By_Value(TRADE_OFFER* offer) {
    if (offer == nullptr) return;
    if (!Is_College_Draft_Underway() && Get_User_Preference(CURRENT_WEEK) != OFF_SEASON_WEEK)
        Set_Projected_Draft_Order();
    for (int32_t side = 0; side < 2; ++side) {
        int32_t value[TRADE_ITEMS_PER_SIDE];
        for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
            value[n] = Item_Value(*offer, side, offer->Items[side][n]);
        for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
            for (int32_t k = n + 1; k < TRADE_ITEMS_PER_SIDE; ++k)
                if (value[k] > value[n]) {
                    std::swap(value[k], value[n]);
                    std::swap(offer->Items[side][k], offer->Items[side][n]);
                }
    }
}

int32_t Build_Team_Offer_For_Block(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& user_table,
                                   int32_t request) {
    if (offer == nullptr) return 0;
    TEAM_STRENGTH_TABLE team_table;
    Build_Team_Strength_Table(Get_Trade_Side_Team(*offer, 1), &team_table);
    if (request == BLOCK_REQUEST_CASH) return Offer_Cash_For_Block(offer, team_table);
    if (request == BLOCK_REQUEST_DRAFT_PICKS)
        return Add_Items_For_Block(offer, user_table, team_table, ADDING_DRAWS_PICKS,
                                   [offer] { return Add_Random_Draft_Pick_To_Offer(offer); });
    TRADE_CANDIDATE_WEIGHTS weights;
    Build_Trade_Candidate_Weights(Get_Trade_Side_Team(*offer, 1), Get_Trade_Side_Team(*offer, 0), team_table,
                                  user_table, Get_Offer_Side_Quality(offer, 0), &weights);
    return Add_Items_For_Block(offer, user_table, team_table, ADDING_DRAWS_PLAYERS,
                               [offer, &weights] { return Add_Random_Player_To_Offer(offer, 0, &weights); });
}

void Remove_Duplicate_Block_Offers() {
    for (int32_t n = 1; n < TRADING_BLOCK_OFFERS; ++n)
        for (int32_t k = 0; k < n; ++k)
            if (std::memcmp(&Trading_Block_Offers[n], &Trading_Block_Offers[k], sizeof(TRADE_OFFER)) == 0) {
                Init_Trade_Offer(&Trading_Block_Offers[n]);
                break;
            }
}

int32_t Sort_Trading_Block_Offers(int32_t user_team, int32_t request) {
    Remove_Duplicate_Block_Offers();
    TEAM_STRENGTH_TABLE user_table;
    Build_Team_Strength_Table(user_team, &user_table);
    int32_t key[TRADING_BLOCK_OFFERS];
    int32_t legal = 0;
    for (int32_t n = 0; n < TRADING_BLOCK_OFFERS; ++n) {
        TRADE_OFFER& offer = Trading_Block_Offers[n];
        if (!Check_Trade_Legality(&offer, nullptr)) {
            Init_Trade_Offer(&offer);
            key[n] = INT32_MAX;
            continue;
        }
        ++legal;
        key[n] = request == BLOCK_REQUEST_CASH ? offer.Cash : Score_Trade_Offer(&offer, user_table);
    }
    for (int32_t pass = 0; pass < TRADING_BLOCK_OFFERS - 1; ++pass)
        for (int32_t n = 0; n + 1 < TRADING_BLOCK_OFFERS; ++n)
            if (key[n + 1] < key[n]) {
                std::swap(key[n], key[n + 1]);
                std::swap(Trading_Block_Offers[n], Trading_Block_Offers[n + 1]);
            }
    return legal;
}

int32_t Check_Block_Roster_Minimum(char* reason, int32_t request) {
    if (request != BLOCK_REQUEST_DRAFT_PICKS && request != BLOCK_REQUEST_CASH) return 1;
    const int32_t team = Get_Trade_Side_Team(Current_Trade_Offer, 0);
    const int32_t minimum = Get_Trade_Roster_Minimum(team);
    if (Get_First_Empty_Player_Slot(team) - Count_Block_Players(Current_Trade_Offer) >= minimum) return 1;
    if (reason != nullptr) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Display_Name(team, name);
        safe_sprintf(reason, TEXT_BUFFER_SIZE, "%s would have less than %d players.", name, minimum);
    }
    return 0;
}

int32_t Format_Block_Pick_Row(int32_t team, int32_t k, char* buffer) {
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    int32_t year = 0, round = 0, issuer = 0;
    if (k < 0 || !Find_Team_Draft_Pick(team, k, &year, &round, &issuer)) return 0;
    char ordinal[FORMATTED_TEXT_SIZE], nickname[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Number(round + 1, ordinal);
    Get_Team_Nickname(issuer, nickname);
    safe_sprintf(buffer, BLOCK_ROW_TEXT_SIZE, "  %s Round Pick (%d) (%s)", ordinal, Get_Draft_Pick_Year(year),
                 nickname);
    return 1;
}

void Get_Trading_Block_Roster_Warning(int32_t team, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    const int32_t players = Get_First_Empty_Player_Slot(team);
    if (players >= WARNED_ROSTER) return;
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    safe_sprintf(buffer, BLOCK_ROW_TEXT_SIZE,
                 "Warning: The %s only have %d players.\n(The minimum roster size is %d players.)", name,
                 players, MIN_TRADE_ROSTER);
}

void Format_Block_Offer_Row(const TRADE_OFFER* offer, int32_t request, int32_t season, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (offer == nullptr || offer->Team[1] == NO_TRADE_TEAM) return;
    const int32_t team = Get_Trade_Side_Team(*offer, 1);
    char abbreviation[FORMATTED_TEXT_SIZE];
    Get_Team_String(abbreviation, team, 0);
    safe_sprintf(buffer, BLOCK_ROW_TEXT_SIZE, "%s offers", abbreviation);
    int32_t items = 0;
    for (int32_t item : offer->Items[1])
        if (Is_Trade_Item_Present(item)) ++items;
    if (items == 0) {
        char cash[FORMATTED_TEXT_SIZE];
        Format_Wide_Number_Commas(std::abs(static_cast<int64_t>(offer->Cash)), cash);
        safe_strncat(buffer, "\t$", BLOCK_ROW_TEXT_SIZE);
        safe_strncat(buffer, cash, BLOCK_ROW_TEXT_SIZE);
    }
    int32_t shown = 0;
    for (int32_t item : offer->Items[1]) {
        if (!Is_Trade_Item_Present(item) || shown == SHOWN_OFFER_ITEMS) continue;
        char text[FORMATTED_TEXT_SIZE];
        if (Is_Trade_Player_Item(*offer, 1, item))
            Format_Block_Player(team, item, text);
        else
            Get_Draft_Pick_Label(team, item, text);
        safe_strncat(buffer, "\t", BLOCK_ROW_TEXT_SIZE);
        safe_strncat(buffer, text, BLOCK_ROW_TEXT_SIZE);
        if (++shown == SHOWN_OFFER_ITEMS && items > SHOWN_OFFER_ITEMS)
            safe_strncat(buffer, " ...", BLOCK_ROW_TEXT_SIZE);
    }
    // One player asked for by his position: what he did in the chosen season.
    const int32_t first = offer->Items[1][0];
    if (request >= 0 && request < NEED_POSITIONS && items == 1 && Is_Trade_Player_Item(*offer, 1, first)) {
        char summary[FORMATTED_TEXT_SIZE];
        Get_Player_Stat_Summary(team, first, season, summary);
        if (summary[0] != '\0') {
            safe_strncat(buffer, "\t", BLOCK_ROW_TEXT_SIZE);
            safe_strncat(buffer, summary, BLOCK_ROW_TEXT_SIZE);
        }
    }
    buffer[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(buffer[0])));
}

int32_t Count_Block_Offers() {
    int32_t offers = 0;
    for (const TRADE_OFFER& offer : Trading_Block_Offers)
        if (offer.Team[1] != NO_TRADE_TEAM) ++offers;
    return offers;
}

int32_t Collect_Trading_Block_Offers(int32_t request, char* reason, BLOCK_SEARCH_STEP step) {
    const int32_t teams = Refresh_Active_Team_Count();
    for (TRADE_OFFER& offer : Trading_Block_Offers)
        Init_Trade_Offer(&offer);
    if (!Check_Block_Roster_Minimum(reason, request)) return -1;
    const int32_t user = Get_Trade_Side_Team(Current_Trade_Offer, 0);
    TEAM_STRENGTH_TABLE user_table;
    Build_Team_Strength_Table(user, &user_table);
    Shape_Strength_For_Request(&user_table, request);
    int32_t offers = 0;
    for (int32_t team = 0; team < teams; ++team) {
        if (step != nullptr) step(team, offers);
        // A program asked to end stops asking; the offers so far are kept.
        if (Is_Quit_Requested()) break;
        if (team == user || offers >= TRADING_BLOCK_OFFERS - 1) continue;
        TRADE_OFFER best;
        int32_t best_score = 0;
        const int32_t attempts = request == BLOCK_REQUEST_CASH ? 1 : BLOCK_ATTEMPTS;
        for (int32_t attempt = 0; attempt < attempts; ++attempt) {
            TRADE_OFFER answer = Current_Trade_Offer;
            answer.Team[1] = static_cast<uint8_t>(team);
            if (!Build_Team_Offer_For_Block(&answer, user_table, request)) continue;
            const int32_t score = Score_Trade_Offer_For_Team_A(&answer, user_table);
            if (score > best_score) {
                best_score = score;
                best = answer;
            }
        }
        if (best_score <= 0) continue;
        Sort_Offer_Items_By_Value(&best);
        Trading_Block_Offers[offers++] = best;
    }
    return Sort_Trading_Block_Offers(user, request);
}
