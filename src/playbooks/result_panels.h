#pragma once
// The Playbook Editor's six result panels under the diagram: the shown play's
// recorded results by situation (offence) or by the kind of play faced
// (defence), and the font they and the slot buttons are written in.
#include <cstdint>

#include "platform/handles.h"

// Room for one panel's text.
constexpr int32_t RESULT_PANEL_TEXT_SIZE = 320;

// The counters of one situation or category of a play.
struct PLAY_RESULT_COUNTS {
    int32_t Called;
    int32_t Yards;
    int32_t First_Downs;
    int32_t Touchdowns;
    int32_t Turnovers;
    int32_t Sacks;
};

// The panel of offensive situation `situation` (0-4), or of defensive
// category `category` (0-5) with the defence's rating text for it.
void Format_Offense_Result_Panel(char* text, int32_t situation, const PLAY_RESULT_COUNTS& counts);
void Format_Defense_Result_Panel(char* text, int32_t category, const PLAY_RESULT_COUNTS& counts,
                                 const char* rating);

// Fills the six panels from the shown play's results.
void Show_Play_Results(WINDOW_HANDLE dialog);

// Gives the result panels and the slot buttons the small application font,
// which grows with the main window while the dialog keeps its size: where
// the tallest or widest text the controls may show does not fit in it, they
// get the largest smaller font in which it does (Set_Fitting_Controls_Font).
void Fit_Editor_Small_Fonts(WINDOW_HANDLE dialog);
