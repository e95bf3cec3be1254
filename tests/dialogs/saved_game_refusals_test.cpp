// Files the Resume Game dialog refuses and saves the Save Game dialog can't
// make: the user is told which file and why, and the league stays as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/save_prompts.h"
#include "dialogs/saved_game_dialogs.h"
#include "dialogs/saved_game_names.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
using BYTES = std::vector<char>;

BYTES Read_File(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return BYTES(std::istreambuf_iterator<char>(in), {});
}

void Write_File(const std::string& name, const BYTES& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Works in a folder of its own, and leaves it on every way out.
class FOLDER_SCOPE {
  public:
    explicit FOLDER_SCOPE(const std::string& name)
        : Home(std::filesystem::current_path()), Path(Home / name) {
        std::filesystem::create_directories(Path);
        std::filesystem::current_path(Path);
    }
    ~FOLDER_SCOPE() {
        std::filesystem::current_path(Home);
        std::error_code error;
        std::filesystem::permissions(Path, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(Path, error);
    }
    const std::filesystem::path Home, Path;
};

class SavedGameRefusals : public LeagueFrameTest {};

// Resumes `name` (without ".kor") in the Resume Game dialog; when the load is
// refused the dialog comes back and is cancelled.
void Resume_In_The_Dialog(const std::string& name) {
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        ASSERT_TRUE(Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, name)) << name << " is offered";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
    Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0);
    Clear_Dialog_Steps();
}

const SHOWN_MESSAGE* Last_Message(const std::string& caption) {
    const SHOWN_MESSAGE* last = nullptr;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) last = &shown;
    return last;
}
} // namespace

TEST_F(SavedGameRefusals, ResumeTellsWhichFileAndWhyAndKeepsTheLeague) {
    const FOLDER_SCOPE folder("resume-refusals");
    ASSERT_EQ(Save_Game("Whole.kor", nullptr), SAVE_OK);
    const BYTES whole = Read_File("Whole.kor");
    uint32_t first_length;
    memcpy(&first_length, whole.data() + 25, 4);

    struct CASE {
        std::string name;
        BYTES bytes;
        std::string reason;
    };
    std::vector<CASE> cases;
    cases.push_back({"Cut Short", BYTES(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 3)),
                     "is cut short: it ends inside part "});
    BYTES bytes = whole;
    for (uint32_t i = 0; i < 32; ++i)
        bytes[25 + 4 + first_length / 2 + i] ^= 0x33;
    cases.push_back(
        {"Damaged", bytes, "is damaged: part 1 of the 100 parts that hold the league does not unpack."});
    bytes = whole;
    const uint32_t too_long = 0xFFFFFFFFu;
    memcpy(bytes.data() + 25 + 4 + first_length, &too_long, 4);
    cases.push_back(
        {"Long Part", bytes,
         "is damaged: part 2 of the 100 parts that hold the league claims to be 4294967295 bytes long"});
    bytes = whole;
    memcpy(bytes.data() + 13, "9999", 4);
    cases.push_back({"Unknown Version", bytes,
                     "is marked as version 9.999, which this version of Football Korva does not know."});
    for (const CASE& refused : cases)
        Write_File(refused.name + ".kor", refused.bytes);

    for (const CASE& refused : cases) {
        SCOPED_TRACE(refused.name);
        // A refused load shows the start-up view, as the league already does here.
        Set_User_Preference(CURRENT_VIEW, 0);
        Mark_Game_Saved();
        const std::vector<uint8_t> before(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
        Clear_Shown_Messages();
        Clear_Debug_Log();
        Resume_In_The_Dialog(refused.name);
        const SHOWN_MESSAGE* told = Last_Message("Read Error");
        ASSERT_NE(told, nullptr);
        // The box names the file; the log says what is wrong with it.
        EXPECT_EQ(told->Text, "Couldn't load the game \"" + refused.name +
                                  ".kor\".\n\nThere was an error in reading the file.");
        EXPECT_EQ(Count_Debug_Lines("Load_Game: \"" + refused.name + ".kor\" " + refused.reason), 1)
            << Read_Debug_Log_Text();
        EXPECT_EQ(memcmp(before.data(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league is as it was";
        EXPECT_TRUE(Is_Game_Saved()) << "a refused load is no change";
    }

    // Bytes after the parts that hold the league are not read: the game
    // resumes as it was saved.
    BYTES trailing = whole;
    trailing.insert(trailing.end(), 16, '\0');
    Write_File("Trailing.kor", trailing);
    ASSERT_EQ(Load_Game("Whole.kor"), 1);
    const std::vector<uint8_t> saved(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "Trailing");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1) << "resumed";
    EXPECT_EQ(Last_Message("Read Error"), nullptr);
    EXPECT_EQ(memcmp(saved.data(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league of the file";
}

// Dots are part of a saved game's own name: a game saved as "my..league.kor"
// is listed, resumed and deleted like any other. A name with a separator
// would name another file and is refused.
TEST_F(SavedGameRefusals, AGameWithTwoDotsInItsNameIsResumedAndDeleted) {
    const FOLDER_SCOPE folder("two-dots");
    Set_Saved_Game_Name("my..league");
    ASSERT_EQ(Save_Game("my..league.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Save_Game("Other.kor", nullptr), SAVE_OK);
    Set_Saved_Game_Name("elsewhere");
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_TRUE(Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "my..league"))
            << "listed without its extension";
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1) << "resumed";
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "my..league") << "the league of that file";
    EXPECT_TRUE(Get_Shown_Messages().empty());

    Script_Message_Answer("Confirm File Deletion", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "my..league");
        Click_Dialog_Button(dialog, DELETE_GAME_BUTTON);
        EXPECT_EQ(Count_Dialog_Lines(dialog, SAVED_GAME_LIST), 1) << "the list is filled again";
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0);
    EXPECT_FALSE(std::filesystem::exists("my..league.kor")) << "deleted";
    EXPECT_TRUE(std::filesystem::exists("Other.kor"));
    const SHOWN_MESSAGE* asked = Last_Message("Confirm File Deletion");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->Text, "Are you sure you want to delete 'my..league.kor'?");

    EXPECT_EQ(Check_Listed_Game_Name("my..league"), SAVED_GAME_NAME_OK);
    EXPECT_EQ(Check_Listed_Game_Name(".."), SAVED_GAME_NAME_OK) << "the file \"...kor\" in the folder";
    EXPECT_EQ(Check_Listed_Game_Name("back\\slash"), SAVED_GAME_NAME_SEPARATOR);
    EXPECT_EQ(Check_Listed_Game_Name("tab\there"), SAVED_GAME_NAME_CONTROL_CHARACTER);
    EXPECT_EQ(Check_Listed_Game_Name(std::string(250, 'a').c_str()), SAVED_GAME_NAME_OK)
        << "a file that is there has a name its folder took";
}

// Saves in the Save Game dialog under `name`, which fails; the box the user
// is shown about it.
const SHOWN_MESSAGE* Save_Failing_As(const std::string& name, bool overwrite = false) {
    Clear_Shown_Messages();
    if (overwrite) Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, name);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Save_Game(Main_Window), 0) << "the save failed";
    Clear_Dialog_Steps();
    return Last_Message("File Open Error");
}

// The box of a save that could not open its file says the game's own words;
// the file and the system's reason go to debug.txt. A folder gone from under
// the game can't be written by anyone, root included.
const char* const OPEN_ERROR_TEXT =
    "Football Korva was unable to save a game with that file name. It may contain some invalid characters.";

TEST_F(SavedGameRefusals, SaveIntoAFolderThatIsGoneSaysSo) {
    Set_Saved_Game_Name("Before");
    const FOLDER_SCOPE folder("vanished");
    std::filesystem::remove(folder.Path);
    const SHOWN_MESSAGE* told = Save_Failing_As("Lost Game");
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->Text, OPEN_ERROR_TEXT);
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Before") << "a failed save keeps the name";
}

TEST_F(SavedGameRefusals, SaveIntoAReadOnlyFolderSaysSo) {
    const FOLDER_SCOPE folder("read-only");
    std::filesystem::permissions(folder.Path,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access(".", W_OK) == 0) GTEST_SKIP() << "this user writes into read-only folders";
    const SHOWN_MESSAGE* told = Save_Failing_As("Locked Game");
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->Text, OPEN_ERROR_TEXT);
    EXPECT_FALSE(std::filesystem::exists(folder.Path / "Locked Game.kor"));
}

// A read-only saved game is not replaced: the Save dialog tells it as a file
// it could not open, in its own words and nothing more, and the league
// keeps its name.
TEST_F(SavedGameRefusals, SaveOverAReadOnlyGameIsToldAsAFileThatCannotBeOpened) {
    const FOLDER_SCOPE folder("read-only-game");
    Write_File("Locked Game.kor", BYTES{'o', 'l', 'd'});
    std::filesystem::permissions("Locked Game.kor", std::filesystem::perms::owner_read);
    Set_Saved_Game_Name("Before");
    const SHOWN_MESSAGE* told = Save_Failing_As("Locked Game", true);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->Text, OPEN_ERROR_TEXT);
    EXPECT_EQ(Get_Shown_Messages().size(), 2u) << "the overwrite question and the one box";
    EXPECT_EQ(Read_File("Locked Game.kor"), (BYTES{'o', 'l', 'd'}));
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Before");
}

// A folder that has the saved game's name cannot be opened as its file:
// nothing about the disk being full, and nothing is written beside it.
TEST_F(SavedGameRefusals, SaveOntoAFolderSaysItIsAFolder) {
    const FOLDER_SCOPE folder("folder-target");
    std::filesystem::create_directory("Folder Game.kor");
    Clear_Debug_Log();
    const SHOWN_MESSAGE* told = Save_Failing_As("Folder Game", true);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->Text, OPEN_ERROR_TEXT);
    EXPECT_EQ(Count_Debug_Lines("Save_Game: \"Folder Game.kor\" could not be created: Is a directory"), 1)
        << "the reason is logged";
    EXPECT_EQ(Last_Message("File Write Error"), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory("Folder Game.kor"));
    EXPECT_FALSE(std::filesystem::exists("Folder Game.kor.tmp"));
}

// The automatic save says its own words when its file cannot be opened.
TEST_F(SavedGameRefusals, AnAutomaticSaveThatCannotOpenItsFileSaysSo) {
    const FOLDER_SCOPE folder("auto-save-target");
    Set_Saved_Game_Name("Auto Folder");
    std::filesystem::create_directory("Auto Folder.kor");
    Clear_Shown_Messages();
    Auto_Save_Game();
    const SHOWN_MESSAGE* told = Last_Message("File Open Error");
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->Text, "Football Korva was unable to automatically save the game.");
}

// A name typed with a letter beyond ASCII is the game's Windows-1252 text;
// its file is spelled in UTF-8 on disk, and the Resume Game dialog lists it
// by the name typed and resumes it. A save whose name an older game wrote
// in Windows-1252 bytes is still listed by that name and resumed.
TEST_F(SavedGameRefusals, ALetterBeyondAsciiIsSavedUnderItsUTF8NameAndResumedByIt) {
    const FOLDER_SCOPE folder("letters");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "");
        Set_Focus(Get_Dialog_Item(dialog, SAVE_NAME_EDIT));
        Script_Typed_Text("J\xC3\xBCrgen");
        Script_Key_Press(KEY_ENTER, 0);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "J\xFCrgen") << "the game's text holds the letter's byte";
    EXPECT_TRUE(std::filesystem::exists("J\xC3\xBCrgen.kor")) << "the file is named in UTF-8";
    EXPECT_FALSE(std::filesystem::exists("J\xFCrgen.kor"));

    Set_Saved_Game_Name("Changed");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "resume_name_beyond_ascii");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0);
    Resume_In_The_Dialog("J\xFCrgen");
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "J\xFCrgen") << "resumed from that file";

    // Overwritten by the same name: still the one UTF-8 file.
    Script_Message_Answer("Filename in use", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "J\xFCrgen");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    std::vector<std::string> saves;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().extension() == ".kor") saves.push_back(entry.path().filename().string());
    EXPECT_EQ(saves, std::vector<std::string>{"J\xC3\xBCrgen.kor"});

    // An older game's save, named in Windows-1252 bytes.
    std::filesystem::remove("J\xC3\xBCrgen.kor");
    Set_Saved_Game_Name("Ren\xE9");
    ASSERT_EQ(Save_Game("Older.kor", nullptr), SAVE_OK);
    std::filesystem::rename("Older.kor", "Ren\xE9.kor");
    Set_Saved_Game_Name("Changed");
    Clear_Shown_Messages();
    Resume_In_The_Dialog("Ren\xE9");
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Ren\xE9") << "the older file resumed";
    EXPECT_TRUE(Get_Shown_Messages().empty());
}
