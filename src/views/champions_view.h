#pragma once
// The champions page (view 40074), opened by the calendar when a human team
// won its division, its conference or the league.
#include <cstdint>

#include "platform/drawing_surface.h"

void Paint_Champions_View(DEVICE_CONTEXT* dc);
// The celebration of the best-finishing human team: "celeb1.wav" for a
// division title, "celeb2.wav" for a conference title, "celeb3.wav" for the
// league's; nothing for another outcome.
void Play_Champions_Celebration();
// The season the page celebrates: the one just finished during the off-season week 100.
int32_t Get_Champions_Year();
