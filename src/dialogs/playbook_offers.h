#pragma once
// Offers made to the user after a team's playbook no longer suits its systems.
#include <cstdint>

// Plays of a defensive playbook and the fit that counts a play as the
// scheme's own.
constexpr int32_t FULL_FORMATION_MATCH = 1000;
// Fewer matching plays than this make the offer.
constexpr int32_t ENOUGH_MATCHING_PLAYS = 10;

// After a defensive-scheme change: when fewer than 10 of the team's 30
// defensive plays suit the new scheme fully, its default playbook ("4-3" or
// "3-4") is loaded; a human team (outside Commissioner Mode and outside a
// multi-season simulation) is asked first. A playbook that cannot be read
// is told of, and the team keeps its plays.
void Offer_Matching_Defensive_Playbook(int32_t team);
// The team's defensive plays (the built-in book for team 255) whose
// formation suits its scheme fully.
int32_t Count_Matching_Defensive_Plays(int32_t team);
// A formation suits a scheme fully: a match of 1000 or more (never for a
// code that is no defensive formation, or a scheme other than 0 and 1).
bool Is_Defensive_Formation_Full_Match(int32_t system, int32_t formation);
