#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_geometry.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/options_dialog.h"
#include "platform/drawing_surface.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/season_start.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
class OptionsDialog : public LeagueFrameTest {
  protected:
    void TearDown() override {
        std::filesystem::remove_all("Skins");
        std::filesystem::remove_all("Help");
        LeagueFrameTest::TearDown();
    }
};

bool Was_Told(const std::string& text) {
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Text == text) return true;
    return false;
}

std::string Skin() {
    char skin[64];
    Get_Skin_Name(skin, sizeof skin);
    return skin;
}
} // namespace

TEST_F(OptionsDialog, ChoicesAreShownAndStoredByTheirFormulas) {
    Set_User_Preference(PLAY_ANIMATION_DELAY, 700);
    Universe.Header.Reversion_To_Mean = -30;
    Set_User_Preference(OWNER_MODE, 1);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line(dialog, OPTION_SPEED_COMBO), 0) << "a delay of 700 is Very Slow";
        EXPECT_EQ(Get_Dialog_Line(dialog, OPTION_REVERSION_COMBO), 7) << "-30%";
        EXPECT_EQ(Get_Dialog_Item(dialog, SPECIAL_TOOL_BUTTON), NO_WINDOW) << "no developer button";
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, OPTION_COMMISSIONER_BOX));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, OPTION_MODE_TEXT).rfind("'Owner Mode'", 0), 0u);
        Keep_Dialog_Picture(dialog, "options");
        Choose_Dialog_Line(dialog, OPTION_SPEED_COMBO, 5);
        Choose_Dialog_Line(dialog, OPTION_REVERSION_COMBO, 12);
        Choose_Dialog_Line(dialog, OPTION_FINANCE_MODE_COMBO, 0);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, OPTION_MODE_TEXT).rfind("In 'General Manager Mode'", 0), 0u);
        Choose_Dialog_Line(dialog, OPTION_DIFFICULTY_COMBO, 3);
        Click_Dialog_Button(dialog, OPTION_COMMISSIONER_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, OPTIONS_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(PLAY_ANIMATION_DELAY), 0) << "Instant";
    EXPECT_EQ(Universe.Header.Reversion_To_Mean, 20);
    EXPECT_EQ(Get_User_Preference(OWNER_MODE), 0);
    EXPECT_EQ(Get_User_Preference(DIFFICULTY_LEVEL), 3);
    EXPECT_EQ(Get_User_Preference(24), 3) << "the owner Hall of Fame's level follows";
    EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 0);

    // Closing without Done stores nothing.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, OPTION_SPEED_COMBO, 2);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(PLAY_ANIMATION_DELAY), 0);
}

TEST_F(OptionsDialog, ReplayModeIsOnOnlyWhenItsStatisticsCanBeHad) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 1985;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Universe.Header.Replay_Mode = 0;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, OPTION_REPLAY_BOX)));
        Click_Dialog_Button(dialog, OPTION_REPLAY_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0) << "no seasons file: the mode stays off";
    EXPECT_FALSE(Was_Told("Season stats have been loaded for the current season."));

    Set_User_Preference(CURRENT_WEEK, 3);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, OPTION_REPLAY_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 1);
    EXPECT_TRUE(Was_Told("Season stats will be loaded at the beginning of the next season."));

    Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, OPTION_REPLAY_BOX)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, OPTION_REPLAY_TEXT),
                  "'Replay Mode' is only available for historical seasons (1951 - 2021).");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0) << "cleared from 2022 on";
}

// A seasons file that gives no player of the league a figure of the season's
// year (no line of the year, or lines of it that name no player of the
// league and his team) has nothing to load: the user is told, and the league
// and Replay Mode stay as they were. A season started in Replay Mode over
// such a file goes as it goes without the mode's load.
TEST_F(OptionsDialog, ReplayModeStaysOffWhenTheSeasonsFileHasNoLineOfTheYear) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 1985;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Universe.Header.Replay_Mode = 0;
    const auto done = [](bool tick) {
        Script_Dialog_Step([tick](WINDOW_HANDLE dialog) {
            if (tick) Click_Dialog_Button(dialog, OPTION_REPLAY_BOX);
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    };
    // The league as Done leaves it with Replay Mode untouched.
    done(false);
    const std::vector<uint8_t> league(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);

    const std::string header = "VorlanID,PlayerID,SeasonFlag,Year,Team\n";
    const std::vector<std::pair<const char*, std::string>> files = {
        {"empty", ""},
        {"zeros", std::string(4096, '\0')},
        {"garbage", "\x01\xff\\,,,\"x\n\n;;abc,def\n"},
        {"header only", header},
        {"other years", header + "X,1,,1984,T05\nX,1,POST,1985,T05\nX,1,,19850,T05\n"},
        {"/dev/zero", ""},
        {"the year without a team", header + "X,1,,1985\n"},
        {"the year without a player", header + ",,,1985abc,T05\n"},
        {"garbage fields of the year", header + "\x01\xfe,zz,;;,1985,~~,-,\"q\",??,,,,\n"}};
    std::filesystem::create_directories("input/stats");
    for (const auto& [name, text] : files) {
        SCOPED_TRACE(name);
        std::filesystem::remove("input/stats/seasons.csv");
        if (std::string(name) == "/dev/zero")
            std::filesystem::create_symlink("/dev/zero", "input/stats/seasons.csv");
        else
            std::ofstream("input/stats/seasons.csv", std::ios::binary) << text;
        Clear_Shown_Messages();
        done(true);
        EXPECT_TRUE(Was_Told("input/stats/seasons.csv holds no statistics of the 1985 season.\n\nNo season "
                             "stats were loaded."));
        EXPECT_FALSE(Was_Told("Season stats have been loaded for the current season."));
        EXPECT_EQ(Universe.Header.Replay_Mode, 0);
        EXPECT_EQ(memcmp(league.data(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league is as it was";
    }

    // The season's start in Replay Mode: over lines of the year that name no
    // player the league starts its season exactly as over a file without
    // the year, and the user is told the same.
    Universe.Header.Replay_Mode = 1;
    RANDOM_STATE generator;
    Save_Random_State(&generator);
    const std::vector<uint8_t> replaying(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    const auto start_season = [&](const std::string& text) {
        std::filesystem::remove("input/stats/seasons.csv");
        std::ofstream("input/stats/seasons.csv", std::ios::binary) << text;
        memcpy(Universe_Bytes(), replaying.data(), UNIVERSE_SIZE);
        Load_Random_State(&generator);
        Clear_Shown_Messages();
        Start_Season(0);
        EXPECT_TRUE(Was_Told("input/stats/seasons.csv holds no statistics of the 1985 season.\n\nNo season "
                             "stats were loaded."));
        return std::vector<uint8_t>(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    };
    const std::vector<uint8_t> without_the_year = start_season(header);
    EXPECT_EQ(Universe.Header.Replay_Mode, 1) << "the mode stays on for the next season";
    for (const auto& [name, text] : files) {
        if (std::string(name).rfind("the year", 0) != 0 && std::string(name) != "garbage fields of the year")
            continue;
        SCOPED_TRACE(std::string("season start: ") + name);
        EXPECT_TRUE(start_season(text) == without_the_year) << "the season starts as without the year";
    }
    std::filesystem::remove_all("input");
}

TEST_F(OptionsDialog, SkinsAreTheFoldersTheLeagueCanNameAndHelpOpensItsPage) {
    Set_Skin_Name("earth");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, OPTION_SKIN_COMBO), 0) << "no folder under Skins";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Skin(), "earth");

    for (int32_t n = 0; n < 103; ++n)
        std::filesystem::create_directories("Skins/skin" + std::to_string(100 + n));
    std::filesystem::create_directories("Skins/ice");
    std::filesystem::create_directories("Skins/" + std::string(40, 'w'));
    std::filesystem::create_directories("Help");
    std::ofstream("Help/options.htm") << "<html></html>";
    Clear_Desktop_Requests();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const int32_t lines = Count_Dialog_Lines(dialog, OPTION_SKIN_COMBO);
        EXPECT_EQ(lines, MAX_SKINS) << "at most 100 skins";
        for (int32_t line = 0; line < lines; ++line)
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, OPTION_SKIN_COMBO, line).find("wwww"), std::string::npos)
                << "a name the league cannot hold is not offered";
        Choose_Dialog_Line(dialog, OPTION_SKIN_COMBO, lines - 1);
        Click_Dialog_Button(dialog, 9);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Skin(), "skin198") << "the last of the hundred offered, in name order";
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    const std::string page = Get_Shell_Requests()[0].Target;
    EXPECT_EQ(page.substr(page.size() - 16), "Help/options.htm");
}

TEST_F(OptionsDialog, DidYouKnowClosesWithOkAndKeepsItsHints) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, 1274), 0) << "the list stays empty";
        Keep_Dialog_Picture(dialog, "did_you_know");
        Click_Dialog_Button(dialog, 1273);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "Next Hint does nothing";
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, DID_YOU_KNOW_DIALOG, 0), 1);
    char hint[256];
    Get_Hint_Text(2, hint, sizeof hint);
    EXPECT_STREQ(hint, "Fans love cheap food.");
    Get_Hint_Text(4, hint, sizeof hint);
    EXPECT_STREQ(hint, "");
}

// The financial mode's lines, and a window painted in the skin's colour:
// each skin its own.
TEST_F(OptionsDialog, FinanceModesAndTheSkinBackground) {
    Set_User_Preference(OWNER_MODE, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, OPTION_FINANCE_MODE_COMBO), 2);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, OPTION_FINANCE_MODE_COMBO, 0), "General Manager Mode");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, OPTION_FINANCE_MODE_COMBO, 1), "Owner Mode");
        EXPECT_EQ(Get_Dialog_Line(dialog, OPTION_FINANCE_MODE_COMBO), 1) << "Owner Mode is on";
        Fill_Finance_Mode_Combo(Get_Dialog_Item(dialog, OPTION_FINANCE_MODE_COMBO));
        EXPECT_EQ(Count_Dialog_Lines(dialog, OPTION_FINANCE_MODE_COMBO), 2) << "filled afresh, not added to";

        RECT_AREA client;
        Get_Client_Rect(dialog, &client);
        DRAWING_SURFACE surface{};
        ASSERT_NE(Resize_Drawing_Surface(&surface, client.Right + 4, client.Bottom + 4), 0);
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, &surface);
        std::vector<uint32_t> colours;
        for (const char* skin : {"earth", "ice"}) {
            Set_Skin_Name(skin);
            Paint_Skin_Background(dialog, &dc);
            const uint32_t colour = Colour_To_Pixel(Get_Skin_Color());
            EXPECT_EQ(Get_Surface_Pixel(&surface, 0, 0), colour) << skin;
            EXPECT_EQ(Get_Surface_Pixel(&surface, client.Right - 1, client.Bottom - 1), colour) << skin;
            EXPECT_NE(Get_Surface_Pixel(&surface, client.Right + 1, client.Bottom + 1), colour)
                << "nothing outside the window";
            colours.push_back(colour);
        }
        EXPECT_NE(colours[0], colours[1]);
        Free_Drawing_Surface(&surface);
        Set_Skin_Name("earth");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
}

// During the college draft the status bar is down; ticking the news ticker
// puts the ticker up at the bottom of the main window all the same, and the
// status bar the draft's end brings back docks above it.
TEST_F(OptionsDialog, TheTickerBoxCreatesTheTickerWithNoStatusBarUp) {
    Set_User_Preference(SHOW_NEWS_TICKER, 0);
    Create_Status_Bar();
    Destroy_Status_Bar();
    ASSERT_FALSE(Status_Bar_Exists());
    ASSERT_FALSE(News_Ticker_Exists());
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, OPTION_NEWS_TICKER_BOX));
        Click_Dialog_Button(dialog, OPTION_NEWS_TICKER_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(SHOW_NEWS_TICKER), 1);
    ASSERT_TRUE(News_Ticker_Exists()) << "the box created the ticker";
    RECT_AREA ticker;
    Get_Window_Rect(News_Ticker_Window, &ticker);
    EXPECT_EQ(ticker.Bottom - ticker.Top, NEWS_TICKER_HEIGHT);
    EXPECT_EQ(Get_Status_Bars_Height(), NEWS_TICKER_HEIGHT) << "the ticker alone";

    const WINDOW_HANDLE first = News_Ticker_Window;
    Create_Status_Bar();
    EXPECT_EQ(News_Ticker_Window, first) << "the ticker up stays the one";
    EXPECT_EQ(Get_Status_Bars_Height(), STATUS_BAR_HEIGHT + NEWS_TICKER_HEIGHT);

    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, OPTION_NEWS_TICKER_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_FALSE(News_Ticker_Exists());
    EXPECT_EQ(Get_Status_Bars_Height(), STATUS_BAR_HEIGHT);
}
