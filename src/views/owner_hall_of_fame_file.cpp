#include "views/owner_hall_of_fame_file.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/team_history.h"
#include "database/team_record_layout.h"
#include "platform/message_box.h"
#include "views/owner_hall_of_fame.h"

namespace {
const char* const FAME_FILE_NAME = "KorFame.dat";

std::unique_ptr<uint8_t[]> New_Image() {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]);
}
} // namespace

int32_t Rebuild_Owner_Hall_Of_Fame_File() {
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image) return 0;
    std::memset(image.get(), 0, OWNER_HALL_OF_FAME_SIZE);
    std::memcpy(image.get() + OWNER_NAME_OFFSET, "My Name", 8);
    return Write_Owner_Hall_Of_Fame_File(image.get());
}

int32_t Ensure_Owner_Hall_Of_Fame_File() {
    if (FILE* file = Open_Resolved_File(FAME_FILE_NAME, "rb")) {
        std::fclose(file);
        return 0;
    }
    Rebuild_Owner_Hall_Of_Fame_File();
    return 1;
}

void Set_Owner_Hall_Of_Fame_Value(int32_t slot, int32_t value) {
    if (slot < 0 || slot >= VALUE_SLOT_COUNT) return;
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image) return;
    Read_Owner_Hall_Of_Fame_File(image.get());
    std::memcpy(image.get() + VALUE_SLOTS_OFFSET + 4 * slot, &value, sizeof value);
    Write_Owner_Hall_Of_Fame_File(image.get());
}

int32_t Get_Owner_Hall_Of_Fame_Value(int32_t slot) {
    if (slot < 0 || slot >= VALUE_SLOT_COUNT) return 0;
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image || !Read_Owner_Hall_Of_Fame_File(image.get())) return 0;
    int32_t value = 0;
    std::memcpy(&value, image.get() + VALUE_SLOTS_OFFSET + 4 * slot, sizeof value);
    return value;
}

int32_t Retire_Owner() {
    const int32_t team = Get_Nth_Human_Team(0);
    const int32_t rating = team != NO_TEAM ? Get_Team_History_Stat(team, 0) : 0;
    char text[256];
    std::snprintf(text, sizeof text,
                  "Your Korva Rating of %d.%d does not qualify for the Korva Hall Of Fame. Retire anyway?",
                  rating / 10, rating % 10);
    return Show_Message_Box(text, "Retirement", BOX_YES_NO | BOX_INFORMATION | BOX_TASK_MODAL) == ID_BOX_YES
               ? 1
               : 0;
}
