#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/player_texts.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trading_block_dialog.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "frontoffice/trade_offer.h"
#include "personnel/contract_renewal.h"
#include "personnel/draft_order.h"
#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/report_steps.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"
#include "support/view_frame.h"

namespace {
constexpr int32_t USER = 0;
constexpr int32_t FREE_AGENT = 0;

class ContractOfferDialog : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(DRAFT_ROUND, 7);
        Universe.Header.Universe_Stats[SALARY_CAP] = 0;
        Set_Team_Financial_Stat(USER, FINANCE_CASH, 90000000);
    }
};

bool Is_Shown_And_Enabled(WINDOW_HANDLE dialog, int32_t id) {
    const WINDOW_HANDLE button = Get_Dialog_Item(dialog, id);
    return Is_Window_Shown(button) && Is_Window_Enabled(button);
}

std::string Last_Caption() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Caption;
}

int32_t Vital(int32_t team, int32_t slot, int32_t n) {
    return Get_Player_Vital_Stat(team, slot, n);
}

// The champion of the season is known: renewals run.
void Decide_Champion() {
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 3);
    Set_Playoff_Team(28, 5);
}

// The cap in thousands: the payroll the team will have with the free agent
// (past 51 players he displaces the smallest counted charge) plus `spare`.
void Fit_Cap(int32_t spare) {
    Set_Player_Contract_Demand(FREE_AGENT_TEAM, FREE_AGENT, 0);
    Universe.Header.Universe_Stats[SALARY_CAP] =
        1000 * (Get_Payroll_With_Newcomer(
                    USER, Get_Player_Vital_Stat(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CAP_CHARGE)) +
                spare);
}

// The null backend, with boxes and dialogs shown as a display shows them.
bool Take_No_Dialog_Answer(int, const char*, int*) {
    return false;
}

// A user's click at the middle of a dialog's button, routed as the display's
// click would be; it arrives once the running loop looks for input.
void Click_On_Screen(WINDOW_HANDLE dialog, int32_t id) {
    RECT_AREA rect;
    Get_Window_Rect(Get_Dialog_Item(dialog, id), &rect);
    const int32_t x = (rect.Left + rect.Right) / 2, y = (rect.Top + rect.Bottom) / 2;
    Route_Mouse_Event(MSG_LBUTTON_DOWN, x, y, MOUSE_LEFT_HELD);
    Route_Mouse_Event(MSG_LBUTTON_UP, x, y, 0);
}

void Press_Key(uint32_t key, uint32_t modifiers) {
    Route_Key_Event(MSG_KEY_DOWN, key, modifiers);
    Route_Key_Event(MSG_KEY_UP, key, modifiers);
}
} // namespace

TEST_F(ContractOfferDialog, YearsAndBonusButtonsFollowTheTermsAndAcceptPaysExactlyTheBonus) {
    // A starter of another team is the free agent talked to.
    Copy_Player(FREE_AGENT_TEAM, FREE_AGENT, 6, Test_League_Slot(POSITION_QB, 0));
    const int32_t cash = Get_Team_Financial_Stat(USER, FINANCE_CASH);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CONTRACT_YEARS, 9);
    int32_t bonus = 0;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CONTRACT_YEARS), 7) << "seven years at most";
        EXPECT_FALSE(Is_Shown_And_Enabled(dialog, MORE_YEARS_BUTTON));
        EXPECT_TRUE(Is_Shown_And_Enabled(dialog, FEWER_YEARS_BUTTON));
        for (int32_t n = 0; n < 6; ++n)
            Click_Dialog_Button(dialog, FEWER_YEARS_BUTTON);
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CONTRACT_YEARS), 1);
        EXPECT_FALSE(Is_Shown_And_Enabled(dialog, FEWER_YEARS_BUTTON)) << "one year at least";
        EXPECT_TRUE(Is_Shown_And_Enabled(dialog, MORE_YEARS_BUTTON));
        Click_Dialog_Button(dialog, MORE_YEARS_BUTTON);
        EXPECT_TRUE(Is_Window_Shown(Get_Dialog_Item(dialog, BIGGER_BONUS_BUTTON))) << "Owner Mode";
        const int32_t demand = Vital(FREE_AGENT_TEAM, FREE_AGENT, VITAL_SIGNING_BONUS);
        EXPECT_FALSE(Is_Shown_And_Enabled(dialog, SMALLER_BONUS_BUTTON)) << "the bonus is at the demand";
        Click_Dialog_Button(dialog, BIGGER_BONUS_BUTTON);
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, FREE_AGENT, VITAL_SIGNING_BONUS), demand + CONTRACT_BONUS_STEP);
        EXPECT_TRUE(Is_Shown_And_Enabled(dialog, SMALLER_BONUS_BUTTON));
        bonus = Vital(FREE_AGENT_TEAM, FREE_AGENT, VITAL_SIGNING_BONUS);
        Keep_Dialog_Picture(dialog, "contract_offer_owner_mode");
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, FREE_AGENT), CONTRACT_ACCEPTED);
    EXPECT_EQ(Get_Team_Financial_Stat(USER, FINANCE_CASH), cash - 1000 * bonus);

    // Outside Owner Mode the bonus stays at the demand; after the final two years at least.
    Set_User_Preference(OWNER_MODE, 0);
    Decide_Champion();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Vital_Stat(USER, slot, VITAL_CONTRACT_YEARS, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Window_Shown(Get_Dialog_Item(dialog, BIGGER_BONUS_BUTTON)));
        EXPECT_FALSE(Is_Window_Shown(Get_Dialog_Item(dialog, SMALLER_BONUS_BUTTON)));
        EXPECT_EQ(Vital(USER, Test_League_Slot(POSITION_QB, 0), VITAL_CONTRACT_YEARS), 2);
        EXPECT_FALSE(Is_Shown_And_Enabled(dialog, FEWER_YEARS_BUTTON)) << "two years after the final";
        Keep_Dialog_Picture(dialog, "contract_offer_general_manager");
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, USER, slot), CONTRACT_ACCEPTED);
}

TEST_F(ContractOfferDialog, TheSalaryCapRefusesOrTheCommissionerOverrides) {
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CONTRACT_YEARS, 3);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Fit_Cap(-1);
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
        EXPECT_EQ(Last_Caption(), "Salary Cap");
        EXPECT_EQ(Get_Shown_Messages().back().Text, "That contract would violate the salary cap by $1,000");
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the dialog stays open";
        Fit_Cap(0);
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, FREE_AGENT), CONTRACT_ACCEPTED)
        << "0 room signs";

    Set_User_Preference(COMMISSIONER_MODE, 1);
    const int32_t cash = Get_Team_Financial_Stat(USER, FINANCE_CASH);
    Script_Message_Answer("Commissioner Mode", ID_BOX_NO);
    Script_Message_Answer("Commissioner Mode", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Fit_Cap(-5);
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "No keeps it open";
        Click_Dialog_Button(dialog, ACCEPT_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, FREE_AGENT), CONTRACT_ACCEPTED);
    EXPECT_EQ(Get_Team_Financial_Stat(USER, FINANCE_CASH), cash) << "the override pays no bonus";
}

TEST_F(ContractOfferDialog, ADeclinedFranchisePlayerKeepsHisContractAndTheUserHisTeam) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    constexpr int32_t other = 7;
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    Set_Player_Vital_Stat(other, slot, VITAL_BONUS_YEARS, 5);
    const int32_t found[4] = {Vital(other, slot, VITAL_SIGNING_BONUS), Vital(other, slot, VITAL_SALARY),
                              Vital(other, slot, VITAL_CONTRACT_YEARS),
                              Vital(other, slot, VITAL_BONUS_YEARS)};
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_User_Preference(USER_TEAM), other) << "his own team pays during the talk";
        Click_Dialog_Button(dialog, MORE_YEARS_BUTTON);
        Click_Dialog_Button(dialog, DECLINE_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, other, slot), CONTRACT_DECLINED);
    EXPECT_EQ(Vital(other, slot, VITAL_SIGNING_BONUS), found[0]);
    EXPECT_EQ(Vital(other, slot, VITAL_SALARY), found[1]);
    EXPECT_EQ(Vital(other, slot, VITAL_CONTRACT_YEARS), found[2]);
    EXPECT_EQ(Vital(other, slot, VITAL_BONUS_YEARS), found[3]);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), USER) << "not left on a computer-run team";
}

TEST_F(ContractOfferDialog, ACollegePlayerTheUserCannotPayLeadsToTheTradingBlockOnceTheTalkIsClosed) {
    for (int32_t n = 0; n < 3; ++n)
        Copy_Player(FIRST_COLLEGE_POOL_TEAM, n, 9, Test_League_Slot(POSITION_QB, 0) + 4 * n);
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 0);
    Current_Trade_Offer.Items[0][0] = 3;
    Script_Message_Answer("Can't Sign Any Players", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, ACCEPT_BUTTON))) << "No: back to the draft";
        Click_Dialog_Button(dialog, DECLINE_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FIRST_COLLEGE_POOL_TEAM, 0), CONTRACT_DECLINED);
    EXPECT_EQ(Get_Last_Dialog_Id(), CONTRACT_OFFER_DIALOG);

    // Yes: the talk ends first, then the block opens, empty.
    Script_Message_Answer("Can't Sign Any Players", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Template_Id(dialog), TRADING_BLOCK_DIALOG);
        EXPECT_EQ(Get_Open_Modal_Dialogs().size(), 1u) << "the talk's window is gone";
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FIRST_COLLEGE_POOL_TEAM, 0), CONTRACT_DECLINED);
    EXPECT_EQ(Get_Last_Dialog_Id(), TRADING_BLOCK_DIALOG);
    // A window that opened the talk closes itself and opens the block.
    Script_Message_Answer("Can't Sign Any Players", ID_BOX_YES);
    EXPECT_EQ(Open_Contract_Offer(Main_Window, FIRST_COLLEGE_POOL_TEAM, 0), CONTRACT_TO_TRADING_BLOCK);
    EXPECT_EQ(Get_Last_Dialog_Id(), CONTRACT_OFFER_DIALOG);
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));
}

TEST_F(ContractOfferDialog, TheSalaryCapBoxKeepsTheOfferUnderItFromInputUntilItCloses) {
    PLATFORM_BACKEND showing = Get_Null_Backend();
    showing.Answers_From_Script = false;
    showing.Take_Dialog_Answer = Take_No_Dialog_Answer;
    Set_Platform_Backend(&showing);
    Pump_Messages();
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, FREE_AGENT, VITAL_CONTRACT_YEARS, 3);
    WINDOW_HANDLE offer = NO_WINDOW, box = NO_WINDOW;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        offer = dialog;
        Fit_Cap(-1);
        Click_On_Screen(offer, ACCEPT_BUTTON);
    });
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        box = dialog;
        ASSERT_EQ(Get_Dialog_Template_Id(box), USER_MESSAGE_DIALOG) << "the program's own box";
        EXPECT_EQ(Get_Window_Text(box), "Salary Cap");
        EXPECT_EQ(Get_Window_Owner(box), offer) << "the box lies over the offer, not only the main window";
        RECT_AREA decline;
        Get_Window_Rect(Get_Dialog_Item(offer, DECLINE_BUTTON), &decline);
        ASSERT_EQ(Window_From_Point((decline.Left + decline.Right) / 2, (decline.Top + decline.Bottom) / 2),
                  Get_Dialog_Item(offer, DECLINE_BUTTON))
            << "DECLINE lies beside the box";
        Click_On_Screen(offer, DECLINE_BUTTON);
        Click_On_Screen(offer, ACCEPT_BUTTON);
        Press_Key('D', KEY_MODIFIER_ALT);
    });
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(dialog, box) << "the box is still the one open";
        EXPECT_TRUE(Is_Window(offer));
        EXPECT_EQ(Get_Top_Level_Windows().back(), box) << "and on top";
        EXPECT_FALSE(Is_Window_Enabled(offer));
        EXPECT_EQ(Get_Shown_Messages().size(), 1u) << "no further box";
        DRAWING_SURFACE screen{};
        Render_Screen(&screen, TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
        Keep_View_Picture(screen, "contract_offer_salary_cap_box");
        Press_Key(KEY_ESCAPE, 0);
    });
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(dialog, offer);
        EXPECT_TRUE(Is_Window_Enabled(offer)) << "the offer takes clicks again";
        Click_On_Screen(offer, ACCEPT_BUTTON);
    });
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Window_Owner(dialog), offer) << "a second box, over the offer";
        Set_Focus(Get_Dialog_Item(offer, FEWER_YEARS_BUTTON));
        Press_Key(KEY_ENTER, 0);
    });
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(dialog, offer) << "Enter answered the box, wherever the focus was left";
        Click_On_Screen(offer, DECLINE_BUTTON);
    });
    EXPECT_EQ(Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, FREE_AGENT), CONTRACT_DECLINED);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Salary Cap");
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));
}

namespace {
// The "Recommended Cap Room" the dialog shows for the free agent, in dollars.
int64_t Read_Recommended_Cap_Room() {
    int64_t room = -1;
    Script_Dialog_Step([&room](WINDOW_HANDLE dialog) {
        Clear_Drawn_Texts();
        Invalidate_Window(dialog, nullptr);
        Keep_Dialog_Picture(dialog, "contract_offer_recommended_room");
        for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
            const std::string text = Get_Drawn_Text(i)->Text;
            if (text.rfind("Recommended Cap Room:\n$", 0) != 0) continue;
            room = 0;
            for (const char c : text.substr(text.find('$') + 1))
                if (c >= '0' && c <= '9') room = 10 * room + (c - '0');
        }
        Click_Dialog_Button(dialog, DECLINE_BUTTON);
    });
    Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, FREE_AGENT);
    return room;
}
} // namespace

// Mid-season the user's picks are valued where the league's results place
// them now, whatever order was stored last (the week's draft order, a trade
// screen's projection).
TEST_F(ContractOfferDialog, TheRecommendedRoomValuesThePicksAtTheProjectedOrder) {
    Set_User_Preference(OWNER_MODE, 0);
    const int32_t teams = Count_Active_Teams();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    // No finish yet, and the user's team ranks best so far: it is projected to pick last.
    for (int32_t team = 0; team < teams; ++team) {
        Set_Team_Yearly_Int(team, season, 3, 0);
        Set_Team_Yearly_Int(team, season, 2, (team + teams - USER) % teams);
    }
    std::vector<int64_t> shown;
    for (const int32_t stale_place : {0, 5, teams - 1}) {
        for (int32_t place = 0; place < teams; ++place)
            Set_Draft_Order_Entry(place, (place + teams - stale_place + USER) % teams);
        ASSERT_EQ(Get_Team_Draft_Position(USER), stale_place);
        shown.push_back(Read_Recommended_Cap_Room());
    }
    Set_Projected_Draft_Order();
    const int32_t place = Get_Team_Draft_Position(USER);
    EXPECT_EQ(place, teams - 1);
    int32_t picks = 0;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        picks += Get_Rookie_Scale_Salary(round, place) + Get_Draft_Pick_Value(round, place) / 4;
    for (const int64_t room : shown)
        EXPECT_EQ(room, 1000LL * Round_To_Money_Step(picks));
}

// The owner releases the player from the report opened inside his renewal
// talk: the talk ends there, and the player who moved into his slot is
// neither given his terms nor released in his place.
TEST_F(ContractOfferDialog, ARenewalTalkEndsWithItsPlayerReleasedInsideItAndLeavesTheNextPlayerAlone) {
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    const int32_t next = Get_Player_ID(USER, slot + 1);
    ASSERT_NE(next, 0);
    Set_Player_Vital_Stat(USER, slot + 1, VITAL_SALARY, Vital(USER, slot, VITAL_SALARY) + 55);
    const int32_t terms[] = {Vital(USER, slot + 1, VITAL_SIGNING_BONUS), Vital(USER, slot + 1, VITAL_SALARY),
                             Vital(USER, slot + 1, VITAL_CONTRACT_YEARS),
                             Vital(USER, slot + 1, VITAL_BONUS_YEARS)};
    const int32_t players = Get_First_Empty_Player_Slot(USER);
    const int32_t free_agents = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Script_Dialog_Step([](WINDOW_HANDLE offer) { Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON); });
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        ASSERT_EQ(Get_Dialog_Template_Id(report), SCOUTING_REPORT_DIALOG);
        Click_Dialog_Button(report, REPORT_RELEASE_BUTTON);
    });
    EXPECT_EQ(Check_Renew_Contract(USER, slot, 1), 0) << "he has left the slot";
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
    EXPECT_EQ(Get_First_Empty_Player_Slot(USER), players - 1) << "one player left the team";
    EXPECT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), free_agents + 1);
    ASSERT_EQ(Get_Player_ID(USER, slot), next);
    EXPECT_EQ(Vital(USER, slot, VITAL_SIGNING_BONUS), terms[0]);
    EXPECT_EQ(Vital(USER, slot, VITAL_SALARY), terms[1]);
    EXPECT_EQ(Vital(USER, slot, VITAL_CONTRACT_YEARS), terms[2]);
    EXPECT_EQ(Vital(USER, slot, VITAL_BONUS_YEARS), terms[3]);
}

namespace {
// The room the talk's cap text shows now, as the display shows it (the
// window is repainted only where it was invalidated), in dollars.
int64_t Read_Shown_Cap_Room(WINDOW_HANDLE dialog) {
    Update_Window(dialog);
    int64_t shown = INT64_MIN;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const std::string text = Get_Drawn_Text(i)->Text;
        const bool under = text.rfind("Room Under Salary Cap", 0) == 0;
        if (!under && text.rfind("Exceeding Salary Cap", 0) != 0) continue;
        int64_t room = 0;
        for (const char c : text.substr(text.find('$') + 1)) {
            if (c == '\n') break;
            if (c >= '0' && c <= '9') room = 10 * room + (c - '0');
        }
        shown = under ? room : -room;
    }
    Clear_Drawn_Texts();
    return shown;
}

int64_t League_Room_Dollars() {
    return Get_Universe_Stat(SALARY_CAP) / 1000 * 1000LL -
           1000LL * Get_Team_Financial_Stat(USER, FINANCE_PAYROLL);
}
} // namespace

// Two renewals in a row, the first with a release made from the report opened
// inside it: each talk shows the room its ACCEPT applies, and the second
// starts from the room the first left.
TEST_F(ContractOfferDialog, EachRenewalTalkShowsTheRoomItsAcceptApplies) {
    Set_User_Preference(OWNER_MODE, 0);
    Decide_Champion();
    const int32_t first = Test_League_Slot(POSITION_WR, 1), second = first + 4;
    ASSERT_TRUE(Is_Player_Slot_Used(USER, second));
    for (const int32_t slot : {first, second})
        Set_Player_Vital_Stat(USER, slot, VITAL_CONTRACT_YEARS, 1);
    const int32_t second_id = Get_Player_ID(USER, second);
    Universe.Header.Universe_Stats[SALARY_CAP] =
        1000 * (Get_Team_Financial_Stat(USER, FINANCE_PAYROLL) + 900);
    int64_t left = 0;
    Script_Dialog_Step([](WINDOW_HANDLE offer) {
        EXPECT_EQ(Read_Shown_Cap_Room(offer), League_Room_Dollars());
        Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON);
    });
    Script_Dialog_Step(Release_The_Player_Before);
    Script_Dialog_Step([&](WINDOW_HANDLE offer) {
        ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
        EXPECT_EQ(Read_Shown_Cap_Room(offer), League_Room_Dollars()) << "the release is in the room shown";
        Click_Dialog_Button(offer, ACCEPT_BUTTON);
        left = League_Room_Dollars();
    });
    EXPECT_EQ(Check_Renew_Contract(USER, first, 1), 1);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "only the release question";

    int32_t team = USER, slot = second;
    ASSERT_TRUE(Find_Player_Again(second_id, &team, &slot));
    const int32_t old_charge = Vital(USER, slot, VITAL_CAP_CHARGE);
    int64_t shown = 0;
    Script_Dialog_Step([&](WINDOW_HANDLE offer) {
        shown = Read_Shown_Cap_Room(offer);
        const int32_t raise = Vital(USER, slot, VITAL_CAP_CHARGE) - old_charge;
        EXPECT_EQ(shown, left - 1000LL * raise) << "the second talk starts from the room the first left";
        // The cap is moved to leave $1,000 less than the room shown.
        Universe.Header.Universe_Stats[SALARY_CAP] -= static_cast<int32_t>(shown + 1000);
        Click_Dialog_Button(offer, ACCEPT_BUTTON);
        ASSERT_EQ(Get_Shown_Messages().size(), 2u);
        EXPECT_EQ(Get_Shown_Messages().back().Text, "That contract would violate the salary cap by $1,000");
        Click_Dialog_Button(offer, DECLINE_BUTTON);
    });
    EXPECT_EQ(Check_Renew_Contract(USER, slot, 1), 0);
}

namespace {
// The contract terms the talk shows, as the display shows them.
std::string Read_Shown_Terms(WINDOW_HANDLE dialog) {
    Update_Window(dialog);
    std::string terms;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text).find("(Through ") != std::string::npos)
            terms = Get_Drawn_Text(i)->Text;
    Clear_Drawn_Texts();
    return terms;
}
} // namespace

// The user plays on once the champion is known: the renewal talk of his one
// expiring contract opens, he takes a year more than offered and accepts.
// Once the season has rolled over, the player is signed through the year the
// talk named, for the years of the extension it named.
TEST_F(ContractOfferDialog, ARenewalAcceptedAsTheSeasonEndsRunsThroughTheYearTheTalkNamed) {
    const PLAYING_FOLDER playing("renewal-season-end");
    Decide_Champion();
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    for (int32_t s = 0; s < Get_First_Empty_Player_Slot(USER); ++s)
        Set_Player_Vital_Stat(USER, s, VITAL_CONTRACT_YEARS, s == slot ? 1 : 3);
    const int32_t id = Get_Player_ID(USER, slot);
    const int32_t ended_year = Get_Current_Year();
    std::vector<std::string> terms;
    Script_Dialog_Step([&](WINDOW_HANDLE offer) {
        ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
        ASSERT_EQ(Get_Player_ID(USER, slot), id);
        while (Is_Shown_And_Enabled(offer, FEWER_YEARS_BUTTON))
            Click_Dialog_Button(offer, FEWER_YEARS_BUTTON);
        terms.push_back(Read_Shown_Terms(offer));
        Click_Dialog_Button(offer, MORE_YEARS_BUTTON);
        terms.push_back(Read_Shown_Terms(offer));
        Click_Dialog_Button(offer, ACCEPT_BUTTON);
    });
    Script_Message_Answer("Begin College Draft?", ID_BOX_NO);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_ONE_WEEK, 0);
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100) << "the off-season has begun";
    ASSERT_EQ(Get_Current_Year(), ended_year + 1);

    // The shortest renewal is one year past the ended season; the one taken two.
    ASSERT_EQ(terms.size(), 2u);
    EXPECT_NE(terms[0].find("\nOne Year Extension\n(Through " + std::to_string(ended_year + 1) + ")\n"),
              std::string::npos)
        << terms[0];
    EXPECT_NE(terms[1].find("\nTwo Year Extension\n(Through " + std::to_string(ended_year + 2) + ")\n"),
              std::string::npos)
        << terms[1];
    int32_t now = NO_PLAYER;
    ASSERT_TRUE(Find_Player_On_Team(id, USER, &now)) << "he signed";
    char through[FORMATTED_TEXT_SIZE];
    Format_Contract_End_Year(USER, now, through);
    EXPECT_EQ(std::string(through), std::to_string(ended_year + 2));
    EXPECT_EQ(Vital(USER, now, VITAL_CONTRACT_YEARS), 2) << "the years the roster lists show left";
}
