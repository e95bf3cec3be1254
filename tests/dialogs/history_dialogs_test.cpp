#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/history_dialogs.h"
#include "dialogs/scouting_report.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"

namespace {
using HistoryDialogs = PlayerDialogsTest;

std::string Ordinal(int32_t n) {
    char text[FORMATTED_TEXT_SIZE];
    Format_History_Ordinal(n, text);
    return text;
}

std::string Finish(int32_t team, int32_t code) {
    char text[HISTORY_TEXT_SIZE];
    Format_Team_Finish(team, code, text);
    return text;
}
} // namespace

TEST_F(HistoryDialogs, OrdinalsAndFinishes) {
    EXPECT_EQ(Ordinal(1), "1st");
    EXPECT_EQ(Ordinal(11), "11th");
    EXPECT_EQ(Ordinal(12), "12th");
    EXPECT_EQ(Ordinal(13), "13th");
    EXPECT_EQ(Ordinal(21), "21st");
    EXPECT_EQ(Ordinal(22), "22nd");
    EXPECT_EQ(Ordinal(23), "23rd");
    EXPECT_EQ(Ordinal(30), "30th");
    char division[16], league[24];
    Get_Division_Name(Get_Team_Division(5), division);
    Get_League_Name(Get_Team_Division(5) / 4, league);
    EXPECT_EQ(Finish(5, 0), std::string("5th (") + division + ")");
    EXPECT_EQ(Finish(5, 5), std::string("1st (") + division + ")");
    EXPECT_EQ(Finish(5, 4), std::string(league) + " Wild Card");
    EXPECT_EQ(Finish(5, 7), std::string(league) + " Champion");
    EXPECT_EQ(Finish(5, 8), "Super Bowl Champion");
    EXPECT_EQ(Finish(5, 9), "");
    EXPECT_EQ(Finish(HALL_OF_FAME_TEAM, 6), " Divisional Winner") << "no league name for a team that is none";
}

TEST_F(HistoryDialogs, SeasonLinesRecordsAndAveragesOverACentury) {
    constexpr int32_t TEAM = 6;
    char texts[4][HISTORY_TEXT_SIZE];
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Format_Team_History_Averages(TEAM, texts);
    EXPECT_STREQ(texts[0], "Attendance: n/a");
    EXPECT_STREQ(texts[1], "Profit: n/a");
    EXPECT_STREQ(texts[2], "Record: n/a");
    EXPECT_STREQ(texts[3], "Rank: n/a");
    // A century of losses of 90 million dollars a season.
    for (int32_t season = 0; season < 99; ++season) {
        Set_Team_Yearly_Int(TEAM, season, 0, 60000);
        Set_Team_Yearly_Int(TEAM, season, 1, -90000000);
        Set_Team_Yearly_Int(TEAM, season, 2, 10);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_WINS, 9);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_LOSSES, 7);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_TIES, season == 0 ? 1 : 0);
        Set_Team_Yearly_Int(TEAM, season, 3, 5);
    }
    Set_User_Preference(CURRENT_SEASON_INDEX, 99);
    Format_Team_History_Averages(TEAM, texts);
    EXPECT_STREQ(texts[0], "Attendance: 60,000");
    EXPECT_STREQ(texts[1], "Profit: -$90,000,000") << "summed past the 32-bit range";
    EXPECT_STREQ(texts[2], "Record: 9-7");
    EXPECT_STREQ(texts[3], "Rank: 11th");
    char line[HISTORY_TEXT_SIZE];
    Format_Team_History_Line(line, TEAM, 0);
    const std::string first = line;
    EXPECT_NE(first.find("\t60,000\t-90,000,000\t9-7-1\t11th\t1st ("), std::string::npos) << first;
    Format_Team_History_Line(line, TEAM, 1);
    EXPECT_NE(std::string(line).find("\t9-7\t"), std::string::npos) << "no ties, no third number";
    Set_User_Preference(VIEWED_TEAM, TEAM);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, TEAM_HISTORY_LIST), 99);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[2]), "Record: 9-7");
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, 2);
        EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 2);
        EXPECT_EQ(Get_Window_Text(dialog), "History");
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, TEAM);
        Keep_Dialog_Picture(dialog, "team_history");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0), 1);
}

// A franchise that joined the league later lists, and averages, only the
// seasons it played: the rows of the seasons before it came hold no game and
// no money, though the season it joined in may hold a rank the league gave
// it as it came.
TEST_F(HistoryDialogs, AFranchiseListsAndAveragesOnlyTheSeasonsItPlayed) {
    constexpr int32_t TEAM = 6;
    constexpr int32_t FIRST_PLAYED = 3;
    for (int32_t season = 0; season < 6; ++season) {
        const bool played = season >= FIRST_PLAYED;
        Set_Team_Yearly_Int(TEAM, season, 0, played ? 60000 : 0);
        Set_Team_Yearly_Int(TEAM, season, 1, played ? 1000000 : 0);
        Set_Team_Yearly_Int(TEAM, season, 2, played ? 4 : season == FIRST_PLAYED - 1 ? 12 : 0);
        Set_Team_Yearly_Int(TEAM, season, 3, 0);
        Set_Team_Yearly_Char(TEAM, season, 1, 0);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_WINS, played ? 9 : 0);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_LOSSES, played ? 7 : 0);
        Set_Team_Yearly_Char(TEAM, season, RECORD_CHAR_TIES, 0);
    }
    Set_User_Preference(CURRENT_SEASON_INDEX, 6);
    Set_User_Preference(VIEWED_TEAM, TEAM);
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    Script_Dialog_Step([base_year](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Count_Dialog_Lines(dialog, TEAM_HISTORY_LIST), 3);
        for (int32_t n = 0; n < 3; ++n) {
            const std::string line = Get_Dialog_Line_Text(dialog, TEAM_HISTORY_LIST, n);
            EXPECT_EQ(line.substr(0, line.find('\t')), std::to_string(base_year + FIRST_PLAYED + n)) << line;
            EXPECT_NE(line.find("\t9-7\t5th\t"), std::string::npos) << line;
        }
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[0]), "Attendance: 60,000");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[1]), "Profit: $1,000,000");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[2]), "Record: 9-7");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[3]), "Rank: 5th");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0), 1);
    // Before its first season a franchise has no history at all.
    Set_User_Preference(CURRENT_SEASON_INDEX, FIRST_PLAYED);
    char texts[4][HISTORY_TEXT_SIZE];
    Format_Team_History_Averages(TEAM, texts);
    EXPECT_STREQ(texts[2], "Record: n/a");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, TEAM_HISTORY_LIST), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0), 1);
}

// The average profit adds half the seasons to the total, losses as profits,
// before it divides: losses of 3 and 2 dollars average to -2, profits of 3
// and 2 to 3.
TEST_F(HistoryDialogs, TheAverageProfitAddsHalfTheSeasonsToANegativeTotalToo) {
    constexpr int32_t TEAM = 6;
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Set_User_Preference(VIEWED_TEAM, TEAM);
    for (const int32_t sign : {-1, 1}) {
        Set_Team_Yearly_Int(TEAM, 0, 1, 3 * sign);
        Set_Team_Yearly_Int(TEAM, 1, 1, 2 * sign);
        Script_Dialog_Step([sign](WINDOW_HANDLE dialog) {
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, HISTORY_AVERAGE_TEXTS[1]),
                      sign < 0 ? "Profit: -$2" : "Profit: $3");
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0);
    }
}

TEST_F(HistoryDialogs, HallOfFameListsMembersFromTheSeasonAfterTheirInduction) {
    const int32_t year = Get_Current_Year();
    for (int32_t n = 0; n < 3; ++n) {
        Copy_Player(HALL_OF_FAME_TEAM, n, 7, n * 5);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, 19, n == 2 ? year : year - 3 + n);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, 20, 95 - n);
    }
    char line[HISTORY_TEXT_SIZE], name[64];
    Format_Hall_Of_Fame_Line(1, line);
    Get_Player_Full_Name(HALL_OF_FAME_TEAM, 1, name);
    char position[8];
    Get_Player_Position_Abbreviation(position, HALL_OF_FAME_TEAM, 1);
    std::string padded = position;
    padded.insert(0, 5 - padded.size(), ' ');
    EXPECT_EQ(std::string(line),
              std::string(name) + "\t" + padded + "\t" + std::to_string(year - 2) + "\t94%\t");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, HALL_OF_FAME_LIST), 2) << "this year's member waits a season";
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, 1045)));
        Choose_Dialog_Line(dialog, HALL_OF_FAME_LIST, 1);
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, 1045)));
        Script_Dialog_Step([](WINDOW_HANDLE report) {
            EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), HALL_OF_FAME_TEAM);
            EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), 1);
            Click_Dialog_Button(report, ID_OK);
        });
        Double_Click_Dialog_Line(dialog, HALL_OF_FAME_LIST);
        Keep_Dialog_Picture(dialog, "hall_of_fame");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, HALL_OF_FAME_DIALOG, 0), 1);
    EXPECT_EQ(Get_Last_Dialog_Id(), SCOUTING_REPORT_DIALOG);
}

namespace {
constexpr int32_t MEMBER_SCOUTING = 1045;

// In the member's report, in Commissioner Mode: Edit Player, and Delete.
void Delete_The_Shown_Member(WINDOW_HANDLE report) {
    Script_Dialog_Step([](WINDOW_HANDLE editor) {
        Script_Message_Answer("Delete Player", ID_BOX_OK);
        Click_Dialog_Button(editor, EDIT_DELETE);
    });
    Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
}

int32_t Member_Slot(int32_t id) {
    int32_t team = -1, slot = -1;
    return Find_Player_By_ID(&team, &slot, id) != 0 && team == HALL_OF_FAME_TEAM ? slot : -1;
}
} // namespace

// In Commissioner Mode, Scouting on the third member, the report stepped
// back to the second, who is deleted there: the list shows the members left,
// its row stays on the scouted member, and a delete from his report, opened
// again from the list, deletes him.
TEST_F(HistoryDialogs, AMemberDeletedFromTheReportLeavesTheRowOnTheScoutedMember) {
    const int32_t year = Get_Current_Year();
    int32_t ids[4];
    for (int32_t n = 0; n < 4; ++n) {
        Copy_Player(HALL_OF_FAME_TEAM, n, 7, n * 5);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, 19, year - 3);
        ids[n] = 930000 + n;
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, VITAL_PLAYER_ID, ids[n]);
    }
    Set_User_Preference(COMMISSIONER_MODE, 1);
    int32_t shown = 0;
    Script_Dialog_Step([&shown](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, HALL_OF_FAME_LIST, 2);
        Script_Dialog_Step([](WINDOW_HANDLE report) {
            Click_Dialog_Button(report, REPORT_PREVIOUS_BUTTON);
            Delete_The_Shown_Member(report);
        });
        Click_Dialog_Button(dialog, MEMBER_SCOUTING);
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, HALL_OF_FAME_LIST);
        EXPECT_EQ(Count_Dialog_Lines(dialog, HALL_OF_FAME_LIST), 3) << "the members left";
        for (int32_t line = 0; line < Count_Dialog_Lines(dialog, HALL_OF_FAME_LIST); ++line) {
            char row[HISTORY_TEXT_SIZE];
            Format_Hall_Of_Fame_Line(static_cast<int32_t>(List_Box_Get_Item_Data(list, line)), row);
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, HALL_OF_FAME_LIST, line), row) << "line " << line;
        }
        Script_Dialog_Step([&shown](WINDOW_HANDLE report) {
            shown = Get_Player_ID(Get_User_Preference(SELECTED_PLAYER_TEAM),
                                  Get_User_Preference(SELECTED_PLAYER_SLOT));
            Delete_The_Shown_Member(report);
        });
        Click_Dialog_Button(dialog, MEMBER_SCOUTING);
        EXPECT_EQ(Count_Dialog_Lines(dialog, HALL_OF_FAME_LIST), 2);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, HALL_OF_FAME_DIALOG, 0);
    EXPECT_EQ(shown, ids[2]) << "the report of the scouted member";
    EXPECT_EQ(Member_Slot(ids[1]), -1) << "deleted from the first report";
    EXPECT_EQ(Member_Slot(ids[2]), -1) << "deleted from the second";
    EXPECT_EQ(Member_Slot(ids[0]), 0);
    EXPECT_EQ(Member_Slot(ids[3]), 1) << "the member who moved into his slot stays";
}
