// Every season database the build installs keeps each earlier season of a
// player with the franchise that played it, as the league's history carries
// the franchise on, whatever its abbreviation has come to mean since: the
// Yanks of 1951 and the Texans of 1952 are the Colts, the other league's
// Texans of 1960-62 the Chiefs, "PHX" and the "STL" of 1987 and before the
// Cardinals, the "STL" of 1995-2015 the Rams, the "HOU" of 1996 and before
// the Oilers, the "BAL" of 1983 and before the Colts. The Browns' seasons
// before their move stay with the Browns the league founds again.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/season_line_layout.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "season/new_game_choices.h"
#include "support/installed_seasons.h"
#include "tools/season_franchises.h"

namespace {
// A franchise's full names, each from its year on ("" while it holds no
// place in the league).
using FRANCHISE_NAMES = std::vector<std::pair<int32_t, std::string>>;

const FRANCHISE_NAMES COLTS = {{1951, "New York Yanks"},
                               {1952, "Dallas Texans"},
                               {1953, "Baltimore Colts"},
                               {1984, "Indianapolis Colts"}};
const FRANCHISE_NAMES CHIEFS = {{1960, "Dallas Texans"}, {1963, "Kansas City Chiefs"}};
const FRANCHISE_NAMES CARDINALS = {{1951, "Chicago Cardinals"},
                                   {1960, "St. Louis Cardinals"},
                                   {1988, "Phoenix Cardinals"},
                                   {1994, "Arizona Cardinals"}};
const FRANCHISE_NAMES RAMS = {
    {1951, "Los Angeles Rams"}, {1995, "St. Louis Rams"}, {2016, "Los Angeles Rams"}};
const FRANCHISE_NAMES OILERS = {
    {1960, "Houston Oilers"}, {1997, "Tennessee Oilers"}, {1999, "Tennessee Titans"}};
const FRANCHISE_NAMES HOUSTON_TEXANS = {{2002, "Houston Texans"}};
const FRANCHISE_NAMES RAVENS = {{1996, "Baltimore Ravens"}};
// In 1996-98 the league has no Browns: their seasons are left to the lookup by abbreviation.
const FRANCHISE_NAMES BROWNS = {{1951, "Cleveland Browns"}, {1996, ""}, {1999, "Cleveland Browns"}};

// The franchise whose season the line of `year` with `text` is; null for
// the texts this test does not follow.
const FRANCHISE_NAMES* Franchise_Of(const std::string& text, int32_t year) {
    if (text == "NYY") return &COLTS;
    if (text == "DTX") return year < 1960 ? &COLTS : &CHIEFS;
    if (text == "PHX") return &CARDINALS;
    if (text == "STL") return year < 1990 ? &CARDINALS : &RAMS;
    if (text == "HOU") return year < 2000 ? &OILERS : &HOUSTON_TEXANS;
    if (text == "BAL") return year < 1990 ? &COLTS : &RAVENS;
    if (text == "CLE" && year < 1996) return &BROWNS;
    return nullptr;
}

std::string Name_In(const FRANCHISE_NAMES& names, int32_t year) {
    std::string name;
    for (const auto& [from, text] : names)
        if (year >= from) name = text;
    return name;
}

std::string Team_Full_Name(int32_t team) {
    if (team < 0 || team >= MAX_FRANCHISES) return "";
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    return name;
}

class InstalledFranchiseLines : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledFranchiseLines, EveryEarlierSeasonIsOnItsFranchiseInEveryDatabase) {
    // The lines followed, by player id: year, text; and each player's
    // external id, since a database's own prospect may carry the id of a
    // player retired long before.
    std::map<int32_t, std::vector<std::pair<int32_t, std::string>>> followed;
    std::map<int32_t, std::string> external_ids;
    for (const SEASONS_FILE_LINE& line : Read_Installed_Seasons_Lines())
        if (line.Games > 0 && line.Flag.empty() && Franchise_Of(line.Team, line.Year) != nullptr) {
            followed[line.Player_Id].emplace_back(line.Year, line.Team);
            external_ids[line.Player_Id] = line.Text.substr(0, line.Text.find(','));
        }
    ASSERT_GT(followed.size(), 1000u);

    std::map<std::string, int32_t> checked;
    std::vector<std::string> misplaced;
    for (int32_t database = 1952; database <= LAST_NEW_GAME_SEASON; ++database) {
        SCOPED_TRACE(database);
        ASSERT_EQ(Load_Game(("Databases/universe-" + std::to_string(database) + ".dat").c_str()), 1);
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
                if (!Is_Player_Slot_Used(team, slot)) continue;
                const auto lines = followed.find(Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID));
                if (lines == followed.end()) continue;
                char external_id[PLAYER_NAME_TEXT_SIZE] = "";
                Get_Player_External_ID(team, slot, external_id);
                if (external_ids[lines->first] != external_id) continue;
                for (const auto& [year, text] : lines->second) {
                    if (year >= database || year <= database - 25) continue;
                    const std::string expected = Name_In(*Franchise_Of(text, year), database);
                    if (expected.empty()) continue;
                    std::set<std::string> found;
                    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                        const int32_t line = Get_Player_Season_Line(team, slot, n);
                        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) == year)
                            found.insert(Team_Full_Name(Get_Season_Line_Team(line)));
                    }
                    const std::string kind = text + (year < 1990 ? " before 1990" : " from 1990");
                    ++checked[kind];
                    if (found.count(expected) != 0) continue;
                    std::string seen;
                    for (const std::string& name : found)
                        seen += " [" + name + "]";
                    misplaced.push_back(std::to_string(year) + " " + text + " in " +
                                        std::to_string(database) + ": not " + expected + " but" +
                                        (seen.empty() ? " none" : seen));
                }
            }
    }
    EXPECT_EQ(misplaced.size(), 0u) << (misplaced.empty() ? "" : misplaced.front());
    for (const char* kind : {"NYY before 1990", "DTX before 1990", "PHX before 1990", "PHX from 1990",
                             "STL before 1990", "STL from 1990", "HOU before 1990", "HOU from 1990",
                             "BAL before 1990", "BAL from 1990", "CLE before 1990", "CLE from 1990"})
        EXPECT_GT(checked[kind], 50) << kind << " lines were looked at";
}

TEST_F(InstalledFranchiseLines, TheRefoundedBrownsTakeBackTheirSeasonsFromTheRavens) {
    ASSERT_EQ(Load_Game("Databases/universe-1999.dat"), 1);
    int32_t browns = NO_TEAM, ravens = NO_TEAM;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (Team_Full_Name(team) == "Cleveland Browns") browns = team;
        if (Team_Full_Name(team) == "Baltimore Ravens") ravens = team;
    }
    ASSERT_NE(browns, NO_TEAM);
    ASSERT_NE(ravens, NO_TEAM);
    // As a league that played through 1996 holds them: the Browns' seasons on
    // the franchise the Ravens continue, beside the Ravens' own.
    std::vector<int32_t> before_move, after_move;
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line) {
        if (Is_Season_Line_Blank(line)) continue;
        const int32_t team = Get_Season_Line_Team(line), year = Get_Season_Line_Year(line);
        if (team == browns && year < 1996) {
            Set_Season_Line_Team(line, ravens);
            before_move.push_back(line);
        }
        if (team == ravens && year >= 1996) after_move.push_back(line);
    }
    ASSERT_GT(before_move.size(), 20u);
    ASSERT_GT(after_move.size(), 20u);

    Keep_Refounded_Franchise_Lines();
    for (int32_t line : before_move)
        EXPECT_EQ(Get_Season_Line_Team(line), browns) << Get_Season_Line_Year(line);
    for (int32_t line : after_move)
        EXPECT_EQ(Get_Season_Line_Team(line), ravens) << Get_Season_Line_Year(line);

    // Without the Browns (1996-98) the Ravens keep every season.
    ASSERT_EQ(Load_Game("Databases/universe-1997.dat"), 1);
    std::map<int32_t, int32_t> teams;
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line)
        if (!Is_Season_Line_Blank(line)) teams[line] = Get_Season_Line_Team(line);
    Keep_Refounded_Franchise_Lines();
    for (const auto& [line, team] : teams)
        ASSERT_EQ(Get_Season_Line_Team(line), team) << line;
}
