#pragma once
// The Play menu, whose items follow the phase of the season.

// Enables and names the Play menu's items for the present phase.
void Update_Play_Menu();
