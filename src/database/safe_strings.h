#pragma once
// Bounded copies: every text written into a record or a caller's buffer goes
// through these.

// Copies at most size - 1 characters and terminates; returns the number copied,
// or -1 when source characters were left over.
int safe_strncpy(char* destination, const char* source, int size);
// Appends while the total stays below size - 1; returns the resulting length.
int safe_strncat(char* destination, const char* source, int size);
