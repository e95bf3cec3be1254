#include "personnel/contract_length.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "frontoffice/player_value.h"

namespace {
constexpr int32_t PEAK_AGE[15] = {32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};
constexpr int32_t MAX_CONTRACT_YEARS = 7;
constexpr int32_t DRAFT_POOL_CONTRACT_YEARS = 4;
constexpr int32_t LAST_POST_SEASON_ENTRY = 5;
} // namespace

int32_t Get_Position_Peak_Age(int32_t position) {
    const int32_t index = Clamp_Int(0, NUMBER_OF_POSITIONS - 1, position);
    int32_t peak = PEAK_AGE[index];
    if (index == POSITION_QB) {
        const int32_t era = (Get_Current_Year() - 1950) / 20;
        if (era > 0) peak += era;
    }
    return peak;
}

int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    if (team >= FIRST_COLLEGE_POOL_TEAM) return DRAFT_POOL_CONTRACT_YEARS;
    const int32_t value = Clamp_Int(-1000000000, 1000000000, Get_Player_Value(team, slot));
    int32_t score = (Rounded_Signed_Sqrt(value) + 60) * 5;
    const int32_t age = Get_Player_Age(team, slot);
    const int32_t peak = Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (age > peak) score = Mul_Div_Round(score, 3, age - peak + 3);
    int32_t floor = 2;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (team == FREE_AGENT_TEAM && week <= Get_Season_Calendar_Entry(LAST_POST_SEASON_ENTRY)) {
        score = Mul_Div_Round(score, 3, week + 6);
        floor = 1;
    }
    const int32_t years = score / 100 < MAX_CONTRACT_YEARS ? score / 100 : MAX_CONTRACT_YEARS;
    return years > floor ? years : floor;
}
