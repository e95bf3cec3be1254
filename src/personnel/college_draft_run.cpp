#include "personnel/college_draft_run.h"

// Picks are not made yet: the pool waits for the draft.
void Run_College_Draft() {}

// No draft report is written yet.
void Start_College_Draft_Report() {}
