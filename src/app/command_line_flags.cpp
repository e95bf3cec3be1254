#include "app/command_line_flags.h"

#include <cstdio>
#include <cstring>

#include "database/path_resolver.h"
#include "database/safe_strings.h"

uint32_t Command_Line_Flags = 0;
char Command_Line_Flags_Text[COMMAND_LINE_TEXT_SIZE] = "";

namespace {
struct COMMAND_LINE_FLAG {
    const char* Name;
    uint32_t Bit;
};

// Searched in this order, which is also the order of the flags text.
constexpr COMMAND_LINE_FLAG FLAG_TABLE[] = {
    {"IS_NOT_RANDOM", IS_NOT_RANDOM},
    {"SHOW_SYSTEM_ERRORS", SHOW_SYSTEM_ERRORS},
    {"DTXT_PBPDIAGRAM", DTXT_PBPDIAGRAM},
    {"DTXT_PBPSELECTOR", DTXT_PBPSELECTOR},
    {"DTXT_AGG", DTXT_AGG},
};

void Append_Flag_Name(const char* name) {
    size_t used = std::strlen(Command_Line_Flags_Text);
    size_t needed = std::strlen(name) + 1;
    if (used + needed >= sizeof Command_Line_Flags_Text) return;
    std::memcpy(Command_Line_Flags_Text + used, name, needed - 1);
    Command_Line_Flags_Text[used + needed - 1] = ' ';
    Command_Line_Flags_Text[used + needed] = '\0';
}
} // namespace

void Parse_Command_Line_Flags(const char* text) {
    if (text == nullptr) return;
    char buffer[COMMAND_LINE_TEXT_SIZE + 1];
    safe_strncpy(buffer, text, COMMAND_LINE_TEXT_SIZE);
    std::strcat(buffer, " ");
    for (const COMMAND_LINE_FLAG& flag : FLAG_TABLE) {
        if ((Command_Line_Flags & flag.Bit) != 0 || std::strstr(buffer, flag.Name) == nullptr) continue;
        Command_Line_Flags |= flag.Bit;
        Append_Flag_Name(flag.Name);
    }
}

void Read_Command_Line_Flags(int argc, const char* const* argv) {
    Command_Line_Flags = 0;
    Command_Line_Flags_Text[0] = '\0';

    char line[COMMAND_LINE_TEXT_SIZE] = "";
    size_t used = 0;
    for (int i = 1; i < argc && argv != nullptr && argv[i] != nullptr; ++i) {
        for (const char* next = argv[i]; *next != '\0' && used < sizeof line - 1; ++next)
            line[used++] = *next;
        if (used < sizeof line - 1 && i + 1 < argc) line[used++] = ' ';
    }
    line[used] = '\0';
    Parse_Command_Line_Flags(line);

    char contents[COMMAND_LINE_TEXT_SIZE] = "";
    if (FILE* file = Open_Resolved_File("CommandLine.txt", "r")) {
        size_t read = std::fread(contents, 1, sizeof contents - 1, file);
        std::fclose(file);
        contents[read] = '\0';
        Parse_Command_Line_Flags(contents);
    }
}
