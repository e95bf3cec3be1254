#include <gtest/gtest.h>

#include <cstring>

#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {
// The first free row as a plain scan finds it.
int Scan_For_Free_Line() {
    for (int line = 0; line < MAX_SEASON_LINES; ++line)
        if (Universe.Season_Lines[line].Year == 0) return line;
    return -1;
}
} // namespace

TEST(SeasonLines, RowAccessBounds) {
    Build_Test_League();
    Clear_Debug_Log();
    EXPECT_EQ(Get_Season_Line_Stat(-1, 5), 0);
    EXPECT_EQ(Count_All_Debug_Lines(), 0);
    EXPECT_EQ(Get_Season_Line_Stat(40000, 5), 0);
    EXPECT_EQ(Count_Debug_Lines("'nLine' out of bounds in Get_Season_Line_Stat([nLine = 40000], iStat = 5)"),
              1);
    EXPECT_EQ(Get_Season_Line_Stat(0, 20), 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled 'iStat' in Get_Season_Line_Stat(nLine = 0, [iStat = 20])"), 1);
    Set_Season_Line_Stat(7, 11, 3);
    Set_Season_Line_Stat(7, 13, 4);
    EXPECT_EQ(Get_Season_Line_Stat(7, SEASON_LINE_FIELD_GOALS_MADE), 7);
    Set_Season_Line_Stat(MAX_SEASON_LINES, 0, 1);
    Set_Season_Line_Stat(7, 20, 1);
    EXPECT_EQ(Universe.Season_Lines[7].Stats[0], 16);
}

TEST(SeasonLines, RemovingALinkKeepsLinksPackedAndRecomputesLatest) {
    Build_Test_League();
    int lines[5];
    for (int n = 0; n < 5; ++n) {
        lines[n] = Add_Player_Season_Line(9, 0, 2010 + n, 9);
        ASSERT_NE(lines[n], -1);
    }
    // Replace the builder's two links by the five above.
    Remove_Player_Season_Line_Link(9, 0, 0);
    Remove_Player_Season_Line_Link(9, 0, 0);
    ASSERT_EQ(Count_Player_Season_Lines(9, 0), 5);
    Remove_Player_Season_Line_Link(9, 0, 3);
    EXPECT_EQ(Get_Player_Season_Line(9, 0, 0), lines[0]);
    EXPECT_EQ(Get_Player_Season_Line(9, 0, 2), lines[2]);
    EXPECT_EQ(Get_Player_Season_Line(9, 0, 3), lines[4]);
    for (int n = 4; n < 30; ++n)
        EXPECT_EQ(Universe.Teams[9].Players[0].Season_Line_Links[n], -1) << n;
    EXPECT_EQ(Get_Player_Latest_Season_Line(9, 0), lines[4]);
    Remove_Player_Season_Line_Link(9, 0, 3);
    EXPECT_EQ(Get_Player_Latest_Season_Line(9, 0), lines[2]);
}

TEST(SeasonLines, MidSeasonTradeKeepsTheFirstLineOfTheYearAsLatest) {
    Build_Test_League();
    int first = Add_Player_Season_Line(10, 0, TEST_BASE_YEAR, 10);
    int second = Add_Player_Season_Line(10, 0, TEST_BASE_YEAR, 11);
    EXPECT_NE(first, second);
    Update_Player_Latest_Season_Line(10, 0);
    EXPECT_EQ(Get_Player_Latest_Season_Line(10, 0), first);
    Set_Season_Line_Stat(second, 0, 9);
    Set_Season_Line_Stat(first, 0, 3);
    EXPECT_EQ(Get_Player_Team_In_Year(10, 0, TEST_BASE_YEAR), 11);
    EXPECT_EQ(Get_Player_Team_In_Year(10, 0, 1950), -128);
}

TEST(SeasonLines, FullLinksAllocateNothing) {
    Build_Test_League();
    for (int year = 1990; Count_Player_Season_Lines(11, 0) < 30; ++year)
        ASSERT_NE(Add_Player_Season_Line(11, 0, year, 11), -1);
    int free_before = Scan_For_Free_Line();
    Clear_Debug_Log();
    EXPECT_EQ(Add_Player_Season_Line(11, 0, 2040, 11), -1);
    EXPECT_EQ(Scan_For_Free_Line(), free_before) << "no orphan row";
    EXPECT_EQ(Count_Debug_Lines("No free season-line link in Add_Player_Season_Line(11,0,2040,11)"), 1);
    EXPECT_EQ(Add_Player_Season_Line(11, 0, 2040, 33), -1) << "an empty franchise slot";
}

// A veteran whose thirty links are taken keeps every league season: his
// oldest college season gives way to the new one.
TEST(SeasonLines, FullLinksGiveUpTheOldestCollegeSeason) {
    Build_Test_League();
    for (int year = 1986; Count_Player_Season_Lines(11, 0) < 30; ++year) {
        const int line = Add_Player_Season_Line(11, 0, year, 11);
        ASSERT_NE(line, -1);
        if (year < 1990) Set_Season_Line_Kind(line, year - 1990);
    }
    const int line = Add_Player_Season_Line(11, 0, 2016, 11);
    ASSERT_NE(line, -1);
    EXPECT_EQ(Get_Season_Line_Year(line), 2016);
    EXPECT_EQ(Count_Player_Season_Lines(11, 0), 30);
    EXPECT_EQ(Player_Has_Season_Line_Year(11, 0, 1986), 0) << "the oldest college season went";
    EXPECT_EQ(Player_Has_Season_Line_Year(11, 0, 1987), 1);
    EXPECT_EQ(Player_Has_Season_Line_Year(11, 0, 1990), 1) << "every league season stays";
}

TEST(SeasonLines, AllocationHintGivesThePlainScanRow) {
    Build_Test_League();
    int scanned = Scan_For_Free_Line();
    int line = Add_Player_Season_Line(12, 0, TEST_BASE_YEAR, 12);
    EXPECT_EQ(line, scanned);
    Delete_Player_Season_Line(0, 0, 0);
    scanned = Scan_For_Free_Line();
    EXPECT_EQ(scanned, 0) << "the builder's first row was player (0, 0)'s";
    EXPECT_EQ(Add_Player_Season_Line(12, 1, TEST_BASE_YEAR, 12), scanned);
    Clear_Season_Line(5);
    Set_Season_Line_Year(9, 0);
    EXPECT_EQ(Add_Player_Season_Line(12, 2, TEST_BASE_YEAR, 12), 5);
    EXPECT_EQ(Add_Player_Season_Line(12, 3, TEST_BASE_YEAR, 12), 9);
    scanned = Scan_For_Free_Line();
    EXPECT_EQ(Add_Player_Season_Line(12, 4, TEST_BASE_YEAR, 12), scanned);
}

TEST(SeasonLines, SearchFromAResetHintFindsEachFreeRowInTurn) {
    Clear_All_Season_Lines();
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line)
        Set_Season_Line_Year(line, 1990);
    Set_Season_Line_Year(6, 0);
    Set_Season_Line_Year(MAX_SEASON_LINES - 1, 0);
    Reset_Season_Line_Hint();
    EXPECT_EQ(Find_Free_Season_Line(), 6);
    Set_Season_Line_Year(6, 1990);
    EXPECT_EQ(Find_Free_Season_Line(), MAX_SEASON_LINES - 1);
    Set_Season_Line_Year(MAX_SEASON_LINES - 1, 1990);
    EXPECT_EQ(Find_Free_Season_Line(), NO_SEASON_LINE);
    Set_Season_Line_Year(MAX_SEASON_LINES - 1, 0);
    EXPECT_EQ(Find_Free_Season_Line(), MAX_SEASON_LINES - 1) << "a search starting in the last few rows";
    Clear_All_Season_Lines();
}

TEST(SeasonLines, CurrentSeasonCreditAndFreeAgents) {
    Build_Test_League();
    Add_Player_Current_Season_Line_Stat(13, 0, 4, 120);
    int line = Get_Player_Latest_Season_Line(13, 0);
    ASSERT_NE(line, -1);
    EXPECT_EQ(Get_Season_Line_Year(line), TEST_BASE_YEAR);
    EXPECT_EQ(Get_Season_Line_Stat(line, 4), 120);
    Add_Player_Current_Season_Line_Stat(13, 0, 4, 5);
    EXPECT_EQ(Get_Season_Line_Stat(line, 4), 125) << "the same row is credited again";

    Universe.Teams[36].Players[0] = Universe.Teams[13].Players[1];
    Universe.Teams[36].Players[0].Latest_Season_Line = -1;
    int free_before = Scan_For_Free_Line();
    int count_before = Count_Player_Season_Lines(36, 0);
    Set_Player_Current_Season_Line_Stat(36, 0, 2, 7);
    EXPECT_EQ(Scan_For_Free_Line(), free_before);
    EXPECT_EQ(Count_Player_Season_Lines(36, 0), count_before);
}

TEST(SeasonLines, CountSeasonsSkipsBlankKindAndDuplicateYears) {
    Build_Test_League();
    EXPECT_EQ(Count_NFL_Seasons(14, 0), 2);
    int traded = Add_Player_Season_Line(14, 0, TEST_BASE_YEAR - 1, 15);
    Set_Season_Line_Stat(traded, 0, 4);
    int blank = Add_Player_Season_Line(14, 0, 2005, 14);
    int other = Add_Player_Season_Line(14, 0, 2006, 14);
    Set_Season_Line_Stat(other, 0, 4);
    Set_Season_Line_Kind(other, -1);
    EXPECT_NE(blank, -1);
    EXPECT_EQ(Count_NFL_Seasons(14, 0), 2);
}

TEST(SeasonLines, OrphansAreErasedAndCounted) {
    Build_Test_League();
    int orphan = Find_Free_Season_Line();
    Set_Season_Line_Year(orphan, 2001);
    Set_Season_Line_Stat(orphan, 3, 1);
    int dead = Get_Player_Season_Line(15, 0, 0);
    Universe.Season_Lines[dead].Year = 0;
    Clear_Debug_Log();
    Erase_Orphan_Season_Lines();
    EXPECT_EQ(Get_Season_Line_Year(orphan), 0);
    EXPECT_EQ(Count_Player_Season_Lines(15, 0), 1) << "the link to a freed row is removed";
    EXPECT_EQ(Count_Debug_Lines("Erased 1 non-empty season lines."), 1);
}

TEST(SeasonLines, SortOrdersLinksByYear) {
    Build_Test_League();
    Add_Player_Season_Line(16, 0, 2001, 16);
    Sort_Player_Season_Line_Links(16, 0);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line(16, 0, 0)), 2001);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line(16, 0, 2)), TEST_BASE_YEAR - 1);
}

TEST(SeasonLines, DeadLinksAreDeletedWithTheirRows) {
    Build_Test_League();
    ASSERT_EQ(Count_Player_Season_Lines(17, 0), 2);
    int dead = Get_Player_Season_Line(17, 0, 0);
    int kept = Get_Player_Season_Line(17, 0, 1);
    Universe.Season_Lines[dead].Year = 0;
    Universe.Season_Lines[dead].Stats[3] = 41;
    Remove_Dead_Season_Line_Links(17, 0);
    EXPECT_EQ(Count_Player_Season_Lines(17, 0), 1);
    EXPECT_EQ(Get_Player_Season_Line(17, 0, 0), kept);
    EXPECT_EQ(Universe.Season_Lines[dead].Stats[3], 0) << "the dead row is zeroed, not only unlinked";
    EXPECT_EQ(Get_Player_Latest_Season_Line(17, 0), kept);
}

// A cleared block leaves an empty slot's links at 0, which names line 0, a
// line of someone else: emptying the slot leaves that line alone.
TEST(SeasonLines, AnEmptySlotOwnsNoLines) {
    Build_Test_League();
    ASSERT_NE(Universe.Season_Lines[0].Year, 0) << "line 0 is a player's";
    const SEASON_LINE kept = Universe.Season_Lines[0];
    const int32_t pool = FIRST_COLLEGE_POOL_TEAM, slot = PLAYERS_PER_TEAM - 1;
    ASSERT_FALSE(Is_Player_Slot_Used(pool, slot));
    memset(&Universe.Teams[pool].Players[slot], 0, sizeof(PLAYER_RECORD));
    Delete_All_Player_Season_Lines(pool, slot);
    EXPECT_EQ(memcmp(&Universe.Season_Lines[0], &kept, sizeof kept), 0);
    EXPECT_EQ(Get_Player_Season_Line(pool, slot, 0), NO_SEASON_LINE) << "its links name no line now";

    const int32_t line = Get_Player_Season_Line(17, 0, 0);
    ASSERT_NE(line, NO_SEASON_LINE);
    Delete_All_Player_Season_Lines(17, 0);
    EXPECT_EQ(Count_Player_Season_Lines(17, 0), 0) << "a player's own lines still go";
    EXPECT_EQ(Universe.Season_Lines[line].Year, 0);
}
