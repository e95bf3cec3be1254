#include "support/report_steps.h"

#include <gtest/gtest.h>

#include "dialogs/scouting_report.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/dialog_steps.h"

void Release_The_Player_Before(WINDOW_HANDLE report) {
    ASSERT_EQ(Get_Dialog_Template_Id(report), SCOUTING_REPORT_DIALOG);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
    Click_Dialog_Button(report, REPORT_RELEASE_BUTTON);
}
