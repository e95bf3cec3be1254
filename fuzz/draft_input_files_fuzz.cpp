// The player-generation input files: the input up to its first NUL byte is
// "Input/DraftTalent.txt", the rest "Input/DraftStrategy.txt". Reading them
// changes nothing in the header but the talent and strategy tables, a value
// the file does not give keeps the saved one, and a player of every position
// rated with what was read gets ratings the game can hold.
#include <cstring>

#include "database/player_record.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "personnel/draft_input_files.h"
#include "personnel/random_ratings.h"

namespace {
constexpr int16_t UNREAD = -12345;
constexpr int32_t POOL_TEAM = 38;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    for (auto& column : Universe.Header.Draft_Talent)
        for (int16_t& value : column)
            value = UNREAD;
    for (int16_t& value : Universe.Header.Draft_Strategy)
        value = UNREAD;
    static UNIVERSE_HEADER before;
    memcpy(&before, &Universe.Header, sizeof before);

    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    Write_Fuzz_File("Input/DraftTalent.txt", parts.First, parts.First_Size);
    Write_Fuzz_File("Input/DraftStrategy.txt", parts.Second, parts.Second_Size);
    Load_Draft_Talent();
    Load_Draft_Strategy();
    Fuzz_Check(Last_Message_Caption() != "Missing File", "a present file was called missing");

    static UNIVERSE_HEADER after;
    memcpy(&after, &Universe.Header, sizeof after);
    memcpy(after.Draft_Talent, before.Draft_Talent, sizeof after.Draft_Talent);
    memcpy(after.Draft_Strategy, before.Draft_Strategy, sizeof after.Draft_Strategy);
    Fuzz_Check(memcmp(&before, &after, sizeof before) == 0, "the files changed more than their tables");
    // An empty file gives no value at all.
    if (parts.First_Size == 0)
        for (const auto& column : Universe.Header.Draft_Talent)
            for (int16_t value : column)
                Fuzz_Check(value == UNREAD, "an empty talent file gave a value");

    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        Set_Player_Vital_Stat(POOL_TEAM, position, VITAL_POSITION, position);
        Randomize_Player_Ratings(POOL_TEAM, position);
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
            const float value = Get_Player_Rating(POOL_TEAM, position, rating);
            Fuzz_Check(value > -1000 && value < 1000, "a rating out of all reason");
        }
    }
    return 0;
}
