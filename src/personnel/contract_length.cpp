#include "personnel/contract_length.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/team_record_layout.h"
#include "frontoffice/player_value.h"

namespace {
constexpr int32_t PEAK_AGE[NUMBER_OF_POSITIONS] = {32, 27, 29, 29, 29, 28, 30, 29,
                                                   29, 30, 29, 28, 28, 35, 35};
constexpr int32_t QUARTERBACK_ERA_START = 1950;
constexpr int32_t QUARTERBACK_ERA_YEARS = 20;
constexpr int32_t DRAFT_POOL_CONTRACT_YEARS = 4;
constexpr int32_t MAX_CONTRACT_YEARS = 7;
// The calendar entry of the last post-season week.
constexpr int32_t LAST_POST_SEASON_ENTRY = 5;
} // namespace

int32_t Get_Position_Peak_Age(int32_t position) {
    const int32_t index = Clamp_Int(0, NUMBER_OF_POSITIONS - 1, position);
    const int32_t peak = PEAK_AGE[index];
    if (index != POSITION_QB) return peak;
    const int32_t era = (Get_Current_Year() - QUARTERBACK_ERA_START) / QUARTERBACK_ERA_YEARS;
    return era > 0 ? peak + era : peak;
}

int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    if (team >= FIRST_COLLEGE_POOL_TEAM) return DRAFT_POOL_CONTRACT_YEARS;
    int32_t score = (Rounded_Signed_Sqrt(Get_Player_Value(team, slot)) + 60) * 5;
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t peak = Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (age > peak) score = Mul_Div_Round(score, 3, age - peak + 3);
    int32_t least = 2;
    const int32_t week = Get_Current_Week();
    if (team == FREE_AGENT_TEAM && week <= Get_Season_Calendar_Entry(LAST_POST_SEASON_ENTRY)) {
        score = Mul_Div_Round(score, 3, week + 6);
        least = 1;
    }
    const int32_t years = score / 100 < MAX_CONTRACT_YEARS ? score / 100 : MAX_CONTRACT_YEARS;
    return years > least ? years : least;
}
