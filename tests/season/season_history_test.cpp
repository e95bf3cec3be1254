// A season a league has finished stays in its history as it ended through
// the roll-over into the next year: the coming year's realignment, slot moves
// and expansion team leave its records, ranks and finishes as they were, the
// team that joins has no season before it came, and every finish names the
// round the team reached.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "season/off_season.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "support/computer_league.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/scratch_folder.h"
#include "support/season_history_checks.h"
#include "support/test_league.h"

namespace {
constexpr int32_t FINISHED_YEAR = 2001;
constexpr int32_t SEASON = 1;
constexpr int32_t CHAMPION_SLOT = 30;

class SeasonHistory : public FrameTest {
  protected:
    void TearDown() override {
        Clear_Dialog_Steps();
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        FrameTest::TearDown();
    }
};

// Each game of the bracket, round by round, goes to the team with more wins
// (the lower slot on equal wins), which moves up a slot; the records count
// the playoff wins and losses.
void Play_Bracket_By_Records() {
    for (int32_t first = 0; first < CHAMPION_SLOT; first += 2) {
        const int32_t a = Get_Playoff_Team(first), b = Get_Playoff_Team(first + 1);
        if (Is_No_Team(a) || Is_No_Team(b)) continue;
        const bool a_wins =
            Get_Team_Record_Char(a, RECORD_CHAR_WINS) >= Get_Team_Record_Char(b, RECORD_CHAR_WINS);
        const int32_t winner = a_wins ? a : b, loser = a_wins ? b : a;
        Set_Playoff_Score(a_wins ? first : first + 1, 24);
        Set_Playoff_Score(a_wins ? first + 1 : first, 17);
        Set_Playoff_Team(first / 2 + 16, winner);
        Set_Team_Record_Char(winner, RECORD_CHAR_PLAYOFF_WINS,
                             Get_Team_Record_Char(winner, RECORD_CHAR_PLAYOFF_WINS) + 1);
        Set_Team_Record_Char(loser, RECORD_CHAR_PLAYOFF_LOSSES, 1);
    }
}

// The computer-run test league ends its 2001 season: two leagues of four
// divisions, seven playoff teams each, the bracket played out to the
// champion. Two franchises carry names the 2002 realignment moves (the
// Seahawks into the other league), and Houston, which 2002 adds, is not in
// the league.
void End_2001_Season() {
    Build_Computer_League();
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Create_College_Draft_Pool();
    Universe.Header.Universe_Stats[BASE_YEAR] = FINISHED_YEAR - SEASON;
    Set_User_Preference(CURRENT_SEASON_INDEX, SEASON);
    Set_League_Abbreviation(0, "AFC");
    Set_League_Abbreviation(1, "NFC");
    Set_Team_Location("Indianapolis", 2);
    Set_Team_Nickname("Colts", 2);
    Set_Team_Location("Seattle", 5);
    Set_Team_Nickname("Seahawks", 5);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t wins = (team * 7) % 17;
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 16 - wins);
        Set_Team_Record_Char(team, RECORD_CHAR_TIES, team % 5 == 0 ? 1 : 0);
    }
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 3;
    Universe.Header.Championship_Round_Flag = 1;
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length);
    Update_Standings();
    Seed_Playoffs();
    Play_Bracket_By_Records();
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 4);
}
} // namespace

TEST_F(SeasonHistory, TheEndedSeasonOutlivesRealignmentSlotMovesAndAnExpansionTeam) {
    const PLAYING_FOLDER playing("season_history");
    End_2001_Season();
    ASSERT_TRUE(Is_Champion_Decided());
    const FINISHED_SEASON season = Take_Finished_Season();
    int32_t early_exits = 0;
    for (const TEAM_SEASON_END& end : season.Teams)
        early_exits += end.Slot >= 0 && end.Slot < 24;
    ASSERT_EQ(early_exits, 10) << "every playoff team but the four conference finalists";
    ASSERT_EQ(season.Finals.size(), 2u);

    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_EQ(Start_Off_Season(), 0);
    Clear_Shown_Messages();
    ASSERT_EQ(Get_Current_Year(), FINISHED_YEAR + 1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the draft ran and 2002 started";
    ASSERT_EQ(Count_Active_Teams(), TEST_LEAGUE_TEAMS + 1) << "Houston joined";

    Start_Frame_Without_Loop();
    EXPECT_EQ(Check_Finished_Season_History(season), "");
    EXPECT_EQ(Check_Season_Summary_Finals(season, 1), "");
}
