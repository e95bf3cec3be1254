#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/budget_dialogs.h"
#include "frontoffice/finance_stats.h"
#include "platform/controls.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t USER = 4;
constexpr int32_t OTHER = 9;
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

class BudgetDialogs : public ComputerLeagueDialogTest {
  protected:
    BudgetDialogs() : ComputerLeagueDialogTest(USER) {}
    void Prepare_League() override { Set_User_Preference(CURRENT_SEASON_INDEX, 1); }
};

void Spin(WINDOW_HANDLE dialog, int32_t id, int32_t up) {
    Send_Window_Message(dialog, MSG_VERTICAL_SCROLL,
                        SCROLL_THUMB_POSITION | (static_cast<uintptr_t>(up) << 16),
                        static_cast<intptr_t>(Get_Dialog_Item(dialog, id)));
}

// Every stored financial statistic of every franchise.
std::vector<int32_t> Take_Finances() {
    std::vector<int32_t> stats;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t n = 0; n < 80; ++n)
            stats.push_back(Get_Team_Financial_Stat(team, n));
    return stats;
}

// The statistics that differ between two takes, as team x 100 + stat.
std::vector<int32_t> Changed(const std::vector<int32_t>& before, const std::vector<int32_t>& after) {
    std::vector<int32_t> changed;
    for (size_t n = 0; n < before.size(); ++n)
        if (before[n] != after[n]) changed.push_back(static_cast<int32_t>(n / 80 * 100 + n % 80));
    return changed;
}

bool Is_Enabled(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Window_Enabled(Get_Dialog_Item(dialog, id));
}
} // namespace

TEST_F(BudgetDialogs, TicketPriceStepsAndItsBounds) {
    Set_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE, 49950);
    Set_User_Preference(SOUNDS_ENABLED, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TICKET_PRICE_EDIT), "499.50");
        const std::vector<int32_t> before = Take_Finances();
        Spin(dialog, TICKET_PRICE_SPIN, 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TICKET_PRICE_EDIT), "500.00")
            << "up a dollar, floored to the step";
        EXPECT_EQ(Changed(before, Take_Finances()), std::vector<int32_t>{USER * 100 + FINANCE_TICKET_PRICE});
        Spin(dialog, TICKET_PRICE_SPIN, 1);
        EXPECT_EQ(Get_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE), 50000) << "$500.00 at most";
        Type_Dialog_Text(dialog, TICKET_PRICE_EDIT, "3.00");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TICKET_PRICE_EDIT), "500.00") << "typing changes nothing";
        Set_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE, 50);
        Spin(dialog, TICKET_PRICE_SPIN, 0);
        EXPECT_EQ(Get_Team_Financial_Stat(USER, FINANCE_TICKET_PRICE), 0) << "never below 0";
        // The market's populations and the stadium's capacity are plain numbers.
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CITY_POPULATION_TEXT),
                  std::to_string(Get_Team_City_Stat(USER, 0)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, REGION_POPULATION_TEXT),
                  std::to_string(Get_Team_City_Stat(USER, 1)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CAPACITY_TEXT),
                  std::to_string(Get_Team_Stadium_Stat(USER, 0)));
        ASSERT_GE(Get_Team_Stadium_Stat(USER, 0), 1000) << "a capacity that would take a separator";
        Keep_Dialog_Picture(dialog, "tickets");
        // View Other Team: the page, its caption and its spin follow the team chosen.
        Script_Dialog_Step([](WINDOW_HANDLE other) {
            Choose_Dialog_Line(other, 1132, OTHER);
            Click_Dialog_Button(other, ID_OK);
        });
        Click_Dialog_Button(dialog, VIEW_OTHER_TEAM_BUTTON);
        char name[128];
        Get_Team_Full_Name(OTHER, name);
        EXPECT_NE(Get_Window_Text(dialog).find(name), std::string::npos) << Get_Window_Text(dialog);
        EXPECT_EQ(Get_Window_Text(dialog).rfind("Tickets (", 0), 0u);
        EXPECT_FALSE(Is_Enabled(dialog, TICKET_PRICE_SPIN));
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TICKETS_DIALOG, 0), 1);
    ASSERT_FALSE(Get_Played_Sounds().empty());
    EXPECT_NE(Get_Played_Sounds().back().find("cash.wav"), std::string::npos);
}

TEST_F(BudgetDialogs, ConcessionPricesKeepOddCentsAndTheFirstSeasonHasNoLastSeason) {
    Set_Team_Financial_Stat(USER, FINANCE_FOOD, 9963);
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FOOD_LAST_TEXT), "$---,---");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TOTAL_LAST_TEXT), "$---,---");
        const std::vector<int32_t> before = Take_Finances();
        Spin(dialog, FOOD_PRICE_SPIN, 0);
        EXPECT_EQ(Changed(before, Take_Finances()), std::vector<int32_t>{USER * 100 + FINANCE_FOOD});
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FOOD_PRICE_EDIT), "99.38");
        Spin(dialog, FOOD_PRICE_SPIN, 1);
        Spin(dialog, FOOD_PRICE_SPIN, 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FOOD_PRICE_EDIT), "99.88") << "odd cents stay: no flooring";
        Spin(dialog, FOOD_PRICE_SPIN, 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FOOD_PRICE_EDIT), "100.00") << "$100.00 at most";
        const int32_t beverages = Get_Team_Financial_Stat(USER, FINANCE_BEVERAGES);
        Spin(dialog, BEVERAGE_PRICE_SPIN, 1);
        EXPECT_GT(Get_Team_Financial_Stat(USER, FINANCE_BEVERAGES), beverages);
        const int32_t souvenirs = Get_Team_Financial_Stat(USER, FINANCE_SOUVENIRS);
        Spin(dialog, SOUVENIR_PRICE_SPIN, 0);
        EXPECT_LT(Get_Team_Financial_Stat(USER, FINANCE_SOUVENIRS), souvenirs);
        Keep_Dialog_Picture(dialog, "concessions");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CONCESSIONS_DIALOG, 0), 1);
}

TEST_F(BudgetDialogs, StaffBudgetsChangeForTheUsersTeamOnly) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        std::vector<int32_t> before = Take_Finances();
        const int32_t medical = Get_Team_Financial_Stat(USER, FINANCE_MEDICAL_BUDGET);
        Spin(dialog, MEDICAL_BUDGET_SPIN, 1);
        EXPECT_EQ(Changed(before, Take_Finances()),
                  std::vector<int32_t>{USER * 100 + FINANCE_MEDICAL_BUDGET});
        EXPECT_EQ(Get_Team_Financial_Stat(USER, FINANCE_MEDICAL_BUDGET) % 10000, 0) << "floored to 100 steps";
        EXPECT_GT(Get_Team_Financial_Stat(USER, FINANCE_MEDICAL_BUDGET), medical);
        Keep_Dialog_Picture(dialog, "expenses");
        // Another team's page shows its books but changes none of them.
        const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, 1132);
        Choose_Dialog_Line(dialog, 1132, OTHER);
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), OTHER);
        EXPECT_NE(Get_Window_Text(dialog).find(")"), std::string::npos);
        EXPECT_FALSE(Is_Enabled(dialog, SCOUTING_BUDGET_SPIN));
        before = Take_Finances();
        Spin(dialog, SCOUTING_BUDGET_SPIN, 1);
        Spin(dialog, MEDICAL_BUDGET_SPIN, 0);
        EXPECT_TRUE(Changed(before, Take_Finances()).empty()) << "the spin handler checks the flag too";
        Click_Dialog_Button(dialog, VIEW_MY_TEAM_BUTTON);
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), USER);
        EXPECT_TRUE(Is_Enabled(dialog, SCOUTING_BUDGET_SPIN));
        EXPECT_TRUE(Is_Window(selector));
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, EXPENSES_DIALOG, 0), 1);

    // A user's team that names no team counts as team 0: its page is
    // editable and no other is; the Hall of Fame (37) counts as itself.
    Set_User_Preference(USER_TEAM, 77);
    for (const int32_t viewed : {0, 1}) {
        Set_User_Preference(VIEWED_TEAM, viewed);
        Script_Dialog_Step([viewed](WINDOW_HANDLE dialog) {
            EXPECT_EQ(Is_Enabled(dialog, TICKET_PRICE_SPIN), viewed == 0) << "team " << viewed;
            const std::vector<int32_t> before = Take_Finances();
            Spin(dialog, TICKET_PRICE_SPIN, 1);
            EXPECT_EQ(Changed(before, Take_Finances()),
                      viewed == 0 ? std::vector<int32_t>{FINANCE_TICKET_PRICE} : std::vector<int32_t>{});
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, TICKETS_DIALOG, 0);
    }
    Set_User_Preference(USER_TEAM, HALL_OF_FAME_TEAM);
    Set_User_Preference(VIEWED_TEAM, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Enabled(dialog, TICKET_PRICE_SPIN)) << "the Hall of Fame is not team 0";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TICKETS_DIALOG, 0);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_TRUE(Is_Enabled(dialog, TICKET_PRICE_SPIN)) << "the commissioner edits any team";
        Click_Dialog_Button(dialog, 9);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TICKETS_DIALOG, 0);
    ASSERT_FALSE(Get_Shell_Requests().empty());
    EXPECT_NE(Get_Shell_Requests().back().Target.find("tickets.htm"), std::string::npos);
}

// A pool is a team the dialogs may view: its own figures are shown and it
// stays the viewed team; it is editable only when it is the user's team.
TEST_F(BudgetDialogs, APoolShowsItsOwnFiguresAndStaysViewed) {
    TEAM_RECORD& hall = Universe.Teams[HALL_OF_FAME_TEAM];
    hall.Financial_Stats[FINANCE_TICKET_PRICE] = 1234;
    Set_User_Preference(USER_TEAM, HALL_OF_FAME_TEAM);
    Set_User_Preference(VIEWED_TEAM, HALL_OF_FAME_TEAM);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TICKET_PRICE_EDIT), "12.34") << "the pool's own price";
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), HALL_OF_FAME_TEAM);
        EXPECT_TRUE(Is_Enabled(dialog, TICKET_PRICE_SPIN)) << "the user's own pool";
        const std::vector<int32_t> before = Take_Finances();
        Spin(dialog, TICKET_PRICE_SPIN, 1);
        EXPECT_EQ(Universe.Teams[HALL_OF_FAME_TEAM].Financial_Stats[FINANCE_TICKET_PRICE], 1300);
        EXPECT_TRUE(Changed(before, Take_Finances()).empty()) << "no franchise's price moves";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TICKETS_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), HALL_OF_FAME_TEAM);

    // The draft pool viewed by the user of a franchise: its books, read only.
    Universe.Teams[POOL].Financial_Stats[FINANCE_CASH] = -2500000;
    Universe.Teams[POOL].Financial_Stats[FINANCE_SCOUTING_BUDGET] = 70000;
    Set_User_Preference(USER_TEAM, USER);
    Set_User_Preference(VIEWED_TEAM, POOL);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CASH_TEXT), "-$2,500,000");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SCOUTING_BUDGET_EDIT), "$70,000");
        char name[128];
        Get_Team_Full_Name(POOL, name);
        EXPECT_EQ(Get_Window_Text(dialog),
                  "Expenses (" + std::to_string(Get_Current_Year()) + " " + name + ")");
        EXPECT_FALSE(Is_Enabled(dialog, SCOUTING_BUDGET_SPIN));
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), POOL);
        Keep_Dialog_Picture(dialog, "expenses_of_the_draft_pool");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, EXPENSES_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), POOL) << "the viewed team is left as it was";
    EXPECT_EQ(Get_User_Team(), USER);
}
