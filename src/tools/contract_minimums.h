#pragma once
// Contracts of a built league brought up to the season's minimum salaries.

// Every used player of the active teams paid below the minimum of his
// credited seasons is raised to it; his signing bonus gives up what the raise
// adds over the contract (never below 0).
void Raise_Salaries_To_Minimum();
// Every used player of all 41 team slots: the salary at least his minimum,
// at least one contract year, and a contract length of at least the years
// left.
void Fix_Contract_Minimums();
