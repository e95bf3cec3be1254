#include "platform/accelerators.h"

#include "platform/menus.h"
#include "platform/windows.h"

bool Translate_Accelerator(WINDOW_HANDLE window, const ACCELERATOR* table, int32_t count,
                           const WINDOW_MESSAGE& message, ACCELERATOR_OVERRIDE greyed_sent) {
    if (message.Code != MSG_KEY_DOWN || table == nullptr || !Is_Window(window)) return false;
    const uint32_t key = static_cast<uint32_t>(message.Wparam);
    const uint32_t modifiers = static_cast<uint32_t>(message.Lparam);
    for (int32_t i = 0; i < count; ++i) {
        if (table[i].Key != key || table[i].Modifiers != modifiers) continue;
        const WINDOW_HANDLE top = Get_Top_Level_Window(window);
        if (!Is_Window_Enabled(top)) return false;
        const MENU_HANDLE menu = Get_Window_Menu(top);
        if (menu != NO_MENU && Find_Menu_Command(menu, table[i].Command, nullptr, nullptr) &&
            !Is_Menu_Command_Enabled(menu, table[i].Command) &&
            (greyed_sent == nullptr || !greyed_sent(table[i].Command)))
            return true;
        Send_Window_Message(window, MSG_COMMAND, Pack_Command(table[i].Command, NOTIFY_ACCELERATOR), 0);
        return true;
    }
    return false;
}
