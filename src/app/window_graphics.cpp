#include "app/window_graphics.h"

#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/status_bar.h"
#include "platform/windows.h"
#include "views/view_painting.h"

void Get_View_Area_Size(int32_t* width, int32_t* height) {
    RECT_AREA client = {0, 0, DEFAULT_BACK_BUFFER_WIDTH, DEFAULT_BACK_BUFFER_HEIGHT};
    if (Is_Window(Main_Window)) Get_Client_Rect(Main_Window, &client);
    int32_t view_height = client.Bottom;
    if (Is_News_View()) view_height -= STATUS_BAR_HEIGHT + Get_Ticker_Height();
    if (width != nullptr) *width = client.Right;
    if (height != nullptr) *height = view_height;
}

void Reinit_Window_Graphics() {
    if (!Is_Window(Main_Window)) return;
    int32_t width = 0, height = 0;
    Get_View_Area_Size(&width, &height);
    if (width <= 0 || height <= 0) return;
    if (Main_Window_Back_Buffer_Exists() && Get_Back_Buffer_Width() == width && Get_Back_Buffer_Height() == height)
        return;
    // A context taken on the old buffer must be given back first; the size is
    // taken up again at the next change.
    if (Get_Main_Window_DC_Count() > 0) return;
    if (Create_Main_Window_Back_Buffer(width, height)) Last_Painted_View = -1;
}

void Redraw_Main_Window() {
    Last_Painted_View = -1;
    if (!Is_Window(Main_Window)) return;
    Invalidate_Window(Main_Window, nullptr);
    Update_Window(Main_Window);
}

void Init_Image_Caches() {}
void Free_Image_Caches() {}
void Free_App_Fonts(int32_t) {}
void Create_Dialog_Brushes() {}
void Delete_Dialog_Brushes() {}
void Register_Report_Window_Class() {}
