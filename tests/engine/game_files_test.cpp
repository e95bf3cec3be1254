#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "game_test_support.h"
#include "platform/message_queue.h"
#include "reports/box_score_tables.h"
#include "support/game_output_support.h"
#include "support/game_runner.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

TEST(GameFiles, BoxAndRecapPagesOfGameSevenIn2024) {
    GAME_RECORD* game = Build_Output_Test_Game();
    char name[64];
    Get_Box_File_Name(name);
    EXPECT_STREQ(name, "Output\\Box-24-007.htm");
    Get_Recap_File_Name(name);
    EXPECT_STREQ(name, "Output\\Recap-24-007.htm");

    Clear_Game_Text_Buffers();
    Write_Game_Start_Text(game);
    Write_Scoring_Plays_Header(game);
    Write_Period_Header(game, 1);
    Close_Scoring_Plays_Table();
    Write_Box_Score_Top(game);
    Close_Box_Score_Page();
    Close_Play_By_Play_Tables();
    Write_Box_Score_File(1);
    Write_Recap_File(1);
    EXPECT_TRUE(Get_Box_Score_HTML().empty());
    EXPECT_TRUE(Get_Page_Head_Text().empty());

    std::ifstream box("Output/Box-24-007.htm");
    ASSERT_TRUE(box.good());
    std::stringstream box_text;
    box_text << box.rdbuf();
    EXPECT_NE(box_text.str().find("styles.css"), std::string::npos);
    EXPECT_NE(box_text.str().find("Scoring Plays"), std::string::npos);
    std::ifstream recap("Output/Recap-24-007.htm");
    ASSERT_TRUE(recap.good());
    std::stringstream recap_text;
    recap_text << recap.rdbuf();
    EXPECT_NE(recap_text.str().find("1st Q"), std::string::npos);
    EXPECT_NE(recap_text.str().find("Offensive Play"), std::string::npos);
}

TEST(GameFiles, TryOnThePeriodMarkScoresInTheTouchdownsPeriod) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Clear_Game_Text_Buffers();
    // A touchdown run on the first quarter's last snap, then the kicked try at
    // 900 seconds.
    game->Play_Log[0].Clock = 890;
    game->Play_Log[0].Play_Word = static_cast<uint32_t>(RESULT_TOUCHDOWN_RUN) << PLAY_WORD_RESULT_SHIFT;
    game->Play_Log[1].Clock = 900;
    game->Play_Log[1].Play_Word = static_cast<uint32_t>(RESULT_EXTRA_POINT_GOOD) << PLAY_WORD_RESULT_SHIFT;
    game->Play_Log_Count = 2;
    game->Score[0] = 7;
    Write_Box_Score_Top(game);
    const std::string& head = Get_Page_Head_Text();
    EXPECT_NE(head.find("<TD class=lmc>7</TD><TD class=lmc>0</TD><TD class=lmc>0</TD><TD class=lmc>0</TD>"
                        "<TD class=lmc>0</TD><TD class=lmc>7</TD>"),
              std::string::npos)
        << head;
    Clear_Game_Text_Buffers();
}

TEST(GameFiles, PlainPeriodHeaderNamesThePeriodInTheColumnLine) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Clear_Game_Text_Buffers();
    Write_Period_Header(game, 2);
    const std::string& text = Get_Plain_Play_Text();
    EXPECT_EQ(text.rfind(
                  "\n 2nd Q <=> Down Yardline Offensive Play           Defensive Play           Result\n", 0),
              0u)
        << text;
    EXPECT_NE(text.find(" ---"), std::string::npos) << "the column line is underlined";
    Clear_Game_Text_Buffers();
}

// A game played through the driver leaves its two pages under the year and
// record number, naming both teams, one scoring row per scoring snap, and a
// page closed by its tags.
TEST(GameFiles, PlayedGameLeavesItsBoxScoreAndRecap) {
    Build_Test_League();
    Prepare_Game_Week(2, 4242);
    GAME_RECORD* game = Play_Test_Game(6, 7, 2);
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(Is_Game_Over(game), 1);
    const int32_t index = static_cast<int32_t>(game - Universe.Games);
    char suffix[32];
    snprintf(suffix, sizeof suffix, "-%02d-%03d.htm", Get_Current_Year() % 100, index);

    std::ifstream box(std::string("Output/Box") + suffix);
    ASSERT_TRUE(box.good()) << "Output/Box" << suffix;
    std::stringstream box_text;
    box_text << box.rdbuf();
    const std::string page = box_text.str();
    for (int32_t side = 0; side < 2; ++side) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Nickname(game->Team[side], name);
        EXPECT_NE(page.find(name), std::string::npos) << name;
    }
    int32_t scoring_snaps = 0;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i)
        if (Is_Scoring_Result(Get_Play_Result(game->Play_Log[i].Play_Word))) ++scoring_snaps;
    EXPECT_GT(scoring_snaps, 0);
    EXPECT_NE(page.find("Scoring Plays"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 7), "</HTML>") << "the page ends with its closing tags";
    EXPECT_NE(page.find("Team Stats"), std::string::npos);

    std::ifstream recap(std::string("Output/Recap") + suffix);
    ASSERT_TRUE(recap.good());
    std::stringstream recap_text;
    recap_text << recap.rdbuf();
    EXPECT_NE(recap_text.str().find("1st Q"), std::string::npos);
    EXPECT_NE(recap_text.str().find("4th Q"), std::string::npos);
}

namespace {
int32_t Count_Text(const std::string& text, const std::string& what) {
    int32_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

std::string Read_Page(const char* kind, const GAME_RECORD* game) {
    char name[64];
    snprintf(name, sizeof name, "Output/%s-%02d-%03d.htm", kind, Get_Current_Year() % 100,
             static_cast<int32_t>(game - Universe.Games));
    std::ifstream file(name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

// A new game starts its pages afresh: what a game stopped midway left in the
// text buffers (it waits there to be resumed) never lands in the next game's
// box score or recap.
TEST(GameFiles, NewGameStartsItsPagesAfreshAfterAStoppedOne) {
    Build_Test_League();
    std::memset(Universe.Games, 0, sizeof(Universe.Games));
    Clear_Game_Text_Buffers();
    Prepare_Game_Week(2, 99);
    Stop_Advance_After_Snaps(30);
    GAME_RECORD* stopped = Play_Test_Game(6, 7, 2);
    ASSERT_NE(stopped, nullptr);
    ASSERT_EQ(Is_Game_Over(stopped), 0);
    Reset_Message_Queue();

    std::memset(stopped, 0, sizeof(*stopped));
    Prepare_Game_Week(2, 100);
    GAME_RECORD* game = Play_Test_Game(8, 9, 2);
    ASSERT_EQ(Is_Game_Over(game), 1);
    const std::string box = Read_Page("Box", game);
    const std::string recap = Read_Page("Recap", game);
    EXPECT_EQ(Count_Text(box, "<HTML><HEAD>"), 1);
    EXPECT_EQ(Count_Text(box, "Scoring Plays"), 1);
    EXPECT_EQ(Count_Text(recap, "<HTML><HEAD>"), 1);
    EXPECT_EQ(Count_Text(recap, "1st Q"), 1);
}

// The overtime's header is written as its period starts, at the end of
// regulation; a game decided there keeps none, and a game played on into
// overtime keeps the one its plays stand under and no empty one after them.
TEST(GameFiles, ARecapHeadsOvertimeOnlyOverItsPlays) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Clear_Game_Text_Buffers();
    Write_Period_Header(game, 4);
    Get_Play_By_Play_HTML() += "<TR class=none><TD>a play</TD></TR>\n";
    Write_Period_Header(game, 5);
    Close_Play_By_Play_Tables();
    EXPECT_EQ(Count_Text(Get_Play_By_Play_HTML(), "class=ltl>OT<"), 0) << Get_Play_By_Play_HTML();
    EXPECT_EQ(Count_Text(Get_Play_By_Play_HTML(), "class=ltl>4th Q<"), 1);
    EXPECT_EQ(Count_Text(Get_Plain_Play_Text(), " OT <=>"), 0) << "nor in the game screen's text";
    Clear_Game_Text_Buffers();
    Write_Period_Header(game, 5);
    Get_Play_By_Play_HTML() += "<TR class=none><TD>a play</TD></TR>\n";
    Close_Play_By_Play_Tables();
    EXPECT_EQ(Count_Text(Get_Play_By_Play_HTML(), "class=ltl>OT<"), 1);
    Clear_Game_Text_Buffers();

    // A played week: no recap heads a period it did not play, and none ends
    // on a heading.
    Build_Test_League();
    std::memset(Universe.Games, 0, sizeof(Universe.Games));
    Prepare_Game_Week(3, 4243);
    ASSERT_EQ(Play_Test_Week(3), 16);
    for (int32_t index = 0; index < 16; ++index) {
        const GAME_RECORD* played = &Universe.Games[index];
        const std::string recap = Read_Page("Recap", played);
        ASSERT_FALSE(recap.empty()) << "game " << index;
        EXPECT_EQ(Count_Text(recap, "class=ltl>OT<") > 0, Is_Past_Regulation(played)) << "game " << index;
        const size_t last_heading = recap.rfind("<TR class=header1>");
        ASSERT_NE(last_heading, std::string::npos);
        EXPECT_NE(recap.find("<TR class=", last_heading + 1), std::string::npos)
            << "game " << index << " ends on a heading";
    }
}

namespace {
std::string Read_File(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

// A page is written over an older, longer one of the same name and cut to its
// length; one whose folder and file exist only in another case is written to
// them, as the game finds every file it reads.
TEST(GameFiles, PagesReplaceOldOnesAndAreFoundWhateverTheirCase) {
    GAME_RECORD* game = Build_Output_Test_Game();
    auto write_pages = [game]() {
        Clear_Game_Text_Buffers();
        Write_Game_Start_Text(game);
        Write_Scoring_Plays_Header(game);
        Write_Period_Header(game, 1);
        Close_Scoring_Plays_Table();
        Close_Box_Score_Page();
        Close_Play_By_Play_Tables();
        const std::string box = Get_Page_Head_Text() + Get_Box_Score_HTML();
        const std::string recap = Get_Page_Head_Text() + Get_Play_By_Play_HTML();
        Write_Box_Score_File(0);
        Write_Recap_File(0);
        return std::make_pair(box, recap);
    };
    std::filesystem::remove_all("Output");
    std::filesystem::remove_all("output");
    std::filesystem::create_directories("Output");
    std::ofstream("Output/Box-24-007.htm") << std::string(200000, 'x');
    const auto pages = write_pages();
    EXPECT_EQ(Read_File("Output/Box-24-007.htm"), pages.first) << "the old page cut to the new one";
    EXPECT_EQ(Read_File("Output/Recap-24-007.htm"), pages.second) << "a new page";
    std::ofstream("Output/Box-24-007.htm") << std::string(10, 'y');
    write_pages();
    EXPECT_EQ(Read_File("Output/Box-24-007.htm"), pages.first) << "a shorter old page written over whole";
    write_pages();
    EXPECT_EQ(Read_File("Output/Box-24-007.htm"), pages.first) << "the same page again";

    std::filesystem::remove_all("Output");
    std::filesystem::create_directories("output");
    std::ofstream("output/box-24-007.htm") << std::string(200000, 'x');
    write_pages();
    EXPECT_EQ(Read_File("output/box-24-007.htm"), pages.first);
    EXPECT_EQ(Read_File("output/Recap-24-007.htm"), pages.second);
    EXPECT_FALSE(std::filesystem::exists("Output/Box-24-007.htm"));
    std::filesystem::remove_all("output");
    Clear_Game_Text_Buffers();
}

// The recap of a played game is dated on the day the schedule gives it within
// its week, whatever its kickoff time, in the season year's own calendar: in
// 2024 week 0 runs from Wednesday 4 September (after Labor Day on the 2nd), so
// the Thursday opener is on the 5th, a Sunday game on the 8th, and a Monday
// game five days after its week's Wednesday; the days that fall after New
// Year carry the next year.
TEST(GameFiles, TheRecapOfAPlayedGameIsDatedOnItsScheduledDay) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 2024 - TEST_BASE_YEAR);
    constexpr int32_t MONDAY = 0, THURSDAY = 3, SUNDAY = 6;
    struct DATED_WEEK {
        int32_t Week;
        int32_t Weekday;
        const char* Date;
    };
    const DATED_WEEK weeks[] = {{0, THURSDAY, "September 5, 2024"},
                                {0, SUNDAY, "September 8, 2024"},
                                {16, SUNDAY, "December 29, 2024"},
                                {18, MONDAY, "January 13, 2025"}};
    int32_t pair = 0;
    for (const DATED_WEEK& dated : weeks) {
        Prepare_Game_Week(dated.Week, 11);
        const int32_t home = 2 + 2 * pair++;
        ASSERT_EQ(Schedule_Game(home, home + 1, dated.Week, dated.Weekday, 2020), 1);
        const GAME_RECORD* game = Play_Test_Game(home, home + 1, dated.Week);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1) << "week " << dated.Week;
        char name[64];
        safe_sprintf(name, sizeof name, "Output/Recap-24-%03d.htm", Get_User_Preference(CURRENT_GAME_NUMBER));
        const std::string recap = Read_File(name);
        EXPECT_NE(recap.find(std::string("<TITLE>") + dated.Date + ": "), std::string::npos)
            << "week " << dated.Week << ": " << recap.substr(0, recap.find("</TITLE>"));
    }
    std::filesystem::remove_all("Output");
}

// The box score dates a game on the weekday the calendar view shows for it,
// in the season year's own calendar: a week-1 Sunday game of 1962 is played
// on 9 September 1962 (a Sunday), not on 2022's 11 September (a Tuesday in 1962).
TEST(GameFiles, AGameIsDatedOnTheCalendarsWeekdayOfItsOwnSeason) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const struct {
        int32_t Year, Week, Weekday;
        const char* Title;
    } games[] = {
        {1962, 0, 6, "<TITLE>September 9, 1962: "},  {1962, 0, 3, "<TITLE>September 6, 1962: "},
        {2022, 0, 6, "<TITLE>September 11, 2022: "}, {1962, 17, 6, "<TITLE>January 6, 1963: "},
        {1962, 4, 0, "<TITLE>October 8, 1962: "},
    };
    for (const auto& g : games) {
        Clear_Scheduled_Games(0);
        Clear_Scheduled_Games(1);
        ASSERT_EQ(Schedule_Game(1, 0, g.Week, g.Weekday, 1300), 1);
        ASSERT_EQ(Get_Team_Week_Weekday(0, g.Week), g.Weekday) << "the calendar's weekday";
        game->Season_Year = static_cast<uint16_t>(g.Year);
        game->Week = static_cast<int16_t>(g.Week);
        Clear_Game_Text_Buffers();
        Write_Game_Start_Text(game);
        EXPECT_NE(Get_Page_Head_Text().find(g.Title), std::string::npos) << Get_Page_Head_Text();
    }
    Clear_Game_Text_Buffers();
}

// The box score shows the logos the season's copy wrote: named by the team's
// abbreviation and the season's year (2022 for any later season), reached
// from the page's folder with the folders spelled as they are on disk. A team
// whose logo was not copied, or whose abbreviation names no file, gets no
// picture, and a name that a link would read otherwise is percent-encoded.
TEST(GameFiles, BoxScoreLinksTheLogosTheSeasonsCopyWrote) {
    const SCRATCH_FOLDER folder("box-score-logos");
    GAME_RECORD* game = Build_Output_Test_Game();
    auto logo_cells = [game] {
        Clear_Game_Text_Buffers();
        Write_Box_Score_Top(game);
        std::vector<std::string> cells;
        const std::string& head = Get_Page_Head_Text();
        const std::string cell = "<TD width=\"50%\" class=ltc>";
        for (size_t at = head.find(cell); cells.size() < 2 && at != std::string::npos;
             at = head.find(cell, at + 1))
            cells.push_back(head.substr(at, head.find("</TD>", at) + 5 - at));
        Clear_Game_Text_Buffers();
        return cells;
    };
    const std::string none = "<TD width=\"50%\" class=ltc></TD>";
    std::vector<std::string> cells = logo_cells();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], none) << "nothing copied yet";
    EXPECT_EQ(cells[1], none);

    // The copies in the installation's own spelling of the folder.
    std::filesystem::create_directories("logos/Downloads");
    std::filesystem::create_directories("Output");
    for (const char* name :
         {"T00-2022.png", "T01-2022.png", "Comets-2024.png", "T00-2021.png", "N#Y-2021.png"})
        std::ofstream(std::string("logos/Downloads/") + name) << "logo";
    cells = logo_cells();
    EXPECT_EQ(cells[0], "<TD width=\"50%\" class=ltc><IMG src=\"../logos/Downloads/T00-2022.png\"></TD>");
    EXPECT_EQ(cells[1], "<TD width=\"50%\" class=ltc><IMG src=\"../logos/Downloads/T01-2022.png\"></TD>");
    const std::string link = cells[0].substr(36, cells[0].size() - 36 - 7);
    EXPECT_TRUE(std::filesystem::exists("Output/" + link)) << link << " from the page's folder";

    game->Season_Year = 2021;
    cells = logo_cells();
    EXPECT_EQ(cells[0], "<TD width=\"50%\" class=ltc><IMG src=\"../logos/Downloads/T00-2021.png\"></TD>");
    EXPECT_EQ(cells[1], none) << "no copy of the season";

    Set_Team_Abbreviation("N#Y", 0);
    Set_Team_Abbreviation("../T00", 1);
    cells = logo_cells();
    EXPECT_EQ(cells[0], "<TD width=\"50%\" class=ltc><IMG src=\"../logos/Downloads/N%23Y-2021.png\"></TD>");
    EXPECT_EQ(cells[1], none) << "an abbreviation that names no file of the folder";
}

// A score is timed in the box score by the clock the game keeps: a safety
// whose snap runs past the two-minute warning reads 2:00, where the clock is
// put back for the free kick, and one on the half's last snap 0:00 of its
// quarter. A kneel-down on fourth down from the offence's own 1 is a safety
// whatever the draws, and no flag can fall on it.
TEST(GameFiles, ScoringRowsReadTheClockTheGameKeeps) {
    struct CASE {
        int32_t Clock;
        int32_t Kept_Clock;
        const char* Cells;
    };
    const CASE cases[] = {
        {3475, 3480, "<TD width=\"6%\" class=lmc>4th Q</TD><TD width=\"6%\" class=lmc>2:00</TD>"},
        {1795, 1800, "<TD width=\"6%\" class=lmc>2nd Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Clock);
        GAME_RECORD* game = Crafted_Game(c.Clock, 3, 10, 99);
        game->Timeouts[0] = 0;
        game->Timeouts[1] = 0;
        game->Current_Play.Offensive_Play = KNEEL_DOWN_PLAY;
        game->Current_Play.Defensive_Play = 0;
        Set_User_Preference(SIMULATION_RUNNING, 1);
        Clear_Game_Text_Buffers();
        Resolve_Play(game);
        Set_User_Preference(SIMULATION_RUNNING, 0);
        ASSERT_EQ(Get_Play_Result(game->Current_Play.Play_Word), RESULT_SAFETY);
        EXPECT_EQ(game->Clock, c.Kept_Clock);
        const std::string box = Get_Box_Score_HTML();
        EXPECT_NE(box.find(std::string(c.Cells) + "<TD width=\"20%\" class=lmc>Safety</TD>"),
                  std::string::npos)
            << box;
        Clear_Game_Text_Buffers();
    }
}
