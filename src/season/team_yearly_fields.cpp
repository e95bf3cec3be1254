#include "season/team_yearly_fields.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"

namespace {
constexpr int32_t RECORD_CHAR_STEP = 4;
} // namespace

void Reset_Team_Yearly_Fields() {
    const int32_t teams = Count_Active_Teams();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    for (int32_t team = 0; team < teams; ++team) {
        for (int32_t n = 0; n < NUMBER_OF_YEARLY_CHARS; n += RECORD_CHAR_STEP)
            Set_Team_Yearly_Char(team, season, n, 0);
        for (int32_t n = 0; n < NUMBER_OF_YEARLY_INTS; ++n)
            Set_Team_Yearly_Int(team, season, n, 0);
    }
}
