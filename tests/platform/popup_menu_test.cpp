#include <gtest/gtest.h>

#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

namespace {
class PopupMenu : public testing::Test {
  protected:
    void SetUp() override {
        Destroy_All_Windows();
        Destroy_All_Menus();
        Reset_Message_Queue();
        Clear_Scripted_Input();
        Use_Virtual_Clock(0);
        Set_Platform_Backend(nullptr);
        Set_Null_Surface_Size(800, 600);
        if (!Is_Window_Class_Registered("PopupOwner"))
            Register_Window_Class("PopupOwner", Default_Window_Procedure, 0);
        owner_ = Create_Window("PopupOwner", "", WINDOW_VISIBLE, {0, 0, 800, 600}, NO_WINDOW, 0, 0);
        menu_ = Create_Menu();
        Append_Menu_Item(menu_, 0, 11, "First");
        Append_Menu_Item(menu_, MENU_ITEM_SEPARATOR, 0, "");
        Append_Menu_Item(menu_, MENU_ITEM_GRAYED, 12, "Grayed");
        Append_Menu_Item(menu_, 0, 13, "Last");
    }
    void TearDown() override {
        Destroy_All_Windows();
        Destroy_All_Menus();
        Clear_Scripted_Input();
        Use_System_Clock();
    }
    WINDOW_HANDLE owner_ = NO_WINDOW;
    MENU_HANDLE menu_ = NO_MENU;
};

RECT_AREA open_rect{};
void Note_Open_Menu(void*) {
    for (WINDOW_HANDLE window : Get_Top_Level_Windows())
        if ((Get_Window_Style(window) & WINDOW_POPUP) != 0) Get_Window_Rect(window, &open_rect);
}
} // namespace

TEST_F(PopupMenu, ReturnsTheChosenCommandPostsNothingAndStaysOnTheScreen) {
    // The keys pass the separator and the grayed item.
    Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Track_Popup_Menu(menu_, 100, 100, owner_), 13);
    WINDOW_MESSAGE message;
    bool command_posted = false;
    while (Peek_Window_Message(&message, true))
        command_posted |= message.Code == MSG_COMMAND;
    EXPECT_FALSE(command_posted) << "the caller acts on the command itself";
    Script_Key_Press(KEY_ESCAPE, 0);
    EXPECT_EQ(Track_Popup_Menu(menu_, 100, 100, owner_), 0) << "dismissed";
    // Opened by the screen's bottom-right corner it opens above and left of the point.
    Script_Action(Note_Open_Menu, nullptr);
    Script_Key_Press(KEY_ESCAPE, 0);
    Track_Popup_Menu(menu_, 790, 590, owner_);
    EXPECT_LE(open_rect.Right, 790);
    EXPECT_LE(open_rect.Bottom, 590);
    EXPECT_GE(open_rect.Left, 0);
    EXPECT_EQ(Track_Popup_Menu(Create_Menu(), 10, 10, owner_), 0) << "an empty menu opens nothing";
    Route_Mouse_Event(MSG_MOUSE_MOVE, 321, 123, 0);
    int32_t x = 0, y = 0;
    Get_Pointer_Position(&x, &y);
    EXPECT_EQ(x, 321);
    EXPECT_EQ(y, 123);
}
