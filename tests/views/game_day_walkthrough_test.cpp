// A user's week on the game-day screen: the matchup dialog's "Play This Game",
// then every call of his team by keys and clicks until he hands the rest of
// the game to the computer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "database/game_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_loop.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "season/week_advance.h"
#include "support/frame_fixture.h"
#include "support/game_day_fixture.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/games_view_texts.h"
#include "views/matchup_dialog_template.h"
#include "views/play_calling.h"

namespace {
constexpr const char* PLAYBOOK_CAPTION = "Automatic Play Selection";
constexpr int32_t MOST_TURNS = 5000;

struct CALL_CHECK {
    int32_t Log_Index;
    bool Defence;
    int32_t Play; // -1: the computer's, whatever it is
    std::string How;
};

// The steps the user goes through on his offensive snaps, in turn.
enum OFFENCE_STEP {
    GROUP_BY_KEY,
    GROUP_BY_CLICK,
    PLAYBOOK_CANCELLED,
    PLAYBOOK_AGAIN,
    PLAYBOOK_ACCEPTED,
    STEPS
};

struct WALKER {
    int32_t Turns = 0;
    std::vector<CALL_CHECK> Calls;
    std::vector<std::string> Problems;
    int32_t Step = GROUP_BY_KEY;
    int32_t Step_Snap = -1; // the log index the step began on
    int32_t Boxes_Before = 0;
    bool Offence_Done[STEPS] = {};
    bool Kickoff = false, Punt = false, Defence_Key = false, Defence_Click = false;
    int32_t Enters = 0, Click_Continues = 0;
    bool Finishing = false;
    int32_t Waits_After_Finishing = 0; // click waits after Finish Game
    bool Pictures[5] = {};
    bool Pointed = false;
};

int32_t Boxes_Shown(const char* caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) ++count;
    return count;
}

void Expect_Call(WALKER* w, bool defence, int32_t play, const std::string& how) {
    w->Calls.push_back({Current_Game->Play_Log_Count, defence, play, how});
}

void Click_Group_Tab(int32_t k) {
    Click_Design_Point(GROUP_TAB_LEFT + GROUP_TAB_WIDTH * k + GROUP_TAB_WIDTH / 2, 275);
}

void Click_Play_Button(int32_t n) {
    const RECT_AREA cell = Get_Play_Button_Cell(n);
    Click_Design_Point((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
}

void Click_Playbook() {
    Click_Design_Point((PLAYBOOK_BUTTON_LEFT + PLAYBOOK_BUTTON_RIGHT) / 2, 275);
}

bool Covered_Everything(const WALKER* w) {
    for (bool done : w->Offence_Done)
        if (!done) return false;
    return w->Kickoff && w->Punt && w->Defence_Key && w->Defence_Click && w->Enters > 0 &&
           w->Click_Continues > 0;
}

// One offensive snap of the plan; returns when the user has given one input.
void Call_Offence(WALKER* w) {
    GAME_RECORD* game = Current_Game;
    const int32_t snap = game->Play_Log_Count;
    const int32_t group = Get_Shown_Play_Group(CALL_SIDE_OFFENSE);
    if (Get_Game_Down(game) == 3) {
        // Fourth down: the punt, group F and key "9".
        if (group != 5) {
            Press_Key('F');
            return;
        }
        Press_Key('9');
        Expect_Call(w, false, HARD_CODED_PUNT_PLAY, "punt by keys");
        w->Punt = true;
        return;
    }
    if (w->Step_Snap != snap) {
        w->Step_Snap = snap;
        w->Step = 0;
        while (w->Step < STEPS && w->Offence_Done[w->Step])
            ++w->Step;
        if (w->Step == STEPS) w->Step = GROUP_BY_KEY;
        w->Boxes_Before = Boxes_Shown(PLAYBOOK_CAPTION);
        w->Pointed = false;
    }
    switch (w->Step) {
    case GROUP_BY_KEY:
        if (group != 1) {
            Press_Key('B');
            return;
        }
        Press_Key('3');
        Expect_Call(w, false, 12, "group B, key 3");
        w->Offence_Done[GROUP_BY_KEY] = true;
        return;
    case GROUP_BY_CLICK:
        if (!w->Pointed) {
            // The pointer rests on a button first: it is lit and described.
            w->Pointed = true;
            const RECT_AREA cell = Get_Play_Button_Cell(4);
            Move_To_Design_Point(cell.Left + 20, cell.Top + 20);
            return;
        }
        if (!w->Pictures[1]) {
            w->Pictures[1] = true;
            if (Get_User_Preference(PBP_OFFENSIVE_PLAY) != 10 * group + 4)
                w->Problems.push_back("the pointed play is not the button under the pointer");
            Take_View_Picture("game-day-offence");
        }
        if (group != 2) {
            Click_Group_Tab(2);
            return;
        }
        Click_Play_Button(4);
        Expect_Call(w, false, 24, "group tab C, button 5");
        w->Offence_Done[GROUP_BY_CLICK] = true;
        return;
    case PLAYBOOK_CANCELLED:
        if (!Playbook_Notice_Shown) {
            Script_Message_Answer(PLAYBOOK_CAPTION, ID_BOX_CANCEL);
            Click_Playbook();
            return;
        }
        if (Boxes_Shown(PLAYBOOK_CAPTION) != w->Boxes_Before + 1)
            w->Problems.push_back("the Playbook notice was not shown the first time");
        if (game->Current_Play.Offensive_Play != NO_PLAY_CALL)
            w->Problems.push_back("a cancelled notice called the play");
        Press_Key('1');
        Expect_Call(w, false, 10 * group, "key 1 after the notice was cancelled");
        w->Offence_Done[PLAYBOOK_CANCELLED] = true;
        return;
    case PLAYBOOK_AGAIN:
        Click_Playbook();
        Expect_Call(w, false, -1, "Playbook without a notice");
        w->Offence_Done[PLAYBOOK_AGAIN] = true;
        return;
    case PLAYBOOK_ACCEPTED:
        // As in the next run of the program: the notice comes once more.
        Playbook_Notice_Shown = false;
        Script_Message_Answer(PLAYBOOK_CAPTION, ID_BOX_OK);
        Click_Playbook();
        Expect_Call(w, false, -1, "Playbook with the notice accepted");
        w->Offence_Done[PLAYBOOK_ACCEPTED] = true;
        return;
    default:
        return;
    }
}

void Call_Defence(WALKER* w) {
    const int32_t group = Get_Shown_Play_Group(CALL_SIDE_DEFENSE);
    if (!w->Defence_Key || w->Defence_Click) {
        Press_Key('2');
        Expect_Call(w, true, 10 * group + 1, "defence by key 2");
        w->Defence_Key = true;
        return;
    }
    if (group != 1) {
        Click_Group_Tab(1);
        return;
    }
    Click_Play_Button(6);
    Expect_Call(w, true, 16, "defence by group tab B, button 7");
    w->Defence_Click = true;
}

void Walk(void* context) {
    WALKER* w = static_cast<WALKER*>(context);
    if (++w->Turns > MOST_TURNS || !Is_Live_Game_Shown()) return;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        if (w->Finishing) {
            // The game's last snap is played back, and waits for its click.
            ++w->Waits_After_Finishing;
            Press_Key(KEY_ENTER);
            return;
        }
        if (!w->Pictures[4]) {
            w->Pictures[4] = true;
            Take_View_Picture("game-day-playback");
        }
        // Enter, and now and then a click anywhere on the screen, ends the wait.
        if ((w->Enters + w->Click_Continues) % 3 == 2) {
            Click_Design_Point(600, 150);
            ++w->Click_Continues;
        } else {
            Press_Key(KEY_ENTER);
            ++w->Enters;
        }
        return;
    }
    if (w->Finishing) return;
    const int32_t state = Get_Play_Call_State();
    // The menu (and its keys) is greyed while a play is shown: the user asks
    // when the screen waits for his call.
    if (Covered_Everything(w) && state != 4) {
        Script_Message_Answer("Finish Game", ID_BOX_OK);
        Script_Key_Press('G', KEY_MODIFIER_CONTROL);
        w->Finishing = true;
        return;
    }
    if (state == 3) {
        if (!w->Pictures[3]) {
            w->Pictures[3] = true;
            Take_View_Picture("game-day-kickoff");
        }
        Press_Key('2');
        Expect_Call(w, false, 1, "kickoff by key 2");
        w->Kickoff = true;
    } else if (state == 1) {
        Call_Offence(w);
    } else if (state == 2) {
        if (!w->Pictures[2]) {
            w->Pictures[2] = true;
            Take_View_Picture("game-day-defence");
        }
        Call_Defence(w);
    }
}

void Take_Matchup_Picture() {
    Take_Screen_Picture("matchup-dialog");
}
} // namespace

using GameDayWalkthrough = GameDayTest;

TEST_F(GameDayWalkthrough, AUserCallsHisTeamsSnapsByKeysAndClicksThenFinishesTheGame) {
    Start_Game_Day();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 1;
    Playbook_Notice_Shown = false;
    WALKER walker;
    Script_Dialog_Control_Click(181, MATCHUP_PLAY_BUTTON, Take_Matchup_Picture);
    Start_Game_Day_User(Walk, &walker);
    Advance_Weeks(1);
    Stop_Game_Day_User();

    for (const std::string& problem : walker.Problems)
        ADD_FAILURE() << problem;
    EXPECT_TRUE(Covered_Everything(&walker)) << "the game ended before every kind of call was made";
    EXPECT_TRUE(walker.Finishing) << "Finish Game handed the rest to the computer";
    EXPECT_FALSE(Is_Quit_Requested()) << "the finished game waited for a click nobody gave";
    EXPECT_EQ(walker.Waits_After_Finishing, 1)
        << "only the game's last snap is played back after Finish Game";
    EXPECT_EQ(Get_User_Preference(SIM_TO_QUARTER), 0);
    const GAME_RECORD* game = Get_Game_Record(0);
    ASSERT_EQ(Is_Game_Over(game), 1);
    for (const CALL_CHECK& call : walker.Calls) {
        ASSERT_LT(call.Log_Index, game->Play_Log_Count) << call.How;
        const PLAY_LOG_ENTRY& entry = game->Play_Log[call.Log_Index];
        const int32_t called = call.Defence ? entry.Defensive_Play : entry.Offensive_Play;
        if (call.Play >= 0)
            EXPECT_EQ(called, call.Play) << call.How << " at snap " << call.Log_Index;
        else
            EXPECT_NE(called, NO_PLAY_CALL) << call.How << " at snap " << call.Log_Index;
    }
    EXPECT_GE(walker.Calls.size(), 8u);
    // The final: each side's periods add up to its score, and the view shows it.
    for (int32_t side = 0; side < 2; ++side) {
        int32_t sum = 0;
        for (int32_t period = 0; period < 5; ++period)
            sum += Get_Game_Period_Score(game, period, side);
        EXPECT_EQ(sum, game->Score[side]) << "side " << side;
    }
    Clear_Drawn_Texts();
    Set_Current_View(GAMES_VIEW_ID);
    EXPECT_GT(Take_View_Picture("game-day-final"), 100);
    EXPECT_TRUE(Was_Text_Drawn("Final"));
    EXPECT_TRUE(Was_Text_Drawn("Player of the Game:"));
    EXPECT_TRUE(Was_Text_Drawn(std::to_string(game->Score[1])));
    EXPECT_TRUE(Was_Text_Drawn("Possession"));
}
