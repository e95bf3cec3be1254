#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_title.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/saved_game_dialogs.h"
#include "dialogs/saved_game_names.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
std::string Default_Name() {
    char name[DEFAULT_SAVE_NAME_SIZE];
    Get_Default_Save_Name(name, sizeof name);
    return name;
}

void Touch(const std::string& name) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("x", file);
    std::fclose(file);
}

class SavedGameNames : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Clear_Dialog_Steps();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().extension() == ".kor") std::filesystem::remove(entry.path());
        FrameTest::TearDown();
    }
};
} // namespace

TEST_F(SavedGameNames, DefaultNamesFollowTheHumanTeamsAndTheSeasons) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 2019;
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Set_Team_Stat(4, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(9, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Default_Name(), "32 teams - 2 players (2021)");

    Set_Team_Stat(4, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_User_Preference(USER_TEAM, 9);
    Set_Team_String("Twin/Back\\Slash", 9, 1);
    Set_Team_String("Dots..", 9, 2);
    EXPECT_EQ(Default_Name(), "TwinBackSlash Dots.. (2019-2021)")
        << "the team's name loses its separators and keeps its dots";
    EXPECT_EQ(Check_Saved_Game_Name(Default_Name().c_str()), SAVED_GAME_NAME_OK);

    // A name that is an earlier season's default follows the seasons; a name
    // of the user's own stays.
    Set_Saved_Game_Name("twinbackslash dots.. (2019-2020)");
    Update_Default_Save_Name();
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "TwinBackSlash Dots.. (2019-2021)");
    Set_Saved_Game_Name("My League");
    Update_Default_Save_Name();
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "My League");
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_Saved_Game_Name("TwinBackSlash Dots. (2018)");
    Update_Default_Save_Name();
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "TwinBackSlash Dots. (2018)")
        << "the first season keeps it";

    EXPECT_EQ(Check_Saved_Game_Name(""), SAVED_GAME_NAME_EMPTY);
    EXPECT_EQ(Check_Saved_Game_Name("../x"), SAVED_GAME_NAME_NOT_PLAIN);
    EXPECT_EQ(Check_Saved_Game_Name("a\\b"), SAVED_GAME_NAME_NOT_PLAIN);
    for (const char* dotted : {"my..league", "..", "...", "League.."})
        EXPECT_EQ(Check_Saved_Game_Name(dotted), SAVED_GAME_NAME_OK)
            << dotted << " names a file of the folder";
    EXPECT_EQ(Check_Saved_Game_Name("line\nbreak"), SAVED_GAME_NAME_CONTROL_CHARACTER);
    EXPECT_EQ(Check_Saved_Game_Name(std::string(255, 'a').c_str()), SAVED_GAME_NAME_TOO_LONG)
        << "with \".kor.tmp\" too long for a file's name";
    EXPECT_EQ(Check_Saved_Game_Name(std::string(256, 'a').c_str()), SAVED_GAME_NAME_TOO_LONG);
    EXPECT_EQ(Check_Saved_Game_Name(std::string(247, 'a').c_str()), SAVED_GAME_NAME_OK);
    EXPECT_EQ(Check_Saved_Game_Name(std::string(248, 'a').c_str()), SAVED_GAME_NAME_TOO_LONG);
    EXPECT_EQ(Check_Saved_Game_Name(std::string(124, '\xE9').c_str()), SAVED_GAME_NAME_TOO_LONG)
        << "248 bytes in the file's name";
}

// The Save dialog takes the longest name whose file the folder can hold, as
// written through its temporary file, and tells the user of a longer one.
TEST_F(SavedGameNames, TheSaveDialogTakesTheLongestNameItsFilesCanHave) {
    Start_Frame_Without_Loop();
    // The limit is the file's name in bytes: "\xE9" (é) is spelled in two
    // of them and "\x80" (€) in three, so 123 of the one or 82 of the other
    // and an "n" are the longest such names.
    const std::string longest_accented = std::string(123, '\xE9') + "n";
    const std::string longest_euros = std::string(82, '\x80') + "n";
    const std::string names[] = {std::string(252, 'n'),        std::string(248, 'n'),
                                 std::string(124, '\xE9'),      std::string(83, '\x80'),
                                 std::string(247, 'n'),         longest_accented,
                                 longest_euros};
    for (const std::string& name : names) {
        const std::string file = File_Name_From_Text(name) + ".kor";
        const bool too_long = file.size() > 247 + 4;
        SCOPED_TRACE(file);
        Clear_Shown_Messages();
        Script_Dialog_Step([&name](WINDOW_HANDLE dialog) {
            Type_Dialog_Text(dialog, SAVE_NAME_EDIT, name);
            Click_Dialog_Button(dialog, ID_OK);
        });
        if (too_long) {
            // Told, the dialog stays for the user to mend the name; Cancel closes it.
            Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
            Do_Main_Window_Command(Main_Window, ID_SAVE_GAME);
            ASSERT_EQ(Get_Shown_Messages().size(), 1u);
            EXPECT_EQ(Get_Shown_Messages()[0].Text,
                      "A saved game's name can be at most 247 characters long, and a letter such as \xE9 or "
                      "\x80 counts as two or three.\n\nPlease choose a shorter name.");
            std::error_code error;
            EXPECT_FALSE(std::filesystem::exists(file, error));
        } else {
            EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
            EXPECT_TRUE(Get_Shown_Messages().empty());
            EXPECT_TRUE(std::filesystem::exists(file));
            EXPECT_STREQ(Universe.Header.Saved_Game_Name, name.c_str());
        }
    }
}

// A league founded in 2020, through its first season, the playoffs, the
// off-season after it and the next season, as the Save dialog offers the
// name: the first year and the current one, the current one counted from
// the off-season on, as the window's title counts it.
TEST_F(SavedGameNames, TheSaveDialogNamesTheLeaguesFirstAndCurrentYears) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    Universe.Season_Length = 17;
    const int32_t playoff_days[5] = {18, 19, 20, 22, 22};
    for (int32_t i = 0; i < 5; ++i)
        Universe.Post_Season_Days[i] = playoff_days[i];
    Set_Team_Stat(7, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, 7);
    char team[64];
    Get_Team_Full_Name(7, team);
    Start_Frame_Without_Loop();
    struct PHASE {
        int32_t Season_Index;
        int32_t Week;
        const char* Years;
        const char* Title;
    };
    const PHASE phases[] = {{0, 5, "2020", "2020, Week 6"},
                            {0, 18, "2020", "2020 Division Round"},
                            {1, 100, "2020-2021", "2020-2021 Offseason"},
                            {1, 3, "2020-2021", "2021, Week 4"}};
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_Saved_Game_Name(Default_Name().c_str());
    for (const PHASE& phase : phases) {
        SCOPED_TRACE(phase.Title);
        Set_User_Preference(CURRENT_SEASON_INDEX, phase.Season_Index);
        Set_User_Preference(CURRENT_WEEK, phase.Week);
        char title[MAIN_WINDOW_TITLE_SIZE];
        Get_Main_Window_Title(title);
        EXPECT_NE(std::string(title).find(phase.Title), std::string::npos) << title;
        std::string offered;
        Script_Dialog_Step([&offered](WINDOW_HANDLE dialog) {
            offered = Get_Dialog_Item_Text(dialog, SAVE_NAME_EDIT);
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        Do_Main_Window_Command(Main_Window, ID_SAVE_GAME);
        EXPECT_EQ(offered, std::string(team) + " (" + phase.Years + ")");
    }
}

TEST_F(SavedGameNames, AutoSaveNeverWritesUnderANameThatIsNotPlain) {
    Set_User_Preference(USER_TEAM, 2);
    Set_Saved_Game_Name("../escape");
    Auto_Save_Game();
    EXPECT_FALSE(std::filesystem::exists("../escape.kor"));
    const std::string fallback = Default_Name();
    EXPECT_TRUE(std::filesystem::exists(fallback + ".kor"));
    EXPECT_EQ(std::string(Universe.Header.Saved_Game_Name), fallback);
    EXPECT_EQ(Get_Game_Checksum(), Compute_Game_Checksum());

    // A stored name the league's field holds but whose file's name would be
    // too long (each "\xFC", ü, is two bytes there) is no name to save under.
    Set_Saved_Game_Name(std::string(200, '\xFC').c_str());
    Auto_Save_Game();
    EXPECT_EQ(std::string(Universe.Header.Saved_Game_Name), fallback);
}

// Two dots in a row are part of a name like any other characters: the Save
// dialog saves under it, and the automatic save keeps a stored one.
TEST_F(SavedGameNames, ANameWithTwoDotsIsSavedUnderItsOwnName) {
    Start_Frame_Without_Loop();
    Set_Saved_Game_Name("Season..One");
    std::string offered;
    Script_Dialog_Step([&offered](WINDOW_HANDLE dialog) {
        offered = Get_Dialog_Item_Text(dialog, SAVE_NAME_EDIT);
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "my..league");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    EXPECT_EQ(offered, "Season..One") << "the stored name is offered";
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_TRUE(std::filesystem::exists("my..league.kor"));
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "my..league");

    Set_Saved_Game_Name("Season..Two");
    Auto_Save_Game();
    EXPECT_TRUE(std::filesystem::exists("Season..Two.kor"));
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Season..Two");
}

// Save clicked with an empty name: told, and what the user types next goes
// into the name box, so Enter then saves under it.
TEST_F(SavedGameNames, AfterAnEmptyNameTheNameBoxTakesWhatIsTypedNext) {
    Start_Frame_Without_Loop();
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "");
        RECT_AREA save;
        Get_Window_Rect(Get_Dialog_Item(dialog, ID_OK), &save);
        Script_Mouse_Click((save.Left + save.Right) / 2, (save.Top + save.Bottom) / 2);
        Script_Dialog_Step([](WINDOW_HANDLE again) {
            ASSERT_EQ(Get_Shown_Messages().size(), 1u);
            EXPECT_EQ(Get_Shown_Messages()[0].Text, "Please type a name for the saved game.");
            EXPECT_EQ(Get_Focus(), Get_Dialog_Item(again, SAVE_NAME_EDIT));
            Keep_Dialog_Picture(again, "save_game_name_refused");
        });
        for (const char c : std::string("Mine"))
            Script_Character(static_cast<uint32_t>(c));
        Script_Key_Press(KEY_ENTER, 0);
    });
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists("Mine.kor"));
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Mine");
}

TEST_F(SavedGameNames, ResumeListOffersTheNewestAndClosesWhenTheLastIsDeleted) {
    Start_Frame_Without_Loop();
    Touch(AUTO_SAVE_FILE_NAME);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Count_Dialog_Lines(dialog, SAVED_GAME_LIST), 1);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, SAVED_GAME_LIST, 0), "[Auto Save]");
        EXPECT_EQ(Get_Dialog_Line(dialog, SAVED_GAME_LIST), -1) << "the auto-save is never preselected";
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "Resume without a choice does nothing";
        Choose_Dialog_Line(dialog, SAVED_GAME_LIST, 0);
        Click_Dialog_Button(dialog, DELETE_GAME_BUTTON);
    });
    Script_Message_Answer("Confirm File Deletion", ID_BOX_YES);
    EXPECT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), ID_CANCEL);
    EXPECT_FALSE(std::filesystem::exists(AUTO_SAVE_FILE_NAME));
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "No games to resume") << "the last save deleted";
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));

    // Among two saves the newer is chosen; a dot inside a name is kept.
    Touch("Older.kor");
    Touch("Newer.v2.kor");
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time("Older.kor", now - std::chrono::hours(2));
    std::filesystem::last_write_time("Newer.v2.kor", now);
    EXPECT_GT(Get_File_Write_Time_Step("Newer.v2.kor"), Get_File_Write_Time_Step("Older.kor"));
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, SAVED_GAME_LIST, Get_Dialog_Line(dialog, SAVED_GAME_LIST)),
                  "Newer.v2");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), ID_CANCEL);
}
