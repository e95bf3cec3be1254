// The Load Playbook dialog with its analyzer and the Save Playbook dialog,
// driven on the null backend as a user would.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_file_dialogs.h"
#include "playbooks/playbook_files.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 6;

int32_t Count_Shown_Messages(const std::string& caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) ++count;
    return count;
}

std::vector<char> Read_File(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class PlaybookFileDialogs : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        // The league is built where the installed playbooks are.
        Build_Test_League();
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        std::filesystem::remove_all("file-dialogs");
        std::filesystem::create_directories("file-dialogs/playbooks");
        ASSERT_EQ(chdir("file-dialogs"), 0);
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
        Set_User_Preference(VIEWED_TEAM, TEAM);
        Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 0);
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Clear_Scripted_Answers();
        FrameTest::TearDown();
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all("file-dialogs");
    }
    char previous_[4096] = {};
};

// Saves under `name` where the dialog is to stay open (a save refused or
// not confirmed), then cancels it; returns the dialog's result.
int32_t Save_As_And_Stay(const std::string& name) {
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, PLAYBOOK_NAME_EDIT, name);
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the dialog stays";
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    return Do_Dialog(Main_Window, SAVE_PLAYBOOK_DIALOG, 0);
}

int32_t Save_As(const std::string& name) {
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, PLAYBOOK_NAME_EDIT, name);
        Click_Dialog_Button(dialog, ID_OK);
    });
    return Do_Dialog(Main_Window, SAVE_PLAYBOOK_DIALOG, 0);
}
} // namespace

TEST_F(PlaybookFileDialogs, AnalyzerListsTheMostUsedFormationsLowestFirstOnTies) {
    OFFENSIVE_PLAYBOOK& book = Scratch_Offensive_Playbook;
    // 29 plays from formation 4, 12 each from 9 and 2 (a tie), and a formation
    // number the analyzer does not count.
    for (int32_t p = 0; p < STORED_OFFENSIVE_PLAYS; ++p)
        book.Plays[p].Formation = p < 29 ? 4 : p < 41 ? 9 : 2;
    book.Plays[53].Formation = -3;
    PLAYBOOK_ANALYSIS analysis;
    Analyze_Scratch_Playbook(0, &analysis);
    EXPECT_STREQ(analysis.Plays, "PLAYS\n29\n12\n12\n") << "only the formations in use";
    char names[3][64];
    Get_Formation_Name(names[0], 64, 4);
    Get_Formation_Name(names[1], 64, 2);
    Get_Formation_Name(names[2], 64, 9);
    EXPECT_EQ(std::string(analysis.Formations), std::string("MOST USED FORMATIONS\n") + names[0] + "\n" +
                                                    names[1] + "\n" + names[2] + "\n\nAVERAGE");
    // The wide receivers' column: slots a play over all 54 plays, in tenths.
    const int32_t wr[3] = {Count_Formation_Slots_At_Position(4, 4), Count_Formation_Slots_At_Position(2, 4),
                           Count_Formation_Slots_At_Position(9, 4)};
    const int32_t tenths = ((29 * wr[0] + 12 * wr[1] + 12 * wr[2]) * 10 + 27) / 54;
    const std::string expected = "WR\n" + std::to_string(wr[0]) + "\n" + std::to_string(wr[1]) + "\n" +
                                 std::to_string(wr[2]) + "\n\n" + std::to_string(tenths / 10) + "." +
                                 std::to_string(tenths % 10);
    EXPECT_EQ(std::string(analysis.Positions[4]), expected);
    EXPECT_STREQ(analysis.Positions[0], "") << "the offence's first column is empty";

    DEFENSIVE_PLAYBOOK& defence = Scratch_Defensive_Playbook;
    for (int32_t p = 0; p < DEFENSIVE_PLAYS; ++p)
        defence.Plays[p].Formation = p < 15 ? 25 : 22;
    Analyze_Scratch_Playbook(1, &analysis);
    EXPECT_STREQ(analysis.Plays, "PLAYS\n15\n15\n");
    EXPECT_EQ(std::string(analysis.Positions[0]).substr(0, 3), "DT\n");
    EXPECT_EQ(Is_Analyzer_Formation(47), true);
    EXPECT_EQ(Is_Analyzer_Formation(static_cast<uint32_t>(-1)), false);
}

TEST_F(PlaybookFileDialogs, EditSaveChangeAndLoadBackGivesTheSameBlock) {
    OFFENSIVE_PLAYBOOK& book = Universe.Teams[TEAM].Playbooks.Offense;
    std::strcpy(book.Plays[3].Name, "Sprint Draw");
    book.Plays[3].Routes[2] = 24;
    book.Name[0] = '\0';
    // An empty stored name proposes the nickname and the year.
    char nickname[64];
    Get_Team_String(nickname, TEAM, 2);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYBOOK_NAME_EDIT),
                  std::string(nickname) + "-" + std::to_string(Get_Current_Year()));
        EXPECT_EQ(Get_Window_Text(dialog), "Save Offensive Playbook");
        Keep_Dialog_Picture(dialog, "save_playbook");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, SAVE_PLAYBOOK_DIALOG, 0), 0);
    EXPECT_FALSE(std::filesystem::exists("playbooks/" + std::string(nickname) + "-" +
                                         std::to_string(Get_Current_Year()) + ".opb"));

    EXPECT_EQ(Save_As("Sprint"), 1);
    EXPECT_STREQ(book.Name, "Sprint") << "the name is stored with the block";
    ASSERT_EQ(std::filesystem::file_size("playbooks/Sprint.opb"), 19680u);
    const OFFENSIVE_PLAYBOOK saved = book;

    book.Plays[3].Routes[2] = 9;
    std::strcpy(book.Notes, "changed");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Window_Text(dialog), "Load Offensive Playbook");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLAYBOOK_FILE_LIST, 0), "Sprint");
        EXPECT_NE(Get_Dialog_Item_Text(dialog, ANALYZER_PLAYS).find("PLAYS"), std::string::npos);
        Keep_Dialog_Picture(dialog, "load_playbook");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(&book, &saved, sizeof book), 0) << "the loaded block is the saved one";
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));
}

TEST_F(PlaybookFileDialogs, AnOverwriteCancelledOrFailedKeepsTheOldFile) {
    ASSERT_EQ(Save_As("Keep"), 1);
    const std::vector<char> old = Read_File("playbooks/Keep.opb");
    std::strcpy(Universe.Teams[TEAM].Playbooks.Offense.Notes, "a newer book");
    // Cancelling the question leaves the dialog open with the name stored.
    Script_Message_Answer("Filename in use", ID_BOX_CANCEL);
    EXPECT_EQ(Save_As_And_Stay("Keep"), 0);
    EXPECT_EQ(Read_File("playbooks/Keep.opb"), old);
    // A file that cannot be opened (its temporary file is blocked) is told,
    // the dialog stays open for another name, and the old file stays whole.
    std::filesystem::create_directory("playbooks/Keep.opb.tmp");
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Message_Answer("File Open Error", ID_BOX_OK);
    EXPECT_EQ(Save_As_And_Stay("Keep"), 0);
    EXPECT_EQ(Count_Shown_Messages("File Open Error"), 1);
    EXPECT_EQ(Read_File("playbooks/Keep.opb"), old);
    std::filesystem::remove("playbooks/Keep.opb.tmp");
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    EXPECT_EQ(Save_As("Keep"), 1);
    EXPECT_NE(Read_File("playbooks/Keep.opb"), old) << "a sound overwrite replaces it";
}

TEST_F(PlaybookFileDialogs, OnlyAPlainFileNameIsSaved) {
    std::strcpy(Universe.Teams[TEAM].Playbooks.Offense.Name, "Before");
    EXPECT_EQ(Save_As_And_Stay("../x"), 0) << "the typed name stays to be mended";
    EXPECT_EQ(Count_Shown_Messages("File Open Error"), 1);
    EXPECT_FALSE(std::filesystem::exists("x.opb"));
    EXPECT_STREQ(Universe.Teams[TEAM].Playbooks.Offense.Name, "Before") << "nothing stored";
}

namespace {
const char* Offence_Name() {
    return Universe.Teams[TEAM].Playbooks.Offense.Name;
}

std::string Last_Shown_Text(const std::string& caption) {
    std::string text;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) text = shown.Text;
    return text;
}
} // namespace

// From the Playbook Editor's Save button: a name too long for its file is
// told as too long, and a write that fails for another reason is told as
// before; either way the team's playbook keeps its name, byte for byte.
TEST_F(PlaybookFileDialogs, ARefusedSaveLeavesThePlaybooksName) {
    OFFENSIVE_PLAYBOOK& book = Universe.Teams[TEAM].Playbooks.Offense;
    std::strcpy(book.Name, "Keep");
    const OFFENSIVE_PLAYBOOK before = book;
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE editor) {
        Click_Dialog_Button(editor, EDITOR_SAVE);
        Click_Dialog_Button(editor, EDITOR_DONE);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYBOOK_NAME_EDIT), "Keep");
        const std::string too_long(124, '\xE9'); // 248 bytes in the file's name
        Type_Dialog_Text(dialog, PLAYBOOK_NAME_EDIT, too_long);
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Last_Shown_Text("Save Playbook"),
                  "A playbook's name can be at most 247 characters long, and a letter such as \xE9 or \x80"
                  " counts as two or three.\n\nPlease choose a shorter name.");
        EXPECT_EQ(Count_Shown_Messages("File Open Error"), 0) << "not told as invalid characters";
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the dialog stays";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYBOOK_NAME_EDIT), too_long)
            << "the name stays to be mended";
        EXPECT_STREQ(Offence_Name(), "Keep");

        // A folder that cannot be written in (a file stands in its place).
        std::filesystem::remove_all("playbooks");
        std::ofstream("playbooks") << "not a folder";
        Type_Dialog_Text(dialog, PLAYBOOK_NAME_EDIT, "Fresh");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Count_Shown_Messages("File Open Error"), 1);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the dialog stays for another try";
        EXPECT_STREQ(Offence_Name(), "Keep");

        // A file that is opened and written but cannot take its name (a
        // folder holds it): the write fails and the dialog has closed.
        std::filesystem::remove("playbooks");
        std::filesystem::create_directories("playbooks/Fresh.opb/inside");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Count_Shown_Messages("Filename in use"), 1);
        EXPECT_EQ(Count_Shown_Messages("File Write Error"), 1);
        EXPECT_STREQ(Offence_Name(), "Keep");
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(&book, &before, sizeof book), 0) << "the playbook is as it was";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("playbooks"), {}), 1) << "no file was left";

    // The longest name a file can take is saved, and stored cut to 37 characters.
    std::filesystem::remove_all("playbooks/Fresh.opb");
    const std::string longest(247, 'M');
    ASSERT_EQ(Save_As(longest), 1);
    EXPECT_EQ(std::filesystem::file_size("playbooks/" + longest + ".opb"), 19680u);
    EXPECT_EQ(std::string(book.Name), std::string(37, 'M'));
}

TEST_F(PlaybookFileDialogs, ANameWithDotsIsSavedListedLoadedAndDeleted) {
    // Separators and control characters are refused; dots are letters of the name.
    EXPECT_EQ(Save_As_And_Stay("Wing\\T"), 0);
    EXPECT_EQ(Save_As_And_Stay("Wing\tT"), 0);
    EXPECT_EQ(Count_Shown_Messages("File Open Error"), 2);
    ASSERT_EQ(Save_As("Wing..T"), 1);
    EXPECT_EQ(Count_Shown_Messages("File Open Error"), 2) << "two dots are no fault";
    EXPECT_STREQ(Universe.Teams[TEAM].Playbooks.Offense.Name, "Wing..T");
    ASSERT_EQ(std::filesystem::file_size("playbooks/Wing..T.opb"), 19680u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("playbooks"), {}), 1) << "no other file";

    const OFFENSIVE_PLAYBOOK saved = Universe.Teams[TEAM].Playbooks.Offense;
    std::strcpy(Universe.Teams[TEAM].Playbooks.Offense.Notes, "changed since");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Count_Dialog_Lines(dialog, PLAYBOOK_FILE_LIST), 1);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLAYBOOK_FILE_LIST, 0), "Wing..T");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(&Universe.Teams[TEAM].Playbooks.Offense, &saved, sizeof saved), 0);

    // Deleting it asks first and removes it; the emptied list is told and closes.
    Script_Message_Answer("Confirm File Deletion", ID_BOX_YES);
    Script_Message_Answer("No Offensive Playbooks Files", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, PLAYBOOK_DELETE_BUTTON); });
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 2);
    EXPECT_EQ(Count_Shown_Messages("Confirm File Deletion"), 1);
    EXPECT_FALSE(std::filesystem::exists("playbooks/Wing..T.opb"));
}

// A playbook named with a letter beyond ASCII is written under its UTF-8
// name, listed by the name the game holds and deleted by it.
TEST_F(PlaybookFileDialogs, ANameBeyondAsciiIsWrittenInUTF8AndListedAsTyped) {
    ASSERT_EQ(Save_As("Fl\xE8"
                      "che"),
              1);
    EXPECT_TRUE(std::filesystem::is_regular_file("playbooks/Fl\xC3\xA8"
                                                 "che.opb"));
    Script_Message_Answer("Confirm File Deletion", ID_BOX_YES);
    Script_Message_Answer("No Offensive Playbooks Files", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLAYBOOK_FILE_LIST, 0), "Fl\xE8"
                                                                       "che");
        Click_Dialog_Button(dialog, PLAYBOOK_DELETE_BUTTON);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("playbooks"), {}), 0) << "deleted";
}

TEST_F(PlaybookFileDialogs, LoadListsTheSideDeletesAndWarnsWhenEmpty) {
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 1);
    Script_Message_Answer("No Defensive Playbooks Files", ID_BOX_OK);
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 2);
    EXPECT_EQ(Count_Shown_Messages("No Defensive Playbooks Files"), 1);
    ASSERT_EQ(Save_As("Zone"), 1);
    ASSERT_EQ(Save_As("Blitz"), 1);
    Script_Message_Answer("Confirm File Deletion", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Window_Text(dialog), "Load Defensive Playbook");
        ASSERT_EQ(Count_Dialog_Lines(dialog, PLAYBOOK_FILE_LIST), 2);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLAYBOOK_FILE_LIST, 0), "Blitz") << "kept in order";
        Click_Dialog_Button(dialog, PLAYBOOK_DELETE_BUTTON);
        EXPECT_EQ(Count_Dialog_Lines(dialog, PLAYBOOK_FILE_LIST), 1);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 2);
    EXPECT_FALSE(std::filesystem::exists("playbooks/Blitz.dpb"));
    EXPECT_TRUE(std::filesystem::exists("playbooks/Zone.dpb"));
    // A file one byte short is refused and the dialog stays; so is a file of
    // zeros of the exact size, which holds no play.
    const DEFENSIVE_PLAYBOOK before = Universe.Teams[TEAM].Playbooks.Defense;
    for (int32_t attempt = 0; attempt < 2; ++attempt) {
        std::filesystem::resize_file("playbooks/Zone.dpb", attempt == 0 ? DEFENSIVE_PLAYBOOK_SIZE - 1 : 0);
        if (attempt == 1) std::filesystem::resize_file("playbooks/Zone.dpb", DEFENSIVE_PLAYBOOK_SIZE);
        Script_Message_Answer("Read Error", ID_BOX_OK);
        Script_Dialog_Step([](WINDOW_HANDLE dialog) {
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, ANALYZER_PLAYS), "") << "nothing to analyze";
            Double_Click_Dialog_Line(dialog, PLAYBOOK_FILE_LIST);
            EXPECT_EQ(Get_Innermost_Dialog(), dialog);
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        EXPECT_EQ(Do_Dialog(Main_Window, LOAD_PLAYBOOK_DIALOG, 0), 2);
        EXPECT_EQ(Count_Shown_Messages("Read Error"), attempt + 1);
        EXPECT_EQ(std::memcmp(&before, &Universe.Teams[TEAM].Playbooks.Defense, sizeof before), 0);
    }
}
