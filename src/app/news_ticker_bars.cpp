#include "app/news_ticker_bars.h"

#include "app/main_window_dc.h"

// The next paint draws the view anew over the whole window.
void Repaint_Main_Window() {
    Set_Last_Painted_View(-1);
    if (!Main_Window_Back_Buffer_Exists()) return;
    RECT_AREA whole{};
    Get_Back_Buffer_Rect(&whole);
    Invalidate_Main_Window_Rect(whole);
}

// Without the main window's bars there is nothing to create, repaint or
// scroll.
void Create_Status_Bar() {}

int32_t Status_Bar_Exists() {
    return 0;
}

void Repaint_Status_Bar() {}

int32_t News_Ticker_Exists() {
    return 0;
}

void Repaint_News_Ticker() {}

void Stop_News_Ticker() {}

void Destroy_News_Ticker() {}

void Build_News_Ticker_Items() {}

void Start_Ticker_Item_Scroll() {}
