#pragma once
// The step of the calendar from the end of a season into the off-season.
#include <cstdint>

// Runs once the champion is decided: the season reports, every roster's yearly
// step with its contract renewals, the teams' finance rows, the statistics
// roll, predicted seasons adjusted by each team's record, the coming year's
// league history, then the season index moves on, the week becomes 100 and the
// college draft starts (at once, or later from the Play menu). Always 0.
int32_t Start_Off_Season();
// Moves every player's predicted season of the team by `modifier` (per mille
// of a typical season, the kind of change of a team result) and makes it
// consistent again; nothing when the modifier is 0.
void Adjust_Team_Predicted_Stats(int32_t team, int32_t modifier);
