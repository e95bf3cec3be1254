#pragma once
// Column sets of the player lists as the tests set and read them: a kind's
// saved set in the settings, the columns a list shows and the heading menu
// driven with the keyboard.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "database/settings.h"
#include "dialogs/column_sets.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/list_view.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

inline int32_t Column_Set_Setting(int32_t kind, int32_t offset) {
    return FIRST_COLUMN_SET_SETTING + COLUMN_SET_SETTINGS * kind + offset;
}

// Kind k's saved set becomes these ids, sorted by `sort`.
inline void Store_Column_Set(int32_t kind, int32_t sort, std::initializer_list<int32_t> ids) {
    Set_User_Preference(Column_Set_Setting(kind, 0), static_cast<int32_t>(ids.size()));
    Set_User_Preference(Column_Set_Setting(kind, 1), sort);
    int32_t place = 0;
    for (int32_t id : ids)
        Set_User_Preference(Column_Set_Setting(kind, 2 + place++), id);
    for (; place < COLUMN_SET_PLACES; ++place)
        Set_User_Preference(Column_Set_Setting(kind, 2 + place), -1);
}

inline std::vector<int32_t> Stored_Column_Set(int32_t kind) {
    std::vector<int32_t> ids;
    for (int32_t place = 0; place < Get_User_Preference(Column_Set_Setting(kind, 0)); ++place)
        ids.push_back(Get_User_Preference(Column_Set_Setting(kind, 2 + place)));
    return ids;
}

// The ids of the columns a list view shows, in header order.
inline std::vector<int32_t> Shown_Column_Ids(WINDOW_HANDLE list) {
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < List_View_Get_Column_Count(list); ++i)
        ids.push_back(List_View_Get_Column_Sub_Item(list, i));
    return ids;
}

// The ids of a default row of the column sets.
inline std::vector<int32_t> Default_Column_Row(int32_t row) {
    std::vector<int32_t> ids;
    for (int32_t n = 0; Get_Default_Listview_Column(row, n) >= 0; ++n)
        ids.push_back(Get_Default_Listview_Column(row, n));
    return ids;
}

// A notice of the list `id` to its dialog, as a click on it sends.
inline void Send_List_Notice(WINDOW_HANDLE dialog, int32_t id, uint32_t code, int32_t sub_item = 0) {
    NOTIFY_INFO notice{};
    notice.From = Get_Dialog_Item(dialog, id);
    notice.From_Id = id;
    notice.Code = code;
    notice.Sub_Item = sub_item;
    Send_Window_Message(dialog, MSG_NOTIFY, static_cast<uintptr_t>(id), reinterpret_cast<intptr_t>(&notice));
}

// A right click on the list's header, then "Default Column Headings".
inline void Choose_Default_Columns_From_Menu(WINDOW_HANDLE dialog, int32_t id) {
    for (int32_t step = 0; step < 3; ++step)
        Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_ENTER, 0);
    Send_List_Notice(dialog, id, NOTIFY_HEADER_RIGHT_CLICK);
}
