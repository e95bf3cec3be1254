// "Input/DraftTalent.txt" and "Input/DraftStrategy.txt": the input up to its
// first NUL byte is the talent file, the rest the strategy file (without a NUL
// there is no strategy file). Reading them changes the two tables and nothing
// else of the league header, and a table keeps its value wherever the file
// gives no whole 16-bit number.
#include <cstdio>
#include <cstring>

#include "database/universe.h"
#include "fuzz_support.h"
#include "personnel/draft_input_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    const uint8_t* end = static_cast<const uint8_t*>(memchr(data, 0, size));
    const size_t talent_size = end ? static_cast<size_t>(end - data) : size;
    Write_Fuzz_File("Input/DraftTalent.txt", data, talent_size);
    if (end)
        Write_Fuzz_File("Input/DraftStrategy.txt", end + 1, size - talent_size - 1);
    else
        std::remove("Input/DraftStrategy.txt");

    // Marked values, so a value the files leave alone shows.
    UNIVERSE_HEADER& header = Universe.Header;
    memset(header.Draft_Talent, 0x5A, sizeof header.Draft_Talent);
    memset(header.Draft_Strategy, 0xA5, sizeof header.Draft_Strategy);
    static UNIVERSE_HEADER before;
    memcpy(&before, &header, sizeof before);
    Load_Draft_Talent();
    Load_Draft_Strategy();

    static UNIVERSE_HEADER after;
    memcpy(&after, &header, sizeof after);
    memcpy(after.Draft_Talent, before.Draft_Talent, sizeof after.Draft_Talent);
    memcpy(after.Draft_Strategy, before.Draft_Strategy, sizeof after.Draft_Strategy);
    Fuzz_Check(memcmp(&after, &before, sizeof after) == 0, "reading the draft files changed another field");
    if (!end)
        Fuzz_Check(memcmp(header.Draft_Strategy, before.Draft_Strategy, sizeof header.Draft_Strategy) == 0,
                   "a missing strategy file changed the strategy");
    return 0;
}
