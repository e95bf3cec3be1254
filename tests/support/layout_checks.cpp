#include "support/layout_checks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/drawing_services.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/string_warnings.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
std::string Describe(const RECT_AREA& r) {
    STRING_PREPEND_WARNING_OFF
    return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom) + ")";
    STRING_PREPEND_WARNING_ON
}

// Texts side by side closer than this read as one.
constexpr int32_t LEAST_GAP = 2;

bool Overlap(const RECT_AREA& a, const RECT_AREA& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Run_Together(const RECT_AREA& a, const RECT_AREA& b) {
    return Overlap({a.Left - LEAST_GAP, a.Top, a.Right + LEAST_GAP, a.Bottom}, b);
}

bool Is_Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// The control's rectangle in its dialog's client coordinates.
RECT_AREA Rect_In_Dialog(WINDOW_HANDLE dialog, WINDOW_HANDLE control) {
    RECT_AREA rect;
    Get_Window_Rect(control, &rect);
    Screen_To_Client(dialog, &rect.Left, &rect.Top);
    Screen_To_Client(dialog, &rect.Right, &rect.Bottom);
    return rect;
}

std::string Name_Control(WINDOW_HANDLE control) {
    return std::string(Get_Control_Class_Name(Get_Control_Kind(control))) + " " +
           std::to_string(Get_Window_Id(control));
}

// Lays `text` out as the control would and tells what does not fit.
std::string Check_Fit(WINDOW_HANDLE control, const std::string& text, const RECT_AREA& area, uint32_t flags) {
    if (Is_Blank(text)) return "";
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Font(&dc, Get_Window_Font(control));
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    RECT_AREA measured = area;
    const int32_t height = Draw_Text_In_Rect(&dc, text.c_str(), -1, &measured, flags | TEXT_CALCULATE_RECT);
    const int32_t width = measured.Right - measured.Left;
    const int32_t room_width = area.Right - area.Left, room_height = area.Bottom - area.Top;
    int32_t ink_top = 0, ink_bottom = 0;
    Measure_Text_Ink_Rows(&dc, text.c_str(), -1, &ink_top, &ink_bottom);
    const int32_t letters_height = height - metrics.Height + ink_bottom - ink_top;
    if (width <= room_width && letters_height <= room_height) return "";
    return Name_Control(control) + " \"" + text + "\" needs " + std::to_string(width) + " x " +
           std::to_string(letters_height) + " pixels, has " + std::to_string(room_width) + " x " +
           std::to_string(room_height);
}

// Controls whose rectangle shows text: everything but the furniture that
// holds or underlies other controls.
bool Shows_Text(WINDOW_HANDLE control) {
    switch (Get_Control_Kind(control)) {
    case CONTROL_PUSH_BUTTON:
    case CONTROL_CHECK_BOX:
    case CONTROL_RADIO_BUTTON:
    case CONTROL_STATIC_TEXT:
    case CONTROL_EDIT:
    case CONTROL_LIST_BOX:
    case CONTROL_COMBO_BOX:
    case CONTROL_LIST_VIEW:
        return true;
    default:
        return false;
    }
}

// A drawn text's letters, cut to its rectangle when it is clipped.
RECT_AREA Letters_Of(const DRAWN_TEXT& text) {
    RECT_AREA box = text.Letters;
    if ((text.Format & TEXT_NO_CLIP) == 0) {
        box.Left = std::max(box.Left, text.Rect.Left);
        box.Top = std::max(box.Top, text.Rect.Top);
        box.Right = std::min(box.Right, text.Rect.Right);
        box.Bottom = std::min(box.Bottom, text.Rect.Bottom);
    }
    return box;
}

bool Is_Shadow_Of(const DRAWN_TEXT& a, const DRAWN_TEXT& b) {
    return std::strcmp(a.Text, b.Text) == 0 && std::abs(a.Box.Left - b.Box.Left) <= 2 &&
           std::abs(a.Box.Top - b.Box.Top) <= 2;
}

// Where a group box's caption is set into its top edge, in the dialog.
RECT_AREA Caption_In_Dialog(WINDOW_HANDLE dialog, WINDOW_HANDLE group, const RECT_AREA& area) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Font(&dc, Get_Window_Font(group));
    const std::string text = Get_Window_Text(group);
    const int32_t width = std::min(Measure_Text_Width(&dc, text.c_str(), -1), area.Right - area.Left);
    const RECT_AREA at = Rect_In_Dialog(dialog, group);
    return {at.Left + area.Left - 2, at.Top + area.Top, at.Left + area.Left + width + 2,
            at.Top + area.Bottom};
}
} // namespace

std::vector<std::string> Find_Control_Layout_Faults(WINDOW_HANDLE dialog) {
    std::vector<std::string> faults;
    // The controls showing text, and the places they show it in.
    std::vector<std::pair<WINDOW_HANDLE, RECT_AREA>> shown;
    for (WINDOW_HANDLE control : Get_Child_Windows(dialog)) {
        if (!Is_Window_Shown(control)) continue;
        if (Shows_Text(control)) shown.push_back({control, Rect_In_Dialog(dialog, control)});
        RECT_AREA area;
        uint32_t flags = 0;
        if (!Get_Control_Text_Layout(control, &area, &flags)) continue;
        if (Get_Control_Kind(control) == CONTROL_GROUP_BOX && !Is_Blank(Get_Window_Text(control)))
            shown.push_back({control, Caption_In_Dialog(dialog, control, area)});
        std::vector<std::string> texts;
        if (Get_Control_Kind(control) == CONTROL_COMBO_BOX) {
            for (int32_t i = 0; i < Combo_Box_Get_Count(control); ++i)
                texts.push_back(Combo_Box_Get_Text(control, i));
        } else {
            texts.push_back(Get_Window_Text(control));
        }
        for (const std::string& text : texts) {
            const std::string fault = Check_Fit(control, text, area, flags);
            if (!fault.empty()) faults.push_back(fault);
        }
    }
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const RECT_AREA& a = shown[i].second;
            const RECT_AREA& b = shown[j].second;
            if (Overlap(a, b))
                faults.push_back(Name_Control(shown[i].first) + " " + Describe(a) + " overlaps " +
                                 Name_Control(shown[j].first) + " " + Describe(b));
        }
    return faults;
}

std::vector<std::string> Find_Drawn_Text_Faults(int32_t first, const DRAWING_SURFACE* surface) {
    std::vector<std::string> faults;
    // A painter that ran twice draws its faults twice; each is told once.
    auto add = [&faults](const std::string& fault) {
        if (std::find(faults.begin(), faults.end(), fault) == faults.end()) faults.push_back(fault);
    };
    std::vector<const DRAWN_TEXT*> texts;
    for (int32_t i = std::max(0, first); i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* text = Get_Drawn_Text(i);
        if (!Is_Blank(text->Text) && (surface == nullptr || text->Surface == surface)) texts.push_back(text);
    }
    for (const DRAWN_TEXT* text : texts) {
        const int32_t width = text->Box.Right - text->Box.Left;
        const RECT_AREA& letters = text->Letters;
        const bool clipped = (text->Format & TEXT_NO_CLIP) == 0;
        const bool too_wide = width > text->Rect.Right - text->Rect.Left;
        const bool too_tall = clipped && (letters.Top < text->Rect.Top || letters.Bottom > text->Rect.Bottom);
        STRING_PREPEND_WARNING_OFF
        if (too_wide || too_tall)
            add("\"" + std::string(text->Text) + "\" lies " + Describe(letters) + ", its place is " +
                Describe(text->Rect));
        STRING_PREPEND_WARNING_ON
    }
    for (size_t i = 0; i < texts.size(); ++i)
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const DRAWN_TEXT& a = *texts[i];
            const DRAWN_TEXT& b = *texts[j];
            if (a.Surface != b.Surface || Is_Shadow_Of(a, b)) continue;
            const RECT_AREA la = Letters_Of(a), lb = Letters_Of(b);
            STRING_PREPEND_WARNING_OFF
            if (Run_Together(la, lb))
                add("\"" + std::string(a.Text) + "\" " + Describe(la) + " runs into \"" + b.Text + "\" " +
                    Describe(lb));
            STRING_PREPEND_WARNING_ON
        }
    return faults;
}

std::string Join_Faults(const std::vector<std::string>& faults) {
    std::string joined;
    for (const std::string& fault : faults)
        joined += fault + "\n";
    return joined;
}
