#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/settings.h"
#include "dialogs/city_editor_dialog.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/stadium_editor_dialog.h"
#include "editor_dialogs_fixture.h"
#include "platform/dialogs.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

namespace {
using LeagueEditors = EditorDialogsTest;
} // namespace

TEST_F(LeagueEditors, Drawn) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "league_editor");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "stadium_editor");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0), 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "city_editor");
        Script_Dialog_Step([](WINDOW_HANDLE rename) {
            Keep_Dialog_Picture(rename, "rename_city");
            Click_Dialog_Button(rename, ID_CANCEL);
        });
        Click_Dialog_Button(dialog, EDIT_CITY_NAME_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0), 1);
}
