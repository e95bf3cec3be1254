#pragma once
// The playoff bracket page (view 40069): sixteen seed places, the winners'
// places of each round and the champion's place.
#include <cstdint>
#include <string>

#include "platform/drawing_surface.h"

constexpr int32_t PLAYOFF_PLACES = 31;

void Paint_Playoffs_View(DEVICE_CONTEXT* dc);
// The design box of a place; a place fed by a game has an upper (half 0) and
// a lower (half 1) box, a direct-entry place with a team one box (both halves).
void Get_Playoff_Slot_Box(int32_t place, int32_t half, RECT_AREA* out);
// The two places whose game fills place 16..30: 2 x place - 32 and
// 2 x place - 31; false (and -1, -1) for a seed place or one out of range.
bool Get_Playoff_Feeders(int32_t place, int32_t out[2]);
// The texts of a place with a team and their design boxes: the name (with
// the record, when the team has a decision, for a direct entry) and, for a
// place fed by a game, the feeders' score with the higher first; false for a
// place that shows none.
bool Get_Playoff_Place_Texts(int32_t place, std::string* name_text, RECT_AREA* name_box,
                             std::string* score_text, RECT_AREA* score_box);
// 1 when the place's whole feeding subtree is empty (every seed place is one).
int32_t Is_Playoff_Slot_Direct(int32_t place);
// 0 a direct-entry place without a team, 1 one with a team, 2 a place fed by a game.
int32_t Get_Playoff_Slot_Kind(int32_t place);
// The last of the 300 game records between the two teams (either order), -1 when none.
int32_t Find_Game_Between_Teams(int32_t team_a, int32_t team_b);
// The championship's number text: field 0 of season 1965 + n below 100,
// "C%s", "CC%s", "CCC%s" up to 399, the number with separators above.
void Format_Championship_Number(int32_t n, char* out);
int32_t Is_Playoffs_Hot_Spot(int32_t x, int32_t y);
void Do_Playoffs_Click(int32_t x, int32_t y);
