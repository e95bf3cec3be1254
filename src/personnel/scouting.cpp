#include "personnel/scouting.h"

#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"

namespace {

constexpr int32_t SCOUTING_BUDGET_STAT = 2;
constexpr int32_t SMALLEST_RANKED_BUDGET = 500;
constexpr int32_t MOST_COUNTED_SEASONS = 4;

int32_t Scouting_Error_Holds = 0;

const char* const LETTER_GRADES[NUMBER_OF_LETTER_GRADES] = {"F ", "F",  "D-", "D ", "D+", "C-", "C ",
                                                            "C+", "B-", "B ", "B+", "A-", "A ", "A+"};

} // namespace

int32_t Get_Player_Month_Hash(int32_t player_id, int32_t bound) {
    const uint32_t a = static_cast<uint32_t>(player_id / 10);
    const uint32_t b = static_cast<uint32_t>(player_id % 10);
    const uint32_t month = static_cast<uint32_t>(Get_Current_Month());
    const uint32_t season = static_cast<uint32_t>(Get_Current_Season_Index());
    const uint32_t sum = a * a * a + 10u * b * b * b + month * month + season * season;
    // Taken as a signed 32-bit value; the magnitude in 64 bits so that the most
    // negative sum has one too.
    const int64_t magnitude = std::llabs(static_cast<int64_t>(static_cast<int32_t>(sum)));
    return bound < 1 ? 0 : static_cast<int32_t>(magnitude % bound);
}

int32_t Get_Team_Scouting_Rating(int32_t team) {
    if (Is_No_Team(team)) return 1000;
    const int32_t teams = Count_Active_Teams();
    const int32_t rank = Get_Team_Financial_Rank(team, SCOUTING_BUDGET_STAT);
    const int32_t step = 1000 / (teams - 1 > 1 ? teams - 1 : 1);
    const int32_t budget = Get_Team_Financial_Stat(team, SCOUTING_BUDGET_STAT);
    if (budget < SMALLEST_RANKED_BUDGET) return budget;
    return 1500 - rank * step;
}

int32_t Get_Scouting_Spread() {
    int32_t spread = Get_User_Preference(SCOUTING_SPREAD_CACHE);
    if (spread != 0) return spread;
    spread =
        ((Get_User_Preference(DIFFICULTY_LEVEL) + 15) * 100 - Get_Team_Scouting_Rating(Get_User_Team())) / 4;
    if (spread < 1) spread = 1;
    Set_User_Preference(SCOUTING_SPREAD_CACHE, spread);
    return spread;
}

void Hold_Scouting_Error(bool held) {
    Scouting_Error_Holds += held ? 1 : -1;
    if (Scouting_Error_Holds < 0) Scouting_Error_Holds = 0;
}

int32_t Is_Scouting_Error_Held() {
    return Scouting_Error_Holds > 0;
}

int32_t Get_Scouting_Error(int32_t team, int32_t slot, int32_t player_id) {
    if (Scouting_Error_Holds > 0) return 0;
    if (Get_User_Preference(COMMISSIONER_MODE) != 0 || Get_User_Preference(PERFECT_SCOUTING) != 0) return 0;
    const int32_t spread = Get_Scouting_Spread();
    int32_t seasons = 0;
    int32_t starts = 0;
    if (Is_Player_Address(team, slot)) {
        seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
        starts = Get_Player_Stat(team, slot, SEASON_LAST, 1);
    }
    seasons = Clamp_Int(0, MOST_COUNTED_SEASONS, seasons);
    int32_t divisor = 15 * seasons + 12 + 2 * starts + Get_Player_Month_Hash(player_id, 100);
    // Corrupt negative starts must not leave a zero or negative divisor.
    if (divisor < 1) divisor = 1;
    const int32_t x = spread / divisor;
    const int32_t error = x > 0 && x % 2 == 1 ? -((x + 1) / 2) : x / 2;
    return Clamp_Int(-LARGEST_SCOUTING_ERROR, LARGEST_SCOUTING_ERROR, error);
}

int32_t Apply_Scouting_Error(int32_t team, int32_t slot, int32_t value) {
    const int32_t id = slot == NO_PLAYER ? -1 : Get_Player_ID(team, slot);
    const int32_t error = Get_Scouting_Error(team, slot, id);
    if (value % 2 == 0 && value > 70) return value - std::abs(error);
    if (value % 2 == 0 && value < 70) return value + std::abs(error);
    return value + error;
}

void Get_Letter_Grade(int32_t index, char* out) {
    safe_strncpy(out, LETTER_GRADES[Clamp_Int(0, NUMBER_OF_LETTER_GRADES - 1, index)], LETTER_GRADE_SIZE);
}
