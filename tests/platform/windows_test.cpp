#include <gtest/gtest.h>

#include <cstdio>
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
#include "platform/pixel_blits.h"
#include "platform/rect_math.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/platform_reset.h"

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
        Reset_Platform_Layer(Keep_Report);
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

TEST_F(Windows, APaintedChildChangesOnlyItsOwnPartOfTheScreen) {
    const WINDOW_HANDLE top = Make_Window(WINDOW_VISIBLE | WINDOW_BORDER, {100, 50, 400, 350});
    const WINDOW_HANDLE strip = Make_Window(WINDOW_CHILD | WINDOW_VISIBLE, {0, 250, 298, 274}, top);
    const WINDOW_HANDLE hidden = Make_Window(WINDOW_CHILD, {0, 0, 50, 50}, top);
    Update_Window(top);
    Update_Window(strip);
    SCREEN_CHANGES changes;
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    EXPECT_TRUE(changes.All) << "what was shown first is shown whole";
    EXPECT_FALSE(Take_Screen_Changes(&changes)) << "taking the changes forgets them";

    RECT_AREA part = {10, 2, 40, 20};
    Invalidate_Window(strip, &part);
    Update_Window(strip);
    Invalidate_Window(hidden, nullptr);
    Dispatch_Window_Message({hidden, MSG_PAINT, 0, 0});
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    EXPECT_FALSE(changes.All);
    ASSERT_EQ(changes.Areas.size(), 1u) << "a window no one sees changes nothing on the screen";
    // The client area starts inside the one-pixel border.
    const RECT_AREA& area = changes.Areas[0];
    EXPECT_EQ(area.Left, 111);
    EXPECT_EQ(area.Top, 303);
    EXPECT_EQ(area.Right, 141);
    EXPECT_EQ(area.Bottom, 321);

    Move_Window(strip, {0, 240, 298, 264});
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    EXPECT_TRUE(changes.All) << "moving a window may change anything";
}

TEST_F(Windows, ChangedScreenAreasJoinWhenTheyMeetAndStayFew) {
    SCREEN_CHANGES changes;
    Take_Screen_Changes(&changes);
    Mark_Screen_Area_Changed({0, 0, 10, 10});
    Mark_Screen_Area_Changed({100, 0, 110, 10});
    Mark_Screen_Area_Changed({5, 5, 20, 20}); // meets the first
    Mark_Screen_Area_Changed({0, 0, 0, 0});   // empty: nothing
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    ASSERT_EQ(changes.Areas.size(), 2u);
    EXPECT_EQ(changes.Areas[1].Left, 0);
    EXPECT_EQ(changes.Areas[1].Right, 20);
    EXPECT_EQ(changes.Areas[1].Bottom, 20);

    for (int32_t i = 0; i <= SCREEN_CHANGE_AREA_LIMIT; ++i)
        Mark_Screen_Area_Changed({i * 20, i * 30, i * 20 + 5, i * 30 + 5});
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    ASSERT_EQ(changes.Areas.size(), 1u) << "past the limit the areas become their bounding box";
    EXPECT_EQ(changes.Areas[0].Right, SCREEN_CHANGE_AREA_LIMIT * 20 + 5);
    EXPECT_EQ(changes.Areas[0].Bottom, SCREEN_CHANGE_AREA_LIMIT * 30 + 5);

    Mark_Screen_Area_Changed({0, 0, 5, 5});
    Mark_Screen_Changed();
    Mark_Screen_Area_Changed({0, 0, 5, 5});
    ASSERT_TRUE(Take_Screen_Changes(&changes));
    EXPECT_TRUE(changes.All);
    EXPECT_TRUE(changes.Areas.empty());
}

// A font deleted while windows draw with it lives on until the last of them
// takes another font or is destroyed; one nobody holds goes at once.
TEST_F(Windows, ADeletedFontLivesUntilTheLastWindowUsingItLetsGo) {
    const int32_t fonts = Count_Live_Fonts();
    FONT_REQUEST request{};
    request.Height = 16;
    request.Weight = FONT_WEIGHT_BOLD;
    std::snprintf(request.Face, sizeof request.Face, "%s", "Arial");
    DRAWING_FONT* shared = Create_Font(request);
    ASSERT_NE(shared, nullptr);
    const WINDOW_HANDLE top = Make_Window(WINDOW_VISIBLE, {0, 0, 100, 100});
    const WINDOW_HANDLE first = Make_Window(WINDOW_CHILD | WINDOW_VISIBLE, {0, 0, 50, 50}, top);
    const WINDOW_HANDLE second = Make_Window(WINDOW_CHILD | WINDOW_VISIBLE, {50, 0, 100, 50}, top);
    Set_Window_Font(first, shared, false);
    Set_Window_Font(second, shared, false);
    Set_Window_Font(second, shared, false);
    EXPECT_EQ(Delete_Font(shared), 1);
    EXPECT_EQ(Delete_Font(shared), 0) << "deleted once only";
    EXPECT_EQ(Count_Live_Fonts(), fonts + 1) << "two windows still draw with it";
    Set_Window_Font(first, nullptr, false);
    EXPECT_EQ(Count_Live_Fonts(), fonts + 1);
    EXPECT_EQ(Get_Font_Face_Used(Get_Window_Font(second)), std::string("Liberation Sans"));
    Destroy_Window(second);
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "freed with the last window using it";

    DRAWING_FONT* alone = Create_Font(request);
    Set_Window_Font(first, alone, false);
    Set_Window_Font(first, nullptr, false);
    EXPECT_EQ(Count_Live_Fonts(), fonts + 1) << "taking another font does not delete it";
    EXPECT_EQ(Delete_Font(alone), 1);
    EXPECT_EQ(Count_Live_Fonts(), fonts);
    Destroy_Window(top);
}

TEST(PixelBlits, AnUnscaledCopyTakesOnlyPixelsTheSourceHas) {
    DRAWING_SURFACE target{}, image{};
    Resize_Drawing_Surface(&target, 8, 8);
    Resize_Drawing_Surface(&image, 4, 3);
    for (int32_t i = 0; i < 12; ++i)
        image.Pixels[static_cast<size_t>(i)] = 0x80000000u | static_cast<uint32_t>(i + 1);
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, &target);
    dc.State.Clip = {0, 0, 7, 8};
    // Source (2, 1)-(6, 5) is half outside the 4 x 3 image.
    Stretch_Pixels(&dc, 3, 4, 4, 4, Surface_Pixel_Source(&image), 2, 1, 4, 4, RASTER_SOURCE_COPY);
    EXPECT_EQ(Get_Surface_Pixel(&target, 3, 4), 0x80000007u) << "image pixel (2, 1), alpha kept";
    EXPECT_EQ(Get_Surface_Pixel(&target, 4, 5), 0x8000000Cu) << "image pixel (3, 2)";
    EXPECT_EQ(Get_Surface_Pixel(&target, 5, 4), 0xFF000000u) << "past the image's right edge: untouched";
    EXPECT_EQ(Get_Surface_Pixel(&target, 3, 6), 0xFF000000u) << "below the image: untouched";
    EXPECT_EQ(Get_Surface_Pixel(&target, 2, 4), 0xFF000000u);

    // A bottom-up source of three bytes a pixel takes the same places.
    const uint8_t rows[2][4] = {{1, 2, 3, 0}, {7, 8, 9, 0}}; // stored last row first, padded to 4
    const PIXEL_SOURCE bottom_up = {&rows[0][0], 1, 2, 3, 4, true};
    Stretch_Pixels(&dc, 0, 0, 1, 2, bottom_up, 0, 0, 1, 2, RASTER_SOURCE_COPY);
    EXPECT_EQ(Get_Surface_Pixel(&target, 0, 0), 0xFF090807u);
    EXPECT_EQ(Get_Surface_Pixel(&target, 0, 1), 0xFF030201u);
    Free_Drawing_Surface(&target);
    Free_Drawing_Surface(&image);
}
