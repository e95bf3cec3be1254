#pragma once
// A filled league for tests: 32 computer teams in 8 divisions, each with a
// 53-man roster (the position quota in position order), deterministic names,
// ids, external ids, two past seasons of season lines, and ratings, bodies and
// ages drawn by position as a real league's look (test_league_players.h), the
// players of a position in depth order. The franchises start with the season
// playbooks of the current folder's "playbooks" (the built-in ones where there
// are none). Built once for each playbooks folder met; every later call
// there restores the same league into the block.
#include <cstdint>

constexpr int32_t TEST_LEAGUE_TEAMS = 32;
constexpr int32_t TEST_ROSTER_SIZE = 53;
constexpr int32_t TEST_BASE_YEAR = 2020;

void Build_Test_League();
// Slot of the n-th player of a position on every test roster.
int32_t Test_League_Slot(int32_t position, int32_t n);
// Player id the builder gives (team, slot).
int32_t Test_League_Player_ID(int32_t team, int32_t slot);
// Team of the player holding `id`, wherever he stands now; -1 when nobody does.
int32_t Team_Of_Player(int32_t id);

// The team records file every installation holds, which the start of a
// season of 2022 or before reads: the test league's teams have no real
// season on record, so it holds its header alone. Written under the current
// folder.
void Supply_Team_Records_File();
