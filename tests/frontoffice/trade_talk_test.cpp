#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/salaries.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_banter_tables.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trade_talk.h"
#include "frontoffice/trading_block.h"
#include "personnel/injuries.h"
#include "personnel/player_generation.h"
#include "support/computer_league.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
std::string Banter(int32_t score) {
    char text[TEXT_BUFFER_SIZE];
    Get_Trade_Banter(score, text);
    return text;
}

// Needs that are the league's norm everywhere except at the given positions,
// which every team needs as badly as can be.
void Set_Norms_Needing(std::initializer_list<int32_t> positions) {
    for (int32_t row = 0; row < NEED_ROLES; ++row)
        for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
            const bool needed = std::find(positions.begin(), positions.end(), position) != positions.end();
            Set_User_Preference(STARTER_NEED_NORM_PREFERENCE + 15 * row + position, needed ? 1 : 1000000);
        }
}

// The tab-separated columns of a row, their padding taken off.
std::vector<std::string> Columns(const char* row) {
    std::vector<std::string> columns;
    std::istringstream in(row);
    for (std::string column; std::getline(in, column, '\t');)
        columns.push_back(column.substr(column.find_first_not_of(' ')));
    return columns;
}
} // namespace

TEST(TradeTalk, BanterByScore) {
    EXPECT_EQ(Banter(1000), "A good end to a long day.");
    EXPECT_EQ(Banter(999), "Another million will clinch it.");
    EXPECT_EQ(Banter(251), "Do I look like I was born yesterday?");
    EXPECT_EQ(Banter(-5), "I'm surprised they let you graduate from pre-school.");
    EXPECT_EQ(Banter(1167), "A \"win-win\" situation. I love this job!");
    const std::string refusal = Banter(TRADE_REFUSED_SCORE);
    bool found = false;
    for (const char* line : TRADE_BANTER[0])
        found = found || refusal == line;
    EXPECT_TRUE(found);
}

TEST(TradeTalk, HintsAndNeedsTexts) {
    Build_Computer_League();
    char text[TEXT_BUFFER_SIZE];
    Get_Trade_Hint_Line(ROLE_STARTER, POSITION_QB, text);
    EXPECT_STREQ(text, "A starting quarterback");
    Get_Trade_Hint_Line(ROLE_VETERAN_BACKUP, POSITION_QB, text);
    EXPECT_STREQ(text, "A backup quarterback");
    Get_Trade_Hint_Line(ROLE_VETERAN_BACKUP, POSITION_WR, text);
    EXPECT_STREQ(text, "More depth at wide receiver");
    Get_Trade_Hint_Line(ROLE_YOUNG_BACKUP, POSITION_P, text);
    EXPECT_STREQ(text, "A young punter");

    // Every team needs safeties as badly as can be; the rest barely count.
    Set_Norms_Needing({POSITION_S});
    TEAM_STRENGTH_TABLE needs;
    Build_Team_Strength_Table(3, &needs);
    int32_t above = 0;
    for (const auto& row : needs.Need)
        for (int32_t need : row)
            above += need > 1400 ? 1 : 0;
    ASSERT_GE(above, 1);
    Get_Team_Needs_Text(text, 3);
    EXPECT_EQ(std::string(text).rfind("Safeties, ", 0), 0u)
        << text << ": a second name follows a need above 1400";
    char lines[TRADE_HINT_LINES][TRADE_HINT_LINE_SIZE];
    EXPECT_EQ(Get_Trade_Hint_Lines(3, lines), std::min(above + 1, TRADE_HINT_LINES))
        << "the first need not above 1400 ends the list";
    EXPECT_STREQ(lines[0], "(1) A starting safety");
    Set_Norms_Needing({POSITION_TE, POSITION_S});
    Get_Team_Needs_Text(text, 3);
    const std::string both = text;
    EXPECT_TRUE(both == "Tight Ends, Safeties" || both == "Safeties, Tight Ends") << both;
    Set_Norms_Needing({});
    EXPECT_EQ(Get_Trade_Hint_Lines(3, lines), 1) << "one line whatever the needs";
}

TEST(TradeScreens, PickLabelsCapLinesAndCarryingOut) {
    Build_Computer_League();
    Universe.Header.Universe_Stats[SALARY_CAP] = 198000000;
    char text[TEXT_BUFFER_SIZE];
    const int32_t first_pick = Get_First_Empty_Player_Slot(2);
    Get_Draft_Pick_Label(2, first_pick + 8, text);
    EXPECT_STREQ(text, "2022 - 2nd Round (T02)");
    Set_Team_Financial_Stat(2, FINANCE_CASH, 1000);
    Get_Trade_Cap_Line(2, text);
    const int32_t room = 198000 - Get_Team_Financial_Stat(2, FINANCE_PAYROLL);
    char amount[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(room, amount);
    EXPECT_EQ(std::string(text), std::string("The Bears are $") + amount + ",000 under the salary cap");

    Current_Trade_Offer = {};
    Init_Trade_Offer(&Current_Trade_Offer);
    Current_Trade_Offer.Team[0] = 2;
    Current_Trade_Offer.Team[1] = 3;
    Current_Trade_Offer.Items[0][0] = static_cast<uint8_t>(first_pick);
    Current_Trade_Offer.Cash = 5000;
    ASSERT_EQ(Carry_Out_Trade_Offer(&Current_Trade_Offer), 1);
    EXPECT_EQ(Current_Trade_Offer.Items[0][0], EMPTY_TRADE_ITEM);
    EXPECT_EQ(Current_Trade_Offer.Cash, 0);
    EXPECT_EQ(Current_Trade_Offer.Reserved, 1);
    Get_Draft_Pick_Label(2, first_pick + 20, text);
    EXPECT_STREQ(text, "a stuffed armadillo") << "a pick the team no longer owns: (2 x 73) mod 7";
}

TEST(TradeScreens, RosterPickAndOfferRows) {
    Build_Computer_League();
    constexpr int32_t team = 2;
    const int32_t qb = Get_Team_Position_Player(team, POSITION_QB, 0);
    char text[TRADE_ROW_TEXT_SIZE];
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(team, qb, name);
    // A starter paid less than the minimum, on his last year.
    Set_Player_Vital_Stat(team, qb, VITAL_SALARY, 100);
    Set_Player_Vital_Stat(team, qb, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(team, qb, VITAL_CONTRACT_YEARS, 1);
    Format_Trade_Roster_Row(team, qb, text);
    std::vector<std::string> columns = Columns(text);
    ASSERT_EQ(columns.size(), 6u) << text;
    EXPECT_EQ(columns[0], name);
    EXPECT_EQ(columns[1], "QB");
    EXPECT_EQ(columns[2], std::to_string(Get_Player_Age(team, qb)));
    char minimum[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(1000 * Get_Player_Minimum_Salary(team, qb), minimum);
    EXPECT_EQ(columns[3], std::string("$") + minimum) << "the league minimum for a player within his quota";
    EXPECT_EQ(columns[4], "1");
    // The rating: "overall/peak" while he has room to grow, else the peak alone.
    int32_t growing = 0;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot) {
        const int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, 225);
        const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, 226);
        growing += peak > overall ? 1 : 0;
        Format_Trade_Roster_Row(team, slot, text);
        EXPECT_EQ(Columns(text)[5], peak > overall ? std::to_string(overall) + "/" + std::to_string(peak)
                                                   : std::to_string(peak))
            << slot;
    }
    EXPECT_GT(growing, 0) << "both forms seen";
    // Once the final is played his expiring contract shows in parentheses.
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 3);
    Set_Playoff_Team(28, 5);
    Format_Trade_Roster_Row(team, qb, text);
    EXPECT_EQ(Columns(text)[0], std::string("(") + name + ")");
    Set_User_Preference(CURRENT_WEEK, 5);

    ASSERT_EQ(Format_Trade_Pick_Row(team, 8, text), 1);
    EXPECT_STREQ(text, "  2nd Round Pick\t (2022)\t(Bears)");
    EXPECT_EQ(Format_Trade_Pick_Row(team, 21, text), 0) << "three drafts of seven rounds";
    EXPECT_STREQ(text, "");

    Get_Player_Full_Name(team, qb, name);
    Set_Player_Vital_Stat(team, qb, VITAL_WEEKS_OUT, 2);
    Set_Player_Vital_Stat(team, qb, VITAL_INJURY_TYPE, INJURY_HOLDOUT);
    Format_Trade_Offer_Item(team, qb, text);
    EXPECT_EQ(std::string(text), std::string(name) + " [holdout] (QB)");
    Format_Trade_Offer_Item(team, Get_First_Empty_Player_Slot(team) + 8, text);
    EXPECT_STREQ(text, "2022 - 2nd Round (T02)");
}

TEST(TradeScreens, DebtRuleAndCounterOffers) {
    Build_Computer_League();
    Set_User_Team(0);
    Set_Player_Vital_Stat(1, 3, VITAL_SALARY, 9000);
    Set_Player_Vital_Stat(0, 3, VITAL_SALARY, 9000);
    TRADE_OFFER offer = Make_Trade_Offer(0, 1, {4}, {3});
    EXPECT_EQ(Trade_Increases_Payroll_In_Debt(&offer), 0) << "not in debt";
    Set_Team_Financial_Stat(0, FINANCE_CASH, -1);
    EXPECT_EQ(Trade_Increases_Payroll_In_Debt(&offer), 1);
    offer = Make_Trade_Offer(0, 1, {3}, {4});
    EXPECT_EQ(Trade_Increases_Payroll_In_Debt(&offer), 0) << "a cheaper player in return";
    // Asking for a counter offer while offering nothing: the partner never
    // accepts, and the players it added stay in the offer.
    Current_Trade_Offer = Make_Trade_Offer(0, 1);
    EXPECT_EQ(Build_Counter_Offer(Build_Needs(0), Build_Needs(1)), 0);
    EXPECT_NE(Current_Trade_Offer.Items[1][0], EMPTY_TRADE_ITEM);
    EXPECT_EQ(Current_Trade_Offer.Items[0][0], EMPTY_TRADE_ITEM);
    // A starter offered: the partner adds players until it takes the deal.
    Current_Trade_Offer = Make_Trade_Offer(0, 1, {0});
    ASSERT_EQ(Build_Counter_Offer(Build_Needs(0), Build_Needs(1)), 1);
    EXPECT_NE(Current_Trade_Offer.Items[1][0], EMPTY_TRADE_ITEM);
    EXPECT_GE(Score_Trade_Offer(&Current_Trade_Offer, Build_Needs(1)), 1000);
}

TEST(TradingBlock, CashOffersForAPickComeLargestPaymentFirst) {
    Build_Computer_League();
    Set_User_Team(0);
    Init_Trade_Offer(&Current_Trade_Offer);
    Current_Trade_Offer.Team[0] = 0;
    Current_Trade_Offer.Team[1] = 1;
    // This year's third-round pick: worth a few millions to the others.
    Current_Trade_Offer.Items[0][0] = static_cast<uint8_t>(Get_First_Empty_Player_Slot(0) + 2);
    static int32_t asked;
    asked = 0;
    const int32_t offers =
        Collect_Trading_Block_Offers(BLOCK_REQUEST_CASH, nullptr, [](int32_t, int32_t) { ++asked; });
    EXPECT_EQ(asked, TEST_LEAGUE_TEAMS);
    ASSERT_GT(offers, 0);
    EXPECT_EQ(offers, Count_Block_Offers());
    for (int32_t n = 0; n + 1 < offers; ++n)
        EXPECT_LE(Trading_Block_Offers[n].Cash, Trading_Block_Offers[n + 1].Cash)
            << "the largest payment first";
    for (int32_t n = 0; n < offers; ++n) {
        TRADE_OFFER offer = Trading_Block_Offers[n];
        EXPECT_LT(offer.Cash, 0);
        EXPECT_EQ(offer.Items[1][0], EMPTY_TRADE_ITEM) << "cash only";
        TEAM_STRENGTH_TABLE table;
        Build_Team_Strength_Table(offer.Team[1], &table);
        EXPECT_GE(Score_Trade_Offer(&offer, table), 1000) << "the other team accepts its offer";
    }
    // Cash or picks for the whole roster would leave the user short of players.
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
        Current_Trade_Offer.Items[0][n] = static_cast<uint8_t>(n);
    char reason[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Collect_Trading_Block_Offers(BLOCK_REQUEST_DRAFT_PICKS, reason, nullptr), -1);
    EXPECT_STREQ(reason, "Comets would have less than 51 players.");
    EXPECT_EQ(Check_Block_Roster_Minimum(reason, BLOCK_REQUEST_ANY_PLAYERS), 1);
}

TEST(TradingBlock, RequestsShapeTheUsersNeeds) {
    TEAM_STRENGTH_TABLE table;
    for (auto& row : table.Need)
        for (int32_t& need : row)
            need = 900;
    TEAM_STRENGTH_TABLE shaped = table;
    Shape_Strength_For_Request(&shaped, POSITION_CB);
    EXPECT_EQ(shaped.Need[2][POSITION_CB], 1200);
    EXPECT_EQ(shaped.Need[0][POSITION_S], 0);
    shaped = table;
    Shape_Strength_For_Request(&shaped, BLOCK_REQUEST_PROSPECTS);
    EXPECT_EQ(shaped.Need[2][POSITION_QB], 1200);
    EXPECT_EQ(shaped.Need[1][POSITION_QB], 0);
    shaped = table;
    Shape_Strength_For_Request(&shaped, BLOCK_REQUEST_CASH);
    EXPECT_EQ(std::memcmp(&shaped, &table, sizeof table), 0);
}

TEST(TradingBlock, PickRowsRosterWarningAndOfferRows) {
    Build_Computer_League();
    char text[BLOCK_ROW_TEXT_SIZE];
    ASSERT_EQ(Format_Block_Pick_Row(2, 8, text), 1);
    EXPECT_STREQ(text, "  2nd Round Pick (2022) (Bears)");
    EXPECT_EQ(Format_Block_Pick_Row(2, 21, text), 0);

    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(3, name);
    ASSERT_EQ(Get_First_Empty_Player_Slot(3), 53);
    Get_Trading_Block_Roster_Warning(3, text);
    EXPECT_EQ(std::string(text), std::string("Warning: The ") + name +
                                     " only have 53 players.\n(The minimum roster size is 51 players.)");
    Create_Player_For_Team(3, 53, POSITION_LB, 60);
    Get_Trading_Block_Roster_Warning(3, text);
    EXPECT_STREQ(text, "") << "54 players or more";

    // Cash alone, then four players of whom three are shown.
    TRADE_OFFER offer = Make_Trade_Offer(2, 5, {0}, {}, -2500000);
    Format_Block_Offer_Row(&offer, BLOCK_REQUEST_CASH, 1, text);
    EXPECT_STREQ(text, "T05 offers\t$2,500,000");
    offer = Make_Trade_Offer(2, 5, {0}, {20, 21, 22, 23});
    Format_Block_Offer_Row(&offer, BLOCK_REQUEST_ANY_PLAYERS, 1, text);
    const std::string row(text);
    EXPECT_EQ(row.rfind("T05 offers\t", 0), 0u) << row;
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 3) << row;
    EXPECT_EQ(row.substr(row.size() - 4), " ...") << row;
    // One player asked for by his position: last season's line follows.
    const int32_t receiver = Get_Team_Position_Player(5, POSITION_WR, 0);
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_Player_Stat(5, receiver, 1, stat, 0);
    Set_Player_Stat(5, receiver, 1, 0, 16);
    Set_Player_Stat(5, receiver, 1, 10, 80);
    Set_Player_Stat(5, receiver, 1, 11, 1100);
    Set_Player_Stat(5, receiver, 1, 12, 9);
    offer = Make_Trade_Offer(2, 5, {0}, {receiver});
    Format_Block_Offer_Row(&offer, POSITION_WR, 1, text);
    const std::string single(text);
    EXPECT_EQ(single.substr(single.rfind('\t')), "\t80 Rec, 1100 Yds, 9 TD") << single;
    Format_Block_Offer_Row(&offer, BLOCK_REQUEST_ANY_PLAYERS, 1, text);
    EXPECT_EQ(std::count(text, text + strlen(text), '\t'), 1) << "no summary for other requests";
}
