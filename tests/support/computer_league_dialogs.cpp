#include "support/computer_league_dialogs.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "support/computer_league.h"
#include "support/dialog_steps.h"
#include "support/installation_folders.h"

void ComputerLeagueDialogTest::SetUp() {
    FrameTest::SetUp();
    Build_Computer_League();
    Set_Team_Stat(User_Team_Number, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(User_Team_Number);
    Set_User_Preference(VIEWED_TEAM, User_Team_Number);
    Prepare_League();
    Clear_Dialog_Steps();
    Start_Frame_Without_Loop();
    Link_Installation_Folders();
}

void ComputerLeagueDialogTest::TearDown() {
    Clear_Dialog_Steps();
    Unlink_Installation_Folders();
    FrameTest::TearDown();
}
