#pragma once
// What the main window and the game screen ask of the game being played.
#include <cstdint>

#include "database/game_record_layout.h"
#include "engine/route_drawing.h"
#include "platform/drawing_surface.h"

// The views that carry the scoreboard box: standings, leaders, finances and
// calendar. The leaders view has the box higher up.
constexpr int32_t VIEW_STANDINGS = 40030;
constexpr int32_t VIEW_LEADERS = 40032;
constexpr int32_t VIEW_FINANCES = 40034;
constexpr int32_t VIEW_CALENDAR = 40036;
// Number of entries of the lateral table.
constexpr int LATERAL_ENTRIES = 10;

int32_t Get_Play_Call_State();
void Auto_Select_Play_Calls();
int32_t Get_Timeout_Team(const GAME_RECORD* pGame);
// Whether the game is watched: the simulation runs and one of its teams'
// watch flags of the current week is set.
int32_t Is_Game_Play_By_Play(const GAME_RECORD* pGame);
// The play loop asks whether its game is watched many times a snap, and
// nothing the loop works out writes the setting, the week or the watch flags:
// only the user changes them while a game is played, through a message. So
// while a WATCH_ANSWER_SCOPE lives the answer for a game is read once and kept
// until a message is handled.
struct WATCH_ANSWER_SCOPE {
    WATCH_ANSWER_SCOPE();
    ~WATCH_ANSWER_SCOPE();
    WATCH_ANSWER_SCOPE(const WATCH_ANSWER_SCOPE&) = delete;
    WATCH_ANSWER_SCOPE& operator=(const WATCH_ANSWER_SCOPE&) = delete;
};
int32_t Is_Current_Game_Play_By_Play();
GAME_RECORD* Get_Current_Game_Record();
int32_t Is_Game_In_Progress();
// Design rectangle of the scoreboard box on `view`.
RECT_AREA Get_Scoreboard_Box(int32_t view);
// Both teams' names and scores in the scoreboard box of the back buffer, over
// the box's background; nothing is drawn without a game of two different
// franchises on one of the four views, or without a back buffer. Returns 1
// when drawn.
int32_t Draw_Scoreboard(const GAME_RECORD* pGame);
// The two date lines in the same box, on the same views. Returns 1 when drawn.
int32_t Draw_Game_Score_Panel(DEVICE_CONTEXT* dc);

int32_t Valid_Receiving_Route(int32_t nPassRoute);
// Drawing flags of segment 0..3 of a route; contradictory flags (and a new
// path at the start of route 0) are reported and returned as they are. A
// code or segment outside the table is reported and gives 0.
int32_t Get_Pass_Route_Segment_Flag(int32_t route, int32_t segment);
// The checks behind it, on flags given by the caller.
int32_t Check_Route_Segment_Flags(int32_t route, int32_t segment, int32_t flags);
int32_t Get_Pass_Route_Value(int32_t route);

// Pass-route table for the play diagrams; codes outside the table are
// reported and give empty or zero results.
void Get_Pass_Route_Name_Copy(int32_t route, char* buffer, int32_t size);
// Start and end point of segment 0..3 (the start of segment 0 is the spot).
// Returns 1, or 0 with zeros.
int32_t Get_Pass_Route_Segment_End_Points(int32_t route, int32_t segment, double* x1, double* y1, double* x2,
                                          double* y2);
// Shortest and longest catch depth and the depth the drawn path reaches
// (its deepest point, rounded down). Returns 1, or 0 with zeros.
int32_t Get_Pass_Route_Depths(int32_t route, int32_t* shortest, int32_t* longest, int32_t* drawn);
// (deepest + 1 + shallowest) / 2 of the catch depths.
int32_t Get_Pass_Route_Middle_Depth(int32_t route);
// Lateral offset in yards of run hole 0..9 from the centre: even holes to the
// right (positive), odd holes to the left. Other holes give 0.
double Get_Run_Hole_Lateral_Offset(int32_t hole);
