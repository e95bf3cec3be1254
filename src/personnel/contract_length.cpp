#include "personnel/contract_length.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "frontoffice/player_value.h"
#include "personnel/player_development.h"

namespace {
constexpr int32_t POOL_PLAYER_YEARS = 4;
constexpr int32_t LONGEST_CONTRACT = 7;
constexpr int32_t LAST_POST_SEASON_DAY = 4;
} // namespace

int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    if (team >= FIRST_COLLEGE_POOL_TEAM) return POOL_PLAYER_YEARS;
    int32_t s = (Rounded_Signed_Sqrt(Get_Player_Value(team, slot)) + 60) * 5;
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t peak = Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (age > peak) s = Mul_Div_Round(s, 3, age - peak + 3);
    int32_t least = 2;
    const int32_t week = Get_Current_Week();
    if (team == FREE_AGENT_TEAM && week <= Universe.Post_Season_Days[LAST_POST_SEASON_DAY]) {
        s = Mul_Div_Round(s, 3, week + 6);
        least = 1;
    }
    int32_t years = s / 100;
    if (years > LONGEST_CONTRACT) years = LONGEST_CONTRACT;
    return years < least ? least : years;
}
