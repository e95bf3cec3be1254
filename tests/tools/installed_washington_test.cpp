// Washington as a player of the installation meets it: a New Game of 2021
// has the Washington Football Team, whose logo the matchup dialog shows, and
// played on into 2022 the league renames it the Washington Commanders, with
// the league's news, and the dialog shows that season's logo. Its building
// stays the one it played in before the name changed.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/startup.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "views/matchup_dialog_template.h"

namespace {
constexpr uint32_t WHITE = 0xFFFFFF;

class InstalledWashington : public InstalledFrameTest {};

int32_t Find_Washington() {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char location[TEAM_STRING_LENGTH] = "";
        Get_Team_String(location, team, 1);
        if (std::string(location) == "Washington") return team;
    }
    return -1;
}

std::string Full_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    return name;
}

// The pixels of the dialog's control on the screen that are not white.
int32_t Count_Drawn_Pixels(WINDOW_HANDLE dialog, int32_t control) {
    int32_t drawn = 0;
    for (uint32_t pixel : Get_Screen_Pixels_Over_Control(dialog, control))
        if ((pixel & WHITE) != WHITE) ++drawn;
    return drawn;
}

// Opens the matchup dialog of a game of Washington at `opponent`, as a game
// of the user's team offers it, and simulates the game from it: how many
// pixels of each team's downloaded logo frame were drawn (Washington's
// first).
std::vector<int32_t> Look_At_Matchup(int32_t washington, int32_t opponent, const std::string& picture) {
    Universe.Games[0].Team[0] = static_cast<int8_t>(washington);
    Universe.Games[0].Team[1] = static_cast<int8_t>(opponent);
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    std::vector<int32_t> drawn;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, picture);
        drawn.push_back(Count_Drawn_Pixels(dialog, MATCHUP_FIRST_DOWNLOADED_LOGO));
        drawn.push_back(Count_Drawn_Pixels(dialog, MATCHUP_SECOND_DOWNLOADED_LOGO));
        Click_Dialog_Button(dialog, MATCHUP_SIMULATE_BUTTON);
    });
    Do_Dialog(Main_Window, PRE_GAME_MATCHUP_DIALOG, 0);
    return drawn;
}

// The stadium columns (name, capacity, roof, surface) of Washington's line
// of the installed team file of the year.
std::string Stadium_Of_Washington(int32_t year) {
    std::ifstream in(Get_Installation_Folder() + "/Input/Stats/" + std::to_string(year) + "_teams.csv");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("WAS,", 0) == 0) {
            size_t start = 0;
            for (int32_t comma = 0; comma < 3; ++comma)
                start = line.find(',', start) + 1;
            size_t end = start;
            for (int32_t comma = 0; comma < 4; ++comma)
                end = line.find(',', end) + 1;
            return line.substr(start, end - start - 1);
        }
    return "";
}
} // namespace

TEST_F(InstalledWashington, TheFootballTeamOf2021BecomesTheCommandersOf2022WithItsLogo) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    Choose_Installed_New_Game(2021);
    ASSERT_EQ(Get_Current_Year(), 2021);
    int32_t washington = Find_Washington();
    ASSERT_GE(washington, 0);
    EXPECT_EQ(Full_Name(washington), "Washington Football Team");
    const int32_t opponent = washington == 0 ? 1 : 0;
    const std::vector<int32_t> drawn_2021 = Look_At_Matchup(washington, opponent, "washington_2021");
    ASSERT_EQ(drawn_2021.size(), 2u);
    EXPECT_GT(drawn_2021[0], 1000) << "Washington's logo of 2021";
    EXPECT_GT(drawn_2021[1], 1000) << "the opponent's logo";

    Set_All_Teams_Computer_Controlled();
    Clear_Shown_Messages();
    ASSERT_TRUE(Play_Installed_Game_Into(2022));
    washington = Find_Washington();
    ASSERT_GE(washington, 0);
    EXPECT_EQ(Full_Name(washington), "Washington Commanders");
    char abbreviation[TEAM_STRING_LENGTH] = "";
    Get_Team_String(abbreviation, washington, 0);
    EXPECT_STREQ(abbreviation, "WAS");
    bool told = false;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        told |= message.Caption == "League News" &&
                message.Text ==
                    "The Washington Football Team have changed their name to the Washington Commanders.";
    EXPECT_TRUE(told) << "the renaming is the league's news";
    const std::vector<int32_t> drawn_2022 =
        Look_At_Matchup(washington, washington == 0 ? 1 : 0, "washington_2022");
    ASSERT_EQ(drawn_2022.size(), 2u);
    EXPECT_GT(drawn_2022[0], 1000) << "Washington's logo of 2022";
}

// The renamed team plays on in the building it had (its name the same), with
// the seats of the building as it stood in 2022, as the seasons' tables say.
TEST(InstalledWashingtonFiles, TheRenamedTeamKeepsItsStadiumInTheTeamFiles) {
    const std::string stadium = Stadium_Of_Washington(2019);
    ASSERT_NE(stadium, "");
    const std::string name = stadium.substr(0, stadium.find(','));
    const std::string modern = Stadium_Of_Washington(2022);
    ASSERT_EQ(modern.substr(0, modern.find(',')), name);
    for (int32_t year : {2020, 2021}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(Stadium_Of_Washington(year), modern);
    }
}
