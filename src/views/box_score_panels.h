#pragma once
// The two player panels of the Games view: during a watched game each side's
// players for the coming snap from the depth chart, lit up when the shown
// play uses them; for a finished game each side's leading performers. A
// click on a line opens the player's scouting report.
#include <cstdint>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"
#include "views/game_day_view.h"

constexpr int32_t LIVE_LINES_PER_SIDE = 17;
// Finished lists show up to 18 lines a side; a line's id is side x 18 + line,
// so every line drawn can be clicked.
constexpr int32_t LISTED_LINES_PER_SIDE = 18;
constexpr int32_t LIGHT_SKIN_LISTED_LINES = 15;
constexpr int32_t PLAYER_LINE_IDS = 2 * LISTED_LINES_PER_SIDE;
constexpr int32_t LIVE_LINE_ENTRIES = 2 * LIVE_LINES_PER_SIDE;
// [0]: the player id shown on live line side x 17 + line (0 not chosen yet,
// -1 nobody); [1]: the rating number shown there.
extern int32_t Live_Box_Score_Player_Ids[2][LIVE_LINE_ENTRIES];
// Clear_Live_Box_Score_Player_Ids (game_day_view.h) empties both lists.

struct LIVE_LINE {
    const char* Label;
    int32_t Position; // 15: the returner slot
    int32_t Depth;
};
// Line 0..16 of the side's live list: offence or defence by possession in
// the snap the lists stand for (the one held, else the game's coming one).
LIVE_LINE Get_Live_Line(const GAME_RECORD* pGame, int32_t side, int32_t line);

// The top-left design corner of line `line` of a side's panel: x 511 x side
// + 4, y 28 + 12 x line, 30 lower with the ice and fire skins.
struct LINE_CORNER {
    int32_t Left;
    int32_t Top;
};
LINE_CORNER Get_Player_Line_Corner(int32_t side, int32_t line);

void Draw_Box_Score_Players(DEVICE_CONTEXT* dc);
// Whether the design point lies on line id n (0..35).
bool Is_In_Player_Line(int32_t n, int32_t x, int32_t y);
// The id of the line under the point that names a player, or -1.
int32_t Find_Player_Line(int32_t x, int32_t y);
// Team and slot of the player of line id n of the displayed game.
bool Get_Player_Line_Player(int32_t n, int32_t* team, int32_t* slot);
void Show_Box_Score_Player(int32_t n);
// The entry of a side's n-th listed leading performer of a game, or -1.
int32_t Find_Listed_Game_Entry(const GAME_RECORD* pGame, int32_t side, int32_t n);

// Line highlighting by the shown play; `side` is the game side of the list.
bool Is_Shown_Play_Primary_Receiver(const GAME_RECORD* pGame, int32_t side, int32_t position, int32_t depth);
bool Is_In_Shown_Play_Formation(const GAME_RECORD* pGame, int32_t side, int32_t position, int32_t depth);
// The rating number of a live line: the evaluation at his own position
// (repaired when below 25), or his punt-return rating on the returner line.
// Leaves the league's random sequence as it was.
int32_t Get_Player_Game_Rating(int32_t team, int32_t slot, int32_t position, int32_t depth);
