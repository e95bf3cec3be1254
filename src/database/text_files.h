#pragma once
// Plain text files: line readers over an open stream, line and character
// counters, and appenders that open, write one line and close again, so logs
// and exports never keep a file open between lines. Files are opened through
// the path resolver; lines of files written with "\r\n" are read without the "\r".
#include <cstdio>

#include "database/safe_strings.h"

// Every line reader passes over at most a mebibyte of one line: a line that
// runs on past it (a file of one endless line, a device such as /dev/zero)
// ends the read there as the end of the file does, so no reader is held by
// it or reads a huge file whole.

// Reads one line into `buffer` (`limit` bytes) without its line end. Characters
// beyond limit - 1 are dropped; the first such line of a run is reported once
// in a "Read_Line_Limit" box naming `file_name`. Returns 1 when the end of the
// file was reached during the read (a null stream counts as the end), else 0.
int Read_Line_Limit(const char* file_name, char* buffer, FILE* file, int limit);
// Read_Line_Limit of a 2,048-byte buffer, naming the file "'Filename Unknown'".
constexpr int UNNAMED_LINE_LIMIT = 2048;
int Read_Line_Limit_Unnamed(char* buffer, FILE* file);
// Reads one line into `buffer` without its line end; returns 0, or 1 at the
// end of the file (or for a null stream). A read that finds the file already
// exhausted leaves `buffer` as it was; a last line without a line end is
// returned terminated. Characters beyond size - 1 are dropped silently.
int Read_Line(char* buffer, FILE* file, int size = TEXT_BUFFER_SIZE);
// Read_Line that also gives the number of characters stored (zero bytes of
// the line among them, which end the text early); 0 when nothing was read.
int Read_Counted_Line(char* buffer, FILE* file, int size, int* length);
// Calls action(line) for every non-empty line from the stream's position to
// its end, the last one also without a line end; lines are cut at size - 1
// characters.
template <typename F> void For_Each_File_Line(FILE* file, char* buffer, int size, F action) {
    for (;;) {
        buffer[0] = '\0';
        const int end = Read_Line(buffer, file, size);
        if (buffer[0] != '\0') action(buffer);
        if (end) return;
    }
}
// Drops the rest of the current line; 1 at the end of the file or for a null stream.
int Skip_Line(FILE* file);
// Skip_Line that leaves the last character it read in `character`; 0 for a
// null stream.
int Skip_Line_Into(FILE* file, char* character);
// Whether the file opens for reading (mode "r", through the path resolver).
int Can_Open_File_For_Reading(const char* file_name);
// The lines from the file's position to its end, as many as Skip_Line calls
// until it reaches the end (a last line without its end counts); the file is
// left at its end.
int Count_Remaining_Lines(FILE* file);
// Line ends plus one (so a final line end counts the empty line behind it);
// 0, after telling the user, when the file cannot be opened.
int Count_File_Lines(const char* file_name);
// Number of characters in the stream (read from the start; the stream is left rewound).
long Count_File_Characters(FILE* file);
// Appends `text` and a line end; 1, or 0 for an empty name, a null text or a failed open.
int Append_Line_To_File(const char* file_name, const char* text);
int Append_Formatted_Line_To_File(const char* file_name, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// Removes the file; 1 when it was removed.
int Delete_File(const char* file_name);
// Creates the folders of the file's path that do not exist yet; 1 when they exist afterwards.
int Create_File_Folder(const char* file_name);
// Text of the runtime's current error number, in the game's own wording.
const char* Get_Errno_Text();
// The same for an error number as the Windows runtime numbers it.
const char* Get_Error_Number_Text(int error_number);
// The table number of one of this runtime's error numbers.
int Get_Table_Error_Number(int host_error);
