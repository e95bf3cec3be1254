// The game-day screen and the matchup dialog drawn at 1,024 x 676 under each
// skin and with the dark text colours; with KORVA_PICTURE_DIR set the
// pictures are kept there to be looked at.
#include <gtest/gtest.h>

#include <string>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "season/week_advance.h"
#include "support/game_day_fixture.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/matchup_dialog_template.h"
#include "views/play_calling.h"

namespace {
struct LOOK {
    const char* Skin;
    bool Dark_Text;
};

struct PHOTOGRAPHER {
    std::string Prefix;
    int32_t Colours[5] = {};
    bool Pointed = false;
    bool Finishing = false;
};

std::string picture_prefix;
int32_t dialog_colours = 0;

// Pictures of the offence's call (a button pointed at), the defence's, and a
// playback; then the rest of the game is simulated.
void Photograph(void* context) {
    PHOTOGRAPHER* p = static_cast<PHOTOGRAPHER*>(context);
    if (p->Finishing || !Is_Live_Game_Shown()) return;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        if (p->Colours[4] == 0) p->Colours[4] = Take_View_Picture(p->Prefix + "-playback");
        Press_Key(KEY_ENTER);
        return;
    }
    const int32_t state = Get_Play_Call_State();
    if (state == 1 && p->Colours[1] == 0) {
        if (!p->Pointed) {
            p->Pointed = true;
            const RECT_AREA cell = Get_Play_Button_Cell(2);
            Move_To_Design_Point(cell.Left + 30, cell.Top + 30);
            return;
        }
        p->Colours[1] = Take_View_Picture(p->Prefix + "-offence");
    }
    if (state == 2 && p->Colours[2] == 0) p->Colours[2] = Take_View_Picture(p->Prefix + "-defence");
    if (state >= 1 && state <= 3 && p->Colours[1] != 0 && p->Colours[2] != 0 && p->Colours[4] != 0) {
        Script_Message_Answer("Finish Game", ID_BOX_OK);
        Script_Key_Press('G', KEY_MODIFIER_CONTROL);
        p->Finishing = true;
        return;
    }
    if (state >= 1 && state <= 3) Press_Key('1');
}

class GameDayPictures : public GameDayTest, public testing::WithParamInterface<LOOK> {};
} // namespace

TEST_P(GameDayPictures, TheScreenAndTheDialogAreDrawnInEveryLook) {
    const LOOK look = GetParam();
    Start_Game_Day(look.Skin);
    // The default league's teams of its newest season, whose logos were drawn.
    Set_Team_Abbreviation("BUF", GAME_DAY_HOME);
    Set_Team_Abbreviation("MIA", GAME_DAY_VISITOR);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
    Set_User_Preference(DARK_TEXT_SETTING, look.Dark_Text ? 1 : 0);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 1;
    PHOTOGRAPHER photographer;
    photographer.Prefix = std::string(look.Skin) + (look.Dark_Text ? "-dark" : "");
    picture_prefix = photographer.Prefix;
    dialog_colours = 0;
    Script_Dialog_Control_Click(181, MATCHUP_PLAY_BUTTON,
                                [] { dialog_colours = Take_Screen_Picture(picture_prefix + "-matchup"); });
    Start_Game_Day_User(Photograph, &photographer);
    Advance_Weeks(1);
    Stop_Game_Day_User();
    Set_Current_View(GAMES_VIEW_ID);
    const int32_t final_colours = Take_View_Picture(photographer.Prefix + "-final");
    // A picture of a few colours would be an empty screen.
    EXPECT_GT(dialog_colours, 50);
    for (int32_t state : {1, 2, 4})
        EXPECT_GT(photographer.Colours[state], 50) << "picture " << state;
    EXPECT_GT(final_colours, 50);
    EXPECT_EQ(Is_Game_Over(Get_Game_Record(0)), 1);
}

INSTANTIATE_TEST_SUITE_P(Looks, GameDayPictures,
                         testing::Values(LOOK{"earth", false}, LOOK{"ice", true}, LOOK{"fire", false}),
                         [](const testing::TestParamInfo<LOOK>& info) {
                             return std::string(info.param.Skin) + (info.param.Dark_Text ? "Dark" : "");
                         });
