#include "database/league_derived_state.h"

#include "database/season_lines.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "personnel/player_generation.h"
#include "personnel/player_names.h"

void Reset_League_Derived_State() {
    Reset_Season_Line_Hint();
    Clear_Name_Buffers();
    Forget_Exhausted_Positions();
    Forget_Kept_Game_State();
    Forget_Playbook_Readings();
}
