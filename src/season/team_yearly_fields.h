#pragma once
// The teams' yearly fields of the season being started.

// For every active team: the season's win, loss and tie counters (yearly
// chars 0, 4, ..., 28) and its four yearly ints := 0. The division place
// (char 1) is kept.
void Reset_Team_Yearly_Fields();
