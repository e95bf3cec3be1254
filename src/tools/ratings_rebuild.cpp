#include "tools/ratings_rebuild.h"

#include "database/player_record.h"
#include "tools/rating_from_stats.h"

void Set_All_Ratings_From_Stats() {
    For_Each_League_Player(Refresh_Player_Ratings_From_Stats);
}
