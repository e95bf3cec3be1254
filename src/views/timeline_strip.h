#pragma once
// The season timeline strip in the status bar.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

void Draw_Timeline_Bottom_Bars(DEVICE_CONTEXT* dc, WINDOW_HANDLE status_bar);
void Draw_Timeline_Team_Label(DEVICE_CONTEXT* dc);
void Draw_Timeline_Strip(DEVICE_CONTEXT* dc);
// x and y in the 768-wide design space of the status bar.
void Do_Timeline_Click(int32_t x, int32_t y);
bool Is_Timeline_Hot_Spot(int32_t x, int32_t y);
// "%s (%s)": the player's full name and his team's abbreviation (team string 0).
void Get_Player_Name_With_Team(int32_t team, int32_t slot, char* buffer);
