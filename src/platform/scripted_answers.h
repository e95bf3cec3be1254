#pragma once
// What the null backend does in place of a user: answers given in advance for
// the questions a display-less run cannot ask (message boxes keyed by caption,
// dialogs keyed by id or caption, each used once in the order scripted; an
// unscripted question gets its fallback, cancel or no), input events delivered
// when the program waits for input, and a record of what the program asked of
// the desktop (sounds, cursors, shell requests).
#include <cstdint>
#include <string>
#include <vector>

// Any dialog id.
constexpr int ANY_DIALOG = -1;

// Answers the next box whose caption equals `caption` (any box when empty).
void Script_Message_Answer(const std::string& caption, int answer);
// The same, and `look` runs as that box comes up, before it is answered: what
// a user sees behind the box is checked there.
void Script_Message_Answer(const std::string& caption, int answer, void (*look)(void* context),
                           void* context);
// Answers the next dialog `dialog_id` (any dialog with ANY_DIALOG).
void Script_Dialog_Answer(int dialog_id, int answer);
// Answers the next dialog whose caption equals `caption`.
void Script_Dialog_Answer_By_Caption(const std::string& caption, int answer);
void Clear_Scripted_Answers();

// Takes the first matching scripted answer, else returns `fallback`.
int Take_Scripted_Message_Answer(const char* caption, int fallback);
// Takes the first matching scripted answer into `answer`; false when none.
bool Take_Scripted_Dialog_Answer(int dialog_id, const char* caption, int* answer);

// Input a user would give, delivered one event at a time whenever the program
// waits for input. Positions are screen pixels.
void Script_Key_Press(uint32_t key, uint32_t modifiers);
void Script_Character(uint32_t character);
// Text typed as the desktop delivers it, in UTF-8 (one text input event).
void Script_Typed_Text(const std::string& text);
// A left click; `modifiers` (KEY_MODIFIER_*) are held meanwhile.
void Script_Mouse_Click(int32_t x, int32_t y, uint32_t modifiers = 0);
void Script_Mouse_Double_Click(int32_t x, int32_t y);
void Script_Right_Click(int32_t x, int32_t y);
// Press at the first point, move to the second with the button held, release.
void Script_Mouse_Drag(int32_t from_x, int32_t from_y, int32_t to_x, int32_t to_y);
// Wheel steps (positive: away from the user) with the pointer at the point.
void Script_Mouse_Wheel(int32_t x, int32_t y, int32_t steps);
void Script_Mouse_Move(int32_t x, int32_t y);
// The close box of the primary window.
void Script_Close_Request();
// Lets `milliseconds` of the platform clock pass before the next event.
void Script_Pause(uint32_t milliseconds);
// A callback run when its turn comes, as a user's action the test spells out.
void Script_Action(void (*action)(void* context), void* context);
int32_t Count_Scripted_Input();
void Clear_Scripted_Input();
// Delivers the next scripted event; false when none is left.
bool Deliver_Next_Scripted_Input();
// Counts a wait with no scripted input left; true once a run that scripted
// input has waited past SCRIPTED_IDLE_LIMIT (and starts counting afresh).
// Virtual milliseconds the program may wait with no scripted input left
// before a run that used scripted input is ended as runaway (reported).
constexpr uint32_t SCRIPTED_IDLE_LIMIT = 600000;
bool Note_Scripted_Idle_Wait(uint32_t milliseconds);

// What the program asked of the desktop, oldest first.
const std::vector<std::string>& Get_Played_Sounds();
const std::vector<int32_t>& Get_Cursor_Requests();
struct SHELL_REQUEST {
    std::string Target;
    std::string Directory;
};
const std::vector<SHELL_REQUEST>& Get_Shell_Requests();
// A file handed to the print command, with the lines printed in its place
// (none when the file itself was printed).
struct PRINT_REQUEST {
    std::string Path;
    std::vector<std::string> Lines;
};
const std::vector<PRINT_REQUEST>& Get_Print_Requests();
// The result the next print request gets (PRINT_DONE when none is scripted).
void Script_Print_Result(int result);
// Records the request; returns the scripted result.
int Record_Print_Request(const char* path, const char* text);
void Record_Played_Sound(const char* path);
void Record_Shown_Message(const char* caption, const char* text, unsigned flags);
void Record_Cursor_Request(int32_t shape);
// Records the request; returns the scripted result (SHELL_OPEN_DONE when
// none is scripted).
int Record_Shell_Request(const char* target, const char* directory);
// The result the next shell request gets, as a desktop that cannot open it
// would answer (a code of 32 or less).
void Script_Shell_Result(int result);
void Clear_Desktop_Requests();
