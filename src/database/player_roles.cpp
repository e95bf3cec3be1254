#include "database/player_roles.h"

#include "database/game_names.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"

namespace {
constexpr int32_t KICKERS_GROUP = 3;
constexpr float LOWEST_UNSOFTENED_RATING = 60.0f;

// The position of the player in the slot, or -1 when the slot holds nobody.
int32_t Position_Of_Player(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}
} // namespace

int32_t Is_Expanded_Position_Code(int32_t code) {
    return code >= 0 && code < NUMBER_OF_EXPANDED_POSITIONS;
}

int32_t Is_Basic_Position_Code(int32_t code) {
    return code >= 0 && code < NUMBER_OF_POSITIONS;
}

int32_t Is_Defensive_Back_Position(int32_t position) {
    return position == POSITION_CB || position == POSITION_S;
}

int32_t Is_Offensive_Skill_Position(int32_t position) {
    return position >= POSITION_QB && position <= POSITION_WR;
}

int32_t Is_Defensive_Back_Player(int32_t team, int32_t slot) {
    return Is_Defensive_Back_Position(Position_Of_Player(team, slot));
}

int32_t Is_Offensive_Skill_Player(int32_t team, int32_t slot) {
    return Is_Offensive_Skill_Position(Position_Of_Player(team, slot));
}

int32_t Is_Player_Quarterback(int32_t team, int32_t slot) {
    return Position_Of_Player(team, slot) == POSITION_QB;
}

int32_t Get_Player_Position_Group_Safe(int32_t team, int32_t slot) {
    // NO_TEAM and NO_PLAYER read position 0 too.
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    return position == POSITION_QB ? KICKERS_GROUP : Get_Position_Group(position);
}

int32_t Get_Player_Expanded_Position(int32_t team, int32_t slot, char* buffer) {
    const int32_t code = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    if (buffer != nullptr) {
        // The abbreviation leaves the buffer alone for a code past the table.
        buffer[0] = '\0';
        Get_Depth_Slot_Abbreviation(code, buffer);
    }
    return code;
}

float Get_Player_Position_Seen_Rating(int32_t team, int32_t slot, int32_t rating) {
    const float value = Get_Player_Rating(team, slot, rating);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (value >= LOWEST_UNSOFTENED_RATING || !Is_Rating_Used_By_Position(position, rating)) return value;
    return (value + 120.0f) / 3.0f;
}
