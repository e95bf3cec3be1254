#pragma once
// The frame's dialog resources made at start-up and freed at shutdown: the
// skin-coloured dialog background brush, the brush of the built-in pattern
// picture, the control colours of skinned dialogs, and the window class of
// the scouting report's own window.
#include <cstdint>

#include "platform/drawing_objects.h"
#include "platform/handles.h"

// A solid brush of the skin colour (nullptr before Create_Dialog_Brushes).
extern DRAWING_BRUSH* Dialog_Background_Brush;
// A brush of the built-in pattern picture ("SportsKorvaLogoPattern.jpg").
extern DRAWING_BRUSH* Dialog_Pattern_Brush;

// Makes both brushes afresh (at start-up and when the skin changes); the
// former ones are deleted.
void Create_Dialog_Brushes();
void Delete_Dialog_Brushes();

// The answer of a skinned dialog to the three colour messages (the dialog's
// background, size grips, labels and the like): the background brush, with
// labels drawn on a transparent background of the skin colour; 0 (the
// control's own colours) without a brush, for every other message, and for
// the combo boxes and edits among the labels.
intptr_t Handle_Dialog_Control_Color(uint32_t message, WINDOW_HANDLE dialog, WINDOW_HANDLE control,
                                     DEVICE_CONTEXT* dc);

// The window class "ReportWindow", whose procedure is the Scouting Report's.
constexpr const char* REPORT_WINDOW_CLASS = "ReportWindow";
void Register_Report_Window_Class();
