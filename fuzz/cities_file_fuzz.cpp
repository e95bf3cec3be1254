// "Cities.txt": an import either is refused, leaving the table as it was, or
// gives at most 100 cities packed and sorted; exporting that table and
// importing it again gives the same table back.
#include <cstring>

#include "database/cities.h"
#include "database/settings.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "platform/message_box.h"

namespace {
void Run_Confirmed(const char* caption, void (*action)()) {
    Script_Message_Answer(caption, ID_BOX_YES);
    action();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    memset(Universe.Cities, 0, sizeof Universe.Cities);
    for (const char* name : {"Austin", "Boston"})
        Set_City_Name(Add_City(), name);
    static CITY_RECORD before[MAX_CITIES];
    memcpy(before, Universe.Cities, sizeof before);

    Write_Fuzz_File(CITIES_FILE_NAME, data, size);
    Run_Confirmed("Confirm City Import", Import_Cities);
    if (Last_Message_Caption() != "City Import Complete") {
        Fuzz_Check(memcmp(before, Universe.Cities, sizeof before) == 0,
                   "a refused import changed the cities");
        return 0;
    }
    const int32_t count = Count_Cities();
    for (int32_t n = count; n < MAX_CITIES; ++n)
        Fuzz_Check(!Is_City_Used(n), "the imported cities are not packed");
    for (int32_t n = 0; n + 1 < count; ++n)
        Fuzz_Check(strcmp(Universe.Cities[n].Name, Universe.Cities[n + 1].Name) <= 0,
                   "the imported cities are not sorted");

    static CITY_RECORD imported[MAX_CITIES];
    memcpy(imported, Universe.Cities, sizeof imported);
    Run_Confirmed("Confirm City Export", Export_Cities);
    Fuzz_Check(Last_Message_Caption() == "City Export Complete", "the export failed");
    memset(Universe.Cities, 0, sizeof Universe.Cities);
    Run_Confirmed("Confirm City Import", Import_Cities);
    Fuzz_Check(Last_Message_Caption() == "City Import Complete", "the exported file was refused");
    Fuzz_Check(memcmp(imported, Universe.Cities, sizeof imported) == 0, "export and import lost a city");
    return 0;
}
