#pragma once
// The main window's graphics that follow its size: the back buffer the views
// paint into, and the image caches, fonts and dialog brushes the frame sets
// up at start and frees at shutdown.
#include <cstdint>

// The view area: the client width, and the client height less the status
// bars (36 pixels, 24 more with the ticker) when a full-window view shows.
void Get_View_Area_Size(int32_t* width, int32_t* height);
// Re-creates the back buffer at the view area's size when that changed.
void Reinit_Window_Graphics();
// Forces the view to be painted again and repaints the main window at once.
void Redraw_Main_Window();

void Init_Image_Caches();
void Free_Image_Caches();
void Free_App_Fonts(int32_t all);
void Create_Dialog_Brushes();
void Delete_Dialog_Brushes();
void Register_Report_Window_Class();
