#include "season/game_start.h"

#include "app/main_menu.h"
#include "app/main_window_dc.h"
#include "app/news_ticker.h"
#include "app/progress_window.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/rating_normalisation.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/inflation_factor.h"
#include "engine/playbook_records.h"
#include "frontoffice/league_finances.h"
#include "personnel/draft_pool.h"
#include "personnel/scouting.h"
#include "platform/message_queue.h"
#include "season/historic_reference.h"
#include "season/league_rules.h"
#include "season/new_universe.h"
#include "season/season_start.h"
#include "season/team_yearly_fields.h"
#include "tools/image_downloads.h"
#include "tools/payroll_balance.h"
#include "tools/ratings_rebuild.h"
#include "tools/young_player_ratings.h"

namespace {
// Seasons before this one are played from statistics that the ratings are
// rebuilt from; seasons before the second one paid no cap-era contracts.
constexpr int32_t FIRST_RATED_SEASON = 2022;
constexpr int32_t FIRST_BALANCED_CAP_SEASON = 2015;
} // namespace

void Set_All_Teams_Computer_Controlled() {
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, team < teams ? TEAM_CONTROL_COMPUTER : TEAM_CONTROL_EMPTY);
}

void Start_Game(int32_t copy_media) {
    const bool opened = copy_media != 0
                            ? Open_Progress_Window("Downloading Player Photos and Team Logos", 100) != 0
                            : Open_Progress_Window("Setting Up Database", 25) != 0;
    // A league with seasons behind it starts in the season it holds.
    Make_Current_Season_The_First();
    Set_Skin_Name("earth");
    Reset_Current_Season_Line_Links();
    Step_Progress(5);
    if (copy_media != 0) {
        Copy_All_Player_Photos();
        Copy_All_Team_Logos();
    }
    const int32_t year = Get_Current_Year();
    Store_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(year));
    Update_Inflation_Factor();
    Step_Progress(2);
    if (year < FIRST_RATED_SEASON) {
        Set_All_Ratings_From_Stats();
        Normalize_Player_Ratings();
    }
    Adjust_Young_Player_Ratings();
    Step_Progress(3);
    if (year < FIRST_BALANCED_CAP_SEASON)
        Balance_Team_Payrolls();
    else
        Step_Progress(10);
    Init_League_Finances();
    Step_Progress(2);
    Set_Historic_Title_Counts();
    Step_Progress(1);
    Clear_All_Play_Result_Data();
    Step_Progress(1);
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(PERFECT_SCOUTING, 0);
    Set_User_Preference(SOUNDS_ENABLED, 1);
    Rescale_Free_Agent_Pool();
    Step_Progress(1);
    if (opened) Close_Progress_Window();
    Create_College_Draft_Pool();

    Set_Last_Painted_View(-1);
    Redraw_Main_Window();
    Update_Play_Menu();
    Build_News_Ticker_Items();
    Take_News_Ticker_DC();
    Start_Ticker_Item_Scroll(News_Ticker_Window);

    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Start_Season(copy_media);
}
