#pragma once
// Random names for players whose stored names are empty.
#include <cstdint>

constexpr int32_t FIRST_NAME_BUFFER_SIZE = 100;

// Copies the next unused first name of the buffer to `out` (12 bytes) and uses
// it up; 0 when the buffer is exhausted.
int32_t Take_First_Name(char* out);
// Refills the first-name buffer.
void Load_First_Names();
// Copies a last name to `out` (20 bytes).
void Get_Random_Last_Name(char* out);
