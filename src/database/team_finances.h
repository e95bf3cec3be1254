#pragma once
// Team financial statistics: 80 stored values per team (revenue and expense
// items, budgets, cash, franchise value) and the figures 80-109 computed from
// them and from the roster. Team 255 asks for the league mean.
#include <cstdint>

constexpr int32_t LEAGUE_MEAN_TEAM = 255;
constexpr int32_t FINANCIAL_STAT_CASH = 68;
constexpr int32_t FINANCIAL_STAT_FRANCHISE_VALUE = 69;
constexpr int32_t MIN_TEAM_CASH = -100000000;
constexpr int32_t MAX_TEAM_CASH = 1000000000;
constexpr int32_t LAST_COMPUTED_FINANCIAL_STAT = 109;

int32_t Get_Team_Financial_Stat(int32_t team, int32_t n);
// Financial stat 1, the ticket price.
constexpr int32_t FINANCIAL_STAT_TICKET_PRICE = 1;
int32_t Get_Team_Ticket_Price(int32_t team);
void Set_Team_Financial_Stat(int32_t team, int32_t n, int32_t value);
// The payroll (financial stat 89, $K) the team would have once a player with
// cap charge `charge` joins it: a newcomer can push the smallest of the
// counted charges out of the payroll.
int32_t Get_Payroll_With_Newcomer(int32_t team, int32_t charge);
int32_t Get_Team_Financial_Rank(int32_t team, int32_t n);
void Clear_Previous_Financial_Stats(int32_t team);
