#include "frontoffice/league_revenue.h"

// Both figures stand as saved until the finance model that derives them from
// the teams' markets and gates is built.
void Update_League_Wealth_Factor() {}

void Compute_Shared_Revenue_Per_Game() {}
