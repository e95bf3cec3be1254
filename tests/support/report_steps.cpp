#include "support/report_steps.h"

#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "dialogs/scouting_report.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/window_messages.h"
#include "support/dialog_steps.h"

void Release_The_Shown_Player(WINDOW_HANDLE report) {
    ASSERT_EQ(Get_Dialog_Template_Id(report), SCOUTING_REPORT_DIALOG);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Click_Dialog_Button(report, REPORT_RELEASE_BUTTON);
}

void Release_The_Player_Before(WINDOW_HANDLE report) {
    ASSERT_EQ(Get_Dialog_Template_Id(report), SCOUTING_REPORT_DIALOG);
    Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
    Release_The_Shown_Player(report);
}

int32_t Sign_An_Earlier_Free_Agent(WINDOW_HANDLE report) {
    for (int32_t n = 0; n < 4 && Get_User_Preference(SELECTED_PLAYER_SLOT) >= 2; ++n)
        Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), FREE_AGENT_TEAM);
    if (Get_User_Preference(SELECTED_PLAYER_SLOT) >= 2) {
        ADD_FAILURE() << "no free agent before him";
        return 0;
    }
    const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, Get_User_Preference(SELECTED_PLAYER_SLOT));
    Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
    Click_Dialog_Button(report, ID_OK);
    return id;
}
