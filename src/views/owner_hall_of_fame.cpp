#include "views/owner_hall_of_fame.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "database/path_resolver.h"

namespace {
const char* const FAME_FILE_NAME = "KorFame.dat";
} // namespace

int32_t Read_Owner_Hall_Of_Fame_File(uint8_t* buffer) {
    if (buffer == nullptr) return 0;
    memset(buffer, 0, OWNER_HALL_OF_FAME_SIZE);
    FILE* file = Open_Resolved_File(FAME_FILE_NAME, "rb");
    if (file == nullptr) return 0;
    const size_t read = fread(buffer, 1, OWNER_HALL_OF_FAME_SIZE, file);
    fclose(file);
    return read > 0 ? 1 : 0;
}

int32_t Write_Owner_Hall_Of_Fame_File(const uint8_t* buffer) {
    if (buffer == nullptr) return 0;
    // Written beside the old file and renamed over it, so a failed write never
    // leaves the Hall of Fame cut short.
    const std::string path = Resolve_File_Path(FAME_FILE_NAME);
    const std::string temporary = path + ".tmp";
    FILE* file = fopen(temporary.c_str(), "wb");
    if (file == nullptr) return 0;
    bool written =
        fwrite(buffer, 1, OWNER_HALL_OF_FAME_SIZE, file) == static_cast<size_t>(OWNER_HALL_OF_FAME_SIZE);
    written = (fclose(file) == 0) && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        remove(temporary.c_str());
        return 0;
    }
    return 1;
}
