#pragma once
// Player photos and team logos copied into the download folders, and the
// names the player card looks them up by.
#include <cstdint>

// Each steps the open progress window as it goes.
void Copy_All_Player_Photos();
void Copy_All_Team_Logos();

constexpr int32_t IMAGE_DOWNLOAD_PATH_SIZE = 128;
// The season a team's logo is drawn for: the current year, 2022 at the latest.
constexpr int32_t LAST_LOGO_YEAR = 2022;
// "Photos/Downloads/<external id>.jpg"; 0 with an empty text when the player
// has no external id.
int32_t Get_Player_Photo_Path(int32_t team, int32_t slot, char* out);
// "Logos/Downloads/<team string 0>-<logo year>.png"; 1 when that file can be
// opened for reading.
int32_t Get_Downloaded_Logo_Path(int32_t team, char* out);
