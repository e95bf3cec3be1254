#pragma once
// The marks a fantasy draft keeps on the players while it runs: the team that
// drafted a player (nobody until he is taken) and, while the draft's result
// is carried out, whether he already stands where he belongs.
#include <cstdint>

// True while a fantasy draft runs, from its first pick until its result has
// been carried out.
bool Is_Fantasy_Draft_Under_Way();
// True for a player no team has drafted.
bool Is_Fantasy_Undrafted(int32_t team, int32_t slot);
// A player made while a fantasy draft runs has been drafted by nobody. While
// the result is carried out he also counts as placed, so he stays where he
// was made: a free agent the pool's upkeep added, or a player a roster fill
// gave a team whose drafted players are all in place. Before that he is
// unplaced like everybody else, so a team may still draft him and have him
// moved. Nothing changes outside a draft.
void Mark_New_Player_For_Fantasy_Draft(int32_t team, int32_t slot);

// Held while a fantasy draft's result is carried out.
struct FANTASY_CARRY_OUT_SCOPE {
    FANTASY_CARRY_OUT_SCOPE();
    ~FANTASY_CARRY_OUT_SCOPE();
    FANTASY_CARRY_OUT_SCOPE(const FANTASY_CARRY_OUT_SCOPE&) = delete;
    FANTASY_CARRY_OUT_SCOPE& operator=(const FANTASY_CARRY_OUT_SCOPE&) = delete;

  private:
    bool Was_Carrying_Out;
};
