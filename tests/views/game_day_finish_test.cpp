// Finish Quarter and Finish Game on the game-day screen: the computer plays
// the snaps handed to it without stopping on them but for the last, which is
// played back (with its click) as the stretch ends, and the screen the user
// comes back to is drawn whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "season/week_advance.h"
#include "support/frame_fixture.h"
#include "support/game_day_fixture.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/matchup_dialog_template.h"

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

void Note_Once(FINISHER* f, const std::string& problem) {
    for (const std::string& noted : f->Problems)
        if (noted == problem) return;
    f->Problems.push_back(problem);
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
                Note_Once(f, "the screen stopped on a snap handed to the computer");
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
        Note_Once(f, "the user was asked for a call after Finish Game");
        return;
    }
    if (f->Phase == CALLING) {
        f->Quarter = Get_Game_Quarter(game);
        Script_Key_Press('Q', KEY_MODIFIER_CONTROL);
        f->Phase = FINISHING_QUARTER;
        return;
    }
    if (Get_Game_Quarter(game) != f->Quarter + 1)
        Note_Once(f, "Finish Quarter did not stop at the next quarter's first call");
    if (!Is_View_As_Freshly_Painted("finish-next-call", WIND_ARROW))
        Note_Once(f, "the call after Finish Quarter is not on a screen drawn whole");
    Script_Message_Answer("Finish Game", ID_BOX_OK);
    Script_Key_Press('G', KEY_MODIFIER_CONTROL);
    f->Phase = FINISHING_GAME;
}
} // namespace

using GameDayFinish = GameDayTest;

TEST_F(GameDayFinish, FinishQuarterAndFinishGamePlayBackOnlyTheirLastSnapAndLeaveAWholeScreen) {
    Start_Game_Day();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 1;
    FINISHER finisher;
    Play_Watched_Week(Finish, &finisher);

    for (const std::string& problem : finisher.Problems)
        ADD_FAILURE() << problem;
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
