#include "app/main_window_dc.h"

#include <algorithm>

#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/text_contrast.h"

namespace {
DRAWING_SURFACE Back_Buffer{};
DEVICE_CONTEXT Back_Buffer_DC{};
bool Back_Buffer_Made = false;
// The view area's size the buffer stands for; set with the buffer and by
// Recompute_Back_Buffer_Size, which leaves the buffer as it is.
int32_t Back_Buffer_Width = DEFAULT_BACK_BUFFER_WIDTH;
int32_t Back_Buffer_Height = DEFAULT_BACK_BUFFER_HEIGHT;
int32_t DC_Use_Count = 0;
bool Invalid_Marked = false;
int32_t Last_Painted_View = -1;
RECT_AREA Invalid_Rect{};
} // namespace

int32_t Create_Main_Window_Back_Buffer(int32_t width, int32_t height) {
    DRAWING_SURFACE fresh{};
    if (!Resize_Drawing_Surface(&fresh, width, height)) return 0;
    Back_Buffer = std::move(fresh);
    Attach_Device_Context(&Back_Buffer_DC, &Back_Buffer);
    // Every view writes on a skin's picture: its text is fitted to what lies under it.
    Set_Text_Colour_Choice(&Back_Buffer_DC, Choose_Contrasting_Text_Colour);
    Back_Buffer_Made = true;
    Back_Buffer_Width = Back_Buffer.Width;
    Back_Buffer_Height = Back_Buffer.Height;
    DC_Use_Count = 0;
    return 1;
}

int32_t Create_Main_Window_Back_Buffer_For_Window() {
    RECT_AREA view;
    Get_View_Rect(&view);
    return Create_Main_Window_Back_Buffer(view.Right - view.Left, view.Bottom - view.Top);
}

void Destroy_Main_Window_Back_Buffer() {
    if (DC_Use_Count != 0) {
        Report_System_Error("Destroying MainWindow but Count is %d!", DC_Use_Count);
        DC_Use_Count = 0;
    }
    Free_Drawing_Surface(&Back_Buffer);
    Attach_Device_Context(&Back_Buffer_DC, nullptr);
    Back_Buffer_Made = false;
    Invalid_Marked = false;
    Last_Painted_View = -1;
}

int32_t Main_Window_Back_Buffer_Exists() {
    return Back_Buffer_Made ? 1 : 0;
}
int32_t Get_Back_Buffer_Width() {
    return Back_Buffer_Made ? Back_Buffer_Width : DEFAULT_BACK_BUFFER_WIDTH;
}
int32_t Get_Back_Buffer_Height() {
    return Back_Buffer_Made ? Back_Buffer_Height : DEFAULT_BACK_BUFFER_HEIGHT;
}

void Recompute_Back_Buffer_Size() {
    RECT_AREA view;
    Get_View_Rect(&view);
    Back_Buffer_Width = view.Right - view.Left;
    Back_Buffer_Height = view.Bottom - view.Top;
}

void Get_Back_Buffer_Rect(RECT_AREA* rect) {
    if (rect == nullptr) return;
    if (!Back_Buffer_Made) {
        Report_System_Error("Trying to get MainWindow dimensions before MainWindow creation!");
        Get_View_Rect(rect);
        return;
    }
    *rect = {0, 0, Get_Back_Buffer_Width(), Get_Back_Buffer_Height()};
}

const DRAWING_SURFACE* Get_Back_Buffer_Surface() {
    return Back_Buffer_Made ? &Back_Buffer : nullptr;
}

DEVICE_CONTEXT* Acquire_Main_Window_DC() {
    if (!Back_Buffer_Made) return nullptr;
    ++DC_Use_Count;
    Save_Device_Context(&Back_Buffer_DC);
    return &Back_Buffer_DC;
}

// A release with the count already at 0 or below is reported with the count
// it falls to; the count is not held at 0, and the state is restored anyway.
void Release_Main_Window_DC() {
    if (DC_Use_Count-- <= 0)
        Report_System_Error("Trying to release MainWindow DC too many times!\n\nCount is at: %d",
                            DC_Use_Count);
    Restore_Device_Context(&Back_Buffer_DC);
}

int32_t Get_Main_Window_DC_Count() {
    return DC_Use_Count;
}

void Invalidate_Main_Window_Rect(const RECT_AREA& rect) {
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
    if (!Invalid_Marked) {
        Invalid_Rect = rect;
        Invalid_Marked = true;
        return;
    }
    Invalid_Rect.Left = std::min(Invalid_Rect.Left, rect.Left);
    Invalid_Rect.Top = std::min(Invalid_Rect.Top, rect.Top);
    Invalid_Rect.Right = std::max(Invalid_Rect.Right, rect.Right);
    Invalid_Rect.Bottom = std::max(Invalid_Rect.Bottom, rect.Bottom);
}

int32_t Take_Main_Window_Invalid_Rect(RECT_AREA* rect) {
    if (!Invalid_Marked) return 0;
    if (rect != nullptr) *rect = Invalid_Rect;
    Invalid_Marked = false;
    return 1;
}

int32_t Get_Last_Painted_View() {
    return Last_Painted_View;
}

void Set_Last_Painted_View(int32_t view) {
    Last_Painted_View = view;
}
