// The players of the season databases the build installs, against the
// league that played their seasons: every line of a season the default
// league played is, figure for figure, the line that league kept as the
// season ended (the figures the seasons file has no column for included),
// every player's credited seasons are the seasons his lines hold, and a
// kicker's longest kicks are the longest of his lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "season/new_game_choices.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "tools/league/league_generation.h"
#include "tools/season_database.h"

namespace {
constexpr int32_t FIRST_PLAYED_YEAR = 2005;
// The league generator's own league, which no builder makes.
constexpr int32_t DEFAULT_LEAGUE_YEAR = 2019;
constexpr int32_t MOST_CREDITED = 30;

using LINE_FIGURES = std::array<int32_t, NUMBER_OF_SEASON_STATS>;
// A player's lines of one year, sorted, by his name and birth date.
using YEAR_LINES = std::map<std::string, std::vector<LINE_FIGURES>>;

std::string Person(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    return std::string(player->First_Name, strnlen(player->First_Name, sizeof player->First_Name)) + "|" +
           std::string(player->Last_Name, strnlen(player->Last_Name, sizeof player->Last_Name)) + "|" +
           std::to_string(player->Vital_Stats[VITAL_BIRTH_DATE]);
}

// The seasons of `year` with a franchise of every player of the loaded
// league (the seasons the files carry): a player's lines with one team
// summed, as a player who left a team and came back within the season holds
// two (a kicker's longest kicks the longer).
YEAR_LINES Read_Year_Lines(int32_t year) {
    YEAR_LINES lines;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        const bool kicker = position == POSITION_K || position == POSITION_P;
        std::map<int32_t, LINE_FIGURES> by_team;
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) != year ||
                Get_Season_Line_Kind(line) < 0 || Get_Season_Line_Team(line) < 0 ||
                Get_Season_Line_Team(line) >= MAX_FRANCHISES || Get_Season_Line_Stat(line, 0) <= 0)
                continue;
            LINE_FIGURES& figures = by_team[Get_Season_Line_Team(line)];
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
                const int32_t value = Get_Season_Line_Stat(line, stat);
                figures[stat] = kicker && (stat == 5 || stat == 18) ? std::max(figures[stat], value)
                                                                    : figures[stat] + value;
            }
        }
        for (const auto& [line_team, figures] : by_team)
            lines[Person(team, slot)].push_back(figures);
    });
    for (auto& [person, figures] : lines)
        std::sort(figures.begin(), figures.end());
    return lines;
}

std::string Describe(const std::vector<LINE_FIGURES>& lines) {
    std::string text;
    for (const LINE_FIGURES& figures : lines) {
        text += "[";
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
            if (stat > 0) text += ' ';
            text += std::to_string(figures[stat]);
        }
        text += "]";
    }
    return text;
}

class InstalledPlayers : public InstalledDatabasesTest {};

constexpr int32_t KICKING_GROUP = 3;
constexpr int32_t LONGEST_KICKS[] = {5, 18};

// The kickers of the loaded league whose stored longest punt or field goal
// of last season or of the career is above the longest of the lines it
// covers (with `exactly`, also one below it), each told; their number.
int32_t Count_Longest_Kicks_Off_Their_Lines(const std::string& file, bool exactly, std::string* first) {
    const int32_t year = Get_Current_Year();
    int32_t off = 0;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            if (Get_Player_Position_Group(team, slot) != KICKING_GROUP) return;
            for (const int32_t stat : LONGEST_KICKS) {
                int32_t last = 0, career = 0;
                for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                    const int32_t line = Get_Player_Season_Line(team, slot, n);
                    if (line == NO_SEASON_LINE) continue;
                    const int32_t value = Get_Season_Line_Stat(line, stat);
                    career = std::max(career, value);
                    if (Get_Season_Line_Year(line) == year - 1) last = std::max(last, value);
                }
                const auto& stored = Get_Player_Record_Pointer(team, slot)->Season_Stats;
                for (const auto& [season, longest] :
                     {std::pair{SEASON_LAST, last}, std::pair{SEASON_CAREER, career}}) {
                    const int32_t figure = stored[season][stat];
                    if (figure == longest || (!exactly && figure < longest)) continue;
                    if (off++ < 5)
                        *first += file + ", " + Person(team, slot) + ": statistic " + std::to_string(stat) +
                                  (season == SEASON_LAST ? " of last season " : " of the career ") +
                                  std::to_string(figure) + ", his lines' longest " + std::to_string(longest) +
                                  "\n";
                }
            }
        },
        0, HALL_OF_FAME_TEAM);
    return off;
}
} // namespace

TEST_F(InstalledPlayers, PlayedSeasonLinesAreTheLinesTheLeagueKept) {
    constexpr int32_t LAST_ENDED_YEAR = 2021;
    std::map<int32_t, YEAR_LINES> played;
    for (int32_t year = FIRST_PLAYED_YEAR; year <= LAST_ENDED_YEAR; ++year) {
        char name[64];
        std::snprintf(name, sizeof name, ENDED_SEASON_FILE_FORM, year);
        const std::string path = Get_Installation_Folder() + "/" + name;
        ASSERT_EQ(Load_Game(path.c_str()), 1) << path;
        played[year] = Read_Year_Lines(year);
    }
    int64_t compared = 0, differing = 0, careers_off = 0;
    std::string first;
    for (int32_t database = FIRST_PLAYED_YEAR + 1; database <= LAST_ENDED_YEAR + 1; ++database) {
        ASSERT_GE(Load_New_Game_Season(database, nullptr), 0) << database;
        // The lines laid whole move the careers with them (in a built
        // database; the default league's own careers leave out college).
        if (database != DEFAULT_LEAGUE_YEAR)
            For_Each_League_Player(
                [&](int32_t team, int32_t slot) {
                    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
                        if ((position == POSITION_K || position == POSITION_P) && (stat == 5 || stat == 18))
                            continue;
                        int64_t sum = 0;
                        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n)
                            sum += Get_Season_Line_Stat(Get_Player_Season_Line(team, slot, n), stat);
                        careers_off += sum != Get_Player_Stat(team, slot, SEASON_CAREER, stat);
                    }
                },
                0, HALL_OF_FAME_TEAM);
        for (int32_t year = FIRST_PLAYED_YEAR; year < database; ++year) {
            for (const auto& [person, lines] : Read_Year_Lines(year)) {
                const auto kept = played[year].find(person);
                if (kept == played[year].end()) continue;
                compared += static_cast<int64_t>(lines.size());
                if (lines == kept->second) continue;
                if (differing++ < 3)
                    first += "the " + std::to_string(database) + " database, " + person + " in " +
                             std::to_string(year) + ": " + Describe(lines) + "; the league kept " +
                             Describe(kept->second) + "\n";
            }
        }
    }
    EXPECT_GT(compared, 100000) << "every played season of every database is compared";
    EXPECT_EQ(differing, 0) << first;
    EXPECT_EQ(careers_off, 0) << "a career is the sum of its lines";
}

// The default league of 2019, which the league generator makes, holds the
// seasons its players played as the built databases do: no line of a past
// season without a game (the game opens one for a player who joins a team,
// in case he plays for it), and every player's teams of each year before it
// those the built 2020 database gives him.
TEST_F(InstalledPlayers, TheDefaultLeagueHoldsTheSeasonsTheDatabasesHold) {
    // Per person, how many teams he has a line with in each year.
    auto read = [](int32_t* unplayed) {
        std::map<std::string, std::map<int32_t, size_t>> people;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                std::map<int32_t, std::set<int32_t>> teams;
                for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                    const int32_t line = Get_Player_Season_Line(team, slot, n);
                    const int32_t year = Get_Season_Line_Year(line);
                    if (line == NO_SEASON_LINE || year < FIRST_PLAYED_YEAR || year >= DEFAULT_LEAGUE_YEAR ||
                        Get_Season_Line_Kind(line) < 0 || Get_Season_Line_Team(line) < 0 ||
                        Get_Season_Line_Team(line) >= MAX_FRANCHISES)
                        continue;
                    teams[year].insert(Get_Season_Line_Team(line));
                    *unplayed += Get_Season_Line_Stat(line, 0) <= 0;
                }
                for (const auto& [year, held] : teams)
                    people[Person(team, slot)][year] = held.size();
            },
            0, HALL_OF_FAME_TEAM);
        return people;
    };
    ASSERT_GE(Load_New_Game_Season(DEFAULT_LEAGUE_YEAR, nullptr), 0);
    int32_t unplayed = 0;
    const auto league = read(&unplayed);
    EXPECT_EQ(unplayed, 0) << "lines of seasons played without a game";
    ASSERT_GE(Load_New_Game_Season(DEFAULT_LEAGUE_YEAR + 1, nullptr), 0);
    int32_t built_unplayed = 0;
    const auto built = read(&built_unplayed);
    EXPECT_EQ(built_unplayed, 0);
    int32_t compared = 0, differing = 0;
    std::string first;
    for (const auto& [person, years] : league) {
        const auto found = built.find(person);
        if (found == built.end()) continue;
        ++compared;
        if (found->second == years) continue;
        if (differing++ < 3) {
            first += person;
            for (const auto* held : {&years, &found->second}) {
                first += held == &years ? ":" : "; built:";
                for (const auto& [year, teams] : *held) {
                    char text[32];
                    std::snprintf(text, sizeof text, " %dx%zu", year, teams);
                    first += text;
                }
            }
            first += "\n";
        }
    }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(differing, 0) << first;
}

TEST_F(InstalledPlayers, CreditedSeasonsAreTheSeasonsPlayed) {
    std::string first;
    int32_t differing = 0;
    int64_t players = 0;
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0) << year;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                ++players;
                const int32_t credited = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
                const int32_t seasons = std::min(Count_NFL_Seasons(team, slot), MOST_CREDITED);
                if (credited == seasons) return;
                if (differing++ < 5)
                    first += "the " + std::to_string(year) + " database, team " + std::to_string(team) +
                             ", " + Person(team, slot) + ": credited " + std::to_string(credited) +
                             ", played " + std::to_string(seasons) + "\n";
            },
            0, HALL_OF_FAME_TEAM);
    }
    EXPECT_GT(players, 72 * 1500);
    EXPECT_EQ(differing, 0) << first;
}

// A kicker who kicked for two teams in a season has two lines: his longest
// punt and field goal of that season and of his career are the longest of
// them, in every database built, as saved and as the rebuild of the totals
// writes them again (a read of a career's longest kick would mend a sum
// the rebuild left), and (never above them; a rookie's college lines are
// none of his league seasons) in every league file the default league
// wrote.
TEST_F(InstalledPlayers, LongestKicksAreTheLongestOfTheirLines) {
    std::string first;
    int32_t off = 0;
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        if (year == DEFAULT_LEAGUE_YEAR) continue;
        char name[64];
        std::snprintf(name, sizeof name, "Databases/universe-%d.dat", year);
        const std::string path = Get_Installation_Folder() + "/" + name;
        ASSERT_EQ(Load_Game(path.c_str()), 1) << path;
        off += Count_Longest_Kicks_Off_Their_Lines(name, true, &first);
        // What the rebuild of the totals writes, before any read of a
        // career's longest kick stores the longest of the lines over it,
        // with the season as the build held it (a season the default league
        // played keeps that league's base year).
        Universe.Header.Universe_Stats[BASE_YEAR] = Get_Current_Year();
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        Rebuild_All_Season_Totals();
        off += Count_Longest_Kicks_Off_Their_Lines(std::string(name) + " rebuilt", true, &first);
    }
    for (int32_t year = FIRST_PLAYED_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        for (const char* form : {"League/Default-%d.dat", ENDED_SEASON_FILE_FORM}) {
            char name[64];
            std::snprintf(name, sizeof name, form, year);
            const std::string path = Get_Installation_Folder() + "/" + name;
            if (!std::filesystem::exists(path)) continue;
            ASSERT_EQ(Load_Game(path.c_str()), 1) << path;
            off += Count_Longest_Kicks_Off_Their_Lines(name, false, &first);
        }
    }
    EXPECT_EQ(off, 0) << first;
}
