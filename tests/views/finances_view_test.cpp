// The Finances view as a user reads it: the league-average row against the
// teams' rows and what the league holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "support/test_league.h"
#include "support/view_frame.h"
#include "views/finance_texts.h"
#include "views/finances_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t FINANCES_VIEW = 40034;
constexpr int32_t COLUMNS = 8;
constexpr int32_t PAST_SEASONS = 3;

class FinancesView : public ViewFrameTest {};

struct PAINTED_ROW {
    int32_t Team;
    std::vector<std::string> Cells;
    std::vector<COLOUR_VALUE> Colours;
};

// The rows of the shown league as painted: its teams in order, then the
// league average, each its name and then its eight cells.
std::vector<PAINTED_ROW> Paint_Rows(int32_t league, const std::string& picture) {
    Set_User_Preference(SHOWN_LEAGUE, league);
    Keep_View_Picture(Paint_View_Picture(FINANCES_VIEW), picture);
    std::vector<PAINTED_ROW> rows;
    for (int32_t row = 0; row < 18; ++row) {
        const int32_t team = Get_Finance_Row_Team(league, row);
        if (team == FINANCE_LEAGUE_ROW || Is_Active_Team(team)) rows.push_back({team, {}, {}});
    }
    // The rows end with the average's name and cells (the status bar may paint after them).
    int32_t average = -1;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text) == "NFL Average") average = i;
    const int32_t first = average - static_cast<int32_t>(rows.size() - 1) * (COLUMNS + 1);
    EXPECT_GE(first, 0);
    for (size_t r = 0; r < rows.size() && first >= 0; ++r) {
        const int32_t name = first + static_cast<int32_t>(r) * (COLUMNS + 1);
        char expected[128] = "NFL Average";
        if (rows[r].Team != FINANCE_LEAGUE_ROW) Get_Team_Location_Name(rows[r].Team, expected);
        EXPECT_EQ(std::string(Get_Drawn_Text(name)->Text), expected) << "row " << r;
        for (int32_t k = 1; k <= COLUMNS; ++k) {
            rows[r].Cells.push_back(Get_Drawn_Text(name + k)->Text);
            rows[r].Colours.push_back(Get_Drawn_Text(name + k)->Colour);
        }
    }
    return rows;
}

int32_t Number_Of(const std::string& text) {
    return std::stoi(text);
}

void Show_Columns(const std::vector<int32_t>& stats) {
    for (int32_t k = 0; k < COLUMNS; ++k)
        Set_User_Preference(FINANCE_COLUMN_SETTING + k, stats[static_cast<size_t>(k)]);
}
} // namespace

// The average row averages the titles (past finishes plus those won before
// the league's history) and, without a salary cap, the payroll budgets, as
// it averages every other figure; it shows a dash only where the teams' rows
// hold no number to average.
TEST_F(FinancesView, TheLeagueAverageRowAveragesEveryTeamsFigures) {
    Build_Test_League();
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_User_Preference(CURRENT_SEASON_INDEX, PAST_SEASONS);
    std::vector<int32_t> championships(MAX_FRANCHISES), conference_titles(MAX_FRANCHISES);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        Set_Team_Stat(team, 6, team % 7);
        Set_Team_Stat(team, 7, team % 12);
        for (int32_t season = 0; season < PAST_SEASONS; ++season) {
            const int32_t finish = team == 3 * season + 1 ? 8 : team == 3 * season + 2 ? 7 : 4;
            Set_Team_Yearly_Int(team, season, 3, finish);
            championships[team] += finish == 8;
            conference_titles[team] += finish >= 7;
        }
        championships[team] += team % 7;
        conference_titles[team] += team % 12;
    }
    Open_League_In_Frame();
    // The year's rules bring a cap with the loaded league; this one has none.
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    // The owners' cash, and so the payroll budgets, differ from team to team.
    Set_User_Preference(OWNER_MODE, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, 68, 20000000 + 1234567 * team);
    Show_Columns({1, 2, 17, 3, 0, 15, 6, 8});
    int64_t teams = 0, held_championships = 0, held_titles = 0, held_budgets = 0;
    std::vector<std::string> league_row;
    for (const int32_t league : {0, 1})
        for (const PAINTED_ROW& row : Paint_Rows(league, "finances_titles_" + std::to_string(league))) {
            if (row.Team == FINANCE_LEAGUE_ROW) {
                league_row = row.Cells;
                continue;
            }
            EXPECT_EQ(Number_Of(row.Cells[0]), championships[row.Team]) << "team " << row.Team;
            EXPECT_EQ(Number_Of(row.Cells[1]), conference_titles[row.Team]) << "team " << row.Team;
            held_budgets += Get_Team_Payroll_Budget(row.Team);
            held_championships += championships[row.Team];
            held_titles += conference_titles[row.Team];
            ++teams;
        }
    ASSERT_EQ(teams, TEST_LEAGUE_TEAMS);
    ASSERT_EQ(league_row.size(), static_cast<size_t>(COLUMNS));
    EXPECT_EQ(league_row[0], std::to_string(held_championships / teams));
    EXPECT_EQ(league_row[1], std::to_string(held_titles / teams));
    EXPECT_GT(held_championships / teams, 0);
    char budget[64];
    Format_Money_Dollars(static_cast<int32_t>(held_budgets / teams), budget);
    EXPECT_EQ(league_row[2], budget) << "the mean payroll budget";

    // Every other column of the row shows a figure too.
    std::vector<int32_t> stats;
    for (int32_t stat = 0; stat < 50; ++stat)
        if (stat < 24 || (stat > 35 && stat < 46)) stats.push_back(stat);
    while (stats.size() % COLUMNS != 0)
        stats.push_back(0);
    for (size_t first = 0; first < stats.size(); first += COLUMNS) {
        const std::vector<int32_t> shown(stats.begin() + static_cast<long>(first),
                                         stats.begin() + static_cast<long>(first + COLUMNS));
        Show_Columns(shown);
        const std::vector<PAINTED_ROW> rows = Paint_Rows(0, "finances_columns_" + std::to_string(first));
        ASSERT_EQ(rows.back().Team, FINANCE_LEAGUE_ROW);
        for (int32_t k = 0; k < COLUMNS; ++k) {
            const std::string& cell = rows.back().Cells[static_cast<size_t>(k)];
            EXPECT_FALSE(cell.empty() || cell == VIEW_DASH) << "stat " << shown[static_cast<size_t>(k)];
        }
    }
}

// A figure below zero takes the colour of one, the league average's too:
// the human team's in its own, every other row's in the other.
TEST_F(FinancesView, AFigureBelowZeroTakesItsColourInTheAverageRowToo) {
    Build_Test_League();
    Open_League_In_Frame();
    Set_User_Preference(OWNER_MODE, 1);
    const int32_t human = Get_Nth_Team_In_Conference(0, 0);
    Set_Team_Stat(human, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    // The financial score (shown as "Bonus") below zero everywhere.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, 74, -15 - team);
    Show_Columns({20, 6, 20, 6, 20, 6, 20, 6});
    const COLOUR_VALUE BELOW_ZERO = Make_Colour(210, 180, 110), HUMAN_BELOW_ZERO = Make_Colour(255, 170, 170);
    const COLOUR_VALUE AVERAGE = Make_Colour(255, 215, 215), OTHER = Make_Colour(170, 166, 46);
    for (const int32_t dark : {0, 1}) {
        Set_User_Preference(DARK_TEXT_SETTING, dark);
        bool average_seen = false;
        for (const PAINTED_ROW& row : Paint_Rows(0, "finances_below_zero_" + std::to_string(dark))) {
            ASSERT_EQ(row.Colours.size(), static_cast<size_t>(COLUMNS));
            ASSERT_EQ(row.Cells[0][0], '-') << "team " << row.Team;
            COLOUR_VALUE negative = BELOW_ZERO, positive = OTHER;
            if (row.Team == human) {
                negative = HUMAN_BELOW_ZERO;
                positive = VIEW_ACCENT_COLOURS.Light;
            } else if (row.Team == FINANCE_LEAGUE_ROW) {
                positive = AVERAGE;
                average_seen = true;
            }
            if (dark != 0) {
                negative = row.Team == human ? Make_Colour(110, 0, 0) : Make_Colour(180, 50, 50);
                positive = row.Team == human                ? VIEW_ACCENT_COLOURS.Dark
                           : row.Team == FINANCE_LEAGUE_ROW ? Make_Colour(30, 30, 130)
                                                            : Make_Colour(180, 50, 50);
            }
            EXPECT_EQ(row.Colours[0], negative) << "team " << row.Team << ", dark text " << dark;
            EXPECT_EQ(row.Colours[1], positive) << "team " << row.Team << ", dark text " << dark;
        }
        EXPECT_TRUE(average_seen);
    }
}
