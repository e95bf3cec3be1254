// Edit Player's template and the showing and storing of its fields.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>

#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/position_columns.h"
#include "dialogs/typed_numbers.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/salaries.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t NUMBER = WINDOW_TAB_STOP | CONTROL_RIGHT_TEXT;
constexpr uint32_t HIDDEN = CONTROL_HIDDEN;
constexpr int32_t SEASON_ROWS = 4;
constexpr int32_t MOST_CREDITED_SEASONS = 30;
constexpr int32_t DRAFT_YEAR_FACTOR = 10000;
constexpr int32_t DRAFT_ROUND_FACTOR = 100000;
constexpr int32_t FRANCHISE_CHOICES = MAX_FRANCHISES + 1;
constexpr int32_t SHOWN_RATINGS = 5;
constexpr int32_t LINE_SIZE = 64;
// A team code for a season line of no professional team.
constexpr intptr_t LINE_WITHOUT_TEAM = NO_TEAM;

// The twenty statistic labels of each position group (QB apart).
enum LABEL_SET : int32_t { LABELS_QUARTERBACK, LABELS_SKILL, LABELS_LINE, LABELS_DEFENCE, LABELS_KICKING };
const char* const STAT_LABELS[5][EDIT_STATS] = {
    {"G",
     "GS",
     "Attempts",
     "Completions",
     "Interceptions",
     "Pass Yards",
     "Pass TD",
     "Rushes",
     "Rush Yds",
     "Rush TD",
     "Recepts",
     "Rec. Yds",
     "Rec. TD",
     "Fumbles Lost",
     "Sacked",
     "Sack Yards",
     "",
     "",
     "",
     ""},
    {"G",        "GS",           "Fumbles",      "",         "",        "1st",
     "YAC",      "Rushes",       "Rush Yards",   "Rush TD",  "Recepts", "Rec. Yds",
     "Rec. TD",  "Fumbles Lost", "Kick Returns", "KR Yards", "KR TD",   "Punt Returns",
     "PR Yards", "PR TD"},
    {"G",
     "GS",
     "",
     "",
     "Sacks Allowed * 4",
     "Rush Blocking",
     "Pass Blocking",
     "Rushes",
     "Rush Yards",
     "",
     "Penalties",
     "Penalty Yds",
     "",
     "",
     "Pass Block (PFF)",
     "Run Block (PFF)",
     "",
     "",
     "Snaps",
     ""},
    {"G",
     "GS",
     "Solo Tkl",
     "Assists",
     "Sacks/2",
     "Forced Fumbles",
     "Passed Defensed",
     "Interceptions",
     "Fum. Recover",
     "TD",
     "Penalties",
     "Penalty Yds",
     "",
     "",
     "Kick Returns",
     "KR Yards",
     "KR TD",
     "Punt Returns",
     "PR Yards",
     "PR TD"},
    {"G",         "",           "Punts",        "Punt Yards", "Inside 20",
     "Long Punt", "Touchbacks", "Return Yards", "PAT Att",    "PAT",
     "FGA<30",    "FG<30",      "FGA<40",       "FG<40",      "FGA<50",
     "FG<50",     "FGA50+",     "FG50+",        "Long FG",    ""},
};

#define LABEL(x, y, w, text)                                                                                 \
    { CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {x, y, w, 9}, text, 0 }
#define STAT_CELL(n)                                                                                         \
    {CONTROL_STATIC_TEXT,                                                                                    \
     EDIT_FIRST_STAT_LABEL + (n),                                                                            \
     {10 + (n) / 5 * 123, 230 + (n) % 5 * 14, 72, 9},                                                        \
     "",                                                                                                     \
     0},                                                                                                     \
    {                                                                                                        \
        CONTROL_EDIT, EDIT_FIRST_STAT + (n), {84 + (n) / 5 * 123, 228 + (n) % 5 * 14, 38, 12}, "", NUMBER    \
    }

const DIALOG_CONTROL EDIT_PLAYER_CONTROLS[] = {
    {CONTROL_EDIT, EDIT_FIRST_NAME, {8, 4, 80, 12}, "", BUTTON},
    {CONTROL_EDIT, EDIT_LAST_NAME, {92, 4, 168, 12}, "", BUTTON},
    LABEL(8, 22, 44, "Position:"),
    {CONTROL_COMBO_BOX, EDIT_POSITION, {54, 20, 90, 160}, "", BUTTON},
    {CONTROL_COMBO_BOX, EDIT_DETAILED_POSITION, {148, 20, 112, 200}, "", BUTTON},
    LABEL(8, 38, 44, "College:"),
    {CONTROL_EDIT, EDIT_COLLEGE, {54, 36, 206, 12}, "", BUTTON},
    LABEL(8, 54, 90, "Birthdate (YYYYMMDD):"),
    {CONTROL_EDIT, EDIT_BIRTH_DATE, {100, 52, 50, 12}, "", NUMBER},
    LABEL(8, 70, 50, "Height (In.):"),
    {CONTROL_EDIT, EDIT_HEIGHT, {60, 68, 30, 12}, "", NUMBER},
    LABEL(104, 70, 32, "Weight:"),
    {CONTROL_EDIT, EDIT_WEIGHT, {138, 68, 30, 12}, "", NUMBER},
    LABEL(8, 86, 64, "Seasons Played:"),
    {CONTROL_EDIT, EDIT_SEASONS, {74, 84, 24, 12}, "", NUMBER},
    LABEL(110, 86, 66, "Uniform Number:"),
    {CONTROL_EDIT, EDIT_UNIFORM, {178, 84, 24, 12}, "", NUMBER},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 100, 252, 78}, "Ratings", 0},
    {CONTROL_STATIC_TEXT, EDIT_OVERALL_TEXT, {16, 112, 100, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_PEAK_TEXT, {120, 112, 100, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_RATING_LINES[0], {16, 124, 210, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_RATING_LINES[1], {16, 134, 210, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_RATING_LINES[2], {16, 144, 210, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_RATING_LINES[3], {16, 154, 210, 9}, "", 0},
    {CONTROL_STATIC_TEXT, EDIT_RATING_LINES[4], {16, 164, 210, 9}, "", 0},
    {CONTROL_PUSH_BUTTON, EDIT_CALCULATE, {8, 182, 124, 14}, "&Calculate Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_RATINGS_BUTTON, {136, 182, 124, 14}, "&Edit Ratings", BUTTON},
    LABEL(272, 6, 70, "Annual Salary:"),
    {CONTROL_EDIT, EDIT_SALARY, {344, 4, 80, 12}, "", NUMBER},
    LABEL(272, 22, 70, "Signing Bonus:"),
    {CONTROL_EDIT, EDIT_BONUS, {344, 20, 80, 12}, "", NUMBER},
    LABEL(272, 38, 70, "Contract Years:"),
    {CONTROL_EDIT, EDIT_CONTRACT_YEARS, {344, 36, 30, 12}, "", NUMBER},
    LABEL(384, 38, 70, "Years Remaining:"),
    {CONTROL_EDIT, EDIT_YEARS_LEFT, {458, 36, 30, 12}, "", NUMBER},
    LABEL(272, 54, 70, "Drafted By:"),
    {CONTROL_COMBO_BOX, EDIT_DRAFTED_BY, {344, 52, 156, 160}, "", BUTTON},
    LABEL(272, 70, 70, "Draft Year:"),
    {CONTROL_EDIT, EDIT_DRAFT_YEAR, {344, 68, 40, 12}, "", NUMBER},
    LABEL(272, 86, 70, "Draft Round:"),
    {CONTROL_EDIT, EDIT_DRAFT_ROUND, {344, 84, 30, 12}, "", NUMBER},
    LABEL(384, 86, 32, "Pick #:"),
    {CONTROL_EDIT, EDIT_DRAFT_PICK, {418, 84, 40, 12}, "", NUMBER},
    LABEL(272, 102, 70, "Injured Weeks:"),
    {CONTROL_EDIT, EDIT_INJURED_WEEKS, {344, 100, 30, 12}, "", NUMBER},
    LABEL(272, 118, 70, "Peak Start:"),
    {CONTROL_EDIT, EDIT_PEAK_START, {344, 116, 30, 12}, "", NUMBER},
    LABEL(384, 118, 44, "Peak End:"),
    {CONTROL_EDIT, EDIT_PEAK_END, {430, 116, 30, 12}, "", NUMBER},
    LABEL(272, 134, 70, "Potential:"),
    {CONTROL_EDIT, EDIT_POTENTIAL, {344, 132, 30, 12}, "", NUMBER},
    LABEL(384, 134, 44, "Longevity:"),
    {CONTROL_EDIT, EDIT_LONGEVITY, {430, 132, 30, 12}, "", NUMBER},
    {CONTROL_PUSH_BUTTON, EDIT_DELETE, {272, 156, 72, 14}, "&Delete Player", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_CLEAR, {348, 156, 72, 14}, "&Clear Player", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_COPY, {424, 156, 76, 14}, "Co&py Player", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {4, 200, 500, 102}, "Statistics", 0},
    {CONTROL_COMBO_BOX, EDIT_ROW, {10, 210, 120, 110}, "", BUTTON},
    LABEL(140, 212, 20, "Year"),
    {CONTROL_EDIT, EDIT_LINE_YEAR, {162, 210, 36, 12}, "", NUMBER},
    LABEL(206, 212, 22, "Team"),
    {CONTROL_COMBO_BOX, EDIT_LINE_TEAM, {230, 210, 140, 110}, "", BUTTON},
    STAT_CELL(0),
    STAT_CELL(1),
    STAT_CELL(2),
    STAT_CELL(3),
    STAT_CELL(4),
    STAT_CELL(5),
    STAT_CELL(6),
    STAT_CELL(7),
    STAT_CELL(8),
    STAT_CELL(9),
    STAT_CELL(10),
    STAT_CELL(11),
    STAT_CELL(12),
    STAT_CELL(13),
    STAT_CELL(14),
    STAT_CELL(15),
    STAT_CELL(16),
    STAT_CELL(17),
    STAT_CELL(18),
    STAT_CELL(19),
    {CONTROL_PUSH_BUTTON, EDIT_ADD_LINE, {8, 308, 96, 14}, "&Add a Season Line", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_ERASE_LINE, {108, 308, 110, 14}, "&Erase this Season Line", BUTTON | HIDDEN},
    {CONTROL_PUSH_BUTTON, EDIT_HELP, {392, 308, 50, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_DONE, {448, 308, 52, 14}, "&DONE", BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef LABEL
#undef STAT_CELL

int32_t Row() {
    return Get_User_Preference(EDIT_PLAYER_ROW);
}

void Set_Integer(WINDOW_HANDLE dialog, int32_t id, int64_t value) {
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    Set_Dialog_Item_Text(dialog, id, text);
}

LABEL_SET Labels_Of(int32_t position) {
    switch (Get_Position_Group_Split_QB(position)) {
    case 1:
        return LABELS_LINE;
    case 2:
        return LABELS_DEFENCE;
    case 3:
        return LABELS_KICKING;
    case 0:
        return LABELS_SKILL;
    default:
        return LABELS_QUARTERBACK;
    }
}

// The season line of the row shown, -1 for the statistics seasons or a row
// without a line.
int32_t Shown_Line(int32_t team, int32_t slot) {
    return Row() >= SEASON_ROWS ? Get_Player_Season_Line(team, slot, Row() - SEASON_ROWS) : NO_SEASON_LINE;
}

void Fill_Row_Combo(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, EDIT_ROW);
    Combo_Box_Reset_Content(combo);
    for (const char* name : {"This Season", "Last Season", "Career", "Predicted"})
        Combo_Box_Add_String(combo, name);
    const int32_t lines = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        const int32_t line_team = Get_Season_Line_Team(line);
        char abbreviation[FORMATTED_TEXT_SIZE] = "";
        if (Is_Team_Record_Slot(line_team)) Get_Team_String(abbreviation, line_team, 0);
        char text[LINE_SIZE];
        safe_sprintf(text, sizeof text, "Season Line: %d %s", Get_Season_Line_Year(line), abbreviation);
        Combo_Box_Add_String(combo, text);
    }
    int32_t row = Row();
    if (row < 0 || row >= SEASON_ROWS + lines) row = 0;
    Set_User_Preference(EDIT_PLAYER_ROW, row);
    Combo_Box_Set_Current_Selection(combo, row);
}

// The team box of a season line: the active franchises, then "Free Agent"
// and "(No Team)", and the line's own team when it is none of those.
void Fill_Line_Team_Combo(WINDOW_HANDLE dialog, int32_t line) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, EDIT_LINE_TEAM);
    Combo_Box_Reset_Content(combo);
    const int32_t active = Count_Active_Teams();
    auto add = [&](const char* text, intptr_t data) {
        const int32_t index = Combo_Box_Add_String(combo, text);
        Combo_Box_Set_Item_Data(combo, index, data);
    };
    for (int32_t team = 0; team < active; ++team) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Team_Full_Name(team, name);
        add(name, team);
    }
    add("Free Agent", FREE_AGENT_TEAM);
    add("(No Team)", LINE_WITHOUT_TEAM);
    const int32_t line_team = line != NO_SEASON_LINE ? Get_Season_Line_Team(line) : -1;
    if (line == NO_SEASON_LINE) return;
    const intptr_t code = Is_No_Team(line_team) ? LINE_WITHOUT_TEAM : line_team;
    for (int32_t i = 0; i < Combo_Box_Get_Count(combo); ++i)
        if (Combo_Box_Get_Item_Data(combo, i) == code) {
            Combo_Box_Set_Current_Selection(combo, i);
            return;
        }
    char text[LINE_SIZE];
    safe_sprintf(text, sizeof text, "Team %d", line_team);
    add(text, line_team);
    Combo_Box_Set_Current_Selection(combo, Combo_Box_Get_Count(combo) - 1);
}

void Fill_Position_Combos(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    const WINDOW_HANDLE basic = Get_Dialog_Item(dialog, EDIT_POSITION);
    const WINDOW_HANDLE detailed = Get_Dialog_Item(dialog, EDIT_DETAILED_POSITION);
    Combo_Box_Reset_Content(basic);
    Combo_Box_Reset_Content(detailed);
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Position_Name(position, name);
        Combo_Box_Add_String(basic, name);
    }
    for (int32_t code = 0; code < NUMBER_OF_EXPANDED_POSITIONS; ++code) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Depth_Slot_Name(code, name);
        char text[FORMATTED_TEXT_SIZE + 2];
        safe_sprintf(text, sizeof text, "(%s)", name);
        Combo_Box_Add_String(detailed, text);
    }
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    Combo_Box_Set_Current_Selection(basic, position >= 0 && position < NUMBER_OF_POSITIONS ? position : -1);
    int32_t code = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    if (code < 0 || code >= NUMBER_OF_EXPANDED_POSITIONS || Translate_Expanded_Position(code) != position)
        code = position;
    Combo_Box_Set_Current_Selection(detailed, code >= 0 && code < NUMBER_OF_EXPANDED_POSITIONS ? code : -1);
}

void Fill_Drafted_By_Combo(WINDOW_HANDLE dialog, int32_t choice) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, EDIT_DRAFTED_BY);
    Combo_Box_Reset_Content(combo);
    Combo_Box_Add_String(combo, "(Undrafted)");
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        char name[FORMATTED_TEXT_SIZE] = "";
        if (Is_Used_Franchise_Slot(team))
            Get_Team_Full_Name(team, name);
        else
            safe_sprintf(name, sizeof name, "Team %d", team);
        Combo_Box_Add_String(combo, name);
    }
    Combo_Box_Set_Current_Selection(combo, choice >= 0 && choice < FRANCHISE_CHOICES ? choice : -1);
}

// Salary and bonus are shown and typed in dollars, kept in thousands.
void Set_Dollars(WINDOW_HANDLE dialog, int32_t id, int32_t thousands) {
    char text[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(static_cast<int64_t>(thousands) * 1000, text);
    if (thousands < 0) {
        char digits[FORMATTED_TEXT_SIZE];
        Format_Wide_Number_Commas(-static_cast<int64_t>(thousands) * 1000, digits);
        safe_sprintf(text, sizeof text, "-%s", digits);
    }
    char shown[FORMATTED_TEXT_SIZE + 2];
    safe_sprintf(shown, sizeof shown, "$%s", text);
    Set_Dialog_Item_Text(dialog, id, shown);
}

// The values a vital statistic may take here: those a saved game loads as
// they were stored, so that nothing typed is changed by a save and a load.
FIELD_RANGE Vital_Range(int32_t vital) {
    FIELD_RANGE range{vital, INT32_MIN, INT32_MAX};
    Get_Vital_Stat_Range(vital, &range);
    return range;
}

// A field stored as a vital statistic within its range, and not below `least`.
void Store_Vital(WINDOW_HANDLE dialog, int32_t id, const char* field, int32_t team, int32_t slot,
                 int32_t vital, bool* all, int64_t least = INT32_MIN) {
    const FIELD_RANGE range = Vital_Range(vital);
    int32_t value = 0;
    if (!Read_Dialog_Int(dialog, id, field, std::max<int64_t>(least, range.Lowest), range.Highest,
                         Get_Player_Vital_Stat(team, slot, vital), &value))
        *all = false;
    Set_Player_Vital_Stat(team, slot, vital, value);
}

// Dollars into thousands of vital `vital`, rounded; false (and nothing
// stored) when refused.
bool Read_Dollars(WINDOW_HANDLE dialog, int32_t id, const char* field, int32_t vital,
                  int32_t current_thousands, int32_t* thousands) {
    const int64_t most = static_cast<int64_t>(Vital_Range(vital).Highest) * 1000;
    int64_t dollars = 0;
    const bool taken = Read_Dialog_Number(dialog, id, field, 0, most,
                                          static_cast<int64_t>(current_thousands) * 1000, &dollars);
    if (!taken) Set_Dollars(dialog, id, current_thousands);
    *thousands = taken ? static_cast<int32_t>((dollars + 500) / 1000) : current_thousands;
    return taken;
}

void Save_Names(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    const std::string first = Get_Dialog_Item_Text(dialog, EDIT_FIRST_NAME);
    const std::string last = Get_Dialog_Item_Text(dialog, EDIT_LAST_NAME);
    const std::string college = Get_Dialog_Item_Text(dialog, EDIT_COLLEGE);
    Set_Player_First_Name(team, slot, first.c_str());
    Set_Player_Last_Name(team, slot, last.c_str());
    Set_Player_College(team, slot, college.c_str());
}

bool Save_Body_And_Contract(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    bool all = true;
    const int32_t birth = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
    int64_t date = birth;
    const std::string text = Get_Dialog_Item_Text(dialog, EDIT_BIRTH_DATE);
    if (Parse_Typed_Number(text.c_str(), &date) && (date == birth || Is_Real_Date(date))) {
        Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, static_cast<int32_t>(date));
    } else {
        char kept[FORMATTED_TEXT_SIZE];
        safe_sprintf(kept, sizeof kept, "%d", birth);
        Show_Field_Refused("Birthdate (YYYYMMDD)", "must be a real date written YYYYMMDD", kept);
        Set_Integer(dialog, EDIT_BIRTH_DATE, birth);
        all = false;
    }
    Store_Vital(dialog, EDIT_HEIGHT, "Height (In.)", team, slot, VITAL_HEIGHT, &all);
    Store_Vital(dialog, EDIT_WEIGHT, "Weight", team, slot, VITAL_WEIGHT, &all);
    // A prospect's college years count below 0; more than 30 seasons are 30.
    int32_t seasons = 0;
    if (!Read_Dialog_Int(dialog, EDIT_SEASONS, "Seasons Played", Vital_Range(VITAL_CREDITED_SEASONS).Lowest,
                         INT32_MAX, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS), &seasons))
        all = false;
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS,
                          seasons > MOST_CREDITED_SEASONS ? MOST_CREDITED_SEASONS : seasons);
    int32_t uniform = 0;
    if (!Read_Dialog_Int(dialog, EDIT_UNIFORM, "Uniform Number", 0, 99,
                         Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM), &uniform))
        all = false;
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, uniform);
    int32_t salary = 0;
    if (!Read_Dollars(dialog, EDIT_SALARY, "Annual Salary", VITAL_SALARY,
                      Get_Player_Vital_Stat(team, slot, VITAL_SALARY), &salary))
        all = false;
    const int32_t minimum = std::min(
        Get_League_Minimum_Salary(std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS))),
        Vital_Range(VITAL_SALARY).Highest);
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary < minimum ? minimum : salary);
    int32_t bonus = 0;
    if (!Read_Dollars(dialog, EDIT_BONUS, "Signing Bonus", VITAL_SIGNING_BONUS,
                      Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS), &bonus))
        all = false;
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    for (const auto& [id, vital, name] :
         {std::tuple{EDIT_CONTRACT_YEARS, VITAL_BONUS_YEARS, "Contract Years"},
          std::tuple{EDIT_YEARS_LEFT, VITAL_CONTRACT_YEARS, "Years Remaining"}}) {
        // Anything below 1 is stored as 1; only the top is what a save keeps.
        int32_t years = 0;
        if (!Read_Dialog_Int(dialog, id, name, INT32_MIN, Vital_Range(vital).Highest,
                             Get_Player_Vital_Stat(team, slot, vital), &years))
            all = false;
        Set_Player_Vital_Stat(team, slot, vital, years < 1 ? 1 : years);
    }
    return all;
}

bool Save_Draft_And_Development(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    bool all = true;
    const int32_t record = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD);
    int32_t choice = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, EDIT_DRAFTED_BY));
    if (choice < 0) choice = record / DRAFT_YEAR_FACTOR;
    int32_t year = 0;
    if (!Read_Dialog_Int(dialog, EDIT_DRAFT_YEAR, "Draft Year", 0, DRAFT_YEAR_FACTOR - 1,
                         record % DRAFT_YEAR_FACTOR, &year))
        all = false;
    const int64_t draft_record = static_cast<int64_t>(choice) * DRAFT_YEAR_FACTOR + year;
    if (draft_record >= INT32_MIN && draft_record <= INT32_MAX)
        Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, static_cast<int32_t>(draft_record));
    const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    int32_t round = 0, pick = 0;
    if (!Read_Dialog_Int(dialog, EDIT_DRAFT_ROUND, "Draft Round", 0, INT32_MAX / DRAFT_ROUND_FACTOR - 1,
                         code / DRAFT_ROUND_FACTOR, &round))
        all = false;
    if (!Read_Dialog_Int(dialog, EDIT_DRAFT_PICK, "Pick #", -1, DRAFT_ROUND_FACTOR - 1,
                         code % DRAFT_ROUND_FACTOR, &pick))
        all = false;
    const int64_t draft_slot = static_cast<int64_t>(round) * DRAFT_ROUND_FACTOR + pick;
    if (draft_slot >= INT32_MIN && draft_slot <= INT32_MAX)
        Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT, static_cast<int32_t>(draft_slot));
    Store_Vital(dialog, EDIT_INJURED_WEEKS, "Injured Weeks", team, slot, VITAL_WEEKS_OUT, &all, 0);
    Store_Vital(dialog, EDIT_PEAK_START, "Peak Start", team, slot, VITAL_PEAK_AGE, &all);
    Store_Vital(dialog, EDIT_PEAK_END, "Peak End", team, slot, VITAL_PEAK_AGE_LIMIT, &all);
    Store_Vital(dialog, EDIT_POTENTIAL, "Potential", team, slot, VITAL_DEVELOPMENT, &all);
    Store_Vital(dialog, EDIT_LONGEVITY, "Longevity", team, slot, 19, &all);
    return all;
}

bool Save_Row_Statistics(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    bool all = true;
    const int32_t line = Shown_Line(team, slot);
    if (Row() >= SEASON_ROWS && line == NO_SEASON_LINE) return true;
    if (line != NO_SEASON_LINE) {
        int32_t year = 0;
        // A year of 0 would free the line: a line keeps a real year.
        if (!Read_Dialog_Int(dialog, EDIT_LINE_YEAR, "Year", 1, 9999, Get_Season_Line_Year(line), &year))
            all = false;
        Set_Season_Line_Year(line, year);
        const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, EDIT_LINE_TEAM);
        const int32_t index = Combo_Box_Get_Current_Selection(combo);
        if (index >= 0)
            Set_Season_Line_Team(line, static_cast<int32_t>(Combo_Box_Get_Item_Data(combo, index)));
    }
    const char* const* labels = STAT_LABELS[Labels_Of(Get_Player_Vital_Stat(team, slot, VITAL_POSITION))];
    // A season's figures as a season holds them, a career's as a career does.
    const FIELD_RANGE figures = Get_Player_Figure_Range(Row());
    for (int32_t stat = 0; stat < EDIT_STATS; ++stat) {
        char field[LINE_SIZE];
        safe_sprintf(field, sizeof field, "The statistic \"%s\"",
                     labels[stat][0] != '\0' ? labels[stat] : "-");
        int32_t value = 0;
        if (!Read_Dialog_Int(dialog, EDIT_FIRST_STAT + stat, field, figures.Lowest, figures.Highest,
                             Get_Player_Stat(team, slot, Row(), stat), &value))
            all = false;
        if (value != Get_Player_Stat(team, slot, Row(), stat))
            Set_Player_Stat(team, slot, Row(), stat, value);
    }
    return all;
}
} // namespace

const DIALOG_TEMPLATE EDIT_PLAYER_DIALOG_TEMPLATE = {
    EDIT_PLAYER_DIALOG,
    "Edit Player",
    508,
    328,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    EDIT_PLAYER_CONTROLS,
    static_cast<int32_t>(sizeof EDIT_PLAYER_CONTROLS / sizeof EDIT_PLAYER_CONTROLS[0]),
    1};

void Fill_Edit_Player_Fields(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    char text[FORMATTED_TEXT_SIZE] = "";
    Get_Player_First_Name(team, slot, text);
    Set_Dialog_Item_Text(dialog, EDIT_FIRST_NAME, text);
    Get_Player_Last_Name(team, slot, text);
    Set_Dialog_Item_Text(dialog, EDIT_LAST_NAME, text);
    Get_Player_College(team, slot, text);
    Set_Dialog_Item_Text(dialog, EDIT_COLLEGE, text);
    Fill_Position_Combos(dialog, team, slot);
    Set_Integer(dialog, EDIT_BIRTH_DATE, Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE));
    Set_Integer(dialog, EDIT_HEIGHT, Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT));
    Set_Integer(dialog, EDIT_WEIGHT, Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT));
    Set_Integer(dialog, EDIT_SEASONS, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
    Set_Integer(dialog, EDIT_UNIFORM, Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM));
    Set_Dollars(dialog, EDIT_SALARY, Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    Set_Dollars(dialog, EDIT_BONUS, Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS));
    Set_Integer(dialog, EDIT_CONTRACT_YEARS, Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS));
    Set_Integer(dialog, EDIT_YEARS_LEFT, Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
    const int32_t record = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD);
    Fill_Drafted_By_Combo(dialog, record / DRAFT_YEAR_FACTOR);
    Set_Integer(dialog, EDIT_DRAFT_YEAR, record % DRAFT_YEAR_FACTOR);
    const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    Set_Integer(dialog, EDIT_DRAFT_ROUND, code / DRAFT_ROUND_FACTOR);
    Set_Integer(dialog, EDIT_DRAFT_PICK, code % DRAFT_ROUND_FACTOR);
    Set_Integer(dialog, EDIT_INJURED_WEEKS, Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT));
    Set_Integer(dialog, EDIT_PEAK_START, Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE));
    Set_Integer(dialog, EDIT_PEAK_END, Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT));
    Set_Integer(dialog, EDIT_POTENTIAL, Get_Player_Vital_Stat(team, slot, VITAL_DEVELOPMENT));
    Set_Integer(dialog, EDIT_LONGEVITY, Get_Player_Vital_Stat(team, slot, 19));
    Fill_Row_Combo(dialog, team, slot);
    const int32_t line = Shown_Line(team, slot);
    const bool line_row = Row() >= SEASON_ROWS;
    for (int32_t id : {EDIT_LINE_YEAR, EDIT_LINE_TEAM})
        Enable_Window(Get_Dialog_Item(dialog, id), line != NO_SEASON_LINE);
    Set_Dialog_Item_Text(dialog, EDIT_LINE_YEAR, "");
    if (line != NO_SEASON_LINE) Set_Integer(dialog, EDIT_LINE_YEAR, Get_Season_Line_Year(line));
    Fill_Line_Team_Combo(dialog, line);
    Show_Window(Get_Dialog_Item(dialog, EDIT_ERASE_LINE), line_row);
    const char* const* labels = STAT_LABELS[Labels_Of(Get_Player_Vital_Stat(team, slot, VITAL_POSITION))];
    for (int32_t stat = 0; stat < EDIT_STATS; ++stat) {
        Set_Dialog_Item_Text(dialog, EDIT_FIRST_STAT_LABEL + stat, labels[stat]);
        Set_Integer(dialog, EDIT_FIRST_STAT + stat, Get_Player_Stat(team, slot, Row(), stat));
    }
    Show_Player_Rating_Summary(dialog);
}

void Show_Player_Rating_Summary(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    char text[LINE_SIZE];
    safe_sprintf(
        text, sizeof text, "Overall: %d",
        static_cast<int32_t>(Get_Player_Position_Rating(team, slot, Translate_Expanded_Position(position))));
    Set_Dialog_Item_Text(dialog, EDIT_OVERALL_TEXT, text);
    safe_sprintf(text, sizeof text, "Peak: %d", static_cast<int32_t>(Get_Player_Potential(team, slot)));
    Set_Dialog_Item_Text(dialog, EDIT_PEAK_TEXT, text);
    for (int32_t k = 0; k < SHOWN_RATINGS; ++k) {
        text[0] = '\0';
        const int32_t rating =
            position >= 0 && position < NUMBER_OF_POSITIONS ? Get_Position_Column_Stat(position, k) : -1;
        if (rating >= 0) {
            char name[FORMATTED_TEXT_SIZE] = "";
            Get_Rating_Name(rating, name);
            safe_sprintf(text, sizeof text, "%s: %d", name,
                         static_cast<int32_t>(Get_Player_Rating(team, slot, rating)));
        }
        Set_Dialog_Item_Text(dialog, EDIT_RATING_LINES[k], text);
    }
}

bool Save_Edit_Player_Fields(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return true;
    Save_Names(dialog, team, slot);
    bool all = Save_Body_And_Contract(dialog, team, slot);
    all = Save_Draft_And_Development(dialog, team, slot) && all;
    all = Save_Row_Statistics(dialog, team, slot) && all;
    return all;
}

void Clear_Edit_Player_Stats(WINDOW_HANDLE dialog) {
    for (int32_t stat = 0; stat < EDIT_STATS; ++stat)
        Set_Dialog_Item_Text(dialog, EDIT_FIRST_STAT + stat, "0");
}

void Limit_Edit_Player_Texts(WINDOW_HANDLE dialog) {
    Edit_Set_Limit(Get_Dialog_Item(dialog, EDIT_FIRST_NAME), 11);
    Edit_Set_Limit(Get_Dialog_Item(dialog, EDIT_LAST_NAME), 19);
    Edit_Set_Limit(Get_Dialog_Item(dialog, EDIT_COLLEGE), 23);
}
