#pragma once
// The scout's comment on a player: one of 300 sentences picked by his
// projected quality, his career phase and his position, disguised by the
// user's scouting error and varied by his id and the calendar.
#include <cstdint>

#include "views/news_tokens.h"

constexpr int32_t SCOUTING_PHASES = 3;
constexpr int32_t SCOUTING_GRADES = 10;
constexpr int32_t SCOUTING_VARIANTS = 10;
constexpr int32_t SCOUTING_SENTENCES = SCOUTING_PHASES * SCOUTING_GRADES * SCOUTING_VARIANTS;
extern const char* const Scouting_Sentences[SCOUTING_SENTENCES];

constexpr int32_t SCOUTING_COMMENT_SIZE = NEWS_TEXT_SIZE;

// Writes the comment on (team, slot) into `out` of `size` bytes (the
// Scouting Report gives SCOUTING_COMMENT_SIZE), tokens substituted; empty for
// a player of a pool whose sentence names his team.
void Write_Scouting_Comment(int32_t team, int32_t slot, char* out, int32_t size = SCOUTING_COMMENT_SIZE);

// The steps of the choice, for the callers that show them and the tests.
// The true grade 0-9 of a projected overall rating.
int32_t Get_Scouting_Quality_Grade(int32_t potential);
// 0 developing, 1 prime, 2 veteran.
int32_t Get_Scouting_Career_Phase(int32_t team, int32_t slot);
// The grade shown for a true grade and a scouting error of -12..+12, before
// the kickers', punters' and fullbacks' rows.
int32_t Get_Shown_Scouting_Grade(int32_t grade, int32_t error);
// The row for the position: kickers and punters 4-6, fullbacks 3-6.
int32_t Get_Position_Scouting_Grade(int32_t grade, int32_t position);
// |a^3 + 10 b^3 + s^2 + m^2| mod 10 with a and b the tens and units of n, in
// wrapping 32-bit arithmetic.
int32_t Get_Scouting_Variant(int32_t n, int32_t season, int32_t month);
