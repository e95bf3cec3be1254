#include "app/bars_and_dialog.h"

#include "app/modal_dialogs.h"

// The status bar and news ticker are not drawn yet, so there is nothing to
// repaint before the dialog opens.
int32_t Refresh_Bars_And_Do_Dialog(void* owner, int32_t dialog_id) {
    return Do_Dialog(owner, dialog_id, 0);
}
