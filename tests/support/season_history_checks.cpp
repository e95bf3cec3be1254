#include "support/season_history_checks.h"

#include <algorithm>
#include <sstream>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "dialogs/history_dialogs.h"
#include "reports/template_engine.h"
#include "season/league_history.h"
#include "support/dialog_steps.h"
#include "support/season_build_folder.h"

namespace {
constexpr int32_t YEARLY_RANK = 2;
constexpr int32_t CHAMPION_SLOT = 30;
constexpr int32_t FINAL_SLOT = 28;
constexpr int32_t CONFERENCE_FINAL_SLOT = 24;
constexpr int32_t DIVISIONS_PER_LEAGUE = 4;

// The full name the franchise of `team` carries into `year`.
std::string Franchise_In_Year(int32_t team, int32_t year) {
    char location[TEAM_STRING_LENGTH] = "", nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(location, team, 1);
    Get_Team_String(nickname, team, 2);
    std::string name = Get_Franchise_Name_In_Year(std::string(location) + "," + nickname, year - 1, year);
    const size_t comma = name.find(',');
    if (comma != std::string::npos) name[comma] = ' ';
    return name;
}

std::string Full_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    return name;
}

std::string Ordinal(int32_t n) {
    static const char* const SUFFIXES[] = {"th", "st", "nd", "rd", "th"};
    const int32_t k = n / 10 % 10 == 1 ? 0 : std::min(n % 10, 4);
    return std::to_string(n) + SUFFIXES[k];
}

std::string Record_Text(const TEAM_SEASON_END& end) {
    std::string text = std::to_string(end.Wins) + "-" + std::to_string(end.Losses);
    if (end.Ties != 0) {
        text += '-';
        text += std::to_string(end.Ties);
    }
    return text;
}

std::vector<std::string> Tab_Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');)
        fields.push_back(field);
    return fields;
}

// The lines Team History lists for the team.
std::vector<std::string> Team_History_Lines(int32_t team) {
    std::vector<std::string> lines;
    Set_User_Preference(VIEWED_TEAM, team);
    Script_Dialog_Step([&lines](WINDOW_HANDLE dialog) {
        for (int32_t n = 0; n < Count_Dialog_Lines(dialog, TEAM_HISTORY_LIST); ++n)
            lines.push_back(Get_Dialog_Line_Text(dialog, TEAM_HISTORY_LIST, n));
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0);
    return lines;
}
} // namespace

FINISHED_SEASON Take_Finished_Season() {
    FINISHED_SEASON season;
    season.Year = Get_Current_Year();
    const int32_t index = Get_User_Preference(CURRENT_SEASON_INDEX);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        TEAM_SEASON_END end;
        end.Franchise = Franchise_In_Year(team, season.Year + 1);
        end.Wins = Get_Team_Yearly_Char(team, index, RECORD_CHAR_WINS);
        end.Losses = Get_Team_Yearly_Char(team, index, RECORD_CHAR_LOSSES);
        end.Ties = Get_Team_Yearly_Char(team, index, RECORD_CHAR_TIES);
        end.Rank = Get_Team_Yearly_Int(team, index, YEARLY_RANK);
        end.Place = Get_Team_Division_Standing(team);
        end.Slot = Get_Team_Playoff_Slot(team);
        season.Teams.push_back(end);
    }
    for (const int32_t first : {CONFERENCE_FINAL_SLOT, CONFERENCE_FINAL_SLOT + 2}) {
        const int32_t a = Get_Playoff_Team(first), b = Get_Playoff_Team(first + 1);
        const int32_t winner = Get_Playoff_Team(first / 2 + 16);
        if (Is_No_Team(a) || Is_No_Team(b) || (winner != a && winner != b)) continue;
        season.Finals.push_back({first, Franchise_In_Year(winner, season.Year + 1),
                                 Franchise_In_Year(winner == a ? b : a, season.Year + 1)});
    }
    return season;
}

std::string Expected_Finish_Text(int32_t slot, int32_t place, const std::string& division,
                                 const std::string& league) {
    if (slot >= CHAMPION_SLOT) return "Super Bowl Champion";
    if (slot >= FINAL_SLOT) return league + " Champion";
    if (slot >= CONFERENCE_FINAL_SLOT) return league + " Divisional Winner";
    if (place == 0) return "1st (" + division + ")";
    if (slot >= 0) return league + " Wild Card";
    return Ordinal(place >= 1 && place <= 3 ? place + 1 : 5) + " (" + division + ")";
}

std::string Check_Finished_Season_History(const FINISHED_SEASON& season) {
    std::string problems;
    const std::string year = std::to_string(season.Year);
    const int32_t teams = Count_Active_Teams();
    size_t listed = 0;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        const std::string name = Full_Name(team);
        const TEAM_SEASON_END* end = nullptr;
        for (const TEAM_SEASON_END& candidate : season.Teams)
            if (candidate.Franchise == name) end = &candidate;
        std::vector<std::string> found;
        for (const std::string& line : Team_History_Lines(team))
            if (line.rfind(year + "\t", 0) == 0) found.push_back(line);
        if (end == nullptr) {
            if (!found.empty()) problems += name + " joined after " + year + " but lists " + found[0] + "\n";
            continue;
        }
        ++listed;
        if (found.size() != 1) {
            problems += name + " lists " + std::to_string(found.size()) + " lines of " + year + "\n";
            continue;
        }
        char division[DIVISION_NAME_LENGTH + 1] = "", league[LEAGUE_NAME_LENGTH + 1] = "";
        Get_Division_Name(Get_Team_Division(team), division);
        Get_League_Name(Get_Team_Division(team) / DIVISIONS_PER_LEAGUE, league);
        const std::vector<std::string> fields = Tab_Fields(found[0]);
        const std::string expected[] = {Record_Text(*end), Ordinal(end->Rank + 1),
                                        Expected_Finish_Text(end->Slot, end->Place, division, league)};
        for (int32_t k = 0; k < 3; ++k) {
            const std::string shown = fields.size() > static_cast<size_t>(3 + k) ? fields[3 + k] : "";
            if (shown != expected[k])
                problems += name + " " + year + ": \"" + shown + "\" where the season ended \"" +
                            expected[k] + "\" (slot " + std::to_string(end->Slot) + ", place " +
                            std::to_string(end->Place) + ")\n";
        }
    }
    if (listed != season.Teams.size())
        problems += std::to_string(season.Teams.size() - listed) + " teams of " + year + " are gone\n";
    return problems;
}

std::string Check_Season_Summary_Finals(const FINISHED_SEASON& season, int32_t seasons_back) {
    const std::string text =
        Read_Whole_File(Get_Installation_Folder() + "/HTML_Templates/SeasonSummary.template");
    if (text.empty()) return "no season summary template\n";
    TAG_PARAMETERS page{};
    page.Keys[0] = KEY_SEASON;
    page.Values[0] = seasons_back;
    std::string out;
    if (!Expand_Template_Text(text, page, 1, &out)) return "the season summary page was not written\n";
    std::string problems;
    if (out.find("<title>The " + std::to_string(season.Year) + " Season</title>") == std::string::npos)
        problems += "the page is not the summary of " + std::to_string(season.Year) + "\n";
    if (season.Finals.empty()) problems += "the season had no conference final\n";
    for (const CONFERENCE_FINAL& final : season.Finals) {
        const std::string winner = final.Winner + "</a> W", loser = final.Loser + "</a> L";
        bool named = false;
        std::stringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            named =
                named || (line.find(winner) != std::string::npos && line.find(loser) != std::string::npos);
        if (!named)
            problems += "no line of the page names " + final.Winner + " over " + final.Loser + " (slot " +
                        std::to_string(final.Slot) + ")\n";
    }
    return problems;
}
