// The save-changes prompt at Exit after a resume: the load's own repairs are
// no change of the user's, whatever they rewrite in the league.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/status_bars.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/find_players_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/saved_game_dialogs.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/trade_execution.h"
#include "platform/dialogs.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
constexpr int32_t USER = 4;
constexpr int32_t FINANCE_TICKET_PRICE = 0;

int32_t Prompts_Shown() {
    int32_t prompts = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == "Game Not Saved") ++prompts;
    return prompts;
}

void Save_Through_The_Dialog() {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "Prompt Test");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    ASSERT_TRUE(std::filesystem::exists("Prompt Test.kor"));
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
    // A receiver slowed below what his position starts with: a load keeps him as the game wrote him.
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Rating(USER, receiver, RATING_SPEED, 25.5f);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "Prompt Test");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    ASSERT_TRUE(std::filesystem::exists("Prompt Test.kor"));

    Resume_The_Saved_Game();
    EXPECT_EQ(Get_Player_Rating(USER, receiver, RATING_SPEED), 25.5f) << "the load kept the league as saved";
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
    Mark_Game_Saved();
    std::string changed;
    for (int32_t row = 0; row < Get_Dialog_Table_Size(); ++row) {
        const int32_t id = Get_Dialog_Table_Id(row);
        if (id == NEW_GAME_DIALOG || id == USER_MESSAGE_DIALOG) continue;
        Script_Dialog_Step([](WINDOW_HANDLE dialog) { End_Dialog(dialog, ID_CANCEL); });
        Do_Dialog(Main_Window, id, 0);
        Clear_Dialog_Steps();
        if (!Is_Game_Saved()) changed += "dialog " + std::to_string(id) + "\n";
        Mark_Game_Saved();
    }
    for (const int32_t view : {40030, 40032, 40034, 40036, 40037, 40069, 40070, 40074, 40086}) {
        Do_Main_Window_Command(Main_Window, view);
        Pump_Messages();
        if (!Is_Game_Saved()) changed += "view " + std::to_string(view) + "\n";
        Mark_Game_Saved();
    }
    EXPECT_EQ(changed, "");
}

// Changes outside the team records are changes too: a setting made in the
// Options dialog and a draft pick that changed hands leave every team record
// as it was, and Exit still asks. A save, or a resume of it, asks nothing.
TEST_F(SaveChangesPrompt, ExitAsksAfterASettingChangedAndNotAfterASave) {
    Save_Through_The_Dialog();
    Resume_The_Saved_Game();
    ASSERT_TRUE(Is_Game_Saved()) << "a fresh load with no change";
    const int32_t difficulty = Get_User_Preference(DIFFICULTY_LEVEL);
    Script_Dialog_Step([difficulty](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, OPTION_DIFFICULTY_COMBO, difficulty == 3 ? 2 : 3);
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, OPTIONS_DIALOG, 0), 1);
    ASSERT_NE(Get_User_Preference(DIFFICULTY_LEVEL), difficulty);
    EXPECT_EQ(Compute_Game_Checksum(), Get_Game_Checksum()) << "no team record changed";
    Script_Message_Answer("Game Not Saved", ID_BOX_CANCEL);
    EXPECT_FALSE(Close_Main_Window(Main_Window)) << "Cancel keeps the game";
    EXPECT_EQ(Prompts_Shown(), 1);

    Save_Through_The_Dialog();
    EXPECT_TRUE(Close_Main_Window(Main_Window)) << "nothing changed since the save";
    EXPECT_EQ(Prompts_Shown(), 1);
}

TEST_F(SaveChangesPrompt, ExitAsksAfterADraftPickWasTraded) {
    // Every team holds its own picks and drafts in slot order.
    for (auto& year : Universe.Draft_Pick_Owner)
        for (auto& round : year)
            for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
                round[team] = static_cast<int8_t>(team);
    for (int32_t position = 0; position < MAX_FRANCHISES; ++position)
        Universe.Draft_Order[position] = static_cast<int8_t>(position);
    // Rosters as a trade leaves them, and cash as the trade reads it (in
    // Owner Mode the books show what the teams hold).
    Set_User_Preference(OWNER_MODE, 1);
    Sort_Roster_By_Position(USER);
    Auto_Set_Team_Depth_Chart(USER + 1);
    Save_Through_The_Dialog();
    // The partner's second pick, for nothing: only the pick changes hands.
    const int32_t partner_pick = Get_First_Empty_Player_Slot(USER + 1) + 1;
    const std::vector<uint8_t> picks(&Universe.Draft_Pick_Owner[0][0][0],
                                     &Universe.Draft_Pick_Owner[0][0][0] + sizeof Universe.Draft_Pick_Owner);
    const TRADE_OFFER offer = Make_Trade_Offer(USER, USER + 1, {}, {partner_pick});
    ASSERT_EQ(Implement_Trade(&offer), 1);
    ASSERT_NE(memcmp(picks.data(), Universe.Draft_Pick_Owner, picks.size()), 0) << "picks changed hands";
    EXPECT_EQ(Compute_Game_Checksum(), Get_Game_Checksum()) << "no team record changed";
    Script_Message_Answer("Game Not Saved", ID_BOX_CANCEL);
    EXPECT_FALSE(Close_Main_Window(Main_Window));
    EXPECT_EQ(Prompts_Shown(), 1);

    // Yes saves through the Save dialog; after it nothing is left to ask.
    Script_Message_Answer("Game Not Saved", ID_BOX_YES);
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    EXPECT_TRUE(Close_Main_Window(Main_Window)) << "Yes saved the game, then Exit went on";
    EXPECT_EQ(Prompts_Shown(), 2);
    EXPECT_TRUE(Is_Game_Saved()) << "the save took in the traded picks";
}

// Moving the mouse is no change: the cursor it chooses and the play it points
// at on the game-day screen are written at every move and read only by the
// drawing, so neither Resume Game nor Exit asks after a move over a view.
TEST_F(SaveChangesPrompt, MovingTheMouseOverAViewLeavesAResumedGameSaved) {
    Set_User_Preference(HOVER_CURSOR, 0);
    Save_Through_The_Dialog();
    Resume_The_Saved_Game();
    ASSERT_TRUE(Is_Game_Saved()) << "a fresh load with no change";
    // Over the navigation buttons under the view, as the display reports a
    // move of the mouse.
    Fill_Screen_With_Main_Window();
    const auto move_over_the_view = [] {
        RECT_AREA client;
        Get_Client_Rect(Main_Window, &client);
        const int32_t view_height = client.Bottom - Get_Status_Bars_Height();
        int32_t x = 300 * client.Right / 768, y = 480 * view_height / 507;
        Client_To_Screen(Main_Window, &x, &y);
        Route_Mouse_Event(MSG_MOUSE_MOVE, x, y, 0);
        Pump_Messages();
    };
    move_over_the_view();
    ASSERT_EQ(Get_User_Preference(HOVER_CURSOR), 1) << "the move reached the main window";
    // The plays the pointer last passed over on the game-day screen.
    Set_User_Preference(PBP_OFFENSIVE_PLAY, 7);
    Set_User_Preference(PBP_DEFENSIVE_PLAY, 12);
    EXPECT_TRUE(Is_Game_Saved());
    Resume_The_Saved_Game();
    EXPECT_EQ(Prompts_Shown(), 0) << "Resume Game asked after a move of the mouse";
    move_over_the_view();
    ASSERT_EQ(Get_User_Preference(HOVER_CURSOR), 1);
    EXPECT_TRUE(Close_Main_Window(Main_Window));
    EXPECT_EQ(Prompts_Shown(), 0) << "Exit asked after a move of the mouse";
    EXPECT_FALSE(Is_Window(Main_Window));
}

// Opening Find Players is no change: the opening clears the mark of the first
// search's depth-chart pass (setting 18), which nothing but this comparison
// reads. A game saved after a search, resumed, and Find Players opened and
// closed: Exit asks nothing.
TEST_F(SaveChangesPrompt, OpeningFindPlayersAfterASaveLeavesTheGameSaved) {
    constexpr int32_t FIND_PLAYERS_COMMAND = 40056;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, FIND_BUTTON);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, FIND_PLAYERS_COMMAND));
    ASSERT_EQ(Get_User_Preference(FIND_DEPTH_CHARTS_SET), 1) << "the search's depth-chart pass ran";
    Save_Through_The_Dialog();
    Resume_The_Saved_Game();
    ASSERT_TRUE(Is_Game_Saved()) << "a fresh load with no change";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, FIND_PLAYERS_COMMAND));
    EXPECT_EQ(Get_User_Preference(FIND_DEPTH_CHARTS_SET), 0) << "the opening cleared the mark";
    EXPECT_TRUE(Close_Main_Window(Main_Window));
    EXPECT_EQ(Prompts_Shown(), 0) << "Exit asked after Find Players was opened";
    EXPECT_FALSE(Is_Window(Main_Window));
}
