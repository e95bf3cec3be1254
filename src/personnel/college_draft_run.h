#pragma once
// Running the college draft pick by pick.

// Runs picks until a human team is on the clock or the draft ends.
void Run_College_Draft();
// Starts the draft report file of the coming draft.
void Start_College_Draft_Report();
