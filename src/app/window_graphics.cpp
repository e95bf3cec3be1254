#include "app/window_graphics.h"

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/design_scaling.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "platform/windows.h"

int32_t Reinit_Window_Graphics() {
    RECT_AREA outer, fonts;
    Get_Main_Window_Outer_Rect(&outer);
    Get_App_Font_Window_Rect(&fonts);
    const int32_t width = outer.Right - outer.Left, height = outer.Bottom - outer.Top;
    if (width < 1024 || height < 676) return 1;
    if (width == fonts.Right - fonts.Left && height == fonts.Bottom - fonts.Top) return 1;
    Free_Image_Caches();
    Free_App_Fonts(false);
    Destroy_Main_Window_Back_Buffer();
    Create_Main_Window_Back_Buffer_For_Window();
    Load_App_Fonts();
    return 1;
}

void Fit_Back_Buffer_To_View() {
    if (!Is_Window(Main_Window)) return;
    RECT_AREA view;
    Get_View_Rect(&view);
    const int32_t width = view.Right - view.Left, height = view.Bottom - view.Top;
    if (width <= 0 || height <= 0) return;
    if (Main_Window_Back_Buffer_Exists() && Get_Back_Buffer_Width() == width &&
        Get_Back_Buffer_Height() == height)
        return;
    // A context taken on the old buffer must be given back first; the size is
    // taken up again at the next change.
    if (Get_Main_Window_DC_Count() > 0) return;
    if (!Create_Main_Window_Back_Buffer(width, height)) return;
    // The window still shows the view painted at the old size (under bars
    // that came or went): all of it is painted afresh, not only the strip a
    // bar uncovered.
    Set_Last_Painted_View(-1);
    Invalidate_Window(Main_Window, nullptr);
}

void Redraw_Main_Window() {
    Set_Last_Painted_View(-1);
    Repaint_Window(Main_Window);
}
