#include "support/view_frame.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/bitmap_cache.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/png_file.h"
#include "platform/windows.h"
#include "support/installation_mirror.h"
#include "support/played_season.h"
#include "views/current_view.h"
#include "views/owner_hall_of_fame_file.h"

void ViewFrameTest::SetUp() {
    FrameTest::SetUp();
    Mirror_Installation_Folders({"skins", "logos"});
    // The menu bar, the view area and the status bar.
    Set_Null_Surface_Size(VIEW_PICTURE_WIDTH, MENU_BAR_HEIGHT + VIEW_PICTURE_HEIGHT + STATUS_BAR_HEIGHT);
}

void ViewFrameTest::TearDown() {
    FrameTest::TearDown();
    Remove_Installation_Mirrors();
    std::error_code error;
    std::filesystem::remove("played.kor", error);
}

void Open_Played_Season(int32_t games) {
    Build_Played_Season(games);
    const int32_t champion = Get_Played_Season_Champion();
    Set_Team_Stat(champion, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, champion);
    Set_User_Preference(VIEWED_TEAM, champion);
    Set_Skin_Name("earth");
    Open_League_In_Frame();
}

void Open_League_In_Frame() {
    Set_User_Preference(SHOW_NEWS_TICKER, 0);
    ASSERT_EQ(Save_Game("played.kor", nullptr), SAVE_OK);
    Init_Image_Caches();
    Ensure_Owner_Hall_Of_Fame_File();
    Start_Frame_Without_Loop();
    Fill_Screen_With_Main_Window();
    ASSERT_NE(Load_Game("played.kor"), 0);
    Create_Status_Bar();
    Clear_Shown_Messages();
}

const DRAWING_SURFACE& Paint_View_Picture(int32_t view) {
    Clear_Drawn_Texts();
    // The switch paints the view from scratch.
    Set_Current_View(view);
    Pump_Messages();
    return *Get_Back_Buffer_Surface();
}

void Keep_View_Picture(const DRAWING_SURFACE& picture, const std::string& name) {
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/" + name + ".png").c_str());
}

int32_t Count_Drawn_Texts(const std::string& text) {
    int32_t count = 0;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text).find(text) != std::string::npos) ++count;
    return count;
}
