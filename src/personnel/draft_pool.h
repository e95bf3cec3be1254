#pragma once
// The college draft class in the pools (team slots 38-40).
#include <cstdint>

// Erases every player of the pools, season lines and all.
void Empty_Draft_Pool();
// True while a draft runs (week 100, a round below 7 and players left): its
// class is never replaced, or the later rounds would draft a new class and
// leave the old rookies behind. Also while a fantasy draft runs, whose picks
// of the pool would be lost.
bool Is_Draft_Pool_In_Use();
// "Fantasy Draft" while one runs, else "College Draft": the draft that keeps the pool.
const char* Get_Pool_Draft_Name();
// Empties the pools and builds the coming draft's class: a loaded real class
// where there is one, topped up with generated prospects, then graded and
// sorted. While the pool is in use by a draft it stays as it is.
void Create_College_Draft_Pool();
// Tops the pool up to the class size with generated prospects, each with a
// college career.
void Fill_College_Draft_Pool();
// Rescales the pool from 82 down by evaluation and sets the potentials from 93
// down; prospects younger than 18 leave.
void Grade_College_Draft_Pool();
// 291 prospects for 32 teams, in proportion for other leagues, never more than 291.
int32_t Get_College_Draft_Class_Size();
// A position drawn in proportion to a roster's needs.
int32_t Choose_Random_Position();
// The grade of pool place (team - 38) x 100 + slot: 82, 81, 81, then 80 down by
// one every ten places.
int32_t Get_Draft_Pool_Slot_Grade(int32_t team, int32_t slot);
// The same grade of a place 0-299 of the combined pool.
int32_t Get_Draft_Pool_Place_Grade(int32_t place);
