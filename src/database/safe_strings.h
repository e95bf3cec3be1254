#pragma once
// Bounded copies: every text written into a record or a caller's buffer goes
// through these.

// The formatters of names, numbers and money write at most this many bytes,
// terminator included; their callers' buffers are at least this large.
constexpr int FORMATTED_TEXT_SIZE = 128;
// The usual size of a line or message buffer.
constexpr int TEXT_BUFFER_SIZE = 2048;

// Copies at most size - 1 characters and terminates; returns the number copied,
// or -1 when source characters were left over.
int safe_strncpy(char* destination, const char* source, int size);
// Appends while the total stays below size - 1; returns the resulting length.
int safe_strncat(char* destination, const char* source, int size);
