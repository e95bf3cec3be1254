#pragma once
// A season's real draft class from "databases/rookies-%d.dat".
#include <cstdint>

// Loads the coming draft's class into the pool (teams 38-40); the pool keeps
// what it holds when there is no class to load.
void Load_Draft_Class_Database();
