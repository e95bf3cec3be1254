#include "database/settings.h"

#include "app/diagnostics.h"
#include "database/universe.h"

int32_t Get_Short_User_Preference(int32_t n) {
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
