#pragma once
// Where the Playbook Editor's combos sit for each side: the defence's role
// combos run down beside the eleven player labels; the offence's route combos
// sit beside its five receivers, and its hole and primary combos above them.
#include <cstdint>

#include "platform/handles.h"

// The role combo of defensive formation slot 0-10 (1402, 1392-1401).
int32_t Get_Role_Combo_Id(int32_t slot);
// Moves and shows the side's combos, labels and slot buttons.
void Lay_Out_Playbook_Editor_Side(WINDOW_HANDLE dialog, int32_t side);
