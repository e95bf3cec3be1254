// The save-changes prompt at Exit after a resume: the load's own repairs are
// no change of the user's, whatever they rewrite in the league.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/saved_game_dialogs.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t USER = 4;
constexpr int32_t FINANCE_TICKET_PRICE = 0;

int32_t Prompts_Shown() {
    int32_t prompts = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == "Game Not Saved") ++prompts;
    return prompts;
}

void Resume_The_Saved_Game() {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_RESUME_GAME));
}

class SaveChangesPrompt : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_User_Preference(USER_TEAM, USER);
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        std::filesystem::remove("Prompt Test.kor");
        FrameTest::TearDown();
    }
};
} // namespace

TEST_F(SaveChangesPrompt, ExitAfterAResumeAsksOnlyOnceTheUserChangedSomething) {
    // A receiver too slow for his position: every load raises his speed.
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Rating(USER, receiver, RATING_SPEED, 25.5f);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "Prompt Test");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    ASSERT_TRUE(std::filesystem::exists("Prompt Test.kor"));

    Resume_The_Saved_Game();
    EXPECT_EQ(Get_Player_Rating(USER, receiver, RATING_SPEED), 65.0f) << "the load repaired the league";
    // A change of the user's after the resume is caught; Cancel keeps the game.
    Set_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE,
                            Get_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE) + 100);
    Script_Message_Answer("Game Not Saved", ID_BOX_CANCEL);
    EXPECT_FALSE(Close_Main_Window(Main_Window));
    EXPECT_EQ(Prompts_Shown(), 1);

    // Resumed again without saving: the repairs alone do not ask.
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Resume_The_Saved_Game();
    EXPECT_EQ(Prompts_Shown(), 2) << "Resume Game asked about the change first";
    EXPECT_TRUE(Close_Main_Window(Main_Window));
    EXPECT_EQ(Prompts_Shown(), 2) << "nothing changed since the resume";
    EXPECT_FALSE(Is_Window(Main_Window));
}

// Looking is no change: every page opened and closed again over a saved game
// of the installed league (its scouting reports, lists, trade screens and
// editors work out and keep figures as they open) leaves it saved. New Game
// is left out: it loads the season it offers.
TEST_F(SaveChangesPrompt, OpeningAndClosingAnyPageLeavesASavedGameSaved) {
    ASSERT_NE(Load_Game((std::string(KORVA_DATA_DIR) + "/Databases/universe-2022.dat").c_str()), 0);
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, USER);
    Set_User_Preference(VIEWED_TEAM, USER);
    // The report opens on a free agent, whose forty time no page has worked out yet.
    Set_User_Preference(SELECTED_PLAYER_TEAM, FREE_AGENT_TEAM);
    Set_User_Preference(SELECTED_PLAYER_SLOT, 0);
    Set_Game_Checksum(Compute_Game_Checksum());
    std::string changed;
    for (int32_t row = 0; row < Get_Dialog_Table_Size(); ++row) {
        const int32_t id = Get_Dialog_Table_Id(row);
        if (id == NEW_GAME_DIALOG || id == USER_MESSAGE_DIALOG) continue;
        Script_Dialog_Step([](WINDOW_HANDLE dialog) { End_Dialog(dialog, ID_CANCEL); });
        Do_Dialog(Main_Window, id, 0);
        Clear_Dialog_Steps();
        if (!Is_Game_Saved()) changed += "dialog " + std::to_string(id) + "\n";
        Set_Game_Checksum(Compute_Game_Checksum());
    }
    for (const int32_t view : {40030, 40032, 40034, 40036, 40037, 40069, 40070, 40074, 40086}) {
        Do_Main_Window_Command(Main_Window, view);
        Pump_Messages();
        if (!Is_Game_Saved()) changed += "view " + std::to_string(view) + "\n";
        Set_Game_Checksum(Compute_Game_Checksum());
    }
    EXPECT_EQ(changed, "");
}
