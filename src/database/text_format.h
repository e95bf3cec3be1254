#pragma once
// Small text routines every screen, report, log and importer uses. This header
// also brings in the number, money and name formatters.
#include <cstdint>

#include "database/game_names.h"
#include "database/money_text.h"
#include "database/number_words.h"
#include "database/safe_strings.h"

// Formats into `buffer` of `size` bytes; the last byte is always a NUL.
// Returns the formatter's result (the length the text would have had).
int safe_sprintf(char* buffer, int size, const char* format, ...) __attribute__((format(printf, 3, 4)));
// Appends formatted text behind the text already in `buffer`. Returns the
// resulting length, or 0 when `buffer` holds no NUL within `size` bytes.
int safe_strcatf(char* buffer, int size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Moves the text of `line` up to the first `delimiter` into `field` (no quoting;
// blanks stay) and removes it and the delimiter from `line`. Returns 1 when it
// was the line's last field (the line is then empty), else 0. At most
// `field_size` - 1 characters are kept in `field`; the rest of a longer field
// is dropped with it.
int Get_Next_Field(char* field, char* line, char delimiter, int field_size = TEXT_BUFFER_SIZE);

// In-place edits.
void Keep_Letters_Only(char* text);
void Remove_Character(char* text, char character);
void Make_Upper_Case(char* text);
// Prepends blanks until `text` is `length` characters long; it must hold length + 1 bytes.
void Pad_String_Left(char* text, int length);
// Prepends two blanks for every character `text` is short of `length`; it must
// hold 2 * length + 1 bytes.
void Pad_String_Left_Double(char* text, int length);

// Case-insensitive search: the first match of `pattern` in `text`, or null.
const char* stristr(const char* text, const char* pattern);
// Exchanges the two texts, each of which lives in a buffer of at least `size` bytes.
void Swap_Strings(char* first, char* second, int size);
