#include "platform/edit_control.h"

#include <algorithm>
#include <cctype>

#include "platform/clipboard.h"
#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct EDIT_STATE {
    std::string Text;
    int32_t Caret = 0;
    int32_t Anchor = 0; // the other end of the selection
    int32_t Limit = EDIT_DEFAULT_LIMIT;
    int32_t Scroll_X = 0; // single line: pixels scrolled off to the left
    int32_t Top_Line = 0; // multi-line: the first line shown
    bool Modified = false;
    bool Read_Only = false;
    bool Selecting = false; // a drag is selecting
    bool Updating = false;  // the control is setting its own window text
    std::string Undo_Text;
    int32_t Undo_Caret = 0;
    bool Can_Undo = false;
};

// A shown line: text[Start, End), line-end characters excluded.
struct EDIT_LINE {
    int32_t Start;
    int32_t End;
};

CONTROL_STATE_TABLE<EDIT_STATE> edit_states;
constexpr int32_t MARGIN = 3;

bool Is_Multi_Line(WINDOW_HANDLE edit) {
    return (Get_Window_Style(edit) & CONTROL_MULTI_LINE) != 0;
}

RECT_AREA Text_Area(WINDOW_HANDLE edit) {
    RECT_AREA client;
    Get_Client_Rect(edit, &client);
    return {client.Left + 2 + MARGIN, client.Top + 2 + (Is_Multi_Line(edit) ? 1 : 0),
            client.Right - 2 - MARGIN, client.Bottom - 2};
}

// A context measuring in the edit's font.
DEVICE_CONTEXT Measuring_Context(WINDOW_HANDLE edit) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Control_Font(&dc, edit);
    return dc;
}

int32_t Width_Of(const DEVICE_CONTEXT& dc, const std::string& text, int32_t from, int32_t to) {
    if (to <= from) return 0;
    return Measure_Text_Width(&dc, text.c_str() + from, to - from);
}

// Lines of a multi-line edit: broken at "\n" (a "\r" before it belongs to
// the break) and, where a line is wider than `width`, after the last blank
// that fits, or inside a word too long for a line of its own.
std::vector<EDIT_LINE> Layout_Lines(WINDOW_HANDLE edit, const std::string& text, int32_t width) {
    std::vector<EDIT_LINE> lines;
    if (!Is_Multi_Line(edit)) {
        lines.push_back({0, static_cast<int32_t>(text.size())});
        return lines;
    }
    const DEVICE_CONTEXT dc = Measuring_Context(edit);
    int32_t start = 0;
    const int32_t size = static_cast<int32_t>(text.size());
    while (true) {
        int32_t end = start;
        while (end < size && text[static_cast<size_t>(end)] != '\n')
            ++end;
        int32_t paragraph_end = end;
        if (paragraph_end > start && text[static_cast<size_t>(paragraph_end - 1)] == '\r') --paragraph_end;
        int32_t line_start = start;
        while (Width_Of(dc, text, line_start, paragraph_end) > width) {
            int32_t fit = line_start + 1;
            while (fit < paragraph_end && Width_Of(dc, text, line_start, fit + 1) <= width)
                ++fit;
            int32_t cut = fit;
            for (int32_t i = fit; i > line_start; --i)
                if (text[static_cast<size_t>(i - 1)] == ' ') {
                    cut = i;
                    break;
                }
            lines.push_back({line_start, cut});
            line_start = cut;
        }
        lines.push_back({line_start, paragraph_end});
        if (end >= size) break;
        start = end + 1;
    }
    return lines;
}

int32_t Line_Of(const std::vector<EDIT_LINE>& lines, int32_t index) {
    for (size_t i = lines.size(); i-- > 0;)
        if (index >= lines[i].Start) return static_cast<int32_t>(i);
    return 0;
}

// The index whose caret position lies nearest to x along the line.
int32_t Index_At_X(const DEVICE_CONTEXT& dc, const std::string& text, const EDIT_LINE& line, int32_t x) {
    int32_t best = line.Start, best_distance = INT32_MAX;
    for (int32_t i = line.Start; i <= line.End; ++i) {
        const int32_t distance = std::abs(Width_Of(dc, text, line.Start, i) - x);
        if (distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return best;
}

int32_t Visible_Lines(WINDOW_HANDLE edit) {
    const RECT_AREA area = Text_Area(edit);
    return std::max(1, (area.Bottom - area.Top) / Get_Control_Line_Height(edit));
}

// Where the line starts on the screen, for single lines with their
// alignment and scroll.
int32_t Line_Origin_X(WINDOW_HANDLE edit, const EDIT_STATE& state, const DEVICE_CONTEXT& dc,
                      const EDIT_LINE& line) {
    const RECT_AREA area = Text_Area(edit);
    if (Is_Multi_Line(edit)) return area.Left;
    const int32_t width = Width_Of(dc, state.Text, line.Start, line.End);
    const uint32_t style = Get_Window_Style(edit);
    if (width < area.Right - area.Left) {
        if ((style & CONTROL_RIGHT_TEXT) != 0) return area.Right - width;
        if ((style & CONTROL_CENTRE_TEXT) != 0) return area.Left + (area.Right - area.Left - width) / 2;
    }
    return area.Left - state.Scroll_X;
}

// Scrolls so that the caret can be seen.
void Show_Caret(WINDOW_HANDLE edit, EDIT_STATE* state) {
    const RECT_AREA area = Text_Area(edit);
    if (Is_Multi_Line(edit)) {
        const std::vector<EDIT_LINE> lines = Layout_Lines(edit, state->Text, area.Right - area.Left);
        const int32_t line = Line_Of(lines, state->Caret), shown = Visible_Lines(edit);
        if (line < state->Top_Line) state->Top_Line = line;
        if (line >= state->Top_Line + shown) state->Top_Line = line - shown + 1;
        return;
    }
    const DEVICE_CONTEXT dc = Measuring_Context(edit);
    const int32_t width = area.Right - area.Left;
    const int32_t caret_x = Width_Of(dc, state->Text, 0, state->Caret);
    if (caret_x - state->Scroll_X > width - 1) state->Scroll_X = caret_x - width + width / 3;
    if (caret_x < state->Scroll_X) state->Scroll_X = std::max(0, caret_x - width / 3);
    const int32_t total = Width_Of(dc, state->Text, 0, static_cast<int32_t>(state->Text.size()));
    state->Scroll_X = std::clamp(state->Scroll_X, 0, std::max(0, total - width + 1));
}

void Sync_Window_Text(WINDOW_HANDLE edit, EDIT_STATE* state) {
    state->Updating = true;
    Set_Window_Text(edit, state->Text.c_str());
    state->Updating = false;
}

bool Has_Selection(const EDIT_STATE& state) {
    return state.Caret != state.Anchor;
}

int32_t Selection_Start(const EDIT_STATE& state) {
    return std::min(state.Caret, state.Anchor);
}

int32_t Selection_End(const EDIT_STATE& state) {
    return std::max(state.Caret, state.Anchor);
}

// Replaces the selection with `text` as far as the limit allows; false
// when nothing could change.
bool Replace_Selection(WINDOW_HANDLE edit, EDIT_STATE* state, std::string text, bool by_user) {
    const int32_t start = Selection_Start(*state), end = Selection_End(*state);
    const int32_t room = state->Limit - (static_cast<int32_t>(state->Text.size()) - (end - start));
    if (room < static_cast<int32_t>(text.size())) {
        text.resize(static_cast<size_t>(std::max(0, room)));
        if (by_user) Notify_Parent(edit, NOTIFY_EDIT_MAX_TEXT);
    }
    if (text.empty() && start == end) return false;
    state->Undo_Text = state->Text;
    state->Undo_Caret = state->Caret;
    state->Can_Undo = true;
    state->Text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), text);
    state->Caret = state->Anchor = start + static_cast<int32_t>(text.size());
    if (by_user) state->Modified = true;
    Show_Caret(edit, state);
    Sync_Window_Text(edit, state);
    Invalidate_Window(edit, nullptr);
    if (Is_Window(edit)) Notify_Parent(edit, NOTIFY_EDIT_CHANGE);
    return true;
}

void Move_Caret(WINDOW_HANDLE edit, EDIT_STATE* state, int32_t to, bool extend) {
    state->Caret = std::clamp(to, 0, static_cast<int32_t>(state->Text.size()));
    if (!extend) state->Anchor = state->Caret;
    Show_Caret(edit, state);
    Invalidate_Window(edit, nullptr);
}

bool Is_Word_Character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || static_cast<unsigned char>(c) >= 0xC0 ||
           c == '_';
}

int32_t Word_Step(const std::string& text, int32_t from, int32_t direction) {
    const int32_t size = static_cast<int32_t>(text.size());
    int32_t i = from;
    if (direction < 0) {
        while (i > 0 && !Is_Word_Character(text[static_cast<size_t>(i - 1)]))
            --i;
        while (i > 0 && Is_Word_Character(text[static_cast<size_t>(i - 1)]))
            --i;
    } else {
        while (i < size && Is_Word_Character(text[static_cast<size_t>(i)]))
            ++i;
        while (i < size && !Is_Word_Character(text[static_cast<size_t>(i)]))
            ++i;
    }
    return i;
}

// Steps back or on over a line break, "\r\n" being one.
int32_t Character_Step(const std::string& text, int32_t from, int32_t direction) {
    const int32_t size = static_cast<int32_t>(text.size());
    if (direction < 0) {
        if (from >= 2 && text[static_cast<size_t>(from - 1)] == '\n' &&
            text[static_cast<size_t>(from - 2)] == '\r')
            return from - 2;
        return std::max(0, from - 1);
    }
    if (from + 1 < size && text[static_cast<size_t>(from)] == '\r' &&
        text[static_cast<size_t>(from + 1)] == '\n')
        return from + 2;
    return std::min(size, from + 1);
}

void Copy_Selection(const EDIT_STATE& state) {
    if (Has_Selection(state))
        Set_Clipboard_Text(
            state.Text.substr(static_cast<size_t>(Selection_Start(state)),
                              static_cast<size_t>(Selection_End(state) - Selection_Start(state))));
}

void Paste(WINDOW_HANDLE edit, EDIT_STATE* state) {
    std::string text;
    if (state->Read_Only || !Get_Clipboard_Text(&text)) return;
    std::string kept;
    for (char c : text) {
        if ((Get_Window_Style(edit) & CONTROL_NUMBER) != 0 && !std::isdigit(static_cast<unsigned char>(c)))
            continue;
        if (!Is_Multi_Line(edit) && (c == '\r' || c == '\n')) continue;
        kept += c;
    }
    Replace_Selection(edit, state, kept, true);
}

void Undo(WINDOW_HANDLE edit, EDIT_STATE* state) {
    if (!state->Can_Undo) return;
    std::swap(state->Text, state->Undo_Text);
    state->Caret = state->Anchor = std::min(state->Undo_Caret, static_cast<int32_t>(state->Text.size()));
    Show_Caret(edit, state);
    Sync_Window_Text(edit, state);
    Invalidate_Window(edit, nullptr);
    Notify_Parent(edit, NOTIFY_EDIT_CHANGE);
}

void Handle_Key(WINDOW_HANDLE edit, EDIT_STATE* state, uint32_t key, uint32_t modifiers) {
    const bool shift = (modifiers & KEY_MODIFIER_SHIFT) != 0,
               control = (modifiers & KEY_MODIFIER_CONTROL) != 0;
    const RECT_AREA area = Text_Area(edit);
    const std::vector<EDIT_LINE> lines = Layout_Lines(edit, state->Text, area.Right - area.Left);
    const int32_t line = Line_Of(lines, state->Caret);
    const DEVICE_CONTEXT dc = Measuring_Context(edit);
    auto vertical = [&](int32_t step) {
        const int32_t target = std::clamp(line + step, 0, static_cast<int32_t>(lines.size()) - 1);
        const int32_t x = Width_Of(dc, state->Text, lines[static_cast<size_t>(line)].Start, state->Caret);
        Move_Caret(edit, state, Index_At_X(dc, state->Text, lines[static_cast<size_t>(target)], x), shift);
    };
    if (control) {
        switch (key) {
        case 'A':
            state->Anchor = 0;
            Move_Caret(edit, state, static_cast<int32_t>(state->Text.size()), true);
            return;
        case 'C':
        case KEY_INSERT:
            Copy_Selection(*state);
            return;
        case 'X':
            if (!state->Read_Only && Has_Selection(*state)) {
                Copy_Selection(*state);
                Replace_Selection(edit, state, "", true);
            }
            return;
        case 'V':
            Paste(edit, state);
            return;
        case 'Z':
            if (!state->Read_Only) Undo(edit, state);
            return;
        case KEY_LEFT:
            Move_Caret(edit, state, Word_Step(state->Text, state->Caret, -1), shift);
            return;
        case KEY_RIGHT:
            Move_Caret(edit, state, Word_Step(state->Text, state->Caret, 1), shift);
            return;
        case KEY_HOME:
            Move_Caret(edit, state, 0, shift);
            return;
        case KEY_END:
            Move_Caret(edit, state, static_cast<int32_t>(state->Text.size()), shift);
            return;
        default:
            return;
        }
    }
    switch (key) {
    case KEY_LEFT:
        if (Has_Selection(*state) && !shift)
            Move_Caret(edit, state, Selection_Start(*state), false);
        else
            Move_Caret(edit, state, Character_Step(state->Text, state->Caret, -1), shift);
        break;
    case KEY_RIGHT:
        if (Has_Selection(*state) && !shift)
            Move_Caret(edit, state, Selection_End(*state), false);
        else
            Move_Caret(edit, state, Character_Step(state->Text, state->Caret, 1), shift);
        break;
    case KEY_HOME:
        Move_Caret(edit, state, lines[static_cast<size_t>(line)].Start, shift);
        break;
    case KEY_END:
        Move_Caret(edit, state, lines[static_cast<size_t>(line)].End, shift);
        break;
    case KEY_UP:
        if (Is_Multi_Line(edit)) vertical(-1);
        break;
    case KEY_DOWN:
        if (Is_Multi_Line(edit)) vertical(1);
        break;
    case KEY_PAGE_UP:
        if (Is_Multi_Line(edit)) vertical(-Visible_Lines(edit));
        break;
    case KEY_PAGE_DOWN:
        if (Is_Multi_Line(edit)) vertical(Visible_Lines(edit));
        break;
    case KEY_BACKSPACE:
        if (state->Read_Only) break;
        if (!Has_Selection(*state)) state->Anchor = Character_Step(state->Text, state->Caret, -1);
        Replace_Selection(edit, state, "", true);
        break;
    case KEY_DELETE:
        if (state->Read_Only) break;
        if (shift && Has_Selection(*state)) Copy_Selection(*state);
        if (!Has_Selection(*state)) state->Anchor = Character_Step(state->Text, state->Caret, 1);
        Replace_Selection(edit, state, "", true);
        break;
    case KEY_INSERT:
        if (shift) Paste(edit, state);
        break;
    case KEY_ENTER:
        if (!state->Read_Only && Is_Multi_Line(edit) && (Get_Window_Style(edit) & CONTROL_WANT_RETURN) != 0)
            Replace_Selection(edit, state, "\r\n", true);
        break;
    default:
        break;
    }
}

void Handle_Character(WINDOW_HANDLE edit, EDIT_STATE* state, uint32_t character) {
    if (state->Read_Only || character < 32 || character == 127 || character > 255) return;
    if ((Get_Window_Style(edit) & CONTROL_NUMBER) != 0 && !std::isdigit(static_cast<int>(character))) return;
    Replace_Selection(edit, state, std::string(1, static_cast<char>(character)), true);
}

int32_t Index_At_Point(WINDOW_HANDLE edit, const EDIT_STATE& state, int32_t x, int32_t y) {
    const RECT_AREA area = Text_Area(edit);
    const std::vector<EDIT_LINE> lines = Layout_Lines(edit, state.Text, area.Right - area.Left);
    const int32_t height = Get_Control_Line_Height(edit);
    int32_t line = 0;
    if (Is_Multi_Line(edit))
        line = std::clamp(state.Top_Line + (y - area.Top) / height - (y < area.Top ? 1 : 0), 0,
                          static_cast<int32_t>(lines.size()) - 1);
    const DEVICE_CONTEXT dc = Measuring_Context(edit);
    const EDIT_LINE& chosen = lines[static_cast<size_t>(line)];
    return Index_At_X(dc, state.Text, chosen, x - Line_Origin_X(edit, state, dc, chosen));
}

void Paint_Edit(WINDOW_HANDLE edit, const EDIT_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(edit, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(edit, &client);
    const bool enabled = Is_Window_Enabled(edit);
    const bool typing = enabled && !state.Read_Only;
    const DRAWING_BRUSH* brush =
        Ask_Parent_For_Colours(edit, typing ? MSG_CONTROL_COLOUR_EDIT : MSG_CONTROL_COLOUR_STATIC, dc,
                               Get_System_Colour(enabled ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT),
                               Get_System_Colour(typing ? COLOUR_WINDOW : COLOUR_FACE));
    const COLOUR_VALUE text_colour = enabled ? dc->State.Text_Colour : Get_System_Colour(COLOUR_GRAY_TEXT);
    const RECT_AREA inner = Draw_Sunken_Edge(dc, client);
    Fill_Control_Background(dc, inner, brush, dc->State.Background_Colour);
    const RECT_AREA area = Text_Area(edit);
    Save_Device_Context(dc);
    Intersect_Clip_Rect(dc, {inner.Left + 1, inner.Top, inner.Right - 1, inner.Bottom});
    Select_Control_Font(dc, edit);
    const std::vector<EDIT_LINE> lines = Layout_Lines(edit, state.Text, area.Right - area.Left);
    const int32_t height = Get_Control_Line_Height(edit);
    const bool focused = Get_Focus() == edit;
    const int32_t first = Is_Multi_Line(edit) ? state.Top_Line : 0;
    int32_t top = Is_Multi_Line(edit) ? area.Top : area.Top + (area.Bottom - area.Top - height) / 2;
    const int32_t selection_start = Selection_Start(state), selection_end = Selection_End(state);
    for (int32_t i = first; i < static_cast<int32_t>(lines.size()) && top < area.Bottom; ++i, top += height) {
        const EDIT_LINE& line = lines[static_cast<size_t>(i)];
        const int32_t origin = Line_Origin_X(edit, state, *dc, line);
        const std::string shown =
            state.Text.substr(static_cast<size_t>(line.Start), static_cast<size_t>(line.End - line.Start));
        Draw_Coloured_Text(dc, shown, {origin, top, origin + 32767, top + height},
                           TEXT_SINGLE_LINE | TEXT_NO_PREFIX | TEXT_NO_CLIP, text_colour);
        const int32_t from = std::max(selection_start, line.Start), to = std::min(selection_end, line.End);
        if (focused && from < to) {
            const int32_t left = origin + Width_Of(*dc, state.Text, line.Start, from);
            const int32_t right = origin + Width_Of(*dc, state.Text, line.Start, to);
            Fill_Surface_Area(dc, {left, top, right, top + height}, Get_System_Colour(COLOUR_HIGHLIGHT));
            Draw_Coloured_Text(
                dc, state.Text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)),
                {left, top, right + 1, top + height}, TEXT_SINGLE_LINE | TEXT_NO_PREFIX | TEXT_NO_CLIP,
                Get_System_Colour(COLOUR_HIGHLIGHT_TEXT));
        }
        if (focused && i == Line_Of(lines, state.Caret)) {
            const int32_t x = origin + Width_Of(*dc, state.Text, line.Start, state.Caret);
            Fill_Surface_Area(dc, {x, top, x + 1, top + height}, Get_System_Colour(COLOUR_WINDOW_TEXT));
        }
    }
    Restore_Device_Context(dc);
    End_Paint(edit, &paint);
}

void Take_Text(WINDOW_HANDLE edit, EDIT_STATE* state, const char* text) {
    state->Text = text != nullptr ? text : "";
    if (static_cast<int32_t>(state->Text.size()) > state->Limit && state->Limit > 0)
        state->Text.resize(static_cast<size_t>(state->Limit));
    state->Caret = state->Anchor = 0;
    state->Scroll_X = state->Top_Line = 0;
    state->Modified = state->Can_Undo = false;
    Invalidate_Window(edit, nullptr);
}

intptr_t Edit_Message(WINDOW_HANDLE edit, EDIT_STATE* state, uint32_t code, uintptr_t wparam,
                      intptr_t lparam) {
    const int32_t size = static_cast<int32_t>(state->Text.size());
    switch (code) {
    case MSG_EDIT_SET_SELECTION: {
        const int32_t start = static_cast<int32_t>(static_cast<intptr_t>(wparam));
        const int32_t end = static_cast<int32_t>(lparam);
        if (start < 0) {
            state->Anchor = state->Caret;
        } else {
            state->Anchor = std::min(start, size);
            state->Caret = end < 0 ? size : std::min(end, size);
        }
        Show_Caret(edit, state);
        Invalidate_Window(edit, nullptr);
        return 1;
    }
    case MSG_EDIT_GET_SELECTION:
        return static_cast<intptr_t>((static_cast<uint32_t>(Selection_Start(*state)) & 0xFFFFu) |
                                     ((static_cast<uint32_t>(Selection_End(*state)) & 0xFFFFu) << 16));
    case MSG_EDIT_REPLACE_SELECTION:
        Replace_Selection(
            edit, state,
            reinterpret_cast<const char*>(lparam) != nullptr ? reinterpret_cast<const char*>(lparam) : "",
            false);
        return 0;
    case MSG_EDIT_SET_LIMIT:
        state->Limit = wparam == 0 ? EDIT_DEFAULT_LIMIT : static_cast<int32_t>(wparam);
        return 0;
    case MSG_EDIT_GET_LINE_COUNT: {
        const RECT_AREA area = Text_Area(edit);
        return static_cast<intptr_t>(Layout_Lines(edit, state->Text, area.Right - area.Left).size());
    }
    case MSG_EDIT_SET_READ_ONLY:
        state->Read_Only = wparam != 0;
        Invalidate_Window(edit, nullptr);
        return 1;
    case MSG_EDIT_GET_MODIFY:
        return state->Modified ? 1 : 0;
    case MSG_EDIT_SET_MODIFY:
        state->Modified = wparam != 0;
        return 0;
    case MSG_EDIT_UNDO:
        Undo(edit, state);
        return 1;
    case MSG_EDIT_CUT:
        if (!state->Read_Only && Has_Selection(*state)) {
            Copy_Selection(*state);
            Replace_Selection(edit, state, "", false);
        }
        return 0;
    case MSG_EDIT_COPY:
        Copy_Selection(*state);
        return 0;
    case MSG_EDIT_PASTE:
        Paste(edit, state);
        return 0;
    case MSG_EDIT_GET_CARET:
        return state->Caret;
    default:
        return Default_Window_Procedure(edit, code, wparam, lparam);
    }
}

intptr_t Edit_Procedure(WINDOW_HANDLE edit, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    EDIT_STATE* state = edit_states.Find(edit);
    if (state == nullptr) {
        if (code == MSG_CREATE) {
            EDIT_STATE* made = edit_states.Make(edit);
            made->Read_Only = (Get_Window_Style(edit) & CONTROL_READ_ONLY) != 0;
            made->Text = Get_Window_Text(edit);
            return 0;
        }
        return Default_Window_Procedure(edit, code, wparam, lparam);
    }
    switch (code) {
    case MSG_DESTROY:
        edit_states.Free(edit);
        return 0;
    case MSG_PAINT:
        Paint_Edit(edit, *state);
        return 0;
    case MSG_SET_TEXT:
        if (state->Updating) return 0;
        Take_Text(edit, state, reinterpret_cast<const char*>(lparam));
        Notify_Parent(edit, NOTIFY_EDIT_CHANGE);
        return 0;
    case MSG_LBUTTON_DOWN: {
        Set_Focus(edit);
        const int32_t at = Index_At_Point(edit, *state, Point_X(lparam), Point_Y(lparam));
        Move_Caret(edit, state, at, (wparam & MOUSE_SHIFT_HELD) != 0);
        state->Selecting = true;
        Set_Capture(edit);
        return 0;
    }
    case MSG_LBUTTON_DOUBLE: {
        Set_Focus(edit);
        const int32_t at = Index_At_Point(edit, *state, Point_X(lparam), Point_Y(lparam));
        int32_t start = at, end = at;
        while (start > 0 && Is_Word_Character(state->Text[static_cast<size_t>(start - 1)]))
            --start;
        while (end < static_cast<int32_t>(state->Text.size()) &&
               Is_Word_Character(state->Text[static_cast<size_t>(end)]))
            ++end;
        state->Anchor = start;
        Move_Caret(edit, state, end, true);
        return 0;
    }
    case MSG_MOUSE_MOVE:
        if (state->Selecting)
            Move_Caret(edit, state, Index_At_Point(edit, *state, Point_X(lparam), Point_Y(lparam)), true);
        return 0;
    case MSG_LBUTTON_UP:
    case MSG_CAPTURE_LOST:
        state->Selecting = false;
        if (code == MSG_LBUTTON_UP && Get_Capture() == edit) Release_Capture();
        return 0;
    case MSG_MOUSE_WHEEL:
        if (Is_Multi_Line(edit)) {
            state->Top_Line =
                std::max(0, state->Top_Line - static_cast<int32_t>(static_cast<intptr_t>(wparam)) * 3);
            Invalidate_Window(edit, nullptr);
        }
        return 0;
    case MSG_KEY_DOWN:
        Handle_Key(edit, state, static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
        return 0;
    case MSG_CHAR:
        Handle_Character(edit, state, static_cast<uint32_t>(wparam));
        return 0;
    case MSG_GET_DIALOG_CODE: {
        intptr_t wants = DIALOG_WANTS_ARROWS;
        if (Is_Multi_Line(edit) && (Get_Window_Style(edit) & CONTROL_WANT_RETURN) != 0)
            wants |= DIALOG_WANTS_ENTER;
        return wants;
    }
    case MSG_SET_FOCUS:
        // Coming in with the keys selects everything, as a field to type over.
        if (!Is_Multi_Line(edit) && !state->Selecting) {
            state->Anchor = 0;
            state->Caret = static_cast<int32_t>(state->Text.size());
            Show_Caret(edit, state);
        }
        Invalidate_Window(edit, nullptr);
        Notify_Parent(edit, NOTIFY_EDIT_SET_FOCUS);
        return 0;
    case MSG_KILL_FOCUS:
        Invalidate_Window(edit, nullptr);
        Notify_Parent(edit, NOTIFY_EDIT_KILL_FOCUS);
        return 0;
    case MSG_ENABLE:
    case MSG_SIZE:
    case MSG_SET_FONT:
        Invalidate_Window(edit, nullptr);
        return 0;
    default:
        return Edit_Message(edit, state, code, wparam, lparam);
    }
}
} // namespace

void Register_Edit_Control() {
    Register_Window_Class(Get_Control_Class_Name(CONTROL_EDIT), Edit_Procedure,
                          Get_System_Colour(COLOUR_WINDOW));
}

void Edit_Set_Selection(WINDOW_HANDLE edit, int32_t start, int32_t end) {
    Send_Window_Message(edit, MSG_EDIT_SET_SELECTION, static_cast<uintptr_t>(static_cast<intptr_t>(start)),
                        end);
}

void Edit_Get_Selection(WINDOW_HANDLE edit, int32_t* start, int32_t* end) {
    const uint32_t packed = static_cast<uint32_t>(Send_Window_Message(edit, MSG_EDIT_GET_SELECTION, 0, 0));
    if (start != nullptr) *start = static_cast<int32_t>(packed & 0xFFFFu);
    if (end != nullptr) *end = static_cast<int32_t>(packed >> 16);
}

void Edit_Replace_Selection(WINDOW_HANDLE edit, const char* text) {
    Send_Window_Message(edit, MSG_EDIT_REPLACE_SELECTION, 0, reinterpret_cast<intptr_t>(text));
}

void Edit_Set_Limit(WINDOW_HANDLE edit, int32_t limit) {
    Send_Window_Message(edit, MSG_EDIT_SET_LIMIT, static_cast<uintptr_t>(limit), 0);
}
