#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/dialog_lists.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "column_set_steps.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/column_sets.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/scouting_report.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "personnel/draft_state.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"
#include "support/layout_checks.h"
#include "support/report_steps.h"

namespace {
constexpr int32_t USER = 0;
constexpr int32_t VITAL_LOADED = 6;

class PlayerListDialog : public PlayerDialogsTest {
  protected:
    void SetUp() override {
        PlayerDialogsTest::SetUp();
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_User_Team(USER);
        Set_User_Preference(VIEWED_TEAM, USER);
        Player_List_Team_Filter = 0;
        Clear_Shown_Messages();
    }
};

WINDOW_HANDLE List_Of(WINDOW_HANDLE dialog) {
    return Get_Dialog_Item(dialog, PLAYER_LIST_VIEW);
}

int32_t Rows(WINDOW_HANDLE dialog) {
    return List_View_Get_Item_Count(List_Of(dialog));
}

int32_t Count_Listed_Players(int32_t first, int32_t last) {
    int32_t count = 0;
    for (int32_t team = first; team <= last; ++team)
        if (Is_Used_Franchise_Slot(team) || team == FREE_AGENT_TEAM)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                count += Is_Player_Slot_Used(team, slot) != 0 ? 1 : 0;
    return count;
}

// The selector line whose item data is `data`.
int32_t Selector_Line(WINDOW_HANDLE dialog, intptr_t data) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    for (int32_t line = 0; line < Combo_Box_Get_Count(selector); ++line)
        if (Combo_Box_Get_Item_Data(selector, line) == data) return line;
    return -1;
}

void Make_Free_Agents(int32_t count) {
    for (int32_t n = 0; n < count; ++n)
        Copy_Player(FREE_AGENT_TEAM, n, 20, n);
}

// Four free agents with ids of their own from `first_id` on (not those of
// the players they were copied from), whom the user can pay to sign, at a
// week when signing is allowed.
void Make_Signable_Free_Agents(int32_t first_id, int32_t ids[4]) {
    Make_Free_Agents(4);
    for (int32_t n = 0; n < 4; ++n) {
        ids[n] = first_id + n;
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_PLAYER_ID, ids[n]);
    }
    Set_User_Preference(CURRENT_WEEK, 3);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 90000000);
}

// The amount after the first "$" of a text, its thousands separators dropped.
int64_t Dollar_Amount(const std::string& text) {
    int64_t amount = 0;
    for (size_t n = text.find('$') + 1; n > 0 && n < text.size(); ++n)
        if (text[n] >= '0' && text[n] <= '9')
            amount = 10 * amount + (text[n] - '0');
        else if (text[n] != ',')
            break;
    return amount;
}

bool Message_Shown(const std::string& caption) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption) return true;
    return false;
}
} // namespace

TEST_F(PlayerListDialog, SortableStatsListsEveryActivePlayerSortsAndOpensAnyRowsReport) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(
            Get_Window_Text(dialog), "Sortable Stats: " + [] {
                char name[64];
                Get_Team_Full_Name(USER, name);
                return std::string(name);
            }());
        EXPECT_EQ(Rows(dialog), TEST_ROSTER_SIZE);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_COUNT_TEXT), "53 Players");
        Keep_Dialog_Picture(dialog, "sortable_stats");
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, Selector_Line(dialog, SCOPE_ALL_ACTIVE));
        EXPECT_EQ(Get_Window_Text(dialog), "Sortable Stats: All Active Players");
        EXPECT_EQ(Rows(dialog), Count_Listed_Players(0, FREE_AGENT_TEAM)) << "every player of the league";
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), -1);
        // Age, twice: descending, then ascending.
        Send_Window_Message(dialog, MSG_NOTIFY, PLAYER_LIST_VIEW, [&] {
            static NOTIFY_INFO click{};
            click.From = List_Of(dialog);
            click.From_Id = PLAYER_LIST_VIEW;
            click.Code = NOTIFY_COLUMN_CLICK;
            click.Sub_Item = COLUMN_AGE;
            return reinterpret_cast<intptr_t>(&click);
        }());
        const WINDOW_HANDLE list = List_Of(dialog);
        auto age = [&](int32_t row) {
            const intptr_t code = List_View_Get_Item_Data(list, row);
            return Get_Player_Age(static_cast<int32_t>(code / 100), static_cast<int32_t>(code % 100));
        };
        EXPECT_GE(age(0), age(Rows(dialog) - 1));
        // The report of the 100th row, then of the rows after it.
        const intptr_t code = List_View_Get_Item_Data(list, 99);
        List_View_Set_Item_State(list, 99, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_COUNT_TEXT),
                  "Player #100 of " + std::to_string(Rows(dialog)));
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, PLAYER_SCOUTING_BUTTON)));
        Script_Dialog_Step([code, list](WINDOW_HANDLE report) {
            EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM) * 100 +
                          Get_User_Preference(SELECTED_PLAYER_SLOT),
                      code);
            Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
            EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM) * 100 +
                          Get_User_Preference(SELECTED_PLAYER_SLOT),
                      List_View_Get_Item_Data(list, 100))
                << "Next steps down the list's rows";
            Click_Dialog_Button(report, ID_OK);
        });
        Click_Dialog_Button(dialog, PLAYER_SCOUTING_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0), 1);
    EXPECT_EQ(Player_List_Team_Filter, SCOPE_ALL_ACTIVE) << "the roster list remembers its scope";
    EXPECT_EQ(Get_User_Preference(241), COLUMN_AGE + 1) << "the sort column is saved with the set";
    EXPECT_EQ(Get_Last_Dialog_Id(), SCOUTING_REPORT_DIALOG) << "the report opened inside it";
}

// The list sorted by age: the default columns from the heading menu, and a
// group of the chooser, show the rows again in the order they were listed
// (slot by slot), unsorted, and the progress bar that filled them stays up,
// as the list's own fill leaves it; a column the chooser adds leaves the rows
// sorted and its own bar up.
TEST_F(PlayerListDialog, ColumnGroupsRefillInListedOrderAndLeaveTheProgressBarShown) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = List_Of(dialog);
        const WINDOW_HANDLE bar = Get_Dialog_Item(dialog, LIST_PROGRESS_BAR);
        auto in_slot_order = [list] {
            for (int32_t row = 1; row < List_View_Get_Item_Count(list); ++row)
                if (List_View_Get_Item_Data(list, row) < List_View_Get_Item_Data(list, row - 1)) return false;
            return true;
        };
        Send_List_Notice(dialog, PLAYER_LIST_VIEW, NOTIFY_COLUMN_CLICK, COLUMN_AGE);
        ASSERT_FALSE(in_slot_order()) << "sorted by age";
        EXPECT_TRUE(Is_Window_Shown(bar)) << "the list's own fill leaves its bar up over its rows";
        Choose_Default_Columns_From_Menu(dialog, PLAYER_LIST_VIEW);
        EXPECT_EQ(Shown_Column_Ids(list), Default_Column_Row(0));
        EXPECT_EQ(Rows(dialog), TEST_ROSTER_SIZE);
        EXPECT_TRUE(in_slot_order()) << "the default columns are not sorted";
        EXPECT_TRUE(Is_Window_Shown(bar)) << "the default columns leave the bar up";
        Keep_Dialog_Picture(dialog, "sortable_stats_default_columns");
        Send_List_Notice(dialog, PLAYER_LIST_VIEW, NOTIFY_COLUMN_CLICK, COLUMN_AGE);
        Send_List_Notice(dialog, PLAYER_LIST_VIEW, NOTIFY_COLUMN_CLICK, COLUMN_AGE);
        ASSERT_FALSE(in_slot_order());
        Script_Dialog_Step([&](WINDOW_HANDLE chooser) {
            const WINDOW_HANDLE box = Get_Dialog_Item(chooser, COLUMN_CHOOSER_LIST);
            int32_t weight = -1;
            for (int32_t line = 0; line < List_Box_Get_Count(box); ++line)
                if (List_Box_Get_Item_Data(box, line) == 13) weight = line;
            ASSERT_GE(weight, 0);
            List_Box_Set_Selection(box, true, weight);
            Send_Window_Message(box, MSG_LIST_SET_CARET_INDEX, static_cast<uintptr_t>(weight), 0);
            Send_Window_Message(chooser, MSG_COMMAND,
                                Pack_Command(COLUMN_CHOOSER_LIST, NOTIFY_LIST_SELECTION_CHANGE),
                                static_cast<intptr_t>(box));
            EXPECT_EQ(Shown_Column_Ids(list).back(), 13) << "Weight added at the end";
            EXPECT_FALSE(in_slot_order()) << "a column added keeps the rows sorted";
            EXPECT_TRUE(Is_Window_Shown(Get_Dialog_Item(chooser, LIST_PROGRESS_BAR)))
                << "the chooser's bar stays up";
            Click_Dialog_Button(chooser, 1344);
            EXPECT_EQ(Shown_Column_Ids(list), Default_Column_Row(12)) << "the Kicking group";
            EXPECT_TRUE(in_slot_order()) << "a group is not sorted";
            Click_Dialog_Button(chooser, ID_OK);
        });
        Click_Dialog_Button(dialog, PLAYER_EDIT_COLUMNS_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0), 1);
}

// A player list with a title line shows the user's team there in capitals,
// after a blank; in Commissioner Mode the team it views.
TEST_F(PlayerListDialog, TheTitleLineNamesTheUsersTeamOrInCommissionerModeTheViewedOne) {
    auto upper = [](int32_t team) {
        char name[64];
        Get_Team_Full_Name(team, name);
        std::string text = std::string(" ") + name;
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    Script_Dialog_Step([&upper](WINDOW_HANDLE dialog) {
        Update_User_Team_Title(dialog); // no title line: nothing to write
        Create_Window(Get_Control_Class_Name(CONTROL_STATIC_TEXT), "", WINDOW_CHILD | WINDOW_VISIBLE,
                      {10, 10, 200, 24}, dialog, PLAYER_TITLE_LINE, 0);
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, Selector_Line(dialog, TEAM_ITEM_DATA_BASE + 7));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_TITLE_LINE), upper(USER)) << "the user's team";
        Set_User_Preference(COMMISSIONER_MODE, 1);
        Update_User_Team_Title(dialog);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_TITLE_LINE), upper(7)) << "the viewed team";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
}

TEST_F(PlayerListDialog, HeadingLineOfTheSelectorTakesTheLineBelowIt) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const int32_t last_team = Count_Active_Teams() - 1;
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, Selector_Line(dialog, TEAM_ITEM_DATA_BASE + last_team));
        EXPECT_EQ(Player_List_Data.Team_Filter, last_team);
        const int32_t heading = Selector_Line(dialog, SCOPE_HEADING);
        ASSERT_EQ(heading, last_team + 1);
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, heading);
        const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
        EXPECT_EQ(Combo_Box_Get_Current_Selection(selector), heading + 1);
        EXPECT_EQ(Player_List_Data.Team_Filter, Combo_Box_Get_Item_Data(selector, heading + 1));
        // From a scope that is no single team the heading goes back up to a team.
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, heading);
        EXPECT_EQ(Player_List_Data.Team_Filter, last_team);
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, 3);
        EXPECT_EQ(Player_List_Data.Team_Filter, 3);
        // Choosing a heading away from the team shown changes nothing.
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, heading);
        EXPECT_EQ(Combo_Box_Get_Current_Selection(selector), 3);
        EXPECT_EQ(Player_List_Data.Team_Filter, 3);
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, PLAYER_VIEW_MY_TEAM_BUTTON);
        EXPECT_EQ(Player_List_Data.Team_Filter, USER);
        Click_Dialog_Button(dialog, PLAYER_VIEW_MY_TEAM_BUTTON);
        EXPECT_TRUE(Message_Shown("View My Team")) << "already shown";
        // Escape closes the list as Done does.
        Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(ID_CANCEL, NOTIFY_BUTTON_CLICKED), 0);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0), 1);
}

TEST_F(PlayerListDialog, ReleaseFollowsTheRosterMinimumAndTheDraftsPicks) {
    auto note_and_release = [](std::string* note, bool* enabled) {
        Script_Dialog_Step([note, enabled](WINDOW_HANDLE dialog) {
            List_View_Set_Item_State(List_Of(dialog), 0, ITEM_SELECTED, ITEM_SELECTED);
            *note = Get_Dialog_Item_Text(dialog, PLAYER_ROSTER_NOTE);
            *enabled = Is_Window_Enabled(Get_Dialog_Item(dialog, PLAYER_ACTION_BUTTON));
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    };
    std::string note;
    bool enabled = false;
    note_and_release(&note, &enabled);
    EXPECT_TRUE(enabled) << "53 players: one may go";
    EXPECT_EQ(note, "Drag the corner of this dialog box to make it wider as needed.");
    Delete_Player(USER, 52);
    Delete_Player(USER, 51);
    note_and_release(&note, &enabled);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(note, "This team is at the minimum of 51 players on the roster.");
    // The college draft runs and the team still holds three picks: 48 will do.
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    for (int32_t round = 0; round < 7; ++round)
        for (int32_t issuer = 0; issuer < 36; ++issuer)
            Universe.Draft_Pick_Owner[0][round][issuer] = round >= 4 && issuer == USER ? USER : 1;
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 5, 0);
    ASSERT_EQ(Is_College_Draft_Underway(), 1);
    Delete_Player(USER, 50);
    Delete_Player(USER, 49);
    note_and_release(&note, &enabled);
    EXPECT_TRUE(enabled) << "49 players, the draft will bring three";
    Delete_Player(USER, 48);
    note_and_release(&note, &enabled);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(note, "This team is at the minimum of 48 players on the roster.");
    Delete_Player(USER, 47);
    note_and_release(&note, &enabled);
    EXPECT_EQ(note, "This team is below the minimum roster size.");
    // A draft left running over an emptied pool ends at the list's first look,
    // and the team's picks no longer lower the minimum.
    Delete_Player(FIRST_COLLEGE_POOL_TEAM, 0);
    Clear_Shown_Messages();
    note_and_release(&note, &enabled);
    EXPECT_TRUE(Message_Shown("College Draft")) << "the draft's end is told";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 7);
    EXPECT_EQ(note, "This team is below the minimum roster size.") << "47 players against 51";
    Set_User_Preference(DRAFT_ROUND, 7);
    for (int32_t slot = 47; slot < 95; ++slot)
        Copy_Player(USER, slot, 9, slot - 47);
    note_and_release(&note, &enabled);
    EXPECT_EQ(note, "Teams may not have more than 100 players under contract.") << "95 players";
    // Another team's roster cannot be released from.
    Set_User_Preference(VIEWED_TEAM, 4);
    note_and_release(&note, &enabled);
    EXPECT_FALSE(enabled) << "a computer team";
}

TEST_F(PlayerListDialog, ReleaseAsksFirstAndTheListFollows) {
    const int32_t id = Get_Player_ID(USER, 10);
    Script_Message_Answer("Release Player?", ID_BOX_NO);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Select_Listview_Player(List_Of(dialog), USER, 10);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        EXPECT_EQ(Rows(dialog), TEST_ROSTER_SIZE) << "No keeps him";
        Select_Listview_Player(List_Of(dialog), USER, 10);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        EXPECT_EQ(Rows(dialog), TEST_ROSTER_SIZE - 1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), id) << "released to the free agents";
}

TEST_F(PlayerListDialog, FreeAgentSigningIsRefusedOrCompletedOrPutBack) {
    Make_Free_Agents(6);
    Set_User_Preference(OWNER_MODE, 1); // the team's own cash counts
    // No team of the user's own: the list does not open.
    Set_User_Preference(USER_TEAM, -128);
    EXPECT_EQ(Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0), 0);
    EXPECT_TRUE(Message_Shown("Can't sign"));
    Set_User_Team(USER);
    // The first free agent's code and contract as the list shows him, then Sign.
    struct SIGNING {
        int32_t Code = -1;
        int32_t Count = 0;
        int32_t Contract[4] = {};
    };
    static constexpr int32_t KEPT[] = {VITAL_SALARY, VITAL_CONTRACT_YEARS, VITAL_BONUS_YEARS,
                                       VITAL_SIGNING_BONUS};
    auto sign_first = [](const std::string& picture) {
        SIGNING* signing = new SIGNING;
        Script_Dialog_Step([signing, picture](WINDOW_HANDLE dialog) {
            EXPECT_EQ(Get_Window_Text(dialog), "Free Agents");
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_ACTION_BUTTON), "Sign");
            EXPECT_EQ(Get_Dialog_Item(dialog, TEAM_SELECTOR), NO_WINDOW) << "no team to choose";
            List_View_Set_Item_State(List_Of(dialog), 0, ITEM_SELECTED, ITEM_SELECTED);
            signing->Code = static_cast<int32_t>(List_View_Get_Item_Data(List_Of(dialog), 0));
            signing->Count = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
            for (int32_t i = 0; i < 4; ++i)
                signing->Contract[i] = Get_Player_Vital_Stat(FREE_AGENT_TEAM, signing->Code % 100, KEPT[i]);
            if (!picture.empty()) Keep_Dialog_Picture(dialog, picture);
            Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
        const SIGNING result = *signing;
        delete signing;
        return result;
    };
    // After the transaction deadline, and while in debt, nobody signs.
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 13);
    Clear_Shown_Messages();
    SIGNING signing = sign_first("free_agents");
    EXPECT_TRUE(Message_Shown("Trading Deadline"));
    Set_User_Preference(CURRENT_WEEK, 3);
    Set_Team_Financial_Stat(USER, FINANCE_CASH, -1);
    signing = sign_first("");
    EXPECT_TRUE(Message_Shown("Debt"));
    EXPECT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), signing.Count) << "nobody left";
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 5000000);
    // A full roster: the offer is agreed but the move fails; his contract comes back.
    for (int32_t slot = TEST_ROSTER_SIZE; slot < PLAYERS_PER_TEAM; ++slot)
        Copy_Player(USER, slot, 11, slot - TEST_ROSTER_SIZE);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    signing = sign_first("");
    EXPECT_TRUE(Message_Shown("Too Many Players"));
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, signing.Code % 100, KEPT[i]), signing.Contract[i])
            << "vital " << KEPT[i];
    // With room he joins, a season line of this year opened for him.
    for (int32_t s = PLAYERS_PER_TEAM - 1; s >= TEST_ROSTER_SIZE; --s)
        Delete_Player(USER, s);
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    int32_t id = 0;
    Script_Dialog_Step([&id](WINDOW_HANDLE dialog) {
        id = Get_Player_ID(FREE_AGENT_TEAM,
                           static_cast<int32_t>(List_View_Get_Item_Data(List_Of(dialog), 0) % 100));
    });
    signing = sign_first("");
    int32_t joined = -1;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(USER, s) != 0 && Get_Player_ID(USER, s) == id) joined = s;
    ASSERT_GE(joined, 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), signing.Count - 1);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, joined, VITAL_LOADED), 0);
    EXPECT_EQ(Player_Has_Season_Line_Year(USER, joined, Get_Current_Year()), 1);
}

// A signing foretells the cap room left after it; once he has joined, the
// list shows that room. The roster is past the 51 players the cap counts, so
// the newcomer pushes a counted charge out; his charge carries a bonus spread
// over fewer years than he asked.
TEST_F(PlayerListDialog, ASigningLeavesTheCapRoomItsOfferForetold) {
    Make_Free_Agents(3);
    Set_User_Preference(OWNER_MODE, 1);
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 90000000);
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 3);
    ASSERT_GT(Get_First_Empty_Player_Slot(USER), 51);
    Universe.Header.Universe_Stats[SALARY_CAP] =
        1000 * (Get_Team_Financial_Stat(USER, FINANCE_PAYROLL) + 60000);
    int64_t foretold = -1, shown = -1;
    Script_Dialog_Step([&shown](WINDOW_HANDLE dialog) {
        List_View_Set_Item_State(List_Of(dialog), 0, ITEM_SELECTED, ITEM_SELECTED);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        const std::string line = Get_Dialog_Item_Text(dialog, PLAYER_CAP_LINE);
        EXPECT_EQ(line.rfind("Room Under Salary Cap: $", 0), 0u) << line;
        shown = Dollar_Amount(line);
        Keep_Dialog_Picture(dialog, "free_agents_after_signing");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Dialog_Step([&foretold](WINDOW_HANDLE offer) {
        Click_Dialog_Button(offer, FEWER_YEARS_BUTTON);
        Click_Dialog_Button(offer, BIGGER_BONUS_BUTTON);
        Clear_Drawn_Texts();
        Invalidate_Window(offer, nullptr);
        Keep_Dialog_Picture(offer, "contract_offer_cap_room");
        for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
            const std::string text = Get_Drawn_Text(i)->Text;
            if (text.find("(After signing this player)") != std::string::npos) foretold = Dollar_Amount(text);
        }
        Click_Dialog_Button(offer, ACCEPT_BUTTON);
    });
    Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
    ASSERT_EQ(Get_First_Empty_Player_Slot(USER), TEST_ROSTER_SIZE + 1) << "he joined";
    EXPECT_GT(foretold, 0);
    EXPECT_EQ(foretold, shown);
    EXPECT_EQ(shown, 1000LL * (Get_Universe_Stat(SALARY_CAP) / 1000 -
                               Get_Team_Financial_Stat(USER, FINANCE_PAYROLL)))
        << "the room the league holds";
}

TEST_F(PlayerListDialog, CollegeDraftListShowsThePoolAndDraftsOnlyWhileTheDraftRuns) {
    for (int32_t n = 0; n < 4; ++n) {
        Copy_Player(FIRST_COLLEGE_POOL_TEAM + n % 3, n / 3, 12, n);
        Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM + n % 3, n / 3, VITAL_CREDITED_SEASONS, -1);
    }
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Window_Text(dialog), "College Draft");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PLAYER_ACTION_BUTTON), "Draft");
        EXPECT_EQ(Rows(dialog), 4);
        EXPECT_EQ(Get_Dialog_Item(dialog, STAT_SEASON_COMBO), NO_WINDOW);
        List_View_Set_Item_State(List_Of(dialog), 0, ITEM_SELECTED, ITEM_SELECTED);
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, PLAYER_SCOUTING_BUTTON)));
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, PLAYER_ACTION_BUTTON))) << "no draft runs";
        Keep_Dialog_Picture(dialog, "college_draft");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, COLLEGE_DRAFT_DIALOG, 0), 1);
    EXPECT_EQ(Player_List_Kind, PLAYER_LIST_COLLEGE_DRAFT);
}

TEST_F(PlayerListDialog, GoGetOnAProspectFromTheDraftListOpensNoSecondList) {
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 12, 0);
    Set_User_Preference(CURRENT_WEEK, 3);
    int32_t opened = 0;
    Script_Dialog_Step([&opened](WINDOW_HANDLE dialog) {
        List_View_Set_Item_State(List_Of(dialog), 0, ITEM_SELECTED, ITEM_SELECTED);
        Script_Dialog_Step([](WINDOW_HANDLE report) {
            EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(report, REPORT_GO_GET_BUTTON)));
            // Go Get for a prospect closes the report for the free-agent
            // list, which must not open inside the list that is open.
            Send_Window_Message(report, MSG_COMMAND,
                                Pack_Command(REPORT_GO_GET_BUTTON, NOTIFY_BUTTON_CLICKED), 0);
        });
        opened = Count_Dialogs_Opened();
        Click_Dialog_Button(dialog, PLAYER_SCOUTING_BUTTON);
        opened = Count_Dialogs_Opened() - opened;
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the list is still the one open";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, COLLEGE_DRAFT_DIALOG, 0);
    EXPECT_EQ(opened, 1) << "the report alone";
}

// During a fantasy draft the Drafted and Undrafted lists take the players of
// every team and pool (never the Hall of Fame's). The progress bar stays up
// over a list it filled and is hidden when no row was listed.
TEST_F(PlayerListDialog, FantasyDraftListsTakeEveryPoolAndTheBarStaysOverFilledRows) {
    constexpr int32_t SECOND_POOL = FIRST_COLLEGE_POOL_TEAM + 1;
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 12, 0);
    Copy_Player(SECOND_POOL, 0, 13, 0);
    Copy_Player(HALL_OF_FAME_TEAM, 0, 14, 0);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) != 0) Set_Player_Vital_Stat(team, slot, 26, -128);
    // A prospect of the first pool is already taken by team 5.
    Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM, 0, 26, 5);
    const int32_t prospect_position = Get_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM, 0, VITAL_POSITION);
    Script_Dialog_Step([prospect_position](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = List_Of(dialog);
        const WINDOW_HANDLE bar = Get_Dialog_Item(dialog, LIST_PROGRESS_BAR);
        auto listed = [list](int32_t team) {
            return Send_Window_Message(list, MSG_LIST_VIEW_FIND_ITEM_DATA, static_cast<uintptr_t>(-1),
                                       team * PLAYERS_PER_TEAM) >= 0;
        };
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, Selector_Line(dialog, SCOPE_FANTASY_DRAFTED));
        EXPECT_EQ(Get_Window_Text(dialog), "Sortable Stats: Drafted Players");
        ASSERT_EQ(Rows(dialog), 1) << "the prospect team 5 drafted";
        EXPECT_EQ(List_View_Get_Item_Data(list, 0), FIRST_COLLEGE_POOL_TEAM * PLAYERS_PER_TEAM);
        EXPECT_TRUE(Is_Window_Shown(bar)) << "a filled list keeps its bar up";
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, (prospect_position + 1) % 15);
        EXPECT_EQ(Rows(dialog), 0);
        EXPECT_FALSE(Is_Window_Shown(bar)) << "no row: the bar is hidden";
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, 15);
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, Selector_Line(dialog, SCOPE_FANTASY_UNDRAFTED));
        EXPECT_EQ(Rows(dialog), Count_Listed_Players(0, FREE_AGENT_TEAM) + 1)
            << "every undrafted player of the league and the pools";
        EXPECT_TRUE(listed(SECOND_POOL)) << "the second pool's prospect";
        EXPECT_FALSE(listed(FIRST_COLLEGE_POOL_TEAM)) << "already drafted";
        EXPECT_FALSE(listed(HALL_OF_FAME_TEAM));
        EXPECT_TRUE(Is_Window_Shown(bar));
        Keep_Dialog_Picture(dialog, "sortable_stats_undrafted_players");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
}

TEST_F(PlayerListDialog, CapLinesAndFantasyPicks) {
    char line[256];
    Universe.Header.Universe_Stats[SALARY_CAP] = 200000000;
    Set_Team_Financial_Stat(USER, FINANCE_PAYROLL, 198500);
    Format_Payroll_Line(line, sizeof line, 1500, USER);
    EXPECT_STREQ(line, "$1,500,000 under salary cap");
    Format_Payroll_Line(line, sizeof line, -2250, USER);
    EXPECT_STREQ(line, "$2,250,000 OVER salary cap");
    Format_Payroll_Line(line, sizeof line, 0, USER);
    EXPECT_STREQ(line, "$0,000 OVER salary cap");
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Vital_Stat(USER, slot, 26, slot < 3 ? 5 : -128);
    Format_Fantasy_Picks_Text(line, sizeof line, 5);
    EXPECT_STREQ(line, "2 QB, 1 RB") << "team 5 took the first three players of team 0";
    Format_Fantasy_Picks_Text(line, sizeof line, 6);
    EXPECT_STREQ(line, "None");
    // Team 0 on the clock, marked as the taker of most of the league, three
    // figures at every position: its picks block still reads whole.
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const std::string note = Get_Dialog_Item_Text(dialog, PLAYER_ROSTER_NOTE);
        EXPECT_EQ(note.rfind("Comets Picks: 62 QB, 93 RB, ", 0), 0u) << note;
        EXPECT_EQ(note.substr(note.size() - 10), "31 K, 31 P");
        EXPECT_EQ(Join_Faults(Find_Control_Layout_Faults(dialog)), "");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    Format_Player_List_Caption(line, sizeof line, 7777);
    EXPECT_STREQ(line, "Sortable Stats");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Player_List_Data.Team_Filter = 7777;
        Refresh_Player_List_Dialog(NO_WINDOW);
        EXPECT_EQ(Rows(dialog), 0) << "an unknown scope lists nobody";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
}

// Inside the talk with one free agent the user signs, from the talk's report,
// the free agent listed above him: the talk's player moves up a slot, and
// accepting his own talk signs him, not the player who took his slot.
TEST_F(PlayerListDialog, ASigningInsideAnotherTalkStillSignsThatTalksOwnPlayer) {
    int32_t ids[4];
    Make_Signable_Free_Agents(900000, ids);
    Script_Dialog_Step([](WINDOW_HANDLE list) {
        Select_Listview_Player(List_Of(list), FREE_AGENT_TEAM, 2);
        Click_Dialog_Button(list, PLAYER_ACTION_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE offer) { Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON); });
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE inner_offer) { Click_Dialog_Button(inner_offer, ACCEPT_BUTTON); });
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), USER) << "the report follows the signing";
        Click_Dialog_Button(report, ID_OK);
    });
    Script_Dialog_Step([&ids](WINDOW_HANDLE offer) {
        ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), 1) << "the talk follows its player";
        EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), ids[2]);
        Click_Dialog_Button(offer, ACCEPT_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE list) { Click_Dialog_Button(list, ID_OK); });
    Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
    auto team_of = [](int32_t id) {
        for (int32_t team : {USER, FREE_AGENT_TEAM})
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(team, slot) != 0 && Get_Player_ID(team, slot) == id) return team;
        return -1;
    };
    EXPECT_EQ(team_of(ids[0]), FREE_AGENT_TEAM);
    EXPECT_EQ(team_of(ids[1]), USER) << "signed inside the talk";
    EXPECT_EQ(team_of(ids[2]), USER) << "the talk's own player";
    EXPECT_EQ(team_of(ids[3]), FREE_AGENT_TEAM) << "the player who took his slot";
}

// Scouting on the third free agent, the report stepped back to a free agent
// before him, who is signed there: the row selected in the list stays on the
// scouted player, and Sign talks with him and signs him.
TEST_F(PlayerListDialog, ASigningFromTheReportLeavesTheSelectedRowOnItsPlayer) {
    int32_t ids[4];
    Make_Signable_Free_Agents(910000, ids);
    int32_t scouted = 0, signed_there = 0, after = 0;
    Script_Dialog_Step([&](WINDOW_HANDLE list) {
        scouted = Get_Player_ID(FREE_AGENT_TEAM, 2);
        after = Get_Player_ID(FREE_AGENT_TEAM, 3);
        Select_Listview_Player(List_Of(list), FREE_AGENT_TEAM, 2);
        Script_Dialog_Step([&](WINDOW_HANDLE report) {
            Script_Dialog_Step([](WINDOW_HANDLE offer) { Click_Dialog_Button(offer, ACCEPT_BUTTON); });
            signed_there = Sign_An_Earlier_Free_Agent(report);
        });
        Click_Dialog_Button(list, PLAYER_SCOUTING_BUTTON);
        int32_t team = -1, slot = -1;
        ASSERT_GE(Get_Listview_Selected_Player(List_Of(list), &team, &slot), 0);
        EXPECT_EQ(Get_Player_ID(team, slot), scouted) << "the selected row follows him";
        Script_Dialog_Step([&scouted](WINDOW_HANDLE offer) {
            EXPECT_EQ(Get_Player_ID(Get_User_Preference(SELECTED_PLAYER_TEAM),
                                    Get_User_Preference(SELECTED_PLAYER_SLOT)),
                      scouted)
                << "the talk is with the scouted player";
            Click_Dialog_Button(offer, ACCEPT_BUTTON);
        });
        Click_Dialog_Button(list, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(list, ID_OK);
    });
    Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
    EXPECT_EQ(Team_Of_Player(signed_there), USER) << "signed from the report";
    EXPECT_EQ(Team_Of_Player(scouted), USER) << "signed from the list";
    EXPECT_EQ(Team_Of_Player(after), FREE_AGENT_TEAM) << "the free agent who moved into his slot";
}

namespace {
int32_t Shown_Player_ID() {
    return Get_Player_ID(Get_User_Preference(SELECTED_PLAYER_TEAM),
                         Get_User_Preference(SELECTED_PLAYER_SLOT));
}
} // namespace

// Inside the talk with the third free agent the user signs, from the talk's
// report, the free agent before him, then declines the talk: the list, built
// again, keeps its row on the talk's player, and Sign talks with him again
// and signs him, not the free agent who moved into his slot.
TEST_F(PlayerListDialog, ADeclinedTalkThatSignedAnotherLeavesTheRowOnTheTalksPlayer) {
    int32_t ids[4];
    Make_Signable_Free_Agents(940000, ids);
    Script_Dialog_Step([&ids](WINDOW_HANDLE list) {
        Select_Listview_Player(List_Of(list), FREE_AGENT_TEAM, 2);
        Script_Dialog_Step([](WINDOW_HANDLE offer) {
            Script_Dialog_Step([](WINDOW_HANDLE report) {
                Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
                Script_Dialog_Step([](WINDOW_HANDLE inner) { Click_Dialog_Button(inner, ACCEPT_BUTTON); });
                Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
                Click_Dialog_Button(report, ID_OK);
            });
            Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON);
            Click_Dialog_Button(offer, DECLINE_BUTTON);
        });
        Click_Dialog_Button(list, PLAYER_ACTION_BUTTON);
        ASSERT_EQ(Team_Of_Player(ids[1]), USER) << "signed inside the talk";
        int32_t team = -1, slot = -1;
        ASSERT_GE(Get_Listview_Selected_Player(List_Of(list), &team, &slot), 0);
        EXPECT_EQ(Get_Player_ID(team, slot), ids[2]) << "the row stays on the talk's player";
        Script_Dialog_Step([](WINDOW_HANDLE offer) { Click_Dialog_Button(offer, ACCEPT_BUTTON); });
        Click_Dialog_Button(list, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(list, ID_OK);
    });
    Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
    EXPECT_EQ(Team_Of_Player(ids[0]), FREE_AGENT_TEAM);
    EXPECT_EQ(Team_Of_Player(ids[1]), USER);
    EXPECT_EQ(Team_Of_Player(ids[2]), USER) << "the talk's player, signed from his row";
    EXPECT_EQ(Team_Of_Player(ids[3]), FREE_AGENT_TEAM) << "the free agent who moved into his slot";
}

// The report of the roster's last player, opened from the list; a talk with
// him releases the player before him from the talk's own report, and is
// declined. The report's steps follow the list's rows as they were filled:
// Next from him wraps to the first row's player (not to the last slot, now
// empty), Previous passes over the released player's row, and Release
// releases the player shown.
TEST_F(PlayerListDialog, TheReportsStepsAfterATalkThatMovedPlayersFollowTheListsRows) {
    const int32_t last = Get_First_Empty_Player_Slot(USER) - 1;
    // He earns less than he asks, so he may talk.
    Set_Player_Vital_Stat(USER, last, VITAL_SALARY, 1);
    Set_User_Preference(CURRENT_WEEK, 3);
    const int32_t first = Get_Player_ID(USER, 0), talked = Get_Player_ID(USER, last);
    const int32_t released = Get_Player_ID(USER, last - 1), before = Get_Player_ID(USER, last - 2);
    Script_Dialog_Step([&](WINDOW_HANDLE list) {
        ASSERT_EQ(Rows(list), last + 1);
        Select_Listview_Player(List_Of(list), USER, last);
        Script_Dialog_Step([&](WINDOW_HANDLE report) {
            Script_Dialog_Step([](WINDOW_HANDLE offer) {
                ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
                Script_Dialog_Step(Release_The_Player_Before);
                Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON);
                Click_Dialog_Button(offer, DECLINE_BUTTON);
            });
            Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
            ASSERT_EQ(Team_Of_Player(released), FREE_AGENT_TEAM) << "released inside the talk";
            EXPECT_EQ(Shown_Player_ID(), talked) << "the report follows him";
            Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
            EXPECT_EQ(Shown_Player_ID(), first) << "the last row wraps to the first";
            Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
            EXPECT_EQ(Shown_Player_ID(), talked);
            Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
            EXPECT_EQ(Shown_Player_ID(), before) << "the released player's row is passed over";
            Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
            Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
            Release_The_Shown_Player(report);
            if (Is_Window(report)) Click_Dialog_Button(report, ID_OK);
        });
        Click_Dialog_Button(list, PLAYER_SCOUTING_BUTTON);
        Click_Dialog_Button(list, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    EXPECT_EQ(Team_Of_Player(first), FREE_AGENT_TEAM) << "the player Next showed was released";
    EXPECT_EQ(Team_Of_Player(talked), USER);
    EXPECT_EQ(Team_Of_Player(before), USER);
}
