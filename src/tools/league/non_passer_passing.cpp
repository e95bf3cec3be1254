#include "tools/league/non_passer_passing.h"

#include <array>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/statistics_credit.h"
#include "tools/league/tab_files.h"

namespace {
// The figures kept so far by year, team slot and player id.
std::map<std::tuple<int32_t, int32_t, int32_t>, NON_PASSER_PASSING> Kept;

void Keep_Credit(int32_t team, int32_t slot, int32_t stat, int32_t amount) {
    const int32_t year = Get_Current_Year();
    const int32_t id = Get_Player_ID(team, slot);
    NON_PASSER_PASSING& figures = Kept[{year, team, id}];
    figures.Year = year;
    figures.Team = team;
    figures.Player_Id = id;
    Add_Non_Passer_Passing_Credit(&figures, stat, amount);
}
} // namespace

void Keep_Non_Passer_Passing(bool keep) {
    Set_Non_Passer_Passing_Listener(keep ? Keep_Credit : nullptr);
}

void Clear_Kept_Non_Passer_Passing() {
    Kept.clear();
}

std::vector<NON_PASSER_PASSING> Get_Kept_Non_Passer_Passing() {
    std::vector<NON_PASSER_PASSING> passing;
    for (const auto& [key, figures] : Kept)
        passing.push_back(figures);
    return passing;
}

void Add_Non_Passer_Passing_Credit(NON_PASSER_PASSING* figures, int32_t stat, int32_t amount) {
    switch (stat) {
    case 2:
        figures->Attempts += amount;
        break;
    case 3:
        figures->Completions += amount;
        break;
    case 4:
        figures->Interceptions += amount;
        break;
    case 5:
        figures->Yards += amount;
        break;
    case 6:
        figures->Touchdowns += amount;
        break;
    default:
        break;
    }
}

bool Write_Non_Passer_Passing(const std::string& path, const std::vector<NON_PASSER_PASSING>& passing,
                              std::string* error) {
    std::ostringstream out;
    for (const NON_PASSER_PASSING& p : passing)
        out << p.Year << '\t' << p.Team << '\t' << p.Player_Id << '\t' << p.Attempts << '\t' << p.Completions
            << '\t' << p.Yards << '\t' << p.Touchdowns << '\t' << p.Interceptions << '\n';
    return Write_Tab_File(path, out.str(), error);
}

bool Read_Non_Passer_Passing(const std::string& path, std::vector<NON_PASSER_PASSING>* passing,
                             std::string* error) {
    std::vector<NON_PASSER_PASSING> read;
    if (!Read_Tab_File(
            path, "a passer's figures",
            [&read](std::istringstream& fields) {
                NON_PASSER_PASSING p;
                std::string rest;
                fields >> p.Year >> p.Team >> p.Player_Id >> p.Attempts >> p.Completions >> p.Yards >>
                    p.Touchdowns >> p.Interceptions;
                if (!fields || (fields >> rest)) return false;
                read.push_back(p);
                return true;
            },
            error))
        return false;
    *passing = std::move(read);
    return true;
}

bool Check_Regular_Season_Passing(const std::vector<SEASON_LINE>& left_lines, std::string* error) {
    // Statistics 2-6: attempts, completions, interceptions, yards, touchdowns.
    constexpr int32_t FIRST = 2, FIGURES = 5;
    constexpr const char* NAMES[FIGURES] = {"pass attempts", "completions", "interceptions", "passing yards",
                                            "touchdown passes"};
    const int32_t year = Get_Current_Year();
    std::map<int32_t, std::array<int64_t, FIGURES>> kept;
    auto add_line = [&](const SEASON_LINE& line) {
        if (line.Year != year || line.Kind < 0) return;
        for (int32_t n = 0; n < FIGURES; ++n)
            kept[line.Team][n] += line.Stats[FIRST + n];
    };
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) ||
                Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_QB)
                continue;
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line != NO_SEASON_LINE) add_line(Universe.Season_Lines[line]);
            }
        }
    for (const SEASON_LINE& line : left_lines)
        add_line(line);
    for (const auto& [key, figures] : Kept) {
        if (figures.Year != year) continue;
        const int64_t thrown[FIGURES] = {figures.Attempts, figures.Completions, figures.Interceptions,
                                         figures.Yards, figures.Touchdowns};
        for (int32_t n = 0; n < FIGURES; ++n)
            kept[figures.Team][n] += thrown[n];
    }
    const int32_t category = Get_Position_Stat_Category(POSITION_QB);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t n = 0; n < FIGURES; ++n) {
            const int64_t totals = Get_Team_Totals_Stat(team, category, 0, FIRST + n);
            if (totals == kept[team][n]) continue;
            char name[TEAM_STRING_LENGTH] = "";
            Get_Team_String(name, team, 0);
            *error = "the " + std::to_string(year) + " regular season of " + name + " has " +
                     std::to_string(totals) + " " + NAMES[n] + " in its passing totals, its passers " +
                     std::to_string(kept[team][n]);
            return false;
        }
    }
    return true;
}
