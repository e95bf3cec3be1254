#include "views/current_view.h"

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/status_bar.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_state.h"
#include "platform/windows.h"
#include "views/view_painting.h"

namespace {
constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t DRAFT_BOARD_VIEW = 40070;
constexpr int32_t GAMES_VIEW_SETTING = 35;
constexpr int32_t DRAFT_POOL_PLAYERS_FOR_DRAFT = 100;

void Repaint_Main_Window() {
    if (!Is_Window(Main_Window)) return;
    Invalidate_Window(Main_Window, nullptr);
    Update_Window(Main_Window);
}
} // namespace

void Set_Current_View(int32_t view) {
    Set_Current_View_Setting(view);
    Set_Help_Menu_Text(view);
    if (view == GAMES_VIEW) Set_User_Preference(GAMES_VIEW_SETTING, 0);
    if (view == DRAFT_BOARD_VIEW) {
        int32_t round = Get_User_Preference(DRAFT_BOARD_ROUND);
        if (round == 0) round = 1;
        if (Is_College_Draft_Running()) round = Get_User_Preference(DRAFT_ROUND) + 1;
        Set_User_Preference(DRAFT_BOARD_ROUND, round);
        Set_User_Preference(DRAFT_BOARD_YEAR, Get_Current_Year() +
                                                  (Count_Draft_Pool_Players() > DRAFT_POOL_PLAYERS_FOR_DRAFT ? 1 : 0));
    }
    Reinit_Window_Graphics();
    Repaint_Main_Window();
    Redock_Status_Bars();
    Last_Painted_View = -1;
    Repaint_Main_Window();
}
