#pragma once
// Rebuilding the league's ratings from players' statistics.

// Recomputes the ratings of every used player slot from his statistics.
void Set_All_Ratings_From_Stats();
