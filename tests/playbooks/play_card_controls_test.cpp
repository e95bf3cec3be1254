// The Playbook Editor's hidden play-card controls, driven in the open editor,
// and the spreadsheet of a team's play cards.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "playbooks/play_card_controls.h"
#include "playbooks/play_cards.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_files.h"
#include "support/dialog_steps.h"
#include "support/file_lines.h"
#include "support/frame_fixture.h"

namespace {
constexpr int32_t TEAM = 9;
constexpr int32_t PLAY = 3; // folder 0, slot 3

class PlayCardControls : public LeagueFrameTest {
  protected:
    void SetUp() override {
        LeagueFrameTest::SetUp();
        Set_User_Preference(VIEWED_TEAM, TEAM);
        Set_User_Preference(PLAYBOOK_EDITOR_SIDE, 0);
        Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, 0);
        Set_User_Preference(PLAYBOOK_EDITOR_SLOT, PLAY);
    }
    OFFENSIVE_PLAYBOOK& Book() { return Universe.Teams[TEAM].Playbooks.Offense; }
};

std::vector<int32_t> Selections(WINDOW_HANDLE dialog) {
    std::vector<int32_t> lines;
    for (int32_t n = 0; n < EDITOR_CARD_CONTROLS; ++n)
        lines.push_back(Get_Dialog_Line(dialog, EDITOR_FIRST_CARD_COMBO + n));
    return lines;
}
} // namespace

TEST_F(PlayCardControls, TheCardCombosShowStoreAndCheckAPlaysValuesAndTheBoxChoosesItForTheSet) {
    // A touchdown by Rushing against Run Defense, the bonus on the back's
    // Rushing; a second offensive rating outside the list, a bonus of 40.
    const int8_t values[9] = {1, 2, -1, 0, 4, 2, 1, 40, 0};
    std::memcpy(Book().Plays[PLAY].Card_Values, values, sizeof values);
    for (int32_t play = 30; play < 54; ++play)
        Book().Card_Selection[play] = 1;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Fill_Play_Card_Combos(dialog);
        EXPECT_EQ(Count_Dialog_Lines(dialog, EDITOR_FIRST_CARD_COMBO), 2);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO, 1), "Touchdown");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO + 2, 7), "None");
        EXPECT_EQ(Count_Dialog_Lines(dialog, EDITOR_FIRST_CARD_COMBO + 3), 4) << "no None for defense #1";
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO + 4, 3), "Tackling");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO + 6, 1), "Running Back");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO + 7, 30), "+30");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, EDITOR_FIRST_CARD_COMBO + 8, 3), "Long Pass");

        Load_Play_Card_Values(dialog);
        EXPECT_EQ(Selections(dialog), (std::vector<int32_t>{1, 2, 7, 0, 4, 2, 1, -1, 0}))
            << "a rating outside the list reads None; a bonus of 40 selects nothing";
        Check_Play_Card(dialog);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_FEEDBACK).rfind("This is a legal play card.", 0),
                  0u);

        // Goal Line as the first rating of a field goal.
        Choose_Dialog_Line(dialog, EDITOR_FIRST_CARD_COMBO, 0);
        Choose_Dialog_Line(dialog, EDITOR_FIRST_CARD_COMBO + 1, 3);
        Check_Play_Card(dialog);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_FEEDBACK),
                  "ERROR:\n\"Goal Line\" can only be used for Touchdown plays.");
        Store_Play_Card_Values(dialog);
        const int8_t stored[9] = {0, 3, 7, 0, 4, 2, 1, -1, 0};
        EXPECT_EQ(std::memcmp(Book().Plays[PLAY].Card_Values, stored, sizeof stored), 0)
            << "None is stored as no rating, a combo with nothing chosen as -1";

        // The set holds 25: the play joins the 24 chosen, a 26th is refused.
        Show_Play_Card_Count(dialog);
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, EDITOR_CARD_SELECTION));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_COUNT), "24 / 25");
        Click_Dialog_Button(dialog, EDITOR_CARD_SELECTION);
        EXPECT_EQ(Book().Card_Selection[PLAY], 1);
        EXPECT_TRUE(Is_Dialog_Box_Ticked(dialog, EDITOR_CARD_SELECTION));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_COUNT), "25 / 25");
        Set_User_Preference(PLAYBOOK_EDITOR_SLOT, PLAY + 1);
        Click_Dialog_Button(dialog, EDITOR_CARD_SELECTION);
        EXPECT_EQ(Book().Card_Selection[PLAY + 1], 0);
        EXPECT_FALSE(Is_Dialog_Box_Ticked(dialog, EDITOR_CARD_SELECTION));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_COUNT), "25 / 25");
        Set_User_Preference(PLAYBOOK_EDITOR_SLOT, PLAY);
        Show_Play_Card_Count(dialog);
        Click_Dialog_Button(dialog, EDITOR_CARD_SELECTION);
        EXPECT_EQ(Book().Card_Selection[PLAY], 0) << "unticked, the play leaves the set";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDITOR_CARD_COUNT), "24 / 25");

        Remove_Play_Card_Controls(dialog);
        Remove_Result_Panels(dialog);
        EXPECT_EQ(Get_Dialog_Item(dialog, EDITOR_FIRST_CARD_COMBO + 8), NO_WINDOW);
        EXPECT_EQ(Get_Dialog_Item(dialog, EDITOR_CARD_COUNT), NO_WINDOW);
        EXPECT_EQ(Get_Dialog_Item(dialog, EDITOR_FIRST_RESULT + 5), NO_WINDOW);
        EXPECT_NE(Get_Dialog_Item(dialog, EDITOR_PLAY_NAME), NO_WINDOW);
        Click_Dialog_Button(dialog, EDITOR_DONE);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Book().Plays[PLAY].Card_Values[1], 3) << "the editor's own page leaves the values stored";
}

TEST_F(PlayCardControls, TheCardSheetListsTheSetAndCountsItsKinds) {
    // A set of 25 chosen plays: this one and the last 24 of the book.
    std::memset(Book().Card_Selection, 0, sizeof Book().Card_Selection);
    Book().Card_Selection[PLAY] = 1;
    for (int32_t play = 30; play < 54; ++play)
        Book().Card_Selection[play] = 1;
    std::strcpy(Book().Plays[PLAY].Name, "Strong 'I' Counter, Weak Side Pitch");
    const int8_t values[9] = {1, 2, 1, 0, 3, 2, 1, 5, 0};
    std::memcpy(Book().Plays[PLAY].Card_Values, values, sizeof values);
    Clear_Shown_Messages();
    Clear_Desktop_Requests();
    const std::string path = Export_Play_Cards_Csv(TEAM);
    ASSERT_FALSE(path.empty());
    char nickname[64];
    Get_Team_String(nickname, TEAM, 2);
    EXPECT_EQ(std::filesystem::path(path).filename().string(),
              std::string(nickname) + "-" + std::to_string(Get_Current_Year()) + "-Plays.csv");

    // The long name is told (first, as its play is), the file opened in the shell.
    ASSERT_GE(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Play Name Too Long");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Warning: Play Name Length Is 35 Characters.\n\n(Play Number 4: "
                                            "Strong 'I' Counter, Weak Side Pitch)");
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_EQ(Get_Shell_Requests()[0].Target, path);

    const std::vector<std::string> lines = Read_File_Lines(path);
    ASSERT_EQ(lines.size(), 1u + 25u + 3u + 12u + 1u + 5u);
    EXPECT_EQ(lines[0], "Number,Play Name,Score Type,Offense1,Offense2,Defense1,Defense2,Bonus Rating,Bonus "
                        "Position,Bonus Value");
    EXPECT_EQ(lines[1], "4,\"Strong 'I' Counter, Weak Side Pitch\",Touchdown,Rushing,Run Blocking,Run "
                        "Defense,Tackling,Rushing,Running Back,+5")
        << "the chosen play first";
    EXPECT_EQ(lines[26], "Score Type,Count,Percent,Ideal");
    EXPECT_EQ(lines[29], "Rating,Count,Percent,Ideal");
    EXPECT_EQ(lines[41].rfind(",", 0), 0u) << "the ratings' total";
    EXPECT_EQ(lines[41].substr(lines[41].find(",,")), ",,[50-100]");
    EXPECT_EQ(lines[42], "Play Type,Count,Percent,Ideal");
    // Every card counts once among the score types and the play types.
    auto count_of = [&](size_t line) { return std::stoi(lines[line].substr(lines[line].find(',') + 1)); };
    EXPECT_EQ(count_of(27) + count_of(28), 25);
    EXPECT_EQ(count_of(43) + count_of(44) + count_of(45) + count_of(46), 25);
    EXPECT_EQ(lines[30].rfind("Pass Blocking,", 0), 0u);
    EXPECT_NE(lines[30].find(",\"[25%]\""), std::string::npos);
    std::filesystem::remove(path);

    // The sheet lists the chosen plays and no other.
    std::memset(Book().Card_Selection, 0, sizeof Book().Card_Selection);
    Book().Card_Selection[PLAY] = 1;
    ASSERT_EQ(Export_Play_Cards_Csv(TEAM), path);
    const std::vector<std::string> one = Read_File_Lines(path);
    ASSERT_EQ(one.size(), 1u + 1u + 3u + 12u + 1u + 5u);
    EXPECT_EQ(one[2], "Score Type,Count,Percent,Ideal");
    EXPECT_EQ(one[17], ",4,,[2-4]");
    std::filesystem::remove(path);
}
