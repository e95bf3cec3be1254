#pragma once
// Play calling on the game-day screen: the call state seen from the screen,
// the shown play groups, the play under the pointer, and the clicks and keys
// that write a call into the current snap of the game being played. The
// engine's wait loop sees the written byte and goes on.
#include <cstdint>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"

// Sides of the call panel.
constexpr int32_t CALL_SIDE_OFFENSE = 0;
constexpr int32_t CALL_SIDE_DEFENSE = 1;
constexpr int32_t CALL_SIDE_KICKOFF = 2;
constexpr int32_t PLAY_BUTTONS = 10;
constexpr int32_t OFFENSIVE_PLAY_GROUPS = 6;
constexpr int32_t PLAY_BUTTON_STATES = 60;

// Repaint state of each play number's button: 0 paint, 1 unchanged (skip),
// 2 pointed at or just changed (paint and copy to the screen).
constexpr int32_t BUTTON_PAINT = 0;
constexpr int32_t BUTTON_UNCHANGED = 1;
constexpr int32_t BUTTON_CHANGED = 2;
extern int32_t Play_Button_State[PLAY_BUTTON_STATES];
// The "Playbook" notice was shown in this run.
extern bool Playbook_Notice_Shown;

// The call-area rectangles (design units, right and bottom exclusive).
constexpr int32_t CALL_TAB_TOP = 266;
constexpr int32_t CALL_TAB_BOTTOM = 285;
constexpr int32_t PLAYBOOK_BUTTON_LEFT = 25;
constexpr int32_t PLAYBOOK_BUTTON_RIGHT = 85;
constexpr int32_t GROUP_TAB_LEFT = 154;
constexpr int32_t GROUP_TAB_WIDTH = 99;
// The hit cell of play button n (0..9): column n mod 5, row n / 5.
RECT_AREA Get_Play_Button_Cell(int32_t n);
// The button under a design point, or -1.
int32_t Find_Play_Button(int32_t x, int32_t y);

// Number of groups the side shows (6, 3, 1) and its shown group, clamped.
int32_t Get_Play_Group_Count(int32_t side);
int32_t Get_Shown_Play_Group(int32_t side);
// The side whose call is open in a call state (1 offence, 2 defence, 3
// kickoff), or -1.
int32_t Get_Call_Side(int32_t state);
// Team of a call side in the game: the team in possession for the offence
// and the kickoff, the other team for the defence.
int32_t Get_Call_Side_Team(const GAME_RECORD* pGame, int32_t side);

// States 1 and 3: the pointed offensive play; 2: the pointed defensive play;
// 4: the called play of the side (0 offence, 1 defence); else -1.
int32_t Get_Shown_Play_Number(int32_t side);
// The play is the shown play of either side.
bool Is_Current_Game_Play(int32_t play);

bool Choose_Play_Group(int32_t n);
bool Choose_Play_Button(int32_t n);
// A click below y 266 of the game-day screen during a live game.
bool Do_Play_Call_Click(GAME_RECORD* pGame, int32_t x, int32_t y);

// The call-area part of the pointer tracking (design point). Returns 1 when
// the pointer is over a hot spot of the call area, 0 when not, and sets
// `answered` when the pointer stays on the play it already pointed at (the
// tracker answers at once, without the bookkeeping).
struct PLAY_POINTER_TRACK {
    int32_t Old_Play; // the pointed play before the move (-1 none)
    int32_t Setting;  // the setting that holds it (59 or 60), or -1
    bool Changed;     // a new play is pointed at
    bool Hot;         // the pointer is over a hot spot of the call area
    bool Answered;    // the pointer stayed on the pointed play
};
void Begin_Play_Pointer_Track(PLAY_POINTER_TRACK* track);
void Track_Play_Buttons(PLAY_POINTER_TRACK* track, int32_t x, int32_t y);
// Steps 6 and 7 of the pointing: the strip is cleared when nothing is
// pointed any more, and the call area is redrawn when the pointed play changed.
void Finish_Play_Pointer_Track(const PLAY_POINTER_TRACK& track);
// The last design point the view's pointer tracking saw ((-1, -1) before any).
void Get_Last_Pointer_Position(int32_t* x, int32_t* y);
void Set_Last_Pointer_Position(int32_t x, int32_t y);
