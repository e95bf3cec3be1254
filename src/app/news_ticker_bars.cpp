#include "app/news_ticker_bars.h"

// Without the main window's bars there is nothing to create, repaint or
// scroll; the views are painted when the window asks for them.
void Repaint_Main_Window() {}

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
