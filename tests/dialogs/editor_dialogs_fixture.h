#pragma once
// The test league on the frame for the depth-chart pages and the editors:
// team 4 is the user's human-run team and the viewed one, the installation's
// skins, helmets and help pages are at hand, and no dialog steps or scripted
// answers are left over.
#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_folders.h"
#include "support/test_league.h"

#include "platform/windows.h"

constexpr int32_t USER_TEAM_SLOT = 4;
constexpr int32_t COMPUTER_TEAM_SLOT = 9;

// Escape: the dialog's cancel command, whether or not it has a Cancel button.
inline void Press_Escape(WINDOW_HANDLE dialog) {
    Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(ID_CANCEL, 0), 0);
}

class EditorDialogsTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Set_Team_Stat(USER_TEAM_SLOT, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_User_Team(USER_TEAM_SLOT);
        Set_User_Preference(VIEWED_TEAM, USER_TEAM_SLOT);
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
        Link_Installation_Folders();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Unlink_Installation_Folders();
        FrameTest::TearDown();
    }
};
