// A season played through the calendar, every game snap by snap and the
// playoffs too: no season line of the year, and no player's figures of the
// season, credit more starts than games, and no line more games than its
// team played in the regular season.
#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "support/played_season.h"

namespace {
constexpr int32_t STAT_GAMES = 0;
constexpr int32_t STAT_STARTS = 1;
constexpr int32_t MOST_FAULTS_TOLD = 10;

struct FAULTS {
    std::string Text;
    int32_t Count = 0;
    void Add(const std::string& fault) {
        if (Count++ < MOST_FAULTS_TOLD) Text += fault + "\n";
    }
};
} // namespace

TEST(PlayedSeasonLines, NoLineCreditsMoreStartsThanGamesOrMoreGamesThanItsTeamPlayed) {
    Build_Played_Season(17);
    const int32_t year = Get_Current_Year();
    int32_t team_games[MAX_FRANCHISES] = {};
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t week = 0; week < Get_Playoff_Start_Week(); ++week)
            if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) != 0) ++team_games[team];

    FAULTS faults;
    int32_t starters = 0;
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line) {
        if (Get_Season_Line_Year(line) != year) continue;
        const int32_t team = Get_Season_Line_Team(line);
        const int32_t games = Get_Season_Line_Stat(line, STAT_GAMES);
        const int32_t starts = Get_Season_Line_Stat(line, STAT_STARTS);
        const std::string place = "line " + std::to_string(line) + " of team " + std::to_string(team) + ": ";
        if (starts > 0) ++starters;
        if (starts > games)
            faults.Add(place + std::to_string(starts) + " starts in " + std::to_string(games) + " games");
        if (team >= 0 && team < MAX_FRANCHISES && games > team_games[team])
            faults.Add(place + std::to_string(games) + " games of the team's " +
                       std::to_string(team_games[team]));
    }
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t games = Get_Player_Stat(team, slot, SEASON_THIS, STAT_GAMES);
            const int32_t starts = Get_Player_Stat(team, slot, SEASON_THIS, STAT_STARTS);
            if (starts > games)
                faults.Add("player " + std::to_string(team) + "/" + std::to_string(slot) + ": " +
                           std::to_string(starts) + " starts in " + std::to_string(games) +
                           " games this season");
        }
    EXPECT_EQ(faults.Count, 0) << faults.Text;
    // Every franchise fields 22 starters a game: the season has a line for each.
    EXPECT_GE(starters, 22 * Count_Active_Teams());
}
