#include "support/resize_under_dialog.h"

#include <gtest/gtest.h>

#include "app/app_fonts.h"
#include "app/main_window.h"
#include "platform/dialogs.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"

DRAWING_FONT* Peek_App_Font(int32_t row) {
    DRAWING_FONT* font = Get_App_Font(row);
    Release_App_Font(font);
    return font;
}

std::vector<int32_t> Measure_Control_Fonts(WINDOW_HANDLE dialog) {
    std::vector<int32_t> widths;
    for (WINDOW_HANDLE control : Get_Child_Windows(dialog)) {
        DRAWING_FONT* font = Get_Window_Font(control);
        if (font == nullptr) {
            widths.push_back(-1);
            continue;
        }
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, nullptr);
        Select_Font(&dc, font);
        widths.push_back(Measure_Text_Width(&dc, "Points Allowed 0123456789", -1));
    }
    return widths;
}

int32_t Resize_Main_Window_And_Repaint(WINDOW_HANDLE dialog, int32_t width, int32_t height,
                                       const char* name) {
    RECT_AREA outer;
    Get_Window_Rect(Main_Window, &outer);
    Move_Window(Main_Window, {outer.Left, outer.Top, outer.Left + width, outer.Top + height});
    Invalidate_Window(dialog, nullptr);
    for (WINDOW_HANDLE control : Get_Child_Windows(dialog))
        Invalidate_Window(control, nullptr);
    return Keep_Dialog_Picture(dialog, name);
}

void Expect_Control_Fonts_Kept_Through_Resize(WINDOW_HANDLE dialog, int32_t id, int32_t row,
                                              const char* name) {
    DRAWING_FONT* given = Get_Window_Font(Get_Dialog_Item(dialog, id));
    ASSERT_NE(given, nullptr);
    ASSERT_EQ(given, Peek_App_Font(row)) << "control " << id << " draws with row " << row;
    const std::vector<int32_t> widths = Measure_Control_Fonts(dialog);
    EXPECT_GT(Resize_Main_Window_And_Repaint(dialog, 1280, 800, name), 0);
    EXPECT_NE(Peek_App_Font(row), given) << "the scaled row is made again at the new size";
    EXPECT_EQ(Get_Window_Font(Get_Dialog_Item(dialog, id)), given);
    EXPECT_EQ(Measure_Control_Fonts(dialog), widths) << "every control draws as before";
}
