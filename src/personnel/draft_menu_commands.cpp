#include "personnel/draft_menu_commands.h"

#include "app/play_menu.h"
#include "app/status_bar_windows.h"
#include "database/settings.h"
#include "personnel/college_draft_run.h"
#include "personnel/draft_input_files.h"
#include "personnel/draft_pool.h"
#include "tools/timestamp_log.h"

void Finish_Off_Season() {
    Log_Timestamp_Line("Off-Season Finished");
    Set_College_Draft_Order();
    Update_Play_Menu();
    if (Get_User_Preference(SHOW_NEWS_TICKER) != 0) Destroy_News_Ticker();
    Destroy_Status_Bar();
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Start_College_Draft_Report();
    Load_Draft_Strategy();
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}

void College_Draft_Menu_Command() {
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}
