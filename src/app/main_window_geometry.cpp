#include "app/main_window_geometry.h"

#include "app/status_bars.h"
#include "views/current_view.h"

namespace {
RECT_AREA Outer_Rect{0, 0, 1024, 676};
RECT_AREA Client_Rect{0, 0, 1024, 676};
} // namespace

void Set_Main_Window_Geometry(const RECT_AREA& outer, const RECT_AREA& client) {
    Outer_Rect = outer;
    Client_Rect = {0, 0, client.Right - client.Left, client.Bottom - client.Top};
}

void Get_Main_Window_Outer_Rect(RECT_AREA* rect) {
    if (rect != nullptr) *rect = Outer_Rect;
}

void Get_Main_Window_Client_Rect(RECT_AREA* rect) {
    if (rect != nullptr) *rect = Client_Rect;
}

int32_t Get_View_Bars_Height() {
    if (!Is_News_View()) return 0;
    // Only the bars that are there take their room: while the college draft
    // has taken them down, the view reaches the bottom of the window.
    return (Status_Bar_Exists() != 0 ? STATUS_BAR_HEIGHT : 0) + Get_Ticker_Height();
}
