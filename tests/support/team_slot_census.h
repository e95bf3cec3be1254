#pragma once
// Every field of the league block that names a team slot, read as the
// franchise it names, under a key that stays the field's own when the
// franchises change slots (a player by his id, a pick by its round and the
// franchise that issued it, a schedule by its franchise and week). A census
// taken before teams move and one taken after tell any field left naming a
// slot instead of its franchise.
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

// Marks each franchise in use in its team string 7, which the league keeps
// and saves and the game never reads: "F" and its slot now. The census
// names a franchise by its mark (an unmarked one by its location and
// nickname).
void Mark_Franchises();

// Gives the league's team fields other franchises to name than their own:
// future picks traded and forfeited (team 0's forfeit among them, which the
// pick table holds as 128), forfeited picks in the log, a selected player's
// team and a trade partner, and all-time leader entries of franchise players.
void Spread_Team_Slot_Fields();

// The season over without a game, its champion crowned: records that order
// every division and the league one way whatever the slots, the bracket
// filled from them, the next draft's order set, as the calendar leaves a
// season before its roll-over.
void Crown_Champion_Unplayed();
// What the card of each player of a franchise says of his draft, by player id.
std::map<int32_t, std::string> Read_Card_Draft_Lines();

struct TEAM_SLOT_CENSUS {
    // Each field and the franchise (or the code of no franchise) it names.
    std::map<std::string, std::string> Names;
    // The block offsets of the fields read.
    std::set<size_t> Offsets;
};
TEAM_SLOT_CENSUS Take_Team_Slot_Census();

// The fields of `before` that `after` holds as well and reads as another
// franchise, one a line ("" when none); `compared` gets the number of fields
// both hold.
std::string Compare_Team_Slot_Censuses(const TEAM_SLOT_CENSUS& before, const TEAM_SLOT_CENSUS& after,
                                       int32_t* compared = nullptr);
