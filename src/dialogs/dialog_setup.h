#pragma once
// What the roster, player and league dialogs do alike: their opening set-up
// (bold control font, the application's button font, centred over the
// owner), the skin's colours, and the small notifications they send
// themselves.
#include <cstdint>
#include <initializer_list>

#include "platform/handles.h"

// Application font the dialogs' push buttons get.
constexpr int32_t DIALOG_BUTTON_FONT = 17;
// Application font of the small choice buttons (Choose Stat).
constexpr int32_t DIALOG_SMALL_FONT = 0;

// The bold control font, the button font on `buttons`, and the dialog
// centred over its owner.
void Set_Up_Skinned_Dialog(WINDOW_HANDLE dialog, std::initializer_list<int32_t> buttons);
// True for the three colour messages a skinned dialog answers.
bool Is_Dialog_Colour_Message(uint32_t code);
// The skin's answer to a colour message.
intptr_t Answer_Dialog_Colour(uint32_t code, WINDOW_HANDLE dialog, uintptr_t wparam, intptr_t lparam);
// Sends the dialog the notification its control `id` sends when the user
// changes its selection (a combo box or a list box).
void Notify_Selection_Change(WINDOW_HANDLE dialog, int32_t id);
// The text of control `id`, at most `size` - 1 bytes.
void Get_Dialog_Item_Text_Buffer(WINDOW_HANDLE dialog, int32_t id, char* buffer, int32_t size);
