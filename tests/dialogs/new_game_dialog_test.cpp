#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/fantasy_draft_dialogs.h"
#include "dialogs/new_game_dialog.h"
#include "dialogs/save_prompts.h"
#include "dialogs/saved_game_dialogs.h"
#include "personnel/fantasy_draft.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
constexpr int32_t SEASON_2022_LINE = 2022 - 1951;
constexpr int32_t PAYROLL_TEAM = 0;
constexpr int32_t RENAMED_TEAM = 5;
constexpr int32_t SMALL_ROSTER_TEAM = 31;
constexpr int32_t PAYROLL = 89;
// Players > Free Agents.
constexpr int32_t FREE_AGENTS_COMMAND = 40038;

// Team 0's contracts sum to a payroll of 208,200 thousand dollars.
void Set_Payroll_Of_208_2_Million() {
    for (int32_t pass = 0; pass < 4; ++pass) {
        const int32_t missing = 208200 - Get_Team_Financial_Stat(PAYROLL_TEAM, PAYROLL);
        if (missing == 0) return;
        Set_Player_Vital_Stat(PAYROLL_TEAM, 0, VITAL_SALARY,
                              Get_Player_Vital_Stat(PAYROLL_TEAM, 0, VITAL_SALARY) + missing);
    }
}

// The league files of three seasons, saved once from the test league into
// the test's folder: 2022 with a payroll of 208.2 million and a franchise of
// three players; 1985 as built; 1990 with franchise 5 under another nickname.
void Make_Season_Files() {
    static bool made = false;
    if (made) return;
    made = true;
    std::filesystem::create_directories("databases");
    for (const int32_t year : {2022, 1985, 1990}) {
        Build_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = year;
        // Every franchise its own nickname, which a season change looks for.
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
            char location[TEAM_STRING_LENGTH];
            Get_Team_String(location, team, 1);
            Set_Team_String((std::string(location) + "s").c_str(), team, 2);
        }
        if (year == 2022) {
            Set_Payroll_Of_208_2_Million();
            for (int32_t slot = 3; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(SMALL_ROSTER_TEAM, slot)) Clear_Player(SMALL_ROSTER_TEAM, slot);
        }
        if (year == 1990) Set_Team_String("Comets", RENAMED_TEAM, 2);
        Set_Game_Checksum(Compute_Game_Checksum());
        ASSERT_EQ(Save_Game(("databases/universe-" + std::to_string(year) + ".dat").c_str(), nullptr),
                  SAVE_OK);
    }
}

std::vector<char> Read_File(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class NewGameDialog : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Make_Season_Files();
        Clear_Universe();
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().extension() == ".kor") std::filesystem::remove(entry.path());
        FrameTest::TearDown();
    }
};

bool Was_Message_Shown(const std::string& caption) {
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) return true;
    return false;
}
} // namespace

TEST_F(NewGameDialog, SeasonsFranchisesFiguresAndReplayModeFollowTheChoices) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO), SEASON_2022_LINE);
        EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 2022) << "opening loads 2022";
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO), 0);
        EXPECT_EQ(Count_Dialog_Lines(dialog, NEW_GAME_TEAM_COMBO), TEST_LEAGUE_TEAMS);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, NEW_GAME_DIFFICULTY_COMBO,
                                       Get_Dialog_Line(dialog, NEW_GAME_DIFFICULTY_COMBO)),
                  "Fan");
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_REPLAY_BOX));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, NEW_GAME_FACT_LINES[5]), "Player Payroll: $208.2 Million");
        Keep_Dialog_Picture(dialog, "new_game");

        // A franchise of the same nickname stays chosen; Replay Mode follows
        // the move into history and back.
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, RENAMED_TEAM);
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, 1985 - 1951);
        EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1985);
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO), RENAMED_TEAM);
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_REPLAY_BOX)) << "2022 -> 1985";
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, 1990 - 1951);
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO), 0) << "no franchise of that nickname";
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_REPLAY_BOX)) << "1985 -> 1990";
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, SEASON_2022_LINE);
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_REPLAY_BOX)) << "1990 -> 2022";

        // A season without a league file leaves the league and the list as they were.
        Clear_Shown_Messages();
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, 1999 - 1951);
        EXPECT_TRUE(Was_Message_Shown("Read Error"));
        EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 2022);
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO), SEASON_2022_LINE);
        EXPECT_EQ(Count_Dialog_Lines(dialog, NEW_GAME_TEAM_COMBO), TEST_LEAGUE_TEAMS);

        Click_Dialog_Button(dialog, NEW_GAME_FICTIONAL_BOX);
        Click_Dialog_Button(dialog, NEW_GAME_SHUFFLE_BOX);
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_SHUFFLE_BOX));
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, NEW_GAME_FICTIONAL_BOX)) << "shuffle clears fictional";

        // A franchise of three players fills three lines; the others are emptied.
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, SMALL_ROSTER_TEAM);
        EXPECT_FALSE(Get_Dialog_Item_Text(dialog, NEW_GAME_NOTABLE_LINES[0]).empty());
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, NEW_GAME_NOTABLE_LINES[3]), "");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, NEW_GAME_NOTABLE_LINES[4]), "");

        // Play without a franchise is refused and the dialog stays open.
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, -1);
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
        EXPECT_TRUE(Was_Message_Shown("New Game"));
        EXPECT_EQ(Get_Innermost_Dialog(), dialog);
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, 1985 - 1951);

        // The procedure answers 1 for a list's change of selection and 0 for
        // the list's other notices, the option boxes and the cancel command
        // (Escape or the close box: the dialog has no Cancel button), which
        // still ends the dialog.
        const auto answer = [dialog](int32_t id, uint32_t notification) {
            return New_Game_Dialog_Proc(dialog, MSG_COMMAND, Pack_Command(id, notification), 0);
        };
        EXPECT_EQ(answer(NEW_GAME_TEAM_COMBO, NOTIFY_COMBO_SELECTION_CHANGE), 1);
        EXPECT_EQ(answer(NEW_GAME_TEAM_COMBO, NOTIFY_COMBO_DROP_DOWN), 0);
        EXPECT_EQ(answer(NEW_GAME_SEASON_COMBO, NOTIFY_COMBO_CLOSE_UP), 0);
        EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1985) << "only a change of selection loads a season";
        EXPECT_EQ(answer(NEW_GAME_EQUALIZE_BOX, NOTIFY_BUTTON_CLICKED), 0);
        EXPECT_EQ(Get_Dialog_Item(dialog, ID_CANCEL), NO_WINDOW);
        EXPECT_EQ(answer(ID_CANCEL, NOTIFY_BUTTON_CLICKED), 0);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), ID_CANCEL);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1985) << "a cancelled dialog keeps the season it loaded";
    EXPECT_EQ(Count_Human_Teams(), 0) << "and starts nothing";
    EXPECT_EQ(Count_Scripted_Input(), 0);
}

TEST_F(NewGameDialog, PlayStartsSeasonZeroAndTheGameSavesAndResumesWhole) {
    // The owner of the game before had a longer name.
    Ensure_Owner_Hall_Of_Fame_File();
    Store_User_Name_In_Fame_File("A Former Owner Of Long Name");
    std::vector<uint8_t> before(OWNER_HALL_OF_FAME_SIZE);
    ASSERT_EQ(Read_Owner_Hall_Of_Fame_File(before.data()), 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, 9);
        Type_Dialog_Text(dialog, NEW_GAME_NAME_EDIT, "Owner Nine");
        Choose_Dialog_Line(dialog, NEW_GAME_DIFFICULTY_COMBO, 2);
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Count_Human_Teams(), 1);
    EXPECT_EQ(Get_Team_Stat(9, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), 9);
    EXPECT_EQ(Get_User_Preference(DIFFICULTY_LEVEL), 2);
    char owner[TEAM_STRING_LENGTH];
    Get_Team_String(owner, 9, 5);
    EXPECT_STREQ(owner, "Owner Nine");
    // The owner file holds the new name over the old one: the name and its
    // end, the rest of the field as it was.
    std::vector<uint8_t> fame(OWNER_HALL_OF_FAME_SIZE);
    ASSERT_EQ(Read_Owner_Hall_Of_Fame_File(fame.data()), 1);
    const char* stored = reinterpret_cast<const char*>(fame.data() + OWNER_NAME_OFFSET);
    EXPECT_STREQ(stored, "Owner Nine");
    const size_t kept = sizeof "Owner Nine";
    EXPECT_EQ(std::memcmp(stored + kept, before.data() + OWNER_NAME_OFFSET + kept, OWNER_NAME_LENGTH - kept),
              0)
        << "the field after the name keeps its bytes";
    EXPECT_TRUE(Status_Bar_Exists());
    char team_name[64];
    Get_Team_Full_Name(9, team_name);
    const std::string name = std::string(team_name) + " (2022)";
    EXPECT_EQ(std::string(Universe.Header.Saved_Game_Name), name) << "the default name";

    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SAVE_NAME_EDIT), name);
        Keep_Dialog_Picture(dialog, "save_game");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Save_Game(Main_Window), 1);
    EXPECT_TRUE(std::filesystem::exists(name + ".kor"));
    EXPECT_EQ(Check_Save_Changes(Main_Window), 1) << "nothing changed since the save";
    const std::vector<uint8_t> saved(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);

    Clear_Universe();
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, SAVED_GAME_LIST, Get_Dialog_Line(dialog, SAVED_GAME_LIST)),
                  name);
        Keep_Dialog_Picture(dialog, "resume_game");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(saved.data(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the block comes back whole";
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));
}

TEST_F(NewGameDialog, FailedSaveKeepsExitFromClosingAndLeavesTheOldFileWhole) {
    Build_Test_League();
    Set_Saved_Game_Name("Old Game");
    ASSERT_EQ(Save_Game("Old Game.kor", nullptr), SAVE_OK);
    const std::vector<char> old_file = Read_File("Old Game.kor");
    Set_Team_Stat(3, 9, 4);
    ASSERT_NE(Compute_Game_Checksum(), Get_Game_Checksum()) << "an unsaved change";
    // A folder where the new file must be written makes the save fail.
    std::filesystem::create_directories("Old Game.kor.tmp/held");

    Script_Message_Answer("Game Not Saved", ID_BOX_YES);
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    EXPECT_FALSE(Close_Main_Window(Main_Window)) << "Exit -> Yes -> the save fails -> no exit";
    EXPECT_TRUE(Is_Window(Main_Window));
    EXPECT_TRUE(Was_Message_Shown("File Open Error"));
    EXPECT_EQ(Read_File("Old Game.kor"), old_file) << "the old file is whole";
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Old Game");
    EXPECT_NE(Compute_Game_Checksum(), Get_Game_Checksum()) << "still unsaved";

    // A save that fails under a new name (a folder has it): the name goes
    // back to the old one, and the folder is named as the cause.
    std::filesystem::create_directories("Taken.kor/held");
    Clear_Shown_Messages();
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "Taken");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Save_Game(Main_Window), 0);
    EXPECT_TRUE(Was_Message_Shown("File Open Error"));
    EXPECT_FALSE(Was_Message_Shown("File Write Error")) << "nothing was written, no disk was full";
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Old Game");
    std::filesystem::remove_all("Old Game.kor.tmp");
    std::filesystem::remove_all("Taken.kor");
}

TEST_F(NewGameDialog, TypedNamesMustBePlainAndTheTextStays) {
    Build_Test_League();
    Set_Saved_Game_Name("Kept");
    const std::string long_name(256, 'x');
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        for (const std::string& typed : {std::string("../x"), std::string("a/b"), std::string(""),
                                         std::string("tab\there"), long_name}) {
            Clear_Shown_Messages();
            Type_Dialog_Text(dialog, SAVE_NAME_EDIT, typed);
            Click_Dialog_Button(dialog, ID_OK);
            EXPECT_TRUE(Was_Message_Shown("Save Game")) << "refused: " << typed;
            EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "still open for " << typed;
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, SAVE_NAME_EDIT), typed) << "the text stays";
        }
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Save_Game(Main_Window), 0);
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Kept");
    // Other tests may write saved games of their own into the folder at the
    // same time, so only the refused names themselves are looked for.
    for (const std::string& file : {std::string("../x.kor"), std::string("a/b.kor"), std::string(".kor"),
                                    std::string("tab\there.kor"), long_name + ".kor"}) {
        std::error_code error; // the 256-character name is too long to look up at all
        EXPECT_FALSE(std::filesystem::exists(file, error)) << file;
    }
    EXPECT_FALSE(std::filesystem::exists("a")) << "no folder was made for a/b";
}

// The user leaves the dialog each time without playing: with Escape, then
// with the close box.
TEST_F(NewGameDialog, TheOwnerNameComesFromTheOwnerFileAndAMissingFileIsReported) {
    // The file the start-up makes offers the name last entered.
    Ensure_Owner_Hall_Of_Fame_File();
    Store_User_Name_In_Fame_File("Owner Nine");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, NEW_GAME_NAME_EDIT), "Owner Nine");
        Script_Key_Press(KEY_ESCAPE, 0);
    });
    Clear_Shown_Messages();
    EXPECT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), ID_CANCEL);
    EXPECT_FALSE(Was_Message_Shown("File Error"));

    // With the file gone since, the user is told and the name box is empty.
    std::remove("KorFame.dat");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, NEW_GAME_NAME_EDIT), "");
        Script_Close_Request();
    });
    Clear_Shown_Messages();
    EXPECT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), ID_CANCEL);
    ASSERT_TRUE(Was_Message_Shown("File Error"));
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind("Could not open \"KorFame.dat\" for reading.\n\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists("KorFame.dat")) << "reading makes no file";
}

// A new game with the fantasy draft: the new game took the bars down, the
// season's start painted the standings over the whole window and the bars
// came back under them. While Start Fantasy Draft is open the window shows
// the view as painted above the bars, its navigation buttons clear of them.
TEST_F(NewGameDialog, TheFantasyDraftQuestionFindsTheViewRepaintedAboveTheBars) {
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, 9);
        Click_Dialog_Button(dialog, NEW_GAME_FANTASY_BOX);
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
    });
    bool asked = false;
    Script_Dialog_Step([&asked](WINDOW_HANDLE dialog) {
        asked = Get_Dialog_Template_Id(dialog) == START_FANTASY_DRAFT_DIALOG;
        EXPECT_EQ(Status_Bar_Exists(), 1);
        EXPECT_EQ(Count_Stale_View_Rows(), 0)
            << "rows of the window that do not show the view as painted now";
        RECT_AREA client;
        Get_Client_Rect(Main_Window, &client);
        EXPECT_EQ(Get_Back_Buffer_Surface()->Height, client.Bottom - STATUS_BAR_HEIGHT - NEWS_TICKER_HEIGHT);
        Keep_Dialog_Picture(Main_Window, "new_game_fantasy_draft_question");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), 1);
    EXPECT_TRUE(asked);
}

// New Game leaves a league in the first week of its first season without
// asking only while it holds nothing the user did: right after a New Game
// (and a look at a page), the next one opens its dialog at once. Once a fantasy draft was made
// there, it asks first, as Exit asks: Cancel keeps the drafted league and
// opens nothing, No goes on to the dialog.
TEST_F(NewGameDialog, NewGameAsksFirstOnceAWeekZeroLeagueWasDrafted) {
    std::filesystem::create_directories("Output");
    auto play_team_9 = [](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, NEW_GAME_TEAM_COMBO, 9);
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
    };
    // The first game, from the welcome screen.
    Script_Dialog_Step(play_team_9);
    ASSERT_EQ(Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0), 1);
    int32_t opened = 0;
    auto count_and_play = [&](WINDOW_HANDLE dialog) {
        if (Get_Dialog_Template_Id(dialog) == NEW_GAME_DIALOG) ++opened;
        play_team_9(dialog);
    };
    // Looking is no change: the Free Agents list refreshes the pool's
    // demands and order as it opens.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { End_Dialog(dialog, ID_CANCEL); });
    Send_Window_Message(Main_Window, MSG_COMMAND, FREE_AGENTS_COMMAND, 0);
    Clear_Dialog_Steps();
    Clear_Shown_Messages();
    Script_Dialog_Step(count_and_play);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_NEW_GAME, 0);
    EXPECT_EQ(opened, 1) << "New Game right after New Game and a look at the free agents";
    EXPECT_FALSE(Was_Message_Shown("Game Not Saved"));
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);

    // Tools > Fantasy Draft: the computer picks up to the user's turn, then
    // End Fantasy Draft has it make the rest.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    for (int32_t step = 0; step < 10000 && Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE; ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft was carried out";
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    ASSERT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 0);
    const std::vector<uint8_t> drafted(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);

    Clear_Shown_Messages();
    opened = 0;
    Script_Message_Answer("Game Not Saved", ID_BOX_CANCEL);
    Script_Dialog_Step(count_and_play);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_NEW_GAME, 0);
    EXPECT_TRUE(Was_Message_Shown("Game Not Saved")) << "the drafted league is asked about";
    EXPECT_EQ(opened, 0) << "Cancel keeps the league";
    EXPECT_EQ(std::memcmp(drafted.data(), Universe_Bytes(), UNIVERSE_SIZE), 0);
    Clear_Dialog_Steps();

    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Script_Dialog_Step(count_and_play);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_NEW_GAME, 0);
    EXPECT_EQ(opened, 1) << "No goes on to the dialog";
}
