#include "platform/control_support.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "platform/message_queue.h"
#include "platform/windows.h"

namespace {
int32_t live_control_states = 0;
} // namespace

void Note_Control_State_Made() {
    ++live_control_states;
}

void Note_Control_State_Freed() {
    --live_control_states;
}

int32_t Count_Live_Control_States() {
    return live_control_states;
}

void Select_Control_Font(DEVICE_CONTEXT* dc, WINDOW_HANDLE control) {
    Select_Font(dc, Get_Window_Font(control));
}

int32_t Get_Control_Line_Height(WINDOW_HANDLE control) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Control_Font(&dc, control);
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    return std::max(1, metrics.Height);
}

int32_t Measure_Control_Text(WINDOW_HANDLE control, const std::string& text) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Control_Font(&dc, control);
    return Measure_Text_Width(&dc, text.c_str(), static_cast<int32_t>(text.size()));
}

void Draw_Coloured_Text(DEVICE_CONTEXT* dc, const std::string& text, const RECT_AREA& rect, uint32_t flags,
                        COLOUR_VALUE colour) {
    if (dc == nullptr || text.empty()) return;
    const DC_STATE saved = dc->State;
    Set_Text_Colour(dc, colour);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    RECT_AREA area = rect;
    Draw_Text_In_Rect(dc, text.c_str(), static_cast<int32_t>(text.size()), &area, flags);
    dc->State = saved;
}

namespace {
// The x (relative to the line's start) the tab after `at` advances to.
int32_t Next_Tab_Stop(int32_t at, const std::vector<int32_t>& stops, int32_t default_stop) {
    for (int32_t stop : stops)
        if (stop > at) return stop;
    const int32_t step = std::max(1, default_stop);
    const int32_t base = stops.empty() ? 0 : stops.back();
    return base + ((at - base) / step + 1) * step;
}

template <typename SEGMENT_ACTION>
int32_t Walk_Tabbed_Line(const DEVICE_CONTEXT* dc, const std::string& text, const std::vector<int32_t>& stops,
                         int32_t default_stop, SEGMENT_ACTION action) {
    int32_t x = 0;
    size_t start = 0;
    while (true) {
        const size_t tab = text.find('\t', start);
        const std::string segment =
            text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        action(x, segment);
        x += Measure_Text_Width(dc, segment.c_str(), static_cast<int32_t>(segment.size()));
        if (tab == std::string::npos) return x;
        x = Next_Tab_Stop(x, stops, default_stop);
        start = tab + 1;
    }
}
} // namespace

void Draw_Tabbed_Line(DEVICE_CONTEXT* dc, int32_t x, int32_t y, const std::string& text,
                      const std::vector<int32_t>& stops, int32_t default_stop, COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    const DC_STATE saved = dc->State;
    Set_Text_Colour(dc, colour);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Walk_Tabbed_Line(dc, text, stops, default_stop, [&](int32_t at, const std::string& segment) {
        Draw_Text_Out(dc, x + at, y, segment.c_str(), static_cast<int32_t>(segment.size()));
    });
    dc->State = saved;
}

int32_t Measure_Tabbed_Line(const DEVICE_CONTEXT* dc, const std::string& text,
                            const std::vector<int32_t>& stops, int32_t default_stop) {
    return Walk_Tabbed_Line(dc, text, stops, default_stop, [](int32_t, const std::string&) {});
}

const DRAWING_BRUSH* Ask_Parent_For_Colours(WINDOW_HANDLE control, uint32_t message, DEVICE_CONTEXT* dc,
                                            COLOUR_VALUE text, COLOUR_VALUE background) {
    Set_Text_Colour(dc, text);
    Set_Background_Colour(dc, background);
    Set_Background_Mode(dc, BACKGROUND_OPAQUE);
    const WINDOW_HANDLE parent = Get_Parent_Window(control);
    if (parent == NO_WINDOW) return nullptr;
    return reinterpret_cast<const DRAWING_BRUSH*>(Send_Window_Message(
        parent, message, reinterpret_cast<uintptr_t>(dc), static_cast<intptr_t>(control)));
}

void Fill_Control_Background(DEVICE_CONTEXT* dc, const RECT_AREA& area, const DRAWING_BRUSH* brush,
                             COLOUR_VALUE background) {
    if (brush != nullptr)
        Fill_Area_With_Brush(dc, area, brush);
    else
        Fill_Surface_Area(dc, area, background);
}

void Notify_Parent(WINDOW_HANDLE control, uint32_t code) {
    const WINDOW_HANDLE parent = Get_Parent_Window(control);
    if (parent != NO_WINDOW)
        Send_Window_Message(parent, MSG_COMMAND, Pack_Command(Get_Window_Id(control), code),
                            static_cast<intptr_t>(control));
}

NOTIFY_INFO Make_Notify(uint32_t code) {
    NOTIFY_INFO info{};
    info.Code = code;
    info.Item = -1;
    info.Sub_Item = -1;
    return info;
}

intptr_t Send_Notify(WINDOW_HANDLE control, NOTIFY_INFO* info) {
    const WINDOW_HANDLE parent = Get_Parent_Window(control);
    if (parent == NO_WINDOW || info == nullptr) return 0;
    info->From = control;
    info->From_Id = Get_Window_Id(control);
    return Send_Window_Message(parent, MSG_NOTIFY,
                               static_cast<uintptr_t>(static_cast<uint32_t>(info->From_Id)),
                               reinterpret_cast<intptr_t>(info));
}

void Ask_Parent_To_Draw_Item(WINDOW_HANDLE control, CONTROL_KIND kind, DEVICE_CONTEXT* dc, int32_t item,
                             intptr_t data, uint32_t state, const RECT_AREA& rect) {
    const WINDOW_HANDLE parent = Get_Parent_Window(control);
    if (parent == NO_WINDOW) return;
    DRAW_ITEM_INFO info{kind, Get_Window_Id(control), item, state, control, dc, rect, data};
    Save_Device_Context(dc);
    Intersect_Clip_Rect(dc, rect);
    Send_Window_Message(parent, MSG_DRAW_ITEM, static_cast<uintptr_t>(static_cast<uint32_t>(info.Control_Id)),
                        reinterpret_cast<intptr_t>(&info));
    Restore_Device_Context(dc);
}

int32_t Ask_Parent_Item_Height(WINDOW_HANDLE control, CONTROL_KIND kind, int32_t fallback) {
    const WINDOW_HANDLE parent = Get_Parent_Window(control);
    if (parent == NO_WINDOW) return fallback;
    MEASURE_ITEM_INFO info{kind, Get_Window_Id(control), 0, 0, 0, 0};
    Send_Window_Message(parent, MSG_MEASURE_ITEM,
                        static_cast<uintptr_t>(static_cast<uint32_t>(info.Control_Id)),
                        reinterpret_cast<intptr_t>(&info));
    return info.Item_Height > 0 ? info.Item_Height : fallback;
}

int32_t Insert_List_Item(std::vector<LIST_ITEM>* items, int32_t index, const char* text, bool sorted) {
    const int32_t count = static_cast<int32_t>(items->size());
    LIST_ITEM item;
    item.Text = text != nullptr ? text : "";
    if (sorted) {
        index = 0;
        while (index < count &&
               strcasecmp((*items)[static_cast<size_t>(index)].Text.c_str(), item.Text.c_str()) <= 0)
            ++index;
    } else if (index < 0) {
        index = count;
    } else if (index > count) {
        return LIST_ERROR;
    }
    items->insert(items->begin() + index, item);
    return index;
}

int32_t Find_List_Item(const std::vector<LIST_ITEM>& items, int32_t start, const char* text, bool exact) {
    const int32_t count = static_cast<int32_t>(items.size());
    if (text == nullptr || count == 0) return LIST_ERROR;
    const size_t length = strlen(text);
    for (int32_t step = 1; step <= count; ++step) {
        const int32_t i = ((start < 0 ? -1 : start) + step) % count;
        const std::string& item = items[static_cast<size_t>(i)].Text;
        if (exact ? strcasecmp(item.c_str(), text) == 0 : strncasecmp(item.c_str(), text, length) == 0)
            return i;
    }
    return LIST_ERROR;
}

bool Is_List_Index(const std::vector<LIST_ITEM>& items, int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(items.size());
}
