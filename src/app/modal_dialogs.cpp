#include "app/modal_dialogs.h"

#include "app/dialog_table.h"
#include "app/main_window.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "views/game_day_view.h"

int32_t Choose_Stat_Dialog_Id = 0;

namespace {
int32_t dialogs_opened = 0;
int32_t last_dialog_id = -1;

bool Is_Choose_Stat_Dialog(int32_t id) {
    return id == 143 || id == 144 || id == 145 || id == 163;
}
} // namespace

int32_t Do_Dialog(WINDOW_HANDLE owner, int32_t dialog_id, intptr_t parameter) {
    if (owner == NO_WINDOW) owner = Main_Window;
    if (!Is_Window(owner)) owner = NO_WINDOW;
    const DIALOG_TABLE_ROW* row = dialog_id <= USER_MESSAGE_DIALOG ? Find_Dialog_Row(dialog_id) : nullptr;
    int32_t result = 0;
    if (row == nullptr) {
        Show_Formatted_Message("Do_Dialog()",
                               "Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted.");
    } else {
        ++dialogs_opened;
        last_dialog_id = dialog_id;
        if (Is_Choose_Stat_Dialog(dialog_id)) Choose_Stat_Dialog_Id = dialog_id;
        const intptr_t used_parameter = row->Has_Parameter ? row->Parameter : parameter;
        result = static_cast<int32_t>(
            Run_Modal_Dialog(owner, *Get_Row_Template(*row), Get_Row_Procedure(*row), used_parameter));
    }
    // The dialog may have changed a roster or a depth chart: the live box
    // score lines choose their players afresh.
    Clear_Live_Box_Score_Player_Ids();
    Redraw_Main_Window();
    return result;
}

int32_t Refresh_Bars_And_Do_Dialog(WINDOW_HANDLE owner, int32_t dialog_id) {
    if (Is_Window(Status_Bar_Window)) Redock_Status_Bars();
    return Do_Dialog(owner, dialog_id, 0);
}

const DIALOG_TEMPLATE* Get_Dialog_Template(int32_t dialog_id) {
    const DIALOG_TABLE_ROW* row = Find_Dialog_Row(dialog_id);
    return row != nullptr ? Get_Row_Template(*row) : nullptr;
}

int32_t Get_Dialog_Table_Size() {
    return Count_Dialog_Rows();
}

int32_t Get_Dialog_Table_Id(int32_t row) {
    const DIALOG_TABLE_ROW* entry = Get_Dialog_Row(row);
    return entry != nullptr ? entry->Id : -1;
}

int32_t Count_Dialogs_Opened() {
    return dialogs_opened;
}

int32_t Get_Last_Dialog_Id() {
    return last_dialog_id;
}
