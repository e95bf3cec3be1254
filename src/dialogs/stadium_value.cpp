#include "dialogs/stadium_value.h"

#include <cstdint>

#include "database/cities.h"
#include "database/team_record.h"

namespace {
constexpr int64_t STRUCTURE_FACTORS[3] = {1000, 1200, 1500};
constexpr int64_t GRASS_BONUS = 10000000;
constexpr int32_t CITY_POPULATION = 0;
constexpr int32_t CITY_INCOME = 3;

// a * b / c rounded to the nearest, halves up, for the non-negative values met here.
int64_t Rounded(int64_t a, int64_t b, int64_t c) {
    return c == 0 ? 0 : (a * b + c / 2) / c;
}
} // namespace

int32_t Compute_Stadium_Value(int32_t team) {
    const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    const int64_t population = Get_City_Stat(city, CITY_POPULATION);
    const int64_t income = Get_City_Stat(city, CITY_INCOME);
    const int64_t q = Rounded(income, 1000, 25000);
    const int64_t market = Rounded(population, q, 1000000);
    const int64_t convenience = Rounded(Get_Team_Stadium_Stat(team, STADIUM_CONVENIENCE), market, 1000);
    const int64_t comfort = Rounded(Get_Team_Stadium_Stat(team, STADIUM_COMFORT), q, 1000);
    int32_t structure = Get_Team_Stadium_Stat(team, STADIUM_STRUCTURE);
    if (structure < 0 || structure > 2) structure = 0;
    int64_t value = STRUCTURE_FACTORS[structure] * (Get_Team_Stadium_Stat(team, STADIUM_CAPACITY) + 100000);
    if (Get_Team_Stadium_Stat(team, STADIUM_SURFACE) == STADIUM_GRASS) value += GRASS_BONUS;
    value = Rounded(value, convenience + 1000, 2000);
    value = Rounded(value, comfort + 1000, 2000);
    value = Rounded(value, Get_Team_Stadium_Stat(team, STADIUM_SIGHT_LINES) + 3000, 4000);
    value = (value + 500000) / 1000000 * 1000000;
    return value > INT32_MAX ? INT32_MAX / 1000000 * 1000000 : static_cast<int32_t>(value);
}
