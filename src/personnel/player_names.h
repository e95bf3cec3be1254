#pragma once
// Names of new players, from the installation's name files "names\first.txt"
// and "names\last.txt" (one name per line). Each file fills a buffer of 100
// names spread over the whole file and shuffled; a taken name is used up.
#include <cstdint>

constexpr int32_t NAME_BUFFER_ENTRIES = 100;

// Refill a buffer from its file. A file that cannot be opened is reported
// (once a run) and leaves the buffer as it was.
void Load_First_Names();
void Load_Last_Names();
// Copy the next unused name to `out` (12 and 20 bytes) and use it up; 0 when
// the buffer holds none.
int32_t Take_First_Name(char* out);
int32_t Take_Last_Name(char* out);
// A last name into `out` (20 bytes): the buffer refilled when empty, "Smith"
// when the file gives none.
void Get_Random_Last_Name(char* out);
// Gives the player a first and a last name ("John" and "Smith" when the files
// give none).
void Set_Random_Player_Name(int32_t team, int32_t slot);
// Empties both buffers and forgets the files read, as at program start.
void Clear_Name_Buffers();
