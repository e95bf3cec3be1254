#pragma once
// Rebuilding the league's ratings from players' statistics.

// Rebuilds the ratings of every used player slot of team slots 0..40 from his
// predicted season.
void Set_All_Ratings_From_Stats();
