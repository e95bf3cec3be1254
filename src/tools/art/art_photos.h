#pragma once
// Pictures outside the skins: the stand-in photographs of players who have no
// photo of their own (one per position) and the wallpaper of the box-score
// and recap pages.
#include <string>

// "photos/<position>.jpg" for every short position name.
int Write_Position_Photos(const std::string& root);
// "Output/wallpaper.JPG", the tile behind the game pages.
int Write_Page_Wallpaper(const std::string& root);
