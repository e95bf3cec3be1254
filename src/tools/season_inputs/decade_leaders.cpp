#include "tools/season_inputs/decade_leaders.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int32_t FIRST_DECADE = 1950;

// The mean of the yearly league leaders of each decade, rounded (public
// record): passing, rushing and receiving yards, interceptions, sacks. The
// seasons cut short by strikes (1982, 1987) are left out of the means; the
// 2020s are 2020-2022.
constexpr double LEADERS[][NUMBER_OF_LEADER_CATEGORIES] = {{2650.0, 1100.0, 1100.0, 11.0, 0.0},  // 1950s
                                                           {3350.0, 1400.0, 1400.0, 11.0, 0.0},  // 1960s
                                                           {3050.0, 1500.0, 1100.0, 10.0, 0.0},  // 1970s
                                                           {4600.0, 1700.0, 1420.0, 9.5, 19.5},  // 1980s
                                                           {4350.0, 1670.0, 1500.0, 9.0, 16.5},  // 1990s
                                                           {4600.0, 1780.0, 1550.0, 9.0, 17.5},  // 2000s
                                                           {5050.0, 1620.0, 1650.0, 8.5, 18.0},  // 2010s
                                                           {5200.0, 1830.0, 1760.0, 9.0, 18.5}}; // 2020s

// What the yearly leaders of 1938-1949 reached on average of the record
// standing at their season's end (public record): the passers 0.88 (a new
// record in half of those seasons), the rushers 0.72, the receivers 0.84,
// and the interceptors of 1940-1949 0.92; sacks were not counted.
constexpr double EARLY_LEADERS_OF_THE_RECORD[NUMBER_OF_LEADER_CATEGORIES] = {0.88, 0.72, 0.84, 0.92, 0.0};
} // namespace

VOLUME_KIND Get_Leader_Record_Kind(LEADER_CATEGORY category) {
    switch (category) {
    case LEADER_PASSING_YARDS:
        return VOLUME_PASSING_YARDS;
    case LEADER_RUSHING_YARDS:
        return VOLUME_RUSHING_YARDS;
    case LEADER_RECEIVING_YARDS:
        return VOLUME_RECEIVING_YARDS;
    case LEADER_INTERCEPTIONS:
        return VOLUME_INTERCEPTIONS;
    default:
        return NUMBER_OF_VOLUME_KINDS;
    }
}

double Get_Decade_Leader_Figure(int32_t year, LEADER_CATEGORY category) {
    if (category < 0 || category >= NUMBER_OF_LEADER_CATEGORIES) return 0.0;
    if (category == LEADER_SACKS && year < FIRST_COUNTED_SACKS_YEAR) return 0.0;
    if (year < FIRST_DECADE)
        return EARLY_LEADERS_OF_THE_RECORD[category] *
               Get_Standing_Volume_Record(Get_Leader_Record_Kind(category), year);
    const int32_t decade =
        std::clamp((year - FIRST_DECADE) / 10, 0, static_cast<int32_t>(std::size(LEADERS)) - 1);
    return LEADERS[decade][category];
}
