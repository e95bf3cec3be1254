#pragma once
// The edit control: a line of text, or with CONTROL_MULTI_LINE lines broken
// at line ends ("\r\n") and between words, with a caret and a selection
// driven by the keys (arrows, Home, End, with Shift to select, Ctrl for
// words; Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z) and the mouse (a press
// places the caret, a drag selects, a double click takes a word). The text
// goes through the clipboard of clipboard.h. CONTROL_READ_ONLY refuses every
// change by the user; CONTROL_NUMBER takes digits only; a multi-line edit
// with CONTROL_WANT_RETURN breaks its line at Enter instead of leaving Enter
// to its dialog. The control's window text is its text; setting it puts
// the caret at the start. The parent hears NOTIFY_EDIT_CHANGE after every
// change of the text, NOTIFY_EDIT_MAX_TEXT when typing would pass the limit,
// and the focus changes.
#include <cstdint>
#include <string>

#include "platform/handles.h"

constexpr uint32_t MSG_EDIT_SET_SELECTION = 0x0440;     // wparam: start, lparam: end (-1: the text's end)
constexpr uint32_t MSG_EDIT_GET_SELECTION = 0x0441;     // start in the low 16 bits, end in the next
constexpr uint32_t MSG_EDIT_REPLACE_SELECTION = 0x0442; // lparam: const char*
constexpr uint32_t MSG_EDIT_SET_LIMIT = 0x0443;         // wparam: most characters (0: the default)
constexpr uint32_t MSG_EDIT_GET_LINE_COUNT = 0x0444;
constexpr uint32_t MSG_EDIT_SET_READ_ONLY = 0x0445; // wparam: 1 or 0
constexpr uint32_t MSG_EDIT_GET_MODIFY = 0x0446;    // 1 once the user changed the text
constexpr uint32_t MSG_EDIT_SET_MODIFY = 0x0447;
constexpr uint32_t MSG_EDIT_UNDO = 0x0448; // takes back the last change (once)
constexpr uint32_t MSG_EDIT_CUT = 0x0449;
constexpr uint32_t MSG_EDIT_COPY = 0x044A;
constexpr uint32_t MSG_EDIT_PASTE = 0x044B;
constexpr uint32_t MSG_EDIT_GET_CARET = 0x044C; // the caret's index in the text

// Most characters an edit takes unless it is given another limit.
constexpr int32_t EDIT_DEFAULT_LIMIT = 30000;

void Edit_Set_Selection(WINDOW_HANDLE edit, int32_t start, int32_t end);
void Edit_Get_Selection(WINDOW_HANDLE edit, int32_t* start, int32_t* end);
void Edit_Replace_Selection(WINDOW_HANDLE edit, const char* text);
void Edit_Set_Limit(WINDOW_HANDLE edit, int32_t limit);
