#pragma once
// Driving a modal dialog on the null backend the way a user would: each step
// runs inside the dialog's own loop when its turn comes, with the innermost
// open dialog at hand; clicks, choices and typing go through the controls.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/handles.h"

// Queues a step (after any input scripted before it).
void Script_Dialog_Step(std::function<void(WINDOW_HANDLE dialog)> step);
// Forgets the steps queued (their scripted actions as well).
void Clear_Dialog_Steps();
// The innermost modal dialog open now (NO_WINDOW for none).
WINDOW_HANDLE Get_Innermost_Dialog();

// A click on a button, check box or radio button of the dialog.
void Click_Dialog_Button(WINDOW_HANDLE dialog, int32_t id);
// Chooses line `index` of a combo box or list box as the user would.
void Choose_Dialog_Line(WINDOW_HANDLE dialog, int32_t id, int32_t index);
// The index of the first line of a combo box or list box reading `text`,
// -1 when no line does.
int32_t Find_Dialog_Line(WINDOW_HANDLE dialog, int32_t id, const std::string& text);
// Chooses the first line reading `text` as the user would; false (and no
// choice) when no line does.
bool Choose_Dialog_Line_Reading(WINDOW_HANDLE dialog, int32_t id, const std::string& text);
// A double click on the chosen line of a list box.
void Double_Click_Dialog_Line(WINDOW_HANDLE dialog, int32_t id);
// Replaces an edit's text as typing would (its change is told).
void Type_Dialog_Text(WINDOW_HANDLE dialog, int32_t id, const std::string& text);
// The selected line of a combo box or list box, -1 for none.
int32_t Get_Dialog_Line(WINDOW_HANDLE dialog, int32_t id);
std::string Get_Dialog_Line_Text(WINDOW_HANDLE dialog, int32_t id, int32_t index);
int32_t Count_Dialog_Lines(WINDOW_HANDLE dialog, int32_t id);
bool Is_Dialog_Box_Ticked(WINDOW_HANDLE dialog, int32_t id);
// Renders the window into "$KORVA_PICTURE_DIR/<name>.png" when that folder
// is given; returns the picture's width (0 when nothing was drawn).
int32_t Keep_Dialog_Picture(WINDOW_HANDLE window, const std::string& name);
// The screen's pixels (of a TEST_SCREEN_WIDTH x TEST_SCREEN_HEIGHT screen)
// over a control of the dialog, row by row.
std::vector<uint32_t> Get_Screen_Pixels_Over_Control(WINDOW_HANDLE dialog, int32_t control);
