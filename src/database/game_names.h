#pragma once
// Names the screens and reports print: weeks, dates, positions, depth-chart
// slots, ratings and team labels. Each writes at most FORMATTED_TEXT_SIZE bytes
// into `buffer`.
#include <cstdint>

#include "database/safe_strings.h"

constexpr int ANY_POSITION = 15;
constexpr int LAST_DEPTH_SLOT = 42;
constexpr int NUMBER_OF_RATING_NAMES = 27;

// Long week name ("Week 3", "Wild Card", "Super Bowl", "Offseason"); -1 is the current week.
void Format_Week_Name(int32_t week, char* buffer);
// Week name for calendar cells ("Division", "Conference", "Bye Week", ...); -1 is the current week.
void Format_Week_Short_Name(int32_t week, char* buffer);
// "March 5" for a day of the year (no leap years).
void Format_Day_Of_Year(int32_t day, char* buffer);
// "March 5, 2004".
void Format_Date_With_Year(int32_t day, int32_t year, char* buffer);

// Long position name, "Any Position" for 15, "<Error>" for anything else.
void Get_Position_Name(int32_t position, char* buffer);
void Get_Position_Name_Lower(int32_t position, char* buffer);
// Depth-chart slot 0..42: the positions, then the expanded slots ("WR1", "LT", ...).
// A negative slot gives an empty text; a slot above 42 leaves the buffer unchanged.
void Get_Depth_Slot_Abbreviation(int32_t slot, char* buffer);
void Get_Depth_Slot_Name(int32_t slot, char* buffer);
// Rating name 0..26, else an empty text.
void Get_Rating_Name(int32_t rating, char* buffer);

// Team labels by team code (taken as a byte, so NO_TEAM may come as -128 or 128).
void Get_Team_Location_Name(int32_t team, char* buffer);
void Get_Team_Nickname(int32_t team, char* buffer);
void Get_Team_Display_Name(int32_t team, char* buffer);
void Get_Team_Full_Name(int32_t team, char* buffer);
// File name of the face picture of a team's general manager, inside the skin folder.
void Get_GM_Face_Image(int32_t team, char* buffer);
