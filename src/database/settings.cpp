#include "database/settings.h"

#include <cstddef>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/universe.h"

int32_t Get_User_Preference(int32_t n) {
    uint32_t index = static_cast<uint32_t>(n);
    if (index < NUMBER_OF_INT_PREFERENCES) return Universe.User_Preferences.Ints[index];
    if (index < NUMBER_OF_PREFERENCES)
        return Universe.User_Preferences.Shorts[index - NUMBER_OF_INT_PREFERENCES];
    Report_System_Error("nPreference out of bounds in Get_User_Preference([%d])", n);
    return 0;
}

void Set_User_Preference(int32_t n, int32_t value) {
    uint32_t index = static_cast<uint32_t>(n);
    if (index < NUMBER_OF_INT_PREFERENCES)
        Universe.User_Preferences.Ints[index] = value;
    else if (index < NUMBER_OF_PREFERENCES)
        Universe.User_Preferences.Shorts[index - NUMBER_OF_INT_PREFERENCES] = static_cast<int16_t>(value);
}

void Get_Database_Notes(char* buffer, int size) {
    char notes[DATABASE_NOTES_LENGTH + 1] = {};
    memcpy(notes, Universe.Header.Database_Notes, DATABASE_NOTES_LENGTH);
    safe_strncpy(buffer, notes, size);
}

void Set_Database_Notes(const char* text) {
    safe_strncpy(Universe.Header.Database_Notes, text, DATABASE_NOTES_LENGTH);
}

void Get_Skin_Name(char* buffer, int size) {
    char name[SKIN_NAME_LENGTH + 1] = {};
    memcpy(name, Universe.Header.Skin_Name, SKIN_NAME_LENGTH);
    safe_strncpy(buffer, name, size);
}

void Set_Skin_Name(const char* name) {
    safe_strncpy(Universe.Header.Skin_Name, name, SKIN_NAME_LENGTH);
}

namespace {
constexpr int UNIVERSE_FLAG_OFFSET = 1856;
static_assert(UNIVERSE_FLAG_OFFSET + 2 * SEASON_LINE_RECORDING_FLAG ==
              offsetof(UNIVERSE_HEADER, Season_Line_Recording));
static_assert(UNIVERSE_FLAG_OFFSET + 2 * ADVANCE_IN_PROGRESS_FLAG ==
              offsetof(UNIVERSE_HEADER, Advance_In_Progress));
static_assert(UNIVERSE_FLAG_OFFSET + 2 * NUMBER_OF_UNIVERSE_FLAGS == offsetof(UNIVERSE_HEADER, Draft_Talent));
} // namespace

int32_t Get_Universe_Flag(int32_t n) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_UNIVERSE_FLAGS) {
        Report_System_Error("Invalid Get_Universe_Flag(%d) call.", n);
        return 0;
    }
    int16_t value;
    memcpy(&value, Universe_Bytes() + UNIVERSE_FLAG_OFFSET + 2 * n, sizeof value);
    return value;
}

void Set_Universe_Flag(int32_t n, int32_t value) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_UNIVERSE_FLAGS) {
        Report_System_Error("Invalid Set_Universe_Flag(%d,%d) call.", n, value);
        return;
    }
    const int16_t stored = static_cast<int16_t>(value);
    memcpy(Universe_Bytes() + UNIVERSE_FLAG_OFFSET + 2 * n, &stored, sizeof stored);
}

int32_t Get_Current_View() {
    return Universe.User_Preferences.Ints[CURRENT_VIEW];
}
void Set_Current_View_Setting(int32_t view) {
    Universe.User_Preferences.Ints[CURRENT_VIEW] = view;
}
int32_t Get_Current_Week() {
    return Universe.User_Preferences.Ints[CURRENT_WEEK];
}
int32_t Get_Current_Season_Index() {
    return Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
}
int32_t Get_Replay_Mode() {
    return Universe.Header.Replay_Mode;
}

void Refresh_Active_Team_Count() {
    Active_Team_Count = Count_Active_Teams();
}

void Clear_All_Time_Leaders() {
    memset(Universe.Tail.All_Time_Leaders, 0, sizeof Universe.Tail.All_Time_Leaders);
}
