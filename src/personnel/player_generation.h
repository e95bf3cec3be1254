#pragma once
// Making new players: college prospects for the draft pool and replacement
// players of a wanted position and strength for a team.
#include <cstdint>

// Makes one new prospect of `position` (0..42, expanded codes kept in the
// expanded-position byte) in the slot, rebuilding the slot until an attempt is
// acceptable (at most 10,000); a non-zero `history` also gives him college
// seasons ending in the current year + history - 1.
void Fabricate_Position_Player(int32_t team, int32_t slot, int32_t position, int32_t history);

// Forgets which positions gave up under which settings (a new league was put in place).
void Forget_Exhausted_Positions();
// A replacement player aged 21..32 whose evaluation does not exceed
// 70 - 11 x `weakness`: 0 allows up to 70, 1 up to 59.
void Create_Player_For_Team(int32_t team, int32_t slot, int32_t position, float weakness);
// One try of Create_Player_For_Team: a prospect made older and weaker by
// `weakness`, on a one-year contract at the league minimum.
void Create_Replacement_Player(int32_t team, int32_t slot, int32_t position, float weakness);
// A replacement player's terms: the league minimum salary for no experience,
// no bonus, one year.
void Set_Replacement_Contract(int32_t team, int32_t slot);

// The pieces every new player gets.
void Init_New_Player_Fields(int32_t team, int32_t slot);
void Init_Imported_Player_Fields(int32_t team, int32_t slot);
// Growth rate, decline divisor and the ages of growth and decline (vitals 19-22).
void Set_Development_Fields(int32_t team, int32_t slot);
// Birth date `age` years before the current year, on a day drawn from a
// 365-day year.
void Set_Random_Birth_Date(int32_t team, int32_t slot, int32_t age);
// YYYYMMDD of day 0..364 of a year without 29 February.
int32_t Get_Date_Of_Year_Day(int32_t year, int32_t day);
// Body, age, college, uniform number and the fields of a new prospect.
void Generate_Prospect_Profile(int32_t team, int32_t slot);
// A prospect whose draft-pool value and age make him likely to leave college
// early gets two or three college seasons instead of four.
void Roll_Prospect_Class(int32_t team, int32_t slot);
// True when the prospect's evaluation or potential is above what a class may hold.
bool Is_Prospect_Too_Strong(int32_t team, int32_t slot);
// A new lineman's predicted sacks allowed and the running game behind him.
void Set_Lineman_Predicted_Stats(int32_t team, int32_t slot);
