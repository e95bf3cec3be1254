#pragma once
// The stored playoff bracket and its scores, the season calendar table (season
// length and the playoff week marks), the allowed number of wild-card teams and
// the calendar queries built on the season length.
#include <cstdint>

constexpr int32_t PLAYOFF_ROUNDS = 4;

int32_t Get_Playoff_Team(int32_t slot);
int32_t Get_Playoff_Score(int32_t slot);
void Set_Playoff_Team(int32_t slot, int32_t team);
void Set_Playoff_Score(int32_t slot, int32_t score);
// The round (0-3: slots 0-15, 16-23, 24-27, 28-29) of the bracket pair in
// which the two franchises stand against each other; -1 when no pair holds them.
int32_t Get_Playoff_Pair_Round(int32_t first, int32_t second);

// Entry 0 is the season length, entries 1-5 the playoff week marks.
int32_t Get_Season_Calendar_Entry(int32_t i);
void Set_Season_Calendar_Entry(int32_t i, int32_t value);
int32_t Get_Playoff_Start_Week();

// Wild-card bounds by the number of populated divisions of a league (1-4).
int32_t Get_Max_Wild_Cards_For_Divisions(int32_t divisions);
int32_t Get_Min_Wild_Cards_For_Divisions(int32_t divisions);
int32_t Get_Max_Wild_Card_Teams();
int32_t Get_Min_Wild_Card_Teams();
int32_t Clamp_Wild_Card_Teams();

// Calendar: day numbers count from 1 January of a 365-day year; week 0 starts on day 249.
inline constexpr int MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int DAYS_PER_YEAR = 365;
// Day number of a week: 104 for the off-season week 100, else 7 * week + 249.
int32_t Get_Week_Day_Number(int32_t week);
// Day number (from 1 January of `season_year`, past 364 in the next year) of
// the day `weekday` (0 Monday to 6 Sunday) of `week`, by the season year's own
// calendar: week 0 runs from the Wednesday after Labor Day (the first Monday
// of September) to the Tuesday after, and each week is the next seven days.
// Within the schedule's weeks a day never reaches 29 February of the next year.
int32_t Get_Season_Week_Day_Number(int32_t season_year, int32_t week, int32_t weekday);
// Month 0-11 of a day number, taken modulo the year (a negative day counts back).
int32_t Get_Month_Of_Day(int32_t day);
// Day of that month counted from 0 (0-30); a date's text adds one.
int32_t Get_Day_Of_Month(int32_t day);
int32_t Get_Current_Day_Number();
int32_t Get_Current_Month();
// Day of the month of the current week, counted from 0 as above.
int32_t Get_Current_Day_Of_Month();
int32_t Get_Current_Calendar_Year();
int32_t Get_Season_Year();
int32_t Get_Last_Season_Index();
int32_t Get_Draft_Season_Year();
int32_t Get_Weeks_To_Final();
