// The owner Hall of Fame file "KorFame.dat", of any length and contents. It
// reads as its first 23,552 bytes with zeros behind; the values kept in it
// read as those bytes and every text read from it ends inside its field; the
// main window opens at a placement it can hold (on the screen, or filling it)
// whatever the file remembers; the start-up reminder leaves the file alone or
// rewrites it whole, changing nothing but its countdown; and a value stored
// through the one read-modify-write reads back with every other byte kept,
// while a file that cannot be read is never written over.
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/startup.h"
#include "fuzz_support.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/owner_hall_of_fame_view.h"

namespace {
constexpr int32_t SCREEN_WIDTH = 1280;
constexpr int32_t SCREEN_HEIGHT = 800;
constexpr int32_t REMINDER_COUNTDOWN_OFFSET = 23020;

std::vector<uint8_t> Read_Fame_File() {
    std::ifstream in("KorFame.dat", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
void Check_Texts(const uint8_t* image) {
    char text[FAME_TEXT_LENGTH];
    for (int32_t level = 0; level < FAME_LEVELS; ++level)
        for (int32_t entry = 0; entry < FAME_ENTRIES; ++entry)
            for (int32_t column = 0; column < FAME_COLUMNS; ++column) {
                memset(text, 'z', sizeof text);
                Get_Owner_Hall_Of_Fame_Entry_Text(image, level, entry, column, text);
                Fuzz_Check(memchr(text, '\0', sizeof text) != nullptr, "a text ran past its field");
            }
    Get_Fame_Owner_Name(image, text);
    Fuzz_Check(strnlen(text, sizeof text) < sizeof text, "the owner name ran past its field");
}

// Stores one value through the read-modify-write and reads the file again.
void Check_Stored_Value() {
    std::vector<uint8_t> before(OWNER_HALL_OF_FAME_SIZE);
    const int32_t read = Try_Read_Owner_Hall_Of_Fame_File(before.data());
    Set_Owner_Hall_Of_Fame_Value(100, 0x1234567);
    std::vector<uint8_t> after(OWNER_HALL_OF_FAME_SIZE);
    const int32_t read_after = Try_Read_Owner_Hall_Of_Fame_File(after.data());
    if (read == 0) {
        Fuzz_Check(read_after == 0, "an unreadable file was written over");
        return;
    }
    Fuzz_Check(Get_Owner_Hall_Of_Fame_Value(100) == 0x1234567, "the stored value did not read back");
    const size_t slot = VALUE_SLOTS_OFFSET + 4 * 100;
    Fuzz_Check(memcmp(after.data(), before.data(), slot) == 0 &&
                   memcmp(after.data() + slot + 4, before.data() + slot + 4,
                          OWNER_HALL_OF_FAME_SIZE - slot - 4) == 0,
               "storing a value changed another byte");
}

void Check_Main_Window() {
    Destroy_All_Windows();
    Destroy_Main_Window_Back_Buffer();
    Fuzz_Check(Create_Main_Window() != NO_WINDOW, "the main window was not made");
    RECT_AREA rect;
    Get_Window_Rect(Main_Window, &rect);
    Fuzz_Check(rect.Right > rect.Left && rect.Bottom > rect.Top, "the main window has no size");
    Fuzz_Check(rect.Left < SCREEN_WIDTH && rect.Top < SCREEN_HEIGHT && rect.Right > 0 && rect.Bottom > 0,
               "the main window lies off the screen");
    Destroy_All_Windows();
    Destroy_Main_Window_Back_Buffer();
    Main_Window = NO_WINDOW;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        Enter_Fuzz_Folder_With_Empty_League();
        Set_Platform_Backend(nullptr);
        Use_Virtual_Clock(1000);
        Set_Null_Surface_Size(SCREEN_WIDTH, SCREEN_HEIGHT);
        Fuzz_Check(Register_Main_Window_Class(), "the main window class was refused");
        started = true;
    }
    Reset_Fuzz_Messages();
    Clear_Desktop_Requests();
    Write_Fuzz_File("KorFame.dat", data, size);

    static std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
    Fuzz_Check(Read_Owner_Hall_Of_Fame_File(image.data()) == (size > 0 ? 1 : 0), "the file was misread");
    const size_t kept = size < image.size() ? size : image.size();
    Fuzz_Check(memcmp(image.data(), data, kept) == 0, "the image is not the file");
    for (size_t n = kept; n < image.size(); ++n)
        Fuzz_Check(image[n] == 0, "the image is not zero behind a short file");
    for (int32_t slot : {0, 1, VALUE_SLOT_COUNT - 1}) {
        int32_t value = 0;
        memcpy(&value, image.data() + VALUE_SLOTS_OFFSET + 4 * slot, sizeof value);
        Fuzz_Check(Get_Owner_Hall_Of_Fame_Value(slot) == value, "a kept value reads wrong");
    }
    Check_Texts(image.data());

    // A file that ends before the placement remembers none: the window fills
    // the screen, and the slow opening of the window is left out.
    if (size > static_cast<size_t>(WINDOW_PLACEMENT_OFFSET)) Check_Main_Window();

    Show_Startup_Reminder();
    const std::vector<uint8_t> after = Read_Fame_File();
    // Switched off (or unreadable), the file is left alone.
    if (after != std::vector<uint8_t>(data, data + size)) {
        Fuzz_Check(after.size() == static_cast<size_t>(OWNER_HALL_OF_FAME_SIZE), "the file is not whole");
        for (size_t n = 0; n < after.size(); ++n)
            if (n < REMINDER_COUNTDOWN_OFFSET || n >= REMINDER_COUNTDOWN_OFFSET + 4)
                Fuzz_Check(after[n] == image[n], "the reminder changed more than its countdown");
    }
    Check_Stored_Value();
    return 0;
}
