#include "views/games_view_commands.h"

#include "database/settings.h"
#include "views/play_calling.h"

namespace {
constexpr int32_t FIRST_PLAY_KEY = 40116;  // "1" .. "9", then "0"
constexpr int32_t FIRST_GROUP_KEY = 40126; // "A" .. "F"
} // namespace

int32_t Do_Games_View_Command(int32_t command) {
    if (command >= FIRST_GROUP_KEY && command < FIRST_GROUP_KEY + OFFENSIVE_PLAY_GROUPS)
        return Choose_Play_Group(command - FIRST_GROUP_KEY) ? 1 : 0;
    if (command >= FIRST_PLAY_KEY && command < FIRST_PLAY_KEY + PLAY_BUTTONS)
        return Choose_Play_Button(command - FIRST_PLAY_KEY) ? 1 : 0;
    // Enter and Space end the wait for a click after a play.
    if (Get_User_Preference(WAITING_FOR_CLICK) == 0) return 0;
    Set_User_Preference(WAITING_FOR_CLICK, 0);
    return 1;
}
