#pragma once
// The live panels of the game-day screen that are not about calling or
// statistics: the weather with its wind arrow, the field strip with the ball,
// and the play-result column that the engine plays back frame by frame.
#include <cstdint>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"

void Draw_Weather_Panel(DEVICE_CONTEXT* dc);
void Draw_Wind_Arrow(DEVICE_CONTEXT* dc);
// The angle the wind arrow points at on this paint, in degrees: the wind's
// direction, shaken while the game goes on. The shake draws from a generator
// of its own, so painting leaves the league's sequence alone.
int32_t Get_Wind_Arrow_Angle(const GAME_RECORD* pGame);

// Design x of the line of scrimmage (base 496) or of the ball marker (494).
int32_t Get_Field_Strip_X(const GAME_RECORD* pGame, int32_t base);
void Draw_Field_Strip(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame);
void Draw_Ball_Marker(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame);

// Frame 0..10 of the playback (frame -1: the frame remembered); `reset` 1
// forgets it. Without a device context the back buffer is drawn and copied
// to the screen. Returns how many display periods to wait after the frame.
int32_t Draw_Play_Result_Panel_On(DEVICE_CONTEXT* dc, int32_t frame, int32_t reset);
// The frame the column shows (-1: nothing).
int32_t Get_Remembered_Result_Frame();

// A grey (170, 170, 170) box with a small black text centred in it (design units).
void Draw_Grey_Label_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, const char* text);
