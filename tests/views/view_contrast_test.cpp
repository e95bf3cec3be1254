// Every text the main window draws must stand out from the skin under it, on
// each skin and whatever the Options' "Dark Text" holds: measured on the
// pixels a reader sees, the contrast of each line's colour against the
// picture under its ink reaches 4.5 : 1 (WCAG relative luminance).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/status_bars.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_record.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "support/game_day_fixture.h"
#include "support/installed_seasons.h"
#include "support/text_contrast.h"
#include "support/view_frame.h"
#include "tools/season_database.h"
#include "views/current_view.h"
#include "views/game_day_panels.h"
#include "views/game_day_screen.h"
#include "views/game_day_view.h"
#include "views/leaders_view.h"
#include "views/main_window_logo.h"
#include "views/standings_view.h"
#include "views/view_drawing.h"

namespace {
constexpr double LEAST_CONTRAST = 4.5;
constexpr const char* SKINS[] = {"earth", "fire", "ice"};

struct LOOK {
    const char* Skin;
    int32_t Dark_Text;
    std::string Name() const { return std::string(Skin) + (Dark_Text != 0 ? ", dark text" : ", light text"); }
    std::string File() const { return std::string(Skin) + (Dark_Text != 0 ? "_dark" : ""); }
};

std::vector<LOOK> Every_Look() {
    std::vector<LOOK> looks;
    for (const char* skin : SKINS)
        for (int32_t dark = 0; dark < 2; ++dark)
            looks.push_back({skin, dark});
    return looks;
}

void Wear(const LOOK& look) {
    Set_Skin_Name(look.Skin);
    Set_User_Preference(DARK_TEXT_SETTING, look.Dark_Text);
}

// The texts of one painting that fall short, one line each.
std::string Describe_Faint_Texts(const std::vector<TEXT_CONTRAST>& texts, const std::string& where) {
    std::ostringstream out;
    for (const TEXT_CONTRAST& text : texts)
        if (text.Ratio < LEAST_CONTRAST)
            out << where << ": \"" << text.Text << "\" " << Describe_Colour(text.Colour) << " on "
                << Describe_Colour(text.Worst_Ground) << " at (" << text.Ink.Left << ", " << text.Ink.Top
                << "): " << text.Ratio << " : 1\n";
    return out.str();
}

// Opens a view, lets `prepare` change what it shows, paints it afresh and
// measures what it wrote (the logo the views may write over left out).
std::vector<TEXT_CONTRAST> Measure_View(int32_t view, const std::string& picture,
                                        void (*prepare)() = nullptr) {
    Paint_View_Picture(view);
    if (prepare != nullptr) prepare();
    Start_Watching_Text(Get_Back_Buffer_Surface());
    Repaint_View();
    Pump_Messages();
    std::vector<TEXT_CONTRAST> texts = Stop_Watching_Text(Team_Logo_Rect);
    Keep_View_Picture(*Get_Back_Buffer_Surface(), "contrast_" + picture);
    return texts;
}

struct VIEW_CASE {
    int32_t View;
    const char* Name;
    void (*Prepare)();
};

const VIEW_CASE VIEWS[] = {
    {40030, "standings", nullptr},
    {40032, "leaders", nullptr},
    {40034, "finances", nullptr},
    {40036, "calendar", nullptr},
    {40037, "korva_hall_of_fame", nullptr},
    {40069, "playoffs", nullptr},
    {40070, "draft_board", nullptr},
    {40074, "champions", nullptr},
    {40086, "games", nullptr},
    // The other pages the views turn to: the other conference, the all-time
    // leaders and one list of them enlarged, and a past draft.
    {40030, "standings_other_league", [] { Set_User_Preference(SHOWN_LEAGUE, 1 - Get_Shown_League()); }},
    {40034, "finances_other_league", [] { Set_User_Preference(SHOWN_LEAGUE, 1 - Get_Shown_League()); }},
    {40032, "leaders_all_time", [] { Set_User_Preference(LEADER_MODE_SETTING, LEADERS_ALL_TIME); }},
    {40032, "leaders_all_time_enlarged",
     [] {
         Set_User_Preference(LEADER_MODE_SETTING, LEADERS_ALL_TIME);
         Set_User_Preference(LEADER_STATE_SETTING, 1 << 8);
     }},
    {40070, "draft_board_last_year",
     [] { Set_User_Preference(DRAFT_BOARD_YEAR, Get_User_Preference(DRAFT_BOARD_YEAR) - 1); }},
};
} // namespace

using ViewContrast = ViewFrameTest;

TEST_F(ViewContrast, EveryViewsTextStandsOutOnEverySkin) {
    Open_Played_Season(4);
    std::string faint;
    for (const LOOK& look : Every_Look()) {
        Wear(look);
        for (const VIEW_CASE& view : VIEWS) {
            const int32_t leader_mode = Get_User_Preference(LEADER_MODE_SETTING);
            const int32_t leader_state = Get_User_Preference(LEADER_STATE_SETTING);
            const int32_t league = Get_User_Preference(SHOWN_LEAGUE);
            const std::vector<TEXT_CONTRAST> texts =
                Measure_View(view.View, std::string(view.Name) + "_" + look.File(), view.Prepare);
            EXPECT_GT(texts.size(), 0u) << view.Name << ", " << look.Name() << " drew no text";
            faint += Describe_Faint_Texts(texts, std::string(view.Name) + ", " + look.Name());
            Set_User_Preference(LEADER_MODE_SETTING, leader_mode);
            Set_User_Preference(LEADER_STATE_SETTING, leader_state);
            Set_User_Preference(SHOWN_LEAGUE, league);
        }
    }
    EXPECT_TRUE(faint.empty()) << "Texts below " << LEAST_CONTRAST << " : 1:\n" << faint;
}

// The season New Game offers first, as its database starts it: the
// builder's settings turn the dark text on, and the views stay readable.
TEST_F(ViewContrast, ANewGameOfTheNewestSeasonIsReadable) {
    Link_Installed_Databases();
    const std::string problems = Open_Installed_Season(LAST_DATABASE_YEAR);
    Unlink_Installed_Databases();
    ASSERT_EQ(problems, "");
    EXPECT_EQ(Get_User_Preference(DARK_TEXT_SETTING), 1);
    Open_League_In_Frame();
    std::string faint;
    for (const VIEW_CASE& view : VIEWS) {
        if (view.Prepare != nullptr) continue;
        const std::vector<TEXT_CONTRAST> texts =
            Measure_View(view.View, std::string(view.Name) + "_new_game");
        faint += Describe_Faint_Texts(texts, std::string(view.Name) + " of a new game");
    }
    EXPECT_TRUE(faint.empty()) << "Texts below " << LEAST_CONTRAST << " : 1:\n" << faint;
}

TEST_F(ViewContrast, TheTimelineStripStandsOutOnEverySkin) {
    Open_Played_Season(4);
    struct MOMENT {
        int32_t Week;
        const char* Name;
    };
    // Four games in five weeks, then the playoffs and the off-season.
    const MOMENT moments[] = {{2, "week_3"}, {6, "playoffs"}, {11, "off_season"}};
    std::string faint;
    for (const LOOK& look : Every_Look()) {
        Wear(look);
        for (const MOMENT& moment : moments) {
            Set_User_Preference(CURRENT_WEEK, moment.Week);
            Start_Watching_Text(nullptr);
            Repaint_Status_Bar();
            Pump_Messages();
            const std::vector<TEXT_CONTRAST> texts = Stop_Watching_Text({0, 0, 0, 0});
            EXPECT_GT(texts.size(), 1u) << moment.Name << ", " << look.Name();
            faint += Describe_Faint_Texts(texts, std::string("timeline ") + moment.Name + ", " + look.Name());
            DRAWING_SURFACE strip{};
            Render_Window(Status_Bar_Window, &strip);
            Keep_View_Picture(strip, std::string("contrast_timeline_") + moment.Name + "_" + look.File());
        }
    }
    EXPECT_TRUE(faint.empty()) << "Texts below " << LEAST_CONTRAST << " : 1:\n" << faint;
}

class GameDayContrast : public GameDayTest, public testing::WithParamInterface<LOOK> {};

// A watched game waiting for the offence's call, then showing a snap's
// announcer line, summary and "Click to continue...".
TEST_P(GameDayContrast, TheGameDayScreenStandsOut) {
    const LOOK look = GetParam();
    GAME_RECORD* game = Start_Live_Game(0, look.Skin);
    Set_User_Preference(DARK_TEXT_SETTING, look.Dark_Text);
    Pump_Messages();
    std::string faint;
    for (const bool playback : {false, true}) {
        if (playback) {
            game->Current_Play.Offensive_Play = 12;
            game->Current_Play.Defensive_Play = 3;
            game->Current_Play.Events[0].Event_Id = 1;
            Render_Commentary_Line(game, 0);
            Universe.Header.Require_Click_After_Each_Play = 1;
        }
        Start_Watching_Text(Get_Back_Buffer_Surface());
        Repaint_View();
        Pump_Messages();
        if (playback) Draw_Play_Result_Panel(nullptr, 10, 0);
        const std::vector<TEXT_CONTRAST> texts = Stop_Watching_Text(Team_Logo_Rect);
        const std::string name = std::string(playback ? "playback" : "call") + "_" + look.File();
        Keep_View_Picture(*Get_Back_Buffer_Surface(), "contrast_game_day_" + name);
        EXPECT_GT(texts.size(), 0u) << name;
        faint += Describe_Faint_Texts(texts, "game day " + name);
    }
    // The closing call of the playback empties the announcer column again.
    Draw_Play_Result_Panel(nullptr, -1, 1);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Current_Game = nullptr;
    Set_User_Preference(SIMULATION_RUNNING, 0);
    EXPECT_TRUE(faint.empty()) << "Texts below " << LEAST_CONTRAST << " : 1:\n" << faint;
}

INSTANTIATE_TEST_SUITE_P(EveryLook, GameDayContrast, testing::ValuesIn(Every_Look()),
                         [](const testing::TestParamInfo<LOOK>& info) { return info.param.File(); });
