#pragma once
// The computer general managers' roster moves: signings when a position falls
// below its minimum, holdouts ended, one-player signings and releases costed
// as trades with the free-agent pool, and players shed over the salary cap.
#include <cstdint>

// The week's pass of the computer general managers: the free-agent market,
// the holdouts, then for each complete computer-run roster three signing or
// release attempts and its automatic budgets.
void Do_Computer_Roster_Moves();
// Ends the holdouts of computer-run teams' players (every team's in
// Commissioner Mode) who agree to a renewed contract.
void End_Computer_Holdouts();
// Before a week's games: every computer-run team (and a human-run one with
// Auto-Fill on) signs the best affordable free agent, or a new player, for
// each player it lacks of a position's minimum.
void Do_Automatic_Signings();
// One attempt of a computer-run team to release a player or sign a free
// agent, each costed as a trade with the pool; then players shed while the
// team is over the salary cap.
void Computer_Sign_Or_Release(int32_t team);
// Pool slot of the available free agent of a position with the best rating
// whose cap impact fits under the team's cap room; NO_PLAYER when none (and
// always without a salary cap).
int32_t Find_Best_Affordable_Free_Agent(int32_t team, int32_t position);
