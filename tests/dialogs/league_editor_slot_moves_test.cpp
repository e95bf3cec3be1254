// A team renamed in the League Editor takes its place by name at Done, and
// every other franchise a slot with it: every field of the league that names
// a team still names the same franchise, and each player's card still says
// who drafted him.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/league_editor_dialog.h"
#include "editor_dialogs_fixture.h"
#include "season/season_calendar.h"
#include "support/team_slot_census.h"

namespace {
constexpr int32_t FIRST_BY_NAME = 0; // Akron

// Who drafted each player: another franchise, his own, or nobody (a year of
// the draft alone, or no record at all); the pools hold drafted players too.
void Give_Players_Drafting_Teams() {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
            int32_t record = (team + slot + 1) % TEST_LEAGUE_TEAMS * DRAFT_RECORD_TEAM_FACTOR +
                             DRAFT_RECORD_TEAM_FACTOR + 2010 + slot % 11;
            if (slot % 9 == 0) record = 2016;
            if (slot % 9 == 4) record = 0;
            Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, record);
        }
    int32_t copied = 0;
    for (const int32_t pool : {FREE_AGENT_TEAM, HALL_OF_FAME_TEAM, FIRST_COLLEGE_POOL_TEAM})
        for (int32_t slot = 0; slot < 5; ++slot, ++copied) {
            Copy_Player(pool, slot, copied % TEST_LEAGUE_TEAMS, 1 + copied);
            Set_Player_Vital_Stat(pool, slot, VITAL_PLAYER_ID, 900000 + copied);
            Clear_Player_Season_Line_Links(pool, slot);
        }
}

// A schedule of twelve weeks, its first week played: each game names its two
// teams, the team with the ball and a flagged team in its log.
void Play_A_Week_Of_Games() {
    constexpr int32_t HALF = TEST_LEAGUE_TEAMS / 2;
    for (int32_t week = 0; week < 12; ++week)
        for (int32_t k = 0; k < HALF; ++k) {
            const int32_t home = k, away = (k + week + 1) % HALF + HALF;
            Universe.Teams[home].Schedule[week].Values[0] = away + 1;
            Universe.Teams[away].Schedule[week].Values[0] = -(home + 1);
            if (week > 0) continue;
            GAME_RECORD& game = Universe.Games[k];
            game.Team[0] = static_cast<uint8_t>(away);
            game.Team[1] = static_cast<uint8_t>(home);
            game.Possession_Team = static_cast<uint8_t>(home);
            game.Play_Log_Count = 3;
            game.Play_Log[2].Events[0].Event_Id = PLAY_EVENT_FLAG;
            game.Play_Log[2].Events[0].Argument_B = static_cast<int8_t>(away);
        }
}

class LeagueEditorSlotMoves : public EditorDialogsTest {
  protected:
    void SetUp() override {
        EditorDialogsTest::SetUp();
        Set_User_Preference(COMMISSIONER_MODE, 1);
        Give_Players_Drafting_Teams();
        Play_A_Week_Of_Games();
        Spread_Team_Slot_Fields();
        Crown_Champion_Unplayed();
        ASSERT_TRUE(Is_Champion_Decided());
        Mark_Franchises();
    }
};
} // namespace

TEST_F(LeagueEditorSlotMoves, ARenamedTeamAndEveryTeamItPassesKeepWhatNamesThem) {
    TEAM_SLOT_CENSUS before;
    std::map<int32_t, std::string> cards;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, FIRST_BY_NAME);
        Type_Dialog_Text(dialog, TEAM_HOME_EDIT, "Z\xFCrich");
        // The league as Done finds it: the team chosen is the viewed one.
        before = Take_Team_Slot_Census();
        cards = Read_Card_Draft_Lines();
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);

    char location[TEAM_STRING_LENGTH] = "";
    Get_Team_String(location, TEST_LEAGUE_TEAMS - 1, 1);
    ASSERT_STREQ(location, "Z\xFCrich") << "the renamed team sorts last";
    EXPECT_EQ(before.Names.at("setting viewed team"), "franchise F00");
    EXPECT_EQ(before.Names.at("player 900000 drafted by"), "franchise F02 in 2011") << "a free agent";
    int32_t compared = 0;
    EXPECT_EQ(Compare_Team_Slot_Censuses(before, Take_Team_Slot_Census(), &compared), "");
    EXPECT_EQ(compared, static_cast<int32_t>(before.Names.size())) << "no field is lost";

    const std::map<int32_t, std::string> after = Read_Card_Draft_Lines();
    EXPECT_EQ(after, cards) << "each card names the team that drafted the player";
    const int32_t id = Get_Player_ID(TEST_LEAGUE_TEAMS - 1, 5);
    EXPECT_EQ(after.at(id), "Drafted by T06 (2015)") << "a player of the renamed team";
}
