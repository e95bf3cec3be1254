#pragma once
// The 32-team test league after a season played through the calendar: the
// computer general managers' league (markets, Owner Mode money, own picks),
// the regular season and the playoffs to a champion, every game snap by snap.
// Built once per test binary; every later call restores the same league.
#include <cstdint>

// `games` regular-season games a team (17 for a whole season); the season of
// the test league's second year, 2021.
void Build_Played_Season(int32_t games);
// The computer-run test league at the start of the same season, week 0, its
// schedule made and nothing played; `games` as above.
void Start_Played_Season(int32_t games);
// The franchise that won the league in the played season.
int32_t Get_Played_Season_Champion();
