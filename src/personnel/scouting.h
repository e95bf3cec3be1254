#pragma once
// How the user's scouts see players: the quality of a team's scouts, the error
// they make on each player, the figures as they report them, and letter grades.
#include <cstdint>

// Settings of the scouting error.
constexpr int32_t SCOUTING_SPREAD_CACHE = 16;
constexpr int32_t PERFECT_SCOUTING = 53;
constexpr int32_t LARGEST_SCOUTING_ERROR = 12;
// Letter grades are at most two characters.
constexpr int32_t LETTER_GRADE_SIZE = 3;
constexpr int32_t NUMBER_OF_LETTER_GRADES = 14;

// Quality of a team's scouts in per mille: 1,500 for the largest scouting
// budget, less by rank; a budget below 500 is itself the rating. NO_TEAM gives 1,000.
int32_t Get_Team_Scouting_Rating(int32_t team);
// The spread of the user's scouting errors this week, worked out once a week
// from the difficulty level and the user team's scouts and kept in a setting.
int32_t Get_Scouting_Spread();
// |a^3 + 10 b^3 + M^2 + S^2| mod `bound`, with a = id / 10, b = id mod 10, the
// current month M and season index S, the sums wrapping in 32 bits: fixed for a
// player through a month. 0 for a bound below 1.
int32_t Get_Player_Month_Hash(int32_t player_id, int32_t bound);
// The user's scouting error on a player, -12..12: fixed for a player within a
// month, smaller for players with more seasons and more starts. 0 in
// Commissioner Mode, with perfect scouting, and while the error is held.
int32_t Get_Scouting_Error(int32_t team, int32_t slot, int32_t player_id);
// While held, every scouting error is 0 and the statistics memo is bypassed: a
// player's true figures are being read, not the scouts' view of them.
void Hold_Scouting_Error(bool held);
int32_t Is_Scouting_Error_Held();
// The value as the scouts report it for this player: an even value above 70 is
// shown lower, an even value below 70 higher, any other moves by the signed error.
int32_t Apply_Scouting_Error(int32_t team, int32_t slot, int32_t value);
// Writes grade text 0-13 ("F " .. "A+"; the index is clamped) into `out`, which
// holds at least LETTER_GRADE_SIZE bytes.
void Get_Letter_Grade(int32_t index, char* out);
