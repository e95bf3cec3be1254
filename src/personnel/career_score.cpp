#include "personnel/career_score.h"

// Career achievement is not scored yet: no player's career counts for more.
int32_t Get_Player_Career_Score(int32_t, int32_t) {
    return 0;
}
