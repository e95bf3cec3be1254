#include "views/current_view.h"

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_state.h"
#include "platform/windows.h"
#include "views/champions_view.h"

namespace {
constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t CHAMPIONS_VIEW = 40074;
constexpr int32_t DRAFT_BOARD_VIEW = 40070;
constexpr int32_t GAMES_VIEW_SETTING = 35;
constexpr int32_t DRAFT_POOL_PLAYERS_FOR_DRAFT = 100;
} // namespace

void Set_Current_View(int32_t view) {
    Set_Current_View_Setting(view);
    Set_Help_Menu_Text(view);
    if (view == CHAMPIONS_VIEW) Play_Champions_Celebration();
    if (view == GAMES_VIEW) Set_User_Preference(GAMES_VIEW_SETTING, 0);
    if (view == DRAFT_BOARD_VIEW) {
        int32_t round = Get_User_Preference(DRAFT_BOARD_ROUND);
        if (round == 0) round = 1;
        if (Is_College_Draft_Running()) round = Get_User_Preference(DRAFT_ROUND) + 1;
        Set_User_Preference(DRAFT_BOARD_ROUND, round);
        Set_User_Preference(DRAFT_BOARD_YEAR,
                            Get_Current_Year() +
                                (Count_Draft_Pool_Players() > DRAFT_POOL_PLAYERS_FOR_DRAFT ? 1 : 0));
    }
    Fit_Back_Buffer_To_View();
    Repaint_Window(Main_Window);
    Redock_Status_Bars();
    Set_Last_Painted_View(-1);
    Repaint_Window(Main_Window);
}

bool Is_News_View_Id(int32_t view) {
    switch (view) {
    case 40030:
    case 40032:
    case 40034:
    case 40036:
    case 40037:
    case 40069:
    case 40070:
    case 40074:
    case 40086:
        return true;
    default:
        return false;
    }
}

bool Is_News_View() {
    return Is_News_View_Id(Get_Current_View());
}
