#pragma once
// Whether texts fit the places they are laid out in and stay clear of each
// other: over a dialog's controls as the user sees them, and over the texts
// painters drew (the drawn-text trace of app/drawing_services.h). Each fault
// comes back as a line that names the text and the places.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Every visible control of `dialog` whose own text (label, caption, static
// text, each item a combo box may show on its face) is wider or taller, in
// the control's font, than the place the control lays it out in; and every
// two visible controls that show text whose rectangles overlap. Group boxes
// (which hold controls), frames and pictures (which lie under controls) and
// up-downs (which sit on their edits) show no text of their own.
std::vector<std::string> Find_Control_Layout_Faults(WINDOW_HANDLE dialog);

// Every text of the trace from entry `first` on whose lines are wider than
// its rectangle, or taller where the text is clipped to it; and every two
// of them drawn on the same surface whose letters overlap or stand so close
// side by side that they read as one. The same text drawn again a pixel or
// two off (a shadow) is one text.
// With a surface given, only the texts drawn on it count.
std::vector<std::string> Find_Drawn_Text_Faults(int32_t first = 0, const DRAWING_SURFACE* surface = nullptr);

// The faults one to a line, for a test's message.
std::string Join_Faults(const std::vector<std::string>& faults);
