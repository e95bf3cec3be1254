#pragma once
// The Play menu commands that start and continue the college draft.

// "&Start College Draft": sets the draft order and the first pick, starts the
// draft report, reloads the draft strategy and runs the draft.
void Finish_Off_Season();
// "&Continue Draft": runs the draft on from the pick on the clock.
void College_Draft_Menu_Command();
