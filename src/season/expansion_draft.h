#pragma once
// New franchises of the league's history and the expansion draft that stocks
// them from the other teams' unprotected players.
#include <cstdint>

// A new franchise named "location,nickname" in a division; its slot, or -1
// when the league has no room (nothing is created then).
int32_t Create_Expansion_Team(const char* name, int32_t division, const char* abbreviation,
                              const char* stadium);
// Every team stocks its control-2 teams for the coming season; the picks are
// written to "Output/Expansion-Draft-<year>.csv".
void Run_Expansion_Draft();
void Run_Expansion_Draft_For_Year(int32_t year);
// The best unprotected player at the position for the expansion team: 1 and
// his team and slot, or 0 when none fits.
int32_t Find_Expansion_Draft_Choice(int32_t expansion_team, int32_t position, int32_t* team_out,
                                    int32_t* slot_out);
// Players taken from a team in the current expansion draft.
int32_t Get_Expansion_Picks_Taken(int32_t team);
// 1 while the single human owner keeps his whole roster out of the draft.
int32_t Get_Expansion_Exclude_Human_Team();
void Set_Expansion_Exclude_Human_Team(int32_t value);
// Name of the draft report of a season year, "Output/Expansion-Draft-%d.csv".
void Get_Expansion_Draft_Report_Name(char* buffer, int32_t size, int32_t year);
