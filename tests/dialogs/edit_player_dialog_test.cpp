#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "dialogs/edit_player_dialog.h"
#include "editor_dialogs_fixture.h"
#include "platform/dialogs.h"
#include "platform/windows.h"

namespace {
using EditPlayerDialogs = EditorDialogsTest;
} // namespace

TEST_F(EditPlayerDialogs, Drawn) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(SELECTED_PLAYER_TEAM, USER_TEAM_SLOT);
    Set_User_Preference(SELECTED_PLAYER_SLOT, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "edit_player");
        Choose_Dialog_Line(dialog, EDIT_ROW, 4);
        Keep_Dialog_Picture(dialog, "edit_player_line");
        Script_Dialog_Step([](WINDOW_HANDLE ratings) {
            Keep_Dialog_Picture(ratings, "edit_ratings");
            Click_Dialog_Button(ratings, EDIT_DONE);
        });
        Click_Dialog_Button(dialog, EDIT_RATINGS_BUTTON);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, EDIT_PLAYER_DIALOG, 0), 1);
}
