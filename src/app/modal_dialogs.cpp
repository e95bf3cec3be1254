#include "app/modal_dialogs.h"

#include "platform/message_box.h"

namespace {
int32_t Dialogs_Opened = 0;
int32_t Last_Dialog_Id = -1;
int32_t Play_Menu_Mode = 0;
int32_t Main_Menu_Enabled = 1;
} // namespace

int32_t Do_Dialog(void*, int32_t dialog_id, intptr_t) {
    ++Dialogs_Opened;
    Last_Dialog_Id = dialog_id;
    return ID_BOX_OK;
}

int32_t Count_Dialogs_Opened() {
    return Dialogs_Opened;
}

int32_t Get_Last_Dialog_Id() {
    return Last_Dialog_Id;
}

void Set_Play_Menu_Mode(int32_t mode) {
    Play_Menu_Mode = mode;
}

int32_t Get_Play_Menu_Mode() {
    return Play_Menu_Mode;
}

void Enable_Main_Menu(int32_t enable) {
    Main_Menu_Enabled = enable != 0;
}

int32_t Is_Main_Menu_Enabled() {
    return Main_Menu_Enabled;
}
