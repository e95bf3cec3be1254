#pragma once
// League rules that follow the calendar year (Base_Year + Current_Season_Index):
// games per season, wild cards, the playoff format, overtime, conversions,
// kickoffs, the spot after a missed field goal and the salary cap.
#include <cstdint>

// Every rule of the current season's year, in the order that lets each one
// see the ones it depends on (the cap before the inflation factor, the games
// before the shared revenue).
void Apply_League_Rules_For_Year();

// The league's salary cap of a calendar year, in dollars.
int32_t Get_Season_Salary_Cap(int32_t year);
// Moves the cap toward the year's cap; it never falls. With `confirm` set
// (and no multi-season simulation) the user is asked first.
void Propose_Salary_Cap_For_Year(int32_t confirm);

// Regular-season games of a calendar year: 12, 14, 16 or 17.
int32_t Get_Games_Per_Season_For_Year(int32_t year);
// The games a season of `teams` teams plays for the `games` its year gives,
// by the League Editor's rules: 17 only with exactly 32 teams (else 16), and
// 14 for a league of more teams than a 16-game season's game records hold.
int32_t Fit_Season_Games_To_Teams(int32_t games, int32_t teams);
// The most teams whose season of `games` games a team the season's game
// records hold (32 at 17 games, 34 at 16, 40 at 14).
int32_t Get_Most_Teams_For_Season_Games(int32_t games);
// Store the year's games per season, fitted to the league's teams, and wild
// cards per conference; with `confirm` set a change is first put to the user,
// who may cancel it.
void Set_Games_Per_Season_For_Year(int32_t confirm);
void Set_Wild_Card_Teams_For_Year(int32_t confirm);

// Single rules, each from the current year.
void Set_Two_Point_Rule_For_Year();
// Regular-season overtime flag from 1974, playoff overtime rule 2 before 2010
// and 3 from 2010, regular-season overtime rule 1 from 2013.
void Set_Overtime_Rules_For_Year();
// Overtime period of 15 minutes before 2017, else 10.
void Set_Overtime_Length_For_Year();
// Kickoff from the 40 before 1974, the 35 for 1974-1993, the 30 for
// 1994-2010, the 35 again from 2011.
void Set_Kickoff_Spot_For_Year();
// Touchbacks of kickoffs at the 25 from 2016.
void Set_Kickoff_Touchback_Rule_For_Year();
// Extra-point kicks from the 15 from 2015, else from the 2.
void Set_Extra_Point_Spot_For_Year();
// After a missed field goal: the 20 before 1974, the line of scrimmage for
// 1974-1993, the spot of the kick from 1994.
void Set_Missed_Field_Goal_Spot_For_Year();
