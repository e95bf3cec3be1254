#pragma once
// Rebuilding the league's ratings from players' statistics.

// Rebuilds the ratings of every used player slot of team slots 0..40 from his
// predicted season; a player whose predicted season is the typical season of
// his ratings keeps them.
void Set_All_Ratings_From_Stats();
