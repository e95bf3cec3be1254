#pragma once
// Steps a user takes inside a Scouting Report opened over another dialog.
#include "platform/handles.h"

// In a report: Previous, then Release, answering the "Release Player?"
// question with Yes; the player shown before the one it opened on leaves.
void Release_The_Player_Before(WINDOW_HANDLE report);
