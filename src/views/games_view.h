#pragma once
// The Games view (40086): a finished game of the season, or the game being
// played while the user watches it (the game-day screen). Its painter, its
// pointer tracking and click handler, the scoreboard, the team comparison,
// the situation line, the week tabs and the week's other games.
#include <cstdint>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"

void Paint_Games_View(DEVICE_CONTEXT* dc);
// Mouse move at a design point; true over a hot spot.
bool Track_Games_View_Mouse(int32_t x, int32_t y);
// Left click at a design point; true when it was taken (the caller plays the click sound).
bool Do_Games_View_Click(int32_t x, int32_t y);
// The skin path of "news\pbp.jpg" while a game is being played, else of
// "news\games.jpg". A buffer of CURRENT_BACKGROUND_NAME_SIZE bytes.
void Get_Games_View_Background(char* buffer);
// Names the view's background and draws it, and nothing more.
void Draw_Games_View_Background_Only(DEVICE_CONTEXT* dc);

void Draw_Games_View_Scoreboard(DEVICE_CONTEXT* dc);
void Draw_Team_Comparison_Labels(DEVICE_CONTEXT* dc);
void Draw_Team_Comparison_Values(DEVICE_CONTEXT* dc);
void Draw_Situation_Line(DEVICE_CONTEXT* dc);
void Draw_Games_View_Tabs(DEVICE_CONTEXT* dc);
// Draws the week tabs (nothing without a context) and returns the shown
// week's tab index.
int32_t Draw_Week_Tabs(DEVICE_CONTEXT* dc);
void Draw_Other_Games_Panel(DEVICE_CONTEXT* dc);

bool Do_Week_Tab_Click(int32_t x, int32_t y);
// The other game whose box holds the point; with `select` it becomes the shown game.
bool Do_Other_Games_Click(bool select, int32_t x, int32_t y);
// A team name of the scoreboard; with `act` the team becomes the viewed team
// and its depth chart (during a watched game) or calendar opens.
bool Do_Scoreboard_Team_Click(bool act, int32_t x, int32_t y);
// A click on a team's record in the scoreboard acts as one on its name.
bool Do_Scoreboard_Record_Click(int32_t x, int32_t y);
// The first completed game record of the week whose side-1 team is `team`
// (the other games list a week's games by it), or of either team; -1 when none.
int32_t Find_First_Completed_Week_Game_By_Home(int32_t week, int32_t team);
int32_t Find_First_Completed_Week_Game(int32_t week, int32_t team);
// The records of the week's other games in box order; returns their count.
int32_t List_Other_Games(int32_t* records, int32_t most);
