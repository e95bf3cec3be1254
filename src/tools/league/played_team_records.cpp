#include "tools/league/played_team_records.h"

#include <sstream>
#include <utility>

#include "database/game_queries.h"
#include "database/game_record_layout.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "tools/league/tab_files.h"

namespace {
constexpr int32_t FIRST_DIVISION_ROUND_SLOT = 16;
constexpr int32_t FIRST_CONFERENCE_ROUND_SLOT = 24;
constexpr int32_t CONFERENCE_CHAMPION_SLOT = 28;
constexpr int32_t LEAGUE_CHAMPION_SLOT = 30;
} // namespace

std::string Get_Playoff_Result(int32_t team) {
    const int32_t slot = Get_Team_Playoff_Slot(team);
    if (slot < 0) return "";
    int32_t top = 0;
    for (int32_t n = 0; n < PLAYOFF_BRACKET_SLOTS; ++n)
        if (!Is_No_Team(Get_Playoff_Team(n))) top = n;
    const bool no_final = top < LEAGUE_CHAMPION_SLOT;
    if (slot == LEAGUE_CHAMPION_SLOT || (slot >= CONFERENCE_CHAMPION_SLOT && no_final)) return "Won SB";
    if (slot >= CONFERENCE_CHAMPION_SLOT || (no_final && slot >= FIRST_CONFERENCE_ROUND_SLOT))
        return "Lost SB";
    if (slot >= FIRST_CONFERENCE_ROUND_SLOT) return "Lost Conf";
    if (slot >= FIRST_DIVISION_ROUND_SLOT) return "Lost Div";
    return "Lost WC";
}

std::vector<PLAYED_TEAM_RECORD> Get_Played_Team_Records() {
    const int32_t teams = Refresh_Active_Team_Count();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    const int32_t playoffs = Get_Playoff_Start_Week();
    std::vector<int32_t> points_for(MAX_FRANCHISES, 0), points_against(MAX_FRANCHISES, 0);
    for (GAME_RECORD& game : Universe.Games) {
        if (game.Week >= playoffs || Is_Game_Played(&game) == 0) continue;
        for (int32_t side = 0; side < 2; ++side) {
            const int32_t team = Get_Game_Team_Byte(&game, side);
            if (team < 0 || team >= MAX_FRANCHISES) continue;
            points_for[team] += Get_Game_Score(&game, side);
            points_against[team] += Get_Game_Score(&game, 1 - side);
        }
    }
    std::vector<PLAYED_TEAM_RECORD> records;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        PLAYED_TEAM_RECORD record;
        record.Year = Get_Current_Year();
        record.Team = team;
        record.Wins = Get_Team_Yearly_Char(team, season, RESULT_KIND_WINS);
        record.Losses = Get_Team_Yearly_Char(team, season, RESULT_KIND_LOSSES);
        record.Ties = Get_Team_Yearly_Char(team, season, RESULT_KIND_TIES);
        record.Place = Get_Team_Division_Standing(team);
        record.Division_Teams = Count_Division_Teams(Get_Team_Stat(team, TEAM_STAT_DIVISION));
        record.Points_For = points_for[team];
        record.Points_Against = points_against[team];
        record.Playoffs = Get_Playoff_Result(team);
        records.push_back(record);
    }
    return records;
}

bool Write_Played_Team_Records(const std::string& path, const std::vector<PLAYED_TEAM_RECORD>& records,
                               std::string* error) {
    std::ostringstream out;
    for (const PLAYED_TEAM_RECORD& r : records)
        out << r.Year << '\t' << r.Team << '\t' << r.Wins << '\t' << r.Losses << '\t' << r.Ties << '\t'
            << r.Place << '\t' << r.Division_Teams << '\t' << r.Points_For << '\t' << r.Points_Against << '\t'
            << r.Playoffs << '\n';
    return Write_Tab_File(path, out.str(), error);
}

bool Read_Played_Team_Records(const std::string& path, std::vector<PLAYED_TEAM_RECORD>* records,
                              std::string* error) {
    std::vector<PLAYED_TEAM_RECORD> read;
    if (!Read_Tab_File(
            path, "a team record",
            [&read](std::istringstream& fields) {
                PLAYED_TEAM_RECORD r;
                char tab = 0;
                fields >> r.Year >> r.Team >> r.Wins >> r.Losses >> r.Ties >> r.Place >> r.Division_Teams >>
                    r.Points_For >> r.Points_Against;
                if (!fields) return false;
                if (fields.get(tab) && tab == '\t') std::getline(fields, r.Playoffs);
                read.push_back(r);
                return true;
            },
            error))
        return false;
    *records = std::move(read);
    return true;
}
