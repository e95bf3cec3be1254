#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"

namespace {
// An empty league of `teams` computer-run franchises, no draft running.
void Reset_Team_League(int teams) {
    memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
    Set_User_Preference(DRAFT_ROUND, 7);
    Clear_Debug_Log();
}

std::string Team_String(int team, int index) {
    char buffer[64];
    Get_Team_String(buffer, team, index);
    return buffer;
}

void Put_Player(int team, int slot, int position) {
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, 1000 + team * 100 + slot);
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
}
} // namespace

TEST(TeamRecord, PoolSlotsAnswerFixedStringsAndBadTeamsGiveOutOfRange) {
    Reset_Team_League(32);
    EXPECT_EQ(Team_String(37, 0), "HOF");
    EXPECT_EQ(Team_String(38, 1), "Undrafted");
    EXPECT_EQ(Team_String(36, 1), "Free Agent");
    EXPECT_EQ(Team_String(36, 0), "\x96") << "pool abbreviation is an en dash";
    EXPECT_EQ(Team_String(36, 2), "");
    EXPECT_EQ(Count_Error_Lines(), 0);

    EXPECT_EQ(Team_String(41, 0), "OUTOFRANGE");
    EXPECT_EQ(Count_Debug_Lines("nTeam >= TOTAL_NUMBER_OF_TEAMS in Get_Team_String(st, [41], 0)"), 1);
    EXPECT_EQ(Team_String(-128, 1), "OUTOFRANGE");
    EXPECT_EQ(Count_Debug_Lines("Negative nTeam in Get_Team_String(st, [-128], 1)"), 1);
    EXPECT_EQ(Team_String(NO_TEAM, 2), "OUTOFRANGE");
    EXPECT_EQ(Count_Debug_Lines("Negative nTeam in Get_Team_String(st, [-128], 2)"), 1)
        << "NO_TEAM is a negative team byte";
    EXPECT_EQ(Team_String(3, 8), "") << "a string index past the eight strings reads nothing";
}

TEST(TeamRecord, SetTeamStringIsBoundedAndRefusesBadIndices) {
    Reset_Team_League(32);
    Set_Team_String("Nickname", 4, 3);
    Set_Team_String("A location name far longer than thirty-one characters", 4, 2);
    EXPECT_EQ(Team_String(4, 2), "A location name far longer than") << "cut to 31 characters";
    EXPECT_EQ(Team_String(4, 3), "Nickname") << "the following string is untouched";

    Set_Team_String("Ignored", NO_TEAM, 0);
    Set_Team_String("Ignored", -NO_TEAM, 0);
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "NO_TEAM is ignored silently";

    Set_Team_String("Bad", 41, 0);
    Set_Team_String("Bad", 4, 8);
    Set_Team_String("Bad", 4, -1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_String()"), 3);
    EXPECT_EQ(Team_String(4, 7), "");
    EXPECT_EQ(Team_String(5, 0), "");
}

TEST(TeamRecord, TeamStatSetterIgnoresNoTeamAndReportsBadIndices) {
    Reset_Team_League(32);
    Set_Team_Stat(NO_TEAM, 2, 1);
    EXPECT_EQ(Count_All_Debug_Lines(), 0);

    Set_Team_Stat(5, 60, 1);
    EXPECT_EQ(Count_Debug_Lines("nStat out of bounds in Set_Team_Stat(<5>,60,1)"), 1);
    Set_Team_Stat(41, 3, 9);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Stat(<41>,3,9)"), 1);
    EXPECT_EQ(Get_Team_Stat(41, 3), 0);
    EXPECT_EQ(Get_Team_Stat(5, -1), 0);

    Set_Team_Stat(40, 59, 77);
    EXPECT_EQ(Get_Team_Stat(40, 59), 77);
}

TEST(TeamRecord, SystemNamesMatchWithoutRegardToCase) {
    EXPECT_EQ(Get_Offensive_System_Index("2 TIGHT ends"), 2);
    EXPECT_EQ(Get_Offensive_System_Index("Wishbone"), 0);
    EXPECT_EQ(Get_Defensive_System_Index("3-4"), 1);
    char name[32];
    Get_Offensive_System_Name(name, 3);
    EXPECT_STREQ(name, "2 Running Backs");
    Get_Defensive_System_Name(name, 5);
    EXPECT_STREQ(name, "");

    Reset_Team_League(32);
    Set_Team_Offensive_System_By_Name(6, "3 wideouts");
    EXPECT_EQ(Get_Team_Stat(6, TEAM_STAT_OFFENSIVE_SYSTEM), 1);
}

TEST(TeamRecord, StadiumStatsCheckTheirTeamRanges) {
    Reset_Team_League(32);
    Set_Team_Stadium_Stat(36, 19, 5);
    EXPECT_EQ(Get_Team_Stadium_Stat(36, 19), 5);
    Set_Team_Stadium_Stat(37, 0, 5);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Stadium_Stat(37,0,5)"), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(37, 0), 0);
    EXPECT_EQ(Get_Team_Stadium_Stat(41, 0), 0);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Get_Team_Stadium_Stat(41,0)"), 1);
    Set_Team_Stadium_Stat(2, 20, 5);
    EXPECT_EQ(Get_Team_Stadium_Stat(3, 0), 0) << "stat 20 must not spill into the next team's fields";
}

TEST(TeamRecord, TotalsComputedStatsAndSetterChecks) {
    Reset_Team_League(2);
    Set_Team_Totals_Stat(0, 0, 0, 2, 100);
    Set_Team_Totals_Stat(0, 0, 0, 3, 55);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 101), 550);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 147), 155);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 1, 0, 101), 0) << "a zero divisor gives 0";

    // Category 0's yards with category 3's yards over both attempts.
    Set_Team_Totals_Stat(0, 0, 0, 7, 10);
    Set_Team_Totals_Stat(0, 0, 0, 8, 45);
    Set_Team_Totals_Stat(0, 3, 0, 7, 10);
    Set_Team_Totals_Stat(0, 3, 0, 8, 56);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 112), 505);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 5, 0, 112), 0) << "category 8 does not exist and counts as zeros";

    // Per-game figures divide by the games the team played.
    Set_Team_Yearly_Char(0, 0, RECORD_CHAR_WINS, 3);
    Set_Team_Yearly_Char(0, 0, RECORD_CHAR_LOSSES, 1);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 134), (45 + 56) * 10 / 4 + 1) << "252.5 rounds away from zero";

    // League totals sum the active teams; 148 is capped at 1000.
    Set_Team_Totals_Stat(1, 0, 0, 2, 20);
    Set_Team_Totals_Stat(0, 0, 0, 4, 1);
    Set_Team_Totals_Stat(0, 0, 0, 10, 9);
    EXPECT_EQ(Get_League_Totals_Stat(0, 0, 2), 120);
    EXPECT_EQ(Get_League_Totals_Stat(0, 0, 148), 1000);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 148), 9000);

    Set_Team_Totals_Stat(0, 8, 0, 2, 1);
    EXPECT_EQ(Count_Debug_Lines("nCategory out of bounds in Set_Team_Totals_Stat(0,[8],0,2,1)"), 1);
    Set_Team_Totals_Stat(0, 0, 3, 2, 1);
    EXPECT_EQ(Count_Debug_Lines("nSeason out of bounds in Set_Team_Totals_Stat(0,0,[3],2,1)"), 1);
    Set_Team_Totals_Stat(0, 0, 0, 20, 1);
    EXPECT_EQ(Count_Debug_Lines("nStat out of bounds in Set_Team_Totals_Stat(0,0,0,[20],1)"), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 1, 0), 0) << "stat 20 of season 0 must not reach season 1";

    Clear_Team_Totals(NO_TEAM);
    EXPECT_EQ(Count_Debug_Lines("'NO_TEAM' passed to Clear_Team_Totals()"), 1);
    Clear_Team_Current_Season_Totals(0);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 2), 0);
}

TEST(TeamRecord, YearlyHistoryBoundsKeepOldValues) {
    Reset_Team_League(32);
    Set_Team_Yearly_Char(3, 10, 0, 9);
    Set_Team_Yearly_Char(3, 10, 0, 128);
    Set_Team_Yearly_Char(3, 10, 0, -1);
    EXPECT_EQ(Count_Debug_Lines("cValue out of bounds in Set_Team_Yearly_Char()"), 2);
    EXPECT_EQ(Get_Team_Yearly_Char(3, 10, 0), 9);

    Set_Team_Yearly_Char(3, 100, 0, 1);
    EXPECT_EQ(Count_Debug_Lines("nYear out of bounds in Set_Team_Yearly_Char()"), 1);
    Set_Team_Yearly_Char(3, 10, 32, 1);
    EXPECT_EQ(Count_Debug_Lines("nStat out of bounds in Set_Team_Yearly_Char()"), 1);
    Set_Team_Yearly_Char(36, 10, 0, 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Yearly_Char()"), 1);

    Clear_Debug_Log();
    EXPECT_EQ(Get_Team_Yearly_Char(33, 10, 0), 0);
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "an unused slot reads 0 silently";
    EXPECT_EQ(Get_Team_Yearly_Char(3, 100, 0), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid nYear in Get_Team_Yearly_Char(3,100,0)"), 1);
    EXPECT_EQ(Count_Error_Lines(), 0) << "the season check only logs";

    // Read again and again (every yearly read of a league whose season index
    // lies outside the history), a bad season is logged once.
    for (int n = 0; n < 1000; ++n) {
        Get_Team_Yearly_Char(n % 32, 100, n % 32);
        Get_Team_Yearly_Int(n % 32, 100, n % 4);
    }
    EXPECT_EQ(Count_Debug_Lines("Invalid nYear"), 1);
    Get_Team_Yearly_Int(3, -1, 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid nYear in Get_Team_Yearly_Int(3,-1,0)"), 1) << "another bad season";

    Set_Team_Yearly_Int(3, 99, 3, 42);
    EXPECT_EQ(Get_Team_Yearly_Int(3, 99, 3), 42);
    Set_Team_Yearly_Int(3, 100, 0, 5);
    Set_Team_Yearly_Int(3, 99, 4, 5);
    Set_Team_Yearly_Int(36, 0, 0, 5);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Yearly_Int()"), 3);
    EXPECT_EQ(Get_Team_Yearly_Int(4, 0, 0), 0) << "int 4 of season 99 must not reach the next team";
}

TEST(TeamRecord, RecordCharsFollowTheSeasonIndexAndTheDraft) {
    Reset_Team_League(32);
    Set_User_Preference(CURRENT_SEASON_INDEX, 5);
    Set_Team_Record_Char(2, RECORD_CHAR_WINS, 12);
    Set_Team_Yearly_Char(2, 4, RECORD_CHAR_WINS, 7);
    EXPECT_EQ(Get_Team_Wins(2), 12);

    // A running draft (a pool player, a round below 7) reads last season.
    Put_Player(38, 0, POSITION_QB);
    Set_User_Preference(DRAFT_ROUND, 1);
    EXPECT_EQ(Get_Team_Record_Char(2, RECORD_CHAR_WINS), 7);
    Set_Team_Record_Char(2, RECORD_CHAR_LOSSES, 3);
    EXPECT_EQ(Get_Team_Yearly_Char(2, 5, RECORD_CHAR_LOSSES), 3) << "writes go to the current season";

    Set_Team_Record_Char(36, 0, 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Record_Char()"), 1);
    Set_Team_Record_Int(36, 0, 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Record_Int()"), 1);
}

TEST(TeamRecord, ReturnerOnAnIneligibleSlotIsChosenAnew) {
    Reset_Team_League(32);
    Put_Player(3, 0, POSITION_QB);
    Put_Player(3, 1, POSITION_G);
    Put_Player(3, 2, POSITION_WR);
    Set_Team_Returner(3, 0, 2);
    EXPECT_EQ(Get_Team_Returner(3, 0), 2) << "a wide receiver may return kicks";

    Set_Team_Returner(3, 1, 0);
    int32_t chosen = Get_Team_Returner(3, 1);
    EXPECT_NE(chosen, 0) << "a quarterback is replaced";
    EXPECT_EQ(static_cast<uint8_t>(Universe.Teams[3].Returners[1]), static_cast<uint8_t>(chosen))
        << "the new returner is stored";

    Set_Team_Returner(41, 0, 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Returner(41,0,1)"), 1);
    EXPECT_EQ(Get_Team_Returner(41, 0), NO_PLAYER);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Get_Team_Returner(41,0)"), 1);
    Set_Team_Returner(3, 4, 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Returner(3,4,1)"), 1);
}

// The defensive system stored by its name; unknown names store "4-3".
TEST(TeamRecord, DefensiveSystemSetByName) {
    Reset_Team_League(4);
    Set_Team_Defensive_System_By_Name(2, "3-4");
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
    Set_Team_Defensive_System_By_Name(2, "Nickel");
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_DEFENSIVE_SYSTEM), 0);
    Set_Team_Defensive_System_By_Name(NO_TEAM, "3-4");
    EXPECT_EQ(Count_Error_Lines(), 0) << "NO_TEAM is ignored silently";
    Set_Team_Defensive_System_By_Name(41, "3-4");
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Stat(<41>,4,1)"), 1);
}

// Clearing every active team's totals leaves other slots alone; the copy of
// this season's totals into last season's goes category by category.
TEST(TeamRecord, AllTeamTotalsClearedAndThisSeasonCopiedToLast) {
    Reset_Team_League(3);
    for (int team : {0, 2, 3, FREE_AGENT_TEAM})
        for (int category = 0; category < NUMBER_OF_TOTALS_CATEGORIES; ++category)
            for (int season = 0; season < NUMBER_OF_TOTALS_SEASONS; ++season)
                Set_Team_Totals_Stat(team, category, season, 7, 100 * category + 10 * season + team);
    Copy_Team_Current_Totals_To_Previous(2);
    for (int category = 0; category < NUMBER_OF_TOTALS_CATEGORIES; ++category) {
        EXPECT_EQ(Get_Team_Totals_Stat(2, category, 1, 7), 100 * category + 2) << "category " << category;
        EXPECT_EQ(Get_Team_Totals_Stat(2, category, 2, 7), 100 * category + 22) << "the career stays";
    }
    Clear_All_Team_Totals();
    EXPECT_EQ(Get_Team_Totals_Stat(0, 5, 2, 7), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, 1, 7), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(3, 5, 1, 7), 513) << "an unused slot keeps its totals";
    EXPECT_EQ(Get_Team_Totals_Stat(FREE_AGENT_TEAM, 5, 1, 7), 546) << "the pools keep theirs";
}
