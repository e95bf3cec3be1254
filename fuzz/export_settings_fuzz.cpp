// The encyclopedia's settings file "input/settings.ini" (the export folder on
// its first line, the design on its second), of any length and contents. Each
// value comes back as its line up to the buffer's bound, never empty (the
// defaults stand in, as for a file that cannot be read), and never holds a
// line end.
#include <cstring>

#include "fuzz_support.h"
#include "reports/encyclopedia_dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder();
    Write_Fuzz_File(EXPORT_SETTINGS_FILE, data, size);
    char folder[EXPORT_CHOICE_SIZE];
    char design[64];
    if (!Read_Export_Settings(EXPORT_SETTINGS_FILE, folder, sizeof folder, design, sizeof design))
        Fuzz_Check(std::strcmp(folder, DEFAULT_EXPORT_FOLDER) == 0 &&
                       std::strcmp(design, DEFAULT_DESIGN) == 0,
                   "a file that could not be read gave other values than the defaults");
    for (const char* value : {static_cast<const char*>(folder), static_cast<const char*>(design)}) {
        const size_t length = strnlen(value, EXPORT_CHOICE_SIZE);
        Fuzz_Check(length > 0, "an empty value");
        Fuzz_Check(std::strchr(value, '\n') == nullptr && std::strchr(value, '\r') == nullptr,
                   "a line end in a value");
    }
    Fuzz_Check(std::strlen(design) < sizeof design, "the design passed its buffer");
    return 0;
}
