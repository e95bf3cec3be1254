#pragma once
// The rules a whole league keeps between seasons: the default league's 32
// franchises in 8 divisions of 4, every roster within its limits and staffed
// at every position, every payroll under the cap, each player once (by id
// and by name and birth date) and of a playing age.
#include <cstdint>
#include <string>

// The problems found, one a line; empty when the league keeps every rule.
// A league database keeps every payroll under the cap and at least 45
// players on every roster.
std::string Find_League_Faults();
// The rules a league in play keeps at a season's start, once the gaps are
// filled: every position of every roster at its minimum (so a roster holds
// at least their sum, 39 players) and no roster past the room the cuts keep.
// The cap is not checked: the off-season's renewals and rookie contracts, a
// replacement created for a gap and the new year's lower cap may each take
// a team past it, and only the weekly cap passes shed it.
std::string Find_Played_League_Faults();
// Teams over the cap with more than the 51 players the weekly cap passes
// shed a team to (a team filling a gap that week skips them).
std::string Find_Cap_Pass_Faults();
// The same rules for a league of any season, as its games were played: its
// franchises and divisions are those of its year, its players are 17 to 50
// (the ages a built season keeps), and the cap yields to the roster minimum.
std::string Find_Season_Faults();

// Ages of the players of one position on the franchises' rosters.
struct POSITION_AGES {
    int32_t Players;
    int32_t Youngest;
    int32_t Oldest;
};
POSITION_AGES Get_Position_Ages(int32_t position);
