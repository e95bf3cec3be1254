// A historical game played past the last season of real statistics: a New
// Game of 2021 on the installation starts in Replay Mode, and played on with
// every team run by the computer into 2023 it never tells of a read that
// cannot be. The mode ends at the start of 2022 with one word to the user,
// and the Options dialog agrees.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/startup.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/options_dialog.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/game_start.h"
#include "season/week_advance.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installed_seasons.h"

namespace {
class InstalledReplaySeasons : public InstalledFrameTest {};

std::string Messages_Told(const char* skipped) {
    std::string text;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption != skipped) text += "\"" + message.Caption + "\": " + message.Text + "\n";
    return text;
}

} // namespace

TEST_F(InstalledReplaySeasons, AGameOf2021PlaysInto2023WithoutAReadError) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    Choose_Installed_New_Game(2021);
    ASSERT_EQ(Get_Current_Year(), 2021);
    ASSERT_EQ(Universe.Header.Replay_Mode, 1) << "a historical season starts in Replay Mode";
    Set_All_Teams_Computer_Controlled();
    Clear_Shown_Messages();

    ASSERT_TRUE(Play_Installed_Game_Into(2022));
    EXPECT_EQ(Universe.Header.Replay_Mode, 0) << "no real season of 2022 to replay";
    // Washington's new name of 2022 is the league's news of that off-season.
    EXPECT_EQ(Messages_Told("Begin College Draft?"),
              "\"League News\": The Washington Football Team have changed their name to the Washington "
              "Commanders.\n"
              "\"Replay Mode Ended\": Real season statistics go no further than the 2021 season, so Replay "
              "Mode has been turned off.\n\nThe 2022 season and the seasons after it are played without "
              "real statistics.\n");
    // The Options dialog shows the mode as a season of 2022 has it, and
    // leaves it off.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, OPTION_REPLAY_BOX)));
        EXPECT_FALSE(Is_Dialog_Button_Checked(dialog, OPTION_REPLAY_BOX));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, OPTION_REPLAY_TEXT),
                  "'Replay Mode' is only available for historical seasons (1951 - 2021).");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, OPTIONS_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);

    Clear_Shown_Messages();
    ASSERT_TRUE(Play_Installed_Game_Into(2023));
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    EXPECT_EQ(Messages_Told("Begin College Draft?"), "") << "the next season tells nothing";
}
