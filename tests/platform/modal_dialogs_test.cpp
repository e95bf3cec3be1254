#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error_reporter.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/platform_reset.h"

namespace {
std::vector<std::string> reports;
// Commands each dialog got, and presses the plain windows got.
std::map<WINDOW_HANDLE, std::vector<int32_t>> commands;
std::map<WINDOW_HANDLE, int32_t> presses;

void Keep_Report(const char* text) {
    reports.push_back(text);
}

intptr_t Plain_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_LBUTTON_DOWN || code == MSG_RBUTTON_DOWN) ++presses[window];
    return Default_Window_Procedure(window, code, wparam, lparam);
}

intptr_t Recording_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t) {
    if (code == MSG_INIT_DIALOG) return 1;
    if (code != MSG_COMMAND) return 0;
    commands[dialog].push_back(Command_Id(wparam));
    if (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL)
        End_Dialog(dialog, Command_Id(wparam) == ID_OK ? 11 : 22);
    return 1;
}

constexpr int32_t OPEN_BUTTON = 1001;
const DIALOG_CONTROL OUTER_CONTROLS[] = {
    {CONTROL_PUSH_BUTTON, ID_OK, {6, 80, 40, 14}, "OK", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, OPEN_BUTTON, {150, 80, 44, 14}, "&Open", WINDOW_TAB_STOP},
};
const DIALOG_TEMPLATE OUTER_TEMPLATE = {
    901, "Outer", 200, 100, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER, OUTER_CONTROLS, 2, 33};
const DIALOG_CONTROL INNER_CONTROLS[] = {
    {CONTROL_PUSH_BUTTON, ID_OK, {4, 20, 30, 14}, "OK", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {40, 20, 30, 14}, "Cancel", WINDOW_TAB_STOP},
};
const DIALOG_TEMPLATE INNER_TEMPLATE = {
    902, "Inner", 76, 40, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER, INNER_CONTROLS, 2, 33};

class ModalDialogs : public testing::Test {
  protected:
    void SetUp() override {
        Reset_Platform_Layer(Keep_Report);
        reports.clear();
        commands.clear();
        presses.clear();
        Register_Window_Class("#plain", Plain_Procedure, Make_Colour(10, 20, 30));
    }
    void TearDown() override {
        Destroy_All_Windows();
        Reset_Message_Queue();
        Set_Platform_Error_Reporter(nullptr);
        Use_System_Clock();
    }
};

struct WINDOWS_SEEN {
    WINDOW_HANDLE Main = NO_WINDOW;
    WINDOW_HANDLE Outer = NO_WINDOW;
    WINDOW_HANDLE Inner = NO_WINDOW;
    WINDOW_HANDLE Other = NO_WINDOW;
    intptr_t Inner_Result = 0;
};
WINDOWS_SEEN seen;

void Centre_Of(WINDOW_HANDLE window, int32_t* x, int32_t* y) {
    RECT_AREA rect;
    Get_Window_Rect(window, &rect);
    *x = (rect.Left + rect.Right) / 2;
    *y = (rect.Top + rect.Bottom) / 2;
}

void Click_On(WINDOW_HANDLE window) {
    int32_t x = 0, y = 0;
    Centre_Of(window, &x, &y);
    Script_Mouse_Click(x, y);
}

WINDOW_HANDLE Topmost() {
    return Get_Top_Level_Windows().back();
}

// Under the inner dialog: the focus is left on the outer dialog's button;
// Escape still answers the inner one.
void Press_Escape_With_The_Focus_Below(void*) {
    EXPECT_EQ(Get_Innermost_Modal_Dialog(), seen.Inner);
    EXPECT_EQ(Topmost(), seen.Inner) << "a press under it brought it to the front";
    EXPECT_TRUE(commands[seen.Outer].empty()) << "the outer dialog took no click";
    EXPECT_EQ(presses[seen.Main], 0) << "the main window took no press";
    EXPECT_EQ(presses[seen.Other], 0);
    Set_Focus(Get_Dialog_Item(seen.Outer, ID_OK));
    Script_Key_Press(KEY_ESCAPE, 0);
}

void Click_The_Outer_Dialog_And_The_Main_Window(void*) {
    EXPECT_EQ(Topmost(), seen.Inner) << "a press on the window over it brought it to the front";
    Move_Window(seen.Other, {600, 440, 640, 480});
    const WINDOW_HANDLE open = Get_Dialog_Item(seen.Outer, OPEN_BUTTON);
    int32_t x = 0, y = 0;
    Centre_Of(open, &x, &y);
    ASSERT_EQ(Window_From_Point(x, y), open) << "the button lies beside the inner dialog";
    Click_On(open);
    Script_Right_Click(5, 5);
    Script_Key_Press('O', KEY_MODIFIER_ALT);
    Script_Action(Press_Escape_With_The_Focus_Below, nullptr);
}

void Click_A_Window_Covering_The_Inner(void*) {
    seen.Inner = Get_Innermost_Modal_Dialog();
    EXPECT_EQ(Get_Window_Owner(seen.Inner), seen.Outer) << "asked over the main window, put over the outer";
    EXPECT_FALSE(Is_Window_Enabled(seen.Outer));
    EXPECT_FALSE(Is_Window_Enabled(seen.Main));
    // Shown later and owned by the main window, it covers the inner dialog.
    seen.Other = Create_Window("#plain", "", WINDOW_VISIBLE, {0, 0, 640, 480}, seen.Main, 0, 0);
    ASSERT_EQ(Topmost(), seen.Other);
    Click_On(seen.Other);
    Script_Action(Click_The_Outer_Dialog_And_The_Main_Window, nullptr);
}

// The outer dialog's button opens the inner dialog at once, with the rest of
// a double click still on its way to that button.
void Open_Inner_Over_The_Main_Window(void*) {
    seen.Outer = Get_Innermost_Modal_Dialog();
    int32_t x = 0, y = 0;
    Centre_Of(Get_Dialog_Item(seen.Outer, OPEN_BUTTON), &x, &y);
    Route_Mouse_Event(MSG_LBUTTON_DOWN, x, y, 0);
    Route_Mouse_Event(MSG_LBUTTON_UP, x, y, 0);
    Script_Action(Click_A_Window_Covering_The_Inner, nullptr);
    seen.Inner_Result = Run_Modal_Dialog(seen.Main, INNER_TEMPLATE, Recording_Dialog, 0);
    EXPECT_TRUE(Is_Window_Enabled(seen.Outer)) << "the outer dialog is enabled again";
    EXPECT_FALSE(Is_Window_Enabled(seen.Main)) << "the main window stays under the outer dialog";
    Click_On(Get_Dialog_Item(seen.Outer, ID_OK));
}
} // namespace

TEST_F(ModalDialogs, NothingUnderANestedModalTakesInputAndItStaysOnTop) {
    seen = WINDOWS_SEEN{};
    seen.Main = Create_Window("#plain", "Main", WINDOW_VISIBLE, {0, 0, 640, 480}, NO_WINDOW, 0, 0);
    Script_Action(Open_Inner_Over_The_Main_Window, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(seen.Main, OUTER_TEMPLATE, Recording_Dialog, 0), 11)
        << "the outer dialog takes clicks again";
    EXPECT_EQ(seen.Inner_Result, 22) << "Escape answered the inner dialog";
    EXPECT_EQ(commands[seen.Outer], std::vector<int32_t>{ID_OK}) << "nothing reached it meanwhile";
    EXPECT_EQ(commands[seen.Inner], std::vector<int32_t>{ID_CANCEL});
    EXPECT_TRUE(Is_Window_Enabled(seen.Main));
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(ModalDialogs, TheCloseBoxGoesToTheInnermostModal) {
    seen = WINDOWS_SEEN{};
    seen.Main = Create_Window("#plain", "Main", WINDOW_VISIBLE, {0, 0, 640, 480}, NO_WINDOW, 0, 0);
    Script_Action(
        [](void*) {
            seen.Outer = Get_Innermost_Modal_Dialog();
            Script_Action(
                [](void*) {
                    // Shown over the inner dialog, owned by the main window.
                    seen.Other = Create_Window("#plain", "", WINDOW_VISIBLE, {0, 0, 90, 90}, seen.Main, 0, 0);
                    Script_Close_Request();
                },
                nullptr);
            seen.Inner_Result = Run_Modal_Dialog(NO_WINDOW, INNER_TEMPLATE, Recording_Dialog, 0);
            Script_Close_Request();
        },
        nullptr);
    EXPECT_EQ(Run_Modal_Dialog(seen.Main, OUTER_TEMPLATE, Recording_Dialog, 0), 22);
    EXPECT_EQ(seen.Inner_Result, 22) << "an unowned dialog asked for meanwhile lies over the outer one";
    EXPECT_EQ(commands[seen.Outer], std::vector<int32_t>{ID_CANCEL});
    EXPECT_TRUE(Is_Window(seen.Other)) << "the window on top was not the one closed";
}

namespace {
// Three modal dialogs deep, the third over a modeless window of the second
// (as a progress window is): each modal keeps every window of its owner
// chain from input, and gives back only those it took.
struct CHAIN_SEEN {
    WINDOW_HANDLE Main = NO_WINDOW;
    WINDOW_HANDLE Outer = NO_WINDOW;
    WINDOW_HANDLE Middle = NO_WINDOW;
    WINDOW_HANDLE Modeless = NO_WINDOW;
    WINDOW_HANDLE Inner = NO_WINDOW;
};
CHAIN_SEEN chain;

void Check_And_Close_The_Innermost(void*) {
    chain.Inner = Get_Innermost_Modal_Dialog();
    EXPECT_EQ(Get_Window_Owner(chain.Inner), chain.Modeless) << "owned by the window it was asked over";
    for (WINDOW_HANDLE window : {chain.Modeless, chain.Middle, chain.Outer, chain.Main})
        EXPECT_FALSE(Is_Window_Enabled(window)) << "window " << window << " of the owner chain";
    Click_On(Get_Dialog_Item(chain.Inner, ID_OK));
}

void Open_The_Third_Over_A_Modeless_Window(void*) {
    chain.Middle = Get_Innermost_Modal_Dialog();
    EXPECT_TRUE(Is_Window_Enabled(chain.Middle));
    chain.Modeless = Create_Modeless_Dialog(chain.Middle, INNER_TEMPLATE, Recording_Dialog, 0);
    Script_Action(Check_And_Close_The_Innermost, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(chain.Modeless, INNER_TEMPLATE, Recording_Dialog, 0), 11);
    EXPECT_TRUE(Is_Window_Enabled(chain.Modeless)) << "given back";
    EXPECT_TRUE(Is_Window_Enabled(chain.Middle)) << "given back";
    EXPECT_FALSE(Is_Window_Enabled(chain.Outer)) << "still under the middle dialog";
    EXPECT_FALSE(Is_Window_Enabled(chain.Main));
    Destroy_Window(chain.Modeless);
    Click_On(Get_Dialog_Item(chain.Middle, ID_OK));
}

void Open_The_Second(void*) {
    chain.Outer = Get_Innermost_Modal_Dialog();
    Script_Action(Open_The_Third_Over_A_Modeless_Window, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(chain.Outer, OUTER_TEMPLATE, Recording_Dialog, 0), 11);
    EXPECT_TRUE(Is_Window_Enabled(chain.Outer));
    EXPECT_FALSE(Is_Window_Enabled(chain.Main));
    Click_On(Get_Dialog_Item(chain.Outer, ID_OK));
}
} // namespace

TEST_F(ModalDialogs, AModalThreeDeepKeepsItsWholeOwnerChainFromInput) {
    chain = CHAIN_SEEN{};
    chain.Main = Create_Window("#plain", "Main", WINDOW_VISIBLE, {0, 0, 640, 480}, NO_WINDOW, 0, 0);
    Script_Action(Open_The_Second, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(chain.Main, OUTER_TEMPLATE, Recording_Dialog, 0), 11);
    EXPECT_TRUE(Is_Window_Enabled(chain.Main));
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
    EXPECT_TRUE(reports.empty());
}
