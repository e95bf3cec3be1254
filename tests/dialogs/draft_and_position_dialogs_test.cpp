#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/change_position_dialog.h"
#include "dialogs/fantasy_draft_dialogs.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/saved_game_dialogs.h"
#include "personnel/fantasy_draft.h"
#include "platform/combo_box.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_DRAFTED = -128;

class DraftAndPositionDialogs : public LeagueFrameTest {};
// The user's team in a draft of one user.
constexpr int32_t DRAFTING_USER = 3;

int32_t Count_Messages(const std::string& caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) ++count;
    return count;
}

// Every player's fantasy mark: the team that drafted him, if any.
std::vector<int32_t> Fantasy_Marks() {
    std::vector<int32_t> marks;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                marks.push_back(Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM));
    return marks;
}

int32_t Count_Drafted(const std::vector<int32_t>& marks) {
    int32_t drafted = 0;
    for (int32_t mark : marks)
        if (mark != NOT_DRAFTED) ++drafted;
    return drafted;
}

// The Tools menu's fantasy draft command, as the user chooses it.
void Choose_Fantasy_Draft_Command() {
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
}

// Selects the viewed team's first undrafted player in the open player list
// and clicks Draft.
void Draft_From_List(WINDOW_HANDLE list_dialog) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t slot = 0;
    while (Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) != NOT_DRAFTED)
        ++slot;
    Select_Listview_Player(Get_Dialog_Item(list_dialog, PLAYER_LIST_VIEW), team, slot);
    Click_Dialog_Button(list_dialog, PLAYER_ACTION_BUTTON);
}

void Select_Player(int32_t team, int32_t slot) {
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
}
} // namespace

TEST_F(DraftAndPositionDialogs, FantasyDraftStartsWithTheOrdersChosenAndListsItsPicks) {
    // Every franchise is the user's, so the draft waits at each pick.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
    EXPECT_EQ(Do_Dialog(Main_Window, START_FANTASY_DRAFT_DIALOG, 0), ID_CANCEL);
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "Cancel starts nothing";

    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, FIRST_ROUND_RANDOM));
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, LATER_ROUNDS_REVERSE));
        Keep_Dialog_Picture(dialog, "start_fantasy_draft");
        Click_Dialog_Button(dialog, FIRST_ROUND_ALPHABETICAL);
        Click_Dialog_Button(dialog, LATER_ROUNDS_SNAKE);
        Click_Dialog_Button(dialog, ANNOUNCE_PICKS_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, START_FANTASY_DRAFT_DIALOG, 0), 1);
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    EXPECT_EQ(Get_Fantasy_First_Round_Option(), FANTASY_ORDER_ALPHABETICAL);
    EXPECT_EQ(Get_Fantasy_Later_Rounds_Option(), FANTASY_ORDER_SNAKE);
    EXPECT_EQ(Get_Fantasy_Announce_Picks(), 1);
    EXPECT_EQ(Count_Messages("Round 1 / Pick 1"), 1) << "the first team is asked for its pick";
    EXPECT_EQ(Get_Fantasy_Draft_Order(1, 0), Get_Fantasy_Draft_Order(0, TEST_LEAGUE_TEAMS - 1)) << "snake";

    // Three picks: a kicker, a quarterback and a running back.
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    const int32_t passer = Test_League_Slot(POSITION_QB, 0);
    const int32_t runner = Test_League_Slot(POSITION_RB, 0);
    Announce_Fantasy_Draft_Pick(7, kicker, Get_Fantasy_Draft_Team());
    Announce_Fantasy_Draft_Pick(8, passer, Get_Fantasy_Draft_Team());
    Announce_Fantasy_Draft_Pick(9, runner, Get_Fantasy_Draft_Team());

    // Stale filters are kept within their ranges.
    Set_User_Preference(FANTASY_TEAM_FILTER, 99);
    Set_User_Preference(FANTASY_POSITION_FILTER, -3);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_User_Preference(FANTASY_TEAM_FILTER), TEST_LEAGUE_TEAMS) << "all teams";
        EXPECT_EQ(Get_Dialog_Line(dialog, DRAFT_ORDER_TEAM_COMBO), TEST_LEAGUE_TEAMS);
        EXPECT_EQ(Get_Dialog_Line(dialog, DRAFT_ORDER_POSITION_COMBO), POSITION_QB);
        ASSERT_EQ(Count_Dialog_Lines(dialog, DRAFT_ORDER_LIST), 1) << "the quarterback taken";
        Choose_Dialog_Line(dialog, DRAFT_ORDER_POSITION_COMBO, NUMBER_OF_POSITIONS);
        ASSERT_EQ(Count_Dialog_Lines(dialog, DRAFT_ORDER_LIST), FANTASY_DRAFT_LAST_ROUND * TEST_LEAGUE_TEAMS);
        char first[64], next[64];
        Get_Team_Full_Name(Get_Fantasy_Draft_Order(0, 3), first);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, 3), "1\t[" + std::string(first) + "]\t");
        Keep_Dialog_Picture(dialog, "fantasy_draft_order");
        Click_Dialog_Button(dialog, DRAFT_ORDER_POSITION_BUTTON);
        EXPECT_NE(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, 0).find("\tQB"), std::string::npos);
        EXPECT_NE(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, 1).find("\tRB"), std::string::npos);
        EXPECT_NE(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, 2).find("\tK"), std::string::npos);
        Click_Dialog_Button(dialog, DRAFT_ORDER_PLAYER_BUTTON);
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Last_First_Name(7, kicker, name);
        const std::vector<FANTASY_ORDER_ROW> by_name = Get_Fantasy_Draft_Order_Rows(FANTASY_SORT_BY_NAME);
        for (size_t row = 1; row < 3; ++row)
            EXPECT_LE(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, static_cast<int32_t>(row) - 1),
                      Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, static_cast<int32_t>(row)))
                << "made picks by name";
        EXPECT_EQ(by_name[3].Round, 0) << "then the picks to come in draft order";
        EXPECT_EQ(by_name[3].Pick, 3);
        Click_Dialog_Button(dialog, DRAFT_ORDER_ROUND_BUTTON);
        Get_Team_Full_Name(Get_Fantasy_Draft_Order(1, 0), next);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, DRAFT_ORDER_LIST, TEST_LEAGUE_TEAMS),
                  "2\t[" + std::string(next) + "]\t");
        Choose_Dialog_Line(dialog, DRAFT_ORDER_TEAM_COMBO, 5);
        EXPECT_EQ(Count_Dialog_Lines(dialog, DRAFT_ORDER_LIST), FANTASY_DRAFT_LAST_ROUND)
            << "one pick a round";
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, FANTASY_DRAFT_ORDER_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(FANTASY_TEAM_FILTER), 5);
    End_Fantasy_Draft_State();
}

TEST_F(DraftAndPositionDialogs, TheDraftCommandWhileTheComputerFinishesKeepsEveryPick) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Choose_Fantasy_Draft_Command();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    Announce_Fantasy_Draft_Pick(7, Test_League_Slot(POSITION_K, 0), Get_Fantasy_Draft_Team());
    Announce_Fantasy_Draft_Pick(8, Test_League_Slot(POSITION_QB, 0), Get_Fantasy_Draft_Team());
    Pump_Messages(); // the main loop brings each next team on the clock

    // Yes: the computer makes the remaining picks, one per message.
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Choose_Fantasy_Draft_Command();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_COMPUTER_FINISHES);
    const std::vector<int32_t> marks = Fantasy_Marks();
    ASSERT_EQ(Count_Drafted(marks), 3) << "two picks of the users and the computer's first";
    const int32_t round = Get_Fantasy_Draft_Round();
    const int32_t pick = Get_Fantasy_Draft_Pick();

    // The command again, while the computer finishes: the End question, not a
    // new draft (a start dialog OK'd here would deal every pick again).
    const int32_t dialogs = Count_Dialogs_Opened();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Script_Message_Answer("End Fantasy Draft", ID_BOX_NO);
    Choose_Fantasy_Draft_Command();
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs) << "no start dialog";
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "End Fantasy Draft");
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_COMPUTER_FINISHES);
    EXPECT_EQ(Get_Fantasy_Draft_Round(), round);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), pick);
    EXPECT_EQ(Fantasy_Marks(), marks) << "every pick mark stands";

    // Cancel aborts the draft, and the header drops the pick at once.
    Set_Last_Painted_View(-7);
    Script_Message_Answer("End Fantasy Draft", ID_BOX_CANCEL);
    Choose_Fantasy_Draft_Command();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    EXPECT_NE(Get_Last_Painted_View(), -7) << "the main window is painted afresh";
}

TEST_F(DraftAndPositionDialogs, SettingUpAFantasyDraftWorksOutAbsurdContractsAgain) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    const int32_t team = 4, slot = 3;
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 2);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 900000);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, -400000);
    const int32_t sound_bonus = Get_Player_Vital_Stat(team, slot + 1, VITAL_SIGNING_BONUS);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Choose_Fantasy_Draft_Command();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    EXPECT_LE(std::abs(bonus), 202995) << "the draft weighs a worked-out demand";
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot + 1, VITAL_SIGNING_BONUS), sound_bonus);
    End_Fantasy_Draft_State();
}

TEST_F(DraftAndPositionDialogs, ChangePositionAsksFirstAndConvertsTheRatings) {
    const int32_t team = 3, slot = Test_League_Slot(POSITION_CB, 0);
    Set_Player_Rating(team, slot, RATING_TACKLING, 80.0f);
    const float speed = Get_Player_Rating(team, slot, RATING_SPEED);
    const float blocking = Get_Player_Rating(team, slot, RATING_PASS_BLOCKING);
    Select_Player(team, slot);
    Script_Message_Answer("Confirm Position Change", ID_BOX_NO);
    Script_Message_Answer("Confirm Position Change", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(team, slot, name);
        EXPECT_EQ(Get_Window_Text(dialog), name);
        EXPECT_EQ(Count_Dialog_Lines(dialog, NEW_POSITION_COMBO), 5) << "DE, DT, LB, CB, S";
        EXPECT_EQ(Get_Dialog_Line(dialog, NEW_POSITION_COMBO), POSITION_CB - POSITION_DE);
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Count_Messages("Confirm Position Change"), 0) << "his own position: nothing asked";
        Choose_Dialog_Line(dialog, NEW_POSITION_COMBO, -1);
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Count_Messages("Confirm Position Change"), 0) << "no choice: nothing asked";
        Choose_Dialog_Line(dialog, NEW_POSITION_COMBO, POSITION_S - POSITION_DE);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, PROJECTED_RATING_LINES[4]), "Tackling: 76");
        Keep_Dialog_Picture(dialog, "change_position");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "No keeps it open";
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_CB);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHANGE_POSITION_DIALOG, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_S);
    EXPECT_FLOAT_EQ(Get_Player_Rating(team, slot, RATING_TACKLING), 76.0f) << "80 x 950 / 1000";
    EXPECT_FLOAT_EQ(Get_Player_Rating(team, slot, RATING_SPEED), speed);
    EXPECT_FLOAT_EQ(Get_Player_Rating(team, slot, RATING_PASS_BLOCKING), blocking);

    // A slot without a player closes the dialog and changes nothing.
    Select_Player(team, 99);
    const std::vector<uint8_t> before(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    Script_Dialog_Step([](WINDOW_HANDLE) { ADD_FAILURE() << "the dialog stayed open"; });
    EXPECT_EQ(Do_Dialog(Main_Window, CHANGE_POSITION_DIALOG, 0), ID_CANCEL);
    Clear_Dialog_Steps();
    EXPECT_EQ(std::memcmp(Universe_Bytes(), before.data(), UNIVERSE_SIZE), 0);
}

// A game saved in round 3 of a fantasy draft resumes its draft: every pick
// and every undrafted player as saved, the undrafted listed under "Undrafted
// Players", and End Fantasy Draft's Yes carries every pick out.
TEST_F(DraftAndPositionDialogs, AFantasyDraftSavedInRoundThreeResumesWithItsUndraftedPlayers) {
    const SCRATCH_FOLDER folder("fantasy-round-three");
    std::filesystem::create_directories("Output");
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Choose_Fantasy_Draft_Command();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    // Each user on the clock takes the first player nobody has drafted, as a
    // pick from the list does, into the fourth pick of round 3.
    while (Get_Fantasy_Draft_Round() < 2 || Get_Fantasy_Draft_Pick() < 3) {
        bool picked = false;
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS && !picked; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && !picked; ++slot)
                if (team != HALL_OF_FAME_TEAM && Is_Player_Slot_Used(team, slot) &&
                    Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == NOT_DRAFTED) {
                    Announce_Fantasy_Draft_Pick(team, slot, Get_Fantasy_Draft_Team());
                    picked = true;
                }
        ASSERT_TRUE(picked);
        Pump_Messages();
    }
    const std::vector<int32_t> marks = Fantasy_Marks();
    std::map<int32_t, int32_t> drafted;
    int32_t listable = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (team == HALL_OF_FAME_TEAM || !Is_Player_Slot_Used(team, slot)) continue;
            const int32_t mark = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
            if (mark == NOT_DRAFTED)
                ++listable;
            else
                drafted[Get_Player_ID(team, slot)] = mark;
        }
    ASSERT_EQ(static_cast<int32_t>(drafted.size()), 2 * TEST_LEAGUE_TEAMS + 3);

    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, "Round Three");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_SAVE_GAME));
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    ASSERT_TRUE(Do_Main_Window_Command(Main_Window, ID_RESUME_GAME));
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 2);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 3);
    EXPECT_EQ(Fantasy_Marks(), marks) << "every pick and every undrafted player as saved";

    int32_t rows = -1;
    Script_Dialog_Step([&rows](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
        for (int32_t line = 0; line < Combo_Box_Get_Count(selector); ++line)
            if (Combo_Box_Get_Item_Data(selector, line) == SCOPE_FANTASY_UNDRAFTED)
                Choose_Dialog_Line(dialog, TEAM_SELECTOR, line);
        rows = List_View_Get_Item_Count(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW));
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    EXPECT_EQ(rows, listable) << "the Undrafted Players list holds every player still to be drafted";

    // Yes: the computer makes the remaining picks, then carries the draft out.
    Clear_Shown_Messages();
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Choose_Fantasy_Draft_Command();
    for (int32_t n = 0; n < 10000 && Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE; ++n)
        Pump_Messages();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft ended";
    EXPECT_EQ(Count_Messages("Error in Implement_Draft_Teams()"), 0) << "every player reached his team";
    Build_Player_ID_Hash();
    for (const auto& [id, team] : drafted) {
        PLAYER_LOCATION where{};
        ASSERT_TRUE(Lookup_Player_ID_Hash(&where, id));
        EXPECT_EQ(where.Team, team) << "player " << id << " went to the team that drafted him";
    }
    Clear_Scripted_Answers();
}

// The user's Draft click in the player list while a computer team is on the
// clock (its step still waiting) makes that team's pick; every later place
// then gets one pick, by the team on the clock, to the draft's end.
TEST_F(DraftAndPositionDialogs, ADraftClickDuringTheComputersTurnKeepsOnePickAPlace) {
    const SCRATCH_FOLDER folder("fantasy-click");
    std::filesystem::create_directories("Output");
    Set_Team_Stat(DRAFTING_USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(VIEWED_TEAM, DRAFTING_USER);
    // Pick 4 of round 1 is the user's; the snake brings him back at pick 29.
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_SNAKE);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Get_Fantasy_Draft_Pick(), DRAFTING_USER);
        Draft_From_List(dialog);
        ASSERT_FALSE(Is_Human_Team(Get_Fantasy_Draft_Team())) << "the computer is on the clock";
        Draft_From_List(dialog);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Fantasy_Draft_Round() * 100 + Get_Fantasy_Draft_Pick(), 128) << "the user's next turn";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SORTABLE_STATS_DIALOG, 0);
    EXPECT_EQ(Count_Messages("Round 2 / Pick 29"), 1) << "the user is asked once";
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Choose_Fantasy_Draft_Command();
    for (int32_t n = 0; n < 10000 && Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE; ++n)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft ran to its end";

    // Every player of the league was taken, 53 rounds of 32, each by the team
    // on the clock at his pick and now with it.
    Build_Player_ID_Hash();
    int32_t wrong = 0;
    for (int32_t round = 0; round < TEST_ROSTER_SIZE; ++round)
        for (int32_t pick = 0; pick < TEST_LEAGUE_TEAMS; ++pick) {
            PLAYER_LOCATION where{};
            wrong += !Lookup_Player_ID_Hash(&where, Get_Fantasy_Draft_Pick_ID(round, pick)) ||
                     where.Team != Get_Fantasy_Draft_Order(round, pick);
        }
    EXPECT_EQ(wrong, 0) << "picks not with the team on the clock at them";
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), TEST_ROSTER_SIZE) << "team " << team;
}
