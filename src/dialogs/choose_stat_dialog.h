#pragma once
// The Choose Stat dialogs: which statistic one chosen column of a
// main-window view shows. Four templates, one procedure: 143 a standings
// column, 144 "Leader Heading" (a leader list), 145 a finance column, 163 a
// calendar column. Button 1242 + n chooses heading n of the view.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t CHOOSE_STANDINGS_STAT_DIALOG = 143;
constexpr int32_t CHOOSE_LEADER_STAT_DIALOG = 144;
constexpr int32_t CHOOSE_FINANCE_STAT_DIALOG = 145;
constexpr int32_t CHOOSE_CALENDAR_STAT_DIALOG = 163;
constexpr int32_t FIRST_STAT_BUTTON = 1242;
constexpr int32_t STAT_BUTTON_COUNT = 51;
// The setting that names the entry a Choose Stat dialog fills.
constexpr int32_t CHOSEN_STAT_ENTRY = 44;
// The finance button that reads "Salary Budget" without a salary cap.
constexpr int32_t SALARY_BUDGET_BUTTON = 1259;

extern const DIALOG_TEMPLATE CHOOSE_STANDINGS_STAT_TEMPLATE;
extern const DIALOG_TEMPLATE CHOOSE_LEADER_STAT_TEMPLATE;
extern const DIALOG_TEMPLATE CHOOSE_FINANCE_STAT_TEMPLATE;
extern const DIALOG_TEMPLATE CHOOSE_CALENDAR_STAT_TEMPLATE;

// A button stores its heading's index into the entry named by setting 44
// and ends with 1, but only when that entry is one of the view's own column
// entries (otherwise nothing is stored and it ends with 0); Cancel ends with 0.
intptr_t Choose_Stat_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// Control id of choice button n (1242 + n for n up to 50), 0 beyond.
int32_t Get_Stat_Button_Id(int32_t n);
// The choice buttons get the small application font.
void Set_Stat_Button_Fonts(WINDOW_HANDLE dialog);
// The first and last setting entries a Choose Stat dialog may fill (false
// for any other dialog id).
bool Get_Choose_Stat_Entries(int32_t dialog_id, int32_t* first, int32_t* last);
