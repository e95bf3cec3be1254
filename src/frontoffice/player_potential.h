#pragma once
// A player's projected overall rating at his peak.
#include <cstdint>

// His evaluation after the development he has left (one step without chance
// for every year before his last age of growth, vital 21), his ratings put
// back afterwards; the present evaluation when he has no growth left; 0 for an
// empty slot.
float Get_Player_Potential(int32_t team, int32_t slot);
// Forgets every remembered projection (tests and benchmarks measure the first
// computation with it).
void Forget_Player_Potentials();
