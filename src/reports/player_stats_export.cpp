#include "reports/player_stats_export.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "platform/text_encoding.h"
#include "reports/html_text.h"

namespace {
constexpr int32_t GAMES_STAT = 0;
constexpr int32_t PASSER_RATING = 100;
// The averages: yards a rush, a catch and a punt.
constexpr int32_t YARDS_PER_RUSH = 112;
constexpr int32_t YARDS_PER_CATCH = 113;
constexpr int32_t YARDS_PER_PUNT = 115;
constexpr int32_t SACKS_TENTHS = 143;
constexpr int32_t FIELD_GOALS_MADE = 121;
constexpr int32_t FIELD_GOALS_TRIED = 122;
constexpr int32_t FIELD_GOAL_RATE = 123; // per mille
constexpr int32_t NAME_KEY_BASE = 2793;
constexpr int32_t NO_NAMED_STAT = -1;

const char* const EXTENSIONS[NUMBER_OF_STATS_FORMATS] = {".xls", ".csv", ".txt", ".htm"};
const char* const CATEGORY_NAMES[NUMBER_OF_STATS_CATEGORIES] = {"Offense", "Defense", "Kicking"};

const char* const SORT_NAMES[NUMBER_OF_STATS_CATEGORIES][STATS_SORT_CHOICES] = {
    {"Games", "Games Started", "Pass Attempts", "Completions", "INT Thrown", "Pass Yards", "Pass TDs",
     "Rushes", "Rush Yards", "Rush TDs", "Receptions", "Receiving Yards", "Receiving TDs", "Fumbles Lost",
     "Returns", "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Tackles", "Assists", "Sacks", "Fumbles Forced", "Knockdowns", "Interceptions",
     "Touchdowns", "", "", "", "", "", "Returns", "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Punts", "Punt Yards", "Longest Punt", "PAT Attempts", "PAT",
     "Field Goals <30", "FG Attempts <30", "Field Goals 30-39", "FG Attempts 30-39", "Field Goals 40-49",
     "FG Attempts 40-49", "Field Goals 50+", "FG Attempts 50+", "Longest Field Goal", ""}};

// The kickers' statistics are kept in another order than their names are
// listed: the statistic each name stands for.
constexpr int32_t KICKING_SORT_STATS[STATS_SORT_CHOICES] = {0,  1,  2,  3,  5,  8,  9,  11,           10,
                                                            13, 12, 15, 14, 17, 16, 18, NO_NAMED_STAT};
// A player's kick and punt returns together: returns, yards, touchdowns.
constexpr int32_t RETURNS_STATS[3] = {140, 141, 142};
constexpr int32_t DEFENSIVE_TOUCHDOWNS = 9;

const char* const HEADINGS[NUMBER_OF_STATS_CATEGORIES][17] = {
    {"Offense", "Team", "G", "Att", "Com", "Yards", "TD", "Rating", "Rush", "Yards", "Avg", "TD", "Rec",
     "Yards", "Avg", "TD", "Fum"},
    {"Defense", "Team", "G", "Tckl", "Ast", "Sack", "FF", "KD", "Int", "TD", "Ret", "RetYd"},
    {"Kicking", "Team", "G", "FGM", "FGA", "FG%", "XPM", "XPA", "Punt", "Avg"}};
constexpr int32_t CELL_COUNTS[NUMBER_OF_STATS_CATEGORIES] = {17, 12, 10};

// The text and page layout: the name left-aligned in 24 columns, then each
// cell right-aligned after a blank, at least this wide ("%-24s %4s %4s ...").
constexpr int32_t TEXT_WIDTHS[NUMBER_OF_STATS_CATEGORIES][17] = {
    {24, 4, 4, 5, 5, 4, 3, 3, 3, 4, 4, 4, 3, 4, 4, 5, 5},
    {24, 4, 6, 5, 4, 3, 3, 3, 3, 4, 4, 5},
    {24, 4, 4, 5, 5, 5, 4, 4, 5, 4}};

bool Is_Category(int32_t category) {
    return category >= 0 && category < NUMBER_OF_STATS_CATEGORIES;
}

int32_t Player_Group(int32_t team, int32_t slot) {
    return Get_Position_Group(Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
}

// The players of a category: the skill players for offence, the defenders
// for defence, kickers and punters for kicking.
bool Is_Category_Player(int32_t team, int32_t slot, int32_t category) {
    static constexpr int32_t GROUPS[NUMBER_OF_STATS_CATEGORIES] = {0, 2, 3};
    return Is_Category(category) && Player_Group(team, slot) == GROUPS[category];
}

std::string Tenths(int32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value / 10.0);
    return text;
}

// An average in tenths, rounded once from the player's totals to the
// nearest on either side of 0 (3 rushes for -2 yards: "-0.7"), as the
// encyclopedia and the card round it; "0.0" without a count.
std::string Average_Tenths(int32_t team, int32_t slot, int32_t period, int32_t code) {
    return Tenths(Get_Player_Average(team, slot, period, code, 10));
}

// A cell of text without the characters that would split it in the format.
// A page's cell keeps one column for each character it shows: a character
// the page cannot show becomes a blank; the page's references are written
// once the line is laid out (Join_Cells).
std::string Clean_Cell(std::string text, int32_t format) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (format == STATS_FORMAT_COMMA && (c == ',' || c == '"')) c = ' ';
        if (format == STATS_FORMAT_TAB && c == '\t') c = ' ';
        if (byte < 0x20) c = ' ';
        if (format == STATS_FORMAT_HTML && (byte == 0x7F || (byte >= 0x80 && Windows_1252_Letter(byte) == 0)))
            c = ' ';
    }
    return text;
}

std::vector<std::string> Player_Cells(int32_t team, int32_t slot, int32_t period, int32_t category,
                                      int32_t format) {
    const auto S = [team, slot, period](int32_t stat) { return Get_Player_Stat(team, slot, period, stat); };
    // The figure a sort name stands for, in the player's own position.
    const auto Named = [team, slot, period, category](int32_t choice) {
        return Format_Stats_Named_Figure(team, slot, period, category, choice);
    };
    char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "",
         name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    Get_Player_Full_Name(team, slot, name);
    char abbreviation[FORMATTED_TEXT_SIZE] = "";
    Get_Team_String(abbreviation, team, 0);
    std::vector<std::string> cells;
    cells.push_back(format == STATS_FORMAT_COMMA ? Clean_Cell(last, format) + "," + Clean_Cell(first, format)
                                                 : Clean_Cell(name, format));
    cells.push_back(Clean_Cell(abbreviation, format));
    cells.push_back(Named(GAMES_STAT));
    switch (category) {
    case STATS_OFFENSE: {
        // Att, Com, Yards, TD: pass attempts, completions, pass yards, pass touchdowns.
        for (const int32_t choice : {2, 3, 5, 6})
            cells.push_back(Named(choice));
        // Only a quarterback's passing line is kept, so only he has a rating.
        const bool passer =
            Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) == POSITION_QB;
        cells.push_back(std::to_string(passer ? Mul_Div_Round(S(PASSER_RATING), 1, 10) : 0));
        cells.push_back(Named(7));
        cells.push_back(Named(8));
        cells.push_back(Average_Tenths(team, slot, period, YARDS_PER_RUSH));
        cells.push_back(Named(9));
        cells.push_back(Named(10));
        cells.push_back(Named(11));
        cells.push_back(Average_Tenths(team, slot, period, YARDS_PER_CATCH));
        cells.push_back(Named(12));
        cells.push_back(Named(13));
        break;
    }
    case STATS_DEFENSE:
        // Tckl, Ast, Sack, FF, KD, Int, TD, Ret, RetYd.
        for (const int32_t choice : {2, 3, 4, 5, 6, 7, 8, 14, 15})
            cells.push_back(Named(choice));
        break;
    default:
        cells.push_back(std::to_string(S(FIELD_GOALS_MADE)));
        cells.push_back(std::to_string(S(FIELD_GOALS_TRIED)));
        cells.push_back(Tenths(S(FIELD_GOAL_RATE)));
        // XPM, XPA, Punt: extra points made and tried, punts.
        for (const int32_t choice : {6, 5, 2})
            cells.push_back(Named(choice));
        cells.push_back(Average_Tenths(team, slot, period, YARDS_PER_PUNT));
        break;
    }
    return cells;
}

std::string Join_Cells(const std::vector<std::string>& cells, int32_t category, int32_t format) {
    std::string line;
    if (format == STATS_FORMAT_TAB || format == STATS_FORMAT_COMMA) {
        for (size_t n = 0; n < cells.size(); ++n) {
            line += cells[n];
            if (format == STATS_FORMAT_TAB)
                line += '\t';
            else if (n + 1 < cells.size())
                line += ',';
        }
        line += '\n';
    } else {
        // A column is as wide as its heading where the heading is the wider
        // ("Rating" over passer ratings of three places), so every figure
        // ends under the end of its heading.
        for (int32_t n = 0; n < CELL_COUNTS[category]; ++n) {
            const std::string cell = n < static_cast<int32_t>(cells.size()) ? cells[n] : "";
            const size_t width =
                std::max<size_t>(TEXT_WIDTHS[category][n], std::strlen(HEADINGS[category][n]));
            const std::string pad(cell.size() < width ? width - cell.size() : 0, ' ');
            line += n == 0 ? cell + pad : " " + pad + cell;
        }
        line += '\n';
    }
    if (line.size() > static_cast<size_t>(STATS_LINE_LIMIT)) line.resize(STATS_LINE_LIMIT);
    // A page's line is laid out by the characters it shows, then written
    // with its references, so a name such as "J&#246;rg" or "A&amp;M" takes
    // the columns it shows and every figure stays under its heading.
    if (format == STATS_FORMAT_HTML) {
        const bool ended = !line.empty() && line.back() == '\n';
        if (ended) line.pop_back();
        line = Escape_HTML_Text(line.c_str()) + (ended ? "\n" : "");
    }
    return line;
}

std::string Title(int32_t choice, int32_t period, int32_t category) {
    char nickname[FORMATTED_TEXT_SIZE] = "";
    if (choice >= 0 && choice < Count_Active_Teams()) Get_Team_String(nickname, choice, 2);
    return Get_Stats_Period_Label(period) + " " + nickname + " " + CATEGORY_NAMES[category];
}

bool Write_Text(FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}
} // namespace

const char* Get_Stats_File_Extension(int32_t format) {
    return format >= 0 && format < NUMBER_OF_STATS_FORMATS ? EXTENSIONS[format] : "";
}

const char* Get_Stats_Sort_Name(int32_t category, int32_t stat) {
    if (!Is_Category(category) || stat < 0 || stat >= STATS_SORT_CHOICES) return "";
    return SORT_NAMES[category][stat];
}

int32_t Get_Stats_Named_Statistic(int32_t category, int32_t choice, int32_t position) {
    if (!Is_Category(category) || choice < 0 || choice >= STATS_SORT_CHOICES) return NO_NAMED_STAT;
    // Games and games started: every position keeps them.
    if (choice < 2) return choice;
    position = Translate_Expanded_Position(position);
    const int32_t group = Get_Position_Group(position);
    const bool passer = position == POSITION_QB;
    switch (category) {
    case STATS_OFFENSE:
        if (group != 0) return NO_NAMED_STAT;
        // The passing names: only a quarterback's line keeps passing (the
        // other skill players keep fumbles, targets, first downs and yards
        // after the catch there).
        if (choice <= 6) return passer ? choice : NO_NAMED_STAT;
        // Rushing, receiving and fumbles lost: the same for every skill player.
        if (choice <= 13) return choice;
        // A quarterback's 14 and 15 are his sacks; the others' returns are
        // their kick and punt returns together.
        return passer ? NO_NAMED_STAT : RETURNS_STATS[choice - 14];
    case STATS_DEFENSE:
        if (group != 2) return NO_NAMED_STAT;
        if (choice <= 7) return choice;
        // A defender's fumble recoveries are his 8; his touchdowns his 9.
        if (choice == 8) return DEFENSIVE_TOUCHDOWNS;
        return choice >= 14 ? RETURNS_STATS[choice - 14] : NO_NAMED_STAT;
    default:
        return group == 3 ? KICKING_SORT_STATS[choice] : NO_NAMED_STAT;
    }
}

int32_t Get_Stats_Named_Figure(int32_t team, int32_t slot, int32_t period, int32_t category, int32_t choice) {
    const int32_t stat =
        Get_Stats_Named_Statistic(category, choice, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    return stat == NO_NAMED_STAT ? 0 : Get_Player_Stat(team, slot, period, stat);
}

std::string Format_Stats_Named_Figure(int32_t team, int32_t slot, int32_t period, int32_t category,
                                      int32_t choice) {
    const int32_t stat =
        Get_Stats_Named_Statistic(category, choice, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (stat == NO_NAMED_STAT) return "0";
    // A defender's sacks are kept in halves: shown with their tenth.
    if (category == STATS_DEFENSE && stat == 4)
        return Tenths(Get_Player_Stat(team, slot, period, SACKS_TENTHS));
    return std::to_string(Get_Player_Stat(team, slot, period, stat));
}

const char* Get_Stats_Column_Heading(int32_t category, int32_t column) {
    if (!Is_Category(category) || column < 0 || column >= CELL_COUNTS[category]) return "";
    return HEADINGS[category][column];
}

int32_t Get_Stats_Cell_Count(int32_t category) {
    return Is_Category(category) ? CELL_COUNTS[category] : 0;
}

std::string Get_Stats_Period_Label(int32_t period) {
    switch (period) {
    case SEASON_THIS:
        return std::to_string(Get_Current_Year());
    case SEASON_LAST:
        return std::to_string(Get_Current_Year() - 1);
    case SEASON_CAREER:
        return "Career";
    default:
        return "Predicted";
    }
}

bool Is_Player_In_Stats_Choice(int32_t team, int32_t choice) {
    const int32_t teams = Count_Active_Teams();
    if (team < 0 || team >= MAX_FRANCHISES || !Is_Active_Team(team)) return false;
    if (choice >= 0 && choice < teams) return team == choice;
    const int32_t leagues = Count_Leagues();
    if (choice >= teams && choice < teams + leagues) return Get_Team_Division(team) / 4 == choice - teams;
    return choice == teams + leagues;
}

bool Get_Stats_Sort_Key(int32_t team, int32_t slot, int32_t choice, int32_t period, int32_t category,
                        int32_t sort, int32_t* key) {
    if (key == nullptr || !Is_Player_Slot_Used(team, slot) || !Is_Player_In_Stats_Choice(team, choice))
        return false;
    if (Get_Player_Stat(team, slot, period, GAMES_STAT) == 0) return false;
    if (sort == SORT_BY_NAME) {
        char last[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_Last_Name(team, slot, last);
        const auto c0 = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(last[0])));
        const auto c1 = static_cast<unsigned char>(last[0] != '\0' ? last[1] : 0);
        const auto c2 = static_cast<unsigned char>(c1 != 0 ? last[2] : 0);
        *key = (NAME_KEY_BASE - 30 * c0 - c1) * 30 - c2;
    } else if (sort == SORT_BY_TEAM) {
        *key = team;
    } else {
        *key = Get_Stats_Named_Figure(team, slot, period, category, sort);
    }
    return true;
}

std::string Format_Player_Stats_Line(int32_t team, int32_t slot, int32_t period, int32_t category,
                                     int32_t format) {
    if (!Is_Category(category)) return "";
    if (slot < 0) {
        std::vector<std::string> cells;
        cells.push_back(format == STATS_FORMAT_COMMA
                            ? std::string("Last,First")
                            : Get_Stats_Period_Label(period) + " " + CATEGORY_NAMES[category]);
        for (int32_t column = 1; column < CELL_COUNTS[category]; ++column)
            cells.push_back(HEADINGS[category][column]);
        return Join_Cells(cells, category, format);
    }
    return Join_Cells(Player_Cells(team, slot, period, category, format), category, format);
}

int32_t Write_Player_Stats_File(const char* path, int32_t choice, int32_t period, int32_t category,
                                int32_t sort, int32_t format) {
    if (path == nullptr || path[0] == '\0' || !Is_Category(category) || format < 0 ||
        format >= NUMBER_OF_STATS_FORMATS)
        return 0;
    Create_File_Folder(path);
    FILE* file = Open_Resolved_File(path, "wb");
    if (file == nullptr) return 0;
    bool written = true;
    const std::string title = Escape_HTML_Text(Title(choice, period, category).c_str());
    if (format == STATS_FORMAT_HTML)
        written &= Write_Text(file, "<HTML>\n<HEAD><TITLE>" + title +
                                        "</TITLE></HEAD>\n\n<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#008000\" "
                                        "LINK=\"#80FF00\" VLINK=\"#60BF00\">\n<CENTER><H1>" +
                                        title + "</CENTER></H1>\n<PRE>\n");
    written &= Write_Text(file, Format_Player_Stats_Line(0, -1, period, category, format));

    // Highest value first; equal values keep team-then-slot order.
    struct RANKED {
        int32_t Key;
        int32_t Team;
        int32_t Slot;
    };
    std::vector<RANKED> ranked;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t key = 0;
            if (Is_Category_Player(team, slot, category) &&
                Get_Stats_Sort_Key(team, slot, choice, period, category, sort, &key))
                ranked.push_back({key, team, slot});
        }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RANKED& a, const RANKED& b) { return a.Key > b.Key; });
    for (const RANKED& player : ranked)
        written &=
            Write_Text(file, Format_Player_Stats_Line(player.Team, player.Slot, period, category, format));

    if (format == STATS_FORMAT_HTML)
        written &= Write_Text(file, "</PRE>\n<P>\n<CENTER><H5>\n</CENTER></H5>\n</BODY>\n</HTML>\n");
    written &= std::fclose(file) == 0;
    return written ? 1 : 0;
}
