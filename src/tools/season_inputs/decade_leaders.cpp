#include "tools/season_inputs/decade_leaders.h"

#include <algorithm>
#include <iterator>

#include "tools/season_inputs/volume_records.h"

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

// The yearly passing leaders of 1938-1949 reached on average 0.88 of the
// record standing at their season's end, and set a new one in half of
// those seasons (public record).
constexpr double EARLY_PASSING_LEADERS_OF_THE_RECORD = 0.88;
} // namespace

double Get_Decade_Leader_Figure(int32_t year, LEADER_CATEGORY category) {
    if (category < 0 || category >= NUMBER_OF_LEADER_CATEGORIES) return 0.0;
    if (category == LEADER_SACKS && year < FIRST_COUNTED_SACKS_YEAR) return 0.0;
    if (category == LEADER_PASSING_YARDS && year < FIRST_DECADE)
        return EARLY_PASSING_LEADERS_OF_THE_RECORD * Get_Standing_Volume_Record(VOLUME_PASSING_YARDS, year);
    const int32_t decade =
        std::clamp((year - FIRST_DECADE) / 10, 0, static_cast<int32_t>(std::size(LEADERS)) - 1);
    return LEADERS[decade][category];
}
