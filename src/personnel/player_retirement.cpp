#include "personnel/player_retirement.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "dialogs/hall_of_fame_induction.h"
#include "frontoffice/player_value.h"
#include "personnel/career_score.h"
#include "personnel/contract_length.h"
#include "personnel/player_development.h"
#include "platform/message_box.h"

namespace {
// The expected make-up of the Hall of Fame by position, per mille.
constexpr int32_t HALL_OF_FAME_SHARE[NUMBER_OF_POSITIONS] = {190, 70, 25,  55, 110, 40, 40, 20,
                                                             80,  50, 140, 55, 75,  35, 15};
constexpr int32_t FIRST_VOTED_SEASONS = 10;
constexpr int32_t VOTE_THRESHOLD = 75;
constexpr int32_t VITAL_INDUCTION_YEAR = 19;

RETIREMENT_LISTENER Retirement_Listener = nullptr;
} // namespace

void Set_Retirement_Listener(RETIREMENT_LISTENER listener) {
    Retirement_Listener = listener;
}

int32_t Check_Player_Retirement(int32_t team, int32_t slot) {
    const int32_t value = Get_Player_Value(team, slot);
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    int32_t peak = Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (Is_Player_Within_Position_Quota(team, slot)) peak += 3;
    if (age < peak) return 0;
    if (static_cast<int64_t>(value) + 2000 >= static_cast<int64_t>(age - peak) * 1000) return 0;
    Retire_Player(team, slot);
    return 1;
}

void Retire_Player(int32_t team, int32_t slot) {
    if (Retirement_Listener != nullptr) Retirement_Listener(Get_Player_ID(team, slot));
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    // The age at which he entered the league stays with the Hall of Fame copy.
    Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE,
                          age - Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
    const int32_t inducted = Consider_Hall_Of_Fame_Induction(team, slot);
    if (team == Get_User_Team() && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(team, slot, name);
        Show_Formatted_Message("Retiring Player", "%s is retiring from football at the age of %d.", name,
                               age);
    }
    // The Hall of Fame copy refers to his season lines, so an inductee keeps them.
    if (inducted)
        Remove_Player(team, slot);
    else
        Delete_Player(team, slot);
}

int32_t Consider_Hall_Of_Fame_Induction(int32_t team, int32_t slot) {
    if (Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < FIRST_VOTED_SEASONS) return 0;
    const int32_t year = Get_Current_Year();
    int32_t s = Get_Player_Career_Score_With_Rings(team, slot);
    if (year < 2000) s = Mul_Div_Round(s, 2200 - year, 200);
    const int32_t members = Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM);
    if (members > 10) {
        // Positions the Hall already holds more of than their share vote lower.
        const int32_t position =
            Clamp_Int(0, NUMBER_OF_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
        const int32_t held = Count_Team_Position_Players(HALL_OF_FAME_TEAM, position);
        const int32_t share = Mul_Div_Round(held, 1000, members);
        const int32_t f = HALL_OF_FAME_SHARE[position] - share + 1000;
        const int32_t adjusted = Mul_Div_Round(s, f, 1000);
        s = Mul_Div_Round(adjusted, members - 10, members) + Mul_Div_Round(s, 10, members);
        // The Hall fills no faster than five members a year.
        const int32_t years = year + 1 - Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_INDUCTION_YEAR);
        const int32_t rate = years == 0 ? 0 : Mul_Div_Round(members, 1000, years);
        if (rate > 5000) s = Mul_Div_Round(s, 5000, rate);
    }
    if (s < VOTE_THRESHOLD) return 0;
    if (s > 95) s = 95 + (s - 95) / 2;
    return Induct_Player_Into_Hall_Of_Fame(team, slot, std::min(s, 100)) >= 0 ? 1 : 0;
}
