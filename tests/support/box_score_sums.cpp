#include "support/box_score_sums.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {

// Cell text between "<TD class=lmc>" and its "</TD>" from `at` up to `end`.
std::vector<std::string> Cells(const std::string& page, size_t at, size_t end) {
    std::vector<std::string> cells;
    for (at = page.find("<TD class=lmc>", at); at < end; at = page.find("<TD class=lmc>", at + 1))
        cells.push_back(page.substr(at + 14, page.find("</TD>", at) - at - 14));
    return cells;
}

// The two cells of a team statistics row.
std::vector<std::string> Team_Row(const std::string& page, const std::string& label) {
    const size_t at = page.find("<TD class=lml>" + label + "</TD>\n");
    if (at == std::string::npos) return {};
    return Cells(page, at, page.find("</TR>", at));
}

int Number(const std::string& cell) {
    return std::atoi(cell.c_str());
}

// The whole number before `word` in `text` ("18 for 68 yards": 68 before " yards").
int Number_Before(const std::string& text, const std::string& word) {
    const std::regex pattern("(-?[0-9]+)" + word);
    std::smatch match;
    return std::regex_search(text, match, pattern) ? std::stoi(match[1]) : 0;
}

// Offence cells after Team and Pos: 0 Cmp, 1 Att, 2 Yds, 3 TD, 4 Int, 5 Rtg,
// 6 Att, 7 Yds, 8 Avg, 9 TD, 10 Fum, 11 Rec, 12 Yds, 13 Avg, 14 TD. Defence:
// 0 tackles, 1 assists, 2 sacks, 3 defensed, 4 recovered, 5 interceptions, 6 TDs.
int Column_Sum(const std::vector<BOX_SCORE_ROW>& rows, size_t column) {
    int sum = 0;
    for (const BOX_SCORE_ROW& row : rows)
        if (column + 2 < row.Cells.size()) sum += Number(row.Cells[column + 2]);
    return sum;
}

// Sacks are shown as "1.5": the sum in tenths.
int Sack_Tenths(const std::vector<BOX_SCORE_ROW>& rows) {
    int sum = 0;
    for (const BOX_SCORE_ROW& row : rows) {
        if (row.Cells.size() < 5 || row.Cells[4].empty()) continue;
        const std::string& cell = row.Cells[4];
        const size_t point = cell.find('.');
        sum += std::atoi(cell.substr(0, point).c_str()) * 10 +
               (point == std::string::npos ? 0 : std::atoi(cell.substr(point + 1).c_str()));
    }
    return sum;
}

} // namespace

std::vector<std::vector<BOX_SCORE_ROW>> Read_Box_Score_Player_Tables(const std::string& page) {
    std::vector<std::vector<BOX_SCORE_ROW>> tables;
    size_t at = 0;
    while ((at = page.find("<TR class=header1>", at)) != std::string::npos) {
        const size_t end = page.find("</TBODY></TABLE>", at);
        std::vector<BOX_SCORE_ROW> rows;
        for (size_t row = page.find("<TD class=lml>", at); row < end;) {
            const size_t name_end = page.find("</TD>", row);
            const size_t next = std::min(page.find("<TD class=lml>", name_end), end);
            rows.push_back({page.substr(row + 14, name_end - row - 14), Cells(page, name_end, next)});
            row = next;
        }
        tables.push_back(rows);
        at = end;
    }
    return tables;
}

std::vector<std::string> Find_Box_Score_Sum_Errors(const std::string& page) {
    std::vector<std::string> errors;
    const std::vector<std::string> rushing = Team_Row(page, "Rushing");
    const std::vector<std::string> pass_plays = Team_Row(page, "Pass Plays");
    const std::vector<std::string> passing = Team_Row(page, "Passing");
    const std::vector<std::string> sacked = Team_Row(page, "Sacked");
    const std::vector<std::vector<BOX_SCORE_ROW>> tables = Read_Box_Score_Player_Tables(page);
    if (rushing.size() != 2 || pass_plays.size() != 2 || passing.size() != 2 || sacked.size() != 2 ||
        tables.size() != 4) {
        errors.push_back("the page lacks the team statistics or a player table");
        return errors;
    }
    const auto expect = [&errors](int side, const char* what, int players, int team) {
        if (players == team) return;
        char text[160];
        std::snprintf(text, sizeof text, "side %d: %s of the players %d, of the team %d", side, what, players,
                      team);
        errors.push_back(text);
    };
    for (int side = 0; side < 2; ++side) {
        const std::vector<BOX_SCORE_ROW>& offence = tables[side];
        const std::vector<BOX_SCORE_ROW>& defence = tables[2 + side];
        // "%d-for-%d (%d%%)" then ", %d TD" and ", %d INT" when not 0.
        const std::string& plays = pass_plays[side];
        const int completions = Number(plays);
        const int attempts = Number(plays.substr(plays.find("-for-") + 5));
        const int touchdowns = Number_Before(plays, " TD");
        const int interceptions = Number_Before(plays, " INT");
        const int sack_yards = Number_Before(sacked[side], " yards");
        const int passing_yards = Column_Sum(offence, 2);
        expect(side, "passes thrown", Column_Sum(offence, 1), attempts);
        expect(side, "completions", Column_Sum(offence, 0), completions);
        expect(side, "passing yards less the sacks", passing_yards - sack_yards,
               Number_Before(passing[side], " yards"));
        expect(side, "touchdown passes", Column_Sum(offence, 3), touchdowns);
        expect(side, "interceptions thrown", Column_Sum(offence, 4), interceptions);
        expect(side, "rushes", Column_Sum(offence, 6), Number(rushing[side]));
        expect(side, "rushing yards", Column_Sum(offence, 7), Number_Before(rushing[side], " yards"));
        expect(side, "catches", Column_Sum(offence, 11), completions);
        expect(side, "receiving yards", Column_Sum(offence, 12), passing_yards);
        expect(side, "touchdown catches", Column_Sum(offence, 14), touchdowns);
        // The other side's losses are this defence's gains.
        const int other = 1 - side;
        const std::string& other_plays = pass_plays[other];
        expect(side, "sacks in tenths", Sack_Tenths(defence), 10 * Number(sacked[other]));
        expect(side, "interceptions made", Column_Sum(defence, 5), Number_Before(other_plays, " INT"));
    }
    return errors;
}

std::vector<std::string> Find_Non_Quarterback_Passers(const std::string& page, int side) {
    std::vector<std::string> passers;
    const std::vector<std::vector<BOX_SCORE_ROW>> tables = Read_Box_Score_Player_Tables(page);
    if (side < 0 || side >= static_cast<int>(tables.size())) return passers;
    for (const BOX_SCORE_ROW& row : tables[side])
        if (row.Cells.size() > 4 && row.Cells[1] != "QB" && !row.Cells[3].empty())
            passers.push_back(row.Name + ": " + row.Cells[2] + "/" + row.Cells[3] + " " + row.Cells[4]);
    return passers;
}
