#pragma once
// Steps a user takes inside a Scouting Report opened over another dialog.
#include <cstdint>

#include "platform/handles.h"

// In a report: Previous, then Release, answering the "Release Player?"
// question with Yes; the player shown before the one it opened on leaves.
void Release_The_Player_Before(WINDOW_HANDLE report);
// In a report: Release, answering the "Release Player?" question with Yes;
// the player it shows leaves, and the report closes.
void Release_The_Shown_Player(WINDOW_HANDLE report);
// In a report opened on a free agent in slot 2 or later: Previous until it
// shows one in slot 0 or 1, whose id is returned (0 when it never did), and
// Go Get, which opens a talk with him, then OK. The talk's steps are the
// caller's to script before.
int32_t Sign_An_Earlier_Free_Agent(WINDOW_HANDLE report);
