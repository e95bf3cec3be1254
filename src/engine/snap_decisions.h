#pragma once
// Small situational decisions of the play callers: the computer's defensive
// formation, the field-goal range, the two-point try and the blowout test.
#include <cstdint>

#include "database/game_record_layout.h"
#include "database/roster_queries.h"

constexpr int32_t REGULATION_SECONDS = 3600;
constexpr int32_t HALF_SECONDS = 1800;

// Everything the defensive formation choice looks at, as the game stands
// before the snap.
struct SNAP_SITUATION {
    int32_t Down; // down byte of the down word
    int32_t Yards_To_Goal;
    int32_t Yards_To_Go;
    int32_t Defense_Lead;    // defence's score less the offence's
    int32_t Elapsed_Seconds; // game clock
    int32_t Seconds_Left;    // time left in the game
    int32_t Quarter;         // 1-4, 5 and above in overtime
    bool Offense_Hurry_Up;
    int32_t Field_Goal_Range; // yards to goal from which the offence tries a field goal
    float Pass_Share_Factor;  // Get_Game_Pass_Share_Factor
};

// A game is close for the defence while it leads by less than 4 or the first
// half is still on.
bool Is_Close_Game(int32_t defense_lead, int32_t elapsed_seconds);

// The defensive formation the computer aims for in a situation. An unknown
// down byte is shown to the user and gives -1.
int32_t Choose_Defensive_Formation(const SNAP_SITUATION& situation);

// How pass-heavy the possessing side has been this game, relative to a
// balanced 55-65% share of passes; held near 1 early in the game.
float Compute_Pass_Share_Factor(int32_t run_plays, int32_t pass_plays);
float Get_Game_Pass_Share_Factor(const GAME_RECORD* game);

// Longest field goal a kicker attempts, in yards, from his FG Distance and FG
// Accuracy ratings (each taken as at least 20).
int32_t Kicker_Range_From_Ratings(float fg_distance, float fg_accuracy);
// Yards to goal inside which the offence is in field-goal range, given its
// kicker's range; never less than 30.
int32_t Field_Goal_Range_From_Kicker(int32_t kicker_range, bool close);

// The two-point chart: go for two when trailing by 2 after the touchdown, or
// leading by 1 in the fourth quarter or later. score_difference is the scoring
// side's score less the other's, after the touchdown.
bool Two_Point_Chart_Answer(int32_t score_difference, int32_t quarter);

// Fourth quarter and a margin of 30 or more, or of 23 or more with fewer than
// 360 seconds left in the game.
bool Is_Blowout_Score(int32_t quarter, int32_t score_difference, int32_t seconds_left);

// Decisions that read the game as it stands.

// Loads the eleven roster slots of a side from its team's depth chart of the
// side's formation; a slot whose player is not on the team holds NO_PLAYER.
void Load_Field_Players(GAME_RECORD* pGame, int32_t side);
// Sets both sides' formation words for the coming snap from the calls.
void Set_Play_Formations(GAME_RECORD* pGame);
// The defensive formation the computer aims for; -1 after an unknown down.
int32_t Set_Team_Formations(GAME_RECORD* pGame);
// Yards to goal from which the possessing team tries a field goal.
int32_t Get_Field_Goal_Range(GAME_RECORD* pGame);
// Longest field goal of the kicker in roster slot `slot` of `team`, in yards.
int32_t Get_Kicker_Range(int32_t team, int32_t slot);
int32_t Decide_Two_Point_Try(GAME_RECORD* pGame);
int32_t Two_Point_Chart(const GAME_RECORD* pGame);
int32_t Is_Blowout(const GAME_RECORD* pGame);
// Roster slot of the n-th (0-based) healthy player at a position (15 and up:
// returner n), or -1.
int32_t Get_Depth_Chart_Position_Player(int32_t team, int32_t position, int32_t n);
// The same answer read from the team's roster index is
// Get_Indexed_Depth_Chart_Player (engine/roster_index.h).
// The player of a formation's on-field slot by its position and depth; with
// `deeper` set, a first-string place of a formation before the kicking
// formations takes the next player at the position.
int32_t Get_Formation_Slot_Player(int32_t team, int32_t formation, int32_t slot, int32_t deeper);
int32_t Find_Most_Overstaffed_Position(int32_t team);
// The player the team would miss least at its most overstaffed position, or -1.
int32_t Find_Surplus_Position_Player(int32_t team);
// As Find_Surplus_Position_Player among only the players `eligible` takes:
// the position is the most overstaffed by their count, among the positions
// holding one of them; -1 when the team holds none.
int32_t Find_Surplus_Eligible_Player(int32_t team, PLAYER_FILTER eligible);
