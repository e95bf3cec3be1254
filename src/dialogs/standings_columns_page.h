#pragma once
// A property page of the standings view's first four chosen columns
// (settings 100-103): a list of the standings headings for each. Nothing in
// the game opens the page; a property sheet that held it would open it and
// tell it when its choices are to be applied and when it is being left.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

// The page's four column lists, for settings 100-103.
constexpr int32_t FIRST_STANDINGS_COLUMN_BOX = 1112;
constexpr int32_t STANDINGS_COLUMN_BOXES = 4;

// What a property sheet tells its pages: MSG_NOTIFY with NOTIFY_INFO::Code
// one of these. The page answers through Set_Dialog_Message_Result: 0 lets
// the user leave the page, and says the choices were applied.
constexpr uint32_t NOTIFY_PAGE_APPLY = 0x301;
constexpr uint32_t NOTIFY_PAGE_KILL_ACTIVE = 0x302;

extern const DIALOG_TEMPLATE STANDINGS_COLUMNS_PAGE_TEMPLATE;

// Adds the 48 standings headings to a combo box, in order, each on one line.
void Fill_Standings_Heading_Box(WINDOW_HANDLE box);
// Opening: each list gets the headings with its stored choice selected.
// Applying: the chosen headings are stored and the main window's view
// painted afresh. Leaving is always allowed.
intptr_t Standings_Columns_Page_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
