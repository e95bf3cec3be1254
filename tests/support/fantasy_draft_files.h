#pragma once
// Fantasy-draft state files ("<saved game>.draft") as the game keeps them.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The player a made pick of a test draft of `teams` teams took: pick p of
// round r, team p's, took the test league's player of team p's slot r while
// the rosters last, then the pools' players of Add_Fantasy_Draft_Pool_Players
// in turn (free agents, then the college pools).
void Get_Fantasy_Test_Pick_Player(int32_t teams, int32_t round, int32_t pick, int32_t* team, int32_t* slot);
// Fills the pool slots the picks past the rosters of a whole draft take with
// players (copies of the league's, without season lines), each with the id
// Test_League_Player_ID gives his slot: the league then has a player for
// every pick of a draft of all its rounds.
void Add_Fantasy_Draft_Pool_Players(int32_t teams);
// The state block of a draft of `teams` teams: options Random and Snake,
// the round and pick given, every round ordered 0, 1, ... teams - 1, and
// each pick already made recording the id of the player it took
// (Get_Fantasy_Test_Pick_Player) as the game does. Every other byte no
// draft order reads (the picks to come, the order past the teams) holds
// `fill`.
std::vector<uint8_t> Make_Fantasy_Draft_State(int32_t teams, int32_t round, int32_t pick, uint8_t fill);
// Marks the player of each pick a state of `teams` teams records as made with the team
// that made it, as the game marks him when the pick is made; nobody else is
// touched.
void Mark_Fantasy_Draft_State_Picks(int32_t teams, const std::vector<uint8_t>& state);
// Writes the bytes as the file `name`.
void Write_Fantasy_Draft_State_File(const std::string& name, const std::vector<uint8_t>& state);
// Where every player of the league stands, team by player id (the Hall of
// Fame left out): what a fantasy draft's carry-out is checked against.
std::map<int32_t, int32_t> Get_League_Teams_By_Id();
