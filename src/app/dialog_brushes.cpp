#include "app/dialog_brushes.h"

#include <string>
#include <strings.h>

#include "app/bitmap_cache.h"
#include "app/image_loading.h"
#include "app/skins.h"
#include "dialogs/scouting_report.h"
#include "platform/control_drawing.h"
#include "platform/windows.h"

DRAWING_BRUSH* Dialog_Background_Brush = nullptr;
DRAWING_BRUSH* Dialog_Pattern_Brush = nullptr;

namespace {
// The brush of the pattern picture, loaded into a slot of its own that is
// emptied again once the brush holds a copy.
DRAWING_BRUSH* Make_Pattern_Brush() {
    BITMAP_CACHE_ENTRY slot{};
    slot.Id = PATTERN_SLOT_ID;
    if (!Load_File_Into_Bitmap_Cache(nullptr, "SportsKorvaLogoPattern.jpg", &slot)) return nullptr;
    DRAWING_BRUSH* brush = Create_Pattern_Brush(slot.Bitmap);
    Clear_Bitmap_Cache_Entry(&slot);
    return brush;
}

intptr_t Report_Window_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_SIZE) Invalidate_Window(window, nullptr);
    const intptr_t handled = Scouting_Report_Dialog_Proc(window, code, wparam, lparam);
    return handled != 0 ? handled : Default_Window_Procedure(window, code, wparam, lparam);
}
} // namespace

void Create_Dialog_Brushes() {
    Delete_Dialog_Brushes();
    Dialog_Background_Brush = Create_Solid_Brush(Get_Skin_Color());
    Dialog_Pattern_Brush = Make_Pattern_Brush();
}

void Delete_Dialog_Brushes() {
    Delete_Brush(Dialog_Background_Brush);
    Delete_Brush(Dialog_Pattern_Brush);
    Dialog_Background_Brush = nullptr;
    Dialog_Pattern_Brush = nullptr;
}

intptr_t Handle_Dialog_Control_Color(uint32_t message, WINDOW_HANDLE, WINDOW_HANDLE control,
                                     DEVICE_CONTEXT* dc) {
    if (Dialog_Background_Brush == nullptr) return 0;
    // A game loaded since the brush was made may have brought another skin.
    if (Dialog_Background_Brush->Colour != Get_Skin_Color()) Create_Dialog_Brushes();
    const intptr_t brush = reinterpret_cast<intptr_t>(Dialog_Background_Brush);
    switch (message) {
    case MSG_CONTROL_COLOUR_DIALOG:
    case MSG_CONTROL_COLOUR_SCROLL_BAR:
        return brush;
    case MSG_CONTROL_COLOUR_STATIC: {
        const std::string name = Get_Window_Class_Name(control);
        if (strcasecmp(name.c_str(), "ComboBox") == 0 || strcasecmp(name.c_str(), "Edit") == 0) return 0;
        Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
        Set_Background_Colour(dc, Get_Skin_Color());
        return brush;
    }
    default:
        return 0;
    }
}

void Register_Report_Window_Class() {
    Register_Window_Class(REPORT_WINDOW_CLASS, Report_Window_Procedure, Get_System_Colour(COLOUR_FACE));
}
