#pragma once
// Repairs of contract and salary data in loaded games.
#include <cstdint>

// Repairs the rookie contracts of every player (flag 0 when loading old files).
void Fix_Rookie_Contracts(int32_t flag);
// Asks whether to repair salaries that look corrupt, and repairs them.
void Fix_Corrupt_Salary_Data();
