#pragma once
// What a player is on the field: tests of position codes and of a player's
// position, his position group, his expanded role and a rating as his
// position sees it.
#include <cstdint>

// Codes 0..42 (expanded positions) and 0..14 (basic positions).
int32_t Is_Expanded_Position_Code(int32_t code);
int32_t Is_Basic_Position_Code(int32_t code);
// Cornerback or safety.
int32_t Is_Defensive_Back_Position(int32_t position);
// QB, RB, FB, TE or WR.
int32_t Is_Offensive_Skill_Position(int32_t position);

// The same of a player's position; 0 where no player is (NO_TEAM, NO_PLAYER,
// an empty slot).
int32_t Is_Defensive_Back_Player(int32_t team, int32_t slot);
int32_t Is_Offensive_Skill_Player(int32_t team, int32_t slot);
int32_t Is_Player_Quarterback(int32_t team, int32_t slot);
// Get_Position_Group of the player's position; 3 for position 0, NO_TEAM and NO_PLAYER.
int32_t Get_Player_Position_Group_Safe(int32_t team, int32_t slot);

// The expanded position byte, with its depth-slot abbreviation written into
// `buffer` (FORMATTED_TEXT_SIZE bytes; may be null): empty for a byte outside 0..42.
int32_t Get_Player_Expanded_Position(int32_t team, int32_t slot, char* buffer);

// Rating `rating` as the player's position sees it: a rating below 60 that
// the position uses counts as (rating + 120) / 3; any other is as stored.
float Get_Player_Position_Seen_Rating(int32_t team, int32_t slot, int32_t rating);
