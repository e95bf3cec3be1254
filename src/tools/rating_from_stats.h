#pragma once
// A player's stored ratings derived from his predicted season: each rating reads
// one rating statistic (the estimate codes 200-232 of Get_Player_Stat).
#include <cstdint>

// The predicted-season statistic code a rating is derived from; -1 for an index
// that is not one of the 27 stored ratings.
int32_t Get_Rating_Statistic_Code(int32_t rating);
// The rating rebuilt from the player's predicted season. An offensive lineman's
// Pass Blocking and Run Blocking are his predicted statistics 6 and 5. The
// estimates are read as they truly are, without the user's scouting error.
float Get_Rating_From_Stats(int32_t team, int32_t slot, int32_t rating);
// The same rating as `season` of the player's (This, Last, Career or
// Predicted) gives it.
float Get_Rating_From_Season_Stats(int32_t team, int32_t slot, int32_t season, int32_t rating);
// Ratings 0..26 rebuilt in order, each stored before the next is derived; a
// value beyond +-1,000 is reported by the rating store and kept.
void Set_Player_Ratings_From_Stats(int32_t team, int32_t slot);

// True when the player's predicted season is exactly the typical season his
// present ratings give: a season computed from the ratings themselves. The
// predicted season is left as it was.
bool Is_Predicted_Season_Typical(int32_t team, int32_t slot);
// The league-wide rebuild of one player: ratings 0..26 from his predicted
// season, unless it is his typical season, which keeps the ratings it came from.
void Refresh_Player_Ratings_From_Stats(int32_t team, int32_t slot);
