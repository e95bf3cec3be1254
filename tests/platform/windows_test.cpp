#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error_reporter.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/rect_math.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

namespace {
std::vector<std::string> reports;
std::vector<std::pair<WINDOW_HANDLE, uint32_t>> seen;

void Keep_Report(const char* text) {
    reports.push_back(text);
}

intptr_t Recording_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_CREATE || code == MSG_DESTROY || code == MSG_PAINT || code == MSG_SIZE)
        seen.push_back({window, code});
    return Default_Window_Procedure(window, code, wparam, lparam);
}

class Windows : public testing::Test {
  protected:
    void SetUp() override {
        Destroy_All_Windows();
        Reset_Message_Queue();
        Clear_Scripted_Input();
        Clear_Scripted_Answers();
        Use_Virtual_Clock(0);
        Set_Platform_Error_Reporter(Keep_Report);
        reports.clear();
        seen.clear();
        Register_Window_Class("#recording", Recording_Procedure, Make_Colour(10, 20, 30));
    }
    void TearDown() override {
        Destroy_All_Windows();
        Reset_Message_Queue();
        Set_Platform_Error_Reporter(nullptr);
        Use_System_Clock();
    }
};

WINDOW_HANDLE Make_Window(uint32_t style, const RECT_AREA& rect, WINDOW_HANDLE parent = NO_WINDOW) {
    return Create_Window("#recording", "", style, rect, parent, 0, 0);
}
} // namespace

TEST_F(Windows, AWindowAndItsChildrenAreFreedExactlyOnce) {
    const WINDOW_HANDLE top = Make_Window(WINDOW_VISIBLE, {0, 0, 100, 100});
    const WINDOW_HANDLE child = Make_Window(WINDOW_CHILD | WINDOW_VISIBLE, {10, 10, 50, 50}, top);
    const WINDOW_HANDLE owned = Make_Window(WINDOW_VISIBLE, {20, 20, 60, 60}, top);
    Set_Window_Timer(child, 7, 10, nullptr);
    DEVICE_CONTEXT* kept = Get_Window_DC(child);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(Count_Windows(), 3);

    EXPECT_TRUE(Destroy_Window(top));
    EXPECT_EQ(Count_Windows(), 0) << "children and owned windows go with it";
    EXPECT_FALSE(Has_Window_Timer(child, 7)) << "and their timers";
    ASSERT_EQ(reports.size(), 1u) << "a device context still taken is reported";
    EXPECT_NE(reports[0].find("device contexts still taken"), std::string::npos);

    reports.clear();
    EXPECT_FALSE(Destroy_Window(child)) << "a second destroy frees nothing";
    EXPECT_FALSE(Destroy_Window(owned));
    EXPECT_EQ(reports.size(), 2u) << "each refused and reported";
    Invalidate_Window(top, nullptr);
    EXPECT_EQ(reports.size(), 3u) << "a dead handle is never repainted";
    EXPECT_EQ(Make_Window(0, {0, 0, 10, 10}), top + 3) << "handles are never reused";

    int destroys = 0;
    for (const auto& [window, code] : seen)
        if (code == MSG_DESTROY) ++destroys;
    EXPECT_EQ(destroys, 3);
}

TEST_F(Windows, ReleasingADeviceContextNotTakenIsReportedAndCountsNothing) {
    const WINDOW_HANDLE window = Make_Window(WINDOW_VISIBLE, {0, 0, 40, 40});
    DEVICE_CONTEXT* first = Get_Window_DC(window);
    DEVICE_CONTEXT* second = Get_Window_DC(window);
    EXPECT_NE(first, second);
    EXPECT_EQ(Count_Window_DCs(window), 2);
    EXPECT_EQ(Release_Window_DC(window, first), 1);
    EXPECT_EQ(Release_Window_DC(window, first), 0) << "given back twice";
    EXPECT_EQ(Count_Window_DCs(window), 1) << "never counted below what is out";
    EXPECT_EQ(Release_Window_DC(window, second), 1);
    EXPECT_EQ(Release_Window_DC(window, second), 0);
    EXPECT_EQ(Count_Window_DCs(window), 0);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("not out (count 0)"), std::string::npos) << reports[1];
}

TEST_F(Windows, InvalidAreasBecomePaintMessagesAfterPostedOnes) {
    const WINDOW_HANDLE window = Make_Window(WINDOW_VISIBLE, {0, 0, 40, 30});
    const WINDOW_HANDLE child = Make_Window(WINDOW_CHILD | WINDOW_VISIBLE, {5, 5, 15, 15}, window);
    WINDOW_MESSAGE message;
    Post_Window_Message(child, MSG_FIRST_APP, 0, 0);
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    EXPECT_EQ(message.Code, MSG_FIRST_APP) << "posted first";
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    EXPECT_EQ(message.Window, window) << "then the parent's paint";
    EXPECT_EQ(message.Code, MSG_PAINT);
    Dispatch_Window_Message(message);
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    EXPECT_EQ(message.Window, child);
    Dispatch_Window_Message(message);
    EXPECT_FALSE(Peek_Window_Message(&message, true)) << "painting validates";

    // The window's picture: the class colour, with the child's over it.
    DRAWING_SURFACE picture{};
    Render_Window(window, &picture);
    EXPECT_EQ(Get_Surface_Pixel(&picture, 1, 1), Colour_To_Pixel(Make_Colour(10, 20, 30)));
    Show_Window(child, false);
    EXPECT_TRUE(Is_Window_Invalid(window)) << "a hidden child uncovers its parent";
    EXPECT_FALSE(Is_Window_Visible(child));
    Move_Window(window, {0, 0, 60, 30});
    EXPECT_EQ(seen.back(), (std::pair<WINDOW_HANDLE, uint32_t>{window, MSG_SIZE}));
}

namespace {
intptr_t Two_Button_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t) {
    if (code == MSG_INIT_DIALOG) return 1;
    if (code == MSG_COMMAND && (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL)) {
        End_Dialog(dialog, Command_Id(wparam) == ID_OK ? 11 : 22);
        return 1;
    }
    return 0;
}

const DIALOG_CONTROL TWO_BUTTONS[] = {
    {CONTROL_PUSH_BUTTON, ID_OK, {10, 10, 40, 14}, "OK", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {60, 10, 40, 14}, "Cancel", WINDOW_TAB_STOP},
};
const DIALOG_TEMPLATE TWO_BUTTON_TEMPLATE = {
    900, "Two", 110, 40, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER, TWO_BUTTONS, 2, 33};

void Ask_To_Quit(void*) {
    Request_Quit(5);
}

// Two keys that arrive together: the second goes where the first moved the focus.
void Type_Tab_And_Space(void*) {
    Route_Key_Event(MSG_KEY_DOWN, KEY_TAB, 0);
    Route_Key_Event(MSG_KEY_DOWN, KEY_SPACE, 0);
}
} // namespace

TEST_F(Windows, ModalDialogsAnswerKeysClicksScriptsAndQuit) {
    const WINDOW_HANDLE owner = Make_Window(WINDOW_VISIBLE, {0, 0, 400, 300});
    Script_Key_Press(KEY_ESCAPE, 0);
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 22) << "Escape cancels";
    EXPECT_TRUE(Is_Window_Enabled(owner)) << "the owner is enabled again";
    EXPECT_EQ(Count_Windows(), 1) << "the dialog is gone";

    Script_Key_Press(KEY_TAB, 0);
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 11)
        << "Enter presses the default button wherever the focus is";

    // A click on the second button: the dialog is centred over its owner.
    const int32_t width = Dialog_Units_To_Pixels_X(110) + 2,
                  height = Dialog_Units_To_Pixels_Y(40) + 2 + CAPTION_HEIGHT;
    const int32_t left = (400 - width) / 2, top = (300 - height) / 2;
    Script_Mouse_Click(left + 1 + Dialog_Units_To_Pixels_X(70),
                       top + 1 + CAPTION_HEIGHT + Dialog_Units_To_Pixels_Y(15));
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 22);

    Script_Action(Type_Tab_And_Space, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 22)
        << "keys typed ahead follow the focus";

    Script_Dialog_Answer(900, 44);
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 44) << "a scripted answer";
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 33)
        << "nothing scripted: closed without a choice";

    Script_Action(Ask_To_Quit, nullptr);
    EXPECT_EQ(Run_Modal_Dialog(owner, TWO_BUTTON_TEMPLATE, Two_Button_Dialog, 0), 33) << "a quit ends it";
    EXPECT_TRUE(Is_Quit_Requested());
    EXPECT_TRUE(Is_Window_Enabled(owner));
    EXPECT_TRUE(reports.empty());
}

TEST_F(Windows, TemplatesAreCheckedForIdsPlacesAndUsedControls) {
    std::string problem;
    EXPECT_TRUE(Validate_Dialog_Template(TWO_BUTTON_TEMPLATE, {ID_OK, ID_CANCEL}, &problem)) << problem;
    EXPECT_FALSE(Validate_Dialog_Template(TWO_BUTTON_TEMPLATE, {ID_OK, 1200}, &problem));
    EXPECT_NE(problem.find("1200"), std::string::npos);
    const DIALOG_CONTROL twice[] = {{CONTROL_STATIC_TEXT, 5, {0, 0, 10, 10}, "", 0},
                                    {CONTROL_EDIT, 5, {10, 0, 10, 10}, "", 0}};
    EXPECT_FALSE(Validate_Dialog_Template({901, "", 40, 20, "", 8, 0, twice, 2, 2}, {}, &problem));
    EXPECT_NE(problem.find("used twice"), std::string::npos);
    const DIALOG_CONTROL outside[] = {{CONTROL_STATIC_TEXT, 5, {30, 0, 20, 10}, "", 0}};
    EXPECT_FALSE(Validate_Dialog_Template({902, "", 40, 20, "", 8, 0, outside, 1, 2}, {}, &problem));
    EXPECT_NE(problem.find("outside"), std::string::npos);
}
