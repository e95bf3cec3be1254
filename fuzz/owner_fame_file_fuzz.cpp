// The owner Hall of Fame file "KorFame.dat": whatever it holds, every text
// read from it ends inside its field, a value stored through the one
// read-modify-write reads back with every other byte kept, and a file that
// cannot be read is never written over.
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/owner_hall_of_fame_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    Reset_Fuzz_Messages();
    Write_Fuzz_File("KorFame.dat", data, size);

    std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
    const int32_t read = Try_Read_Owner_Hall_Of_Fame_File(image.data());
    Fuzz_Check(read == (size > 0 ? 1 : 0), "a file with bytes did not read, or an empty one did");
    char text[FAME_TEXT_LENGTH];
    for (int32_t level = 0; level < FAME_LEVELS; ++level)
        for (int32_t entry = 0; entry < FAME_ENTRIES; ++entry)
            for (int32_t column = 0; column < FAME_COLUMNS; ++column) {
                std::memset(text, 'z', sizeof text);
                Get_Owner_Hall_Of_Fame_Entry_Text(image.data(), level, entry, column, text);
                Fuzz_Check(std::memchr(text, '\0', sizeof text) != nullptr, "a text ran past its field");
            }
    Get_Fame_Owner_Name(image.data(), text);
    Fuzz_Check(std::strlen(text) < FAME_TEXT_LENGTH, "the owner name ran past its field");

    Set_Owner_Hall_Of_Fame_Value(100, 0x1234567);
    std::vector<uint8_t> after(OWNER_HALL_OF_FAME_SIZE);
    const int32_t read_after = Try_Read_Owner_Hall_Of_Fame_File(after.data());
    if (read == 0) {
        Fuzz_Check(read_after == 0, "an unreadable file was written over");
        return 0;
    }
    Fuzz_Check(Get_Owner_Hall_Of_Fame_Value(100) == 0x1234567, "the stored value did not read back");
    const size_t slot = VALUE_SLOTS_OFFSET + 4 * 100;
    Fuzz_Check(std::memcmp(after.data(), image.data(), slot) == 0 &&
                   std::memcmp(after.data() + slot + 4, image.data() + slot + 4,
                               OWNER_HALL_OF_FAME_SIZE - slot - 4) == 0,
               "storing a value changed another byte");
    return 0;
}
