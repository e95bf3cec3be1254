#include <gtest/gtest.h>

#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "dialogs/college_draft_pick.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/trading_block_dialog.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/trade_offer.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/player_generation.h"
#include "platform/dialogs.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/playoff_seeding.h"
#include "support/computer_league.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/test_league.h"

namespace {
constexpr int32_t USER = TEST_LEAGUE_TEAMS - 1; // the worst record: first on the clock
constexpr int32_t DRAFT_YEAR = TEST_BASE_YEAR + 1;
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

// The computer league after its season, team t with 17 - t / 2 wins; the
// user runs team 31. A pool of 60 prospects waits for the draft, none of them
// a kicker, punter or fullback (whom a team may find worth nothing), so every
// pick takes a player until the pool runs dry in the second round.
void Prepare_User_Draft() {
    Seed_Random_Numbers(3);
    Clear_Playoff_Bracket();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_WINS, 17 - team / 2);
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_LOSSES, team / 2);
        Set_Team_Yearly_Int(team, 0, 2, team);
    }
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_User_Preference(CURRENT_WEEK, 100);
    Reset_Draft_Pick_Ownership();
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    constexpr int32_t POSITIONS[] = {POSITION_QB, POSITION_RB, POSITION_TE, POSITION_WR,
                                     POSITION_T,  POSITION_G,  POSITION_C,  POSITION_DE,
                                     POSITION_DT, POSITION_LB, POSITION_CB, POSITION_S};
    for (int32_t n = 0; n < 60; ++n)
        Fabricate_Position_Player(POOL, n, POSITIONS[n % 12], 0);
    Supply_Team_Records_File();
    Clear_Shown_Messages();
}

void Start_User_Draft() {
    Build_Computer_League();
    Prepare_User_Draft();
}

// The same draft over the frame, where the lists are windows the user sees.
class CollegeDraftWindow : public ComputerLeagueDialogTest {
  protected:
    CollegeDraftWindow() : ComputerLeagueDialogTest(USER) {}
    void Prepare_League() override { Prepare_User_Draft(); }
};

int32_t Find_Slot(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_ID(team, slot) == id) return slot;
    return -1;
}

int32_t Count_Drafted_By(int32_t team) {
    int32_t count = 0;
    For_Each_League_Player([team, &count](int32_t t, int32_t slot) {
        if (Get_Player_Vital_Stat(t, slot, VITAL_DRAFT_RECORD) == (team + 1) * 10000 + DRAFT_YEAR) ++count;
    });
    return count;
}
} // namespace

TEST(CollegeDraftPick, UserOnTheClockPicksFromTheScriptedList) {
    Start_User_Draft();
    Finish_Off_Season();
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 0);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0) << "the draft waits for the user's first pick";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Round 1: Pick #1");
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(USER, name);
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              std::string(name) + ": Make your draft pick.\n\n(Choose 'College Draft' from 'Players' menu.)");

    // The list closed without a choice drafts nobody, and an empty pool slot
    // is refused.
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    EXPECT_EQ(Draft_Pool_Player_For_User(POOL + 1, 5), 0);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    EXPECT_EQ(Count_Draft_Pool_Players(), 60);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "That player is not in the draft pool, so nobody was drafted.");

    // The user takes pool player 7 from the list and agrees his rookie terms:
    // he joins, the computer makes the next 31 picks and the user is on the
    // clock again.
    const int32_t id = Get_Player_ID(POOL, 7);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, ANY_POSITION);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), POOL, 7);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    const int32_t slot = Find_Slot(USER, id);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_DRAFT_SLOT), 101001);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_CONTRACT_YEARS), 4);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_BONUS_YEARS), 4)
        << "the rookie terms went to the offer";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 1);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    EXPECT_EQ(Count_Draft_Pool_Players(), 60 - TEST_LEAGUE_TEAMS);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Round 2: Pick #1");

    // End Draft: the computer makes every remaining pick, the user's too, and
    // the pool running dry ends the draft into the new season.
    Clear_Shown_Messages();
    Script_Message_Answer("End College Draft?", ID_BOX_YES);
    Do_Main_Window_Command(NO_WINDOW, ID_PLAY_END_DRAFT);
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Count_Drafted_By(USER), 2) << "one pick of the user's, one made for him";
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "College Draft") << "the pool ran dry in round 2";
}

// The user on the clock with 100 players picks from the list: the talk about
// the pick's terms comes first, and only then is he told that his roster is
// full; nobody is drafted and the clock stays.
TEST(CollegeDraftPick, AFullRosterIsToldAfterThePicksTermsAreAgreed) {
    Start_User_Draft();
    Finish_Off_Season();
    ASSERT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    for (int32_t slot = Get_First_Empty_Player_Slot(USER); slot < PLAYERS_PER_TEAM; ++slot)
        Fabricate_Position_Player(USER, slot, POSITION_LB, 0);
    ASSERT_EQ(Get_First_Empty_Player_Slot(USER), PLAYERS_PER_TEAM);
    Clear_Shown_Messages();
    bool talked = false;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, ANY_POSITION);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), POOL, 7);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Dialog_Step([&talked](WINDOW_HANDLE talk) {
        talked = Get_Dialog_Template_Id(talk) == CONTRACT_OFFER_DIALOG;
        EXPECT_TRUE(Get_Shown_Messages().empty()) << "nothing is told before the talk";
        End_Dialog(talk, 1);
    });
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    EXPECT_TRUE(talked) << "the pick's terms are talked over first";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Too Many Players");
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0) << "the user is still on the clock";
    EXPECT_EQ(Count_Draft_Pool_Players(), 60);
    EXPECT_EQ(Get_First_Empty_Player_Slot(USER), PLAYERS_PER_TEAM);
}

TEST(CollegeDraftPick, NoHumanTeamIsOnTheClockWhileSeasonsAreSimulated) {
    Start_User_Draft();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Finish_Off_Season();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Count_Drafted_By(USER), 2);
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        EXPECT_EQ(message.Caption.rfind("Round", 0), std::string::npos) << message.Caption;
}

// The champion picks last in every round: his pick that ends the seventh
// round ends the draft, and the board, not the new season's standings, shows
// it; the trade offer is cleared for the season.
TEST(CollegeDraftPick, TheChampionsLastPickEndsTheDraftOnTheBoard) {
    Start_User_Draft();
    Set_Playoff_Team(30, USER);
    Finish_Off_Season();
    ASSERT_EQ(Get_User_Preference(DRAFT_ROUND), 0);
    ASSERT_EQ(Get_User_Preference(DRAFT_PICK), TEST_LEAGUE_TEAMS - 1) << "the champion picks last";
    ASSERT_EQ(Get_Draft_Pick_On_The_Clock_Owner(), USER);
    Set_User_Preference(DRAFT_ROUND, 6);
    Current_Trade_Offer.Team[0] = static_cast<uint8_t>(USER);
    Current_Trade_Offer.Items[0][0] = 3;
    int32_t pool_team = 0, pool_slot = 0;
    ASSERT_TRUE(Get_Draft_Pool_Player(0, &pool_team, &pool_slot));
    const int32_t id = Get_Player_ID(pool_team, pool_slot);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    Script_Dialog_Step([pool_team, pool_slot](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, ANY_POSITION);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), pool_team, pool_slot);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    const int32_t slot = Find_Slot(USER, id);
    ASSERT_GE(slot, 0) << "drafted";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_DRAFT_SLOT) / 1000, 732) << "round 7, pick 32";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the new season is set up";
    EXPECT_EQ(Get_User_Preference(CURRENT_VIEW), 40070) << "the draft board shows the last pick";
    EXPECT_EQ(Current_Trade_Offer.Team[0], NO_TEAM);
    EXPECT_EQ(Current_Trade_Offer.Items[0][0], 255);
}

// The user cannot pay the bonus of the player he picks and answers that he
// will go to the Trading Block: the list and the talk close, the block opens
// empty, and nobody has been drafted.
TEST(CollegeDraftPick, GoingToTheTradingBlockFromThePicksTalkClosesTheListAndOpensTheBlock) {
    Start_User_Draft();
    Finish_Off_Season();
    ASSERT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 0);
    Current_Trade_Offer.Items[0][0] = 3;
    Clear_Shown_Messages();
    Script_Message_Answer("Can't Sign Any Players", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, ANY_POSITION);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), POOL, 7);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
    });
    bool block = false;
    Script_Dialog_Step([&block](WINDOW_HANDLE dialog) {
        block = Get_Dialog_Template_Id(dialog) == TRADING_BLOCK_DIALOG;
        EXPECT_TRUE(block) << "the block opens once the talk is answered";
        EXPECT_EQ(Get_Open_Modal_Dialogs().size(), 1u) << "the draft list is closed";
        EXPECT_FALSE(Is_Player_List_Open());
        if (block) {
            EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 0) << "nothing on the block";
            Keep_Dialog_Picture(dialog, "trading_block_from_draft_talk");
        }
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    EXPECT_TRUE(block);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Can't Sign Any Players");
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0) << "nobody drafted";
    EXPECT_EQ(Count_Draft_Pool_Players(), 60);
    EXPECT_EQ(Count_Drafted_By(USER), 0);
}

// The user drafts and agrees his pick's terms: when the box tells him to pick
// again, the draft list beneath is back in its place and shows the pool, the
// roster and the cap room after the picks.
TEST_F(CollegeDraftWindow, TheListIsUpToDateAndInPlaceWhenTheUserIsToldToPickAgain) {
    Finish_Off_Season();
    ASSERT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    const int32_t id = Get_Player_ID(POOL, 7);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    struct SEEN {
        int32_t Id;
        WINDOW_HANDLE List = NO_WINDOW;
        RECT_AREA Place{};
        bool Told = false;
    } seen{id};
    Script_Dialog_Step([&seen](WINDOW_HANDLE dialog) {
        seen.List = dialog;
        ASSERT_EQ(Get_Window_Text(dialog), "College Draft");
        Get_Window_Rect(dialog, &seen.Place);
        Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, ANY_POSITION);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), POOL, 7);
        Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    auto look = [](void* context) {
        SEEN& seen = *static_cast<SEEN*>(context);
        const WINDOW_HANDLE list = seen.List;
        seen.Told = true;
        RECT_AREA now{};
        Get_Window_Rect(list, &now);
        EXPECT_EQ(now.Left, seen.Place.Left) << "back in its place";
        EXPECT_EQ(now.Top, seen.Place.Top);
        const WINDOW_HANDLE rows = Get_Dialog_Item(list, PLAYER_LIST_VIEW);
        EXPECT_EQ(List_View_Get_Item_Count(rows), Count_Draft_Pool_Players()) << "the pool after the picks";
        for (int32_t row = 0; row < List_View_Get_Item_Count(rows); ++row) {
            const intptr_t code = List_View_Get_Item_Data(rows, row);
            EXPECT_NE(Get_Player_ID(static_cast<int32_t>(code / 100), static_cast<int32_t>(code % 100)),
                      seen.Id)
                << "the player just drafted";
        }
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(USER, name);
        EXPECT_EQ(Get_Dialog_Item_Text(list, PLAYER_ROSTER_NOTE),
                  std::string("The ") + name + " have " + std::to_string(Get_First_Empty_Player_Slot(USER)) +
                      " roster players, out of a maximum of 100.");
        const std::string cap = Get_Dialog_Item_Text(list, PLAYER_CAP_LINE);
        Update_Free_Agent_Cap_Text(list);
        EXPECT_EQ(Get_Dialog_Item_Text(list, PLAYER_CAP_LINE), cap) << "the cap room after the pick";
        Keep_Dialog_Picture(list, "college_draft_before_the_next_pick");
    };
    Script_Message_Answer("Round 2: Pick #1", ID_BOX_OK, look, &seen);
    Do_Main_Window_Command(NO_WINDOW, ID_COLLEGE_DRAFT);
    EXPECT_TRUE(seen.Told);
    EXPECT_GE(Find_Slot(USER, id), 0) << "drafted";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 1);
}
