#include "dialogs/session_settings.h"

#include "database/league_structure.h"
#include "database/settings.h"

namespace {
constexpr int FIRST_COLUMN_SET_SETTING = 242;
constexpr int LAST_SETTING = 359;
constexpr int NO_COLUMN = -1;
} // namespace

// Only the entries whose defaults are plain are reset; the other view state
// stays as saved.
void Reset_Game_Session_Settings() {
    Set_Skin_Name("earth");
    Set_User_Preference(WAITING_FOR_CLICK, 0);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
    Set_User_Preference(SIM_TO_QUARTER, 0);
}

// Every column set is emptied, so each player list starts from its own
// default columns.
void Reset_Listview_Column_Sets() {
    for (int n = FIRST_COLUMN_SET_SETTING; n <= LAST_SETTING; ++n)
        Set_User_Preference(n, NO_COLUMN);
}
