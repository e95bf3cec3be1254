// The name files: the input up to its first NUL byte is "names\first.txt",
// the rest "names\rawlast.txt", which the converter turns into
// "names\last.txt". Every name taken fits its field and holds no line end; a
// converted last name is one word, lower case after its first letter.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "database/random_numbers.h"
#include "fuzz_support.h"
#include "personnel/player_names.h"
#include "personnel/roster_text.h"

namespace {
constexpr size_t FIRST_NAME_SIZE = 12;
constexpr size_t LAST_NAME_SIZE = 20;

void Take_All(int32_t (*take)(char*), size_t size) {
    char name[LAST_NAME_SIZE + 1];
    for (int32_t taken = 0;; ++taken) {
        memset(name, 'x', sizeof name);
        if (!take(name)) break;
        Fuzz_Check(taken < NAME_BUFFER_ENTRIES, "more names taken than the buffer holds");
        Fuzz_Check(memchr(name, '\0', size) != nullptr, "a name overran its field");
        Fuzz_Check(strchr(name, '\n') == nullptr, "a name kept its line end");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    Seed_Random_Numbers(1);
    const uint8_t* end = static_cast<const uint8_t*>(memchr(data, 0, size));
    const size_t first_size = end ? static_cast<size_t>(end - data) : size;
    Write_Fuzz_File("names/first.txt", data, first_size);
    if (end)
        Write_Fuzz_File("names/rawlast.txt", end + 1, size - first_size - 1);
    else
        std::remove("names/rawlast.txt");

    Clear_Name_Buffers();
    Load_First_Names();
    Take_All(Take_First_Name, FIRST_NAME_SIZE);

    std::remove("names/last.txt");
    Convert_Raw_Last_Names();
    std::ifstream converted("names/last.txt", std::ios::binary);
    std::string line;
    while (std::getline(converted, line)) {
        Fuzz_Check(!line.empty() && line.find(' ') == std::string::npos, "a converted name is not one word");
        for (size_t n = 1; n < line.size(); ++n)
            Fuzz_Check(line[n] == static_cast<char>(tolower(static_cast<unsigned char>(line[n]))),
                       "a converted name keeps a capital after its first letter");
    }
    Load_Last_Names();
    Take_All(Take_Last_Name, LAST_NAME_SIZE);
    return 0;
}
