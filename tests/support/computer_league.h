#pragma once
// The test league run by the computer general managers: markets, Owner Mode
// money, every franchise owning its own picks, a stocked free-agent pool and
// automatic depth charts; and the weekly steps of the season cycle driven
// around a week of headless games.
#include <cstdint>

void Build_Computer_League();
// The calendar at the week, then the computer moves before its games (the
// automatic signings) and the league's money for the week.
void Run_Computer_Moves_Before_Games(int32_t week);
// Plays the week's 16 games (each booked with its game money) and heals the
// league; returns the games finished.
int32_t Play_Computer_League_Week(int32_t week, uint32_t seed);
// The computer moves after a week's games: depth charts, roster moves and,
// before week 12, three trade attempts. Returns the trades made.
int32_t Run_Computer_Moves_After_Games(int32_t week);
