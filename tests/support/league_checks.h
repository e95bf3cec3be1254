#pragma once
// The rules a whole league keeps between seasons: the default league's 32
// franchises in 8 divisions of 4, every roster within its limits and staffed
// at every position, every payroll under the cap, each player once (by id
// and by name and birth date) and of a playing age.
#include <cstdint>
#include <string>

// The problems found, one a line; empty when the league keeps every rule.
// In play the cap yields to the roster minimum: a team over the cap sheds
// players only down to the smallest roster a trade may leave
// (`cap_yields_to_roster`); a league database keeps every payroll under it.
std::string Find_League_Faults(bool cap_yields_to_roster = false);
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
