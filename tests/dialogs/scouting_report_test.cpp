#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_card.h"
#include "dialogs/scouting_report.h"
#include "frontoffice/contract_offer.h"
#include "personnel/injuries.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"

namespace {
constexpr int32_t USER = 2;
using ScoutingReport = PlayerDialogsTest;

std::string Card(int32_t column, int32_t row, int32_t team, int32_t slot) {
    char text[CARD_TEXT_SIZE];
    Format_Player_Card_Field(column, row, team, slot, text);
    return text;
}

std::string Bio(int32_t team, int32_t slot, int32_t row, int32_t field) {
    char text[CARD_TEXT_SIZE];
    Format_Player_Bio_Value(team, slot, row, field, text);
    return text;
}

// Links the player to `count` season lines of the years from 1990 on.
void Give_Seasons(int32_t team, int32_t slot, int32_t count) {
    Clear_Player_Season_Line_Links(team, slot);
    for (int32_t n = 0; n < count; ++n) {
        const int32_t line = Find_Free_Season_Line();
        ASSERT_GE(line, 0);
        Set_Season_Line_Year(line, 1990 + n);
        Set_Season_Line_Team(line, team);
        Set_Season_Line_Stat(line, 0, 10);
        Set_Player_Season_Line_Link(team, slot, n, line);
    }
}

int32_t Shown_Code() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM) * 100 + Get_User_Preference(SELECTED_PLAYER_SLOT);
}
} // namespace

TEST_F(ScoutingReport, CardFieldsByValue) {
    Set_Player_Vital_Stat(4, 2, VITAL_DRAFT_SLOT, 200015);
    EXPECT_EQ(Card(0, 5, 4, 2), "2nd Round (#15)");
    Set_Player_Vital_Stat(4, 2, VITAL_DRAFT_SLOT, 15);
    EXPECT_EQ(Card(0, 5, 4, 2), "Pick #15");
    Set_Player_Vital_Stat(4, 2, VITAL_DRAFT_SLOT, -1);
    EXPECT_EQ(Card(0, 5, 4, 2), "Undrafted Free Agent");
    Set_Player_Vital_Stat(4, 2, VITAL_DRAFT_RECORD, 6 * 10000 + 2015);
    char abbreviation[64];
    Get_Team_String(abbreviation, 5, 0);
    EXPECT_EQ(Card(0, 4, 4, 2), std::string("Signed by ") + abbreviation + " (2015)");
    Set_Player_Vital_Stat(4, 2, VITAL_CREDITED_SEASONS, 0);
    EXPECT_EQ(Card(0, 0, 4, 2), "Rookie");
    Set_Player_Vital_Stat(4, 2, VITAL_CREDITED_SEASONS, -2);
    EXPECT_EQ(Card(0, 0, 4, 2), "Junior");
    Set_Player_Vital_Stat(4, 2, VITAL_CREDITED_SEASONS, 4);
    EXPECT_EQ(Card(0, 0, 4, 2), "Fifth season");
    const int32_t cap_impact = Get_Player_Vital_Stat(4, 2, VITAL_CAP_CHARGE);
    ASSERT_LT(cap_impact, 1000);
    EXPECT_EQ(Card(1, 3, 4, 2), "Cap Impact: $" + std::to_string(cap_impact) + ",000");
    Set_Player_Vital_Stat(4, 2, VITAL_SIGNING_BONUS, 1250);
    EXPECT_EQ(Card(1, 4, 4, 2), "Remaining Bonus: $1,250,000") << "the bonus still to count";
    // Out for the season, or holding out on a computer team.
    Universe.Post_Season_Days[3] = 21;
    Set_User_Preference(CURRENT_WEEK, 10);
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 12);
    Set_Player_Vital_Stat(4, 2, VITAL_INJURY_TYPE, 3);
    EXPECT_EQ(Card(1, 5, 4, 2), " Out for season");
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 1);
    EXPECT_EQ(Card(1, 5, 4, 2), " Out for 1 week");
    Set_Player_Vital_Stat(4, 2, VITAL_INJURY_TYPE, INJURY_HOLDOUT);
    EXPECT_EQ(Card(1, 5, 4, 2), "") << "a computer team's holdout carries no note";
    // The Hall of Fame shows no scouted figures.
    Copy_Player(HALL_OF_FAME_TEAM, 0, 4, 3);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, 20, 87);
    EXPECT_EQ(Card(1, 2, HALL_OF_FAME_TEAM, 0), "Votes Received: 87%");
    EXPECT_EQ(Card(2, 0, HALL_OF_FAME_TEAM, 0), "");
    EXPECT_EQ(Card(3, 1, HALL_OF_FAME_TEAM, 0), "");
    // A tackle's fourth rating column is empty.
    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    EXPECT_EQ(Card(2, 5, 4, tackle), "");
    EXPECT_EQ(Card(2, 2, 4, tackle), "Run Blocking");
    // Names of 22 characters shrink to an initial.
    Set_Player_First_Name(4, 2, "Christopher");
    Set_Player_Last_Name(4, 2, "Williamson");
    char name[CARD_TEXT_SIZE];
    Format_Card_Player_Name(4, 2, name);
    EXPECT_STREQ(name, "C. Williamson");
    Set_Player_First_Name(4, 2, "Christophe");
    Format_Card_Player_Name(4, 2, name);
    EXPECT_STREQ(name, "Christophe Williamson") << "21 characters fit";
}

TEST_F(ScoutingReport, StatisticFieldsKeepTheSignBeforeTheWholeNumber) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0), guard = Test_League_Slot(POSITION_G, 0);
    Set_Player_Stat(4, qb, SEASON_THIS, 0, 3);
    Set_Player_Stat(4, qb, SEASON_THIS, 2, 2);
    Set_Player_Stat(4, qb, SEASON_THIS, 5, -3);
    EXPECT_EQ(Bio(4, qb, SEASON_THIS, 6), "-1.50") << "yards an attempt: -3 yards on 2 passes";
    Set_Player_Stat(4, qb, SEASON_THIS, 5, -1);
    EXPECT_EQ(Bio(4, qb, SEASON_THIS, 6), "-0.50");
    Set_Player_Stat(4, guard, SEASON_THIS, 0, 10);
    Set_Player_Stat(4, guard, SEASON_THIS, 7, 8);
    Set_Player_Stat(4, guard, SEASON_THIS, 8, 36);
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 14), "4.50") << "yards a rush";
    Set_Player_Stat(4, guard, SEASON_THIS, 8, 100);
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 14), "12.5") << "a five-character result drops its last 0";
    Set_Player_Stat(4, guard, SEASON_THIS, 7, 0);
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 14), "-") << "no rushes";
    Set_Player_Vital_Stat(4, guard, VITAL_HEIGHT, 58);
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 56), "6'5\"") << "a height below 60 is replaced";
    Set_Player_Vital_Stat(4, guard, VITAL_CREDITED_SEASONS, 2);
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 59), "3rd season");
    EXPECT_EQ(Bio(4, guard, SEASON_THIS, 53), "");
    char heading[CARD_TEXT_SIZE];
    Get_Stat_Page_Heading(6, 8, heading);
    EXPECT_STREQ(heading, "(FG%)");
    EXPECT_EQ(Get_Stat_Page_Column_Count(3), 19);
    EXPECT_EQ(Get_Stat_Column_X(1, 8), 7 + 50 + 30 + 24 + 24 + 60 + 84 + 66 + 54);
}

TEST_F(ScoutingReport, ThirtySeasonsShowOnTwoPagesAndThirteenMakeThePagesClickable) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Give_Seasons(4, qb, 30);
    EXPECT_EQ(Count_Player_Career_Seasons(4, qb), 30);
    Set_User_Preference(SELECTED_PLAYER_TEAM, 4);
    Set_User_Preference(SELECTED_PLAYER_SLOT, qb);
    auto shown_years = [](WINDOW_HANDLE report) {
        Clear_Drawn_Texts();
        Repaint_Window(report);
        std::string years;
        for (int32_t year = 1990; year < 2020; ++year)
            if (Was_Text_Drawn(std::to_string(year))) years += std::to_string(year) + " ";
        return years;
    };
    Script_Dialog_Step([&](WINDOW_HANDLE report) {
        EXPECT_EQ(shown_years(report), "2008 2009 2010 2011 2012 2013 2014 2015 2016 2017 2018 2019 ")
            << "page 1: the 30th season down to the 19th";
        EXPECT_TRUE(Was_Text_Drawn("Click stats (below) to see page 2"));
        // A click on the statistics toggles the page.
        RECT_AREA client;
        Get_Client_Rect(report, &client);
        Send_Window_Message(report, MSG_LBUTTON_DOWN, 0, Pack_Point(client.Right / 2, client.Bottom * 3 / 4));
        EXPECT_EQ(Get_User_Preference(STAT_PAGE_OFFSET), STAT_PAGE_SEASONS);
        EXPECT_EQ(shown_years(report), "1996 1997 1998 1999 2000 2001 2002 2003 2004 2005 2006 2007 ")
            << "page 2: the 18th down to the 7th; the oldest six are not shown";
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, 4, qb);
    // Twelve seasons: one page and nothing to click.
    Give_Seasons(4, qb, 12);
    Script_Dialog_Step([&](WINDOW_HANDLE report) {
        shown_years(report);
        EXPECT_FALSE(Was_Text_Drawn("Click stats (below)"));
        RECT_AREA client;
        Get_Client_Rect(report, &client);
        Send_Window_Message(report, MSG_LBUTTON_DOWN, 0, Pack_Point(client.Right / 2, client.Bottom * 3 / 4));
        EXPECT_EQ(Get_User_Preference(STAT_PAGE_OFFSET), 0);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, 4, qb);
}

TEST_F(ScoutingReport, StepsThroughTheRosterAndThePoolsPassingEmptyPools) {
    for (int32_t n = 0; n < 2; ++n)
        Copy_Player(40, n, 6, n);
    Copy_Player(38, 0, 6, 5);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 4001);
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 3800) << "from pool 40 to pool 38, past the empty 39";
        Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
        EXPECT_EQ(Shown_Code(), 4001) << "back past the empty pool, never to slot -1";
        Click_Dialog_Button(report, ID_OK);
    });
    EXPECT_EQ(Show_Scouting_Report(Main_Window, 40, 0), 1);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
        EXPECT_EQ(Shown_Code(), 5 * 100 + TEST_ROSTER_SIZE - 1) << "from the first player to the last";
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 500);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, 5, 0);
    // An empty slot is told of, and the report opens on it with nothing to
    // act on; Next goes on to the team's first player.
    Clear_Shown_Messages();
    const int32_t opened = Count_Dialogs_Opened();
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        EXPECT_EQ(Shown_Code(), 599);
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(report, REPORT_GO_GET_BUTTON)));
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(report, REPORT_RELEASE_BUTTON)));
        Keep_Dialog_Picture(report, "scouting_report_empty_slot");
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 500);
        Click_Dialog_Button(report, ID_OK);
    });
    EXPECT_EQ(Show_Scouting_Report(Main_Window, 5, 99), 1);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Couldn't find: TEAM:5  PLAYER:99");
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Scouting Error");
    EXPECT_EQ(Count_Dialogs_Opened(), opened + 1) << "the report opened";
}

TEST_F(ScoutingReport, ButtonsFollowTheModeAndCancelledTalksRestoreTheContract) {
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    auto caption_and_state = [](int32_t team, int32_t slot, std::string* go_get, bool* go, bool* release) {
        Script_Dialog_Step([=](WINDOW_HANDLE report) {
            *go_get = Get_Dialog_Item_Text(report, REPORT_GO_GET_BUTTON);
            *go = Is_Window_Enabled(Get_Dialog_Item(report, REPORT_GO_GET_BUTTON));
            *release = Is_Window_Enabled(Get_Dialog_Item(report, REPORT_RELEASE_BUTTON));
            Click_Dialog_Button(report, ID_OK);
        });
        Show_Scouting_Report(Main_Window, team, slot);
    };
    std::string caption;
    bool go = false, release = false;
    caption_and_state(USER, 4, &caption, &go, &release);
    EXPECT_EQ(caption, "&Negotiate");
    EXPECT_TRUE(release) << "the user's own player";
    caption_and_state(7, 4, &caption, &go, &release);
    EXPECT_EQ(caption, "&Go Get");
    EXPECT_TRUE(go);
    EXPECT_FALSE(release);
    Copy_Player(HALL_OF_FAME_TEAM, 0, 7, 4);
    caption_and_state(HALL_OF_FAME_TEAM, 0, &caption, &go, &release);
    EXPECT_FALSE(go) << "nobody trades for a member of the Hall of Fame";
    Set_User_Preference(COMMISSIONER_MODE, 1);
    caption_and_state(HALL_OF_FAME_TEAM, 0, &caption, &go, &release);
    EXPECT_EQ(caption, "&Edit Player");
    EXPECT_TRUE(go);
    caption_and_state(7, 4, &caption, &go, &release);
    EXPECT_TRUE(release) << "commissioners release anyone of a franchise";
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    Set_Player_Vital_Stat(7, 4, 26, 3);
    caption_and_state(7, 4, &caption, &go, &release);
    EXPECT_EQ(caption, "&Draft Player");
    EXPECT_FALSE(go) << "already drafted";
    EXPECT_FALSE(release) << "nobody is released during a fantasy draft";
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    // Talks broken off (nothing agreed) leave his contract as it was.
    const int32_t kept[] = {VITAL_SALARY, VITAL_CONTRACT_YEARS, 25, VITAL_SIGNING_BONUS};
    const int32_t values[] = {1234, 3, 2, 456};
    for (int32_t i = 0; i < 4; ++i)
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, kept[i], values[i]);
    Copy_Player(FREE_AGENT_TEAM, 0, 9, 9);
    for (int32_t i = 0; i < 4; ++i)
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, kept[i], values[i]);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 0);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, FREE_AGENT_TEAM, 0);
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, kept[i]), values[i]) << "vital " << kept[i];
    // Agreed: he joins the user's team and the report follows him there.
    const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, 0);
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    Script_Dialog_Step([id](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), USER);
        EXPECT_EQ(Get_Player_ID(USER, Get_User_Preference(SELECTED_PLAYER_SLOT)), id);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, FREE_AGENT_TEAM, 0);
}

TEST_F(ScoutingReport, SigningWithTheSeasonLinesFullLinksNoEmptyLine) {
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 0);
    Copy_Player(FREE_AGENT_TEAM, 0, 9, 9);
    const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, 0);
    const int32_t latest = Get_Player_Latest_Season_Line(FREE_AGENT_TEAM, 0);
    for (int32_t line = 0; line < 32768; ++line)
        if (Get_Season_Line_Year(line) == 0) Set_Season_Line_Year(line, 1900);
    ASSERT_EQ(Find_Free_Season_Line(), NO_SEASON_LINE);
    Clear_Shown_Messages();
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, FREE_AGENT_TEAM, 0);
    ASSERT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), USER);
    const int32_t slot = Get_User_Preference(SELECTED_PLAYER_SLOT);
    EXPECT_EQ(Get_Player_ID(USER, slot), id) << "signed";
    EXPECT_EQ(Get_Player_Latest_Season_Line(USER, slot), latest) << "no line to open: the latest stays";
}

TEST_F(ScoutingReport, StepsFromTheUsersPlayerToAnotherTeamsRelabelGoGet) {
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_LIST_VIEW))) Register_Controls();
    auto data = std::make_unique<LISTVIEW_DATA>();
    data->Dialog_Window = Main_Window;
    data->List_Window = Create_Window(Get_Control_Class_Name(CONTROL_LIST_VIEW), "",
                                      WINDOW_CHILD | WINDOW_VISIBLE, {0, 0, 400, 300}, Main_Window, 1124, 0);
    Init_Listview_Data(data.get());
    data->Column_Count = 1;
    Rebuild_Listview_Columns(data.get());
    data->Entries[0] = USER * 100 + 4;
    data->Entries[1] = 7 * 100 + 4;
    Fill_Listview_Rows(data.get(), NO_WINDOW);
    Select_Listview_Player(data->List_Window, USER, 4);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        EXPECT_EQ(Get_Dialog_Item_Text(report, REPORT_GO_GET_BUTTON), "&Negotiate");
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 704);
        EXPECT_EQ(Get_Dialog_Item_Text(report, REPORT_GO_GET_BUTTON), "&Go Get")
            << "the label says what it does";
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), USER * 100 + 4) << "the last row wraps to the first";
        Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
        EXPECT_EQ(Shown_Code(), 704) << "and the first back to the last";
        Click_Dialog_Button(report, ID_OK);
    });
    EXPECT_EQ(Show_Scouting_Report(Main_Window, 0, 0, data.get()), 1);
    Clear_Listview_Selection(data->List_Window);
    EXPECT_EQ(Show_Scouting_Report(Main_Window, 0, 0, data.get()), -1) << "no row chosen: nothing opens";
}

TEST_F(ScoutingReport, WebLinkAndPictureNamesTakeOnlyPlainNames) {
    char address[256];
    Set_Player_External_ID(4, 2, "smithjo01");
    ASSERT_TRUE(Format_Player_Web_Address(4, 2, address, sizeof address));
    EXPECT_EQ(std::string(address).rfind("https://", 0), 0u);
    EXPECT_NE(std::string(address).find("/players/S/smithjo01.htm"), std::string::npos);
    for (const char* id : {"../etc", "a/b", "x y", "q?x=1", ""}) {
        Set_Player_External_ID(4, 2, id);
        EXPECT_FALSE(Format_Player_Web_Address(4, 2, address, sizeof address)) << id;
    }
    EXPECT_TRUE(Is_Safe_Picture_Name("John Smith"));
    EXPECT_FALSE(Is_Safe_Picture_Name("..\\..\\secret"));
    EXPECT_FALSE(Is_Safe_Picture_Name("a/b"));
    EXPECT_FALSE(Is_Safe_Picture_Name("x.jpg:L"));
    // A click on the name opens the page of a plain id only.
    Set_Player_External_ID(4, 2, "smithjo01");
    Clear_Desktop_Requests();
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Send_Window_Message(report, MSG_LBUTTON_DOWN, 0, Pack_Point(40, 10));
        Click_Dialog_Button(report, ID_OK);
    });
    Show_Scouting_Report(Main_Window, 4, 2);
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_NE(Get_Shell_Requests()[0].Target.find("smithjo01.htm"), std::string::npos);
}

TEST_F(ScoutingReport, PicturesOfEveryKindOfPlayerInBothColourSets) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0), tackle = Test_League_Slot(POSITION_T, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 8, Test_League_Slot(POSITION_WR, 0));
    Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM, 0, VITAL_CREDITED_SEASONS, -1);
    Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM, 0, VITAL_DRAFT_POOL_VALUE, 78);
    Copy_Player(HALL_OF_FAME_TEAM, 0, 9, Test_League_Slot(POSITION_LB, 0));
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, 19, 2019);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, 20, 91);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_CREDITED_SEASONS, 13);
    Give_Seasons(HALL_OF_FAME_TEAM, 0, 14);
    struct SHOWN {
        int32_t Team, Slot;
        const char* Name;
        const char* Expected;
    };
    const SHOWN shown[] = {{6, qb, "quarterback", "Quarterback"},
                           {6, tackle, "lineman", "Average NFL Starter = 70"},
                           {6, kicker, "kicker", "FG Accuracy"},
                           {FIRST_COLLEGE_POOL_TEAM, 0, "prospect", "CSS: 7.8"},
                           {HALL_OF_FAME_TEAM, 0, "hall_of_fame", "Votes Received: 91%"}};
    for (int32_t colours = 0; colours < 2; ++colours) {
        // The second colour set is the one for the light skins.
        Set_User_Preference(SECOND_COLOUR_SET, colours);
        Set_Skin_Name(colours != 0 ? "ice" : "earth");
        for (const SHOWN& each : shown) {
            Clear_Drawn_Texts();
            const std::string picture =
                std::string("scouting_") + each.Name + (colours != 0 ? "_second" : "");
            Script_Dialog_Step([picture](WINDOW_HANDLE report) {
                EXPECT_GT(Keep_Dialog_Picture(report, picture), REPORT_DESIGN_WIDTH)
                    << "scaled to the window";
                Click_Dialog_Button(report, ID_OK);
            });
            Show_Scouting_Report(Main_Window, each.Team, each.Slot);
            EXPECT_TRUE(Was_Text_Drawn(each.Expected)) << each.Name;
        }
    }
}

namespace {
constexpr int32_t CONTRACT_VITALS[] = {VITAL_SIGNING_BONUS, VITAL_SALARY, VITAL_CONTRACT_YEARS,
                                       VITAL_BONUS_YEARS};

struct CONTRACT_SNAPSHOT {
    int32_t Id;
    int32_t Terms[4];
};

CONTRACT_SNAPSHOT Read_Contract(int32_t team, int32_t slot) {
    CONTRACT_SNAPSHOT contract{Get_Player_ID(team, slot), {}};
    for (int32_t i = 0; i < 4; ++i)
        contract.Terms[i] = Get_Player_Vital_Stat(team, slot, CONTRACT_VITALS[i]);
    return contract;
}

int32_t Find_Slot_Of(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_ID(team, slot) == id) return slot;
    return -1;
}

std::vector<CONTRACT_SNAPSHOT> Read_Team_Contracts(int32_t team) {
    std::vector<CONTRACT_SNAPSHOT> contracts;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) contracts.push_back(Read_Contract(team, slot));
    return contracts;
}
} // namespace

// Negotiate, then Scouting inside the talk, and the player released there:
// the player below him moves into his slot, and neither the talk nor the
// report may hand him the released player's terms.
TEST_F(ScoutingReport, APlayerReleasedInsideHisOwnTalkEndsItAndNoOtherPlayerTakesHisContract) {
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    constexpr int32_t slot = 4;
    // He earns less than he asks, so he may talk; the next player's terms differ.
    Set_Player_Vital_Stat(USER, slot, VITAL_SALARY, 1);
    Set_Player_Vital_Stat(USER, slot, VITAL_SIGNING_BONUS, 7);
    const int32_t id = Get_Player_ID(USER, slot);
    const std::vector<CONTRACT_SNAPSHOT> before = Read_Team_Contracts(USER);
    Script_Dialog_Step([](WINDOW_HANDLE report) { Click_Dialog_Button(report, REPORT_GO_GET_BUTTON); });
    Script_Dialog_Step([](WINDOW_HANDLE offer) {
        ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
        Click_Dialog_Button(offer, MORE_YEARS_BUTTON);
        Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON);
    });
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Dialog_Step([](WINDOW_HANDLE inner) {
        ASSERT_EQ(Get_Dialog_Template_Id(inner), SCOUTING_REPORT_DIALOG);
        Click_Dialog_Button(inner, REPORT_RELEASE_BUTTON);
    });
    Script_Dialog_Step([id](WINDOW_HANDLE dialog) {
        if (Get_Dialog_Template_Id(dialog) == CONTRACT_OFFER_DIALOG) {
            ADD_FAILURE() << "the talk outlived the player's place on the team";
            Click_Dialog_Button(dialog, DECLINE_BUTTON);
            return;
        }
        EXPECT_EQ(Get_Open_Modal_Dialogs().size(), 1u) << "only the first report is left";
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), FREE_AGENT_TEAM) << "it follows him";
        EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, Get_User_Preference(SELECTED_PLAYER_SLOT)), id);
        Keep_Dialog_Picture(dialog, "scouting_report_after_release_in_talk");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Show_Scouting_Report(Main_Window, USER, slot);

    EXPECT_GE(Find_Slot_Of(FREE_AGENT_TEAM, id), 0) << "released";
    const std::vector<CONTRACT_SNAPSHOT> after = Read_Team_Contracts(USER);
    EXPECT_EQ(after.size() + 1, before.size());
    for (const CONTRACT_SNAPSHOT& was : before) {
        if (was.Id == id) continue;
        const int32_t now_slot = Find_Slot_Of(USER, was.Id);
        ASSERT_GE(now_slot, 0) << "player " << was.Id << " stays";
        const CONTRACT_SNAPSHOT now = Read_Contract(USER, now_slot);
        for (int32_t i = 0; i < 4; ++i)
            EXPECT_EQ(now.Terms[i], was.Terms[i]) << "player " << was.Id << " vital " << CONTRACT_VITALS[i];
    }
}

// The two openers: from a list, its selected row's player, stepping through
// the list's rows (nothing selected: nothing opens); for a player, him,
// stepping through his roster.
TEST_F(ScoutingReport, OpenersTakeTheListsSelectionOrThePlayerGiven) {
    if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_LIST_VIEW))) Register_Controls();
    const WINDOW_HANDLE list =
        Create_Window(Get_Control_Class_Name(CONTROL_LIST_VIEW), "", WINDOW_CHILD | WINDOW_VISIBLE,
                      {10, 10, 410, 310}, Main_Window, 1124, 0);
    auto data = std::make_unique<LISTVIEW_DATA>();
    data->Dialog_Window = Main_Window;
    data->List_Window = list;
    Init_Listview_Data(data.get());
    data->Column_Count = 1;
    Rebuild_Listview_Columns(data.get());
    const int32_t codes[] = {712, 305, 410};
    for (int32_t n = 0; n < 3; ++n)
        data->Entries[n] = static_cast<uint16_t>(codes[n]);
    Fill_Listview_Rows(data.get(), NO_WINDOW);
    const int32_t opened = Count_Dialogs_Opened();
    EXPECT_EQ(Show_Scouting_Report_From_List(data.get()), -1) << "no row selected";
    EXPECT_EQ(Count_Dialogs_Opened(), opened);
    Select_Listview_Player(list, 3, 5);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        EXPECT_EQ(Shown_Code(), 305);
        EXPECT_EQ(Get_Window_Owner(report), Main_Window) << "over the list's parent";
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 410) << "the list's next row";
        Click_Dialog_Button(report, ID_OK);
    });
    EXPECT_EQ(Show_Scouting_Report_From_List(data.get()), 1);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        EXPECT_EQ(Shown_Code(), 402);
        Click_Dialog_Button(report, REPORT_NEXT_BUTTON);
        EXPECT_EQ(Shown_Code(), 403) << "his roster's next player";
        Click_Dialog_Button(report, ID_OK);
    });
    EXPECT_EQ(Show_Scouting_Report_For_Player(Main_Window, 4, 2), 1);
    Destroy_Window(list);
}

namespace {
// The colour the last drawn text holding `text` was asked for.
COLOUR_VALUE Drawn_Colour(const std::string& text) {
    for (int32_t i = Get_Drawn_Text_Count() - 1; i >= 0; --i)
        if (std::string(Get_Drawn_Text(i)->Text) == text) return Get_Drawn_Text(i)->Colour;
    ADD_FAILURE() << "\"" << text << "\" was not drawn";
    return 0x123456;
}
} // namespace

// The name line: the name takes white or, with the second colour set, black
// on every skin; the team and the position are white on the ice and fire
// skins whatever the colour set holds.
TEST_F(ScoutingReport, NameLineColoursFollowTheSkinAndTheColourSet) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    char name[CARD_TEXT_SIZE], team[CARD_TEXT_SIZE];
    Format_Card_Player_Name(6, qb, name);
    Get_Team_String(team, 6, 2);
    for (const char* skin : {"earth", "ice", "fire"})
        for (int32_t second = 0; second < 2; ++second) {
            Set_Skin_Name(skin);
            Set_User_Preference(SECOND_COLOUR_SET, second);
            const std::string look = std::string(skin) + (second != 0 ? ", second colours" : "");
            Clear_Drawn_Texts();
            Script_Dialog_Step([&](WINDOW_HANDLE report) {
                Keep_Dialog_Picture(report,
                                    "scouting_name_line_" + std::string(skin) + std::to_string(second));
                Click_Dialog_Button(report, ID_OK);
            });
            Show_Scouting_Report(Main_Window, 6, qb);
            const bool light = std::string(skin) != "earth";
            const COLOUR_VALUE plain = second != 0 ? 0x000000 : 0xFFFFFF;
            EXPECT_EQ(Drawn_Colour(name), plain) << look;
            EXPECT_EQ(Drawn_Colour("Quarterback"), light ? 0xFFFFFFu : plain) << look;
            EXPECT_EQ(Drawn_Colour(team), light ? 0xFFFFFFu : second != 0 ? 0x00006Eu : 0x45F9FFu) << look;
            EXPECT_FALSE(Was_Text_Drawn("Average NFL Starter")) << "a passer has no scouting note";
        }
}
