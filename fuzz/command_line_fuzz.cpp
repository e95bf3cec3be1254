// The command-line flags: the input up to its first NUL byte is the command
// line (its arguments split at blanks), the rest is "CommandLine.txt". The
// flags text must hold exactly the names of the flags set, once each.
#include <cstring>
#include <string>
#include <vector>

#include "app/command_line_flags.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder();
    const uint8_t* end = static_cast<const uint8_t*>(memchr(data, 0, size));
    const size_t line_size = end ? static_cast<size_t>(end - data) : size;
    const std::string line(reinterpret_cast<const char*>(data), line_size);
    if (end)
        Write_Fuzz_File("CommandLine.txt", end + 1, size - line_size - 1);
    else
        std::remove("CommandLine.txt");

    std::vector<std::string> arguments{"football_korva"};
    size_t start = 0;
    while (start <= line.size()) {
        size_t blank = line.find(' ', start);
        if (blank == std::string::npos) blank = line.size();
        arguments.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    Read_Command_Line_Flags(static_cast<int>(arguments.size()), argv.data());

    Fuzz_Check(strnlen(Command_Line_Flags_Text, COMMAND_LINE_TEXT_SIZE) < COMMAND_LINE_TEXT_SIZE,
               "the flags text is not terminated");
    const std::pair<const char*, uint32_t> flags[] = {{"IS_NOT_RANDOM ", IS_NOT_RANDOM},
                                                      {"SHOW_SYSTEM_ERRORS ", SHOW_SYSTEM_ERRORS},
                                                      {"DTXT_PBPDIAGRAM ", DTXT_PBPDIAGRAM},
                                                      {"DTXT_PBPSELECTOR ", DTXT_PBPSELECTOR},
                                                      {"DTXT_AGG ", DTXT_AGG}};
    size_t named = 0;
    for (const auto& [name, bit] : flags) {
        const bool listed = strstr(Command_Line_Flags_Text, name) != nullptr;
        Fuzz_Check(listed == ((Command_Line_Flags & bit) != 0), "the flags text and the flags differ");
        if (listed) named += strlen(name);
    }
    Fuzz_Check(named == strlen(Command_Line_Flags_Text), "the flags text holds more than the flags");
    return 0;
}
