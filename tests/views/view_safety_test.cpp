// The views over damaged settings and missing files: they paint without a box,
// index nothing out of range and report each missing file once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/drawing_services.h"
#include "app/status_bars.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/debug_log.h"
#include "support/view_frame.h"
#include "views/draft_board_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t VIEWS[] = {40030, 40032, 40034, 40036, 40037, 40069, 40070, 40074};

int32_t Count_Messages(const std::string& caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        count += message.Caption == caption ? 1 : 0;
    return count;
}
} // namespace

using ViewSafety = ViewFrameTest;

TEST_F(ViewSafety, DamagedSettingsAreReadWithinTheirTables) {
    Open_Played_Season(4);
    const std::pair<int32_t, int32_t> damaged[] = {
        {100, 9999}, {104, -7},  {105, 50},  {112, -1},   {113, 4000}, {116, -30}, {117, 77},
        {118, -1},   {119, 255}, {123, -20}, {24, 99},    {25, -4},    {38, 99},   {39, -5},
        {42, 7},     {28, 999},  {32, -3},   {176, 1000}, {201, 5},
    };
    for (const auto& [setting, value] : damaged)
        Set_User_Preference(setting, value);
    for (const int32_t view : VIEWS) {
        const DRAWING_SURFACE& picture = Paint_View_Picture(view);
        EXPECT_GT(Get_Drawn_Text_Count(), 0) << view;
        Keep_View_Picture(picture, "damaged_" + std::to_string(view));
    }
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

TEST_F(ViewSafety, AnUnreadableFameFileIsLoggedOnceAndDrawnGrey) {
    Open_Played_Season(4);
    std::filesystem::remove("KorFame.dat");
    { std::ofstream empty("KorFame.dat", std::ios::binary); }
    Clear_Debug_Log();
    Paint_View_Picture(40037);
    bool grey = false;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text) == "0-0" && Get_Drawn_Text(i)->Colour == 0xAAAAAA)
            grey = true;
    EXPECT_TRUE(grey) << "empty grey rows";
    Paint_View_Picture(40030);
    Paint_View_Picture(40037);
    EXPECT_EQ(Count_Debug_Lines("Could not open \"KorFame.dat\" for reading."), 1);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "a painter opens no box";
    std::filesystem::remove("KorFame.dat");
}

TEST_F(ViewSafety, AMissingBottomBarIsReportedOnce) {
    Open_Played_Season(4);
    std::filesystem::remove_all("skins");
    Clear_Debug_Log();
    for (int32_t k = 0; k < 3; ++k) {
        Repaint_Status_Bar();
        Pump_Messages();
    }
    EXPECT_EQ(Count_Debug_Lines("Missing File: skins\\earth\\news\\bottombarleft.png"), 1);
}

TEST_F(ViewSafety, TheBoardEndsADraftWithAnEmptyPoolOnce) {
    Open_Played_Season(4);
    for (int32_t team = 38; team <= 40; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, 0);
    ASSERT_EQ(Count_Draft_Pool_Players(), 0);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_BOARD_ROUND, 3);
    Paint_View_Picture(40070);
    // The draft is found running with nothing left to pick while the board shows.
    Set_User_Preference(DRAFT_ROUND, 2);
    Clear_Shown_Messages();
    // The pointer comes back over the line while the message is up.
    Script_Action([](void*) { Is_Draft_Board_Hot_Spot(30, 100); }, nullptr);
    EXPECT_EQ(Is_Draft_Board_Hot_Spot(30, 80), 0);
    EXPECT_EQ(Is_Draft_Board_Hot_Spot(30, 100), 0);
    Do_Draft_Board_Click(30, 80);
    EXPECT_EQ(Count_Messages("College Draft"), 1) << "the draft ends once";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
}
