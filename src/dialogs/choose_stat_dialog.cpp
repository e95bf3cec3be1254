#include "dialogs/choose_stat_dialog.h"

#include <algorithm>
#include <string>

#include "app/app_fonts.h"
#include "app/dialog_services.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/stat_headings.h"
#include "platform/controls.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "views/leader_values.h"

namespace {
constexpr int32_t BUTTON_WIDTH = 92;
constexpr int32_t BUTTON_HEIGHT = 13;
constexpr int32_t COLUMN_STEP = BUTTON_WIDTH + 4;
constexpr int32_t ROW_STEP = BUTTON_HEIGHT + 2;
constexpr int32_t MARGIN = 8;
constexpr int32_t CANCEL_WIDTH = 50;

template <int32_t N> struct CHOICE_CONTROLS { DIALOG_CONTROL Rows[N + 1]; };

constexpr int32_t Rows_Of(int32_t count, int32_t columns) {
    return (count + columns - 1) / columns;
}
constexpr int32_t Width_Of(int32_t columns) {
    return 2 * MARGIN + columns * COLUMN_STEP - 4;
}
constexpr int32_t Height_Of(int32_t count, int32_t columns) {
    return 2 * MARGIN + Rows_Of(count, columns) * ROW_STEP + 6 + BUTTON_HEIGHT + 2;
}

// N choice buttons in columns (the first column filled top to bottom, then
// the next), and Cancel at the bottom right. Their texts are the headings,
// set when the dialog opens.
template <int32_t N, int32_t COLUMNS> constexpr CHOICE_CONTROLS<N> Make_Choice_Controls() {
    CHOICE_CONTROLS<N> controls{};
    const int32_t rows = Rows_Of(N, COLUMNS);
    for (int32_t n = 0; n < N; ++n)
        controls.Rows[n] = {
            CONTROL_PUSH_BUTTON,
            FIRST_STAT_BUTTON + n,
            {MARGIN + (n / rows) * COLUMN_STEP, MARGIN + (n % rows) * ROW_STEP, BUTTON_WIDTH, BUTTON_HEIGHT},
            "",
            WINDOW_TAB_STOP};
    controls.Rows[N] = {CONTROL_PUSH_BUTTON,
                        ID_CANCEL,
                        {Width_Of(COLUMNS) - MARGIN - CANCEL_WIDTH,
                         Height_Of(N, COLUMNS) - MARGIN - BUTTON_HEIGHT, CANCEL_WIDTH, BUTTON_HEIGHT},
                        "Cancel",
                        WINDOW_TAB_STOP};
    return controls;
}

template <int32_t N>
constexpr DIALOG_TEMPLATE Choice_Template(int32_t id, const char* caption, const CHOICE_CONTROLS<N>& controls,
                                          int32_t columns) {
    return {id,
            caption,
            Width_Of(columns),
            Height_Of(N, columns),
            "MS Sans Serif",
            8,
            WINDOW_CAPTION | WINDOW_BORDER,
            controls.Rows,
            N + 1,
            0};
}

constexpr int32_t STANDINGS_COLUMNS = 4;
constexpr int32_t LEADER_COLUMNS = 3;
constexpr int32_t FINANCE_COLUMNS = 5;
constexpr int32_t CALENDAR_COLUMNS = 2;
constexpr auto STANDINGS_CONTROLS = Make_Choice_Controls<STANDINGS_STAT_HEADINGS, STANDINGS_COLUMNS>();
constexpr auto LEADER_CONTROLS = Make_Choice_Controls<NUMBER_OF_LEADER_CATEGORIES, LEADER_COLUMNS>();
constexpr auto FINANCE_CONTROLS = Make_Choice_Controls<FINANCE_STAT_HEADINGS, FINANCE_COLUMNS>();
constexpr auto CALENDAR_CONTROLS = Make_Choice_Controls<CALENDAR_STAT_HEADINGS, CALENDAR_COLUMNS>();

// What each of the four dialogs offers and fills.
struct CHOICE_VIEW {
    int32_t Dialog;
    int32_t Headings;
    void (*Heading)(int32_t index, char* out, int32_t size);
    int32_t First_Entry;
    int32_t Last_Entry;
    int32_t Columns;
};
constexpr CHOICE_VIEW CHOICE_VIEWS[] = {
    {CHOOSE_STANDINGS_STAT_DIALOG, STANDINGS_STAT_HEADINGS, Get_Standings_Stat_Heading, 100, 104,
     STANDINGS_COLUMNS},
    {CHOOSE_LEADER_STAT_DIALOG, NUMBER_OF_LEADER_CATEGORIES, Get_Leader_Stat_Heading, 113, 116,
     LEADER_COLUMNS},
    {CHOOSE_FINANCE_STAT_DIALOG, FINANCE_STAT_HEADINGS, Get_Finance_Stat_Heading, 105, 112, FINANCE_COLUMNS},
    {CHOOSE_CALENDAR_STAT_DIALOG, CALENDAR_STAT_HEADINGS, Get_Calendar_Stat_Heading, 119, 123,
     CALENDAR_COLUMNS},
};

const CHOICE_VIEW* Find_Choice_View(int32_t dialog_id) {
    for (const CHOICE_VIEW& view : CHOICE_VIEWS)
        if (view.Dialog == dialog_id) return &view;
    return nullptr;
}

// The pixels the widest heading lacks on its button, in the button's font
// (0 when every heading fits).
int32_t Measure_Missing_Button_Width(WINDOW_HANDLE dialog, int32_t headings) {
    int32_t missing = 0;
    for (int32_t n = 0; n < headings; ++n) {
        const WINDOW_HANDLE button = Get_Dialog_Item(dialog, Get_Stat_Button_Id(n));
        RECT_AREA area;
        if (button == NO_WINDOW || !Get_Control_Text_Layout(button, &area, nullptr)) continue;
        DEVICE_CONTEXT dc;
        Attach_Device_Context(&dc, nullptr);
        Select_Font(&dc, Get_Window_Font(button));
        const int32_t width = Measure_Text_Width(&dc, Get_Window_Text(button).c_str(), -1);
        Select_Font(&dc, nullptr);
        missing = std::max(missing, width - (area.Right - area.Left));
    }
    return missing;
}

// The headings' font grows with the main window while the template's dialog
// units do not: every button is widened by what the widest heading lacks,
// its column moved over to make room, and the dialog and Cancel with them.
void Fit_Choice_Buttons(WINDOW_HANDLE dialog, const CHOICE_VIEW& view) {
    const int32_t missing = Measure_Missing_Button_Width(dialog, view.Headings);
    if (missing <= 0) return;
    const int32_t rows = Rows_Of(view.Headings, view.Columns);
    for (int32_t n = 0; n < view.Headings; ++n) {
        RECT_AREA rect;
        Get_Dialog_Item_Rect(dialog, Get_Stat_Button_Id(n), &rect);
        const int32_t shift = (n / rows) * missing;
        Move_Window(Get_Dialog_Item(dialog, Get_Stat_Button_Id(n)),
                    {rect.Left + shift, rect.Top, rect.Right + shift + missing, rect.Bottom});
    }
    const int32_t grown = view.Columns * missing;
    RECT_AREA cancel;
    Get_Dialog_Item_Rect(dialog, ID_CANCEL, &cancel);
    Move_Window(Get_Dialog_Item(dialog, ID_CANCEL),
                {cancel.Left + grown, cancel.Top, cancel.Right + grown, cancel.Bottom});
    RECT_AREA outer;
    Get_Window_Rect(dialog, &outer);
    Move_Window(dialog, {outer.Left, outer.Top, outer.Right + grown, outer.Bottom});
}

void Init_Choose_Stat(WINDOW_HANDLE dialog) {
    Set_Dialog_Control_Fonts(dialog);
    const CHOICE_VIEW* view = Find_Choice_View(Get_Dialog_Template_Id(dialog));
    if (view != nullptr)
        for (int32_t n = 0; n < view->Headings; ++n) {
            char heading[64] = "";
            view->Heading(n, heading, sizeof heading);
            Set_Dialog_Item_Text(dialog, Get_Stat_Button_Id(n), Get_One_Line_Heading(heading).c_str());
        }
    if (view != nullptr && view->Dialog == CHOOSE_FINANCE_STAT_DIALOG && Get_Universe_Stat(SALARY_CAP) == 0)
        Set_Dialog_Item_Text(dialog, SALARY_BUDGET_BUTTON, "Salary Budget");
    Set_Stat_Button_Fonts(dialog);
    Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT, {ID_CANCEL});
    if (view != nullptr) Fit_Choice_Buttons(dialog, *view);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
}

void Choose(WINDOW_HANDLE dialog, int32_t n) {
    int32_t first = 0, last = 0;
    const CHOICE_VIEW* view = Find_Choice_View(Get_Dialog_Template_Id(dialog));
    const int32_t entry = Get_User_Preference(CHOSEN_STAT_ENTRY);
    if (view == nullptr || n >= view->Headings || !Get_Choose_Stat_Entries(view->Dialog, &first, &last) ||
        entry < first || entry > last) {
        // An entry outside the view's columns is never written.
        End_Dialog(dialog, 0);
        return;
    }
    Set_User_Preference(entry, n);
    End_Dialog(dialog, 1);
}
} // namespace

const DIALOG_TEMPLATE CHOOSE_STANDINGS_STAT_TEMPLATE =
    Choice_Template(CHOOSE_STANDINGS_STAT_DIALOG, "Choose Stat", STANDINGS_CONTROLS, STANDINGS_COLUMNS);
const DIALOG_TEMPLATE CHOOSE_LEADER_STAT_TEMPLATE =
    Choice_Template(CHOOSE_LEADER_STAT_DIALOG, "Leader Heading", LEADER_CONTROLS, LEADER_COLUMNS);
const DIALOG_TEMPLATE CHOOSE_FINANCE_STAT_TEMPLATE =
    Choice_Template(CHOOSE_FINANCE_STAT_DIALOG, "Choose Stat", FINANCE_CONTROLS, FINANCE_COLUMNS);
const DIALOG_TEMPLATE CHOOSE_CALENDAR_STAT_TEMPLATE =
    Choice_Template(CHOOSE_CALENDAR_STAT_DIALOG, "", CALENDAR_CONTROLS, CALENDAR_COLUMNS);

int32_t Get_Stat_Button_Id(int32_t n) {
    return n >= 0 && n < STAT_BUTTON_COUNT ? FIRST_STAT_BUTTON + n : 0;
}

void Set_Stat_Button_Fonts(WINDOW_HANDLE dialog) {
    DRAWING_FONT* font = Get_App_Font(DIALOG_SMALL_FONT);
    for (int32_t n = 0; n < STAT_BUTTON_COUNT; ++n)
        if (const WINDOW_HANDLE button = Get_Dialog_Item(dialog, Get_Stat_Button_Id(n)); button != NO_WINDOW)
            Set_Window_Font(button, font, true);
    Release_App_Font(font);
}

bool Get_Choose_Stat_Entries(int32_t dialog_id, int32_t* first, int32_t* last) {
    const CHOICE_VIEW* view = Find_Choice_View(dialog_id);
    if (view == nullptr) return false;
    if (first != nullptr) *first = view->First_Entry;
    if (last != nullptr) *last = view->Last_Entry;
    return true;
}

intptr_t Choose_Stat_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Choose_Stat(dialog);
        return 1;
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (id == ID_CANCEL) {
            End_Dialog(dialog, 0);
            return 1;
        }
        if (id >= FIRST_STAT_BUTTON && id < FIRST_STAT_BUTTON + STAT_BUTTON_COUNT) {
            Choose(dialog, id - FIRST_STAT_BUTTON);
            return 1;
        }
        return 0;
    }
    default:
        return 0;
    }
}
