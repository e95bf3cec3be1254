// The file that keeps the program's registry values: whatever it holds, a key
// opens (or the file is refused whole), a text and a number set under it read
// back as set, and a value under another key reads as it did before.
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "platform/registry_ini.h"

namespace {
const char* const KEY = "SOFTWARE\\Sports Korva\\Football Korva\\2019";
const char* const OTHER_KEY = "SOFTWARE\\Other";
const char* const PATH_TEXT = "C:\\Games\\Football Korva\\\nsecond line=[x]";
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder();
    Reset_Fuzz_Messages();
    static const std::string path = (std::filesystem::current_path() / "registry.ini").string();
    Set_Registry_File_Path(path.c_str());
    Write_Fuzz_File("registry.ini", data, size);

    std::string before;
    const bool had = Get_Registry_Text(OTHER_KEY, "Name", &before);
    if (!Open_Registry_Key(KEY, nullptr)) return 0;
    Fuzz_Check(Set_Registry_Text(KEY, "Path", PATH_TEXT), "a text was not set");
    Fuzz_Check(Set_Registry_Number(KEY, "Version", 2019), "a number was not set");
    std::string text;
    Fuzz_Check(Get_Registry_Text(KEY, "Path", &text) && text == PATH_TEXT, "a text did not read back");
    uint32_t number = 0;
    Fuzz_Check(Get_Registry_Number(KEY, "Version", &number) && number == 2019, "a number did not read back");
    std::string after;
    const bool has = Get_Registry_Text(OTHER_KEY, "Name", &after);
    Fuzz_Check(has == had && after == before, "setting values changed another key's value");
    return 0;
}
