// Every dialog the dispatcher knows, opened as the game opens it, with every
// label, caption, static text and combo choice measured in its own font: no
// text wider or taller than its place, no two controls showing text on top
// of each other, and nothing the dialog paints itself clipped or overlapping.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/message_box_dialog.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"

namespace {

class DialogLayout : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(SELECTED_PLAYER_TEAM, 5);
        Set_User_Preference(SELECTED_PLAYER_SLOT, 0);
    }
};

// Opens dialog `id` through the dispatcher and returns the faults of its
// controls and of what it painted, as the user first sees it.
std::string Look_At_Dialog(int32_t id, intptr_t parameter, const std::string& picture) {
    std::string faults;
    bool seen = false;
    Clear_Drawn_Texts();
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        if (Get_Dialog_Template_Id(dialog) == 0) return;
        seen = true;
        faults = Join_Faults(Find_Control_Layout_Faults(dialog));
        Keep_Dialog_Picture(dialog, picture);
        faults += Join_Faults(Find_Drawn_Text_Faults());
        End_Dialog(dialog, 0);
    });
    Do_Dialog(Main_Window, id, parameter);
    Clear_Dialog_Steps();
    return seen ? faults : "the dialog did not open\n";
}
} // namespace

TEST_F(DialogLayout, EveryDialogsTextsFitTheirPlaces) {
    // A saved game for Resume Game to list, and a message box with long labels.
    ASSERT_EQ(Save_Game("layout.kor", nullptr), SAVE_OK);
    USER_MESSAGE_RECORD message = {{"Caption", "A question with three answers?", "",
                                    "&Replace the Saved Game", "&Keep Both Games", "&Cancel"}};
    // Owner Mode shows the money controls, Commissioner Mode relabels buttons.
    struct MODES {
        int32_t Owner, Commissioner;
    };
    for (const MODES modes : {MODES{1, 0}, MODES{0, 1}}) {
        Set_User_Preference(OWNER_MODE, modes.Owner);
        Set_User_Preference(COMMISSIONER_MODE, modes.Commissioner);
        for (int32_t row = 0; row < Get_Dialog_Table_Size(); ++row) {
            const int32_t id = Get_Dialog_Table_Id(row);
            const intptr_t parameter = id == USER_MESSAGE_DIALOG ? reinterpret_cast<intptr_t>(&message) : 0;
            const std::string picture =
                "layout_" + std::to_string(id) + (modes.Owner != 0 ? "" : "_commissioner");
            EXPECT_EQ(Look_At_Dialog(id, parameter, picture), "") << "dialog " << id << " in " << picture;
        }
    }
    std::remove("layout.kor");
}

// The matchup before a game of every kind of week, while the calendar runs
// on to a later week (the third button names it).
TEST_F(DialogLayout, TheMatchupDialogFitsEveryWeekAndItsThirdButton) {
    Get_Game_Record(0)->Team[0] = 1;
    Get_Game_Record(0)->Team[1] = 2;
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    // The playoff days (week + 1) of a 17-week season.
    const int32_t days[5] = {18, 19, 20, 22, 22};
    for (int32_t i = 0; i < 5; ++i)
        Universe.Post_Season_Days[i] = days[i];
    std::set<std::string> names;
    for (int32_t week = 0; week < 30; ++week) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Format_Week_Name(week, name);
        if (!names.insert(name).second) continue;
        Set_User_Preference(CURRENT_WEEK, week);
        Universe.Header.Target_Week = 21;
        EXPECT_EQ(Look_At_Dialog(181, 0, "layout_matchup_" + std::to_string(week)), "") << name;
    }
}
