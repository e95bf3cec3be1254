#include "platform/windows.h"

#include <algorithm>
#include <list>
#include <map>
#include <memory>

#include "platform/error_reporter.h"
#include "platform/font_holds.h"
#include "platform/label_drawing.h"
#include "platform/menus.h"
#include "platform/pixel_blits.h"
#include "platform/rect_math.h"
#include "platform/text_render.h"

namespace {
struct WINDOW_CLASS {
    WINDOW_PROCEDURE Procedure;
    COLOUR_VALUE Background;
};

struct WINDOW_RECORD {
    WINDOW_HANDLE Handle = NO_WINDOW;
    std::string Class_Name;
    WINDOW_PROCEDURE Procedure = nullptr;
    COLOUR_VALUE Background = NO_BACKGROUND;
    WINDOW_HANDLE Parent = NO_WINDOW;
    WINDOW_HANDLE Owner = NO_WINDOW;
    std::vector<WINDOW_HANDLE> Children; // bottom to top
    int32_t Id = 0;
    uint32_t Style = 0;
    RECT_AREA Rect{}; // parent client coordinates (child) or screen (top level)
    std::string Text;
    bool Shown = false;
    bool Enabled = true;
    bool Destroying = false;
    MENU_HANDLE Menu = NO_MENU;
    DRAWING_SURFACE Surface{}; // the client area
    DEVICE_CONTEXT Paint_DC{};
    std::list<std::unique_ptr<DEVICE_CONTEXT>> Taken_DCs;
    bool Invalid = false;
    RECT_AREA Invalid_Rect{};
    intptr_t Data[4] = {0, 0, 0, 0};
    int32_t Show_State = SHOW_STATE_NORMAL;
    DRAWING_FONT* Font = nullptr;
    std::vector<DRAWING_FONT*> Owned_Fonts;
};

// Well away from the small numbers tests give bare message targets.
constexpr WINDOW_HANDLE FIRST_WINDOW_HANDLE = 0x10000;

std::map<std::string, WINDOW_CLASS> classes;
std::map<WINDOW_HANDLE, std::unique_ptr<WINDOW_RECORD>> windows;
std::vector<WINDOW_HANDLE> top_levels; // z-order, bottom first
WINDOW_HANDLE next_handle = FIRST_WINDOW_HANDLE;
WINDOW_HANDLE focus_window = NO_WINDOW;
WINDOW_HANDLE capture_window = NO_WINDOW;
WINDOW_HANDLE primary_window = NO_WINDOW;
// Starts as "everything", as nothing has been shown yet.
bool screen_changed_all = true;
std::vector<RECT_AREA> screen_changed_areas;

constexpr COLOUR_VALUE FRAME_COLOUR = Make_Colour(64, 64, 64);
constexpr COLOUR_VALUE CAPTION_COLOUR = Make_Colour(40, 70, 120);
constexpr COLOUR_VALUE CAPTION_TEXT_COLOUR = Make_Colour(255, 255, 255);

WINDOW_RECORD* Find(WINDOW_HANDLE window) {
    auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second.get();
}

// The record, or a report naming the call that was given a dead handle.
WINDOW_RECORD* Find_Or_Report(WINDOW_HANDLE window, const char* call) {
    WINDOW_RECORD* record = Find(window);
    if (record == nullptr) Report_Platform_Error("%s(%u): no such window", call, window);
    return record;
}

bool Is_Top_Level(const WINDOW_RECORD& record) {
    return (record.Style & WINDOW_CHILD) == 0;
}

RECT_AREA Frame_Of(const WINDOW_RECORD& record) {
    RECT_AREA frame = {0, 0, 0, 0};
    if ((record.Style & WINDOW_BORDER) != 0) frame = {BORDER_WIDTH, BORDER_WIDTH, BORDER_WIDTH, BORDER_WIDTH};
    if ((record.Style & WINDOW_CAPTION) != 0) frame.Top += CAPTION_HEIGHT;
    if (Is_Top_Level(record) && record.Menu != NO_MENU) frame.Top += MENU_BAR_HEIGHT;
    return frame;
}

int32_t Client_Width(const WINDOW_RECORD& record) {
    RECT_AREA frame = Frame_Of(record);
    return std::max(0, record.Rect.Right - record.Rect.Left - frame.Left - frame.Right);
}

int32_t Client_Height(const WINDOW_RECORD& record) {
    RECT_AREA frame = Frame_Of(record);
    return std::max(0, record.Rect.Bottom - record.Rect.Top - frame.Top - frame.Bottom);
}

// Screen position of the client area's top-left corner.
void Client_Origin(const WINDOW_RECORD& record, int32_t* x, int32_t* y) {
    RECT_AREA frame = Frame_Of(record);
    int32_t left = record.Rect.Left + frame.Left;
    int32_t top = record.Rect.Top + frame.Top;
    if (!Is_Top_Level(record)) {
        if (const WINDOW_RECORD* parent = Find(record.Parent)) {
            int32_t px = 0, py = 0;
            Client_Origin(*parent, &px, &py);
            left += px;
            top += py;
        }
    }
    *x = left;
    *y = top;
}

// Gives the client picture the client size; every context on it is reset to
// the whole picture, and the whole window becomes invalid.
void Fit_Surface(WINDOW_RECORD& record) {
    const int32_t width = Client_Width(record);
    const int32_t height = Client_Height(record);
    if (width == record.Surface.Width && height == record.Surface.Height) return;
    if (width > 0 && height > 0) {
        Resize_Drawing_Surface(&record.Surface, width, height);
        if (record.Background != NO_BACKGROUND) {
            DEVICE_CONTEXT fill;
            Attach_Device_Context(&fill, &record.Surface);
            Fill_Surface_Area(&fill, {0, 0, width, height}, record.Background);
        }
    } else {
        Free_Drawing_Surface(&record.Surface);
    }
    for (auto& dc : record.Taken_DCs)
        dc->State.Clip = {0, 0, record.Surface.Width, record.Surface.Height};
    record.Invalid = width > 0 && height > 0;
    record.Invalid_Rect = {0, 0, width, height};
}

void Remove_From_Z_Order(WINDOW_HANDLE window) {
    top_levels.erase(std::remove(top_levels.begin(), top_levels.end(), window), top_levels.end());
}

bool Is_Owned_By(WINDOW_HANDLE window, WINDOW_HANDLE owner) {
    for (const WINDOW_RECORD* record = Find(window); record != nullptr; record = Find(record->Owner))
        if (record->Owner == owner) return true;
    return false;
}

// Draws the caption and frame of a top-level window at (x, y) of the target.
void Paint_Window_Furniture(DRAWING_SURFACE* target, const WINDOW_RECORD& record, int32_t x, int32_t y,
                            const RECT_AREA& clip) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, target);
    dc.State.Clip = Intersect_Rects(clip, {0, 0, target->Width, target->Height});
    const RECT_AREA outer = Offset_Rect(record.Rect, x - record.Rect.Left, y - record.Rect.Top);
    if ((record.Style & WINDOW_BORDER) != 0) Fill_Surface_Area(&dc, outer, FRAME_COLOUR);
    RECT_AREA inner = outer;
    if ((record.Style & WINDOW_BORDER) != 0)
        inner = {outer.Left + BORDER_WIDTH, outer.Top + BORDER_WIDTH, outer.Right - BORDER_WIDTH,
                 outer.Bottom - BORDER_WIDTH};
    if ((record.Style & WINDOW_CAPTION) != 0) {
        RECT_AREA caption = {inner.Left, inner.Top, inner.Right, inner.Top + CAPTION_HEIGHT};
        Fill_Surface_Area(&dc, caption, CAPTION_COLOUR);
        Draw_Label(&dc, record.Text.c_str(), {caption.Left + 6, caption.Top, caption.Right, caption.Bottom},
                   TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, CAPTION_TEXT_COLOUR);
        inner.Top += CAPTION_HEIGHT;
    }
    if (Is_Top_Level(record) && record.Menu != NO_MENU) {
        RECT_AREA bar = {inner.Left, inner.Top, inner.Right, inner.Top + MENU_BAR_HEIGHT};
        bar = Intersect_Rects(bar, dc.State.Clip);
        if (!Is_Rect_Empty(bar))
            Paint_Menu_Bar(target, {inner.Left, inner.Top, inner.Right, inner.Top + MENU_BAR_HEIGHT},
                           record.Menu);
    }
}

// Composes a window whose window rectangle starts at (x, y) of the target.
void Compose(DRAWING_SURFACE* target, const WINDOW_RECORD& record, int32_t x, int32_t y,
             const RECT_AREA& clip) {
    if (Is_Top_Level(record)) Paint_Window_Furniture(target, record, x, y, clip);
    const RECT_AREA frame = Frame_Of(record);
    const int32_t client_x = x + frame.Left;
    const int32_t client_y = y + frame.Top;
    const RECT_AREA client_clip = Intersect_Rects(
        clip, {client_x, client_y, client_x + Client_Width(record), client_y + Client_Height(record)});
    if (Is_Rect_Empty(client_clip)) return;
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, target);
    dc.State.Clip = client_clip;
    Stretch_Pixels(&dc, client_x, client_y, record.Surface.Width, record.Surface.Height,
                   Surface_Pixel_Source(&record.Surface), 0, 0, record.Surface.Width, record.Surface.Height,
                   RASTER_SOURCE_COPY);
    for (WINDOW_HANDLE child : record.Children) {
        const WINDOW_RECORD* child_record = Find(child);
        if (child_record == nullptr || !child_record->Shown) continue;
        Compose(target, *child_record, client_x + child_record->Rect.Left, client_y + child_record->Rect.Top,
                client_clip);
    }
}

WINDOW_HANDLE Deepest_Child_At(WINDOW_HANDLE window, int32_t x, int32_t y) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr) return NO_WINDOW;
    int32_t client_x = 0, client_y = 0;
    Client_Origin(*record, &client_x, &client_y);
    if (!Is_Point_In_Rect(
            {client_x, client_y, client_x + Client_Width(*record), client_y + Client_Height(*record)}, x, y))
        return window;
    for (auto it = record->Children.rbegin(); it != record->Children.rend(); ++it) {
        const WINDOW_RECORD* child = Find(*it);
        if (child == nullptr || !child->Shown) continue;
        RECT_AREA on_screen = Offset_Rect(child->Rect, client_x, client_y);
        if (Is_Point_In_Rect(on_screen, x, y)) return Deepest_Child_At(*it, x, y);
    }
    return window;
}

// A part of the client area (nullptr: all of it) was drawn: the screen
// changed there, if the window can be seen at all.
void Mark_Client_Area_Changed(const WINDOW_RECORD& record, const RECT_AREA* area) {
    if (!Is_Window_Visible(record.Handle)) return;
    const RECT_AREA client = {0, 0, Client_Width(record), Client_Height(record)};
    int32_t x = 0, y = 0;
    Client_Origin(record, &x, &y);
    Mark_Screen_Area_Changed(Offset_Rect(area != nullptr ? Intersect_Rects(*area, client) : client, x, y));
}

void Forget_Window_Links(WINDOW_HANDLE window) {
    if (focus_window == window) focus_window = NO_WINDOW;
    if (capture_window == window) capture_window = NO_WINDOW;
    if (primary_window == window) primary_window = NO_WINDOW;
}
} // namespace

bool Register_Window_Class(const char* name, WINDOW_PROCEDURE procedure, COLOUR_VALUE background) {
    if (name == nullptr || name[0] == '\0' || procedure == nullptr) {
        Report_Platform_Error("Register_Window_Class: a class needs a name and a procedure");
        return false;
    }
    classes[name] = {procedure, background};
    return true;
}

bool Is_Window_Class_Registered(const char* name) {
    return name != nullptr && classes.count(name) != 0;
}

void Unregister_Window_Classes() {
    classes.clear();
}

WINDOW_HANDLE Create_Window(const char* class_name, const char* text, uint32_t style, const RECT_AREA& rect,
                            WINDOW_HANDLE parent, int32_t id, intptr_t parameter) {
    auto found = class_name != nullptr ? classes.find(class_name) : classes.end();
    if (found == classes.end()) {
        Report_Platform_Error("Create_Window: unknown window class \"%s\"",
                              class_name != nullptr ? class_name : "");
        return NO_WINDOW;
    }
    const bool child = (style & WINDOW_CHILD) != 0;
    WINDOW_RECORD* parent_record = parent != NO_WINDOW ? Find(parent) : nullptr;
    if ((child || parent != NO_WINDOW) && (parent_record == nullptr || parent_record->Destroying)) {
        Report_Platform_Error("Create_Window(\"%s\"): parent or owner %u is no window", class_name, parent);
        return NO_WINDOW;
    }
    auto record = std::make_unique<WINDOW_RECORD>();
    const WINDOW_HANDLE handle = next_handle++;
    record->Handle = handle;
    record->Class_Name = class_name;
    record->Procedure = found->second.Procedure;
    record->Background = found->second.Background;
    record->Parent = child ? parent : NO_WINDOW;
    record->Owner = child ? NO_WINDOW : parent;
    record->Id = id;
    record->Style = style & ~(WINDOW_VISIBLE | WINDOW_DISABLED);
    record->Rect = rect;
    record->Text = text != nullptr ? text : "";
    record->Enabled = (style & WINDOW_DISABLED) == 0;
    Fit_Surface(*record);
    record->Invalid = false;
    windows[handle] = std::move(record);
    if (child)
        parent_record->Children.push_back(handle);
    else
        top_levels.push_back(handle);
    if (primary_window == NO_WINDOW && !child && parent == NO_WINDOW && (style & WINDOW_POPUP) == 0)
        primary_window = handle;

    if (Send_Window_Message(handle, MSG_CREATE, 0, parameter) == -1) {
        if (Is_Window(handle)) Destroy_Window(handle);
        return NO_WINDOW;
    }
    if (!Is_Window(handle)) return NO_WINDOW;
    if ((style & WINDOW_VISIBLE) != 0) Show_Window(handle, true);
    return handle;
}

bool Destroy_Window(WINDOW_HANDLE window) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Destroy_Window");
    if (record == nullptr) return false;
    if (record->Destroying) return false;
    record->Destroying = true;
    if (record->Shown) Mark_Screen_Changed();
    if (capture_window == window) Release_Capture();
    Send_Window_Message(window, MSG_DESTROY, 0, 0);
    // Windows it owns go with it, as its children do.
    std::vector<WINDOW_HANDLE> owned;
    for (WINDOW_HANDLE top : top_levels)
        if (top != window && Is_Owned_By(top, window)) owned.push_back(top);
    for (WINDOW_HANDLE other : owned)
        if (Is_Window(other)) Destroy_Window(other);
    record = Find(window);
    std::vector<WINDOW_HANDLE> children = record->Children;
    for (WINDOW_HANDLE child : children)
        if (Is_Window(child)) Destroy_Window(child);
    record = Find(window);
    Kill_Window_Timers(window);
    if (!record->Taken_DCs.empty()) {
        Report_Platform_Error("Destroy_Window(%u): %d device contexts still taken", window,
                              static_cast<int>(record->Taken_DCs.size()));
        record->Taken_DCs.clear();
    }
    if (record->Menu != NO_MENU && Is_Menu(record->Menu)) Destroy_Menu(record->Menu);
    Let_Go_Of_Font(record->Font);
    record->Font = nullptr;
    for (DRAWING_FONT* font : record->Owned_Fonts)
        Delete_Font(font);
    record->Owned_Fonts.clear();
    Free_Drawing_Surface(&record->Surface);
    if (WINDOW_RECORD* parent = Find(record->Parent)) {
        auto& siblings = parent->Children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        Invalidate_Window(record->Parent, &record->Rect);
    }
    Remove_From_Z_Order(window);
    Forget_Window_Links(window);
    windows.erase(window);
    Mark_Screen_Changed();
    return true;
}

bool Is_Window(WINDOW_HANDLE window) {
    return Find(window) != nullptr;
}

void Destroy_All_Windows() {
    while (!top_levels.empty()) {
        WINDOW_HANDLE top = top_levels.back();
        if (!Destroy_Window(top)) Remove_From_Z_Order(top);
    }
    windows.clear();
    focus_window = capture_window = primary_window = NO_WINDOW;
}

int32_t Count_Windows() {
    return static_cast<int32_t>(windows.size());
}

WINDOW_PROCEDURE Get_Window_Procedure(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Procedure : nullptr;
}

WINDOW_PROCEDURE Subclass_Window(WINDOW_HANDLE window, WINDOW_PROCEDURE procedure) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Subclass_Window");
    if (record == nullptr || procedure == nullptr) return nullptr;
    WINDOW_PROCEDURE previous = record->Procedure;
    record->Procedure = procedure;
    return previous;
}

intptr_t Call_Window_Procedure(WINDOW_PROCEDURE procedure, WINDOW_HANDLE window, uint32_t code,
                               uintptr_t wparam, intptr_t lparam) {
    if (procedure == nullptr) return Default_Window_Procedure(window, code, wparam, lparam);
    return procedure(window, code, wparam, lparam);
}

intptr_t Default_Window_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t) {
    switch (code) {
    case MSG_CLOSE:
        if (Is_Window(window)) Destroy_Window(window);
        return 0;
    case MSG_PAINT: {
        PAINT_INFO paint;
        if (Begin_Paint(window, &paint) != nullptr) End_Paint(window, &paint);
        return 0;
    }
    case MSG_MENU_BAR_CLICK:
        if (Is_Window_Enabled(window)) Track_Menu_Bar(window, static_cast<int32_t>(wparam));
        return 0;
    case MSG_HIT_TEST:
        return HIT_CLIENT;
    default:
        return 0;
    }
}

WINDOW_HANDLE Get_Parent_Window(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Parent : NO_WINDOW;
}

WINDOW_HANDLE Get_Window_Owner(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Owner : NO_WINDOW;
}

WINDOW_HANDLE Get_Top_Level_Window(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    while (record != nullptr && !Is_Top_Level(*record))
        record = Find(record->Parent);
    return record != nullptr ? record->Handle : NO_WINDOW;
}

int32_t Get_Window_Id(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Id : 0;
}

WINDOW_HANDLE Find_Child_Window(WINDOW_HANDLE parent, int32_t id) {
    const WINDOW_RECORD* record = Find(parent);
    if (record == nullptr) return NO_WINDOW;
    for (WINDOW_HANDLE child : record->Children)
        if (const WINDOW_RECORD* child_record = Find(child);
            child_record != nullptr && child_record->Id == id)
            return child;
    return NO_WINDOW;
}

std::vector<WINDOW_HANDLE> Get_Child_Windows(WINDOW_HANDLE parent) {
    const WINDOW_RECORD* record = Find(parent);
    return record != nullptr ? record->Children : std::vector<WINDOW_HANDLE>{};
}

std::vector<WINDOW_HANDLE> Get_Top_Level_Windows() {
    return top_levels;
}

std::string Get_Window_Class_Name(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Class_Name : std::string();
}

uint32_t Get_Window_Style(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr) return 0;
    return record->Style | (record->Shown ? WINDOW_VISIBLE : 0) | (record->Enabled ? 0 : WINDOW_DISABLED);
}

void Set_Window_Style(WINDOW_HANDLE window, uint32_t style) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Style");
    if (record == nullptr) return;
    // The kind of window (child or top level) never changes.
    record->Style =
        (style & ~(WINDOW_VISIBLE | WINDOW_DISABLED | WINDOW_CHILD)) | (record->Style & WINDOW_CHILD);
    Fit_Surface(*record);
    Mark_Screen_Changed();
}

void Set_Window_Text(WINDOW_HANDLE window, const char* text) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Text");
    if (record == nullptr) return;
    record->Text = text != nullptr ? text : "";
    Mark_Screen_Changed();
    Send_Window_Message(window, MSG_SET_TEXT, 0, reinterpret_cast<intptr_t>(Find(window)->Text.c_str()));
}

std::string Get_Window_Text(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Text : std::string();
}

void Set_Window_Font(WINDOW_HANDLE window, DRAWING_FONT* font, bool redraw) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Font");
    if (record == nullptr) return;
    Hold_Font(font);
    Let_Go_Of_Font(record->Font);
    record->Font = font;
    Send_Window_Message(window, MSG_SET_FONT, reinterpret_cast<uintptr_t>(font), redraw ? 1 : 0);
    if (redraw && Is_Window(window)) Invalidate_Window(window, nullptr);
}

DRAWING_FONT* Get_Window_Font(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Font : nullptr;
}

void Keep_Font_With_Window(WINDOW_HANDLE window, DRAWING_FONT* font) {
    if (font == nullptr) return;
    WINDOW_RECORD* record = Find_Or_Report(window, "Keep_Font_With_Window");
    if (record == nullptr || record->Destroying) {
        Delete_Font(font);
        return;
    }
    record->Owned_Fonts.push_back(font);
}

void Set_Window_Data(WINDOW_HANDLE window, int32_t index, intptr_t value) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Data");
    if (record != nullptr && index >= 0 && index < 4) record->Data[index] = value;
}

intptr_t Get_Window_Data(WINDOW_HANDLE window, int32_t index) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr && index >= 0 && index < 4 ? record->Data[index] : 0;
}

void Get_Window_Rect(WINDOW_HANDLE window, RECT_AREA* rect) {
    if (rect == nullptr) return;
    *rect = {0, 0, 0, 0};
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr) return;
    *rect = record->Rect;
    if (!Is_Top_Level(*record)) {
        if (const WINDOW_RECORD* parent = Find(record->Parent)) {
            int32_t x = 0, y = 0;
            Client_Origin(*parent, &x, &y);
            *rect = Offset_Rect(record->Rect, x, y);
        }
    }
}

void Get_Client_Rect(WINDOW_HANDLE window, RECT_AREA* rect) {
    if (rect == nullptr) return;
    const WINDOW_RECORD* record = Find(window);
    *rect = record != nullptr ? RECT_AREA{0, 0, Client_Width(*record), Client_Height(*record)}
                              : RECT_AREA{0, 0, 0, 0};
}

void Get_Window_Frame(WINDOW_HANDLE window, RECT_AREA* frame) {
    if (frame == nullptr) return;
    const WINDOW_RECORD* record = Find(window);
    *frame = record != nullptr ? Frame_Of(*record) : RECT_AREA{0, 0, 0, 0};
}

void Client_To_Screen(WINDOW_HANDLE window, int32_t* x, int32_t* y) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr || x == nullptr || y == nullptr) return;
    int32_t ox = 0, oy = 0;
    Client_Origin(*record, &ox, &oy);
    *x += ox;
    *y += oy;
}

void Screen_To_Client(WINDOW_HANDLE window, int32_t* x, int32_t* y) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr || x == nullptr || y == nullptr) return;
    int32_t ox = 0, oy = 0;
    Client_Origin(*record, &ox, &oy);
    *x -= ox;
    *y -= oy;
}

void Move_Window(WINDOW_HANDLE window, const RECT_AREA& rect) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Move_Window");
    if (record == nullptr) return;
    const RECT_AREA old = record->Rect;
    const bool resized =
        rect.Right - rect.Left != old.Right - old.Left || rect.Bottom - rect.Top != old.Bottom - old.Top;
    const bool moved = rect.Left != old.Left || rect.Top != old.Top;
    if (!resized && !moved) return;
    record->Rect = rect;
    if (!Is_Top_Level(*record)) {
        Invalidate_Window(record->Parent, &old);
        Invalidate_Window(record->Parent, &rect);
    }
    Mark_Screen_Changed();
    if (moved) {
        int32_t x = 0, y = 0;
        Client_Origin(*record, &x, &y);
        Send_Window_Message(window, MSG_MOVE, 0, Pack_Point(x, y));
        record = Find(window);
        if (record == nullptr) return;
    }
    if (resized) {
        Fit_Surface(*record);
        Send_Window_Message(window, MSG_SIZE, static_cast<uintptr_t>(Client_Width(*record)),
                            Client_Height(*record));
    }
}

void Set_Window_Show_State(WINDOW_HANDLE window, int32_t state) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Show_State");
    if (record == nullptr || state < SHOW_STATE_NORMAL || state > SHOW_STATE_MINIMIZED) return;
    record->Show_State = state;
    Mark_Screen_Changed();
}

int32_t Get_Window_Show_State(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Show_State : SHOW_STATE_NORMAL;
}

void Show_Window(WINDOW_HANDLE window, bool show) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Show_Window");
    if (record == nullptr || record->Destroying) return;
    if (show && Is_Top_Level(*record)) Bring_Window_To_Top(window);
    if (record->Shown == show) return;
    record->Shown = show;
    if (show) Invalidate_Window(window, nullptr);
    if (!Is_Top_Level(*record)) Invalidate_Window(record->Parent, &record->Rect);
    if (!show && (focus_window == window || Get_Top_Level_Window(focus_window) == window))
        focus_window = NO_WINDOW;
    Mark_Screen_Changed();
    Send_Window_Message(window, MSG_SHOW, show ? 1 : 0, 0);
}

bool Is_Window_Shown(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr && record->Shown;
}

bool Is_Window_Visible(WINDOW_HANDLE window) {
    for (const WINDOW_RECORD* record = Find(window); record != nullptr; record = Find(record->Parent)) {
        if (!record->Shown) return false;
        if (Is_Top_Level(*record)) return true;
    }
    return false;
}

void Bring_Window_To_Top(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr || !Is_Top_Level(*record)) return;
    Remove_From_Z_Order(window);
    top_levels.push_back(window);
    // What it owns stays above it.
    std::vector<WINDOW_HANDLE> owned;
    for (WINDOW_HANDLE top : top_levels)
        if (top != window && Is_Owned_By(top, window)) owned.push_back(top);
    for (WINDOW_HANDLE other : owned) {
        Remove_From_Z_Order(other);
        top_levels.push_back(other);
    }
    Mark_Screen_Changed();
}

bool Enable_Window(WINDOW_HANDLE window, bool enable) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Enable_Window");
    if (record == nullptr) return false;
    const bool was = record->Enabled;
    if (was == enable) return was;
    record->Enabled = enable;
    if (!enable && (focus_window == window)) focus_window = NO_WINDOW;
    if (!enable && capture_window == window) Release_Capture();
    Invalidate_Window(window, nullptr);
    Send_Window_Message(window, MSG_ENABLE, enable ? 1 : 0, 0);
    return was;
}

bool Is_Window_Enabled(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr && record->Enabled;
}

WINDOW_HANDLE Set_Focus(WINDOW_HANDLE window) {
    const WINDOW_HANDLE previous = focus_window;
    if (window != NO_WINDOW) {
        const WINDOW_RECORD* record = Find_Or_Report(window, "Set_Focus");
        if (record == nullptr || (record->Style & WINDOW_POPUP) != 0) return previous;
    }
    if (previous == window) return previous;
    focus_window = window;
    if (Is_Window(previous)) Send_Window_Message(previous, MSG_KILL_FOCUS, window, 0);
    if (Is_Window(window)) Send_Window_Message(window, MSG_SET_FOCUS, previous, 0);
    return previous;
}

WINDOW_HANDLE Get_Focus() {
    return focus_window;
}

WINDOW_HANDLE Set_Capture(WINDOW_HANDLE window) {
    const WINDOW_HANDLE previous = capture_window;
    if (Find_Or_Report(window, "Set_Capture") == nullptr) return previous;
    capture_window = window;
    if (previous != NO_WINDOW && previous != window && Is_Window(previous))
        Send_Window_Message(previous, MSG_CAPTURE_LOST, 0, 0);
    return previous;
}

void Release_Capture() {
    const WINDOW_HANDLE previous = capture_window;
    capture_window = NO_WINDOW;
    if (Is_Window(previous)) Send_Window_Message(previous, MSG_CAPTURE_LOST, 0, 0);
}

WINDOW_HANDLE Get_Capture() {
    return capture_window;
}

void Set_Primary_Window(WINDOW_HANDLE window) {
    primary_window = Is_Window(window) ? window : NO_WINDOW;
}

WINDOW_HANDLE Get_Primary_Window() {
    return primary_window;
}

namespace {
// Transparent children show the parent's picture under them, so they are
// painted again after every repaint of the parent that reaches them.
void Invalidate_Transparent_Children(const WINDOW_RECORD& record, const RECT_AREA& area) {
    for (WINDOW_HANDLE child : record.Children) {
        const WINDOW_RECORD* child_record = Find(child);
        if (child_record == nullptr || (child_record->Style & WINDOW_TRANSPARENT) == 0) continue;
        const RECT_AREA overlap = Intersect_Rects(area, child_record->Rect);
        if (Is_Rect_Empty(overlap)) continue;
        const RECT_AREA inside = Offset_Rect(overlap, -child_record->Rect.Left, -child_record->Rect.Top);
        Invalidate_Window(child, &inside);
    }
}
} // namespace

void Invalidate_Window(WINDOW_HANDLE window, const RECT_AREA* rect) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Invalidate_Window");
    if (record == nullptr || record->Destroying) return;
    const RECT_AREA client = {0, 0, Client_Width(*record), Client_Height(*record)};
    const RECT_AREA area = rect != nullptr ? Intersect_Rects(*rect, client) : client;
    if (Is_Rect_Empty(area)) return;
    Invalidate_Transparent_Children(*record, area);
    if (!record->Invalid) {
        record->Invalid_Rect = area;
        record->Invalid = true;
        return;
    }
    RECT_AREA& gathered = record->Invalid_Rect;
    gathered = {std::min(gathered.Left, area.Left), std::min(gathered.Top, area.Top),
                std::max(gathered.Right, area.Right), std::max(gathered.Bottom, area.Bottom)};
}

void Validate_Window(WINDOW_HANDLE window) {
    if (WINDOW_RECORD* record = Find(window)) record->Invalid = false;
}

bool Is_Window_Invalid(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr && record->Invalid;
}

void Update_Window(WINDOW_HANDLE window) {
    if (Find_Or_Report(window, "Update_Window") == nullptr) return;
    if (Is_Window_Invalid(window) && Is_Window_Visible(window))
        Dispatch_Window_Message({window, MSG_PAINT, 0, 0});
}

void Repaint_Window(WINDOW_HANDLE window) {
    if (!Is_Window(window)) return;
    Invalidate_Window(window, nullptr);
    Update_Window(window);
}

namespace {
WINDOW_HANDLE Find_Invalid_In(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr || !record->Shown) return NO_WINDOW;
    if (record->Invalid) return window;
    for (WINDOW_HANDLE child : record->Children)
        if (WINDOW_HANDLE found = Find_Invalid_In(child); found != NO_WINDOW) return found;
    return NO_WINDOW;
}
} // namespace

WINDOW_HANDLE Find_Window_Needing_Paint() {
    for (WINDOW_HANDLE top : top_levels)
        if (WINDOW_HANDLE found = Find_Invalid_In(top); found != NO_WINDOW) return found;
    return NO_WINDOW;
}

DEVICE_CONTEXT* Begin_Paint(WINDOW_HANDLE window, PAINT_INFO* paint) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Begin_Paint");
    if (record == nullptr) return nullptr;
    const RECT_AREA area = record->Invalid ? record->Invalid_Rect
                                           : RECT_AREA{0, 0, Client_Width(*record), Client_Height(*record)};
    record->Invalid = false;
    if (paint != nullptr) paint->Rect = area;
    Attach_Device_Context(&record->Paint_DC, &record->Surface);
    record->Paint_DC.State.Clip =
        Intersect_Rects(area, {0, 0, record->Surface.Width, record->Surface.Height});
    const WINDOW_RECORD* parent = Find(record->Parent);
    if ((record->Style & WINDOW_TRANSPARENT) != 0 && parent != nullptr) {
        Stretch_Pixels(&record->Paint_DC, -record->Rect.Left, -record->Rect.Top, parent->Surface.Width,
                       parent->Surface.Height, Surface_Pixel_Source(&parent->Surface), 0, 0,
                       parent->Surface.Width, parent->Surface.Height, RASTER_SOURCE_COPY);
    } else if (Send_Window_Message(window, MSG_ERASE_BACKGROUND,
                                   reinterpret_cast<uintptr_t>(&record->Paint_DC), 0) == 0) {
        record = Find(window);
        if (record == nullptr) return nullptr;
        if (record->Background != NO_BACKGROUND)
            Fill_Surface_Area(&record->Paint_DC, area, record->Background);
    }
    record = Find(window);
    if (record == nullptr) return nullptr;
    return &record->Paint_DC;
}

void End_Paint(WINDOW_HANDLE window, PAINT_INFO* paint) {
    WINDOW_RECORD* record = Find(window);
    if (record == nullptr) return;
    record->Paint_DC.Saved.clear();
    Mark_Client_Area_Changed(*record, paint != nullptr ? &paint->Rect : nullptr);
}

DEVICE_CONTEXT* Get_Window_DC(WINDOW_HANDLE window) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Get_Window_DC");
    if (record == nullptr || record->Destroying) return nullptr;
    auto dc = std::make_unique<DEVICE_CONTEXT>();
    Attach_Device_Context(dc.get(), &record->Surface);
    record->Taken_DCs.push_back(std::move(dc));
    return record->Taken_DCs.back().get();
}

int Release_Window_DC(WINDOW_HANDLE window, DEVICE_CONTEXT* dc) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Release_Window_DC");
    if (record == nullptr) return 0;
    for (auto it = record->Taken_DCs.begin(); it != record->Taken_DCs.end(); ++it) {
        if (it->get() == dc) {
            record->Taken_DCs.erase(it);
            Mark_Client_Area_Changed(*record, nullptr);
            return 1;
        }
    }
    Report_Platform_Error("Release_Window_DC(%u): the device context is not out (count %d)", window,
                          static_cast<int>(record->Taken_DCs.size()));
    return 0;
}

int32_t Count_Window_DCs(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? static_cast<int32_t>(record->Taken_DCs.size()) : 0;
}

const DRAWING_SURFACE* Get_Window_Surface(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? &record->Surface : nullptr;
}

void Set_Window_Menu(WINDOW_HANDLE window, MENU_HANDLE menu) {
    WINDOW_RECORD* record = Find_Or_Report(window, "Set_Window_Menu");
    if (record == nullptr || !Is_Top_Level(*record)) return;
    const bool had = record->Menu != NO_MENU;
    record->Menu = menu;
    if (had != (menu != NO_MENU)) {
        Fit_Surface(*record);
        Send_Window_Message(window, MSG_SIZE, static_cast<uintptr_t>(Client_Width(*record)),
                            Client_Height(*record));
    }
    Mark_Screen_Changed();
}

MENU_HANDLE Get_Window_Menu(WINDOW_HANDLE window) {
    const WINDOW_RECORD* record = Find(window);
    return record != nullptr ? record->Menu : NO_MENU;
}

bool Get_Menu_Bar_Rect(WINDOW_HANDLE window, RECT_AREA* rect) {
    const WINDOW_RECORD* record = Find(window);
    if (record == nullptr || record->Menu == NO_MENU || !Is_Top_Level(*record) || rect == nullptr)
        return false;
    RECT_AREA frame = Frame_Of(*record);
    const int32_t width = record->Rect.Right - record->Rect.Left;
    *rect = {frame.Left, frame.Top - MENU_BAR_HEIGHT, width - frame.Right, frame.Top};
    return true;
}

WINDOW_HANDLE Window_From_Point(int32_t x, int32_t y) {
    for (auto it = top_levels.rbegin(); it != top_levels.rend(); ++it) {
        const WINDOW_RECORD* record = Find(*it);
        if (record == nullptr || !record->Shown || !Is_Point_In_Rect(record->Rect, x, y)) continue;
        return Deepest_Child_At(*it, x, y);
    }
    return NO_WINDOW;
}

void Render_Window(WINDOW_HANDLE window, DRAWING_SURFACE* picture) {
    const WINDOW_RECORD* record = Find_Or_Report(window, "Render_Window");
    if (record == nullptr || picture == nullptr) return;
    const int32_t width = record->Rect.Right - record->Rect.Left;
    const int32_t height = record->Rect.Bottom - record->Rect.Top;
    if (!Resize_Drawing_Surface(picture, width, height)) return;
    Compose(picture, *record, 0, 0, {0, 0, width, height});
}

void Render_Screen(DRAWING_SURFACE* picture, int32_t width, int32_t height) {
    Render_Screen_Area(picture, {0, 0, width, height});
}

void Render_Screen_Area(DRAWING_SURFACE* picture, const RECT_AREA& area) {
    const int32_t width = area.Right - area.Left, height = area.Bottom - area.Top;
    if (picture == nullptr || !Resize_Drawing_Surface(picture, width, height)) return;
    for (WINDOW_HANDLE top : top_levels) {
        const WINDOW_RECORD* record = Find(top);
        if (record == nullptr || !record->Shown) continue;
        Compose(picture, *record, record->Rect.Left - area.Left, record->Rect.Top - area.Top,
                {0, 0, width, height});
    }
}

bool Take_Screen_Changes(SCREEN_CHANGES* changes) {
    const bool changed = screen_changed_all || !screen_changed_areas.empty();
    if (changes != nullptr) {
        changes->All = screen_changed_all;
        changes->Areas.clear();
        if (!screen_changed_all) changes->Areas.swap(screen_changed_areas);
    }
    screen_changed_all = false;
    screen_changed_areas.clear();
    return changed;
}

bool Take_Screen_Changed() {
    return Take_Screen_Changes(nullptr);
}

void Mark_Screen_Changed() {
    screen_changed_all = true;
    screen_changed_areas.clear();
}

namespace {
bool Rects_Meet(const RECT_AREA& a, const RECT_AREA& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

RECT_AREA Bounding_Rect(const RECT_AREA& a, const RECT_AREA& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}
} // namespace

void Mark_Screen_Area_Changed(const RECT_AREA& area) {
    if (screen_changed_all || Is_Rect_Empty(area)) return;
    // Joining may make a rectangle meet others it did not meet before.
    RECT_AREA joined = area;
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = screen_changed_areas.begin(); it != screen_changed_areas.end(); ++it) {
            if (!Rects_Meet(*it, joined)) continue;
            joined = Bounding_Rect(*it, joined);
            screen_changed_areas.erase(it);
            merged = true;
            break;
        }
    }
    screen_changed_areas.push_back(joined);
    if (screen_changed_areas.size() > static_cast<size_t>(SCREEN_CHANGE_AREA_LIMIT)) {
        RECT_AREA all = screen_changed_areas.front();
        for (const RECT_AREA& other : screen_changed_areas)
            all = Bounding_Rect(all, other);
        screen_changed_areas.assign(1, all);
    }
}
