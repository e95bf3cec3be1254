#include <gtest/gtest.h>

#include <cstring>

#include "engine/game_injuries.h"

TEST(GameInjuries, CountReadsOnlyTheLoggedSnaps) {
    static GAME_RECORD game;
    std::memset(&game, 0xFF, sizeof(game));
    game.Play_Log_Count = 0;
    EXPECT_EQ(Count_Game_Injuries(&game), 0);
    game.Play_Log_Count = 3;
    game.Play_Log[1].Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    EXPECT_EQ(Count_Game_Injuries(&game), 1);
    game.Play_Log_Count = 2000;
    for (auto& entry : game.Play_Log)
        entry.Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    EXPECT_EQ(Count_Game_Injuries(&game), 10) << "a corrupt count never reads past the log";
    game.Play_Log_Count = -5;
    EXPECT_EQ(Count_Game_Injuries(&game), 0);
    EXPECT_EQ(Count_Game_Injuries(nullptr), 0);
}

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "engine/game_files.h"
#include "personnel/injuries.h"
#include "special_teams_test_game.h"

namespace {

// Every snap's roll hurts the chosen player unless the medical staff prevents it.
void Make_Injuries_Certain() {
    Universe.Header.Universe_Stats[INJURY_FREQUENCY_FACTOR] = 1900;
}

int Count_Hurt_Players(const GAME_RECORD* game) {
    int hurt = 0;
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            hurt += Get_Player_Vital_Stat(game->Team[side], slot, VITAL_WEEKS_OUT) > 0;
    return hurt;
}

} // namespace

TEST(GameInjuries, RollMarksTheLoggedSnapAndStopsAtEight) {
    GAME_RECORD* game = Special_Teams_Game(0, 60);
    Make_Injuries_Certain();
    Clear_Game_Text_Buffers();
    const int hurt_before = Count_Hurt_Players(game);
    game->Play_Log_Count = 0;
    Seed_Random_Numbers(3);
    for (int n = 0; n < 20; ++n)
        Roll_For_Game_Injury(game);
    EXPECT_EQ(Count_Game_Injuries(game), 0) << "no logged snap, nothing to mark";

    game->Play_Log_Count = 1;
    int marked = 0;
    for (int n = 0; n < 40 && marked == 0; ++n) {
        Roll_For_Game_Injury(game);
        marked = Count_Game_Injuries(game);
    }
    ASSERT_EQ(marked, 1);
    const int32_t id = game->Play_Log[0].Events[INJURY_EVENT_SLOT].Player_Id[0];
    int32_t team = -1;
    int32_t slot = -1;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < ON_FIELD_PLAYERS; ++i)
            if (Get_Player_ID(game->Team[side], game->On_Field[side][i]) == id) {
                team = game->Team[side];
                slot = game->On_Field[side][i];
            }
    ASSERT_GE(slot, 0) << "the marked man is on the field";
    EXPECT_GT(Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT), 0);
    EXPECT_NE(Get_Plain_Play_Text().find("was injured on the play >>"), std::string::npos);
    EXPECT_NE(Get_Play_By_Play_HTML().find("was injured on the play</TD></TR>"), std::string::npos);
    EXPECT_GT(Count_Hurt_Players(game), hurt_before);

    // Eight injuries in the log: the roll hurts no one any more.
    for (int n = 0; n < MAX_GAME_INJURIES; ++n)
        game->Play_Log[n].Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    game->Play_Log_Count = MAX_GAME_INJURIES;
    const int hurt = Count_Hurt_Players(game);
    for (int n = 0; n < 50; ++n)
        Roll_For_Game_Injury(game);
    EXPECT_EQ(Count_Hurt_Players(game), hurt);
    EXPECT_EQ(Count_Game_Injuries(game), MAX_GAME_INJURIES);
}

TEST(GameInjuries, LogLineNamesPositionAndPlayer) {
    GAME_RECORD* game = Special_Teams_Game(0, 60);
    Clear_Game_Text_Buffers();
    const int32_t slot = game->On_Field[0][1];
    Write_Injury_Log_Line(game, 1, slot);
    char first[64];
    char last[64];
    Get_Player_First_Name(1, slot, first);
    Get_Player_Last_Name(1, slot, last);
    const std::string text = Get_Plain_Play_Text();
    EXPECT_EQ(text.rfind("<< ", 0), 0u);
    EXPECT_NE(text.find(std::string(first) + " " + last + " was injured on the play >>\n"),
              std::string::npos);
    Clear_Game_Text_Buffers();
    Write_Injury_Log_Line(game, 1, 120);
    EXPECT_TRUE(Get_Plain_Play_Text().empty()) << "a bad slot writes nothing";
}

TEST(GameInjuries, LogLinesAreWholeAndTheHtmlOneEscapesTheNames) {
    GAME_RECORD* game = Special_Teams_Game(0, 60);
    const int32_t slot = game->On_Field[0][1];
    Set_Player_First_Name(1, slot, "Jo<e>");
    Set_Player_Last_Name(1, slot, "Smith & Sons");
    const char* position =
        Find_Resource_String(STRING_POSITION_NAMES + Get_Player_Vital_Stat(1, slot, VITAL_POSITION));
    ASSERT_NE(position, nullptr);
    Clear_Game_Text_Buffers();
    Write_Injury_Log_Line(game, 1, slot);
    EXPECT_EQ(Get_Plain_Play_Text(),
              std::string("<< ") + position + " Jo<e> Smith & Sons was injured on the play >>\n");
    EXPECT_EQ(Get_Play_By_Play_HTML(),
              std::string("<TR class=subhead1><TD colspan=7 class=lmc>") + position +
                  " Jo&lt;e&gt; Smith &amp; Sons was injured on the play</TD></TR>\n");
}

namespace {
// Rolls `rolls` times for one healthy player with every roll past the first
// gate and counts the injuries, healing him after each.
int32_t Count_Injuries_Of(int32_t team, int32_t slot, int32_t rolls) {
    int32_t injuries = 0;
    for (int32_t n = 0; n < rolls; ++n) {
        if (Check_For_Injury(team, slot)) ++injuries;
        Clear_Player_Injury(team, slot);
    }
    return injuries;
}
} // namespace

// The medical staff keeps players off the injury list by the team's rank in
// medical budget: the best staff prevents 40 % of the injuries, the worst one
// in 32 rolls' share of that.
TEST(GameInjuries, MedicalStaffPreventsInjuriesByItsBudgetRank) {
    Build_Test_League();
    Make_Injuries_Certain();
    const int32_t team = 3;
    const int32_t slot = 5;
    // The owner sets the budgets (a general manager's teams all rank alike).
    Set_User_Preference(OWNER_MODE, 1);
    Seed_Random_Numbers(41);
    Set_Team_Financial_Stat(team, 3, 1000000000);
    ASSERT_EQ(Get_Team_Financial_Rank(team, 3), 0);
    EXPECT_NEAR(Count_Injuries_Of(team, slot, 4000), 2400, 120) << "best staff: 600 of 1,000 get hurt";
    Set_Team_Financial_Stat(team, 3, -1000000000);
    ASSERT_EQ(Get_Team_Financial_Rank(team, 3), 31);
    // 400 / 32 = 12.5 per mille, rounded to 13.
    EXPECT_NEAR(Count_Injuries_Of(team, slot, 4000), 3948, 25) << "worst staff: 987 of 1,000 get hurt";
    Set_User_Preference(OWNER_MODE, 0);
}

// The league's severity choice decides between two drawn injuries: the
// longer one at its top, the shorter one at its bottom.
TEST(GameInjuries, SeverityPreferenceChoosesTheLongerOrShorterInjury) {
    Build_Test_League();
    const int32_t team = 3;
    const int32_t slot = 5;
    auto mean_weeks = [&](int32_t severity) {
        Universe.Header.Universe_Stats[INJURY_SEVERITY_FACTOR] = severity;
        Seed_Random_Numbers(17);
        int64_t weeks = 0;
        for (int32_t n = 0; n < 3000; ++n) {
            Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, NO_INJURY);
            const int32_t type = Choose_Injury_Type(team, slot);
            weeks += Get_Injury_Weeks_Bound(type, 0) + Get_Injury_Weeks_Bound(type, 1);
        }
        return static_cast<double>(weeks) / 3000.0;
    };
    const double shortest = mean_weeks(-100); // chance 0: always the shorter
    const double normal = mean_weeks(0);      // 30 in 100 the longer
    const double longest = mean_weeks(234);   // chance 100: always the longer
    EXPECT_LT(shortest, normal);
    EXPECT_LT(normal, longest);
    EXPECT_GT(longest - shortest, 2.0 * (normal - shortest))
        << "the longer pick at 30 % moves the mean by 30 %";
}

// The kept count reads each settled entry once: it must still see a mark put
// on the last entry after it was counted, a log that shrank or belongs to
// another game, and start afresh once forgotten.
TEST(GameInjuries, KeptCountFollowsTheLog) {
    static GAME_RECORD game;
    static GAME_RECORD other;
    std::memset(&game, 0, sizeof(game));
    std::memset(&other, 0, sizeof(other));
    Forget_Game_Injury_Tally();
    auto mark = [](GAME_RECORD& g, int n) {
        g.Play_Log[n].Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    };
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 0);
    game.Play_Log_Count = 5;
    mark(game, 1);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 1);
    mark(game, 4);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 2) << "the last entry is read again";
    game.Play_Log_Count = 9;
    mark(game, 8);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 3);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), Count_Game_Injuries(&game));

    other.Play_Log_Count = 3;
    EXPECT_EQ(Count_Kept_Game_Injuries(&other), 0) << "another game is counted afresh";

    // The same record replayed from the start: a shorter log is recounted.
    std::memset(&game, 0, sizeof(game));
    Forget_Game_Injury_Tally();
    game.Play_Log_Count = 20;
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 0);
    game.Play_Log_Count = 2;
    mark(game, 0);
    mark(game, 1);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 2) << "a log that shrank is read again";
    game.Play_Log_Count = MAX_PLAY_LOG_ENTRIES;
    for (int n = 0; n < MAX_PLAY_LOG_ENTRIES; ++n)
        mark(game, n);
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 10) << "capped as the full count is";

    // Entries rewritten behind the count are seen once it is forgotten.
    game.Play_Log_Count = 0;
    Count_Kept_Game_Injuries(&game);
    std::memset(&game, 0, sizeof(game));
    game.Play_Log_Count = 6;
    mark(game, 2);
    Forget_Game_Injury_Tally();
    EXPECT_EQ(Count_Kept_Game_Injuries(&game), 1);
}
