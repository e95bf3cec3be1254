// The installed seasons 1951-2022 are one league's history: the players of
// the 2019 league played the seasons before it in the databases of those
// years, with the same lines; Team History of the 2019 league lists the
// seasons its teams played; and the draft class of a season brings only
// players the league before it does not hold yet.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "dialogs/history_dialogs.h"
#include "platform/message_box.h"
#include "platform/string_warnings.h"
#include "season/new_game_choices.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "tools/draft_class_database.h"

namespace {
using STATS = std::array<int32_t, NUMBER_OF_SEASON_STATS>;
// A season of a career: its year and figures, by franchise name.
using CAREER = std::multimap<int32_t, std::pair<std::string, STATS>>;

constexpr int32_t FIRST_CHECKED_DATABASE = 1990;
constexpr int32_t LAST_HISTORY_YEAR = 2018;
constexpr size_t VETERANS_OF_EACH_KIND = 8;

std::string Nickname(int32_t team) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, 2);
    return text;
}

// Whether a season's statistic is one the statistics files carry for a
// player of the position: the others are the league's own tallies, which
// no season database holds.
bool Is_Carried(int32_t position, int32_t stat) {
    if (stat <= 1) return true;
    if (position == POSITION_QB) return stat < 10 || stat > 12;
    switch (Get_Position_Group(position)) {
    case 0:
        return stat != 3 && stat != 6;
    case 1:
        return stat == 13;
    case 2:
        return stat < 10 || stat > 12;
    case 3:
        return stat != 4 && stat != 7 && stat != 19;
    default:
        return false;
    }
}

// The player's league lines of games played before `year`.
CAREER Career_Before(int32_t team, int32_t slot, int32_t year) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    CAREER career;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        // College seasons (a kind below 0) are not the league's.
        if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) >= year || Get_Season_Line_Kind(line) < 0 ||
            Get_Season_Line_Stat(line, 0) <= 0)
            continue;
        STATS stats{};
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
            if (Is_Carried(position, stat)) stats[stat] = Get_Season_Line_Stat(line, stat);
        career.emplace(Get_Season_Line_Year(line),
                       std::make_pair(Nickname(Get_Season_Line_Team(line)), stats));
    }
    return career;
}

std::string Describe(const CAREER& career) {
    std::string text;
    for (const auto& [year, line] : career) {
        text += std::to_string(year) + " " + line.first + ":";
        STRING_PREPEND_WARNING_OFF
        for (const int32_t figure : line.second)
            text += " " + std::to_string(figure);
        STRING_PREPEND_WARNING_ON
        text += "\n";
    }
    return text;
}

CAREER Lines_Before(const CAREER& career, int32_t year) {
    CAREER before;
    for (const auto& [line_year, line] : career)
        if (line_year < year) before.emplace(line_year, line);
    return before;
}

struct VETERAN {
    int32_t Id;
    std::string Name;
    CAREER Career;
};

std::string Person(const PLAYER_RECORD& player) {
    return std::string(player.First_Name, strnlen(player.First_Name, sizeof player.First_Name)) + "|" +
           std::string(player.Last_Name, strnlen(player.Last_Name, sizeof player.Last_Name)) + "|" +
           std::to_string(player.Vital_Stats[VITAL_BIRTH_DATE]);
}

// Everyone of the league's teams, free agents and Hall of Fame included.
std::set<std::string> League_People() {
    std::set<std::string> people;
    for (int32_t team = 0; team <= HALL_OF_FAME_TEAM; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                people.insert(Person(*Get_Player_Record_Pointer(team, slot)));
    return people;
}

class InstalledUniverse : public InstalledDatabasesTest {};

class InstalledTeamHistory : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Link_Installed_Databases();
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Unlink_Installed_Databases();
        FrameTest::TearDown();
    }
};

// A season's record as Team History shows it.
std::string Record_Text(int32_t team, int32_t season) {
    const int32_t wins = Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS);
    const int32_t losses = Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES);
    const int32_t ties = Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES);
    STRING_PREPEND_WARNING_OFF
    return std::to_string(wins) + "-" + std::to_string(losses) + (ties > 0 ? "-" + std::to_string(ties) : "");
    STRING_PREPEND_WARNING_ON
}
} // namespace

TEST_F(InstalledUniverse, VeteransOf2019PlayedTheSameSeasonsInTheDatabasesOfThoseYears) {
    ASSERT_GE(Load_New_Game_Season(2019, nullptr), 0);
    // Veterans who came into the league before the seasons played with
    // games began, and some who came after.
    std::vector<VETERAN> veterans;
    size_t early = 0, late = 0;
    int32_t with_2018_line = 0;
    std::vector<std::pair<int32_t, std::string>> players_of_2018;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const CAREER career = Career_Before(team, slot, 2019);
            if (career.count(LAST_HISTORY_YEAR) != 0) ++with_2018_line;
            // Players the league makes during a season have no season before.
            if (career.count(LAST_HISTORY_YEAR) != 0 && career.count(LAST_HISTORY_YEAR - 1) != 0) {
                players_of_2018.emplace_back(Get_Player_ID(team, slot),
                                             Person(*Get_Player_Record_Pointer(team, slot)));
            }
            if (career.size() < 6 || career.count(LAST_HISTORY_YEAR) == 0) continue;
            const bool came_early = career.begin()->first < 2005;
            size_t& kind = came_early ? early : late;
            if (kind >= VETERANS_OF_EACH_KIND) continue;
            ++kind;
            veterans.push_back(
                {Get_Player_ID(team, slot), Person(*Get_Player_Record_Pointer(team, slot)), career});
        }
    ASSERT_EQ(early, VETERANS_OF_EACH_KIND) << "veterans whose careers began before 2005";
    ASSERT_EQ(late, VETERANS_OF_EACH_KIND) << "veterans whose careers began after";
    EXPECT_GT(with_2018_line, 1000) << "most of the 2019 league played in 2018";

    for (int32_t year = FIRST_CHECKED_DATABASE; year <= LAST_HISTORY_YEAR; ++year) {
        SCOPED_TRACE(year);
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        Build_All_Player_Hashes();
        for (const VETERAN& veteran : veterans) {
            // He played the season, and one before it.
            if (veteran.Career.count(year) == 0 || veteran.Career.begin()->first >= year) continue;
            SCOPED_TRACE(veteran.Name);
            int32_t team = 0, slot = 0;
            ASSERT_NE(Find_Player_By_ID(&team, &slot, veteran.Id), 0) << "he is in the league";
            EXPECT_EQ(Person(*Get_Player_Record_Pointer(team, slot)), veteran.Name);
            const CAREER held = Career_Before(team, slot, year);
            EXPECT_EQ(Describe(held), Describe(Lines_Before(veteran.Career, year)));
        }
    }
    // Everyone of 2019 who played in 2017 and 2018 was in the 2018 league.
    ASSERT_GE(Load_New_Game_Season(LAST_HISTORY_YEAR, nullptr), 0);
    Build_All_Player_Hashes();
    int32_t missing = 0;
    std::string first_missing;
    for (const auto& [id, person] : players_of_2018) {
        int32_t team = 0, slot = 0;
        if (Find_Player_By_ID(&team, &slot, id) != 0 &&
            Person(*Get_Player_Record_Pointer(team, slot)) == person)
            continue;
        if (missing++ == 0) first_missing = person;
    }
    EXPECT_EQ(missing, 0) << "first: " << first_missing;
}

TEST_F(InstalledUniverse, EveryDraftClassBringsOnlyPlayersTheLeagueBeforeItDoesNotHold) {
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_RECORDS]);
    std::string faults;
    for (int32_t year = 1952; year <= 2022; ++year) {
        const std::string path =
            Get_Installation_Folder() + "/Databases/rookies-" + std::to_string(year) + ".dat";
        std::FILE* file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr) << path;
        const size_t read = std::fread(records.get(), sizeof(PLAYER_RECORD), DRAFT_CLASS_RECORDS, file);
        std::fclose(file);
        ASSERT_GE(Load_New_Game_Season(year - 1, nullptr), 0) << year - 1;
        const std::set<std::string> people = League_People();
        int32_t held = 0, listed = 0;
        for (size_t n = 0; n < read; ++n) {
            if (records[n].Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
            ++listed;
            held += people.count(Person(records[n])) != 0;
        }
        EXPECT_GT(listed, 50) << year;
        if (held > 0)
            faults += "rookies-" + std::to_string(year) + ": " + std::to_string(held) + " of " +
                      std::to_string(listed) + " in the " + std::to_string(year - 1) + " league\n";
    }
    EXPECT_EQ(faults, "");
}

TEST_F(InstalledTeamHistory, TheDefaultLeagueAndTheSeasonsItPlayedListTheSeasonsTheirTeamsPlayed) {
    for (const int32_t year : {2010, 2019}) {
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        ASSERT_EQ(Get_Current_Year(), year);
        const int32_t seasons = Get_User_Preference(CURRENT_SEASON_INDEX);
        ASSERT_GE(seasons, year - 1951) << "the seasons from 1951 on at least";
        const int32_t first_year = Get_Universe_Stat(BASE_YEAR);
        for (const int32_t team : {0, 17, Count_Active_Teams() - 1}) {
            SCOPED_TRACE(std::to_string(year) + " team " + std::to_string(team));
            Set_User_Preference(VIEWED_TEAM, team);
            std::vector<std::string> lines;
            Script_Dialog_Step([&lines](WINDOW_HANDLE dialog) {
                for (int32_t n = 0; n < Count_Dialog_Lines(dialog, TEAM_HISTORY_LIST); ++n)
                    lines.push_back(Get_Dialog_Line_Text(dialog, TEAM_HISTORY_LIST, n));
                // The last seasons in view.
                if (!lines.empty())
                    Choose_Dialog_Line(dialog, TEAM_HISTORY_LIST, static_cast<int32_t>(lines.size()) - 1);
                Keep_Dialog_Picture(dialog, "played_season_history");
                Click_Dialog_Button(dialog, ID_OK);
            });
            EXPECT_EQ(Do_Dialog(Main_Window, TEAM_HISTORY_DIALOG, 0), 1);
            // The franchise's seasons since it came into the league, each with
            // its record, and none from before it came.
            std::vector<int32_t> played;
            for (int32_t season = 0; season < seasons; ++season)
                if (Record_Text(team, season) != "0-0") played.push_back(season);
            ASSERT_EQ(lines.size(), played.size());
            for (size_t n = 0; n < played.size(); ++n) {
                const std::string& line = lines[n];
                EXPECT_EQ(line.substr(0, 5), std::to_string(first_year + played[n]) + "\t") << line;
                // The fourth field is the season's record.
                size_t start = 0;
                for (int32_t field = 0; field < 3; ++field)
                    start = line.find('\t', start) + 1;
                EXPECT_EQ(line.substr(start, line.find('\t', start) - start), Record_Text(team, played[n]))
                    << line;
            }
            EXPECT_GT(played.size(), 10u);
            EXPECT_NE(Record_Text(team, seasons - 1), "0-0") << "the season before was played";
        }
    }
}
