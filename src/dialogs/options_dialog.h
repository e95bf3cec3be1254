#pragma once
// The Options dialog (147): the game-wide choices saved with each game, and
// the hints dialog "Did You Know?" (156) that nothing opens.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

struct DEVICE_CONTEXT;

constexpr int32_t OPTIONS_DIALOG = 147;
constexpr int32_t DID_YOU_KNOW_DIALOG = 156;

// Controls of dialog 147.
constexpr int32_t OPTION_COMMISSIONER_BOX = 1023;
constexpr int32_t OPTION_PERFECT_SCOUTING_BOX = 1024;
constexpr int32_t OPTION_AUTO_SAVE_BOX = 1028;
constexpr int32_t OPTION_COMPUTER_TRADES_BOX = 1029;
constexpr int32_t OPTION_NEWS_TICKER_BOX = 1030;
constexpr int32_t OPTION_SOUNDS_BOX = 1031;
constexpr int32_t OPTION_DARK_TEXT_BOX = 1032;
constexpr int32_t OPTION_OUTPUT_STANDINGS_BOX = 1033;
constexpr int32_t OPTION_OUTPUT_AWARDS_BOX = 1034;
constexpr int32_t OPTION_OUTPUT_FINANCES_BOX = 1035;
constexpr int32_t OPTION_AUTO_FILL_BOX = 1036;
constexpr int32_t OPTION_REQUIRE_CLICK_BOX = 1040;
constexpr int32_t OPTION_REPLAY_BOX = 1322;
constexpr int32_t OPTION_FINANCE_MODE_COMBO = 1010;
constexpr int32_t OPTION_DIFFICULTY_COMBO = 1008;
constexpr int32_t OPTION_REVERSION_COMBO = 1011;
constexpr int32_t OPTION_SKIN_COMBO = 1009;
constexpr int32_t OPTION_SPEED_COMBO = 1434;
constexpr int32_t OPTION_OFFENSE_CALLING_COMBO = 1435;
constexpr int32_t OPTION_DEFENSE_CALLING_COMBO = 1436;
constexpr int32_t OPTION_MODE_TEXT = 1463;
constexpr int32_t OPTION_REPLAY_TEXT = 1464;
constexpr int32_t SPECIAL_TOOL_BUTTON = 10;

// Skins offered at most, and the item value of the first.
constexpr int32_t MAX_SKINS = 100;
constexpr intptr_t FIRST_SKIN_ITEM = 100;

extern const DIALOG_TEMPLATE OPTIONS_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE DID_YOU_KNOW_DIALOG_TEMPLATE;

// Ends with 1 after Done (the choices stored); closing it stores nothing.
intptr_t Options_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
intptr_t Did_You_Know_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

void Fill_Options(WINDOW_HANDLE dialog);
void Apply_Options(WINDOW_HANDLE dialog);
// The explanations of the financial mode chosen and of Replay Mode.
void Show_Options_Texts(WINDOW_HANDLE dialog);
// One line "Skin: <folder>" per folder under "Skins" (at most 100, and only
// folders whose names the league's skin name can hold), the current skin
// selected.
void Fill_Skin_Combo(WINDOW_HANDLE combo);
// The skin chosen in the combo becomes the league's, with its colours.
void Apply_Skin_Choice(WINDOW_HANDLE dialog);
// List 1008 of a dialog: "Fan", "Coach", "Head Coach", "Korva", with
// Difficulty_Level selected.
void Fill_Difficulty_Combo(WINDOW_HANDLE dialog);
// List 1011: "-100%" .. "+100%", with Reversion_To_Mean selected.
void Fill_Reversion_Combo(WINDOW_HANDLE dialog);
// The two financial modes, "General Manager Mode" and "Owner Mode", as the
// combo's lines.
void Fill_Finance_Mode_Combo(WINDOW_HANDLE combo);
// The window's client area in the skin's colour.
void Paint_Skin_Background(WINDOW_HANDLE window, DEVICE_CONTEXT* dc);
// The developer button (10) stays only in a build tagged "TEST" or "TOOL".
void Enable_Special_Tool_Button(WINDOW_HANDLE dialog);
// Hint `index` (0-3) into `out`; an empty text for any other index.
void Get_Hint_Text(int32_t index, char* out, int32_t size);
