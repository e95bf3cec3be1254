#pragma once
// Names of a team's financial statistics as the finance model keeps them:
// money in dollars, prices in cents, fan loyalty and staff quality per mille,
// franchise value in thousands. Stored entries 0-79 are read and written
// through Get_Team_Financial_Stat / Set_Team_Financial_Stat; 80-109 are
// computed by the getter.
#include <cstdint>

enum FINANCE_STAT : int32_t {
    FINANCE_FAN_LOYALTY = 0,
    FINANCE_TICKET_PRICE = 1,
    FINANCE_SCOUTING_QUALITY = 2,
    FINANCE_MEDICAL_QUALITY = 3,
    FINANCE_SHARED_REVENUE_WEEK = 9,
    FINANCE_SHARED_REVENUE = 10,
    FINANCE_SHARED_REVENUE_LAST = 11,
    FINANCE_LAST_GATE = 12,
    FINANCE_LAST_ATTENDANCE = 13,
    FINANCE_TICKET_REVENUE = 14,
    FINANCE_HOME_ATTENDANCE = 15,
    FINANCE_TICKET_REVENUE_LAST = 16,
    FINANCE_HOME_ATTENDANCE_LAST = 17,
    FINANCE_ROAD_ATTENDANCE = 19,
    // Each concession block: price, profit of the last home game, this
    // season's profit, last season's profit.
    FINANCE_FOOD = 20,
    FINANCE_BEVERAGES = 27,
    FINANCE_SOUVENIRS = 34,
    FINANCE_OPERATING_EXPENSES_GAME = 50,
    FINANCE_OPERATING_EXPENSES = 51,
    FINANCE_OPERATING_EXPENSES_LAST = 52,
    FINANCE_PAYROLL_GAME = 53,
    FINANCE_PAYROLL_PAID = 54,
    FINANCE_PAYROLL_PAID_LAST = 55,
    FINANCE_DIVIDEND_GAME = 56,
    FINANCE_DIVIDENDS = 57,
    FINANCE_DIVIDENDS_LAST = 58,
    FINANCE_SCOUTING_BUDGET = 59,
    FINANCE_SCOUTING_SPENT = 60,
    FINANCE_SCOUTING_SPENT_LAST = 61,
    FINANCE_MEDICAL_BUDGET = 62,
    FINANCE_MEDICAL_SPENT = 63,
    FINANCE_MEDICAL_SPENT_LAST = 64,
    FINANCE_CASH = 68,
    FINANCE_FRANCHISE_VALUE = 69,
    FINANCE_HOME_GAMES = 70,
    FINANCE_HOME_GAMES_LAST = 71,
    FINANCE_GAMES = 72,
    FINANCE_GAMES_LAST = 73,
    FINANCE_STANDING = 74,
    // Computed by the getter.
    FINANCE_EXPENSES = 80,
    FINANCE_REVENUE = 82,
    FINANCE_PAYROLL = 89,
    FINANCE_CAP_ROOM = 90,
    FINANCE_CASH_RATIO = 98,
    FINANCE_PAYROLL_RATIO = 99,
    FINANCE_VALUE_RATIO = 100,
    FINANCE_PROJECTED_REVENUE = 101,
};

// Offsets inside a concession block.
constexpr int32_t CONCESSION_PRICE = 0;
constexpr int32_t CONCESSION_GAME_PROFIT = 1;
constexpr int32_t CONCESSION_SEASON_PROFIT = 2;
constexpr int32_t CONCESSION_LAST_SEASON_PROFIT = 3;

// Fan loyalty stays within these bounds from one season to the next.
constexpr int32_t MIN_FAN_LOYALTY = 700;
constexpr int32_t MAX_FAN_LOYALTY = 1300;

// Per-game staff budgets (dollars, before inflation) that buy standard
// quality, 1000.
constexpr int32_t STANDARD_MEDICAL_BUDGET = 250000;
constexpr int32_t STANDARD_SCOUTING_BUDGET = 120000;
