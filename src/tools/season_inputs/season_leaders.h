#pragma once
// A fictional season's leaders held to what the real league's leaders of
// their time reached, by moving figures between teammates only, so every
// team's figures still add up.
#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "tools/season_inputs/season_statistics.h"

// Holds the season's leaders in passing, rushing and receiving yards,
// interceptions and (once counted) sacks within `margin` of what the real
// league's leaders of the decade reached (before the 1950s, of the record
// standing in their season), none past the record standing at the season's
// end and its margin, every passer's yards below the era's ceiling
// (era_records.h), and every player's carries, catches and targets within
// the records of the season (volume_records.h). The most a player of the
// league has above his bound gives his excess to his teammates who can take
// it, in proportion to their completions, carries or catches, and one below
// it takes from theirs. Yards move with the chances they were gained in and
// chances with their yards, each player keeping his own yards a chance: a
// passer's completions and attempts, a runner's carries, a receiver's
// catches, targets and first downs; nobody takes what would bring his
// line's yards past their bounds (season_statistics.h), and a line a
// rounded share left past them gives chances with their yards until it is
// within them.
void Hold_Season_Leaders(int32_t year, const std::vector<TEAM_SEASON_FIGURES*>& teams, double margin);

// Passing, rushing and receiving yards: the leaders' categories that
// Set_Season_Leaders_Apart keeps apart.
constexpr int32_t YARDAGE_LEADER_CATEGORIES = 3;
// Sets each of the season's yardage leaders apart from the seasons before:
// while his figure is one an earlier season's leader had, he gives a yard to
// the teammate with the most of it below him who has the chances for it,
// so the team's figures still add up. `taken` holds, a set a category, the
// figures led with so far, and gets this season's.
void Set_Season_Leaders_Apart(const std::vector<TEAM_SEASON_FIGURES*>& teams,
                              std::array<std::set<int32_t>, YARDAGE_LEADER_CATEGORIES>* taken);
