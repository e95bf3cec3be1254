#pragma once
// The news ticker: league news scrolling right to left in yellow on a black
// band, and the scores of the games being played in nine columns while a
// week is simulated.
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t TICKER_TEXT_SLOTS = 6;
constexpr int32_t TICKER_TEXT_SIZE = 20480;
constexpr uint32_t TICKER_SCROLL_TIMER = 1000;
constexpr uint32_t TICKER_ITEM_PAUSE_TIMER = 1001;
constexpr uint32_t TICKER_RESTART_PAUSE_TIMER = 1002;
constexpr uint32_t TICKER_STEP_MS = 14;
constexpr uint32_t TICKER_PAUSE_MS = 1900;

// Creates the ticker over `parent`'s bottom edge, builds its texts and starts
// scrolling.
void Create_News_Ticker(WINDOW_HANDLE parent);
void Destroy_News_Ticker();
// Kills the ticker's timers, gives back its device context and clears the text.
void Stop_News_Ticker();
// Fills the six texts from the league's news.
void Build_News_Ticker_Items();
// A ticker line of the current week's games, "Week %d games:     %s." of
// "%s at %s (-%d),     " entries (visitor, home, the favourite's margin in
// whole points), into a buffer of TICKER_TEXT_SIZE. Not among the ticker's slots.
void Build_Week_Games_Ticker_Line(char* buffer);
// Starts scrolling the current text from the right edge.
void Start_Ticker_Item_Scroll(WINDOW_HANDLE ticker);
// Takes the ticker's device context afresh (giving back the one it kept).
void Take_News_Ticker_DC();
int32_t News_Ticker_Exists();
// Paints the ticker again at once (nothing when it does not exist).
void Repaint_News_Ticker();

// 0: the texts are about the current season, 1: about the previous one.
int32_t Get_News_Ticker_Season_Choice();
const char* Get_News_Ticker_Text(int32_t slot);
// The slot scrolling now, its left edge and the steps it has left.
int32_t Get_News_Ticker_Slot();
int32_t Get_News_Ticker_X();
int32_t Get_News_Ticker_Steps_Left();
// The ticker's procedure (it subclasses the bar class).
intptr_t News_Ticker_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
