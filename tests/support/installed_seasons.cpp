#include "support/installed_seasons.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/new_game_dialog.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "season/new_game_choices.h"
#include "season/week_advance.h"
#include "support/dialog_steps.h"
#include "support/installation_folders.h"
#include "support/league_checks.h"
#include "support/season_build_folder.h"
#include "tools/draft_class_database.h"

namespace {
namespace fs = std::filesystem;
// A folder of its own, whatever other tests left in theirs.
constexpr const char* SEASONS_FOLDER = "installed-seasons";
fs::path Left_Folder;
} // namespace

void Link_Installed_Databases() {
    std::error_code failure;
    Left_Folder = fs::current_path(failure);
    fs::remove_all(SEASONS_FOLDER, failure);
    fs::create_directory(SEASONS_FOLDER, failure);
    const fs::path installation = Get_Installation_Folder();
    const fs::path folder = SEASONS_FOLDER;
    for (const char* input : {"Databases", "names", "playbooks", "Cities.txt"})
        fs::create_symlink(installation / input, folder / input, failure);
    // The Input folder's files and folders (player generation, the seasons'
    // statistics a replay reads), as the game finds them; the folder itself
    // is the test's, since the game writes its settings there.
    fs::create_directory(folder / "Input", failure);
    for (const auto& entry : fs::directory_iterator(installation / "Input", failure))
        if (entry.path().filename() != "settings.ini")
            fs::create_symlink(entry.path(), folder / "Input" / entry.path().filename(), failure);
    fs::current_path(SEASONS_FOLDER, failure);
}

void Unlink_Installed_Databases() {
    std::error_code failure;
    fs::current_path(Left_Folder, failure);
    fs::remove_all(SEASONS_FOLDER, failure);
}

std::string Open_Installed_Season(int32_t year) {
    Clear_Shown_Messages();
    if (Load_New_Game_Season(year, nullptr) < 0) return "the database does not load\n";
    std::string problems;
    if (Get_Current_Year() != year) problems += "a league of " + std::to_string(Get_Current_Year()) + "\n";
    if (Get_User_Preference(CURRENT_WEEK) != 0) problems += "not at its first week\n";
    problems += Find_Season_Faults();
    NEW_GAME_CHOICES choices{};
    choices.Team = 0;
    choices.Difficulty = 1;
    std::strcpy(choices.Owner_Name, "Owner");
    Begin_New_Game(choices);
    if (Get_Current_Year() != year) problems += "started in " + std::to_string(Get_Current_Year()) + "\n";
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        problems += "message " + message.Caption + ": " + message.Text + "\n";
    return problems;
}

int32_t Find_Team_By_Location(const std::string& location) {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char text[TEAM_STRING_LENGTH] = "";
        Get_Team_String(text, team, 1);
        if (location == text) return team;
    }
    return -1;
}

void InstalledDatabasesTest::SetUp() {
    Link_Installed_Databases();
    Clear_Shown_Messages();
}

void InstalledFrameTest::SetUp() {
    FrameTest::SetUp();
    Link_Installed_Databases();
    Link_Installation_Folders();
}

void InstalledFrameTest::TearDown() {
    Clear_Dialog_Steps();
    Unlink_Installation_Folders();
    Unlink_Installed_Databases();
    FrameTest::TearDown();
}

std::vector<std::string> Draft_Class_File_Names(const std::string& path) {
    std::vector<std::string> names;
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_POOL_RECORDS]());
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return names;
    const size_t read = std::fread(records.get(), sizeof(PLAYER_RECORD), DRAFT_CLASS_POOL_RECORDS, file);
    std::fclose(file);
    for (size_t n = 0; n < read; ++n)
        if (records[n].Vital_Stats[VITAL_PLAYER_ID] != 0)
            names.push_back(std::string(records[n].First_Name) + " " + records[n].Last_Name);
    return names;
}

std::vector<SEASONS_FILE_LINE> Read_Installed_Seasons_Lines() {
    std::vector<SEASONS_FILE_LINE> lines;
    std::ifstream in(Get_Installation_Folder() + "/Input/Stats/Seasons.csv");
    std::string text;
    std::getline(in, text);
    while (std::getline(in, text)) {
        // Columns 2-5 and 10: player id, season flag, year, team, games.
        std::vector<std::string> fields(1);
        for (char c : text) {
            if (c != ',') {
                fields.back() += c;
            } else if (fields.size() < 10) {
                fields.emplace_back();
            } else {
                break;
            }
        }
        if (fields.size() < 10) continue;
        SEASONS_FILE_LINE line;
        line.Player_Id = std::atoi(fields[1].c_str());
        line.Flag = fields[2];
        line.Year = std::atoi(fields[3].c_str());
        line.Team = fields[4];
        line.Games = std::atoi(fields[9].c_str());
        line.Text = text;
        lines.push_back(line);
    }
    return lines;
}

bool Play_Installed_Game_Into(int32_t year) {
    constexpr int32_t OFF_SEASON_WEEK = 100;
    for (int32_t step = 0; step < 200 && Get_Current_Year() < year; ++step) {
        const int32_t week = Get_User_Preference(CURRENT_WEEK);
        const int32_t season = Get_Current_Year();
        if (week == OFF_SEASON_WEEK && Universe.Header.Advance_In_Progress == 0) {
            if (Is_College_Draft_Running())
                College_Draft_Menu_Command();
            else
                Finish_Off_Season();
        } else {
            Script_Message_Answer("Begin College Draft?", ID_BOX_YES);
            Advance_Weeks(22);
        }
        if (Get_User_Preference(CURRENT_WEEK) == week && Get_Current_Year() == season) return false;
    }
    return Get_Current_Year() == year && Get_User_Preference(CURRENT_WEEK) == 0;
}

void Choose_Installed_New_Game(int32_t year) {
    Script_Dialog_Step([year](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, year - FIRST_NEW_GAME_SEASON);
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
    });
    Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0);
}
