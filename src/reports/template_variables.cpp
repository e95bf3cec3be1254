#include "reports/template_variables.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/diagnostics.h"
#include "app/drawing_primitives.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/roster_queries.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "dialogs/player_texts.h"
#include "frontoffice/fan_support.h"
#include "platform/string_warnings.h"
#include "reports/encyclopedia_export.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "reports/template_variables_internal.h"
#include "reports/top_ten_lists.h"

namespace {
constexpr size_t VARIABLE_HEAD = 9; // "<gdk:var" and its separator
constexpr int32_t YEARLY_FINISH_CODE = 3;
constexpr int32_t YEARLY_DIVISION_PLACE = 1;
constexpr int32_t PLAYOFF_FINISH = 4;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t SCHEDULE_WEEKS_SHOWN = 22;
constexpr int32_t FIRST_PAST_RESULT_SLOT = 24;

const char* const CATEGORY_CAPTIONS[NUMBER_OF_STAT_CATEGORIES] = {
    "Games",    "Completions", "Attempts", "Comp %",   "Pass Yds", "Yds/Att.",       "Pass TD",
    "Int",      "Rushes",      "Rush Yds", "Yds/Rush", "Rush TD",  "Recepts",        "Rec. Yds",
    "Yds/Rec.", "Rec. TD",     "Tackles",  "Int",      "Sacks",    "Fumbles Forced", "Fumbles Rec.",
    "FG Made",  "FG Att.",     "FG %",     "PAT %",    "Yds/Punt"};

struct STAT_CATEGORY_ENTRY {
    int32_t Group;
    int32_t Stat;
    int32_t Category;
};
constexpr STAT_CATEGORY_ENTRY STAT_CATEGORIES[] = {
    {0, 3, 1},    {0, 2, 2},    {0, 101, 3},  {0, 5, 4},    {0, 103, 5}, {0, 6, 6},   {0, 4, 7},
    {0, 7, 8},    {0, 8, 9},    {0, 112, 10}, {0, 9, 11},   {0, 10, 12}, {0, 11, 13}, {0, 113, 14},
    {0, 12, 15},  {1, 2, 16},   {1, 7, 17},   {1, 143, 18}, {1, 5, 19},  {1, 8, 20},  {2, 121, 21},
    {2, 122, 22}, {2, 123, 23}, {2, 120, 24}, {2, 115, 25}};

const char* const MONTH_NAMES[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

const char* const POSITION_LIST_NAMES[] = {"Quarterbacks",   "Running Backs",  "Wide Receivers", "Tight Ends",
                                           "Offensive Line", "Defensive Line", "Kickers",        "Punters"};

bool Is_Team_Code(int32_t team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}

int32_t Season_Year(int32_t seasons_back) {
    return Get_Encyclopedia_Year(seasons_back);
}

int32_t Season_Index(int32_t seasons_back) {
    return Get_User_Preference(CURRENT_SEASON_INDEX) - seasons_back;
}

int32_t Regular_Weeks() {
    return std::max(2, static_cast<int32_t>(Universe.Season_Length));
}

int32_t Player_Position(int32_t team, int32_t slot) {
    return Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

// Yearly wins, losses or ties; a season outside the history reports itself and gives 0.
std::string Team_Yearly(int32_t team, int32_t seasons_back, int32_t field) {
    if (!Is_Team_Code(team)) return "";
    return std::to_string(Get_Team_Yearly_Char(team, Season_Index(seasons_back), field));
}

// A playoff side: team link, name, "</a> " and the score (or W, L).
std::string Playoff_Side(int32_t team, const std::string& score) {
    return Open_Link("./", "teams/", Get_Team_Page_Name(team)) + Team_Full_Name_Text(team) + "</a> " + score;
}

std::string Join_Result(const std::string& first, const std::string& second, bool first_won) {
    if (first_won) return "<b>" + first + ", </b>" + second;
    return first + ", <b>" + second + "</b>";
}

std::string Playoff_Game_Text(int32_t slot, int32_t seasons_back) {
    if (seasons_back == 0) {
        if (slot < 0 || slot + 1 >= PLAYOFF_BRACKET_SLOTS) return "Not played yet";
        const int32_t first = Get_Playoff_Team(slot);
        const int32_t second = Get_Playoff_Team(slot + 1);
        const int32_t first_score = Get_Playoff_Score(slot);
        const int32_t second_score = Get_Playoff_Score(slot + 1);
        if (first < 0 || second < 0 || first >= TOTAL_NUMBER_OF_TEAMS || second >= TOTAL_NUMBER_OF_TEAMS ||
            (first_score == 0 && second_score == 0))
            return "Not played yet";
        return Join_Result(Playoff_Side(first, std::to_string(first_score)),
                           Playoff_Side(second, std::to_string(second_score)), first_score > second_score);
    }
    if (slot < FIRST_PAST_RESULT_SLOT) return "Result not available";
    const int32_t winner = Get_Season_Finish_Team(slot, 1, seasons_back);
    const int32_t loser = Get_Season_Finish_Team(slot, 0, seasons_back);
    if (!Is_Team_Code(winner) || !Is_Team_Code(loser)) return "Result not available";
    return Join_Result(Playoff_Side(winner, "W"), Playoff_Side(loser, "L"), true);
}

// The finish code of the season, without leaving the division place it
// stores for the current season behind: the export reads the league only.
int32_t Current_Finish_Code(int32_t team) {
    const int32_t season = Get_Finished_Season_Index();
    const bool kept = Is_Franchise_Slot(team) && season >= 0 && season < NUMBER_OF_HISTORY_SEASONS;
    const int32_t place = kept ? Get_Team_Yearly_Char(team, season, YEARLY_DIVISION_PLACE) : 0;
    const int32_t code = Record_Team_Division_Finish(team);
    if (kept) Set_Team_Yearly_Char(team, season, YEARLY_DIVISION_PLACE, place);
    return code;
}

std::string Playoff_Star(int32_t team, int32_t seasons_back) {
    if (!Is_Franchise_Slot(team)) return "";
    int32_t code = 0;
    if (seasons_back == 0) {
        if (Get_User_Preference(CURRENT_WEEK) < Regular_Weeks()) return "";
        code = Current_Finish_Code(team);
    } else {
        int32_t season = Season_Index(seasons_back);
        if (Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK) --season;
        if (season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) return "";
        code = Get_Team_Yearly_Int(team, season, YEARLY_FINISH_CODE);
    }
    return code >= PLAYOFF_FINISH ? "*" : "";
}

// A playoff week is named by the bracket round its games were played in, so
// a bracket that plays no first round (eight teams) or only the leagues'
// title games (two leagues apart) names its weeks by what they hold. A week
// of the post-season without games is said to have none.
std::string Playoff_Week_Name(int32_t week, const char* name) {
    static const char* const ROUND_NAMES[PLAYOFF_ROUNDS] = {"Wildcard Games", "Divisional Playoff",
                                                            "Championship Games", "Super Bowl"};
    if (week < Regular_Weeks() || week >= SCHEDULE_WEEKS_SHOWN) return name;
    const int32_t round = Get_Playoff_Week_Round(week);
    return round >= 0 ? ROUND_NAMES[round] : "No Playoff Games";
}

// The player with the highest value of `stat` in one of his season lines
// of that year with the team.
std::string Team_Offense_Leader(int32_t stat, int32_t team, int32_t seasons_back) {
    const int32_t year = Season_Year(seasons_back);
    const int32_t category = Get_Stat_Category(0, stat);
    const bool stored = stat >= 0 && stat < NUMBER_OF_SEASON_LINE_STATS;
    int32_t best = 0;
    int32_t best_team = -1;
    int32_t best_slot = -1;
    for (int32_t member = 0; stored && member <= FREE_AGENT_TEAM; ++member) {
        const int32_t slots = std::min(Count_Team_Unit_Players(member, 0), PLAYERS_PER_TEAM);
        for (int32_t slot = 0; slot < slots; ++slot) {
            if (!Is_Player_Slot_Used(member, slot)) continue;
            if (!Does_Position_Show_Category(Player_Position(member, slot), category)) continue;
            for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link) {
                const int32_t line = Get_Player_Season_Line(member, slot, link);
                if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) != year ||
                    Get_Season_Line_Team(line) != team)
                    continue;
                const int32_t value = Get_Season_Line_Stat(line, stat);
                if (value > best) {
                    best = value;
                    best_team = member;
                    best_slot = slot;
                }
            }
        }
    }
    if (best_team >= 0) return Player_Full_Name_Text(best_team, best_slot);
    return seasons_back != 0 ? "Retired" : "No leader";
}

std::string Team_Totals_Text(int32_t team, int32_t category, int32_t stat) {
    if (!Is_Team_Code(team)) return "";
    const int32_t value = Get_Team_Side_Totals_Stat(team, category, stat);
    // The same figures of the offence and of its opponents; the defence's
    // sacks are counted in tenths too.
    if (stat == 103 || (category == 4 && stat == 143)) return Format_Number("%.1f", value / 10.0);
    if (stat == 112) return Format_Number("%.2f", value / 100.0);
    return std::to_string(value);
}

std::string Points_Rank(int32_t team, bool scored) {
    if (!Is_Team_Code(team)) return "";
    return std::to_string(1 + Count_Teams_With_Better_Points(team, scored ? 1 : 0));
}

const GAME_RECORD* Week_Game(int32_t week, int32_t team) {
    if (!Is_Team_Code(team) || week < 0 || week >= SCHEDULE_WEEKS_SHOWN) return nullptr;
    return Find_Team_Week_Game(week, team);
}

std::string Game_Result_Letter(int32_t week, int32_t team) {
    const GAME_RECORD* game = Week_Game(week, team);
    if (game == nullptr) return "";
    const int32_t side = game->Team[1] == team ? 1 : 0;
    const int32_t own = game->Score[side];
    const int32_t other = game->Score[1 - side];
    if (own > other) return "W";
    if (own < other) return "L";
    if (Is_Template_Game_Over(game)) return "T";
    return side == 1 ? "W" : "L";
}

std::string Player_Stat_Cell(int32_t stat, int32_t slot, int32_t team, int32_t season, int32_t group) {
    if (!Is_Player_Slot_Used(team, slot)) return "";
    if (!Does_Position_Show_Category(Player_Position(team, slot), Get_Stat_Category(group, stat))) return "";
    std::string text;
    if (Get_Player_Average_Scale(stat) != 0) {
        // An average is rounded once from its totals, to the tenth it shows
        // (a whole number from 100 up), as Print Stats and the card round it.
        const int32_t tenths = Get_Player_Average(team, slot, season, stat, 10);
        text = tenths < 1000 ? Format_Number("%.1f", tenths / 10.0)
                             : std::to_string(Get_Player_Average(team, slot, season, stat, 1));
    } else if (stat == 101 || stat == 120 || stat == 123 || stat == 143) {
        // Rates in per mille and sacks in tenths: kept in the tenth they show.
        const double shown = Get_Player_Stat(team, slot, season, stat) / 10.0;
        text = Format_Number(shown < 100.0 ? "%.1f" : "%.0f", shown);
    } else {
        text = std::to_string(Get_Player_Stat(team, slot, season, stat));
    }
    return "<td align=\"center\">" + text + "</td>";
}

std::string Table_Stat_Captions(int32_t slot, int32_t team, int32_t position) {
    if (team >= 0 && slot >= 0) {
        if (!Is_Player_Slot_Used(team, slot)) return "";
        position = Player_Position(team, slot);
    }
    // The offensive line shows the captions of its tackles (only "Games", as
    // every lineman); the defensive unit is no position and shows "Games" alone.
    if (position == ANY_LINEMAN_POSITION) position = POSITION_T;
    std::string cells;
    for (int32_t category = 0; category < NUMBER_OF_STAT_CATEGORIES; ++category)
        if (Does_Position_Show_Category(position, category))
            cells += std::string("<td align=\"center\">") + CATEGORY_CAPTIONS[category] + "</td>";
    return cells;
}

std::string Player_Vital_Text(int32_t stat, int32_t slot, int32_t team) {
    if (!Is_Player_Slot_Used(team, slot)) return "";
    switch (stat) {
    case VITAL_POSITION: {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Position_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), name);
        return Escape_HTML_Text(name);
    }
    case VITAL_HEIGHT: {
        const int32_t inches = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
        return Format_Number("%d-%d", inches / 12, inches % 12);
    }
    case VITAL_FORTY_TIME: {
        const int32_t hundredths = Get_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME);
        if (hundredths < 390 || hundredths > 700) Set_Player_Forty_Time(team, slot);
        return Format_Number("%2.2f", Get_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME) / 100.0);
    }
    case VITAL_BIRTH_DATE: {
        const int32_t date = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
        return Format_Number("%d/%d/%d", date / 100 % 100, date % 100, date / 10000);
    }
    default:
        return std::to_string(Get_Player_Vital_Stat(team, slot, stat));
    }
}

std::string Player_Line_Team(int32_t slot, int32_t team, int32_t season) {
    if (season < FIRST_SEASON_LINE_SELECTOR || !Is_Player_Slot_Used(team, slot)) return "";
    const int32_t line = Get_Player_Season_Line(team, slot, season - FIRST_SEASON_LINE_SELECTOR);
    if (line == NO_SEASON_LINE) return "";
    const int32_t line_team = Get_Season_Line_Team(line);
    if (line_team >= 0 && line_team < MAX_FRANCHISES) return Team_Abbreviation_Text(line_team);
    switch (Get_Season_Line_Kind(line)) {
    case -4:
        return "FR";
    case -3:
        return "SO";
    case -2:
        return "JR";
    case -1:
        return "SR";
    default:
        return "";
    }
}

std::string Player_Line_Team_Link(int32_t slot, int32_t team, int32_t season) {
    if (season < FIRST_SEASON_LINE_SELECTOR || !Is_Player_Slot_Used(team, slot)) return "";
    const int32_t line = Get_Player_Season_Line(team, slot, season - FIRST_SEASON_LINE_SELECTOR);
    if (line == NO_SEASON_LINE) return "";
    return Team_Page_Link(Get_Season_Line_Team(line), 1);
}

std::string Leader_Entry_Text(int32_t count, int32_t field) {
    if (count < 0 || count >= 10) return "";
    const TOP_TEN_ENTRY& entry = Get_Template_Leader_List().Entries[count];
    if (entry.Value == 0) return "";
    switch (field) {
    case 0: {
        char name[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_Last_First_Name(entry.Team, entry.Slot, name);
        return Escape_HTML_Text(name);
    }
    case 1:
        return Team_Abbreviation_Text(entry.Team);
    case 2:
        return std::to_string(entry.Value);
    default:
        return entry.Second != 0 ? Format_Number("(%d)", entry.Second) : "";
    }
}

std::string Leader_Link(int32_t count, int32_t type, bool team_link) {
    if (count < 0 || count >= 10) return "";
    const TOP_TEN_ENTRY& entry = Get_Template_Leader_List().Entries[count];
    if (entry.Value == 0) return "";
    return team_link ? Team_Page_Link(entry.Team, type) : Player_Page_Link(entry.Team, entry.Slot, type);
}

std::string League_Leaders_Link(int32_t league, int32_t seasons_back, int32_t type) {
    int32_t kind = seasons_back;
    if (type == 1 && (seasons_back == -1 || seasons_back == -2)) kind = seasons_back == -1 ? -2 : -1;
    const std::string page = Get_Leaders_Page_Name(league, kind);
    if (page.empty()) return "";
    return "<a href=\"" + Encode_Link_Path(page) + "\">";
}

std::string Most_Recent_Leaders_Link(int32_t type) {
    const std::string page = Encode_Link_Path(Get_Leaders_Page_Name(BOTH_LEAGUES, 0));
    if (type == 0) return "<a href=\"leagueleaders/" + page + "\">";
    if (type == 1) return "<a href=\"../leagueleaders/" + page + "\">";
    return "<a href=\"" + page + "\">";
}

std::string Option(const std::string& value, const std::string& text) {
    return "<option value=\"" + value + "\">" + text + "</option>\n";
}

std::string Select_List(int32_t type) {
    static const char* const NAMES[] = {
        "",        "week",       "season_year", "leaders_year", "alltime_team", "season_team",
        "leaders", "player_pos", "player_name", "player_team"};
    if (type < 1 || type > 9) return "";
    std::string out = std::string("<select onChange='OnChange(this)' name=\"") + NAMES[type] + "\">\n";
    out += "<option value=\"-100\" selected></option>";
    const int32_t current = Get_Encyclopedia_Year(0);
    const int32_t seasons = std::clamp(Get_User_Preference(CURRENT_SEASON_INDEX), 0, 99) + 1;
    switch (type) {
    case 1: {
        const int32_t last = Count_Encyclopedia_Weeks();
        for (int32_t week = 1; week <= last; ++week)
            out += Option(week == last ? "-1" : std::to_string(week), Format_Number("Week %d", week));
        break;
    }
    case 2:
        out += "<option value=\"-1\">\n" + std::to_string(current) + "</option>\n";
        for (int32_t back = 1; back < seasons; ++back)
            out += Option(std::to_string(current - back), std::to_string(current - back));
        break;
    case 3:
        for (int32_t back = 0; back < seasons; ++back)
            out += "<option value=\"" + std::to_string(current - back) + "\" >" +
                   std::to_string(current - back) + "</option>\n";
        break;
    case 4:
    case 5:
    case 9:
        for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
            if (!Is_Encyclopedia_Team(team)) continue;
            char name[FORMATTED_TEXT_SIZE] = "";
            Get_Team_Full_Name(team, name);
            std::string value = Get_Team_File_Stem(team);
            STRING_PREPEND_WARNING_OFF
            if (type == 5) value += " " + std::to_string(current);
            STRING_PREPEND_WARNING_ON
            out +=
                Option(Escape_HTML_Text(Make_Safe_File_Name(value.c_str()).c_str()), Escape_HTML_Text(name));
        }
        break;
    case 6:
        out += Option("2", "NFL");
        for (int32_t league = 0; league < Count_Leagues(); ++league)
            out += Option(std::to_string(league), Escape_HTML_Text(Get_Leaders_League_Name(league).c_str()));
        break;
    case 7:
        for (int32_t n = 0; n < 8; ++n)
            out += Option(std::to_string(n), POSITION_LIST_NAMES[n]);
        break;
    case 8:
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            out += Option(std::string(1, letter), std::string(1, letter));
        break;
    default:
        break;
    }
    return out + "</select>\n";
}

std::string Position_List_Name(int32_t position, const char* name) {
    if ((position >= 0 && position <= 4) || position == 13 || position == 14) {
        char text[FORMATTED_TEXT_SIZE] = "";
        Get_Position_Name(position, text);
        return Escape_HTML_Text(text);
    }
    if (position == ANY_DEFENDER_POSITION) return "Defensive Line";
    if (position == ANY_LINEMAN_POSITION) return "Offensive Line";
    return name;
}

std::string Time_Leader_Category(int32_t seasons_back, int32_t type) {
    if (seasons_back == -1) return type == 1 ? "Best Season" : "All Time";
    if (seasons_back == -2) return type == 1 ? "All Time" : "Best Season";
    return "";
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Format_Number("%s %d, %d", MONTH_NAMES[local.tm_mon % 12], local.tm_mday, local.tm_year + 1900);
}

std::string League_Text(int32_t league) {
    if (league == BOTH_LEAGUES) return "Overall";
    if (league < 0 || league >= NUMBER_OF_LEAGUES) {
        Report_System_Error("Invalid Get_League_Name(%d) call.", league);
        return "";
    }
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_League_Name(league, name);
    return Escape_HTML_Text(name);
}

std::string Division_Text(int32_t division) {
    if (division < 0 || division >= NUMBER_OF_DIVISIONS) {
        Report_System_Error("Invalid Get_Division_Name(%d) call.", division);
        return "";
    }
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Division_Name(division, name);
    return Escape_HTML_Text(name);
}

std::string Team_Text(int32_t team, void (*getter)(int32_t, char*)) {
    if (!Is_Team_Code(team)) return "";
    char name[FORMATTED_TEXT_SIZE] = "";
    getter(team, name);
    return Escape_HTML_Text(name);
}

// The variables that are not about one game, by name.
bool Evaluate_League_Variable(const std::string& name, const TAG_PARAMETERS& p, std::string* out) {
    const int32_t team = Param(p, KEY_TEAM);
    const int32_t season = Param(p, KEY_SEASON);
    const int32_t type = Param(p, KEY_TYPE);
    const int32_t player = Param(p, KEY_PLAYER);
    const int32_t stat = Param(p, KEY_STAT);
    const int32_t week = Param(p, KEY_WEEK);
    if (name == "LinkToCSS")
        *out = "<LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"" + std::string(type == 1 ? "../" : "") +
               "Images/" + Encode_Link_Path(Make_Safe_File_Name(Chosen_Style_Sheet)) + "\">";
    else if (name == "Year")
        *out = std::to_string(Season_Year(season));
    else if (name == "Date")
        *out = Today();
    else if (name == "KorvaName")
        *out = Escape_HTML_Text(
            std::string(Universe.Header.Second_Name, sizeof Universe.Header.Second_Name).c_str());
    else if (name == "League")
        *out = League_Text(Param(p, KEY_LEAGUE));
    else if (name == "Division")
        *out = Division_Text(Param(p, KEY_DIVIS));
    else if (name == "TeamFullName")
        *out = Team_Text(team, Get_Team_Full_Name);
    else if (name == "TeamCityName")
        *out = Team_Text(team, Get_Team_Location_Name);
    else if (name == "TeamName")
        *out = Team_Text(team, Get_Team_Nickname);
    else if (name == "TeamWins")
        *out = Team_Yearly(team, season, RECORD_CHAR_WINS);
    else if (name == "TeamLosses")
        *out = Team_Yearly(team, season, RECORD_CHAR_LOSSES);
    else if (name == "TeamTies")
        *out = Team_Yearly(team, season, RECORD_CHAR_TIES);
    else if (name == "TeamPointsFor" || name == "TeamPointsAgainst")
        *out = season != 0 ? "-"
               : Is_Team_Code(team)
                   ? std::to_string(Get_Team_Points_Total(team, name == "TeamPointsFor" ? 1 : 0))
                   : "";
    else if (name == "TeamOffenseLeader")
        *out = Team_Offense_Leader(stat, team, season);
    else if (name == "PlayoffGame")
        *out = Playoff_Game_Text(Param(p, KEY_GAME), season);
    else if (name == "isPlayoff")
        *out = week < Regular_Weeks() ? "Regular Games" : Playoff_Week_Name(week, name.c_str());
    else if (name == "PlayoffStar")
        *out = Playoff_Star(team, season);
    else if (name == "PlayoffGameName")
        *out = week >= Regular_Weeks() ? Playoff_Week_Name(week, name.c_str()) : name;
    else if (name == "TeamRef")
        *out = season == -1 ? Team_Page_Link(team, type) : Team_Detail_Link(team, type);
    else if (name == "OpponentRef")
        *out =
            Week_Game(week, team) != nullptr ? Team_Page_Link(Get_Team_Week_Opponent(team, week), type) : "";
    else if (name == "PlayerRef")
        *out = Player_Page_Link(team, player, type);
    else if (name == "LeagueLeadersRef")
        *out = League_Leaders_Link(Param(p, KEY_LEAGUE), season, type);
    else if (name == "LeaderRef" || name == "LeaderTeamRef")
        *out = Leader_Link(Param(p, KEY_COUNT), type, name == "LeaderTeamRef");
    else if (name == "PlayerTeamRef")
        *out = Player_Line_Team_Link(player, team, season);
    else if (name == "MostRecentLeadersRef")
        *out = Most_Recent_Leaders_Link(type);
    else if (name == "TeamRecord") {
        char record[FORMATTED_TEXT_SIZE] = "";
        if (Is_Team_Code(team)) Format_Team_Season_Record(record, team, season);
        *out = record;
    } else if (name == "TeamPointsForRank" || name == "TeamPointsAgainstRank")
        *out = Points_Rank(team, name == "TeamPointsForRank");
    else if (name == "OverallTeams")
        *out = std::to_string(Count_Active_Teams());
    else if (name == "Count")
        *out = std::to_string(week + 1);
    else if (name == "at")
        *out = Is_Team_Code(team) && week >= 0 && week < SCHEDULE_WEEKS_SHOWN &&
                       Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) < 0
                   ? "at"
                   : "  ";
    else if (name == "OpponentName")
        *out =
            Week_Game(week, team) != nullptr ? Team_Full_Name_Text(Get_Team_Week_Opponent(team, week)) : "";
    else if (name == "GameResult")
        *out = Game_Result_Letter(week, team);
    else if (name == "GameScore") {
        const GAME_RECORD* game = Week_Game(week, team);
        const int32_t side = game != nullptr && game->Team[1] == team ? 1 : 0;
        *out = game != nullptr ? Format_Number("%d-%d", game->Score[side], game->Score[1 - side]) : "";
    } else if (name == "TeamOffense")
        *out = Team_Totals_Text(team, 0, stat);
    else if (name == "TeamDefense")
        *out = Team_Totals_Text(team, 4, stat);
    else if (name == "TeamOffenseRank" || name == "TeamDefenseRank")
        *out = Is_Team_Code(team)
                   ? std::to_string(Get_Team_Stat_Place(team, name == "TeamOffenseRank" ? 0 : 4, stat))
                   : "";
    else if (name == "PlayerName")
        *out = Player_Full_Name_Text(team, player);
    else if (name == "PlayerStat")
        *out = Player_Stat_Cell(stat, player, team, season, type);
    else if (name == "LeaderName")
        *out = Leader_Entry_Text(Param(p, KEY_COUNT), 0);
    else if (name == "LeaderTeam")
        *out = Leader_Entry_Text(Param(p, KEY_COUNT), 1);
    else if (name == "LeaderStat")
        *out = Leader_Entry_Text(Param(p, KEY_COUNT), 2);
    else if (name == "LeaderStatYear")
        *out = Leader_Entry_Text(Param(p, KEY_COUNT), 3);
    else if (name == "PlayerVitalStat")
        *out = Player_Vital_Text(stat, player, team);
    else if (name == "PlayerCollege") {
        char college[FORMATTED_TEXT_SIZE] = "";
        if (Is_Player_Slot_Used(team, player)) Get_Player_College(team, player, college);
        *out = Escape_HTML_Text(college);
    } else if (name == "PlayerTeam")
        *out = Player_Line_Team(player, team, season);
    else if (name == "SeasonYear")
        *out = season == SEASON_CAREER ? "Career"
                                       : std::to_string(Is_Player_Slot_Used(team, player)
                                                            ? Get_Player_Stat_Row_Year(team, player, season)
                                                            : 0);
    else if (name == "TableStatCaption")
        *out = Table_Stat_Captions(player, team, Param(p, KEY_POS));
    else if (name == "Select")
        *out = Select_List(type);
    else if (name == "TeamLogo")
        *out = Team_Logo_Image(team);
    else if (name == "PositionName")
        *out = Position_List_Name(Param(p, KEY_POS), name.c_str());
    else if (name == "TimeLeaderCategory")
        *out = Time_Leader_Category(season, type);
    else
        return false;
    return true;
}
} // namespace

std::string Format_Number(const char* format, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string Get_Link_Root(int32_t type) {
    return type == 1 ? "../" : "./";
}

std::string Open_Link(const std::string& root, const char* folder, const std::string& page) {
    if (page.empty()) return "";
    return "<a href=\"" + root + folder + Encode_Link_Path(page) + "\">";
}

std::string Team_Page_Link(int32_t team, int32_t type) {
    return Open_Link(Get_Link_Root(type), "teams/", Get_Team_Page_Name(team));
}

std::string Team_Detail_Link(int32_t team, int32_t type) {
    return Open_Link(Get_Link_Root(type), "TeamsDetail/", Get_Team_Detail_Page_Name(team));
}

std::string Player_Page_Link(int32_t team, int32_t slot, int32_t type) {
    return Open_Link(Get_Link_Root(type), "players/", Get_Player_Page_Name(team, slot));
}

bool Find_Player_Of_Id(int32_t id, int32_t* team, int32_t* slot) {
    if (id <= 0) return false;
    int32_t found_team = NO_TEAM, found_slot = NO_PLAYER;
    if (!Find_Player_By_ID(&found_team, &found_slot, id) || !Is_Player_Slot_Used(found_team, found_slot))
        return false;
    *team = found_team;
    *slot = found_slot;
    return true;
}

std::string Team_Logo_Image(int32_t team) {
    if (!Is_Team_Code(team)) return "";
    return "<img src=\"../" + Encode_Link_Path(Get_Encyclopedia_Logo_Path(team)) + "\" border=\"0\">";
}

std::string Team_Full_Name_Text(int32_t team) {
    return Team_Text(team, Get_Team_Full_Name);
}

std::string Team_Abbreviation_Text(int32_t team) {
    if (!Is_Team_Code(team)) return "";
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_String(name, team, 0);
    return Escape_HTML_Text(name);
}

std::string Player_Full_Name_Text(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return "";
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, name);
    return Escape_HTML_Text(name);
}

const char* Get_Stat_Category_Caption(int32_t category) {
    return category >= 0 && category < NUMBER_OF_STAT_CATEGORIES ? CATEGORY_CAPTIONS[category] : "";
}

bool Does_Position_Show_Category(int32_t position, int32_t category) {
    if (category == 0) return true;
    switch (position) {
    case POSITION_QB:
        return category >= 1 && category <= 11;
    case POSITION_RB:
    case POSITION_FB:
        return category >= 8 && category <= 15;
    case POSITION_TE:
    case POSITION_WR:
        return category >= 12 && category <= 15;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        return category >= 16 && category <= 20;
    case POSITION_K:
        return category >= 21 && category <= 24;
    case POSITION_P:
        return category == 25;
    default:
        return false;
    }
}

int32_t Get_Stat_Category(int32_t group, int32_t stat) {
    for (const STAT_CATEGORY_ENTRY& entry : STAT_CATEGORIES)
        if (entry.Group == group && entry.Stat == stat) return entry.Category;
    return 0;
}

const GAME_RECORD* Get_Template_Game(int32_t game) {
    if (game < 0 || game >= MAX_GAME_RECORDS) return nullptr;
    return &Universe.Games[game];
}

std::string Strip_Template_Tag(const std::string& tag) {
    return tag.size() > VARIABLE_HEAD ? tag.substr(VARIABLE_HEAD, tag.size() - VARIABLE_HEAD - 1)
                                      : std::string();
}

void Evaluate_Template_Variable(std::string* tag) {
    if (tag == nullptr) return;
    std::string name = Strip_Template_Tag(*tag);
    TAG_PARAMETERS parameters{};
    Parse_Tag_Parameters(&name, &parameters);
    std::string value;
    if (Evaluate_League_Variable(name, parameters, &value) ||
        Evaluate_Game_Variable(name, parameters, &value))
        *tag = value;
    else
        *tag = name;
}
