#pragma once
// A team's market and what it earns from it: the market share among nearby
// franchises, the market size, the price level its fans pay (the input of
// ticket prices, concessions and attendance), the franchise value and the
// owner's dividend.
#include <cstdint>

// Per mille: 1000 alone in its market, less for every franchise nearby.
int32_t Get_Team_Market_Share(int32_t team);
// Market points from the home city's and region's population and the share.
int32_t Get_Team_Market_Size(int32_t team);
// The price level in cents (at least 1) from income, fan loyalty, stadium,
// difficulty, cash, payroll, league wealth and the league's revenue setting.
int32_t Estimate_Team_Revenue(int32_t team);
// The price level x 1000 / 100,000,000 of cash above that much cash, or x
// cash / -base cash below minus the base cash.
int32_t Adjust_Revenue_For_Cash(int32_t team, int32_t price_level);
// A computer team paying less than 135,330 thousand (inflated) raises its prices.
int32_t Adjust_Revenue_For_Payroll(int32_t team, int32_t price_level);
// Franchise value in thousands from market, income, loyalty, stadium and
// roster; stored as financial stat 69.
int32_t Compute_Franchise_Value(int32_t team);
// Dollars paid to the owner per regular-season game.
int32_t Get_Owner_Dividend_Per_Game(int32_t team);
// Stores the owner dividend per game (financial stat 56).
void Set_Team_Dividend_Stat(int32_t team, int32_t dividend);
