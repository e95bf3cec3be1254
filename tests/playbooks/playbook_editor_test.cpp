// The Playbook Editor: the repairs after a change, and walkthroughs on the
// null backend (editing, the refused primary receiver, the stored texts, the
// result data, and a play edited, saved, changed and loaded back).
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_file_dialogs.h"
#include "playbooks/playbook_files.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"
#include "support/resize_under_dialog.h"
#include "support/test_league.h"
#include "views/diagram_highlight.h"

namespace {
constexpr int32_t TEAM = 9;

int32_t Count_Shown(const std::string& caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) ++count;
    return count;
}

class PlaybookEditor : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        // The league is built where the installed playbooks are.
        Build_Test_League();
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        std::filesystem::remove_all("editor");
        std::filesystem::create_directories("editor/playbooks");
        ASSERT_EQ(chdir("editor"), 0);
        Clear_Dialog_Steps();
        Reset_Result_Data_Advice();
        Start_Frame_Without_Loop();
        Set_User_Preference(VIEWED_TEAM, TEAM);
        Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 0);
        Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 0);
        Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 0);
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Clear_Scripted_Answers();
        Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
        FrameTest::TearDown();
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all("editor");
    }
    OFFENSIVE_PLAY& Offence(int32_t play) { return Universe.Teams[TEAM].Playbooks.Offense.Plays[play]; }
    DEFENSIVE_PLAY& Defence(int32_t play) { return Universe.Teams[TEAM].Playbooks.Defense.Plays[play]; }
    char previous_[4096] = {};
};

DRAWING_SURFACE Diagram_Picture(int32_t play, int32_t kind) {
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, 290, 180);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    Draw_Play_Diagram(&dc, {0, 0, 290, 180}, TEAM, play, 5, kind, false, false);
    return surface;
}
} // namespace

TEST_F(PlaybookEditor, RoutesMoveToTheNextOneThePositionMayRun) {
    // Each position runs the routes of its kinds; the search steps in the
    // direction of the change.
    EXPECT_EQ(Fix_Route_For_Position(POSITION_WR, 11, 1), 15)
        << "screen, swing, bench, over are backs' routes";
    EXPECT_EQ(Fix_Route_For_Position(POSITION_WR, 14, -1), 9)
        << "downward past the seam, the backs' and tight ends'";
    EXPECT_EQ(Fix_Route_For_Position(POSITION_TE, 11, 1), 15);
    EXPECT_EQ(Fix_Route_For_Position(POSITION_RB, 41, 1), 42) << "run block is the tight ends'";
    EXPECT_EQ(Fix_Route_For_Position(POSITION_TE, 41, -1), 41);
    EXPECT_EQ(Fix_Route_For_Position(POSITION_WR, 42, 1), 42);
    EXPECT_EQ(Fix_Route_For_Position(POSITION_RB, 36, 1), 36) << "block & release, backs and tight ends";
    // A lineman lined up as a receiver takes the plain routes, and the search ends.
    EXPECT_EQ(Fix_Route_For_Position(POSITION_T, 11, 1), 15);
    EXPECT_EQ(Fix_Route_For_Position(POSITION_T, 41, 1), 42);
    EXPECT_EQ(Fix_Route_For_Position(POSITION_QB, 40, 1), 42);
    EXPECT_EQ(Fix_Role_For_Position(POSITION_DT, 13), 9);
    EXPECT_EQ(Fix_Role_For_Position(POSITION_CB, 2), 3);
    EXPECT_EQ(Fix_Role_For_Position(POSITION_S, 3), 1);
    EXPECT_EQ(Fix_Role_For_Position(POSITION_LB, 3), 3);
}

TEST_F(PlaybookEditor, RepairsAfterAChange) {
    // A sweep goes outside on the side of its hole; its carrier runs the rush route.
    OFFENSIVE_PLAY& sweep = Offence(3);
    sweep.Formation = 0;
    sweep.Play_Type = PLAY_TYPE_SWEEP;
    sweep.Primary = 2; // receiver 0, the running back
    sweep.Hole_Or_Depth = 3;
    Repair_Play_Assignments(TEAM, 0, 3, 1);
    EXPECT_EQ(sweep.Routes[0], 54);
    EXPECT_EQ(sweep.Hole_Or_Depth, 7);
    sweep.Play_Type = PLAY_TYPE_END_AROUND;
    sweep.Hole_Or_Depth = -1;
    Repair_Play_Assignments(TEAM, 0, 3, 1);
    EXPECT_EQ(sweep.Routes[0], 45);
    EXPECT_EQ(sweep.Hole_Or_Depth, 6) << "no hole: 2, then outside";
    // A pass whose primary blocks: the next receiver running a route is primary.
    OFFENSIVE_PLAY& pass = Offence(20);
    pass.Formation = 0;
    pass.Play_Type = PLAY_TYPE_PASS;
    pass.Primary = 3;
    const int32_t routes[5] = {39, 39, 39, 3, 9};
    std::memcpy(pass.Routes, routes, sizeof routes);
    Repair_Play_Assignments(TEAM, 0, 20, 1);
    EXPECT_EQ(pass.Primary, 5) << "receiver 3";
    // None running a receiving route: the starting receiver runs a slant.
    pass.Routes[3] = pass.Routes[4] = 41;
    pass.Primary = 1; // the quarterback: the search starts at receiver 2
    Repair_Play_Assignments(TEAM, 0, 20, 1);
    EXPECT_EQ(pass.Routes[2], 2);
    EXPECT_EQ(pass.Primary, 4);
    // A defensive tackle in man coverage drops into a zone instead.
    DEFENSIVE_PLAY& defence = Defence(4);
    defence.Formation = 22;
    const int32_t tackle = 1;
    ASSERT_EQ(Formation_Slot_Table[22][tackle].Position, POSITION_DT);
    defence.Roles[tackle] = 13;
    defence.Roles[9] = 3; // a safety (slot 9) blitzing stays: only slots 0-4 are mended
    Repair_Play_Assignments(TEAM, 1, 4, 1);
    EXPECT_EQ(defence.Roles[tackle], 9);
    EXPECT_EQ(defence.Roles[9], 3);
}

TEST_F(PlaybookEditor, ChangingTheCarrierStepsHisOldRouteBeforeAnyIsZeroed) {
    // An end around in formation 0 (receivers RB, FB, WR, TE, WR), carried by
    // the running back; a tight end left with a rush route and a receiver with
    // a code from a damaged file.
    OFFENSIVE_PLAY& play = Offence(0);
    play.Formation = 0;
    play.Play_Type = PLAY_TYPE_END_AROUND;
    play.Primary = 2;
    play.Hole_Or_Depth = 6;
    const int32_t routes[5] = {45, 9, 9, 54, 57};
    std::memcpy(play.Routes, routes, sizeof routes);
    std::memset(Universe.Teams[TEAM].Playbooks.Offense.Results.Called[0], 0,
                sizeof Universe.Teams[TEAM].Playbooks.Offense.Results.Called[0]);
    std::vector<std::array<int32_t, 5>> seen;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        // The fullback takes the ball: the back's reverse route, which a back
        // may not run, steps up to the out; the rush route and the damaged code
        // become the hitch.
        Choose_Dialog_Line(dialog, EDITOR_PRIMARY, 2);
        seen.push_back({play.Routes[0], play.Routes[1], play.Routes[2], play.Routes[3], play.Routes[4]});
        // Back to the running back: the fullback's route steps down to the quick out.
        Choose_Dialog_Line(dialog, EDITOR_PRIMARY, 1);
        seen.push_back({play.Routes[0], play.Routes[1], play.Routes[2], play.Routes[3], play.Routes[4]});
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (std::array<int32_t, 5>{3, 45, 9, 0, 0}));
    EXPECT_EQ(seen[1], (std::array<int32_t, 5>{45, 1, 9, 0, 0}));
    for (int32_t r = 1; r < PLAY_RECEIVERS; ++r)
        EXPECT_TRUE(Is_Route_Kind_Allowed(Formation_Slot_Table[0][r + 1].Position,
                                          Pass_Route_Table[play.Routes[r]].Kind))
            << "receiver " << r << " runs only what his position may";
}

TEST_F(PlaybookEditor, SettingsFromALoadedGameAreClamped) {
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 7);
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 99);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 99);
    int32_t side = -1, folder = -1, slot = -1;
    EXPECT_EQ(Get_Playbook_Editor_Play(&side, &folder, &slot), 29) << "the last defensive play";
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 0);
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 5);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 8);
    EXPECT_EQ(Get_Playbook_Editor_Play(&side, &folder, &slot), 53) << "the last editable offensive play";
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, -5);
    EXPECT_EQ(Get_Playbook_Editor_Play(&side, &folder, &slot), 50);
    // The dialog opens on such settings and edits only its own plays.
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 12);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 40);
    const TEAM_PLAYBOOK_BLOCK before = Universe.Teams[TEAM].Playbooks;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, EDITOR_DONE); });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(&before.Offense.Results, &Universe.Teams[TEAM].Playbooks.Offense.Results,
                          sizeof before.Offense.Results),
              0);
    EXPECT_EQ(std::memcmp(before.Offense.Reserved_12504,
                          Universe.Teams[TEAM].Playbooks.Offense.Reserved_12504,
                          sizeof before.Offense.Reserved_12504),
              0)
        << "nothing past play 53 was written";
}

TEST_F(PlaybookEditor, EditingAPlayThroughItsCombos) {
    OFFENSIVE_PLAY& play = Offence(12);
    play.Formation = 0;
    play.Play_Type = PLAY_TYPE_PASS;
    play.Primary = 3;
    const int32_t routes[5] = {12, 3, 9, 7, 5};
    std::memcpy(play.Routes, routes, sizeof routes);
    const int8_t cards[PLAY_CARD_VALUES] = {1, 4, 2, 1, 3, 4, 5, 12, 3};
    std::memcpy(play.Card_Values, cards, sizeof cards);
    Universe.Teams[TEAM].Playbooks.Offense.Results.Called[12][0] = 4;
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 1);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 2);
    const int32_t receiver_wr = 2; // formation 0, slot 3: a wide receiver
    ASSERT_EQ(Formation_Slot_Table[0][receiver_wr + 1].Position, POSITION_WR);
    Script_Message_Answer("Playbook Editor", ID_BOX_OK);
    Script_Message_Answer("Invalid Selection", ID_BOX_OK);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_PRIMARY_LABEL), "Primary Receiver");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_ROUTE + receiver_wr, 11), "[Not Available]")
            << "a screen is the backs'";
        Keep_Dialog_Picture(dialog, "playbook_editor_offence");
        // Choosing the screen for the wide receiver gives him the next route he may run.
        Choose_Dialog_Line(dialog, EDITOR_FIRST_ROUTE + receiver_wr, 11);
        EXPECT_EQ(play.Routes[receiver_wr], 15);
        EXPECT_EQ(Get_Dialog_Line(dialog, EDITOR_FIRST_ROUTE + receiver_wr), 15);
        EXPECT_EQ(Highlighted_Formation_Slot, receiver_wr + 1);
        // The quarterback is no primary receiver.
        Choose_Dialog_Line(dialog, EDITOR_PRIMARY, 0);
        EXPECT_EQ(play.Primary, 3);
        // Texts: a 60-character name keeps 53, an empty folder name is named.
        Type_Dialog_Text(dialog, EDITOR_PLAY_NAME, std::string(60, 'N'));
        Type_Dialog_Text(dialog, EDITOR_FOLDER_NAME, "");
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Count_Shown("Invalid Selection"), 1);
    EXPECT_EQ(Count_Shown("Playbook Editor"), 1) << "the advice about old results, once";
    EXPECT_EQ(std::string(play.Name), std::string(53, 'N'));
    EXPECT_STREQ(Universe.Teams[TEAM].Playbooks.Offense.Folder_Names[1], "Unnamed Folder");
    EXPECT_EQ(std::memcmp(play.Card_Values, cards, sizeof cards), 0) << "the card values stay";
    EXPECT_EQ(Highlighted_Formation_Slot, NO_HIGHLIGHTED_SLOT);
}

TEST_F(PlaybookEditor, ClearResultDataTheShownPlayThenTheWholeBook) {
    OFFENSIVE_RESULT_DATA& results = Universe.Teams[TEAM].Playbooks.Offense.Results;
    results.Called[0][0] = 5;
    results.Called[7][2] = 3;
    Script_Message_Answer("Clear Play Result Data", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_NE(Get_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT).find("(5 Plays)"), std::string::npos);
        Click_Dialog_Button(dialog, EDITOR_CLEAR_RESULTS);
        EXPECT_EQ(results.Called[0][0], 0);
        EXPECT_EQ(results.Called[7][2], 3) << "the first click clears only the shown play";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT), "Overall\n(0 Plays)");
        EXPECT_EQ(Count_Shown("Clear Play Result Data"), 0);
        Click_Dialog_Button(dialog, EDITOR_CLEAR_RESULTS);
        EXPECT_EQ(Count_Shown("Clear Play Result Data"), 1);
        EXPECT_EQ(results.Called[7][2], 0) << "the second asks about the whole playbook";
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
}

TEST_F(PlaybookEditor, DefenceRolesAndTheirResults) {
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 1);
    DEFENSIVE_PLAY& play = Defence(0);
    play.Formation = 22;
    DEFENSIVE_RESULT_DATA& results = Universe.Teams[TEAM].Playbooks.Defense.Results;
    results.Called[0][3] = 4;
    results.Yards[0][3] = 22;
    results.Sacks[0][3] = 1;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_VIEW_DEPTH_CHART), "View Defense");
        const std::string panel = Get_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT + 3);
        EXPECT_EQ(panel.substr(0, panel.find("\n\nRating")),
                  "Versus\nShort Passes\n(4 Plays)\n5.5 Yards/Play\nFirst Down: 0%\nTouchdown: 0%\nTurnover: "
                  "0%\nSack: 25%");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, 1392, 13), "[Not Available]")
            << "a tackle plays no man coverage";
        Keep_Dialog_Picture(dialog, "playbook_editor_defence");
        Choose_Dialog_Line(dialog, 1392, 12);
        EXPECT_EQ(play.Roles[1], 9) << "bump and run becomes a short zone for a tackle";
        Choose_Dialog_Line(dialog, EDITOR_FORMATION_COMBO, 3);
        EXPECT_EQ(play.Formation, 25);
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_Playbook_Editor_Control_Index(1402), 0);
    EXPECT_EQ(Get_Playbook_Editor_Control_Index(1401), 10);
    EXPECT_EQ(Get_Playbook_Editor_Control_Index(1403), -1);
}

TEST_F(PlaybookEditor, AnEditedPlaySurvivesSaveAndLoadWithTheSameDiagram) {
    OFFENSIVE_PLAY& play = Offence(0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, EDITOR_FORMATION_COMBO, 4);
        Choose_Dialog_Line(dialog, EDITOR_PLAY_TYPE_COMBO, PLAY_TYPE_PASS);
        Choose_Dialog_Line(dialog, EDITOR_FIRST_ROUTE + 3, 8);
        Type_Dialog_Text(dialog, EDITOR_PLAY_NAME, "Four Verts Post");
        Click_Dialog_Button(dialog, EDITOR_SAVE);
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, PLAYBOOK_NAME_EDIT, "Verticals");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    ASSERT_TRUE(std::filesystem::exists("playbooks/Verticals.opb"));
    EXPECT_STREQ(play.Name, "Four Verts Post");
    const OFFENSIVE_PLAYBOOK saved = Universe.Teams[TEAM].Playbooks.Offense;
    const DRAWING_SURFACE before = Diagram_Picture(0, DIAGRAM_OFFENSE);

    play.Routes[3] = 2;
    std::strcpy(play.Name, "Changed");
    EXPECT_NE(Diagram_Picture(0, DIAGRAM_OFFENSE).Pixels, before.Pixels);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDITOR_LOAD);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_PLAY_NAME), "Four Verts Post");
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PLAYBOOK_FILE_LIST, 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(std::memcmp(&saved, &Universe.Teams[TEAM].Playbooks.Offense, sizeof saved), 0);
    EXPECT_EQ(Diagram_Picture(0, DIAGRAM_OFFENSE).Pixels, before.Pixels) << "the same diagram";
}

// The main window changing size under the open editor makes the scaled fonts
// again; the result panels go on drawing with theirs, which go with the
// dialog, and the editor goes on working.
TEST_F(PlaybookEditor, ResultPanelsKeepTheirFontWhileTheWindowChangesSize) {
    Peek_App_Font(0);
    const int32_t fonts = Count_Live_Fonts();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Expect_Control_Fonts_Kept_Through_Resize(dialog, EDITOR_FIRST_RESULT, 0, "playbook_editor_resized");
        Choose_Dialog_Line(dialog, EDITOR_PLAY_COMBO, 1);
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(PLAYBOOK_EDITOR_SLOT), 1) << "the choice made after the resize is kept";
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "the old fonts went with the dialog";
}

// The play's name under its diagram shows whole: its letters, those that
// reach below the line too, lie inside the diagram's etched frame.
TEST_F(PlaybookEditor, ThePlaysNameShowsWholeUnderItsDiagram) {
    safe_strncpy(Offence(0).Name, "Gypsy Jump Pass", sizeof Offence(0).Name);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Clear_Drawn_Texts();
        Invalidate_Window(dialog, nullptr);
        Update_Window(dialog);
        RECT_AREA frame;
        Get_Dialog_Item_Rect(dialog, EDITOR_DIAGRAM, &frame);
        const DRAWN_TEXT* name = nullptr;
        for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
            if (std::string(Get_Drawn_Text(i)->Text) == "Gypsy Jump Pass") name = Get_Drawn_Text(i);
        ASSERT_NE(name, nullptr) << "the name is drawn under the diagram";
        constexpr int32_t ETCHED_EDGE = 2;
        EXPECT_GE(name->Letters.Left, frame.Left + ETCHED_EDGE);
        EXPECT_LE(name->Letters.Right, frame.Right - ETCHED_EDGE);
        EXPECT_GT(name->Letters.Top, frame.Bottom - 30) << "under the diagram";
        EXPECT_LE(name->Letters.Bottom, frame.Bottom - ETCHED_EDGE) << "the frame's edge covers no letter";
        Keep_Dialog_Picture(dialog, "playbook_editor_play_name");
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
}

TEST_F(PlaybookEditor, FolderAndPlayNamesByNumberAndTheSelectedPlayersStatistics) {
    // Folders by side and by the folder combo's number 0-8.
    char name[64];
    Set_Playbook_Folder_Name(0, TEAM, 2, "A folder name far longer than thirty-one letters");
    Get_Playbook_Folder_Name(0, TEAM, 2, name);
    EXPECT_STREQ(name, "A folder name far longer than t") << "cut to 31 characters";
    Set_Playbook_Folder_Name_By_Number(TEAM, 7, "Nickel");
    EXPECT_STREQ(Universe.Teams[TEAM].Playbooks.Defense.Folder_Names[1], "Nickel") << "number 7: defence 1";
    Get_Playbook_Folder_Name_By_Number(TEAM, 2, name);
    EXPECT_STREQ(name, "A folder name far longer than t");
    Get_Playbook_Folder_Name_By_Number(TEAM, 9, name);
    EXPECT_STREQ(name, "") << "no tenth folder";
    Get_Playbook_Folder_Name(1, TEAM, 3, name);
    EXPECT_STREQ(name, "") << "the defence has three";
    Set_Playbook_Folder_Name(1, 55, 0, "Nowhere");
    // Plays by side; the result counters' names.
    std::strcpy(Defence(12).Name, "Zone Blitz");
    Get_Play_Name_By_Side(1, TEAM, 12, name);
    EXPECT_STREQ(name, "Zone Blitz");
    Get_Play_Name_By_Side(0, TEAM, 12, name);
    EXPECT_STREQ(name, Offence(12).Name);
    EXPECT_STREQ(Get_Result_Situation_Name(2), "<4 To Go");
    EXPECT_STREQ(Get_Result_Situation_Name(5), "");
    EXPECT_STREQ(Get_Result_Category_Name(2), "Draw Plays");
    EXPECT_STREQ(Get_Result_Category_Name(6), "");

    // The quarterback of the shown play, his statistics labelled.
    const int32_t formation = Offence(0).Formation;
    PLAYER_LOCATION quarterback{};
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FOLDER_COMBO, 7), "Defense: Nickel");
        EXPECT_NE(Get_Playbook_Editor_Combo(dialog, EDITOR_FIRST_ROUTE + 4), NO_WINDOW);
        EXPECT_NE(Get_Playbook_Editor_Combo(dialog, EDITOR_FORMATION_COMBO), NO_WINDOW);
        EXPECT_EQ(Get_Playbook_Editor_Combo(dialog, EDITOR_PLAY_COMBO), NO_WINDOW) << "no field of a play";
        Show_Slot_Player_Stats(dialog);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_FIRST_PLAYER_STAT), "") << "no player selected";
        ASSERT_NE(Lookup_Player_ID_Hash(&quarterback, Get_Formation_Depth_Chart_Entry(TEAM, formation, 0)),
                  0);
        const int32_t stats[5][2] = {{0, 16}, {1, 15}, {5, 4012}, {6, 31}, {4, 9}};
        for (const auto& [stat, value] : stats)
            Set_Player_Stat(quarterback.Team, quarterback.Slot, SEASON_THIS, stat, value);
        Highlighted_Formation_Slot = 0;
        Show_Slot_Player_Stats(dialog);
        const char* expected[5] = {"Games: 16", "Games Started: 15", "Pass Yards: 4012", "Pass TDs: 31",
                                   "INT Thrown: 9"};
        for (int32_t n = 0; n < EDITOR_PLAYER_STATS; ++n)
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_FIRST_PLAYER_STAT + n), expected[n]);
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
}

TEST_F(PlaybookEditor, APlayAsOneLineOfSourceText) {
    OFFENSIVE_PLAY& run = Offence(3);
    std::strcpy(run.Name, "Power O");
    run.Formation = 4;
    run.Play_Type = PLAY_TYPE_RUSH;
    run.Primary = 3;
    run.Hole_Or_Depth = 5;
    const int32_t routes[5] = {41, 54, 40, 42, 0};
    std::memcpy(run.Routes, routes, sizeof routes);
    std::strcpy(run.Description, "The back follows the pulling guard.");
    char line[512];
    Write_Play_As_Initializer(line, 0, TEAM, 3);
    EXPECT_STREQ(line,
                 "{\"Power O\",4,0,0,0,0,3,5,{41,54,40,42,0},\"The back follows the pulling guard.\"},");
    DEFENSIVE_PLAY& cover = Defence(21);
    std::strcpy(cover.Name, "Cover 2");
    cover.Formation = 22;
    const int32_t roles[11] = {0, 0, 0, 0, 9, 9, 9, 13, 13, 8, 8};
    std::memcpy(cover.Roles, roles, sizeof roles);
    std::strcpy(cover.Description, "");
    Write_Play_As_Initializer(line, 1, TEAM, 21);
    EXPECT_STREQ(line, "{\"Cover 2\",22,{0,0,0,0,9,9,9,13,13,8,8},\"\"},");
}

// On a screen larger than the main window's minimum the small font grows
// with the window while the editor keeps its size: the result panels and
// the slot buttons then take a font of their own in which every line shows,
// the "Sack" line of a panel with plays on record too; a choice afterwards
// still works.
TEST_F(PlaybookEditor, ResultPanelsShowEveryLineOnALargeWindow) {
    OFFENSIVE_RESULT_DATA& offence = Universe.Teams[TEAM].Playbooks.Offense.Results;
    offence.Called[0][0] = 4;
    offence.Sacks[0][0] = 1;
    DEFENSIVE_RESULT_DATA& defence = Universe.Teams[TEAM].Playbooks.Defense.Results;
    defence.Called[0][3] = 4;
    defence.Sacks[0][3] = 1;
    for (const int32_t height : {1080, 1440}) {
        Set_Null_Surface_Size(height * 16 / 9, height);
        Fill_Screen_With_Main_Window();
        Reinit_Window_Graphics();
        for (const int32_t side : {0, 1}) {
            Set_User_Preference(PLAYBOOK_EDITOR_SIDE, side);
            Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 0);
            Script_Dialog_Step([side, height](WINDOW_HANDLE dialog) {
                const std::string where = "side " + std::to_string(side) + " at " + std::to_string(height);
                EXPECT_EQ(Join_Faults(Find_Control_Layout_Faults(dialog)), "") << where;
                EXPECT_NE(Get_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT + 3 * side).find("Sack: 25%"),
                          std::string::npos)
                    << where;
                Keep_Dialog_Picture(dialog,
                                    "playbook_editor_" + std::to_string(side) + "_" + std::to_string(height));
                Choose_Dialog_Line(dialog, EDITOR_PLAY_COMBO, 1);
                EXPECT_EQ(Join_Faults(Find_Control_Layout_Faults(dialog)), "") << "the next play, " << where;
                Click_Dialog_Button(dialog, EDITOR_DONE);
            });
            EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
            EXPECT_EQ(Get_User_Preference(PLAYBOOK_EDITOR_SLOT), 1);
        }
    }
}

// A play renamed and stored (by saving the playbook) shows its new name in
// the play list at once, its folder's new name in the folder list, and a
// play whose name was emptied shows the name it was stored under.
TEST_F(PlaybookEditor, AStoredNameShowsInTheListsAtOnce) {
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 3);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, EDITOR_PLAY_NAME, "Power Left");
        Type_Dialog_Text(dialog, EDITOR_FOLDER_NAME, "Goal Line");
        Click_Dialog_Button(dialog, EDITOR_SAVE);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_PLAY_COMBO, 3), "Power Left");
        EXPECT_EQ(Get_Dialog_Line(dialog, EDITOR_PLAY_COMBO), 3) << "the shown play stays chosen";
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FOLDER_COMBO, 0), "Offense: Goal Line");
        EXPECT_EQ(Get_Dialog_Line(dialog, EDITOR_FOLDER_COMBO), 0);
        Keep_Dialog_Picture(dialog, "playbook_editor_renamed");
        Type_Dialog_Text(dialog, EDITOR_PLAY_NAME, "");
        Click_Dialog_Button(dialog, EDITOR_SAVE);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_PLAY_COMBO, 3), "Unnamed Play");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_PLAY_NAME), "Unnamed Play");
        // Another play chosen, then this one again: the list still agrees.
        Choose_Dialog_Line(dialog, EDITOR_PLAY_COMBO, 1);
        Type_Dialog_Text(dialog, EDITOR_PLAY_NAME, "Counter Trey");
        Choose_Dialog_Line(dialog, EDITOR_PLAY_COMBO, 3);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_PLAY_COMBO, 1), "Counter Trey");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_PLAY_NAME), "Unnamed Play");
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    // Both Save Playbook dialogs are cancelled.
    Script_Dialog_Answer(SAVE_PLAYBOOK_DIALOG, 0);
    Script_Dialog_Answer(SAVE_PLAYBOOK_DIALOG, 0);
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_STREQ(Offence(3).Name, "Unnamed Play");
    EXPECT_STREQ(Offence(1).Name, "Counter Trey");
    EXPECT_STREQ(Universe.Teams[TEAM].Playbooks.Offense.Folder_Names[0], "Goal Line");
}
