#include "app/window_graphics.h"

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"

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
