#include "tools/season_line_checks.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_line_layout.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/league_rules.h"
#include "tools/season_database.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t COLUMN_TEAM = 5;
constexpr int32_t COLUMN_GAMES = 10;

// Columns of the seasons file whose team sums must match: a passing
// figure and the receiving figure it pairs with. A player who is no
// quarterback keeps the passes he threw in his line's passing columns,
// which the build reads only for quarterbacks: every line counts here.
struct PAIRED_COLUMNS {
    int32_t Passing;
    int32_t Receiving;
    const char* Name;
};
constexpr PAIRED_COLUMNS PAIRED[] = {
    {13, 26, "completions"}, {14, 27, "passing yards"}, {15, 28, "touchdown passes"}};
constexpr int32_t PAIRS = static_cast<int32_t>(std::size(PAIRED));

struct TEAM_SEASON_SUMS {
    int64_t Passing[PAIRS] = {};
    int64_t Receiving[PAIRS] = {};
};
// The sums of each team's season read so far, by year and the team's text.
std::map<std::pair<int32_t, std::string>, TEAM_SEASON_SUMS> Team_Seasons;

// Lines read so far: the player (team and slot), year and team slot, with
// the number of the line that gave them and the team it names.
struct LINE_READ {
    int32_t Number;
    std::string Team;
};
std::map<std::tuple<int32_t, int32_t, int32_t, int32_t>, LINE_READ> Lines_Read;

struct NAMED_PLAYER {
    char Name[PLAYER_NAME_TEXT_SIZE];
    int32_t Id;
};

NAMED_PLAYER Name_Player(int32_t team, int32_t slot) {
    NAMED_PLAYER player{};
    Get_Player_Full_Name(team, slot, player.Name);
    player.Id = Get_Player_ID(team, slot);
    return player;
}

// Whether the teams file of the year ("Input/Stats/%d_teams.csv") lists a
// club of that abbreviation.
bool Is_Abbreviation_Of_Year(const std::string& abbreviation, int32_t year) {
    char name[64];
    std::snprintf(name, sizeof name, "Input/Stats/%d_teams.csv", year);
    std::ifstream in(name);
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line))
        if (line.substr(0, line.find(',')) == abbreviation) return true;
    return false;
}

} // namespace

void Begin_Season_Line_Checks() {
    Lines_Read.clear();
    Team_Seasons.clear();
}

void Note_Team_Season_Line(const STATS_LINE& line, int32_t year) {
    // The seasons before the first built one hold only the lines of players
    // who were still playing by then, not whole teams; from the default
    // league's founding its players' own lines stand beside the history's.
    const char* team = line.Field(COLUMN_TEAM);
    if (team[0] == '\0' || year < FIRST_DATABASE_YEAR) return;
    TEAM_SEASON_SUMS& sums = Team_Seasons[{year, team}];
    for (int32_t n = 0; n < PAIRS; ++n) {
        sums.Passing[n] += std::atoll(line.Field(PAIRED[n].Passing));
        sums.Receiving[n] += std::atoll(line.Field(PAIRED[n].Receiving));
    }
}

bool Check_Team_Season_Sums(const char* source) {
    for (const auto& [key, sums] : Team_Seasons)
        for (int32_t n = 0; n < PAIRS; ++n) {
            if (sums.Passing[n] == sums.Receiving[n]) continue;
            Report_System_Error("%s: the %d season of %s does not add up: its passers have %lld %s, its "
                                "receivers %lld",
                                source, key.first, key.second.c_str(),
                                static_cast<long long>(sums.Passing[n]), PAIRED[n].Name,
                                static_cast<long long>(sums.Receiving[n]));
            Fail_Stats_Inputs();
            return false;
        }
    return true;
}

bool Check_Season_File_Line(const STATS_LINE& line, int32_t team, int32_t slot, int32_t year,
                            int32_t line_team) {
    int32_t games = 0;
    if (!Read_Int_Field(line, COLUMN_GAMES, &games)) return false;
    const int32_t schedule = Get_Games_Per_Season_For_Year(year);
    char problem[256];
    if (games > schedule) {
        const NAMED_PLAYER player = Name_Player(team, slot);
        snprintf(problem, sizeof problem,
                 "%s (player %d) has %d games in %d, more than the %d of its schedule", player.Name,
                 player.Id, games, year, schedule);
        Report_Field_Error(line, COLUMN_GAMES, problem);
        return false;
    }
    if (!Is_Franchise_Slot(line_team)) return true;
    const auto [held, added] = Lines_Read.try_emplace({team, slot, year, line_team},
                                                      LINE_READ{line.Line_Number, line.Field(COLUMN_TEAM)});
    if (added) return true;
    // Two clubs of a later season may be one franchise of the built year (a
    // club that moved away, and the one later founded in its old city): a
    // player of both has a line with each, which the builder adds together.
    const std::string text = line.Field(COLUMN_TEAM);
    if (year > Get_Universe_Stat(BASE_YEAR) && text != held->second.Team &&
        Is_Abbreviation_Of_Year(text, year) && Is_Abbreviation_Of_Year(held->second.Team, year))
        return true;
    const NAMED_PLAYER player = Name_Player(team, slot);
    snprintf(problem, sizeof problem, "%s (player %d) already has a line of %d with %s, line %d", player.Name,
             player.Id, year, line.Field(COLUMN_TEAM), held->second.Number);
    Report_Field_Error(line, COLUMN_TEAM, problem);
    return false;
}

bool Check_Career_Totals(const char* source) {
    bool sound = true;
    // The prospects of the college pools carry their college seasons, not the league's.
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            if (!sound) return;
            int64_t sums[NUMBER_OF_SEASON_STATS] = {};
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line < 0 || line >= MAX_SEASON_LINES) continue;
                for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                    sums[stat] += Get_Season_Line_Stat(line, stat);
            }
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS && sound; ++stat) {
                const int32_t career = Get_Player_Stat(team, slot, SEASON_CAREER, stat);
                if (Is_Longest_Kick_Stat(team, slot, stat) || career == sums[stat]) continue;
                const NAMED_PLAYER player = Name_Player(team, slot);
                Report_System_Error(
                    "The %d season: career statistic %d of %s (player %d) is %d, but his season "
                    "lines from %s add up to %lld",
                    Get_Universe_Stat(BASE_YEAR), stat, player.Name, player.Id, career, source,
                    static_cast<long long>(sums[stat]));
                Fail_Stats_Inputs();
                sound = false;
            }
        },
        0, HALL_OF_FAME_TEAM);
    return sound;
}

bool Is_Later_Franchise_Report(const std::string& text, int32_t built_year) {
    const std::string prefix = "Unrecognized team abbreviation: ";
    const size_t open = text.rfind(" (");
    if (text.rfind(prefix, 0) != 0 || open == std::string::npos || open <= prefix.size() ||
        text.back() != ')')
        return false;
    const std::string abbreviation = text.substr(prefix.size(), open - prefix.size());
    const std::string digits = text.substr(open + 2, text.size() - open - 3);
    if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int32_t year = std::atoi(digits.c_str());
    return year > built_year && Is_Abbreviation_Of_Year(abbreviation, year);
}

std::vector<std::string> Read_Build_Failures_Logged(int32_t built_year, int32_t* logged) {
    std::vector<std::string> failures;
    if (logged != nullptr) *logged = 0;
    std::ifstream in("debug.txt");
    std::string line;
    while (std::getline(in, line)) {
        // "<time> ERROR: <text>"; the further lines of a text that runs over
        // several follow its first without a stamp.
        const size_t mark = line.find(' ');
        if (mark == std::string::npos || line.compare(mark, 8, " ERROR: ") != 0) continue;
        const std::string text = line.substr(mark + 8);
        if (logged != nullptr) ++*logged;
        if (!Is_Later_Franchise_Report(text, built_year)) failures.push_back(text);
    }
    return failures;
}
