#include "playbooks/playbook_files.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <type_traits>

#include "app/diagnostics.h"
#include "database/file_replacement.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/dialogs.h"

OFFENSIVE_PLAYBOOK Scratch_Offensive_Playbook;
DEFENSIVE_PLAYBOOK Scratch_Defensive_Playbook;

namespace {

// The viewed team, or -1 when the setting names no team record.
int Viewed_Playbook_Team() {
    int32_t team = Get_User_Preference(VIEWED_TEAM);
    return (team >= 0 && team < TOTAL_NUMBER_OF_TEAMS) ? team : -1;
}

// Plays of a block as read that stand as they are: a name, and every code in
// range (the repaired copy holds the same codes).
template <typename BOOK> int32_t Count_Sound_Plays(const BOOK& read, const BOOK& repaired) {
    using PLAY = std::remove_cvref_t<decltype(read.Plays[0])>;
    constexpr size_t FIRST_CODE = offsetof(PLAY, Formation);
    constexpr size_t CODES = offsetof(PLAY, Description) - FIRST_CODE;
    int32_t sound = 0;
    for (size_t p = 0; p < std::size(read.Plays); ++p) {
        const auto* as_read = reinterpret_cast<const uint8_t*>(&read.Plays[p]) + FIRST_CODE;
        const auto* mended = reinterpret_cast<const uint8_t*>(&repaired.Plays[p]) + FIRST_CODE;
        if (read.Plays[p].Name[0] != '\0' && std::memcmp(as_read, mended, CODES) == 0) ++sound;
    }
    return sound;
}

// Repairs a block read from a file; false when it holds no sound play at all
// (a file of zeros, or of anything but a playbook), which is no playbook.
template <typename BOOK> bool Repair_Read_Playbook(BOOK& book, const std::string& path) {
    static BOOK as_read;
    as_read = book;
    int repairs = 0;
    if constexpr (std::is_same_v<BOOK, DEFENSIVE_PLAYBOOK>)
        repairs = Repair_Defensive_Playbook(book);
    else
        repairs = Repair_Offensive_Playbook(book);
    if (Count_Sound_Plays(as_read, book) == 0) {
        Report_System_Error("Playbook file %s holds no play; the playbook is left as it was", path.c_str());
        return false;
    }
    if (repairs > 0)
        Log_Debug_Line("Playbook file %s: %d out-of-range codes repaired", path.c_str(), repairs);
    return true;
}

} // namespace

int Load_Playbook_File(int team, int bDefense, const char* name) {
    // A playbook name is a file name inside the playbooks folder, never a path.
    if (name == nullptr || name[0] == '\0' || std::strpbrk(name, "/\\") != nullptr) {
        Log_Debug_Line("Refused playbook name \"%s\"", name ? name : "");
        return 0;
    }
    std::string path = std::string("playbooks/") + name + (bDefense ? ".dpb" : ".opb");
    FILE* file = Open_Resolved_File(path.c_str(), "rb");
    if (file == nullptr) {
        Log_Debug_Line("Unable to open playbook file %s; the playbook is left as it was", path.c_str());
        return 0;
    }
    // Static scratch copies: the blocks are large for the stack.
    static OFFENSIVE_PLAYBOOK offense;
    static DEFENSIVE_PLAYBOOK defense;
    void* scratch = bDefense ? static_cast<void*>(&defense) : static_cast<void*>(&offense);
    size_t size = bDefense ? sizeof(defense) : sizeof(offense);
    size_t got = std::fread(scratch, 1, size, file);
    std::fclose(file);
    if (got != size) {
        Log_Debug_Line("Playbook file %s holds %zu of %zu bytes; the playbook is left as it was",
                       path.c_str(), got, size);
        return 0;
    }
    if (bDefense ? !Repair_Read_Playbook(defense, path) : !Repair_Read_Playbook(offense, path)) return 0;

    if (bDefense)
        std::memcpy(Is_Valid_Team_Code(team) ? &Universe.Teams[team].Playbooks.Defense
                                             : &Scratch_Defensive_Playbook,
                    &defense, size);
    else
        std::memcpy(Is_Valid_Team_Code(team) ? &Universe.Teams[team].Playbooks.Offense
                                             : &Scratch_Offensive_Playbook,
                    &offense, size);
    return 1;
}

namespace {
// Opens the file a block replaces, ends a given dialog with 1 once it is
// open, and writes the block. 0 written, 1 not opened, 2 not written.
int Write_Block(const char* path, int team, int bDefense, WINDOW_HANDLE dialog) {
    if (path == nullptr || team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return 1;
    const std::string resolved = Resolve_File_Path(path);
    FILE* file = Open_Replacement_File(resolved);
    if (file == nullptr) return 1;
    if (dialog != NO_WINDOW) End_Dialog(dialog, 1);
    const TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[team].Playbooks;
    const void* data =
        bDefense ? static_cast<const void*>(&block.Defense) : static_cast<const void*>(&block.Offense);
    size_t size = bDefense ? sizeof(block.Defense) : sizeof(block.Offense);
    const bool written = std::fwrite(data, 1, size, file) == size;
    return Commit_Replacement_File(file, resolved, written) ? 0 : 2;
}
} // namespace

int Write_Team_Playbook_File(const char* path, int team, int bDefense) {
    return Write_Block(path, team, bDefense, NO_WINDOW);
}

int Write_Playbook_File(const char* path, WINDOW_HANDLE dialog) {
    int team = Viewed_Playbook_Team();
    if (team < 0) {
        Report_System_Error("Invalid Viewed_Team in Write_Playbook_File(%s)", path ? path : "");
        return 1;
    }
    return Write_Block(path, team, Get_User_Preference(PLAYBOOK_EDITOR_SIDE) != 0, dialog);
}

char* Get_Playbook_Name_Field() {
    int team = Viewed_Playbook_Team();
    if (team < 0) return nullptr;
    TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[team].Playbooks;
    return Get_User_Preference(PLAYBOOK_EDITOR_SIDE) ? block.Defense.Name : block.Offense.Name;
}

void Set_Playbook_Name(const char* name) {
    char* field = Get_Playbook_Name_Field();
    if (field == nullptr || name == nullptr) return;
    safe_strncpy(field, name, PLAYBOOK_NAME_LENGTH);
}

int32_t Count_Formation_Slots_At_Position(int32_t formation, int32_t position) {
    if (!Is_Valid_Formation(formation)) return 0;
    int32_t count = 0;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot)
        if (Formation_Slot_Table[formation][slot].Position == position) ++count;
    return count;
}

bool Is_Analyzer_Formation(uint32_t formation) {
    return formation < static_cast<uint32_t>(NUMBER_OF_FORMATIONS);
}

bool Has_Career_Stat_Zero_Value(int32_t team, int32_t slot) {
    return Get_Player_Stat(team, slot, SEASON_CAREER, 0) != 0;
}
