#pragma once
// Menus as data: a menu is a list of items (commands, separators and
// sub-menus), changed at run time by the frame. A window's menu is its menu
// bar; the layer draws it above the client area and opens a sub-menu as a
// drop-down when its title is clicked, posting MSG_COMMAND for the item chosen.
#include <cstdint>
#include <string>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Item flags.
constexpr uint32_t MENU_ITEM_GRAYED = 0x1;
constexpr uint32_t MENU_ITEM_CHECKED = 0x2;
constexpr uint32_t MENU_ITEM_SEPARATOR = 0x4;

MENU_HANDLE Create_Menu();
// Destroys the menu and its sub-menus; false for a handle that names none.
bool Destroy_Menu(MENU_HANDLE menu);
bool Is_Menu(MENU_HANDLE menu);

bool Append_Menu_Item(MENU_HANDLE menu, uint32_t flags, int32_t id, const char* text);
// The sub-menu becomes part of `menu` and is destroyed with it.
bool Append_Sub_Menu(MENU_HANDLE menu, MENU_HANDLE sub_menu, const char* text);
bool Delete_Menu_Item_At(MENU_HANDLE menu, int32_t position);
int32_t Get_Menu_Item_Count(MENU_HANDLE menu);
// NO_MENU when the item at `position` is no sub-menu.
MENU_HANDLE Get_Sub_Menu(MENU_HANDLE menu, int32_t position);
// The command id at `position`; -1 for a separator, a sub-menu or no item.
int32_t Get_Menu_Item_Id(MENU_HANDLE menu, int32_t position);
uint32_t Get_Menu_Item_Flags(MENU_HANDLE menu, int32_t position);
std::string Get_Menu_Item_Text(MENU_HANDLE menu, int32_t position);
bool Enable_Menu_Item_At(MENU_HANDLE menu, int32_t position, bool enable);

// The item with command `id` in the menu or any of its sub-menus.
bool Find_Menu_Command(MENU_HANDLE menu, int32_t id, MENU_HANDLE* holder, int32_t* position);
bool Set_Menu_Command_Text(MENU_HANDLE menu, int32_t id, const char* text);
std::string Get_Menu_Command_Text(MENU_HANDLE menu, int32_t id);
// True when the command is in the menu, enabled, and every sub-menu title on
// the way to it is enabled too.
bool Is_Menu_Command_Enabled(MENU_HANDLE menu, int32_t id);

// Shows the window's menu bar again after its items changed.
void Draw_Menu_Bar(WINDOW_HANDLE window);
// Draws a menu bar into `target` at `bar` (target coordinates).
void Paint_Menu_Bar(DRAWING_SURFACE* target, const RECT_AREA& bar, MENU_HANDLE menu);
// The title position under x of a menu bar (bar coordinates), -1 for none.
int32_t Find_Menu_Bar_Title(MENU_HANDLE menu, int32_t x);
// Opens the drop-down of title `position` of the window's menu bar and runs
// it until an item is chosen (MSG_COMMAND posted to the window and its id
// returned), it is dismissed (0) or the program is asked to quit (0).
int32_t Track_Menu_Bar(WINDOW_HANDLE window, int32_t position);

// Opens `menu` as a pop-up at the screen point (x, y) over `owner` and runs
// it until an item is chosen, which it returns (nothing is posted), or it is
// dismissed or the program is asked to quit (0).
int32_t Track_Popup_Menu(MENU_HANDLE menu, int32_t x, int32_t y, WINDOW_HANDLE owner);

// Forgets every menu (tests).
void Destroy_All_Menus();
