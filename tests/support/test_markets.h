#pragma once
// Home markets for the test league's franchises: a city of its own (population,
// region, per capita income around the standard 25,000, spread-out map
// positions with a few close neighbours), a stadium (capacity, seating, every
// seventh of the premium kind) and neutral fan loyalty. The plain test league
// has none, so its games draw no crowd and earn nothing.
#include <cstdint>

void Give_Test_League_Markets();
