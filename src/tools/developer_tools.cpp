#include "tools/developer_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "engine/playbook_records.h"
#include "frontoffice/player_production.h"
#include "personnel/player_names.h"
#include "personnel/predicted_stats.h"
#include "platform/message_box.h"
#include "reports/ratings_export.h"
#include "tools/rating_from_stats.h"
#include "tools/ratings_rebuild.h"
#include "tools/season_database.h"
#include "tools/web_import.h"
#include "tools/young_player_ratings.h"

namespace {
constexpr const char* CAPTION = "Do_Special_Tool()";
constexpr int32_t LAST_HISTORICAL_YEAR = LAST_DATABASE_YEAR - 1;
constexpr int32_t LONG_PLAY_NAME = 28;
constexpr int32_t RATING_FLOOR = 65;
constexpr int32_t STAT_KICK_RETURN_RATING = 231;
constexpr int32_t STAT_PUNT_RETURN_RATING = 232;
constexpr int32_t STAT_KICK_RETURN_VALUE = 302;
constexpr int32_t STAT_PUNT_RETURN_VALUE = 303;
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t SALARY_BANDS = 9;
// The least salary, in millions, of each band from the lowest.
constexpr int32_t BAND_FLOORS[SALARY_BANDS] = {0, 2, 3, 5, 8, 10, 12, 15, 20};
const char* const BAND_HEADINGS = "$20M,$15M,$12M,$10M,$8M,$5M,$3M,$2M,$0M";

// The position rows of the payroll table: the fullbacks count with the
// running backs, the punters with the kickers.
struct PAYROLL_ROW {
    const char* Name;
    int32_t Positions[2];
};
const PAYROLL_ROW PAYROLL_ROWS[] = {
    {"QB", {POSITION_QB, -1}},       {"RB", {POSITION_RB, POSITION_FB}},
    {"TE", {POSITION_TE, -1}},       {"WR", {POSITION_WR, -1}},
    {"T", {POSITION_T, -1}},         {"G", {POSITION_G, -1}},
    {"C", {POSITION_C, -1}},         {"DE", {POSITION_DE, -1}},
    {"DT", {POSITION_DT, -1}},       {"LB", {POSITION_LB, -1}},
    {"CB", {POSITION_CB, -1}},       {"S", {POSITION_S, -1}},
    {"K", {POSITION_K, POSITION_P}},
};

// The ratings of Get_Player_Rating_Excess by position group.
const int32_t SKILL_RATINGS[] = {2, 3, 7, 8, 10, 11, 12};
const int32_t GROUP_RATINGS[4][4] = {{}, {15, 16, 8, 17}, {18, 19, 20, 22}, {23, 24, 25, 26}};

bool Load_Season_Database(int32_t year) {
    char name[64];
    snprintf(name, sizeof name, "databases/universe-%d.dat", year);
    return Load_Game(name) == 1;
}

void Step() {
    if (Is_Progress_Window_Open()) Step_Progress(1);
}

bool Is_Returner_Position(int32_t position) {
    return position == POSITION_RB || position == POSITION_FB || position == POSITION_TE ||
           position == POSITION_WR || position == POSITION_CB || position == POSITION_S;
}

int32_t Position(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

bool Is_Lineman(int32_t position) {
    return position == POSITION_T || position == POSITION_G || position == POSITION_C;
}

bool Is_Defender(int32_t position) {
    return position >= POSITION_DE && position <= POSITION_S;
}

// Rounded a / b, 0 over nothing.
int32_t Ratio(int64_t a, int64_t b) {
    return b == 0 ? 0 : static_cast<int32_t>((2 * a + (a >= 0 ? b : -b)) / (2 * b));
}

int32_t Salary_Band(int32_t salary_thousands) {
    const int32_t millions = salary_thousands / 1000;
    int32_t floor = 0;
    for (int32_t band : BAND_FLOORS)
        if (millions >= band) floor = band;
    return Get_Payroll_Group(floor);
}
} // namespace

int32_t Get_Replay_Season_Games(int32_t year) {
    if (year < 1961) return 12;
    if (year <= 1977) return 14;
    if (year <= 2020) return 16;
    return 17;
}

int32_t Export_Replay_Mode_Player_Ratings() {
    const bool opened = Open_Progress_Window("Export_Replay_Mode_Player_Ratings()",
                                             LAST_HISTORICAL_YEAR - FIRST_DATABASE_YEAR + 1) != 0;
    int32_t exported = 0;
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_HISTORICAL_YEAR; ++year) {
        // A year whose league does not load is left out: the league in the
        // block is still the year before's.
        if (!Load_Season_Database(year + 1)) {
            Log_Debug_Line("Export_Replay_Mode_Player_Ratings(): %d skipped", year);
            Step();
            continue;
        }
        // One file holds the year: the linemen as stored, then the others as
        // their last season rates them.
        Export_Player_Ratings_CSV(POSITION_T, year);
        const std::string path = Get_Player_Ratings_Path(year);
        for (int32_t position : {POSITION_G, POSITION_C})
            Append_Player_Ratings_Rows(path.c_str(), position);
        For_Each_League_Player([](int32_t team, int32_t slot) {
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                Set_Player_Stat(team, slot, SEASON_PREDICTED, stat,
                                Get_Player_Stat(team, slot, SEASON_LAST, stat));
        });
        Complete_All_Predicted_Stats(Get_Replay_Season_Games(year));
        Step();
        Set_All_Ratings_From_Stats();
        Fill_Missing_Player_Ratings();
        Normalize_Player_Ratings();
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            if (!Is_Lineman(position)) Append_Player_Ratings_Rows(path.c_str(), position);
        ++exported;
    }
    if (opened) Close_Progress_Window();
    Show_Formatted_Message(CAPTION, "Export_Replay_Mode_Player_Ratings(1951-2019) completed.");
    return exported;
}

int32_t Export_Every_Season_Player_Ratings() {
    int32_t exported = 0;
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        if (!Load_Season_Database(year)) continue;
        Export_Player_Ratings_CSV(RATINGS_ALL_POSITIONS, Get_Current_Year());
        ++exported;
    }
    Show_Formatted_Message(CAPTION, "Export_Every_Season_Player_Ratings() completed.");
    return exported;
}

int32_t Rebuild_Season_Databases() {
    int32_t rebuilt = 0;
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_HISTORICAL_YEAR; ++year) {
        // Saving after a failed load would write the year before's league
        // under this year's name.
        if (!Load_Season_Database(year)) continue;
        Adjust_Return_And_Production_Ratings();
        if (Save_Universe_Database(year) == SAVE_OK) ++rebuilt;
    }
    return rebuilt;
}

void Adjust_Return_And_Production_Ratings() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            Set_Player_Rating(
                team, slot, RATING_KICK_RETURNS,
                static_cast<float>(Get_Player_Stat(team, slot, SEASON_PREDICTED, STAT_KICK_RETURN_RATING)));
            Set_Player_Rating(
                team, slot, RATING_PUNT_RETURNS,
                static_cast<float>(Get_Player_Stat(team, slot, SEASON_PREDICTED, STAT_PUNT_RETURN_RATING)));
        },
        0, FREE_AGENT_TEAM);
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            int32_t target = Get_Player_Production_Value(team, slot, SEASON_PREDICTED);
            if (Is_Returner_Position(Position(team, slot))) {
                const int32_t returns = Get_Player_Stat(team, slot, SEASON_LAST, STAT_KICK_RETURN_VALUE) +
                                        Get_Player_Stat(team, slot, SEASON_LAST, STAT_PUNT_RETURN_VALUE);
                target += returns <= 100 ? returns / 2 : returns - 50;
            }
            Rescale_Player_Ratings(team, slot, static_cast<float>(target));
        },
        0, FREE_AGENT_TEAM);
    Adjust_Young_Player_Ratings();
}

int32_t Write_Fractions_Table() {
    const char* file = "Fractions.txt";
    Delete_File(file);
    Append_Line_To_File(file, " AVG  H-for-AB");
    int32_t lines = 0;
    for (int32_t average = 10; average <= 990; ++average) {
        auto rounds_to = [](int64_t hits, int64_t at_bats) { return Ratio(hits * 1000, at_bats); };
        for (int32_t at_bats = 1; at_bats <= 1000; ++at_bats) {
            const int32_t hits =
                static_cast<int32_t>(std::lround(static_cast<double>(average) * at_bats / 1000.0));
            if (hits < 0 || hits > at_bats || rounds_to(hits, at_bats) != average) continue;
            if (rounds_to(hits, at_bats + 1) != average && rounds_to(hits + 1, at_bats) != average) {
                Append_Formatted_Line_To_File(file, ".%03d   %d-for-%d", average, hits, at_bats);
                ++lines;
            }
            break;
        }
    }
    Append_Line_To_File(file, "");
    Append_Line_To_File(file, "ERA    ER    IP");
    // Earned-run averages in hundredths: 2,700 x earned runs over outs.
    for (int32_t era = 1; era <= 999; ++era)
        for (int32_t outs = 1; outs <= 2700; ++outs) {
            const int32_t runs = Ratio(static_cast<int64_t>(era) * outs, 2700);
            if (runs < 0 || Ratio(static_cast<int64_t>(runs) * 2700, outs) != era) continue;
            Append_Formatted_Line_To_File(file, "%d.%02d   %3d   %d.%d", era / 100, era % 100, runs, outs / 3,
                                          outs % 3);
            ++lines;
            break;
        }
    return lines;
}

int32_t Find_Long_Play_Names() {
    const char* file = "TooLong.txt";
    int32_t found = 0;
    for (int32_t team : {0, 4, 5, 6, 10, 22})
        for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play) {
            char name[PLAY_NAME_LENGTH + 1] = "";
            Get_Offensive_Play_Name(team, play, name, sizeof name);
            if (strlen(name) <= static_cast<size_t>(LONG_PLAY_NAME)) continue;
            Append_Formatted_Line_To_File(file, "\"%s\",", name);
            ++found;
        }
    return found;
}

int32_t Get_Player_Rating_Excess(int32_t team, int32_t slot) {
    const int32_t group = Get_Position_Group(Position(team, slot));
    auto excess = [&](int32_t rating) {
        const int32_t value =
            static_cast<int32_t>(Get_Rating_From_Season_Stats(team, slot, SEASON_LAST, rating));
        return value > RATING_FLOOR ? value - RATING_FLOOR : 0;
    };
    int32_t sum = 0;
    if (group == 0) {
        for (int32_t rating : SKILL_RATINGS)
            sum += excess(rating);
    } else if (group >= 1 && group <= 3) {
        for (int32_t rating : GROUP_RATINGS[group])
            sum += excess(rating);
    }
    return sum;
}

int32_t Get_Payroll_Group(int32_t index) {
    switch (index) {
    case 0:
        return 0;
    case 2:
        return 1;
    case 3:
        return 2;
    case 5:
        return 3;
    case 8:
        return 4;
    case 10:
        return 5;
    case 12:
        return 6;
    case 15:
        return 7;
    default:
        return 8;
    }
}

int32_t Write_Payroll_Analysis() {
    const char* file = "Gridiron-Salaries.csv";
    Delete_File(file);
    Append_Line_To_File(file,
                        "Team,Payroll ($M),Offense,Defense,Total Value,Offense Value,Defense Value,Offense "
                        "Ratings,Defense Ratings");
    const int32_t teams = Count_Active_Teams();
    int64_t sums[8] = {};
    int64_t position_money[std::size(PAYROLL_ROWS)] = {};
    int64_t position_value[std::size(PAYROLL_ROWS)] = {};
    int32_t position_players[std::size(PAYROLL_ROWS)] = {};
    int32_t bands[std::size(PAYROLL_ROWS)][SALARY_BANDS] = {};
    int64_t league_value = 0;
    for (int32_t team = 0; team < teams; ++team) {
        int64_t figures[8] = {Get_Team_Financial_Stat(team, FINANCE_PAYROLL) / 1000};
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t position = Position(team, slot);
            const bool offense = position <= POSITION_C;
            const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
            const int32_t value = Get_Player_Production_Value(team, slot, SEASON_LAST);
            figures[offense ? 1 : 2] += salary;
            figures[3] += value;
            figures[offense ? 4 : 5] += value;
            figures[offense ? 6 : 7] += Get_Player_Rating_Excess(team, slot);
            league_value += value;
            for (size_t row = 0; row < std::size(PAYROLL_ROWS); ++row)
                if (PAYROLL_ROWS[row].Positions[0] == position ||
                    PAYROLL_ROWS[row].Positions[1] == position) {
                    position_money[row] += salary;
                    position_value[row] += value;
                    ++position_players[row];
                    ++bands[row][Salary_Band(salary)];
                }
        }
        figures[1] /= 1000;
        figures[2] /= 1000;
        for (int32_t n = 0; n < 8; ++n)
            sums[n] += figures[n];
        char abbreviation[TEAM_STRING_LENGTH] = "";
        Get_Team_String(abbreviation, team, 0);
        Append_Formatted_Line_To_File(file, "%s,%d,%d,%d,%d,%d,%d,%d,%d", abbreviation,
                                      static_cast<int32_t>(figures[0]), static_cast<int32_t>(figures[1]),
                                      static_cast<int32_t>(figures[2]), static_cast<int32_t>(figures[3]),
                                      static_cast<int32_t>(figures[4]), static_cast<int32_t>(figures[5]),
                                      static_cast<int32_t>(figures[6]), static_cast<int32_t>(figures[7]));
    }
    int32_t averages[8];
    for (int32_t n = 0; n < 8; ++n)
        averages[n] = Ratio(sums[n], teams);
    Append_Formatted_Line_To_File(file, "AVERAGE,%d,%d,%d,%d,%d,%d,%d,%d", averages[0], averages[1],
                                  averages[2], averages[3], averages[4], averages[5], averages[6],
                                  averages[7]);
    Append_Line_To_File(file, "");
    Append_Formatted_Line_To_File(file,
                                  "Position,Players per Team,Total ($M),Percent,Ideal ($M),Per Player "
                                  "($M),Per Team ($M),%s",
                                  BAND_HEADINGS);
    int64_t total_money = 0;
    for (int64_t money : position_money)
        total_money += money;
    int32_t band_totals[SALARY_BANDS] = {};
    for (size_t row = 0; row < std::size(PAYROLL_ROWS); ++row) {
        // Per mille of the league's money and of its value; tenths of millions.
        const int32_t percent = Ratio(position_money[row] * 1000, total_money);
        const int32_t ideal = Ratio(position_value[row] * 1000, league_value);
        const int32_t per_player =
            Ratio(position_money[row], static_cast<int64_t>(position_players[row]) * 100);
        const int32_t per_team = Ratio(position_money[row], static_cast<int64_t>(teams) * 100);
        const int32_t* band = bands[row];
        for (int32_t n = 0; n < SALARY_BANDS; ++n)
            band_totals[n] += band[n];
        Append_Formatted_Line_To_File(
            file, "%s,%d,%d,%d.%d%%,%d.%d%%,%d.%d,%d.%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", PAYROLL_ROWS[row].Name,
            Ratio(position_players[row], teams), Ratio(position_money[row], 1000), percent / 10, percent % 10,
            ideal / 10, ideal % 10, per_player / 10, per_player % 10, per_team / 10, per_team % 10, band[8],
            band[7], band[6], band[5], band[4], band[3], band[2], band[1], band[0]);
    }
    Append_Formatted_Line_To_File(file, ",,,,,,TOTAL,%d,%d,%d,%d,%d,%d,%d,%d,%d", band_totals[8],
                                  band_totals[7], band_totals[6], band_totals[5], band_totals[4],
                                  band_totals[3], band_totals[2], band_totals[1], band_totals[0]);
    return teams;
}

// A season line's starts, by what its player does: the passes of a
// quarterback, the carries and catches of the backs and receivers, the
// tackles of a defender; linemen and kickers are taken to start every game.
void Estimate_Games_Started() {
    const int32_t last_year = Get_Universe_Stat(BASE_YEAR) - 1;
    For_Each_League_Player([last_year](int32_t team, int32_t slot) {
        const int32_t position = Position(team, slot);
        const int32_t group = Get_Position_Group(position);
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE) continue;
            const int32_t games = Get_Season_Line_Stat(line, 0);
            if (games <= 0 || Get_Season_Line_Stat(line, 1) >= 1) continue;
            int32_t starts = games;
            if (position == POSITION_QB)
                starts = Get_Season_Line_Stat(line, 2) / 25;
            else if (group == 0)
                starts = (Get_Season_Line_Stat(line, 7) + Get_Season_Line_Stat(line, 10)) / 10;
            else if (group == 2)
                starts = Get_Season_Line_Stat(line, 2) / 4;
            starts = std::clamp(starts, 0, games);
            Set_Season_Line_Stat(line, 1, starts);
            if (Get_Season_Line_Year(line) == last_year) Set_Player_Stat(team, slot, SEASON_LAST, 1, starts);
        }
    });
}

void Replace_Player_Names() {
    Set_User_Preference(92, Count_File_Lines("names\\first.txt"));
    Set_User_Preference(93, Count_File_Lines("names\\last.txt"));
    For_Each_League_Player(Set_Random_Player_Name);
}

void Set_Predicted_Position_Averages() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        const int32_t position = Position(team, slot);
        if (Is_Lineman(position))
            for (int32_t stat : {4, 7, 8, 10, 11})
                Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, Get_Average_Stat(position, stat));
        else if (Is_Defender(position))
            for (int32_t stat : {10, 11})
                Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, Get_Average_Stat(position, stat));
    });
}

// Each figure is the position's average over a season of full playing time
// scaled by the games and starts of last season: games + starts out of 34,
// against the figure's scale.
void Estimate_Lineman_Predicted_Stats() {
    constexpr struct {
        int32_t Stat;
        int32_t Scale;
    } FIGURES[] = {{4, 4500}, {8, 2500}, {10, 2500}, {11, 1500}};
    For_Each_League_Player([&FIGURES](int32_t team, int32_t slot) {
        const int32_t position = Position(team, slot);
        if (!Is_Lineman(position)) return;
        const int64_t time = static_cast<int64_t>(Get_Player_Stat(team, slot, SEASON_LAST, 0)) +
                             Get_Player_Stat(team, slot, SEASON_LAST, 1);
        for (const auto& figure : FIGURES)
            Set_Player_Stat(team, slot, SEASON_PREDICTED, figure.Stat,
                            Ratio(Get_Average_Stat(position, figure.Stat) * time * 100, figure.Scale));
    });
}

int32_t Check_Duplicate_Player_Names() {
    struct NAMED {
        std::string Name;
        int32_t Team;
    };
    std::vector<NAMED> players;
    For_Each_League_Player([&players](int32_t team, int32_t slot) {
        char name[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_Full_Name(team, slot, name);
        players.push_back({name, team});
    });
    int32_t pairs = 0;
    for (size_t a = 0; a < players.size(); ++a)
        for (size_t b = a + 1; b < players.size(); ++b) {
            if (strcasecmp(players[a].Name.c_str(), players[b].Name.c_str()) != 0) continue;
            char first[TEAM_STRING_LENGTH] = "", second[TEAM_STRING_LENGTH] = "";
            Get_Team_String(first, players[a].Team, 0);
            Get_Team_String(second, players[b].Team, 0);
            Report_System_Error("Duplicate player name found: %s (%s, %s)", players[a].Name.c_str(), first,
                                second);
            ++pairs;
        }
    return pairs;
}

void Download_Data_Prompt() {
    const int32_t year = Get_Current_Year();
    char text[256], first[64];
    snprintf(text, sizeof text,
             "This will: download missing player pages, parse downloaded data, create a %d roster file.",
             year);
    snprintf(first, sizeof first, "Create %d Roster File", year);
    const int answer =
        User_Message_Dialog("Download Football Data", text, first, "Download All Data", "Cancel");
    if (answer == ID_BOX_YES)
        Download_Season_Data(year);
    else if (answer == ID_BOX_NO)
        Download_All_Data();
}
