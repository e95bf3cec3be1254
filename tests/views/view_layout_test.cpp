// The texts the views and the timeline strip paint in fixed cells, laid out
// in the fonts they are drawn in: none wider than its cell, none clipped,
// no two on top of each other, on every skin and through the season. A
// timeline text keeps one line whatever its length: a city name too long for
// the strip's font takes a smaller one, never wrapped, never cut.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "platform/backend.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/string_warnings.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "season/week_advance.h"
#include "support/game_day_fixture.h"
#include "support/layout_checks.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/main_window_logo.h"
#include "views/matchup_dialog_template.h"
#include "views/playoffs_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t VIEWS[] = {40030, 40032, 40034, 40036, 40037, 40069, 40070, 40074, 40086};

// The texts of the view whose letters lie under the user's team logo, which
// is drawn in the view's bottom-right corner over the picture.
std::string Find_Texts_Under_The_Logo() {
    std::string faults;
    const RECT_AREA logo = Team_Logo_Rect;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* text = Get_Drawn_Text(i);
        if (text->Surface != Get_Back_Buffer_Surface()) continue;
        const RECT_AREA& letters = text->Letters;
        STRING_PREPEND_WARNING_OFF
        if (letters.Left < logo.Right && logo.Left < letters.Right && letters.Top < logo.Bottom &&
            logo.Top < letters.Bottom)
            faults += "\"" + std::string(text->Text) + "\" lies under the team logo\n";
        STRING_PREPEND_WARNING_ON
    }
    return faults;
}
// Every text of the strip lies on one line inside its box: none wider than
// its place, none wrapped, none drawn past its box.
std::string Find_Strip_Text_Faults() {
    std::string faults = Join_Faults(Find_Drawn_Text_Faults());
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* text = Get_Drawn_Text(i);
        if (text->Surface == Get_Back_Buffer_Surface()) continue;
        if ((text->Format & TEXT_SINGLE_LINE) == 0 || (text->Format & TEXT_WORD_BREAK) != 0 ||
            (text->Format & TEXT_NO_CLIP) != 0)
            faults.append(1, '"').append(text->Text).append("\" is not one clipped line\n");
    }
    return faults;
}
} // namespace

using ViewLayout = ViewFrameTest;

TEST_F(ViewLayout, EveryViewsTextsFitTheirCells) {
    Open_Played_Season(4);
    for (const char* skin : {"earth", "ice"}) {
        Set_Skin_Name(skin);
        for (const int32_t view : VIEWS) {
            Paint_View_Picture(view);
            EXPECT_EQ(Join_Faults(Find_Drawn_Text_Faults()) + Find_Texts_Under_The_Logo(), "")
                << "view " << view << " on " << skin;
        }
    }
}

// The league's longest city and team names, for every franchise at once.
TEST_F(ViewLayout, EveryViewsTextsFitTheirCellsWithTheLongestNames) {
    Open_Played_Season(4);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        Set_Team_String("San Francisco", team, 1);
        Set_Team_String("Commanders", team, 2);
    }
    for (const int32_t view : VIEWS) {
        Keep_View_Picture(Paint_View_Picture(view), "view_layout_long_names_" + std::to_string(view));
        EXPECT_EQ(Join_Faults(Find_Drawn_Text_Faults()), "") << "view " << view;
    }
}

// A screen nearer square than the design: the fonts grow with the height,
// the cells with the width.
TEST_F(ViewLayout, EveryViewsTextsFitTheirCellsOnANearlySquareScreen) {
    Set_Null_Surface_Size(1280, 1024);
    Open_Played_Season(4);
    for (const int32_t view : VIEWS) {
        Keep_View_Picture(Paint_View_Picture(view), "view_layout_1280x1024_" + std::to_string(view));
        EXPECT_EQ(Join_Faults(Find_Drawn_Text_Faults()) + Find_Texts_Under_The_Logo(), "") << "view " << view;
    }
}

// On the earth skin the championship's title stands on the champion's
// place, in a box one box height tall over the place as drawn: the place is
// painted after the title and would hide what reached into it.
TEST_F(ViewLayout, TheEarthSkinsChampionshipTitleStandsWholeOnTheChampionsPlace) {
    Open_Played_Season(4);
    ASSERT_NE(Universe.Header.Championship_Round_Flag, 0);
    Set_Skin_Name("earth");
    Keep_View_Picture(Paint_View_Picture(40069), "playoffs_earth_title");
    const DRAWN_TEXT* title = nullptr;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text).rfind("Super Bowl ", 0) == 0) title = Get_Drawn_Text(i);
    ASSERT_NE(title, nullptr);
    RECT_AREA upper;
    Get_Playoff_Slot_Box(30, 0, &upper);
    // The place's picture covers its half-boxes grown by 4; the title's box
    // stands a unit above it.
    RECT_AREA above = {upper.Left, upper.Top - 5 - 14, upper.Right, upper.Top - 5};
    Scale_Rect_To_Window(&above);
    EXPECT_EQ(title->Rect.Top, above.Top);
    EXPECT_EQ(title->Rect.Bottom, above.Bottom);
    RECT_AREA picture = {upper.Left - 4, upper.Top - 4, upper.Right + 4, upper.Top};
    Scale_Rect_To_Window(&picture);
    const RECT_AREA& letters = title->Letters;
    EXPECT_GE(letters.Left, above.Left) << "as wide as the place";
    EXPECT_LE(letters.Right, above.Right) << "as wide as the place";
    EXPECT_LE(letters.Bottom, picture.Top) << "clear of the place";
}

TEST_F(ViewLayout, TheTimelineStripsTextsFitTheirCellsThroughTheSeason) {
    Open_Played_Season(4);
    for (const bool long_names : {false, true}) {
        // Opponents from cities with long names make the longest labels.
        if (long_names)
            for (int32_t team = 0; team < Count_Active_Teams(); ++team)
                Set_Team_String("San Bernardino", team, 1);
        for (const int32_t week : {0, 2, 4, 5, 6, 8, 9, 11}) {
            Set_User_Preference(CURRENT_WEEK, week);
            Clear_Drawn_Texts();
            Repaint_Status_Bar();
            Pump_Messages();
            EXPECT_EQ(Find_Strip_Text_Faults(), "") << "week " << week << (long_names ? ", long names" : "");
            DRAWING_SURFACE strip{};
            Render_Window(Status_Bar_Window, &strip);
            Keep_View_Picture(strip, "timeline_layout_" + std::to_string(week) + (long_names ? "_long" : ""));
        }
    }
}

namespace {
// The user of the game-day screen who looks at it whole at the offence's
// call, the defence's and a play's playback, then finishes the game.
struct SCREEN_LOOKER {
    std::string Faults;
    bool Seen[3] = {};
    bool Finishing = false;
};

void Look_At_Screen(SCREEN_LOOKER* looker, int32_t moment) {
    if (looker->Seen[moment]) return;
    looker->Seen[moment] = true;
    Clear_Drawn_Texts();
    Redraw_Main_Window();
    looker->Faults += Join_Faults(Find_Drawn_Text_Faults(0, Get_Back_Buffer_Surface()));
}

void Look_At_Game_Day(void* context) {
    SCREEN_LOOKER* looker = static_cast<SCREEN_LOOKER*>(context);
    if (looker->Finishing || !Is_Live_Game_Shown()) return;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        Look_At_Screen(looker, 2);
        Press_Key(KEY_ENTER);
        return;
    }
    const int32_t state = Get_Play_Call_State();
    if (state == 1 || state == 2) Look_At_Screen(looker, state - 1);
    if (state >= 1 && state <= 3 && looker->Seen[0] && looker->Seen[1] && looker->Seen[2]) {
        Script_Message_Answer("Finish Game", ID_BOX_OK);
        Script_Key_Press('G', KEY_MODIFIER_CONTROL);
        looker->Finishing = true;
        return;
    }
    if (state >= 1 && state <= 3) Press_Key('1');
}
} // namespace

using GameDayLayout = GameDayTest;

TEST_F(GameDayLayout, TheGameDayScreensTextsFitTheirCellsThroughAGame) {
    Start_Game_Day("earth");
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 1;
    SCREEN_LOOKER looker;
    Play_Watched_Week(Look_At_Game_Day, &looker);
    EXPECT_TRUE(looker.Seen[0] && looker.Seen[1] && looker.Seen[2]);
    EXPECT_EQ(looker.Faults, "");
    Set_Current_View(GAMES_VIEW_ID);
    Clear_Drawn_Texts();
    Redraw_Main_Window();
    EXPECT_EQ(Join_Faults(Find_Drawn_Text_Faults(0, Get_Back_Buffer_Surface())), "") << "the final";
}

// The shipped offensive designs' longest group names ("Play Action & Deep"
// and its like) stand whole on their play-calling tabs, clear of each tab's
// key box, for a team the user calls.
TEST_F(GameDayLayout, TheLongestPlayGroupNamesFitTheirTabsBesideTheKeyBoxes) {
    Start_Live_Game();
    ASSERT_EQ(Get_Play_Call_State(), 1) << "the user's offence calls";
    static const char* const NAMES[] = {"Play Action & Deep", "Screens & Movement", "Fullback & Screens",
                                        "QB Draws & Outside", "Medium & Long",      "Trick/Special"};
    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(GAME_DAY_HOME);
    ASSERT_NE(book, nullptr);
    for (int32_t group = 0; group < OFFENSIVE_FOLDERS && group < 6; ++group) {
        std::memset(book->Folder_Names[group], 0, FOLDER_NAME_LENGTH);
        std::memcpy(book->Folder_Names[group], NAMES[group], std::strlen(NAMES[group]));
    }
    Clear_Drawn_Texts();
    Redraw_Main_Window();
    for (const char* name : NAMES)
        EXPECT_TRUE(Was_Text_Drawn(name)) << name;
    EXPECT_EQ(Join_Faults(Find_Drawn_Text_Faults(0, Get_Back_Buffer_Surface())), "");
    Take_View_Picture("long-play-group-tabs");
}
