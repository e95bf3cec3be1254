#include "support/playoff_page_checks.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "reports/template_engine.h"
#include "support/season_build_folder.h"

namespace {
const char* const PLAYOFF_ROUND_NAMES[4] = {"Wildcard Games", "Divisional Playoff", "Championship Games",
                                            "Super Bowl"};

int32_t First_Playoff_Week() {
    return std::max<int32_t>(2, Universe.Season_Length);
}

std::string Installed_Template(const char* name) {
    return Read_Whole_File(Get_Installation_Folder() + "/HTML_Templates/" + name);
}

// The block of the named table in the template, with its tags.
std::string Template_Table(const std::string& page, const std::string& table) {
    const size_t begin = page.find("<gdk:table " + table + ">");
    const size_t end = page.find("</gdk:table>", begin);
    if (begin == std::string::npos || end == std::string::npos) return "";
    return page.substr(begin, end + 12 - begin);
}

std::string Expand_For(const std::string& text, int32_t key, int32_t value) {
    TAG_PARAMETERS page{};
    page.Keys[0] = key;
    page.Values[0] = value;
    page.Keys[1] = KEY_SEASON;
    std::string out;
    Expand_Template_Text(text, page, 2, &out);
    return out;
}

// The cells of each table row of the text, tags stripped.
std::vector<std::vector<std::string>> Table_Rows(const std::string& html) {
    static const std::regex row_pattern("<tr>(.*?)</tr>");
    static const std::regex cell_pattern("<td[^>]*>(.*?)</td>");
    static const std::regex tag_pattern("<[^>]*>");
    std::vector<std::vector<std::string>> rows;
    for (std::sregex_iterator row(html.begin(), html.end(), row_pattern), end; row != end; ++row) {
        const std::string text = (*row)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator cell(text.begin(), text.end(), cell_pattern); cell != end; ++cell)
            cells.push_back(std::regex_replace((*cell)[1].str(), tag_pattern, ""));
        rows.push_back(cells);
    }
    return rows;
}

std::string Full_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    return Escape_HTML_Text(name);
}

// The finished games of the season the records hold, in record order.
std::vector<int32_t> Played_Games() {
    std::vector<int32_t> games;
    for (int32_t index = 0; index < Count_Encyclopedia_Games(); ++index) {
        const GAME_RECORD& game = Universe.Games[index];
        if (game.Season_Year != 0 && Is_Game_Over(&game)) games.push_back(index);
    }
    return games;
}

bool Plays_In(const GAME_RECORD& game, int32_t team) {
    return game.Team[0] == team || game.Team[1] == team;
}

// Both final scores of the game's box page, side 0 first, from its score by
// period (the page's first table of that shape); empty without the page.
std::vector<int32_t> Box_Page_Finals(int32_t index) {
    char name[64];
    std::snprintf(name, sizeof name, "Output/Box-%02d-%03d.htm", Universe.Games[index].Season_Year % 100,
                  index);
    const std::string page = Read_Whole_File(name);
    static const std::regex final_pattern("<TR class=\\w+><TD class=lml>[^<]*</TD>(?:<TD "
                                          "class=lmc>-?\\d+</TD>){5}<TD class=lmc>(-?\\d+)</TD></TR>");
    std::vector<int32_t> finals;
    for (std::sregex_iterator match(page.begin(), page.end(), final_pattern), end;
         match != end && finals.size() < 2; ++match)
        finals.push_back(std::stoi((*match)[1]));
    return finals;
}

std::string Week_Page_Faults(int32_t week, const std::vector<int32_t>& played, const std::string& page) {
    const std::string out = Expand_For(page, KEY_WEEK, week);
    std::vector<int32_t> expected;
    for (const int32_t index : played)
        if (Universe.Games[index].Week == week) expected.push_back(index);
    std::vector<int32_t> listed;
    static const std::regex link_pattern("GameDetails/G-[0-9]{2}-([0-9]{3})\\.htm");
    for (std::sregex_iterator link(out.begin(), out.end(), link_pattern), end; link != end; ++link)
        listed.push_back(std::stoi((*link)[1]));
    std::string faults;
    const std::string label = "week " + std::to_string(week + 1) + ": ";
    if (listed != expected)
        faults += label + "lists " + std::to_string(listed.size()) + " games, the week played " +
                  std::to_string(expected.size()) + "\n";
    const int32_t round = week - First_Playoff_Week();
    const std::string name = expected.empty() ? "No Playoff Games" : PLAYOFF_ROUND_NAMES[std::min(round, 3)];
    if (out.find("<h1>" + name + ": Week " + std::to_string(week + 1) + "</h1>") == std::string::npos)
        faults += label + "not headed \"" + name + "\"\n";
    return faults;
}

std::string Team_Page_Faults(int32_t team, const std::vector<int32_t>& played, const std::string& page) {
    const int32_t first_playoff_week = First_Playoff_Week();
    std::string faults;
    const std::string label = Full_Name(team) + ": ";
    // The numbered weeks: the regular season's, each row a game of its week.
    const auto weeks = Table_Rows(Expand_For(Template_Table(page, "tGameByGame"), KEY_TEAM, team));
    if (static_cast<int32_t>(weeks.size()) != std::min<int32_t>(first_playoff_week, 22))
        faults += label + std::to_string(weeks.size()) + " numbered week rows\n";
    for (size_t row = 0; row < weeks.size(); ++row) {
        if (weeks[row].size() < 5 || weeks[row][4].empty()) continue;
        const bool regular = std::any_of(played.begin(), played.end(), [&](int32_t index) {
            const GAME_RECORD& game = Universe.Games[index];
            return game.Week == static_cast<int32_t>(row) && Plays_In(game, team);
        });
        if (!regular || static_cast<int32_t>(row) >= first_playoff_week)
            faults += label + "week row " + std::to_string(row + 1) + " shows no game of its week\n";
    }
    // The playoff rows: the team's playoff games in order, as its box pages have them.
    std::vector<int32_t> games;
    for (const int32_t index : played)
        if (Universe.Games[index].Week >= first_playoff_week && Plays_In(Universe.Games[index], team))
            games.push_back(index);
    const auto rows = Table_Rows(Expand_For(Template_Table(page, "tPlayoffGameByGame"), KEY_TEAM, team));
    if (rows.size() != games.size()) {
        faults += label + std::to_string(rows.size()) + " playoff rows for " + std::to_string(games.size()) +
                  " playoff games\n";
        return faults;
    }
    for (size_t n = 0; n < games.size(); ++n) {
        const GAME_RECORD& game = Universe.Games[games[n]];
        const int32_t side = game.Team[1] == team ? 1 : 0;
        const std::vector<int32_t> finals = Box_Page_Finals(games[n]);
        if (finals.size() != 2) {
            faults += label + "no box page of game " + std::to_string(games[n]) + "\n";
            continue;
        }
        const int32_t own = finals[side], other = finals[1 - side];
        const std::vector<std::string> expected = {
            PLAYOFF_ROUND_NAMES[std::min(game.Week - first_playoff_week, 3)], Full_Name(game.Team[1 - side]),
            own > other ? "W" : "L", std::to_string(own) + "-" + std::to_string(other)};
        const std::vector<std::string>& row = rows[n];
        if (row.size() < 5 || row[0] != expected[0] || row[2] != expected[1] || row[3] != expected[2] ||
            row[4] != expected[3])
            faults += label + "playoff row " + std::to_string(n + 1) + " reads \"" +
                      (row.size() < 5 ? "" : row[0] + "|" + row[2] + "|" + row[3] + "|" + row[4]) +
                      "\" for \"" + expected[0] + "|" + expected[1] + "|" + expected[2] + "|" + expected[3] +
                      "\"\n";
    }
    return faults;
}
} // namespace

std::string Find_Playoff_Page_Faults(const PLAYOFF_SHAPE& shape) {
    const std::vector<int32_t> played = Played_Games();
    const int32_t first_playoff_week = First_Playoff_Week();
    std::string faults;
    for (int32_t round = 0; round < 4; ++round) {
        const auto games = std::count_if(played.begin(), played.end(), [&](int32_t index) {
            return Universe.Games[index].Week == first_playoff_week + round;
        });
        if (games != shape.Games[round])
            faults += "round " + std::to_string(round) + " played " + std::to_string(games) + " games, not " +
                      std::to_string(shape.Games[round]) + "\n";
    }
    for (const int32_t index : played)
        if (Universe.Games[index].Week >= Count_Encyclopedia_Weeks())
            faults += "game " + std::to_string(index) + " of week " +
                      std::to_string(Universe.Games[index].Week + 1) + " falls past the week pages\n";
    const std::string week_page = Installed_Template("SeasonDetail.template");
    for (int32_t week = first_playoff_week; week < Count_Encyclopedia_Weeks(); ++week)
        faults += Week_Page_Faults(week, played, week_page);
    const std::string team_page = Installed_Template("TeamDetail.template");
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Encyclopedia_Team(team)) faults += Team_Page_Faults(team, played, team_page);
    return faults;
}
