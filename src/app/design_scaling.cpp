#include "app/design_scaling.h"

#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "database/random_numbers.h"

int32_t Scale_X_To_Window(const RECT_AREA& view, int32_t x) {
    const int32_t width = view.Right - view.Left;
    return width > DESIGN_WIDTH ? Mul_Div_Round(x, width, DESIGN_WIDTH) : x;
}

int32_t Scale_Y_To_Window(const RECT_AREA& view, int32_t y) {
    const int32_t height = view.Bottom - view.Top;
    return height > DESIGN_HEIGHT ? Mul_Div_Round(y, height, DESIGN_HEIGHT) : y;
}

// The main window's client area less the bars under a full-window view.
void Get_View_Rect(RECT_AREA* view) {
    if (view == nullptr) return;
    Get_Main_Window_Client_Rect(view);
    view->Bottom -= Get_View_Bars_Height();
}

void Scale_Rect_To_Window(RECT_AREA* rect) {
    if (rect == nullptr) return;
    RECT_AREA view;
    Get_View_Rect(&view);
    rect->Left = Scale_X_To_Window(view, rect->Left);
    rect->Right = Scale_X_To_Window(view, rect->Right);
    rect->Top = Scale_Y_To_Window(view, rect->Top);
    rect->Bottom = Scale_Y_To_Window(view, rect->Bottom);
}

int32_t Copy_Enlarged_Rectangle(RECT_AREA* destination, const RECT_AREA& source) {
    if (destination == nullptr) return 0;
    *destination = source;
    Scale_Rect_To_Window(destination);
    if (destination->Right - destination->Left < 0 || destination->Bottom - destination->Top < 0) {
        Report_System_Error(
            "Invalid rectangle generated in Copy_Enlarged_Rectangle(%d,%d,%d,%d -> %d,%d,%d,%d)",
            destination->Top, destination->Bottom, destination->Left, destination->Right, source.Top,
            source.Bottom, source.Left, source.Right);
        return 0;
    }
    return 1;
}

void Scale_Rect_To_Design(RECT_AREA* rect) {
    if (rect == nullptr) return;
    RECT_AREA client, view;
    Get_Main_Window_Client_Rect(&client);
    Get_View_Rect(&view);
    const int32_t width = client.Right - client.Left, height = view.Bottom - view.Top;
    if (width > DESIGN_WIDTH) {
        rect->Left = Mul_Div_Round(rect->Left, DESIGN_WIDTH, width);
        rect->Right = Mul_Div_Round(rect->Right, DESIGN_WIDTH, width);
    }
    if (height > DESIGN_HEIGHT) {
        rect->Top = Mul_Div_Round(rect->Top, DESIGN_HEIGHT, height);
        rect->Bottom = Mul_Div_Round(rect->Bottom, DESIGN_HEIGHT, height);
    }
}
