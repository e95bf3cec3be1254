#include "app/team_lists.h"

#include <cstdio>
#include <string>

#include "app/image_drawing.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "platform/combo_box.h"
#include "platform/control_drawing.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "playbooks/franchise_table.h"

namespace {
constexpr int TEXT_SIZE = 256;

// A franchise in use or one of the pools.
bool Is_Viewable_Team(int32_t team) {
    return Is_Used_Franchise_Slot(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

// The shared body of the two team list painters.
void Draw_Team_Item(const DRAW_ITEM_INFO* item, bool combo) {
    if (item == nullptr || item->Dc == nullptr) return;
    DEVICE_CONTEXT* dc = item->Dc;
    const bool selected = (item->State & ITEM_SELECTED) != 0;
    Fill_Surface_Area(dc, item->Rect, Get_System_Colour(selected ? COLOUR_HIGHLIGHT : COLOUR_WINDOW));
    if (item->Item < 0) return;
    const std::string text =
        combo ? Combo_Box_Get_Text(item->Control, item->Item) : List_Box_Get_Text(item->Control, item->Item);
    const DC_STATE saved = dc->State;
    Select_Font(dc, Get_Window_Font(item->Control));
    Set_Text_Colour(dc, Get_System_Colour(selected ? COLOUR_HIGHLIGHT_TEXT : COLOUR_WINDOW_TEXT));
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const std::string shown = " " + text;
    RECT_AREA area = item->Rect;
    Draw_Text_In_Rect(dc, shown.c_str(), -1, &area, TEXT_EXPAND_TABS | TEXT_SINGLE_LINE | TEXT_NO_PREFIX);
    dc->State = saved;
    // The user's own team carries its helmet at the right.
    int32_t user = Get_User_Team();
    if (!Is_Viewable_Team(user)) return;
    char name[TEXT_SIZE] = "";
    Get_Team_Full_Name(user, name);
    if (text != name) return;
    char helmet[64] = "";
    Get_Helmet_Image_Path(helmet, user, 0);
    const int32_t size = item->Rect.Bottom - item->Rect.Top;
    Draw_Cached_Image(dc, helmet, item->Rect.Right - 2 - size, item->Rect.Top, size, size);
}
} // namespace

void Validate_Viewed_Team() {
    int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    if (!Is_Viewable_Team(viewed)) {
        const int32_t user = Get_User_Preference(USER_TEAM);
        viewed = Is_Viewable_Team(user) ? user : 0;
        Set_User_Preference(VIEWED_TEAM, viewed);
    }
    if (Is_Used_Franchise_Slot(viewed) && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0 &&
        Get_Team_Stat(viewed, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN)
        Set_User_Team(viewed);
}

void Set_Team_Dialog_Caption(WINDOW_HANDLE dialog) {
    Validate_Viewed_Team();
    char name[TEXT_SIZE] = "";
    Get_Team_Full_Name(Get_User_Preference(VIEWED_TEAM), name);
    char caption[TEXT_SIZE * 2];
    std::snprintf(caption, sizeof caption, "%s (%d %s)", Get_Window_Text(dialog).c_str(), Get_Current_Year(),
                  name);
    Set_Window_Text(dialog, caption);
}

int32_t Confirm_Release_Player(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, name);
    char question[PLAYER_NAME_TEXT_SIZE + 64];
    std::snprintf(question, sizeof question, "Are you sure you want to release %s?", name);
    if (Show_Message_Box(question, "Release Player?", BOX_YES_NO | BOX_TASK_MODAL) != ID_BOX_YES) return 0;
    if (Release_Player_To_Free_Agents(team, slot) != 0) return 1;
    // Only a full pool whose every player a running fantasy draft has taken
    // refuses a franchise's player: the roster stays as it was.
    if (team != FREE_AGENT_TEAM)
        Show_Formatted_Message("Player Not Released",
                               "%s stays on the roster. The Free Agent list is full, and until the Fantasy "
                               "Draft ends it holds only drafted players, none of whom may leave it to make "
                               "room for him.",
                               name);
    return 0;
}

void Fill_Team_Selector(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    if (selector == NO_WINDOW) return;
    const bool list = Get_Window_Class_Name(selector) == "ListBox";
    Validate_Viewed_Team();
    if (list)
        List_Box_Reset_Content(selector);
    else
        Combo_Box_Reset_Content(selector);
    const int32_t count = Count_Active_Teams();
    const int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    for (int32_t team = 0; team < count; ++team) {
        char name[TEXT_SIZE] = "";
        Get_Team_Full_Name(team, name);
        if (list) {
            const int32_t index = List_Box_Add_String(selector, name);
            List_Box_Set_Item_Data(selector, index, team + TEAM_ITEM_DATA_BASE);
            if (team == viewed) List_Box_Set_Current_Selection(selector, index);
        } else {
            const int32_t index = Combo_Box_Add_String(selector, name);
            Combo_Box_Set_Item_Data(selector, index, team + TEAM_ITEM_DATA_BASE);
            if (team == viewed) Combo_Box_Set_Current_Selection(selector, index);
        }
    }
    Enable_Window(selector, count > 0);
}

void Draw_Team_Listbox_Item(const DRAW_ITEM_INFO* item) {
    Draw_Team_Item(item, false);
}

void Draw_Team_Combo_Item(const DRAW_ITEM_INFO* item) {
    Draw_Team_Item(item, true);
}

int32_t Measure_List_Item_Height(WINDOW_HANDLE dialog, MEASURE_ITEM_INFO* item) {
    if (item == nullptr) return 1;
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Font(&dc, Get_Window_Font(Get_Dialog_Item(dialog, item->Control_Id)));
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    item->Item_Height = metrics.Height + metrics.External_Leading + 2;
    return 1;
}
