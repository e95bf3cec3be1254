#pragma once
// Opening a modal dialog over the main window with its bars brought up to date.
#include <cstdint>

constexpr int32_t OFFENSE_DIALOG = 119;

// Repaints the status and ticker bars, then opens dialog `dialog_id` modally;
// returns the dialog's result.
int32_t Refresh_Bars_And_Do_Dialog(void* owner, int32_t dialog_id);
