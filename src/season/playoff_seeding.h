#pragma once
// Playoff seeding of the first-round bracket slots.

// Fills bracket slots 0-15 from the league standings: per conference the
// division winners first, then the best other teams as wild cards.
void Seed_Playoffs();
