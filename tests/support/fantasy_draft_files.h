#pragma once
// Fantasy-draft state files ("<saved game>.draft") as the game keeps them.
#include <cstdint>
#include <string>
#include <vector>

// The state block of a draft of `teams` teams: options Random and Snake,
// the round and pick given, every round ordered 0, 1, ... teams - 1, and
// each pick already made recording a player id as the game does: pick p of
// round r, team p's, took the test league's player of team p's slot r (an
// id of nobody in the league past its rosters). Every other byte no draft
// order reads (the picks to come, the order past the teams) holds `fill`.
std::vector<uint8_t> Make_Fantasy_Draft_State(int32_t teams, int32_t round, int32_t pick, uint8_t fill);
// Writes the bytes as the file `name`.
void Write_Fantasy_Draft_State_File(const std::string& name, const std::vector<uint8_t>& state);
