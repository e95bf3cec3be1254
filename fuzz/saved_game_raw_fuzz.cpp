// A saved game as raw bytes: whatever the file holds, the load either succeeds
// or is refused with the league in the block exactly as it was.
#include <cstring>
#include <memory>
#include <string>

#include "database/saved_game.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "platform/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<uint8_t[]> before;
    if (!before) {
        Enter_Fuzz_Folder_With_Empty_League();
        before.reset(new uint8_t[UNIVERSE_SIZE]);
        memcpy(before.get(), Universe_Bytes(), UNIVERSE_SIZE);
    }
    Reset_Fuzz_Messages();
    memcpy(Universe_Bytes(), before.get(), UNIVERSE_SIZE);
    Write_Fuzz_File("fuzz.kor", data, size);
    if (!Load_Game("fuzz.kor")) {
        Fuzz_Check(memcmp(Universe_Bytes(), before.get(), UNIVERSE_SIZE) == 0,
                   "a refused load changed the block");
        // The last word of a refusal names the file and says it could not be
        // read (the reason itself goes to the log).
        const std::string told = Get_Shown_Messages().empty() ? "" : Get_Shown_Messages().back().Text;
        Fuzz_Check(told == "Couldn't load the game \"fuzz.kor\".\n\nThere was an error in reading the file.",
                   "a refusal that does not name the file");
    }
    return 0;
}
