#pragma once
// The draft items of the main menu, named for a college or a fantasy draft.
#include <cstdint>

// Renames the draft menu items: fantasy non-zero for a fantasy draft.
void Set_Draft_Menu_Texts(int32_t fantasy);
// 1 when the draft menu items are named for a fantasy draft.
int32_t Get_Draft_Menu_Fantasy();
