// The name files: the input up to its first NUL byte is "names\first.txt",
// the rest "names\last.txt". Every name handed out is the start of one of the
// file's lines, never empty, fits its field and holds no line end; the line
// counts kept in the settings are the files' own; a new player always gets a
// first and a last name.
#include <cstring>
#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "personnel/player_names.h"

namespace {
constexpr int32_t POOL_TEAM = 38;

std::vector<std::string> Lines_Of(const uint8_t* data, size_t size) {
    std::vector<std::string> lines(1);
    for (size_t n = 0; n < size; ++n) {
        if (data[n] == '\n') {
            lines.emplace_back();
            continue;
        }
        lines.back() += static_cast<char>(data[n]);
    }
    return lines;
}

void Check_Name(const char* name, size_t size, const std::vector<std::string>& lines) {
    const size_t length = strnlen(name, size);
    Fuzz_Check(length > 0 && length < size, "a name is empty or overruns its field");
    Fuzz_Check(memchr(name, '\n', length) == nullptr, "a name holds a line end");
    bool found = false;
    for (const std::string& line : lines)
        found = found || line.compare(0, length, name, length) == 0;
    Fuzz_Check(found, "a name is no line of its file");
}

void Take_All(int32_t (*take)(char*), size_t size, const std::vector<std::string>& lines) {
    char name[32];
    for (int32_t n = 0; n <= NAME_BUFFER_ENTRIES; ++n) {
        if (!take(name)) return;
        Check_Name(name, size, lines);
    }
    Fuzz_Check(false, "a buffer gave more names than it holds");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    Write_Fuzz_File("names/first.txt", parts.First, parts.First_Size);
    Write_Fuzz_File("names/last.txt", parts.Second, parts.Second_Size);
    const std::vector<std::string> first_lines = Lines_Of(parts.First, parts.First_Size);
    const std::vector<std::string> last_lines = Lines_Of(parts.Second, parts.Second_Size);

    Clear_Name_Buffers();
    Load_First_Names();
    Load_Last_Names();
    Fuzz_Check(Last_Message_Caption().empty(), "a present name file was refused");
    Fuzz_Check(Get_User_Preference(FIRST_NAME_LINE_COUNT) == static_cast<int32_t>(first_lines.size()) &&
                   Get_User_Preference(LAST_NAME_LINE_COUNT) == static_cast<int32_t>(last_lines.size()),
               "the line counts are not the files'");
    Take_All(Take_First_Name, 12, first_lines);
    Take_All(Take_Last_Name, 20, last_lines);

    Set_Player_Vital_Stat(POOL_TEAM, 0, VITAL_PLAYER_ID, 1);
    Set_Random_Player_Name(POOL_TEAM, 0);
    char name[32];
    Get_Player_First_Name(POOL_TEAM, 0, name);
    Fuzz_Check(name[0] != '\0', "a new player has no first name");
    Get_Player_Last_Name(POOL_TEAM, 0, name);
    Fuzz_Check(name[0] != '\0', "a new player has no last name");
    return 0;
}
