#include "dialogs/league_editor_dialog.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/team_lists.h"
#include "database/cities.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/inflation_factor.h"
#include "dialogs/small_dialogs.h"
#include "dialogs/typed_numbers.h"
#include "frontoffice/finance_stats.h"
#include "personnel/draft_pool.h"
#include "personnel/fantasy_draft.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "season/schedule_generation.h"
#include "season/season_calendar.h"

bool Schedule_Needs_Rebuild = false;

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t NUMBER = WINDOW_TAB_STOP | CONTROL_RIGHT_TEXT;
constexpr uint32_t TEAM_COMBO = WINDOW_TAB_STOP | CONTROL_OWNER_DRAW;
constexpr int32_t DIVISIONS_PER_LEAGUE = 4;
constexpr int32_t TEAM_TEXT_LENGTH = 31;
constexpr int32_t NICKNAME_DISPLAY_LENGTH = 13;
constexpr int64_t CASH_LIMIT = 1000000000;
constexpr int32_t MOST_RECORD_GAMES = 127;
constexpr int32_t LAST_RECORDED_SEASON = 99;
constexpr int32_t WEEK_CHOICES = 18;
constexpr int32_t PERCENT_CHOICES = 21;
constexpr int32_t OVERTIME_POSSESSION_RULE = 89;
constexpr int32_t BASE_SEASON = 2022;
constexpr int32_t FICTIONAL_FLAG_OFF = 0;

struct RULE_COMBO {
    int32_t Id;
    int32_t Setting;
    const char* Choices[4];
    int32_t Count;
};

// The rule combos whose index is the setting itself.
const RULE_COMBO RULE_COMBOS[] = {
    {KICKOFF_COMBO, KICKOFF_SPOT_CODE, {"30-Yard Line", "35-Yard Line", "40-Yard Line"}, 3},
    {TOUCHBACK_COMBO, KICKOFF_TOUCHBACK_RULE, {"20-Yard Line", "25-Yard Line"}, 2},
    {MISSED_FIELD_GOAL_COMBO,
     MISSED_FIELD_GOAL_SPOT,
     {"Kick Location", "Line of Scrimmage", "20-Yard Line"},
     3},
    {OVERTIME_POSSESSION_COMBO, OVERTIME_POSSESSION_RULE, {"Coin Flip", "Home Team"}, 2},
    {OVERTIME_RULES_COMBO,
     REGULAR_SEASON_OVERTIME_RULE,
     {"Sudden Death", "6-Point Threshold", "Sudden Death (no ties)", "6-Point Threshold (no ties)"},
     4},
    {PLAYOFF_OVERTIME_COMBO,
     PLAYOFF_OVERTIME_RULE,
     {"Sudden Death", "6-Point Threshold", "Sudden Death (no ties)", "6-Point Threshold (no ties)"},
     4},
};
const char* const EXTRA_POINT_SPOTS[] = {"2-Yard Line", "15-Yard Line", "20-Yard Line", "25-Yard Line",
                                         "30-Yard Line"};
const char* const OVERTIME_LENGTHS[] = {"15 minutes", "10 minutes", "5 minutes"};

const int32_t PERCENT_COMBOS[] = {SALARY_DEMANDS_COMBO,  LEAGUE_REVENUE_COMBO, INJURY_FREQUENCY_COMBO,
                                  INJURY_SEVERITY_COMBO, DRAFT_TALENT_COMBO,   PLAYER_AGING_COMBO};

#define LABEL(x, y, w, text)                                                                                 \
    { CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {x, y, w, 9}, text, 0 }
#define DIVISION_ROW(n, x, y)                                                                                \
    {CONTROL_EDIT, DIVISION_NAME_EDITS[n], {x, y, 84, 12}, "", BUTTON}, {                                    \
        CONTROL_STATIC_TEXT, DIVISION_COUNT_TEXTS[n], {(x) + 2, (y) + 13, 80, 8}, "", 0                      \
    }
#define RULE_ROW(id, y, text)                                                                                \
    LABEL(208, (y) + 2, 118, text), {                                                                        \
        CONTROL_COMBO_BOX, id, {328, y, 128, 56}, "", BUTTON                                                 \
    }

const DIALOG_CONTROL LEAGUE_EDITOR_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {4, 4, 192, 120}, "Leagues and Divisions", 0},
    {CONTROL_EDIT, LEAGUE_NAME_EDITS[0], {10, 16, 84, 12}, "", BUTTON},
    {CONTROL_EDIT, LEAGUE_NAME_EDITS[1], {104, 16, 84, 12}, "", BUTTON},
    DIVISION_ROW(0, 10, 32),
    DIVISION_ROW(1, 10, 54),
    DIVISION_ROW(2, 10, 76),
    DIVISION_ROW(3, 10, 98),
    DIVISION_ROW(4, 104, 32),
    DIVISION_ROW(5, 104, 54),
    DIVISION_ROW(6, 104, 76),
    DIVISION_ROW(7, 104, 98),
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {4, 128, 192, 110}, "Season", 0},
    LABEL(10, 142, 110, "Season Games:"),
    {CONTROL_EDIT, SEASON_GAMES_EDIT, {150, 140, 40, 12}, "", NUMBER},
    LABEL(10, 158, 110, "Wild Card Teams:"),
    {CONTROL_EDIT, WILD_CARDS_EDIT, {150, 156, 40, 12}, "", NUMBER},
    LABEL(10, 174, 100, "Salary Cap (0 = no cap):"),
    {CONTROL_EDIT, SALARY_CAP_EDIT, {112, 172, 78, 12}, "", NUMBER},
    {CONTROL_STATIC_TEXT, INFLATION_LABEL, {10, 190, 138, 9}, "", 0},
    {CONTROL_EDIT, INFLATION_EDIT, {150, 188, 40, 12}, "", NUMBER},
    LABEL(10, 206, 110, "Start Year:"),
    {CONTROL_EDIT, START_YEAR_EDIT, {150, 204, 40, 12}, "", NUMBER},
    LABEL(10, 222, 80, "Current Date:"),
    {CONTROL_COMBO_BOX, CURRENT_DATE_COMBO, {112, 220, 78, 90}, "", BUTTON},
    {CONTROL_CHECK_BOX, SUPER_BOWL_BOX, {8, 244, 188, 10}, "Super Bowl", BUTTON},
    {CONTROL_CHECK_BOX, OVERTIME_GAMES_BOX, {8, 256, 188, 10}, "Overtime Games", BUTTON},
    {CONTROL_CHECK_BOX, TWO_POINT_BOX, {8, 268, 188, 10}, "2-Point Conversions", BUTTON},
    {CONTROL_CHECK_BOX, FICTIONAL_ROOKIES_BOX, {8, 280, 188, 10}, "Fictional Rookies", BUTTON},
    {CONTROL_CHECK_BOX,
     REAL_SCHEDULES_BOX,
     {8, 280, 188, 10},
     "Use Real Schedules (2001 and later)",
     BUTTON | CONTROL_HIDDEN},
    {CONTROL_CHECK_BOX,
     SAME_DIVISION_BOX,
     {8, 298, 300, 10},
     "Prohibit Same-Division Matchups in Division Round",
     BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {202, 4, 260, 152}, "Game Rules", 0},
    RULE_ROW(KICKOFF_COMBO, 16, "Kickoff Location:"),
    RULE_ROW(TOUCHBACK_COMBO, 33, "Touchbacks on Kickoff:"),
    RULE_ROW(EXTRA_POINT_COMBO, 50, "Extra Point Hash Mark:"),
    RULE_ROW(MISSED_FIELD_GOAL_COMBO, 67, "Spot After Missed Field Goal:"),
    RULE_ROW(OVERTIME_LENGTH_COMBO, 84, "Overtime Period Length:"),
    RULE_ROW(OVERTIME_POSSESSION_COMBO, 101, "Overtime Possession:"),
    RULE_ROW(OVERTIME_RULES_COMBO, 118, "Overtime Rules:"),
    RULE_ROW(PLAYOFF_OVERTIME_COMBO, 135, "Playoff Overtime:"),
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {202, 160, 260, 118}, "Money and Simulation", 0},
    RULE_ROW(SALARY_DEMANDS_COMBO, 172, "Salary Demands:"),
    RULE_ROW(LEAGUE_REVENUE_COMBO, 189, "League Revenue:"),
    RULE_ROW(INJURY_FREQUENCY_COMBO, 206, "Injury Frequency:"),
    RULE_ROW(INJURY_SEVERITY_COMBO, 223, "Injury Severity:"),
    RULE_ROW(DRAFT_TALENT_COMBO, 240, "Draft Talent:"),
    RULE_ROW(PLAYER_AGING_COMBO, 257, "Player Aging:"),
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {468, 4, 192, 246}, "Team Info", 0},
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {474, 16, 180, 160}, "", TEAM_COMBO},
    LABEL(474, 36, 56, "Home:"),
    {CONTROL_EDIT, TEAM_HOME_EDIT, {532, 34, 122, 12}, "", BUTTON},
    LABEL(474, 52, 56, "Nickname:"),
    {CONTROL_EDIT, TEAM_NICKNAME_EDIT, {532, 50, 122, 12}, "", BUTTON},
    LABEL(474, 68, 92, "3-Letter Abbreviation:"),
    {CONTROL_EDIT, TEAM_ABBREVIATION_EDIT, {568, 66, 40, 12}, "", BUTTON},
    LABEL(474, 84, 56, "Home City:"),
    {CONTROL_COMBO_BOX, TEAM_CITY_COMBO, {532, 82, 122, 160}, "", BUTTON},
    LABEL(474, 100, 56, "Division:"),
    {CONTROL_COMBO_BOX, TEAM_DIVISION_COMBO, {532, 98, 122, 120}, "", BUTTON},
    LABEL(474, 116, 56, "Fan Loyalty:"),
    {CONTROL_COMBO_BOX, TEAM_LOYALTY_COMBO, {532, 114, 50, 160}, "", BUTTON},
    LABEL(474, 132, 56, "Cash:"),
    {CONTROL_EDIT, TEAM_CASH_EDIT, {532, 130, 90, 12}, "", NUMBER},
    LABEL(474, 148, 56, "Wins:"),
    {CONTROL_EDIT, TEAM_WINS_EDIT, {532, 146, 30, 12}, "", NUMBER},
    LABEL(572, 148, 34, "Losses:"),
    {CONTROL_EDIT, TEAM_LOSSES_EDIT, {608, 146, 30, 12}, "", NUMBER},
    {CONTROL_RADIO_BUTTON, TEAM_HUMAN_RADIO, {474, 164, 56, 10}, "Human", BUTTON | CONTROL_GROUP},
    {CONTROL_RADIO_BUTTON, TEAM_COMPUTER_RADIO, {532, 164, 70, 10}, "Computer", BUTTON},
    LABEL(474, 182, 56, "GM Name:"),
    {CONTROL_EDIT, TEAM_GM_EDIT, {532, 180, 122, 12}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, ALL_HUMAN_BUTTON, {474, 200, 88, 14}, "&All Human", BUTTON},
    {CONTROL_PUSH_BUTTON, ALL_CPU_BUTTON, {566, 200, 88, 14}, "&All CPU", BUTTON},
    {CONTROL_PUSH_BUTTON, ADD_TEAM_BUTTON, {474, 220, 88, 14}, "&Add a New Team", BUTTON},
    {CONTROL_PUSH_BUTTON, ERASE_TEAM_BUTTON, {566, 220, 88, 14}, "&Erase This Team", BUTTON},
    {CONTROL_PUSH_BUTTON, LEAGUE_REFRESH_BUTTON, {468, 296, 60, 14}, "&Refresh", BUTTON},
    {CONTROL_PUSH_BUTTON, LEAGUE_HELP_BUTTON, {534, 296, 60, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {600, 296, 60, 14}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef LABEL
#undef DIVISION_ROW
#undef RULE_ROW

int32_t Viewed_Team() {
    return Get_User_Preference(VIEWED_TEAM);
}

bool Is_Team_Shown() {
    return Is_Used_Franchise_Slot(Viewed_Team());
}

bool Is_Checked(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Dialog_Button_Checked(dialog, id) == BUTTON_CHECKED;
}

void Check(WINDOW_HANDLE dialog, int32_t id, bool on) {
    Check_Dialog_Button(dialog, id, on ? BUTTON_CHECKED : BUTTON_UNCHECKED);
}

void Enable(WINDOW_HANDLE dialog, int32_t id, bool on) {
    Enable_Window(Get_Dialog_Item(dialog, id), on);
}

void Set_Number(WINDOW_HANDLE dialog, int32_t id, int64_t value) {
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    Set_Dialog_Item_Text(dialog, id, text);
}

// Money with "$" and thousands separators ("-$1,500,000" in debt).
void Set_Money(WINDOW_HANDLE dialog, int32_t id, int64_t value) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(value < 0 ? -value : value, digits);
    char text[FORMATTED_TEXT_SIZE + 4];
    safe_sprintf(text, sizeof text, "%s$%s", value < 0 ? "-" : "", digits);
    Set_Dialog_Item_Text(dialog, id, text);
}

int32_t Selected(WINDOW_HANDLE dialog, int32_t id) {
    return Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, id));
}

void Select(WINDOW_HANDLE dialog, int32_t id, int32_t index) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, id);
    Combo_Box_Set_Current_Selection(combo, index >= 0 && index < Combo_Box_Get_Count(combo) ? index : -1);
}

void Store_Text(WINDOW_HANDLE dialog, int32_t id, int32_t string_index, int32_t team) {
    const std::string text = Get_Dialog_Item_Text(dialog, id);
    Set_Team_String(text.c_str(), team, string_index);
}

void Store_Names(WINDOW_HANDLE dialog) {
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        const std::string name = Get_Dialog_Item_Text(dialog, LEAGUE_NAME_EDITS[league]);
        safe_strncpy(Universe.Header.League_Names[league], name.c_str(), LEAGUE_NAME_LENGTH);
    }
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        const std::string name = Get_Dialog_Item_Text(dialog, DIVISION_NAME_EDITS[division]);
        Set_Division_Name(division, name.c_str());
    }
}

void Store_Games_Per_Season(WINDOW_HANDLE dialog) {
    int32_t stored = Get_Universe_Stat(GAMES_PER_SEASON);
    if (stored > MOST_SEASON_GAMES) stored = MOST_SEASON_GAMES;
    int64_t typed = stored;
    if (!Read_Dialog_Number(dialog, SEASON_GAMES_EDIT, "Season Games", INT32_MIN, INT32_MAX, stored, &typed))
        return;
    // Checked at every apply: a number left as it was may no longer fit the
    // league (a 17-game season after the 32nd team is erased).
    char message[TEXT_BUFFER_SIZE];
    const int32_t games = Legal_Games_Per_Season(typed, Count_Active_Teams(), message);
    if (message[0] != '\0') Show_Formatted_Message("Invalid Entry", "%s", message);
    Set_Number(dialog, SEASON_GAMES_EDIT, games);
    if (games != Get_Universe_Stat(GAMES_PER_SEASON)) {
        Store_Universe_Stat(GAMES_PER_SEASON, games);
        Schedule_Needs_Rebuild = true;
    }
}

void Store_Flags(WINDOW_HANDLE dialog) {
    Set_Header_Flag(HEADER_FLAG_CHAMPIONSHIP_ROUND, Is_Checked(dialog, SUPER_BOWL_BOX) ? 1 : 0);
    Universe.Header.Pre_1990_Playoff_Flag = Is_Checked(dialog, SAME_DIVISION_BOX) ? 1 : 0;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, Is_Checked(dialog, OVERTIME_GAMES_BOX) ? 1 : 0);
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, Is_Checked(dialog, TWO_POINT_BOX) ? 1 : 0);
    const bool fictional = Is_Checked(dialog, FICTIONAL_ROOKIES_BOX);
    const bool was_fictional = Universe.Header.Fictional_Players_Flag != FICTIONAL_FLAG_OFF;
    // Fictional rookies take effect with a new pool, which a running draft
    // can't have: the box goes back and the user is told when to try again.
    if (fictional && !was_fictional && Is_Draft_Pool_In_Use()) {
        Check(dialog, FICTIONAL_ROOKIES_BOX, false);
        Show_Formatted_Message("Fictional Rookies",
                               "The %s is under way and picks from the pool it started with.\n\n"
                               "Check 'Fictional Rookies' again once the draft is over to rebuild the draft "
                               "pool with fictional players.",
                               Get_Pool_Draft_Name());
        return;
    }
    Universe.Header.Fictional_Players_Flag = fictional ? 1 : 0;
    if (fictional && !was_fictional) Create_College_Draft_Pool();
}

void Store_Wild_Cards(WINDOW_HANDLE dialog) {
    const int32_t stored = Get_Universe_Stat(WILD_CARD_TEAMS);
    int64_t typed = stored;
    Read_Dialog_Number(dialog, WILD_CARDS_EDIT, "Wild Card Teams", 0, INT32_MAX, stored, &typed);
    char messages[NUMBER_OF_LEAGUES][TEXT_BUFFER_SIZE];
    const int32_t wild_cards = Legal_Wild_Card_Teams(typed, messages);
    for (const char* message : messages)
        if (message[0] != '\0') Show_Formatted_Message("Invalid Entry", "%s", message);
    Set_Number(dialog, WILD_CARDS_EDIT, wild_cards);
    Set_Universe_Stat(wild_cards);
}

// The cap is none (0) or one a saved game loads as it was typed.
int64_t Read_Salary_Cap(WINDOW_HANDLE dialog) {
    const int64_t stored = Get_Universe_Stat(SALARY_CAP);
    FIELD_RANGE range{SALARY_CAP, 0, INT32_MAX};
    Get_Universe_Stat_Range(SALARY_CAP, &range);
    int64_t cap = stored;
    if (!Read_Dialog_Number(dialog, SALARY_CAP_EDIT, "Salary Cap", 0, range.Highest, stored, &cap))
        return stored;
    if (cap == 0 || cap == stored || cap >= range.Lowest) return cap;
    char least[FORMATTED_TEXT_SIZE], most[FORMATTED_TEXT_SIZE], kept[FORMATTED_TEXT_SIZE];
    char rule[3 * FORMATTED_TEXT_SIZE];
    Format_Number_Commas(range.Lowest, least);
    Format_Number_Commas(range.Highest, most);
    Format_Number_Commas(static_cast<int32_t>(stored), kept);
    safe_sprintf(rule, sizeof rule, "must be 0 (no cap) or from $%s to $%s", least, most);
    char shown[FORMATTED_TEXT_SIZE + 1];
    safe_sprintf(shown, sizeof shown, "$%s", kept);
    Show_Field_Refused("Salary Cap", rule, shown);
    return stored;
}

void Store_Money(WINDOW_HANDLE dialog) {
    const int64_t cap = Read_Salary_Cap(dialog);
    Store_Universe_Stat(SALARY_CAP, static_cast<int32_t>(cap));
    Set_Money(dialog, SALARY_CAP_EDIT, cap);
    int64_t inflation = Get_Universe_Stat(INFLATION_FACTOR);
    Read_Dialog_Number(dialog, INFLATION_EDIT, "Inflation Factor", 1, INT32_MAX, inflation, &inflation);
    if (inflation > MOST_INFLATION) {
        inflation = MOST_INFLATION;
        Show_Formatted_Message("Inflation Ratio",
                               "Inflation Factor cannot be higher than %d. It is being set to %d.",
                               MOST_INFLATION, MOST_INFLATION);
    }
    Store_Universe_Stat(INFLATION_FACTOR, static_cast<int32_t>(inflation));
    Set_Number(dialog, INFLATION_EDIT, inflation);
}

void Store_Start_Year(WINDOW_HANDLE dialog) {
    const int32_t base = Get_Universe_Stat(BASE_YEAR);
    int64_t year = base;
    if (!Read_Dialog_Number(dialog, START_YEAR_EDIT, "Start Year", FIRST_START_YEAR, LAST_START_YEAR, base,
                            &year) ||
        year == base)
        return;
    if (Show_Message_Box("Editing the Start Year is a method to create custom databases. This will reset any "
                         "seasons already simulated. OK?",
                         "Start Year", BOX_OK_CANCEL | BOX_TASK_MODAL) != ID_BOX_OK) {
        Set_Number(dialog, START_YEAR_EDIT, base);
        return;
    }
    Store_Universe_Stat(BASE_YEAR, static_cast<int32_t>(year));
    Update_Inflation_Factor();
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_Number(dialog, INFLATION_EDIT, Get_Universe_Stat(INFLATION_FACTOR));
}

void Store_Rule_Combos(WINDOW_HANDLE dialog) {
    for (const RULE_COMBO& rule : RULE_COMBOS) {
        const int32_t index = Selected(dialog, rule.Id);
        if (index >= 0) Set_User_Preference(rule.Setting, index);
    }
    int32_t index = Selected(dialog, EXTRA_POINT_COMBO);
    if (index >= 0) Set_User_Preference(EXTRA_POINT_SPOT_CODE, index);
    index = Selected(dialog, OVERTIME_LENGTH_COMBO);
    if (index >= 0) Set_User_Preference(OVERTIME_MINUTES, (3 - index) * 5);
    for (int32_t id : PERCENT_COMBOS) {
        index = Selected(dialog, id);
        if (index >= 0) Store_Universe_Stat(Get_Percent_Combo_Stat(id), (index - 10) * 10);
    }
}

void Fill_Rule_Combos_Selection(WINDOW_HANDLE dialog) {
    for (const RULE_COMBO& rule : RULE_COMBOS)
        Select(dialog, rule.Id, Get_User_Preference(rule.Setting));
    Select(dialog, EXTRA_POINT_COMBO, Get_User_Preference(EXTRA_POINT_SPOT_CODE));
    Select(dialog, OVERTIME_LENGTH_COMBO, 3 - Get_User_Preference(OVERTIME_MINUTES) / 5);
    for (int32_t id : PERCENT_COMBOS)
        Select(dialog, id,
               std::clamp(Get_Universe_Stat(Get_Percent_Combo_Stat(id)) / 10 + 10, 0, PERCENT_CHOICES - 1));
}

// The current season's won or lost count from its edit, 0-127.
void Store_Record_Count(WINDOW_HANDLE dialog, int32_t id, const char* field, int32_t team, int32_t n) {
    if (Get_Current_Season_Index() > LAST_RECORDED_SEASON) return;
    int32_t value = 0;
    if (Read_Dialog_Int(dialog, id, field, 0, MOST_RECORD_GAMES, Get_Team_Record_Char(team, n), &value))
        Set_Team_Record_Char(team, n, value);
}

void Store_Cash(WINDOW_HANDLE dialog, int32_t team) {
    const int32_t stored = Get_Team_Financial_Stat(team, FINANCIAL_STAT_CASH);
    int64_t cash = stored;
    if (!Read_Dialog_Number(dialog, TEAM_CASH_EDIT, "Cash", INT64_MIN, INT64_MAX, stored, &cash)) return;
    if (cash > CASH_LIMIT) {
        cash = CASH_LIMIT;
        Show_Formatted_Message("Cash Limit", "No team may have more than %s.", "$1,000,000,000");
    } else if (cash < -CASH_LIMIT) {
        cash = -CASH_LIMIT;
        Show_Formatted_Message("Debt Limit", "No team may be in debt for more than %s.", "$1,000,000,000");
    }
    if (cash != stored) Set_Team_Financial_Stat(team, FINANCIAL_STAT_CASH, static_cast<int32_t>(cash));
}

void Store_Control(WINDOW_HANDLE dialog, int32_t team) {
    if (Is_Checked(dialog, TEAM_HUMAN_RADIO)) {
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        if (Count_Human_Teams() == 1) Set_User_Team(team);
    } else if (Is_Checked(dialog, TEAM_COMPUTER_RADIO)) {
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        if (Get_User_Preference(USER_TEAM) == team)
            Set_User_Team(Count_Human_Teams() > 0 ? Get_Nth_Human_Team(0) : -1);
    }
}

void Show_Add_Team_Failed() {
    Show_Formatted_Message("Add Team Failed", "Cannot exceed %d teams in database", MAX_FRANCHISES);
}

void Add_Team(WINDOW_HANDLE dialog) {
    Apply_Team_Info(dialog);
    const int32_t games = std::min(Get_Universe_Stat(GAMES_PER_SEASON), MOST_SEASON_GAMES);
    const int32_t teams = Count_Active_Teams();
    const bool shortens = (games == MOST_SEASON_GAMES && teams >= 32) || (games >= 16 && teams >= 34);
    const int32_t shorter = games == MOST_SEASON_GAMES && teams < 34 ? 16 : 14;
    // An add the league has no room for, even with the shorter season, is
    // refused before anything is asked: a running draft is not told it ends.
    if (!Can_Add_League_Editor_Team(shortens ? shorter : games)) {
        Show_Add_Team_Failed();
        return;
    }
    char warning[TEXT_BUFFER_SIZE];
    if (Format_Fantasy_Draft_Team_Change_Warning(NO_TEAM, warning, sizeof warning) &&
        User_Message_Dialog("Add New Team", warning, "Add Team", "Cancel", "") != ID_BOX_YES)
        return;
    if (shortens) {
        char text[TEXT_BUFFER_SIZE];
        safe_sprintf(
            text, sizeof text,
            "The %d-game schedule is limited to %d teams. If you add a team, the season schedule will be "
            "reduced to %d games.",
            games, teams, shorter);
        if (User_Message_Dialog("Add New Team", text, "Add Team", "Abort", "") != ID_BOX_YES) return;
        Store_Universe_Stat(GAMES_PER_SEASON, shorter);
        Schedule_Needs_Rebuild = true;
        Fill_League_Info(dialog);
    }
    const int32_t team = Add_League_Editor_Team();
    if (team < 0) {
        Show_Add_Team_Failed();
        return;
    }
    Check_And_Compact_Divisions(dialog);
    Set_Viewed_Team(team);
    Fill_Team_Selector(dialog);
    Update_League_Editor_Buttons(dialog);
    Fill_Team_Info(dialog);
    Show_Division_Team_Counts(dialog);
    Schedule_Needs_Rebuild = true;
}

void Erase_Shown_Team(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    if (!Is_Team_Shown()) return;
    constexpr const char* QUESTION = "Would you like to erase all the team's players?";
    // During a fantasy draft the box first says that the erase ends it.
    char warning[TEXT_BUFFER_SIZE], text[2 * TEXT_BUFFER_SIZE];
    if (Format_Fantasy_Draft_Team_Change_Warning(team, warning, sizeof warning))
        safe_sprintf(text, sizeof text, "%s\n\n%s", warning, QUESTION);
    else
        safe_strncpy(text, QUESTION, sizeof text);
    const int32_t answer =
        User_Message_Dialog("Erase Team", text, "Erase Players", "Move to Free Agent List", "Cancel");
    if (answer != ID_BOX_YES && answer != ID_BOX_NO) return;
    if (Erase_Team(team, answer == ID_BOX_YES ? 1 : 0) == 0) return;
    Check_And_Compact_Divisions(dialog);
    Validate_Viewed_Team();
    Fill_Team_Selector(dialog);
    Fill_Team_Info(dialog);
    Update_League_Editor_Buttons(dialog);
    Show_Division_Team_Counts(dialog);
    Schedule_Needs_Rebuild = true;
}

void Change_Division(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    const int32_t index = Selected(dialog, TEAM_DIVISION_COMBO);
    if (!Is_Team_Shown() || index < 0) return;
    const int32_t old = Get_Team_Stat(team, TEAM_STAT_DIVISION);
    if (index == old) return;
    Set_Team_Stat(team, TEAM_STAT_DIVISION, index);
    Apply_Team_Info(dialog);
    if (Check_And_Compact_Divisions(dialog) != 0) {
        Show_Division_Team_Counts(dialog);
        Schedule_Needs_Rebuild = true;
    } else {
        Set_Team_Stat(team, TEAM_STAT_DIVISION, old);
    }
    Fill_Division_Combo(dialog);
}

void Set_Every_Team_Control(int32_t control) {
    const bool human = control == TEAM_CONTROL_HUMAN;
    if (Show_Message_Box(human ? "This will convert ALL teams to human control. Continue?"
                               : "This will convert ALL teams to computer control. Continue?",
                         human ? "Human Control" : "Computer Control",
                         BOX_YES_NO | BOX_TASK_MODAL) != ID_BOX_YES)
        return;
    Set_All_Teams_Control(control);
    if (human) {
        const int32_t user = Get_User_Team();
        if (!Is_Used_Franchise_Slot(user)) Set_User_Team(0);
    } else {
        Set_User_Team(-1);
    }
}

bool Leave(WINDOW_HANDLE dialog) {
    Apply_Team_Info(dialog);
    Apply_League_Info(dialog);
    Sort_Teams_By_Name();
    Update_Standings_And_Seeding();
    // A schedule is made only for a league that can play one.
    if (Has_Two_Teams() == 0) {
        Show_Formatted_Message("Invalid League",
                               "There must always be at least two teams. You must create one or more "
                               "teams in order to leave the League Editor.");
        Fill_Team_Selector(dialog);
        Fill_Team_Info(dialog);
        return false;
    }
    if (Schedule_Needs_Rebuild) {
        Generate_Season_Schedule();
        Schedule_Needs_Rebuild = false;
    }
    End_Dialog(dialog, 1);
    // A fantasy draft waiting at a human team's pick goes on from the team
    // now on the clock, which the editor may have handed to the computer.
    Post_Next_Fantasy_Draft_Step();
    return true;
}

void Init_League_Editor(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ERASE_TEAM_BUTTON, ADD_TEAM_BUTTON, ALL_HUMAN_BUTTON, ALL_CPU_BUTTON,
                                   LEAGUE_REFRESH_BUTTON, ID_OK, LEAGUE_HELP_BUTTON});
    Active_Team_Count = -1;
    Check_League_Editor_Access();
    for (int32_t id : LEAGUE_NAME_EDITS)
        Edit_Set_Limit(Get_Dialog_Item(dialog, id), LEAGUE_NAME_LENGTH - 1);
    for (int32_t id : DIVISION_NAME_EDITS)
        Edit_Set_Limit(Get_Dialog_Item(dialog, id), DIVISION_NAME_LENGTH - 1);
    for (int32_t id : {TEAM_HOME_EDIT, TEAM_NICKNAME_EDIT, TEAM_ABBREVIATION_EDIT, TEAM_GM_EDIT})
        Edit_Set_Limit(Get_Dialog_Item(dialog, id), TEAM_TEXT_LENGTH);
    Fill_League_Editor_Combos(dialog);
    Validate_Viewed_Team();
    Fill_Team_Selector(dialog);
    Update_League_Editor_Buttons(dialog);
    Fill_Division_Combo(dialog);
    Fill_Team_Info(dialog);
    Fill_League_Info(dialog);
    Fill_Current_Week_Combo(dialog);
    Show_Inflation_Label(dialog);
    Show_Division_Team_Counts(dialog);
    Schedule_Needs_Rebuild = false;
}

bool Do_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case TEAM_SELECTOR:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Apply_Team_Info(dialog);
            const int32_t line = Selected(dialog, TEAM_SELECTOR);
            if (line >= 0) {
                const intptr_t team = Combo_Box_Get_Item_Data(Get_Dialog_Item(dialog, TEAM_SELECTOR), line) -
                                      TEAM_ITEM_DATA_BASE;
                Set_Viewed_Team(static_cast<int32_t>(team));
            }
            Fill_Team_Info(dialog);
        }
        return true;
    case TEAM_CITY_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Is_Team_Shown() && Selected(dialog, id) >= 0)
            Set_Team_Stat(Viewed_Team(), TEAM_STAT_HOME_CITY, Selected(dialog, id));
        return true;
    case TEAM_DIVISION_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Change_Division(dialog);
        return true;
    case TEAM_HUMAN_RADIO:
        Enable(dialog, TEAM_GM_EDIT, true);
        return true;
    case TEAM_COMPUTER_RADIO:
        Enable(dialog, TEAM_GM_EDIT, false);
        if (Is_Team_Shown() && Is_Human_Team(Viewed_Team()) && Count_Human_Teams() == 1)
            Show_Formatted_Message("League Editor",
                                   "You have just eliminated the last human-controlled team. We "
                                   "recommend that you set at least one human-controlled before you "
                                   "leave the League Editor.");
        return true;
    case PLAYOFF_OVERTIME_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Selected(dialog, id) >= 0 &&
            Selected(dialog, id) < 2) {
            Set_User_Preference(PLAYOFF_OVERTIME_RULE, 2);
            Select(dialog, id, 2);
            Show_Formatted_Message("Illegal Option", "Playoff games cannot end in a tie.");
        }
        return true;
    case ALL_HUMAN_BUTTON:
    case ALL_CPU_BUTTON:
        Set_Every_Team_Control(id == ALL_HUMAN_BUTTON ? TEAM_CONTROL_HUMAN : TEAM_CONTROL_COMPUTER);
        Fill_Team_Info(dialog);
        return true;
    case CURRENT_DATE_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Selected(dialog, id) >= 0)
            Set_Current_Week(Selected(dialog, id));
        return true;
    case LEAGUE_REFRESH_BUTTON:
        Apply_Team_Info(dialog);
        Sort_Teams_By_Name();
        Update_Standings_And_Seeding();
        Fill_Team_Selector(dialog);
        Update_League_Editor_Buttons(dialog);
        Apply_League_Info(dialog);
        Fill_Division_Combo(dialog);
        Fill_Team_Info(dialog);
        return true;
    case ERASE_TEAM_BUTTON:
        Erase_Shown_Team(dialog);
        return true;
    case ADD_TEAM_BUTTON:
        Add_Team(dialog);
        return true;
    case ID_OK:
    case ID_CANCEL:
        Leave(dialog);
        return true;
    case LEAGUE_HELP_BUTTON:
        Open_Context_Help(LEAGUE_EDITOR_DIALOG);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE LEAGUE_EDITOR_DIALOG_TEMPLATE = {
    LEAGUE_EDITOR_DIALOG,
    "League Editor",
    664,
    316,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    LEAGUE_EDITOR_CONTROLS,
    static_cast<int32_t>(sizeof LEAGUE_EDITOR_CONTROLS / sizeof LEAGUE_EDITOR_CONTROLS[0]),
    1};

intptr_t League_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_League_Editor(dialog);
        return 1;
    case MSG_DRAW_ITEM: {
        const DRAW_ITEM_INFO* item = reinterpret_cast<const DRAW_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return 0;
        Draw_Team_Combo_Item(item);
        return 1;
    }
    case MSG_MEASURE_ITEM: {
        MEASURE_ITEM_INFO* item = reinterpret_cast<MEASURE_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return 0;
        return Measure_List_Item_Height(dialog, item);
    }
    case MSG_COMMAND:
        return Do_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

void Check_League_Editor_Access() {
    if (!Is_Champion_Decided() && Get_Current_Week() != 0)
        Show_Formatted_Message(
            "League Editing Disabled",
            "You cannot add or remove teams while a season is in progress.\n\nPlease wait until "
            "the end of the season to add, move, or remove teams.");
    if (Get_User_Preference(COMMISSIONER_MODE) == 0 &&
        Show_Message_Box("Certain aspects of the League Editor are disabled unless you are in Commmissioner "
                         "Mode.\n\nWould you like to turn on Commissioner Mode now?",
                         "Team Editing Disabled", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES)
        Set_Commissioner_Mode(1);
}

void Fill_League_Editor_Combos(WINDOW_HANDLE dialog) {
    for (const RULE_COMBO& rule : RULE_COMBOS) {
        const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, rule.Id);
        Combo_Box_Reset_Content(combo);
        for (int32_t i = 0; i < rule.Count; ++i)
            Combo_Box_Add_String(combo, rule.Choices[i]);
    }
    const WINDOW_HANDLE extra = Get_Dialog_Item(dialog, EXTRA_POINT_COMBO);
    Combo_Box_Reset_Content(extra);
    for (const char* spot : EXTRA_POINT_SPOTS)
        Combo_Box_Add_String(extra, spot);
    const WINDOW_HANDLE length = Get_Dialog_Item(dialog, OVERTIME_LENGTH_COMBO);
    Combo_Box_Reset_Content(length);
    for (const char* minutes : OVERTIME_LENGTHS)
        Combo_Box_Add_String(length, minutes);
    for (int32_t id : PERCENT_COMBOS)
        Fill_Percent_Combo(Get_Dialog_Item(dialog, id));
    Fill_Letter_Grade_Combo(Get_Dialog_Item(dialog, TEAM_LOYALTY_COMBO));
    Fill_City_Combo(dialog);
}

void Fill_City_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, TEAM_CITY_COMBO);
    Combo_Box_Reset_Content(combo);
    const int32_t count = Count_Cities();
    for (int32_t city = 0; city < count; ++city) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_City_Name(city, name);
        Combo_Box_Add_String(combo, name);
    }
}

void Fill_Division_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, TEAM_DIVISION_COMBO);
    Combo_Box_Reset_Content(combo);
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        char league[FORMATTED_TEXT_SIZE] = "", name[FORMATTED_TEXT_SIZE] = "";
        Get_League_Name(division / DIVISIONS_PER_LEAGUE, league);
        Get_Division_Name(division, name);
        char text[2 * FORMATTED_TEXT_SIZE];
        if (name[0] != '\0')
            safe_sprintf(text, sizeof text, "%s %s", league, name);
        else
            safe_sprintf(text, sizeof text, "%s Division %d", league, division % DIVISIONS_PER_LEAGUE + 1);
        Combo_Box_Add_String(combo, text);
    }
    if (Is_Team_Shown())
        Select(dialog, TEAM_DIVISION_COMBO, Get_Team_Stat(Viewed_Team(), TEAM_STAT_DIVISION));
}

void Fill_Current_Week_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, CURRENT_DATE_COMBO);
    Combo_Box_Reset_Content(combo);
    for (int32_t week = 1; week <= WEEK_CHOICES; ++week) {
        char text[FORMATTED_TEXT_SIZE];
        safe_sprintf(text, sizeof text, "Week %d", week);
        Combo_Box_Add_String(combo, text);
    }
    Select(dialog, CURRENT_DATE_COMBO, Get_Current_Week());
    Enable(dialog, CURRENT_DATE_COMBO, Get_User_Preference(COMMISSIONER_MODE) != 0);
}

void Fill_League_Info(WINDOW_HANDLE dialog) {
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        char name[FORMATTED_TEXT_SIZE] = "";
        safe_strncpy(name, Universe.Header.League_Names[league], LEAGUE_NAME_LENGTH);
        Set_Dialog_Item_Text(dialog, LEAGUE_NAME_EDITS[league], name);
    }
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Division_Name(division, name);
        Set_Dialog_Item_Text(dialog, DIVISION_NAME_EDITS[division], name);
    }
    Set_Number(dialog, SEASON_GAMES_EDIT, Get_Universe_Stat(GAMES_PER_SEASON));
    Set_Number(dialog, WILD_CARDS_EDIT, Get_Universe_Stat(WILD_CARD_TEAMS));
    Set_Money(dialog, SALARY_CAP_EDIT, Get_Universe_Stat(SALARY_CAP));
    Set_Number(dialog, INFLATION_EDIT, Get_Universe_Stat(INFLATION_FACTOR));
    Set_Number(dialog, START_YEAR_EDIT, Get_Universe_Stat(BASE_YEAR));
    Check(dialog, SUPER_BOWL_BOX, Get_Header_Flag(HEADER_FLAG_CHAMPIONSHIP_ROUND) != 0);
    Check(dialog, SAME_DIVISION_BOX, Universe.Header.Pre_1990_Playoff_Flag != 0);
    Check(dialog, OVERTIME_GAMES_BOX, Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG) != 0);
    Check(dialog, TWO_POINT_BOX, Get_User_Preference(TWO_POINT_CONVERSION_RULE) != 0);
    Check(dialog, FICTIONAL_ROOKIES_BOX, Universe.Header.Fictional_Players_Flag != FICTIONAL_FLAG_OFF);
    Fill_Rule_Combos_Selection(dialog);
    // The season's length changes only between seasons: a new schedule mid-season would throw away the
    // season in progress.
    Enable(dialog, SEASON_GAMES_EDIT, !Is_Season_Under_Way());
}

void Apply_League_Info(WINDOW_HANDLE dialog) {
    Store_Names(dialog);
    Store_Games_Per_Season(dialog);
    Store_Flags(dialog);
    Store_Wild_Cards(dialog);
    Store_Money(dialog);
    Store_Start_Year(dialog);
    Store_Rule_Combos(dialog);
}

void Fill_Team_Info(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    const bool shown = Is_Team_Shown();
    char text[FORMATTED_TEXT_SIZE] = "";
    for (const auto& [id, index] : {std::pair{TEAM_HOME_EDIT, 1}, std::pair{TEAM_NICKNAME_EDIT, 2},
                                    std::pair{TEAM_ABBREVIATION_EDIT, 0}, std::pair{TEAM_GM_EDIT, 5}}) {
        text[0] = '\0';
        if (shown) Get_Team_String(text, team, index);
        Set_Dialog_Item_Text(dialog, id, text);
    }
    Select(dialog, TEAM_CITY_COMBO, shown ? Get_Team_Stat(team, TEAM_STAT_HOME_CITY) : -1);
    Fill_Division_Combo(dialog);
    Select(dialog, TEAM_LOYALTY_COMBO,
           shown ? Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY)) : -1);
    if (shown) {
        Set_Money(dialog, TEAM_CASH_EDIT, Get_Team_Financial_Stat(team, FINANCIAL_STAT_CASH));
        Set_Number(dialog, TEAM_WINS_EDIT, Get_Team_Wins(team));
        Set_Number(dialog, TEAM_LOSSES_EDIT, Get_Team_Losses(team));
    }
    const bool human = shown && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN;
    Check_Radio_Button(dialog, TEAM_HUMAN_RADIO, TEAM_COMPUTER_RADIO,
                       human ? TEAM_HUMAN_RADIO : TEAM_COMPUTER_RADIO);
    const bool commissioner = Get_User_Preference(COMMISSIONER_MODE) != 0;
    const bool moves = Can_Add_Or_Erase_Teams();
    Enable(dialog, TEAM_HOME_EDIT, shown && moves);
    Enable(dialog, TEAM_NICKNAME_EDIT, shown && commissioner);
    for (int32_t id :
         {TEAM_ABBREVIATION_EDIT, TEAM_LOYALTY_COMBO, TEAM_CASH_EDIT, TEAM_WINS_EDIT, TEAM_LOSSES_EDIT})
        Enable(dialog, id, shown && commissioner);
    // A team moves to another city or division only between seasons.
    for (int32_t id : {TEAM_CITY_COMBO, TEAM_DIVISION_COMBO})
        Enable(dialog, id, shown && moves);
    for (int32_t id : {TEAM_HUMAN_RADIO, TEAM_COMPUTER_RADIO})
        Enable(dialog, id, shown);
    Enable(dialog, TEAM_GM_EDIT, human);
}

void Apply_Team_Info(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    if (!Is_Team_Shown()) return;
    Store_Text(dialog, TEAM_HOME_EDIT, 1, team);
    const std::string nickname = Get_Dialog_Item_Text(dialog, TEAM_NICKNAME_EDIT);
    Store_Text(dialog, TEAM_NICKNAME_EDIT, 2, team);
    if (nickname.size() > static_cast<size_t>(NICKNAME_DISPLAY_LENGTH))
        Show_Formatted_Message(
            "Team Nickname",
            "For display purposes, we recommend limiting the team nickname (%s) to 13 characters.",
            nickname.c_str());
    Store_Text(dialog, TEAM_ABBREVIATION_EDIT, 0, team);
    const int32_t grade = Selected(dialog, TEAM_LOYALTY_COMBO);
    const int32_t support = Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY);
    if (grade >= 0 && grade != Get_Fan_Loyalty_Grade(support))
        Set_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY, Get_Fan_Support_Of_Grade(grade));
    Store_Cash(dialog, team);
    Store_Record_Count(dialog, TEAM_WINS_EDIT, "Wins", team, RECORD_CHAR_WINS);
    Store_Record_Count(dialog, TEAM_LOSSES_EDIT, "Losses", team, RECORD_CHAR_LOSSES);
    Store_Control(dialog, team);
    Store_Text(dialog, TEAM_GM_EDIT, 5, team);
}

int32_t Check_And_Compact_Divisions(WINDOW_HANDLE dialog) {
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league)
        if (Count_League_Teams(league) > MOST_CONFERENCE_TEAMS) {
            Show_Formatted_Message("Illegal Conference", "No conference may have more than %d teams.",
                                   MOST_CONFERENCE_TEAMS);
            return 0;
        }
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        if (Count_Division_Teams(division) > MOST_DIVISION_TEAMS) {
            Show_Formatted_Message("Illegal Division", "No division may have more than %d teams.",
                                   MOST_DIVISION_TEAMS);
            return 0;
        }
    Apply_League_Info(dialog);
    Clear_Empty_League_Names();
    if (Count_League_Teams(0) == 0 && Count_League_Teams(1) > 0) Move_League(0, 1);
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        const int32_t first = league * DIVISIONS_PER_LEAGUE;
        for (int32_t division = first + 1; division < first + DIVISIONS_PER_LEAGUE; ++division) {
            if (Count_Division_Teams(division) == 0) continue;
            int32_t empty = first;
            while (empty < division && Count_Division_Teams(empty) > 0)
                ++empty;
            if (empty < division) Move_Division(empty, division);
        }
    }
    Fill_Division_Combo(dialog);
    Fill_League_Info(dialog);
    Show_Division_Team_Counts(dialog);
    return 1;
}

void Show_Division_Team_Counts(WINDOW_HANDLE dialog) {
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        const int32_t teams = Count_Division_Teams(division);
        char text[FORMATTED_TEXT_SIZE];
        safe_sprintf(text, sizeof text, "%d team%s", teams, teams == 1 ? "" : "s");
        Set_Dialog_Item_Text(dialog, DIVISION_COUNT_TEXTS[division], text);
    }
}

void Show_Inflation_Label(WINDOW_HANDLE dialog) {
    char label[FORMATTED_TEXT_SIZE];
    safe_sprintf(label, sizeof label, "Inflation Factor: (%d Season = '1000')", BASE_SEASON);
    Set_Dialog_Item_Text(dialog, INFLATION_LABEL, label);
}

void Update_League_Editor_Buttons(WINDOW_HANDLE dialog) {
    const bool allowed = Can_Add_Or_Erase_Teams();
    Enable(dialog, ADD_TEAM_BUTTON, allowed);
    Enable(dialog, ERASE_TEAM_BUTTON, allowed && Count_Active_Teams() > 0);
}
