#pragma once
// The Play menu's end of the college draft and the fantasy draft's commands.

// "&End Draft": the computer finishes the college draft.
void End_College_Draft_Command();
// Ends a running fantasy draft.
void End_Fantasy_Draft_Command();
// Continues the fantasy draft's picks.
void Run_Fantasy_Draft();
