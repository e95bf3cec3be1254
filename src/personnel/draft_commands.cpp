#include "personnel/draft_commands.h"

#include "app/main_menu.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
constexpr int32_t NO_DRAFT_ROUND = 7;
} // namespace

void End_College_Draft_Command() {
    Set_User_Preference(DRAFT_ROUND, NO_DRAFT_ROUND);
    Set_User_Preference(DRAFT_PICK, 0);
    Update_Play_Menu();
}
