#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "dialogs/column_sets.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/session_settings.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"
#include "support/resize_under_dialog.h"

namespace {
constexpr int32_t KIND = PLAYER_LIST_FIND_PLAYERS;
constexpr int32_t COUNT = 240 + 20 * KIND, SORT = COUNT + 1, FIRST_PLACE = COUNT + 2;

class ColumnSets : public PlayerDialogsTest {
  protected:
    void SetUp() override {
        PlayerDialogsTest::SetUp();
        Player_List_Kind = KIND;
        if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_LIST_VIEW))) Register_Controls();
        list_ = Create_Window(Get_Control_Class_Name(CONTROL_LIST_VIEW), "", WINDOW_CHILD | WINDOW_VISIBLE,
                              {10, 10, 810, 410}, Main_Window, 1124, 0);
        data_ = std::make_unique<LISTVIEW_DATA>();
        data_->Dialog_Window = Main_Window;
        data_->List_Window = list_;
        Init_Listview_Data(data_.get());
    }
    void TearDown() override {
        Player_List_Kind = PLAYER_LIST_ROSTER;
        PlayerDialogsTest::TearDown();
    }
    void Store_Set(int32_t sort, std::initializer_list<int32_t> ids) {
        Set_User_Preference(COUNT, static_cast<int32_t>(ids.size()));
        Set_User_Preference(SORT, sort);
        int32_t place = 0;
        for (int32_t id : ids)
            Set_User_Preference(FIRST_PLACE + place++, id);
        for (; place < COLUMN_SET_PLACES; ++place)
            Set_User_Preference(FIRST_PLACE + place, -1);
    }
    std::vector<int32_t> Stored_Ids() const {
        std::vector<int32_t> ids;
        for (int32_t place = 0; place < Get_User_Preference(COUNT); ++place)
            ids.push_back(Get_User_Preference(FIRST_PLACE + place));
        return ids;
    }
    std::vector<int32_t> Header_Ids() const {
        std::vector<int32_t> ids;
        for (int32_t column : List_View_Get_Column_Order(list_))
            ids.push_back(List_View_Get_Column_Sub_Item(list_, column));
        return ids;
    }
    WINDOW_HANDLE list_ = NO_WINDOW;
    std::unique_ptr<LISTVIEW_DATA> data_;
};
} // namespace

TEST_F(ColumnSets, CheckDropsBadRepeatedAndNegativeIdsAndClosesTheGaps) {
    Store_Set(COLUMN_AGE + 1, {0, 3, 3, 200, 15});
    Check_Listview_Column_Set();
    EXPECT_EQ(Stored_Ids(), (std::vector<int32_t>{0, 3, 15}));
    EXPECT_EQ(Get_User_Preference(COUNT), 3);
    EXPECT_EQ(Get_User_Preference(SORT), COLUMN_AGE + 1) << "a sort column still shown stays";
    EXPECT_EQ(Get_User_Preference(FIRST_PLACE + 3), -1);
    Store_Set(-(200 + 1), {-7, 2, -1, 113, 2, 12});
    Check_Listview_Column_Set();
    EXPECT_EQ(Stored_Ids(), (std::vector<int32_t>{2, 12})) << "negative ids are dropped too";
    EXPECT_EQ(Get_User_Preference(SORT), -1) << "a sort column no longer shown goes";
    Store_Set(0, {0, 1});
    Check_Listview_Column_Set();
    EXPECT_EQ(Get_User_Preference(SORT), 0) << "no sort column stays none";
    // A kind never saved gets its default row, sorted by nothing.
    Set_User_Preference(COUNT, 0);
    Set_User_Preference(SORT, 9);
    Check_Listview_Column_Set();
    EXPECT_EQ(Stored_Ids(), (std::vector<int32_t>{0, 1, 2, 3, 4, 15, 11, 91, 96}));
    EXPECT_EQ(Get_User_Preference(SORT), 0);
}

TEST_F(ColumnSets, SetSavedAndLoadedComesBackInDisplayOrderAndAtMost18) {
    Store_Set(-(COLUMN_SALARY + 1), {0, 2, 5, 15});
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    EXPECT_EQ(Header_Ids(), (std::vector<int32_t>{0, 2, 5, 15}));
    EXPECT_EQ(data_->Sort_Column, -(COLUMN_SALARY + 1));
    // The user drags Age in front of Pos.
    List_View_Set_Column_Order(list_, {0, 3, 1, 2});
    Save_Listview_Column_Set(data_.get());
    EXPECT_EQ(Stored_Ids(), (std::vector<int32_t>{0, 15, 2, 5}));
    EXPECT_EQ(Get_User_Preference(SORT), -(COLUMN_SALARY + 1));
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    EXPECT_EQ(Header_Ids(), (std::vector<int32_t>{0, 15, 2, 5})) << "the dragged order is kept";
    // A header of 25 columns keeps its first 18.
    while (List_View_Get_Column_Count(list_) > 0)
        List_View_Delete_Column(list_, 0);
    for (int32_t id = 0; id < 25; ++id)
        Add_Listview_Column(data_.get(), 24 - id, id);
    Save_Listview_Column_Set(data_.get());
    std::vector<int32_t> first;
    for (int32_t id = 24; id > 24 - COLUMN_SET_PLACES; --id)
        first.push_back(id);
    EXPECT_EQ(Stored_Ids(), first);
}

TEST_F(ColumnSets, ResetGivesEveryKindItsDefaultRow) {
    for (int32_t n = 240; n < 360; ++n)
        Set_User_Preference(n, 77);
    Reset_Listview_Column_Sets();
    for (int32_t kind = 0; kind < COLUMN_SET_KINDS; ++kind) {
        EXPECT_EQ(Get_User_Preference(241 + 20 * kind), 0) << "kind " << kind;
        const int32_t count = Get_User_Preference(240 + 20 * kind);
        ASSERT_GT(count, 0);
        for (int32_t place = 0; place < count; ++place)
            EXPECT_EQ(Get_User_Preference(242 + 20 * kind + place), Get_Default_Listview_Column(kind, place));
    }
    EXPECT_EQ(Get_User_Preference(320), 77) << "settings past the four sets are not the sets'";
}

TEST_F(ColumnSets, MoneyTextsBecomeWholeDollars) {
    auto dollars = [](const char* shown) {
        char text[LISTVIEW_CELL_SIZE];
        safe_strncpy(text, shown, sizeof text);
        Convert_Money_Text_To_Dollars(text);
        return std::string(text);
    };
    EXPECT_EQ(dollars("$1.25M"), "$1250000");
    EXPECT_EQ(dollars("$12.05M"), "$12050000");
    EXPECT_EQ(dollars("$500K"), "$500000");
    EXPECT_EQ(dollars("$0"), "$0");
    EXPECT_EQ(dollars("1.25M"), "1.25M") << "only money texts";
}

TEST_F(ColumnSets, ClipboardHoldsTheHeadingsAndEveryRowInDollars) {
    Set_Player_Vital_Stat(3, 0, VITAL_SALARY, 1250);
    Set_Player_Vital_Stat(3, 1, VITAL_SALARY, 500);
    Store_Set(0, {COLUMN_NAME, COLUMN_SALARY});
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    EXPECT_EQ(Copy_Listview_To_Clipboard(data_.get()), "") << "an empty list copies nothing";
    data_->Entries[0] = 300;
    data_->Entries[1] = 301;
    Fill_Listview_Rows(data_.get(), NO_WINDOW);
    const std::string copied = Copy_Listview_To_Clipboard(data_.get());
    std::string text;
    ASSERT_TRUE(Get_Clipboard_Text(&text));
    EXPECT_EQ(text, copied);
    const std::string first = List_View_Get_Item_Text(list_, 0, COLUMN_NAME);
    const std::string second = List_View_Get_Item_Text(list_, 1, COLUMN_NAME);
    EXPECT_EQ(text, "Name\tSalary\r\n" + first + "\t$1250000\r\n" + second + "\t$500000\r\n");
    EXPECT_EQ(std::strlen(text.c_str()), text.size()) << "sized to what was written";
}

TEST_F(ColumnSets, HeadingMenuRunsTheChosenCommand) {
    Store_Set(0, {COLUMN_NAME, COLUMN_SALARY});
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    data_->Entries[0] = 300;
    Fill_Listview_Rows(data_.get(), NO_WINDOW);
    Set_Clipboard_Text("");
    // Down to the fourth command (past the separator), then Enter.
    for (int32_t step = 0; step < 4; ++step)
        Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Do_Listview_Header_Menu(data_.get()), HEADER_MENU_COPY_PLAYERS);
    std::string text;
    ASSERT_TRUE(Get_Clipboard_Text(&text));
    EXPECT_EQ(text.rfind("Name\tSalary\r\n", 0), 0u);
    Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_DOWN, 0);
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Do_Listview_Header_Menu(data_.get()), HEADER_MENU_DEFAULT_COLUMNS);
    EXPECT_EQ(Header_Ids().size(), 9u) << "Find Players' default row";
    Script_Key_Press(KEY_ESCAPE, 0);
    EXPECT_EQ(Do_Listview_Header_Menu(data_.get()), 0) << "dismissed: nothing chosen";
}

TEST_F(ColumnSets, ChooserAppliesItsLinesAndNeverKeepsASeparatorChosen) {
    Store_Set(0, {COLUMN_NAME, COLUMN_SALARY, COLUMN_AGE});
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    data_->Entries[0] = 300;
    Fill_Listview_Rows(data_.get(), NO_WINDOW);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE box = Get_Dialog_Item(dialog, COLUMN_CHOOSER_LIST);
        int32_t separator = -1, weight = -1, salary = -1;
        for (int32_t line = 0; line < List_Box_Get_Count(box); ++line) {
            const intptr_t id = List_Box_Get_Item_Data(box, line);
            if (id == -1 && separator < 0) separator = line;
            if (id == 13) weight = line;
            if (id == COLUMN_SALARY) salary = line;
        }
        ASSERT_GE(separator, 0);
        EXPECT_EQ(List_Box_Get_Text(box, weight), "Weight\tPlayer Weight");
        EXPECT_TRUE(List_Box_Is_Selected(box, salary)) << "the shown columns start chosen";
        auto click = [&](int32_t line, bool select) {
            List_Box_Set_Selection(box, select, line);
            Send_Window_Message(box, MSG_LIST_SET_CARET_INDEX, static_cast<uintptr_t>(line), 0);
            Send_Window_Message(dialog, MSG_COMMAND,
                                Pack_Command(COLUMN_CHOOSER_LIST, NOTIFY_LIST_SELECTION_CHANGE),
                                static_cast<intptr_t>(box));
        };
        click(separator, true);
        EXPECT_FALSE(List_Box_Is_Selected(box, separator));
        click(weight, true);
        click(salary, false);
        Keep_Dialog_Picture(dialog, "column_chooser");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(data_.get())), 0);
    EXPECT_EQ(Header_Ids(), (std::vector<int32_t>{COLUMN_NAME, COLUMN_AGE, 13}))
        << "clicks apply at once; Cancel keeps them";
    EXPECT_EQ(List_View_Get_Item_Count(list_), 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, 1344); });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    EXPECT_EQ(Do_Dialog(Main_Window, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(data_.get())), 1);
    std::vector<int32_t> kicking;
    for (int32_t n = 0; Get_Default_Listview_Column(12, n) != -1; ++n)
        kicking.push_back(Get_Default_Listview_Column(12, n));
    EXPECT_EQ(Header_Ids(), kicking) << "the Kicking group";
    EXPECT_EQ(Get_Column_Preset_Row(1344), 12);
    EXPECT_EQ(Get_Column_Preset_Row(1), 0);
}

// The main window changing size under the open chooser makes the scaled
// fonts again; its buttons go on drawing with theirs, which go with the
// dialog, and a click made afterwards still applies.
TEST_F(ColumnSets, ChooserButtonsKeepTheirFontWhileTheWindowChangesSize) {
    Store_Set(0, {COLUMN_NAME, COLUMN_SALARY, COLUMN_AGE});
    Load_Listview_Column_Set(data_.get());
    Rebuild_Listview_Columns(data_.get());
    Peek_App_Font(DIALOG_SMALL_FONT);
    const int32_t fonts = Count_Live_Fonts();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Expect_Control_Fonts_Kept_Through_Resize(dialog, ID_OK, DIALOG_SMALL_FONT, "column_chooser_resized");
        Click_Dialog_Button(dialog, 1344);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    EXPECT_EQ(Do_Dialog(Main_Window, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(data_.get())), 1);
    std::vector<int32_t> kicking;
    for (int32_t n = 0; Get_Default_Listview_Column(12, n) != -1; ++n)
        kicking.push_back(Get_Default_Listview_Column(12, n));
    EXPECT_EQ(Header_Ids(), kicking) << "the group chosen after the resize is shown";
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "the old fonts went with the dialog";
}
