#pragma once
// The league's inflation factor (per mille), derived from its salary cap
// against the cap of the reference season, 208,200,000 dollars.

// Inflation_Factor := (cap + 104,100) x 1000 / 208,200,000, the cap being the
// league's, or the season's table cap when the league has none.
void Update_Inflation_Factor();
