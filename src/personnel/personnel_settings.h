#pragma once
// The league settings that steer how players are made, develop and age.
#include <cstdint>

// Universe statistics of the League Editor's percentage choices, stored as
// (choice - 10) x 10: 0 is normal.
constexpr int32_t PLAYER_AGING_FACTOR = 14;
constexpr int32_t DRAFT_TALENT_FACTOR = 19;

// Columns of Draft_Talent.
constexpr int32_t TALENT_MEAN = 0;
constexpr int32_t TALENT_SPREAD = 1;
constexpr int32_t POTENTIAL_BONUS = 2;

// "Player Aging:" -100..100.
int32_t Get_Player_Aging_Factor();
// "Draft Talent:" -100..100; a stored value beyond counts as the nearest end.
int32_t Get_Draft_Talent_Factor();
// A Draft_Talent entry of a basic position (0 for another code), within
// -100..100 (the spread -200..200): beyond that every rating of the position
// would sit at an end of the scale, so a damaged entry counts as the nearest end.
int32_t Get_Draft_Talent(int32_t column, int32_t position);
// Options "Reversion To Mean" -100..100.
int32_t Get_Reversion_To_Mean();
// Non-zero when new players get fixed development fields.
int32_t Is_Rating_Variation_Suppressed();
// 1 when the game was started with fictional players.
int32_t Get_Fictional_Players_Flag();
