#include "views/games_view_texts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"

namespace {
constexpr int32_t PERIOD_SECONDS = 900;
constexpr int32_t REGULATION = 3600;
constexpr int32_t SHOW_WEEK_STEPS = 1000;

int32_t Total(const GAME_RECORD* pGame, int32_t side, int32_t n) {
    return static_cast<int16_t>(pGame->Team_Totals[side][n]);
}
} // namespace

void Get_Title_Game_Name(const GAME_RECORD* pGame, char* buffer) {
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    Format_Week_Name(pGame->Week, buffer);
    if (strcasecmp(buffer, "Conference Championship") != 0) return;
    char league[FORMATTED_TEXT_SIZE] = "";
    const int32_t division = Get_Team_Division(pGame->Team[1]);
    Get_League_Name(division < 0 ? division : division / 4, league);
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s Title Game", league);
}

void Add_Play_Result_Points(int32_t side, int32_t result, int32_t points[2]) {
    const int32_t scorer = side != 0 ? 1 : 0;
    switch (result) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_TOUCHDOWN_RUN:
        points[scorer] += 6;
        break;
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        points[1 - scorer] += 6;
        break;
    case RESULT_SAFETY:
        points[1 - scorer] += 2;
        break;
    case RESULT_FIELD_GOAL_GOOD:
        points[scorer] += 3;
        break;
    case RESULT_EXTRA_POINT_GOOD:
        points[scorer] += 1;
        break;
    case RESULT_TWO_POINT_GOOD:
        points[scorer] += 2;
        break;
    default:
        break;
    }
}

int32_t Get_Game_Period_Score(const GAME_RECORD* pGame, int32_t period, int32_t side) {
    if (pGame == nullptr || side < 0 || side > 1) return 0;
    const int32_t last = pGame->Clock > REGULATION ? 4 : 3;
    int32_t points[2] = {0, 0};
    for (const PLAY_LOG_ENTRY& entry : pGame->Play_Log) {
        const int32_t result = Get_Play_Result(entry.Play_Word);
        // A try snapped on a period's last second belongs to its touchdown.
        int32_t clock = entry.Clock;
        if (result == RESULT_EXTRA_POINT_GOOD || result == RESULT_TWO_POINT_GOOD) --clock;
        int32_t entry_period = clock / PERIOD_SECONDS;
        if (entry_period > last) entry_period = last;
        if (entry_period < 0) entry_period = 0;
        if (entry_period != period) continue;
        Add_Play_Result_Points((entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1, result, points);
    }
    return points[side];
}

void Format_Ball_Spot(char* buffer, const GAME_RECORD* pGame) {
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (to_goal == 50) {
        safe_strncpy(buffer, "50-Yard Line", FORMATTED_TEXT_SIZE);
        return;
    }
    const int32_t team = to_goal < 50 ? Get_Game_Defense_Team(pGame) : Get_Game_Offense_Team(pGame);
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(team, name);
    const size_t length = std::strlen(name);
    const int32_t line = 50 - std::abs(50 - to_goal);
    if (length > 0 && name[length - 1] == 's')
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s' %d", name, line);
    else
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s's %d", name, line);
}

void Format_Game_Period(char* buffer, const GAME_RECORD* pGame) {
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    if (Is_Game_Over(pGame)) {
        safe_strncpy(buffer, "FINAL", FORMATTED_TEXT_SIZE);
        return;
    }
    const int32_t quarter = Get_Game_Quarter(pGame);
    if (quarter >= 5) {
        safe_strncpy(buffer, "Overtime", FORMATTED_TEXT_SIZE);
        return;
    }
    char ordinal[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Number(quarter, ordinal);
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s Quarter", ordinal);
}

void Format_Situation_Text(char* buffer, const GAME_RECORD* pGame) {
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    char spot[FORMATTED_TEXT_SIZE];
    if (Is_Game_Over(pGame)) {
        safe_strncpy(buffer, "Game Over", FORMATTED_TEXT_SIZE);
        return;
    }
    const uint32_t down = Get_Game_Down(pGame);
    if (down == KICKOFF_DOWN) {
        Format_Ball_Spot(spot, pGame);
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "Kickoff (from %s)", spot);
        return;
    }
    if (down == FREE_KICK_DOWN) {
        safe_strncpy(buffer, "Free Kick (after safety)", FORMATTED_TEXT_SIZE);
        return;
    }
    if (down == CONVERSION_ATTEMPT) {
        const int32_t call = pGame->Current_Play.Offensive_Play;
        if (call < OFFENSIVE_PLAYS &&
            Get_Offensive_Play_Type(pGame->Possession_Team, call) == PLAY_TYPE_FIELD_GOAL)
            safe_strncpy(buffer, "Point After Touchdown", FORMATTED_TEXT_SIZE);
        else
            safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "Two Point Conversion (%d-yard line)",
                         pGame->Yards_To_Goal);
        return;
    }
    if (down > 3) return;
    char word[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Words(static_cast<int32_t>(down) + 1, word);
    word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    Format_Ball_Spot(spot, pGame);
    if (pGame->Yards_To_Go == pGame->Yards_To_Goal)
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s and goal on the %s", word, spot);
    else
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s and %d on the %s", word, pGame->Yards_To_Go, spot);
}

void Get_Scoreboard_Team_Name(int32_t team, char* buffer) {
    Get_Team_Full_Name(team, buffer);
    if (strcasecmp(buffer, "Tampa Bay Buccaneers") == 0)
        safe_strncpy(buffer, "Tampa Bay Bucs", FORMATTED_TEXT_SIZE);
}

int32_t Get_Yards_Per_Rush_Tenths(int32_t yards, int32_t rushes) {
    if (rushes <= 0) return 0;
    // Rounded to the nearest tenth, halves away from zero, alike on both
    // sides of zero (-4 yards on 2 rushes is -2.0, not -1.9).
    const int32_t tenths = 10 * yards;
    return tenths >= 0 ? (tenths + rushes / 2) / rushes : (tenths - rushes / 2) / rushes;
}

void Format_Tenths(char* buffer, int32_t tenths) {
    // The whole part of -0.5 is 0: the sign is written apart so it is kept.
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s%d.%d", tenths < 0 ? "-" : "", std::abs(tenths / 10),
                 std::abs(tenths % 10));
}

const char* Get_Team_Comparison_Label(const GAME_RECORD* pGame, int32_t row) {
    static const char* const LABELS[COMPARISON_ROWS] = {
        "Total Yards", "Rushing / Passing", "Yards per Rush", "Completion %", "1st Downs", "Turnovers",
        "Sacks",       "Penalties",         "3rd Down",       "Timeouts"};
    if (row < 0 || row >= COMPARISON_ROWS) return "";
    if (row == COMPARISON_ROWS - 1 && pGame != nullptr && Is_Game_Over(pGame)) return "Possession";
    return LABELS[row];
}

void Format_Team_Comparison_Value(char* buffer, const GAME_RECORD* pGame, int32_t row, int32_t side) {
    buffer[0] = '\0';
    if (pGame == nullptr || side < 0 || side > 1) return;
    const int32_t rushing = Total(pGame, side, GAME_TOTAL_RUSHING_YARDS);
    const int32_t passing = Total(pGame, side, GAME_TOTAL_PASSING_YARDS);
    switch (row) {
    case 0:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d", rushing + passing);
        break;
    case 1:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d / %d", rushing, passing);
        break;
    case 2:
        Format_Tenths(buffer, Get_Yards_Per_Rush_Tenths(rushing, Total(pGame, side, GAME_TOTAL_RUSHES)));
        break;
    case 3: {
        const int32_t attempts = Total(pGame, side, GAME_TOTAL_PASS_ATTEMPTS);
        const int32_t completions = Total(pGame, side, GAME_TOTAL_COMPLETIONS);
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d%%",
                     attempts > 0 ? (100 * completions + attempts / 2) / attempts : 0);
        break;
    }
    case 4:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d", Total(pGame, side, GAME_TOTAL_FIRST_DOWNS));
        break;
    case 5:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d", Total(pGame, side, GAME_TOTAL_TURNOVERS));
        break;
    case 6:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d", Total(pGame, side, GAME_TOTAL_SACKS));
        break;
    case 7: {
        const int32_t penalties = Total(pGame, side, GAME_TOTAL_PENALTIES);
        if (penalties == 0)
            safe_strncpy(buffer, "None", FORMATTED_TEXT_SIZE);
        else
            safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d for %d", penalties,
                         Total(pGame, side, GAME_TOTAL_PENALTY_YARDS));
        break;
    }
    case 8:
        safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d / %d",
                     Total(pGame, side, GAME_TOTAL_THIRD_DOWN_CONVERSIONS),
                     Total(pGame, side, GAME_TOTAL_THIRD_DOWN_ATTEMPTS));
        break;
    case 9:
        if (Is_Game_Over(pGame)) {
            const int32_t seconds =
                static_cast<uint16_t>(pGame->Team_Totals[side][GAME_TOTAL_POSSESSION_SECONDS]);
            safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d:%02d", seconds / 60, seconds % 60);
        } else {
            safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%d", pGame->Timeouts[side]);
        }
        break;
    default:
        break;
    }
}

void Get_Week_Tab_Range(int32_t week, int32_t* first, int32_t* last) {
    const int32_t newest = Get_User_Preference(CURRENT_WEEK) - 1;
    int32_t from = week - 3, to = week + 2;
    if (to > newest) to = newest;
    if (from < 0) {
        to = std::min(newest, to - from);
        from = 0;
    }
    *first = from;
    *last = to;
}

void Show_Games_Of_Week(int32_t target) {
    const int32_t mark = Universe.Post_Season_Days[3] - 1;
    if (target > mark) target = mark;
    const int32_t completed = Count_Completed_Games();
    int32_t index = Get_User_Preference(SHOWN_GAME_INDEX);
    if (completed <= 0) return;
    if (index < 0) index = 0;
    if (index >= completed) index = completed - 1;
    for (int32_t step = 0; step < SHOW_WEEK_STEPS; ++step) {
        const int32_t week = Get_Game_Week(Get_Game_Record(index));
        if (week == target) break;
        const int32_t next = index + (week < target ? 1 : -1);
        if (next < 0 || next >= completed) break;
        index = next;
    }
    Set_User_Preference(SHOWN_GAME_INDEX, index);
}
