#pragma once
// What the control implementations share: a table of per-window states made
// at MSG_CREATE and freed at MSG_DESTROY, text in the control's own font,
// the colour query to the parent, notifications and owner drawing, and the
// items of lists and combos.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/drawing_objects.h"
#include "platform/text_render.h"

void Note_Control_State_Made();
void Note_Control_State_Freed();

// The states of one control class, one per window.
template <typename STATE> class CONTROL_STATE_TABLE {
  public:
    STATE* Make(WINDOW_HANDLE window) {
        std::unique_ptr<STATE>& slot = states_[window];
        if (!slot) {
            slot = std::make_unique<STATE>();
            Note_Control_State_Made();
        }
        return slot.get();
    }
    STATE* Find(WINDOW_HANDLE window) {
        auto found = states_.find(window);
        return found == states_.end() ? nullptr : found->second.get();
    }
    void Free(WINDOW_HANDLE window) {
        if (states_.erase(window) != 0) Note_Control_State_Freed();
    }

  private:
    std::map<WINDOW_HANDLE, std::unique_ptr<STATE>> states_;
};

// Text in the control's font (the layer's default when it has none).
void Select_Control_Font(DEVICE_CONTEXT* dc, WINDOW_HANDLE control);
int32_t Get_Control_Line_Height(WINDOW_HANDLE control);
int32_t Measure_Control_Text(WINDOW_HANDLE control, const std::string& text);
// Draws with the context's font in `colour` on a transparent background.
void Draw_Coloured_Text(DEVICE_CONTEXT* dc, const std::string& text, const RECT_AREA& rect, uint32_t flags,
                        COLOUR_VALUE colour);
// One line whose tabs advance to `stops` (pixels from x, ascending), then
// every `default_stop` pixels after the last one.
void Draw_Tabbed_Line(DEVICE_CONTEXT* dc, int32_t x, int32_t y, const std::string& text,
                      const std::vector<int32_t>& stops, int32_t default_stop, COLOUR_VALUE colour);
int32_t Measure_Tabbed_Line(const DEVICE_CONTEXT* dc, const std::string& text,
                            const std::vector<int32_t>& stops, int32_t default_stop);

// Where each kind lays out its own text (Get_Control_Text_Layout, controls.h).
bool Get_Button_Text_Layout(WINDOW_HANDLE window, RECT_AREA* area, uint32_t* flags);
bool Get_Static_Text_Layout(WINDOW_HANDLE window, RECT_AREA* area, uint32_t* flags);
bool Get_Combo_Face_Text_Layout(WINDOW_HANDLE combo, RECT_AREA* area, uint32_t* flags);

// Presets the context with the control's own colours (text colour, opaque
// background of `background`), then asks the parent with `message`. Returns
// the brush to fill the background with: the parent's, or nullptr for
// `background` itself.
const DRAWING_BRUSH* Ask_Parent_For_Colours(WINDOW_HANDLE control, uint32_t message, DEVICE_CONTEXT* dc,
                                            COLOUR_VALUE text, COLOUR_VALUE background);
// Fills `area` with the brush, or with `background` without one.
void Fill_Control_Background(DEVICE_CONTEXT* dc, const RECT_AREA& area, const DRAWING_BRUSH* brush,
                             COLOUR_VALUE background);

// MSG_COMMAND to the parent with the control's id and `code`.
void Notify_Parent(WINDOW_HANDLE control, uint32_t code);
// MSG_NOTIFY to the parent; From and From_Id are filled in.
intptr_t Send_Notify(WINDOW_HANDLE control, NOTIFY_INFO* info);
NOTIFY_INFO Make_Notify(uint32_t code);
// The parent draws an item of an owner-drawn control.
void Ask_Parent_To_Draw_Item(WINDOW_HANDLE control, CONTROL_KIND kind, DEVICE_CONTEXT* dc, int32_t item,
                             intptr_t data, uint32_t state, const RECT_AREA& rect);
// The parent's item height of an owner-drawn control; `fallback` when it
// gives none.
int32_t Ask_Parent_Item_Height(WINDOW_HANDLE control, CONTROL_KIND kind, int32_t fallback);

// The items of a list box or a combo box.
struct LIST_ITEM {
    std::string Text;
    intptr_t Data = 0;
    bool Selected = false;
};
constexpr int32_t LIST_ERROR = -1;
// Inserts at `index` (-1: the end; with `sorted` the place in case-blind
// order, after equal texts); returns the index, LIST_ERROR when out of range.
int32_t Insert_List_Item(std::vector<LIST_ITEM>* items, int32_t index, const char* text, bool sorted);
// The first item after `start` (-1: from the top, wrapping round) whose text
// begins with `text` (or equals it with `exact`), ignoring case; LIST_ERROR
// when none.
int32_t Find_List_Item(const std::vector<LIST_ITEM>& items, int32_t start, const char* text, bool exact);
bool Is_List_Index(const std::vector<LIST_ITEM>& items, int32_t index);
