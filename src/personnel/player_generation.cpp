#include "personnel/player_generation.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "personnel/player_names.h"

namespace {
// Average height (inches) and weight (pounds) by position QB .. P.
constexpr int32_t POSITION_HEIGHT[15] = {75, 71, 72, 77, 73, 78, 76, 75, 76, 75, 74, 71, 72, 72, 74};
constexpr int32_t POSITION_WEIGHT[15] = {223, 215, 245, 255, 200, 315, 312, 300,
                                         270, 305, 242, 193, 205, 200, 210};
} // namespace

int32_t Generate_Unique_Player_ID(int32_t team, int32_t slot) {
    (void)team;
    (void)slot;
    int32_t highest = 0;
    for (const TEAM_RECORD& record : Universe.Teams)
        for (const PLAYER_RECORD& player : record.Players)
            if (player.Vital_Stats[VITAL_PLAYER_ID] > highest) highest = player.Vital_Stats[VITAL_PLAYER_ID];
    return highest + 1;
}

void Randomize_Player_Ratings(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return;
    // A fixed spread from the player's id keeps players distinct without draws.
    int32_t id = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        int32_t spread = static_cast<int32_t>((static_cast<uint32_t>(id) * 7u + rating * 13u) % 25u);
        Set_Player_Rating(team, slot, rating, static_cast<float>(55 + spread));
    }
}

void Create_Player_For_Team(int32_t team, int32_t slot, int32_t position, int32_t quality) {
    if (!Is_Player_Address(team, slot) || static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS) {
        Report_System_Error("Invalid argument in Create_Player_For_Team(%d,%d,%d,%d)", team, slot, position,
                            quality);
        return;
    }
    if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0) {
        Report_System_Error("Slot in use in Create_Player_For_Team(%d,%d,%d,%d)", team, slot, position,
                            quality);
        return;
    }
    Clear_Player(team, slot);
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    player.Vital_Stats[VITAL_PLAYER_ID] = Generate_Unique_Player_ID(team, slot);
    player.Vital_Stats[VITAL_POSITION] = position;
    player.Expanded_Position = static_cast<int8_t>(position);
    player.Vital_Stats[VITAL_HEIGHT] = POSITION_HEIGHT[position];
    player.Vital_Stats[VITAL_WEIGHT] = POSITION_WEIGHT[position];
    player.Vital_Stats[VITAL_FORTY_TIME] = 470 + player.Vital_Stats[VITAL_WEIGHT] / 5;
    player.Vital_Stats[VITAL_BIRTH_DATE] = (Get_Current_Year() - 22) * 10000 + 101;
    player.Vital_Stats[VITAL_LOADED_MARKER] = 22;
    player.Vital_Stats[VITAL_INJURY_TYPE] = -1;
    player.Vital_Stats[VITAL_DEVELOPMENT] = 100;
    player.Vital_Stats[VITAL_PEAK_AGE] = 27;
    player.Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 30;
    char name[20] = {};
    Get_Random_Last_Name(name);
    Set_Player_Last_Name(team, slot, name);
    if (!Take_First_Name(name)) {
        Load_First_Names();
        Take_First_Name(name);
    }
    Set_Player_First_Name(team, slot, name);
    Set_Player_Rating(team, slot, RATING_HEALTH, 90.0f);
    Set_Player_Rating(team, slot, RATING_DURABILITY, 75.0f);
    Randomize_Player_Ratings(team, slot);
    Rescale_Player_Ratings(team, slot, static_cast<float>(quality >= 50 && quality <= 95 ? quality : 70));
}
