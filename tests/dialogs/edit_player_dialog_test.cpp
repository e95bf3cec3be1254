#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/scouting_report.h"
#include "editor_dialogs_fixture.h"
#include "frontoffice/salaries.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

namespace {
constexpr int32_t USER = USER_TEAM_SLOT;

class EditPlayerDialogs : public EditorDialogsTest {
  protected:
    void SetUp() override {
        EditorDialogsTest::SetUp();
        Set_User_Preference(COMMISSIONER_MODE, 1);
        Set_User_Preference(EDIT_PLAYER_ROW, 0);
    }
    // Opens Edit Player for the player in (team, slot) with one scripted step.
    int32_t Edit(int32_t slot, std::function<void(WINDOW_HANDLE)> step) {
        Set_User_Preference(SELECTED_PLAYER_TEAM, USER);
        Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
        Script_Dialog_Step(std::move(step));
        return Do_Dialog(Main_Window, EDIT_PLAYER_DIALOG, 0);
    }
};

bool Was_Told(const std::string& caption, const std::string& part) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption && message.Text.find(part) != std::string::npos) return true;
    return false;
}

int32_t Slot_Of(int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_ID(USER, slot) == id) return slot;
    return -1;
}
} // namespace

TEST_F(EditPlayerDialogs, ContractFieldsFollowTheirRulesAndSurviveASave) {
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Vital_Stat(USER, slot, VITAL_CREDITED_SEASONS, 3);
    EXPECT_EQ(Edit(slot,
                   [](WINDOW_HANDLE dialog) {
                       Keep_Dialog_Picture(dialog, "edit_player");
                       Type_Dialog_Text(dialog, EDIT_SALARY, "$499");
                       Type_Dialog_Text(dialog, EDIT_BONUS, "750,400");
                       Type_Dialog_Text(dialog, EDIT_SEASONS, "40");
                       Type_Dialog_Text(dialog, EDIT_CONTRACT_YEARS, "0");
                       Type_Dialog_Text(dialog, EDIT_YEARS_LEFT, "-3");
                       Type_Dialog_Text(dialog, EDIT_FIRST_NAME, "Duane");
                       Type_Dialog_Text(dialog, EDIT_BIRTH_DATE, "19960229");
                       Choose_Dialog_Line(dialog, EDIT_ROW, 1);
                       Type_Dialog_Text(dialog, EDIT_FIRST_STAT + 8, "1,234");
                       Click_Dialog_Button(dialog, EDIT_DONE);
                   }),
              1);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_CREDITED_SEASONS), 30) << "40 seasons are 30";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_SALARY), Get_League_Minimum_Salary(30))
        << "499 dollars are the league minimum";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_SIGNING_BONUS), 750)
        << "750,400 dollars are 750 thousand";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_BONUS_YEARS), 1) << "contract years at least 1";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_CONTRACT_YEARS), 1) << "-3 years remaining are 1";
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_BIRTH_DATE), 19960229);
    EXPECT_EQ(Get_Player_Stat(USER, slot, SEASON_LAST, 8), 1234) << "last season's rushing yards";

    ASSERT_EQ(Save_Game("edited.kor", nullptr), SAVE_OK);
    Build_Test_League();
    ASSERT_EQ(Load_Game("edited.kor"), 1);
    std::filesystem::remove("edited.kor");
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_First_Name(USER, slot, name);
    EXPECT_STREQ(name, "Duane");
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_SIGNING_BONUS), 750);
    EXPECT_EQ(Get_Player_Stat(USER, slot, SEASON_LAST, 8), 1234);
}

TEST_F(EditPlayerDialogs, RefusedFieldsAreToldAndKeepTheirValues) {
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    const int32_t uniform = Get_Player_Byte_Field(USER, slot, PLAYER_BYTE_UNIFORM);
    const int32_t birth = Get_Player_Vital_Stat(USER, slot, VITAL_BIRTH_DATE);
    const int32_t salary = Get_Player_Vital_Stat(USER, slot, VITAL_SALARY);
    Edit(slot, [](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, EDIT_UNIFORM, "100");
        Type_Dialog_Text(dialog, EDIT_BIRTH_DATE, "20210230");
        Type_Dialog_Text(dialog, EDIT_SALARY, "lots");
        Type_Dialog_Text(dialog, EDIT_DRAFT_YEAR, "20215");
        Type_Dialog_Text(dialog, EDIT_WEIGHT, "231");
        Type_Dialog_Text(dialog, EDIT_FIRST_STAT, "99999999999");
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Was_Told("Invalid Entry", "Uniform Number must be a whole number from 0 to 99"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Birthdate (YYYYMMDD) must be a real date"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Annual Salary must be a whole number"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Draft Year must be a whole number from 0 to 9999"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "The statistic \"G\""));
    EXPECT_EQ(Get_Player_Byte_Field(USER, slot, PLAYER_BYTE_UNIFORM), uniform);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_BIRTH_DATE), birth);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_SALARY), salary);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_WEIGHT), 231)
        << "the valid field beside them is stored";
}

TEST_F(EditPlayerDialogs, PositionChangesAcrossGroupsAskClearAndFollowThePlayer) {
    const int32_t tight_end = Test_League_Slot(POSITION_TE, 0);
    const int32_t id = Get_Player_ID(USER, tight_end);
    Set_Player_Stat(USER, tight_end, SEASON_THIS, 10, 7);
    Edit(tight_end, [](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, EDIT_POSITION, POSITION_WR);
        EXPECT_TRUE(Get_Shown_Messages().empty()) << "a tight end becomes a receiver without a question";
        // A tackle is another group: asked, and Cancel keeps him a receiver.
        Choose_Dialog_Line(dialog, EDIT_POSITION, POSITION_T);
        EXPECT_EQ(Get_Dialog_Line(dialog, EDIT_POSITION), POSITION_WR);
        Script_Message_Answer("Position Change", ID_BOX_OK);
        Choose_Dialog_Line(dialog, EDIT_POSITION, POSITION_T);
        EXPECT_EQ(Get_Dialog_Line(dialog, EDIT_POSITION), POSITION_T);
        EXPECT_NE(Get_Window_Text(dialog).find("Edit Player: "), std::string::npos);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text,
        "Changing from Wide Receiver to Tackle will clear the player's stats and cause a re-sorting of your "
        "team.");
    // The re-sort moved him; the selected player still names him.
    const int32_t now = Slot_Of(id);
    ASSERT_GE(now, 0);
    EXPECT_NE(now, tight_end);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), now);
    EXPECT_EQ(Get_Player_Vital_Stat(USER, now, VITAL_POSITION), POSITION_T);
    EXPECT_EQ(Get_Player_Stat(USER, now, SEASON_THIS, 10), 0) << "his statistics cleared";
    for (int32_t stat : {0, 1, 5, 6})
        EXPECT_EQ(Get_Player_Stat(USER, now, SEASON_PREDICTED, stat), Get_Average_Stat(POSITION_T, stat))
            << stat;
}

TEST_F(EditPlayerDialogs, CopyGetsSeasonLinesOfItsOwnAndOpensForTheCopy) {
    const int32_t slot = Test_League_Slot(POSITION_LB, 0);
    const int32_t lines = Count_Player_Season_Lines(USER, slot);
    ASSERT_GT(lines, 0);
    const int32_t first_line = Get_Player_Season_Line(USER, slot, 0);
    Edit(slot, [](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDIT_COPY);
        EXPECT_FALSE(Is_Window_Shown(dialog)) << "the copy's editor takes its place";
    });
    Script_Dialog_Step([](WINDOW_HANDLE copy) {
        EXPECT_EQ(Get_Window_Text(copy), "Edit Player: New Player");
        EXPECT_LE(Get_Open_Modal_Dialogs().size(), 2u);
        Click_Dialog_Button(copy, EDIT_DONE);
    });
    const int32_t copy_team = Get_User_Preference(SELECTED_PLAYER_TEAM);
    const int32_t copy = Get_User_Preference(SELECTED_PLAYER_SLOT);
    EXPECT_EQ(copy_team, USER);
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(USER, copy, name);
    EXPECT_STREQ(name, "New Player");
    EXPECT_NE(Get_Player_ID(USER, copy), Get_Player_ID(USER, slot));
    ASSERT_EQ(Count_Player_Season_Lines(USER, copy), lines);
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t mine = Get_Player_Season_Line(USER, copy, n);
        const int32_t theirs = Get_Player_Season_Line(USER, slot, n);
        EXPECT_NE(mine, theirs) << "line " << n << " is the copy's own";
        for (int32_t stat = 0; stat < 20; ++stat)
            EXPECT_EQ(Get_Season_Line_Stat(mine, stat), Get_Season_Line_Stat(theirs, stat));
    }
    EXPECT_EQ(Get_Player_Season_Line(USER, slot, 0), first_line) << "the original keeps his lines";
    EXPECT_EQ(Get_Player_Unit(USER, copy), 1) << "the copy joins the defence, before the kickers";
    EXPECT_EQ(Get_Player_Unit(USER, copy + 1), 2);
}

TEST_F(EditPlayerDialogs, CopiesFailSoundlyWhenNoRoomIsLeft) {
    // A full team has no room for the copy.
    const int32_t slot = Test_League_Slot(POSITION_S, 0);
    for (int32_t extra = Get_First_Empty_Player_Slot(USER); extra < PLAYERS_PER_TEAM; ++extra)
        Copy_Player(USER, extra, USER, Test_League_Slot(POSITION_P, 0));
    Edit(slot, [](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDIT_COPY);
        EXPECT_TRUE(Is_Window_Shown(dialog));
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    char nickname[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Nickname(USER, nickname);
    EXPECT_TRUE(Was_Told("Cannot Copy Player",
                         "The " + std::string(nickname) + " do not have space for another player."));

    // A league without free season lines gives the copy none, and says so.
    for (SEASON_LINE& line : Universe.Season_Lines)
        if (line.Year == 0) line.Year = 1;
    Reset_Season_Line_Hint();
    Copy_Player(USER, 99, USER, slot);
    EXPECT_EQ(Give_Copy_Own_Season_Lines(USER, 99), 0);
    EXPECT_EQ(Count_Player_Season_Lines(USER, 99), 0);
    EXPECT_GT(Count_Player_Season_Lines(USER, slot), 0);
    EXPECT_TRUE(Was_Told("Cannot Copy Season Lines", "starts without season lines"));
}

TEST_F(EditPlayerDialogs, SeasonLinesAreAddedErasedAndRefusedWhenFull) {
    const int32_t slot = Test_League_Slot(POSITION_CB, 0);
    const int32_t lines = Count_Player_Season_Lines(USER, slot);
    Set_User_Preference(CURRENT_SEASON_INDEX, 5);
    Edit(slot, [lines](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDIT_ADD_LINE);
        EXPECT_EQ(Get_User_Preference(EDIT_PLAYER_ROW), 4 + lines) << "the new line is shown";
        EXPECT_TRUE(Is_Window_Shown(Get_Dialog_Item(dialog, EDIT_ERASE_LINE)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, EDIT_LINE_YEAR), "2025");
        Type_Dialog_Text(dialog, EDIT_LINE_YEAR, "0");
        Choose_Dialog_Line(dialog, EDIT_ROW, 0);
        EXPECT_TRUE(Was_Told("Invalid Entry", "Year must be a whole number from 1 to 9999"));
        Choose_Dialog_Line(dialog, EDIT_ROW, 4 + lines);
        Script_Message_Answer("Please verify", ID_BOX_OK);
        Click_Dialog_Button(dialog, EDIT_ERASE_LINE);
        EXPECT_EQ(Get_User_Preference(EDIT_PLAYER_ROW), 3 + lines) << "back to the last line left";
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_EQ(Count_Player_Season_Lines(USER, slot), lines);

    // A player with every link in use is told so.
    for (int32_t n = Count_Player_Season_Lines(USER, slot); n < 30; ++n)
        Add_Player_Season_Line(USER, slot, 1900 + n, USER);
    ASSERT_EQ(Count_Player_Season_Lines(USER, slot), 30);
    Edit(slot, [](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDIT_ADD_LINE);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Was_Told("Add a Season Line", "already has 30 season lines"));

    // A league whose every line is in use says so too.
    const int32_t other = Test_League_Slot(POSITION_CB, 1);
    for (SEASON_LINE& line : Universe.Season_Lines)
        if (line.Year == 0) line.Year = 1;
    Reset_Season_Line_Hint();
    Edit(other, [](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, EDIT_ADD_LINE);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Was_Told("Add a Season Line", "Every one of the league's 32768 season lines is in use."));
}

TEST_F(EditPlayerDialogs, DeletedPlayerClosesTheScoutingReport) {
    const int32_t slot = Test_League_Slot(POSITION_DT, 1);
    const int32_t id = Get_Player_ID(USER, slot);
    Script_Dialog_Step([](WINDOW_HANDLE report) {
        Script_Dialog_Step([](WINDOW_HANDLE editor) {
            Script_Message_Answer("Delete Player", ID_BOX_OK);
            Click_Dialog_Button(editor, EDIT_DELETE);
        });
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
    });
    EXPECT_EQ(Show_Scouting_Report(Main_Window, USER, slot), 1);
    EXPECT_EQ(Slot_Of(id), -1);
    EXPECT_TRUE(Was_Told("Delete Player", "Completely eliminate player from game?"));
}

TEST_F(EditPlayerDialogs, RatingsAreBoundedAndTheOverallSteps) {
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const float speed = Get_Player_Rating(USER, slot, RATING_SPEED);
    Set_User_Preference(SELECTED_PLAYER_TEAM, USER);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Dialog_Step([](WINDOW_HANDLE ratings) {
            Keep_Dialog_Picture(ratings, "edit_ratings");
            Type_Dialog_Text(ratings, RATING_FIRST_EDIT + RATING_SPEED - 1, "1001");
            Type_Dialog_Text(ratings, RATING_FIRST_EDIT + RATING_POWER - 1, "55.5");
            Click_Dialog_Button(ratings, EDIT_DONE);
        });
        Click_Dialog_Button(dialog, EDIT_RATINGS_BUTTON);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    Do_Dialog(Main_Window, EDIT_PLAYER_DIALOG, 0);
    EXPECT_TRUE(Was_Told("Invalid Entry", "Speed must be a number from -1000 to 1000"));
    EXPECT_FLOAT_EQ(Get_Player_Rating(USER, slot, RATING_SPEED), speed);
    EXPECT_FLOAT_EQ(Get_Player_Rating(USER, slot, RATING_POWER), 55.5f);

    const int32_t overall = static_cast<int32_t>(Get_Player_Position_Rating(USER, slot, POSITION_QB));
    Raise_Overall_Rating(USER, slot);
    EXPECT_EQ(static_cast<int32_t>(Get_Player_Position_Rating(USER, slot, POSITION_QB)), overall + 1);
    Lower_Overall_Rating(USER, slot);
    Lower_Overall_Rating(USER, slot);
    EXPECT_EQ(static_cast<int32_t>(Get_Player_Position_Rating(USER, slot, POSITION_QB)), overall - 1);
    // Ratings that cannot rise further: the steps stop, the overall stays.
    for (int32_t rating = 1; rating < 27; ++rating)
        Set_Player_Rating(USER, slot, rating, 99.0f);
    const float top = Get_Player_Position_Rating(USER, slot, POSITION_QB);
    Adjust_Overall_Rating(USER, slot, 1000);
    EXPECT_FLOAT_EQ(Get_Player_Position_Rating(USER, slot, POSITION_QB), top);
}

// Each press of "+" or "-" in Edit Ratings (opened from Edit Player) moves
// the overall it shows by exactly one point, for players of every position
// group.
TEST_F(EditPlayerDialogs, EachPressOfPlusOrMinusMovesTheShownOverallByOne) {
    for (const int32_t position : {POSITION_QB, POSITION_RB, POSITION_G, POSITION_LB, POSITION_K}) {
        const int32_t slot = Test_League_Slot(position, 0);
        std::vector<int32_t> shown;
        Edit(slot, [&shown](WINDOW_HANDLE dialog) {
            Script_Dialog_Step([&shown](WINDOW_HANDLE ratings) {
                auto overall = [ratings] {
                    const std::string text = Get_Dialog_Item_Text(ratings, RATING_OVERALL_TEXT);
                    return std::stoi(text.substr(text.find(':') + 1));
                };
                shown.push_back(overall());
                for (const int32_t button : {RATING_LOWER, RATING_LOWER, RATING_LOWER, RATING_RAISE,
                                             RATING_RAISE, RATING_RAISE, RATING_RAISE}) {
                    Click_Dialog_Button(ratings, button);
                    shown.push_back(overall());
                }
                Click_Dialog_Button(ratings, EDIT_DONE);
            });
            Click_Dialog_Button(dialog, EDIT_RATINGS_BUTTON);
            Click_Dialog_Button(dialog, EDIT_DONE);
        });
        ASSERT_EQ(shown.size(), 8u) << "position " << position;
        const std::vector<int32_t> steps = {-1, -1, -1, 1, 1, 1, 1};
        for (size_t press = 0; press < steps.size(); ++press)
            EXPECT_EQ(shown[press + 1] - shown[press], steps[press])
                << "position " << position << ", press " << press + 1;
        EXPECT_EQ(static_cast<int32_t>(Get_Player_Position_Rating(USER, slot, position)), shown.back())
            << "the overall shown is his, position " << position;
    }
}

// "Calculate Ratings" marks the dialog for painting again, where the new
// ratings show.
TEST_F(EditPlayerDialogs, CalculatedRatingsArePaintedAgain) {
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    bool invalid = false, painted = true;
    Edit(slot, [&](WINDOW_HANDLE dialog) {
        Pump_Messages();
        painted = !Is_Window_Invalid(dialog);
        Click_Dialog_Button(dialog, EDIT_CALCULATE);
        invalid = Is_Window_Invalid(dialog);
        Invalidate_Player_Picture_Area(dialog);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(painted) << "nothing waits to be painted before";
    EXPECT_TRUE(invalid);
}

// Every value the dialog stores loads as it was typed: the fields take what
// a saved game keeps (a freshman's -4 seasons, 120 inches, $2,000,000,000 a
// year, 20-year contracts) and refuse what lies past it, keeping their value.
TEST_F(EditPlayerDialogs, EveryValueTheDialogStoresLoadsAsTyped) {
    const int32_t slot = Test_League_Slot(POSITION_QB, 1);
    const std::vector<std::pair<int32_t, std::string>> typed = {
        {EDIT_HEIGHT, "120"},          {EDIT_WEIGHT, "1000"},
        {EDIT_SEASONS, "-4"},          {EDIT_SALARY, "$2,000,000,000"},
        {EDIT_BONUS, "2000000000"},    {EDIT_CONTRACT_YEARS, "20"},
        {EDIT_YEARS_LEFT, "20"},       {EDIT_INJURED_WEEKS, "200"},
        {EDIT_PEAK_START, "0"},        {EDIT_PEAK_END, "100"},
        {EDIT_POTENTIAL, "-1000"},     {EDIT_LONGEVITY, "1000"},
        {EDIT_FIRST_STAT + 4, "99999"}};
    Edit(slot, [&typed](WINDOW_HANDLE dialog) {
        for (const auto& [id, text] : typed)
            Type_Dialog_Text(dialog, id, text);
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Get_Shown_Messages().empty());
    const std::vector<int32_t> vitals = {VITAL_HEIGHT,         VITAL_WEIGHT,        VITAL_CREDITED_SEASONS,
                                         VITAL_SALARY,         VITAL_SIGNING_BONUS, VITAL_BONUS_YEARS,
                                         VITAL_CONTRACT_YEARS, VITAL_WEEKS_OUT,     VITAL_PEAK_AGE,
                                         VITAL_PEAK_AGE_LIMIT, VITAL_DEVELOPMENT,   19};
    const std::vector<int32_t> stored = {120, 1000, -4, 2000000, 2000000, 20, 20, 200, 0, 100, -1000, 1000};
    for (size_t k = 0; k < vitals.size(); ++k)
        EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, vitals[k]), stored[k])
            << "vital " << vitals[k] << " as typed";
    EXPECT_EQ(Get_Player_Stat(USER, slot, SEASON_THIS, 4), 99999);
    ASSERT_EQ(Save_Game("typed.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("typed.kor"), 1);
    std::filesystem::remove("typed.kor");
    for (size_t k = 0; k < vitals.size(); ++k)
        EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, vitals[k]), stored[k])
            << "vital " << vitals[k] << " loaded";
    EXPECT_EQ(Get_Player_Stat(USER, slot, SEASON_THIS, 4), 99999);

    Edit(slot, [](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, EDIT_HEIGHT, "121");
        Type_Dialog_Text(dialog, EDIT_SEASONS, "-5");
        Type_Dialog_Text(dialog, EDIT_SALARY, "$2,000,001,000");
        Type_Dialog_Text(dialog, EDIT_INJURED_WEEKS, "201");
        Type_Dialog_Text(dialog, EDIT_YEARS_LEFT, "21");
        Type_Dialog_Text(dialog, EDIT_FIRST_STAT + 4, "100000");
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Was_Told("Invalid Entry", "Height (In.) must be a whole number from 0 to 120"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Seasons Played must be a whole number of at least -4"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Annual Salary must be a whole number from 0 to 2000000000"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Injured Weeks must be a whole number from 0 to 200"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Years Remaining must be a whole number of at most 20"));
    EXPECT_TRUE(Was_Told("Invalid Entry",
                         "The statistic \"Interceptions\" must be a whole number from -99999 to 99999"));
    for (size_t k = 0; k < vitals.size(); ++k)
        EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, vitals[k]), stored[k])
            << "vital " << vitals[k] << " kept";

    // A number beyond the field's 32-bit limit is told that limit too.
    Edit(slot, [](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, EDIT_SEASONS, "3000000000");
        Type_Dialog_Text(dialog, EDIT_YEARS_LEFT, "-3000000000");
        Click_Dialog_Button(dialog, EDIT_DONE);
    });
    EXPECT_TRUE(Was_Told("Invalid Entry", "Seasons Played must be a whole number from -4 to 2147483647. It "
                                          "keeps its value of -4."));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Years Remaining must be a whole number from -2147483648 to 20"));
    EXPECT_EQ(Get_Player_Vital_Stat(USER, slot, VITAL_CREDITED_SEASONS), -4) << "kept";
}
