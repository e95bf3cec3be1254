#pragma once
// The Play menu's end of the college draft.

// "&End Draft": the computer finishes the college draft.
void End_College_Draft_Command();
