#pragma once
// Player photos and team logos copied into the download folders.

// Each steps the open progress window as it goes.
void Copy_All_Player_Photos();
void Copy_All_Team_Logos();
