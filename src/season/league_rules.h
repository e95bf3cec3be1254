#pragma once
// League rules that follow the calendar year (Base_Year + Current_Season_Index):
// conversions, overtime, kickoffs and the era code the engine reads.

// Every year-dependent rule at once; run for files of versions 2180-7699.
void Apply_League_Rules_For_Year();
// Two-point conversions from 1994 on.
void Set_Two_Point_Rule_For_Year();
// Regular-season overtime flag from 1974, playoff overtime rule 2 before 2010
// and 3 from 2010, regular-season overtime rule 1 from 2013.
void Set_Overtime_Rules_For_Year();
// Overtime period of 15 minutes before 2017, else 10.
void Set_Overtime_Length_For_Year();
// Kickoff spot code 2 before 1974, 0 for 1994-2010, else 1.
void Set_Kickoff_Spot_For_Year();
// Era code 2 before 1974, 1 for 1974-1993, 0 from 1994.
void Set_Era_Code_For_Year();
