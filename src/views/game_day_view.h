#pragma once
// What the engine needs of the game-day presentation: drawing the play result panel frame by frame.
#include <cstdint>

#include "views/current_view.h"

struct GAME_RECORD;

// The game screen's two short text lines of a watched snap; the play loop
// empties them before it waits for the user's calls.
constexpr int32_t GAME_SCREEN_TEXT_SIZE = 136;
extern char Game_Screen_Texts[2][GAME_SCREEN_TEXT_SIZE];
void Clear_Game_Screen_Texts();
// Empties the players the game screen's live panels remembered, so each
// snap's call shows the depth chart as it stands.
void Clear_Live_Box_Score_Player_Ids();
// Holds the snap about to be played as the one the live panels stand for
// (which team defends, whether it is a kick) until the lists are emptied,
// so its play-back shows its own players under its own labels. The panels
// hold it themselves when they first choose a line.
void Hold_Live_Box_Score_Snap(const GAME_RECORD* pGame);

// Draws frame 0-10 of the play result panel (frame -1 with bFinal 1: the
// closing state). Returns how many animation steps to wait after the frame.
int32_t Draw_Play_Result_Panel(void* dc, int32_t frame, int32_t bFinal);
// Waits `milliseconds` while dispatching window messages; returns early when
// the program is asked to quit.
void Wait_Pumping_Messages(int32_t milliseconds);
