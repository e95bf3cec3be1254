#pragma once
// Edit Player (150) and Edit Ratings (200), the commissioner's editors of one
// player: the one the Scouting Report shows (settings 29 and 30). Edit Player
// changes every field of his record and the twenty statistics of any of his
// statistics seasons or season lines, copies, clears and deletes him, and
// adds or erases season lines; Edit Ratings changes his 26 ratings and steps
// his overall. The editor follows its player by id: when his position change
// re-sorts the roster, settings 29 and 30 move with him.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t EDIT_PLAYER_DIALOG = 150;
constexpr int32_t EDIT_RATINGS_DIALOG = 200;
// Setting 40: the statistics row shown, 0-3 the statistics seasons, 4 + n
// the player's season line n.
constexpr int32_t EDIT_PLAYER_ROW = 40;

// Edit Player's controls.
constexpr int32_t EDIT_FIRST_NAME = 1270;
constexpr int32_t EDIT_LAST_NAME = 1271;
constexpr int32_t EDIT_POSITION = 1217;
constexpr int32_t EDIT_DETAILED_POSITION = 1219;
constexpr int32_t EDIT_ROW = 1218;
constexpr int32_t EDIT_COLLEGE = 1257;
constexpr int32_t EDIT_BIRTH_DATE = 1259;
constexpr int32_t EDIT_HEIGHT = 1264;
constexpr int32_t EDIT_WEIGHT = 1265;
constexpr int32_t EDIT_SEASONS = 1262;
constexpr int32_t EDIT_UNIFORM = 1283;
constexpr int32_t EDIT_SALARY = 1255;
constexpr int32_t EDIT_BONUS = 1348;
constexpr int32_t EDIT_CONTRACT_YEARS = 1260;
constexpr int32_t EDIT_YEARS_LEFT = 1385;
constexpr int32_t EDIT_DRAFTED_BY = 1154;
constexpr int32_t EDIT_DRAFT_YEAR = 1266;
constexpr int32_t EDIT_DRAFT_ROUND = 1267;
constexpr int32_t EDIT_DRAFT_PICK = 1268;
constexpr int32_t EDIT_INJURED_WEEKS = 1269;
constexpr int32_t EDIT_PEAK_START = 1273;
constexpr int32_t EDIT_PEAK_END = 1274;
constexpr int32_t EDIT_POTENTIAL = 1275;
constexpr int32_t EDIT_LONGEVITY = 1276;
constexpr int32_t EDIT_LINE_YEAR = 1153;
constexpr int32_t EDIT_LINE_TEAM = 1132;
// The twenty statistic edits and their labels.
constexpr int32_t EDIT_FIRST_STAT = 1133;
constexpr int32_t EDIT_FIRST_STAT_LABEL = 1163;
constexpr int32_t EDIT_STATS = 20;
// The rating summary: overall, peak and five ratings of his position.
constexpr int32_t EDIT_OVERALL_TEXT = 1448;
constexpr int32_t EDIT_PEAK_TEXT = 1449;
constexpr int32_t EDIT_RATING_LINES[5] = {1277, 1278, 1279, 1280, 1281};
// Buttons.
constexpr int32_t EDIT_ADD_LINE = 4;
constexpr int32_t EDIT_ERASE_LINE = 5;
constexpr int32_t EDIT_CALCULATE = 1261;
constexpr int32_t EDIT_DONE = 1285;
constexpr int32_t EDIT_RATINGS_BUTTON = 7;
constexpr int32_t EDIT_DELETE = 3;
constexpr int32_t EDIT_CLEAR = 1263;
constexpr int32_t EDIT_COPY = 1258;
constexpr int32_t EDIT_HELP = 9;

// Edit Ratings' controls: the edits of ratings 1-26 and their labels.
constexpr int32_t RATING_FIRST_EDIT = 1133;
constexpr int32_t RATING_FIRST_LABEL = 1163;
constexpr int32_t RATING_EDITS = 26;
constexpr int32_t RATING_OVERALL_TEXT = 1449;
constexpr int32_t RATING_RAISE = 1286;
constexpr int32_t RATING_LOWER = 1287;
constexpr int32_t RATING_REFRESH = 1261;

extern const DIALOG_TEMPLATE EDIT_PLAYER_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE EDIT_RATINGS_DIALOG_TEMPLATE;

// Ends with 1 (DONE, Cancel, a copy made), or 0 when the player was deleted.
intptr_t Edit_Player_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Ends with 1.
intptr_t Edit_Ratings_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The selected player (settings 29 and 30) becomes the one edited; false
// when the slot holds nobody.
bool Take_Selected_Player_For_Editing();
// The player edited, found again by his id when his slot changed (settings
// 29 and 30 follow him); false when he is gone.
bool Find_Edited_Player(int32_t* team, int32_t* slot);

void Refresh_Edit_Player(WINDOW_HANDLE dialog);
void Fill_Edit_Player_Fields(WINDOW_HANDLE dialog);
void Show_Player_Rating_Summary(WINDOW_HANDLE dialog);
// Stores every field. A field whose text is no number, or lies outside the
// field, is refused with a message naming it and keeps its value; the
// others are stored. True when every field was taken.
bool Save_Edit_Player_Fields(WINDOW_HANDLE dialog);
void Clear_Edit_Player_Stats(WINDOW_HANDLE dialog);
// Marks the dialog for painting again, where the ratings just worked out show.
void Invalidate_Player_Picture_Area(WINDOW_HANDLE dialog);
// The names and the college hold what their fields take: 11, 19 and 23 characters.
void Limit_Edit_Player_Texts(WINDOW_HANDLE dialog);

void Fill_Edit_Ratings_Fields(WINDOW_HANDLE dialog);
// Ratings 1-26 from their edits; a text that is no number or lies beyond
// +-1,000 is refused and the rating keeps its value. True when all were taken.
bool Save_Edit_Ratings_Fields(WINDOW_HANDLE dialog);
// Steps the player's ratings until his rating at his position, in the whole
// points the overall shows, reaches the target (at most 1,000 steps), then
// his typical season follows them.
void Adjust_Overall_Rating(int32_t team, int32_t slot, int32_t target);
void Raise_Overall_Rating(int32_t team, int32_t slot);
void Lower_Overall_Rating(int32_t team, int32_t slot);

// Gives a copied player season lines of his own: each line of the original
// duplicated into a free line. When the league has too few free lines the
// copy keeps none and the user is told. Returns the lines given.
int32_t Give_Copy_Own_Season_Lines(int32_t team, int32_t slot);
