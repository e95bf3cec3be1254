#include "personnel/position_change.h"

#include "app/diagnostics.h"
#include "database/player_record.h"

namespace {

constexpr int32_t FAMILY_COUNT = 5;
constexpr int32_t FAMILY_FIRST[FAMILY_COUNT] = {POSITION_QB, POSITION_RB, POSITION_T, POSITION_DE,
                                                POSITION_K};
constexpr int32_t FAMILY_SIZE[FAMILY_COUNT] = {1, 4, 3, 5, 2};

// The ratings a position change converts: the rating group of the family.
constexpr int32_t PASSING_GROUP[] = {RATING_ACCURACY, RATING_DISTANCE, RATING_CONTROL, RATING_RED_ZONE,
                                     RATING_MOBILITY};
constexpr int32_t BALL_CARRIER_GROUP[] = {RATING_POWER,       RATING_QUICKNESS, RATING_VISION,
                                          RATING_RECEIVING,   RATING_HANDS,     RATING_KICK_RETURNS,
                                          RATING_PUNT_RETURNS};
constexpr int32_t BLOCKING_GROUP[] = {RATING_PASS_BLOCKING, RATING_RUN_BLOCKING, RATING_DISCIPLINE};
constexpr int32_t DEFENSIVE_GROUP[] = {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_PASS_COVERAGE,
                                       RATING_TURNOVERS, RATING_TACKLING};
constexpr int32_t KICKING_GROUP[] = {RATING_FG_ACCURACY, RATING_FG_DISTANCE, RATING_PUNT_ACCURACY,
                                     RATING_PUNT_DISTANCE};

struct RATING_GROUP {
    const int32_t* Ratings;
    int32_t Count;
};

template <int N> constexpr RATING_GROUP Group(const int32_t (&ratings)[N]) {
    return {ratings, N};
}

constexpr RATING_GROUP FAMILY_GROUP[FAMILY_COUNT] = {Group(PASSING_GROUP), Group(BALL_CARRIER_GROUP),
                                                     Group(BLOCKING_GROUP), Group(DEFENSIVE_GROUP),
                                                     Group(KICKING_GROUP)};

// Basic position of a position code 0-42, -1 for any other code (checked
// first, so the translation never has to report a bad code).
int32_t Basic_Position(int32_t position) {
    if (position < 0 || position >= NUMBER_OF_EXPANDED_POSITIONS) return -1;
    return Translate_Expanded_Position(position);
}

// The player's basic position, or -1 when the slot holds no player or an
// invalid position code.
int32_t Player_Basic_Position(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return -1;
    return Basic_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

bool Is_In_Family(int32_t family, int32_t position) {
    return position >= FAMILY_FIRST[family] && position < FAMILY_FIRST[family] + FAMILY_SIZE[family];
}

} // namespace

int32_t Get_Position_Family(int32_t position) {
    const int32_t basic = Basic_Position(position);
    for (int32_t family = 0; family < FAMILY_COUNT; ++family)
        if (Is_In_Family(family, basic)) return family;
    return -1;
}

int32_t Get_Position_Family_First(int32_t family) {
    return family >= 0 && family < FAMILY_COUNT ? FAMILY_FIRST[family] : 0;
}

int32_t Get_Position_Family_Size(int32_t family) {
    return family >= 0 && family < FAMILY_COUNT ? FAMILY_SIZE[family] : 0;
}

float Get_Projected_Position_Rating(int32_t team, int32_t slot, int32_t new_position, int32_t rating) {
    const float value = Get_Player_Rating(team, slot, rating);
    const int32_t old_position = Player_Basic_Position(team, slot);
    const int32_t family = Get_Position_Family(old_position);
    if (family < 0 || !Is_In_Family(family, new_position)) return value;
    const int32_t first = FAMILY_FIRST[family];
    const int32_t factor =
        Get_Position_Change_Factor(family, rating, old_position - first, new_position - first);
    return value * static_cast<float>(factor) / 1000.0f;
}

int32_t Change_Player_Position(int32_t team, int32_t slot, int32_t new_position) {
    const int32_t old_position = Player_Basic_Position(team, slot);
    if (old_position < 0 || new_position == old_position) return 0;
    const int32_t family = Get_Position_Family(old_position);
    if (!Is_In_Family(family, new_position)) {
        Report_System_Error("Invalid nNewPosition in Change_Player_Position(%d,%d,[%d])", team, slot,
                            new_position);
        return 0;
    }
    const RATING_GROUP& group = FAMILY_GROUP[family];
    for (int32_t i = 0; i < group.Count; ++i)
        Set_Player_Rating(team, slot, group.Ratings[i],
                          Get_Projected_Position_Rating(team, slot, new_position, group.Ratings[i]));
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, new_position);
    // A finer role of the old position (a slot receiver, a long snapper) no
    // longer describes him.
    const int32_t expanded = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    if (Basic_Position(expanded) != new_position)
        Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, new_position);
    return 1;
}
