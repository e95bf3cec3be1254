#pragma once
// The playoff bracket of 31 slots: seeding it from the standings, entering
// each round's games, reseeding and keeping division rivals apart, and moving
// winners up as the games finish.
//
// Slots 0-15 hold the first round, 16-23 the second, 24-27 the conference
// finals, 28 and 29 the conference champions and 30 the league champion; the
// winner of slot s moves to slot s / 2 + 16. Conference 0 owns 0-7, 16-19,
// 24-25 and 28, conference 1 the others.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t MAX_PLAYOFF_TEAMS_PER_CONFERENCE = 8;
constexpr int32_t TEAM_STAT_PLAYOFF_SEED = 9;

// Rebuilds the bracket from the standings: per conference the division
// leaders, then the wild cards, each seed on its slot; then rivals apart.
void Seed_Playoffs();
// All slots empty, all scores 0, no team seeded.
void Clear_Playoff_Bracket();
// Bracket slot of a seed (0-based) of a conference sending q_index + 1 teams.
int32_t Get_Playoff_Seed_Slot(int32_t q_index, int32_t conference, int32_t seed_index);
// Enters the games of the round of the current week; returns how many.
int32_t Schedule_Playoff_Week();
// Before the second round of a bracket of more than four teams a conference,
// the best remaining team meets the worst.
void Reseed_Playoffs_Second_Round();
void Reseed_Conference(int32_t conference);
// Second-round pairs of division rivals are split by exchanging pairs.
void Avoid_Division_Rematches();
void Apply_Pre_1990_Playoff_Pairing();
// Exchanges two slots with their scores (and, above the first round, the
// slots that fed them).
void Swap_Playoff_Slots(int32_t a, int32_t b);
// The standings score, plus 10,000,000 for a division leader.
int32_t Get_Team_Seeding_Key(int32_t team);
int32_t Get_Max_Playoff_Teams_Per_Conference();
// Books a finished playoff game: both scores, and the winner one round up.
void Record_Playoff_Result(const GAME_RECORD* game);
// 1 when the player's contract runs out with this season and the champion is decided.
int32_t Is_Contract_Expiring(int32_t team, int32_t slot);
