// The templates of the three depth-chart pages, laid out on one grid: the
// team row along the top, the lists at x 40 with their row labels to the
// left and their buttons to the right, the page buttons along the bottom.
#include "app/team_lists.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/special_teams_dialog.h"
#include "platform/controls.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t TEAM_COMBO = WINDOW_TAB_STOP | CONTROL_OWNER_DRAW;
constexpr uint32_t ROSTER_LIST = WINDOW_TAB_STOP | CONTROL_TAB_STOPS;
constexpr uint32_t HIDDEN = CONTROL_HIDDEN;
constexpr int32_t STAT_SEASON = 1223;

constexpr int32_t WIDTH = 480;
constexpr int32_t PAGE_HEIGHT = 318;
constexpr int32_t SPECIAL_TEAMS_HEIGHT = 190;
constexpr int32_t LIST_X = 40;
constexpr int32_t LIST_WIDTH = 376;
constexpr int32_t SIDE_X = 422;
constexpr int32_t SIDE_WIDTH = 50;
constexpr int32_t BUTTON_HEIGHT = 14;
// Headings stand over the list's columns: the text starts 3 units inside it.
constexpr int32_t HEADING_X = LIST_X + 3;

// The headings of one list at height y, with the fourth column's own title.
#define DEPTH_HEADINGS(y, stops, games)                                                                      \
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {HEADING_X, y, 60, 9}, "Player", 0},                              \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {HEADING_X + (stops)[0] - 8, y, 34, 9}, "Position", 0},       \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {HEADING_X + (stops)[1], y, 28, 9}, "Rating", 0},             \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {HEADING_X + (stops)[2] + 4, y, 18, 9}, games, 0}, {          \
        CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {HEADING_X + (stops)[3], y, 40, 9}, "Stats", 0                 \
    }

#define TEAM_ROW                                                                                             \
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 196, 150}, "", TEAM_COMBO},                                    \
        {CONTROL_COMBO_BOX, STAT_SEASON, {210, 6, 76, 60}, "", BUTTON},                                      \
        {CONTROL_PUSH_BUTTON, DEPTH_VIEW_MY_TEAM, {292, 5, 76, BUTTON_HEIGHT}, "&View My Team", BUTTON}, {   \
        CONTROL_STATIC_IMAGE, DEPTH_HELMET, {432, 1, 40, 30}, "", 0                                          \
    }

const DIALOG_CONTROL OFFENSE_CONTROLS[] = {
    TEAM_ROW,
    DEPTH_HEADINGS(26, DEPTH_LIST_STOPS, "GS"),
    {CONTROL_STATIC_TEXT, DEPTH_LINEUP_LABELS, {8, 37, 30, 86}, "", 0},
    {CONTROL_LIST_BOX, DEPTH_STARTER_LIST, {LIST_X, 36, LIST_WIDTH, 88}, "", ROSTER_LIST},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_UP, {SIDE_X, 36, SIDE_WIDTH, BUTTON_HEIGHT}, "&Up", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_DOWN, {SIDE_X, 52, SIDE_WIDTH, BUTTON_HEIGHT}, "&Down", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_STARTER_SCOUTING,
     {SIDE_X, 68, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_SWAP, {LIST_X, 132, 46, BUTTON_HEIGHT}, "&Swap", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_AUTO_SORT, {90, 132, 52, BUTTON_HEIGHT}, "&Auto-Sort", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 134, 76, 9}, "Starting Personnel", 0},
    {CONTROL_COMBO_BOX, PERSONNEL_COMBO, {232, 132, 78, 80}, "", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {314, 134, 70, 9}, "Run/Pass Balance", 0},
    {CONTROL_COMBO_BOX, BALANCE_COMBO, {386, 132, 86, 150}, "", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 130, 30, 18}, "Running Back\nUsage", HIDDEN},
    {CONTROL_COMBO_BOX, RUNNING_BACK_USAGE_COMBO, {8, 130, 30, 60}, "", HIDDEN},
    DEPTH_HEADINGS(152, DEPTH_LIST_STOPS, "GS"),
    {CONTROL_LIST_BOX, DEPTH_RESERVE_LIST, {LIST_X, 162, LIST_WIDTH, 112}, "", ROSTER_LIST},
    {CONTROL_PUSH_BUTTON, DEPTH_RESERVE_UP, {SIDE_X, 162, SIDE_WIDTH, BUTTON_HEIGHT}, "&Up", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_RESERVE_DOWN, {SIDE_X, 178, SIDE_WIDTH, BUTTON_HEIGHT}, "&Down", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_RESERVE_SCOUTING,
     {SIDE_X, 194, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_RELEASE, {SIDE_X, 210, SIDE_WIDTH, BUTTON_HEIGHT}, "&Release", BUTTON},
    {CONTROL_STATIC_TEXT, DEPTH_NOTE_TEXT, {8, 276, 220, 38}, "", 0},
    {CONTROL_PUSH_BUTTON, DEPTH_HELP, {230, 298, 50, BUTTON_HEIGHT}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_SPECIAL_TEAMS_BUTTON,
     {282, 298, 78, BUTTON_HEIGHT},
     "&Special Teams",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_DEFENSE_BUTTON, {364, 298, 54, BUTTON_HEIGHT}, "&Defense", BUTTON},
    {CONTROL_PUSH_BUTTON,
     ID_OK,
     {SIDE_X, 298, SIDE_WIDTH, BUTTON_HEIGHT},
     "&DONE",
     BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL DEFENSE_CONTROLS[] = {
    TEAM_ROW,
    DEPTH_HEADINGS(26, DEPTH_LIST_STOPS, "GS"),
    {CONTROL_STATIC_TEXT, DEPTH_LINEUP_LABELS, {8, 37, 30, 86}, "", 0},
    {CONTROL_LIST_BOX, DEPTH_STARTER_LIST, {LIST_X, 36, LIST_WIDTH, 88}, "", ROSTER_LIST},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_UP, {SIDE_X, 36, SIDE_WIDTH, BUTTON_HEIGHT}, "&Up", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_DOWN, {SIDE_X, 52, SIDE_WIDTH, BUTTON_HEIGHT}, "&Down", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_STARTER_SCOUTING,
     {SIDE_X, 68, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_SWAP, {LIST_X, 132, 46, BUTTON_HEIGHT}, "&Swap", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_AUTO_SORT, {90, 132, 52, BUTTON_HEIGHT}, "&Auto-Sort", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 134, 76, 9}, "Defensive Scheme", 0},
    {CONTROL_COMBO_BOX, SCHEME_COMBO, {232, 132, 60, 60}, "", BUTTON},
    DEPTH_HEADINGS(152, DEPTH_LIST_STOPS, "GS"),
    {CONTROL_LIST_BOX, DEPTH_RESERVE_LIST, {LIST_X, 162, LIST_WIDTH, 112}, "", ROSTER_LIST},
    {CONTROL_PUSH_BUTTON, DEPTH_RESERVE_UP, {SIDE_X, 162, SIDE_WIDTH, BUTTON_HEIGHT}, "&Up", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_RESERVE_DOWN, {SIDE_X, 178, SIDE_WIDTH, BUTTON_HEIGHT}, "&Down", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_RESERVE_SCOUTING,
     {SIDE_X, 194, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_RELEASE, {SIDE_X, 210, SIDE_WIDTH, BUTTON_HEIGHT}, "&Release", BUTTON},
    {CONTROL_STATIC_TEXT, DEPTH_NOTE_TEXT, {8, 276, 220, 38}, "", 0},
    {CONTROL_PUSH_BUTTON, DEPTH_HELP, {230, 298, 50, BUTTON_HEIGHT}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_SPECIAL_TEAMS_BUTTON,
     {282, 298, 78, BUTTON_HEIGHT},
     "&Special Teams",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_OFFENSE_BUTTON, {364, 298, 54, BUTTON_HEIGHT}, "&Offense", BUTTON},
    {CONTROL_PUSH_BUTTON,
     ID_OK,
     {SIDE_X, 298, SIDE_WIDTH, BUTTON_HEIGHT},
     "&DONE",
     BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL SPECIAL_TEAMS_CONTROLS[] = {
    TEAM_ROW,
    DEPTH_HEADINGS(26, KICKING_LIST_STOPS, "G"),
    {CONTROL_STATIC_TEXT, DEPTH_LINEUP_LABELS, {8, 37, 30, 18}, "K\nP", 0},
    {CONTROL_LIST_BOX, DEPTH_STARTER_LIST, {LIST_X, 36, LIST_WIDTH, 64}, "", ROSTER_LIST},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_UP, {SIDE_X, 36, SIDE_WIDTH, BUTTON_HEIGHT}, "&Up", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_STARTER_DOWN, {SIDE_X, 52, SIDE_WIDTH, BUTTON_HEIGHT}, "&Down", BUTTON},
    {CONTROL_PUSH_BUTTON,
     DEPTH_STARTER_SCOUTING,
     {SIDE_X, 68, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_RELEASE, {SIDE_X, 84, SIDE_WIDTH, BUTTON_HEIGHT}, "&Release", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_AUTO_SORT, {LIST_X, 104, 52, BUTTON_HEIGHT}, "&Auto-Sort", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {4, 120, 472, 44}, "Returners", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {12, 132, 24, 9}, "KR", 0},
    {CONTROL_COMBO_BOX, KICK_RETURNER_COMBO, {LIST_X, 130, LIST_WIDTH, 56}, "", BUTTON},
    {CONTROL_PUSH_BUTTON,
     KICK_RETURNER_SCOUTING,
     {SIDE_X, 129, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {12, 148, 24, 9}, "PR", 0},
    {CONTROL_COMBO_BOX, PUNT_RETURNER_COMBO, {LIST_X, 146, LIST_WIDTH, 40}, "", BUTTON},
    {CONTROL_PUSH_BUTTON,
     PUNT_RETURNER_SCOUTING,
     {SIDE_X, 145, SIDE_WIDTH, BUTTON_HEIGHT},
     "&Scouting",
     BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_HELP, {250, 170, 50, BUTTON_HEIGHT}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_OFFENSE_BUTTON, {304, 170, 56, BUTTON_HEIGHT}, "&Offense", BUTTON},
    {CONTROL_PUSH_BUTTON, DEPTH_DEFENSE_BUTTON, {364, 170, 54, BUTTON_HEIGHT}, "&Defense", BUTTON},
    {CONTROL_PUSH_BUTTON,
     ID_OK,
     {SIDE_X, 170, SIDE_WIDTH, BUTTON_HEIGHT},
     "&DONE",
     BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef DEPTH_HEADINGS
#undef TEAM_ROW

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}
} // namespace

const DIALOG_TEMPLATE OFFENSE_DIALOG_TEMPLATE = {119,
                                                 "Offense",
                                                 WIDTH,
                                                 PAGE_HEIGHT,
                                                 "MS Sans Serif",
                                                 8,
                                                 WINDOW_CAPTION | WINDOW_BORDER,
                                                 OFFENSE_CONTROLS,
                                                 Count_Of(OFFENSE_CONTROLS),
                                                 1};
const DIALOG_TEMPLATE DEFENSE_DIALOG_TEMPLATE = {DEFENSE_DIALOG,
                                                 "Defense",
                                                 WIDTH,
                                                 PAGE_HEIGHT,
                                                 "MS Sans Serif",
                                                 8,
                                                 WINDOW_CAPTION | WINDOW_BORDER,
                                                 DEFENSE_CONTROLS,
                                                 Count_Of(DEFENSE_CONTROLS),
                                                 1};
const DIALOG_TEMPLATE SPECIAL_TEAMS_DIALOG_TEMPLATE = {SPECIAL_TEAMS_DIALOG,
                                                       "Special Teams",
                                                       WIDTH,
                                                       SPECIAL_TEAMS_HEIGHT,
                                                       "MS Sans Serif",
                                                       8,
                                                       WINDOW_CAPTION | WINDOW_BORDER,
                                                       SPECIAL_TEAMS_CONTROLS,
                                                       Count_Of(SPECIAL_TEAMS_CONTROLS),
                                                       1};
