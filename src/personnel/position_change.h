#pragma once
// Moving a player to another position of his position family (a back to
// receiver, a guard to centre, a corner to safety): the ratings of his
// position's rating group are replaced by estimates for the new position.
#include <cstdint>

// Position families by PLAYER_POSITION: 0 QB; 1 RB, FB, TE, WR; 2 T, G, C;
// 3 DE, DT, LB, CB, S; 4 K, P. Expanded positions 15-42 take the family of
// their basic position; any other code gives -1.
int32_t Get_Position_Family(int32_t position);
// First position and number of positions of a family 0-4 (0 and 0 otherwise).
int32_t Get_Position_Family_First(int32_t family);
int32_t Get_Position_Family_Size(int32_t family);

// Per-mille factor turning a rating at the old position into the estimate at
// the new one; the positions are indices within the old position's family.
// Ratings outside the family's rating group, and indices beyond its size,
// give 1000 (conversion tables, position_change_tables.cpp).
int32_t Get_Position_Change_Factor(int32_t family, int32_t rating, int32_t old_index, int32_t new_index);

// The player's rating times the factor from his current (basic) position to
// `new_position`, divided by 1000. A new position outside his family, or a
// player without a valid position, gives the rating unchanged.
float Get_Projected_Position_Rating(int32_t team, int32_t slot, int32_t new_position, int32_t rating);

// Stores the projected ratings of his position's rating group and makes
// `new_position` his position; an expanded position that no longer fits is
// replaced by the new position. Returns 1 when he was moved; 0 when nothing
// changed: the same position, no player in the slot, or a position outside
// his family (reported).
int32_t Change_Player_Position(int32_t team, int32_t slot, int32_t new_position);
