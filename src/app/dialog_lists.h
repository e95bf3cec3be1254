#pragma once
// Filling and tidying the lists and combos of dialogs: file lists without
// their extensions, the percentage, letter-grade and statistics-season
// choices, and the dialog scale factor of the column rulers.
#include <cstdint>

#include "platform/handles.h"

// Ends the text at its first `ch` (nothing changes without one); returns it.
char* Cut_String_At_Char(char* text, char ch);
// Ends the text at its last "." (the dot goes too); returns it.
char* Remove_File_Extension(char* text);
// Cuts every line at its last "." (the dot goes too) and selects again the
// line that was selected. Lines without a dot stay as they are.
void Strip_Listbox_Extensions(WINDOW_HANDLE list);
void Strip_Combo_Extensions(WINDOW_HANDLE combo);
// "-100%" .. "-10%", "+0%" .. "+100%": 21 steps of ten.
void Fill_Percent_Combo(WINDOW_HANDLE combo);
// The letter grades "F " to "A " (13; "A+" is not offered).
void Fill_Letter_Grade_Combo(WINDOW_HANDLE combo);

// The statistics-season choice (setting 27): combo 1223 offers "This
// Season", "Last Season", "Career" and, in replay or commissioner mode,
// "Predicted"; radio buttons 1097, 1098 and 1111 show the first three.
constexpr int32_t STAT_SEASON_COMBO = 1223;
constexpr int32_t STAT_SEASON_RADIOS[3] = {1097, 1098, 1111};
void Fill_Stat_Season_Combo(WINDOW_HANDLE dialog);
void Check_Stat_Season_Radio(WINDOW_HANDLE dialog);

// Dialog_Scale_Factor = the width of the dialog's column ruler (control
// 1356) x 1,000 / 512, rounded.
constexpr int32_t COLUMN_RULER_CONTROL = 1356;
void Compute_Dialog_Scale_Factor(WINDOW_HANDLE dialog);
