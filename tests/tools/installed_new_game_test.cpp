// A new player's first minutes on the installation the build makes: the
// program starts on it, New Game opens on its default season and starts it,
// and seasons of every era open from the dialog's list and start, all
// without a message but the desktop's refusal of the reminder page; an early season, whose rosters were cut
// to the game's smallest roster, plays its first week.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "app/context_help.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/startup.h"
#include "app/welcome_dialog.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/new_game_dialog.h"
#include "dialogs/saved_game_names.h"
#include "engine/game_driver.h"
#include "personnel/draft_state.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "season/new_game_choices.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installed_seasons.h"
#include "views/timeline_strip.h"

namespace {
const char* const ARGUMENTS[] = {"football_korva", "IS_NOT_RANDOM"};

std::string Shown_Messages_Text() {
    std::string text;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        text += "\"" + message.Caption + "\": " + message.Text + "\n";
    return text;
}

// What the player sees in the New Game dialog before pressing Play, and after.
struct NEW_GAME_SEEN {
    int32_t Seasons_Listed = 0;
    std::string First_Listed;
    std::string Last_Listed;
    std::string Selected;
    std::string Messages_Before_Play;
    int32_t Year_Started = 0;
    int32_t User_Team = -1;
    std::string Messages_After_Play;
};

void Look_At_League(void* context) {
    NEW_GAME_SEEN* seen = static_cast<NEW_GAME_SEEN*>(context);
    seen->Year_Started = Get_Current_Year();
    seen->User_Team = Get_User_Preference(USER_TEAM);
    seen->Messages_After_Play = Shown_Messages_Text();
}

// Chooses `year` in the open dialog's season list (the default when 0),
// notes what the dialog shows, and plays.
void Script_New_Game_Choice(NEW_GAME_SEEN* seen, int32_t year) {
    Script_Dialog_Step([seen, year](WINDOW_HANDLE dialog) {
        if (year != 0) Choose_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO, year - FIRST_NEW_GAME_SEASON);
        seen->Seasons_Listed = Count_Dialog_Lines(dialog, NEW_GAME_SEASON_COMBO);
        seen->First_Listed = Get_Dialog_Line_Text(dialog, NEW_GAME_SEASON_COMBO, 0);
        seen->Last_Listed = Get_Dialog_Line_Text(dialog, NEW_GAME_SEASON_COMBO, seen->Seasons_Listed - 1);
        seen->Selected = Get_Dialog_Line_Text(dialog, NEW_GAME_SEASON_COMBO,
                                              Get_Dialog_Line(dialog, NEW_GAME_SEASON_COMBO));
        seen->Messages_Before_Play = Shown_Messages_Text();
        Click_Dialog_Button(dialog, NEW_GAME_PLAY_BUTTON);
    });
}

// Opens New Game from the main window with no message left over, chooses
// `year` and plays: what the dialog showed and the league it started.
NEW_GAME_SEEN Start_New_Game_Of(int32_t year) {
    Clear_Shown_Messages();
    NEW_GAME_SEEN seen;
    Script_New_Game_Choice(&seen, year);
    Do_Dialog(Main_Window, NEW_GAME_DIALOG, 0);
    Look_At_League(&seen);
    return seen;
}

class InstalledNewGame : public InstalledFrameTest {};
} // namespace

TEST_F(InstalledNewGame, TheProgramStartsAndNewGameStartsItsDefaultSeasonTellingOnlyTheRefusedReminder) {
    NEW_GAME_SEEN seen;
    // A first start on a machine without a browser: the pages the game opens
    // by itself (the reminder, the first start's help page) are refused.
    for (int32_t n = 0; n < 4; ++n)
        Script_Shell_Result(SHELL_OPEN_FAILED);
    Script_Dialog_Answer(WELCOME_DIALOG, WELCOME_NEW_GAME);
    Script_New_Game_Choice(&seen, 0);
    Script_Action(Look_At_League, &seen);
    Script_Close_Request();
    Run_Football_Korva(2, ARGUMENTS);

    // The reminder opens through Launch_URL, which tells every refusal: the
    // desktop could not open the page, which is there; the help page's
    // refusal is only logged.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const bool reminding =
        local.tm_year + 1900 > 2024 || (local.tm_year + 1900 == 2024 && local.tm_mon + 1 >= 9);
    const std::string refused_reminder =
        "\"Could Not Open\": Your desktop could not open this for Football Korva:\n\n" +
        Get_Help_Page_Path("whatsnew") +
        "\n\nYou can open it yourself, in a web browser or a file manager.\n";
    const std::string told = reminding ? refused_reminder : "";
    EXPECT_GE(Get_Shell_Requests().size(), 2u) << "the reminder and the help page were asked for";
    EXPECT_EQ(seen.Seasons_Listed, LAST_NEW_GAME_SEASON - FIRST_NEW_GAME_SEASON + 1);
    EXPECT_EQ(seen.First_Listed, std::to_string(FIRST_NEW_GAME_SEASON));
    EXPECT_EQ(seen.Last_Listed, std::to_string(LAST_NEW_GAME_SEASON));
    EXPECT_EQ(seen.Selected, std::to_string(LAST_NEW_GAME_SEASON)) << "the newest season is the default";
    EXPECT_EQ(seen.Messages_Before_Play, told) << "start-up tells the refused reminder, the dialog nothing";
    EXPECT_EQ(seen.Year_Started, LAST_NEW_GAME_SEASON);
    EXPECT_EQ(seen.User_Team, 0) << "the first franchise listed is the user's";
    EXPECT_EQ(seen.Messages_After_Play, told) << "starting the game says nothing";
}

// The program starts on the installed league: the main window, made before
// the league is loaded, asks nothing of the empty block, and the league loads
// as it was written, so no repair is logged. Neither is one by a load of the
// New Game dialog's first season.
TEST_F(InstalledNewGame, TheStartingLeaguesLoadWithoutARepair) {
    const char* const repair = "A draft round was set outside the off-season";
    Clear_Debug_Log();
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    Run_Football_Korva(2, ARGUMENTS);
    ASSERT_EQ(Get_Current_Year(), 2019) << "the installed league was loaded";
    EXPECT_EQ(Read_Debug_Log_Text().find(repair), std::string::npos) << Read_Debug_Log_Text();

    for (const char* database : {DEFAULT_DATABASE_NAME, "databases/universe-2022.dat"}) {
        SCOPED_TRACE(database);
        Clear_Debug_Log();
        Clear_Shown_Messages();
        ASSERT_EQ(Load_Game(database), 1);
        EXPECT_EQ(Read_Debug_Log_Text().find(repair), std::string::npos) << Read_Debug_Log_Text();
        EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
        EXPECT_EQ(Shown_Messages_Text(), "");
        EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
        EXPECT_GT(Count_Draft_Pool_Players(), 0) << "the coming draft's pool";
    }
}

TEST_F(InstalledNewGame, SeasonsOfEveryEraOpenFromTheListAndStartWithoutAMessage) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    ASSERT_EQ(Shown_Messages_Text(), "");
    for (int32_t year : {1951, 1960, 1966, 1970, 1978, 1987, 1995, 2002, 2010, 2018, 2019, 2020, 2021}) {
        SCOPED_TRACE(year);
        const NEW_GAME_SEEN seen = Start_New_Game_Of(year);
        EXPECT_EQ(seen.Selected, std::to_string(year));
        EXPECT_EQ(seen.Messages_Before_Play, "") << "choosing the season says nothing";
        EXPECT_EQ(seen.Year_Started, year);
        EXPECT_EQ(seen.Messages_After_Play, "");
        // A historical season starts in Replay Mode: the installation's
        // seasons file gave its players their real season without a word.
        EXPECT_EQ(Universe.Header.Replay_Mode, year < 2022 ? 1 : 0);
        EXPECT_TRUE(Is_Active_Team(seen.User_Team));
        // The game is saved under the user's team and the one season it has played.
        char name[DEFAULT_SAVE_NAME_SIZE], team[FORMATTED_TEXT_SIZE];
        Get_Usable_Saved_Game_Name(name, sizeof name);
        Get_Team_Full_Name(seen.User_Team, team);
        EXPECT_EQ(std::string(name), std::string(team) + " (" + std::to_string(year) + ")");
    }
}

TEST_F(InstalledNewGame, AnEarlySeasonWithItsCutRostersPlaysItsFirstWeek) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    const NEW_GAME_SEEN seen = Start_New_Game_Of(1951);
    ASSERT_EQ(seen.Year_Started, 1951);
    EXPECT_EQ(seen.Messages_After_Play, "");

    // The user simulates the first week from the timeline.
    Script_Message_Answer("Confirm", ID_BOX_YES);
    Do_Timeline_Week_Action(0, 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 1);
    std::set<int32_t> games;
    int32_t smallest_roster = PLAYERS_PER_TEAM;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        SCOPED_TRACE(team);
        const int32_t record = Get_Team_Schedule_Stat(team, 0, SCHEDULE_GAME_INDEX);
        ASSERT_GE(record, 0) << "every franchise of 1951 plays the first week";
        const GAME_RECORD* game = Get_Game_Record(record);
        ASSERT_NE(game, nullptr);
        EXPECT_EQ(Is_Game_Over(game), 1);
        games.insert(record);
        smallest_roster = std::min(smallest_roster, Get_First_Empty_Player_Slot(team));
    }
    EXPECT_EQ(games.size(), 6u) << "twelve franchises, six games";
    EXPECT_GE(smallest_roster, 51) << "no team played short of the game's smallest roster";
    EXPECT_EQ(Shown_Messages_Text(), "\"Confirm\": Simulate every game in week 1?\n");
}

// A season of two leagues (1960-1969) plays each league's own schedule file,
// so a New Game of 1962 or of 1969 started from the dialog has no game between
// the leagues, every team of a league plays the season's fourteen games, and
// nobody meets an opponent more than twice.
TEST_F(InstalledNewGame, ASeasonOfTwoLeaguesHasNoGameBetweenThem) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    // Each league's teams a game: 14 and 8 teams in 1962, 16 and 10 in 1969.
    for (const auto& [year, season_games] : {std::pair{1962, 154}, std::pair{1969, 182}}) {
        SCOPED_TRACE(year);
        const NEW_GAME_SEEN seen = Start_New_Game_Of(year);
        ASSERT_EQ(seen.Year_Started, year);
        EXPECT_EQ(seen.Messages_After_Play, "");
        ASSERT_EQ(Count_Leagues(), 2);
        int32_t games = 0;
        std::string crossing;
        for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
            char name[FORMATTED_TEXT_SIZE];
            Get_Team_Full_Name(team, name);
            SCOPED_TRACE(name);
            EXPECT_EQ(Count_First_Listed_Games(team) + Count_Second_Listed_Games(team), 14);
            games += Count_First_Listed_Games(team);
            for (int32_t week = 0; week < Get_Season_Length(); ++week) {
                const int32_t opponent = Get_Team_Week_Opponent(team, week);
                if (!Is_Active_Team(opponent)) continue;
                EXPECT_LE(Count_Games_Against(team, opponent), 2);
                if (Get_Team_Conference(opponent) == Get_Team_Conference(team)) continue;
                char other[FORMATTED_TEXT_SIZE];
                Get_Team_Full_Name(opponent, other);
                crossing += std::string(name) + " - " + other + " in week " + std::to_string(week + 1) + "\n";
            }
        }
        EXPECT_EQ(games, season_games);
        EXPECT_EQ(crossing, "") << "games between the leagues";
        EXPECT_LE(Get_Season_Length(), 18);
    }
}

// A season of two leagues whose NFL schedule file is empty is not played on
// it: no NFL team sits out the season while the AFL plays. The year before,
// whose files fit the league, gives every team its fourteen games, and the
// log says why 1962's were not taken.
TEST_F(InstalledNewGame, ASeasonWhoseScheduleFileIsEmptyStillGivesEveryTeamItsGames) {
    namespace fs = std::filesystem;
    // The test's own schedule folder: links to the installation's files, but
    // for an empty NFL file of 1962.
    const fs::path schedules = "Input/Schedules";
    const fs::path installed = fs::read_symlink(schedules);
    ASSERT_TRUE(fs::remove(schedules));
    fs::create_directory(schedules);
    for (const fs::directory_entry& entry : fs::directory_iterator(installed))
        fs::create_symlink(entry.path(), schedules / entry.path().filename());
    fs::remove(schedules / "1962-NFL.csv");
    std::ofstream(schedules / "1962-NFL.csv") << "Week,Away_Team,Home_Team,Day,Date\n";

    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    Clear_Debug_Log();
    const NEW_GAME_SEEN seen = Start_New_Game_Of(1962);
    ASSERT_EQ(seen.Year_Started, 1962);
    EXPECT_EQ(seen.Messages_After_Play, "");
    ASSERT_EQ(Count_Leagues(), 2);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, name);
        EXPECT_EQ(Count_First_Listed_Games(team) + Count_Second_Listed_Games(team), 14) << name;
    }
    EXPECT_EQ(Count_Debug_Lines("the schedule files of 1962 do not fit the season of 1962"), 1)
        << Read_Debug_Log_Text();
}

// The start-up league holds no line of its own season: a New Game of 2019
// opens each player's line of the season as he plays it, so after a week no
// player shows an empty row of 2019 above his real one. A player who left a
// team and came back within a season has a row of each stay, another team's
// row between them, as a move to a team opens a row of its own.
TEST_F(InstalledNewGame, AfterAWeekOfTheDefaultSeasonNoPlayerHasTwoRowsOfOneYearAndTeam) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    const NEW_GAME_SEEN seen = Start_New_Game_Of(2019);
    ASSERT_EQ(seen.Year_Started, 2019);
    Script_Message_Answer("Confirm", ID_BOX_YES);
    Do_Timeline_Week_Action(0, 1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 1);
    int32_t players = 0, credited = 0;
    std::string doubled;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            ++players;
            std::set<std::pair<int32_t, int32_t>> rows;
            // The team of each year's latest row so far.
            std::map<int32_t, int32_t> last_team;
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line == NO_SEASON_LINE || Get_Season_Line_Kind(line) < 0) continue;
                const int32_t year = Get_Season_Line_Year(line);
                if (year == 2019 && Get_Season_Line_Stat(line, 0) > 0) ++credited;
                const auto before = last_team.find(year);
                const bool returned =
                    before != last_team.end() && before->second != Get_Season_Line_Team(line);
                last_team[year] = Get_Season_Line_Team(line);
                if (rows.insert({year, Get_Season_Line_Team(line)}).second || returned) continue;
                char name[PLAYER_NAME_TEXT_SIZE];
                Get_Player_Full_Name(team, slot, name);
                doubled += std::string(name) + ": two rows of " + std::to_string(Get_Season_Line_Year(line)) +
                           " with team " + std::to_string(Get_Season_Line_Team(line)) + "\n";
            }
        }
    EXPECT_GT(players, 32 * 45);
    EXPECT_GT(credited, 32 * 22) << "the week's games were credited to rows of 2019";
    EXPECT_EQ(doubled, "");
}
