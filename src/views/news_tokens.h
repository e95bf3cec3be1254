#pragma once
// Texts about a player and his team written as templates with tokens in
// braces ("{PLAYER LAST NAME} is a solid player."), and their substitution.
#include <cstdint>

constexpr int32_t NEWS_TOKENS = 35;
constexpr int32_t NEWS_UNKNOWN_TOKEN = 35;
// The size of a template and of the texts the scouting pages give.
constexpr int32_t NEWS_TEXT_SIZE = 2048;

extern const char* const News_Token_Table[NEWS_TOKENS];

// The token's index (names compared without case), 35 for a name not in the
// table and for an empty name.
int32_t Find_News_Token(const char* name);
// Writes the expansion of one token for the player (team, slot) into `out`
// of `size` bytes: a name not in the table gives "[name]".
void Expand_News_Token(int32_t team, int32_t slot, const char* name, char* out, int32_t size);
// Replaces every token of `text` (a buffer of `size` bytes) in place. The
// result is cut at the buffer's end; an inserted text is never scanned for
// tokens again; a "{" without its "}" stays as written. A pair naming no team
// or an empty slot is reported and leaves the text as it was.
void Substitute_News_Strings(int32_t team, int32_t slot, char* text, int32_t size = NEWS_TEXT_SIZE);
