#include "views/owner_hall_of_fame.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "app/diagnostics.h"
#include "app/message_box_dialog.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
const char* const FAME_FILE_NAME = "KorFame.dat";

enum READ_RESULT { READ_OK, READ_NO_FILE, READ_NOTHING };

READ_RESULT Read_Image(uint8_t* buffer, int* error) {
    std::memset(buffer, 0, OWNER_HALL_OF_FAME_SIZE);
    errno = 0;
    FILE* file = Open_Resolved_File(FAME_FILE_NAME, "rb");
    if (file == nullptr) {
        *error = errno;
        return READ_NO_FILE;
    }
    const size_t read = fread(buffer, 1, OWNER_HALL_OF_FAME_SIZE, file);
    *error = ferror(file) != 0 ? errno : 0;
    fclose(file);
    return read > 0 ? READ_OK : READ_NOTHING;
}

bool Is_Entry(int32_t level, int32_t entry) {
    return level >= 0 && level < FAME_LEVELS && entry >= 0 && entry < FAME_ENTRIES;
}

size_t Entry_Offset(int32_t level, int32_t entry) {
    return static_cast<size_t>(level * FAME_BLOCK_SIZE + entry * FAME_ENTRY_SIZE);
}

// Copies a fixed text field, ending it at its last byte.
void Copy_Field_Text(const uint8_t* field, int32_t length, char* out) {
    std::memcpy(out, field, static_cast<size_t>(length));
    out[length - 1] = '\0';
}
} // namespace

int32_t Try_Read_Owner_Hall_Of_Fame_File(uint8_t* buffer) {
    if (buffer == nullptr) return 0;
    int error = 0;
    return Read_Image(buffer, &error) == READ_OK ? 1 : 0;
}

int32_t Read_Owner_Hall_Of_Fame_File(uint8_t* buffer) {
    if (buffer == nullptr) return 0;
    int error = 0;
    switch (Read_Image(buffer, &error)) {
    case READ_OK:
        return 1;
    case READ_NO_FILE:
        Show_Last_Error_Message(error, "File Error", "Could not open \"%s\" for reading.", FAME_FILE_NAME);
        return 0;
    case READ_NOTHING:
        Show_Last_Error_Message(error, "File Error", "Could read from \"%s\".", FAME_FILE_NAME);
        return 0;
    }
    return 0;
}

int32_t Write_Owner_Hall_Of_Fame_File(const uint8_t* buffer) {
    if (buffer == nullptr) return 0;
    // Written beside the old file and renamed over it, so a failed write never
    // leaves the Hall of Fame cut short.
    const std::string path = Resolve_File_Path(FAME_FILE_NAME);
    const std::string temporary = path + ".tmp";
    errno = 0;
    FILE* file = fopen(temporary.c_str(), "wb");
    bool written = file != nullptr;
    if (file != nullptr) {
        written =
            fwrite(buffer, 1, OWNER_HALL_OF_FAME_SIZE, file) == static_cast<size_t>(OWNER_HALL_OF_FAME_SIZE);
        written = (fclose(file) == 0) && written;
    }
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        remove(temporary.c_str());
        Report_System_Error("Unable to write to file \"%s\"\n\nError: %s\n\nMake sure the file is not marked "
                            "READ-ONLY.",
                            FAME_FILE_NAME, std::strerror(error));
        return 0;
    }
    return 1;
}

int32_t Update_Owner_Hall_Of_Fame_File(const std::function<bool(uint8_t* image)>& change) {
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]);
    if (!image) return 0;
    int error = 0;
    const READ_RESULT read = Read_Image(image.get(), &error);
    if (read == READ_NO_FILE && error == ENOENT) {
        // No file yet: the change goes into a new one, as the start-up would make it.
        Fill_New_Owner_Hall_Of_Fame_Image(image.get());
    } else if (read != READ_OK) {
        Report_System_Error("Could not read \"%s\": nothing was written to it.", FAME_FILE_NAME);
        return 0;
    }
    if (!change(image.get())) return 0;
    return Write_Owner_Hall_Of_Fame_File(image.get());
}

int32_t Get_Fame_Entry_Int(const uint8_t* image, int32_t level, int32_t entry, int32_t n) {
    if (image == nullptr || !Is_Entry(level, entry) || n < 0 || n >= FAME_ENTRY_INTS) return 0;
    int32_t value = 0;
    std::memcpy(&value, image + Entry_Offset(level, entry) + FAME_INTS_OFFSET + 4 * n, sizeof value);
    return value;
}

void Set_Fame_Entry_Int(uint8_t* image, int32_t level, int32_t entry, int32_t n, int32_t value) {
    if (image == nullptr || !Is_Entry(level, entry) || n < 0 || n >= FAME_ENTRY_INTS) return;
    std::memcpy(image + Entry_Offset(level, entry) + FAME_INTS_OFFSET + 4 * n, &value, sizeof value);
}

void Get_Fame_Entry_Text(const uint8_t* image, int32_t level, int32_t entry, int32_t field, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (image == nullptr || !Is_Entry(level, entry) || (field != FAME_NAME_FIELD && field != FAME_TEAM_FIELD))
        return;
    Copy_Field_Text(image + Entry_Offset(level, entry) + field, FAME_TEXT_LENGTH, out);
}

void Set_Fame_Entry_Text(uint8_t* image, int32_t level, int32_t entry, int32_t field, const char* text) {
    if (image == nullptr || !Is_Entry(level, entry) || (field != FAME_NAME_FIELD && field != FAME_TEAM_FIELD))
        return;
    char* target = reinterpret_cast<char*>(image + Entry_Offset(level, entry) + field);
    std::memset(target, 0, FAME_TEXT_LENGTH);
    safe_strncpy(target, text != nullptr ? text : "", FAME_TEXT_LENGTH);
}

void Get_Fame_Owner_Name(const uint8_t* image, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (image != nullptr) Copy_Field_Text(image + OWNER_NAME_OFFSET, OWNER_NAME_LENGTH, out);
}
