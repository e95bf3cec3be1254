#include "tools/rating_from_stats.h"

#include "database/rating_normalisation.h"

// Until ratings are rebuilt from predicted statistics, a rating that cannot be
// trusted reads as the league baseline.
float Get_Rating_From_Stats(int32_t team, int32_t slot, int32_t rating) {
    (void)team;
    (void)slot;
    return Get_Rating_Baseline(rating);
}
