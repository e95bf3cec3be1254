#include "personnel/draft_commands.h"

#include "app/main_menu.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"

void End_College_Draft_Command() {
    if (Show_Message_Box(
            "Ending the Draft will cause the computer to make all remaining draft picks. Are you sure?",
            "End College Draft?", BOX_YES_NO | BOX_TASK_MODAL) != ID_BOX_YES)
        return;
    // Human teams' picks are made by the computer too.
    while (Get_User_Preference(DRAFT_ROUND) < NO_COLLEGE_DRAFT_ROUND && Count_Draft_Pool_Players() > 0)
        Make_Current_Draft_Pick();
    if (Get_User_Preference(DRAFT_ROUND) < NO_COLLEGE_DRAFT_ROUND) Close_College_Draft(1);
    Update_Play_Menu();
}
