#pragma once
// Automatic depth charts of the computer general managers.

// Sets the depth charts of every active team.
void Auto_Set_All_Depth_Charts();
