#pragma once
// The real league of 1951 for the league-history tests: twelve franchises of
// the older league in two divisions, each with a full new roster, and the
// calendar in the off-season before 1952. Years of the league's history are
// then applied one off-season at a time.
#include <cstdint>

void Build_1951_League();
// Applies the history of every year up to and including `year`, with the
// season simulation flag on so that nothing is asked or shown.
void Apply_History_Through(int32_t year);
// Sets the calendar into the off-season that leads into `year`.
void Enter_Off_Season_Before(int32_t year);
// The slot of the active team with this full name ("Chicago Cardinals"), -1 when none.
int32_t Find_Test_Team(const char* full_name);
