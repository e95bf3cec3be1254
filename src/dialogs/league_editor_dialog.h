#pragma once
// The League Editor (159): the names of the two leagues and their eight
// divisions, the season length and wild cards, the salary cap, inflation and
// start year, the game rules, the money and simulation settings, and team by
// team its names, home city, division, fan loyalty, cash, record, control
// and general manager; it also adds and erases franchises. Typed numbers
// are read in 64 bits ("$" and "," allowed); a number that is no number or
// lies outside its field is refused with a message naming the field.
#include <cstdint>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/universe.h"
#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t LEAGUE_EDITOR_DIALOG = 159;

// League info.
constexpr int32_t LEAGUE_NAME_EDITS[2] = {1021, 1023};
constexpr int32_t DIVISION_NAME_EDITS[8] = {1303, 1304, 1305, 1309, 1310, 1311, 1318, 1319};
constexpr int32_t DIVISION_COUNT_TEXTS[8] = {1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337};
constexpr int32_t SEASON_GAMES_EDIT = 1315;
constexpr int32_t WILD_CARDS_EDIT = 1322;
constexpr int32_t SALARY_CAP_EDIT = 1317;
constexpr int32_t INFLATION_EDIT = 1323;
constexpr int32_t INFLATION_LABEL = 1466;
constexpr int32_t START_YEAR_EDIT = 1089;
constexpr int32_t CURRENT_DATE_COMBO = 1078;
constexpr int32_t SUPER_BOWL_BOX = 1455;
constexpr int32_t SAME_DIVISION_BOX = 1456;
constexpr int32_t OVERTIME_GAMES_BOX = 1453;
constexpr int32_t TWO_POINT_BOX = 1454;
constexpr int32_t REAL_SCHEDULES_BOX = 1479;
constexpr int32_t FICTIONAL_ROOKIES_BOX = 1457;
// Rule combos.
constexpr int32_t KICKOFF_COMBO = 1421;
constexpr int32_t TOUCHBACK_COMBO = 1420;
constexpr int32_t EXTRA_POINT_COMBO = 1210;
constexpr int32_t MISSED_FIELD_GOAL_COMBO = 1212;
constexpr int32_t OVERTIME_LENGTH_COMBO = 1211;
constexpr int32_t OVERTIME_POSSESSION_COMBO = 1209;
constexpr int32_t OVERTIME_RULES_COMBO = 1207;
constexpr int32_t PLAYOFF_OVERTIME_COMBO = 1208;
// Percentage combos.
constexpr int32_t SALARY_DEMANDS_COMBO = 1079;
constexpr int32_t LEAGUE_REVENUE_COMBO = 1080;
constexpr int32_t INJURY_FREQUENCY_COMBO = 1081;
constexpr int32_t INJURY_SEVERITY_COMBO = 1082;
constexpr int32_t DRAFT_TALENT_COMBO = 1206;
constexpr int32_t PLAYER_AGING_COMBO = 1213;
// Team info.
constexpr int32_t TEAM_HOME_EDIT = 1302;
constexpr int32_t TEAM_NICKNAME_EDIT = 1287;
constexpr int32_t TEAM_ABBREVIATION_EDIT = 1288;
constexpr int32_t TEAM_CITY_COMBO = 1133;
constexpr int32_t TEAM_DIVISION_COMBO = 1134;
constexpr int32_t TEAM_LOYALTY_COMBO = 1019;
constexpr int32_t TEAM_CASH_EDIT = 1086;
constexpr int32_t TEAM_WINS_EDIT = 1087;
constexpr int32_t TEAM_LOSSES_EDIT = 1088;
constexpr int32_t TEAM_HUMAN_RADIO = 1097;
constexpr int32_t TEAM_COMPUTER_RADIO = 1098;
constexpr int32_t TEAM_GM_EDIT = 1316;
constexpr int32_t ALL_HUMAN_BUTTON = 1263;
constexpr int32_t ALL_CPU_BUTTON = 1262;
constexpr int32_t ADD_TEAM_BUTTON = 11;
constexpr int32_t ERASE_TEAM_BUTTON = 10;
constexpr int32_t LEAGUE_REFRESH_BUTTON = 1261;
constexpr int32_t LEAGUE_HELP_BUTTON = 9;

// Limits of the league's shape.
constexpr int32_t MOST_CONFERENCE_TEAMS = 18;
constexpr int32_t LEAST_SEASON_GAMES = 4;
constexpr int32_t MOST_SEASON_GAMES = 17;
constexpr int32_t MOST_INFLATION = 3000;
// The start years whose league rules (games, cap, overtime and the rest) are known.
constexpr int32_t FIRST_START_YEAR = 1920;
constexpr int32_t LAST_START_YEAR = 2100;

extern const DIALOG_TEMPLATE LEAGUE_EDITOR_DIALOG_TEMPLATE;
// Set when the season's schedule must be made again: games per season, a
// division or the set of teams changed. Cleared when the editor opens.
extern bool Schedule_Needs_Rebuild;

// Ends with 1, never with fewer than two active teams.
intptr_t League_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

void Fill_League_Info(WINDOW_HANDLE dialog);
void Apply_League_Info(WINDOW_HANDLE dialog);
void Fill_Team_Info(WINDOW_HANDLE dialog);
void Apply_Team_Info(WINDOW_HANDLE dialog);
void Fill_League_Editor_Combos(WINDOW_HANDLE dialog);
void Fill_Division_Combo(WINDOW_HANDLE dialog);
void Fill_City_Combo(WINDOW_HANDLE dialog);
void Fill_Current_Week_Combo(WINDOW_HANDLE dialog);
void Show_Division_Team_Counts(WINDOW_HANDLE dialog);
// Label 1466: "Inflation Factor: (2022 Season = '1000')".
void Show_Inflation_Label(WINDOW_HANDLE dialog);
void Update_League_Editor_Buttons(WINDOW_HANDLE dialog);
// Refuses (0, told) a league of more than 18 teams or a division of more
// than 13; otherwise stores the league info, clears the names of empty
// leagues and divisions, moves league 1 into an empty league 0 and each
// division with teams into an empty one before it (1).
int32_t Check_And_Compact_Divisions(WINDOW_HANDLE dialog);
// Tells of a season in progress and offers Commissioner Mode.
void Check_League_Editor_Access();

// The league's rules, apart from the dialog.
int32_t Has_Two_Teams();
// A season is played: its champion not decided and the week not 0.
bool Is_Season_Under_Way();
// Commissioner Mode and the season not under way (champion decided, or week 0).
bool Can_Add_Or_Erase_Teams();
bool Can_Edit_Teams();
bool Can_Edit_League();
// Games per season as typed, made legal for `teams` active teams: 4-17,
// even below 16, 17 only with 32 teams. `message` (TEXT_BUFFER_SIZE bytes)
// says why it changed, empty when it stands.
int32_t Legal_Games_Per_Season(int64_t typed, int32_t teams, char* message);
// The wild cards a conference of `divisions` divisions (taken as 1-4) may have.
void Get_Wild_Card_Range(int32_t divisions, int32_t* least, int32_t* most);
// Wild cards made legal for every league in use, league after league, each
// checking the number the one before left; `messages[league]` says why that
// league changed it, empty when it stood.
int32_t Legal_Wild_Card_Teams(int64_t typed, char messages[NUMBER_OF_LEAGUES][TEXT_BUFFER_SIZE]);
// Moves every team, and the name, of one league or division into another
// (whose names are then cleared in the old one).
void Move_League(int32_t to, int32_t from);
void Move_Division(int32_t to, int32_t from);
// The division a new team joins: in league 0 unless it holds 18 teams, the
// first division of that league with teams and room for one more, else its
// first empty division; -1 when neither league has room.
int32_t Choose_New_Team_Division();
// Whether "&Add a New Team" can add a franchise once the season has
// `games` games: a division with room, and room in the league.
bool Can_Add_League_Editor_Team(int32_t games);
// "&Add a New Team" after the season length was settled: the franchise with
// its roster, the best free city and a division with room. Its slot, or -1.
int32_t Add_League_Editor_Team();
// The universe statistic a percentage combo sets, (choice - 10) x 10; -1 for another control.
int32_t Get_Percent_Combo_Stat(int32_t combo);
// The fan-loyalty grade (0-12) of financial statistic 0, and the support a
// chosen grade is stored as, which shows as the same grade again.
int32_t Get_Fan_Loyalty_Grade(int32_t fan_support);
int32_t Get_Fan_Support_Of_Grade(int32_t grade);
