#include "platform/menus.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/backend.h"
#include "platform/error_reporter.h"
#include "platform/keys.h"
#include "platform/label_drawing.h"
#include "platform/message_queue.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct MENU_ITEM {
    uint32_t Flags;
    int32_t Id;
    std::string Text;
    MENU_HANDLE Sub_Menu;
};

struct MENU_RECORD {
    std::vector<MENU_ITEM> Items;
};

constexpr MENU_HANDLE FIRST_MENU_HANDLE = 0x20000;
std::map<MENU_HANDLE, MENU_RECORD> menus;
MENU_HANDLE next_menu = FIRST_MENU_HANDLE;

constexpr int32_t TITLE_PADDING = 8;
constexpr int32_t ITEM_HEIGHT = 20;
constexpr int32_t SEPARATOR_HEIGHT = 8;
constexpr int32_t ITEM_PADDING = 12;
constexpr int32_t ACCELERATOR_GAP = 24;
constexpr COLOUR_VALUE MENU_COLOUR = Make_Colour(236, 236, 236);
constexpr COLOUR_VALUE MENU_LINE_COLOUR = Make_Colour(180, 180, 180);
constexpr COLOUR_VALUE MENU_TEXT_COLOUR = Make_Colour(0, 0, 0);
constexpr COLOUR_VALUE MENU_GRAYED_COLOUR = Make_Colour(150, 150, 150);
constexpr COLOUR_VALUE MENU_HOT_COLOUR = Make_Colour(50, 100, 180);
constexpr COLOUR_VALUE MENU_HOT_TEXT_COLOUR = Make_Colour(255, 255, 255);
const char* const DROP_DOWN_CLASS = "#menu-drop-down";

MENU_RECORD* Find_Menu(MENU_HANDLE menu) {
    auto found = menus.find(menu);
    return found == menus.end() ? nullptr : &found->second;
}

MENU_ITEM* Find_Item(MENU_HANDLE menu, int32_t position) {
    MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr || position < 0 || position >= static_cast<int32_t>(record->Items.size()))
        return nullptr;
    return &record->Items[static_cast<size_t>(position)];
}

int32_t Title_Width(const MENU_ITEM& item) {
    return Measure_Label_Width(item.Text.c_str()) + 2 * TITLE_PADDING;
}

// An item's label and its accelerator text, which follows a tab.
void Split_Item_Text(const std::string& text, std::string* label, std::string* keys) {
    const size_t tab = text.find('\t');
    *label = text.substr(0, tab);
    *keys = tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

// What a drop-down shows and what became of it.
struct DROP_DOWN {
    MENU_HANDLE Menu;
    int32_t Hot;    // position under the pointer or chosen by the keys, -1 none
    int32_t Chosen; // command chosen, 0 none
    bool Done;
};

int32_t Item_Height(const MENU_ITEM& item) {
    return (item.Flags & MENU_ITEM_SEPARATOR) != 0 ? SEPARATOR_HEIGHT : ITEM_HEIGHT;
}

bool Is_Choosable(const MENU_ITEM& item) {
    return (item.Flags & (MENU_ITEM_SEPARATOR | MENU_ITEM_GRAYED)) == 0 && item.Sub_Menu == NO_MENU;
}

int32_t Item_At(const MENU_RECORD& record, int32_t y) {
    int32_t top = 0;
    for (size_t i = 0; i < record.Items.size(); ++i) {
        const int32_t height = Item_Height(record.Items[i]);
        if (y >= top && y < top + height) return static_cast<int32_t>(i);
        top += height;
    }
    return -1;
}

void Paint_Drop_Down(WINDOW_HANDLE window, const DROP_DOWN& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    Fill_Surface_Area(dc, client, MENU_COLOUR);
    if (const MENU_RECORD* record = Find_Menu(state.Menu)) {
        int32_t top = 0;
        for (size_t i = 0; i < record->Items.size(); ++i) {
            const MENU_ITEM& item = record->Items[i];
            const int32_t height = Item_Height(item);
            if ((item.Flags & MENU_ITEM_SEPARATOR) != 0) {
                Fill_Surface_Area(dc, {4, top + height / 2, client.Right - 4, top + height / 2 + 1},
                                  MENU_LINE_COLOUR);
            } else {
                const bool hot = static_cast<int32_t>(i) == state.Hot && Is_Choosable(item);
                if (hot) Fill_Surface_Area(dc, {0, top, client.Right, top + height}, MENU_HOT_COLOUR);
                COLOUR_VALUE colour = (item.Flags & MENU_ITEM_GRAYED) != 0 ? MENU_GRAYED_COLOUR
                                      : hot                                ? MENU_HOT_TEXT_COLOUR
                                                                           : MENU_TEXT_COLOUR;
                std::string label, keys;
                Split_Item_Text(item.Text, &label, &keys);
                if ((item.Flags & MENU_ITEM_CHECKED) != 0)
                    Fill_Surface_Area(dc, {4, top + 7, 9, top + 12}, colour);
                const RECT_AREA line = {ITEM_PADDING, top, client.Right - ITEM_PADDING, top + height};
                Draw_Label(dc, label.c_str(), line, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, colour);
                Draw_Label(dc, keys.c_str(), line, TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE,
                           colour);
            }
            top += height;
        }
    }
    End_Paint(window, &paint);
}

// Moves the hot item by `step` to the next choosable one.
void Move_Hot_Item(DROP_DOWN& state, int32_t step) {
    const MENU_RECORD* record = Find_Menu(state.Menu);
    if (record == nullptr || record->Items.empty()) return;
    const int32_t count = static_cast<int32_t>(record->Items.size());
    int32_t position = state.Hot;
    for (int32_t tries = 0; tries < count; ++tries) {
        position = position < 0 ? (step > 0 ? 0 : count - 1) : (position + step + count) % count;
        if (Is_Choosable(record->Items[static_cast<size_t>(position)])) {
            state.Hot = position;
            return;
        }
    }
}

intptr_t Drop_Down_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    DROP_DOWN* state = reinterpret_cast<DROP_DOWN*>(Get_Window_Data(window, 0));
    if (state == nullptr) return Default_Window_Procedure(window, code, wparam, lparam);
    const MENU_RECORD* record = Find_Menu(state->Menu);
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    switch (code) {
    case MSG_PAINT:
        Paint_Drop_Down(window, *state);
        return 0;
    case MSG_MOUSE_MOVE: {
        const int32_t x = Point_X(lparam), y = Point_Y(lparam);
        const int32_t hot = Is_Point_In_Rect(client, x, y) && record != nullptr ? Item_At(*record, y) : -1;
        if (hot != state->Hot) {
            state->Hot = hot;
            Invalidate_Window(window, nullptr);
        }
        return 0;
    }
    case MSG_LBUTTON_DOWN:
    case MSG_RBUTTON_DOWN:
        // A press outside the drop-down dismisses it.
        if (!Is_Point_In_Rect(client, Point_X(lparam), Point_Y(lparam))) state->Done = true;
        return 0;
    case MSG_LBUTTON_UP: {
        const int32_t x = Point_X(lparam), y = Point_Y(lparam);
        if (!Is_Point_In_Rect(client, x, y) || record == nullptr) return 0;
        const int32_t position = Item_At(*record, y);
        if (position >= 0 && Is_Choosable(record->Items[static_cast<size_t>(position)])) {
            state->Chosen = record->Items[static_cast<size_t>(position)].Id;
            state->Done = true;
        }
        return 0;
    }
    case MSG_KEY_DOWN:
        if (wparam == KEY_ESCAPE) {
            state->Done = true;
        } else if (wparam == KEY_DOWN || wparam == KEY_UP) {
            Move_Hot_Item(*state, wparam == KEY_DOWN ? 1 : -1);
            Invalidate_Window(window, nullptr);
        } else if (wparam == KEY_ENTER && record != nullptr && state->Hot >= 0 &&
                   Is_Choosable(record->Items[static_cast<size_t>(state->Hot)])) {
            state->Chosen = record->Items[static_cast<size_t>(state->Hot)].Id;
            state->Done = true;
        }
        return 0;
    case MSG_CAPTURE_LOST:
        state->Done = true;
        return 0;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

bool Is_Drop_Down_Done(void* context) {
    return static_cast<DROP_DOWN*>(context)->Done;
}

RECT_AREA Drop_Down_Rect(const MENU_RECORD& record, int32_t left, int32_t top) {
    int32_t width = 0, height = 0;
    for (const MENU_ITEM& item : record.Items) {
        std::string label, keys;
        Split_Item_Text(item.Text, &label, &keys);
        int32_t needed = Measure_Label_Width(label.c_str()) + 2 * ITEM_PADDING;
        if (!keys.empty()) needed += ACCELERATOR_GAP + Measure_Label_Width(keys.c_str());
        width = std::max(width, needed);
        height += Item_Height(item);
    }
    width = std::max(width, 120);
    return {left, top, left + width + 2 * BORDER_WIDTH, top + height + 2 * BORDER_WIDTH};
}

// Shows `menu` as a drop-down at `rect` (screen) over `owner` and runs it
// until an item is chosen (its id), it is dismissed or the program is asked
// to quit (0).
int32_t Run_Drop_Down(MENU_HANDLE menu, const RECT_AREA& rect, WINDOW_HANDLE owner) {
    if (!Is_Window_Class_Registered(DROP_DOWN_CLASS))
        Register_Window_Class(DROP_DOWN_CLASS, Drop_Down_Procedure, MENU_COLOUR);
    DROP_DOWN state = {menu, -1, 0, false};
    const WINDOW_HANDLE drop_down =
        Create_Window(DROP_DOWN_CLASS, "", WINDOW_POPUP | WINDOW_BORDER, rect, owner, 0, 0);
    if (drop_down == NO_WINDOW) return 0;
    Set_Window_Data(drop_down, 0, reinterpret_cast<intptr_t>(&state));
    Show_Window(drop_down, true);
    Set_Capture(drop_down);
    Run_Message_Loop_Until(Is_Drop_Down_Done, &state);
    if (Get_Capture() == drop_down) Release_Capture();
    if (Is_Window(drop_down)) {
        Set_Window_Data(drop_down, 0, 0);
        Destroy_Window(drop_down);
    }
    return Is_Quit_Requested() ? 0 : state.Chosen;
}
} // namespace

MENU_HANDLE Create_Menu() {
    const MENU_HANDLE handle = next_menu++;
    menus[handle] = MENU_RECORD{};
    return handle;
}

bool Destroy_Menu(MENU_HANDLE menu) {
    MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) {
        Report_Platform_Error("Destroy_Menu(%u): no such menu", menu);
        return false;
    }
    std::vector<MENU_HANDLE> subs;
    for (const MENU_ITEM& item : record->Items)
        if (item.Sub_Menu != NO_MENU) subs.push_back(item.Sub_Menu);
    menus.erase(menu);
    for (MENU_HANDLE sub : subs)
        if (Is_Menu(sub)) Destroy_Menu(sub);
    return true;
}

bool Is_Menu(MENU_HANDLE menu) {
    return Find_Menu(menu) != nullptr;
}

bool Append_Menu_Item(MENU_HANDLE menu, uint32_t flags, int32_t id, const char* text) {
    MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) {
        Report_Platform_Error("Append_Menu_Item(%u): no such menu", menu);
        return false;
    }
    record->Items.push_back(
        {flags, (flags & MENU_ITEM_SEPARATOR) != 0 ? -1 : id, text != nullptr ? text : "", NO_MENU});
    return true;
}

bool Append_Sub_Menu(MENU_HANDLE menu, MENU_HANDLE sub_menu, const char* text) {
    MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr || !Is_Menu(sub_menu) || sub_menu == menu) {
        Report_Platform_Error("Append_Sub_Menu(%u,%u): no such menu", menu, sub_menu);
        return false;
    }
    record->Items.push_back({0, -1, text != nullptr ? text : "", sub_menu});
    return true;
}

bool Delete_Menu_Item_At(MENU_HANDLE menu, int32_t position) {
    MENU_RECORD* record = Find_Menu(menu);
    if (Find_Item(menu, position) == nullptr) return false;
    const MENU_HANDLE sub = record->Items[static_cast<size_t>(position)].Sub_Menu;
    record->Items.erase(record->Items.begin() + position);
    if (sub != NO_MENU && Is_Menu(sub)) Destroy_Menu(sub);
    return true;
}

int32_t Get_Menu_Item_Count(MENU_HANDLE menu) {
    const MENU_RECORD* record = Find_Menu(menu);
    return record != nullptr ? static_cast<int32_t>(record->Items.size()) : -1;
}

MENU_HANDLE Get_Sub_Menu(MENU_HANDLE menu, int32_t position) {
    const MENU_ITEM* item = Find_Item(menu, position);
    return item != nullptr ? item->Sub_Menu : NO_MENU;
}

int32_t Get_Menu_Item_Id(MENU_HANDLE menu, int32_t position) {
    const MENU_ITEM* item = Find_Item(menu, position);
    return item != nullptr && item->Sub_Menu == NO_MENU ? item->Id : -1;
}

uint32_t Get_Menu_Item_Flags(MENU_HANDLE menu, int32_t position) {
    const MENU_ITEM* item = Find_Item(menu, position);
    return item != nullptr ? item->Flags : 0;
}

std::string Get_Menu_Item_Text(MENU_HANDLE menu, int32_t position) {
    const MENU_ITEM* item = Find_Item(menu, position);
    return item != nullptr ? item->Text : std::string();
}

bool Enable_Menu_Item_At(MENU_HANDLE menu, int32_t position, bool enable) {
    MENU_ITEM* item = Find_Item(menu, position);
    if (item == nullptr) return false;
    if (enable)
        item->Flags &= ~MENU_ITEM_GRAYED;
    else
        item->Flags |= MENU_ITEM_GRAYED;
    return true;
}

bool Find_Menu_Command(MENU_HANDLE menu, int32_t id, MENU_HANDLE* holder, int32_t* position) {
    const MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) return false;
    for (size_t i = 0; i < record->Items.size(); ++i) {
        const MENU_ITEM& item = record->Items[i];
        if (item.Sub_Menu != NO_MENU) {
            if (Find_Menu_Command(item.Sub_Menu, id, holder, position)) return true;
        } else if (item.Id == id && (item.Flags & MENU_ITEM_SEPARATOR) == 0) {
            if (holder != nullptr) *holder = menu;
            if (position != nullptr) *position = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

bool Set_Menu_Command_Text(MENU_HANDLE menu, int32_t id, const char* text) {
    MENU_HANDLE holder = NO_MENU;
    int32_t position = -1;
    if (!Find_Menu_Command(menu, id, &holder, &position)) return false;
    Find_Item(holder, position)->Text = text != nullptr ? text : "";
    return true;
}

std::string Get_Menu_Command_Text(MENU_HANDLE menu, int32_t id) {
    MENU_HANDLE holder = NO_MENU;
    int32_t position = -1;
    return Find_Menu_Command(menu, id, &holder, &position) ? Get_Menu_Item_Text(holder, position)
                                                           : std::string();
}

namespace {
// Whether the command lies in `menu` and everything on the way is enabled.
bool Is_Enabled_Below(MENU_HANDLE menu, int32_t id, bool* found) {
    const MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) return false;
    for (const MENU_ITEM& item : record->Items) {
        if (item.Sub_Menu != NO_MENU) {
            bool inner = false;
            const bool enabled = Is_Enabled_Below(item.Sub_Menu, id, &inner);
            if (inner) {
                *found = true;
                return enabled && (item.Flags & MENU_ITEM_GRAYED) == 0;
            }
        } else if (item.Id == id && (item.Flags & MENU_ITEM_SEPARATOR) == 0) {
            *found = true;
            return (item.Flags & MENU_ITEM_GRAYED) == 0;
        }
    }
    return false;
}
} // namespace

bool Is_Menu_Command_Enabled(MENU_HANDLE menu, int32_t id) {
    bool found = false;
    return Is_Enabled_Below(menu, id, &found) && found;
}

void Draw_Menu_Bar(WINDOW_HANDLE window) {
    if (Is_Window(window)) Mark_Screen_Changed();
}

void Paint_Menu_Bar(DRAWING_SURFACE* target, const RECT_AREA& bar, MENU_HANDLE menu) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, target);
    Fill_Surface_Area(&dc, bar, MENU_COLOUR);
    Fill_Surface_Area(&dc, {bar.Left, bar.Bottom - 1, bar.Right, bar.Bottom}, MENU_LINE_COLOUR);
    const MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) return;
    int32_t x = bar.Left;
    for (const MENU_ITEM& item : record->Items) {
        const int32_t width = Title_Width(item);
        const COLOUR_VALUE colour =
            (item.Flags & MENU_ITEM_GRAYED) != 0 ? MENU_GRAYED_COLOUR : MENU_TEXT_COLOUR;
        Draw_Label(&dc, item.Text.c_str(), {x, bar.Top, x + width, bar.Bottom - 1},
                   TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, colour);
        x += width;
    }
}

int32_t Find_Menu_Bar_Title(MENU_HANDLE menu, int32_t x) {
    const MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr) return -1;
    int32_t left = 0;
    for (size_t i = 0; i < record->Items.size(); ++i) {
        const int32_t width = Title_Width(record->Items[i]);
        if (x >= left && x < left + width) return static_cast<int32_t>(i);
        left += width;
    }
    return -1;
}

int32_t Track_Menu_Bar(WINDOW_HANDLE window, int32_t position) {
    const MENU_HANDLE bar = Get_Window_Menu(window);
    const MENU_ITEM* title = Find_Item(bar, position);
    if (title == nullptr || (title->Flags & MENU_ITEM_GRAYED) != 0) return 0;
    if (title->Sub_Menu == NO_MENU) {
        // A command on the bar itself.
        if ((title->Flags & MENU_ITEM_SEPARATOR) != 0) return 0;
        Post_Window_Message(window, MSG_COMMAND, Pack_Command(title->Id, 0), 0);
        return title->Id;
    }
    const MENU_RECORD* record = Find_Menu(title->Sub_Menu);
    if (record == nullptr || record->Items.empty()) return 0;

    RECT_AREA window_rect, bar_rect;
    Get_Window_Rect(window, &window_rect);
    Get_Menu_Bar_Rect(window, &bar_rect);
    int32_t left = window_rect.Left + bar_rect.Left;
    for (int32_t i = 0; i < position; ++i)
        left += Title_Width(*Find_Item(bar, i));
    const RECT_AREA rect = Drop_Down_Rect(*record, left, window_rect.Top + bar_rect.Bottom);
    const int32_t chosen = Run_Drop_Down(title->Sub_Menu, rect, window);
    if (chosen != 0 && Is_Window(window) && !Is_Quit_Requested())
        Post_Window_Message(window, MSG_COMMAND, Pack_Command(chosen, 0), 0);
    return Is_Quit_Requested() ? 0 : chosen;
}

int32_t Track_Popup_Menu(MENU_HANDLE menu, int32_t x, int32_t y, WINDOW_HANDLE owner) {
    const MENU_RECORD* record = Find_Menu(menu);
    if (record == nullptr || record->Items.empty()) return 0;
    RECT_AREA rect = Drop_Down_Rect(*record, x, y);
    // Kept on the work area: a menu opened near its right or bottom edge
    // opens to the left of or above the point instead.
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    const int32_t width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    if (rect.Right > area.Right) rect = Offset_Rect(rect, std::max(area.Left, x - width) - rect.Left, 0);
    if (rect.Bottom > area.Bottom) rect = Offset_Rect(rect, 0, std::max(area.Top, y - height) - rect.Top);
    return Run_Drop_Down(menu, rect, owner);
}

void Destroy_All_Menus() {
    menus.clear();
}
