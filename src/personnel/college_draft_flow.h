#pragma once
// The college draft as the calendar starts and ends it: the Play menu's Start
// Draft and Continue Draft commands, the draft's run, its report file, the
// pool's players in order, and the clean-up of prospects' experience.
#include <cstdint>

#include "personnel/draft_input_files.h"

// The Play menu's "Start College Draft": order, report, strategy, then the draft.
void Finish_Off_Season();
// The Play menu's "Continue Draft".
void College_Draft_Menu_Command();
// Runs picks until a human team is on the clock or the draft ends; the end
// sets up the new season.
void Run_College_Draft();
// Starts "Output\College-Draft-%d.txt" for the coming draft's year.
void Start_College_Draft_Report();
// Prospects who joined a team or the free agents count no college seasons:
// negative credited seasons become 0.
void Clear_Negative_Experience();
