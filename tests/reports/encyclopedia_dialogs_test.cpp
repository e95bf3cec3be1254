// View Encyclopedia (182) and Choose Export Folder (183) driven as a user
// would: the settings they keep, the folder checks, exporting and viewing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_folders.h"
#include "support/test_league.h"

namespace fs = std::filesystem;

namespace {
std::string Installation() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? data : KORVA_DATA_DIR;
}

std::string Read_File(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class EncyclopediaDialogs : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        std::error_code error;
        for (const char* folder : {"HTML_Templates", "logos"})
            fs::remove(folder, error);
        fs::create_directory_symlink(Installation() + "/HTML_Templates", "HTML_Templates");
        fs::create_directory_symlink(Installation() + "/logos", "logos");
        fs::remove(Resolve_File_Path(EXPORT_SETTINGS_FILE), error);
        Link_Installation_Folders();
        Build_Test_League();
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Unlink_Installation_Folders();
        std::error_code error;
        for (const char* folder : {"HTML_Templates", "logos"})
            fs::remove(folder, error);
        fs::remove(Resolve_File_Path(EXPORT_SETTINGS_FILE), error);
        for (const char* folder : {"My Site", "Elsewhere"})
            fs::remove_all(folder, error);
        FrameTest::TearDown();
    }
};

size_t Count_Opened(const std::string& ending) {
    size_t count = 0;
    for (const SHELL_REQUEST& request : Get_Shell_Requests())
        count += request.Target.size() >= ending.size() &&
                 request.Target.compare(request.Target.size() - ending.size(), ending.size(), ending) == 0;
    return count;
}
} // namespace

TEST_F(EncyclopediaDialogs, ExportAndViewKeepsTheChoicesAndOpensTheIndex) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), "HTML_Export") << "no settings yet";
        ASSERT_EQ(Count_Dialog_Lines(dialog, DESIGN_LIST), 3);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, DESIGN_LIST, Get_Dialog_Line(dialog, DESIGN_LIST)),
                  "default.css");
        Keep_Dialog_Picture(dialog, "view_encyclopedia");
        std::vector<std::string> buttons;
        for (WINDOW_HANDLE child : Get_Child_Windows(dialog))
            if (Get_Control_Kind(child) == CONTROL_PUSH_BUTTON) buttons.push_back(Get_Window_Text(child));
        EXPECT_EQ(buttons, (std::vector<std::string>{"Browse", "Export and View HTML Encyclopedia",
                                                     "View HTML Encyclopedia"}))
            << "no button of its own to close it";
        Type_Dialog_Text(dialog, EXPORT_FOLDER_EDIT, "My Site/");
        Choose_Dialog_Line(dialog, DESIGN_LIST, 1);
        Click_Dialog_Button(dialog, EXPORT_AND_VIEW_BUTTON);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, VIEW_ENCYCLOPEDIA_DIALOG, 0), 1) << "the export closes the dialog";
    EXPECT_EQ(Read_File(Resolve_File_Path(EXPORT_SETTINGS_FILE)), "My Site/\nnight.css");
    EXPECT_STREQ(Export_Folder, "My Site") << "one trailing separator dropped";
    EXPECT_NE(Read_File("My Site/index.htm").find("Images/night.css"), std::string::npos);
    EXPECT_EQ(Count_Opened("/My Site/index.htm"), 1u);

    // The folder with its blank comes back whole; exporting again asks, and
    // Cancel keeps the dialog open and writes nothing.
    { std::ofstream("My Site/index.htm") << "kept"; }
    Script_Message_Answer("Caution", ID_BOX_CANCEL);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), "My Site/");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, DESIGN_LIST, Get_Dialog_Line(dialog, DESIGN_LIST)),
                  "night.css");
        Click_Dialog_Button(dialog, EXPORT_AND_VIEW_BUTTON);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "declined: the dialog stays";
        Click_Dialog_Button(dialog, VIEW_ENCYCLOPEDIA_BUTTON);
        Script_Key_Press(KEY_ESCAPE, 0);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, VIEW_ENCYCLOPEDIA_DIALOG, 0), ID_CANCEL) << "Escape ends it";
    EXPECT_EQ(Read_File("My Site/index.htm"), "kept");
    EXPECT_EQ(Count_Opened("/My Site/index.htm"), 2u) << "View opened the existing index";
}

TEST_F(EncyclopediaDialogs, TheFolderIsCheckedBeforeAnythingHappens) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, EXPORT_FOLDER_EDIT, "");
        Click_Dialog_Button(dialog, EXPORT_AND_VIEW_BUTTON);
        Type_Dialog_Text(dialog, EXPORT_FOLDER_EDIT, std::string(101, 'f'));
        Click_Dialog_Button(dialog, VIEW_ENCYCLOPEDIA_BUTTON);
        EXPECT_FALSE(fs::exists(Resolve_File_Path(EXPORT_SETTINGS_FILE))) << "refused: nothing saved";
        Type_Dialog_Text(dialog, EXPORT_FOLDER_EDIT, "Elsewhere");
        Click_Dialog_Button(dialog, VIEW_ENCYCLOPEDIA_BUTTON);
        Type_Dialog_Text(dialog, EXPORT_FOLDER_EDIT, std::string(100, 'f'));
        Click_Dialog_Button(dialog, VIEW_ENCYCLOPEDIA_BUTTON);
        Script_Close_Request();
    });
    EXPECT_EQ(Do_Dialog(Main_Window, VIEW_ENCYCLOPEDIA_DIALOG, 0), ID_CANCEL) << "the close box ends it";
    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].Text, "You must choose output dir.");
    EXPECT_EQ(shown[1].Text, "Output directory name too long.");
    EXPECT_EQ(shown[2].Text, "There is no HTML Encyclopedia in \"Elsewhere\" yet.") << "nothing to view";
    EXPECT_EQ(shown[3].Text, "There is no HTML Encyclopedia in \"" + std::string(100, 'f') + "\" yet.")
        << "100 characters are taken";
    EXPECT_TRUE(Get_Shell_Requests().empty());
    EXPECT_EQ(Read_File(Resolve_File_Path(EXPORT_SETTINGS_FILE)), std::string(100, 'f') + "\ndefault.css");
}

TEST_F(EncyclopediaDialogs, ChooseExportFolderBrowsesFromThePlacesDownAndUp) {
    fs::create_directories("Elsewhere/inner");
    const std::string here = fs::current_path().string();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, BROWSE_FOLDER_BUTTON); });
    Script_Dialog_Step([here](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Get_Dialog_Template_Id(dialog), CHOOSE_EXPORT_FOLDER_DIALOG);
        EXPECT_STREQ(Browse_Folder, here.c_str()) << "it starts in the game folder";
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLACE_LIST, 0), "/");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PLACE_LIST, Count_Dialog_Lines(dialog, PLACE_LIST) - 1), here);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, FOLDER_LIST, 0), "..");
        ASSERT_TRUE(Choose_Dialog_Line_Reading(dialog, FOLDER_LIST, "Elsewhere"));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), here + "/Elsewhere")
            << "shown, not entered";
        EXPECT_STREQ(Browse_Folder, here.c_str());
        Double_Click_Dialog_Line(dialog, FOLDER_LIST);
        EXPECT_EQ(std::string(Browse_Folder), here + "/Elsewhere");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, FOLDER_LIST, 1), "inner");
        Keep_Dialog_Picture(dialog, "choose_export_folder");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Dialog_Step([here](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), here + "/Elsewhere");
        Click_Dialog_Button(dialog, BROWSE_FOLDER_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLACE_LIST, 0);
        EXPECT_STREQ(Browse_Folder, "/");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), "");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Script_Dialog_Step([here](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT), here + "/Elsewhere")
            << "Cancel changes nothing";
        Script_Key_Press(KEY_ESCAPE, 0);
    });
    Do_Dialog(Main_Window, VIEW_ENCYCLOPEDIA_DIALOG, 0);

    char path[EXPORT_CHOICE_SIZE] = "/home";
    Change_Directory_Path("..", path, sizeof path);
    EXPECT_STREQ(path, "/") << "up from a folder of the root";
    Change_Directory_Path("..", path, sizeof path);
    EXPECT_STREQ(path, "/");
    Change_Directory_Path("usr", path, sizeof path);
    EXPECT_STREQ(path, "/usr");
}

TEST(ExportSettings, TheFileIsReadLineByLineWithinItsBounds) {
    char folder[16], design[8];
    EXPECT_FALSE(Read_Export_Settings("no such file", folder, sizeof folder, design, sizeof design));
    EXPECT_STREQ(folder, "HTML_Export");
    EXPECT_STREQ(design, "default");
    fs::create_directories("input");
    { std::ofstream("input/x.ini") << "A Folder With Blanks And More\r\nnight.css\r\n"; }
    EXPECT_TRUE(Read_Export_Settings("input/x.ini", folder, sizeof folder, design, sizeof design));
    EXPECT_STREQ(folder, "A Folder With B") << "cut to the buffer, blanks kept";
    EXPECT_STREQ(design, "night.c");
    { std::ofstream("input/x.ini") << "old\rmac\nnight.css\r"; }
    EXPECT_TRUE(Read_Export_Settings("input/x.ini", folder, sizeof folder, design, sizeof design));
    EXPECT_STREQ(folder, "old") << "a lone carriage return ends the value";
    EXPECT_STREQ(design, "night.c");
    { std::ofstream("input/x.ini") << "\n"; }
    EXPECT_TRUE(Read_Export_Settings("input/x.ini", folder, sizeof folder, design, sizeof design));
    EXPECT_STREQ(folder, "HTML_Export") << "an empty line gives the default";
    fs::remove("input/x.ini");
}
