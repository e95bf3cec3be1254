#include "season/league_rules.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/inflation_factor.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/money.h"
#include "platform/message_box.h"
#include "season/league_rules_tables.h"

namespace {
constexpr int32_t MOST_GAMES_PER_SEASON = 17;
// The one league 17 games are scheduled for, and the games a league of more
// teams than a 16-game season's records hold plays instead.
constexpr int32_t SEVENTEEN_GAME_TEAMS = 32;
constexpr int32_t GAMES_WITHOUT_SEVENTEENTH = 16;
constexpr int32_t GAMES_OF_THE_LARGEST_LEAGUES = 14;
// The regular season's games a season's game records hold in all; a league
// plays them two teams a game.
constexpr int32_t SCHEDULED_GAMES_LIMIT = 285;
constexpr int32_t FIRST_CHAMPIONSHIP_GAME_YEAR = 1966;
constexpr int32_t LEAGUES_EXCHANGED_YEAR = 1970;
constexpr int32_t MODERN_RULES_YEAR = 1974;
constexpr int32_t FIRST_RESEEDED_PLAYOFF_YEAR = 1990;
constexpr int32_t FIRST_TWO_POINT_YEAR = 1994;
constexpr int32_t FIRST_PLAYOFF_RULE_3_YEAR = 2010;
constexpr int32_t FIRST_KICKOFF_AT_35_AGAIN_YEAR = 2011;
constexpr int32_t FIRST_REGULAR_OVERTIME_RULE_YEAR = 2013;
constexpr int32_t FIRST_EXTRA_POINT_AT_15_YEAR = 2015;
constexpr int32_t FIRST_TOUCHBACK_AT_25_YEAR = 2016;
constexpr int32_t FIRST_SHORT_OVERTIME_YEAR = 2017;
// Caps after the last published one grow by 3 % of it a year, for 30 years.
constexpr int64_t CAP_GROWTH_PERCENT = 3;
constexpr int64_t CAP_GROWTH_YEARS = 30;
constexpr int32_t LEAST_PLAUSIBLE_CAP = 1000000;
constexpr int32_t MOST_PLAUSIBLE_CAP = 1000000000;
constexpr int32_t NEUTRAL_WEALTH = 1000;

int32_t& Universe_Stat(int32_t n) {
    return Universe.Header.Universe_Stats[n];
}

// Before 1994 the cap of 1994 shrinks 4 % a year back, rounded at each step.
int32_t Cap_Before_Published(int32_t year) {
    int64_t cap = Get_Published_Salary_Cap(FIRST_PUBLISHED_CAP_YEAR);
    for (int32_t y = year; y < FIRST_PUBLISHED_CAP_YEAR; ++y)
        cap = (96 * cap + 50) / 100;
    return static_cast<int32_t>(cap);
}

int32_t Cap_After_Published(int32_t year) {
    int64_t years = year - LAST_PUBLISHED_CAP_YEAR;
    if (years > CAP_GROWTH_YEARS) years = CAP_GROWTH_YEARS;
    const int64_t last = Get_Published_Salary_Cap(LAST_PUBLISHED_CAP_YEAR);
    return static_cast<int32_t>((last * (100 + CAP_GROWTH_PERCENT * years) + 50) / 100);
}

int32_t Wild_Card_Teams_For_Year(int32_t year) {
    if (year < 1970) return 0;
    if (year < 1978) return 1;
    if (year < 1990) return 2;
    if (year < 2002) return 3;
    if (year < 2020) return 2;
    return 3;
}

// The wealth factor the cap raise is weighed by: neutral while the owner
// mode setting is 0, else the league's (recomputed when out of its range).
int32_t Cap_Raise_Wealth_Factor() {
    return Get_User_Preference(OWNER_MODE) == 0 ? NEUTRAL_WEALTH : Get_League_Wealth_Factor();
}

// Puts a change of the rules to the user; true when the answer is OK.
bool Confirm_Change(const char* caption, const char* text) {
    return Show_Message_Box(text, caption, BOX_OK_CANCEL | BOX_TASK_MODAL) == ID_BOX_OK;
}

void Cap_Games_Per_Season() {
    if (Universe_Stat(GAMES_PER_SEASON) > MOST_GAMES_PER_SEASON)
        Universe_Stat(GAMES_PER_SEASON) = MOST_GAMES_PER_SEASON;
}
} // namespace

int32_t Get_Season_Salary_Cap(int32_t year) {
    int32_t cap;
    if (year < FIRST_PUBLISHED_CAP_YEAR)
        cap = Cap_Before_Published(year);
    else if (year > LAST_PUBLISHED_CAP_YEAR)
        cap = Cap_After_Published(year);
    else
        cap = Get_Published_Salary_Cap(year);
    if (cap < LEAST_PLAUSIBLE_CAP || cap > MOST_PLAUSIBLE_CAP)
        Report_System_Error("Get_Season_Salary_Cap(%d) returned %d", year, cap);
    return cap;
}

void Propose_Salary_Cap_For_Year(int32_t confirm) {
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) != 0) confirm = 0;
    const int32_t year = Get_Current_Year();
    const int64_t old_cap = Universe_Stat(SALARY_CAP);
    const int64_t target = year >= FIRST_PUBLISHED_CAP_YEAR ? Get_Season_Salary_Cap(year) : 0;
    int64_t raise = target - old_cap;
    int64_t new_cap = target;
    if (old_cap < target && target < 2 * old_cap) {
        raise = (Cap_Raise_Wealth_Factor() * raise + 500) / 1000;
        new_cap = old_cap + raise;
    }
    const int64_t step = static_cast<int64_t>(Get_Money_Step(Universe_Stat(INFLATION_FACTOR))) * 1000;
    new_cap = new_cap + step / 2 - ((new_cap + step / 2) % step);
    if (new_cap == 0 || old_cap == 0 || raise < 0 || raise < old_cap / 50) return;
    if (confirm && new_cap != old_cap) {
        char old_text[32];
        char new_text[32];
        char text[160];
        Format_Number_Commas(static_cast<int32_t>(old_cap), old_text);
        Format_Number_Commas(static_cast<int32_t>(new_cap), new_text);
        snprintf(text, sizeof text, "The league would like to change the salary cap from $%s to $%s.",
                 old_text, new_text);
        if (!Confirm_Change("Salary Cap", text)) return;
    }
    if (new_cap > old_cap) Universe_Stat(SALARY_CAP) = static_cast<int32_t>(new_cap);
}

int32_t Get_Games_Per_Season_For_Year(int32_t year) {
    if (year < 1961) return 12;
    if (year < 1978) return 14;
    if (year < 2021) return 16;
    return 17;
}

int32_t Get_Most_Teams_For_Season_Games(int32_t games) {
    return games > 0 ? SCHEDULED_GAMES_LIMIT / games * 2 : MAX_FRANCHISES;
}

int32_t Fit_Season_Games_To_Teams(int32_t games, int32_t teams) {
    if (games >= MOST_GAMES_PER_SEASON && teams != SEVENTEEN_GAME_TEAMS) games = GAMES_WITHOUT_SEVENTEENTH;
    if (games > GAMES_OF_THE_LARGEST_LEAGUES && teams > Get_Most_Teams_For_Season_Games(games))
        games = GAMES_OF_THE_LARGEST_LEAGUES;
    return games;
}

void Set_Games_Per_Season_For_Year(int32_t confirm) {
    int32_t games = Get_Games_Per_Season_For_Year(Get_Current_Year());
    // A league the League Editor has grown or shrunk keeps the season its
    // teams can play; a block with no league yet takes the year's.
    const int32_t teams = Count_Active_Teams();
    if (teams > 0) games = Fit_Season_Games_To_Teams(games, teams);
    const int32_t current = Universe_Stat(GAMES_PER_SEASON);
    if (confirm && games != current) {
        char text[128];
        snprintf(text, sizeof text,
                 "The league would like to change the regular season from %d games to %d games.", current,
                 games);
        if (!Confirm_Change("Schedule Change", text)) return;
    }
    Universe_Stat(GAMES_PER_SEASON) = games;
}

void Set_Wild_Card_Teams_For_Year(int32_t confirm) {
    const int32_t wild_cards = Wild_Card_Teams_For_Year(Get_Current_Year());
    const int32_t current = Universe_Stat(WILD_CARD_TEAMS);
    if (confirm && wild_cards != current) {
        char text[160];
        snprintf(
            text, sizeof text,
            "The league would like to change the number of wild card teams (per conference) from %d to %d.",
            current, wild_cards);
        if (!Confirm_Change("Playoff Format Change", text)) return;
    }
    Universe_Stat(WILD_CARD_TEAMS) = wild_cards;
}

void Set_Two_Point_Rule_For_Year() {
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, Get_Current_Year() >= FIRST_TWO_POINT_YEAR ? 1 : 0);
}

void Set_Overtime_Rules_For_Year() {
    const int32_t year = Get_Current_Year();
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, year >= MODERN_RULES_YEAR ? 1 : 0);
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, year >= FIRST_PLAYOFF_RULE_3_YEAR ? 3 : 2);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, year >= FIRST_REGULAR_OVERTIME_RULE_YEAR ? 1 : 0);
}

void Set_Overtime_Length_For_Year() {
    Set_User_Preference(OVERTIME_MINUTES, Get_Current_Year() >= FIRST_SHORT_OVERTIME_YEAR ? 10 : 15);
}

void Set_Kickoff_Spot_For_Year() {
    const int32_t year = Get_Current_Year();
    int32_t code = 1;
    if (year < MODERN_RULES_YEAR)
        code = 2;
    else if (year >= FIRST_TWO_POINT_YEAR && year < FIRST_KICKOFF_AT_35_AGAIN_YEAR)
        code = 0;
    Set_User_Preference(KICKOFF_SPOT_CODE, code);
}

void Set_Kickoff_Touchback_Rule_For_Year() {
    Set_User_Preference(KICKOFF_TOUCHBACK_RULE, Get_Current_Year() >= FIRST_TOUCHBACK_AT_25_YEAR ? 1 : 0);
}

void Set_Extra_Point_Spot_For_Year() {
    Set_User_Preference(EXTRA_POINT_SPOT_CODE, Get_Current_Year() >= FIRST_EXTRA_POINT_AT_15_YEAR ? 1 : 0);
}

void Set_Missed_Field_Goal_Spot_For_Year() {
    const int32_t year = Get_Current_Year();
    int32_t spot = 0;
    if (year < MODERN_RULES_YEAR)
        spot = 2;
    else if (year < FIRST_TWO_POINT_YEAR)
        spot = 1;
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, spot);
}

void Apply_League_Rules_For_Year() {
    const int32_t year = Get_Current_Year();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    UNIVERSE_HEADER& header = Universe.Header;
    if (season == 0) {
        header.Championship_Round_Flag = Get_Universe_Stat(BASE_YEAR) >= FIRST_CHAMPIONSHIP_GAME_YEAR ? 1 : 0;
        header.Pre_1990_Playoff_Flag = Get_Universe_Stat(BASE_YEAR) < FIRST_RESEEDED_PLAYOFF_YEAR ? 1 : 0;
    }
    if (year == FIRST_CHAMPIONSHIP_GAME_YEAR) header.Championship_Round_Flag = 1;
    if (year == FIRST_RESEEDED_PLAYOFF_YEAR) header.Pre_1990_Playoff_Flag = 0;
    if (season > 0) {
        Propose_Salary_Cap_For_Year(0);
        if (year == LEAGUES_EXCHANGED_YEAR) Swap_Leagues();
    }
    Update_Inflation_Factor();
    Set_Overtime_Rules_For_Year();
    Set_Two_Point_Rule_For_Year();
    Set_Extra_Point_Spot_For_Year();
    Set_Overtime_Length_For_Year();
    Set_Kickoff_Touchback_Rule_For_Year();
    Set_Kickoff_Spot_For_Year();
    Set_Missed_Field_Goal_Spot_For_Year();
    Cap_Games_Per_Season();
    Set_Games_Per_Season_For_Year(0);
    Set_Wild_Card_Teams_For_Year(0);
    Update_League_Wealth_Factor();
    Compute_Shared_Revenue_Per_Game();
}
