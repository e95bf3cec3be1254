#pragma once
// What a player is paid: the yearly salary his value is worth, the salary of
// comparable players, his yearly demand in talks, and the draft-pool values
// the demands of college players are measured by. Thousands of dollars.
#include <cstdint>

// The yearly salary a player is worth; `value` 0 means his Get_Player_Value.
int32_t Get_Player_Salary_Value(int32_t team, int32_t slot, int32_t value);
// A salary above a tenth of the cap (`cap` in dollars) is pulled halfway back
// to it, except a quarterback's.
int32_t Apply_Cap_Damping(int32_t position, int32_t salary, int32_t cap);
// Weighted mean cap impact of the franchise players of his position who are
// near him in age and overall; `no_comparable` when nobody is near enough.
int32_t Get_Comparable_Player_Salary(int32_t team, int32_t slot, int32_t no_comparable);
// While one lives, no franchise but `team` (a franchise or a pool whose
// contracts are stepped) gains, loses or moves a player or changes a
// player's position: the other franchises' players of a position are listed
// once for the comparable salaries, and only the team's roster is walked
// again. Nested scopes of two teams walk every roster.
class COMPARABLE_PLAYERS_SCOPE {
  public:
    explicit COMPARABLE_PLAYERS_SCOPE(int32_t team);
    ~COMPARABLE_PLAYERS_SCOPE();
    COMPARABLE_PLAYERS_SCOPE(const COMPARABLE_PLAYERS_SCOPE&) = delete;
    COMPARABLE_PLAYERS_SCOPE& operator=(const COMPARABLE_PLAYERS_SCOPE&) = delete;
};
// The minimum signing bonus he asks for, a multiple of the money step, at
// least 0; `value` 0 means his Get_Player_Value.
int32_t Get_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value);
// The demand of a player (not of the draft pool) whose salary value is known.
int32_t Get_Demand_From_Salary_Value(int32_t team, int32_t slot, int32_t salary_value);
// A raw demand raised by the league's salary setting and floored to the money
// step, at least 0.
int32_t Finish_Contract_Demand(int32_t demand);
// Stores every draft-pool player's predicted draft score in his vital 28 and
// returns the best (0 for an empty pool).
int32_t Update_Draft_Pool_Values();
// A pool player's bonus demand: the value of the pick on the clock scaled by
// his pool value over the best pool value.
int32_t Get_Draft_Pool_Bonus_Demand(int32_t pool_value, int32_t best_pool_value);
