#include "views/matchup_dialog_template.h"

#include "platform/controls.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t CENTRED = CONTROL_CENTRE_TEXT;
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
// Wide enough for the third button's "Simulate Until Week 22" in the bold
// font the buttons are given.
constexpr int32_t BUTTON_WIDTH = 116;

// Unit k's stars and label lie 18 units below unit k - 1's. The labels stand
// at x 120 and reach the second team's stars, so the longest fits in the
// bold font they are given.
constexpr DIALOG_UNIT_RECT Stars(int32_t x, int32_t k) {
    return {x, 144 + 18 * k, 66, 13};
}
constexpr DIALOG_UNIT_RECT Label(int32_t k) {
    return {120, 147 + 18 * k, 77, 10};
}

const DIALOG_CONTROL MATCHUP_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, MATCHUP_WEEK_TEXT, {120, 33, 60, 40}, "", CENTRED},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_DOWNLOADED_LOGO, {40, 20, 60, 54}, "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_DOWNLOADED_LOGO, {200, 20, 60, 54}, "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_LOGO, {20, 93, 100, 22}, "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_LOGO, {180, 93, 100, 22}, "", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_AT_TEXT, {130, 99, 40, 12}, "AT", CENTRED},
    {CONTROL_STATIC_TEXT, MATCHUP_FIRST_RECORD, {37, 120, 66, 16}, "", CENTRED},
    {CONTROL_STATIC_TEXT, MATCHUP_SECOND_RECORD, {197, 120, 66, 16}, "", CENTRED},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_STARS + 0, Stars(37, 0), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_STARS + 1, Stars(37, 1), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_STARS + 2, Stars(37, 2), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_STARS + 3, Stars(37, 3), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_FIRST_STARS + 4, Stars(37, 4), "", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_UNIT_LABELS[0], Label(0), "Running", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_UNIT_LABELS[1], Label(1), "Passing", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_UNIT_LABELS[2], Label(2), "Run Defense", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_UNIT_LABELS[3], Label(3), "Pass Defense", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_UNIT_LABELS[4], Label(4), "Special Teams", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_STARS + 0, Stars(197, 0), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_STARS + 1, Stars(197, 1), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_STARS + 2, Stars(197, 2), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_STARS + 3, Stars(197, 3), "", 0},
    {CONTROL_STATIC_IMAGE, MATCHUP_SECOND_STARS + 4, Stars(197, 4), "", 0},
    {CONTROL_STATIC_TEXT, MATCHUP_SPREAD_TEXT, {47, 238, 207, 16}, "", CENTRED},
    {CONTROL_STATIC_IMAGE, MATCHUP_WATCH_BAR, {47, 220, 207, 14}, "(Watch Games)", CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON,
     MATCHUP_PLAY_BUTTON,
     {100, 260, BUTTON_WIDTH, 14},
     "Play This Game",
     BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON,
     MATCHUP_SIMULATE_BUTTON,
     {100, 278, BUTTON_WIDTH, 14},
     "Simulate This Game",
     BUTTON},
    {CONTROL_PUSH_BUTTON, MATCHUP_SIMULATE_ALL_BUTTON, {100, 296, BUTTON_WIDTH, 14}, "Simulate All", BUTTON},
};
} // namespace

const DIALOG_TEMPLATE MATCHUP_DIALOG_TEMPLATE = {
    181,
    "",
    300,
    331,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    MATCHUP_CONTROLS,
    static_cast<int32_t>(sizeof MATCHUP_CONTROLS / sizeof MATCHUP_CONTROLS[0]),
    1};
