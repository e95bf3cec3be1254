#pragma once
// The command-line flags, read from the command line and then from the file
// "CommandLine.txt" in the current folder.
#include <cstdint>

constexpr uint32_t IS_NOT_RANDOM = 0x1;
constexpr uint32_t SHOW_SYSTEM_ERRORS = 0x4;
constexpr uint32_t DTXT_PBPDIAGRAM = 0x10000;
constexpr uint32_t DTXT_PBPSELECTOR = 0x20000;
constexpr uint32_t DTXT_AGG = 0x40000;

constexpr int COMMAND_LINE_TEXT_SIZE = 2048;

extern uint32_t Command_Line_Flags;
// Each recognised flag once, followed by a blank, in the order of the flag table.
extern char Command_Line_Flags_Text[COMMAND_LINE_TEXT_SIZE];

// Searches the first 2,047 characters of `text` for every flag name (a case-
// sensitive substring match) and sets the bits not yet set.
void Parse_Command_Line_Flags(const char* text);
// Clears the flags, then parses the arguments after the program name (joined
// by blanks) and the first 2,047 bytes of "CommandLine.txt" (every line of it;
// a missing file is no error).
void Read_Command_Line_Flags(int argc, const char* const* argv);
