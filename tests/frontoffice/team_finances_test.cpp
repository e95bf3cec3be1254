#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/pregame_setup.h"
#include "frontoffice/fan_support.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/initial_contracts.h"
#include "frontoffice/league_finances.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/money.h"
#include "frontoffice/team_revenue.h"
#include "season/cap_room_average.h"
#include "support/test_league.h"
#include "support/test_markets.h"

namespace {
constexpr int32_t SEASON_WEEKS = 16;

// The test league with markets, in Owner Mode, its finances set up as a new
// game sets them.
void Build_Finance_League() {
    Build_Test_League();
    Give_Test_League_Markets();
    Set_User_Preference(OWNER_MODE, 1);
    Universe.Season_Length = SEASON_WEEKS;
    Seed_Random_Numbers(1414);
    Init_League_Finances();
}

int32_t Stat(int32_t team, int32_t n) {
    return Get_Team_Financial_Stat(team, n);
}

// A played game between home and visitor: the two team bytes and the crowd
// the engine's pre-game step would have let in.
GAME_RECORD* Stage_Game(int32_t index, int32_t home, int32_t visitor) {
    GAME_RECORD* game = &Universe.Games[index];
    memset(game, 0, sizeof *game);
    game->Team[0] = static_cast<uint8_t>(visitor);
    game->Team[1] = static_cast<uint8_t>(home);
    game->Season_Year = static_cast<uint16_t>(Get_Current_Year());
    game->Attendance = Get_Game_Attendance(game);
    return game;
}

// Teams 12-15 stand in their division in that order, and the bracket holds
// nobody; the division.
int32_t Order_Division_Of_Team_12() {
    const int32_t division = Get_Team_Division(12);
    for (int32_t place = 0; place < 4; ++place)
        Set_Division_Standing(division, place, 12 + place);
    for (int32_t slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    return division;
}
} // namespace

TEST(MoneyOperations, BaseCashMoneyStepsAndTheStandardTicket) {
    Build_Test_League();
    EXPECT_EQ(Get_Base_Cash(), 26025000);
    EXPECT_EQ(Get_Standard_Ticket_Price(), 5000) << "the $50 ticket, in cents";
    EXPECT_EQ(Get_Money_Step(1000), 100);
    EXPECT_EQ(Get_Money_Step(1501), 200);
    EXPECT_EQ(Get_Money_Step(250), 25);
    EXPECT_EQ(Get_Money_Step(16), 2);
    EXPECT_EQ(Get_Money_Step(15), 1);
    EXPECT_EQ(Round_To_Money_Step(5049), 5000);
    EXPECT_EQ(Round_To_Money_Step(5050), 5100);
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 2000;
    EXPECT_EQ(Get_Base_Cash(), 52050000);
    EXPECT_EQ(Get_Standard_Ticket_Price(), 10000);
}

TEST(LeagueRevenue, SharedRevenuePerWeekAgainstTheLeaguesWealth) {
    Build_Test_League();
    // General Manager Mode: neutral wealth.
    EXPECT_EQ(Update_League_Wealth_Factor(), 1000);
    EXPECT_EQ(Compute_Shared_Revenue_Per_Game(), 208200000 / 16 + 370000);
    EXPECT_EQ(Get_Universe_Stat(SHARED_REVENUE_PER_GAME), 13382500);

    Set_User_Preference(OWNER_MODE, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, FINANCE_CASH, 2 * Get_Base_Cash());
    EXPECT_EQ(Compute_Shared_Revenue_Per_Game(), 6691250) << "twice as rich a league shares half";
    EXPECT_EQ(Get_Universe_Stat(LEAGUE_WEALTH_FACTOR), 2000);
    Universe.Header.Universe_Stats[LEAGUE_REVENUE_PERCENT] = 10;
    EXPECT_EQ(Compute_Shared_Revenue_Per_Game(), 7360375);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, FINANCE_CASH, 10 * Get_Base_Cash());
    EXPECT_EQ(Update_League_Wealth_Factor(), MAX_WEALTH_FACTOR);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, FINANCE_CASH, -Get_Base_Cash());
    EXPECT_EQ(Update_League_Wealth_Factor(), MIN_WEALTH_FACTOR);

    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 17);
    const int32_t share = Get_Universe_Stat(SHARED_REVENUE_PER_GAME);
    const int32_t cash = Stat(5, FINANCE_CASH);
    Pay_Shared_Revenue();
    EXPECT_EQ(Stat(5, FINANCE_CASH), cash + share);
    EXPECT_EQ(Stat(5, FINANCE_SHARED_REVENUE_WEEK), share);
    EXPECT_EQ(Stat(5, FINANCE_SHARED_REVENUE), share);
    Set_User_Preference(CURRENT_WEEK, 18);
    Pay_Shared_Revenue();
    EXPECT_EQ(Stat(5, FINANCE_CASH), cash + share) << "no shared revenue in the playoffs";
}

TEST(TeamRevenue, DividendAtPlusAndMinusTheBaseCash) {
    Build_Finance_League();
    // The most valuable franchise, whose value outweighs the base cash.
    int32_t team = 0;
    for (int32_t other = 1; other < TEST_LEAGUE_TEAMS; ++other)
        if (Compute_Franchise_Value(other) > Compute_Franchise_Value(team)) team = other;
    const int64_t value = Compute_Franchise_Value(team);
    const int64_t base = Get_Base_Cash();
    ASSERT_LE(base, 20 * value) << "the base cash is not rich enough to raise the dividend";
    const int64_t full = (20 * value + 30 * 1457400) / 16;
    Set_Team_Financial_Stat(team, FINANCE_CASH, static_cast<int32_t>(base));
    EXPECT_EQ(Get_Owner_Dividend_Per_Game(team), full);
    Set_Team_Financial_Stat(team, FINANCE_CASH, static_cast<int32_t>(-base));
    EXPECT_EQ(Get_Owner_Dividend_Per_Game(team), (full + 5) / 10) << "10 % at minus the base cash";
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 0;
    EXPECT_EQ(Get_Owner_Dividend_Per_Game(team), 0) << "a season without games pays nothing per game";
}

TEST(GameFinances, TicketPriceReactionAroundTheFiftyDollarTicket) {
    Build_Finance_League();
    constexpr int32_t team = 2;
    const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    Set_City_Stat(city, 3, 25000);
    Set_Team_Financial_Stat(team, FINANCE_TICKET_PRICE, 5000);
    Set_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY, 1000);
    for (int32_t game = 0; game < 50; ++game)
        Update_Fan_Loyalty_For_Ticket_Price(team);
    EXPECT_EQ(Stat(team, FINANCE_FAN_LOYALTY), 1000) << "the standard ticket at standard income";
    Set_Team_Financial_Stat(team, FINANCE_TICKET_PRICE, 10000);
    for (int32_t game = 0; game < 50; ++game)
        Update_Fan_Loyalty_For_Ticket_Price(team);
    EXPECT_EQ(Stat(team, FINANCE_FAN_LOYALTY), 950) << "double the price loses a point every game";
}

TEST(GameFinances, ConcessionsPricedAtOneAndThreeQuartersOfTheirScaleSellNothing) {
    Build_Finance_League();
    constexpr int32_t home = 4;
    GAME_RECORD* game = Stage_Game(0, home, 5);
    ASSERT_GT(game->Attendance, 0);
    const int32_t level = Estimate_Team_Revenue(home);
    const int32_t ticket = Stat(home, FINANCE_TICKET_PRICE);
    const int32_t demand = level / 10 > level - ticket / 2 ? level / 10 : level - ticket / 2;
    const int32_t scale = demand / 5;
    ASSERT_GT(scale, 0);
    // The beverage price at 1.75 times the beverage scale, the smallest that
    // reaches it.
    Set_Team_Financial_Stat(home, FINANCE_BEVERAGES, (scale * 1750 + 999) / 1000);
    const int32_t profit = Compute_Concession_Sales(home, game);
    EXPECT_EQ(Stat(home, FINANCE_BEVERAGES + CONCESSION_GAME_PROFIT), 0);
    EXPECT_GT(Stat(home, FINANCE_FOOD + CONCESSION_GAME_PROFIT), 0) << "food at its automatic price sells";
    EXPECT_EQ(profit, Stat(home, FINANCE_FOOD + CONCESSION_GAME_PROFIT) +
                          Stat(home, FINANCE_SOUVENIRS + CONCESSION_GAME_PROFIT));
    EXPECT_EQ(Stat(home, FINANCE_FOOD + CONCESSION_SEASON_PROFIT),
              Stat(home, FINANCE_FOOD + CONCESSION_GAME_PROFIT));
}

TEST(GameFinances, PostSeasonGameDoublesTheGateAndChargesOnlyOperatingExpenses) {
    Build_Finance_League();
    constexpr int32_t home = 6;
    constexpr int32_t visitor = 7;
    Set_User_Preference(CURRENT_WEEK, SEASON_WEEKS + 1);
    GAME_RECORD* game = Stage_Game(0, home, visitor);
    const int32_t cash = Stat(visitor, FINANCE_CASH);
    Compute_Game_Finances(game);
    const int64_t gate =
        2 * ((static_cast<int64_t>(Stat(home, FINANCE_TICKET_PRICE)) * game->Attendance + 50) / 100);
    EXPECT_EQ(Stat(home, FINANCE_LAST_GATE), gate);
    for (int32_t team : {home, visitor}) {
        EXPECT_EQ(Stat(team, FINANCE_PAYROLL_PAID), 0);
        EXPECT_EQ(Stat(team, FINANCE_DIVIDENDS), 0);
        EXPECT_EQ(Stat(team, FINANCE_MEDICAL_SPENT), 0);
        EXPECT_EQ(Stat(team, FINANCE_SCOUTING_SPENT), 0);
        EXPECT_EQ(Stat(team, FINANCE_OPERATING_EXPENSES), Get_Team_Operating_Expenses(team));
        EXPECT_EQ(Stat(team, FINANCE_GAMES), 1);
    }
    EXPECT_EQ(Stat(visitor, FINANCE_CASH),
              cash + (gate * 34 + 50) / 100 - Get_Team_Operating_Expenses(visitor));
    EXPECT_EQ(Stat(visitor, FINANCE_ROAD_ATTENDANCE), game->Attendance);
    EXPECT_EQ(Stat(home, FINANCE_HOME_GAMES), 1);
}

TEST(FanSupport, LoyaltyAfterASeasonStaysWithinItsBounds) {
    Build_Finance_League();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    struct CASE {
        int32_t Loyalty, Wins, Playoff_Wins, Finish;
    };
    for (const CASE& c : {CASE{5000, 16, 4, 8}, CASE{1300, 16, 3, 8}, CASE{-400, 0, 0, 0}, CASE{700, 0, 0, 0},
                          CASE{1000, 8, 0, 3}}) {
        Set_Team_Financial_Stat(1, FINANCE_FAN_LOYALTY, c.Loyalty);
        Set_Team_Yearly_Char(1, season, RECORD_CHAR_WINS, c.Wins);
        Set_Team_Yearly_Char(1, season, RECORD_CHAR_PLAYOFF_WINS, c.Playoff_Wins);
        Set_Team_Yearly_Int(1, season, 3, c.Finish);
        Update_Team_Fan_Support(1);
        EXPECT_GE(Stat(1, FINANCE_FAN_LOYALTY), MIN_FAN_LOYALTY) << c.Loyalty;
        EXPECT_LE(Stat(1, FINANCE_FAN_LOYALTY), MAX_FAN_LOYALTY) << c.Loyalty;
    }
    // 8-8, no playoffs, third place: a quarter of the way to 840 x 1000 / 1000.
    EXPECT_EQ(Stat(1, FINANCE_FAN_LOYALTY),
              750 + Mul_Div_Round(840 + Mul_Div_Round(1154, 130, 1000), 250, 1000));
}

TEST(FanSupport, FinishCodeFromDivisionPlaceAndPlayoffRun) {
    Build_Finance_League();
    Order_Division_Of_Team_12();
    EXPECT_EQ(Record_Team_Division_Finish(12), 5) << "division winner";
    EXPECT_EQ(Record_Team_Division_Finish(13), 3);
    EXPECT_EQ(Record_Team_Division_Finish(15), 1);
    EXPECT_EQ(Get_Team_Yearly_Char(15, Get_User_Preference(CURRENT_SEASON_INDEX), 1), 3);
    Set_Playoff_Team(0, 13);
    EXPECT_EQ(Record_Team_Division_Finish(13), 4);
    Set_Playoff_Team(29, 13);
    EXPECT_EQ(Record_Team_Division_Finish(13), 7);
    Set_Playoff_Team(30, 12);
    EXPECT_EQ(Record_Team_Division_Finish(12), 8);
}

// Only the loser of a conference final finishes as its league's divisional
// winner; a team out in an earlier round finishes as the playoff team its
// division place made it, a division winner first in its division and any
// other a wild card, byes and first-round wins alike.
TEST(FanSupport, ATeamOutBeforeTheConferenceFinalFinishesByItsDivisionPlace) {
    Build_Finance_League();
    Order_Division_Of_Team_12();
    Set_Playoff_Team(17, 12);
    EXPECT_EQ(Record_Team_Division_Finish(12), 5) << "a division winner out after its bye";
    Set_Playoff_Team(3, 13);
    EXPECT_EQ(Record_Team_Division_Finish(13), 4) << "a wild card out in the first round";
    Set_Playoff_Team(5, 14);
    Set_Playoff_Team(18, 14);
    EXPECT_EQ(Record_Team_Division_Finish(14), 4) << "a wild card out in the second round";
    Set_Playoff_Team(24, 12);
    Set_Playoff_Team(25, 14);
    EXPECT_EQ(Record_Team_Division_Finish(12), 6);
    EXPECT_EQ(Record_Team_Division_Finish(14), 6);
    EXPECT_EQ(Record_Team_Division_Finish(15), 1) << "fourth, out of the playoffs";
}

// Once the off-season has recorded the season and turns the league over to
// the coming year, or has moved the season index on, the season's finish
// and division place are those its history holds, whatever the standings
// say; nothing is written into it.
TEST(FanSupport, ASettledSeasonsFinishIsTheOneItsHistoryHolds) {
    Build_Finance_League();
    constexpr int32_t SEASON = 1;
    Set_User_Preference(CURRENT_SEASON_INDEX, SEASON);
    const int32_t division = Order_Division_Of_Team_12();
    for (int32_t team = 12; team < 16; ++team)
        Set_Team_Yearly_Int(team, SEASON, 3, Record_Team_Division_Finish(team));
    EXPECT_EQ(Get_Team_Yearly_Char(13, SEASON, 1), 1);
    // A realignment puts the season's second in first place of a division.
    Set_Division_Standing(division, 0, 13);
    Set_Division_Standing(division, 1, 12);
    {
        SETTLED_SEASON_SCOPE settled;
        EXPECT_TRUE(Is_Finished_Season_Settled());
        EXPECT_EQ(Record_Team_Division_Finish(13), 3);
        EXPECT_EQ(Record_Team_Division_Finish(12), 5);
        EXPECT_EQ(Get_Team_Season_Division_Place(13), 1);
        EXPECT_EQ(Get_Team_Yearly_Char(13, SEASON, 1), 1) << "the season's place stays";
        EXPECT_EQ(Get_Team_Yearly_Char(12, SEASON, 1), 0);
    }
    // The season index moves on; the off-season week names the season before.
    Set_User_Preference(CURRENT_SEASON_INDEX, SEASON + 1);
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_TRUE(Is_Finished_Season_Settled());
    EXPECT_EQ(Record_Team_Division_Finish(13), 3);
    EXPECT_EQ(Get_Team_Yearly_Char(13, SEASON, 1), 1);
    EXPECT_EQ(Get_Team_Yearly_Char(13, SEASON + 1, 1), 0) << "nor into the coming season";
    // An open season reads its standings and records the place.
    Set_User_Preference(CURRENT_WEEK, 3);
    EXPECT_FALSE(Is_Finished_Season_Settled());
    EXPECT_EQ(Record_Team_Division_Finish(13), 5);
    EXPECT_EQ(Get_Team_Season_Division_Place(13), 0);
    EXPECT_EQ(Get_Team_Yearly_Char(13, SEASON + 1, 1), 0);
}

TEST(GameFinances, ASeasonOfGamesAndWeeksBalancesEveryTeamsBooks) {
    Build_Finance_League();
    int64_t start_cash[TEST_LEAGUE_TEAMS];
    int64_t shared = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        start_cash[team] = Stat(team, FINANCE_CASH);
    for (int32_t week = 0; week < SEASON_WEEKS; ++week) {
        Set_User_Preference(CURRENT_WEEK, week);
        Update_League_Wealth_Factor();
        Compute_Shared_Revenue_Per_Game();
        for (int32_t k = 0; k < TEST_LEAGUE_TEAMS / 2; ++k) {
            // Every team meets a new opponent each week, at home every other week.
            const int32_t a = (2 * k + week) % TEST_LEAGUE_TEAMS;
            const int32_t b = (2 * k + 1 + week) % TEST_LEAGUE_TEAMS;
            Compute_Game_Finances(Stage_Game(k, week % 2 ? b : a, week % 2 ? a : b));
        }
        Pay_Shared_Revenue();
        shared += Get_Universe_Stat(SHARED_REVENUE_PER_GAME);
    }
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int64_t revenue = Stat(team, FINANCE_REVENUE);
        const int64_t expenses = Stat(team, FINANCE_EXPENSES);
        EXPECT_EQ(Stat(team, FINANCE_CASH), start_cash[team] + revenue - expenses) << "team " << team;
        EXPECT_GT(Stat(team, FINANCE_TICKET_REVENUE), 0);
        EXPECT_GT(Stat(team, FINANCE_PAYROLL_PAID), 0);
        EXPECT_EQ(Stat(team, FINANCE_GAMES), SEASON_WEEKS);
        EXPECT_EQ(Stat(team, FINANCE_SHARED_REVENUE), shared);
    }
}

TEST(TeamRevenue, MarketShareMarketSizeAndPriceLevel) {
    Build_Finance_League();
    // Every market far from every other.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
        Set_City_Stat(city, 5, 5000 * team);
        Set_City_Stat(city, 6, 0);
    }
    const int32_t city = Get_Team_Stat(0, TEAM_STAT_HOME_CITY);
    Set_City_Stat(city, 0, 1000000);
    Set_City_Stat(city, 1, 2500000);
    Set_City_Stat(city, 3, 25000);
    EXPECT_EQ(Get_Team_Market_Share(0), 1000) << "alone in its market";
    EXPECT_EQ(Get_Team_Market_Size(0), 1871 * 70) << "sqrt((1,000,000 + 2,500,000 + 3,500,000) / 2) x 70";
    // A second franchise in the same city takes a quarter of the market.
    Set_Team_Stat(1, TEAM_STAT_HOME_CITY, city);
    EXPECT_EQ(Get_Team_Market_Share(0), 750);
    EXPECT_EQ(Get_Team_Market_Size(0), 98228) << "130,970 x 750 / 1000, halves up";

    // Income at the standard and neutral loyalty: a price level of 10,000,
    // 10 % more in a premium stadium, scaled by the difficulty for a human
    // owner and raised for a computer team that pays little.
    Store_Universe_Stat(LEAGUE_WEALTH_FACTOR, 1000);
    Set_Team_Financial_Stat(0, FINANCE_FAN_LOYALTY, 1000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, Get_Base_Cash());
    Set_Team_Stadium_Stat(0, 1, 2);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(DIFFICULTY_LEVEL, 1);
    EXPECT_EQ(Estimate_Team_Revenue(0), 11000);
    Set_User_Preference(DIFFICULTY_LEVEL, 3);
    EXPECT_EQ(Estimate_Team_Revenue(0), 8800);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    const int64_t payroll = Stat(0, FINANCE_PAYROLL);
    ASSERT_LT(payroll, 135330);
    const int64_t raise = (2 * 135330 * 1000 + (135330 + payroll) / 2) / (135330 + payroll);
    EXPECT_EQ(Estimate_Team_Revenue(0), (11000 * raise + 500) / 1000);
    Universe.Header.Universe_Stats[LEAGUE_REVENUE_PERCENT] = -100;
    EXPECT_EQ(Estimate_Team_Revenue(0), 1) << "never below 1";
}

TEST(TeamRevenue, CashMovesThePriceLevelAtTheExtremes) {
    Build_Finance_League();
    constexpr int32_t team = 3;
    Set_Team_Financial_Stat(team, FINANCE_CASH, 200000000);
    EXPECT_EQ(Adjust_Revenue_For_Cash(team, 10000), 5000) << "a rich team needs half the price";
    Set_Team_Financial_Stat(team, FINANCE_CASH, -2 * Get_Base_Cash());
    EXPECT_EQ(Adjust_Revenue_For_Cash(team, 10000), 20000) << "deep debt doubles it";
    Set_Team_Financial_Stat(team, FINANCE_CASH, 0);
    EXPECT_EQ(Adjust_Revenue_For_Cash(team, 10000), 10000);
}

TEST(SoundMoney, AveragesAndSumsNeitherDivideByZeroNorWrap) {
    Build_Test_League();
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), 0) << "no cap, no cap room";
    Universe.Header.Universe_Stats[SALARY_CAP] = 198000000;
    int64_t room = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        room += Stat(team, FINANCE_CAP_ROOM);
    const int64_t per_cap = (room * 1000 / TEST_LEAGUE_TEAMS * 1000 + 99000000) / 198000000;
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), (per_cap * 1000 + 30) / 60);

    // A payroll of billions settles against the cash without wrapping round.
    Set_User_Preference(OWNER_MODE, 1);
    for (int32_t slot = 0; slot < 3; ++slot)
        Set_Player_Vital_Stat(0, slot, VITAL_SALARY, 1000000000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 0);
    Calculate_Player_Contracts();
    EXPECT_EQ(Stat(0, FINANCE_CASH), MIN_TEAM_CASH);
    EXPECT_GT(Get_Team_Payroll_Per_Game(1), 0);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Vital_Stat(1, slot, VITAL_SALARY, 2000000000);
    EXPECT_EQ(Get_Team_Payroll_Per_Game(1), INT32_MAX);

    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), 0) << "a league without teams";
    EXPECT_EQ(Update_League_Wealth_Factor(), 0);
}

TEST(SoundMoney, AHeldCapRoomAverageIsTheOneOfItsFirstUse) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    const int32_t before = Get_Average_Finance_Stat_90_Per_Cap();
    int32_t raised = 0;
    {
        const CAP_ROOM_AVERAGE_HOLD hold;
        EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), before);
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Set_Player_Vital_Stat(2, slot, VITAL_SALARY, 3 * Get_Player_Vital_Stat(2, slot, VITAL_SALARY));
        {
            const CAP_ROOM_AVERAGE_HOLD inner;
            EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), before) << "the outer hold keeps its value";
        }
        EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), before);
    }
    raised = Get_Average_Finance_Stat_90_Per_Cap();
    EXPECT_LT(raised, before) << "released, the average sees the higher payroll";
    const CAP_ROOM_AVERAGE_HOLD hold;
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), raised) << "a new hold computes anew";
}

// Within a team scope the average follows the scoped team's payroll as it
// changes, from the other rooms summed once; two teams nested read them all.
TEST(SoundMoney, AScopedCapRoomAverageFollowsItsTeam) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    const auto raise_payroll = [](int32_t team) {
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY,
                                  2 * Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    };
    const int32_t before = Get_Average_Finance_Stat_90_Per_Cap();
    int32_t raised = 0;
    {
        const CAP_ROOM_TEAM_SCOPE scope(3);
        EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), before);
        raise_payroll(3);
        raised = Get_Average_Finance_Stat_90_Per_Cap();
        EXPECT_LT(raised, before) << "the scoped team's room is read again";
        {
            const CAP_ROOM_TEAM_SCOPE other(4);
            raise_payroll(5);
            EXPECT_LT(Get_Average_Finance_Stat_90_Per_Cap(), raised) << "two teams: every room is read";
        }
        raise_payroll(5);
        raised = Get_Average_Finance_Stat_90_Per_Cap();
    }
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), raised) << "as read without a scope";
    const CAP_ROOM_TEAM_SCOPE pool(FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), raised) << "a pool counts no room of its own";
    raise_payroll(FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Average_Finance_Stat_90_Per_Cap(), raised);
}

TEST(LeagueFinances, NewLeagueCashPricesAndStanding) {
    Build_Finance_League();
    int32_t smallest = 0;
    int32_t largest = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t value = Stat(team, FINANCE_FRANCHISE_VALUE);
        EXPECT_EQ(Stat(team, FINANCE_CASH), Get_Base_Cash() / 2 + 5 * value) << team;
        EXPECT_EQ(Stat(team, FINANCE_TICKET_PRICE) % 100, 0);
        EXPECT_GE(Stat(team, FINANCE_TICKET_PRICE), Get_Standard_Ticket_Price() / 2);
        EXPECT_GT(Stat(team, FINANCE_SCOUTING_BUDGET), 0);
        EXPECT_GT(Stat(team, FINANCE_MEDICAL_BUDGET), 0);
        EXPECT_EQ(Stat(team, FINANCE_GAMES_LAST), 16);
        EXPECT_EQ(Stat(team, FINANCE_HOME_GAMES_LAST), 8);
        EXPECT_GT(Stat(team, FINANCE_TICKET_REVENUE_LAST), 0);
        if (value < Stat(smallest, FINANCE_FRANCHISE_VALUE)) smallest = team;
        if (value > Stat(largest, FINANCE_FRANCHISE_VALUE)) largest = team;
    }
    EXPECT_EQ(Stat(smallest, FINANCE_STANDING), 100);
    EXPECT_EQ(Stat(largest, FINANCE_STANDING), -100);
}

// Rounding to nearest with halves away from zero, whatever the signs, and the
// same whether the factors fit in 32 bits or the product needs 128.
TEST(Money, MulDivRoundsHalvesAwayFromZeroAtEveryWidth) {
    EXPECT_EQ(Mul_Div_Round_64(5, 3, 2), 8);
    EXPECT_EQ(Mul_Div_Round_64(-5, 3, 2), -8);
    EXPECT_EQ(Mul_Div_Round_64(5, -3, -2), 8);
    EXPECT_EQ(Mul_Div_Round_64(7, 1, -2), -4);
    EXPECT_EQ(Mul_Div_Round_64(0, 9, 4), 0);
    EXPECT_EQ(Mul_Div_Round_64(9, 0, -4), 0);
    EXPECT_EQ(Mul_Div_Round_64(9, 4, 0), 0) << "no divisor gives 0";
    EXPECT_EQ(Mul_Div_Round_64(INT32_MIN, INT32_MIN, 1), int64_t{1} << 62);
    EXPECT_EQ(Mul_Div_Round_64(INT32_MIN, INT32_MIN, INT64_MIN), -1) << "a half, by a divisor of -2^63";
    EXPECT_EQ(Mul_Div_Round_64(INT32_MAX, 3, INT64_MAX), 0);
    // One factor past 32 bits takes the wide sums; the results agree across the edge.
    const int64_t wide = int64_t{1} << 33;
    EXPECT_EQ(Mul_Div_Round_64(wide, 3, 2), 3 * (wide / 2));
    EXPECT_EQ(Mul_Div_Round_64(wide, -5, 4), -5 * (wide / 4));
    EXPECT_EQ(Mul_Div_Round_64(INT64_MAX, INT64_MAX, 1), INT64_MAX) << "held at the largest";
    EXPECT_EQ(Mul_Div_Round_64(INT64_MAX, -INT64_MAX, 1), INT64_MIN);
    // Across the 32-bit edge of the factors, each result is the nearest whole number.
    for (int64_t a : {int64_t{INT32_MAX}, int64_t{INT32_MAX} + 1, int64_t{INT32_MIN}, int64_t{INT32_MIN} - 1})
        for (int64_t c : {int64_t{7}, int64_t{-1000}, int64_t{3} << 40}) {
            const __int128 exact = static_cast<__int128>(a) * 999;
            const int64_t q = Mul_Div_Round_64(a, 999, c);
            const __int128 error = exact - static_cast<__int128>(q) * c;
            EXPECT_TRUE(2 * (error < 0 ? -error : error) <= static_cast<__int128>(c < 0 ? -c : c))
                << a << " " << c;
        }
}

// The finance model's small steps: the dividend stored alone, the cap or
// (without one) the payroll budget, the money step in dollars, and fan
// loyalty moved one point while it stays within 700..1300.
TEST(MoneyOperations, DividendCapOrBudgetMoneyStepAndFanLoyaltySteps) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    Set_Team_Dividend_Stat(3, 123456);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FINANCE_DIVIDEND_GAME), 123456);
    Universe.Header.Universe_Stats[SALARY_CAP] = 150000000;
    EXPECT_EQ(Get_Cap_Or_Payroll_Budget(3), 150000000);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Get_Cap_Or_Payroll_Budget(3), Get_Team_Payroll_Budget(3));
    EXPECT_EQ(Get_Money_Step_Dollars(), 100000);
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1600;
    EXPECT_EQ(Get_Money_Step_Dollars(), 200000);
    for (const auto& [start, raised, lowered] :
         {std::tuple{1000, 1001, 999}, std::tuple{1299, 1300, 1298}, std::tuple{1300, 1300, 1299},
          std::tuple{700, 701, 700}, std::tuple{1350, 1350, 1349}, std::tuple{650, 651, 650}}) {
        Set_Team_Financial_Stat(4, FINANCE_FAN_LOYALTY, start);
        Raise_Fan_Loyalty(4);
        EXPECT_EQ(Get_Team_Financial_Stat(4, FINANCE_FAN_LOYALTY), raised) << "raised from " << start;
        Set_Team_Financial_Stat(4, FINANCE_FAN_LOYALTY, start);
        Lower_Fan_Loyalty(4);
        EXPECT_EQ(Get_Team_Financial_Stat(4, FINANCE_FAN_LOYALTY), lowered) << "lowered from " << start;
    }
}
