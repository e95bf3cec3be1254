// Finish Quarter and Finish Game on the game-day screen: the computer plays
// the snaps handed to it without stopping on them but for the last, which is
// played back (with its click) as the stretch ends, and the screen the user
// comes back to is drawn whole.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/drawing_services.h"
#include "app/main_menu.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "season/week_advance.h"
#include "support/frame_fixture.h"
#include "support/game_day_fixture.h"
#include "views/box_score_panels.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/matchup_dialog_template.h"
#include "views/play_calling.h"

namespace {
constexpr int32_t MOST_TURNS = 5000;
// The wind arrow of the weather row, shaken on every paint of a live game.
constexpr RECT_AREA WIND_ARROW = {242, 96, 352, 126};

enum FINISH_PHASE { CALLING, FINISHING_QUARTER, FINISHING_GAME };

struct FINISHER {
    int32_t Turns = 0;
    int32_t Phase = CALLING;
    int32_t Quarter = 0;       // the quarter Finish Quarter was chosen in
    bool Ending_Shown[3] = {}; // the snap that ended the stretch was played back
    std::vector<std::string> Problems;
};

void Note_Once(std::vector<std::string>* problems, const std::string& problem) {
    for (const std::string& noted : *problems)
        if (noted == problem) return;
    problems->push_back(problem);
}

void Report_Problems(const std::vector<std::string>& problems) {
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
}

// The user's week, each snap played back at `delay` and waiting for his click.
void Play_Clicked_Week(int32_t delay, GAME_DAY_USER user, void* context) {
    Start_Game_Day();
    Set_User_Preference(PLAY_ANIMATION_DELAY, delay);
    Universe.Header.Require_Click_After_Each_Play = 1;
    Play_Watched_Week(user, context);
}

// Ctrl+G, and OK to "Simulate the remainder of this game?".
void Choose_Finish_Game(int32_t* phase) {
    Script_Message_Answer("Finish Game", ID_BOX_OK);
    Script_Key_Press('G', KEY_MODIFIER_CONTROL);
    *phase = FINISHING_GAME;
}

// The user calls nothing himself: at his first call he chooses Finish
// Quarter, at the first call after it Finish Game. Enter ends a wait for his
// click after a snap played back.
void Finish(void* context) {
    FINISHER* f = static_cast<FINISHER*>(context);
    if (++f->Turns > MOST_TURNS || !Is_Live_Game_Shown()) return;
    const GAME_RECORD* game = Current_Game;
    const bool waiting = Get_User_Preference(WAITING_FOR_CLICK) != 0;
    const int32_t state = Get_Play_Call_State();
    if (waiting || state == 4) {
        // A snap played back: after Finish Quarter or Finish Game none while
        // the stretch runs, and the one that ends it.
        if (f->Phase != CALLING) {
            const bool ended =
                f->Phase == FINISHING_GAME ? Is_Game_Over(game) == 1 : Get_Game_Quarter(game) > f->Quarter;
            if (!ended) {
                Note_Once(&f->Problems, "the screen stopped on a snap handed to the computer");
                Take_View_Picture("finish-stretch-stop");
            } else if (f->Phase == FINISHING_GAME || game->Current_Play.Clock < f->Quarter * 900) {
                f->Ending_Shown[f->Phase] = true;
            }
        }
        if (waiting) Press_Key(KEY_ENTER);
        return;
    }
    if (state < 1 || state > 3) return;
    if (f->Phase == FINISHING_GAME) {
        Note_Once(&f->Problems, "the user was asked for a call after Finish Game");
        return;
    }
    if (f->Phase == CALLING) {
        f->Quarter = Get_Game_Quarter(game);
        Script_Key_Press('Q', KEY_MODIFIER_CONTROL);
        f->Phase = FINISHING_QUARTER;
        return;
    }
    if (Get_Game_Quarter(game) != f->Quarter + 1)
        Note_Once(&f->Problems, "Finish Quarter did not stop at the next quarter's first call");
    if (!Is_View_As_Freshly_Painted("finish-next-call", WIND_ARROW))
        Note_Once(&f->Problems, "the call after Finish Quarter is not on a screen drawn whole");
    Choose_Finish_Game(&f->Phase);
}
} // namespace

using GameDayFinish = GameDayTest;

TEST_F(GameDayFinish, FinishQuarterAndFinishGamePlayBackOnlyTheirLastSnapAndLeaveAWholeScreen) {
    FINISHER finisher;
    Play_Clicked_Week(0, Finish, &finisher);

    Report_Problems(finisher.Problems);
    EXPECT_EQ(finisher.Phase, FINISHING_GAME) << "the user reached a call after Finish Quarter";
    EXPECT_TRUE(finisher.Ending_Shown[FINISHING_QUARTER]) << "the snap ending the quarter is played back";
    EXPECT_TRUE(finisher.Ending_Shown[FINISHING_GAME]) << "the game's last snap is played back";
    EXPECT_FALSE(Is_Quit_Requested()) << "the game waited for a click nobody was asked for";
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 1) << "the week's advance ran to its end";
    EXPECT_EQ(Get_User_Preference(SIM_TO_QUARTER), 0);
    EXPECT_EQ(Get_User_Preference(WAITING_FOR_CLICK), 0);
    ASSERT_EQ(Is_Game_Over(Get_Game_Record(0)), 1);

    // The user's finished game stays on screen, drawn whole.
    EXPECT_EQ(Get_Current_View(), GAMES_VIEW_ID);
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX), 0);
    Clear_Drawn_Texts();
    EXPECT_TRUE(Is_View_As_Freshly_Painted("finish-final"));
    EXPECT_TRUE(Was_Text_Drawn("Final"));
    EXPECT_TRUE(Was_Text_Drawn("Player of the Game:"));
    EXPECT_FALSE(Was_Text_Drawn("Click to continue..."));
    Take_View_Picture("finish-final");
}

namespace {
// The position a live line's label stands for: -1 for the returners, whom
// any position may be, -2 for a text that is no label.
int32_t Label_Position(const std::string& label) {
    static const std::pair<const char*, int32_t> POSITIONS[] = {
        {"QB", 0},  {"RB", 1},  {"FB", 2},  {"TE", 3},  {"WR", 4}, {"LT", 5},  {"RT", 5},  {"LG", 6},
        {"RG", 6},  {"C", 7},   {"DE", 8},  {"DT", 9},  {"DL", 9}, {"LB", 10}, {"CB", 11}, {"NB", 11},
        {"C3", 11}, {"SS", 12}, {"FS", 12}, {"DB", 12}, {"K", 13}, {"P", 14},  {"PR", -1}, {"KR", -1}};
    for (const auto& [text, position] : POSITIONS)
        if (label == text) return position;
    return -2;
}

struct PLAYBACK_WATCHER {
    int32_t Turns = 0;
    int32_t Calls = 0; // the calls the user made himself
    int32_t Phase = CALLING;
    int32_t Looks[3] = {}; // snaps played back and looked at, by phase
    std::vector<std::string> Problems;
};

// The panels while the snap just played back waits for the user's click:
// the side that had the ball lists the offence, the other the defence (its
// returner a kick returner on a kick), each label beside a player of its
// position, of the side's team.
void Look_At_Played_Back_Snap(PLAYBACK_WATCHER* w) {
    const GAME_RECORD* game = Current_Game;
    Clear_Drawn_Texts();
    Redraw_Main_Window();
    const uint32_t word = game->Current_Play.Play_Word;
    const int32_t ball_side = (word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
    const uint32_t down = word & 0xFF;
    const bool kick = down == KICKOFF_DOWN || down == FREE_KICK_DOWN;
    const std::string when = w->Phase == CALLING             ? "a snap the user called"
                             : w->Phase == FINISHING_QUARTER ? "the snap ending Finish Quarter"
                                                             : "the snap ending Finish Game";
    for (int32_t side = 0; side < 2; ++side)
        for (int32_t line = 0; line < LIVE_LINES_PER_SIDE; ++line) {
            int32_t team = 0, slot = 0;
            if (!Get_Player_Line_Player(side * LISTED_LINES_PER_SIDE + line, &team, &slot)) continue;
            const LINE_CORNER at = Get_Player_Line_Corner(side, line);
            const std::string label = Get_Drawn_Cell_Text(at.Left, at.Top);
            const int32_t position = Label_Position(label);
            const bool offense = side == ball_side;
            if (team != game->Team[side]) Note_Once(&w->Problems, when + ": a player of the other team");
            if (line == 0 && label != (offense ? "QB" : "DE"))
                Note_Once(&w->Problems, when + ": \"" + label + "\" heads the side " +
                                            (offense ? "with" : "without") + " the ball");
            if (line == LIVE_LINES_PER_SIDE - 1 && !offense && label != (kick ? "KR" : "PR"))
                Note_Once(&w->Problems, when + ": \"" + label + "\" for the returner");
            if (position == -2 ||
                (position >= 0 && position != Get_Player_Vital_Stat(team, slot, VITAL_POSITION)))
                Note_Once(&w->Problems, when + ": \"" + label + "\" beside a player of another position");
        }
    if (++w->Looks[w->Phase] == 1 && w->Phase == FINISHING_QUARTER)
        Take_View_Picture("finish-quarter-playback");
}

// A button of the shown group that calls a play of the side to call.
int32_t Callable_Button(const GAME_RECORD* game, int32_t state) {
    if (state == 3) return 0;
    const bool offense = state == 1;
    const int32_t group = Get_Shown_Play_Group(offense ? CALL_SIDE_OFFENSE : CALL_SIDE_DEFENSE);
    const int32_t team = offense ? Get_Game_Offense_Team(game) : Get_Game_Defense_Team(game);
    for (int32_t n = 0; n < 10; ++n) {
        const int32_t play = 10 * group + n;
        if (offense ? Is_Offensive_Play_Defined(team, play) : Is_Defensive_Play_Defined(team, play)) return n;
    }
    return -1;
}

// The user calls the first forty snaps himself, then chooses Finish Quarter
// and, at the next quarter's first call, Finish Game; he looks at the
// panels at every click a played-back snap waits for.
void Watch_Playbacks(void* context) {
    PLAYBACK_WATCHER* w = static_cast<PLAYBACK_WATCHER*>(context);
    if (++w->Turns > MOST_TURNS || !Is_Live_Game_Shown()) return;
    const GAME_RECORD* game = Current_Game;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        Look_At_Played_Back_Snap(w);
        Press_Key(KEY_ENTER);
        return;
    }
    const int32_t state = Get_Play_Call_State();
    if (state < 1 || state > 3) return;
    if (w->Phase == CALLING && w->Calls < 40) {
        const int32_t button = Callable_Button(game, state);
        if (button < 0) {
            Note_Once(&w->Problems, "nothing to call");
            return;
        }
        ++w->Calls;
        Press_Key(button < 9 ? '1' + button : '0');
        return;
    }
    if (w->Phase == CALLING) {
        Script_Key_Press('Q', KEY_MODIFIER_CONTROL);
        w->Phase = FINISHING_QUARTER;
    } else if (w->Phase == FINISHING_QUARTER) {
        Choose_Finish_Game(&w->Phase);
    }
}
} // namespace

// A snap played back shows the players who played it under their own
// labels, though the game has moved on to the next snap's situation (a punt,
// a turnover, the kickoff after a score), and so does the snap that ends
// Finish Quarter or Finish Game, whose players were never called on screen.
TEST_F(GameDayFinish, APlayedBackSnapShowsItsOwnPlayersUnderTheirOwnLabels) {
    PLAYBACK_WATCHER watcher;
    Play_Clicked_Week(0, Watch_Playbacks, &watcher);

    Report_Problems(watcher.Problems);
    EXPECT_EQ(watcher.Phase, FINISHING_GAME);
    EXPECT_GE(watcher.Looks[CALLING], 30) << "the snaps the user called";
    EXPECT_EQ(watcher.Looks[FINISHING_QUARTER], 1) << "the snap ending the quarter";
    EXPECT_EQ(watcher.Looks[FINISHING_GAME], 1) << "the game's last snap";
    ASSERT_EQ(Is_Game_Over(Get_Game_Record(0)), 1);
}

namespace {
struct PLAYBACK_FINISHER {
    int32_t Turns = 0;
    int32_t Calls = 0; // the calls the user made himself
    int32_t Phase = CALLING;
    int32_t Quarter = 0;       // the quarter Finish Quarter was chosen in
    size_t Boxes_Before = 0;   // the boxes shown before it
    bool Next_Quarter = false; // the user's first call came in the next quarter
    std::vector<std::string> Problems;
};

// The user calls the snaps himself; after his third call, while a snap is
// played back (the menus greyed), he presses Ctrl+Q. The quarter is then the
// computer's: no call, no click and no question until the next quarter's
// first call, where he chooses Finish Game.
void Finish_During_Playback(void* context) {
    PLAYBACK_FINISHER* f = static_cast<PLAYBACK_FINISHER*>(context);
    if (++f->Turns > MOST_TURNS || !Is_Live_Game_Shown()) return;
    const GAME_RECORD* game = Current_Game;
    const bool in_handed_quarter = f->Phase == FINISHING_QUARTER && Get_Game_Quarter(game) == f->Quarter;
    if (f->Phase == CALLING && f->Calls >= 3 &&
        !Is_Menu_Command_Enabled(Get_Main_Menu(), ID_FINISH_QUARTER)) {
        f->Quarter = Get_Game_Quarter(game);
        f->Boxes_Before = Get_Shown_Messages().size();
        Script_Key_Press('Q', KEY_MODIFIER_CONTROL);
        f->Phase = FINISHING_QUARTER;
        return;
    }
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        if (in_handed_quarter && !Is_Game_Over(game))
            Note_Once(&f->Problems, "a click was asked in the quarter handed to the computer");
        Press_Key(KEY_ENTER);
        return;
    }
    const int32_t state = Get_Play_Call_State();
    if (state < 1 || state > 3) return;
    if (f->Phase == CALLING) {
        const int32_t button = Callable_Button(game, state);
        if (button < 0) {
            Note_Once(&f->Problems, "nothing to call");
            return;
        }
        ++f->Calls;
        Press_Key(button < 9 ? '1' + button : '0');
        return;
    }
    if (in_handed_quarter)
        Note_Once(&f->Problems, "a call was asked in the quarter handed to the computer");
    else if (f->Phase == FINISHING_QUARTER)
        f->Next_Quarter = Get_Game_Quarter(game) == f->Quarter + 1;
    if (f->Phase == FINISHING_QUARTER && Get_Shown_Messages().size() != f->Boxes_Before)
        Note_Once(&f->Problems, "a question was asked in the quarter handed to the computer: " +
                                    Get_Shown_Messages().back().Caption);
    if (f->Phase == FINISHING_GAME) {
        Note_Once(&f->Problems, "the user was asked for a call after Finish Game");
        return;
    }
    Choose_Finish_Game(&f->Phase);
}
} // namespace

// Ctrl+Q pressed while a snap is played back, when every menu is greyed,
// still finishes the quarter: the computer plays it to its end.
TEST_F(GameDayFinish, FinishQuarterPressedDuringAPlayBackHandsTheQuarterToTheComputer) {
    PLAYBACK_FINISHER finisher;
    // Play-backs long enough for the user to press his key in one.
    Play_Clicked_Week(100, Finish_During_Playback, &finisher);

    Report_Problems(finisher.Problems);
    ASSERT_NE(finisher.Phase, CALLING) << "the user pressed Ctrl+Q during a play-back";
    EXPECT_EQ(finisher.Phase, FINISHING_GAME) << "the user reached a call after Finish Quarter";
    EXPECT_TRUE(finisher.Next_Quarter) << "the computer played the quarter to its end, and no further";
    EXPECT_EQ(Get_User_Preference(SIM_TO_QUARTER), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 1) << "the week's advance ran to its end";
    EXPECT_EQ(Is_Game_Over(Get_Game_Record(0)), 1);
    // The menus come back once the play-back is over.
    EXPECT_TRUE(Is_Menu_Command_Enabled(Get_Main_Menu(), ID_HELP_CONTENTS));
}
