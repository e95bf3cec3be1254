#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/special_teams_dialog.h"
#include "editor_dialogs_fixture.h"
#include "platform/dialogs.h"
#include "platform/windows.h"

namespace {
using DepthChartDialogs = EditorDialogsTest;
} // namespace

TEST_F(DepthChartDialogs, PagesDrawn) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, 1223, 1);
        Keep_Dialog_Picture(dialog, "offense");
        Click_Dialog_Button(dialog, DEPTH_DEFENSE_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "defense");
        Click_Dialog_Button(dialog, DEPTH_SPECIAL_TEAMS_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "special_teams");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, OFFENSE_DIALOG, 0), 1);
}
