// The standings columns property page over the standings view: its lists
// offer the headings with the stored choices, leaving it changes nothing,
// applying it stores the choices and the view shows them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "database/settings.h"
#include "dialogs/standings_columns_page.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/view_frame.h"

namespace {
constexpr int32_t STANDINGS_VIEW = 40030;

void Tell_Page(WINDOW_HANDLE page, uint32_t code) {
    NOTIFY_INFO info{};
    info.Code = code;
    info.Item = -1;
    info.Sub_Item = -1;
    EXPECT_EQ(Send_Window_Message(page, MSG_NOTIFY, 0, reinterpret_cast<intptr_t>(&info)), 0)
        << "the page may be left, its choices applied";
}

std::vector<int32_t> Stored_Columns() {
    std::vector<int32_t> columns;
    for (int32_t entry = 100; entry <= 104; ++entry)
        columns.push_back(Get_User_Preference(entry));
    return columns;
}
} // namespace

using StandingsColumnsPage = ViewFrameTest;

TEST_F(StandingsColumnsPage, TheListsOfferTheHeadingsAndApplyingShowsTheChosenColumns) {
    std::string problem;
    EXPECT_TRUE(Validate_Dialog_Template(STANDINGS_COLUMNS_PAGE_TEMPLATE, {1112, 1113, 1114, 1115}, &problem))
        << problem;
    Open_Played_Season(4);
    Paint_View_Picture(STANDINGS_VIEW);
    EXPECT_EQ(Count_Drawn_Texts("Knockdowns"), 0);
    const std::vector<int32_t> defaults = Stored_Columns();
    ASSERT_EQ(defaults, (std::vector<int32_t>{2, 0, 5, 7, 8}));

    const WINDOW_HANDLE page =
        Create_Modeless_Dialog(Main_Window, STANDINGS_COLUMNS_PAGE_TEMPLATE, Standings_Columns_Page_Proc, 0);
    ASSERT_NE(page, NO_WINDOW);
    for (int32_t n = 0; n < STANDINGS_COLUMN_BOXES; ++n) {
        EXPECT_EQ(Count_Dialog_Lines(page, FIRST_STANDINGS_COLUMN_BOX + n), 48);
        EXPECT_EQ(Get_Dialog_Line(page, FIRST_STANDINGS_COLUMN_BOX + n), defaults[n]) << "list " << n;
    }
    EXPECT_EQ(Get_Dialog_Line_Text(page, FIRST_STANDINGS_COLUMN_BOX, 0), "Last 3");
    EXPECT_EQ(Get_Dialog_Line_Text(page, FIRST_STANDINGS_COLUMN_BOX, 17), "Turnover +/-");
    EXPECT_EQ(Get_Dialog_Line_Text(page, FIRST_STANDINGS_COLUMN_BOX, 47), "Pass Blocking");
    Keep_Dialog_Picture(page, "standings_columns_page");

    // The second column becomes "Knockdowns": leaving the page stores nothing.
    Choose_Dialog_Line(page, FIRST_STANDINGS_COLUMN_BOX + 1, 36);
    Tell_Page(page, NOTIFY_PAGE_KILL_ACTIVE);
    EXPECT_EQ(Stored_Columns(), defaults);

    // Applying stores it and the view shows it at once; the fifth column,
    // which the page has no list for, stays.
    Tell_Page(page, NOTIFY_PAGE_APPLY);
    EXPECT_EQ(Stored_Columns(), (std::vector<int32_t>{2, 36, 5, 7, 8}));
    Pump_Messages();
    EXPECT_GT(Count_Drawn_Texts("Knockdowns"), 0);
    Destroy_Window(page);
}
