// The Scouting Report of the installed league's longest careers, each kind
// of statistics page, on a main window of the least size and on a larger
// one, with and without a downloaded photograph: every card field, rating,
// heading and statistic fits its cell and none runs into another, and each
// stands out from the picture under it on every skin, whatever the Options'
// "Dark Text" holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/text_contrast.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/player_card.h"
#include "dialogs/scouting_report.h"
#include "personnel/injuries.h"
#include "platform/backend.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"
#include "support/text_contrast.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t PAGE_KINDS = 8;

class ScoutingReportLayout : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Clear_Dialog_Steps();
        std::error_code error;
        fs::remove("skins", error);
        fs::create_directory_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins", error);
        // The position pictures, and a folder for downloaded photographs.
        fs::remove_all("photos", error);
        fs::create_directories("photos/Downloads", error);
        for (const auto& entry : fs::directory_iterator(std::string(KORVA_DATA_DIR) + "/photos", error))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), "photos" / entry.path().filename(), error);
        ASSERT_EQ(Load_Game((std::string(KORVA_DATA_DIR) + "/Databases/Universe-2019.dat").c_str()), 1);
        Set_Skin_Name("earth");
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        FrameTest::TearDown();
        std::error_code error;
        fs::remove("skins", error);
        fs::remove_all("photos", error);
    }
};

struct SHOWN_PLAYER {
    int32_t Team;
    int32_t Slot;
};

// The franchise player of each statistics page kind with the most seasons.
std::vector<SHOWN_PLAYER> Find_Longest_Careers() {
    std::vector<SHOWN_PLAYER> longest(PAGE_KINDS, SHOWN_PLAYER{-1, -1});
    std::vector<int32_t> seasons(PAGE_KINDS, -1);
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            const int32_t kind = Get_Stat_Page_Kind(team, slot);
            const int32_t count = Count_Player_Career_Seasons(team, slot);
            if (kind < 0 || kind >= PAGE_KINDS || count <= seasons[static_cast<size_t>(kind)]) return;
            seasons[static_cast<size_t>(kind)] = count;
            longest[static_cast<size_t>(kind)] = {team, slot};
        },
        0, FREE_AGENT_TEAM - 1);
    return longest;
}

// Opens the report of the player and returns what does not fit in it.
std::string Look_At_Report(const SHOWN_PLAYER& player, const std::string& picture) {
    std::string faults = "the report did not open\n";
    Script_Dialog_Step([&](WINDOW_HANDLE report) {
        faults = Join_Faults(Find_Control_Layout_Faults(report));
        Clear_Drawn_Texts();
        Repaint_Window(report);
        Pump_Messages();
        faults += Join_Faults(Find_Drawn_Text_Faults());
        Keep_Dialog_Picture(report, picture);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, player.Team, player.Slot);
    Clear_Dialog_Steps();
    return faults;
}

// A copy of a position picture as the player's downloaded photograph, or none.
void Give_Downloaded_Photo(const SHOWN_PLAYER& player, bool photo) {
    const std::string id = "layout" + std::to_string(player.Team * 100 + player.Slot);
    Set_Player_External_ID(player.Team, player.Slot, id.c_str());
    const std::string name = "photos/Downloads/" + id + ".jpg";
    std::error_code error;
    if (photo)
        fs::copy_file("photos/QB.jpg", name, fs::copy_options::overwrite_existing, error);
    else
        fs::remove(name, error);
}
} // namespace

TEST_F(ScoutingReportLayout, LongCareersFitTheirCellsOnSmallAndLargeWindows) {
    const std::vector<SHOWN_PLAYER> players = Find_Longest_Careers();
    struct SCREEN {
        int32_t Width, Height;
    };
    for (const SCREEN screen :
         {SCREEN{TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT}, SCREEN{1280, 800}, SCREEN{1280, 1024}}) {
        Reset_Frame_State();
        Set_Null_Surface_Size(screen.Width, screen.Height);
        Start_Frame_Without_Loop();
        Init_Image_Caches();
        for (int32_t kind = 0; kind < PAGE_KINDS; ++kind) {
            const SHOWN_PLAYER player = players[static_cast<size_t>(kind)];
            ASSERT_GE(player.Team, 0) << "no player of page kind " << kind;
            for (const bool photo : {false, true}) {
                Give_Downloaded_Photo(player, photo);
                const std::string name = "scouting_layout_" + std::to_string(screen.Width) + "x" +
                                         std::to_string(screen.Height) + "_" + std::to_string(kind) +
                                         (photo ? "_photo" : "");
                EXPECT_EQ(Look_At_Report(player, name), "") << name;
            }
        }
    }
}

TEST_F(ScoutingReportLayout, LongNamesInjuriesAndHoldoutsFitTheirCells) {
    const SHOWN_PLAYER player = Find_Longest_Careers()[0];
    // The longest name of the injury table.
    int32_t longest = 0;
    size_t length = 0;
    for (int32_t type = 0; type < 200; ++type) {
        char name[INJURY_NAME_SIZE] = "";
        Get_Injury_Name(type, name);
        if (std::string(name).size() > length) {
            length = std::string(name).size();
            longest = type;
        }
    }
    Set_Team_Stat(player.Team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(player.Team);
    Set_Team_String("Thunderbirds", player.Team, 2);
    // A name of 21 letters is shown whole.
    Set_Player_First_Name(player.Team, player.Slot, "Christophe");
    Set_Player_Last_Name(player.Team, player.Slot, "Williamson");
    for (const int32_t height : {TEST_SCREEN_HEIGHT, 1024}) {
        Reset_Frame_State();
        Set_Null_Surface_Size(height == 1024 ? 1280 : TEST_SCREEN_WIDTH, height);
        Start_Frame_Without_Loop();
        Init_Image_Caches();
        Give_Downloaded_Photo(player, true);
        Set_Player_Vital_Stat(player.Team, player.Slot, VITAL_WEEKS_OUT, 3);
        Set_Player_Vital_Stat(player.Team, player.Slot, VITAL_INJURY_TYPE, longest);
        EXPECT_EQ(Look_At_Report(player, "scouting_layout_injured_" + std::to_string(height)), "") << height;
        Set_Player_Vital_Stat(player.Team, player.Slot, VITAL_INJURY_TYPE, INJURY_HOLDOUT);
        EXPECT_EQ(Look_At_Report(player, "scouting_layout_holdout_" + std::to_string(height)), "") << height;
    }
}

TEST_F(ScoutingReportLayout, EveryTextStandsOutOnEachSkinWithDarkTextOnAndOff) {
    const std::vector<SHOWN_PLAYER> players = Find_Longest_Careers();
    Start_Frame_Without_Loop();
    Init_Image_Caches();
    std::ostringstream faint;
    for (const char* skin : {"earth", "fire", "ice"})
        for (const int32_t dark_text : {0, 1}) {
            Set_Skin_Name(skin);
            Set_User_Preference(SECOND_COLOUR_SET, dark_text);
            // A passer's page and a kicker's: every colour of the card and the table.
            for (const int32_t kind : {0, 7}) {
                const SHOWN_PLAYER player = players[static_cast<size_t>(kind)];
                const std::string look = std::string(skin) + (dark_text != 0 ? ", dark text" : "") +
                                         ", page " + std::to_string(kind);
                std::vector<TEXT_CONTRAST> texts;
                Script_Dialog_Step([&](WINDOW_HANDLE report) {
                    Start_Watching_Text(Get_Window_Surface(report));
                    Repaint_Window(report);
                    Pump_Messages();
                    texts = Stop_Watching_Text({0, 0, 0, 0});
                    Keep_Dialog_Picture(report, "scouting_contrast_" + std::string(skin) +
                                                    (dark_text != 0 ? "_dark_" : "_") + std::to_string(kind));
                    Click_Dialog_Button(report, ID_OK);
                });
                Show_Scouting_Report(Main_Window, player.Team, player.Slot);
                Clear_Dialog_Steps();
                EXPECT_GT(texts.size(), 20u) << look;
                for (const TEXT_CONTRAST& text : texts)
                    if (text.Ratio < LEAST_TEXT_CONTRAST)
                        faint << look << ": \"" << text.Text << "\" " << Describe_Colour(text.Colour)
                              << " on " << Describe_Colour(text.Worst_Ground) << ": " << text.Ratio
                              << " : 1\n";
            }
        }
    EXPECT_EQ(faint.str(), "");
}
