// Figures of the game day that a user reads in more than one place: the
// line of the game in the matchup dialog and on the calendar, and the spot of
// a kickoff return as the announcer, the play text and the field give it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/play_text.h"
#include "frontoffice/depth_charts.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "season/week_advance.h"
#include "support/game_day_fixture.h"
#include "views/calendar_view.h"
#include "views/current_view.h"
#include "views/matchup_dialog_template.h"
#include "views/point_spreads.h"

namespace {
constexpr int32_t SPREAD_STAT = 18;
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t MOST_TURNS = 20000;

std::string Calendar_Spread_Text() {
    char text[64];
    Get_Calendar_Stat_Text(GAME_DAY_HOME, 0, SPREAD_STAT, text);
    return text;
}

// The calendar's spread text ("-3.5 (ABC)") as the dialog words it.
std::string Dialog_Words_Of(const std::string& calendar) {
    if (calendar == "Pick'em") return "Vegas Line: Pick 'em";
    const size_t open = calendar.find(" (");
    const std::string points = calendar.substr(1, open - 1);
    const std::string abbreviation = calendar.substr(open + 2, calendar.size() - open - 3);
    char home[64], visitor[64];
    Get_Team_String(home, GAME_DAY_HOME, 0);
    Get_Team_String(visitor, GAME_DAY_VISITOR, 0);
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(abbreviation == home ? GAME_DAY_HOME : GAME_DAY_VISITOR, name);
    if (abbreviation != home && abbreviation != visitor) return "no team named " + abbreviation;
    return std::string(name) + " favored by " + points + (points == "1" ? " point" : " points");
}

struct MATCHUP_LOOK {
    std::string Dialog;
    std::string Calendar;
};
MATCHUP_LOOK matchup_look;

void Read_The_Matchup() {
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    matchup_look.Dialog = Get_Dialog_Item_Text(open.back(), MATCHUP_SPREAD_TEXT);
    matchup_look.Calendar = Calendar_Spread_Text();
    Take_Screen_Picture("matchup-line");
}

// The yard line a text names after `lead` ("to his 33", "on the 35-yard line").
int32_t Number_After(const std::string& text, const std::string& lead) {
    const size_t at = text.find(lead);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + lead.size());
}

struct RETURN_WATCHER {
    int32_t Turns = 0;
    int32_t Returns = 0;
    int32_t Tackles_Named = 0;
    std::vector<std::string> Problems;
};

// The yard line before "-yard line" in an announcer's line, or -1.
int32_t Announced_Yard_Line(const std::string& line) {
    size_t at = line.find("-yard line");
    if (at == std::string::npos) return -1;
    while (at > 0 && line[at - 1] >= '0' && line[at - 1] <= '9')
        --at;
    return std::atoi(line.c_str() + at);
}

// After each kickoff or punt return played back: the spot the ball is put
// on, the play text's yard line (kickoffs) and the announcer's tackle line
// name one yard line; a line said to be near a mark rounds it down to five.
void Compare_Return_Spot(RETURN_WATCHER* w) {
    const GAME_RECORD* game = Current_Game;
    const PLAY_LOG_ENTRY& play = game->Current_Play;
    const int32_t result = Get_Play_Result(play.Play_Word);
    const bool kickoff = result == RESULT_KICKOFF_RETURNED;
    if (!kickoff && !(result == RESULT_PUNT_RETURNED && play.Yard2 != 0)) return;
    ++w->Returns;
    const int32_t to_goal = game->Yards_To_Goal;
    const int32_t yard_line = to_goal < 50 ? to_goal : 100 - to_goal;
    char summary[256];
    Write_Play_Summary_Sentence(game, &play, summary, sizeof summary);
    const std::string sentence = summary;
    const int32_t said =
        to_goal < 50 ? Number_After(sentence, "to opponent's ") : Number_After(sentence, "to his ");
    if (kickoff && said != yard_line)
        w->Problems.push_back("\"" + sentence + "\" with the ball " + std::to_string(to_goal) +
                              " from the goal");
    for (int32_t i = 0; i < PLAY_EVENT_SLOTS; ++i) {
        if (play.Events[i].Event_Id != 21) continue;
        char line[COMMENTARY_LINE_SIZE];
        Get_Commentary_Line(i, line);
        const std::string tackle = line;
        const int32_t named = Announced_Yard_Line(tackle);
        if (named < 0) continue;
        ++w->Tackles_Named;
        const int32_t expected =
            tackle.find("near the") != std::string::npos ? (yard_line + 2) / 5 * 5 : yard_line;
        if (named != expected)
            w->Problems.push_back("\"" + tackle + "\" after \"" + sentence + "\" with the ball " +
                                  std::to_string(to_goal) + " from the goal");
    }
}

// The computer calls both sides; the user only clicks on after each snap.
void Watch_Returns(void* context) {
    RETURN_WATCHER* w = static_cast<RETURN_WATCHER*>(context);
    if (++w->Turns > MOST_TURNS || Current_Game == nullptr) return;
    if (Get_User_Preference(WAITING_FOR_CLICK) == 0) return;
    Compare_Return_Spot(w);
    Press_Key(KEY_ENTER);
}
} // namespace

using GameDayFigures = GameDayTest;

// The dialog words the line the calendar shows for the game, both while the
// dialog is open and once the game is played from the line the record keeps.
TEST_F(GameDayFigures, TheMatchupDialogAndTheCalendarShowTheGamesOneLine) {
    Start_Game_Day();
    // The computer teams' depth charts as the season start and every advance
    // leave them: the calendar's line before the advance is the kickoff's.
    Auto_Set_Computer_Depth_Charts(0);
    const std::string before = Calendar_Spread_Text();
    matchup_look = {};
    Script_Dialog_Control_Click(PRE_GAME_MATCHUP_DIALOG, MATCHUP_SIMULATE_BUTTON, Read_The_Matchup);
    Advance_Weeks(1);
    ASSERT_FALSE(matchup_look.Dialog.empty()) << "the matchup dialog was not shown";
    EXPECT_EQ(matchup_look.Dialog, Dialog_Words_Of(matchup_look.Calendar));
    EXPECT_EQ(before, matchup_look.Calendar) << "the line shown before the advance";
    const GAME_RECORD* game = Get_Game_Record(Get_Team_Schedule_Stat(GAME_DAY_HOME, 0, SCHEDULE_GAME_INDEX));
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(Is_Game_Over(game), 1);
    EXPECT_EQ(Calendar_Spread_Text(), matchup_look.Calendar)
        << "the played game keeps the line it was shown with";
    Set_User_Preference(VIEWED_TEAM, GAME_DAY_HOME);
    Set_User_Preference(CALENDAR_COLUMN_SETTING, SPREAD_STAT);
    Clear_Drawn_Texts();
    Set_Current_View(CALENDAR_VIEW);
    EXPECT_GT(Take_View_Picture("calendar-line"), 100);
    EXPECT_TRUE(Was_Text_Drawn(matchup_look.Calendar)) << "the calendar shows the game's line";
}

TEST_F(GameDayFigures, AReturnIsSpottedWhereTheAnnouncerAndThePlayTextPutIt) {
    Start_Game_Day();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Set_User_Preference(AUTO_CALL_OFFENSE, 1);
    Set_User_Preference(AUTO_CALL_DEFENSE, 1);
    Universe.Header.Require_Click_After_Each_Play = 1;
    RETURN_WATCHER watcher;
    Play_Watched_Week(Watch_Returns, &watcher);
    ASSERT_EQ(Is_Game_Over(Get_Game_Record(0)), 1);
    for (const std::string& problem : watcher.Problems)
        ADD_FAILURE() << problem;
    EXPECT_GE(watcher.Returns, 2) << "the game had too few returns to compare";
    EXPECT_GE(watcher.Tackles_Named, 1) << "no tackle line named a yard line";
}
