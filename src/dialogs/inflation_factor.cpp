#include "dialogs/inflation_factor.h"

#include <cstdint>

#include "database/league_structure.h"
#include "database/universe.h"
#include "season/league_rules.h"

namespace {
constexpr int64_t REFERENCE_CAP = 208200000;
constexpr int64_t HALF_STEP = 104100;
} // namespace

void Update_Inflation_Factor() {
    int64_t cap = Universe.Header.Universe_Stats[SALARY_CAP];
    if (cap == 0) cap = Get_Season_Salary_Cap(Get_Current_Year());
    Universe.Header.Universe_Stats[INFLATION_FACTOR] =
        static_cast<int32_t>((cap + HALF_STEP) * 1000 / REFERENCE_CAP);
}
