#pragma once
// The Play menu's draft commands and the fantasy draft's continuation.

// "&End Draft": the computer finishes the college draft.
void End_College_Draft_Command();
// "&Start College Draft": finishes the off-season and starts the draft.
void Finish_Off_Season();
// "&Continue Draft": the computer picks until a human team is on the clock.
void College_Draft_Menu_Command();
// Ends a running fantasy draft.
void End_Fantasy_Draft_Command();
// Continues the fantasy draft's picks.
void Run_Fantasy_Draft();
// Writes "ROSTERS.TXT" into the "Output" folder.
void Output_Rosters();
