#pragma once
// Betting lines of a game: the point spread from the teams' ratings and
// strength ranks, and the over/under from their offence and defence ranks.
// Both are in tenths of a point, rounded to half points.
#include <cstdint>

#include "database/game_record_layout.h"

// Positive favours the first team (the visitor, byte 0 of a game record).
int32_t Get_Point_Spread_By_Rating(int32_t team_a, int32_t team_b);
// The predicted total points of the game.
int32_t Get_Over_Under_By_Rank(int32_t team_a, int32_t team_b);
// The rank line the game driver caches beside the rating spread: the over/under.
int32_t Get_Point_Spread_By_Rank(int32_t team_a, int32_t team_b);

// Cached forms: a record in use keeps the value + 1000; with no record in use
// the value is computed and not stored.
int32_t Get_Game_Point_Spread(GAME_RECORD* pGame, int32_t team_a, int32_t team_b);
int32_t Get_Game_Over_Under(GAME_RECORD* pGame, int32_t team_a, int32_t team_b);
// The spread as shown to the user: "Pick'em", or the favourite's line and
// abbreviation, "-2.5 (ABC)" or "-3 (ABC)". Uses the cached spread.
void Format_Point_Spread_Text(char* buffer, int size, GAME_RECORD* pGame, int32_t team_a, int32_t team_b);

// The spread from a rating difference (first less second), a strength-rank
// difference (second less first) and the number of active teams.
int32_t Compute_Point_Spread(int32_t rating_difference, int32_t rank_difference, int32_t active_teams);
// The over/under from the summed offence ranks and defence ranks (each rank
// counted from 1) of both teams, for a season year.
int32_t Compute_Over_Under(int32_t offense_ranks, int32_t defense_ranks, int32_t active_teams, int32_t year);

// Rounded division of the betting lines: (x * m + n / 2) / n toward zero, one
// less for a negative x that n does not divide.
int32_t Betting_Line_Divide(int32_t x, int32_t m, int32_t n);
// Rounds a line in tenths to half points.
int32_t Round_To_Half_Point(int32_t value);
