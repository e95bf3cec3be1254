// The team records of the seasons the default league played (2005-2021) are
// those seasons as the league played them: each line of the installed
// "Team_Records.csv" agrees with the league's own history rows of the
// season, its champion is the team that won the league's final, the season
// database of that year is calibrated with them; and the records the league
// generator keeps as a season ends agree with the season's games and bracket.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "database/game_record_layout.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "tools/league/played_team_records.h"
#include "tools/team_records_csv.h"

namespace {
constexpr int32_t YEARLY_DIVISION_PLACE = 1;
constexpr int32_t YEARLY_FINISH_CODE = 3;
constexpr int32_t LEAGUE_CHAMPION_SLOT = 30;
constexpr int32_t FIRST_FINALIST_SLOT = 28;
constexpr int32_t FIRST_CONFERENCE_ROUND_SLOT = 24;

struct RECORD_LINE {
    std::string Team;
    int32_t Wins = 0, Losses = 0, Ties = 0, Place = 0, Points_For = 0, Points_Against = 0;
    std::string Playoffs;
};

// The lines of a year of the installed team records file.
std::vector<RECORD_LINE> Record_Lines(int32_t year) {
    std::ifstream in(Get_Installation_Folder() + "/Input/Stats/Team_Records.csv");
    std::vector<RECORD_LINE> lines;
    std::string text;
    std::getline(in, text);
    while (std::getline(in, text)) {
        std::vector<std::string> fields;
        std::stringstream stream(text);
        for (std::string field; std::getline(stream, field, ',');)
            fields.push_back(field);
        if (fields.size() < 10 || std::atoi(fields[0].c_str()) != year) continue;
        RECORD_LINE line;
        line.Team = fields[2];
        line.Wins = std::atoi(fields[3].c_str());
        line.Losses = std::atoi(fields[4].c_str());
        line.Ties = std::atoi(fields[5].c_str());
        line.Place = std::atoi(fields[6].c_str()) - 1;
        line.Playoffs = fields[7];
        line.Points_For = std::atoi(fields[8].c_str());
        line.Points_Against = std::atoi(fields[9].c_str());
        lines.push_back(line);
    }
    return lines;
}

// The league file that holds the history rows of `year`: the league as the
// next season starts.
std::string League_File_After(int32_t year) {
    const std::string folder = Get_Installation_Folder();
    if (year + 1 == 2019) return folder + "/Databases/Universe-2019.dat";
    return folder + "/League/Default-" + std::to_string(year + 1) + ".dat";
}

// The finish code the league wrote for a playoff result of the records.
int32_t Finish_Of(const std::string& playoffs) {
    if (playoffs == "Won SB") return 8;
    if (playoffs == "Lost SB") return 7;
    if (playoffs == "Lost Conf") return 6;
    return -1;
}

class InstalledTeamRecords : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledTeamRecords, PlayedSeasonsAreRecordedAsTheLeagueHoldsThem) {
    for (const int32_t year : {2006, 2012, 2018, 2020}) {
        SCOPED_TRACE(year);
        const std::vector<RECORD_LINE> lines = Record_Lines(year);
        ASSERT_EQ(Load_Game(League_File_After(year).c_str()), 1);
        const int32_t season = year - Get_Universe_Stat(BASE_YEAR);
        ASSERT_GE(season, 0);
        ASSERT_EQ(lines.size(), static_cast<size_t>(Count_Active_Teams()));
        int32_t champions = 0, finalists = 0, points_for = 0, points_against = 0;
        for (const RECORD_LINE& line : lines) {
            SCOPED_TRACE(line.Team);
            // The 2018 records carry that season's names; a franchise the
            // 2019 table renamed is looked up by the name it took.
            const int32_t team = Get_Team_From_Name(line.Team.c_str());
            if (year + 1 == 2019 && !Is_Active_Team(team)) continue;
            ASSERT_TRUE(Is_Active_Team(team));
            EXPECT_EQ(line.Wins, Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS));
            EXPECT_EQ(line.Losses, Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES));
            EXPECT_EQ(line.Ties, Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES));
            EXPECT_EQ(line.Place, Get_Team_Yearly_Char(team, season, YEARLY_DIVISION_PLACE));
            const int32_t finish = Get_Team_Yearly_Int(team, season, YEARLY_FINISH_CODE);
            const int32_t playoff_games = Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_WINS) +
                                          Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_LOSSES);
            if (Finish_Of(line.Playoffs) > 0) {
                EXPECT_EQ(finish, Finish_Of(line.Playoffs));
            } else if (line.Playoffs.empty()) {
                EXPECT_LE(finish, 5) << "out of the playoffs";
                EXPECT_EQ(playoff_games, 0);
            } else {
                EXPECT_EQ(finish, line.Place == 0 ? 5 : 4)
                    << line.Playoffs << ": out before a conference final, as its division place made it";
                EXPECT_EQ(Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_LOSSES), 1);
            }
            if (line.Playoffs == "Won SB") {
                ++champions;
                EXPECT_EQ(Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_LOSSES), 0);
                EXPECT_GE(Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_WINS), 1);
            }
            finalists += line.Playoffs == "Lost SB";
            points_for += line.Points_For;
            points_against += line.Points_Against;
            EXPECT_GT(line.Points_For, 0);
        }
        EXPECT_EQ(champions, 1);
        EXPECT_EQ(finalists, 1);
        EXPECT_EQ(points_for, points_against) << "every point scored is one allowed";
    }
}

// Every past season of the default league, those of its made history and
// those it played, holds the finishes of one bracket: a league champion at
// the most, two finalists (or two league champions) and two losers of
// conference finals; the finish of such a round only for a team that played
// in the playoffs, and a playoff team's at least that of a wild card.
TEST_F(InstalledTeamRecords, EveryPastSeasonHoldsTheFinishesOfOneBracket) {
    ASSERT_EQ(Load_Game(League_File_After(2018).c_str()), 1);
    const int32_t seasons = Get_User_Preference(CURRENT_SEASON_INDEX);
    ASSERT_GT(seasons, 2019 - 1951);
    std::string faults;
    for (int32_t season = 0; season < seasons; ++season) {
        const std::string year = std::to_string(Get_Universe_Stat(BASE_YEAR) + season);
        int32_t count[9] = {};
        for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
            const int32_t finish = Get_Team_Yearly_Int(team, season, YEARLY_FINISH_CODE);
            const int32_t games = Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_WINS) +
                                  Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_LOSSES);
            if (finish < 0 || finish > 8) {
                faults +=
                    year + " team " + std::to_string(team) + ": finish " + std::to_string(finish) + "\n";
                continue;
            }
            ++count[finish];
            if ((finish >= 6 && games == 0) || (games > 0 && finish < 4))
                faults += year + " team " + std::to_string(team) + ": finish " + std::to_string(finish) +
                          " with " + std::to_string(games) + " playoff games\n";
        }
        if (count[8] > 1 || count[7] > 2 || count[6] > 2)
            faults += year + ": " + std::to_string(count[8]) + " champions, " + std::to_string(count[7]) +
                      " finalists, " + std::to_string(count[6]) + " conference finalists beaten\n";
    }
    EXPECT_EQ(faults, "");
}

TEST_F(InstalledTeamRecords, TheSeasonDatabaseIsCalibratedWithThePlayedRecords) {
    for (const int32_t year : {2006, 2012, 2018}) {
        SCOPED_TRACE(year);
        const std::vector<RECORD_LINE> lines = Record_Lines(year);
        ASSERT_FALSE(lines.empty());
        ASSERT_EQ(
            Load_Game(
                (Get_Installation_Folder() + "/Databases/universe-" + std::to_string(year) + ".dat").c_str()),
            1);
        for (const RECORD_LINE& line : lines) {
            SCOPED_TRACE(line.Team);
            const int32_t team = Get_Team_From_Name(line.Team.c_str());
            ASSERT_TRUE(Is_Active_Team(team)) << "the builder knows the team";
            EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_REAL_POINTS_FOR), line.Points_For);
            EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_REAL_POINTS_AGAINST), line.Points_Against);
        }
    }
}

TEST_F(InstalledTeamRecords, RecordsKeptAtASeasonsEndAgreeWithItsGamesAndBracket) {
    ASSERT_EQ(Load_Game((Get_Installation_Folder() + "/League/Default-2012.dat").c_str()), 1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t advance = 0; advance < 40 && !Is_Champion_Decided(); ++advance) {
        Advance_Weeks(22);
        Clear_Shown_Messages();
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    ASSERT_TRUE(Is_Champion_Decided());
    const std::vector<PLAYED_TEAM_RECORD> records = Get_Played_Team_Records();
    ASSERT_EQ(records.size(), static_cast<size_t>(Count_Active_Teams()));
    const int32_t playoffs = Get_Playoff_Start_Week();
    const int32_t champion = Get_Playoff_Team(LEAGUE_CHAMPION_SLOT);
    for (const PLAYED_TEAM_RECORD& record : records) {
        SCOPED_TRACE(record.Team);
        EXPECT_EQ(record.Year, 2012);
        // The regular season's games, won and lost by their scores, are the
        // team's record: points of the playoffs stay out.
        int32_t won = 0, lost = 0, tied = 0, scored = 0, allowed = 0;
        for (GAME_RECORD& game : Universe.Games) {
            if (game.Week >= playoffs || Is_Game_Played(&game) == 0) continue;
            for (int32_t side = 0; side < 2; ++side) {
                if (game.Team[side] != record.Team) continue;
                won += game.Score[side] > game.Score[1 - side];
                lost += game.Score[side] < game.Score[1 - side];
                tied += game.Score[side] == game.Score[1 - side];
                scored += game.Score[side];
                allowed += game.Score[1 - side];
            }
        }
        EXPECT_EQ(record.Wins, won);
        EXPECT_EQ(record.Losses, lost);
        EXPECT_EQ(record.Ties, tied);
        EXPECT_EQ(record.Points_For, scored);
        EXPECT_EQ(record.Points_Against, allowed);
        EXPECT_EQ(record.Place, Get_Team_Division_Standing(record.Team));
        const int32_t slot = Get_Team_Playoff_Slot(record.Team);
        if (record.Team == champion)
            EXPECT_EQ(record.Playoffs, "Won SB");
        else if (slot >= FIRST_FINALIST_SLOT)
            EXPECT_EQ(record.Playoffs, "Lost SB");
        else if (slot >= FIRST_CONFERENCE_ROUND_SLOT)
            EXPECT_EQ(record.Playoffs, "Lost Conf");
        else if (slot < 0)
            EXPECT_EQ(record.Playoffs, "");
        else
            EXPECT_TRUE(record.Playoffs == "Lost Div" || record.Playoffs == "Lost WC") << record.Playoffs;
    }
}

TEST_F(InstalledTeamRecords, WithoutALeagueFinalBothConferenceChampionsWin) {
    ASSERT_EQ(Load_Game((Get_Installation_Folder() + "/League/Default-2012.dat").c_str()), 1);
    for (int32_t slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    // Two conference rounds and their champions, no final.
    for (int32_t slot = FIRST_CONFERENCE_ROUND_SLOT; slot < FIRST_CONFERENCE_ROUND_SLOT + 4; ++slot)
        Set_Playoff_Team(slot, slot - FIRST_CONFERENCE_ROUND_SLOT);
    Set_Playoff_Team(FIRST_FINALIST_SLOT, 0);
    Set_Playoff_Team(FIRST_FINALIST_SLOT + 1, 2);
    EXPECT_EQ(Get_Playoff_Result(0), "Won SB");
    EXPECT_EQ(Get_Playoff_Result(2), "Won SB");
    EXPECT_EQ(Get_Playoff_Result(1), "Lost SB");
    EXPECT_EQ(Get_Playoff_Result(4), "");
    // With the final played, one champion.
    Set_Playoff_Team(LEAGUE_CHAMPION_SLOT, 2);
    EXPECT_EQ(Get_Playoff_Result(0), "Lost SB");
    EXPECT_EQ(Get_Playoff_Result(2), "Won SB");
    EXPECT_EQ(Get_Playoff_Result(1), "Lost Conf");
}
