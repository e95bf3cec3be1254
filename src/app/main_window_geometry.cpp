#include "app/main_window_geometry.h"

#include "database/settings.h"
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
    return STATUS_BAR_HEIGHT + (Get_User_Preference(SHOW_NEWS_TICKER) != 0 ? NEWS_TICKER_HEIGHT : 0);
}
