#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/combo_box.h"
#include "platform/control_drawing.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/edit_control.h"
#include "platform/error_reporter.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/message_queue.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/platform_reset.h"

namespace {
std::vector<std::string> reports;

void Keep_Report(const char* text) {
    reports.push_back(text);
}

class Controls : public testing::Test {
  protected:
    void SetUp() override {
        Reset_Platform_Layer(Keep_Report);
        reports.clear();
        fonts_before = Count_Live_Fonts();
    }
    void TearDown() override {
        Destroy_All_Windows();
        EXPECT_EQ(Count_Live_Control_States(), 0) << "every control freed its state";
        EXPECT_EQ(Count_Live_Fonts(), fonts_before) << "every dialog font deleted";
        Reset_Message_Queue();
        Set_Platform_Error_Reporter(nullptr);
        Use_System_Clock();
    }
    int32_t fonts_before = 0;
};

// Where a control lies on the screen.
RECT_AREA Screen_Rect(WINDOW_HANDLE dialog, int32_t id) {
    RECT_AREA rect{};
    Get_Window_Rect(Get_Dialog_Item(dialog, id), &rect);
    return rect;
}

WINDOW_HANDLE Open_Dialog() {
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    return open.empty() ? NO_WINDOW : open.back();
}

void Click_Screen(int32_t x, int32_t y, uintptr_t keys = 0) {
    Route_Mouse_Event(MSG_MOUSE_MOVE, x, y, keys);
    Route_Mouse_Event(MSG_LBUTTON_DOWN, x, y, keys | MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_LBUTTON_UP, x, y, keys);
}

// --- A dialog with one control of every kind -------------------------------------------------

constexpr int32_t GALLERY_OK = ID_OK;
constexpr int32_t GALLERY_CHECK = 101;
constexpr int32_t GALLERY_RADIO_A = 102;
constexpr int32_t GALLERY_RADIO_B = 103;
constexpr int32_t GALLERY_EDIT = 104;
constexpr int32_t GALLERY_NOTES = 105;
constexpr int32_t GALLERY_LIST = 106;
constexpr int32_t GALLERY_COMBO = 107;
constexpr int32_t GALLERY_VIEW = 108;
constexpr int32_t GALLERY_COUNT = 109;
constexpr int32_t GALLERY_SPIN = 110;
constexpr int32_t GALLERY_PROGRESS = 111;
constexpr int32_t GALLERY_GRIP = 112;
constexpr int32_t GALLERY_LABEL = 113;
constexpr uint32_t STOP = WINDOW_TAB_STOP;

const DIALOG_CONTROL GALLERY_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {6, 4, 150, 62}, "Choices", 0},
    {CONTROL_CHECK_BOX, GALLERY_CHECK, {14, 16, 80, 12}, "&Commissioner Mode", STOP},
    {CONTROL_RADIO_BUTTON, GALLERY_RADIO_A, {14, 30, 70, 12}, "&Manual", STOP | CONTROL_GROUP},
    {CONTROL_RADIO_BUTTON, GALLERY_RADIO_B, {14, 44, 70, 12}, "&Automatic", 0},
    {CONTROL_STATIC_TEXT, GALLERY_LABEL, {164, 6, 140, 10}, "Team name:", 0},
    {CONTROL_EDIT, GALLERY_EDIT, {164, 18, 140, 13}, "Korva", STOP},
    {CONTROL_EDIT,
     GALLERY_NOTES,
     {164, 36, 140, 30},
     "Notes that run on over more than one line of the box.",
     STOP | CONTROL_MULTI_LINE | CONTROL_WANT_RETURN},
    {CONTROL_LIST_BOX, GALLERY_LIST, {6, 72, 150, 60}, "", STOP | CONTROL_TAB_STOPS},
    {CONTROL_COMBO_BOX, GALLERY_COMBO, {164, 72, 140, 70}, "", STOP},
    {CONTROL_STATIC_FRAME, UNNAMED_CONTROL, {164, 90, 140, 42}, "", 0},
    {CONTROL_EDIT, GALLERY_COUNT, {172, 98, 40, 13}, "3", STOP | CONTROL_NUMBER},
    {CONTROL_UP_DOWN, GALLERY_SPIN, {212, 98, 10, 13}, "", CONTROL_AUTO_BUDDY | CONTROL_BUDDY_INTEGER},
    {CONTROL_PROGRESS_BAR, GALLERY_PROGRESS, {172, 116, 124, 10}, "", 0},
    {CONTROL_LIST_VIEW, GALLERY_VIEW, {6, 138, 298, 70}, "", STOP},
    {CONTROL_PUSH_BUTTON, GALLERY_OK, {200, 214, 50, 14}, "&Done", STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {254, 214, 50, 14}, "Cancel", STOP},
    {CONTROL_SIZE_GRIP, GALLERY_GRIP, {302, 222, 8, 10}, "", 0},
};
const DIALOG_TEMPLATE GALLERY_TEMPLATE = {
    910,
    "Every Control",
    310,
    232,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    GALLERY_CONTROLS,
    static_cast<int32_t>(sizeof GALLERY_CONTROLS / sizeof GALLERY_CONTROLS[0]),
    ID_CANCEL};

struct PLAYER_ROW {
    const char* Name;
    const char* Position;
    int32_t Age;
    int32_t Overall;
};
const PLAYER_ROW PLAYERS[] = {{"Abbott, Lee", "QB", 27, 81},  {"Carver, Jon", "RB", 24, 74},
                              {"Dunmore, Ray", "WR", 29, 88}, {"Beck, Tom", "LB", 31, 74},
                              {"Ellery, Sam", "CB", 22, 69},  {"Faulk, Mo", "K", 35, 77}};
constexpr int32_t PLAYER_COUNT = static_cast<int32_t>(sizeof PLAYERS / sizeof PLAYERS[0]);

// Sorts by the sub-item (context: sub-item + 1, negative for the reverse
// order), names by text, numbers by value.
int32_t Compare_Players(intptr_t first, intptr_t second, intptr_t context) {
    const PLAYER_ROW& a = PLAYERS[first];
    const PLAYER_ROW& b = PLAYERS[second];
    int32_t order;
    switch (std::abs(static_cast<int32_t>(context)) - 1) {
    case 0:
        order = std::string(a.Name).compare(b.Name);
        break;
    case 2:
        order = a.Age - b.Age;
        break;
    case 3:
        order = b.Overall - a.Overall;
        break;
    default:
        order = std::string(a.Position).compare(b.Position);
        break;
    }
    return context < 0 ? -order : order;
}

struct GALLERY_LOG {
    std::vector<NOTIFY_INFO> Notes;
    std::vector<std::pair<int32_t, uint32_t>> Commands;
    int32_t Spins = 0;
    int32_t Last_Spin = 0;
    int32_t Sort = 0; // the sub-item sorted by + 1, negative when reversed
};
GALLERY_LOG gallery_log;

void Fill_Gallery(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, GALLERY_LIST);
    List_Box_Set_Tab_Stops(list, {70, 100});
    for (const PLAYER_ROW& player : PLAYERS)
        List_Box_Add_String(
            list,
            (std::string(player.Name) + "\t" + player.Position + "\t" + std::to_string(player.Age)).c_str());
    List_Box_Set_Current_Selection(list, 2);
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, GALLERY_COMBO);
    for (const char* speed : {"Very Slow", "Slow", "Normal", "Fast", "Very Fast", "Instant"})
        Combo_Box_Add_String(combo, speed);
    Combo_Box_Set_Current_Selection(combo, 2);
    const WINDOW_HANDLE view = Get_Dialog_Item(dialog, GALLERY_VIEW);
    Send_Window_Message(view, MSG_LIST_VIEW_SET_EXTENDED_STYLE, 0,
                        LIST_VIEW_FULL_ROW_SELECT | LIST_VIEW_GRID_LINES);
    List_View_Insert_Column(view, 0, "Name", 120, LIST_VIEW_ALIGN_LEFT, 0);
    List_View_Insert_Column(view, 1, "Pos", 50, LIST_VIEW_ALIGN_CENTRE, 1);
    List_View_Insert_Column(view, 2, "Age", 50, LIST_VIEW_ALIGN_CENTRE, 2);
    List_View_Insert_Column(view, 3, "Overall", 80, LIST_VIEW_ALIGN_RIGHT, 3);
    for (int32_t i = 0; i < PLAYER_COUNT; ++i) {
        const int32_t row = List_View_Insert_Item(view, i, PLAYERS[i].Name, i, 0);
        List_View_Set_Item_Text(view, row, 1, PLAYERS[i].Position);
        List_View_Set_Item_Text(view, row, 2, std::to_string(PLAYERS[i].Age).c_str());
        List_View_Set_Item_Text(view, row, 3, std::to_string(PLAYERS[i].Overall).c_str());
    }
    Send_Dialog_Item_Message(dialog, GALLERY_SPIN, MSG_UP_DOWN_SET_RANGE, 1, 50);
    Send_Dialog_Item_Message(dialog, GALLERY_SPIN, MSG_UP_DOWN_SET_POSITION, 3, 0);
    Send_Dialog_Item_Message(dialog, GALLERY_PROGRESS, MSG_PROGRESS_SET_POSITION, 60, 0);
    Check_Radio_Button(dialog, GALLERY_RADIO_A, GALLERY_RADIO_B, GALLERY_RADIO_A);
}

// Ends with a number that tells what the user left in every control.
intptr_t Gallery_Result(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE view = Get_Dialog_Item(dialog, GALLERY_VIEW);
    const int32_t selected = List_View_Get_Next_Item(view, -1, ITEM_SELECTED);
    int32_t count = 0;
    Get_Dialog_Item_Integer(dialog, GALLERY_COUNT, &count);
    return Is_Dialog_Button_Checked(dialog, GALLERY_CHECK) * 100000 +
           Is_Dialog_Button_Checked(dialog, GALLERY_RADIO_B) * 10000 +
           Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, GALLERY_COMBO)) * 1000 +
           (selected >= 0 ? static_cast<int32_t>(List_View_Get_Item_Data(view, selected)) : 9) * 100 + count;
}

intptr_t Gallery_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_INIT_DIALOG:
        Fill_Gallery(dialog);
        return 1;
    case MSG_NOTIFY: {
        const NOTIFY_INFO* info = reinterpret_cast<const NOTIFY_INFO*>(lparam);
        gallery_log.Notes.push_back(*info);
        if (info->Code == NOTIFY_COLUMN_CLICK) {
            // The same heading again reverses the order.
            const int32_t sort = info->Sub_Item + 1;
            gallery_log.Sort = gallery_log.Sort == sort ? -sort : sort;
            List_View_Sort_Items(info->From, Compare_Players, gallery_log.Sort);
        }
        return 1;
    }
    case MSG_VERTICAL_SCROLL:
        ++gallery_log.Spins;
        gallery_log.Last_Spin = static_cast<int32_t>(wparam >> 16);
        return 1;
    case MSG_COMMAND:
        gallery_log.Commands.push_back({Command_Id(wparam), Command_Notification(wparam)});
        if (Command_Id(wparam) == GALLERY_OK) {
            End_Dialog(dialog, Gallery_Result(dialog));
            return 1;
        }
        if (Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, -1);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

// The user's actions, each as the events a display would deliver.
void Type_Team_Name(void*) {
    const WINDOW_HANDLE dialog = Open_Dialog();
    const RECT_AREA edit = Screen_Rect(dialog, GALLERY_EDIT);
    Click_Screen(edit.Left + 10, (edit.Top + edit.Bottom) / 2);
    Route_Key_Event(MSG_KEY_DOWN, 'A', KEY_MODIFIER_CONTROL);
    for (char c : std::string("Ice Storm"))
        Route_Character_Event(static_cast<uint32_t>(c));
    Route_Key_Event(MSG_KEY_DOWN, KEY_BACKSPACE, 0);
}

void Choose_Fast_In_Combo(void*) {
    const WINDOW_HANDLE dialog = Open_Dialog();
    const RECT_AREA face = Screen_Rect(dialog, GALLERY_COMBO);
    Click_Screen(face.Right - 5, (face.Top + face.Bottom) / 2);
    Pump_Messages();
    const WINDOW_HANDLE drop = static_cast<WINDOW_HANDLE>(
        Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_GET_DROP_LIST, 0, 0));
    ASSERT_NE(drop, NO_WINDOW) << "the list opened";
    RECT_AREA list;
    Get_Window_Rect(drop, &list);
    const int32_t line = static_cast<int32_t>(
        Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_GET_ITEM_HEIGHT, 0, 0));
    Click_Screen(list.Left + 10, list.Top + 1 + 3 * line + line / 2); // "Fast"
}

void Sort_By_Age_And_Pick_The_Oldest(void*) {
    const WINDOW_HANDLE dialog = Open_Dialog();
    const WINDOW_HANDLE view = Get_Dialog_Item(dialog, GALLERY_VIEW);
    const WINDOW_HANDLE header =
        static_cast<WINDOW_HANDLE>(Send_Window_Message(view, MSG_LIST_VIEW_GET_HEADER, 0, 0));
    RECT_AREA heading;
    Get_Window_Rect(header, &heading);
    // "Age" is the third heading: 120 + 50 pixels in, and half of its 50.
    Click_Screen(heading.Left + 195, heading.Top + 4);
    Pump_Messages();
    // Descending ages need a second click; the oldest then leads.
    Click_Screen(heading.Left + 195, heading.Top + 4);
    Pump_Messages();
    RECT_AREA first_row{};
    Send_Window_Message(view, MSG_LIST_VIEW_GET_ITEM_RECT, 0, reinterpret_cast<intptr_t>(&first_row));
    int32_t x = first_row.Left + 30, y = (first_row.Top + first_row.Bottom) / 2;
    Client_To_Screen(view, &x, &y);
    Click_Screen(x, y);
}

void Spin_Up_Twice(void*) {
    const WINDOW_HANDLE dialog = Open_Dialog();
    const RECT_AREA spin = Screen_Rect(dialog, GALLERY_SPIN);
    Click_Screen((spin.Left + spin.Right) / 2, spin.Top + 2);
    Click_Screen((spin.Left + spin.Right) / 2, spin.Top + 2);
}
} // namespace

TEST_F(Controls, AScriptedDialogDrivenByKeysAndMouseReturnsWhatTheUserLeft) {
    gallery_log = GALLERY_LOG{};
    Set_Null_Surface_Size(1024, 768);
    Script_Action(Type_Team_Name, nullptr);
    Script_Action(Choose_Fast_In_Combo, nullptr);
    Script_Key_Press('C', KEY_MODIFIER_ALT); // the check box by its marked letter
    Script_Action(Sort_By_Age_And_Pick_The_Oldest, nullptr);
    Script_Action(Spin_Up_Twice, nullptr);
    Script_Key_Press(KEY_ENTER, 0);
    const intptr_t result = Run_Modal_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    // Checked (1), manual (0), "Fast" (3), Faulk (5, age 35) and 3 + 2.
    EXPECT_EQ(result, 100000 + 0 + 3000 + 500 + 5);
    EXPECT_EQ(gallery_log.Spins, 2);
    EXPECT_EQ(gallery_log.Last_Spin, 5);
    bool edited = false, chose = false;
    for (const auto& [id, code] : gallery_log.Commands) {
        edited |= id == GALLERY_EDIT && code == NOTIFY_EDIT_CHANGE;
        chose |= id == GALLERY_COMBO && code == NOTIFY_COMBO_SELECTION_CHANGE;
    }
    EXPECT_TRUE(edited) << "typing is reported";
    EXPECT_TRUE(chose) << "choosing in the list is reported";
    EXPECT_TRUE(reports.empty()) << (reports.empty() ? "" : reports[0]);
}

TEST_F(Controls, EditsTypeSelectCutAndPasteThroughTheClipboard) {
    gallery_log = GALLERY_LOG{};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    ASSERT_NE(dialog, NO_WINDOW);
    const WINDOW_HANDLE edit = Get_Dialog_Item(dialog, GALLERY_EDIT);
    Set_Focus(edit);
    auto key = [&](uint32_t code, uint32_t modifiers = 0) {
        Send_Window_Message(edit, MSG_KEY_DOWN, code, modifiers);
    };
    auto type = [&](const char* text) {
        for (const char* c = text; *c != 0; ++c)
            Send_Window_Message(edit, MSG_CHAR, static_cast<unsigned char>(*c), 0);
    };
    EXPECT_EQ(Get_Window_Text(edit), "Korva");
    key(KEY_END);
    type(" Bay");
    EXPECT_EQ(Get_Window_Text(edit), "Korva Bay");
    key(KEY_LEFT, KEY_MODIFIER_CONTROL | KEY_MODIFIER_SHIFT); // select "Bay"
    key('X', KEY_MODIFIER_CONTROL);
    EXPECT_EQ(Get_Window_Text(edit), "Korva ");
    key(KEY_HOME);
    key('V', KEY_MODIFIER_CONTROL);
    EXPECT_EQ(Get_Window_Text(edit), "BayKorva ");
    key('Z', KEY_MODIFIER_CONTROL);
    EXPECT_EQ(Get_Window_Text(edit), "Korva ") << "one change taken back";
    std::string clipped;
    ASSERT_TRUE(Get_Clipboard_Text(&clipped));
    EXPECT_EQ(clipped, "Bay");

    // A number field refuses letters; a limit holds typing and pasting.
    const WINDOW_HANDLE count = Get_Dialog_Item(dialog, GALLERY_COUNT);
    Edit_Set_Limit(count, 3);
    Edit_Set_Selection(count, 0, -1);
    for (char c : std::string("4x567"))
        Send_Window_Message(count, MSG_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ(Get_Window_Text(count), "456");
    int32_t value = 0;
    EXPECT_TRUE(Get_Dialog_Item_Integer(dialog, GALLERY_COUNT, &value));
    EXPECT_EQ(value, 456);

    // Multi-line: Enter breaks the line, the arrows move between lines.
    const WINDOW_HANDLE notes = Get_Dialog_Item(dialog, GALLERY_NOTES);
    Set_Window_Text(notes, "one");
    Send_Window_Message(notes, MSG_KEY_DOWN, KEY_END, 0);
    Send_Window_Message(notes, MSG_KEY_DOWN, KEY_ENTER, 0);
    Send_Window_Message(notes, MSG_CHAR, 't', 0);
    EXPECT_EQ(Get_Window_Text(notes), "one\r\nt");
    Send_Window_Message(notes, MSG_KEY_DOWN, KEY_UP, 0);
    EXPECT_LE(Send_Window_Message(notes, MSG_EDIT_GET_CARET, 0, 0), 3) << "up on the first line";
    Send_Window_Message(notes, MSG_KEY_DOWN, KEY_DOWN, 0);
    Send_Window_Message(notes, MSG_KEY_DOWN, KEY_END, 0);
    EXPECT_EQ(Send_Window_Message(notes, MSG_EDIT_GET_CARET, 0, 0), 6) << "and back at the end of the second";
    EXPECT_EQ(Send_Window_Message(notes, MSG_EDIT_GET_LINE_COUNT, 0, 0), 2);
    EXPECT_NE(Send_Window_Message(notes, MSG_GET_DIALOG_CODE, KEY_ENTER, 0) & DIALOG_WANTS_ENTER, 0)
        << "so Enter stays with the box";
    Destroy_Window(dialog);
}

TEST_F(Controls, ListViewSortsReordersColumnsAndReportsWhatHappened) {
    gallery_log = GALLERY_LOG{};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    const WINDOW_HANDLE view = Get_Dialog_Item(dialog, GALLERY_VIEW);
    const WINDOW_HANDLE header =
        static_cast<WINDOW_HANDLE>(Send_Window_Message(view, MSG_LIST_VIEW_GET_HEADER, 0, 0));
    ASSERT_NE(header, NO_WINDOW);
    Pump_Messages();
    RECT_AREA heading;
    Get_Window_Rect(header, &heading);
    auto column_names = [&]() {
        std::string names;
        for (int32_t row = 0; row < List_View_Get_Item_Count(view); ++row)
            names += std::string(1, List_View_Get_Item_Text(view, row, 0)[0]);
        return names;
    };
    EXPECT_EQ(column_names(), "ACDBEF");

    // A click on "Overall" sorts by it (best first, ties kept in order).
    Click_Screen(heading.Left + 260, heading.Top + 5);
    Pump_Messages();
    ASSERT_FALSE(gallery_log.Notes.empty());
    const NOTIFY_INFO& click = gallery_log.Notes.back();
    EXPECT_EQ(click.Code, NOTIFY_COLUMN_CLICK);
    EXPECT_EQ(click.From, view);
    EXPECT_EQ(click.From_Id, GALLERY_VIEW);
    EXPECT_EQ(click.Item, 3) << "the column";
    EXPECT_EQ(click.Sub_Item, 3);
    EXPECT_EQ(column_names(), "DAFCBE");

    // Dragging "Pos" past "Overall" puts it last; the rows keep their cells.
    gallery_log.Notes.clear();
    Route_Mouse_Event(MSG_LBUTTON_DOWN, heading.Left + 145, heading.Top + 5, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_MOUSE_MOVE, heading.Left + 200, heading.Top + 5, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_MOUSE_MOVE, heading.Left + 290, heading.Top + 5, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_LBUTTON_UP, heading.Left + 290, heading.Top + 5, 0);
    Pump_Messages();
    EXPECT_EQ(List_View_Get_Column_Order(view), (std::vector<int32_t>{0, 2, 3, 1}));
    ASSERT_EQ(gallery_log.Notes.size(), 1u) << "a drag is no click";
    EXPECT_EQ(gallery_log.Notes[0].Code, NOTIFY_HEADER_END_DRAG);
    EXPECT_EQ(gallery_log.Notes[0].Item, 3) << "the new place";
    EXPECT_EQ(gallery_log.Notes[0].Sub_Item, 1);

    // Sizing a column by the line after its heading.
    Route_Mouse_Event(MSG_LBUTTON_DOWN, heading.Left + 120, heading.Top + 5, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_MOUSE_MOVE, heading.Left + 150, heading.Top + 5, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_LBUTTON_UP, heading.Left + 150, heading.Top + 5, 0);
    Pump_Messages();
    EXPECT_EQ(Send_Window_Message(view, MSG_LIST_VIEW_GET_COLUMN_WIDTH, 0, 0), 150);
    EXPECT_EQ(gallery_log.Notes.back().Code, NOTIFY_HEADER_END_TRACK);

    // Selection: a click, the arrow keys, and a right click on the header.
    gallery_log.Notes.clear();
    RECT_AREA row{};
    Send_Window_Message(view, MSG_LIST_VIEW_GET_ITEM_RECT, 1, reinterpret_cast<intptr_t>(&row));
    int32_t x = row.Left + 20, y = (row.Top + row.Bottom) / 2;
    Client_To_Screen(view, &x, &y);
    Click_Screen(x, y);
    Pump_Messages();
    EXPECT_EQ(List_View_Get_Next_Item(view, -1, ITEM_SELECTED), 1);
    EXPECT_EQ(List_View_Get_Next_Item(view, -1, ITEM_FOCUSED), 1);
    std::vector<uint32_t> codes;
    for (const NOTIFY_INFO& note : gallery_log.Notes)
        codes.push_back(note.Code);
    EXPECT_EQ(codes, (std::vector<uint32_t>{NOTIFY_SET_FOCUS, NOTIFY_ITEM_CHANGED, NOTIFY_CLICK}));
    EXPECT_EQ(gallery_log.Notes[1].Item_Data, 0) << "row 1 holds player 0 after the sort";
    EXPECT_EQ(gallery_log.Notes[1].Changed, ITEM_SELECTED | ITEM_FOCUSED);
    Send_Window_Message(view, MSG_KEY_DOWN, KEY_DOWN, 0);
    EXPECT_EQ(List_View_Get_Next_Item(view, -1, ITEM_SELECTED), 2) << "single selection moves";
    EXPECT_EQ(Send_Window_Message(view, MSG_LIST_VIEW_GET_SELECTED_COUNT, 0, 0), 1);
    Route_Mouse_Event(MSG_RBUTTON_UP, heading.Left + 10, heading.Top + 5, 0);
    Pump_Messages();
    EXPECT_EQ(gallery_log.Notes.back().Code, NOTIFY_HEADER_RIGHT_CLICK);
    EXPECT_EQ(gallery_log.Notes.back().From, view);

    // Deleting a column keeps the others and their order.
    EXPECT_TRUE(List_View_Delete_Column(view, 1));
    EXPECT_EQ(List_View_Get_Column_Order(view), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(List_View_Get_Column_Sub_Item(view, 1), 2);
    Destroy_Window(dialog);
}

TEST_F(Controls, ListBoxesSelectOneOrManyAndFindLines) {
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, GALLERY_LIST);
    EXPECT_EQ(List_Box_Get_Count(list), PLAYER_COUNT);
    EXPECT_EQ(List_Box_Get_Current_Selection(list), 2);
    EXPECT_EQ(List_Box_Get_Text(list, 1), "Carver, Jon\tRB\t24");
    EXPECT_EQ(Send_Window_Message(list, MSG_LIST_FIND_STRING, static_cast<uintptr_t>(-1),
                                  reinterpret_cast<intptr_t>("beck")),
              3);
    EXPECT_EQ(List_Box_Delete_String(list, 0), PLAYER_COUNT - 1);
    EXPECT_EQ(List_Box_Get_Current_Selection(list), 1) << "the selection stays on its line";
    Send_Window_Message(list, MSG_KEY_DOWN, KEY_END, 0);
    EXPECT_EQ(List_Box_Get_Current_Selection(list), PLAYER_COUNT - 2);

    // A multiple-selection list toggles lines.
    const DIALOG_CONTROL many[] = {{CONTROL_LIST_BOX, 5, {0, 0, 100, 60}, "", CONTROL_MULTI_SELECT | STOP}};
    const DIALOG_TEMPLATE many_template = {911, "", 100, 60, "MS Sans Serif", 8, 0, many, 1, 2};
    const WINDOW_HANDLE chooser = Create_Modeless_Dialog(NO_WINDOW, many_template, nullptr, 0);
    const WINDOW_HANDLE lines = Get_Dialog_Item(chooser, 5);
    for (const char* text : {"Name", "Team", "Pos"})
        List_Box_Add_String(lines, text);
    RECT_AREA second{};
    Send_Window_Message(lines, MSG_LIST_GET_ITEM_RECT, 1, reinterpret_cast<intptr_t>(&second));
    int32_t x = second.Left + 5, y = second.Top + 2;
    Client_To_Screen(lines, &x, &y);
    Click_Screen(x, y);
    Pump_Messages();
    List_Box_Set_Selection(lines, true, 2);
    EXPECT_FALSE(List_Box_Is_Selected(lines, 0));
    EXPECT_TRUE(List_Box_Is_Selected(lines, 1));
    EXPECT_TRUE(List_Box_Is_Selected(lines, 2));
    EXPECT_EQ(Send_Window_Message(lines, MSG_LIST_GET_SELECTION_COUNT, 0, 0), 2);
    Click_Screen(x, y);
    Pump_Messages();
    EXPECT_FALSE(List_Box_Is_Selected(lines, 1)) << "a second click clears the line";
    // A control's state goes with it, once.
    const int32_t states = Count_Live_Control_States();
    EXPECT_TRUE(Destroy_Window(lines));
    EXPECT_EQ(Count_Live_Control_States(), states - 1);
    EXPECT_FALSE(Destroy_Window(lines)) << "a second destroy is refused";
    EXPECT_EQ(Count_Live_Control_States(), states - 1);
    EXPECT_EQ(List_Box_Get_Count(lines), 0) << "messages to it reach nothing";
    Destroy_Window(chooser);
    Destroy_Window(dialog);
}

TEST_F(Controls, AListBoxDrawsOnlyWholeRows) {
    // Room for two and a half rows: the third, cut by the bottom edge, is left
    // to the scroll bar.
    const DIALOG_CONTROL rows[] = {{CONTROL_LIST_BOX, 5, {0, 0, 100, 24}, "", STOP}};
    const DIALOG_TEMPLATE rows_template = {912, "", 100, 24, "MS Sans Serif", 8, 0, rows, 1, 2};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, rows_template, nullptr, 0);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, 5);
    for (const char* text : {"Arizona Cardinals", "Atlanta Falcons", "Baltimore Ravens", "Buffalo Bills"})
        List_Box_Add_String(list, text);
    RECT_AREA third{}, client{};
    Send_Window_Message(list, MSG_LIST_GET_ITEM_RECT, 2, reinterpret_cast<intptr_t>(&third));
    Get_Client_Rect(list, &client);
    ASSERT_LT(third.Top, client.Bottom - 2);
    ASSERT_GT(third.Bottom, client.Bottom - 2) << "the third row is cut by the bottom edge";
    Pump_Messages();
    DRAWING_SURFACE picture{};
    Render_Window(list, &picture);
    const uint32_t ground = picture.Pixels[static_cast<size_t>(third.Top) * picture.Width + 4];
    int32_t inked = 0;
    for (int32_t y = third.Top; y < client.Bottom - 2; ++y)
        for (int32_t x = 4; x < third.Right - 4; ++x)
            if (picture.Pixels[static_cast<size_t>(y) * picture.Width + x] != ground) ++inked;
    EXPECT_EQ(inked, 0) << "no letter of the cut row is drawn";
    Destroy_Window(dialog);
}

TEST_F(Controls, FramesOfButtonsAndCaptionsAreLitFromTheTopLeft) {
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, 40, 20);
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, &surface);
    auto at = [&](int32_t x, int32_t y) { return Pixel_To_Colour(Get_Surface_Pixel(&surface, x, y)); };
    Draw_Frame_Control(&dc, {0, 0, 20, 20}, FRAME_BUTTON, 0);
    EXPECT_EQ(at(0, 0), Get_System_Colour(COLOUR_LIGHT_EDGE)) << "a raised button";
    EXPECT_EQ(at(19, 19), Get_System_Colour(COLOUR_DARK_SHADOW));
    EXPECT_EQ(at(10, 10), Get_System_Colour(COLOUR_FACE));
    EXPECT_EQ(at(20, 10), 0u) << "right and bottom edges excluded";
    Draw_Frame_Control(&dc, {0, 0, 20, 20}, FRAME_BUTTON, FRAME_PUSHED);
    EXPECT_EQ(at(0, 0), Get_System_Colour(COLOUR_DARK_SHADOW)) << "a pushed one";
    Draw_Frame_Control(&dc, {20, 0, 40, 20}, FRAME_CAPTION_MAXIMIZE, 0);
    bool box = false;
    for (int32_t x = 22; x < 38; ++x)
        box |= at(x, 6) == Get_System_Colour(COLOUR_WINDOW_TEXT);
    EXPECT_TRUE(box) << "the maximize box's top bar";
}

TEST_F(Controls, EveryControlIsDrawnByOurCode) {
    gallery_log = GALLERY_LOG{};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    Check_Dialog_Button(dialog, GALLERY_CHECK, BUTTON_CHECKED);
    List_View_Set_Item_State(Get_Dialog_Item(dialog, GALLERY_VIEW), 2, ITEM_SELECTED, ITEM_SELECTED);
    Set_Focus(Get_Dialog_Item(dialog, GALLERY_EDIT));
    Pump_Messages();
    DRAWING_SURFACE picture{};
    Render_Window(dialog, &picture);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/every_control.png").c_str());
    // Spot checks: the default button's dark edge, the check mark, the
    // selected row's highlight and the progress blocks.
    RECT_AREA frame;
    Get_Window_Frame(dialog, &frame);
    auto pixel_at = [&](int32_t id, int32_t dx, int32_t dy) {
        RECT_AREA rect = Screen_Rect(dialog, id), outer;
        Get_Window_Rect(dialog, &outer);
        return Get_Surface_Pixel(&picture, rect.Left - outer.Left + dx, rect.Top - outer.Top + dy);
    };
    EXPECT_EQ(pixel_at(GALLERY_OK, 0, 5), Colour_To_Pixel(Make_Colour(105, 105, 105)));
    EXPECT_EQ(pixel_at(GALLERY_PROGRESS, 4, 6), Colour_To_Pixel(Make_Colour(0, 120, 215)));
    bool dark_mark = false;
    for (int32_t y = 2; y < 18 && !dark_mark; ++y)
        for (int32_t x = 2; x < 12; ++x)
            dark_mark |= pixel_at(GALLERY_CHECK, x, y) == Colour_To_Pixel(0);
    EXPECT_TRUE(dark_mark) << "the check box shows its tick";
    int32_t ridges = 0;
    const RECT_AREA grip = Screen_Rect(dialog, GALLERY_GRIP);
    for (int32_t y = 0; y < grip.Bottom - grip.Top; ++y)
        for (int32_t x = 0; x < grip.Right - grip.Left; ++x)
            ridges += pixel_at(GALLERY_GRIP, x, y) == Colour_To_Pixel(Make_Colour(160, 160, 160));
    EXPECT_GT(ridges, 10) << "the size grip shows its ridges";

    // The combo's list opens over the dialog, below its face, the chosen line lit.
    Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_SHOW_DROP_DOWN, 1, 0);
    const WINDOW_HANDLE drop = static_cast<WINDOW_HANDLE>(
        Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_GET_DROP_LIST, 0, 0));
    ASSERT_NE(drop, NO_WINDOW);
    Pump_Messages();
    DRAWING_SURFACE screen{};
    Render_Screen(&screen, 1024, 768);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&screen, (std::string(folder) + "/combo_open.png").c_str());
    RECT_AREA face = Screen_Rect(dialog, GALLERY_COMBO), list;
    Get_Window_Rect(drop, &list);
    EXPECT_EQ(list.Top, face.Bottom);
    const int32_t line = static_cast<int32_t>(
        Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_GET_ITEM_HEIGHT, 0, 0));
    EXPECT_EQ(Get_Surface_Pixel(&screen, list.Left + 3, list.Top + 1 + 2 * line + 1),
              Colour_To_Pixel(Make_Colour(0, 120, 215)))
        << "\"Normal\" is lit";
    Send_Dialog_Item_Message(dialog, GALLERY_COMBO, MSG_COMBO_SHOW_DROP_DOWN, 0, 0);
    EXPECT_FALSE(Is_Window(drop));
    Destroy_Window(dialog);
}

// A progress bar repaints only the stretch a step changes: whether it moved
// a block at a time, backwards or not at all, it looks as a bar painted whole.
TEST_F(Controls, ASteppedProgressBarLooksAsOnePaintedWhole) {
    gallery_log = GALLERY_LOG{};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, GALLERY_TEMPLATE, Gallery_Dialog, 0);
    const WINDOW_HANDLE bar = Get_Dialog_Item(dialog, GALLERY_PROGRESS);
    Send_Window_Message(bar, MSG_PROGRESS_SET_RANGE, 0, 100);
    Send_Window_Message(bar, MSG_PROGRESS_SET_POSITION, 0, 0);
    Send_Window_Message(bar, MSG_PROGRESS_SET_STEP, 1, 0);
    Update_Window(bar);
    auto same_as_whole = [bar] {
        DRAWING_SURFACE stepped{}, whole{};
        Render_Window(bar, &stepped);
        Invalidate_Window(bar, nullptr);
        Update_Window(bar);
        Render_Window(bar, &whole);
        return stepped.Pixels == whole.Pixels;
    };
    for (int32_t step = 0; step < 37; ++step) {
        Send_Window_Message(bar, MSG_PROGRESS_STEP, 0, 0);
        Update_Window(bar);
    }
    EXPECT_TRUE(same_as_whole()) << "37 steps forwards";
    Send_Window_Message(bar, MSG_PROGRESS_SET_POSITION, 12, 0);
    Update_Window(bar);
    EXPECT_TRUE(same_as_whole()) << "back to 12";
    Send_Window_Message(bar, MSG_PROGRESS_SET_POSITION, 100, 0);
    Send_Window_Message(bar, MSG_PROGRESS_STEP, 0, 0); // held at the end
    Update_Window(bar);
    EXPECT_TRUE(same_as_whole()) << "full";
    Send_Window_Message(bar, MSG_PROGRESS_SET_RANGE, 0, 400); // a new range shrinks the filling
    Update_Window(bar);
    EXPECT_TRUE(same_as_whole()) << "a wider range";
    Destroy_Window(dialog);
}
