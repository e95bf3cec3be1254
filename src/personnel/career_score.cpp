#include "personnel/career_score.h"

int32_t Get_Player_Career_Score(int32_t, int32_t) {
    return 0;
}
