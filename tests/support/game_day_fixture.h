#pragma once
// The game-day screen under a scripted user: a frame with the installation's
// pictures, a league whose week 0 holds a game of the user's team, and a
// "user" run by a window timer who looks at the screen and gives one input
// (a key, a click at a design point, a dialog button) at a time, as a person
// would, through the null backend's scripted input.
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"
#include "support/frame_fixture.h"

// The user's team plays at home against the visitor in week 0.
constexpr int32_t GAME_DAY_HOME = 0;
constexpr int32_t GAME_DAY_VISITOR = 1;

class GameDayTest : public FrameTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// The league and the frame: the home team is run by the user, the game's
// week is ready to be played, the league is loaded as a saved game would be
// (the views paint only a loaded game), and the main window shows its bars.
// The week holds `games` games (team 2k at home to 2k + 1), the user's first.
void Start_Game_Day(const char* skin = "earth", int32_t games = 1);

// The user's turn: called on a timer whenever no scripted input is waiting.
using GAME_DAY_USER = void (*)(void* context);
void Start_Game_Day_User(GAME_DAY_USER user, void* context);
void Stop_Game_Day_User();
// The week played with the user's game watched from the matchup dialog on,
// `user` giving the input.
void Play_Watched_Week(GAME_DAY_USER user, void* context);

// A game on screen without the calendar: the user's team (the home side, 1)
// has the ball, first and 10 at its 40, down `down`, and the game is watched
// this week.
GAME_RECORD* Start_Live_Game(uint32_t down = 0, const char* skin = "earth");

// Input a user gives, queued for the next wait.
void Click_Design_Point(int32_t x, int32_t y);
void Move_To_Design_Point(int32_t x, int32_t y);
void Press_Key(uint32_t key);
// Clicks a control of the innermost modal dialog; false when none is open.
bool Click_Dialog_Control(int32_t control_id);
int32_t Get_Open_Dialog_Id();
// A modal dialog on the null backend runs only on scripted input: this queues
// the click of a control of dialog `dialog_id`, given as soon as that dialog
// is open (the wait before it lets time pass).
// `before`, when given, looks at the open dialog first.
void Script_Dialog_Control_Click(int32_t dialog_id, int32_t control_id, void (*before)() = nullptr);

// The last text drawn (since the trace was cleared) in a cell whose top-left
// design corner is (x, y); empty when none was.
std::string Get_Drawn_Cell_Text(int32_t x, int32_t y);

// The client area of the main window (1024 x 676) as a picture; written to
// KORVA_PICTURE_DIR/<name>.png when that folder is given. Returns the number
// of distinct colours in the picture (a picture of one colour shows nothing).
int32_t Take_View_Picture(const std::string& name);
// The same of the whole screen (dialogs over the main window).
int32_t Take_Screen_Picture(const std::string& name);
// Whether the view area shows what a fresh paint of the current view draws,
// but for the design rectangle `ignored` (the wind arrow is shaken on every
// paint of a game in progress). The main window is repainted; when the two
// differ both pictures are kept as "<name>-shown" and "<name>-fresh".
bool Is_View_As_Freshly_Painted(const std::string& name, const RECT_AREA& ignored = {0, 0, 0, 0});
