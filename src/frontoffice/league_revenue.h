#pragma once
// League-wide money figures of the universe header that the finance model
// derives: the wealth factor and the revenue shared per game.

// Recomputes League_Wealth_Factor (universe stat 11).
void Update_League_Wealth_Factor();
// Recomputes Shared_Revenue_Per_Game (universe stat 10).
void Compute_Shared_Revenue_Per_Game();
