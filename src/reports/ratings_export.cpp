#include "reports/ratings_export.h"

int32_t Export_Player_Ratings_CSV(int32_t, int32_t) {
    return 0;
}
