#pragma once
// Field-goal attempts and conversion kicks.
#include <cstdint>

#include "database/game_record_layout.h"

// Kick distance of a field goal from the yards to goal in a season: the ball is
// held 7 yards behind the line, and the goal posts stood on the goal line
// before 1974 and 10 yards deeper since.
int32_t Get_Field_Goal_Distance(int32_t yards_to_goal, int32_t year);
// Chance of a field goal of effective distance `effective` for a kicker of FG
// Accuracy `accuracy` and range `range`, before the season's accuracy scaling.
double Get_Field_Goal_Base_Chance(double effective, double accuracy, int32_t range);
// Kicking statistic (attempt) of a distance band; the made statistic is one more.
int32_t Get_Field_Goal_Attempt_Stat(int32_t distance);

void Resolve_Field_Goal(GAME_RECORD* pGame);

// Yards to goal of the conversion snap by the extra-point spot setting.
int32_t Get_Conversion_Spot();
double Get_Conversion_Kick_Chance(int32_t team, int32_t slot);
void Resolve_Conversion_Kick(GAME_RECORD* pGame);
// Chance of a field goal of `distance` yards by the kicker in roster slot
// `slot` in this game's conditions and season.
double Get_Field_Goal_Chance(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t distance);
