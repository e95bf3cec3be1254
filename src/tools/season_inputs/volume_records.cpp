#include "tools/season_inputs/volume_records.h"

#include <algorithm>
#include <cmath>

int32_t Get_Standing_Volume_Record(VOLUME_KIND kind, int32_t year) {
    const std::span<const STANDING_RECORD> records = Get_Volume_Record_Progression(kind);
    if (records.empty()) return 0;
    int32_t standing = records.front().Figure;
    for (const STANDING_RECORD& record : records)
        if (record.Year <= year) standing = std::max(standing, record.Figure);
    return standing;
}

int32_t Get_Volume_Bound(VOLUME_KIND kind, int32_t year, double past) {
    const int32_t mark = Get_All_Time_Volume_Mark(kind);
    const int32_t standing = Get_Standing_Volume_Record(kind, year);
    if (standing <= 0) return mark;
    return std::min(mark, static_cast<int32_t>(std::floor(standing * (1.0 + past))));
}

int32_t Get_Era_Volume_Ceiling(VOLUME_KIND kind, int32_t year) {
    return Get_Volume_Bound(kind, year, RECORD_PASSING_MARGIN);
}
