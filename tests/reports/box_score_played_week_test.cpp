// A week of games played through the driver, each checked against what it
// credited: every player's line in the box score's player tables is what the
// game added to his season line, and every sentence that passes "to" a player
// names a receiver of the side with the ball.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/play_roles.h"
#include "engine/play_text.h"
#include "reports/box_score_tables.h"
#include "support/box_score_sums.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr int32_t PLAYED_WEEK = 3;

// One table row of the box score: the player's name and his cells after the
// Team and Pos cells, as numbers (an empty cell is 0, "1.5" is 15 tenths).
using BOX_ROW = BOX_SCORE_ROW;

int32_t Cell_Number(const std::string& cell) {
    if (cell.empty()) return 0;
    const size_t point = cell.find('.');
    if (point == std::string::npos) return std::atoi(cell.c_str());
    return std::atoi(cell.substr(0, point).c_str()) * 10 + std::atoi(cell.substr(point + 1).c_str());
}

// The player rows of the tables in `html`, table by table (side 0 first).
std::vector<std::vector<BOX_ROW>> Player_Tables(const std::string& html) {
    std::vector<std::vector<BOX_ROW>> tables = Read_Box_Score_Player_Tables(html);
    for (std::vector<BOX_ROW>& rows : tables)
        for (BOX_ROW& row : rows)
            row.Cells.erase(row.Cells.begin(), row.Cells.begin() + std::min<size_t>(2, row.Cells.size()));
    return tables;
}

std::string Escaped_Name(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    return Escape_HTML(name);
}

// The slot of the team's player named `name`; -1 when none or two share it.
int32_t Slot_Named(int32_t team, const std::string& name) {
    int32_t found = -1;
    for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(team); slot < end; ++slot) {
        if (Escaped_Name(team, slot) != name) continue;
        if (found >= 0) return -1;
        found = slot;
    }
    return found;
}

// What the game credited to a player: after - before, statistic by statistic.
struct CREDIT {
    SEASON_ROW Delta;
    int32_t Position;
};

// The offence row a player's credits must give: passing cells (Cmp, Att,
// Yds, TD, Int) for a quarterback, rushing (Att, Yds, TD, Fum), receiving
// (Rec, Yds, TD); the Rtg and Avg cells are derived and not compared.
std::vector<int32_t> Expected_Offence_Cells(const CREDIT& c) {
    // Linemen, defenders and kickers keep other statistics under these numbers.
    if (c.Position < 0 || Get_Position_Group(c.Position) != 0) return std::vector<int32_t>(12, 0);
    const SEASON_ROW& d = c.Delta;
    const bool qb = c.Position == POSITION_QB;
    const int32_t rushes = d[7];
    return {qb ? d[3] : 0,           qb ? d[2] : 0,  qb ? d[5] : 0,  qb ? d[6] : 0,
            qb ? d[4] : 0,           rushes,         d[8],           d[9],
            rushes != 0 ? d[13] : 0, qb ? 0 : d[10], qb ? 0 : d[11], qb ? 0 : d[12]};
}

std::vector<int32_t> Shown_Offence_Cells(const BOX_ROW& row) {
    const std::vector<int32_t> picked = {0, 1, 2, 3, 4, 6, 7, 9, 10, 11, 12, 14};
    std::vector<int32_t> cells;
    for (int32_t n : picked)
        cells.push_back(Cell_Number(row.Cells[n]));
    return cells;
}

bool Has_Offence_Line(const CREDIT& c) {
    const std::vector<int32_t> cells = Expected_Offence_Cells(c);
    const bool offence = c.Position >= 0 && Get_Position_Group(c.Position) == 0;
    return cells[1] > 0 || cells[5] > 0 || cells[9] > 0 || (offence && c.Delta[13] > 0);
}

// Tackles, assists, sacks in tenths, passes defensed, fumbles recovered,
// interceptions, defensive touchdowns.
std::vector<int32_t> Expected_Defence_Cells(const CREDIT& c) {
    const SEASON_ROW& d = c.Delta;
    if (c.Position < 0 || Get_Position_Group(c.Position) != 2) return {0, 0, 0, 0, 0, 0, 0};
    // The touchdowns cell counts kick and punt return touchdowns as well.
    return {d[2], d[3], d[4] * 5, d[6], d[8], d[7], d[9] + d[16] + d[19]};
}

std::string Describe(const std::vector<int32_t>& cells) {
    std::string text;
    for (int32_t v : cells)
        text += std::to_string(v) + " ";
    return text;
}

// Each player of the side: his box-score row is there exactly when he was
// credited something the table shows, and reads what he was credited. A
// player who is no quarterback keeps his passes under statistics his catches
// and fumbles share, so his passing cells are held to the team's lines
// instead (EachSidesPlayerLinesAddUpToItsTeamLines).
void Expect_Table_Matches_Credits(const std::vector<BOX_ROW>& rows, int32_t team,
                                  const std::map<int32_t, CREDIT>& credits, bool offence,
                                  const std::string& label) {
    std::map<int32_t, const BOX_ROW*> shown;
    for (const BOX_ROW& row : rows) {
        const int32_t slot = Slot_Named(team, row.Name);
        if (slot >= 0) shown[slot] = &row;
    }
    for (const auto& [slot, credit] : credits) {
        std::vector<int32_t> expected =
            offence ? Expected_Offence_Cells(credit) : Expected_Defence_Cells(credit);
        const bool has_line =
            offence ? Has_Offence_Line(credit) : Describe(expected) != Describe({0, 0, 0, 0, 0, 0, 0});
        const bool passer_apart = offence && credit.Position != POSITION_QB;
        const auto row = shown.find(slot);
        const std::string who = label + " " + Escaped_Name(team, slot);
        if (row == shown.end()) {
            EXPECT_FALSE(has_line) << who << " credited " << Describe(expected) << "but has no row";
            continue;
        }
        std::vector<int32_t> cells;
        if (offence) {
            cells = Shown_Offence_Cells(*row->second);
        } else {
            for (const std::string& cell : row->second->Cells)
                cells.push_back(Cell_Number(cell));
        }
        if (passer_apart)
            for (int32_t n = 0; n <= 4; ++n)
                cells[n] = expected[n] = 0;
        EXPECT_EQ(Describe(cells), Describe(expected)) << who;
    }
}

// Sentences that pass "to" a player name the receiver, of the side with the
// ball; none says "Pass to" a player who is no receiver.
void Expect_Passes_Name_Receivers(const GAME_RECORD* game, const std::string& label) {
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        char text[TEXT_BUFFER_SIZE];
        Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
        const std::string sentence = text;
        const std::string where = label + " snap " + std::to_string(i) + ": " + sentence;
        EXPECT_EQ(sentence.find("Pass to"), std::string::npos) << where;
        const bool passes_to = sentence.find(" pass to ") != std::string::npos ||
                               sentence.find(" incomplete to ") != std::string::npos;
        if (!passes_to) continue;
        const int32_t receiver = Get_Play_Role_Id(entry, ROLE_RECEIVER);
        ASSERT_GT(receiver, 0) << where;
        int32_t team = 0, slot = 0;
        ASSERT_TRUE(Find_Player_By_ID(&team, &slot, receiver) != 0) << where;
        const int32_t side = (entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
        EXPECT_EQ(team, game->Team[side]) << "the receiver plays for the offence, " << where;
        EXPECT_NE(receiver, Get_Play_Role_Id(entry, ROLE_PASSER)) << where;
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(team, slot, name);
        EXPECT_NE(sentence.find(std::string("to ") + name), std::string::npos) << where;
    }
}

} // namespace

TEST(BoxScorePlayedWeek, EveryPlayerLineIsWhatTheGameCreditedHim) {
    Build_Test_League();
    Prepare_Game_Week(PLAYED_WEEK, 9090);
    int32_t played = 0;
    int32_t knocked_down = 0;
    for (int32_t k = 0; k < TEST_LEAGUE_TEAMS / 2; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        const std::vector<SEASON_ROW> before[2] = {Season_Rows(visitor), Season_Rows(home)};
        Schedule_Test_Game(home, visitor, PLAYED_WEEK);
        GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYED_WEEK);
        ASSERT_NE(game, nullptr) << "game " << k;
        ASSERT_EQ(Is_Game_Over(game), 1);
        ++played;
        const std::string label = "game " + std::to_string(k);
        ASSERT_LT(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES) << label << " logged every snap";

        Get_Box_Score_HTML().clear();
        Write_Box_Score_Offense_Tables(game);
        Write_Box_Score_Defense_Table(game);
        const std::vector<std::vector<BOX_ROW>> tables = Player_Tables(Get_Box_Score_HTML());
        ASSERT_EQ(tables.size(), 4u) << label << ": two offence tables, then two defence tables";
        for (int32_t side = 0; side < 2; ++side) {
            const int32_t team = game->Team[side];
            const std::vector<SEASON_ROW> after = Season_Rows(team);
            std::map<int32_t, CREDIT> credits;
            for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(team); slot < end; ++slot) {
                CREDIT credit{SEASON_ROW(after[slot].size()),
                              Get_Player_Vital_Stat(team, slot, VITAL_POSITION)};
                for (size_t n = 0; n < after[slot].size(); ++n)
                    credit.Delta[n] = after[slot][n] - before[side][slot][n];
                credits[slot] = credit;
            }
            const std::string side_label = label + " side " + std::to_string(side);
            Expect_Table_Matches_Credits(tables[side], team, credits, true, side_label);
            Expect_Table_Matches_Credits(tables[2 + side], team, credits, false, side_label);
        }
        Expect_Passes_Name_Receivers(game, label);
        for (int32_t i = 0; i < game->Play_Log_Count; ++i)
            if (Get_Play_Result(game->Play_Log[i].Play_Word) == RESULT_PASS_KNOCKED_DOWN) ++knocked_down;
    }
    EXPECT_EQ(played, TEST_LEAGUE_TEAMS / 2);
    EXPECT_GT(knocked_down, 0) << "the week broke up passes, so Passes Defensed was filled";
}

// A week of games in which one team has no quarterback, so that a back or a
// receiver takes the snaps and throws: each side's lines in the passing,
// rushing, receiving and defence tables add up to its team lines, the
// passes of the players who are no quarterbacks among them.
TEST(BoxScorePlayedWeek, EachSidesPlayerLinesAddUpToItsTeamLines) {
    Build_Test_League();
    constexpr int32_t NO_PASSER_TEAM = 5;
    for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(NO_PASSER_TEAM); slot < end; ++slot)
        if (Get_Player_Vital_Stat(NO_PASSER_TEAM, slot, VITAL_POSITION) == POSITION_QB)
            Set_Player_Vital_Stat(NO_PASSER_TEAM, slot, VITAL_POSITION, POSITION_RB);
    Prepare_Game_Week(PLAYED_WEEK, 4242);
    int32_t thrown_by_others = 0;
    for (int32_t k = 0; k < TEST_LEAGUE_TEAMS / 2; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        Schedule_Test_Game(home, visitor, PLAYED_WEEK);
        const GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYED_WEEK);
        ASSERT_NE(game, nullptr) << "game " << k;
        ASSERT_LT(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES) << "game " << k << " logged every snap";
        Get_Box_Score_HTML().clear();
        Write_Box_Score_Team_Stats(game);
        Write_Box_Score_Player_Tables(game);
        const std::string page = Get_Box_Score_HTML();
        const std::vector<std::string> errors = Find_Box_Score_Sum_Errors(page);
        EXPECT_TRUE(errors.empty()) << "game " << k << ": " << errors.size()
                                    << " sums differ, the first: " << errors.front();
        for (int32_t side = 0; side < 2; ++side)
            thrown_by_others += static_cast<int32_t>(Find_Non_Quarterback_Passers(page, side).size());
    }
    Get_Box_Score_HTML().clear();
    EXPECT_GT(thrown_by_others, 0) << "the team without a quarterback threw its passes";
}
