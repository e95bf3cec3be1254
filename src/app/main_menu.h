#pragma once
// The main window's menu (menu 101) and accelerator table (101), and the ways
// the frame changes them: the Play menu by game phase and while a simulation
// runs, the draft items' names, the help item's name per view, and greying
// the whole bar while long work runs.
#include <cstdint>

#include "platform/accelerators.h"
#include "platform/handles.h"

// Menu command ids the frame and its tests name.
constexpr int32_t ID_SAVE_GAME = 40003;
constexpr int32_t ID_RESUME_GAME = 40004;
constexpr int32_t ID_EXIT = 40007;
constexpr int32_t ID_TRADES = 40008;
constexpr int32_t ID_HELP_CONTENTS = 40014;
constexpr int32_t ID_ABOUT = 40017;
constexpr int32_t ID_NEW_GAME = 40018;
constexpr int32_t ID_RETIRE = 40043;
constexpr int32_t ID_PLAY_TRADING_DEADLINE = 40044;
constexpr int32_t ID_PLAY_ONE_WEEK = 40045;
constexpr int32_t ID_PLAY_ONE_MONTH = 40046;
constexpr int32_t ID_PLAY_HALF_SEASON = 40047;
constexpr int32_t ID_PLAY_REST_OF_SEASON = 40048;
constexpr int32_t ID_PLAY_END_DRAFT = 40050;
constexpr int32_t ID_PLAY_START_DRAFT = 40053;
constexpr int32_t ID_HELP_ON_VIEW = 40057;
constexpr int32_t ID_STOP_SIMULATION = 40058;
constexpr int32_t ID_FINISH_QUARTER = 40059;
constexpr int32_t ID_FINISH_GAME = 40060;
constexpr int32_t ID_VIEW_RECAP = 40062;
constexpr int32_t ID_CONTINUE_DRAFT = 40063;
constexpr int32_t ID_CALL_TIMEOUT = 40064;
constexpr int32_t ID_VIEW_BOX_SCORE = 40066;
constexpr int32_t ID_COLLEGE_DRAFT = 40085;
constexpr int32_t ID_FANTASY_DRAFT = 40088;
constexpr int32_t ID_PLAY_SEASONS = 40099;
constexpr int32_t ID_SHOW_DEBUG_TIMER = 40105;
constexpr int32_t ID_TIMEOUT_KEY = 40132;

// Position of the Play menu among the top-level menus.
constexpr int32_t PLAY_MENU_POSITION = 5;

// The main menu: the main window's own once it exists, else one kept for it.
MENU_HANDLE Get_Main_Menu();
// A fresh copy of menu 101 (the Play menu already set for the phase).
MENU_HANDLE Create_Main_Menu();
const ACCELERATOR* Get_Accelerator_Table(int32_t* count);

// Rebuilds the Play menu for the game's phase.
void Update_Play_Menu();
// Nonzero: the Play menu of the phase. 0: the Play menu of a running
// simulation ("&Stop", or the game commands while a game is played).
void Set_Play_Menu_Mode(int32_t normal);
// Names the draft items for a running fantasy draft (nonzero) or not.
void Set_Draft_Menu_Texts(int32_t fantasy_draft_running);
// Names the help item for the view shown.
void Set_Help_Menu_Text(int32_t view);
// Enables (1) or greys (0) every top-level item, then redraws the bar.
void Enable_Main_Menu(int32_t enable);
