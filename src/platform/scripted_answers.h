#pragma once
// Answers given in advance for the questions a display-less run cannot ask a
// user: message boxes keyed by caption, dialogs keyed by id or caption. Each
// scripted answer is used once, in the order scripted; an unscripted question
// gets its fallback (cancel / no, or OK for a box with only that button).
#include <string>

// Any dialog id.
constexpr int ANY_DIALOG = -1;

// Answers the next box whose caption equals `caption` (any box when empty).
void Script_Message_Answer(const std::string& caption, int answer);
// Answers the next dialog `dialog_id` (any dialog with ANY_DIALOG).
void Script_Dialog_Answer(int dialog_id, int answer);
// Answers the next dialog whose caption equals `caption`.
void Script_Dialog_Answer_By_Caption(const std::string& caption, int answer);
void Clear_Scripted_Answers();

// Takes the first matching scripted answer, else returns `fallback`.
int Take_Scripted_Message_Answer(const char* caption, int fallback);
int Take_Scripted_Dialog_Answer(int dialog_id, const char* caption, int fallback);
