// The Games view over a played season as the user sees it: the game-day
// layout while any game is being played, the week's other games and their
// winners, the player of the game, the field strip and the wind arrow, and
// the view's smaller routines (the record boxes, the week's game searches,
// the background alone).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/play_loop.h"
#include "platform/drawing_surface.h"
#include "platform/text_render.h"
#include "support/game_runner.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/game_stat_lines.h"
#include "views/games_view.h"

namespace {
constexpr int32_t GAMES = 40086, CALENDAR = 40036;
constexpr COLOUR_VALUE ACCENT = 0x45F9FF;
constexpr COLOUR_VALUE WHITE = 0xFFFFFF;

// The colour of the text drawn from design point (left, top) (0x1000000 for none).
COLOUR_VALUE Drawn_Colour_At(int32_t left, int32_t top) {
    RECT_AREA at = {left, top, left + 1, top + 1};
    Scale_Rect_To_Window(&at);
    COLOUR_VALUE colour = 0x1000000;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* text = Get_Drawn_Text(i);
        if (text->Rect.Left == at.Left && text->Rect.Top == at.Top) colour = text->Colour;
    }
    return colour;
}

std::string Skin_Path(const char* file) {
    char name[CURRENT_BACKGROUND_NAME_SIZE];
    safe_strncpy(name, file, sizeof name);
    Get_Skin_File_Path(name, sizeof name);
    return name;
}

// A game under way in a free record: a copy of finished record `from` at
// ten minutes, both calls in, nobody watching it.
GAME_RECORD* Start_Unwatched_Game(int32_t from) {
    const int32_t index = Find_Free_Game_Record();
    EXPECT_GE(index, 0);
    GAME_RECORD* game = Get_Game_Record(index);
    std::memcpy(game, Get_Game_Record(from), sizeof *game);
    game->Clock = 600;
    game->Current_Play.Offensive_Play = 0;
    game->Current_Play.Defensive_Play = 0;
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Current_Game = game;
    return game;
}

// The window pixels of a design rectangle of the back buffer whose colour
// passes `test`.
template <typename TEST> int32_t Count_Pixels(const DRAWING_SURFACE& picture, RECT_AREA design, TEST test) {
    Scale_Rect_To_Window(&design);
    int32_t count = 0;
    for (int32_t y = design.Top; y < design.Bottom; ++y)
        for (int32_t x = design.Left; x < design.Right; ++x)
            if (test(Pixel_To_Colour(Get_Surface_Pixel(&picture, x, y)))) ++count;
    return count;
}

bool Is_Marker_Yellow(COLOUR_VALUE c) {
    return Colour_Red(c) > 200 && Colour_Green(c) > 170 && Colour_Blue(c) < 120;
}

bool Is_Arrow_White(COLOUR_VALUE c) {
    return Colour_Red(c) > 200 && Colour_Green(c) > 200 && Colour_Blue(c) > 200;
}

// The leftmost and rightmost window columns of the weather row where the
// wind arrow lies (white), between the "Wind" and "mph" texts' middles.
int32_t Arrow_Width(const DRAWING_SURFACE& picture) {
    RECT_AREA row = {270, 100, 325, 123};
    Scale_Rect_To_Window(&row);
    int32_t left = row.Right, right = row.Left - 1;
    for (int32_t y = row.Top; y < row.Bottom; ++y)
        for (int32_t x = row.Left; x < row.Right; ++x)
            if (Is_Arrow_White(Pixel_To_Colour(Get_Surface_Pixel(&picture, x, y)))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}
} // namespace

using GamesView = ViewFrameTest;

TEST_F(GamesView, AGameBeingPlayedTakesTheGameDayLayoutWatchedOrNot) {
    Open_Played_Season(4);
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    ASSERT_GE(shown, 0);

    // No game being played: the finished game's layout.
    Paint_View_Picture(GAMES);
    EXPECT_EQ(Current_Background_Name, Skin_Path("news\\games.jpg"));
    EXPECT_TRUE(Was_Text_Drawn("Player of the Game:"));
    EXPECT_TRUE(Was_Text_Drawn("Box Score"));
    EXPECT_TRUE(Was_Text_Drawn("Scores"));

    // An unwatched game under way, then the same game stopped with the
    // calendar: the view still shows the shown record, in the game-day layout.
    GAME_RECORD* playing = Start_Unwatched_Game(shown);
    ASSERT_FALSE(Is_Live_Game_Shown());
    for (const int32_t running : {1, 0}) {
        Set_User_Preference(SIMULATION_RUNNING, running);
        const std::string when = running ? "simulated" : "stopped";
        Keep_View_Picture(Paint_View_Picture(GAMES), "games_view_" + when);
        EXPECT_EQ(Get_Displayed_Game(), Get_Game_Record(shown)) << when;
        EXPECT_EQ(Current_Background_Name, Skin_Path("news\\pbp.jpg")) << when;
        EXPECT_FALSE(Was_Text_Drawn("Player of the Game:")) << when;
        EXPECT_TRUE(Was_Text_Drawn("Game Over")) << when << ": the situation line of the shown game";
        EXPECT_FALSE(Was_Text_Drawn("Box Score")) << when << ": the tab row is the play calling's";
        EXPECT_FALSE(Was_Text_Drawn("Scores")) << when;
        // Both calls in: the lower panel shows them, not the other games.
        char other[FORMATTED_TEXT_SIZE];
        const int32_t first_other = Find_First_Completed_Week_Game_By_Home(
            Get_Game_Week(Get_Game_Record(shown)), Get_Game_Record(shown)->Team[1] == 0 ? 1 : 0);
        if (first_other >= 0) {
            Format_Player_Of_The_Game(Get_Game_Record(first_other), 0, other, true);
            EXPECT_EQ(Count_Drawn_Texts(other), 0) << when;
        }
    }
    // The pointer's bookkeeping follows the game being played too: with its
    // offence to call, a move over nothing forgets the play pointed before.
    playing->Current_Play.Offensive_Play = NO_PLAY_CALL;
    Set_User_Preference(PBP_OFFENSIVE_PLAY, 3);
    EXPECT_FALSE(Track_Games_View_Mouse(300, 200));
    EXPECT_EQ(Get_User_Preference(PBP_OFFENSIVE_PLAY), -1);
    std::memset(playing, 0, sizeof *playing);
    Current_Game = nullptr;
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

// The week's other games name each game's best player on one line across
// his game's column, inside the panel's frame: a long name and a passer's
// line take a smaller font, never a second line, never the frame.
TEST_F(GamesView, TheOtherGamesBestPlayersKeepToOneLineInsideThePanel) {
    Open_Played_Season(4);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Last_Name(team, slot, "Sprayberry");
    int32_t records[36];
    const int32_t boxes = List_Other_Games(records, 36);
    ASSERT_GE(boxes, 6) << "a whole row of boxes, the frame on both sides";
    Keep_View_Picture(Paint_View_Picture(GAMES), "games_view_long_names");
    RECT_AREA inside = {12, 285, 756, 507};
    Scale_Rect_To_Window(&inside);
    std::set<std::pair<int32_t, int32_t>> lines;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* text = Get_Drawn_Text(i);
        if (std::string(text->Text).rfind("Sprayberry: ", 0) != 0) continue;
        lines.insert({text->Rect.Left, text->Rect.Top});
        EXPECT_NE(text->Format & TEXT_SINGLE_LINE, 0u) << text->Text;
        EXPECT_LE(text->Box.Right - text->Box.Left, text->Rect.Right - text->Rect.Left)
            << text->Text << ": whole";
        EXPECT_GE(text->Letters.Left, inside.Left) << text->Text;
        EXPECT_LE(text->Letters.Right, inside.Right) << text->Text;
    }
    EXPECT_EQ(static_cast<int32_t>(lines.size()), boxes);
}

TEST_F(GamesView, ATiedGameLightsSideOneInItsBoxAndTheSituationLineNamesSideZero) {
    Open_Played_Season(4);
    // Ties stand at the end of regulation.
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 0);
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    ASSERT_GE(shown, 0);
    GAME_RECORD* game = Get_Game_Record(shown);
    int32_t records[36];
    ASSERT_GT(List_Other_Games(records, 36), 0);
    GAME_RECORD* tied = Get_Game_Record(records[0]);
    tied->Score[0] = tied->Score[1] = 17;
    game->Score[0] = game->Score[1] = 20;
    ASSERT_EQ(Is_Game_Over(tied), 1);
    // The first box's two lines: side 0 at y 297, side 1 at y 312.
    Paint_View_Picture(GAMES);
    EXPECT_EQ(Drawn_Colour_At(26, 312), ACCENT) << "side 1 of a tie is lit";
    EXPECT_EQ(Drawn_Colour_At(26, 297), WHITE);
    char best[FORMATTED_TEXT_SIZE];
    Format_Player_Of_The_Game(tied, 1, best, true);
    EXPECT_TRUE(Was_Text_Drawn(best)) << "the box names side 1's player: " << best;
    Format_Player_Of_The_Game(game, 0, best, false);
    EXPECT_TRUE(Was_Text_Drawn(std::string("Player of the Game:\n") + best))
        << "the situation line names side 0's: " << best;

    // The side that scored more is lit whichever it is.
    tied->Score[0] = 21;
    Paint_View_Picture(GAMES);
    EXPECT_EQ(Drawn_Colour_At(26, 297), ACCENT);
    EXPECT_EQ(Drawn_Colour_At(26, 312), WHITE);

    // Nobody of the side scored: both parts of the text are empty.
    std::memset(game->Player_Counters[0], 0, sizeof game->Player_Counters[0]);
    ASSERT_EQ(Find_Player_Of_The_Game(game, 0), -1);
    Paint_View_Picture(GAMES);
    EXPECT_TRUE(Was_Text_Drawn("Player of the Game:\n: "));
}

TEST_F(GamesView, TheFirstDownMarkerShowsOnEverySnapAndTheWindArrowKeepsGrowing) {
    Open_Played_Season(4);
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    GAME_RECORD* playing = Start_Unwatched_Game(shown);
    Set_User_Preference(CURRENT_WEEK, Get_Game_Week(playing));
    Set_Game_PBP_Flag(playing->Team[1], Get_Game_Week(playing), 1);
    ASSERT_TRUE(Is_Live_Game_Shown());
    const RECT_AREA strip = {251, 52, 516, 81};
    playing->Yards_To_Goal = 65;
    playing->Yards_To_Go = 10;
    for (const uint32_t down : {KICKOFF_DOWN, FREE_KICK_DOWN, CONVERSION_ATTEMPT, 2u}) {
        Set_Game_Down(playing, down);
        const DRAWING_SURFACE& picture = Paint_View_Picture(GAMES);
        EXPECT_GT(Count_Pixels(picture, strip, Is_Marker_Yellow), 20) << "down byte " << down;
    }
    // On short yardage the marker's pennant is smaller (2 x to go + 8).
    Set_Game_Down(playing, 2);
    const int32_t full = Count_Pixels(Paint_View_Picture(GAMES), strip, Is_Marker_Yellow);
    playing->Yards_To_Go = 1;
    const int32_t short_yardage = Count_Pixels(Paint_View_Picture(GAMES), strip, Is_Marker_Yellow);
    EXPECT_LT(short_yardage, full);
    std::memset(playing, 0, sizeof *playing);
    Current_Game = nullptr;
    Set_User_Preference(SIMULATION_RUNNING, 0);

    // A finished game's arrow is not shaken: pointing across the row it is
    // longer the stronger the wind, past 28 mph too.
    GAME_RECORD* game = Get_Game_Record(shown);
    game->Wind_Direction = 90;
    int32_t previous = 0;
    for (const int32_t wind : {10, 28, 40, 60}) {
        game->Wind_Speed = static_cast<uint16_t>(wind);
        const DRAWING_SURFACE& picture = Paint_View_Picture(GAMES);
        Keep_View_Picture(picture, "games_view_wind_" + std::to_string(wind));
        const int32_t width = Arrow_Width(picture);
        EXPECT_GT(width, previous) << wind << " mph";
        previous = width;
    }
}

TEST_F(GamesView, TheRecordBoxesTheWeeksGameSearchesAndTheBackgroundAlone) {
    Open_Played_Season(4);
    const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
    const GAME_RECORD* game = Get_Game_Record(shown);
    const int32_t week = Get_Game_Week(game);

    // The first completed record of the week by its side-1 team, and by either team.
    const int32_t completed = Count_Completed_Games();
    int32_t home_first = -1, either_first = -1;
    for (int32_t n = completed - 1; n >= 0; --n) {
        const GAME_RECORD* record = Get_Game_Record(n);
        if (Get_Game_Week(record) != week) continue;
        if (record->Team[1] == game->Team[0]) home_first = n;
        if (record->Team[0] == game->Team[0] || record->Team[1] == game->Team[0]) either_first = n;
    }
    EXPECT_EQ(Find_First_Completed_Week_Game_By_Home(week, game->Team[0]), home_first);
    EXPECT_EQ(Find_First_Completed_Week_Game(week, game->Team[0]), either_first);
    EXPECT_LE(Find_First_Completed_Week_Game(week, game->Team[1]), shown);
    EXPECT_EQ(Find_First_Completed_Week_Game(week + 50, game->Team[1]), -1) << "a week without games";
    EXPECT_EQ(Find_First_Completed_Week_Game(week, 35), -1) << "a team without games";

    // A record box acts as its team's name: that team's calendar opens.
    for (int32_t side = 0; side < 2; ++side) {
        Set_Current_View(GAMES);
        EXPECT_FALSE(Do_Scoreboard_Record_Click(189 + 350 * side, 14)) << "left of the box";
        EXPECT_TRUE(Do_Scoreboard_Record_Click(200 + 350 * side, 14));
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), game->Team[side]);
        EXPECT_EQ(Get_Current_View(), CALENDAR);
    }

    // The background alone: named and drawn, no text.
    Clear_Drawn_Texts();
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    ASSERT_NE(dc, nullptr);
    Current_Background_Name[0] = '\0';
    Draw_Games_View_Background_Only(dc);
    Release_Main_Window_DC();
    EXPECT_EQ(Current_Background_Name, Skin_Path("news\\games.jpg"));
    EXPECT_EQ(Get_Drawn_Text_Count(), 0);
}

// The row of a finished game: the result buttons' captions take the row's
// text colour (the picture fits it to the buttons' face), and the lines of
// the week's other games stand from their tops down to their box's foot.
TEST_F(GamesView, TheResultButtonsTakeTheRowsColourAndTheOtherGamesLinesReachTheirBoxsFoot) {
    Open_Played_Season(4);
    const auto last_drawn = [](const char* text) -> const DRAWN_TEXT* {
        const DRAWN_TEXT* found = nullptr;
        for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
            if (std::strcmp(Get_Drawn_Text(i)->Text, text) == 0) found = Get_Drawn_Text(i);
        return found;
    };
    for (const int32_t dark : {0, 1}) {
        Set_User_Preference(DARK_TEXT_SETTING, dark);
        Paint_View_Picture(GAMES);
        for (const char* caption : {"Box Score", "Play-By-Play"}) {
            const DRAWN_TEXT* drawn = last_drawn(caption);
            ASSERT_NE(drawn, nullptr) << caption;
            EXPECT_EQ(drawn->Colour, dark ? 0x000000u : WHITE) << caption << ", dark text " << dark;
        }
    }
    Set_User_Preference(DARK_TEXT_SETTING, 0);

    int32_t records[36];
    ASSERT_GT(List_Other_Games(records, 36), 0);
    const GAME_RECORD* other = Get_Game_Record(records[0]);
    char score[16];
    RECT_AREA foot = {0, 346, 1, 346};
    Scale_Rect_To_Window(&foot);
    for (int32_t side = 0; side < 2; ++side) {
        snprintf(score, sizeof score, "%d", other->Score[side]);
        RECT_AREA top = {0, 297 + 15 * side, 1, 297 + 15 * side};
        Scale_Rect_To_Window(&top);
        bool found = false;
        for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
            const DRAWN_TEXT* drawn = Get_Drawn_Text(i);
            if (std::strcmp(drawn->Text, score) != 0 || drawn->Rect.Top != top.Top) continue;
            found = true;
            EXPECT_EQ(drawn->Rect.Bottom, foot.Top) << "side " << side;
            EXPECT_EQ(drawn->Format & TEXT_VERTICAL_CENTRE, 0u) << "side " << side << ": from the line's top";
        }
        EXPECT_TRUE(found) << "side " << side << "'s score " << score;
    }
}
