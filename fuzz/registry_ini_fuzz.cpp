// The registry file (a small ini of "[key]" sections and "name=type:value"
// lines): the input up to its first NUL byte is the file, the text behind it
// (to the next NUL) a value to store. Storing a value gives it back exactly,
// leaves the values already there as they were, and a second store of the
// same value rewrites the file to the same bytes. A file larger than the game
// writes is refused with its reason and left as it was; a value too long for
// a line is not stored.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "platform/registry_ini.h"

namespace {
const char* const KEY = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";

std::string Read_Whole_File(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder();
    Set_Registry_File_Path("registry.ini");
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    Write_Fuzz_File("registry.ini", parts.First, parts.First_Size);
    const std::string text(reinterpret_cast<const char*>(parts.Second),
                           strnlen(reinterpret_cast<const char*>(parts.Second), parts.Second_Size));

    std::string folder_before;
    uint32_t version_before = 0;
    const bool had_folder = Get_Registry_Text(KEY, "SelfInstallDir", &folder_before);
    const bool had_version = Get_Registry_Number(KEY, "LastVer", &version_before);
    bool created = false;
    // A file larger than the game writes is refused, with its reason, and left as it was.
    const std::string file_before = Read_Whole_File("registry.ini");
    if (!Open_Registry_Key(KEY, &created)) {
        Fuzz_Check(!Get_Registry_Failure().empty(), "a refused file gave no reason");
        Fuzz_Check(Read_Whole_File("registry.ini") == file_before, "a refused file was changed");
        return 0;
    }
    if (!Set_Registry_Text(KEY, "LastDir", text.c_str())) {
        Fuzz_Check(Get_Registry_Failure().find("is not stored") != std::string::npos,
                   "the value could not be stored");
        return 0;
    }

    std::string back;
    Fuzz_Check(Get_Registry_Text(KEY, "LastDir", &back) && back == text, "the stored text came back changed");
    std::string folder_after;
    Fuzz_Check(Get_Registry_Text(KEY, "SelfInstallDir", &folder_after) == had_folder &&
                   folder_after == folder_before,
               "storing one value changed another");
    uint32_t version_after = 0;
    Fuzz_Check(Get_Registry_Number(KEY, "LastVer", &version_after) == had_version &&
                   version_after == version_before,
               "storing a text changed a number");

    const std::string written = Read_Whole_File("registry.ini");
    Fuzz_Check(Set_Registry_Text(KEY, "LastDir", text.c_str()), "the value could not be stored again");
    Fuzz_Check(Read_Whole_File("registry.ini") == written, "rewriting the same value changed the file");
    return 0;
}
