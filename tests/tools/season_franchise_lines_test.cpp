// A season built from the installation's statistics files keeps every season
// a player played with a franchise of the league's own history: a player of
// the New York Yanks of 1951, whose abbreviation the lookup of other leagues'
// clubs also knows, keeps that season and those before it on the franchise
// the Yanks became and has them counted among his credited seasons, while a
// line of another league's club of the same abbreviation, in a season no
// team file of ours names, still counts for nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "tools/season_database.h"

namespace {
namespace fs = std::filesystem;

// The team and slot of the player with this id in the loaded league; false when none.
bool Find_Player(int32_t id, int32_t* team, int32_t* slot) {
    for (int32_t t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s) && Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == id) {
                *team = t;
                *slot = s;
                return true;
            }
    return false;
}

// The player's lines of the year: full name of the team, games.
std::map<std::string, int32_t> Year_Lines(int32_t team, int32_t slot, int32_t year) {
    std::map<std::string, int32_t> lines;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) != year) continue;
        char name[FORMATTED_TEXT_SIZE] = "";
        const int32_t line_team = Get_Season_Line_Team(line);
        if (line_team >= 0 && line_team < MAX_FRANCHISES) Get_Team_Full_Name(line_team, name);
        lines[name] += Get_Season_Line_Stat(line, 0);
    }
    return lines;
}

bool Is_Regular_Season(const SEASONS_FILE_LINE& line) {
    return line.Flag != "PRE" && line.Flag != "POST" && line.Flag != "PRO";
}

class SeasonFranchiseLines : public testing::Test {
  protected:
    void SetUp() override {
        previous = Enter_Season_Build_Folder("franchise-lines");
        Clear_Shown_Messages();
        Reset_Diagnostics();
        Clear_Debug_Log();
    }
    void TearDown() override {
        Leave_Season_Build_Folder(previous);
        std::error_code failure;
        fs::remove_all("franchise-lines", failure);
    }
    std::string previous;
};
} // namespace

TEST_F(SeasonFranchiseLines, AYankOf1951KeepsThatSeasonAndHisCreditedSeasonsIn1952) {
    const std::vector<SEASONS_FILE_LINE> lines = Read_Installed_Seasons_Lines();
    // The Yank of 1951 who played on in 1952 with the most seasons behind him.
    std::map<int32_t, std::set<int32_t>> seasons_before;
    std::map<int32_t, int32_t> games_before;
    std::set<int32_t> yanks, playing_on;
    for (const SEASONS_FILE_LINE& line : lines) {
        if (!Is_Regular_Season(line) || line.Games <= 0) continue;
        if (line.Year == 1951 && line.Team == "NYY") yanks.insert(line.Player_Id);
        if (line.Year == 1952) playing_on.insert(line.Player_Id);
        if (line.Year < 1952) {
            seasons_before[line.Player_Id].insert(line.Year);
            games_before[line.Player_Id] += line.Games;
        }
    }
    int32_t veteran = 0;
    for (int32_t id : yanks)
        if (playing_on.count(id) != 0 &&
            (veteran == 0 || seasons_before[id].size() > seasons_before[veteran].size()))
            veteran = id;
    ASSERT_NE(veteran, 0) << "a Yank of 1951 plays on in 1952";
    ASSERT_GE(seasons_before[veteran].size(), 2u) << "a veteran";
    const SEASONS_FILE_LINE* yank_line = nullptr;
    for (const SEASONS_FILE_LINE& line : lines)
        if (line.Player_Id == veteran && line.Year == 1951 && line.Team == "NYY") yank_line = &line;
    ASSERT_NE(yank_line, nullptr);

    // A user's own file also holds a season of another league's club of the
    // same abbreviation, of 1937, before the league's history begins: no team
    // file of ours names it, so it is no season of this league.
    std::string other_league = yank_line->Text;
    other_league.replace(other_league.find(",1951,NYY,"), 10, ",1937,NYY,");
    ASSERT_TRUE(Put_Changed_Input_File("Input/Stats/Seasons.csv", 0, other_league));

    ASSERT_TRUE(Create_Season_Database(1952));
    EXPECT_TRUE(Get_Shown_Messages().empty()) << Get_Shown_Messages()[0].Text;
    EXPECT_EQ(Read_Debug_Log_Text().find("NYY"), std::string::npos) << "nothing to tell of the Yanks' lines";
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    ASSERT_TRUE(Find_Player(veteran, &team, &slot));
    // The Yanks of 1951 are the Dallas Texans of 1952.
    EXPECT_EQ(Year_Lines(team, slot, 1951),
              (std::map<std::string, int32_t>{{"Dallas Texans", yank_line->Games}}));
    EXPECT_TRUE(Year_Lines(team, slot, 1937).empty()) << "the other league's season has no line";
    // His seasons with the Yanks before 1951 are the Texans' too.
    for (int32_t year : seasons_before[veteran]) {
        if (year >= 1951) continue;
        EXPECT_FALSE(Year_Lines(team, slot, year).empty()) << year;
    }
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS),
              static_cast<int32_t>(seasons_before[veteran].size()))
        << "every season he played before is credited";
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_CAREER, 0), games_before[veteran])
        << "his career holds the games of every season";
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_LAST, 0), yank_line->Games) << "last season was 1951";
}
