#include "dialogs/list_dialog_layout.h"

#include <algorithm>

#include "app/dialog_services.h"
#include "app/main_window.h"
#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/windows.h"

namespace {
int32_t Width_Of(const RECT_AREA& rect) {
    return rect.Right - rect.Left;
}

int32_t Height_Of(const RECT_AREA& rect) {
    return rect.Bottom - rect.Top;
}

int32_t Anchored_Id(const LIST_DIALOG_LAYOUT& layout, int32_t i) {
    if (layout.Move_Down_Ids[i] != 0) return layout.Move_Down_Ids[i];
    if (layout.Move_Half_Ids[i] != 0) return layout.Move_Half_Ids[i];
    return layout.Stay_Ids[i];
}

int32_t Count_Ids(const int32_t* ids, int32_t limit) {
    int32_t n = 0;
    while (n < limit && ids[n] != 0)
        ++n;
    return n;
}

void Move_Control(WINDOW_HANDLE dialog, int32_t id, const RECT_AREA& rect) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    if (control != NO_WINDOW) Move_Window(control, rect);
}

void Arrange(WINDOW_HANDLE dialog, const LIST_DIALOG_LAYOUT& layout) {
    RECT_AREA rect;
    Get_Window_Rect(dialog, &rect);
    const int32_t dx = Width_Of(rect) - Width_Of(layout.Dialog_Rect);
    const int32_t dy = Height_Of(rect) - Height_Of(layout.Dialog_Rect);
    for (int32_t i = 0; i < LIST_LAYOUT_ANCHORED; ++i) {
        const int32_t id = Anchored_Id(layout, i);
        if (id == 0) break;
        const int32_t down = layout.Move_Down_Ids[i] != 0 ? dy : layout.Move_Half_Ids[i] != 0 ? dy / 2 : 0;
        const int32_t right = layout.Move_Right[i] != 0 ? dx : 0;
        const RECT_AREA& from = layout.Anchored_Rects[i];
        Move_Control(dialog, id,
                     {from.Left + right, from.Top + down, from.Right + right, from.Bottom + down});
    }
    const int32_t stretched = Count_Ids(layout.Stretched_Ids, LIST_LAYOUT_STACKED);
    for (int32_t i = 0; i < stretched; ++i) {
        const RECT_AREA& from = layout.Stretched_Rects[i];
        const int32_t top = from.Top + i * dy / stretched;
        Move_Control(dialog, layout.Stretched_Ids[i],
                     {from.Left, top, from.Right + dx, top + std::max(0, Height_Of(from) + dy / stretched)});
    }
    const int32_t stacked = Count_Ids(layout.Right_Ids, LIST_LAYOUT_STACKED);
    for (int32_t i = 0; i < stacked; ++i) {
        const RECT_AREA& from = layout.Right_Rects[i];
        const int32_t top = from.Top + i * dy / stacked;
        Move_Control(
            dialog, layout.Right_Ids[i],
            {from.Left + dx, top, from.Right + dx, top + std::max(0, Height_Of(from) + dy / stacked)});
    }
}
} // namespace

void Update_List_Dialog_Layout(WINDOW_HANDLE dialog, LIST_DIALOG_LAYOUT* layout, int32_t mode) {
    if (layout == nullptr) return;
    switch (mode) {
    case LIST_LAYOUT_CLEAR:
        *layout = LIST_DIALOG_LAYOUT{};
        layout->Unit_Rect = {0, 0, Dialog_Units_To_Pixels_X(4), Dialog_Units_To_Pixels_Y(8)};
        return;
    case LIST_LAYOUT_RECORD: {
        for (int32_t i = 0; i < LIST_LAYOUT_ANCHORED; ++i) {
            const int32_t id = Anchored_Id(*layout, i);
            if (id == 0) break;
            Get_Dialog_Item_Rect(dialog, id, &layout->Anchored_Rects[i]);
        }
        for (int32_t i = 0; i < Count_Ids(layout->Stretched_Ids, LIST_LAYOUT_STACKED); ++i)
            Get_Dialog_Item_Rect(dialog, layout->Stretched_Ids[i], &layout->Stretched_Rects[i]);
        for (int32_t i = 0; i < Count_Ids(layout->Right_Ids, LIST_LAYOUT_STACKED); ++i)
            Get_Dialog_Item_Rect(dialog, layout->Right_Ids[i], &layout->Right_Rects[i]);
        Get_Window_Rect(dialog, &layout->Dialog_Rect);
        RECT_AREA area;
        Get_Platform_Backend().Get_Work_Area(&area);
        const RECT_AREA& rect = layout->Dialog_Rect;
        Move_Window(dialog, {area.Left, area.Top, area.Left + Width_Of(rect), area.Top + Height_Of(rect)});
        return;
    }
    case LIST_LAYOUT_REMEMBER:
        Get_Window_Rect(dialog, &layout->Remembered_Rect);
        layout->Maximised = 1;
        return;
    case LIST_LAYOUT_GROW: {
        if (layout->Maximised != 0) {
            Move_Window(dialog, layout->Remembered_Rect);
            Arrange(dialog, *layout);
            return;
        }
        RECT_AREA area, main{};
        Get_Platform_Backend().Get_Work_Area(&area);
        if (Is_Window(Main_Window)) Get_Window_Rect(Main_Window, &main);
        const int32_t main_height = Is_Window(Main_Window) ? Height_Of(main) : Height_Of(area);
        if (Height_Of(layout->Dialog_Rect) < main_height) {
            const int32_t height = std::min(main_height, Height_Of(area));
            const int32_t top = Is_Window(Main_Window) ? main.Top : area.Top;
            Move_Window(dialog, {layout->Dialog_Rect.Left, top,
                                 layout->Dialog_Rect.Left + Width_Of(layout->Dialog_Rect), top + height});
        }
        Arrange(dialog, *layout);
        Get_Window_Rect(dialog, &layout->Remembered_Rect);
        return;
    }
    case LIST_LAYOUT_ARRANGE:
        Arrange(dialog, *layout);
        return;
    case LIST_LAYOUT_RESIZED: {
        RECT_AREA rect;
        Get_Window_Rect(dialog, &rect);
        if (Width_Of(rect) == Width_Of(layout->Remembered_Rect) &&
            Height_Of(rect) == Height_Of(layout->Remembered_Rect))
            return;
        Arrange(dialog, *layout);
        layout->Remembered_Rect = rect;
        Redraw_Window(dialog);
        return;
    }
    default:
        return;
    }
}

bool Handle_List_Dialog_Sizing(WINDOW_HANDLE dialog, LIST_DIALOG_LAYOUT* layout, uint32_t code,
                               uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_SIZING:
        Enforce_Minimum_Dialog_Size(reinterpret_cast<RECT_AREA*>(lparam), layout->Dialog_Rect,
                                    static_cast<int32_t>(wparam), GROW_HEIGHT | GROW_WIDTH);
        Set_Dialog_Message_Result(dialog, 1);
        return true;
    case MSG_EXIT_SIZE_MOVE:
        Update_List_Dialog_Layout(dialog, layout, LIST_LAYOUT_RESIZED);
        return true;
    case MSG_HIT_TEST:
        return Hit_Test_Size_Grip(dialog, Point_X(lparam), Point_Y(lparam)) != 0;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
        if (dc == nullptr) return true;
        Draw_Size_Grip(dialog, dc);
        End_Paint(dialog, &paint);
        return true;
    }
    default:
        return false;
    }
}
