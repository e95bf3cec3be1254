#pragma once
// The frame's dialog resources made at start-up and freed at shutdown.

void Create_Dialog_Brushes();
void Delete_Dialog_Brushes();
// The window class of the scouting report's own window.
void Register_Report_Window_Class();
